#include "platform/ui/ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// The window manager's frame around a window: the window's own once it is shown, else
// that of another shown window of the program; none is known before the first window
// shows (and platforms without a window manager, VNC among them, draw none).
QMargins frameOf(const QWidget& window)
{
    if (window.isVisible() && window.windowHandle())
        return window.windowHandle()->frameMargins();
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->windowHandle())
            return other->windowHandle()->frameMargins();
    return QMargins();
}

} // namespace

void FitOnScreen(QWidget& window)
{
    QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QMargins frame = frameOf(window);
    const QRect area = screen->availableGeometry();
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window.size().boundedTo(room);
    if (size != window.size())
        window.resize(size);
    if (!window.testAttribute(Qt::WA_Moved))
        return;
    // A window's position is that of its frame: the frame's rectangle brought inside the
    // area, the left and top edges last so that they stay in view.
    QRect outer(window.pos(), window.size().grownBy(frame));
    if (outer.right() > area.right())
        outer.moveRight(area.right());
    if (outer.bottom() > area.bottom())
        outer.moveBottom(area.bottom());
    if (outer.left() < area.left())
        outer.moveLeft(area.left());
    if (outer.top() < area.top())
        outer.moveTop(area.top());
    if (outer.topLeft() != window.pos())
        window.move(outer.topLeft());
}

} // namespace ui
