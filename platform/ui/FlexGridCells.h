#pragma once
// The cells of a FlexGrid, fixed ones included, kept line by line in plain lists: a line
// holds texts and colours only once one of its cells is given one, so an empty row costs
// a few bytes and no cell is an object. As a table model it shows the view the scrolling
// cells only: model (r, c) is cell (r + fixedRows, c + fixedCols).
//
// Writing a text or a colour raises no model signal: the grid repaints what it shows in
// one pass, however many cells code writes in a row.
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace ui {

// Hears of a change of a cell's text: its row, the text before and after. A line that
// comes or goes counts as a change from or to an empty text.
using ColumnWatch = std::function<void(int row, const QString& before, const QString& after)>;

class FlexGridCells : public QAbstractTableModel {
public:
    explicit FlexGridCells(QObject* parent = nullptr);

    int rows() const { return int(m_lines.size()); }
    int cols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }

    // Cells are addressed as the grid numbers them; callers check the range.
    const QString& text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // Invalid: the grid's own colour.
    QColor back(int row, int col) const { return color(m_lines[row].back, col); }
    QColor fore(int row, int col) const { return color(m_lines[row].fore, col); }
    void setBack(int row, int col, const QColor& color) { setColor(m_lines[row].back, col, color); }
    void setFore(int row, int col, const QColor& color) { setColor(m_lines[row].fore, col, color); }

    // Rows and columns added or dropped at the end; the fixed lines stay.
    void resize(int rows, int cols);
    // A line at `row` (a scrolling one, or the end) holding `texts` from column 0.
    void insertLine(int row, const QStringList& texts);
    void removeLine(int row);
    // Every text and colour gone; the structure stays.
    void clearCells();
    // One watch per column; an empty function ends it. A watch must not throw.
    void watch(int col, ColumnWatch watch);
    // Moves the border between fixed and scrolling cells and sets the size: the view
    // starts over (its row heights and column widths are the caller's to give back).
    void reshape(int fixedRows, int fixedCols, int rows, int cols);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Line {
        QList<QString> text;   // up to the last column written
        QList<QColor> back;    // empty until a cell of the line gets a colour
        QList<QColor> fore;
    };

    static QColor color(const QList<QColor>& colors, int col)
    {
        return col < colors.size() ? colors[col] : QColor();
    }
    void store(int row, int col, const QString& text);
    void setColor(QList<QColor>& colors, int col, const QColor& color);
    void truncateColumns(int cols);
    // Tells the watches of the columns from `fromCol` on that the texts of lines
    // [first, last) are going.
    void dropping(int first, int last, int fromCol = 0) const;

    QList<Line> m_lines;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    QList<std::pair<int, ColumnWatch>> m_watches;
};

} // namespace ui
