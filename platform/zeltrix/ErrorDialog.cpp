// The library's error dialog: the same box, log line and answer as the data layer's,
// with the log in the program folder.
#include "platform/zeltrix/Utilidades.h"
#include "platform/zeltrix/ErrorReport.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include <optional>

namespace zeltrix {

int Utilidades::TrataError(const vb::VbError& CodErr, const QString& Rutina) const
{
    // Callers without a routine name pass none: the title and the log then carry none.
    const std::optional<QString> routine = Rutina.isEmpty() ? std::nullopt : std::optional<QString>(Rutina);
    return ReportError(CodErr, ui::vbAbortRetryIgnore + ui::vbCritical, routine, DefaultErrorLog(vb::App::Path()),
                       QStringLiteral(" Aviso al operador!!! - 5 "));
}

} // namespace zeltrix
