#pragma once
// The syntax of a number text as the utility object reads it, shared by its money,
// double and whole-number readers.
#include <QString>

namespace zeltrix {

struct NumberText {
    bool negative = false;
    QString integerDigits;    // without grouping separators and leading zeros; at least "0"
    QString fractionDigits;   // without trailing zeros; may be empty
    bool tooLarge = false;    // an exponent beyond any number the program holds

    // "-123.45": sign, digits, "." and the fraction when there is one.
    QString canonical() const;
};

// Reads an optional sign, digits with grouping separators between them, at most one
// decimal separator, in the regional settings, and an optional exponent ("1E-05", as
// CStr writes a double). Blanks, tabs, line breaks and NUL characters around the
// number are ignored. Returns false for anything else.
bool ReadNumberText(const QString& text, NumberText& out);

} // namespace zeltrix
