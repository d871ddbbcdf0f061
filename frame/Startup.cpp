// Start-up and shutdown: the command line or the workstation INI file, the main and
// statistics connections, the lookup driver's settings, configuration and access log.
#include "frame/Startup.h"
#include "data/DB_Dll.h"
#include "frame/AccessLog.h"
#include "frame/Config.h"
#include "frame/ManejaError.h"
#include "frame/ProgramHooks.h"
#include "frame/QueryMasks.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"
#include <QFileInfo>
#include <functional>
#include <vector>

using vb::vbTextCompare;

QString gClaveEstacion;
vb::Variant gEstiloBarras;
QString gUsuarioLogeado;
QString gCaja = QStringLiteral("1");
qint16 gTimeOut = 0;
QString gCadenaODBC;
QString gArchivoAyuda;

namespace {

const QString kIni = QStringLiteral("TZ417qv.INI");
const QString kEstadisticas = QStringLiteral("DE_RIVAVIVUZEDI");

// Runs the steps in order under one error trap: error 5 goes on with the next step;
// any other error leaves the routine without a word to the operator (only the log
// keeps it, so that a failed start can be diagnosed). False when the routine was left.
bool runSteps(const QString& routine, const std::vector<std::function<void()>>& steps)
{
    bool left = false;
    auto handler = [&](const vb::VbError& e, const QString& r) -> int {
        if (e.Number == vb::ErrInvalidCall)
            return vb::AnswerIgnore;
        LogErrorSilently(e, r);
        left = true;
        return 0;
    };
    for (const auto& step : steps) {
        vb::guarded(handler, routine, step);
        if (left)
            return false;
    }
    return true;
}

QStringList& requiredTables()
{
    static QStringList tables{QStringLiteral("TA_CONFIGURACION"), QStringLiteral("Control_Acceso")};
    return tables;
}

// Opens the main connection; a database that lacks tables the program needs is refused
// with one message, closed, and the connection dialog offered again on Yes.
void openMainDatabase(bool PideParametros, int TipoCursor, const QString& CadenaConexion)
{
    DB_Dll& db = *gDBPrincipal;
    for (bool pide = PideParametros;; pide = true) {
        db.OpenServerADODB(pide, TipoCursor, CadenaConexion, true, true);
        if (!db.gOpenFlag)
            return;
        const QStringList faltan = TablasFaltantes();
        if (faltan.isEmpty())
            return;
        try { db.gCnn->Close(); } catch (const vb::VbError&) {}
        db.gOpenFlag = false;
        const QString CRLF = QStringLiteral("\r\n");
        const QString texto = QStringLiteral("La base de datos ") + db.gDBName
                            + QStringLiteral(" no es una base de datos del sistema: ")
                            + (faltan.size() == 1 ? QStringLiteral("le falta la tabla ") : QStringLiteral("le faltan las tablas "))
                            + faltan.join(QStringLiteral(", ")) + QStringLiteral(".") + CRLF + CRLF
                            + QStringLiteral("Verifique el nombre de la base de datos.") + CRLF + CRLF
                            + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
        if (ui::MsgBox(texto, ui::vbYesNo + ui::vbCritical, QStringLiteral(" Error de Conexion a Base de Datos")) != ui::vbYes)
            return;
    }
}

} // namespace

void RequiereTablas(const QStringList& Tablas)
{
    for (const QString& t : Tablas)
        if (!requiredTables().contains(t, Qt::CaseInsensitive))
            requiredTables().append(t);
}

QStringList TablasFaltantes()
{
    DB_Dll& db = *gDBPrincipal;
    // Oracle's catalogue names the tables otherwise; its statements are rewritten anyway.
    if (db.IsOracleConnection())
        return {};
    QStringList presentes;
    try {
        ado::Recordset rs = db.gCnn->OpenSchema(ado::adSchemaTables);
        while (!rs.EOF()) {
            const QString nombre = rs.Fields(QStringLiteral("TABLE_NAME")).Value().toString();
            // an owner in front of the name ("dbo.") is not part of it
            presentes << vb::Trim(nombre.mid(nombre.lastIndexOf(QLatin1Char('.')) + 1));
            rs.MoveNext();
        }
    } catch (const vb::VbError&) {
        // A catalogue that cannot be read has none of them.
    }
    QStringList faltan;
    for (const QString& t : requiredTables())
        if (!presentes.contains(t, Qt::CaseInsensitive))
            faltan << t;
    return faltan;
}

