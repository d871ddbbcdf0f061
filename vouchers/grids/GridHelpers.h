#pragma once
// Helpers shared by the grid operations of the voucher class; not part of its interface.
#include <QString>
#include <functional>

#include <initializer_list>

class DbTrap;

namespace ado {
class Recordset;
}

namespace ui {
class FlexGrid;
}

namespace vouchergrids {

// Divides a lot from its serial inside one value of a lot list.
inline const QChar kSeparadorLoteSerie(0x00FF);

// The grid behind a grid argument; an absent grid raises 91.
ui::FlexGrid& Need(ui::FlexGrid* grid);
// A configuration switch is on when its value is "SI", in any case.
bool SwitchOn(const QString& value);
// A field of a recordset's current row as text, Null as "" (ValorCampo, ValorATexto).
QString FieldText(ado::Recordset& rs, const QString& name);
// A text as a SQL literal: between apostrophes, its own apostrophes doubled.
QString Literal(const QString& text);
// Codes compare trimmed and without regard to case.
bool SameCode(const QString& a, const QString& b);
// A data row counts when its code (column 0), trimmed, is not empty.
bool IsFilled(const ui::FlexGrid& grid, int row);

// Runs the statements in order, each under the trap; false when the procedure must be left.
bool RunSteps(const DbTrap& trap, std::initializer_list<std::function<void()>> statements);

// Runs the statements, each under the trap, for every filled data row of a grid; false
// when the procedure must be left. An absent grid has no rows.
bool ForFilledRows(const DbTrap& trap, ui::FlexGrid* grid,
                   std::initializer_list<std::function<void(int row)>> statements);

// Runs a statement and drops its run-time error, so that the next statement runs (the
// procedures that go on whatever fails).
void ResumeNext(const std::function<void()>& statement);

} // namespace vouchergrids
