#include "platform/ui/ActiveWindow.h"

#include <QApplication>
#include <QWidget>

namespace ui {

KeepActiveWindow::KeepActiveWindow()
    : m_window(qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::activeWindow() : nullptr)
{
}

KeepActiveWindow::~KeepActiveWindow()
{
    if (!m_window || !m_window->isVisible())
        return;
    const QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return;
    m_window->activateWindow();
    QApplication::setActiveWindow(m_window);
}

} // namespace ui
