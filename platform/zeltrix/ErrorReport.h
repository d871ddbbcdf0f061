#pragma once
// The suite's error box and error log, shared by every error dialog of the program:
// the box shows the error and the calling routine, the answer goes into one log line.
#include "platform/vb/VbError.h"
#include <QString>
#include <optional>

namespace zeltrix {

// QKERR.LOG in the given folder (an existing file of that name in any case of letters).
QString DefaultErrorLog(const QString& folder);

// Shows "Ha ocurrido el Siguiente Error (n) description" with the given style, titled
// source [" - " routine] + titleTail, appends the log line to logPath and returns the
// answer. Error 0 shows and writes nothing and returns 0. Never raises.
int ReportError(const vb::VbError& error, int style, const std::optional<QString>& routine, const QString& logPath,
                const QString& titleTail);

// Appends the log line of an error that was not shown to anyone: the line of
// ReportError without an answer. Never raises.
void LogError(const vb::VbError& error, const std::optional<QString>& routine, const QString& logPath);

// The word the log writes for an answer; OK and anything else write nothing.
QString AnswerWord(int answer);

} // namespace zeltrix
