#pragma once
// Whether an item view's cell shows its text whole, and the whole text of a cut cell as
// the cell's tool tip.

class QAbstractItemView;
class QHelpEvent;
class QModelIndex;

namespace ui {

// The width in pixels that the view's delegate needs to draw the cell whole: its text,
// its icon or check box, and the style's margins (a tree's indentation not counted).
int CellWidthHint(const QAbstractItemView& view, const QModelIndex& index);

// Answers a tool-tip event on the view's viewport: the text of the cell under it when
// the cell is too narrow to show it whole; no tip over a cell that shows all it holds.
void ShowCutCellText(QAbstractItemView& view, const QHelpEvent& event);

} // namespace ui
