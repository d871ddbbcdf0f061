#include "data/DbTrap.h"

#include "data/DB_Dll.h"
#include "platform/vb/ErrorAnswer.h"

bool DbTrap::operator()(const std::function<void()>& statement) const
{
    auto handler = [](const vb::VbError& e, const QString& routine) -> int {
        return gDBPrincipal->TratamientoErrores(e, std::nullopt, routine);
    };
    return vb::guarded(handler, routine_, statement) != vb::Step::Leave;
}
