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
#include <QDialog>
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

    void newDropsTheEditInProgress()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.goTo(1, 1);
        QTest::keyClicks(f.MSFlexGrid1, QStringLiteral("1"));
        QTest::keyClicks(f.txtEdit, QStringLiteral("10301"));
        f.UtilKor1_click(QStringLiteral("NUEVO"));
        QVERIFY(f.txtEdit->isHidden());
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        for (int c = 0; c < 8; ++c)
            QVERIFY(f.MSFlexGrid1->TextMatrix(1, c).isEmpty());
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), 1);
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
    // would; a cancelled lookup empties the box, whose check then speaks.
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
        if (!header && !chosen)
            op.expectMsgBox(QStringLiteral("Debe ingresar una cuenta"), ui::vbOK, QStringLiteral("Aviso al operador..."));
        QTest::keyClick(target, Qt::Key_F5);
        op.verifyAllUsed();
        const QString expected = chosen ? QStringLiteral("110303") : QString();
        if (header) {
            QCOMPARE(f.txtFields[3]->text(), expected);
        } else if (chosen) {
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), expected);
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("Mutual Docente Provincial"));
            QCOMPARE(f.MSFlexGrid1->Col(), 3);
        } else {
            QVERIFY(f.MSFlexGrid1->TextMatrix(1, 1).isEmpty());
        }
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
};

TESTSUPPORT_MAIN(TstReceptionCommands)
#include "tst_reception_commands.moc"
