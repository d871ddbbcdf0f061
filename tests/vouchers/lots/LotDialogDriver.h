#pragma once
// Plays the operator on the lot, position and size dialogs: the dialog as the active
// window, keys typed into a grid cell through its floating editor, and the grid read back.
#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

class CajaTexto;
class QWidget;

namespace ui {
class FlexGrid;
}

namespace lotstest {

// Shows the dialog (when it is not yet) and makes it the active window, so that the
// focus moves between its controls as it does for an operator.
void Activate(QWidget& dialog);
// Puts the grid cursor on the cell and gives the grid the focus.
void GoTo(ui::FlexGrid* grid, int row, int col);
// Types text on the current cell: its first key opens the editor, the rest goes to the
// editor, then `confirm` is pressed in it.
void TypeCell(ui::FlexGrid* grid, CajaTexto* editor, const QString& text, Qt::Key confirm = Qt::Key_Return);
// The voucher's article grid with one line per (article, column 21, column 22).
void VoucherLines(ui::FlexGrid* grid, const QList<QStringList>& lines);
// The texts of one column over the data rows.
QStringList Column(const ui::FlexGrid* grid, int col);

} // namespace lotstest
