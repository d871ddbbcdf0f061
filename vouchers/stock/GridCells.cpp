// The cells of the article grid that a posting writes, kept with what they held before,
// so that a posting that fails (or is run again) leaves the grid as it came.
#include "vouchers/stock/StockPosting.h"

#include "platform/ui/FlexGrid.h"

namespace voucherstock {

CeldasEscritas::CeldasEscritas(ui::FlexGrid& grid) : g_(grid), fila_(grid.Row()) {}

void CeldasEscritas::Escribe(int fila, int columna, const QString& texto)
{
    const QPair<int, int> celda(fila, columna);
    if (!antes_.contains(celda))
        antes_.insert(celda, g_.TextMatrix(fila, columna));
    g_.SetTextMatrix(fila, columna, texto);
}

void CeldasEscritas::Restaura()
{
    for (auto it = antes_.cbegin(); it != antes_.cend(); ++it)
        g_.SetTextMatrix(it.key().first, it.key().second, it.value());
    antes_.clear();
    if (fila_ >= 0 && fila_ < g_.Rows() && g_.Row() != fila_)
        g_.SetRow(fila_);
}

} // namespace voucherstock
