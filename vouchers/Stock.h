#pragma once
// The stock module: program-wide procedures of the voucher library around articles'
// units and stock. Each part is implemented in its own folder's library:
//   - units and equivalences (vouchers/grids), which stock posting and the lot dialogs
//     build on;
//   - stock posting and its balances (vouchers/stock), added below its own heading.
// Nothing here keeps state between calls: every call reads the database again.
#include <QString>
#include <QVector>

namespace ui {
class FlexGrid;
}

// =====================================================================
// units and equivalences (vouchers/grids)
// =====================================================================
//
// S_TA_EQUIV relates two units of one article. A row (IdArticulo, IDUNIDAD = B,
// IDUNIDAD_EQUIV = U, Coeficiente = c) is the direct row from B to U and the reverse row
// from U to B. A coefficient of 0 or Null counts as no equivalence.

// The article's stock unit (IDUNIDAD of V_MA_ARTICULOS), trimmed; "" for an article
// that does not exist or has none.
QString ObtieneUnidadArticulo(const QString& IdArticulo);

// Whether the article relates UnidadBase (B) and Unidad (U): the direct row first
// (Operador "/"), else the reverse row (Operador "*"), with its coefficient. An empty B
// takes the article's stock unit and is handed back; when there is none, SinUnidadBase
// is set and the answer is false with B and Operador untouched. Without a row the
// answer is false, Coeficiente 0 and Operador untouched. Errors go to the data layer's
// error dialog.
bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& Unidad, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidadBase);

// A quantity in unit B converted to unit U, rounded to four decimals (half to even):
// c × q through a direct row, q ÷ c through a reverse one; 0 without an equivalence.
// q = 0 gives 0 and B equal to U gives q, both without a query. An empty B takes the
// article's stock unit and is handed back. Unit codes compare without regard to case or
// outer blanks, as the 4-character codes they stand for.
double ConvierteCantidadxEquiv(const QString& IdArticulo, QString& UnidadBase, double Cantidad, const QString& Unidad);

// The same pair of units read the other way, not rounded: q ÷ c through a direct row,
// c × q through a reverse one; q unchanged without an equivalence.
double ConvierteCantidadUnidad(const QString& IdArticulo, QString& UnidadBase, double Cantidad, const QString& Unidad);

// Fills the M3, BL and KG quantity columns of the article grid's current row from its
// article, unit, quantity and equivalent unit and quantity (gUnidadM3, gUnidadBL,
// gUnidadKG). The BL column is left alone on a row that asks for its equivalence.
// Unit codes compare without regard to case or outer blanks. An absent grid raises 91.
void ActualizaColumnasEquivalencia(ui::FlexGrid* MSFlexGrid2);

// =====================================================================
// stock posting and balances (vouchers/stock)
// =====================================================================

// A text of N characters, as a fixed-length field of a record holds it: a value put in
// is left-aligned and filled with blanks, or cut to N characters; a field never written
// holds N NUL characters (readers pass such texts through QuitaMarcas).
template <int N>
class TextoFijo {
public:
    TextoFijo() : text_(N, QChar(0)) {}
    TextoFijo(const QString& value) { *this = value; }
    TextoFijo& operator=(const QString& value)
    {
        text_ = value.left(N).leftJustified(N, QLatin1Char(' '));
        return *this;
    }
    operator const QString&() const { return text_; }
    const QString& Texto() const { return text_; }

private:
    QString text_;
};

// An article or a lot with its unit and quantity: the components of a manufactured
// article (code, unit, quantity per unit produced) or the lots that cover a component's
// quantity (lot, blank unit, quantity taken from the lot).
struct RegArticuloCantidad {
    TextoFijo<25> Codigo;   // article code or lot number; a blank lot: taken without lot
    TextoFijo<4> Unidad;
    double Cantidad = 0;
};

// The IdComprobante (branch, number, letter) under which an internal stock voucher of
// TC is written: the next number of the type's book for the branch and letter asked,
// moved past the highest stored in V_MV_STOCK when the book's number is already there.
// A type without a book gets "0001" (or its branch), "00000001" and its letter. Nothing
// is recorded or reserved: the caller records the number when it writes the rows (see
// ActualizaNumeracionComprobante). Empty when an error ended it.
QString AsignarNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Letra);

// The article's balance in a unit and deposit (STK_SALDOS_UNIDADES), or, with a blank
// deposit, summed over all deposits; with gUsaStockUdKg the balance in units of
// STK_STOCK_UDKG, where the unit plays no part. No row reads 0. A blank article leaves
// Stock as it was; so does an error.
void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& IdUnidad, double& Stock);

// Whether the article has components (V_MA_INSUMOS). Insumos is made one fresh element
// long; unless SoloConsulta, it receives the components in the order read, followed by
// that fresh element.
bool IdArticuloTieneInsumos(const QString& IdArticulo, QVector<RegArticuloCantidad>& Insumos, bool SoloConsulta);

// Whether some lot of the article has stock in the deposit (a lot's balance over its
// positions and serials), the deposit a literal as stock posting prepares it ('   1',
// NULL) or a code; "ELDELGRID" answers false at once and leaves Lotes alone. Otherwise
// Lotes receives, in lot order, the lots that cover Cantidad (the last one cut to what
// was still missing) and, for what they do not cover, one element without lot. No
// element carries a quantity of 0.
bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, QVector<RegArticuloCantidad>& Lotes,
                        double Cantidad);
