// The money of a loaded article line (cost, price without VAT, taxes, fuel tax, total,
// final prices from a sales line's final total), its unit coefficient and base unit, its
// lots and serials as stored, its VAT, and a purchase line's list price and supplier's
// code. Money is computed in Currency; amounts of a voucher in another currency are
// converted by the header's exchange rate.
#include "vouchers/loader/ArticleRow.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

namespace {

vb::Currency money(const QString& cell)
{
    return Utilidades->TextoAMoneda(cell);
}

vb::Currency magnitude(vb::Currency amount)
{
    return amount < vb::Currency() ? -amount : amount;
}

// A money amount divided by the line's quantity, as the grid shows a unit price; a line
// without quantity has a unit price of 0. The quantity is a double as stored: dividing by
// it rounded to four decimals would change the price, or divide by 0.
QString perUnit(ArticleRow& r, const char* amount)
{
    const vb::Variant cantidad = r.Stored("Cantidad");
    vb::Currency precio;
    if (!cantidad.isNull() && cantidad.toDouble() != 0)
        precio = vb::Currency::fromDouble(r.Line(amount).toDouble() / cantidad.toDouble());
    return FmtMoneda(NumberText(precio), -1, false);
}

// The unit coefficient: the line's equivalence to its base unit, when the line's unit is
// not its base unit; "1" when the line has none. A sales line's CantidadUd is its whole
// quantity in the base unit, not a coefficient.
void writeCoefficient(ArticleRow& r)
{
    r.ctx.Step([&] {
        const vb::Variant coeficiente = r.Stored("Equiv_UDBase");
        const vb::Variant unidad = r.Stored("IdUnidad");
        const vb::Variant base = r.Stored("IdUnidadBase");
        if (coeficiente.isNull())
            r.g.SetTextMatrix(r.row, ColArticulo::Coeficiente, QStringLiteral("1"));
        else if (!unidad.isNull() && !base.isNull() && !vouchergrids::SameCode(unidad.toString(), base.toString()))
            r.g.SetTextMatrix(r.row, ColArticulo::Coeficiente, r.LineText("Equiv_UDBase"));
    });
}

void writeMoney(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    if (ctx.ConvertirMoneda) {
        auto converted = [&](int col, const char* field) {
            r.Put(col, [&] { return NumberText(Converted(r, r.Line(field))); });
        };
        converted(ColArticulo::Costo, "Costo");
        converted(ColArticulo::PrecioSinIVA, "Importe_S_IVA");
        converted(ColArticulo::Impuestos, "Impuestos");
        r.Put(ColArticulo::ITC, [&] {
            return NumberText(Converted(r, vb::Variant(Utilidades->TextoAMoneda(FieldText(ctx.articulos, QStringLiteral("iTC"))))));
        });
        converted(ColArticulo::Total, "Total");
        return;
    }
    // A purchase line costs what its article costs today.
    r.Put(ColArticulo::Costo, [&] {
        if (!ctx.esCompra)
            return r.LineText("Costo");
        return Utilidades->ValorATexto(gDBPrincipal->DatosTabla(QStringLiteral("V_MA_ARTICULOS"),
                                                                vb::Variant(FieldText(ctx.articulos, QStringLiteral("IdArticulo"))),
                                                                QStringLiteral("Costo"), QStringLiteral("IdArticulo")));
    });
    r.PutLine(ColArticulo::PrecioSinIVA, "Importe_S_IVA");
    r.PutLine(ColArticulo::Impuestos, "Impuestos");
    r.PutLine(ColArticulo::ITC, "iTC");
    r.PutLine(ColArticulo::Total, "Total");
}

// Whether the line's sales price list includes VAT; with final prices, a line stored
// without VAT whose final total is larger shows the final total and its unit price.
void writeListedPrices(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    ado::Recordset lista;
    ctx.Step([&] {
        gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT CONIVA FROM  VT_MA_PRECIOS_ARTICULOS WHERE IDARTICULO = ")
                                         + Literal(FieldText(ctx.articulos, QStringLiteral("IdArticulo")))
                                         + QStringLiteral(" AND IDLISTA = ")
                                         + Literal(Utilidades->AjustaLargo(FieldText(ctx.articulos, QStringLiteral("IdLista")), 4))
                                         + QStringLiteral(" AND TIPOLISTA = 'V'"),
                                     lista);
    });
    r.Put(ColArticulo::ListaConIVA, [&] {
        if (lista.BOF())
            return QStringLiteral("0");
        const vb::Variant conIva = lista.Fields(QStringLiteral("CONIVA")).Value();
        return !conIva.isNull() && conIva.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    });
    ctx.Step([&] { gDBPrincipal->CierraRecordset(lista); });

