// Start-up from the command line, the workstation INI file or the connection dialog; the
// statistics connection and its time-out; the silent end; shutdown.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/EndTrap.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QString kDemo = QStringLiteral("demo.sqlite");
const QString kStats = QStringLiteral("DE_RIVAVIVUZEDI.sqlite");

void start(const QString& line)
{
    QString cadena;
    InicializaSistema(false, line, cadena, 3);
}

QList<QVariantList> accessRows()
{
    return frametest::Query(kDemo, QStringLiteral("SELECT ID, Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario, EGRESO "
                                                  "FROM Control_Acceso ORDER BY ID"));
}

// Fills the connection dialog and accepts it.
std::function<int(QDialog&)> acceptDialog(const QString& server, const QString& db, const QString& user)
{
    return [=](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("TxtServidor"))->setText(server);
        d.findChild<QLineEdit*>(QStringLiteral("TxtDbName"))->setText(db);
        d.findChild<QLineEdit*>(QStringLiteral("TxtUserId"))->setText(user);
        d.setProperty("Aceptar", true);
        d.accept();
        return int(QDialog::Accepted);
    };
}

class LongNamedWorkstation : public frametest::FixedWorkstation {
public:
    QString NombreEquipo() const override { return QStringLiteral("estacion-de-trabajo-del-deposito-central"); }
    QString NombreUsuario() const override { return QStringLiteral("responsable-de-caja"); }
};

} // namespace

