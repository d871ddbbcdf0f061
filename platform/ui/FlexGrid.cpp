// FlexGrid: structure, texts, layout, the current cell and its geometry.
#include "platform/ui/FlexGrid.h"

#include "platform/ui/FlexGridCells.h"
#include "platform/ui/FlexGridPainting.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/VbError.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace ui {

namespace {

[[noreturn]] void fail(int number, const char* description = nullptr)
{
    throw vb::VbError(number, description ? QString::fromLatin1(description) : QString(),
                      QStringLiteral("MSFlexGrid"));
}

constexpr int defaultColPixels = 64;

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent)
{
    m_cells = new FlexGridCells(this);
    m_topHeader = new FlexGridHeader(Qt::Horizontal, this);
    m_leftHeader = new FlexGridHeader(Qt::Vertical, this);
    setHorizontalHeader(m_topHeader);
    setVerticalHeader(m_leftHeader);
    setModel(m_cells);
    m_topHeader->setDefaultSectionSize(defaultColPixels);
    m_leftHeader->setDefaultSectionSize(defaultRowPixels());
    m_corner = new FlexGridCorner(this);
    setCornerButtonEnabled(false);
    setItemDelegate(new FlexGridDelegate(this));

    // The grid edits nothing itself and keeps its own cursor and selection: forms float
    // a text box over the current cell.
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setHorizontalScrollMode(ScrollPerItem);
    setVerticalScrollMode(ScrollPerItem);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setFocusPolicy(Qt::StrongFocus);

    m_topHeader->viewport()->installEventFilter(this);
    m_leftHeader->viewport()->installEventFilter(this);
    m_corner->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });

    restructure(1, 1, 2, 2);
    m_row = m_col = m_rowSel = m_colSel = 1;
}

FlexGrid::~FlexGrid() = default;

// ---- errors and repainting ----

void FlexGrid::checkRow(int row) const
{
    if (row < 0 || row >= Rows())
        fail(381);
}

void FlexGrid::checkCol(int col) const
{
    if (col < 0 || col >= Cols())
        fail(381);
}

void FlexGrid::checkCell(int row, int col) const
{
    checkRow(row);
    checkCol(col);
}

void FlexGrid::updateCell(int row, int col)
{
    if (isFixed(row, col))
        updateFixed();
    else
        viewport()->update();
}

void FlexGrid::updateCells()
{
    viewport()->update();
    updateFixed();
}

void FlexGrid::updateFixed()
{
    m_topHeader->viewport()->update();
    m_leftHeader->viewport()->update();
    m_corner->update();
}

// ---- structure ----

void FlexGrid::restructure(int fixedRows, int fixedCols, int rows, int cols)
{
    // Moving the border between fixed and scrolling cells moves lines between the
    // headers and the view: the view starts over and gets every size back. Forms do this
    // once, at layout.
    const int oldRows = Rows();
    const int oldCols = Cols();
    QList<int> heights, widths;
    for (int r = 0; r < oldRows; ++r)
        heights.append(rowPixels(r));
    for (int c = 0; c < oldCols; ++c)
        widths.append(colPixels(c));

    m_cells->reshape(fixedRows, fixedCols, rows, cols);
    m_fixedRowHeights = QList<int>(fixedRows, defaultRowPixels());
    m_fixedColWidths = QList<int>(fixedCols, defaultColPixels);
    m_alignment.resize(cols, flexAlignGeneral);

    const int defaultHeight = m_leftHeader->defaultSectionSize();
    for (int r = 0; r < qMin(rows, oldRows); ++r) {
        if (r < fixedRows)
            m_fixedRowHeights[r] = heights[r];
        else if (heights[r] != defaultHeight)
            setRowHeight(r - fixedRows, heights[r]);
    }
    for (int c = 0; c < qMin(cols, oldCols); ++c) {
        if (c < fixedCols)
            m_fixedColWidths[c] = widths[c];
        else
            setColumnWidth(c - fixedCols, widths[c]);
    }
    m_topHeader->setVisible(fixedRows > 0);
    m_leftHeader->setVisible(fixedCols > 0);
    updateGeometries();
    updateCells();
}

