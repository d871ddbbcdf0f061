#include "vouchers/stock/StockInternal.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/ado/Recordset.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherstock {

QString Code(const QString& code, int width)
{
    return Utilidades->AjustaLargo(vb::Trim(code), width);
}

QString FieldText(ado::Recordset& rs, const QString& name)
{
    return vb::Trim(vouchergrids::FieldText(rs, name));
}

double FieldDouble(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = Utilidades->ValorCampo(rs.Fields(name));
    if (v.isNumeric())
        return v.toDouble();
    return Utilidades->TextoADoble(vb::Trim(Utilidades->ValorATexto(v)));
}

bool FieldSet(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = rs.Fields(name).Value();
    return !v.isNull() && ValorBooleano(vb::Trim(Utilidades->ValorATexto(v)), true);
}

bool IsCode(const QString& value, const char* code)
{
    return vouchergrids::SameCode(value, QLatin1String(code));
}

QString SqlAmount(vb::Currency amount)
{
    return amount.toString();
}

} // namespace voucherstock
