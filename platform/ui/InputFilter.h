#pragma once
// What counts as the operator's input, and a filter that drops it for one window while
// code that lets pending events run is working on that window.
#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

namespace ui {

// Keys, mouse, wheel, touch, tablet, drag and drop, input method, a context menu, and
// the window manager's close button (a close asked by the program is not input).
bool IsUserInput(const QEvent* event);
// Whether an event's receiver is the window or a widget in it (a shortcut or action
// elsewhere in the program is not).
bool InWindow(const QObject* receiver, const QWidget* window);
// Drops an input event from a filter: a shortcut override is accepted so that it is not
// tried elsewhere. Returns true, the filter's answer.
bool DropInput(QEvent* event);

// Drops the mouse click now on its way to the window of `widget` (its press, and its
// release and double click while they come before the program waits for input again):
// the click whose focus change was refused, or sent elsewhere, does nothing more.
void DropPendingClick(QWidget* widget);

// While it lives, the operator's input to the window (and every widget in it) is
// dropped; painting, timers and whatever the program itself does go on. Other windows,
// a message box asked meanwhile among them, keep their input.
class WindowInputBlock : public QObject {
public:
    // The window of `widget`; a null widget blocks nothing.
    explicit WindowInputBlock(QWidget* widget);
    ~WindowInputBlock() override;
    WindowInputBlock(const WindowInputBlock&) = delete;
    WindowInputBlock& operator=(const WindowInputBlock&) = delete;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace ui
