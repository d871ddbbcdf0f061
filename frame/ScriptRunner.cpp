// Running a statement list as one server transaction, with rollback and AUX_ERR on failure.
#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "frame/ManejaError.h"
#include "frame/StatementBuilder.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include <functional>

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

struct ServerFailure {
    qint32 number = 0;
    QString text;       // the error text, empty after a handed-back duplicate or constraint
    QString message;    // what the caller reads in MensajeError
};

// Reads (and clears) the errors the last statement left on the main connection.
bool readFailure(bool devolverDuplicado, bool devolverRestriccion, ServerFailure& f)
{
    ado::Errors& errors = gDBPrincipal->gCnn->Errors();
    if (errors.Count() == 0)
        return false;
    const QList<ado::Error> all = errors.all();
    f.number = all.first().NativeError;
    // With several errors the last one is the server's closing notice and is left out.
    const int shown = all.size() == 1 ? 1 : int(all.size()) - 1;
    f.text.clear();
    for (int i = 0; i < shown; ++i)
        f.text += QString::number(all[i].NativeError) + QStringLiteral(" : ") + all[i].Description + CRLF;
    f.message = f.text;
    if (devolverDuplicado && f.number == 2627) {
        f.message = all.first().Description;
        f.text.clear();
    }
    if (devolverRestriccion && f.number == 547) {
        f.message = all.first().Description;
        f.text.clear();
    }
    errors.Clear();
    return true;
}

// The non-blank entries of a statement list, each after a CR; empty when there are none.
QString batchBody(const QStringList& Script)
{
    QString body;
    for (const QString& entry : Script)
        if (!vb::Trim(entry).isEmpty())
            body += CR + entry;
    return body;
}

// False when the statement failed; the failure is not shown.
bool silently(const std::function<void()>& statement)
{
    try {
        statement();
        return true;
    } catch (const vb::VbError&) {
    } catch (const data::ErrorInTransaction&) {
    }
    return false;
}

} // namespace

void GActualizarDatoScript(const QStringList& Script, bool& HayError, qint32& NroError, bool DevolverDuplicado,
                           bool DevolverRestriccion, QString& ScriptEjecutado, QString& MensajeError, bool MostrarMensaje,
                           ado::Recordset* Filas)
{
    HayError = false;
    const QString body = batchBody(Script);
    if (body.isEmpty())
        return;

    const QString routine = QStringLiteral("GActualizarDatoScript");
    auto handler = [](const vb::VbError& e, const QString& r) { return int(ManejaError(e, std::nullopt, r)); };
    QString batch = QStringLiteral("BEGIN TRANSACTION ") + CR + CR + body + CR;
    QString sent;
    ServerFailure failure;

    silently([&] {
        ScriptEjecutado = batch;
        sent = batch;
        gDBPrincipal->EjecutaConsultaSQL(sent, nullptr, Filas);
    });

    bool leave = false;
    auto step = [&](const std::function<void()>& s) {
        if (!leave && vb::guarded(handler, routine, s) == vb::Step::Leave)
            leave = true;
    };
    step([&] {
        if (readFailure(DevolverDuplicado, DevolverRestriccion, failure)) {
            HayError = true;
            MensajeError = failure.message;
        }
    });
    if (leave)
        return;
    if (!HayError) {
        // A commit the server refuses (a deferred constraint, a lost connection) is a
        // failed batch like any other: it is rolled back and recorded.
        step([&] {
            gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
            if (readFailure(DevolverDuplicado, DevolverRestriccion, failure)) {
                HayError = true;
                MensajeError = failure.message;
            }
        });
        if (leave)
            return;
    }
    if (HayError) {
        silently([&] { gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION")); });
        silently([&] { gDBPrincipal->gCnn->Errors().Clear(); });
        step([&] { GrabaErrorAuxErr(sent, failure.number, failure.text); });
        step([&] {
            if (!vb::Trim(failure.text).isEmpty() && MostrarMensaje)
                ui::MsgBox(failure.text, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al Operador!"));
        });
        if (leave)
            return;
    }
    NroError = failure.number;
}

bool RunScriptInTransaction(const QStringList& Script, ScriptFailure& failure)
{
    failure = ScriptFailure();
    const QString body = batchBody(Script);
    if (body.isEmpty())
        return true;
    failure.batch = body + CR;
    gDBPrincipal->EjecutaConsultaSQL(failure.batch);
    failure.lockWait = data::IsLockWait(gDBPrincipal->gCnn->Errors());
    ServerFailure read;
    if (!readFailure(false, false, read)) {
        failure.lockWait = false;
        return true;
    }
    failure.number = read.number;
    failure.text = read.text;
    return false;
}

bool GrabaErrorAuxErr(const QString& SQL, qint32 Error, const QString& Descripcion)
{
    ado::Recordset rs;
    silently([&] {
        gDBPrincipal->AbrirRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr, ado::adOpenDynamic,
                                     ado::adLockOptimistic);
    });
    silently([&] { rs.AddNew(); });
    silently([&] { rs.Fields(QStringLiteral("Proceso")) = vb::Variant(vb::App::EXEName()); });
    silently([&] { rs.Fields(QStringLiteral("Fecha")) = vb::Variant(vb::Format(vb::Variant(vb::App::Now()), FormatoFechaHora())); });
    silently([&] { rs.Fields(QStringLiteral("Error")) = vb::Variant(Error); });
    silently([&] { rs.Fields(QStringLiteral("Descripcion")) = vb::Variant(Utilidades->LimitaLargo(Descripcion, 250)); });
    silently([&] { rs.Fields(QStringLiteral("SQL")) = vb::Variant(SQL); });
    silently([&] { rs.Fields(QStringLiteral("PC")) = vb::Variant(InfoEquipo->NombreEquipo()); });
    silently([&] { rs.Fields(QStringLiteral("Usuario")) = vb::Variant(gDBPrincipal->gUsuario); });
    const bool stored = silently([&] { rs.Update(); });
    silently([&] { gDBPrincipal->CierraRecordset(rs); });
    return stored;
}
