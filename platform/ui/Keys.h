#pragma once
// VB key codes and shift bits, converted from Qt key events once, here.
#include <Qt>

class QKeyEvent;

namespace ui {

enum KeyCode : int {
    vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17,
    vbKeyMenu = 18, vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33, vbKeyPageDown = 34,
    vbKeyEnd = 35, vbKeyHome = 36, vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39,
    vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46,
    vbKey0 = 48, vbKey9 = 57, vbKeyA = 65, vbKeyZ = 90,
    vbKeyNumpad0 = 96, vbKeyNumpad9 = 105, vbKeyMultiply = 106, vbKeyAdd = 107,
    vbKeySubtract = 109, vbKeyDecimal = 110, vbKeyDivide = 111,
    vbKeyF1 = 112, vbKeyF2 = 113, vbKeyF3 = 114, vbKeyF4 = 115, vbKeyF5 = 116,
    vbKeyF6 = 117, vbKeyF7 = 118, vbKeyF8 = 119, vbKeyF9 = 120, vbKeyF10 = 121,
    vbKeyF11 = 122, vbKeyF12 = 123,
};

enum ShiftBits : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// The VB key code of a Qt key (0 when VB has none for it). Keypad digits give the
// numpad codes when `keypad` is set.
int VbKeyCode(int qtKey, bool keypad = false);
int VbKeyCode(const QKeyEvent& event);
// The Qt key of a VB key code (Qt::Key_unknown when none).
int QtKey(int vbKeyCode);
int VbShift(Qt::KeyboardModifiers modifiers);
// The character VB's KeyPress receives for a key (Windows-1252 code), 0 when it raises none.
int VbKeyAscii(const QKeyEvent& event);
// Whether a focus change is one VB reports: another window taking the focus for a while
// (a message box, a popup) is none.
bool IsVbFocusChange(Qt::FocusReason reason);
Qt::KeyboardModifiers QtModifiers(int vbShift);

} // namespace ui
