#pragma once
// Helpers shared by the runtime's .cpp files; not part of the contract others use.
#include <QChar>
#include <QDateTime>
#include <QString>
#include <string>

namespace vb::detail {

// Ten-thousandths of (digits × 10^scale), rounded half to even; false when out of range.
bool currencyFromDigits(bool negative, const std::string& digits, int scale, qint64& out);

// Scans a number written with the given separators: optional blanks around, an
// optional sign, digits with grouping separators between digits of the whole part,
// at most one decimal separator, and (only when allowExponent) an exponent
// "E"/"D" with optional sign. On success `normalized` holds the number in C form
// ("-1234.5e3") and the function returns true.
bool scanNumber(const QString& text, QChar decimalSep, QChar groupSep, bool allowExponent,
                std::string& normalized);
// Reads a C-form number; error 6 when out of the range of a double.
double parseCNumber(const std::string& normalized);

// VB's text of a double: 15 significant digits, exponent form "1E+15"/"1E-05"
// outside the plain range, the given decimal separator, no grouping.
QString doubleText(double v, QChar decimalSep);

// VB's serial date: days since 30/12/1899, the fraction being the time of day.
double dateToSerial(const QDateTime& d);
QDateTime serialToDate(double serial);   // error 6 outside years 100..9999

// CStr of a date, day first: "dd/mm/yyyy", "hh:mm:ss" or both.
QString dateText(const QDateTime& d);

} // namespace vb::detail
