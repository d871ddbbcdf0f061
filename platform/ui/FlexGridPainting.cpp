// FlexGrid's look: a data-entry grid with the current cell framed, grey raised fixed cells.
#include "platform/ui/FlexGridPainting.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/FlexGridCells.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Strings.h"

#include <QFontMetricsF>
#include <QPaintEvent>
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

// Where a text of `size` stands in `cell`: aligned as asked, kGridCellMargin pixels from
// the sides it is aligned to, fewer when the text needs them, so that a text that fits
// the cell is never cut; a text that does not fit starts at the left (at the right when
// aligned right). Top and bottom keep one pixel off the edge.
QPointF textOrigin(const QRect& cell, const QSizeF& size, Qt::Alignment align)
{
    const qreal room = cell.width() - size.width();
    const qreal margin = qBound<qreal>(0, room / 2, kGridCellMargin);
    // Across on whole pixels too: a text draws the same wherever it stands.
    const int x = qRound(align & Qt::AlignRight     ? cell.left() + room - margin
                         : align & Qt::AlignHCenter ? cell.left() + qMax<qreal>(room, 0) / 2
                                                    : cell.left() + margin);
    // Down in whole pixels, as the item views place a line.
    const int height = int(size.height());
    const int slack = qMax(0, cell.height() - height);
    const int y = align & Qt::AlignTop      ? cell.top() + qMin(1, slack)
                  : align & Qt::AlignBottom ? cell.top() + slack - qMin(1, slack)
                                            : cell.top() + slack / 2;
    return QPointF(x, y);
}

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

const QStaticText& FlexGridDelegate::laidOut(const QString& text, const QFont& font) const
{
    auto found = m_laidOut.constFind(text);
    if (found != m_laidOut.constEnd())
        return *found;
    // What is on screen and a little more; the lot is dropped when it grows past that.
    if (m_laidOut.size() >= 4096)
        m_laidOut.clear();
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QStaticText laid(line);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);   // its size is the one it is drawn with
    return *m_laidOut.insert(text, laid);
}

void FlexGridDelegate::forgetTexts()
{
    m_laidOut.clear();
}

void FlexGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    painter->save();
    painter->setFont(GridCellFont(m_grid->font()));
    paintCell(*painter, option, index.row() + m_grid->FixedRows(), index.column() + m_grid->FixedCols());
    painter->restore();
}

void FlexGridDelegate::paintCell(QPainter& painter, const QStyleOptionViewItem& option, int row, int col) const
{
    // Straight from the grid's lists: a repaint asks the model nothing, and a cell costs
    // a fill and a text.
    const QRect& rect = option.rect;
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const FlexGrid& grid = *m_grid;
    const FlexGridCells& cells = *grid.m_cells;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
    // The grid draws its own cursor and selection, whatever Qt thinks is current.
    const bool current = row == grid.m_row && col == grid.m_col;
    QColor back, fore;
    if (!current && grid.inSelection(row, col)) {
        back = option.palette.color(group, QPalette::Highlight);
        fore = option.palette.color(group, QPalette::HighlightedText);
    } else {
        back = cells.back(row, col);
        fore = cells.fore(row, col);
        if (!fore.isValid())
            fore = option.palette.color(group, QPalette::Text);
    }
    if (back.isValid())
        painter.fillRect(rect, back);

    const QString& text = cells.text(row, col);
    if (!text.isEmpty()) {
        // Aligned as the column says, cut at the cell's edge when it is longer.
        const QStaticText& laid = laidOut(text, painter.font());
        const QSizeF size = laid.size();
        const Qt::Alignment align = QtAlignment(grid.m_alignment.value(col, flexAlignGeneral), text);
        const bool fits = size.width() <= rect.width() && size.height() <= rect.height();
        if (!fits) {
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
        }
        painter.setPen(fore);
        painter.drawStaticText(textOrigin(rect, size, align), laid);
        if (!fits)
            painter.restore();
    }
    if (current)
        paintCursorFrame(grid, painter, rect);
}

