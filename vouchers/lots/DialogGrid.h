#pragma once
// What the position, lot-and-serial and size dialogs share about their grids: quantities
// typed and written in one number format, the checks of a take, sums compared as money,
// the proposal of a requested quantity, column widths, the question about the total and
// the floating cell editor. Not part of the voucher class's interface.
#include "platform/vb/Currency.h"
#include <QString>
#include <functional>

class CajaTexto;

namespace ui {
class FlexGrid;
}

namespace lotdialogs {

// Titles of the two lot dialogs' boxes: refusals, and questions about the total.
inline const QString kAviso = QStringLiteral("Aviso al Operador");
inline const QString kAvisoTotal = QStringLiteral("Aviso al Operador!!!");

// A quantity as the operator types it (the workstation's separators, grouping only in
// threes): an empty or blank text is 0; false for any other text that is no number.
bool ReadQuantity(const QString& text, vb::Currency& value);
// A cell's quantity for sums and comparisons: what ReadQuantity reads, 0 for anything else.
vb::Currency CellQuantity(const QString& text);
// A quantity as the dialogs write it into their cells and lists, and read it back: the
// workstation's decimal separator, no grouping, at most four decimals ("2.5", "10").
QString QuantityText(vb::Currency value);
QString QuantityText(double value);   // rounded half to even to four decimals

// Why a take typed for a row cannot stand, or "" when it can: it is no number, it is
// below zero, it is not whole (when `whole`), it is above the row's available quantity
// (`aboveMessage`).
QString TakeRefusal(const QString& text, vb::Currency available, const QString& aboveMessage, bool whole);
// A refusal in its box: critical icon, OK, "Aviso al Operador".
void ShowRefusal(const QString& message);

// The sum of a column over the data rows, row `except` left out (-1: none).
vb::Currency SumColumn(const ui::FlexGrid& grid, int col, int except = -1);

// Spreads `requested` over the data rows from the first, in grid order: each row's take
// column gets what it held plus what is left, up to its available column; the walk stops
// once everything is placed. What the rows cannot hold stays unplaced.
void Distribute(ui::FlexGrid& grid, int availableCol, int takeCol, vb::Currency requested);

// Each column that is not hidden becomes as wide as as many "X" as its longest text
// (header included), never narrower than `minimumX` of them nor than its widest text; a
// column without text keeps its width.
void FitColumns(ui::FlexGrid& grid, int minimumX = 0);
// A column that is not hidden becomes wide enough for `length` characters (what its
// editor takes), when it is narrower.
void FitLength(ui::FlexGrid& grid, int col, int length);
// The pixels the grid needs to show all its columns side by side.
int GridWidth(const ui::FlexGrid& grid);

// Toolbar buttons: the text into the same column of every data row below `row`.
void FillDown(ui::FlexGrid& grid, int row, int col, const QString& text);

// OK's check of the total taken against the requested quantity, compared as money.
// A total above asks whether to raise the request to it; a total below asks whether to
// lower it when `askBelow`, else shows `belowNotice` and stays. No to a question shows
// the total the rows must reach. True when OK goes on (`requested` may have changed).
bool ConfirmTotal(vb::Currency total, double& requested, bool askBelow, const QString& belowNotice);

// The editor's KeyDown: a key that confirms an edit (Enter, Esc, Up, Down) other than Esc
// first passes `check` (false keeps the editor open on its text); then `act` handles it.
// Either way the key is spent, so that it never reaches the dialog's default button.
// Other keys are left to the editor.
void ConfirmingKey(int& KeyCode, const std::function<bool()>& check, const std::function<void()>& act);

// The floating editor of a dialog's grid: one text box laid over the current cell. The
// box is a child of the grid's own parent.
class CellEditor {
public:
    CellEditor(ui::FlexGrid& grid, CajaTexto& box) : grid_(grid), box_(box) {}

    bool IsOpen() const;
    // Opens the box over the current cell, brought into view first: a printable key
    // (code above 32, or negative) becomes its whole text with the caret after it; any
    // other key (Enter, space, backspace, Esc) opens it on the cell's text with the caret
    // at the end. The box takes the focus.
    void Open(int KeyAscii);
    // Hides the box and drops its text; the grid takes the focus.
    void Drop();
    // The grid takes the focus; when no focus event reaches it (it had the focus, or the
    // window is not active) `gotFocus` runs all the same, so that an open box's text
    // lands in its cell before the cursor moves.
    void FocusGrid(const std::function<void()>& gotFocus);
    // What a confirming key does once the edit passed its check: Enter, Up and Down let
    // the text land (FocusGrid, then pending events run); Enter then runs `enterMove`, Up
    // and Down move the cursor one data row, keeping its column; Esc drops the edit. The
    // current cell ends in view.
    void AfterConfirm(int KeyCode, const std::function<void()>& gotFocus, const std::function<void()>& enterMove);

private:
    ui::FlexGrid& grid_;
    CajaTexto& box_;
};

} // namespace lotdialogs
