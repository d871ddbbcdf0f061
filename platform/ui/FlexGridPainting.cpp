// FlexGrid's look: a data-entry grid with the current cell framed, grey raised fixed cells.
#include "platform/ui/FlexGridPainting.h"

#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"

#include <QApplication>
#include <QPainter>
#include <qdrawutil.h>

namespace ui {

Qt::Alignment QtAlignment(int flexAlignment, const QString& text)
{
    switch (flexAlignment) {
    case flexAlignLeftTop: return Qt::AlignLeft | Qt::AlignTop;
    case flexAlignLeftCenter: return Qt::AlignLeft | Qt::AlignVCenter;
    case flexAlignLeftBottom: return Qt::AlignLeft | Qt::AlignBottom;
    case flexAlignCenterTop: return Qt::AlignHCenter | Qt::AlignTop;
    case flexAlignCenterCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case flexAlignCenterBottom: return Qt::AlignHCenter | Qt::AlignBottom;
    case flexAlignRightTop: return Qt::AlignRight | Qt::AlignTop;
    case flexAlignRightCenter: return Qt::AlignRight | Qt::AlignVCenter;
    case flexAlignRightBottom: return Qt::AlignRight | Qt::AlignBottom;
    default:
        return (vb::IsNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
}

namespace {

// A data-entry grid shows where typing goes: a solid frame on the current cell, strong
// while the grid has the focus.
void paintCursorFrame(const FlexGrid& grid, QPainter& painter, const QRect& rect)
{
    painter.save();
    const QColor frame = grid.hasFocus() ? grid.palette().color(QPalette::Highlight)
                                         : grid.palette().color(QPalette::Dark);
    QPen pen(frame, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace

// ---- scrolling cells ----

FlexGridDelegate::FlexGridDelegate(FlexGrid* grid)
    : QStyledItemDelegate(grid), m_grid(grid)
{
}

void FlexGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    if (option.rect.width() <= 0 || option.rect.height() <= 0)
        return;
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const int row = index.row() + m_grid->m_fixedRows;
    const int col = index.column() + m_grid->m_fixedCols;
    // The grid draws its own cursor and selection, whatever Qt thinks is current.
    opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    opt.displayAlignment = QtAlignment(m_grid->m_alignment.value(col, flexAlignGeneral), opt.text);
    opt.textElideMode = Qt::ElideNone;
    const bool current = row == m_grid->m_row && col == m_grid->m_col;
    if (!current && m_grid->inSelection(row, col)) {
        opt.backgroundBrush = opt.palette.brush(QPalette::Highlight);
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::HighlightedText));
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    if (current)
        paintCursorFrame(*m_grid, *painter, opt.rect);
}

// ---- fixed cells ----

FlexGridHeader::FlexGridHeader(Qt::Orientation orientation, FlexGrid* grid)
    : QHeaderView(orientation, grid), m_grid(grid)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    setSectionsClickable(false);
    setHighlightSections(false);
    setFocusPolicy(Qt::NoFocus);
}

QSize FlexGridHeader::sizeHint() const
{
    // Only the fixed lines decide how tall (or wide) the header is; the sections are
    // the scrolling columns (or rows) and follow them.
    if (orientation() == Qt::Horizontal)
        return QSize(0, m_grid->fixedRowsHeight());
    return QSize(m_grid->fixedColsWidth(), 0);
}

void FlexGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (orientation() == Qt::Horizontal) {
        const int col = logicalIndex + m_grid->m_fixedCols;
        int y = rect.top();
        for (int r = 0; r < m_grid->m_fixedRows; ++r) {
            const int h = m_grid->m_fixedRowHeights[r];
            paintFixedCell(*m_grid, *painter, QRect(rect.left(), y, rect.width(), h), r, col);
            y += h;
        }
    } else {
        const int row = logicalIndex + m_grid->m_fixedRows;
        int x = rect.left();
        for (int c = 0; c < m_grid->m_fixedCols; ++c) {
            const int w = m_grid->m_fixedColWidths[c];
            paintFixedCell(*m_grid, *painter, QRect(x, rect.top(), w, rect.height()), row, c);
            x += w;
        }
    }
}

void FlexGridHeader::paintFixedCell(const FlexGrid& grid, QPainter& painter, const QRect& rect,
                                    int row, int col)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const FlexGrid::Cell* cell = grid.fixedCell(row, col);
    const QPalette& pal = grid.palette();
    const QBrush fill = cell->back.isValid() ? QBrush(cell->back) : pal.brush(QPalette::Button);
    qDrawShadePanel(&painter, rect, pal, false, 1, &fill);
    if (!cell->text.isEmpty()) {
        painter.save();
        painter.setClipRect(rect.adjusted(1, 1, -1, -1));
        painter.setFont(grid.font());
        painter.setPen(cell->fore.isValid() ? cell->fore : pal.color(QPalette::ButtonText));
        painter.drawText(rect.adjusted(4, 0, -3, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell->text);
        painter.restore();
    }
    // Code may leave the cursor on a fixed cell (a row's mark column); it stays visible.
    if (row == grid.m_row && col == grid.m_col)
        paintCursorFrame(grid, painter, rect.adjusted(0, 0, -1, -1));
}

FlexGridCorner::FlexGridCorner(FlexGrid* grid)
    : QWidget(grid), m_grid(grid)
{
}

void FlexGridCorner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int y = 0;
    for (int r = 0; r < m_grid->m_fixedRows; ++r) {
        const int h = m_grid->m_fixedRowHeights[r];
        int x = 0;
        for (int c = 0; c < m_grid->m_fixedCols; ++c) {
            const int w = m_grid->m_fixedColWidths[c];
            FlexGridHeader::paintFixedCell(*m_grid, painter, QRect(x, y, w, h), r, c);
            x += w;
        }
        y += h;
    }
}

} // namespace ui