namespace {
int clampIndex(int value, int count)
{
    return qMax(0, qMin(value, count - 1));
}
} // namespace

void FlexGrid::SetRows(int rows)
{
    if (rows < 0)
        fail(380);
    if (rows == Rows())
        return;
    if (rows < FixedRows())
        restructure(rows, FixedCols(), rows, Cols());
    else
        m_cells->resize(rows, Cols());
    // The cursor keeps its row number while it exists; structure changes raise no events.
    m_row = clampIndex(m_row, rows);
    m_rowSel = clampIndex(m_rowSel, rows);
    updateFixed();
}

void FlexGrid::SetCols(int cols)
{
    if (cols < 0)
        fail(380);
    if (cols == Cols())
        return;
    if (cols < FixedCols()) {
        restructure(FixedRows(), cols, Rows(), cols);
    } else {
        m_cells->resize(Rows(), cols);
        m_alignment.resize(cols, flexAlignGeneral);
        updateFixed();
    }
    m_col = clampIndex(m_col, cols);
    m_colSel = clampIndex(m_colSel, cols);
}

void FlexGrid::SetFixedRows(int fixedRows)
{
    if (fixedRows < 0 || fixedRows > Rows())
        fail(380);
    if (fixedRows == FixedRows())
        return;
    restructure(fixedRows, FixedCols(), Rows(), Cols());
}

void FlexGrid::SetFixedCols(int fixedCols)
{
    if (fixedCols < 0 || fixedCols > Cols())
        fail(380);
    if (fixedCols == FixedCols())
        return;
    restructure(FixedRows(), fixedCols, Rows(), Cols());
}

// ---- texts ----

void FlexGrid::watchColumn(int col, ColumnWatch watch)
{
    m_cells->watch(col, std::move(watch));
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    checkCell(row, col);
    return m_cells->text(row, col);
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    checkCell(row, col);
    m_cells->setText(row, col, text);
    // One repaint serves any number of writes.
    updateCell(row, col);
}

QString FlexGrid::TextArray(int index) const
{
    if (index < 0 || index >= Rows() * Cols())
        fail(381);
    return TextMatrix(index / Cols(), index % Cols());
}

void FlexGrid::SetTextArray(int index, const QString& text)
{
    if (index < 0 || index >= Rows() * Cols())
        fail(381);
    SetTextMatrix(index / Cols(), index % Cols(), text);
}

void FlexGrid::AddItem(const QString& item)
{
    AddItem(item, Rows());
}

void FlexGrid::AddItem(const QString& item, int index)
{
    if (index < FixedRows() || index > Rows())
        fail(30009, "Invalid Row value");
    m_cells->insertLine(index, item.split(QLatin1Char('\t')));
    updateCells();
}

void FlexGrid::RemoveItem(int index)
{
    if (index < FixedRows() || index >= Rows())
        fail(30009, "Invalid Row value");
    if (Rows() - FixedRows() == 1)
        fail(30015, "Cannot remove last non-fixed row");
    m_cells->removeLine(index);
    m_row = clampIndex(m_row, Rows());
    m_rowSel = clampIndex(m_rowSel, Rows());
    updateCells();
}

void FlexGrid::Clear()
{
    m_cells->clearCells();
    updateCells();
}

void FlexGrid::Refresh()
{
    viewport()->repaint();
    m_topHeader->viewport()->repaint();
    m_leftHeader->viewport()->repaint();
    m_corner->repaint();
}

// ---- layout ----

int FlexGrid::defaultRowPixels() const
{
    return fontMetrics().height() + 8;
}

int FlexGrid::rowPixels(int row) const
{
    return row < FixedRows() ? m_fixedRowHeights[row] : rowHeight(row - FixedRows());
}

