// Configuration values from the configuration table.
#include "frame/Config.h"
#include "data/DB_Dll.h"
#include "frame/ManejaError.h"
#include "frame/Startup.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include <functional>

QString gTablaConfiguracion;
QString gCantidadDecimales;
bool gUsaStockUdKg = false;
QString gUnidadM3;
QString gUnidadBL;
QString gUnidadKG;
qint16 gPeriodo = 0;
bool gRazonSocialPorUneg = false;
bool gMaderera = false;
QString gMadTiras;
bool gUtilizarFechaDia = false;
bool gAsignacionAutomaticaDeLoteING = false;
bool gAsignacionAutomaticaDeLoteINGOP = false;
QString gUNegocio = QStringLiteral("   1");

namespace {

QString quoted(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool equalsSi(const QString& value)
{
    return value.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

// Cfg's steps 2 to 7 on the given data-access object, under the frame's error dialog.
QString readKey(DB_Dll& db, const QString& routine, const QString& Clave, QString& ValorAux)
{
    QString result;
    bool left = false;
    ado::Recordset rs;
    auto handler = [&](const vb::VbError& e, const QString& r) -> int {
        const int answer = ManejaError(e, std::nullopt, r);
        if (answer == vb::AnswerIgnore)
            return answer;
        // Any other answer closes the recordset and gives an empty text.
        try { if (rs.State() != ado::adStateClosed) rs.Close(); } catch (const vb::VbError&) {}
        result.clear();
        left = true;
        return 0;
    };
    QString sql;
    const std::function<void()> steps[] = {
        [&] {
            if (vb::Trim(gTablaConfiguracion).isEmpty())
                gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
        },
        [&] {
            // Operator text never reaches here, but a quote in a key must not break the statement.
            sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + gTablaConfiguracion + QStringLiteral(" with(nolock)  WHERE CLAVE = '")
                + quoted(vb::Trim(Clave)) + QStringLiteral("'");
            const QString key = vb::Trim(Clave);
            if (key.compare(QLatin1String("[FECHA HASTA]"), Qt::CaseInsensitive) == 0
                || key.compare(QLatin1String("[FECHA DESDE]"), Qt::CaseInsensitive) == 0)
                sql = vb::UCase(sql);
        },
        [&] { db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); },
        [&] {
            if (rs.EOF()) {
                result = QStringLiteral(" ");
                ValorAux.clear();
            } else {
                result = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Valor")).Value()));
                ValorAux = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("ValorAux")).Value()));
            }
        },
        [&] { db.CierraRecordset(rs); },
        [&] {
            if (Clave.compare(QLatin1String("THEME"), Qt::CaseInsensitive) == 0 && vb::Trim(result).isEmpty())
                result = QStringLiteral("1");
        },
    };
    for (const auto& step : steps) {
        vb::guarded(handler, routine, step);
        if (left)
            return QString();
    }
    return result;
}

// Runs each statement on its own; a failing one is skipped silently.
void eachSilently(std::initializer_list<std::function<void()>> statements)
{
    for (const auto& s : statements) {
        try {
            s();
        } catch (const vb::VbError&) {
        }
    }
}

} // namespace

QString Cfg(const QString& Clave, QString& ValorAux)
{
    if (!gDBPrincipal->gOpenFlag)
        return QString();
    return readKey(*gDBPrincipal, QStringLiteral("Cfg"), Clave, ValorAux);
}

QString Cfg(const QString& Clave)
{
    QString aux;
    return Cfg(Clave, aux);
}

QString CfgQK(const QString& Clave, QString& ValorAux)
{
    return readKey(*gDBEstadisticas, QStringLiteral("CfgQK"), Clave, ValorAux);
}

void GrabaCfgQK(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortarValor)
{
    DB_Dll& db = *gDBEstadisticas;
    ado::Recordset rs;
    const QString sql = QStringLiteral("SELECT * FROM ") + gTablaConfiguracion + QStringLiteral(" with(nolock)  WHERE CLAVE = '")
                      + quoted(Clave) + QStringLiteral("'");
    auto text = [](const vb::Variant& v) { return Utilidades->ValorATexto(Utilidades->ValorCampo(v)); };
    eachSilently({
        [&] { db.AbrirRecordset(sql, rs, db.gCnn.get(), ado::adOpenDynamic, ado::adLockOptimistic, -1, true); },
        [&] { if (rs.EOF()) rs.AddNew(); },
        [&] { rs.Fields(QStringLiteral("Grupo")) = Utilidades->ValorCampo(vb::Variant(Grupo)); },
        [&] { rs.Fields(QStringLiteral("Clave")) = Utilidades->ValorCampo(vb::Variant(vb::UCase(vb::Trim(Clave)))); },
        [&] {
            const QString value = text(Valor);
            rs.Fields(QStringLiteral("Valor")) = vb::Variant(RecortarValor ? vb::Trim(value) : value);
        },
        [&] { rs.Fields(QStringLiteral("PoliticaNegocio")) = Utilidades->ValorCampo(vb::Variant(PoliticaNegocio)); },
        [&] {
            if (!ValorAux.isEmpty())
                rs.Fields(QStringLiteral("ValorAux")) = vb::Variant(vb::Trim(ValorAux));
        },
        [&] { rs.Update(); },
        [&] { db.CierraRecordset(rs); },
    });
}

void CargaConfiguracion(const QString&)
{
    auto cfg = [](const char* key) { return Cfg(QString::fromLatin1(key)); };
    eachSilently({
        [&] { gTablaConfiguracion = QStringLiteral("ta_configuracion"); },
        [&] { gCantidadDecimales = cfg("CantidadDecimales"); },
        [&] { gConfidencialidad = equalsSi(cfg("SS_CONFIDENCIALIDAD")); },
        [&] { gUsaStockUdKg = equalsSi(cfg("USA_STK_STOCK_UDKG")); },
        [&] {
            ado::Recordset rs;
            gDBPrincipal->AbrirRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = '")
                                             + quoted(gUsuarioLogeado) + QStringLiteral("'"),
                                         rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
            if (!rs.EOF())
                gUNegocio = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("UNegocio")).Value()));
        },
        [&] {
            if (gUNegocio.isEmpty())
                gUNegocio = QStringLiteral("   1");
        },
        [&] { gUnidadM3 = vb::Trim(cfg("UNIDADDEMEDIDA_M3")); },
        [&] { gUnidadBL = vb::Trim(cfg("UNIDADDEMEDIDA_BL")); },
        [&] { gUnidadKG = vb::Trim(cfg("UNIDADDEMEDIDA_KG")); },
        [&] { gPeriodo = vb::RoundToInt(vb::Val(cfg("PERIODO"))); },
        [&] { gRazonSocialPorUneg = equalsSi(vb::Trim(cfg("RazonSocialPorUneg"))); },
        [&] {
            const QString v = cfg("MADERERA");
            gMaderera = !(vb::Trim(v).isEmpty() || v.compare(QLatin1String("NO"), Qt::CaseInsensitive) == 0);
        },
        [&] { gMadTiras = vb::Trim(cfg("MAD_TIRAS")); },
        [&] { gUtilizarFechaDia = equalsSi(cfg("UTILIZARFECHADIA")); },
        [&] { gAsignacionAutomaticaDeLoteING = equalsSi(cfg("AsignacionAutomaticaDeLoteING")); },
        [&] { gAsignacionAutomaticaDeLoteINGOP = equalsSi(cfg("AsignacionAutomaticaDeLoteINGOP")); },
    });
}
