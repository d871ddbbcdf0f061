// The program-wide error dialog of the data-access object and its log.
#include "data/DB_Dll.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/ErrorReport.h"

qint16 DB_Dll::TratamientoErrores(const vb::VbError& CodErr, const std::optional<int>& Botones, const std::optional<QString>& Rutina)
{
    // An empty log path means QKERR.LOG in the program folder.
    const QString logPath = gLogErr.isEmpty() ? zeltrix::DefaultErrorLog(vb::App::Path()) : gLogErr;
    return qint16(zeltrix::ReportError(CodErr, Botones.value_or(18), Rutina, logPath, QStringLiteral(" Aviso al operador!!! - 5 ")));
}
