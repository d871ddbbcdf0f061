// The program on a display of its own of 1024x768, under the openbox window manager and
// without one: the reception form and the print preview of F4 lie, frame and all, inside
// the screen wherever they were placed. The frame is what the window manager says of it
// (_NET_FRAME_EXTENTS); the client's rectangle is xwininfo's.
#include "tests/frame/FrameFixture.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// Starts the window manager when asked, then the program; prints each window's client
// rectangle and frame extents, the form's first, then the preview's after F4.
const char* kMeasure = R"sh(
[ "$4" = 1 ] && { openbox >/dev/null 2>&1 & sleep 1; }
RECEPCION_PROGRAM_DIR="$1" timeout 60 "$2" "$3" >/dev/null 2>&1 &
pid=$!
measure() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%s %s %s %s %s", x, y, w, h, " "}'
  xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ','
  echo
}
form=$(timeout 30 xdotool search --sync --onlyvisible --name "Recepción de Mutuales" | head -1)
sleep 2
echo "form $(measure $form)"
xdotool windowfocus --sync "$form"
xdotool key F4
preview=$(timeout 30 xdotool search --sync --onlyvisible --name "Recepción de comprobantes" | head -1)
sleep 2
echo "preview $(measure $preview)"
kill $pid
)sh";

// "form 1 43 1022 720 1 1 20 5": the window's frame rectangle.
QRect frameOf(const QString& out, const QString& window)
{
    const QRegularExpression line(QStringLiteral("^%1 (-?\\d+) (-?\\d+) (\\d+) (\\d+) *(\\d+)? *(\\d+)? *(\\d+)? *(\\d+)?$")
                                      .arg(window),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(out);
    if (!m.hasMatch())
        return QRect();
    const auto n = [&m](int i) { return m.captured(i).toInt(); };
    const int left = n(5), right = n(6), top = n(7), bottom = n(8);
    return QRect(n(1) - left, n(2) - top, n(3) + left + right, n(4) + top + bottom);
}

} // namespace

class TstWindowFit : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void windowsLieInsideTheScreen_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::newRow("openbox") << true;
        QTest::newRow("no window manager") << false;
    }
    void windowsLieInsideTheScreen()
    {
        QFETCH(bool, windowManager);
        for (const char* tool : {"xvfb-run", "xdotool", "xwininfo", "xprop"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("xvfb-run, xdotool, xwininfo and xprop are needed (scripts/setup installs them)");
        if (windowManager && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("openbox is needed (scripts/setup installs it)");
        testsupport::TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));   // the program's own display, not offscreen
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xvfb-run"),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"), QStringLiteral("sh"),
                 QStringLiteral("-c"), QString::fromUtf8(kMeasure), QStringLiteral("sh"), folder.path(),
                 QStringLiteral(PROGRAM_EXE), frametest::kDemoLine, windowManager ? QStringLiteral("1") : QStringLiteral("0")});
        QVERIFY(p.waitForFinished(150000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QRect screen(0, 0, 1024, 768);
        for (const QString window : {QStringLiteral("form"), QStringLiteral("preview")}) {
            const QRect frame = frameOf(out, window);
            QVERIFY2(frame.isValid(), qPrintable(window + QStringLiteral(" not measured:\n") + out
                                                 + QString::fromLocal8Bit(p.readAllStandardError())));
            QVERIFY2(screen.contains(frame), qPrintable(window + QStringLiteral(" past the screen:\n") + out));
        }
        // under openbox the frame was there to be counted
        if (windowManager)
            QVERIFY2(out.contains(QRegularExpression(QStringLiteral("^form .* \\d+ \\d+ [1-9]\\d* \\d+$"),
                                                     QRegularExpression::MultilineOption)),
                     qPrintable(QStringLiteral("no frame measured:\n") + out));
    }
};

TESTSUPPORT_MAIN(TstWindowFit)
#include "tst_window_fit.moc"
