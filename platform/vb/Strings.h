#pragma once
// VB's text functions with the meanings the system relies on. Positions are 1-based
// and count UTF-16 units, like VB's strings.
#include "platform/vb/Variant.h"
#include <QString>
#include <QStringList>

namespace vb {

enum CompareMethod { vbBinaryCompare = 0, vbTextCompare = 1 };
enum StrConvMode { vbUpperCase = 1, vbLowerCase = 2, vbProperCase = 3 };

QString Trim(const QString& s);    // blanks (U+0020) only; tabs and line breaks stay
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString UCase(const QString& s);
QString LCase(const QString& s);
int Len(const QString& s);
QString Left(const QString& s, int length);          // negative length raises 5
QString Right(const QString& s, int length);         // negative length raises 5
QString Mid(const QString& s, int start);            // start < 1 raises 5
QString Mid(const QString& s, int start, int length); // start < 1 or length < 0 raises 5
// InStr: 0 when not found; start < 1 raises 5; an empty sought text gives start.
int InStr(const QString& s, const QString& sought, CompareMethod cmp = vbBinaryCompare);
int InStr(int start, const QString& s, const QString& sought, CompareMethod cmp = vbBinaryCompare);
int InStrRev(const QString& s, const QString& sought, int start = -1, CompareMethod cmp = vbBinaryCompare);
QString Replace(const QString& s, const QString& find, const QString& with, CompareMethod cmp = vbBinaryCompare);
QString StrConv(const QString& s, StrConvMode mode);   // proper case: words break at blanks, tabs, line breaks
QString Space(int n);
QString String(int n, QChar c);
QString Chr(int code);     // Windows-1252 code to character; Chr(255) = U+00FF
int Asc(const QString& s); // Windows-1252 code of the first character; empty raises 5
QStringList Split(const QString& s, const QString& delimiter);
QString Join(const QStringList& parts, const QString& delimiter);

// Val: the leading number of a text ("." decimal, blanks skipped, optional sign and
// exponent as VB reads it); 0 when there is none.
double Val(const QString& s);
// Str: decimal text with a leading blank when not negative; "." decimal separator.
QString Str(double v);
QString Str(qint64 v);
QString Str(Currency v);
inline QString Str(int v) { return Str(qint64(v)); }
inline QString Str(long v) { return Str(qint64(v)); }
QString Str(const Variant& v);   // by the variant's type; Null raises 94

// IsNumeric: a number as the operator types it (ReadTypedNumber): optional blanks, an
// optional sign, digits with at most one regional decimal separator, grouping
// separators only between groups of three digits; nothing else (no exponent, no hex).
// Non-text variants: numbers are numeric, Empty is numeric.
bool IsNumeric(const QString& s);
bool IsNumeric(const Variant& v);
inline bool IsNumeric(const char* s) { return IsNumeric(QString::fromUtf8(s)); }
// IsDate: day/month with an optional 2- or 4-digit year (missing year: this year by
// the program clock) and an optional time hh:mm[:ss]; or ISO yyyy-mm-dd[ hh:mm[:ss]].
// Separators "/", "-" or "." for day-first dates ("." only with a year: "15.5" is no date).
bool IsDate(const QString& s);
bool IsDate(const Variant& v);
inline bool IsDate(const char* s) { return IsDate(QString::fromUtf8(s)); }
// Parses what IsDate accepts; returns false otherwise. Two-digit years: 00-29 are
// 2000-2029, 30-99 are 1930-1999 (VB's window).
bool ParseDate(const QString& s, QDateTime& out);
QDateTime CDate(const QString& s);   // raises 13 when not a date
inline QDateTime CDate(const char* s) { return CDate(QString::fromUtf8(s)); }

// Format with the patterns the system uses: date patterns (d dd m mm yy yyyy h hh
// n nn mm-after-hh ss, in any case of letters, "/" ":" and blanks literal),
// numeric patterns ("0000", "0.00", "#,##0.00", "###,###,###,###0.00", …) in the
// regional separators. Empty pattern: CStr. Null gives "".
QString Format(const Variant& value, const QString& pattern = {});

} // namespace vb
