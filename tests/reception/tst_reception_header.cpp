// The header boxes: the reception date loads its rows and hands over to the grid; the
// report filters move on; focus colours and selection; Enter never types.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

class TstReceptionHeader : public QObject {
    Q_OBJECT

private slots:
    void validDateLoadsAndGivesTheGridTheFocus_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole date") << "01/12/2026" << "01/12/2026";
        QTest::newRow("two-digit year") << "1/12/26" << "01/12/2026";
        QTest::newRow("day and month: this year") << "1/12" << "01/12/2026";
    }
    void validDateLoadsAndGivesTheGridTheFocus()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.typeHeader(0, typed);
        QCOMPARE(f.txtFields[0]->text(), shown);
        QCOMPARE(f.MSFlexGrid1->Rows(), 3);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("F"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(2, 0), QStringLiteral("*"));
        QVERIFY(f.MSFlexGrid1->hasFocus());
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: 2"));
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: 25865.50"));
        QCOMPARE(f.txtFields[0]->BackColor(), 0xFFFFFFL);
    }

    // However the date box is left with another date in it, that date is loaded exactly
    // as Enter loads it: the same rows, status bar, Grabar button (hidden on the saved
    // first row) and focus (the grid, on the first row's account).
    void dateLoadsAlikeWhicheverWayTheBoxIsLeft_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("how");   // 0 Enter, 1 Tab, 2 a click on the account filter, 3 a click on the grid
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("total");
        const char* ways[] = {"Enter", "Tab", "a click on the account filter", "a click on the grid"};
        for (int how = 0; how < 4; ++how) {
            QTest::addRow("07/12, %s", ways[how]) << "07/12/2026" << how << 2 << "4410.00";
            QTest::addRow("01/12, %s", ways[how]) << "01/12/2026" << how << 3 << "25865.50";
        }
    }
    void dateLoadsAlikeWhicheverWayTheBoxIsLeft()
    {
        QFETCH(QString, date);
        QFETCH(int, how);
        QFETCH(int, rows);
        QFETCH(QString, total);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;   // nothing typed: nothing asked
        CajaTexto* box = f.txtFields[0];
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, date);
        switch (how) {
        case 0: QTest::keyClick(box, Qt::Key_Return); break;
        case 1: QTest::keyClick(box, Qt::Key_Tab); break;
        case 2: QTest::mouseClick(f.txtFields[3], Qt::LeftButton); break;
        default: QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); break;   // row 1, account
        }
        op.verifyAllUsed();
        QCOMPARE(g->Rows(), rows);
        QCOMPARE(g->TextMatrix(1, 0).isEmpty(), false);
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: %1").arg(rows - 1));
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: ") + total);
        QVERIFY(f.cmdGrabar->isHidden());
        QVERIFY(g->hasFocus());
        QCOMPARE(f.ControlActivo, f.txtEdit);
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->Col(), 1);
        QCOMPARE(box->BackColor(), 0xFFFFFFL);
        QCOMPARE(f.txtFields[3]->BackColor(), 0xFFFFFFL);
    }

    void reportFilterMovesOn_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("next");
        QTest::newRow("account, then the first date") << 3 << "zz" << 1;
        QTest::newRow("first date, then the last") << 1 << "01/12/2026" << 2;
        QTest::newRow("last date, then the business unit") << 2 << "anything" << 4;
    }
    void reportFilterMovesOn()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(int, next);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.MSFlexGrid1->SetTextMatrix(1, 3, QStringLiteral("typed before"));
        ScriptedOperator op;   // the filters are not checked
        fx.typeHeader(index, typed);
        QCOMPARE(f.txtFields[index]->text(), typed);   // Enter typed nothing
        QVERIFY(f.txtFields[next]->hasFocus());
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("typed before"));
    }

    void lastFilterMovesToTheCheckBox()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fx.typeHeader(4, QStringLiteral("1"));
        QVERIFY(f.ChkPendiente->hasFocus());
    }

    void focusColoursAndSelection()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.txtFields[3]->setText(QStringLiteral("110301"));
        f.txtFields[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.txtFields[0], Qt::Key_Tab);
        CajaTexto* box = f.txtFields[3];
        QVERIFY(box->hasFocus());
        QCOMPARE(box->BackColor(), 0xFFFF00L);   // cyan
        QCOMPARE(box->selectedText(), QStringLiteral("110301"));
        QCOMPARE(f.ControlActivo, box);
        QVERIFY(f.UtilKor1->ConsultaEnabled());
        QCOMPARE(f.txtFields[0]->BackColor(), 0xFFFFFFL);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->BackColor(), 0xFFFFFFL);
        QVERIFY(f.txtFields[1]->hasFocus());
    }

    void passingThroughTheDateBoxKeepsTheTypedRows()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        f.txtFields[0]->setFocus(Qt::MouseFocusReason);
        f.MSFlexGrid1->setFocus(Qt::MouseFocusReason);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("110301"));
        // another date is loaded when the box is left, once the operator gives up the row
        f.txtFields[0]->setFocus(Qt::MouseFocusReason);
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        op.expectMsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"), ui::vbYes,
                        QStringLiteral("Aviso al Operador"), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        f.MSFlexGrid1->setFocus(Qt::MouseFocusReason);
        op.verifyAllUsed();
        QCOMPARE(f.MSFlexGrid1->Rows(), 3);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("F"));
        // the load does not pull the focus back into the box being left
        QVERIFY(f.MSFlexGrid1->hasFocus());
    }

    // Loading another date while a row is being typed asks first. No keeps the row and
    // puts the date it was typed for back in the box; Yes loads the date. Both ways of
    // confirming the box: Enter on it, and leaving it.
    void dateChangeWhileTypingAsksFirst_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("abandon");
        QTest::newRow("Enter, No") << true << false;
        QTest::newRow("Enter, Yes") << true << true;
        QTest::newRow("leaving the box, No") << false << false;
        QTest::newRow("leaving the box, Yes") << false << true;
    }
    void dateChangeWhileTypingAsksFirst()
    {
        QFETCH(bool, enter);
        QFETCH(bool, abandon);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        fx.typeCell(QStringLiteral("RD-2026-90001"));
        fx.typeCell(QStringLiteral("150"));
        op.expectMsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"), abandon ? ui::vbYes : ui::vbNo,
                        QStringLiteral("Aviso al Operador"), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        if (enter) {
            fx.typeHeader(0, QStringLiteral("01/12/2026"));
        } else {
            f.txtFields[0]->setFocus(Qt::MouseFocusReason);
            f.txtFields[0]->selectAll();
            QTest::keyClicks(f.txtFields[0], QStringLiteral("01/12/2026"));
            g->setFocus(Qt::MouseFocusReason);
        }
        op.verifyAllUsed();
        if (abandon) {
            QCOMPARE(f.txtFields[0]->text(), QStringLiteral("01/12/2026"));
            QCOMPARE(g->Rows(), 3);
            QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("0001-00045872"));
            return;
        }
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("RD-2026-90001"));
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("150.00"));
        // the row is saved under the date it was typed for
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QVERIFY(receptiontest::scalar(QStringLiteral("SELECT FECHARECEPCION FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-90001'"))
                    .toString()
                    .startsWith(QStringLiteral("2026-12-09")));
    }

    // F2 on a row while the date box holds another text, not loaded: the row is saved
    // under the date it was typed for, which comes back into the box; nothing is loaded.
    void saveWithAnotherTextInTheDateBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("another date") << "01/12/2026";
        QTest::newRow("no date") << "31/13/2026";
    }
    void saveWithAnotherTextInTheDateBox()
    {
        QFETCH(QString, typed);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        fx.typeCell(QStringLiteral("RD-2026-90002"));
        fx.typeCell(QStringLiteral("150"));
        f.txtFields[0]->setFocus(Qt::MouseFocusReason);
        f.txtFields[0]->selectAll();
        QTest::keyClicks(f.txtFields[0], typed);
        QTest::keyClick(f.txtFields[0], Qt::Key_F2);
        op.verifyAllUsed();
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("RD-2026-90002"));
        QVERIFY(receptiontest::scalar(QStringLiteral("SELECT FECHARECEPCION FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-90002'"))
                    .toString()
                    .startsWith(QStringLiteral("2026-12-09")));
    }

    void rightClickOnTheDateBoxPicksADate()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectDate(QDate(2026, 12, 1));
        QTest::mouseClick(f.txtFields[0], Qt::RightButton);
        op.verifyAllUsed();
        // the picked date is confirmed as if typed
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("01/12/2026"));
        QCOMPARE(f.MSFlexGrid1->Rows(), 3);
        QVERIFY(f.MSFlexGrid1->hasFocus());
    }

    void rightClickOnAReportDateMovesOn()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectDate(QDate(2026, 11, 30));
        QTest::mouseClick(f.txtFields[1], Qt::RightButton);
        QCOMPARE(f.txtFields[1]->text(), QStringLiteral("30/11/2026"));
        QVERIFY(f.txtFields[2]->hasFocus());
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
    }

    void leavingTheDateBoxChecksIt()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Debe ingresar un formato de fecha válido"), ui::vbOK,
                        QStringLiteral("Aviso al operador..."), ui::vbCritical);
        CajaTexto* box = f.txtFields[0];
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("32/12/2026"));
        QTest::keyClick(box, Qt::Key_Tab);
        op.verifyAllUsed();
        // the keys go back to the date the message is about, its text ready to be typed over
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), QStringLiteral("32/12/2026"));
        QCOMPARE(box->BackColor(), 0xFFFF00L);
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
    }
};

TESTSUPPORT_MAIN(TstReceptionHeader)
#include "tst_reception_header.moc"
