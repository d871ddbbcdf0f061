// Values that never come back Null.
#include "platform/zeltrix/Utilidades.h"

namespace zeltrix {

vb::Variant Utilidades::ValorCampo(const vb::Variant& Valor) const
{
    if (Valor.isNull())
        return vb::Variant(QString());
    return Valor;
}

QString Utilidades::ValorATexto(const vb::Variant& Valor) const
{
    if (Valor.isNull() || Valor.isEmpty())
        return QString();
    return Valor.toString();
}

} // namespace zeltrix
