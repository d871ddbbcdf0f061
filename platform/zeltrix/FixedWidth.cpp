// Codes brought to the fixed width of their columns before they go into SQL.
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/Strings.h"

namespace zeltrix {

namespace {

bool isDigitsOnly(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

// The fill: a code made only of digits (outer blanks aside) is right-aligned with blanks,
// as the suite stores numeric codes ("1" gives "   1", the default business unit);
// any other text is padded with blanks on the right ("RM" gives "RM  "). A text already
// at or above the width comes back unchanged: nothing is ever cut.
QString Utilidades::AjustaLargo(const QString& Texto, int Largo) const
{
    if (Texto.size() >= Largo)
        return Texto;
    const QString core = vb::Trim(Texto);
    if (isDigitsOnly(core))
        return core.rightJustified(Largo, QLatin1Char(' '));
    return Texto.leftJustified(Largo, QLatin1Char(' '));
}

} // namespace zeltrix
