#pragma once
// The syntax of a number text as the utility object reads it, shared by its money,
// double and whole-number readers.
#include "platform/vb/TypedNumber.h"
#include <QString>

namespace zeltrix {

struct NumberText : vb::TypedNumber {
    bool tooLarge = false;    // an exponent beyond any number the program holds
};

// A number as the operator types it (vb::ReadTypedNumber: the workstation's separators,
// grouping only in threes), or a double as CStr writes it when it is too small or too
// large for plain digits: a mantissa, "E", a sign and digits ("1E-05", "1,5E+20").
// Blanks, tabs, line breaks and NUL characters around the number are ignored. Returns
// false for anything else.
bool ReadNumberText(const QString& text, NumberText& out);

} // namespace zeltrix
