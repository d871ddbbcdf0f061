// The frame's error dialog: its log in the temporary folder and its title.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testsupport::ScriptedOperator;

namespace {

// Sets the "tmp" variable for one test.
class TmpVariable {
public:
    explicit TmpVariable(const QByteArray& value) : had_(qEnvironmentVariableIsSet("tmp")), old_(qgetenv("tmp"))
    {
        qputenv("tmp", value);
    }
    ~TmpVariable()
    {
        if (had_) qputenv("tmp", old_); else qunsetenv("tmp");
    }

private:
    bool had_;
    QByteArray old_;
};

QStringList logLines(const QString& folder)
{
    QStringList lines;
    vb::ReadLines(QDir(folder).filePath(QStringLiteral("QKERR.LOG")), lines);
    return lines;
}

} // namespace

class TstFrameErrors : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void logInTheTmpFolderWithoutItsBlanks()
    {
        QTemporaryDir tmp;
        TmpVariable var(tmp.path().toLocal8Bit() + "   ");
        testsupport::FixedClock clock(2026, 3, 15, 10, 5, 9);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (13) Tipos no coinciden"), ui::vbIgnore,
                        QStringLiteral("Fuente - Cfg Aviso al operador!!! - 2 "), 18);
        QCOMPARE(ManejaError(vb::VbError(13, QStringLiteral("Tipos no coinciden"), QStringLiteral("Fuente")), std::nullopt,
                             QStringLiteral("Cfg")),
                 qint16(ui::vbIgnore));
        const QStringList lines = logLines(tmp.path());
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("03-15-2026 10:05:09 Rutina: - Cfg Mensaje Ha ocurrido")));
        QVERIFY(lines[0].endsWith(QStringLiteral("Respondió : Ignorar")));
    }

    void alternativeFolderWithoutTmp()
    {
        QTemporaryDir alt;
        TmpVariable var("  ");
        InfoEquipo.set(std::make_unique<frametest::FixedWorkstation>(alt.path()));
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbAbort);
        ManejaError(vb::VbError(91), std::nullopt, QStringLiteral("GActualizarDatoScript"));
        QCOMPARE(logLines(alt.path()).size(), 1);
    }

    void errorZeroShowsNothingButCreatesTheLog()
    {
        QTemporaryDir tmp;
        TmpVariable var(tmp.path().toLocal8Bit());
        ScriptedOperator op;
        QCOMPARE(ManejaError(vb::VbError(0)), qint16(0));
        const QString log = QDir(tmp.path()).filePath(QStringLiteral("QKERR.LOG"));
        QVERIFY(QFileInfo::exists(log));
        QCOMPARE(QFileInfo(log).size(), qint64(0));
        ManejaError(vb::VbError(0));
        QCOMPARE(QFileInfo(log).size(), qint64(0));
    }

    void sameBoxAsTheDataLayerButForTheTitle()
    {
        QTemporaryDir tmp;
        TmpVariable var(tmp.path().toLocal8Bit());
        testsupport::TempProgramFolder folder;
        const vb::VbError e(3021, QStringLiteral("No hay registro actual"), QStringLiteral("ADODB.Recordset"));
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbRetry).expectMsgBox(QString(), ui::vbRetry);
        gDBPrincipal->TratamientoErrores(e, std::nullopt, QStringLiteral("Cfg"));
        ManejaError(e, std::nullopt, QStringLiteral("Cfg"));
        QCOMPARE(op.shown().size(), 2);
        QCOMPARE(op.shown()[0].text, op.shown()[1].text);
        QCOMPARE(op.shown()[0].style, op.shown()[1].style);
        QCOMPARE(op.shown()[0].title, QStringLiteral("ADODB.Recordset - Cfg Aviso al operador!!! - 5 "));
        QCOMPARE(op.shown()[1].title, QStringLiteral("ADODB.Recordset - Cfg Aviso al operador!!! - 2 "));
    }
};

TESTSUPPORT_MAIN(TstFrameErrors)
#include "tst_frame_errors.moc"