int FlexGrid::colPixels(int col) const
{
    return col < FixedCols() ? m_fixedColWidths[col] : columnWidth(col - FixedCols());
}

int FlexGrid::fixedRowsHeight() const
{
    int sum = 0;
    for (int h : m_fixedRowHeights)
        sum += h;
    return sum;
}

int FlexGrid::fixedColsWidth() const
{
    int sum = 0;
    for (int w : m_fixedColWidths)
        sum += w;
    return sum;
}

int FlexGrid::ColWidth(int col) const
{
    checkCol(col);
    return PixelsToTwips(colPixels(col));
}

void FlexGrid::SetColWidth(int col, int twips)
{
    checkCol(col);
    if (twips < -1)
        fail(380);
    const int pixels = twips == -1 ? defaultColPixels : TwipsToPixels(twips);
    if (col < FixedCols()) {
        m_fixedColWidths[col] = pixels;
        updateGeometries();
        updateFixed();
    } else {
        setColumnWidth(col - FixedCols(), pixels);
    }
}

int FlexGrid::RowHeight(int row) const
{
    checkRow(row);
    return PixelsToTwips(rowPixels(row));
}

void FlexGrid::SetRowHeight(int row, int twips)
{
    checkRow(row);
    if (twips < -1)
        fail(380);
    const int pixels = twips == -1 ? defaultRowPixels() : TwipsToPixels(twips);
    if (row < FixedRows()) {
        m_fixedRowHeights[row] = pixels;
        updateGeometries();
        updateFixed();
    } else {
        setRowHeight(row - FixedRows(), pixels);
    }
}

int FlexGrid::ColAlignment(int col) const
{
    checkCol(col);
    return m_alignment[col];
}

void FlexGrid::SetColAlignment(int col, int alignment)
{
    checkCol(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        fail(380);
    m_alignment[col] = alignment;
    viewport()->update();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_corner)
        return;
    // Where the fixed rows and columns meet, over QTableView's own corner button.
    const QRect port = viewport()->geometry();
    const int w = FixedCols() > 0 ? fixedColsWidth() : 0;
    const int h = FixedRows() > 0 ? fixedRowsHeight() : 0;
    m_corner->setGeometry(port.left() - w, port.top() - h, w, h);
    m_corner->setVisible(w > 0 && h > 0);
    m_corner->raise();
    keepFirstLinesWhole();
}

void FlexGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    keepFirstLinesWhole();
}

// At the end of its range Qt lines the last column (row) up with the far edge, which cuts
// the first one in view behind the fixed ones. The grid always starts its view with the
// whole line the scroll bar names, as MSFlexGrid does; what does not fit is cut at the
// far edge instead.
void FlexGrid::keepFirstLinesWhole()
{
    bool moved = false;
    const auto align = [&moved](QHeaderView* header, const QScrollBar* bar) {
        const int offset = header->offset();
        header->setOffsetToSectionPosition(bar->value());
        moved = moved || header->offset() != offset;
    };
    align(m_topHeader, horizontalScrollBar());
    align(m_leftHeader, verticalScrollBar());
    if (moved)
        viewport()->update();
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    if (auto* cells = dynamic_cast<FlexGridDelegate*>(itemDelegate()))
        cells->forgetTexts();
    // Rows are as tall as the grid's font needs, as VB sizes them.
    const int oldDefault = m_leftHeader->defaultSectionSize();
    const int newDefault = defaultRowPixels();
    if (newDefault == oldDefault)
        return;
    m_leftHeader->setDefaultSectionSize(newDefault);
    for (int& h : m_fixedRowHeights)
        if (h == oldDefault)
            h = newDefault;
    updateGeometries();
    updateFixed();
}

// ---- the current cell ----

void FlexGrid::SetRow(int row)
{
    if (row < 0 || row >= Rows())
        fail(30009, "Invalid Row value");
    moveTo(row, m_col);
}

