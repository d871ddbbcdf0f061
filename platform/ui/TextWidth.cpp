// Text widths in twips, as VB's TextWidth measures them in a form's font.
#include "platform/ui/Metrics.h"

#include <QFontMetrics>
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

} // namespace ui
