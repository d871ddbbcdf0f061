// Reading and writing through the data-access object: every read opens a recordset
// here, every single write runs here.
#include "data/DB_Dll.h"
#include "data/SqlText.h"
#include "platform/ado/SqlTokens.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"

using vb::vbTextCompare;

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString lostConnectionText()
{
    return CRLF + CRLF + CRLF + QStringLiteral("Se perdio la conexion con la base de datos ") + gDBPrincipal->gDBName + CRLF
         + QStringLiteral(" Servidor ") + gDBPrincipal->gServidor + CRLF + CRLF
         + QStringLiteral("Elija SI para reintentar conectarse") + CRLF + QStringLiteral("Elija NO para cerrar la aplicacion")
         + CRLF + CRLF + CRLF;
}

// A transaction statement: "TRANS" in the statement's SQL (a value that says it is none).
bool hasTrans(const QString& statement)
{
    return ado::sql::SqlContains(statement, QStringLiteral("TRANS"));
}

} // namespace

vb::Step DB_Dll::Guard(const QString& routine, const std::function<void()>& statement)
{
    return vb::guarded([this](const vb::VbError& e, const QString& r) { return int(TratamientoErrores(e, std::nullopt, r)); },
                       routine, statement);
}

bool DB_Dll::IsOracleConnection() const
{
    const QString opened = const_cast<DB_Dll*>(this)->gCnn->ConnectionString();
    return vb::InStr(opened.isEmpty() ? gConnString : opened, QStringLiteral("ORACLE"), vbTextCompare) > 0;
}

void DB_Dll::OpenRead(ado::Recordset& Lrcs, const QString& sql, ado::Connection* connection, int CursorType, int LockType,
                      int Options)
{
    ado::Connection& cnn = connection ? *connection : *gCnn;
    if (!IsOracleConnection()) {
        Lrcs.Open(sql, cnn, CursorType, LockType, Options);
        return;
    }
    RunOracleLocks(sql, cnn);
    Lrcs.Open(ORACLE_Dicc(sql), cnn, CursorType, LockType, Options);
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            int CursorType, int LockType, int Options, bool ConvOracle)
{
    QString text = SentenciaSQL;
    AbrirRecordset(text, Lrcs, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            int CursorType, int LockType, int Options, bool ConvOracle)
{
    // Only the first reconnection of a call retries the open; a second goes to the dialog.
    int reconnections = 1;
    auto handler = [&](const vb::VbError& e, const QString& routine) -> int {
        const bool lost = (e.Number == ado::hrUnspecified || e.Number == ado::adErrInvalidConnection)
                       && gCnn->Errors().Count() > 0;
        if (lost) {
            ReintentaConectar();
            while (gCnn->State() != ado::adStateOpen) {
                ReintentaConectar();
                if (gCnn->State() == ado::adStateOpen)
                    break;
                if (ui::MsgBox(lostConnectionText(), ui::vbYesNo + ui::vbCritical, QStringLiteral("AVISO AL OPERADOR")) != ui::vbYes)
                    vb::App::End();
            }
            ++reconnections;
            if (reconnections < 3)
                return vb::AnswerRetry;
        }
        return int(TratamientoErrores(e, std::nullopt, routine));
    };
    const QString routine = QStringLiteral("AbrirRecordset");
    QString opened;
    bool oracle = false;
    const std::function<void()> statements[] = {
        [&] { CierraRecordset(Lrcs); },
        [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); },
        [&] {
            oracle = IsOracleConnection() && ConvOracle;
            opened = oracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL;
        },
        [&] {
            ado::Connection& cnn = Conexionactiva ? *Conexionactiva : *gCnn;
            if (oracle)
                RunOracleLocks(SentenciaSQL, cnn);
            Lrcs.Open(opened, cnn, CursorType, LockType, Options);
        },
    };
    for (const auto& statement : statements)
        if (vb::guarded(handler, routine, statement) == vb::Step::Leave)
            return;
}

void DB_Dll::EjecutaConsultaSQL(const QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs)
{
    QString text = SentenciaSQL;
    EjecutaConsultaSQL(text, RecordsAffected, Lrcs);
}

void DB_Dll::RunWrite(QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs)
{
    const sqltext::WriteRewrite rw = sqltext::RewriteForWrite(SentenciaSQL);
    SentenciaSQL = rw.needsViews ? SS_TSinonimos(rw.text) : rw.text;
    if (IsOracleConnection()) {
        long affected = RecordsAffected ? *RecordsAffected : 0;
        EjecutaScriptOracle(SentenciaSQL, affected, Lrcs);
        if (RecordsAffected)
            *RecordsAffected = affected;
        return;
    }
    ado::Recordset result = gCnn->Execute(SentenciaSQL, RecordsAffected, -1);
    if (Lrcs)
        *Lrcs = std::move(result);
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs)
{
    // A write never raises and shows nothing: callers that must know read gCnn's errors.
    try {
        RunWrite(SentenciaSQL, RecordsAffected, Lrcs);
    } catch (const vb::VbError&) {
    }
}

void DB_Dll::EjecutaConsultaRSQL(QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs)
{
    try {
        RunWrite(SentenciaSQL, RecordsAffected, Lrcs);
    } catch (const vb::VbError& e) {
        const bool expected = e.Number == ado::hrUnspecified || e.Number == ado::hrIntegrityViolation
                           || e.Number == ado::hrNoTable || e.Number == ado::hrErrorsInCommand;
        if (!expected && !hasTrans(SentenciaSQL))
            ui::MsgBox(e.Description, ui::vbCritical, QStringLiteral("Aviso al operador!!!"));
    }
}

void DB_Dll::CierraRecordset(ado::Recordset& LrcsTemp)
{
    auto handler = [this, &LrcsTemp](const vb::VbError& e, const QString& routine) -> int {
        if (e.Number == ado::adErrIllegalOperation) {
            // A pending edit keeps the recordset from closing: drop the edit, then close.
            try { LrcsTemp.CancelUpdate(); } catch (const vb::VbError&) {}
            try { if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close(); } catch (const vb::VbError&) {}
            return 0;
        }
        return int(TratamientoErrores(e, std::nullopt, routine));
    };
    vb::guarded(handler, QStringLiteral("CierraRecordset"), [&] {
        if (LrcsTemp.State() != ado::adStateClosed)
            LrcsTemp.Close();
    });
}

void DB_Dll::QConsulta(const QString&, const QString&, const QString&, const QString&, const QString&, const QString&) {}

void DB_Dll::QGridConsulta(const QString&, const QString&, const QString&, const QString&, const QString&) {}
