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
// A voucher's complement as statements compare and write it: a whole number, optionally
// signed, blanks around it ignored. An empty text, or one that is not a whole number
// ("abc", "0'", "1.5"), is 0, never rounded; a whole number beyond the Long range raises
// error 6 naming it ("El complemento ... está fuera de rango").
qint32 Complemento(const QString& IdComplemento);
// Its SQL literal: the number's digits, with no apostrophes.
QString ComplementLiteral(const QString& IdComplemento);
// A number given as text as a money literal: "." as decimal separator, no grouping, only
// the decimals needed; what is not a number is 0. Beyond the money range raises error 6
// naming the value: `name` + " " + the text + " está fuera de rango".
QString MoneyLiteral(const QString& text, const QString& name);
// The article lines of a printed sheet as CANTLINEAS holds them; 0, no limit, when it is
// 0 or less or not a number. Beyond the 16-bit range raises error 6.
qint16 LineasPorHoja(const QString& cantLineas);
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
