#include "numbering/Internal.h"
#include "numbering/ast.h"
#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

namespace numbering_detail {

namespace {
int lockingReads = 0;
} // namespace

QString Hint(const QString& usual)
{
    return lockingReads > 0 ? QStringLiteral(" WITH (UPDLOCK, HOLDLOCK) ") : usual;
}

bool IsCode(const QString& code, const QStringList& codes)
{
    const QString c = vb::Trim(code);
    for (const QString& one : codes)
        if (c.compare(one, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

vb::Variant FieldValue(ado::Recordset& rs, const QString& name)
{
    return Utilidades->ValorCampo(rs.Fields(name));
}

QString FieldText(ado::Recordset& rs, const QString& name)
{
    return Utilidades->ValorATexto(FieldValue(rs, name));
}

vb::Currency FieldAmount(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = FieldValue(rs, name);
    if (v.isNumeric())
        return v.toCurrency();
    return Utilidades->TextoAMoneda(Utilidades->ValorATexto(v));
}

bool FieldSet(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = rs.Fields(name).Value();
    return !v.isNull() && ValorBooleano(Utilidades->ValorATexto(v), true);
}

QString SqlNumber(double value)
{
    return vb::Trim(vb::Str(value));
}

QString SqlNumber(vb::Currency value)
{
    return value.toString();
}

} // namespace numbering_detail

NumberingInTransaction::NumberingInTransaction()
{
    ++numbering_detail::lockingReads;
}

NumberingInTransaction::~NumberingInTransaction()
{
    --numbering_detail::lockingReads;
}
