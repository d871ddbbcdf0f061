// CantRepartoPend: what is still to deliver of an article of a voucher.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/loader/LoadContext.h"

using voucherloader::Literal;

double ClsCmnCptes::CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo,
                                    double& Aplicado)
{
    DB_Dll& db = *gDBPrincipal;
    double pedido = 0;
    double entregado = 0;
    const QString where = QStringLiteral("WHERE (TC = ") + Literal(TC) + QStringLiteral(") AND IDCOMPROBANTE = ")
                        + Literal(vb::Trim(SucNroLetra)) + QStringLiteral(" AND IDARTICULO = ")
                        + Literal(Utilidades->AjustaLargo(vb::Trim(IdArticulo), 25));
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT * FROM VT_V_MV_CPTEINSUMOS_CONS2  with(nolock)  ") + where, rs);
    if (!rs.BOF()) {
        const vb::Variant cantidad = rs.Fields(QStringLiteral("Cantidad")).Value();
        if (!cantidad.isNull())
            pedido = cantidad.toDouble();
    }
    db.AbrirRecordset(QStringLiteral("SELECT SUM(CANTIDAD) AS CANTIDAD FROM VT_V_MV_Stock_Cons ") + where, rs);
    if (!rs.BOF()) {
        const vb::Variant cantidad = rs.Fields(QStringLiteral("Cantidad")).Value();
        if (!cantidad.isNull())
            entregado = cantidad.toDouble();
    }
    db.CierraRecordset(rs);
    // More delivered than ordered leaves nothing to deliver.
    if (pedido < entregado)
        pedido = entregado;
    Aplicado = entregado;
    return pedido - entregado;
}
