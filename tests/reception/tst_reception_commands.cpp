// The toolbar commands this form answers so far: Nuevo, Cancelar, Cerrar, and Esc
// outside the cell editor.
#include "ReceptionFixture.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Operator.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"
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
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Cerrar") << false;
        QTest::newRow("Esc on the grid") << true;
    }
    void closeEndsTheProgramWithoutAsking()
    {
        QFETCH(bool, byKey);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        EndTrap trap;
        ScriptedOperator op;   // no question
        bool ended = false;
        try {
            if (byKey) {
                int key = ui::vbKeyEscape;
                f.Form_KeyDown(key, 0);
            } else {
                f.UtilKor1_click(QStringLiteral("cerrar"));
            }
        } catch (const ProgramEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        QCOMPARE(trap.calls(), 1);
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
};

TESTSUPPORT_MAIN(TstReceptionCommands)
#include "tst_reception_commands.moc"
