// Twips (1440 to the inch) to screen pixels and back.
#include "platform/ui/Metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

namespace {
int pinned = 0;   // 0: follow the screen

int roundedDiv(long long num, long long den)
{
    // Round half away from zero, as VB's ScaleX/ScaleY on whole pixels.
    const long long q = (2 * std::llabs(num) + den) / (2 * den);
    return int(num < 0 ? -q : q);
}
} // namespace

int TwipsPerPixel()
{
    if (pinned > 0)
        return pinned;
    double dpi = 96.0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInch();
    if (dpi <= 0)
        dpi = 96.0;
    const int ratio = int(std::lround(1440.0 / dpi));
    return ratio > 0 ? ratio : 15;
}

void SetTwipsPerPixel(int twips)
{
    pinned = twips > 0 ? twips : 0;
}

int TwipsToPixels(int twips)
{
    return roundedDiv(twips, TwipsPerPixel());
}

int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel();
}

} // namespace ui