    // A credit note for an invoice keeps the invoice's prices.
    if (Same(vb::Trim(ctx.CpteDestino), "NC") && Same(vb::Trim(ctx.TC), "FC"))
        return;
    bool final = false;
    ctx.Step([&] {
        const vb::Variant importe = r.Stored("Importe");
        const vb::Variant sinIva = r.Stored("Importe_S_IVA");
        const vb::Variant totalFinal = r.Stored("TotalFinal");
        const vb::Variant total = r.Stored("Total");
        final = ctx.preciosFinales && !importe.isNull() && !sinIva.isNull() && vb::Compare(importe, sinIva) == 0
             && !totalFinal.isNull() && !total.isNull() && magnitude(totalFinal.toCurrency()) > magnitude(total.toCurrency());
    });
    if (!final)
        return;
    r.PutLine(ColArticulo::Total, "TotalFinal");
    r.Put(ColArticulo::Importe, [&] { return perUnit(r, "TotalFinal"); });
}

// With final prices, a line without price list shows its final total and, unless it
// carries a discount, the unit price of its total (of its final total when the total
// is not above 0). A line without a final total keeps its stored total.
void writeUnlistedPrices(ArticleRow& r)
{
    r.Put(ColArticulo::Total, [&] {
        const vb::Currency totalFinal = r.Line("TotalFinal").toCurrency();
        return totalFinal == vb::Currency() ? r.Cell(ColArticulo::Total) : r.LineText("TotalFinal");
    });
    r.ctx.Step([&] {
        const vb::Currency total = r.Line("Total").toCurrency();
        if (total > vb::Currency() && r.Line("PorcDto").toCurrency() > vb::Currency())
            return;
        r.g.SetTextMatrix(r.row, ColArticulo::Importe, perUnit(r, total > vb::Currency() ? "Total" : "TotalFinal"));
    });
}

// The line total with its per-unit taxes and fuel tax: total + quantity x taxes +
// quantity x ITC, in double precision on the quantity as the row holds it; the result is
// the amount.
QString totalWithTaxes(ArticleRow& r)
{
    const double cantidad = Utilidades->TextoADoble(r.Cell(ColArticulo::Cantidad));
    const double conImpuestos = money(r.Cell(ColArticulo::Total)).toDouble()
                              + cantidad * money(r.Cell(ColArticulo::Impuestos)).toDouble();
    return NumberText(vb::Currency::fromDouble(conImpuestos + cantidad * money(r.Cell(ColArticulo::ITC)).toDouble()));
}

} // namespace

void WriteAmounts(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    writeCoefficient(r);
    r.Put(ColArticulo::UnidadBase, [&] {
        return r.Stored("IdUnidadBase").isNull() ? r.Cell(ColArticulo::Unidad) : r.LineText("IdUnidadBase");
    });
    ctx.Step([&] {
        if (!r.Stored("Presentacion").isNull())
            r.g.SetTextMatrix(r.row, ColArticulo::Presentacion, r.LineText("Presentacion"));
    });
    writeMoney(r);
    if (!ctx.ConvertirMoneda && !ctx.esCompra) {
        bool listada = false;
        ctx.Step([&] { listada = !r.Stored("IdLista").isNull(); });
        if (listada)
            writeListedPrices(r);
        else if (ctx.preciosFinales)
            writeUnlistedPrices(r);
    }

    // Lots and serials as the line stored them; an order has none yet.
    if (!Same(vb::Trim(ctx.TC), "NP")) {
        r.PutLine(ColArticulo::NroLote, "Nro_Lote");
        r.PutLine(ColArticulo::NroSerie, "Nro_Serie");
        r.PutLine(ColArticulo::LoteAduana, "ControladoPor");
        r.PutLine(ColArticulo::LoteOrigen, "IdOrigen");
    }
    r.Put(ColArticulo::EsExento, [&] {
        const vb::Variant exento = r.Stored("Exento");
        return !exento.isNull() && exento.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    });

    if (!ctx.esCompra) {
        ctx.Step([&] {
            if (money(r.LineText("AlicIVA")) > vb::Currency())
                r.g.SetTextMatrix(r.row, ColArticulo::IVA, r.LineText("AlicIVA"));
        });
        r.Put(ColArticulo::TotalLinea, [&] {
            return ctx.preciosFinales ? NumberText(money(r.Cell(ColArticulo::Total))) : totalWithTaxes(r);
        });
        return;
    }
    ctx.Step([&] {
        const vb::Variant lista = r.Stored("Precio_Lista");
        if (!lista.isNull())
            r.g.SetTextMatrix(r.row, ColArticulo::PrecioLista,
                              ctx.ConvertirMoneda ? NumberText(Converted(r, lista)) : vb::CStr(lista));
    });
    r.Put(ColArticulo::TotalLinea, [&] { return totalWithTaxes(r); });
    r.Put(ColArticulo::CodigoArtProveedor, [&] { return FieldText(ctx.articulos, QStringLiteral("CodigoArtProveedor")); });
}

} // namespace voucherloader
