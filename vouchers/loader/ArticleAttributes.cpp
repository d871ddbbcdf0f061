// The quantity, units and prices of a loaded article line, and what the article's master
// row says of it: type, presentation, the exempt, serial, lot, perishable, size,
// equivalence and weighing marks, barcode, account, supplier's code and VAT rate.
#include "vouchers/loader/ArticleRow.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"

namespace voucherloader {

namespace {

// A yes/no cell from a stored mark: "-1" when it is set; "0" when it is not, empty or Null.
QString mark(const vb::Variant& stored)
{
    if (stored.isNull() || (stored.type() == vb::VarType::String && vb::Trim(stored.toString()).isEmpty()))
        return QStringLiteral("0");
    return stored.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
}

// Whether more was applied than the line holds: nothing of it is left.
bool overApplied(double cantidad, double aplicada)
{
    return cantidad > 0 ? aplicada > cantidad : cantidad < 0 ? aplicada < cantidad : aplicada != 0;
}

// Column 7. A delivery note loaded into a credit note negates this line and every later
// one: the pending quantity with its sign reversed. Otherwise what is left to carry,
// never below 0 except for a returned delivery with nothing applied. A line with more
// applied than it holds carries 0 either way (and so does its pending quantity).
void writeQuantity(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    ctx.Step([&] {
        if (Same(vb::Trim(ctx.TC), "RM") && (Same(ctx.CpteDestino, "NC") || Same(ctx.CpteDestino, "NCFP")))
            ctx.cantidadesNegativas = true;
    });
    // Brontavel carries the quantity to carry as it was settled.
    ctx.Step([&] {
        r.sinPendiente = !RunningProgram("Brontavel") && overApplied(r.Line("Cantidad").toDouble(), r.aplicada);
    });
    if (ctx.cantidadesNegativas) {
        r.aplicada = -r.aplicada;
        r.Put(ColArticulo::Cantidad, [&] {
            return r.sinPendiente ? QStringLiteral("0") : NumberText(-r.Line("Cantidad").toDouble() - r.aplicada);
        });
        return;
    }
    r.Put(ColArticulo::Cantidad, [&] {
        if (RunningProgram("Brontavel"))
            return NumberText(r.aLlevar);
        if (r.sinPendiente)
            return QStringLiteral("0");
        // An order line in another unit of an article kept in kilograms carries its kilos.
        if (KiloBase(r, true))
            return r.LineText("CANT_KG");
        return NumberText(r.Line("Cantidad").toDouble() - r.aplicada);
    });
    ctx.Step([&] {
        if (Utilidades->TextoADoble(r.Cell(ColArticulo::Cantidad)) >= 0)
            return;
        const vb::Variant cantidad = r.Stored("Cantidad");
        const bool devolucion = Same(vb::Trim(ctx.TC), "RM") && !cantidad.isNull() && cantidad.toDouble() < 0
                             && r.aplicada == 0;
        if (!devolucion) {
            r.g.SetTextMatrix(r.row, ColArticulo::Cantidad, QStringLiteral("0"));
            r.sinPendiente = true;
        }
    });
}

// Column 14: converted, or without VAT for a registered customer's line stored with it
// (unless prices are final), or as stored.
QString unitPrice(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    if (ctx.ConvertirMoneda)
        return NumberText(Converted(r, r.Line("Importe")));
    const vb::Variant importe = r.Stored("Importe");
    const vb::Variant sinIva = r.Stored("Importe_S_IVA");
    const bool conIva = !importe.isNull() && !sinIva.isNull() && vb::Compare(importe, sinIva) > 0;
    if (Same(vb::Trim(FieldText(ctx.cabecera, QStringLiteral("CondicionIva"))), "1") && conIva && !ctx.preciosFinales)
        return r.LineText("Importe_S_IVA");
    return r.LineText("Importe");
}

// Column 27, the price with VAT that a "B" invoice shows, for a line that is not exempt.
void writePriceWithVat(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    bool letraB = false;
    ctx.Step([&] {
        const vb::Variant exento = r.Stored("Exento");
        letraB = !exento.isNull() && !exento.toBool()
              && Same(ObtieneLetraComprobante(Cfg(QStringLiteral("CONDIVA")), FieldText(ctx.cabecera, QStringLiteral("CondicionIva"))),
                      "B");
    });
    if (!letraB)
        return;
    r.Put(ColArticulo::PrecioConIVA, [&] {
        if (ctx.ConvertirMoneda)
            return NumberText(Converted(r, r.Line("Importe")));
        if (ctx.preciosFinales)
            return NumberText(r.Line("Importe").toCurrency() - r.Line("Impuestos").toCurrency());
        return r.LineText("Importe");
    });
}

// A sales line's discount, price list, loan mark and (when asked for) deposit.
void writeSalesData(ArticleRow& r)
{
    r.PutLine(ColArticulo::PorcDescuento, "PorcDto");
    r.PutLine(ColArticulo::ListaPrecio, "IdLista");
    r.Put(ColArticulo::EnComodato, [&] {
        return FieldText(r.ctx.cabecera, QStringLiteral("EnComodato")) == QLatin1String("1") ? QStringLiteral("1")
                                                                                          : QStringLiteral("0");
    });
    if (r.deposito)
        r.PutLine(ColArticulo::Deposito, "IdDeposito");
}

// What the article's master row says of the line.
void writeArticleData(ArticleRow& r)
{
    auto flag = [&](int col, const char* field) {
        r.Put(col, [&] { return mark(r.articulo.Fields(QLatin1String(field)).Value()); });
    };
    // Each type's description is read once a load.
    r.Put(ColArticulo::DescripcionTipo, [&] {
        const vb::Variant tipo = Value(r.articulo, QStringLiteral("idTipo"));
        const QString clave = vb::Trim(Utilidades->ValorATexto(tipo)).toUpper();
        auto known = r.ctx.tiposArticulo.constFind(clave);
        if (known != r.ctx.tiposArticulo.constEnd())
            return *known;
        const QString descripcion = Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
            QStringLiteral("V_TA_TipoArticulo"), tipo, QStringLiteral("Descripcion"), QStringLiteral("IdTipo")));
        r.ctx.tiposArticulo.insert(clave, descripcion);
        return descripcion;
    });
    r.Put(ColArticulo::Presentacion, [&] { return r.ArticleText("Presentacion"); });
    flag(ColArticulo::EsExento, "Exento");
    flag(ColArticulo::PideSerie, "UsaSerie");
    flag(ColArticulo::PideLote, "UsaLote");
    if (gAsignacionAutomaticaDeLoteING || gAsignacionAutomaticaDeLoteINGOP)
        r.Put(ColArticulo::PideLote, [] { return QStringLiteral("-1"); });
    flag(ColArticulo::EsPerecedero, "Perecedero");
    r.Put(ColArticulo::Coeficiente, [] { return QStringLiteral("1"); });
    r.Put(ColArticulo::TipoCoeficiente, [] { return QStringLiteral("*"); });
    flag(ColArticulo::PideTalle, "UsaTalle");
    flag(ColArticulo::PideEquivalencia, "PIDEEQUIVALENCIA");
    flag(ColArticulo::EsPesable, "pesable");
    r.Put(ColArticulo::CodigoBarra, [&] { return r.ArticleText("CodigoBarra"); });
    r.Put(ColArticulo::CuentaContable, [&] { return r.ArticleText("CuentaContable"); });
    r.Put(ColArticulo::CodProveedor, [&] { return r.ArticleText("CodigoArtProveedor"); });
    // An article without a rate of its own takes the voucher's general rate.
    r.Put(ColArticulo::IVA, [&] { return FieldText(r.articulo, QStringLiteral("TasaIVA")); });
    r.Put(ColArticulo::IVA, [&] {
        const QString tasa = r.Cell(ColArticulo::IVA);
        return Utilidades->TextoAMoneda(tasa) == vb::Currency() ? NumberText(r.ctx.PIVA) : tasa;
    });
    r.PutLine(ColArticulo::PrecioUnitarioSinIVA, "Importe_S_IVA");
}

} // namespace

void WriteQuantitiesAndArticle(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    writeQuantity(r);
    r.PutLine(ColArticulo::UnidadEquiv, "IdUnidadBase");
    r.Put(ColArticulo::CantidadEquiv, [&] {
        if (RunningProgram("Brontavel"))
            return NumberText(r.aLlevar);
        if (RunningProgram("Quimsadro"))
            return r.Cell(ColArticulo::Cantidad);
        return r.LineText("CantidadUd");
    });
    r.Put(ColArticulo::Importe, [&] { return unitPrice(r); });
    writePriceWithVat(r);
    if (!ctx.esCompra)
        writeSalesData(r);

    // The article is looked up again, as any article of a voucher form is; one the
    // master does not hold keeps what the line brought.
    ctx.Step([&] {
        qint16 modo = 1;
        r.hallado = FindArticle(ctx.articulos, r.articulo, modo);
    });
    if (r.hallado)
        writeArticleData(r);
}

} // namespace voucherloader
