// Sub-journal of a voucher type and the next accounting-entry number.
#include "data/DB_Dll.h"
#include "numbering/Internal.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

using namespace numbering_detail;
using voucherkey::SqlText;

namespace {

const QString kSinSubdiario = QStringLiteral("    ");

} // namespace

QString ObtieneTipoRegCont(const QString& TC)
{
    const Trap trap(QStringLiteral("ObtieneTipoRegCont$"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset asignacion, subdiario;
    QString resultado;
    QString T;
    bool hay = false;
    vb::Variant codigo;

    const std::function<void()> steps[] = {
        // 1.
        [&] { T = Utilidades->AjustaLargo(vb::Trim(TC)); },
        // 2.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT * FROM MA_SUBDIARIOSCOMPROBANTES  with(nolock)  WHERE TC = '") + SqlText(T)
                                  + QStringLiteral("'"),
                              asignacion);
        },
        [&] {
            hay = !asignacion.EOF();
            if (!hay)
                resultado = kSinSubdiario;
        },
        // 3. A Null code is no sub-journal.
        [&] {
            if (!hay)
                return;
            codigo = asignacion.Fields(QStringLiteral("Subdiario")).Value();
            if (codigo.isNull()) {
                hay = false;
                resultado = kSinSubdiario;
            }
        },
        [&] {
            if (hay)
                db.AbrirRecordset(QStringLiteral("SELECT * FROM MA_SUBDIARIOS  with(nolock)  WHERE CODIGO = '") + SqlText(codigo.toString())
                                      + QStringLiteral("'"),
                                  subdiario);
        },
        [&] {
            if (!hay)
                return;
            if (subdiario.EOF())
                resultado = kSinSubdiario;
            else
                // 4. As stored, not trimmed.
                resultado = FieldText(asignacion, QStringLiteral("Subdiario"));
        },
        [&] { db.CierraRecordset(asignacion); },
        [&] { db.CierraRecordset(subdiario); },
    };
    for (const auto& step : steps)
        if (!trap(step))
            break;
    return resultado;
}

qint32 ObtieneNroAsiento(const vb::Variant& Mes, const vb::Variant& Periodo, const vb::Variant& TipoReg)
{
    const Trap trap(QStringLiteral("ObtieneNroAsiento"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs, ccosto;
    QString M, P, R, condicion;
    qint32 N = 0;
    bool usado = false;

    const std::function<void()> steps[] = {
        // 1. Month and period as numbers without quotes; the sub-journal trimmed.
        [&] { M = vb::CStr(Mes); },
        [&] { P = SqlNumber(vb::Val(Utilidades->ValorATexto(Periodo))); },
        [&] { R = vb::Trim(Utilidades->ValorATexto(TipoReg)); },
        // 2. Without a sub-journal: lines of "ÿRS" or of none.
        [&] {
            condicion = R.isEmpty() ? QStringLiteral(" AND (TIPO_REG = '") + vb::Chr(255) + QStringLiteral("RS' OR TIPO_REG = '') AND PERIODO = ")
                                    : QStringLiteral(" AND TIPO_REG = '") + SqlText(R) + QStringLiteral("' AND PERIODO = ");
        },
        // 3. The highest of every line of the company (the marker keeps the real table).
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOS") + Hint(QStringLiteral(" WITH(NOLOCK) "))
                                  + QStringLiteral("WHERE MES_OPERATIVO = ")
                                  + M + condicion + P,
                              rs, db.gCnn.get());
        },
        // 4.
        [&] {
            if (!rs.EOF() && !rs.Fields(QStringLiteral("Nro_Asiento")).Value().isNull())
                N = vb::CLng(rs.Fields(QStringLiteral("Nro_Asiento")).Value()) + 1;
            else
                N = 1;
        },
        [&] { db.CierraRecordset(rs); },
        // 5. Is that number used by the cost-centre lines?
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT [NUMERO ASIENTO] AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOSCCOSTO") + Hint(QStringLiteral(" WITH(NOLOCK) "))
                                  + QStringLiteral("WHERE MES_OPERATIVO = ")
                                  + M + condicion + P + QStringLiteral(" AND [NUMERO ASIENTO] = ") + QString::number(N),
                              ccosto, db.gCnn.get());
        },
        // 6. Then one above their highest.
        [&] { usado = !ccosto.EOF() && !ccosto.Fields(QStringLiteral("Nro_Asiento")).Value().isNull(); },
        [&] {
            if (usado)
                db.AbrirRecordset(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOSCCOSTO")
                                      + Hint(QStringLiteral(" WITH(NOLOCK) ")) + QStringLiteral("WHERE MES_OPERATIVO = ")
                                      + M + condicion + P,
                                  ccosto, db.gCnn.get());
        },
        [&] {
            if (usado && !ccosto.EOF() && !ccosto.Fields(QStringLiteral("Nro_Asiento")).Value().isNull())
                N = vb::CLng(ccosto.Fields(QStringLiteral("Nro_Asiento")).Value()) + 1;
        },
        // 7.
        [&] { db.CierraRecordset(ccosto); },
    };
    for (const auto& step : steps)
        if (!trap(step))
            return 0;
    return N;
}
