// ExisteEnGrid, the duplicate checks of the three item grids, and NumeroEsFraccion.
#include "vouchers/ClsCmnCptes.h"

#include "platform/ui/FlexGrid.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

#include <cmath>

namespace {

// The first data row but FilaIgnorar whose code is Codigo.
bool repeated(ui::FlexGrid* grid, const QString& Codigo, qint32 FilaIgnorar, qint32& FilaEncontrada)
{
    ui::FlexGrid& g = vouchergrids::Need(grid);
    for (qint32 row = 1; row < g.Rows(); ++row) {
        if (row == FilaIgnorar)
            continue;
        if (vouchergrids::SameCode(g.TextMatrix(row, ColItem::Codigo), Codigo)) {
            FilaEncontrada = row;
            return true;
        }
    }
    return false;
}

} // namespace

bool ClsCmnCptes::ExisteEnGrid(ui::FlexGrid* MsFlexGrid, const QString& idArt)
{
    ui::FlexGrid& g = vouchergrids::Need(MsFlexGrid);
    // The header row is searched too.
    for (qint32 row = 0; row < g.Rows(); ++row)
        if (vouchergrids::SameCode(g.TextMatrix(row, ColItem::Codigo), idArt))
            return true;
    return false;
}

bool ClsCmnCptes::TareaRepetida(ui::FlexGrid* MSFlexGrid1, const QString& Tarea, qint32 FilaIgnorar, qint32& FilaEncontrada)
{
    return repeated(MSFlexGrid1, Tarea, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::ArticuloRepetido(ui::FlexGrid* MSFlexGrid2, const QString& Articulo, qint32 FilaIgnorar,
                                   qint32& FilaEncontrada)
{
    return repeated(MSFlexGrid2, Articulo, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::OtrosConceptosRepetidos(ui::FlexGrid* MSFlexGrid3, const QString& OtroConcepto, qint32 FilaIgnorar,
                                          qint32& FilaEncontrada)
{
    return repeated(MSFlexGrid3, OtroConcepto, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::NumeroEsFraccion(const vb::Variant& Numero)
{
    // Any number: its whole part is compared after rounding half to even, in doubles.
    const double value = Utilidades->TextoADoble(Numero.toString());
    return value != std::nearbyint(value);
}
