#pragma once
// MSFlexGrid's members over a QTableView. Rows and columns are numbered as VB numbers
// them, fixed rows and columns included; widths, heights and positions are twips;
// colours are &HBBGGRR; the grid's events are signals with VB's names, raised for moves
// made by code as well as by the operator.
//
// The cells live in the grid's own lists (FlexGridCells), not in an object per cell, so
// a voucher grid of 101 columns and thousands of lines fills and scrolls as fast as a
// small one. Fixed rows are painted by the horizontal header, fixed columns by the
// vertical header and the cells where both meet by a corner widget, so they never scroll
// and are never the target of a click or an arrow key. The view's own rows and columns
// are the scrolling ones: cell (Row, Col) is the view's (Row - FixedRows, Col - FixedCols).
#include "platform/ui/FlexGridCells.h"

#include <QColor>
#include <QList>
#include <QTableView>

namespace ui {

class FlexGridCorner;
class FlexGridHeader;

// MSFlexGrid's ColAlignment values.
enum FlexAlign : int {
    flexAlignLeftTop = 0, flexAlignLeftCenter = 1, flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3, flexAlignCenterCenter = 4, flexAlignCenterBottom = 5,
    flexAlignRightTop = 6, flexAlignRightCenter = 7, flexAlignRightBottom = 8,
    flexAlignGeneral = 9,
};

enum FlexFillStyle : int { flexFillSingle = 0, flexFillRepeat = 1 };

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // A new grid is VB's default one: 2 rows, 2 columns, one fixed row and one fixed
    // column, the cursor on cell (1, 1).
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    QString Name() const { return objectName(); }

    // Structure. Growing or shrinking works at the end; cells keep their texts.
    int Rows() const { return m_cells->rows(); }
    void SetRows(int rows);
    int Cols() const { return m_cells->cols(); }
    void SetCols(int cols);
    int FixedRows() const { return m_cells->fixedRows(); }
    void SetFixedRows(int fixedRows);
    int FixedCols() const { return m_cells->fixedCols(); }
    void SetFixedCols(int fixedCols);
    // Code that keeps a figure over a column (a total on a status bar) hears of every
    // change of that column's texts, whatever made it: a write, AddItem, RemoveItem,
    // Clear, fewer rows or columns. One watch per column; an empty function ends it.
    void watchColumn(int col, ColumnWatch watch);
    // The view's own lines: the scrolling rows and columns.
    int rowCount() const { return Rows() - FixedRows(); }
    int columnCount() const { return Cols() - FixedCols(); }

    // The current cell. Setting Row or Col to another cell raises LeaveCell (while Row
    // and Col still name the old cell), then EnterCell, RowColChange and SelChange.
    // Code may put the cursor on a fixed cell; the operator cannot.
    int Row() const { return m_row; }
    void SetRow(int row);
    int Col() const { return m_col; }
    void SetCol(int col);
    // The other corner of the selection; moving the cursor collapses it onto the cursor.
    int RowSel() const { return m_rowSel; }
    void SetRowSel(int row);
    int ColSel() const { return m_colSel; }
    void SetColSel(int col);
    // The first scrolling row in view. A value past the last possible top row shows the
    // last page.
    int TopRow() const;
    void SetTopRow(int row);
    // The first scrolling column in view, likewise.
    int LeftCol() const;
    void SetLeftCol(int col);
    // Scrolls the current cell into view; in a fixed column, its row at the scrolling
    // columns shown.
    void ShowCurrentCell();
    bool RowIsVisible(int row) const;
    bool ColIsVisible(int col) const;

    // Texts. TextArray(index) is TextMatrix(index \ Cols, index Mod Cols).
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    QString TextArray(int index) const;
    void SetTextArray(int index, const QString& text);
    // Inserts a row at `index` (at the end without one) holding the tab-separated texts
    // of `item` from column 0. The cursor keeps its row number.
    void AddItem(const QString& item);
    void AddItem(const QString& item, int index);
    // Removes a scrolling row; the last one cannot be removed (error 30015).
    void RemoveItem(int index);
    // Empties every cell, fixed ones included, and drops cell colours; rows, columns,
    // widths and alignments stay.
    void Clear();
    void Refresh();

