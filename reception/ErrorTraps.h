#pragma once
// The form's error traps: each statement that may fail is one step, answered through
// the library's error routine (4 repeats it, 5 goes on, anything else leaves).
#include "platform/vb/ErrorAnswer.h"
#include <QString>
#include <functional>

namespace reception {

// The error goes to TrataError with the routine's name.
vb::Step Paso(const QString& rutina, const std::function<void()>& statement);
// The same, but error 5 goes on with the next statement without a word.
vb::Step PasoSalvo5(const QString& rutina, const std::function<void()>& statement);
// "On Error Resume Next": a failing statement is passed over.
void Ignora(const std::function<void()>& statement);

} // namespace reception
