// The article stage's row routine: the article line on which the article recordset
// stands into the last row of the article grid. It settles the quantities to carry,
// looks the article up (a line of another business unit gives its row to the next one),
// writes the line's first cells and runs the later steps on the same row.
#include "vouchers/loader/ArticleRow.h"

#include "frame/Config.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

QString NumberText(double value)
{
    // A difference that comes out as -0 is written 0.
    return vb::Trim(vb::CStr(vb::Variant(value == 0 ? 0.0 : value)));
}

QString NumberText(vb::Currency value)
{
    return vb::Trim(vb::CStr(vb::Variant(value)));
}

vb::Currency Converted(const ArticleRow& r, const vb::Variant& amount)
{
    return Converted(amount, r.Header("Cotizacion"));
}

bool KiloBase(const ArticleRow& r, bool enOtraUnidad)
{
    const QString kg = vb::Trim(gUnidadKG);
    if (!Same(r.LineText("TC"), "NP") || r.LineText("IdUnidadBase").compare(kg, Qt::CaseInsensitive) != 0)
        return false;
    return !enOtraUnidad || r.LineText("IdUnidad").compare(kg, Qt::CaseInsensitive) != 0;
}

namespace {

// In a delivery run each article takes one row: a line of an article already loaded
// gives up the row appended for it (a row that already holds another line is kept).
bool repeatedInRun(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    const vb::Variant reparto = ctx.cabecera.Fields(QStringLiteral("IdReparto")).Value();
    if (RunningProgram("Quimsadro") || reparto.isNull() || reparto.toDouble() != -1)
        return false;
    // The list holds each code after a comma.
    const QString codigo = r.LineText("IdArticulo");
    if ((ctx.articulosReparto + QLatin1Char(',')).contains(QLatin1Char(',') + codigo + QLatin1Char(','), Qt::CaseInsensitive)) {
        if (!vouchergrids::IsFilled(r.g, r.g.Rows() - 1))
            r.g.SetRows(r.g.Rows() - 1);
        return true;
    }
    ctx.articulosReparto += QLatin1Char(',') + codigo;
    return false;
}

// The article is looked up; one of another business unit is left out of an invoice
// (its row goes to the next line) but kept in an order invoice and its credit note.
bool leftOutByBusinessUnit(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    ctx.flagUNegocio = 1;
    r.hallado = FindArticle(ctx.articulos, r.articulo, ctx.flagUNegocio);
    return r.hallado && !Same(ctx.CpteDestino, "FP") && !Same(ctx.CpteDestino, "NCFP") && ctx.flagUNegocio == 2;
}

// The unit of the row: an order line kept in another unit of an article stocked in
// kilograms shows the kilogram unit; any other line its own unit.
QString rowUnit(const ArticleRow& r)
{
    return KiloBase(r, true) ? r.LineText("IdUnidadBase") : r.LineText("IdUnidad");
}

// The first cells of the row: code, description, unit, the line's own unit and the
// sequence of the source line.
void writeFirstCells(ArticleRow& r)
{
    r.PutLine(ColArticulo::IdArticulo, "IdArticulo");
    r.PutLine(ColArticulo::Descripcion, "Descripcion");
    r.Put(ColArticulo::Unidad, [&] { return rowUnit(r); });
    r.PutLine(ColArticulo::UnidadLinea, "IdUnidad");
    r.PutLine(ColArticulo::SecuenciaOrigen, "Secuencia");
}

} // namespace

void LoadArticleRow(LoadContext& ctx)
{
    ui::FlexGrid& g = *ctx.MSFlexGrid2;
    ArticleRow r(ctx, g);
    ctx.Step([&] { r.deposito = vouchergrids::SwitchOn(Cfg(QStringLiteral("PideDepositoEnCptes"))); });
    bool repetido = false;
    ctx.Step([&] { repetido = repeatedInRun(r); });
    if (repetido)
        return;
    // Never over a row that already holds an article.
    ctx.Step([&] {
        if (vouchergrids::IsFilled(g, g.Rows() - 1))
            g.SetRows(g.Rows() + 1);
    });
    r.row = g.Rows() - 1;

    SettleQuantities(r);
    bool fuera = false;
    ctx.Step([&] { fuera = leftOutByBusinessUnit(r); });
    if (fuera) {
        if (ctx.contador > 0)
            --ctx.contador;
        return;
    }
    writeFirstCells(r);
    WriteQuantitiesAndArticle(r);
    WriteAmounts(r);
    CompleteRow(r);
}

} // namespace voucherloader
