#include "platform/ui/CajaTexto.h"

#include "platform/ui/InputFilter.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"

#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <climits>

namespace {

bool printable(const QString& character)
{
    if (character.isEmpty())
        return false;
    const ushort c = character.at(0).unicode();
    return c >= 32 && c != 127;
}

} // namespace

CajaTexto::CajaTexto(QWidget* parent, int index) : QLineEdit(parent), m_index(index)
{
    // The right button opens the box's lookup, not an edit menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Text reaches the box only as the operator types or pastes it.
    setAcceptDrops(false);
    setProperty("Index", index);
}

QString CajaTexto::DataField() const { return property("DataField").toString(); }
void CajaTexto::SetDataField(const QString& field) { setProperty("DataField", field); }
QString CajaTexto::Tag() const { return property("Tag").toString(); }
void CajaTexto::SetTag(const QString& tag) { setProperty("Tag", tag); }

void CajaTexto::SetMaxLength(int length)
{
    if (length < 0)
        vb::Raise(380);
    m_maxLength = length;
}

void CajaTexto::SetBackColor(long bbggrr)
{
    // A style sheet of the box's own: the form's skin would override a palette colour.
    m_backColor = bbggrr;
    setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(ui::FromVbColor(bbggrr).name()));
}

int CajaTexto::room() const
{
    if (m_maxLength == 0)
        return INT_MAX;
    return m_maxLength - int(text().size() - selectedText().size());
}

bool CajaTexto::fits(const QString& entered) const
{
    return !isReadOnly() && int(entered.size()) <= room();
}

bool CajaTexto::enter(const QString& entered)
{
    if (!fits(entered))
        return false;
    insert(entered);
    return true;
}

QString CajaTexto::admitted(const QString& entered)
{
    QString taken;
    for (qsizetype i = 0; i < entered.size() && isVisible(); ++i) {
        const bool pair = entered.at(i).isHighSurrogate() && i + 1 < entered.size() && entered.at(i + 1).isLowSurrogate();
        const QString character = entered.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        // Line breaks and tabs are keys, not text: typed, they never land in a box.
        if (!printable(character))
            continue;
        int ascii = vb::Asc(character);
        const int typed = ascii;
        emit KeyPress(ascii);
        if (ascii == 0)
            continue;
        taken += ascii == typed ? character : vb::Chr(ascii);
    }
    return taken;
}

bool CajaTexto::editShortcut(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return true;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (!isReadOnly())
            cut();
        return true;
    }
    return false;
}

void CajaTexto::pasteAsTyped(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString clip = QApplication::clipboard()->text(mode);
    if (clip.isEmpty())
        return;
    // A paste that does not fit is refused whole, as a typed character is: a cut one
    // could be another voucher.
    const QString taken = admitted(clip);
    if (!taken.isEmpty())
        enter(taken);
}

void CajaTexto::keyPressEvent(QKeyEvent* event)
{
    int keyCode = ui::VbKeyCode(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, ui::VbShift(event->modifiers()));
        // The handler may have moved on (the cell editor hides itself on Enter): the
        // key then belongs to nobody here.
        if (!isVisible() || keyCode == 0) {
            event->accept();
            return;
        }
    }
    // Ctrl+V is a paste as Shift+Insert is (VB would see it as character 22); Ctrl+A,
    // Ctrl+C and Ctrl+X act as in any edit box of the desktop, before the box's KeyPress
    // filter, which drops control characters.
    if (event->matches(QKeySequence::Paste)) {
        pasteAsTyped(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (editShortcut(event)) {
        event->accept();
        return;
    }
    int ascii = ui::VbKeyAscii(*event);
    if (ascii == 0) {
        // Text that raises no KeyPress: several characters at once (a compose sequence)
        // are taken as typed one by one; with Alt, nothing (a Windows box takes none).
        if (printable(event->text()) && !(event->modifiers() & Qt::ControlModifier)) {
            if (!(event->modifiers() & Qt::AltModifier)) {
                const QString taken = admitted(event->text());
                if (!taken.isEmpty())
                    enter(taken);
            }
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int typed = ascii;
    emit KeyPress(ascii);
    if (!isVisible() || ascii == 0) {
        event->accept();
        return;
    }
    // The character itself, one outside Windows-1252 too, unless the handler changed it.
    const QString character = ascii == typed ? event->text() : vb::Chr(ascii);
    if (printable(character)) {
        enter(character);
        event->accept();
        return;
    }
    if (ascii != typed) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);   // backspace, and the control keys of the box
}

void CajaTexto::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // What does not fit is refused whole, as a typed character is.
    QString commit = admitted(event->commitString());
    if (!fits(commit))
        commit.clear();
    QInputMethodEvent taken(event->preeditString(), event->attributes());
    taken.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&taken);
    event->accept();
}

void CajaTexto::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_keepingFocus)
        return;
    // Coming back from a message box is no new focus; the first activation of the
    // window, which puts the focus here, is.
    if (m_focused && !ui::IsVbFocusChange(event->reason()))
        return;
    m_focused = true;
    emit GotFocus();
}

void CajaTexto::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!ui::IsVbFocusChange(event->reason()) || !m_focused || m_keepingFocus)
        return;
    m_focused = false;
    QWidget* const target = QApplication::focusWidget();
    bool cancel = false;
    emit Validate(cancel);
    if (cancel && isVisible() && isEnabled()) {
        // VB's Cancel: the focus never left, as the box counts it.
        m_focused = true;
        m_keepingFocus = true;
        setFocus(Qt::OtherFocusReason);
        m_keepingFocus = false;
    }
    // A click that was taking the focus elsewhere does nothing once the focus stays here
    // or the handler sent it to another control.
    if (event->reason() == Qt::MouseFocusReason && QApplication::focusWidget() != target)
        ui::DropPendingClick(this);
    if (!m_focused)
        emit LostFocus();
}

void CajaTexto::mousePressEvent(QMouseEvent* event)
{
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    const QPoint p = event->position().toPoint();
    emit MouseDown(button, ui::VbShift(event->modifiers()), ui::PixelsToTwips(p.x()), ui::PixelsToTwips(p.y()));
    QLineEdit::mousePressEvent(event);
}

void CajaTexto::mouseReleaseEvent(QMouseEvent* event)
{
    // X11's middle-button paste of the selection is a paste like any other.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteAsTyped(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
