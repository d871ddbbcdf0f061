#include "reception/ErrorTraps.h"

#include "platform/zeltrix/Services.h"

namespace reception {

vb::Step Paso(const QString& rutina, const std::function<void()>& statement)
{
    return vb::guarded([](const vb::VbError& e, const QString& r) { return Utilidades->TrataError(e, r); },
                       rutina, statement);
}

vb::Step PasoSalvo5(const QString& rutina, const std::function<void()>& statement)
{
    return vb::guarded(
        [](const vb::VbError& e, const QString& r) {
            if (e.Number == vb::ErrInvalidCall)
                return int(vb::AnswerIgnore);
            return Utilidades->TrataError(e, r);
        },
        rutina, statement);
}

void Ignora(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const vb::VbError&) {
    }
}

} // namespace reception
