// Numbers read from the texts the operator types and the program writes (grid cells,
// configuration values, FmtMoneda's output).
#include "platform/zeltrix/Utilidades.h"
#include "platform/zeltrix/NumberSyntax.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include <cmath>

namespace zeltrix {

vb::Currency Utilidades::TextoAMoneda(const QString& Texto) const
{
    NumberText n;
    if (!ReadNumberText(Texto, n))
        return vb::Currency();
    // Beyond 15 integer digits no amount fits; saying so here keeps texts of any length
    // away from the parser.
    if (n.tooLarge || n.integerDigits.size() > 15)
        vb::Raise(vb::ErrOverflow);
    vb::Currency value;
    if (!vb::Currency::tryParse(n.canonical(), value, QLatin1Char('.')))
        return vb::Currency();
    return value;
}

double Utilidades::TextoADoble(const QString& Texto) const
{
    NumberText n;
    if (!ReadNumberText(Texto, n))
        return 0.0;
    if (n.tooLarge)
        vb::Raise(vb::ErrOverflow);
    bool ok = false;
    const double value = n.canonical().toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    // A fraction too small for a double is zero; anything else failed by being too large.
    if (n.integerDigits == QLatin1String("0"))
        return 0.0;
    vb::Raise(vb::ErrOverflow);
}

qint32 Utilidades::TextoAEntero(const QString& Texto) const
{
    return vb::RoundToLong(TextoADoble(Texto));
}

} // namespace zeltrix
