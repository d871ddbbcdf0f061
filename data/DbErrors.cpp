// The program-wide error dialog of the data-access object and its log.
#include "data/DB_Dll.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/ErrorReport.h"

qint16 DB_Dll::TratamientoErrores(const vb::VbError& CodErr, const std::optional<int>& Botones, const std::optional<QString>& Rutina)
{
    if (raiseErrorsToHolder && CodErr.Number != 0)
        throw data::ErrorInTransaction{CodErr, Rutina.value_or(QString())};
    // An empty log path means QKERR.LOG in the program folder.
    const QString logPath = gLogErr.isEmpty() ? zeltrix::DefaultErrorLog(vb::App::Path()) : gLogErr;
    return qint16(zeltrix::ReportError(CodErr, Botones.value_or(18), Rutina, logPath, QStringLiteral(" Aviso al operador!!! - 5 ")));
}

namespace data {

namespace {

// Oracle's: a deadlock between table locks (ORA-00060), a lock not granted in time
// (ORA-00054, ORA-30006). Only an Oracle connection reports these numbers.
bool oracleLockWait(int native)
{
    return native == 60 || native == 54 || native == 30006;
}

} // namespace

bool IsLockWait(const ado::Errors& errors)
{
    for (const ado::Error& e : errors.all())
        if (e.NativeError == 1222 || e.NativeError == 1205 || e.Number == ado::hrTimeout || oracleLockWait(e.NativeError))
            return true;
    return false;
}

} // namespace data
