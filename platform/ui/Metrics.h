#pragma once
// VB colours (&HBBGGRR) and twips, converted to Qt here and nowhere else.
#include <QColor>

namespace ui {

QColor FromVbColor(long bbggrr);
long ToVbColor(const QColor& color);

// 1440 twips to the inch; the ratio follows the screen's logical DPI (15 at 96 DPI).
int TwipsPerPixel();
void SetTwipsPerPixel(int twips);   // tests pin it
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

} // namespace ui
