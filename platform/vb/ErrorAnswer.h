#pragma once
// The error answer shared by every error dialog: 4 retries the failing statement,
// 5 continues with the next one, anything else leaves the procedure.
#include "platform/vb/VbError.h"
#include <functional>

namespace vb {

enum : int { AnswerRetry = 4, AnswerIgnore = 5 };

// What the caller does after a guarded step.
enum class Step {
    Done,   // the statement ran
    Next,   // it failed and the operator chose to go on with the next statement
    Leave,  // it failed and the procedure must be left
};

// Shows the error (dialog, log) and returns the operator's answer.
using ErrorHandler = std::function<int(const VbError& error, const QString& routine)>;

// Runs one statement under an error trap. While the handler answers Retry the
// statement runs again; the retries are as many as the operator asks for.
Step guarded(const ErrorHandler& handler, const QString& routine, const std::function<void()>& statement);

// Leave unless the step ran or the operator chose to continue.
inline bool shouldLeave(Step s) { return s == Step::Leave; }

} // namespace vb
