#include "platform/vb/ErrorAnswer.h"

namespace vb {

Step guarded(const ErrorHandler& handler, const QString& routine, const std::function<void()>& statement)
{
    for (;;) {
        try {
            statement();
            return Step::Done;
        } catch (const VbError& error) {
            // No handler: nobody can answer, so the procedure is left.
            const int answer = handler ? handler(error, routine) : 0;
            if (answer == AnswerRetry)
                continue;
            return answer == AnswerIgnore ? Step::Next : Step::Leave;
        }
    }
}

} // namespace vb