    // Layout, in twips. A width of 0 hides the column, which still holds its texts.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);   // -1: the default width
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);  // -1: the default height
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);

    // The current cell's rectangle, in twips from the grid control's top-left corner:
    // what a text box floated over the cell needs. A cell scrolled out of view gives a
    // position outside the control.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    // Colours of the current cell, or of the whole selection with FillStyle 1. A cell
    // without a colour of its own reads 0.
    long CellBackColor() const;
    void SetCellBackColor(long color);
    long CellForeColor() const;
    void SetCellForeColor(long color);
    int FillStyle() const { return m_fillStyle; }
    void SetFillStyle(int fillStyle);

    // False holds back painting while a form fills the grid.
    bool Redraw() const { return m_redraw; }
    void SetRedraw(bool redraw);

    // The character a KeyPress of the grid stands for: while the KeyPress of a typed key
    // is raised and its code is still the one raised, the typed character itself (one
    // outside Windows-1252 too, which VB's KeyAscii gives as "?"); otherwise the
    // Windows-1252 character of the code. A cell editor opened by a key starts with it.
    QString TypedText(int KeyAscii) const;

    // The control's own position and size in its container, in twips.
    int Left() const;
    void SetLeft(int twips);
    int Top() const;
    void SetTop(int twips);
    int Width() const;
    void SetWidth(int twips);
    int Height() const;
    void SetHeight(int twips);

signals:
    void EnterCell();
    void LeaveCell();
    void RowColChange();
    void SelChange();
    void Click();
    void DblClick();
    // Key codes and shift bits are VB's. The grid acts on KeyCode as the handlers leave
    // it (0: not at all); the character of the key still reaches KeyPress, as in VB.
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int Shift);
    // Button 1 left, 2 right, 4 middle; X and Y in twips from the control's corner.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    void Scroll();
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class FlexGridCorner;
    friend class FlexGridDelegate;
    friend class FlexGridHeader;

    void checkRow(int row) const;
    void checkCol(int col) const;
    void checkCell(int row, int col) const;
    bool isFixed(int row, int col) const { return row < FixedRows() || col < FixedCols(); }
    void setCellColor(int row, int col, const QColor& color, bool back);
    void paintCells(const QColor& color, bool back);
    void restructure(int fixedRows, int fixedCols, int rows, int cols);
    void updateCell(int row, int col);
    void updateCells();
    void updateFixed();

    void moveTo(int row, int col);
    void moveByOperator(int row, int col);
    void setSelection(int rowSel, int colSel);
    bool inSelection(int row, int col) const;
    bool navigate(int keyCode, int shift);
    int rowsPerPage() const;
    void keepFirstLinesWhole();

    QRect cellRect(int row, int col) const;   // pixels, grid coordinates
    int fixedRowsHeight() const;
    int fixedColsWidth() const;
    int rowPixels(int row) const;
    int colPixels(int col) const;
    int defaultRowPixels() const;

    void mouseDown(QMouseEvent* event, QPoint gridPos, bool onCells);
    void mouseUp(QMouseEvent* event, QPoint gridPos);

    FlexGridCells* m_cells = nullptr;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    int m_fillStyle = flexFillSingle;
    bool m_redraw = true;
    bool m_leftPressed = false;
    QString m_keyText;    // the text of the key whose KeyPress is being raised
    int m_keyAscii = 0;   // and the code it was raised with
    QList<int> m_fixedRowHeights;   // pixels
    QList<int> m_fixedColWidths;    // pixels
    QList<int> m_alignment;         // per column
    FlexGridHeader* m_topHeader = nullptr;
    FlexGridHeader* m_leftHeader = nullptr;
    FlexGridCorner* m_corner = nullptr;
};

} // namespace ui
