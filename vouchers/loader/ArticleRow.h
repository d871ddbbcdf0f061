#pragma once
// One stored article line on its way into the article grid: what the steps of the
// article stage's row routine hand on to each other. The routine (LoadArticleRow) runs
// the steps in the order they are declared below, all on the same grid row.
#include "vouchers/loader/LoadContext.h"

#include "platform/ui/FlexGrid.h"
#include "platform/zeltrix/Services.h"

namespace voucherloader {

struct ArticleRow {
    ArticleRow(LoadContext& context, ui::FlexGrid& grid) : ctx(context), g(grid), row(grid.Rows() - 1) {}
    ArticleRow(const ArticleRow&) = delete;
    ArticleRow& operator=(const ArticleRow&) = delete;

    LoadContext& ctx;
    ui::FlexGrid& g;
    // The grid row the line's cells go to: the last row, or, once the line has been
    // folded into an earlier row of the same piece, that row.
    int row;

    bool deposito = false;   // "PideDepositoEnCptes": the line's deposit is carried
    double aLlevar = 0;      // quantity to carry
    double aplicada = 0;     // applied quantity; negated under the negative-quantity mark
    // Nothing of the line is pending (more was applied than it holds): the quantity and
    // the pending quantity are both 0.
    bool sinPendiente = false;
    // The article's master row (BuscaArticulo), read until the row is complete; only
    // when `hallado`.
    ado::Recordset articulo;
    bool hallado = false;

    // Fields of the stored line and of the source's header: through ValorCampo (never
    // Null), as stored (Null stays Null), and as trimmed text.
    vb::Variant Line(const char* field) const { return Value(ctx.articulos, QLatin1String(field)); }
    vb::Variant Stored(const char* field) const { return ctx.articulos.Fields(QLatin1String(field)).Value(); }
    QString LineText(const char* field) const { return Trimmed(ctx.articulos, QLatin1String(field)); }
    vb::Variant Header(const char* field) const { return Value(ctx.cabecera, QLatin1String(field)); }
    QString ArticleText(const char* field) { return Trimmed(articulo, QLatin1String(field)); }

    QString Cell(int col) const { return g.TextMatrix(row, col); }
    // Writes one cell of the line's row as one statement of the load.
    void Put(int col, const std::function<QString()>& text)
    {
        ctx.Step([&] { g.SetTextMatrix(row, col, text()); });
    }
    void PutLine(int col, const char* field)
    {
        Put(col, [&] { return LineText(field); });
    }
};

// The text a number takes in a cell.
QString NumberText(double value);
QString NumberText(vb::Currency value);
// An amount of the line times the header's exchange rate, computed in money.
vb::Currency Converted(const ArticleRow& r, const vb::Variant& amount);
// An order line of an article whose base unit is the kilogram unit; `enOtraUnidad` asks
// also that the line be kept in another unit.
bool KiloBase(const ArticleRow& r, bool enOtraUnidad);

// The steps after the line's first cells, in the order they run.
void SettleQuantities(ArticleRow& r);          // quantity to carry and applied quantity
void WriteQuantitiesAndArticle(ArticleRow& r); // quantity, prices, the article's own data
void WriteAmounts(ArticleRow& r);              // money, VAT, lots, purchase data
void CompleteRow(ArticleRow& r);               // pending quantity, timber data, marks
// Folds the line's row into the first earlier row of the same piece (code, unit,
// measures, unit price): true when it did, and r.row is then that row.
bool MergeRepeatedRow(ArticleRow& r);

} // namespace voucherloader
