// The run's access-log row: its task name, its ID read back, and the exit update.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/vb/App.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QString kDemo = QStringLiteral("demo.sqlite");

QList<QVariantList> rows()
{
    return frametest::Query(kDemo, QStringLiteral("SELECT ID, Usuario, Formulario, Tarea, NombreUsuario, EGRESO FROM Control_Acceso ORDER BY ID"));
}

} // namespace

class TstFrameAccessLog : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void task_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("proceso");
        QTest::addColumn<QString>("tarea");
        QTest::addColumn<QString>("formulario");
        QTest::addColumn<QString>("nombreUsuario");
        QTest::newRow("granted task") << "Vandrel" << "RecepcionMutuales" << "" << "RECEPCIÓN DE MUTUALES" << "RECEPCIONMUTUALES" << "Vandrel";
        QTest::newRow("process given") << "Vandrel" << "Otro" << "Mutuales" << "RECEPCIÓN DE MUTUALES" << "MUTUALES" << "Vandrel";
        QTest::newRow("no grant") << "cgarcia" << "RecepcionMutuales" << "" << "" << "RECEPCIONMUTUALES" << "cgarcia";
        QTest::newRow("the menu program") << "cgarcia" << "tz417qv" << "" << "MENU PRINCIPAL" << "TZ417QV" << "cgarcia";
        QTest::newRow("supervisor") << "Administra Central QP" << "RecepcionMutuales" << "" << "RECEPCIONMUTUALES"
                                    << "RECEPCIONMUTUALES" << "Administra Central QP";
        QTest::newRow("user named as the database") << "DEMO.SQLITE" << "RecepcionMutuales" << "" << "RECEPCIONMUTUALES"
                                                    << "RECEPCIONMUTUALES" << "DEMO.SQLITE";
        QTest::newRow("apostrophe: found, kept in the row") << "O'Neil" << "RecepcionMutuales" << "" << "RECEPCIÓN DE MUTUALES"
                                                            << "RECEPCIONMUTUALES" << "O'Neil";
    }
    void task()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, exe);
        QFETCH(QString, proceso);
        QFETCH(QString, tarea);
        QFETCH(QString, formulario);
        QFETCH(QString, nombreUsuario);
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::Exec(kDemo, QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('O''Neil', 'CB0412')"));
        vb::App::SetEXEName(exe);
        frametest::OpenMain(kDemo, usuario);
        ScriptedOperator op;   // nothing shown
        RegistraIngreso(proceso);
        const QList<QVariantList> r = rows();
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0][0].toInt(), gIdControlAcceso);
        QCOMPARE(r[0][1].toString(), nombreUsuario.toUpper());
        QCOMPARE(r[0][2].toString(), formulario);
        QCOMPARE(r[0][3].toString(), tarea);
        QCOMPARE(r[0][4].toString(), nombreUsuario);
        QCOMPARE(gUsuarioLogeado, nombreUsuario);
    }

    void eachRunClosesOnlyItsOwnRow()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        testsupport::FixedClock clock(2026, 3, 15, 9, 0);
        frametest::OpenMain(kDemo);
        // Another run on this machine, same user, same minute, already open.
        RegistraIngreso(QString());
        const qint32 other = gIdControlAcceso;
        RegistraIngreso(QString());
        const qint32 mine = gIdControlAcceso;
        QVERIFY(mine > other);

        clock.set(vb::MakeDate(QDate(2026, 3, 15), QTime(12, 30)));
        RegistraEgreso();
        clock.set(vb::MakeDate(QDate(2026, 3, 15), QTime(13, 0)));
        RegistraEgreso();   // the row is closed already: nothing changes
        const QList<QVariantList> r = rows();
        QCOMPARE(r.size(), 2);
        QVERIFY(r[0][5].isNull());
        QCOMPARE(r[1][0].toInt(), mine);
        QCOMPARE(r[1][5].toString(), QStringLiteral("15/03/26 12:30"));
    }

    // Another workstation's row written between this run's insert and its read-back (a
    // trigger stands in for it here) is never taken for this run's.
    void theIdIsThisConnectionsInsert()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::Exec(kDemo, QStringLiteral(
            "CREATE TRIGGER OtraEstacion AFTER INSERT ON Control_Acceso WHEN NEW.NombreUsuario = 'Vandrel' "
            "BEGIN INSERT INTO Control_Acceso (Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario) "
            "VALUES (NEW.Maquina, NEW.Usuario, NEW.Formulario, NEW.Tarea, NEW.Ingreso, 'Vandrel'); END"));
        testsupport::FixedClock clock(2026, 3, 15, 9, 0);
        frametest::OpenMain(kDemo);
        ScriptedOperator op;   // nothing shown
        RegistraIngreso(QString());
        QCOMPARE(gIdControlAcceso, 1);
        RegistraEgreso();
        const QList<QVariantList> r = rows();
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[0][5].toString(), QStringLiteral("15/03/26 09:00"));
        QVERIFY(r[1][5].isNull());
    }

    // The exit update the database refuses is told with its description, titled with the
    // program's name; shutdown goes on.
    void failedExitUpdateIsTold()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::OpenMain(kDemo);
        vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
        RegistraIngreso(QString());
        QVERIFY(gIdControlAcceso > 0);
        frametest::Exec(kDemo, QStringLiteral("CREATE TRIGGER SinEgreso BEFORE UPDATE ON Control_Acceso "
                                              "BEGIN SELECT RAISE(ABORT, 'registro de accesos cerrado'); END"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("registro de accesos cerrado"), ui::vbOK, QStringLiteral("RecepcionMutuales"), ui::vbOKOnly);
        RegistraEgreso();
        QCOMPARE(op.shown().size(), 1);
        QCOMPARE(gDBPrincipal->gCnn->Errors().Count(), 0);
        QVERIFY(rows()[0][5].isNull());
    }

    void noRowNoExitUpdate()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::Exec(kDemo, QStringLiteral("INSERT INTO Control_Acceso (ID, Usuario) VALUES (0, 'X')"));
        frametest::OpenMain(kDemo);
        // gIdControlAcceso is 0: a row numbered 0 is not this run's and stays open.
        RegistraEgreso();
        QVERIFY(frametest::Scalar(kDemo, QStringLiteral("SELECT EGRESO FROM Control_Acceso")).isNull());
    }

    void failedInsertLeavesNoId()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::Exec(kDemo, QStringLiteral("DROP TABLE Control_Acceso"));
        frametest::OpenMain(kDemo);
        gIdControlAcceso = 0;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("208 : "), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        RegistraIngreso(QString());
        QCOMPARE(gIdControlAcceso, 0);
        QCOMPARE(frametest::Scalar(kDemo, QStringLiteral("SELECT Error FROM AUX_ERR")).toInt(), 208);
    }
};

TESTSUPPORT_MAIN(TstFrameAccessLog)
#include "tst_frame_accesslog.moc"
