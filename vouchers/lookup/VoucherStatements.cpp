// The voucher lookup's selections, search condition and statements.
#include "vouchers/lookup/VoucherStatements.h"

#include "lookup/ConsultaSql.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/lookup/VoucherTypes.h"

#include <QRegularExpression>

namespace voucherlookup {

namespace {

// A search box counts when it holds something other than its prompt.
bool searches(const QString& text, const QString& prompt)
{
    return !text.isEmpty() && text.compare(prompt, Qt::CaseInsensitive) != 0;
}

} // namespace

Seleccion ResuelveSeleccion(const QString& TC)
{
    Seleccion s;
    s.tc = TC;
    struct Alias {
        const char* name;
        const char* tc;
        bool pendientes;
        bool transporte;
    };
    static const Alias aliases[] = {
        {"RM/PENDIENTES", "RM", true, false},
        {"NP/PENDIENTES", "NP", true, false},
        {"OT/PENDIENTES", "OT", true, false},
        {"RM/PENDIENTES_COMPRAS", "RMC", true, false},
        {"PR/PENDIENTES", "PR", true, false},
        {"FC/ANTICIPOS", "FC", false, false},
        {"RM/TRANSPORTE", "RM-T", false, true},
        {"FP/PENDIENTES", "FP", false, false},
    };
    for (const Alias& a : aliases) {
        if (EsTipo(TC, a.name)) {
            s.tc = QString::fromLatin1(a.tc);
            s.pendientes = a.pendientes;
            s.transporte = a.transporte;
            s.alias = true;
            break;
        }
    }
    s.casillas = EsTipo(s.tc, "OC");
    return s;
}

QString CondicionBusqueda(const QString& nombre, const QString& numero)
{
    QString condicion;
    if (searches(nombre, kPromptNombre))
        condicion = QStringLiteral("AND NOMBRE LIKE '%") + lookup::Quoted(vb::Trim(nombre)) + QStringLiteral("%' ");
    // A number replaces the name: both boxes filled search by number only.
    if (searches(numero, kPromptNumero))
        condicion = QStringLiteral("AND IDCOMPROBANTE LIKE '%") + lookup::Quoted(vb::Trim(numero)) + QStringLiteral("%' ");
    return condicion;
}

QString CondicionLlamador(const QString& Filtro)
{
    static const QRegularExpression leadingWhere(QStringLiteral("^\\s*where\\b\\s*"),
                                                 QRegularExpression::CaseInsensitiveOption);
    QString f = Filtro;
    return f.remove(leadingWhere);
}

QString Sentencia(const Consulta& c)
{
    const QString& tc = c.tc;
    const QString t4 = lookup::Quoted(Utilidades->AjustaLargo(vb::Trim(tc), 4));
    const QString& s = c.busqueda;
    const QString& f = c.filtro;
    const bool hayFiltro = !vb::Trim(f).isEmpty();
    // The caller's condition, after " AND ", only when there is one.
    const QString y = hayFiltro ? QStringLiteral(" AND ") + f : QString();

    if (EsTipo(tc, "RMC") && c.pendientes)
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                              "C_RemitosPendientes with(nolock) WHERE TC = '")
             + t4 + QStringLiteral("' ") + s + y + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    if (EsTipo(tc, "RM") && c.pendientes) {
        if (hayFiltro && c.usaRemitoContado)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, '' AS "
                                  "OBSERVACIONES FROM V_RemitosPendientes with(nolock) WHERE TC = '")
                 + t4 + QStringLiteral("' ") + s + y + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        if (hayFiltro)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                                  "OBSERVACIONES,FechaHora_Grabacion  FROM V_MV_CPTE with(nolock) WHERE COMPLEMENTARIO = 0 "
                                  "AND TC = '")
                 + t4 + QStringLiteral("'") + s + y
                 + QStringLiteral("  AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC");
        if (c.usaRemitoContado && !c.entregaParcialRemito)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM "
                                  "V_RemitosPendientes with(nolock) WHERE TC = '")
                 + t4 + QStringLiteral("'") + s + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                              "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE "
                              "COMPLEMENTARIO = 0 AND TC = '")
             + t4 + QStringLiteral("'") + s
             + QStringLiteral(" AND FINALIZADA = 0 AND BLOQUEADA = 0 ORDER BY IDCOMPROBANTE DESC");
    }
    if (EsTipo(tc, "T3"))
        return QStringLiteral("SELECT * FROM V_MV_CPTETERCEROS  with(nolock)  ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO");
    if (EsTipo(tc, kTiposAsiento)) {
        if (hayFiltro)
            return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '") + t4 + QStringLiteral("' AND ")
                 + f + QStringLiteral(" ORDER BY SUCURSAL, NUMERO, LETRA DESC ");
        return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '") + t4
             + QStringLiteral("' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC");
    }
    if (EsTipo(tc, kTiposCompra)) {
        if (hayFiltro)
            return QStringLiteral("SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '") + t4 + QStringLiteral("'") + s + y
                 + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC ");
        return QStringLiteral("SELECT * FROM C_MV_CPTE  with(nolock)  WHERE TC = '") + t4 + QStringLiteral("'") + s
             + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    }
    if (EsTipo(tc, "OT") && c.pendientes)
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, "
                              "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) WHERE "
                              "TC = '")
             + t4 + QStringLiteral("'") + s + y + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    if (EsTipo(tc, "OT")) {
        if (hayFiltro)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, "
                                  "Importe,FechaHora_Grabacion,FechaHOra_Modificacion FROM V_OT_Pendientes with(nolock) "
                                  "WHERE TC = '")
                 + t4 + QStringLiteral("'") + s + y + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, "
                              "Importe FROM V_OT_Pendientes with(nolock) WHERE TC = '")
             + t4 + QStringLiteral("'") + s + QStringLiteral(" ") + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    }
    if (EsTipo(tc, "NP") && c.pendientes) {
        if (hayFiltro)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, "
                                  "Importe, FechaPreparacion, fechahora_grabacion,IdPalm,Observaciones,Fechahora_grabacion,"
                                  "fechahora_modificacion FROM V_MV_CPTE  with(nolock)  WHERE TC = '")
                 + t4 + QStringLiteral("'") + s + y
                 + QStringLiteral(" AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE,IDCOMPLEMENTO, ID,FECHA, "
                              "Importe,FechaPreparacion,fechahora_grabacion,IdPalm,Observaciones,Fechahora_grabacion,"
                              "fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = '")
             + t4 + QStringLiteral("'") + s
             + QStringLiteral(" AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC");
    }
    if (EsTipo(tc, "PR") && c.pendientes) {
        if (hayFiltro)
            return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, "
                                  "comentarios,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE "
                                  "TC = '")
                 + t4 + QStringLiteral("'") + s + QStringLiteral(" AND APROBADO = 1") + y
                 + QStringLiteral(" AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC");
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios "
                              "FROM V_PR_PENDIENTES with(nolock)  WHERE TC = '")
             + t4 + QStringLiteral("'") + s + QStringLiteral(" AND APROBADO = 1 ORDER BY IDCOMPROBANTE DESC");
    }
    if (EsTipo(tc, "OC"))
        return QStringLiteral(" SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, "
                              "Garantia FROM C_MV_CPTE  with(nolock) WHERE TC = '")
             + t4 + QStringLiteral("'") + s + QStringLiteral(" AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0)") + y
             + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC");
    if (EsTipo(tc, "FP"))
        return QStringLiteral(" SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, "
                              "Importe,Fechahora_grabacion,fechahora_modificacion FROM V_MV_CPTE with(nolock) WHERE TC = '")
             + t4 + QStringLiteral("' ") + y + QStringLiteral(" ") + s
             + QStringLiteral("  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC");
    if (EsTipo(tc, "RM") && c.transporte)
        return QStringLiteral("SELECT dbo.V_MV_Stock.TC, dbo.V_MV_Stock.IDCOMPROBANTE, dbo.V_MV_Stock.IDCOMPLEMENTO, "
                              "dbo.V_MV_Stock.FECHA,dbo.V_MV_Stock.CUENTAPROVEEDOR ")
             + QStringLiteral(" FROM         dbo.V_MV_Stock LEFT OUTER JOIN")
             + QStringLiteral(" dbo.MV_APLICACION ON dbo.V_MV_Stock.IDCOMPROBANTE = dbo.MV_APLICACION.IDComprobante_Origen AND")
             + QStringLiteral(" dbo.V_MV_Stock.TC = dbo.MV_APLICACION.Tco_Origen")
             + QStringLiteral(" WHERE     (dbo.V_MV_Stock.TC = N'RM') AND (dbo.V_MV_Stock.IDVIAJE = N'TTE') AND "
                              "(dbo.V_MV_Stock.Revisado = 0) AND (dbo.MV_APLICACION.TC = N'FC' OR dbo.MV_APLICACION.TC = "
                              "N'TKFC' OR dbo.MV_APLICACION.TC = N'TK') ")
             + y
             + QStringLiteral(" GROUP BY dbo.V_MV_Stock.TC,dbo.V_MV_Stock.IDCOMPROBANTE,dbo.V_MV_Stock.IDCOMPLEMENTO,"
                              "dbo.V_MV_Stock.FECHA,dbo.V_MV_Stock.CUENTAPROVEEDOR ORDER BY dbo.V_MV_Stock.FECHA DESC,"
                              "dbo.V_MV_Stock.IDCOMPROBANTE,dbo.V_MV_Stock.IDCOMPLEMENTO");
    if (hayFiltro && EsTipo(tc, "RM"))
        return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE COMPLEMENTARIO = 0 AND TC = '") + t4
             + QStringLiteral("'") + s + y + QStringLiteral(" ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ");
    if (hayFiltro)
        return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TC = '") + t4 + QStringLiteral("'") + s + y
             + QStringLiteral(" ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  ");
    if (EsTipo(tc, "RM"))
        return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE COMPLEMENTARIO = 0 AND BLOQUEADA = 0 AND TC = '")
             + t4 + QStringLiteral("'") + s + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
    return QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE   TC = '") + t4 + QStringLiteral("'") + s
         + QStringLiteral(" ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC");
}

} // namespace voucherlookup