void FlexGrid::SetCol(int col)
{
    if (col < 0 || col >= Cols())
        fail(30010, "Invalid Col value");
    moveTo(m_row, col);
}

void FlexGrid::SetRowSel(int row)
{
    if (row < 0 || row >= Rows())
        fail(30009, "Invalid Row value");
    setSelection(row, m_colSel);
}

void FlexGrid::SetColSel(int col)
{
    if (col < 0 || col >= Cols())
        fail(30010, "Invalid Col value");
    setSelection(m_rowSel, col);
}

void FlexGrid::moveTo(int row, int col)
{
    if (row == m_row && col == m_col) {
        setSelection(row, col);
        return;
    }
    emit LeaveCell();
    const int oldRow = m_row;
    const int oldCol = m_col;
    m_row = m_rowSel = row;
    m_col = m_colSel = col;
    updateCell(oldRow, oldCol);
    updateCell(row, col);
    emit EnterCell();
    emit RowColChange();
    emit SelChange();
}

void FlexGrid::moveByOperator(int row, int col)
{
    moveTo(row, col);
    // The operator's moves bring the cell into view; moves made by code leave the
    // scrolling to the form (TopRow).
    ShowCurrentCell();
}

void FlexGrid::ShowCurrentCell()
{
    if (m_row < FixedRows() || m_row >= Rows())
        return;
    int viewCol = m_col - FixedCols();
    if (viewCol < 0)
        viewCol = qMax(0, columnAt(0));
    if (viewCol < columnCount())
        scrollTo(model()->index(m_row - FixedRows(), viewCol));
}

void FlexGrid::setSelection(int rowSel, int colSel)
{
    if (rowSel == m_rowSel && colSel == m_colSel)
        return;
    m_rowSel = rowSel;
    m_colSel = colSel;
    viewport()->update();
    updateFixed();
    emit SelChange();
}

bool FlexGrid::inSelection(int row, int col) const
{
    return row >= qMin(m_row, m_rowSel) && row <= qMax(m_row, m_rowSel)
        && col >= qMin(m_col, m_colSel) && col <= qMax(m_col, m_colSel);
}

int FlexGrid::TopRow() const
{
    return FixedRows() + verticalScrollBar()->value();
}

void FlexGrid::SetTopRow(int row)
{
    if (row < 0 || row >= Rows())
        fail(30009, "Invalid Row value");
    executeDelayedItemsLayout();   // the scroll range must know the rows just added
    verticalScrollBar()->setValue(qMax(0, row - FixedRows()));
}

int FlexGrid::LeftCol() const
{
    return FixedCols() + horizontalScrollBar()->value();
}

void FlexGrid::SetLeftCol(int col)
{
    if (col < 0 || col >= Cols())
        fail(30010, "Invalid Col value");
    executeDelayedItemsLayout();   // the scroll range must know the columns just added
    horizontalScrollBar()->setValue(qMax(0, col - FixedCols()));
}

bool FlexGrid::RowIsVisible(int row) const
{
    checkRow(row);
    if (row < FixedRows())
        return m_fixedRowHeights[row] > 0;
    const int top = rowViewportPosition(row - FixedRows());
    const int height = rowHeight(row - FixedRows());
    return height > 0 && top + height > 0 && top < viewport()->height();
}

bool FlexGrid::ColIsVisible(int col) const
{
    checkCol(col);
    if (col < FixedCols())
        return m_fixedColWidths[col] > 0;
    const int left = columnViewportPosition(col - FixedCols());
    const int width = columnWidth(col - FixedCols());
    return width > 0 && left + width > 0 && left < viewport()->width();
}

// ---- geometry of the current cell ----

