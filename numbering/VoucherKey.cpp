#include "numbering/VoucherKey.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

namespace voucherkey {

QString TypeCode(const QString& TC)
{
    return Utilidades->AjustaLargo(vb::Trim(TC), 4);
}

QString Branch(const QString& Sucursal)
{
    return vb::Format(vb::Variant(Utilidades->TextoAMoneda(Sucursal)), QStringLiteral("0000"));
}

QString Number(const QString& Numero)
{
    return vb::Format(vb::Variant(Utilidades->TextoAMoneda(Numero)), QStringLiteral("00000000"));
}

QString Letter(const QString& Letra)
{
    const QString l = vb::Trim(Letra);
    return l.isEmpty() ? QStringLiteral("X") : l;
}

bool IsValidLetter(const QString& Letra)
{
    const QString l = vb::Trim(Letra);
    return l.size() == 1 && kLetras.split(QLatin1Char(',')).contains(l, Qt::CaseInsensitive);
}

QString IdComprobante(const QString& Sucursal, const QString& Numero, const QString& Letra)
{
    return Branch(Sucursal) + Number(Numero) + Letter(Letra);
}

QString BranchOf(const QString& IdComprobante)
{
    return IdComprobante.mid(0, 4);
}

QString NumberOf(const QString& IdComprobante)
{
    return IdComprobante.mid(4, 8);
}

QString LetterOf(const QString& IdComprobante)
{
    return IdComprobante.mid(12, 1);
}

QString SqlText(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace voucherkey
