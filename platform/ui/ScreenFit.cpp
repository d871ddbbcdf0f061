#include "platform/ui/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// The frame the window manager will draw around a window not shown yet: that of another
// shown window of the program; none is known before the first window shows (and
// platforms without a window manager, VNC among them, draw none).
QMargins frameOf(const QWidget& window)
{
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->windowHandle())
            return other->windowHandle()->frameMargins();
    return QMargins();
}

QScreen* screenOf(const QWidget& window)
{
    QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// A shown window, fitted with its real frame where it stands; true when it was changed.
// Until the window system exposes it, where it stands is not yet where the window
// manager placed it: while openbox is still framing a window, Qt reads it at the
// screen's corner.
bool fitShown(QWidget& window)
{
    QWindow* handle = window.windowHandle();
    QScreen* screen = screenOf(window);
    if (!handle || !screen || !handle->isExposed())
        return false;
    const QMargins frame = handle->frameMargins();
    const QRect outer = handle->geometry().marginsAdded(frame);
    const QRect fitted = FitFrame(outer, screen->availableGeometry());
    if (fitted == outer)
        return false;
    // The client's own rectangle inside the fitted frame: window managers that place a
    // moved window by its client (openbox) and those that place it by its frame agree on it.
    window.setGeometry(fitted.marginsRemoved(frame));
    return true;
}

// Fits its window again each time it is shown, on its first exposure and on the window
// system's moves and resizes once exposed, until the operator clicks or types in it: the
// frame becomes known and the window manager places the window only then. A few
// corrections a showing at most, so that it never fights a window manager that keeps its
// own way.
class PlacementKeeper : public QObject {
public:
    static constexpr const char* kName = "PlacementKeeper";

    explicit PlacementKeeper(QWidget& window) : QObject(&window), window_(&window)
    {
        setObjectName(QLatin1String(kName));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!window_)
            return false;
        if (receiver == window_) {
            if (event->type() == QEvent::Show) {
                watchHandle();
                armed_ = true;
                corrections_ = 0;
                schedule();
            } else if (event->type() == QEvent::Hide) {
                armed_ = false;
            }
            return false;
        }
        if (receiver != handle_)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            schedule();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            armed_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watchHandle()
    {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == handle_)
            return;
        if (handle_)
            handle_->removeEventFilter(this);
        handle_ = handle;
        handle_->installEventFilter(this);
    }

    void schedule()
    {
        if (!armed_ || pending_)
            return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            if (armed_ && window_ && window_->isVisible() && corrections_ < kMostCorrections && fitShown(*window_))
                ++corrections_;
        });
    }

    static constexpr int kMostCorrections = 4;
    QPointer<QWidget> window_;
    QPointer<QWindow> handle_;
    bool armed_ = false;
    bool pending_ = false;
    int corrections_ = 0;
};

} // namespace

QRect FitFrame(const QRect& frame, const QRect& area)
{
    QRect outer(frame.topLeft(), frame.size().boundedTo(area.size()));
    if (outer.right() > area.right())
        outer.moveRight(area.right());
    if (outer.bottom() > area.bottom())
        outer.moveBottom(area.bottom());
    if (outer.left() < area.left())
        outer.moveLeft(area.left());
    if (outer.top() < area.top())
        outer.moveTop(area.top());
    return outer;
}

void FitOnScreen(QWidget& window)
{
    QScreen* screen = screenOf(window);
    if (!screen)
        return;
    if (!window.findChild<QObject*>(QLatin1String(PlacementKeeper::kName), Qt::FindDirectChildrenOnly))
        new PlacementKeeper(window);
    if (window.isVisible()) {
        fitShown(window);
        return;
    }
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QMargins frame = frameOf(window);
    const QRect area = screen->availableGeometry();
    // A window's position is that of its frame; one the program has not placed yet is
    // only made small enough, the window manager (or Qt) places it.
    const QRect outer(window.testAttribute(Qt::WA_Moved) ? window.pos() : area.topLeft(), window.size().grownBy(frame));
    const QRect fitted = FitFrame(outer, area);
    if (fitted.size() != outer.size())
        window.resize(fitted.size().shrunkBy(frame));
    if (window.testAttribute(Qt::WA_Moved) && fitted.topLeft() != window.pos())
        window.move(fitted.topLeft());
}

} // namespace ui
