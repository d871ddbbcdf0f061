// Small lookups on the main connection.
#include "frame/SmallLookups.h"
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include <functional>

namespace {

QString quoted(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

// A number as SQL reads it: "." as the decimal separator whatever the workstation uses.
QString sqlNumber(double value)
{
    return vb::Trim(vb::Str(value));
}

} // namespace

bool ExisteRegistro(const QString& Tabla, const QString& Valor, const QString& Campo, ado::Recordset* Rs,
                    std::optional<int> TipoDato, const QString& Where, bool SoloLectura)
{
    bool result = false;
    QString sql;
    ado::Recordset local;
    ado::Recordset& rs = Rs ? *Rs : local;
    // Its own box: Retry repeats the failing step, Ignore goes on, anything else leaves.
    auto handler = [](const vb::VbError& e, const QString&) -> int {
        return ui::MsgBox(e.Description, ui::vbCritical + ui::vbAbortRetryIgnore, QStringLiteral("Aviso al Operador"));
    };
    const std::function<void()> steps[] = {
        [&] {
            if (!Where.isEmpty()) {
                const bool hasWhere = vb::InStr(1, Where, QStringLiteral(" WHERE "), vb::vbTextCompare) > 0;
                sql = QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral(" with(nolock)  ")
                    + (hasWhere ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) + Where;
                return;
            }
            const QString head = QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral("  with(nolock)  WHERE ");
            switch (TipoDato.value_or(8)) {
            case 8:
                sql = head + QStringLiteral("LTRIM(RTRIM(") + Campo + QStringLiteral(")) ='") + quoted(Valor) + QStringLiteral("'");
                break;
            case 7:
                sql = head + Campo + QStringLiteral(" = ") + vb::Trim(Valor) + QStringLiteral(" ");
                break;
            case 3:
            case 4:
            case 5:
                sql = head + Campo + QStringLiteral(" = ") + sqlNumber(vb::Val(Valor));
                break;
            default:
                sql = head + Campo + QStringLiteral(" = ") + Valor;
                break;
            }
        },
        [&] { sql = gDBPrincipal->SS_TSinonimos(sql); },
        [&] { if (rs.State() != ado::adStateClosed) rs.Close(); },
        [&] {
            // Opened through the data layer, so that an Oracle connection gets Oracle's dialect.
            if (!Rs || SoloLectura)
                gDBPrincipal->OpenRead(rs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
            else
                gDBPrincipal->OpenRead(rs, sql, nullptr, ado::adOpenUnspecified, ado::adLockUnspecified);
        },
        [&] { result = !rs.EOF(); },
        [&] { if (!Rs) rs.Close(); },
    };
    for (const auto& step : steps)
        if (vb::guarded(handler, QStringLiteral("ExisteRegistro"), step) == vb::Step::Leave)
            break;
    return result;
}

bool ObtieneCuentaContable(QString& Codigo, ado::Recordset& Rs, bool SoloLectura, bool& PorCodigoOpcional)
{
    // A search the data layer could not open leaves Rs closed: its error box told the
    // operator, and the account is not found rather than read from a closed recordset.
    auto unread = [&] { return Rs.State() == ado::adStateClosed; };
    auto search = [&](bool porOpcional) {
        const QString sql = (porOpcional ? QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  '")
                                         : QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '"))
                          + quoted(Codigo) + QStringLiteral("'");
        if (SoloLectura)
            gDBPrincipal->AbrirRecordset(sql, Rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
        else
            gDBPrincipal->AbrirRecordset(sql, Rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
        return !unread() && !Rs.EOF();
    };
    auto takeCode = [&] { Codigo = Rs.Fields(QStringLiteral("Codigo")).Value().toString(); };
    if (search(PorCodigoOpcional)) {
        takeCode();
        return true;
    }
    if (unread())   // the other column would only fail the same way
        return false;
    if (PorCodigoOpcional)
        return search(false);
    if (search(true)) {
        PorCodigoOpcional = true;
        takeCode();
        return true;
    }
    return false;
}

bool ObtieneCuentaContable(QString& Codigo, ado::Recordset& Rs, bool SoloLectura, bool&& PorCodigoOpcional)
{
    bool porOpcional = PorCodigoOpcional;
    return ObtieneCuentaContable(Codigo, Rs, SoloLectura, porOpcional);
}

qint16 ObtienePeriodo(const QString& Fecha)
{
    qint16 periodo = 0;
    ObtienePeriodo(Fecha, periodo);
    return periodo;
}

bool ObtienePeriodo(const QString& Fecha, qint16& Periodo, QString* Sentencia)
{
    const QString fecha = vb::IsDate(Fecha) ? vb::Format(vb::Variant(vb::CDate(Fecha)), QStringLiteral("DD/MM/YYYY")) : Fecha;
    const QString sql = QStringLiteral("Select * from MV_EJERCICIOS  with(nolock)  where [FECHA DESDE] <= '") + quoted(fecha)
                      + QStringLiteral("' and [FECHA HASTA] >= '") + quoted(fecha) + QStringLiteral("'");
    if (Sentencia)
        *Sentencia = sql;
    ado::Recordset rs;
    gDBPrincipal->AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    Periodo = 0;
    const bool encontrado = !rs.EOF();
    if (encontrado)
        Periodo = vb::RoundToInt(rs.Fields(QStringLiteral("Periodo")).Value().toDouble());
    gDBPrincipal->CierraRecordset(rs);
    return encontrado;
}

QDateTime FechaServidor()
{
    QDateTime fecha;
    bool read = false;
    DB_Dll& db = *gDBPrincipal;
    // Without an open connection the query is not even tried (it would only raise boxes).
    if (db.gOpenFlag && db.gCnn->State() == ado::adStateOpen) {
        ado::Recordset rs;
        try {
            db.AbrirRecordset(QStringLiteral("select  getDate() as fecha"), rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
            if (rs.State() != ado::adStateClosed && !rs.EOF()) {
                const QDateTime value = rs.Fields(QStringLiteral("Fecha")).Value().toDate();
                fecha = vb::MakeDate(value.date(), QTime(value.time().hour(), value.time().minute(), value.time().second()));
                read = true;
            }
        } catch (const vb::VbError&) {
        }
        try { db.CierraRecordset(rs); } catch (const vb::VbError&) {}
    }
    return read ? fecha : LocalOperatingDate();
}

QDateTime LocalOperatingDate()
{
    try {
        if (gUtilizarFechaDia) {
            const QString operativa = Cfg(QStringLiteral("FECHAOPERHASTA"));
            if (vb::IsDate(operativa))
                return vb::CDate(operativa);
        }
    } catch (const vb::VbError&) {
    }
    return vb::App::Now();
}
