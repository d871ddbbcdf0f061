// Starting a sibling program of the suite: its command line and a start that fails.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/MenuExes.h"
#include "frame/ModGlobal.h"
#include "platform/vb/App.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QFile>
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

struct Started {
    QString program;
    QStringList arguments;
};

// Records the starts and answers with the given outcomes in turn (then success).
class RecordingStarter {
public:
    explicit RecordingStarter(QList<bool> outcomes = {}) : outcomes_(std::move(outcomes))
    {
        SetSiblingStarter([this](const QString& program, const QStringList& arguments, qint64* pid) {
            starts << Started{program, arguments};
            const bool ok = outcomes_.isEmpty() ? true : outcomes_.takeFirst();
            if (ok && pid)
                *pid = 4321;
            return ok;
        });
    }
    ~RecordingStarter() { SetSiblingStarter({}); }
    QList<Started> starts;

private:
    QList<bool> outcomes_;
};

class TmpVariable {
public:
    explicit TmpVariable(const QString& value) : old_(qgetenv("tmp")), had_(qEnvironmentVariableIsSet("tmp"))
    {
        qputenv("tmp", value.toLocal8Bit());
    }
    ~TmpVariable()
    {
        if (had_) qputenv("tmp", old_); else qunsetenv("tmp");
    }

private:
    QByteArray old_;
    bool had_;
};

void runningConnection()
{
    gDBPrincipal->gServidor = QStringLiteral("SRV1\\INST");
    gDBPrincipal->gDBName = QStringLiteral("Empresa");
    gDBPrincipal->gUsuario = QStringLiteral("sa");
    gDBPrincipal->gUserPassWord = QStringLiteral("x y$");
    gUsuarioLogeado = QStringLiteral("pepe");
    gCaja = QStringLiteral("2");
}

} // namespace

class TestFrameMenuExes : public QObject {
    Q_OBJECT
private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { vb::App::ResetAll(); }

