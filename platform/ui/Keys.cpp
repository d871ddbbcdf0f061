// VB key codes (Windows virtual-key codes) from Qt keys and back.
#include "platform/ui/Keys.h"
#include "platform/vb/Strings.h"

#include <QKeyEvent>

namespace ui {

namespace {

struct KeyPair {
    int qt;
    int vb;
};

// Keys whose code does not follow from a range below. Windows gives the same code
// for the main and the keypad Enter, and the keypad's navigation keys (NumLock off)
// as the main ones.
constexpr KeyPair namedKeys[] = {
    {Qt::Key_Backspace, vbKeyBack}, {Qt::Key_Tab, vbKeyTab}, {Qt::Key_Backtab, vbKeyTab},
    {Qt::Key_Clear, 12}, {Qt::Key_Return, vbKeyReturn}, {Qt::Key_Enter, vbKeyReturn},
    {Qt::Key_Shift, vbKeyShift}, {Qt::Key_Control, vbKeyControl}, {Qt::Key_Alt, vbKeyMenu},
    {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, vbKeyEscape},
    {Qt::Key_Space, vbKeySpace}, {Qt::Key_PageUp, vbKeyPageUp}, {Qt::Key_PageDown, vbKeyPageDown},
    {Qt::Key_End, vbKeyEnd}, {Qt::Key_Home, vbKeyHome}, {Qt::Key_Left, vbKeyLeft},
    {Qt::Key_Up, vbKeyUp}, {Qt::Key_Right, vbKeyRight}, {Qt::Key_Down, vbKeyDown},
    {Qt::Key_Print, 44}, {Qt::Key_Insert, vbKeyInsert}, {Qt::Key_Delete, vbKeyDelete},
    {Qt::Key_Help, 47}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    // Punctuation of the main keyboard (VK_OEM_*), as a Spanish layout reports it.
    {Qt::Key_Plus, 187}, {Qt::Key_Comma, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Ntilde, 192},
};

// Keypad operators (only when the key comes from the keypad).
constexpr KeyPair keypadOperators[] = {
    {Qt::Key_Asterisk, vbKeyMultiply}, {Qt::Key_Plus, vbKeyAdd}, {Qt::Key_Minus, vbKeySubtract},
    {Qt::Key_Period, vbKeyDecimal}, {Qt::Key_Comma, vbKeyDecimal}, {Qt::Key_Slash, vbKeyDivide},
};

} // namespace

int VbKeyCode(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? vbKeyNumpad0 : vbKey0) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return vbKeyA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return vbKeyF1 + (qtKey - Qt::Key_F1);
    if (keypad)
        for (const KeyPair& k : keypadOperators)
            if (k.qt == qtKey)
                return k.vb;
    for (const KeyPair& k : namedKeys)
        if (k.qt == qtKey)
            return k.vb;
    return 0;
}

int VbKeyCode(const QKeyEvent& event)
{
    return VbKeyCode(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int QtKey(int vbKeyCode)
{
    if (vbKeyCode >= vbKey0 && vbKeyCode <= vbKey9)
        return Qt::Key_0 + (vbKeyCode - vbKey0);
    if (vbKeyCode >= vbKeyNumpad0 && vbKeyCode <= vbKeyNumpad9)
        return Qt::Key_0 + (vbKeyCode - vbKeyNumpad0);
    if (vbKeyCode >= vbKeyA && vbKeyCode <= vbKeyZ)
        return Qt::Key_A + (vbKeyCode - vbKeyA);
    if (vbKeyCode >= vbKeyF1 && vbKeyCode <= vbKeyF12)
        return Qt::Key_F1 + (vbKeyCode - vbKeyF1);
    for (const KeyPair& k : keypadOperators)
        if (k.vb == vbKeyCode)
            return k.qt;
    for (const KeyPair& k : namedKeys)   // the first pair wins: Return, Tab
        if (k.vb == vbKeyCode)
            return k.qt;
    return Qt::Key_unknown;
}

int VbShift(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= vbAltMask;
    return shift;
}

Qt::KeyboardModifiers QtModifiers(int vbShift)
{
    Qt::KeyboardModifiers m;
    if (vbShift & vbShiftMask)
        m |= Qt::ShiftModifier;
    if (vbShift & vbCtrlMask)
        m |= Qt::ControlModifier;
    if (vbShift & vbAltMask)
        m |= Qt::AltModifier;
    return m;
}

int VbKeyAscii(const QKeyEvent& event)
{
    switch (VbKeyCode(event)) {
    case vbKeyReturn: return 13;
    case vbKeyEscape: return 27;
    case vbKeyBack: return 8;
    default: break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::AltModifier)
        return 0;
    if ((mods & Qt::ControlModifier) && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return 1 + (event.key() - Qt::Key_A);
    const QString text = event.text();
    // One character: a surrogate pair (an emoji) is one, and gives "?" as VB's ANSI
    // KeyPress does; the text of the event still tells which it is.
    const bool pair = text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate();
    if (text.size() != 1 && !pair)
        return 0;
    const ushort ch = text.at(0).unicode();
    if (ch < 32 || ch == 127)
        return 0;
    return vb::Asc(text);
}

bool IsVbFocusChange(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace ui
