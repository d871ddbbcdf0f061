// The program on a display of its own of 1024x768, under the openbox window manager and
// without one: the reception form and the print preview of F4 lie, frame and all, inside
// the screen wherever they were placed, and the questions and messages it asks open over
// the form. The frame is what the window manager says of it (_NET_FRAME_EXTENTS); the
// client's rectangle is xwininfo's.
#include "tests/frame/FrameFixture.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// Starts the window manager when asked, then the program; prints the form's client
// rectangle and frame extents and gives the form the focus. What the operator does next
// follows.
const char* kStart = R"sh(
[ "$4" = 1 ] && { openbox >/dev/null 2>&1 & sleep 1; }
RECEPCION_PROGRAM_DIR="$1" timeout 150 "$2" "$3" >/dev/null 2>&1 &
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
)sh";

// F4, then the print preview measured.
const char* kPreview = R"sh(
xdotool key F4
preview=$(timeout 30 xdotool search --sync --onlyvisible --name "Recepción de comprobantes" | head -1)
sleep 2
echo "preview $(measure $preview)"
kill $pid
)sh";

// Twenty questions and messages in a row, each measured once it has settled and
// answered as the operator would: the date picker, the refused and the asked deletion
// of a loaded row, a bad amount and F3 over a typed row.
constexpr int kBoxes = 20;
const char* kBoxesAsked = R"sh(
n=0
# box KEY ANSWER TITLE: KEY opens the box titled TITLE, ANSWER closes it.
box() {
  xdotool key $1
  w=$(timeout 10 xdotool search --sync --onlyvisible --name "$3" | head -1)
  sleep 0.7
  n=$((n + 1))
  echo "# box$n: $3"
  echo "box$n $(measure $w)"
  xdotool key $2
  for i in $(seq 50); do xdotool search --onlyvisible --name "$3" >/dev/null || break; sleep 0.1; done
  sleep 0.3
}
for i in 1 2; do box F5 Escape "Seleccione la fecha"; done
xdotool key ctrl+a; xdotool type 01/12/2026; xdotool key Return; sleep 1
for i in 1 2; do
  box Delete Return "Aviso al Usuario"
  xdotool key Down; sleep 0.3
  box Delete n "Atención"
  xdotool key Up; sleep 0.3
done
xdotool key F3; sleep 1
xdotool key ctrl+a; xdotool type 02/12/2026; xdotool key Return; sleep 1
xdotool type 110303; xdotool key Return; sleep 0.3; xdotool type B2; xdotool key Return; sleep 0.3
for i in $(seq 7); do
  xdotool type abc
  box Return Return "Aviso al operador"
  box F3 n "Aviso al Operador"
done
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

// Why the program cannot be watched on a display here; empty when it can.
QString missingTools(bool windowManager)
{
    for (const char* tool : {"xvfb-run", "xdotool", "xwininfo", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("xvfb-run, xdotool, xwininfo and xprop are needed (scripts/setup installs them)");
    if (windowManager && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        return QStringLiteral("openbox is needed (scripts/setup installs it)");
    return QString();
}

// Runs the program on the demo databases of a fresh program folder, on a 1024x768
// display of its own, started and then driven by kStart and `steps`; what the steps
// printed, and what went to the error output after it.
QString runOnDisplay(const char* steps, bool windowManager)
{
    testsupport::TempProgramFolder folder;
    frametest::CreateDemoDatabases(folder);
    folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));   // the program's own display, not offscreen
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("xvfb-run"),
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"), QStringLiteral("sh"),
             QStringLiteral("-c"), QString::fromUtf8(kStart) + QString::fromUtf8(steps), QStringLiteral("sh"),
             folder.path(), QStringLiteral(PROGRAM_EXE), frametest::kDemoLine,
             windowManager ? QStringLiteral("1") : QStringLiteral("0")});
    if (!p.waitForFinished(200000))
        p.kill();
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromLocal8Bit(p.readAllStandardError());
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
        if (const QString missing = missingTools(windowManager); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        const QString out = runOnDisplay(kPreview, windowManager);
        const QRect screen(0, 0, 1024, 768);
        for (const QString& window : {QStringLiteral("form"), QStringLiteral("preview")}) {
            const QRect frame = frameOf(out, window);
            QVERIFY2(frame.isValid(), qPrintable(window + QStringLiteral(" not measured:\n") + out));
            QVERIFY2(screen.contains(frame), qPrintable(window + QStringLiteral(" past the screen:\n") + out));
        }
        // under openbox the frame was there to be counted
        if (windowManager)
            QVERIFY2(out.contains(QRegularExpression(QStringLiteral("^form .* \\d+ \\d+ [1-9]\\d* \\d+$"),
                                                     QRegularExpression::MultilineOption)),
                     qPrintable(QStringLiteral("no frame measured:\n") + out));
    }

    // Each question, message and date picker opens where Qt puts it, centred over the
    // form, and stays there once the window manager has framed it: its frame lies inside
    // the form's, never at the screen's corner over the form's title and toolbar.
    void boxesOpenOverTheForm()
    {
        if (const QString missing = missingTools(true); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        const QString out = runOnDisplay(kBoxesAsked, true);
        const QRect form = frameOf(out, QStringLiteral("form"));
        QVERIFY2(form.isValid(), qPrintable(QStringLiteral("form not measured:\n") + out));
        // centred: no further from the form's centre than a tenth of the form's size
        const QPoint slack(form.width() / 10, form.height() / 10);
        QStringList misplaced;
        for (int n = 1; n <= kBoxes; ++n) {
            const QString name = QStringLiteral("box%1").arg(n);
            const QRect box = frameOf(out, name);
            QVERIFY2(box.isValid(), qPrintable(name + QStringLiteral(" not measured:\n") + out.right(1500)));
            const QPoint offCentre = box.center() - form.center();
            if (!form.contains(box) || qAbs(offCentre.x()) > slack.x() || qAbs(offCentre.y()) > slack.y()) {
                const QRegularExpression title(QStringLiteral("^# %1: (.*)$").arg(name), QRegularExpression::MultilineOption);
                misplaced << QStringLiteral("%1 (%2) at %3,%4").arg(name, title.match(out).captured(1)).arg(box.x()).arg(box.y());
            }
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(QStringLiteral("not over the form at %1,%2 %3x%4: ")
                                                     .arg(form.x()).arg(form.y()).arg(form.width()).arg(form.height())
                                                 + misplaced.join(QStringLiteral(", "))));
    }
};

TESTSUPPORT_MAIN(TstWindowFit)
#include "tst_window_fit.moc"
