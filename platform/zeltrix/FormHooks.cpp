// The per-form hooks every form of the suite calls when it loads and before the
// program ends.
#include "platform/zeltrix/Utilidades.h"
#include "platform/ui/ScreenFit.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zeltrix {

// Centres a window on its screen, made to fit it, and polishes it, so that the
// program's style sheet (the skin, set application-wide by the frame) is in force before
// it shows. The second argument is accepted and has no effect.
void Utilidades::PreparaFormulario(QWidget* Formulario, bool Opcion) const
{
    Q_UNUSED(Opcion);
    if (!Formulario)
        return;
    Formulario->ensurePolished();
    if (!Formulario->isWindow())
        return;
    QScreen* screen = Formulario->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window not sized by its code gets now the size it would take when shown; none
    // is larger than the screen's free area.
    ui::FitOnScreen(*Formulario);
    const QSize size = Formulario->size();
    const QRect area = screen->availableGeometry();
    Formulario->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

// Nothing of a form is kept from one run to the next, so closing needs no work.
void Utilidades::CierraFormulario(QWidget* Formulario, const QString& Opcion) const
{
    Q_UNUSED(Formulario);
    Q_UNUSED(Opcion);
}

} // namespace zeltrix