    void commandLine_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("parametros");
        QTest::addColumn<QString>("program");       // "<folder>/" stands for the program folder
        QTest::addColumn<QString>("parametrosAfter");
        QTest::newRow("name, no extra parameter") << "ABMCuentas" << "" << "<folder>/ABMCuentas" << "";
        QTest::newRow("two words keep the second") << "ABMCuentas" << "CUENTAS 1101" << "<folder>/ABMCuentas" << "1101";
        QTest::newRow("one word unchanged") << "ABMCuentas" << "1101" << "<folder>/ABMCuentas" << "1101";
        QTest::newRow("shell: in lower case and a bare name") << "shell:ABMCuentas" << "" << "<folder>/ABMCuentas" << "";
        QTest::newRow("SHELL: and a full path") << "SHELL:/opt/suite/ABMStock" << "x" << "/opt/suite/ABMStock" << "x";
        QTest::newRow("a Windows name") << "abmcuentas.exe" << "" << "<folder>/ABMCuentas" << "";
    }
    void commandLine()
    {
        QFETCH(QString, programa);
        QFETCH(QString, parametros);
        QFETCH(QString, program);
        QFETCH(QString, parametrosAfter);
        TempProgramFolder folder;
        folder.write(QStringLiteral("ABMCuentas"), "#!/bin/sh\n");
        runningConnection();
        RecordingStarter starter;
        ScriptedOperator op;
        qint32 idTarea = -1;
        MenuExes(programa, parametros, idTarea);
        QCOMPARE(parametros, parametrosAfter);
        QCOMPARE(idTarea, 4321);
        QCOMPARE(starter.starts.size(), 1);
        QCOMPARE(starter.starts[0].program, QString(program).replace("<folder>", folder.path()));
        QCOMPARE(starter.starts[0].arguments,
                 QStringList{"; @server=SRV1\\INST; @dbname=Empresa; @usuario=sa; @Password=x y$; @ParametroAdicional=" + parametrosAfter
                             + "; zelt@ ; @UsuarioLogeado = pepe; @Caja=2;"});
    }

    void anOracleConnectionKeepsItsMark()
    {
        TempProgramFolder folder;
        runningConnection();
        gDBPrincipal->gServidor = QStringLiteral("ORA");
        gDBPrincipal->gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=Empresa;User Id=sa;Password=x;");
        RecordingStarter starter;
        ScriptedOperator op;
        QString parametros;
        qint32 idTarea = 0;
        MenuExes(QStringLiteral("SHELL:/opt/suite/ABMStock"), parametros, idTarea);
        QVERIFY(starter.starts[0].arguments[0].startsWith("; @server=#ORA; @dbname=Empresa;"));
    }

    void aStartThatFails_data()
    {
        QTest::addColumn<int>("failures");         // starts that fail before one succeeds
        QTest::addColumn<QList<int>>("answers");   // to the error box, in turn
        QTest::addColumn<int>("starts");
        QTest::addColumn<bool>("notice");          // "Opcion no Implementada!"
        QTest::addColumn<int>("idTarea");
        QTest::newRow("retry, then it starts") << 1 << QList<int>{ui::vbRetry} << 2 << false << 4321;
        QTest::newRow("retry, then ignore") << 2 << QList<int>{ui::vbRetry, ui::vbIgnore} << 2 << true << 0;
        QTest::newRow("abort") << 1 << QList<int>{ui::vbAbort} << 1 << false << 0;
    }
    void aStartThatFails()
    {
        QFETCH(int, failures);
        QFETCH(QList<int>, answers);
        QFETCH(int, starts);
        QFETCH(bool, notice);
        QFETCH(int, idTarea);
        TempProgramFolder folder;
        TmpVariable tmp(folder.path());
        runningConnection();
        RecordingStarter starter(QList<bool>(failures, false));
        ScriptedOperator op;
        for (int answer : answers)
            op.expectMsgBox("(53)", answer, QString(), 18);
        if (notice)
            op.expectMsgBox("Opcion no Implementada!\rComuniquese con su proveedor de sistemas", ui::vbOK, "Atención", ui::vbCritical);
        QString parametros;
        qint32 id = -1;
        MenuExes(QStringLiteral("NoExiste"), parametros, id);
        QCOMPARE(starter.starts.size(), starts);
        QCOMPARE(id, idTarea);
        QVERIFY(op.shown().at(0).title.contains("MenuExes"));
    }

    // A real start: the arguments reach the program as they are, no shell reads them.
    void theSiblingReceivesItsLine()
    {
        TempProgramFolder folder;
        const QString out = folder.filePath("line.out");
        const QString sibling = folder.write("Hermano", ("#!/bin/sh\nprintf '%s' \"$*\" > '" + out + "'\n").toUtf8());
        QFile::setPermissions(sibling, QFile::permissions(sibling) | QFileDevice::ExeOwner);
        runningConnection();
        gDBPrincipal->gUserPassWord = QStringLiteral("$(touch hecho);`touch hecho2`");
        ScriptedOperator op;
        QString parametros = QStringLiteral("A B");
        qint32 id = 0;
        MenuExes(QStringLiteral("Hermano"), parametros, id);
        QVERIFY(id > 0);
        QTRY_VERIFY(QFile::exists(out) && !folder.read("line.out").isEmpty());
        QCOMPARE(QString::fromUtf8(folder.read("line.out")),
                 QStringLiteral("; @server=SRV1\\INST; @dbname=Empresa; @usuario=sa; @Password=$(touch hecho);`touch hecho2`; "
                                "@ParametroAdicional=B; zelt@ ; @UsuarioLogeado = pepe; @Caja=2;"));
        QVERIFY(!QFile::exists(folder.filePath("hecho")) && !QFile::exists(folder.filePath("hecho2")));
    }
};

TESTSUPPORT_MAIN(TestFrameMenuExes)
#include "tst_frame_menuexes.moc"
