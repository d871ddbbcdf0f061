#include "platform/zeltrix/AyudaEdicion.h"
#include "platform/ui/Keys.h"
#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace zeltrix {

namespace {

bool takesTabFocus(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled();
}

// The next (or previous) control of the same window that Tab would reach.
QWidget* neighbour(QWidget* from, bool forward)
{
    QWidget* window = from->window();
    QWidget* w = from;
    for (;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return nullptr;
        if (w->window() == window && w != window && takesTabFocus(w))
            return w;
    }
}

} // namespace

int AyudaEdicion::IndiceCampo(const QString& Campo, const QList<QObject*>& Controles) const
{
    const QString wanted = Campo.trimmed();
    for (int i = 0; i < Controles.size(); ++i) {
        const QObject* box = Controles.at(i);
        if (!box)
            continue;
        const QString field = box->property("DataField").toString().trimmed();
        if (QString::compare(field, wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool AyudaEdicion::EsTeclaConfirmar(int KeyCode) const
{
    switch (KeyCode) {
    case ui::vbKeyReturn:
    case ui::vbKeyEscape:
    case ui::vbKeyUp:
    case ui::vbKeyDown:
        return true;
    default:
        return false;
    }
}

void AyudaEdicion::MueveFoco(int KeyCode) const
{
    QWidget* current = QApplication::focusWidget();
    if (!current)
        return;
    bool forward;
    if (KeyCode == ui::vbKeyReturn || KeyCode == ui::vbKeyDown)
        forward = true;
    else if (KeyCode == ui::vbKeyUp)
        forward = false;
    else
        return;
    if (QWidget* target = neighbour(current, forward))
        target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// Character codes are those of the typed character; 127 (delete) is a control
// character too.
void AyudaEdicion::FiltraTecla(QWidget* Caja, int& KeyAscii) const
{
    Q_UNUSED(Caja);
    if (KeyAscii == ui::vbKeyBack)
        return;
    if ((KeyAscii >= 0 && KeyAscii < 32) || KeyAscii == 127)
        KeyAscii = 0;
}

} // namespace zeltrix
