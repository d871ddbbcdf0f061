// Opening the data-access object's connection: the strings it builds, the
// administrator check, the connection dialog and the connection error box.
#include "DbFixture.h"
#include "platform/ado/ConnectionString.h"
#include "platform/vb/App.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace {

void fillDialog(QDialog& d, const QString& server, const QString& db, const QString& user, int platform, bool accept)
{
    d.findChild<QLineEdit*>("TxtServidor")->setText(server);
    d.findChild<QLineEdit*>("TxtDbName")->setText(db);
    d.findChild<QLineEdit*>("TxtUserId")->setText(user);
    d.findChild<QLineEdit*>("TxtUserPassword")->setText(QStringLiteral("clave"));
    d.findChild<QComboBox*>("CboPlataformaDB")->setCurrentIndex(platform);
    d.setProperty("Aceptar", accept);
}

// A database file with the users table, made through a first connection.
void makeUsersDatabase(const testsupport::TempProgramFolder& folder, const QString& adminValue)
{
    folder.write(QStringLiteral("test.db"), QByteArray());
    DB_Dll maker;
    maker.gServidor = QStringLiteral("SQLITE");
    maker.gDBName = QStringLiteral("test.db");
    maker.OpenServerADODB(false, 3, QString(), false, false);
    maker.gCnn->Execute(QStringLiteral("CREATE TABLE ta_usuarios (nombre TEXT COLLATE NOCASE, Administrador TEXT)"));
    if (!adminValue.isNull())
        maker.gCnn->Execute(QStringLiteral("INSERT INTO ta_usuarios VALUES ('pepe', ") + adminValue + QStringLiteral(")"));
    maker.gCnn->Close();
}

} // namespace

