#pragma once
// The whole text of an item view's cell shown cut, as the cell's tool tip.

class QAbstractItemView;
class QHelpEvent;

namespace ui {

// Answers a tool-tip event on the view's viewport: the text of the cell under it when
// the cell is too narrow to show it whole; no tip over a cell that shows all it holds.
void ShowCutCellText(QAbstractItemView& view, const QHelpEvent& event);

} // namespace ui
