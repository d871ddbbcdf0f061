// The toolbar commands: Nuevo, Cancelar, Cerrar, and Esc outside the cell editor; the
// lookups of Consultar; Delete on a row.
#include "ReceptionFixture.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Operator.h"
#include "tests/frame/FrameFixture.h"
#include "data/DB_Dll.h"
#include "platform/ado/OpenConnections.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QToolBar>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::EndTrap;
using testsupport::ProgramEnded;
using testsupport::ScriptedOperator;

class TstReceptionCommands : public QObject {
    Q_OBJECT

private slots:
    void closeEndsTheProgramWithoutAsking_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cerrar") << 0;
        QTest::newRow("Esc on the grid") << 1;
        QTest::newRow("the window closed") << 2;
    }
    // Whichever way it is closed, the program ends with every database connection closed
    // (the statistics one too), so that nothing is left to close once Qt is gone.
    void closeEndsTheProgramWithoutAsking()
    {
        QFETCH(int, how);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        QVERIFY(gDBEstadisticas->gOpenFlag);
        QVERIFY(ado::OpenConnectionCount() >= 2);
        EndTrap trap;
        ScriptedOperator op;   // no question
        bool ended = false;
        try {
            if (how == 1) {
                int key = ui::vbKeyEscape;
                f.Form_KeyDown(key, 0);
            } else if (how == 2) {
                f.close();
            } else {
                f.UtilKor1_click(QStringLiteral("cerrar"));
            }
        } catch (const ProgramEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        QCOMPARE(trap.calls(), 1);
        QCOMPARE(ado::OpenConnectionCount(), 0);
        // the run's access-log row got its exit time
        QVERIFY(!frametest::Scalar(QStringLiteral("demo.sqlite"),
                                   QStringLiteral("SELECT EGRESO FROM Control_Acceso ORDER BY ID DESC LIMIT 1"))
                     .isNull());
    }

    void cancelAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No keeps everything") << int(ui::vbNo);
        QTest::newRow("Yes empties the grid") << int(ui::vbYes);
    }
    void cancelAsksFirst()
    {
        QFETCH(int, answer);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("110301"));
        f.UtilKor1->SetCancelarEnabled(true);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"), answer,
                        QStringLiteral("Aviso al Operador"), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        f.UtilKor1_click(QStringLiteral("CANCELAR"));
        op.verifyAllUsed();
        const bool yes = answer == ui::vbYes;
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1).isEmpty(), yes);
        QCOMPARE(f.UtilKor1->CancelarEnabled(), !yes);
        if (yes)
            QVERIFY(f.txtFields[0]->hasFocus());
    }

    // Esc on the grid, Cerrar, the window's close button and F3 (Nuevo): with rows typed
    // and not saved, or an edit in progress, they ask first. No keeps the program, the
    // rows, the cursor and the focus; Yes, or nothing typed, goes on without a question
    // (the program ends, or Nuevo empties the grid).
    void leavingAsksForTypedRows_data()
    {
        QTest::addColumn<int>("how");      // 0 Esc, 1 the Cerrar button, 2 the window closed, 3 F3
        QTest::addColumn<int>("typed");    // 0 nothing, 1 a row, 2 an account in the open editor, 3 both
        QTest::addColumn<int>("answer");   // 0: nothing is asked
        const char* ways[] = {"Esc", "Cerrar", "window closed", "F3"};
        for (int how = 0; how < 4; ++how) {
            QTest::addRow("%s, nothing typed", ways[how]) << how << 0 << 0;
            QTest::addRow("%s, a typed row, No", ways[how]) << how << 1 << int(ui::vbNo);
            QTest::addRow("%s, a typed row, Yes", ways[how]) << how << 1 << int(ui::vbYes);
            if (how != 0)
                QTest::addRow("%s, an edit in progress, No", ways[how]) << how << 2 << int(ui::vbNo);
        }
        // the first Esc gives up the cell's edit, the second one asks
        QTest::newRow("Esc twice in an edit of a typed row, No") << 0 << 3 << int(ui::vbNo);
    }
    void leavingAsksForTypedRows()
    {
        QFETCH(int, how);
        QFETCH(int, typed);
        QFETCH(int, answer);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        EndTrap trap;
        ScriptedOperator op;
        if (typed == 1 || typed == 3) {
            fx.goTo(1, 1);
            fx.typeRow(QStringLiteral("110301"), QStringLiteral("0001-00046206"), QStringLiteral("99"));
        }
        if (typed == 2 || typed == 3) {
            if (typed == 2)
                fx.goTo(1, 1);
            QTest::keyClicks(g, QStringLiteral("1"));
            QTest::keyClicks(f.txtEdit, QStringLiteral("10301"));
        }
        if (answer != 0)
            op.expectMsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"), answer,
                            QStringLiteral("Aviso al Operador"), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        QWidget* const focused = QApplication::focusWidget();
        const int row = g->Row();
        const int col = g->Col();
        bool ended = false;
        try {
            switch (how) {
            case 0:
                if (typed == 3)
                    QTest::keyClick(f.txtEdit, Qt::Key_Escape);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                break;
            case 1:   // the button's own action, as a press of it runs it
                f.UtilKor1->findChild<QToolBar*>(QStringLiteral("Standard"))->actions().at(7)->trigger();
                break;
            case 2:
                f.close();
                break;
            default:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
                break;
            }
        } catch (const ProgramEnded&) {
            ended = true;
        }
        ended = ended || trap.calls() > 0;   // the bar's notification lets nothing escape
        op.verifyAllUsed();
        const bool goes = answer != ui::vbNo;
        if (how == 3) {
            QVERIFY(!ended);
            QCOMPARE(g->TextMatrix(1, 1).isEmpty() && f.txtEdit->isHidden(), goes);
            if (goes) {
                QCOMPARE(g->Rows(), 2);
                QVERIFY(f.txtFields[0]->hasFocus());
            }
        } else {
            QCOMPARE(ended, goes);
            QCOMPARE(trap.calls(), goes ? 1 : 0);
        }
        if (goes)
            return;
        QVERIFY(f.isVisible());
        if (typed == 2) {
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.txtEdit->text(), QStringLiteral("110301"));
        } else {
            QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
            QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("0001-00046206"));
            QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("99.00"));
        }
        QCOMPARE(g->Row(), row);
        QCOMPARE(g->Col(), col);
        QCOMPARE(QApplication::focusWidget(), typed == 3 ? static_cast<QWidget*>(g) : focused);
        if (typed != 2)
            QVERIFY(f.txtEdit->isHidden());   // the Esc answered No opens no editor
    }

    // Each way to close or clear the grid, answered No, leaves every toolbar button as it
    // was before: Borrar too, which a press of Cerrar enables in the toolbar itself.
    void answeredNoKeepsTheToolbar_data()
    {
        QTest::addColumn<int>("how");   // 0 the Cerrar button, 1 Esc, 2 F3, 3 the Nuevo button, 4 the window closed
        QTest::addColumn<bool>("cancelar");   // Cancelar enabled: Esc asks as Cancelar
        QTest::addColumn<bool>("borrar");     // Borrar enabled before, which a press of Nuevo disables
        QTest::newRow("Cerrar button") << 0 << false << false;
        QTest::newRow("Esc") << 1 << false << false;
        QTest::newRow("Esc with Cancelar enabled") << 1 << true << false;
        QTest::newRow("F3") << 2 << false << false;
        QTest::newRow("Nuevo button") << 3 << false << false;
        QTest::newRow("Nuevo button, Borrar enabled") << 3 << false << true;
        QTest::newRow("window closed") << 4 << false << false;
    }
    void answeredNoKeepsTheToolbar()
    {
        QFETCH(int, how);
        QFETCH(bool, cancelar);
        QFETCH(bool, borrar);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        UtilKor* bar = f.UtilKor1;
        QList<QAction*> buttons = bar->findChild<QToolBar*>(QStringLiteral("Standard"))->actions();
        EndTrap trap;
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeRow(QStringLiteral("110301"), QStringLiteral("0001-00046206"), QStringLiteral("99"));
        if (cancelar)
            bar->SetCancelarEnabled(true);
        if (borrar)
            bar->SetBorrarEnabled(true);
        // the flags, then what the operator sees of them
        const auto state = [&] {
            QList<bool> s = {bar->NuevoEnabled(),   bar->BorrarEnabled(),   bar->ReporteEnabled(), bar->ConsultaEnabled(),
                             bar->PlanillaEnabled(), bar->CancelarEnabled(), bar->GrabarEnabled(), bar->CerrarEnabled()};
            for (QAction* button : buttons)
                s << button->isEnabled();
            return s;
        };
        const QList<bool> before = state();
        op.expectMsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"), ui::vbNo);
        switch (how) {
        case 0:
            buttons.at(7)->trigger();
            break;
        case 1:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            break;
        case 2:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
            break;
        case 3:
            buttons.at(0)->trigger();
            break;
        default:
            f.close();
            break;
        }
        op.verifyAllUsed();
        QCOMPARE(trap.calls(), 0);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(state(), before);
    }

    void commandsOfOtherFormsDoNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("BORRAR") << "BORRAR";
        QTest::newRow("PLANILLA") << "PLANILLA";
        QTest::newRow("GRABAR") << "GRABAR";
    }
    void commandsOfOtherFormsDoNothing()
    {
        QFETCH(QString, key);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("110301"));
        ScriptedOperator op;
        f.UtilKor1_click(key);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("110301"));
    }

    // Consultar fills the active box with the chosen code and confirms it as Enter
    // would; a lookup closed without a choice leaves the box as it was, without a word.
    void lookupFillsTheActiveBox_data()
    {
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("grid account chosen") << false << true;
        QTest::newRow("grid account cancelled") << false << false;
        QTest::newRow("report account chosen") << true << true;
        QTest::newRow("report account cancelled") << true << false;
    }
    void lookupFillsTheActiveBox()
    {
        QFETCH(bool, header);
        QFETCH(bool, chosen);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        QWidget* target = f.MSFlexGrid1;
        if (header) {
            f.txtFields[3]->setText(QStringLiteral("9999"));
            f.txtFields[3]->setFocus(Qt::TabFocusReason);
            target = f.txtFields[3];
        } else {
            fx.goTo(1, 1);
        }
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [chosen](QDialog& d) {
            if (!chosen)
                return int(QDialog::Rejected);
            auto& frm = static_cast<Lib_FrmCons3&>(d);
            frm.ListView1->setFocus();
            QTest::keyClicks(frm.ListView1, QStringLiteral("mutual doc"));
            frm.ListView1->setFocus();
            QTest::keyClick(frm.ListView1, Qt::Key_Return);
            return int(QDialog::Accepted);
        });
        QTest::keyClick(target, Qt::Key_F5);
        op.verifyAllUsed();
        const QString expected = chosen ? QStringLiteral("110303") : header ? QStringLiteral("9999") : QString();
        if (header) {
            QCOMPARE(f.txtFields[3]->text(), expected);
        } else if (chosen) {
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), expected);
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("Mutual Docente Provincial"));
            QCOMPARE(f.MSFlexGrid1->Col(), 3);
        } else {
            QVERIFY(f.MSFlexGrid1->TextMatrix(1, 1).isEmpty());
            QVERIFY(f.txtEdit->isHidden());
        }
    }

    // F5 and then Esc (the lookup or the date picker closed without a choice) leaves the
    // cell or box as it was: no message, no editor opened, the focus where it was.
    void cancelledLookupChangesNothing_data()
    {
        QTest::addColumn<int>("where");
        QTest::newRow("an account cell filled") << 0;
        QTest::newRow("a business-unit cell filled from the account") << 1;
        QTest::newRow("an account being typed in the open editor") << 2;
        QTest::newRow("the report's account filter") << 3;
        QTest::newRow("the date box") << 4;
    }
    void cancelledLookupChangesNothing()
    {
        QFETCH(int, where);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        QCOMPARE(g->TextMatrix(1, 5), QStringLiteral("   1"));
        switch (where) {
        case 0: fx.goTo(1, 1); break;
        case 1: fx.goTo(1, 5); break;
        case 2:
            fx.goTo(1, 1);
            QTest::keyClicks(g, QStringLiteral("1"));
            QTest::keyClicks(f.txtEdit, QStringLiteral("103"));
            break;
        case 3:
            f.txtFields[3]->setText(QStringLiteral("110303"));
            f.txtFields[3]->setFocus(Qt::TabFocusReason);
            break;
        default:
            f.txtFields[0]->setFocus(Qt::TabFocusReason);
            break;
        }
        if (where == 4)
            op.expectDate(QDate());
        else
            op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog&) { return int(QDialog::Rejected); });
        QWidget* const focused = QApplication::focusWidget();
        const int col = g->Col();
        QTest::keyClick(focused, Qt::Key_F5);
        op.verifyAllUsed();   // and nothing else was shown
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(g->Col(), col);
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(g->TextMatrix(1, 2), QStringLiteral("Mutual Policial de Córdoba"));
        QCOMPARE(g->TextMatrix(1, 5), QStringLiteral("   1"));
        QCOMPARE(f.txtEdit->isVisible(), where == 2);
        if (where == 2)
            QCOMPARE(f.txtEdit->text(), QStringLiteral("1103"));
        QCOMPARE(f.txtFields[3]->text(), where == 3 ? QStringLiteral("110303") : QString());
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
    }

    // The only row of a date taken back leaves an empty entry row, not the deleted row
    // still marked as saved.
    void deletingTheOnlyRowLeavesAnEmptyRow()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.typeHeader(0, QStringLiteral("04/12/2026"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 7), QStringLiteral("3"));
        fx.goTo(1, 1);
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes);
        QTest::keyClick(f.MSFlexGrid1, Qt::Key_Delete);
        op.verifyAllUsed();
        QCOMPARE(frametest::Scalar(QStringLiteral("demo.sqlite"), QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 3"))
                     .toInt(),
                 0);
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        for (int c = 0; c < 8; ++c)
            QVERIFY(f.MSFlexGrid1->TextMatrix(1, c).isEmpty());
        QVERIFY(!f.cmdGrabar->isHidden());
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: 1"));
    }

    // F4 with a report definition that is no report: a message naming the file, never
    // silence; the form goes on as it was.
    void unsoundReportDefinitionIsTold_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("garbage") << QByteArray("no soy un reporte");
        QTest::newRow("an empty file") << QByteArray();
        QTest::newRow("an object without columns") << QByteArray(R"({"title": "T", "table": "V", "query": "SELECT 1"})");
    }
    void unsoundReportDefinitionIsTold()
    {
        QFETCH(QByteArray, json);
        ReceptionFixture fx;
        const QString file = fx.folder.write(QStringLiteral("V_MV_MUTUALES_RECEPCION.json"), json);
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("(321) La definición del reporte ") + file, ui::vbAbort, QString(),
                        ui::vbAbortRetryIgnore + ui::vbCritical);
        fx.press(Qt::Key_F4);
        op.verifyAllUsed();
        QVERIFY(f.isVisible());
        QVERIFY(!QFileInfo::exists(fx.folder.filePath(QStringLiteral("reportes"))) ||
                QDir(fx.folder.filePath(QStringLiteral("reportes"))).isEmpty());
    }
};

TESTSUPPORT_MAIN(TstReceptionCommands)
#include "tst_reception_commands.moc"