QString CommandLineValue(const QString& Linea, const QString& Clave)
{
    const int p = vb::InStr(1, Linea, Clave, vbTextCompare);
    if (p == 0)
        return QString();
    const int start = p + vb::Len(Clave);
    const int end = vb::InStr(p, Linea, QStringLiteral(";"));
    // An item without ";" after it runs to the end of the line.
    const QString raw = end == 0 ? vb::Mid(Linea, start) : vb::Mid(Linea, start, std::max(0, end - start));
    return vb::Trim(vb::Replace(raw, QStringLiteral("="), QString()));
}

QString ExtraeServidor(const QString& Servidor)
{
    QString result = Servidor;
    const int slash = vb::InStr(result, QStringLiteral("/"));
    if (slash > 0)
        result = vb::Mid(result, slash + 1);
    const int colon = vb::InStr(result, QStringLiteral(":"));
    if (colon > 0)
        result = vb::Left(result, colon - 1);
    return result;
}

void ConectaEstadisticas()
{
    DB_Dll& st = *gDBEstadisticas;
    auto silently = [](const std::function<void()>& s) {
        try { s(); } catch (const vb::VbError&) {}
    };
    silently([&] { gTimeOut = 360; });
    silently([&] { if (st.gOpenFlag) st.gCnn->Close(); });
    silently([&] {
        st.gProveedor = gDBPrincipal->pSQLOLEDB();
        st.gServidor = gDBPrincipal->gServidor;
        st.gDBName = kEstadisticas;
        st.gUsuario = kEstadisticas;
        st.gUserPassWord = QStringLiteral("RB_CONTADORESXY");
    });
    silently([&] { st.OpenServerADODB(false, 3, QString(), true, false); });
    if (st.gOpenFlag) {
        silently([&] { st.gCnn->SetDefaultDatabase(kEstadisticas); });
        silently([&] {
            QString aux;
            gTimeOut = vb::RoundToInt(vb::Val(CfgQK(QStringLiteral("TimeOut"), aux)));
        });
        silently([&] {
            if (gTimeOut == 0)
                GrabaCfgQK(QStringLiteral("TimeOut"), vb::Variant(gTimeOut), QString(), false, QStringLiteral("BaseDeDatos"), true);
        });
    }
    if (gTimeOut == 0)
        gTimeOut = 360;
}

void InicializaSistema(bool SinParametros, const QString& LineaComando, int TipoCursor)
{
    QString cadena;
    InicializaSistema(SinParametros, LineaComando, cadena, TipoCursor);
}

