// FlexGrid: structure, texts, layout, the current cell and its geometry.
#include "platform/ui/FlexGrid.h"

#include "platform/ui/FlexGridPainting.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/VbError.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>

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
    : QTableWidget(parent)
{
    m_topHeader = new FlexGridHeader(Qt::Horizontal, this);
    m_leftHeader = new FlexGridHeader(Qt::Vertical, this);
    setHorizontalHeader(m_topHeader);
    setVerticalHeader(m_leftHeader);
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

    m_fixedRows = 0;
    m_fixedCols = 0;
    restructure(1, 1, 2, 2);
    m_row = m_col = m_rowSel = m_colSel = 1;
}

FlexGrid::~FlexGrid() = default;

// ---- errors and cell access ----

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

FlexGrid::Cell* FlexGrid::fixedCell(int row, int col)
{
    if (row < m_fixedRows)
        return &m_top[row][col];
    return &m_left[(row - m_fixedRows) * m_fixedCols + col];
}

const FlexGrid::Cell* FlexGrid::fixedCell(int row, int col) const
{
    return const_cast<FlexGrid*>(this)->fixedCell(row, col);
}

FlexGrid::Cell FlexGrid::cellAt(int row, int col) const
{
    if (isFixed(row, col))
        return *fixedCell(row, col);
    Cell cell;
    if (const QTableWidgetItem* it = item(row - m_fixedRows, col - m_fixedCols)) {
        cell.text = it->text();
        const QVariant back = it->data(Qt::BackgroundRole);
        if (back.isValid())
            cell.back = back.value<QBrush>().color();
        const QVariant fore = it->data(Qt::ForegroundRole);
        if (fore.isValid())
            cell.fore = fore.value<QBrush>().color();
    }
    return cell;
}

void FlexGrid::updateCell(int row, int col)
{
    if (isFixed(row, col))
        updateFixed();
    else
        viewport()->update();
}

void FlexGrid::updateFixed()
{
    m_topHeader->viewport()->update();
    m_leftHeader->viewport()->update();
    m_corner->update();
}

// ---- structure ----

int FlexGrid::Rows() const
{
    return m_fixedRows + rowCount();
}

int FlexGrid::Cols() const
{
    return m_fixedCols + columnCount();
}

void FlexGrid::restructure(int fixedRows, int fixedCols, int rows, int cols)
{
    // Moving the border between fixed and scrolling cells moves cells between the
    // headers and the items: copy everything out and back. Forms do this once, at layout.
    const int oldRows = Rows();
    const int oldCols = Cols();
    QList<Cell> cells;
    cells.reserve(oldRows * oldCols);
    QList<int> heights, widths;
    for (int r = 0; r < oldRows; ++r) {
        heights.append(rowPixels(r));
        for (int c = 0; c < oldCols; ++c)
            cells.append(cellAt(r, c));
    }
    for (int c = 0; c < oldCols; ++c)
        widths.append(colPixels(c));

    clearContents();
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    setRowCount(rows - fixedRows);
    setColumnCount(cols - fixedCols);
    m_top = QList<QList<Cell>>(fixedRows, QList<Cell>(cols));
    m_left = QList<Cell>((rows - fixedRows) * fixedCols);
    m_fixedRowHeights = QList<int>(fixedRows, defaultRowPixels());
    m_fixedColWidths = QList<int>(fixedCols, defaultColPixels);
    m_alignment.resize(cols, flexAlignGeneral);

    for (int r = 0; r < qMin(rows, oldRows); ++r) {
        if (r < fixedRows)
            m_fixedRowHeights[r] = heights[r];
        else
            setRowHeight(r - fixedRows, heights[r]);
    }
    for (int c = 0; c < qMin(cols, oldCols); ++c) {
        if (c < fixedCols)
            m_fixedColWidths[c] = widths[c];
        else
            setColumnWidth(c - fixedCols, widths[c]);
    }
    {
        const QSignalBlocker block(model());
        for (int r = 0; r < qMin(rows, oldRows); ++r)
            for (int c = 0; c < qMin(cols, oldCols); ++c) {
                const Cell& cell = cells[r * oldCols + c];
                if (isFixed(r, c)) {
                    *fixedCell(r, c) = cell;
                } else if (!cell.text.isEmpty() || cell.back.isValid() || cell.fore.isValid()) {
                    auto* it = new QTableWidgetItem(cell.text);
                    if (cell.back.isValid())
                        it->setBackground(cell.back);
                    if (cell.fore.isValid())
                        it->setForeground(cell.fore);
                    setItem(r - fixedRows, c - fixedCols, it);
                }
            }
    }
    m_topHeader->setVisible(fixedRows > 0);
    m_leftHeader->setVisible(fixedCols > 0);
    updateGeometries();
    viewport()->update();
    updateFixed();
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
    if (rows < m_fixedRows) {
        restructure(rows, m_fixedCols, rows, Cols());
    } else {
        setRowCount(rows - m_fixedRows);
        m_left.resize((rows - m_fixedRows) * m_fixedCols);
    }
    // The cursor keeps its row number while it exists; structure changes raise no events.
    m_row = clampIndex(m_row, rows);
    m_rowSel = clampIndex(m_rowSel, rows);
}

