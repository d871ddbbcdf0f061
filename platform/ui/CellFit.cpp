// Cells that show their text whole or cut.
#include "platform/ui/CellFit.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace ui {

void ShowCutCellText(QAbstractItemView& view, const QHelpEvent& event)
{
    const QModelIndex at = view.indexAt(event.pos());
    const QString text = at.data().toString();
    const QRect cell = view.visualRect(at);
    // The delegate's size hint is what the cell needs to draw whole: its text, its icon
    // or check box, and the style's margins.
    if (!at.isValid() || text.isEmpty() || view.sizeHintForIndex(at).width() <= cell.width())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), text, view.viewport(), cell);
}

} // namespace ui
