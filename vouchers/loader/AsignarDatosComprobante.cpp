// AsignarDatosComprobante: a stored voucher copied into the grids of a voucher being
// built. The frame reads the configuration, the page-line limit of the destination and
// the source's rows, then runs the task, article and other-concept stages in order.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/InputFilter.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/loader/LoadContext.h"

using namespace voucherloader;
using vouchergrids::SwitchOn;

namespace {

// An invoice, or an invoice of another kind built from an order: its letter defaults to
// "A" and its article lines are read with the invoicing rules.
bool invoiceFrom(const LoadContext& ctx)
{
    return Same(ctx.CpteDestino, "FC") || (Same(ctx.CpteDestino, "FP") && Same(ctx.TC, "NP"));
}

qint16 pageLineLimit(const LoadContext& ctx)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC=") + Literal(ctx.CpteDestino)
                          + QStringLiteral(" AND LETRA=") + Literal(ctx.LetraDestino) + QStringLiteral(" ORDER BY ID"),
                      rs);
    qint16 limite = 9999;
    if (!rs.BOF())
        limite = vouchergrids::LineasPorHoja(Utilidades->ValorATexto(Value(rs, QStringLiteral("CantLineas"))));
    db.CierraRecordset(rs);
    return limite;
}

// The key of the source's rows: type, id and complement of a sales voucher, or type, id
// and supplier of a purchase one. The complement is a whole number (0 when it is none or
// not one; one out of range takes the load's error path).
QString keyCondition(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool Compras,
                     const QString& Proveedor)
{
    const QString start = QStringLiteral(" WHERE TC = ") + Literal(Utilidades->AjustaLargo(vb::Trim(TC), 4))
                        + QStringLiteral(" AND IDCOMPROBANTE = ") + Literal(vb::Trim(SucNroLetra));
    if (Compras)
        return start + QStringLiteral(" AND CUENTA = ") + Literal(Proveedor);
    return start + QStringLiteral(" AND IdComplemento = ") + vouchergrids::ComplementLiteral(IdComplemento);
}

QString articleOrder(const LoadContext& ctx, bool invoicing)
{
    if (SwitchOn(Cfg(QStringLiteral("FacturaNPPreparadas")))) {
        if (!Same(ctx.TC, "NP"))
            return QStringLiteral(" ORDER BY ID ");
        return invoicing ? QStringLiteral(" AND ((Cantidad >= Cantidadpreparada AND CANTIDADAFACTURAR  > 0 )) ORDER BY PALLETS ")
                         : QStringLiteral(" ORDER BY  PALLETS ");
    }
    if (SwitchOn(Cfg(QStringLiteral("OrdenaPorCodigo"))))
        return invoicing ? QStringLiteral(" ORDER BY IDARTICULO") : QStringLiteral(" ORDER BY IDARTICULO ");
    return invoicing && Same(ctx.TC, "NP") ? QStringLiteral(" ORDER BY ID") : QStringLiteral(" ORDER BY ID ");
}

void tellMissing(const LoadContext& ctx, const QString& Proveedor)
{
    QString texto = QStringLiteral("No existe el comprobante ") + vb::Trim(ctx.TC) + QLatin1Char(' ') + vb::Trim(ctx.SucNroLetra);
    if (ctx.Compras)
        texto += QStringLiteral(" del proveedor ") + vb::Trim(Proveedor);
    ui::MsgBox(texto, ui::vbExclamation + ui::vbOKOnly, QStringLiteral("Aviso al operador"));
}

