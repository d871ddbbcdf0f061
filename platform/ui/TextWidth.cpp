// Text widths in twips, as VB's TextWidth measures them in a form's font.
#include "platform/ui/Metrics.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace ui {

int TextWidth(const QWidget& widget, const QString& text)
{
    return PixelsToTwips(QFontMetrics(widget.font()).horizontalAdvance(text));
}

int TextWidthX(const QWidget& widget, int n)
{
    return TextWidth(widget, QString(qMax(0, n), QLatin1Char('X')));
}

QFont GridCellFont(const QFont& font)
{
    QFont cell = font;
    cell.setStretch(QFont::SemiCondensed);
    return cell;
}

int CellTextWidth(const QWidget& view, const QString& text)
{
    // An item view lays its text inside the focus frame's margin and one pixel on each
    // side; the grid's lines and the current cell's frame take one more pixel each side.
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    return PixelsToTwips(QFontMetrics(view.font()).horizontalAdvance(text) + 2 * margin + 4);
}

} // namespace ui
