// The progress notice: its lines, its cancel state, a fresh window after closing, and
// user input to the program's other windows dropped while its loop runs.
#include "widgets/Dll_Display.h"
#include "widgets/Lbf_CtrlDisplay.h"
#include "platform/ui/Metrics.h"
#include "tests/support/TestMain.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

Q_DECLARE_METATYPE(std::optional<vb::Variant>)

class tst_Dll_Display : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void lines_data();
    void lines();
    void cancelSeenAtNextCall();
    void hiddenCancelButtonNeverCancels();
    void freshNoticeAfterCartelCerrar();
    void inicioOnOpenNoticeKeepsIt();
    void withoutCartelInicio();
    void window();
    void animation();
    void siempreVisible();
    void programWideNotice();

    void inputToOtherWindowsDropped();
    void inputFlowsAgainWhenTheProgramWaits();
};

namespace {

using Line = std::optional<vb::Variant>;

QStringList texts(Lbf_CtrlDisplay* notice)
{
    return {notice->LblCtrol[0]->text(), notice->LblCtrol[1]->text(), notice->LblCtrol[2]->text()};
}

QPoint centreIn(QWidget* child, QWidget* window) { return child->mapTo(window, child->rect().center()); }

// A click as the window system delivers it: to the window, which routes it to the child
// under the pointer.
void clickWindowAt(QWidget* window, const QPoint& pos)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, pos);
}

// Another window of the program: a text box, a button and an F3 shortcut.
struct OtherForm {
    QWidget form;
    QLineEdit* edit = new QLineEdit(&form);
    QPushButton* button = new QPushButton(QStringLiteral("Grabar"), &form);
    QShortcut* f3 = new QShortcut(QKeySequence(Qt::Key_F3), &form);
    OtherForm()
    {
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(edit);
        layout->addWidget(button);
        form.resize(300, 120);
        form.show();
        form.activateWindow();
        edit->setFocus();
    }
};

