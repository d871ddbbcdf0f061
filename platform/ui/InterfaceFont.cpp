#include "platform/ui/InterfaceFont.h"

#include <QApplication>
#include <QFont>

namespace ui {

namespace {
constexpr int kDesktopPointSize = 9;
} // namespace

void UseDesktopFontSize()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("vnc") && platform != QLatin1String("linuxfb") && platform != QLatin1String("eglfs"))
        return;
    QFont font = QApplication::font();
    font.setPointSize(kDesktopPointSize);
    QApplication::setFont(font);
}

} // namespace ui
