// PintarFila and PintarColuma: cell colours of a row or of part of a column.
#include "vouchers/ClsCmnCptes.h"

#include "platform/ui/FlexGrid.h"
#include "vouchers/grids/GridHelpers.h"

void ClsCmnCptes::PintarFila(qint32 Fila, ui::FlexGrid* MsFlexGrid, long Color)
{
    ui::FlexGrid& grid = vouchergrids::Need(MsFlexGrid);
    const int col = grid.Col();
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetCol(c);
        grid.SetRow(Fila);
        grid.SetCellBackColor(Color);
    }
    grid.SetCol(col);
}

void ClsCmnCptes::PintarColuma(qint32 Columna, ui::FlexGrid* MsFlexGrid, qint32 FilaDesde, qint32 FilaHasta, long Color)
{
    // Every statement runs whatever the one before it did.
    const auto step = vouchergrids::ResumeNext;
    int row = 0;
    int rows = 0;
    step([&] { row = vouchergrids::Need(MsFlexGrid).Row(); });
    step([&] { rows = vouchergrids::Need(MsFlexGrid).Rows(); });
    if (FilaDesde == -1)
        FilaDesde = 0;
    if (FilaHasta == -1)
        FilaHasta = rows - 1;
    for (qint32 r = FilaDesde; r <= FilaHasta; ++r) {
        step([&] { vouchergrids::Need(MsFlexGrid).SetCol(Columna); });
        step([&] { vouchergrids::Need(MsFlexGrid).SetRow(r); });
        step([&] { vouchergrids::Need(MsFlexGrid).SetCellBackColor(Color); });
    }
    step([&] { vouchergrids::Need(MsFlexGrid).SetRow(row); });
}
