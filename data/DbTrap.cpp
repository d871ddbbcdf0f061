#include "data/DbTrap.h"

#include "data/DB_Dll.h"
#include "platform/vb/ErrorAnswer.h"

bool DbTrap::operator()(const std::function<void()>& statement) const
{
    auto handler = [this](const vb::VbError& e, const QString&) -> int {
        if (passedOver_.contains(e.Number))
            return vb::AnswerIgnore;
        return gDBPrincipal->TratamientoErrores(e, std::nullopt, routine_);
    };
    return vb::guarded(handler, routine_.value_or(QString()), statement) != vb::Step::Leave;
}
