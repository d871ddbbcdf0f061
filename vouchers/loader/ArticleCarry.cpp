// The two quantities of a stored article line that the row's later steps write: what is
// still to carry into the voucher being built, and what of the line is already applied
// (delivered, prepared or invoiced). They depend on the source type, the delivery run
// of the source's header, the partial-delivery and stock-discharge switches and the
// running program.
#include "vouchers/loader/ArticleRow.h"

#include "data/DB_Dll.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "vouchers/ClsCmnCptes.h"

#include <algorithm>

namespace voucherloader {

namespace {

bool is(const vb::Variant& stored, double value)
{
    return !stored.isNull() && stored.toDouble() == value;
}

// What the vouchers issued from the source's deliveries and orders took of the article;
// nothing applied yet is 0.
double appliedFromView(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    DB_Dll& db = *gDBPrincipal;
    double aplicada = 0;
    ctx.Step([&] {
        db.AbrirRecordset(QStringLiteral("SELECT CantidadAplicada FROM VT_V_MV_INSUMOS_APLICACION WHERE (TCO_ORIGEN = 'RM' "
                                         "or TCO_ORIGEN = 'NP') AND IDCOMPROBANTEORIGEN = ")
                              + Literal(vb::Trim(ctx.SucNroLetra)) + QStringLiteral(" AND IDARTICULO = ")
                              + Literal(Utilidades->AjustaLargo(r.LineText("IdArticulo"), 25)),
                          ctx.aplicado);
    });
    ctx.Step([&] {
        if (!ctx.aplicado.BOF())
            aplicada = Utilidades->TextoADoble(FieldText(ctx.aplicado, QStringLiteral("CantidadAplicada")));
    });
    ctx.Step([&] { db.CierraRecordset(ctx.aplicado); });
    ui::DoEvents();
    return aplicada;
}

// What is still to deliver of the article; `entregada` gets what was delivered.
double pending(ArticleRow& r, double& entregada)
{
    LoadContext& ctx = r.ctx;
    return ctx.cptes.CantRepartoPend(ctx.TC, ctx.SucNroLetra, FieldText(ctx.articulos, QStringLiteral("IdArticulo")),
                                     entregada);
}

double pending(ArticleRow& r)
{
    double entregada = 0;
    return pending(r, entregada);
}

} // namespace

void SettleQuantities(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    r.aLlevar = 0;
    r.aplicada = 0;
    vb::Variant cantidad;
    vb::Variant reparto;
    ctx.Step([&] {
        cantidad = r.Stored("Cantidad");
        reparto = ctx.cabecera.Fields(QStringLiteral("IdReparto")).Value();
    });
    // A Null quantity counts as 0 where it is carried or subtracted, and compares false.
    const double q = cantidad.isNull() ? 0 : cantidad.toDouble();
    const bool negativa = !cantidad.isNull() && q < 0;
    const QString tc = vb::Trim(ctx.TC);
    auto capped = [&](double aLlevar) { return std::min(aLlevar, q); };

    const bool entregaParcial = (Same(tc, "RM") || Same(tc, "NP")) && ctx.entregaParcial && !ctx.Compras
                             && !ctx.descargaStockRemitos;
    if (entregaParcial) {
        if (is(reparto, -1)) {
            ctx.Step([&] {
                double entregada = 0;
                r.aLlevar = pending(r, entregada);
                // A returned delivery with nothing pending carries the whole return.
                if (Same(ctx.TC, "RM") && negativa && r.aLlevar == 0) {
                    r.aplicada = 0;
                    r.aLlevar = q;
                } else if (RunningProgram("Brontavel")) {
                    r.aplicada = entregada;
                    r.aLlevar = capped(r.aLlevar);
                } else {
                    r.aLlevar = capped(r.aLlevar);
                    r.aplicada = q - r.aLlevar;
                }
            });
        } else {
            r.aplicada = appliedFromView(r);
        }
    } else if ((Same(tc, "FP") || Same(tc, "FC")) && !ctx.Compras) {
        ctx.Step([&] {
            r.aLlevar = q;
            if (is(reparto, -1))
                r.aLlevar = capped(pending(r));
            r.aplicada = q - r.aLlevar;
        });
    } else if (!ctx.Compras) {
        ctx.Step([&] {
            const vb::Variant preparada = r.Stored("Cantidadpreparada");
            if (is(reparto, -1) && !ctx.descargaStockRemitos) {
                r.aLlevar = capped(pending(r));
                r.aplicada = q - r.aLlevar;
            } else if (is(reparto, -1) && Same(ctx.TC, "PR")) {
                r.aLlevar = preparada.isNull() ? q : capped(q - preparada.toDouble());
                r.aplicada = preparada.isNull() ? 0 : preparada.toDouble();
            } else if (is(reparto, 0)) {
                if (preparada.isNull()) {
                    r.aLlevar = q;
                } else if (Utilidades->TextoADoble(FieldText(ctx.articulos, QStringLiteral("CANTIDADAFACTURAR"))) > 0) {
                    r.aplicada = q - r.Line("CANTIDADAFACTURAR").toDouble();
                    r.aLlevar = capped(q - preparada.toDouble());
                } else {
                    r.aLlevar = capped(q - preparada.toDouble());
                    r.aplicada = preparada.toDouble();
                }
            }
        });
    }

    // The delivery-run program takes what was invoiced from a delivery note from the
    // applied quantities of the vouchers issued from it.
    if (RunningProgram("Quimsadro") && Same(ctx.TC, "RM") && Same(ctx.CpteDestino, "FC"))
        r.aplicada = appliedFromView(r);

    // A line never shows more to carry than it holds: nothing is applied below 0 of a
    // line of goods. What is applied to a returned line stays whatever its sign, so that
    // a return already credited is not credited again.
    if (q >= 0)
        r.aplicada = std::max(r.aplicada, 0.0);
}

} // namespace voucherloader
