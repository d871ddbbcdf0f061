// The article stage's row routine: the article line on which the article recordset
// stands into the last row of the article grid. It writes the line's code, description,
// units and sequence; the quantities, prices, taxes and lots of the line are not
// carried yet.
#include "vouchers/loader/LoadContext.h"

#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

namespace {

// The unit of the row: an order line kept in another unit of an article stocked in
// kilograms shows the kilogram unit; any other line its own unit.
QString rowUnit(ado::Recordset& rs)
{
    const QString kg = vb::Trim(gUnidadKG);
    const QString base = Trimmed(rs, QStringLiteral("IdUnidadBase"));
    const QString unidad = Trimmed(rs, QStringLiteral("IdUnidad"));
    const bool enKilos = Same(Trimmed(rs, QStringLiteral("TC")), "NP") && base.compare(kg, Qt::CaseInsensitive) == 0
                      && unidad.compare(kg, Qt::CaseInsensitive) != 0;
    return enKilos ? base : unidad;
}

// The first cells of the row: code, description, unit, the line's own unit and the
// sequence of the source line.
void writeFirstCells(LoadContext& ctx, ui::FlexGrid& g)
{
    ado::Recordset& rs = ctx.articulos;
    auto put = [&](int col, const std::function<QString()>& text) {
        ctx.Step([&] { g.SetTextMatrix(g.Rows() - 1, col, text()); });
    };
    put(ColArticulo::IdArticulo, [&] { return Trimmed(rs, QStringLiteral("IdArticulo")); });
    put(ColArticulo::Descripcion, [&] { return Trimmed(rs, QStringLiteral("Descripcion")); });
    put(ColArticulo::Unidad, [&] { return rowUnit(rs); });
    put(ColArticulo::UnidadLinea, [&] { return Trimmed(rs, QStringLiteral("IdUnidad")); });
    put(ColArticulo::SecuenciaOrigen, [&] { return Trimmed(rs, QStringLiteral("Secuencia")); });
}

} // namespace

void LoadArticleRow(LoadContext& ctx)
{
    ui::FlexGrid& g = *ctx.MSFlexGrid2;
    // Never over a row that already holds an article.
    ctx.Step([&] {
        if (vouchergrids::IsFilled(g, g.Rows() - 1))
            g.SetRows(g.Rows() + 1);
    });
    writeFirstCells(ctx, g);
}

} // namespace voucherloader
