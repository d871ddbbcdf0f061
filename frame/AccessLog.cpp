// The run's row in the suite's access log Control_Acceso.
#include "frame/AccessLog.h"
#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "frame/StatementBuilder.h"
#include "frame/Startup.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include <QCoreApplication>
#include <functional>

qint32 gIdControlAcceso = 0;

namespace {

QString quoted(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString nowText()
{
    return vb::Format(vb::Variant(vb::App::Now()), FormatoFecha() + QStringLiteral(" ") + FormatoHora());
}

void silently(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const vb::VbError&) {
    }
}

// The task of the menu entry that starts this process for the user, when granted.
QString taskName(const QString& proceso)
{
    QString tarea;
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    silently([&] {
        db.AbrirRecordset(QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ")
                              + QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ")
                              + QStringLiteral(" WHERE (TA_TAREAS.USUARIO = '") + quoted(gUsuarioLogeado)
                              + QStringLiteral(" ') AND (TA_MENU.Proceso LIKE '%") + quoted(proceso) + QStringLiteral("%')"),
                          rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    });
    silently([&] {
        if (!rs.EOF()) {
            tarea = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Nombre")).Value()));
            return;
        }
        const QString exe = vb::App::EXEName();
        if (exe.compare(QLatin1String("TZ417QV"), Qt::CaseInsensitive) == 0)
            tarea = QStringLiteral("Menu Principal");
        else if (db.gDBName.compare(db.gUsuario, Qt::CaseInsensitive) == 0
                 || db.gUsuario.compare(QLatin1String("ADMINISTRA CENTRAL QP"), Qt::CaseInsensitive) == 0)
            tarea = exe;
        else
            tarea.clear();
    });
    silently([&] { db.CierraRecordset(rs); });
    return tarea;
}

} // namespace

void RegistraIngreso(const QString& Proceso)
{
    QString proceso = Proceso.isEmpty() ? vb::App::EXEName() : Proceso;
    silently([&] { gUsuarioLogeado = gDBPrincipal->gUsuario; });
    const QString tarea = taskName(proceso);

    QString maquina, usuario, formulario, tareaTexto, ingreso;
    silently([&] { gVecScript = QStringList{QString()}; });
    silently([&] { maquina = vb::UCase(vb::Trim(InfoEquipo->NombreEquipo())); });
    silently([&] { AgregaCampo(QStringLiteral("Maquina"), maquina, QStringLiteral("'"), true); });
    silently([&] { usuario = vb::UCase(vb::Trim(gUsuarioLogeado)); });
    silently([&] { AgregaCampo(QStringLiteral("Usuario"), usuario, QStringLiteral("'"), false); });
    silently([&] { formulario = vb::UCase(vb::Trim(proceso)); });
    silently([&] { AgregaCampo(QStringLiteral("Formulario"), formulario, QStringLiteral("'"), false); });
    silently([&] { tareaTexto = vb::UCase(vb::Trim(tarea)); });
    silently([&] { AgregaCampo(QStringLiteral("Tarea"), tareaTexto, QStringLiteral("'"), false); });
    silently([&] { ingreso = nowText(); });
    silently([&] { AgregaCampo(QStringLiteral("Ingreso"), ingreso, QStringLiteral("'"), false); });
    silently([&] { AgregaCampo(QStringLiteral("NombreUsuario"), gUsuarioLogeado, QStringLiteral("'"), false); });
    silently([&] {
        QString where;
        ArmaSentencia(gVecCampos, gVecScript, QStringLiteral("Control_Acceso"), false, where, false);
    });
    // The ID this insert gave, read in the same batch: another run's row written at the
    // same minute by the same machine and user is never taken for this one.
    silently([&] { gVecScript.append(QStringLiteral("SELECT SCOPE_IDENTITY() AS ID")); });

    bool hayError = true;
    ado::Recordset rs;
    silently([&] {
        qint32 nroError = 0;
        QString ejecutado, mensaje;
        GActualizarDatoScript(gVecScript, hayError, nroError, false, false, ejecutado, mensaje, true, &rs);
    });
    gIdControlAcceso = 0;
    if (hayError)
        return;
    silently([&] {
        if (rs.State() != ado::adStateClosed && !rs.EOF()) {
            const vb::Variant id = rs.Fields(QStringLiteral("ID")).Value();
            gIdControlAcceso = id.isNull() ? 0 : vb::CLng(id);
        }
    });
    silently([&] { gDBPrincipal->CierraRecordset(rs); });
}

void RegistraEgreso()
{
    // Without a row of this run there is nothing to close (and no row numbered 0 is ours).
    if (gIdControlAcceso == 0)
        return;
    try {
        const QString sql = QStringLiteral("UPDATE CONTROL_ACCESO ") + QStringLiteral(" SET EGRESO = '") + nowText() + QStringLiteral("'")
                          + QStringLiteral(" WHERE EGRESO IS NULL AND ") + QStringLiteral(" ID = ") + QString::number(gIdControlAcceso);
        gDBPrincipal->EjecutaConsultaSQL(sql);
        // The write never raises: a failed update is known by the error it left.
        ado::Errors& errores = gDBPrincipal->gCnn->Errors();
        if (errores.Count() > 0) {
            const QString descripcion = errores.Item(0).Description;
            errores.Clear();
            ui::MsgBox(descripcion, ui::vbOKOnly, vb::App::EXEName());
        }
    } catch (const vb::VbError& e) {
        ui::MsgBox(e.Description, ui::vbOKOnly, vb::App::EXEName());
    }
}
