// Text widths by their characters' advances.
#include "lookup/TextAdvances.h"

namespace lookup {

int TextAdvances::sum(const QString& text)
{
    int total = 0;
    for (const QChar c : text) {
        auto at = advances_.constFind(c);
        if (at == advances_.constEnd())
            at = advances_.insert(c, metrics_.horizontalAdvance(c));
        total += *at;
    }
    return total;
}

} // namespace lookup
