// Relations between sales vouchers seen from the origin: whether a voucher was issued
// from it, and the amount issued from it.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/loader/LoadContext.h"

using voucherloader::Literal;

namespace {

// The vouchers of V_MV_CPTE issued from the origin type and id.
QString issuedFrom(const QString& TC, const QString& SucNroLetra)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = ")
         + Literal(Utilidades->AjustaLargo(vb::Trim(TC), 4)) + QStringLiteral(" AND COMPROBANTEORIGEN = ")
         + Literal(vb::Trim(SucNroLetra));
}

} // namespace

bool ClsCmnCptes::EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra,
                                                  const QString& Complemento, bool TenerEnCuentaAnulados)
{
    // The complement is a number: "" and "0" name the same voucher on every engine.
    QString sql = issuedFrom(TC, SucNroLetra) + QStringLiteral(" AND COMPLEMENTOORIGEN = ")
                + vouchergrids::ComplementLiteral(Complemento) + QStringLiteral(" ");
    if (!TenerEnCuentaAnulados)
        sql += QStringLiteral(" AND ANULADA = 0");
    ado::Recordset rs;
    gDBPrincipal->AbrirRecordset(sql, rs);
    const bool relacionado = !rs.BOF();
    gDBPrincipal->CierraRecordset(rs);
    return relacionado;
}

vb::Currency ClsCmnCptes::ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra)
{
    ado::Recordset rs;
    gDBPrincipal->AbrirRecordset(issuedFrom(TC, SucNroLetra) + QStringLiteral(" AND ANULADA = 0"), rs);
    vb::Currency importe;
    if (!rs.BOF())
        for (; !rs.EOF(); rs.MoveNext())
            importe += Utilidades->ValorCampo(rs.Fields(QStringLiteral("Importe"))).toCurrency();
    gDBPrincipal->CierraRecordset(rs);
    return importe;
}