class TstFrameStartup : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void commandLineValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString suite = QStringLiteral("@Server=srv1;@DbName=EMPRESA;@Usuario=Vandrel;@Password=x;@UsuarioLogeado=Juan;@Caja=3;");
        QTest::newRow("server") << suite << "@Server" << "srv1";
        QTest::newRow("user first: own item") << suite << "@Usuario" << "Vandrel";
        QTest::newRow("caja") << suite << "@Caja" << "3";
        QTest::newRow("key in any case") << "@server=SRV; @dbname= DB ;" << "@DbName" << "DB";
        QTest::newRow("logged user first: found inside it") << "@UsuarioLogeado=Juan;@Usuario=Vandrel;" << "@Usuario" << "LogeadoJuan";
        QTest::newRow("equals signs removed") << "@Password=a=b==c;" << "@Password" << "abc";
        QTest::newRow("semicolon cuts") << "@Password=ab;cd;" << "@Password" << "ab";
        QTest::newRow("absent") << suite << "@Menu" << "";
        QTest::newRow("empty value") << "@ParametroAdicional=;@Caja=1;" << "@ParametroAdicional" << "";
        QTest::newRow("last item without semicolon") << "@Server=s;@Caja= 7 " << "@Caja" << "7";
    }
    void commandLineValue()
    {
        QFETCH(QString, line);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(CommandLineValue(line, key), value);
    }

    void extraeServidor_data()
    {
        QTest::addColumn<QString>("servidor");
        QTest::addColumn<QString>("host");
        QTest::newRow("plain") << "SRV01" << "SRV01";
        QTest::newRow("port") << "SRV01:1433" << "SRV01";
        QTest::newRow("prefix and port") << "tcp/SRV01:1433" << "SRV01";
        QTest::newRow("only the first slash") << "a/b/c" << "b/c";
        QTest::newRow("instance unchanged") << "SRV01\\ZELTRIX" << "SRV01\\ZELTRIX";
        QTest::newRow("no trimming") << " SRV01 :1433" << " SRV01 ";
    }
    void extraeServidor()
    {
        QFETCH(QString, servidor);
        QFETCH(QString, host);
        QCOMPARE(ExtraeServidor(servidor), host);
    }

    void startsFromTheCommandLine()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        testsupport::FixedClock clock(2026, 3, 15, 10, 5);
        LookupDriverSetup handed;
        int handedCount = 0;
        SetLookupDriverHook([&](const LookupDriverSetup& s) { handed = s; ++handedCount; });
        ScriptedOperator op;   // no box, no dialog

        start(frametest::kDemoLine + QStringLiteral(";@UsuarioLogeado=Otro;@Caja=3;"));

        DB_Dll& db = *gDBPrincipal;
        QVERIFY(db.gOpenFlag);
        QCOMPARE(db.gServidor, QStringLiteral("SQLITE"));
        QCOMPARE(gUsuarioLogeado, QStringLiteral("Vandrel"));
        QCOMPARE(gCaja, QStringLiteral("1"));   // the first "@Caja" item counts
        QCOMPARE(gUNegocio, QStringLiteral("   1"));
        QCOMPARE(gCadenaODBC, QStringLiteral("DSN=demo.sqlite; UID=Vandrel; PWD="));
        QCOMPARE(gClaveEstacion, QStringLiteral("PC-CAJA1|OPERADOR"));
        QCOMPARE(gEstiloBarras.toDouble(), 1.0);
        QCOMPARE(gTimeOut, qint16(360));
        QCOMPARE(db.gCnn->CommandTimeout(), 360);
        QCOMPARE(db.gCnn->IsolationLevel(), int(ado::adXactReadUncommitted));
        QVERIFY(gDBEstadisticas->gOpenFlag);
        QCOMPARE(ImpresorReportes->CarpetaReportes, folder.path() + QStringLiteral("/"));
        // configuration loaded
        QCOMPARE(gTablaConfiguracion, QStringLiteral("ta_configuracion"));
        QCOMPARE(gCantidadDecimales, QStringLiteral("2"));
        QCOMPARE(gPeriodo, qint16(2026));
        // the lookup driver and its mask file
        QCOMPARE(handedCount, 1);
        QCOMPARE(handed.gConnString, db.gConnString);
        QVERIFY(handed.gUsarMascarasConsultas);
        QCOMPARE(handed.gRutaMascaraConsultas, folder.path() + QStringLiteral("/consultas.qkx"));
        QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("consultas.qkx"))).size(), qint64(13222));
        // the run's access-log row
        const QList<QVariantList> rows = accessRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toInt(), gIdControlAcceso);
        QCOMPARE(rows[0][1].toString(), QStringLiteral("PC-CAJA1"));
        QCOMPARE(rows[0][2].toString(), QStringLiteral("VANDREL"));
        QCOMPARE(rows[0][3].toString(), QStringLiteral("RECEPCIONMUTUALES"));
        QCOMPARE(rows[0][4].toString(), QStringLiteral("RECEPCIÓN DE MUTUALES"));
        QCOMPARE(rows[0][5].toString(), QStringLiteral("15/03/26 10:05"));
        QCOMPARE(rows[0][6].toString(), QStringLiteral("Vandrel"));
        QVERIFY(rows[0][7].isNull());
    }

    void takesTheProcessCommandLine()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        vb::App::SetCommand(QStringLiteral("@Server=SQLITE;@DbName=demo.sqlite;@Usuario=mgomez;@Password=;@Caja=2;"));
        start(QString());
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gUsuarioLogeado, QStringLiteral("mgomez"));
        QCOMPARE(gCaja, QStringLiteral("2"));
        QCOMPARE(gUNegocio, QStringLiteral("   2"));
    }

    void existingMaskFileIsNotRewritten()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        folder.write(QStringLiteral("CONSULTAS.QKX"), QByteArray("own"));
        start(frametest::kDemoLine);
        QCOMPARE(folder.read(QStringLiteral("CONSULTAS.QKX")), QByteArray("own"));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("consultas.qkx"))));
    }

    void connectionDialogWithoutCommandLine()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        folder.write(QStringLiteral("TZ417qv.INI"), "[PC-CAJA1|OPERADORBaseDeDatos]\r\nServidor=SQLITE\r\nDbName=nohay\r\n");
        ScriptedOperator op;
        op.expectForm(QStringLiteral("frmAcceso"), acceptDialog(QStringLiteral("SQLITE"), kDemo, QStringLiteral("Vandrel")));
        start(QString());   // the INI's connection keys are not read without SinParametros
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gUsuarioLogeado, QStringLiteral("Vandrel"));
        QCOMPARE(gCaja, QStringLiteral("1"));
        QCOMPARE(accessRows().size(), 1);
    }

    void endsSilentlyWhenTheDialogIsCancelled()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        testsupport::EndTrap trap;
        ScriptedOperator op;
        op.expectForm(QStringLiteral("frmAcceso"), [](QDialog& d) { d.reject(); return int(QDialog::Rejected); });
        QVERIFY_THROWS_EXCEPTION(testsupport::ProgramEnded, start(QStringLiteral("@Server=SQLITE;@DbName=demo.sqlite;")));
        QCOMPARE(trap.calls(), 1);
        QVERIFY(!gDBPrincipal->gOpenFlag);
        QVERIFY(!gDBEstadisticas.exists());
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("consultas.qkx"))));
        QCOMPARE(accessRows().size(), 0);
    }

    void endsWhenTheConnectionFails()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        testsupport::EndTrap trap;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Desea Intentarlo Nuevamente"), ui::vbNo, QStringLiteral(" Error de Conexion a Base de Datos"));
        QVERIFY_THROWS_EXCEPTION(testsupport::ProgramEnded,
                                 start(QStringLiteral("@Server=SQLITE;@DbName=nohay.sqlite;@Usuario=Vandrel;@Password=;")));
        QCOMPARE(trap.calls(), 1);
        QCOMPARE(accessRows().size(), 0);
    }

    void oracleMark()
    {
        TempProgramFolder folder;
        testsupport::EndTrap trap;
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbNo);
        QString cadena;
        QVERIFY_THROWS_EXCEPTION(testsupport::ProgramEnded,
                                 InicializaSistema(false, QStringLiteral("@Server=#ORA1:1521;@DbName=NOHAY_DSN;@Usuario=u;@Password=p;"),
                                                   cadena, 3));
        QCOMPARE(cadena, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=NOHAY_DSN;User Id=u;Password=p;"));
        QCOMPARE(gDBPrincipal->gServidor, QStringLiteral("ORA1"));
        QCOMPARE(gDBPrincipal->gConnString, cadena);
    }

    void workstationIniRoute()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        zeltrix::Utilidades u;
        const QByteArray ini = "[PC-CAJA1|OPERADORBaseDeDatos]\r\nServidor=SQ|LITE\r\nDbName=demo.sqlite\r\nUsuario="
                             + u.CodificaClave(QStringLiteral("mgomez")).toLatin1() + "\r\n[pc-caja1|operador]\r\nFlatToolbars=0\r\n";
        folder.write(QStringLiteral("tz417qv.ini"), ini);
        InicializaSistema(true, QString(), 3);
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->gServidor, QStringLiteral("SQLITE"));
        QCOMPARE(gUsuarioLogeado, QStringLiteral("mgomez"));
        QCOMPARE(gDBPrincipal->gUserPassWord, QStringLiteral("dizuzar"));
        QCOMPARE(gCaja, QStringLiteral("1"));
        QCOMPARE(gEstiloBarras.toDouble(), 0.0);
    }

    void longWorkstationKey()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        InfoEquipo.set(std::make_unique<LongNamedWorkstation>());
        const QString full = QStringLiteral("ESTACION-DE-TRABAJO-DEL-DEPOSITO-CENTRAL|RESPONSABLE-DE-CAJA");
        folder.write(QStringLiteral("TZ417qv.INI"), "[" + full.toLatin1() + "BaseDeDatos]\r\nServidor=SQLITE\r\nDbName=demo.sqlite\r\n["
                                                        + full.left(50).toLatin1() + "]\r\nFlatToolbars=2\r\n");
        InicializaSistema(true, QString(), 3);
        QCOMPARE(gClaveEstacion, full.left(50));
        QCOMPARE(gEstiloBarras.toDouble(), 2.0);
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gUsuarioLogeado, QStringLiteral("Vandrel"));
    }

    void statisticsTimeOut_data()
    {
        QTest::addColumn<QString>("stored");     // "-": no key; "none": no statistics database
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("no statistics database") << "none" << 360 << "";
        QTest::newRow("missing key written as 0") << "-" << 360 << "0";
        QTest::newRow("stored 0") << "0" << 360 << "0";
        QTest::newRow("blank") << "  " << 360 << "0";
        QTest::newRow("90") << "90" << 90 << "90";
        QTest::newRow("half to even") << "60.5" << 60 << "60.5";
    }
    void statisticsTimeOut()
    {
        QFETCH(QString, stored);
        QFETCH(int, timeOut);
        QFETCH(QString, storedAfter);
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, stored != QLatin1String("none"));
        if (stored != QLatin1String("none")) {
            frametest::Exec(kStats, QStringLiteral("DELETE FROM TA_CONFIGURACION"));
            if (stored != QLatin1String("-"))
                frametest::Exec(kStats, QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TIMEOUT', '%1')").arg(stored));
        }
        ScriptedOperator op;   // an unreachable statistics database shows nothing
        start(frametest::kDemoLine);
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(int(gTimeOut), timeOut);
        QCOMPARE(gDBPrincipal->gCnn->CommandTimeout(), timeOut);
        QCOMPARE(gDBEstadisticas->gOpenFlag, stored != QLatin1String("none"));
        if (stored != QLatin1String("none")) {
            const QList<QVariantList> rows = frametest::Query(kStats, QStringLiteral("SELECT VALOR, GRUPO FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'"));
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows[0][0].toString(), storedAfter);
        }
    }

    void secondStartOnlyWritesAnotherRow()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        start(frametest::kDemoLine);
        const qint32 first = gIdControlAcceso;
        ado::Connection* cnn = gDBPrincipal->gCnn.get();
        frametest::Exec(kStats, QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '45' WHERE CLAVE = 'TIMEOUT'"));
        start(QStringLiteral("@Server=SQLITE;@DbName=otra.sqlite;@Usuario=mgomez;@Caja=9;"));
        QCOMPARE(gDBPrincipal->gCnn.get(), cnn);
        QCOMPARE(gDBPrincipal->gUsuario, QStringLiteral("Vandrel"));
        QCOMPARE(gCaja, QStringLiteral("1"));
        QCOMPARE(gTimeOut, qint16(360));
        QCOMPARE(accessRows().size(), 2);
        QVERIFY(gIdControlAcceso > first);
    }

    void startupError_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("invalid call goes on") << 5 << true;
        QTest::newRow("any other ends start-up") << 91 << false;
    }
    void startupError()
    {
        QFETCH(int, number);
        QFETCH(bool, goesOn);
        TempProgramFolder folder;
        QTemporaryDir tmp;
        qputenv("tmp", tmp.path().toLocal8Bit() + "  ");
        frametest::CreateDemoDatabases(folder);
        SetLookupDriverHook([number](const LookupDriverSetup&) { vb::Raise(number, QStringLiteral("falla del buscador")); });
        ScriptedOperator op;   // silent either way
        start(frametest::kDemoLine);
        qunsetenv("tmp");
        QCOMPARE(accessRows().size(), goesOn ? 1 : 0);
        QCOMPARE(gPeriodo, qint16(goesOn ? 2026 : 0));
        QStringList log;
        vb::ReadLines(QDir(tmp.path()).filePath(QStringLiteral("QKERR.LOG")), log);
        if (goesOn) {
            QVERIFY(log.isEmpty());
        } else {
            QCOMPARE(log.size(), 1);
            QVERIFY(log[0].contains(QStringLiteral("InicializaSistema")));
            QVERIFY(log[0].contains(QStringLiteral("(91) falla del buscador")));
        }
    }

    void shutdown()
    {
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        testsupport::FixedClock clock(2026, 3, 15, 10, 5);
        int released = 0;
        SetProgressNoticeRelease([&] { ++released; });
        start(frametest::kDemoLine);
        clock.set(vb::MakeDate(QDate(2026, 3, 15), QTime(18, 40)));
        FinalizaSistema();
        QCOMPARE(accessRows()[0][7].toString(), QStringLiteral("15/03/26 18:40"));
        QCOMPARE(released, 1);
        QVERIFY(!gDBPrincipal.exists());
        QVERIFY(!Utilidades.exists());
        QVERIFY(!ArchivoIni.exists());
        QVERIFY(!AyudaEdicion.exists());
        QVERIFY(!InfoEquipo.exists());
        QVERIFY(!ImpresorReportes.exists());
        QVERIFY(gDBEstadisticas.exists());
    }
};

TESTSUPPORT_MAIN(TstFrameStartup)
#include "tst_frame_startup.moc"
