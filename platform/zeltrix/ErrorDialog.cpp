// The library's error dialog: the same box, log line and answer as the data layer's,
// with the log in the program folder.
#include "platform/zeltrix/Utilidades.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include <exception>

namespace zeltrix {

namespace {

// The words the log writes for an answer; OK and anything else write nothing.
QString answerWord(int answer)
{
    switch (answer) {
    case ui::vbRetry: return QStringLiteral("Reintentar");
    case ui::vbIgnore: return QStringLiteral("Ignorar");
    case ui::vbAbort: return QStringLiteral("Abortar");
    case ui::vbCancel: return QStringLiteral("Cancelar");
    case ui::vbYes: return QStringLiteral("Sí");
    case ui::vbNo: return QStringLiteral("No");
    default: return QString();
    }
}

} // namespace

int Utilidades::TrataError(const vb::VbError& CodErr, const QString& Rutina) const
{
    // Nothing here may raise to the caller: a box that cannot be shown answers 0 (leave),
    // a log that cannot be written is skipped.
    try {
        if (CodErr.Number == 0)
            return 0;
        const QString message = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(CodErr.Number)
                              + QStringLiteral(") ") + vb::Trim(CodErr.Description);
        const QString routinePart = Rutina.isEmpty() ? QString() : QStringLiteral(" - ") + Rutina;
        // An error raised without a source carries the program's name, as VB gives it.
        const QString source = CodErr.Source.isEmpty() ? vb::App::EXEName() : CodErr.Source;
        const QString title = source + routinePart + QStringLiteral(" Aviso al operador!!! - 5 ");

        int answer = 0;
        try {
            answer = ui::MsgBox(message, ui::vbAbortRetryIgnore + ui::vbCritical, title);
        } catch (const std::exception&) {
            answer = 0;
        }

        const QDateTime now = vb::App::Now();
        const QString line = now.toString(QStringLiteral("MM-dd-yyyy")) + QLatin1Char(' ')
                           + now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" Rutina: ")
                           + vb::Trim(routinePart) + QStringLiteral(" Mensaje ") + vb::RTrim(message)
                           + QStringLiteral(" Respondió : ") + answerWord(answer);
        vb::AppendLine(vb::FindFileNoCase(vb::App::Path(), QStringLiteral("QKERR.LOG")), line);
        return answer;
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace zeltrix
