#include "vouchers/lookup/VoucherTypes.h"

namespace voucherlookup {

bool EsTipo(const QString& tc, const char* tipo)
{
    return tc.compare(QLatin1String(tipo), Qt::CaseInsensitive) == 0;
}

bool EsTipo(const QString& tc, Tipos tipos)
{
    for (const char* tipo : tipos)
        if (EsTipo(tc, tipo))
            return true;
    return false;
}

} // namespace voucherlookup
