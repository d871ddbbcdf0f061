// Cells that show their text whole or cut.
#include "platform/ui/CellFit.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyleOptionViewItem>
#include <QToolTip>

namespace ui {

int CellWidthHint(const QAbstractItemView& view, const QModelIndex& index)
{
    QAbstractItemDelegate* delegate = view.itemDelegateForIndex(index);
    if (!delegate)
        return 0;
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.font = view.font();
    option.fontMetrics = view.fontMetrics();
    option.decorationSize = view.iconSize().isValid() ? view.iconSize() : QSize(16, 16);
    option.rect = view.visualRect(index);
    return delegate->sizeHint(option, index).width();
}

void ShowCutCellText(QAbstractItemView& view, const QHelpEvent& event)
{
    const QModelIndex at = view.indexAt(event.pos());
    const QString text = at.data().toString();
    const QRect cell = view.visualRect(at);
    if (!at.isValid() || text.isEmpty() || CellWidthHint(view, at) <= cell.width())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), text, view.viewport(), cell);
}

} // namespace ui
