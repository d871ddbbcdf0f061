// The error box and log line shared by the program's error dialogs.
#include "platform/zeltrix/ErrorReport.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include <exception>

namespace zeltrix {

QString DefaultErrorLog(const QString& folder)
{
    return vb::FindFileNoCase(folder, QStringLiteral("QKERR.LOG"));
}

QString AnswerWord(int answer)
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

namespace {

QString errorMessage(const vb::VbError& error)
{
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.Number) + QStringLiteral(") ")
         + vb::Trim(error.Description);
}

QString routinePart(const std::optional<QString>& routine)
{
    return routine ? QStringLiteral(" - ") + *routine : QString();
}

void appendLogLine(const QString& logPath, const QString& routinePart, const QString& message, int answer)
{
    const QDateTime now = vb::App::Now();
    const QString line = now.toString(QStringLiteral("MM-dd-yyyy")) + QLatin1Char(' ')
                       + now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" Rutina: ") + vb::Trim(routinePart)
                       + QStringLiteral(" Mensaje ") + vb::RTrim(message) + QStringLiteral(" Respondió : ")
                       + AnswerWord(answer);
    vb::AppendLine(logPath, line);
}

} // namespace

int ReportError(const vb::VbError& error, int style, const std::optional<QString>& routine, const QString& logPath,
                const QString& titleTail)
{
    // Nothing here may raise to the caller: a box that cannot be shown answers 0 (leave),
    // a log that cannot be written is skipped.
    try {
        if (error.Number == 0)
            return 0;
        const QString message = errorMessage(error);
        // An error raised without a source carries the program's name, as VB gives it.
        const QString source = error.Source.isEmpty() ? vb::App::EXEName() : error.Source;
        const QString title = source + routinePart(routine) + titleTail;

        int answer = 0;
        try {
            answer = ui::MsgBox(message, style, title);
        } catch (const std::exception&) {
            answer = 0;
        }
        appendLogLine(logPath, routinePart(routine), message, answer);
        return answer;
    } catch (const std::exception&) {
        return 0;
    }
}

void LogError(const vb::VbError& error, const std::optional<QString>& routine, const QString& logPath)
{
    try {
        appendLogLine(logPath, routinePart(routine), errorMessage(error), 0);
    } catch (const std::exception&) {
    }
}

} // namespace zeltrix
