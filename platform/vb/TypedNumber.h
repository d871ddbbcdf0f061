#pragma once
// The one reader of numbers an operator types: the workstation's decimal separator and
// its grouping separator, the latter only between groups of three digits ("1.234.567,5"
// on a "," workstation; "12,50" is no number where "," groups). IsNumeric, the money and
// double readers of the utility object, the reception's cells and boxes, the lookup's
// quantities and the report filters all read typed numbers through it.
#include "platform/vb/Regional.h"
#include <QString>

namespace vb {

struct TypedNumber {
    bool negative = false;
    QString integerDigits;    // without grouping separators and leading zeros; at least "0"
    QString fractionDigits;   // without trailing zeros; may be empty

    // "-1234.5": sign, digits, "." and the fraction when there is one.
    QString canonical() const;
};

// Blanks around, an optional sign right before the digits, digits (grouped in threes
// or not grouped at all), at most one decimal separator with or without digits on
// either side, at least one digit. Anything else is no number (false).
bool ReadTypedNumber(const QString& text, TypedNumber& out, const RegionalSettings& regional);
// The same in the workstation's settings (Regional()).
bool ReadTypedNumber(const QString& text, TypedNumber& out);

} // namespace vb
