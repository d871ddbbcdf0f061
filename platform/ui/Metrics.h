#pragma once
// VB colours (&HBBGGRR) and twips, converted to Qt here and nowhere else.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace ui {

QColor FromVbColor(long bbggrr);
long ToVbColor(const QColor& color);

// 1440 twips to the inch; the ratio follows the screen's logical DPI (15 at 96 DPI).
int TwipsPerPixel();
void SetTwipsPerPixel(int twips);   // tests pin it
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

// VB's TextWidth: the width of `text` in the widget's current font, in twips. Forms size
// grid columns with it; a width of "n X" is TextWidthX(form, n).
int TextWidth(const QWidget& widget, const QString& text);
int TextWidthX(const QWidget& widget, int n);
// The font a grid's cells write in: the grid's font, semi-condensed. Grid widths are
// counted in "X" of the form's font, as they were on MS Sans Serif 8 grids, whose digits
// and small letters are narrow beside the X (a 13-character amount fits 10 X). The sans
// faces here draw them wider beside their X; the semi-condensed face keeps MS Sans Serif's
// proportions against the form's X, so what a column was made for fits it.
QFont GridCellFont(const QFont& font);
// Pixels a grid cell keeps between its sides and its text, when the text leaves them.
inline constexpr int kGridCellMargin = 3;
// The width, in twips, that a cell of an item view (a grid, a list) needs to show `text`
// whole on one line in the view's font: the text and the style's margins around it.
int CellTextWidth(const QWidget& view, const QString& text);

} // namespace ui
