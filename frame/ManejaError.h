#pragma once
// The frame's error dialog: the shared error box, with its log QKERR.LOG in the
// temporary folder.
#include "platform/vb/VbError.h"
#include <QString>
#include <optional>

// Shows the error and returns the answer (4 retry, 5 go on, else leave); 0 for error 0.
qint16 ManejaError(const vb::VbError& CodErr, const std::optional<int>& Botones = std::nullopt,
                   const std::optional<QString>& Rutina = std::nullopt);

// The frame's log file: QKERR.LOG in the folder of the "tmp" variable, else the
// library's alternative folder.
QString FrameErrorLog();

// Writes the log line the error dialog would write, without showing anything.
void LogErrorSilently(const vb::VbError& CodErr, const QString& Rutina);
