// The program started as the suite's menu starts it, on a program folder with the
// company and the statistics databases, then closed with Esc on a display of its own:
// it ends with status 0 and its access-log row closed.
#include "tests/frame/FrameFixture.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// Starts the program, waits for its window, gives it the focus and presses Esc; prints
// the program's exit status.
const char* kClose = R"(
RECEPCION_PROGRAM_DIR="$1" timeout 60 "$2" "$3" &
pid=$!
wid=$(timeout 60 xdotool search --sync --onlyvisible --name "Recepci" | head -1)
xdotool windowfocus --sync "$wid"
xdotool key Escape
wait $pid
echo "status $?"
)";

} // namespace

class TstProgramExit : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void closedProgramExitsZero()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xvfb-run and xdotool are needed (scripts/setup installs them)");
        testsupport::TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));   // the program's own display, not offscreen
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xvfb-run"), {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(kClose),
                                             QStringLiteral("sh"), folder.path(), QStringLiteral(PROGRAM_EXE), frametest::kDemoLine});
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("status 0")), qPrintable(out + QString::fromLocal8Bit(p.readAllStandardError())));

        // the run's access-log row was written and closed
        const QList<QVariantList> rows =
            frametest::Query(QStringLiteral("demo.sqlite"), QStringLiteral("SELECT Formulario, EGRESO FROM Control_Acceso"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("RECEPCIONMUTUALES"));
        QVERIFY(!rows[0][1].isNull());
    }
};

TESTSUPPORT_MAIN(TstProgramExit)
#include "tst_program_exit.moc"