class TestDbConnection : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        gDBPrincipal.reset();
        gDBEstadisticas.reset();
    }

    void connectionStrings()
    {
        DB_Dll db;
        db.gServidor = QStringLiteral("SRV\\INST");
        db.gDBName = QStringLiteral("Empresa");
        db.gUsuario = QStringLiteral("sa");
        db.gUserPassWord = QStringLiteral("x");
        db.gExtended = QStringLiteral("App=Recepcion;");
        db.gProveedor = QStringLiteral("OraOLEDB.Oracle.1");   // the SQL Server form names SQLOLEDB anyway
        testsupport::ScriptedOperator op;
        op.expectMsgBox("", ui::vbNo);   // the server is not there: the connection box, No
        db.OpenServerADODB();
        QCOMPARE(db.gConnString, QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV\\INST;Database =Empresa;UId=sa;Pwd=x;App=Recepcion;"));
        QVERIFY(!db.gOpenFlag);

        DB_Dll ora;
        ora.gServidor = QStringLiteral("#ORA");
        ora.gDBName = QStringLiteral("XE");
        ora.gUsuario = QStringLiteral("u");
        ora.gUserPassWord = QStringLiteral("p");
        op.expectMsgBox("", ui::vbNo);
        ora.OpenServerADODB();
        QCOMPARE(ora.gConnString, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=u;Password=p;"));
    }

    // A password, user or database name holding what the connection string uses for
    // itself (; { } =) reaches the driver whole, on every kind of connection; a plain
    // value gives the system's own text.
    void valuesReachTheDriverWhole_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QStringLiteral("clave");
        QTest::newRow("semicolon") << QStringLiteral("a;b");
        QTest::newRow("braces") << QStringLiteral("{x}");
        QTest::newRow("closing brace") << QStringLiteral("x}y;");
        QTest::newRow("equals") << QStringLiteral("k=v");
    }
    void valuesReachTheDriverWhole()
    {
        QFETCH(QString, value);
        // What the ODBC driver is handed, key by key, its braces read.
        auto odbc = [](const QString& text) {
            QMap<QString, QString> kv = ado::ParseKeyValues(ado::ParseConnectionString(text).odbc);
            for (QString& v : kv)
                if (v.startsWith(QLatin1Char('{')) && v.endsWith(QLatin1Char('}')))
                    v = v.mid(1, v.size() - 2);
            return kv;
        };
        const auto sqlServer = odbc(data::SqlServerConnectionString(QStringLiteral("SQLOLEDB"), QStringLiteral("SRV"), value, value, value));
        QCOMPARE(sqlServer.value(QStringLiteral("DATABASE")), value);
        QCOMPARE(sqlServer.value(QStringLiteral("UID")), value);
        QCOMPARE(sqlServer.value(QStringLiteral("PWD")), value);
        const auto oracle = odbc(data::OracleConnectionString(value, value, value));
        QCOMPARE(oracle.value(QStringLiteral("DSN")), value);
        QCOMPARE(oracle.value(QStringLiteral("UID")), value);
        QCOMPARE(oracle.value(QStringLiteral("PWD")), value);
        if (value == QLatin1String("clave")) {
            QCOMPARE(data::OracleConnectionString(value, value, value),
                     QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=clave;User Id=clave;Password=clave;"));
            QCOMPARE(data::SqlServerConnectionString(QStringLiteral("SQLOLEDB"), QStringLiteral("SRV"), value, value, value),
                     QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV;Database =clave;UId=clave;Pwd=clave;"));
        }

        // The embedded file and the local file: a database named so opens.
        testsupport::TempProgramFolder folder;
        const QString file = QStringLiteral("base ") + value + QStringLiteral(".db");
        folder.write(file, QByteArray());
        DB_Dll server;
        server.gServidor = QStringLiteral("SQLITE");
        server.gDBName = file;
        server.gUsuario = value;
        server.gUserPassWord = value;
        server.OpenServerADODB(false, 3, QString(), false, false);
        QVERIFY(server.gOpenFlag);
        DB_Dll local;
        local.gProveedor = local.pJETOLEDB40();
        local.gDBName = file;
        local.gUsuario = value;
        local.gUserPassWord = value;
        local.OpenLocalADODB();
        QCOMPARE(local.gCnn->State(), int(ado::adStateOpen));
    }

    void connectionErrorBox()
    {
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("test.db"), QByteArray());
        vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
        gDBPrincipal->gServidor = QStringLiteral("NOSERVER");
        gDBPrincipal->gUsuario = QStringLiteral("pepe");
        testsupport::ScriptedOperator op;
        op.expectMsgBox("Nombre de Proceso: RecepcionMutuales", ui::vbYes, " Error de Conexion a Base de Datos", 20);
        // Yes shows the dialog again; the operator picks the embedded database.
        QString serverShown;
        op.expectForm("frmAcceso", [&serverShown](QDialog& d) -> int {
            serverShown = d.findChild<QLineEdit*>("TxtServidor")->text();
            fillDialog(d, "SQLITE", "test.db", "pepe", 0, true);
            return int(QDialog::Accepted);
        });
        gDBPrincipal->OpenServerADODB(false, 3, QString(), true, true);
        QCOMPARE(serverShown, QStringLiteral("NOSERVER"));
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->gCnn->State(), int(ado::adStateOpen));
        const QString text = op.shown().at(0).text;
        QVERIFY(text.startsWith(QStringLiteral(" Estado de Sql: ")));
        QVERIFY(text.contains(QStringLiteral("por ejemplo : NOSERVER\\ZELTRIX\r\n3. Verifique si el inicio de sesion para el usuario pepe existe")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n\r\n - Desea Intentarlo Nuevamente??? ")));
    }

    void dialogStep_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<bool>("open");
        QTest::newRow("sql server accepted") << 0 << true << "SQLITE" << "SQLOLEDB" << true;
        QTest::newRow("cancelled") << 0 << false << "" << "" << false;
        QTest::newRow("oracle chosen") << 1 << true << "#ORA" << "OraOLEDB.Oracle.1" << false;
    }
    void dialogStep()
    {
        QFETCH(int, platform);
        QFETCH(bool, accept);
        QFETCH(QString, server);
        QFETCH(QString, provider);
        QFETCH(bool, open);
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("test.db"), QByteArray());
        testsupport::ScriptedOperator op;
        op.expectForm("frmAcceso", [&](QDialog& d) {
            fillDialog(d, platform == 1 ? "ORA" : "SQLITE", "test.db", "pepe", platform, accept);
            return accept ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        if (platform == 1)
            op.expectMsgBox("", ui::vbNo, " Error de Conexion a Base de Datos");
        gDBPrincipal->OpenServerADODB(true, 3, QString(), true, true);
        QCOMPARE(gDBPrincipal->gOpenFlag, open);
        QCOMPARE(gDBPrincipal->gCnn->State() == ado::adStateOpen, open);
        if (accept) {
            QCOMPARE(gDBPrincipal->gServidor, server);
            QCOMPARE(gDBPrincipal->gProveedor, provider);
            QCOMPARE(gDBPrincipal->gUserPassWord, QStringLiteral("clave"));
        }
    }

    void administratorCheck_data()
    {
        QTest::addColumn<QString>("stored");   // null: no row for the user
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("admin");
        QTest::newRow("text one") << "'1'" << "pepe" << true;
        QTest::newRow("number one") << "1" << "PEPE" << true;
        QTest::newRow("zero") << "'0'" << "pepe" << false;
        QTest::newRow("null") << "NULL" << "pepe" << false;
        QTest::newRow("missing user") << "1" << "otro" << false;
    }
    void administratorCheck()
    {
        QFETCH(QString, stored);
        QFETCH(QString, user);
        QFETCH(bool, admin);
        testsupport::TempProgramFolder folder;
        makeUsersDatabase(folder, stored);
        gDBPrincipal->gServidor = QStringLiteral("SQLITE");
        gDBPrincipal->gDBName = QStringLiteral("test.db");
        gDBPrincipal->gUsuario = user;
        gDBPrincipal->gEsAdmin = !admin;
        gDBPrincipal->OpenServerADODB();
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->gEsAdmin, admin);
    }

    void administratorCheckVariants()
    {
        testsupport::TempProgramFolder folder;
        makeUsersDatabase(folder, "'0'");
        // ValidaAdmin False: administrator without looking.
        DB_Dll& main = *gDBPrincipal;
        main.gServidor = QStringLiteral("SQLITE");
        main.gDBName = QStringLiteral("test.db");
        main.gUsuario = QStringLiteral("pepe");
        main.OpenServerADODB(false, 3, QString(), false, true);
        QVERIFY(main.gEsAdmin);
        // MuestraError False (the statistics connection): administrator when the table exists.
        DB_Dll& stats = *gDBEstadisticas;
        stats.gServidor = QStringLiteral("SQLITE");
        stats.gDBName = QStringLiteral("test.db");
        stats.gUsuario = QStringLiteral("pepe");
        stats.OpenServerADODB(false, 3, QString(), true, false);
        QVERIFY(stats.gEsAdmin);
        // An empty database name leaves the flag as it was.
        DB_Dll other;
        other.gEsAdmin = false;
        other.OpenServerADODB(false, 3, QStringLiteral("PROVIDER=SQLOLEDB;Server=SQLITE;Database =test.db;UId=;Pwd=;"), true, true);
        QVERIFY(other.gOpenFlag);
        QVERIFY(!other.gEsAdmin);
    }

    void silentFailureWithoutErrorBox()
    {
        testsupport::TempProgramFolder folder;
        testsupport::ScriptedOperator op;   // nothing may be shown
        DB_Dll db;
        db.gServidor = QStringLiteral("NOSERVER");
        db.OpenServerADODB(false, 3, QString(), true, false);
        QVERIFY(!db.gOpenFlag);
    }

    void reconnectionKeepsTheShortTimeout()
    {
        datatest::DbFixture f;
        f.db().ReintentaConectar();
        QVERIFY(f.db().gOpenFlag);
        QCOMPARE(f.db().gCnn->State(), int(ado::adStateOpen));
        QCOMPARE(f.db().gCnn->CommandTimeout(), 5);
    }
};

TESTSUPPORT_MAIN(TestDbConnection)
#include "tst_db_connection.moc"
