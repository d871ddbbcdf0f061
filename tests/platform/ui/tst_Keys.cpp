// VB key codes and shift bits from Qt keys, the way form event procedures receive them.
#include "platform/ui/Keys.h"
#include "tests/support/TestMain.h"

#include <QKeyEvent>

using namespace ui;

class tst_Keys : public QObject {
    Q_OBJECT
private slots:
    void keyCodes_data();
    void keyCodes();
    void fromKeyEvent_data();
    void fromKeyEvent();
    void shiftBits_data();
    void shiftBits();
};

void tst_Keys::keyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("vbCode");
    QTest::addColumn<bool>("roundTrip");   // QtKey(vbCode) gives qtKey back

    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false << 8 << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << false << 9 << true;
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << false << 9 << false;
    QTest::newRow("Return") << int(Qt::Key_Return) << false << 13 << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 13 << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << 27 << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << false << 32 << true;
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << false << 33 << true;
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << false << 34 << true;
    QTest::newRow("End") << int(Qt::Key_End) << false << 35 << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << false << 36 << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << false << 37 << true;
    QTest::newRow("Up") << int(Qt::Key_Up) << false << 38 << true;
    QTest::newRow("Right") << int(Qt::Key_Right) << false << 39 << true;
    QTest::newRow("Down") << int(Qt::Key_Down) << false << 40 << true;
    QTest::newRow("keypad Down (NumLock off)") << int(Qt::Key_Down) << true << 40 << true;
    QTest::newRow("Insert") << int(Qt::Key_Insert) << false << 45 << true;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << false << 46 << true;
    QTest::newRow("0") << int(Qt::Key_0) << false << 48 << true;
    QTest::newRow("9") << int(Qt::Key_9) << false << 57 << true;
    QTest::newRow("A") << int(Qt::Key_A) << false << 65 << true;
    QTest::newRow("Z") << int(Qt::Key_Z) << false << 90 << true;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << true << 96 << true;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << true << 105 << true;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << 106 << true;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << true << 107 << true;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << true << 109 << true;
    QTest::newRow("keypad .") << int(Qt::Key_Period) << true << 110 << true;
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << true << 111 << true;
    QTest::newRow("main -") << int(Qt::Key_Minus) << false << 189 << true;
    QTest::newRow("F1") << int(Qt::Key_F1) << false << 112 << true;
    QTest::newRow("F2") << int(Qt::Key_F2) << false << 113 << true;
    QTest::newRow("F5") << int(Qt::Key_F5) << false << 116 << true;
    QTest::newRow("F12") << int(Qt::Key_F12) << false << 123 << true;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false << 16 << true;
    QTest::newRow("Control") << int(Qt::Key_Control) << false << 17 << true;
    QTest::newRow("Alt") << int(Qt::Key_Alt) << false << 18 << true;
    QTest::newRow("F13: none") << int(Qt::Key_F13) << false << 0 << false;
}

void tst_Keys::keyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, vbCode);
    QFETCH(bool, roundTrip);

    QCOMPARE(VbKeyCode(qtKey, keypad), vbCode);
    if (roundTrip)
        QCOMPARE(QtKey(vbCode), qtKey);
}

void tst_Keys::fromKeyEvent_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("vbCode");
    QTest::addColumn<int>("vbShift");

    QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << 113 << 0;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 9 << 1;
    QTest::newRow("Ctrl+Delete") << int(Qt::Key_Delete) << int(Qt::ControlModifier) << 46 << 2;
    QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier) << 115 << 4;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << int(Qt::KeypadModifier) << 101 << 0;
    QTest::newRow("Shift+keypad 5") << int(Qt::Key_5) << int(Qt::KeypadModifier | Qt::ShiftModifier) << 101 << 1;
    QTest::newRow("Ctrl+Shift+a") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << 65 << 3;
}

void tst_Keys::fromKeyEvent()
{
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(int, vbCode);
    QFETCH(int, vbShift);

    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(VbKeyCode(event), vbCode);
    QCOMPARE(VbShift(event.modifiers()), vbShift);
}

void tst_Keys::shiftBits_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("vbShift");
    QTest::newRow("none") << int(Qt::NoModifier) << 0;
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl") << int(Qt::ControlModifier) << 2;
    QTest::newRow("Alt") << int(Qt::AltModifier) << 4;
    QTest::newRow("all") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
}

void tst_Keys::shiftBits()
{
    QFETCH(int, modifiers);
    QFETCH(int, vbShift);
    QCOMPARE(VbShift(Qt::KeyboardModifiers(modifiers)), vbShift);
    QCOMPARE(int(QtModifiers(vbShift)), modifiers);
}

TESTSUPPORT_MAIN(tst_Keys)
#include "tst_Keys.moc"
