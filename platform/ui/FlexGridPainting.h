#pragma once
// How a FlexGrid looks: scrolling cells with their colours and alignment, the current
// cell framed, the selection highlighted, fixed cells grey and raised.
#include <QHash>
#include <QHeaderView>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QWidget>

namespace ui {

class FlexGrid;

// Qt alignment of a VB ColAlignment value; "general" aligns numbers right.
Qt::Alignment QtAlignment(int flexAlignment, const QString& text);

class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Cell (row, col) of the grid in option.rect, its text in the painter's font (the
    // grid's cell font).
    void paintCell(QPainter& painter, const QStyleOptionViewItem& option, int row, int col) const;
    // The texts laid out so far go (the grid's font changed).
    void forgetTexts();

private:
    // A cell's text laid out once, drawn at every repaint that shows it: a scroll step
    // repaints mostly texts that were on screen a moment ago.
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    FlexGrid* m_grid;
    mutable QHash<QString, QStaticText> m_laidOut;
};

// The fixed rows (horizontal) or fixed columns (vertical) of the scrolling columns or rows:
// one header section per scrolling column or row, as tall or wide as the fixed lines.
class FlexGridHeader : public QHeaderView {
public:
    FlexGridHeader(Qt::Orientation orientation, FlexGrid* grid);
    QSize sizeHint() const override;
    // One fixed cell, in the grid's colours unless it has its own.
    static void paintFixedCell(const FlexGrid& grid, QPainter& painter, const QRect& rect,
                               int row, int col);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    FlexGrid* m_grid;
};

// The cells where fixed rows and fixed columns meet.
class FlexGridCorner : public QWidget {
public:
    explicit FlexGridCorner(FlexGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FlexGrid* m_grid;
};

} // namespace ui
