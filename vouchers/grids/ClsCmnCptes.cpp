// Construction of the voucher class: the settings it reads once from configuration.
#include "vouchers/ClsCmnCptes.h"

#include "frame/Config.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"

#include <cmath>
#include <limits>

namespace {

// The longest description of a line: the leading number of LenDescripcion rounded half
// to even; 100 when that is 0 or does not fit in 16 bits (the object is created all
// the same).
qint16 longestDescription(const QString& configured)
{
    double value = 0;
    try {
        value = vb::Val(configured);
    } catch (const vb::VbError& e) {
        if (e.Number != vb::ErrOverflow)
            throw;
        return 100;
    }
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded == 0 || rounded < std::numeric_limits<qint16>::min()
        || rounded > std::numeric_limits<qint16>::max())
        return 100;
    return qint16(rounded);
}

} // namespace

ClsCmnCptes::ClsCmnCptes()
{
    PIVA = Utilidades->TextoAMoneda(Cfg(QStringLiteral("PIVA"))).toDouble();
    PIVARec = Utilidades->TextoAMoneda(Cfg(QStringLiteral("PIVARec"))).toDouble();
    AsientosXStock = Cfg(QStringLiteral("AsientosXStock")).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    gLenDesc = longestDescription(Cfg(QStringLiteral("LenDescripcion")));
}
