#pragma once
// The stock module: program-wide procedures of the voucher library around articles'
// units and stock. Each part is implemented in its own folder's library:
//   - units and equivalences (vouchers/grids), which stock posting and the lot dialogs
//     build on;
//   - stock posting and its balances (vouchers/stock), added below its own heading.
// Nothing here keeps state between calls: every call reads the database again.
#include <QString>

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