void FlexGrid::SetCols(int cols)
{
    if (cols < 0)
        fail(380);
    if (cols == Cols())
        return;
    if (cols < m_fixedCols) {
        restructure(m_fixedRows, cols, Rows(), cols);
    } else {
        setColumnCount(cols - m_fixedCols);
        for (QList<Cell>& line : m_top)
            line.resize(cols);
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
    if (fixedRows == m_fixedRows)
        return;
    restructure(fixedRows, m_fixedCols, Rows(), Cols());
}

void FlexGrid::SetFixedCols(int fixedCols)
{
    if (fixedCols < 0 || fixedCols > Cols())
        fail(380);
    if (fixedCols == m_fixedCols)
        return;
    restructure(m_fixedRows, fixedCols, Rows(), Cols());
}

// ---- texts ----

QString FlexGrid::TextMatrix(int row, int col) const
{
    checkCell(row, col);
    if (isFixed(row, col))
        return fixedCell(row, col)->text;
    const QTableWidgetItem* it = item(row - m_fixedRows, col - m_fixedCols);
    return it ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    checkCell(row, col);
    if (isFixed(row, col)) {
        fixedCell(row, col)->text = text;
        updateFixed();
        return;
    }
    {
        // The view would lay itself out again for every changed item; one repaint of
        // the viewport serves any number of writes.
        const QSignalBlocker block(model());
        if (QTableWidgetItem* it = item(row - m_fixedRows, col - m_fixedCols))
            it->setText(text);
        else if (!text.isEmpty())
            setItem(row - m_fixedRows, col - m_fixedCols, new QTableWidgetItem(text));
    }
    viewport()->update();
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
    if (index < m_fixedRows || index > Rows())
        fail(30009, "Invalid Row value");
    const int r = index - m_fixedRows;
    insertRow(r);
    m_left.insert(r * m_fixedCols, m_fixedCols, Cell{});
    const QStringList texts = item.split(QLatin1Char('\t'));
    const int count = qMin(int(texts.size()), Cols());
    {
        const QSignalBlocker block(model());
        for (int c = 0; c < count; ++c) {
            if (texts[c].isEmpty())
                continue;
            if (c < m_fixedCols)
                m_left[r * m_fixedCols + c].text = texts[c];
            else
                setItem(r, c - m_fixedCols, new QTableWidgetItem(texts[c]));
        }
    }
    viewport()->update();
    updateFixed();
}

void FlexGrid::RemoveItem(int index)
{
    if (index < m_fixedRows || index >= Rows())
        fail(30009, "Invalid Row value");
    if (Rows() - m_fixedRows == 1)
        fail(30015, "Cannot remove last non-fixed row");
    const int r = index - m_fixedRows;
    removeRow(r);
    m_left.remove(r * m_fixedCols, m_fixedCols);
    m_row = clampIndex(m_row, Rows());
    m_rowSel = clampIndex(m_rowSel, Rows());
    updateFixed();
}

void FlexGrid::Clear()
{
    clearContents();
    for (QList<Cell>& line : m_top)
        line.fill(Cell{});
    m_left.fill(Cell{});
    viewport()->update();
    updateFixed();
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
    return row < m_fixedRows ? m_fixedRowHeights[row] : rowHeight(row - m_fixedRows);
}

int FlexGrid::colPixels(int col) const
{
    return col < m_fixedCols ? m_fixedColWidths[col] : columnWidth(col - m_fixedCols);
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
    if (col < m_fixedCols) {
        m_fixedColWidths[col] = pixels;
        updateGeometries();
        updateFixed();
    } else {
        setColumnWidth(col - m_fixedCols, pixels);
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
    if (row < m_fixedRows) {
        m_fixedRowHeights[row] = pixels;
        updateGeometries();
        updateFixed();
    } else {
        setRowHeight(row - m_fixedRows, pixels);
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
    QTableWidget::updateGeometries();
    if (!m_corner)
        return;
    // Where the fixed rows and columns meet, over QTableView's own corner button.
    const QRect port = viewport()->geometry();
    const int w = m_fixedCols > 0 ? fixedColsWidth() : 0;
    const int h = m_fixedRows > 0 ? fixedRowsHeight() : 0;
    m_corner->setGeometry(port.left() - w, port.top() - h, w, h);
    m_corner->setVisible(w > 0 && h > 0);
    m_corner->raise();
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
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
    if (m_row < m_fixedRows || m_row >= Rows())
        return;
    int viewCol = m_col - m_fixedCols;
    if (viewCol < 0)
        viewCol = qMax(0, columnAt(0));
    if (viewCol < columnCount())
        scrollTo(model()->index(m_row - m_fixedRows, viewCol));
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
    return m_fixedRows + verticalScrollBar()->value();
}

void FlexGrid::SetTopRow(int row)
{
    if (row < 0 || row >= Rows())
        fail(30009, "Invalid Row value");
    executeDelayedItemsLayout();   // the scroll range must know the rows just added
    verticalScrollBar()->setValue(qMax(0, row - m_fixedRows));
}

bool FlexGrid::RowIsVisible(int row) const
{
    checkRow(row);
    if (row < m_fixedRows)
        return m_fixedRowHeights[row] > 0;
    const int top = rowViewportPosition(row - m_fixedRows);
    const int height = rowHeight(row - m_fixedRows);
    return height > 0 && top + height > 0 && top < viewport()->height();
}

bool FlexGrid::ColIsVisible(int col) const
{
    checkCol(col);
    if (col < m_fixedCols)
        return m_fixedColWidths[col] > 0;
    const int left = columnViewportPosition(col - m_fixedCols);
    const int width = columnWidth(col - m_fixedCols);
    return width > 0 && left + width > 0 && left < viewport()->width();
}

// ---- geometry of the current cell ----

QRect FlexGrid::cellRect(int row, int col) const
{
    const_cast<FlexGrid*>(this)->executeDelayedItemsLayout();
    const QRect port = viewport()->geometry();
    int x = port.left();
    if (col < m_fixedCols) {
        x -= fixedColsWidth();
        for (int c = 0; c < col; ++c)
            x += m_fixedColWidths[c];
    } else {
        x += columnViewportPosition(col - m_fixedCols);
    }
    int y = port.top();
    if (row < m_fixedRows) {
        y -= fixedRowsHeight();
        for (int r = 0; r < row; ++r)
            y += m_fixedRowHeights[r];
    } else {
        y += rowViewportPosition(row - m_fixedRows);
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
    if (isFixed(row, col)) {
        Cell* cell = fixedCell(row, col);
        (back ? cell->back : cell->fore) = color;
        return;
    }
    const QSignalBlocker block(model());
    QTableWidgetItem* it = item(row - m_fixedRows, col - m_fixedCols);
    if (!it) {
        if (!color.isValid())
            return;
        it = new QTableWidgetItem;
        setItem(row - m_fixedRows, col - m_fixedCols, it);
    }
    it->setData(back ? Qt::BackgroundRole : Qt::ForegroundRole,
                color.isValid() ? QVariant(QBrush(color)) : QVariant());
}

namespace {
// 0 gives the cell back the grid's colour (black is 1, as VB's grid has it).
QColor cellColor(long vbColor)
{
    return vbColor == 0 ? QColor() : FromVbColor(vbColor);
}
} // namespace

long FlexGrid::CellBackColor() const
{
    const QColor c = cellAt(m_row, m_col).back;
    return c.isValid() ? ToVbColor(c) : 0;
}

long FlexGrid::CellForeColor() const
{
    const QColor c = cellAt(m_row, m_col).fore;
    return c.isValid() ? ToVbColor(c) : 0;
}

void FlexGrid::SetCellBackColor(long color)
{
    const QColor c = cellColor(color);
    if (m_fillStyle == flexFillRepeat) {
        for (int r = qMin(m_row, m_rowSel); r <= qMax(m_row, m_rowSel); ++r)
            for (int k = qMin(m_col, m_colSel); k <= qMax(m_col, m_colSel); ++k)
                setCellColor(r, k, c, true);
    } else {
        setCellColor(m_row, m_col, c, true);
    }
    viewport()->update();
    updateFixed();
}

void FlexGrid::SetCellForeColor(long color)
{
    const QColor c = cellColor(color);
    if (m_fillStyle == flexFillRepeat) {
        for (int r = qMin(m_row, m_rowSel); r <= qMax(m_row, m_rowSel); ++r)
            for (int k = qMin(m_col, m_colSel); k <= qMax(m_col, m_colSel); ++k)
                setCellColor(r, k, c, false);
    } else {
        setCellColor(m_row, m_col, c, false);
    }
    viewport()->update();
    updateFixed();
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