// Runs an event loop that waits for events, as a message box or the main loop does.
void waitIdleOnce()
{
    QEventLoop loop;
    QTimer::singleShot(1, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

void tst_Dll_Display::initTestCase()
{
    ui::SetTwipsPerPixel(15);
}

void tst_Dll_Display::cleanup()
{
    gDisplay.reset();
}

void tst_Dll_Display::lines_data()
{
    QTest::addColumn<Line>("first1");
    QTest::addColumn<Line>("first2");
    QTest::addColumn<Line>("first3");
    QTest::addColumn<Line>("then1");
    QTest::addColumn<Line>("then2");
    QTest::addColumn<Line>("then3");
    QTest::addColumn<QStringList>("shown");

    const Line none;
    QTest::newRow("only line 1 given") << Line("Cargando Datos") << Line("Espere por favor") << Line("1.1.01")
                                       << Line("Grabando Stock...") << none << none
                                       << QStringList{"Grabando Stock...", "Espere por favor", "1.1.01"};
    QTest::newRow("only line 3 given") << Line("a") << Line("b") << Line("c") << none << none << Line("z")
                                       << QStringList{"a", "b", "z"};
    QTest::newRow("Null gives an empty line") << Line("a") << Line("b") << Line("c")
                                              << none << Line(vb::Variant::Null()) << none
                                              << QStringList{"a", "", "c"};
    QTest::newRow("empty text replaces") << Line("a") << Line("b") << Line("c") << Line("") << none << none
                                         << QStringList{"", "b", "c"};
    QTest::newRow("numbers as text") << none << none << none << Line(3) << Line(vb::Variant(qint16(7)))
                                     << Line("3 de 7") << QStringList{"3", "7", "3 de 7"};
    QTest::newRow("no line given") << Line("a") << Line("b") << Line("c") << none << none << none
                                   << QStringList{"a", "b", "c"};
    QTest::newRow("markup shows as typed") << Line("<b>x</b>") << none << none << none << none << none
                                           << QStringList{"<b>x</b>", "", ""};
}

void tst_Dll_Display::lines()
{
    QFETCH(Line, first1);
    QFETCH(Line, first2);
    QFETCH(Line, first3);
    QFETCH(Line, then1);
    QFETCH(Line, then2);
    QFETCH(Line, then3);
    QFETCH(QStringList, shown);

    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    bool cancelled = true;
    display.CartelMostrar(cancelled, first1, first2, first3);
    display.CartelMostrar(cancelled, then1, then2, then3);
    QCOMPARE(texts(display.Window()), shown);
    QCOMPARE(display.Window()->LblCtrol[0]->textFormat(), Qt::PlainText);
    QVERIFY(!cancelled);
}

void tst_Dll_Display::cancelSeenAtNextCall()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Procesando"), true);
    Lbf_CtrlDisplay* notice = display.Window();
    QVERIFY(notice->CmdDisplayCancelar->isVisible());
    QCOMPARE(notice->CmdDisplayCancelar->text(), QStringLiteral("&Cancelar"));

    bool cancelled = true;
    display.CartelMostrar(cancelled, "uno");
    QVERIFY(!cancelled);

    // A click waiting in the queue arrives while CartelMostrar lets events run: this call
    // still reports what it read before, the next one sees it.
    const QPoint pos = notice->CmdDisplayCancelar->rect().center();
    QCoreApplication::postEvent(notice->CmdDisplayCancelar,
                                new QMouseEvent(QEvent::MouseButtonPress, pos, notice->CmdDisplayCancelar->mapToGlobal(pos),
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(notice->CmdDisplayCancelar,
                                new QMouseEvent(QEvent::MouseButtonRelease, pos, notice->CmdDisplayCancelar->mapToGlobal(pos),
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    display.CartelMostrar(cancelled, "dos");
    QVERIFY(!cancelled);
    QCOMPARE(notice->CmdDisplayCancelar->text(), QStringLiteral("Abortado"));
    display.CartelMostrar(cancelled, "tres");
    QVERIFY(cancelled);

    // Further clicks change nothing; every later call reports the cancel.
    clickWindowAt(notice, centreIn(notice->CmdDisplayCancelar, notice));
    QCOMPARE(notice->CmdDisplayCancelar->text(), QStringLiteral("Abortado"));
    for (int i = 0; i < 3; ++i) {
        cancelled = false;
        display.CartelMostrar(cancelled);
        QVERIFY(cancelled);
    }
}

void tst_Dll_Display::hiddenCancelButtonNeverCancels()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    Lbf_CtrlDisplay* notice = display.Window();
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->CmdDisplayCancelar->isVisible());

    bool cancelled = true;
    for (int i = 0; i < 3; ++i) {
        // Where the button would be, and its mnemonic.
        clickWindowAt(notice, centreIn(notice->CmdDisplayCancelar, notice));
        QTest::keyClick(notice, Qt::Key_C, Qt::AltModifier);
        display.CartelMostrar(cancelled, "Cargando Datos", "Espere por favor", i);
        QVERIFY(!cancelled);
    }
    QCOMPARE(notice->CmdDisplayCancelar->text(), QStringLiteral("&Cancelar"));
}

void tst_Dll_Display::freshNoticeAfterCartelCerrar()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Uno"), true);
    QPointer<Lbf_CtrlDisplay> first = display.Window();
    bool cancelled = false;
    display.CartelMostrar(cancelled, "linea");
    clickWindowAt(first, centreIn(first->CmdDisplayCancelar, first));
    display.CartelMostrar(cancelled);
    QVERIFY(cancelled);

    display.CartelCerrar();
    QVERIFY(first.isNull());
    QVERIFY(!display.Window());

    display.CartelInicio(QStringLiteral("Dos"), true);
    Lbf_CtrlDisplay* second = display.Window();
    QVERIFY(second);
    QCOMPARE(second->CmdDisplayCancelar->text(), QStringLiteral("&Cancelar"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Dos"));
    QCOMPARE(texts(second), (QStringList{"", "", ""}));
    display.CartelMostrar(cancelled);
    QVERIFY(!cancelled);

    // Closing twice, or with nothing open, is harmless.
    display.CartelCerrar();
    display.CartelCerrar();
    QVERIFY(!display.Window());
}

void tst_Dll_Display::inicioOnOpenNoticeKeepsIt()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Uno"), true);
    Lbf_CtrlDisplay* notice = display.Window();
    bool cancelled = false;
    display.CartelMostrar(cancelled, "a", "b", "c");
    clickWindowAt(notice, centreIn(notice->CmdDisplayCancelar, notice));

    display.CartelInicio(QStringLiteral("Grabando Stock...."), false);

    QCOMPARE(display.Window(), notice);
    QCOMPARE(notice->windowTitle(), QStringLiteral("Grabando Stock...."));
    QVERIFY(!notice->CmdDisplayCancelar->isVisible());
    QCOMPARE(texts(notice), (QStringList{"a", "b", "c"}));
    display.CartelMostrar(cancelled);
    QVERIFY(cancelled);
}

void tst_Dll_Display::withoutCartelInicio()
{
    // CartelMostrar writes into a window that is never shown, and holds no input back.
    OtherForm other;
    Dll_Display display;
    bool cancelled = true;
    display.CartelMostrar(cancelled, "x", "y");
    QVERIFY(display.Window());
    QVERIFY(!display.Window()->isVisible());
    QCOMPARE(texts(display.Window()), (QStringList{"x", "y", ""}));
    QVERIFY(!cancelled);
    QTest::keyClicks(other.edit, "ok");
    QCOMPARE(other.edit->text(), QStringLiteral("ok"));
    display.CartelCerrar();
    QVERIFY(!display.Window());
}

void tst_Dll_Display::window()
{
    OtherForm other;
    QVERIFY(QTest::qWaitForWindowActive(&other.form));
    Dll_Display display;
    bool cancelled = false;
    display.CartelMostrar(cancelled);
    Lbf_CtrlDisplay* notice = display.Window();
    QCOMPARE(notice->windowTitle(), QStringLiteral("Procesando Datos"));

    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    QCOMPARE(notice->windowTitle(), QStringLiteral("Cargando Datos"));
    QVERIFY(notice->isWindow());
    QVERIFY(notice->windowFlags().testFlag(Qt::FramelessWindowHint));
    // Above the form it reports on, not above every window of the desktop.
    QVERIFY(!notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(notice->windowHandle()->transientParent(), other.form.windowHandle());
    QCOMPARE(qRound(notice->windowOpacity() * 255), 200);
    QCOMPARE(notice->size(), QSize(523, 198));
    QCOMPARE(notice->palette().color(QPalette::Window), QColor(Qt::white));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(notice->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(notice->frameGeometry().center().y() - screen.center().y()) <= 1);
    for (QLabel* line : notice->LblCtrol) {
        QCOMPARE(line->width(), 521);
        QVERIFY(line->font().bold());
        QVERIFY(line->alignment().testFlag(Qt::AlignHCenter));
    }
    QCOMPARE(notice->Image1->pos(), QPoint(232, 88));
    QCOMPARE(notice->CmdDisplayCancelar->geometry(), QRect(208, 160, 113, 25));
}

void tst_Dll_Display::animation()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    Lbf_CtrlDisplay* notice = display.Window();
    QCOMPARE(notice->ImageList1.size(), 12);
    for (const QPixmap& frame : notice->ImageList1)
        QCOMPARE(frame.size(), QSize(32, 32));
    QCOMPARE(notice->Timer1->interval(), 100);
    QVERIFY(notice->Timer1->isActive());
    QCOMPARE(notice->CurrentFrame(), 1);

    // The first tick shows frame 1 again; the 13th shows frame 1 once more.
    QList<int> shown;
    for (int tick = 1; tick <= 14; ++tick) {
        notice->Timer1_Timer();
        shown << notice->CurrentFrame();
        QCOMPARE(notice->Image1->pixmap().cacheKey(), notice->ImageList1.at(notice->CurrentFrame() - 1).cacheKey());
    }
    QCOMPARE(shown, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}));
}

void tst_Dll_Display::siempreVisible()
{
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    display.SetSiempre_Visible(true);
    QVERIFY(display.Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(display.Window()->isVisible());
    display.SetSiempre_Visible(false);
    QVERIFY(!display.Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(display.Window()->isVisible());
}

void tst_Dll_Display::programWideNotice()
{
    QVERIFY(!gDisplay.exists());
    gDisplay->CartelInicio(QStringLiteral("Cargando Datos"), false);
    QPointer<Lbf_CtrlDisplay> notice = gDisplay->Window();
    QVERIFY(notice && notice->isVisible());
    // Released at shutdown with whatever window it holds.
    gDisplay.reset();
    QVERIFY(notice.isNull());
}

void tst_Dll_Display::inputToOtherWindowsDropped()
{
    OtherForm other;
    QSignalSpy pressed(other.button, &QPushButton::clicked);
    QSignalSpy shortcut(other.f3, &QShortcut::activated);
    QVERIFY(QTest::qWaitForWindowActive(&other.form));
    QTest::keyClicks(other.edit, "ab");
    QTest::keyClick(other.edit, Qt::Key_F3);
    QCOMPARE(other.edit->text(), QStringLiteral("ab"));
    QCOMPARE(shortcut.count(), 1);

    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), true);
    Lbf_CtrlDisplay* notice = display.Window();
    // The form keeps the keyboard, as the window manager leaves it: a key reaches it
    // unless the notice holds it back.
    other.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other.form));
    bool cancelled = false;
    display.CartelMostrar(cancelled, "Cargando Datos", "Espere por favor");
    QCOMPARE(QApplication::activeWindow(), &other.form);

    QTest::keyClicks(other.edit, "cd");
    QTest::keyClick(other.edit, Qt::Key_F3);
    QTest::mouseClick(other.button, Qt::LeftButton);
    clickWindowAt(&other.form, centreIn(other.button, &other.form));
    // Events that are not input still run inside the loop.
    bool timerRan = false;
    QTimer::singleShot(0, &other.form, [&] { timerRan = true; });
    display.CartelMostrar(cancelled);
    QVERIFY(timerRan);

    QCOMPARE(other.edit->text(), QStringLiteral("ab"));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(shortcut.count(), 1);
    QVERIFY(other.form.isVisible());

    // The notice's own button still answers.
    clickWindowAt(notice, centreIn(notice->CmdDisplayCancelar, notice));
    display.CartelMostrar(cancelled);
    QVERIFY(cancelled);

    display.CartelCerrar();
    other.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other.form));
    QTest::keyClicks(other.edit, "ef");
    QTest::mouseClick(other.button, Qt::LeftButton);
    QTest::keyClick(other.edit, Qt::Key_F3);
    QCOMPARE(other.edit->text(), QStringLiteral("abef"));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(shortcut.count(), 2);
}

void tst_Dll_Display::inputFlowsAgainWhenTheProgramWaits()
{
    // A message box asked inside the loop, or a loop that ended without closing the
    // notice, waits for events: the operator must be able to answer it.
    OtherForm other;
    Dll_Display display;
    display.CartelInicio(QStringLiteral("Cargando Datos"), false);
    bool cancelled = false;
    display.CartelMostrar(cancelled, "uno");
    QTest::keyClicks(other.edit, "x");
    QCOMPARE(other.edit->text(), QString());

    waitIdleOnce();
    QVERIFY(display.Window()->isVisible());
    QTest::keyClicks(other.edit, "y");
    QCOMPARE(other.edit->text(), QStringLiteral("y"));

    // The loop goes on: input is held back again.
    display.CartelMostrar(cancelled, "dos");
    QTest::keyClicks(other.edit, "z");
    QCOMPARE(other.edit->text(), QStringLiteral("y"));
}

TESTSUPPORT_MAIN(tst_Dll_Display)
#include "tst_Dll_Display.moc"
