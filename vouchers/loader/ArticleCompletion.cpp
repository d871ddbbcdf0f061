// The last cells of a loaded article line: its pending quantity and source voucher, a
// timber-trade line's measures, price unit and unit price (and the fold of a repeated
// piece into its earlier row), the bulk quantities, the exempt mark and rate of proforma
// and legally exempt lines, and the equivalence columns recomputed.
#include "vouchers/loader/ArticleRow.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

namespace {

constexpr long kBlanco = 0xFFFFFF;

// Column 23, with the sign the quantity of column 7 takes: negative under the
// negative-quantity mark (which has already negated the applied quantity), and 0 when
// column 7 found nothing pending.
QString pendingQuantity(ArticleRow& r)
{
    if (r.sinPendiente)
        return QStringLiteral("0");
    const bool negativas = r.ctx.cantidadesNegativas;
    const double aplicada = negativas ? -r.aplicada : r.aplicada;
    const double pendiente = RunningProgram("Brontavel") ? r.aLlevar : r.Line("Cantidad").toDouble() - aplicada;
    return NumberText(negativas ? -pendiente : pendiente);
}

// The cell keeps its text but is written in white: a measure the piece does not use.
void paintWhite(ArticleRow& r, int col)
{
    r.ctx.Step([&] {
        r.g.SetCol(col);
        r.g.SetRow(r.row);
        r.g.SetCellForeColor(kBlanco);
    });
}

// A timber-trade line: sold by measures or not, its measures, price unit and unit
// price; then the fold into an earlier row of the same piece.
void writeTimber(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    bool porMedidas = false;
    ctx.Step([&] {
        // The article's row is at hand when the line's code found it as an article code.
        const QString codigo = FieldText(ctx.articulos, QStringLiteral("IdArticulo"));
        QString pide = r.hallado && vouchergrids::SameCode(r.ArticleText("IdArticulo"), codigo)
                         ? r.ArticleText("PIDEMEDIDAS")
                         : vb::Trim(Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
                               QStringLiteral("V_MA_ARTICULOS"), vb::Variant(codigo), QStringLiteral("PIDEMEDIDAS"),
                               QStringLiteral("IDARTICULO"))));
        if (pide.isEmpty())
            pide = QStringLiteral("FALSO");
        porMedidas = ValorBooleano(pide, true);
    });
    r.Put(ColArticulo::PideMedidas, [&] { return porMedidas ? QStringLiteral("1") : QStringLiteral("0"); });
    if (porMedidas) {
        r.PutLine(ColArticulo::Espesor, "Espesor");
        r.PutLine(ColArticulo::Ancho, "Ancho");
        r.PutLine(ColArticulo::UnidadLinea, "IdUnidad");
        bool tiras = false;
        ctx.Step([&] { tiras = r.Cell(ColArticulo::Unidad).compare(vb::Trim(gMadTiras), Qt::CaseInsensitive) == 0; });
        if (tiras)
            r.PutLine(ColArticulo::Largo, "Equiv_UDBase");
        else
            paintWhite(r, ColArticulo::Largo);
    } else {
        for (int col : {ColArticulo::Espesor, ColArticulo::Ancho, ColArticulo::Largo})
            paintWhite(r, col);
    }
    r.PutLine(ColArticulo::UnidadPrecio, "Ud_Pr");
    r.Put(ColArticulo::ImporteUnidad, [&] {
        return ctx.ConvertirMoneda ? NumberText(Converted(r, r.Line("Importe_Ud"))) : r.LineText("Importe_Ud");
    });
}

// Cubic metres, bundles and kilograms of the line; a line folded into an earlier row
// adds its own to that row's.
void writeBulk(ArticleRow& r, bool merged)
{
    auto put = [&](int col, const std::function<vb::Variant()>& value) {
        r.Put(col, [&] {
            if (!merged)
                return Utilidades->ValorATexto(value());
            return NumberText(Utilidades->TextoADoble(r.Cell(col))
                              + Utilidades->TextoADoble(Utilidades->ValorATexto(value())));
        });
    };
    put(ColArticulo::CantBL, [&] { return KiloBase(r, false) ? r.Line("Equiv_UDBase") : r.Line("Cant_BL"); });
    put(ColArticulo::CantKG, [&] { return r.Line("CANT_KG"); });
    put(ColArticulo::CantM3, [&] { return r.Line("CANT_M3"); });
}

// A proforma invoice: an article described "PROFORMA" is exempt; "PROFORMA" and a rate
// gives the line that rate.
void writeProforma(ArticleRow& r)
{
    r.ctx.Step([&] {
        const QString abreviada = r.ArticleText("Descripabrev");
        if (Same(abreviada, "PROFORMA"))
            r.g.SetTextMatrix(r.row, ColArticulo::EsExento, QStringLiteral("1"));
        else if (vb::Len(abreviada) > 8 && Same(vb::Left(abreviada, 8), "PROFORMA"))
            r.g.SetTextMatrix(r.row, ColArticulo::IVA, vb::Mid(abreviada, 9));
    });
}

} // namespace

void CompleteRow(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    r.Put(ColArticulo::RestoPorAplicar, [&] { return pendingQuantity(r); });
    r.Put(ColArticulo::IdComprobanteFuente, [&] { return vb::Trim(ctx.SucNroLetra); });
    bool merged = false;
    if (gMaderera && !ctx.esCompra) {
        writeTimber(r);
        merged = MergeRepeatedRow(r);
    }
    writeBulk(r, merged);
    // The article's own marks need its master row: a line of an unknown article has none.
    if (r.hallado) {
        if (Same(ctx.CpteDestino, "FP") || Same(ctx.CpteDestino, "NCFP"))
            writeProforma(r);
        ctx.Step([&] {
            if (Same(vb::Trim(FieldText(ctx.cabecera, QStringLiteral("CondicionIva"))), "3")
                && Same(r.ArticleText("procedencia"), "EXENTO LEY"))
                r.g.SetTextMatrix(r.row, ColArticulo::EsExento, QStringLiteral("1"));
        });
    }
    ctx.Step([&] { r.g.SetRow(r.row); });
    ctx.Step([&] { ActualizaColumnasEquivalencia(&r.g); });
}

} // namespace voucherloader