void FlexGrid::paintEvent(QPaintEvent* event)
{
    // QTableView's own painting copies an option and asks the style for every cell, the
    // hidden (zero-width) columns of a voucher grid included: this paints what shows, in
    // the same places, with the grid lines drawn in one go.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int gridSize = showGrid() ? 1 : 0;
    const int lastX = m_topHeader->length() - m_topHeader->offset() - 1;
    const int lastY = m_leftHeader->length() - m_leftHeader->offset() - 1;
    const auto* cells = static_cast<const FlexGridDelegate*>(itemDelegate());
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
    QPainter painter(viewport());
    painter.setFont(GridCellFont(font()));
    QList<QLine> lines;
    struct Column { int col, x, width; };
    QList<Column> columns;
    for (QRect dirty : event->region()) {
        dirty.setBottom(qMin(dirty.bottom(), lastY));
        dirty.setRight(qMin(dirty.right(), lastX));
        if (!dirty.isValid())
            continue;
        const int count = m_topHeader->count();
        const int rowCount = m_leftHeader->count();
        int left = m_topHeader->visualIndexAt(dirty.left());
        int right = m_topHeader->visualIndexAt(dirty.right());
        int top = m_leftHeader->visualIndexAt(dirty.top());
        int bottom = m_leftHeader->visualIndexAt(dirty.bottom());
        if (left < 0) left = 0;
        if (right < 0) right = count - 1;
        if (top < 0) top = 0;
        if (bottom < 0) bottom = rowCount - 1;
        columns.clear();
        for (int c = left; c <= right; ++c) {
            const int width = m_topHeader->sectionSize(c);
            if (width > 0)
                columns.append({c + fixedCols, m_topHeader->sectionViewportPosition(c), width});
        }
        for (int r = top; r <= bottom; ++r) {
            const int height = m_leftHeader->sectionSize(r);
            if (height <= 0)
                continue;
            const int y = m_leftHeader->sectionViewportPosition(r);
            for (const Column& c : columns) {
                option.rect = QRect(c.x, y, c.width - gridSize, height - gridSize);
                cells->paintCell(painter, option, r + fixedRows, c.col);
            }
            if (gridSize)
                lines.append(QLine(dirty.left(), y + height - 1, dirty.right(), y + height - 1));
        }
        if (gridSize)
            for (const Column& c : columns)
                lines.append(QLine(c.x + c.width - 1, dirty.top(), c.x + c.width - 1, dirty.bottom()));
    }
    if (!lines.isEmpty()) {
        const QColor color = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
        painter.setPen(QPen(color, 1, gridStyle()));
        painter.drawLines(lines);
    }
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
        const int col = logicalIndex + m_grid->FixedCols();
        int y = rect.top();
        for (int r = 0; r < m_grid->FixedRows(); ++r) {
            const int h = m_grid->m_fixedRowHeights[r];
            paintFixedCell(*m_grid, *painter, QRect(rect.left(), y, rect.width(), h), r, col);
            y += h;
        }
    } else {
        const int row = logicalIndex + m_grid->FixedRows();
        int x = rect.left();
        for (int c = 0; c < m_grid->FixedCols(); ++c) {
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
    const FlexGridCells& cells = *grid.m_cells;
    const QPalette& pal = grid.palette();
    const QColor back = cells.back(row, col);
    const QColor fore = cells.fore(row, col);
    const QBrush fill = back.isValid() ? QBrush(back) : pal.brush(QPalette::Button);
    qDrawShadePanel(&painter, rect, pal, false, 1, &fill);
    const QString& text = cells.text(row, col);
    if (!text.isEmpty()) {
        // Inside the raised border, aligned as the column says, like the scrolling cells.
        const QRect inside = rect.adjusted(1, 1, -1, -1);
        const QFont font = GridCellFont(grid.font());
        const QSizeF size = QFontMetricsF(font).size(Qt::TextSingleLine, text);
        const Qt::Alignment align = QtAlignment(grid.m_alignment.value(col, flexAlignGeneral), text);
        painter.save();
        painter.setClipRect(inside);
        painter.setFont(font);
        painter.setPen(fore.isValid() ? fore : pal.color(QPalette::ButtonText));
        painter.drawText(QRectF(textOrigin(inside, size, align), size), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         text);
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
    for (int r = 0; r < m_grid->FixedRows(); ++r) {
        const int h = m_grid->m_fixedRowHeights[r];
        int x = 0;
        for (int c = 0; c < m_grid->FixedCols(); ++c) {
            const int w = m_grid->m_fixedColWidths[c];
            FlexGridHeader::paintFixedCell(*m_grid, painter, QRect(x, y, w, h), r, c);
            x += w;
        }
        y += h;
    }
}

} // namespace ui
