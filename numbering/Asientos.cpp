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

// The lines of an operating month, sub-journal and period, after "MES_OPERATIVO = ":
// without a sub-journal, those of "ÿRS" or of none.
QString monthLines(const vb::Variant& Mes, const vb::Variant& Periodo, const vb::Variant& TipoReg)
{
    const QString M = vb::CStr(Mes);
    const QString P = SqlNumber(vb::Val(Utilidades->ValorATexto(Periodo)));
    const QString R = vb::Trim(Utilidades->ValorATexto(TipoReg));
    const QString registro = R.isEmpty() ? QStringLiteral(" AND (TIPO_REG = '") + vb::Chr(255) + QStringLiteral("RS' OR TIPO_REG = '')")
                                         : QStringLiteral(" AND TIPO_REG = '") + SqlText(R) + QStringLiteral("'");
    return M + registro + QStringLiteral(" AND PERIODO = ") + P;
}

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
    QString mesLineas;
    qint32 N = 0;
    bool usado = false;

    const std::function<void()> steps[] = {
        // 1, 2. Month and period as numbers without quotes, the sub-journal trimmed.
        [&] { mesLineas = monthLines(Mes, Periodo, TipoReg); },
        // 3. The highest of every line of the company (the marker keeps the real table).
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOS") + Hint(QStringLiteral(" WITH(NOLOCK) "))
                                  + QStringLiteral("WHERE MES_OPERATIVO = ") + mesLineas,
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
                                  + QStringLiteral("WHERE MES_OPERATIVO = ") + mesLineas + QStringLiteral(" AND [NUMERO ASIENTO] = ")
                                  + QString::number(N),
                              ccosto, db.gCnn.get());
        },
        // 6. Then one above their highest.
        [&] { usado = !ccosto.EOF() && !ccosto.Fields(QStringLiteral("Nro_Asiento")).Value().isNull(); },
        [&] {
            if (usado)
                db.AbrirRecordset(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOSCCOSTO")
                                      + Hint(QStringLiteral(" WITH(NOLOCK) ")) + QStringLiteral("WHERE MES_OPERATIVO = ") + mesLineas,
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

QString NroAsientoAlCorrer(const vb::Variant& Mes, const vb::Variant& Periodo, const vb::Variant& TipoReg)
{
    const QString lineas = QStringLiteral(" WITH (UPDLOCK, HOLDLOCK) WHERE MES_OPERATIVO = ") + monthLines(Mes, Periodo, TipoReg);
    const QString siguiente = QStringLiteral("(SELECT ISNULL(MAX([NUMERO ASIENTO]), 0) + 1 FROM MV_ASIENTOS") + lineas + QLatin1Char(')');
    const QString ccosto = QStringLiteral(" FROM MV_ASIENTOSCCOSTO") + lineas;
    return QStringLiteral("CASE WHEN EXISTS (SELECT [NUMERO ASIENTO]") + ccosto + QStringLiteral(" AND [NUMERO ASIENTO] = ") + siguiente
         + QStringLiteral(") THEN (SELECT MAX([NUMERO ASIENTO]) + 1") + ccosto + QStringLiteral(") ELSE ") + siguiente
         + QStringLiteral(" END");
}
