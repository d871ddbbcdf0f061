// The connection dialog: the known-database list in the boxes, registration of a tested
// connection, the dialog step of the data-access object, the desktop launcher.
#include "data/AccessDialog.h"
#include "data/BasesTxt.h"
#include "data/DB_Dll.h"
#include "data/frmAcceso.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Provider.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QByteArray kTwoEntries = "VENTAS / SRV1\\INST,Ventas,Ventas,X,SRV1\\INST:1500\r\n"
                               " ,Vacia,Vacia,X,SRVX\r\n"
                               "STOCK / SRV2,Stock,Stock,X,SRV2\r\n";

// A server engine that lets in only the logins it is told to, and counts the attempts.
struct Logins {
    std::function<bool(const ado::ConnectionSpec&)> accepts;
    int attempts = 0;
    QStringList seen;   // the ODBC texts of every attempt
};
Logins* gLogins = nullptr;

class LoginProvider : public ado::Provider {
public:
    void open(const ado::ConnectionSpec& target, ado::Errors& errs) override
    {
        ++gLogins->attempts;
        gLogins->seen << target.odbc;
        if (gLogins->accepts && gLogins->accepts(target))
            return;
        const ado::Error e{ado::hrUnspecified, QStringLiteral("Login failed."), QString(), QStringLiteral("28000"), 18456};
        errs.Add(e);
        throw vb::VbError(e.Number, e.Description);
    }
    void close() override {}
    ado::ExecResult execute(const QString&, ado::Errors&) override { return {}; }
    int beginTrans(ado::Errors&) override { return 1; }
    void commitTrans(ado::Errors&) override {}
    void rollbackTrans(ado::Errors&) override {}
    void setCommandTimeout(int) override {}
    void setDefaultDatabase(const QString&, ado::Errors&) override {}
    ado::ResultSet schemaTables(ado::Errors&) override
    {
        ado::ResultSet r;
        r.columns = {{QStringLiteral("TABLE_NAME"), 200, 128, {}, {}}};
        return r;
    }
    ado::ResultSet schemaColumns(const QString&, ado::Errors&) override { return {}; }
    QStringList primaryKey(const QString&) override { return {}; }
    ado::RowChangeResult applyRowChange(const ado::RowChange&, ado::Errors&) override { return {}; }
};

// Server connections go to LoginProvider while it lives; the embedded engine stays.
class ServerLogins {
public:
    explicit ServerLogins(std::function<bool(const ado::ConnectionSpec&)> accepts)
    {
        logins.accepts = std::move(accepts);
        gLogins = &logins;
        ado::SetProviderFactory([](const ado::ConnectionSpec& t) -> std::unique_ptr<ado::Provider> {
            if (t.engine == ado::ConnectionSpec::Odbc)
                return std::make_unique<LoginProvider>();
            return ado::MakeBuiltInProvider(t, 15);
        });
    }
    ~ServerLogins()
    {
        ado::SetProviderFactory({});
        gLogins = nullptr;
    }
    Logins logins;
};

void typeInto(frmAcceso& f, const QString& server, const QString& db, const QString& user, const QString& password)
{
    f.TxtServidor->setText(server);
    f.TxtDbName->setText(db);
    f.TxtUserId->setText(user);
    f.TxtUserPassword->setText(password);
}

QStringList listed(const frmAcceso& f)
{
    QStringList keys;
    for (int i = 0; i < f.lstBases->count(); ++i)
        keys << f.lstBases->item(i)->text();
    return keys;
}

QByteArray record(const QString& key, const QString& db, const QString& server)
{
    return (key + "," + db + "," + db + "," + Utilidades->CodificaClave(db) + "," + server + "\r\n").toLatin1();
}

} // namespace

