// Field values that never come back Null: what a Null reads as follows the field's type.
#include "platform/zeltrix/Utilidades.h"
#include "platform/ado/Field.h"

namespace zeltrix {

namespace {

// ADO type codes beyond the ones the data layer names.
enum : int { adUnsignedSmallInt = 18, adUnsignedInt = 19, adUnsignedBigInt = 21, adVarNumeric = 139 };

// What a Null reads as: the zero of a numeric field type, in the variant type its values
// come in; the empty text for the other types (texts, dates, binaries).
vb::Variant nullAs(int type)
{
    switch (type) {
    case ado::adCurrency:
    case ado::adDecimal:
    case ado::adNumeric:
    case adVarNumeric:
        return vb::Variant(vb::Currency());
    case ado::adSingle:
    case ado::adDouble:
        return vb::Variant(0.0);
    case ado::adBoolean:
        return vb::Variant(false);
    case ado::adSmallInt:
    case ado::adInteger:
    case ado::adTinyInt:
    case ado::adUnsignedTinyInt:
    case ado::adBigInt:
    case adUnsignedSmallInt:
    case adUnsignedInt:
    case adUnsignedBigInt:
        return vb::Variant(0);
    default:
        return vb::Variant(QString());
    }
}

} // namespace

vb::Variant Utilidades::ValorCampo(const ado::Field& Campo) const
{
    const vb::Variant value = Campo.Value();
    if (!value.isNull())
        return value;
    return nullAs(Campo.Type());
}

} // namespace zeltrix