QRect FlexGrid::cellRect(int row, int col) const
{
    const_cast<FlexGrid*>(this)->executeDelayedItemsLayout();
    const QRect port = viewport()->geometry();
    int x = port.left();
    if (col < FixedCols()) {
        x -= fixedColsWidth();
        for (int c = 0; c < col; ++c)
            x += m_fixedColWidths[c];
    } else {
        x += columnViewportPosition(col - FixedCols());
    }
    int y = port.top();
    if (row < FixedRows()) {
        y -= fixedRowsHeight();
        for (int r = 0; r < row; ++r)
            y += m_fixedRowHeights[r];
    } else {
        y += rowViewportPosition(row - FixedRows());
    }
    // Like QTableView::visualRect: the grid line on the right and at the bottom belongs
    // to the cell's neighbours.
    const int line = showGrid() ? 1 : 0;
    return QRect(x, y, qMax(0, colPixels(col) - line), qMax(0, rowPixels(row) - line));
}

int FlexGrid::CellLeft() const
{
    return PixelsToTwips(cellRect(m_row, m_col).left());
}

int FlexGrid::CellTop() const
{
    return PixelsToTwips(cellRect(m_row, m_col).top());
}

int FlexGrid::CellWidth() const
{
    return PixelsToTwips(cellRect(m_row, m_col).width());
}

int FlexGrid::CellHeight() const
{
    return PixelsToTwips(cellRect(m_row, m_col).height());
}

// ---- colours ----

void FlexGrid::setCellColor(int row, int col, const QColor& color, bool back)
{
    if (row >= Rows() || col >= Cols())
        return;   // a grid without cells
    if (back)
        m_cells->setBack(row, col, color);
    else
        m_cells->setFore(row, col, color);
}

// The current cell, or with FillStyle 1 every cell of the selection.
void FlexGrid::paintCells(const QColor& color, bool back)
{
    if (m_fillStyle == flexFillRepeat) {
        for (int r = qMin(m_row, m_rowSel); r <= qMax(m_row, m_rowSel); ++r)
            for (int k = qMin(m_col, m_colSel); k <= qMax(m_col, m_colSel); ++k)
                setCellColor(r, k, color, back);
    } else {
        setCellColor(m_row, m_col, color, back);
    }
    updateCells();
}

namespace {
// 0 gives the cell back the grid's colour (black is 1, as VB's grid has it).
QColor cellColor(long vbColor)
{
    return vbColor == 0 ? QColor() : FromVbColor(vbColor);
}

long vbCellColor(const QColor& color)
{
    return color.isValid() ? ToVbColor(color) : 0;
}
} // namespace

long FlexGrid::CellBackColor() const
{
    return m_row < Rows() && m_col < Cols() ? vbCellColor(m_cells->back(m_row, m_col)) : 0;
}

long FlexGrid::CellForeColor() const
{
    return m_row < Rows() && m_col < Cols() ? vbCellColor(m_cells->fore(m_row, m_col)) : 0;
}

void FlexGrid::SetCellBackColor(long color)
{
    paintCells(cellColor(color), true);
}

void FlexGrid::SetCellForeColor(long color)
{
    paintCells(cellColor(color), false);
}

void FlexGrid::SetFillStyle(int fillStyle)
{
    if (fillStyle != flexFillSingle && fillStyle != flexFillRepeat)
        fail(380);
    m_fillStyle = fillStyle;
}

void FlexGrid::SetRedraw(bool redraw)
{
    m_redraw = redraw;
    setUpdatesEnabled(redraw);
}

// ---- the control's own place ----

int FlexGrid::Left() const { return PixelsToTwips(x()); }
void FlexGrid::SetLeft(int twips) { move(TwipsToPixels(twips), y()); }
int FlexGrid::Top() const { return PixelsToTwips(y()); }
void FlexGrid::SetTop(int twips) { move(x(), TwipsToPixels(twips)); }
int FlexGrid::Width() const { return PixelsToTwips(width()); }
void FlexGrid::SetWidth(int twips) { resize(qMax(0, TwipsToPixels(twips)), height()); }
int FlexGrid::Height() const { return PixelsToTwips(height()); }
void FlexGrid::SetHeight(int twips) { resize(width(), qMax(0, TwipsToPixels(twips))); }

} // namespace ui
