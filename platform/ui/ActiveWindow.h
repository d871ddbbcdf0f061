#pragma once
// Giving a window the activation back when a dialog or notice shown over it goes away.
#include <QPointer>

class QWidget;

namespace ui {

// Notes the active window; when it ends, if that window is still shown and no shown
// window is active (the dialog over it has gone and the window manager has not yet
// given the activation back), it activates that window again at once. Until then the
// focus moves the program makes would only be noted for later, with no focus events:
// the control left would keep the look of the focus while the keys go to another one.
class KeepActiveWindow {
public:
    KeepActiveWindow();
    ~KeepActiveWindow();
    KeepActiveWindow(const KeepActiveWindow&) = delete;
    KeepActiveWindow& operator=(const KeepActiveWindow&) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace ui