void InicializaSistema(bool SinParametros, const QString& LineaComando, QString& CadenaConexion, int TipoCursor)
{
    const QString routine = QStringLiteral("InicializaSistema");
    QString carpeta;
    QString linea;
    QString servidor, baseDatos, usuario, password;

    const bool done = runSteps(routine, {
        [&] {
            carpeta = Utilidades->CompletaRuta(vb::App::Path());
            gArchivoAyuda = carpeta + QStringLiteral("htmlhelp/derodazezod.chm");
        },
        [&] { linea = !LineaComando.isEmpty() ? LineaComando : vb::App::Command(); },
        [&] {
            if (!SinParametros || !vb::Trim(linea).isEmpty())
                return;
            const QString seccion = vb::UCase(InfoEquipo->NombreEquipo()) + QStringLiteral("|")
                                  + vb::UCase(InfoEquipo->NombreUsuario()) + QStringLiteral("BaseDeDatos");
            auto lee = [&](const char* clave, const QString& porDefecto) {
                return ArchivoIni->LeeIni(kIni, seccion, QString::fromLatin1(clave), porDefecto);
            };
            QString s = lee("Servidor", QString());
            QString d = lee("DbName", QString());
            QString u = Utilidades->DecodificaClave(lee("Usuario", Utilidades->CodificaClave(QStringLiteral("Vandrel"))));
            QString p = Utilidades->DecodificaClave(lee("UserPassWord", Utilidades->CodificaClave(QStringLiteral("dizuzar"))));
            const QString bar = QStringLiteral("|");
            s = Utilidades->QuitaCaracteres(s, bar);
            d = Utilidades->QuitaCaracteres(d, bar);
            u = Utilidades->QuitaCaracteres(u, bar);
            p = Utilidades->QuitaCaracteres(p, bar);
            linea = QStringLiteral("@server=") + s + QStringLiteral("; @dbname= ") + d + QStringLiteral("; @usuario= ") + u
                  + QStringLiteral("; @Password= ") + p + QStringLiteral("; @ParametroAdicional=; @Caja=1;zelt@");
        },
        [&] {
            gClaveEstacion = vb::UCase(InfoEquipo->NombreEquipo()) + QStringLiteral("|") + vb::UCase(InfoEquipo->NombreUsuario());
            if (vb::Len(vb::Trim(gClaveEstacion)) > 50)
                gClaveEstacion = vb::Left(gClaveEstacion, 50);
        },
        [&] {
            gEstiloBarras = vb::Variant(vb::Val(ArchivoIni->LeeIni(kIni, gClaveEstacion, QStringLiteral("FlatToolbars"),
                                                                    QStringLiteral("1"))));
        },
    });
    if (!done)
        return;

    if (!gDBPrincipal->gOpenFlag) {
        const bool connected = runSteps(routine, {
            [&] {
                // Items the suite passes but that change nothing here are still read in their order.
                CommandLineValue(linea, QStringLiteral("@ParametroAdicional"));
                CommandLineValue(linea, QStringLiteral("@Menu"));
                servidor = CommandLineValue(linea, QStringLiteral("@Server"));
                baseDatos = CommandLineValue(linea, QStringLiteral("@DbName"));
                usuario = CommandLineValue(linea, QStringLiteral("@Usuario"));
                password = CommandLineValue(linea, QStringLiteral("@Password"));
                CommandLineValue(linea, QStringLiteral("@UsuarioLogeado"));
                if (vb::InStr(1, linea, QStringLiteral("@Caja"), vbTextCompare) > 0)
                    gCaja = CommandLineValue(linea, QStringLiteral("@Caja"));
                else
                    gCaja = QStringLiteral("1");
            },
            [&] {
                if (!servidor.startsWith(QLatin1Char('#')))
                    return;
                servidor = vb::Mid(servidor, 2);
                if (CadenaConexion.isEmpty())
                    CadenaConexion = data::OracleConnectionString(baseDatos, usuario, password);
            },
            [&] {
                DB_Dll& db = *gDBPrincipal;
                db.gUsuario = usuario;
                db.gDBName = baseDatos;
                db.gUserPassWord = password;
                db.gServidor = ExtraeServidor(servidor);
            },
            [&] { openMainDatabase(vb::Trim(servidor).isEmpty() || vb::Trim(usuario).isEmpty(), TipoCursor, CadenaConexion); },
            [&] {
                if (!gDBPrincipal->gOpenFlag)
                    vb::App::End();
            },
            [&] { ConectaEstadisticas(); },
            [&] { gUsuarioLogeado = gDBPrincipal->gUsuario; },
            [&] {
                gDBPrincipal->gCnn->SetCommandTimeout(gTimeOut);
                gDBPrincipal->gCnn->SetIsolationLevel(ado::adXactReadUncommitted);
            },
        });
        if (!connected)
            return;
    }

    runSteps(routine, {
        [&] {
            DB_Dll& db = *gDBPrincipal;
            if (db.gDBName.isEmpty())
                return;
            gCadenaODBC = QStringLiteral("DSN=") + db.gDBName + QStringLiteral("; UID=") + db.gUsuario + QStringLiteral("; PWD=")
                        + db.gUserPassWord;
        },
        [&] { if (!gDBPrincipal->gDBName.isEmpty()) ImpresorReportes->CarpetaReportes = carpeta; },
        [&] { if (!gDBPrincipal->gDBName.isEmpty()) gDBPrincipal->gCnn->SetDefaultDatabase(gDBPrincipal->gDBName); },
        [&] {
            if (gDBPrincipal->gDBName.isEmpty())
                return;
            LookupDriverSetup setup;
            setup.gConnString = gDBPrincipal->gConnString;
            setup.gUsarMascarasConsultas = true;
            setup.gRutaMascaraConsultas = Utilidades->CompletaRuta(vb::App::Path()) + QStringLiteral("consultas.qkx");
            ConfigureLookupDriver(setup);
        },
        [&] {
            if (gDBPrincipal->gDBName.isEmpty())
                return;
            const QFileInfo mascaras(gConsultasSetup.gRutaMascaraConsultas);
            if (!vb::FileExistsNoCase(mascaras.path(), mascaras.fileName()))
                CreaMascarasConsultas();
        },
        [&] { if (!gDBPrincipal->gDBName.isEmpty()) gDBPrincipal->gCnn->SetDefaultDatabase(gDBPrincipal->gDBName); },
        [&] { if (!gDBPrincipal->gDBName.isEmpty()) CargaConfiguracion(carpeta); },
        [&] { RegistraIngreso(QString()); },
    });
}

void FinalizaSistema()
{
    RegistraEgreso();
    ArchivoIni.reset();
    Utilidades.reset();
    ReleaseProgressNotice();
    AyudaEdicion.reset();
    gDBPrincipal.reset();
    InfoEquipo.reset();
    ImpresorReportes.reset();
    // The statistics connection and the others stay for the process, but closed: the
    // program ends right after, and no connection may outlive its driver.
    CloseAllConnections();
}