void load(LoadContext& ctx, const QString& IdComplemento, const QString& Proveedor, const QString& WhrTareas,
          qint16& IdRepartoRM, QString& LetraDestino, ado::Recordset* LrcsCpte)
{
    DB_Dll& db = *gDBPrincipal;
    auto open = [&](ado::Recordset& rs, const std::function<QString()>& sql) {
        ctx.Step([&] { db.AbrirRecordset(sql(), rs); });
    };

    ctx.Step([&] {
        ctx.preciosFinales = SwitchOn(Cfg(QStringLiteral("PreciosFinales")));
        ctx.descargaStockRemitos = SwitchOn(Cfg(QStringLiteral("DescargaStockRemitos")));
    });
    ctx.cantidadesNegativas = IdRepartoRM == -98;
    // The page-line limit is the one of the letter as the caller gave it, an empty one
    // too; only then does an invoice without a letter take "A".
    ctx.LetraDestino = LetraDestino;
    ctx.Step([&] { ctx.limiteLineas = pageLineLimit(ctx); });
    if (invoiceFrom(ctx) && LetraDestino.isEmpty())
        LetraDestino = QStringLiteral("A");
    ctx.LetraDestino = LetraDestino;
    ctx.Step([&] { ctx.entregaParcial = ValorBooleano(Cfg(QStringLiteral("EntregaParcialRemito")), true); });
    ctx.prefijo = ctx.Compras ? QStringLiteral("C_") : QStringLiteral("V_");
    ctx.Step([&] { ctx.condicion = keyCondition(ctx.TC, ctx.SucNroLetra, IdComplemento, ctx.Compras, Proveedor); });
    // Without its key no row may be read: another voucher's would come instead.
    if (ctx.condicion.isEmpty())
        throw LeaveLoad{};

    auto statement = [&](const char* table, const QString& rest) {
        return QStringLiteral("SELECT * FROM ") + ctx.prefijo + QString::fromLatin1(table) + ctx.condicion + rest;
    };
    auto cabecera = [&] { return statement("MV_CPTE  ", QStringLiteral(" ORDER BY ID ")); };
    // A voucher that is not stored loads nothing.
    open(ctx.cabecera, cabecera);
    bool existe = true;
    ctx.Step([&] { existe = !ctx.cabecera.BOF(); });
    if (!existe) {
        tellMissing(ctx, Proveedor);
        throw LeaveLoad{};
    }

    // The lines of a special-series order are repaired first; the header is read again
    // with them.
    const bool repair = vb::Left(ctx.SucNroLetra, 4) == QLatin1String("9999") && Same(ctx.TC, "NP");
    if (repair)
        RepairOrderLines(ctx);
    ctx.Step([&] {
        ctx.esCompra = Same(vb::Trim(Utilidades->ValorATexto(db.DatosTabla(QStringLiteral("V_TA_CPTE"), vb::Variant(ctx.TC),
                                                                            QStringLiteral("SISTEMA")))),
                            "COMPRAS");
    });

    if (repair)
        open(ctx.cabecera, cabecera);
    open(ctx.tareas, [&] { return statement("MV_CPTETAREAS  ", WhrTareas + QStringLiteral(" ORDER BY ID ")); });
    open(ctx.articulos, [&] { return statement("MV_CPTEINSUMOS  ", articleOrder(ctx, invoiceFrom(ctx))); });
    open(ctx.otros, [&] {
        return statement("MV_CPTE_Observ  ", QStringLiteral(" AND TIPO_OBS ='OC' ") + QStringLiteral(" ORDER BY ID "));
    });

    if (!ctx.esCompra)
        ctx.Step([&] { IdRepartoRM = vb::CInt(Value(ctx.cabecera, QStringLiteral("IdReparto"))); });

    LoadTasks(ctx);
    LoadArticles(ctx);
    LoadOtherConcepts(ctx);

    if (LrcsCpte)
        *LrcsCpte = std::move(ctx.cabecera);
}

// The line recordsets are released whatever way the load ended; the header goes with
// the context unless it was handed back.
void release(LoadContext& ctx)
{
    for (ado::Recordset* rs : {&ctx.tareas, &ctx.articulos, &ctx.otros, &ctx.aplicado})
        vouchergrids::ResumeNext([&] {
            if (rs->State() != ado::adStateClosed)
                gDBPrincipal->CierraRecordset(*rs);
        });
}

} // namespace

void ClsCmnCptes::AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                          ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                          const vb::Variant& Inicializar, ado::Recordset* LrcsCpte, bool Compras,
                                          const QString& Proveedor, qint16& IdRepartoRM, bool ConvertirMoneda,
                                          const QString& WhrTareas, const QString& CpteDestino, QString& LetraDestino)
{
    (void)Inicializar;
    // The stages let pending events run: the operator's keys and clicks on the form
    // being filled must not act on half-loaded grids.
    ui::FlexGrid* anyGrid = MSFlexGrid2 ? MSFlexGrid2 : MSFlexGrid1 ? MSFlexGrid1 : MSFlexGrid3;
    const ui::WindowInputBlock block(anyGrid);

    LoadContext ctx(*this);
    ctx.TC = TC;
    ctx.SucNroLetra = SucNroLetra;
    ctx.MSFlexGrid1 = MSFlexGrid1;
    ctx.MSFlexGrid2 = MSFlexGrid2;
    ctx.MSFlexGrid3 = MSFlexGrid3;
    ctx.Compras = Compras;
    ctx.ConvertirMoneda = ConvertirMoneda;
    ctx.CpteDestino = CpteDestino;
    ctx.PIVA = PIVA;
    try {
        load(ctx, IdComplemento, Proveedor, WhrTareas, IdRepartoRM, LetraDestino, LrcsCpte);
    } catch (const LeaveLoad&) {
    }
    release(ctx);
}
