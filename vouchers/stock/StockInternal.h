#pragma once
// Helpers shared by the stock sources of the voucher library; not part of its interface.
#include "frame/StatementBuilder.h"
#include "platform/vb/Currency.h"
#include "vouchers/grids/GridHelpers.h"
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace ado {
class Recordset;
}

namespace ui {
class FlexGrid;
}

namespace voucherstock {

// A code brought to the width of its column for a quoted literal: trimmed first.
QString Code(const QString& code, int width);
using vouchergrids::Literal;
// A field read null-safe (ValorCampo): its text, trimmed.
QString FieldText(ado::Recordset& rs, const QString& name);
// A field read null-safe as a number: numbers as they are, texts through TextoADoble.
double FieldDouble(ado::Recordset& rs, const QString& name);
// A yes/no column: set when not null and not one of the texts that read false.
bool FieldSet(ado::Recordset& rs, const QString& name);
// A code equal to the given one, both trimmed, without regard to case.
bool IsCode(const QString& value, const char* code);
// An amount as SQL reads it: "." decimals, no grouping.
QString SqlAmount(vb::Currency amount);

// Literals joined by "," for the IN lists of reads, a batch of them per list: one
// condition per code of a long voucher would grow past what a server parses.
QStringList InLists(const QStringList& literals);
// The article codes of the grid's lines, each once, as literals at their width.
QStringList ArticulosDeLaGrilla(const ui::FlexGrid& grid);

// A text of `largo` characters that no stored code reads like (it starts with "~"),
// different at every call: what collected rows carry until the batch that writes them
// sets the number they stand for.
QString Provisional(int largo);

// The query of the next automatic lot, column "Lote": one above the greatest automatic lot
// of V_MV_STOCK taken as a whole number of any width the lot holds (a stored lot that
// begins with a blank and is a whole number), "1" when there is none; right-aligned at the
// lot's width, as it is stored. `hint` goes after the table.
QString SiguienteLoteAutomatico(const QString& hint);

// The number of an internal stock voucher (TC, branch, letter) taken when the caller's
// batch runs, after the book of ActualizaNumeracionComprobante was chosen now:
// `reserva` moves the book on past the number the voucher takes (the book's next one,
// or past the highest stored when that is taken) and runs before its rows, whose
// IdComprobante is `id`, an expression that reads the book. A type without a book has
// no reserva: its rows carry the provisional `id`, which `corrige` (run after them)
// turns into one above the highest stored. Empty id when an error ended it.
struct NumeroAlCorrer {
    QString reserva;
    QString id;
    QString corrige;
};
NumeroAlCorrer NumeroComprobanteAlCorrer(const QString& TC, const QString& Sucursal, const QString& Letra);

// The lots of an article that have stock in a deposit (a literal as stock posting prepares
// it, or a bare code), each once with its balance over its shelves and serials: columns
// NROLOTE and CANTIDAD, in no order. `hint` goes after the view.
QString LotesConSaldo(const QString& IdArticulo, const QString& IdDeposito, const QString& hint);

// A component's exit drawn from its lots when the caller's batch runs, from their balances
// as they stand then: `plantilla` is the component's row (its NroLote a provisional lot that
// no stored lot reads like, its quantities the whole of it), whose sequence this sets aside
// and which the caller writes just before these statements; they add a row per lot in lot
// order, each taking what the lot holds up to what is still missing (the first lot all of a
// return), numbered from the plantilla's sequence on, and leave the plantilla with what the
// lots lack, without lot, numbered after them, or take it away when they cover it.
// `enStock` is the quantity as the lots keep it (not 0), `enUnidad` in the row's own unit;
// each lot row takes its share of it, the shares adding up to it. Plain statements, none of
// them conditional.
QStringList LotesAlCorrer(QVector<CampoValor>& plantilla, const QString& IdArticulo, const QString& IdDeposito, double enStock,
                          double enUnidad);

// A movement in the stock entry: its grid row, its own quantity (the row's when not
// given), the motive it went under (the call's when not given) and its stock sign: one
// that goes against the voucher's way (a production order's used goods, the second pass
// of a transfer) goes to the other sides; 0 goes the voucher's way.
struct MovimientoAsiento {
    int fila = 0;
    std::optional<double> cantidad;
    std::optional<QString> motivo;
    int signo = 0;
};

} // namespace voucherstock