class TestFrmAcceso : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { data::InstalaFormularioAcceso(); }
    void cleanupTestCase() { data::SetAccessDialogFactory({}); }
    void cleanup()
    {
        gDBPrincipal.reset();
        vb::App::ResetAll();
    }

    void listShowsTheKnownDatabases()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), kTwoEntries);
        frmAcceso f;
        QCOMPARE(listed(f), (QStringList{"VENTAS / SRV1\\INST", "STOCK / SRV2"}));
        // The first entry is chosen: server and port apart, user and password to be typed.
        QCOMPARE(f.lstBases->currentRow(), 0);
        QCOMPARE(f.TxtServidor->text(), QStringLiteral("SRV1\\INST"));
        QCOMPARE(f.TxtPuerto->text(), QStringLiteral("1500"));
        QCOMPARE(f.TxtDbName->text(), QStringLiteral("Ventas"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Control de Acceso"));
        QCOMPARE(f.CboPlataformaDB->itemText(1), QStringLiteral("ORACLE"));
    }

    void withoutListTheBoxesShowHintsOnly()
    {
        TempProgramFolder folder;
        frmAcceso f;
        QCOMPARE(f.lstBases->count(), 0);
        QCOMPARE(f.TxtPuerto->text(), QStringLiteral("1433"));
        QCOMPARE(f.TxtServidor->text(), QString());
        QCOMPARE(f.TxtServidor->placeholderText(), QStringLiteral("ingrese el nombre del servidor e instancia"));
        QCOMPARE(f.TxtUserId->placeholderText(), QStringLiteral("Ingrese el usuario"));
        QCOMPARE(f.TxtDbName->placeholderText(), QStringLiteral("ingrese el nombre de la base de datos"));
    }

    void choosingAnEntryFillsTheBoxes_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }
    void choosingAnEntryFillsTheBoxes()
    {
        QFETCH(bool, byKeyboard);
        TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), kTwoEntries);
        frmAcceso f;
        f.show();
        typeInto(f, "otro", "otra", "pepe", "clave");
        if (byKeyboard) {
            f.lstBases->setFocus();
            QTest::keyClick(f.lstBases, Qt::Key_Down);
        } else {
            const QRect r = f.lstBases->visualItemRect(f.lstBases->item(1));
            QTest::mouseClick(f.lstBases->viewport(), Qt::LeftButton, {}, r.center());
        }
        QCOMPARE(f.TxtServidor->text(), QStringLiteral("SRV2"));
        QCOMPARE(f.TxtDbName->text(), QStringLiteral("Stock"));
        QCOMPARE(f.TxtPuerto->text(), QStringLiteral("1500"));   // an entry without port leaves it
        QCOMPARE(f.TxtUserId->text(), QString());
        QCOMPARE(f.TxtUserPassword->text(), QString());
        // A click on the chosen entry shows it again over what was typed.
        f.TxtDbName->setText(QStringLiteral("cambiada"));
        const QRect r = f.lstBases->visualItemRect(f.lstBases->item(1));
        QTest::mouseClick(f.lstBases->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(f.TxtDbName->text(), QStringLiteral("Stock"));
        QVERIFY(!f.Aceptar);
    }

    void doubleClickAccepts()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), kTwoEntries);
        frmAcceso f;
        f.show();
        const QRect r = f.lstBases->visualItemRect(f.lstBases->item(1));
        QTest::mouseClick(f.lstBases->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.lstBases->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(f.Aceptar);
        QVERIFY(f.property("Aceptar").toBool());
        QVERIFY(!f.isVisible());
        QCOMPARE(f.TxtServidor->text(), QStringLiteral("SRV2"));
    }

    // The data-access object's dialog step with this form.
    void dialogStep_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("provider");
        QTest::newRow("accepted, SQL Server") << 0 << "bcAceptar" << true << "SQLITE" << "SQLOLEDB";
        QTest::newRow("accepted, Oracle") << 1 << "bcAceptar" << false << "#ORA" << "OraOLEDB.Oracle.1";
        QTest::newRow("cancelled") << 0 << "bcCancelar" << false << "" << "";
    }
    void dialogStep()
    {
        QFETCH(int, platform);
        QFETCH(QString, button);
        QFETCH(bool, open);
        QFETCH(QString, server);
        QFETCH(QString, provider);
        TempProgramFolder folder;
        folder.write(QStringLiteral("test.db"), QByteArray());
        folder.write(QStringLiteral("BASES.TXT"), kTwoEntries);
        ServerLogins logins(nullptr);
        ScriptedOperator op;
        QString shownServer;
        op.expectForm("frmAcceso", [&](QDialog& d) {
            auto& f = dynamic_cast<frmAcceso&>(d);
            // The opener's values win over the first entry of the list.
            shownServer = f.TxtServidor->text();
            f.CboPlataformaDB->setCurrentIndex(platform);
            typeInto(f, platform == 1 ? "ORA" : "SQLITE", "test.db", "pepe", "clave");
            QTest::mouseClick(f.findChild<QPushButton*>(button), Qt::LeftButton);
            return f.result();
        });
        if (platform == 1)
            op.expectMsgBox("Login failed.", ui::vbNo, " Error de Conexion a Base de Datos");
        gDBPrincipal->gServidor = QStringLiteral("PREVIO");
        gDBPrincipal->OpenServerADODB(true, 3, QString(), true, true);
        QCOMPARE(shownServer, QStringLiteral("PREVIO"));
        QCOMPARE(gDBPrincipal->gOpenFlag, open);
        QCOMPARE(gDBPrincipal->gCnn->State() == ado::adStateOpen, open);
        if (button == "bcAceptar") {
            QCOMPARE(gDBPrincipal->gServidor, server);
            QCOMPARE(gDBPrincipal->gProveedor, provider);
            QCOMPARE(gDBPrincipal->gUsuario, QStringLiteral("pepe"));
            QCOMPARE(gDBPrincipal->gUserPassWord, QStringLiteral("clave"));
        }
    }

    void untouchedBoxesHandNothing()
    {
        TempProgramFolder folder;
        ScriptedOperator op;
        op.expectForm("frmAcceso", [](QDialog& d) {
            QTest::mouseClick(d.findChild<QPushButton*>("bcAceptar"), Qt::LeftButton);
            return d.result();
        });
        op.expectMsgBox("", ui::vbNo, " Error de Conexion a Base de Datos");
        gDBPrincipal->OpenServerADODB(true, 3, QString(), true, true);
        QCOMPARE(gDBPrincipal->gServidor, QString());
        QCOMPARE(gDBPrincipal->gDBName, QString());
        QCOMPARE(gDBPrincipal->gUsuario, QString());
    }

    // Registration: the tested connection is written with the database name as user and
    // password, whichever login let it in.
    void registration_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("db");
        QTest::addColumn<int>("platform");
        QTest::addColumn<QString>("acceptedUid");   // the login the server lets in
        QTest::addColumn<QString>("key");
        QTest::newRow("port kept in the record, not in the key") << "srv1:1500" << "Ventas" << 0 << "VENTAS" << "VENTAS / SRV1";
        QTest::newRow("only the typed login connects") << "SRV1\\INST" << "Ventas" << 0 << "pepe" << "VENTAS / SRV1\\INST";
        QTest::newRow("Oracle shown: still tested and stored as SQL Server") << "SRV1" << "Ventas" << 1 << "VENTAS" << "VENTAS / SRV1";
    }
    void registration()
    {
        QFETCH(QString, server);
        QFETCH(QString, db);
        QFETCH(int, platform);
        QFETCH(QString, acceptedUid);
        QFETCH(QString, key);
        TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), "STOCK / SRV2,Stock,Stock,X,SRV2\r\n");
        ServerLogins logins([&](const ado::ConnectionSpec& t) { return t.odbc.contains("UID=" + acceptedUid + ";"); });
        ScriptedOperator op;
        frmAcceso f;
        f.show();
        f.CboPlataformaDB->setCurrentIndex(platform);
        typeInto(f, server + " ", " " + db, "pepe", "clave");
        QTest::mouseClick(f.CmdRegistrar, Qt::LeftButton);
        QCOMPARE(folder.read("BASES.TXT"), "STOCK / SRV2,Stock,Stock,X,SRV2\r\n" + record(key, db, server));
        QCOMPARE(logins.logins.seen.first().contains(QStringLiteral("UID=VENTAS;PWD=VENTAS;")), true);
        QCOMPARE(listed(f), (QStringList{"STOCK / SRV2", key}));
        QCOMPARE(gDBPrincipal->gCnn->State(), int(ado::adStateClosed));
        QVERIFY(op.shown().isEmpty());
    }

    void registeringTwiceIsRefused()
    {
        TempProgramFolder folder;
        const QByteArray before = record("VENTAS / SRV1", "Ventas", "SRV1:1500");
        folder.write(QStringLiteral("BASES.TXT"), before);
        ServerLogins logins([](const ado::ConnectionSpec&) { return true; });
        ScriptedOperator op;
        op.expectMsgBox("La conexion que intenta registrar ya existe ", ui::vbOK, "Atencion", ui::vbInformation);
        frmAcceso f;
        typeInto(f, "srv1:2000", "ventas", "pepe", "clave");
        f.CmdRegistrar_Click();
        QCOMPARE(folder.read("BASES.TXT"), before);
        QCOMPARE(logins.logins.attempts, 0);
    }

    void aConnectionThatFailsIsNotRegistered()
    {
        TempProgramFolder folder;
        ServerLogins logins([](const ado::ConnectionSpec&) { return false; });
        ScriptedOperator op;
        // The failure is told here; the dialog is not opened again from inside itself.
        op.expectMsgBox("NO SE PUDO CONECTAR AL SERVIDOR SRV9 VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO", ui::vbOK,
                        "AVISO AL OPERADOR", ui::vbInformation);
        frmAcceso f;
        typeInto(f, " SRV9", "Ventas", "pepe", "clave");
        f.CmdRegistrar_Click();
        QVERIFY(!QFile::exists(folder.filePath("BASES.TXT")));
        QCOMPARE(logins.logins.attempts, 2);
        QCOMPARE(f.TxtServidor->text(), QStringLiteral("SRV9"));
    }

    void aCommaIsRefusedBeforeAnything_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("message");
        QTest::newRow("comma") << "SRV1" << "Ven,tas" << "no pueden contener comas (,)";
        QTest::newRow("line break") << "SRV1" << "Ven\ntas" << "no pueden contener saltos de línea";
        QTest::newRow("line break in the server") << "SRV1\r\nSRV2" << "Ventas" << "no pueden contener saltos de línea";
    }
    void aCommaIsRefusedBeforeAnything()
    {
        QFETCH(QString, server);
        QFETCH(QString, db);
        QFETCH(QString, message);
        TempProgramFolder folder;
        ServerLogins logins([](const ado::ConnectionSpec&) { return true; });
        ScriptedOperator op;
        op.expectMsgBox(message, ui::vbOK, "Atencion");
        frmAcceso f;
        typeInto(f, server, db, "pepe", "clave");
        f.CmdRegistrar_Click();
        QVERIFY(!QFile::exists(folder.filePath("BASES.TXT")));
        QCOMPARE(logins.logins.attempts, 0);
    }

    void registrationToolStartsWithTheNewDatabase()
    {
        TempProgramFolder folder;
        const QString out = folder.filePath("tool.out");
        const QString tool = folder.write("odbc.EXE", ("#!/bin/sh\nprintf '%s|' \"$@\" > '" + out + "'\n").toUtf8());
        QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
        ServerLogins logins([](const ado::ConnectionSpec&) { return true; });
        ScriptedOperator op;
        gDBPrincipal->gDBName = QStringLiteral("Previa");
        frmAcceso f;
        typeInto(f, "SRV1:1500", "Ventas", "pepe", "$(touch hecho)");
        f.CmdRegistrar_Click();
        QTRY_COMPARE(folder.read("tool.out"), QByteArray("Server=SRV1:1500;DB=Ventas;|"));
        QVERIFY(!QFile::exists(folder.filePath("hecho")));
    }

    void registeringTheEmbeddedDatabase()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("demo.sqlite"), QByteArray());
        ScriptedOperator op;
        frmAcceso f;
        typeInto(f, "SQLITE", "demo.sqlite", "Vandrel", "");
        f.CmdRegistrar_Click();
        QCOMPARE(folder.read("BASES.TXT"), record("DEMO.SQLITE / SQLITE", "demo.sqlite", "SQLITE"));
        QCOMPARE(listed(f), QStringList{"DEMO.SQLITE / SQLITE"});
        QCOMPARE(gDBPrincipal->gCnn->State(), int(ado::adStateClosed));
    }

    void existeBaseDeDatosLeavesTheConnectionClosed()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("test.db"), QByteArray());
        frmAcceso f;
        DB_Dll& db = *gDBPrincipal;
        db.gServidor = QStringLiteral("SQLITE");
        db.gDBName = QStringLiteral("test.db");
        db.OpenServerADODB(false, 3, QString(), false, false);
        QVERIFY(db.gOpenFlag);
        QVERIFY(f.ExisteBaseDeDatos("SQLITE", "TEST.DB", "x", "y"));
        QCOMPARE(db.gCnn->State(), int(ado::adStateClosed));
        QVERIFY(!f.ExisteBaseDeDatos("SQLITE", "falta.db", "x", "y"));
        QCOMPARE(db.gCnn->State(), int(ado::adStateClosed));
        QVERIFY(db.gOpenFlag);   // not its business
    }

    void desktopLauncher()
    {
        TempProgramFolder folder;
        TempProgramFolder home;
        // The desktop folder follows HOME while this test runs.
        struct HomeVariables {
            QByteArray home = qgetenv("HOME");
            QByteArray config = qgetenv("XDG_CONFIG_HOME");
            bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
            ~HomeVariables()
            {
                qputenv("HOME", home);
                if (hadConfig) qputenv("XDG_CONFIG_HOME", config); else qunsetenv("XDG_CONFIG_HOME");
            }
        } restore;
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        vb::App::SetPath(folder.path());
        vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
        folder.write("Vandrel.png", "png");
        home.write("Desktop/RecepcionMutuales.desktop", "viejo");
        ScriptedOperator op;
        frmAcceso f;
        f.CmdLineaComando_Click();
        const QString launcher = home.read("Desktop/RecepcionMutuales.desktop");
        QVERIFY(launcher.startsWith("[Desktop Entry]\nType=Application\nName=RecepcionMutuales\nExec="));
        QVERIFY(launcher.contains("\nExec=" + QCoreApplication::applicationFilePath() + "\n"));
        QVERIFY(launcher.contains("\nIcon=" + folder.filePath("Vandrel.png") + "\n"));
        QVERIFY(QFileInfo(home.filePath("Desktop/RecepcionMutuales.desktop")).isExecutable());

        // A desktop that cannot be written: told, and the dialog stays.
        QFile::remove(home.filePath("Desktop/RecepcionMutuales.desktop"));
        QDir(home.path()).rmdir("Desktop");
        home.write("Desktop", "a file where the folder should be");
        op.expectMsgBox("No se pudo crear el acceso directo", ui::vbOK);
        f.CmdLineaComando_Click();
    }

    void runningACommand()
    {
        frmAcceso f;
        QString err;
        QVERIFY(f.EjecutarCmdRegDB("true", err));
        QCOMPARE(err, QString());
        QVERIFY(!f.EjecutarCmdRegDB("/no/such/program --x", err));
        QCOMPARE(err, QStringLiteral("Error al ejecutar el comando"));
    }
};

TESTSUPPORT_MAIN(TestFrmAcceso)
#include "tst_frmacceso.moc"
