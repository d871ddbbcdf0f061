#include "platform/ui/CajaTexto.h"

#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"

#include "platform/vb/VbError.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// QLineEdit's own largest length, which stands for no limit.
constexpr int kNoLimit = 32767;
} // namespace

CajaTexto::CajaTexto(QWidget* parent, int index) : QLineEdit(parent), m_index(index)
{
    // The right button opens the box's lookup, not an edit menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    setProperty("Index", index);
}

QString CajaTexto::DataField() const { return property("DataField").toString(); }
void CajaTexto::SetDataField(const QString& field) { setProperty("DataField", field); }
QString CajaTexto::Tag() const { return property("Tag").toString(); }
void CajaTexto::SetTag(const QString& tag) { setProperty("Tag", tag); }

int CajaTexto::MaxLength() const
{
    return maxLength() == kNoLimit ? 0 : maxLength();
}

void CajaTexto::SetMaxLength(int length)
{
    if (length < 0)
        vb::Raise(380);
    setMaxLength(length == 0 ? kNoLimit : length);
}

void CajaTexto::SetBackColor(long bbggrr)
{
    // A style sheet of the box's own: the form's skin would override a palette colour.
    m_backColor = bbggrr;
    setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(ui::FromVbColor(bbggrr).name()));
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
    int ascii = ui::VbKeyAscii(*event);
    if (ascii == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int typed = ascii;
    emit KeyPress(ascii);
    if (!isVisible() || ascii == 0) {
        event->accept();
        return;
    }
    if (ascii != typed) {
        insert(QString(QChar(ascii)));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CajaTexto::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
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
    if (!ui::IsVbFocusChange(event->reason()))
        return;
    m_focused = false;
    bool cancel = false;
    emit Validate(cancel);
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
