#include "platform/ui/InputFilter.h"

#include <QApplication>
#include <QTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace ui {

bool IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    case QEvent::Close:
        // The window manager's close button; the program's own close() still works.
        return event->spontaneous();
    default:
        return false;
    }
}

bool InWindow(const QObject* receiver, const QWidget* window)
{
    if (!window)
        return false;
    if (const QWidget* widget = qobject_cast<const QWidget*>(receiver))
        return widget->window() == window;
    if (const QWindow* handle = qobject_cast<const QWindow*>(receiver))
        return handle == window->windowHandle();
    return false;
}

bool DropInput(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    return true;
}

namespace {

class PendingClickDrop : public QObject {
public:
    explicit PendingClickDrop(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (m_done || !InWindow(receiver, m_window))
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_pressDropped = true;
            return DropInput(event);
        case QEvent::MouseButtonRelease:
            if (!m_pressDropped)
                return false;
            m_done = true;   // one click only
            deleteLater();
            return DropInput(event);
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
    bool m_pressDropped = false;
    bool m_done = false;
};

} // namespace

void DropPendingClick(QWidget* widget)
{
    if (!widget || !qApp)
        return;
    auto* drop = new PendingClickDrop(widget->window());
    qApp->installEventFilter(drop);
    // Gone once the events being delivered now are done.
    QTimer::singleShot(0, drop, &QObject::deleteLater);
}

WindowInputBlock::WindowInputBlock(QWidget* widget)
    : m_window(widget ? widget->window() : nullptr)
{
    if (m_window && qApp)
        qApp->installEventFilter(this);
}

WindowInputBlock::~WindowInputBlock()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool WindowInputBlock::eventFilter(QObject* receiver, QEvent* event)
{
    if (!m_window || !IsUserInput(event) || !InWindow(receiver, m_window))
        return false;
    return DropInput(event);
}

} // namespace ui
