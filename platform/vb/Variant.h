#pragma once
// VB's Variant with the conversions the system relies on.
// Dates are naive local date-times: a QDateTime whose timeSpec() is Qt::UTC only so that
// no time-zone or daylight-saving rule ever shifts them; use MakeDate/NaiveDate.
#include "platform/vb/Currency.h"
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <variant>

namespace vb {

// VarType codes, as VB numbers them.
enum class VarType : int {
    Empty = 0, Null = 1, Integer = 2, Long = 3, Double = 5, Currency = 6,
    Date = 7, String = 8, Boolean = 11,
};

QDateTime MakeDate(const QDate& date, const QTime& time = QTime(0, 0));
QDateTime NaiveDate(const QDateTime& any);   // keeps the wall-clock date and time

class Variant {
public:
    Variant() = default;                       // Empty
    Variant(bool v) : v_(v) {}
    Variant(qint16 v) : v_(v) {}               // Integer
    Variant(int v) : v_(qint32(v)) {}          // Long
    Variant(long v) : Variant(static_cast<long long>(v)) {}
    Variant(long long v);                      // Long, or Double beyond 32 bits
    Variant(double v) : v_(v) {}
    Variant(Currency v) : v_(v) {}
    Variant(const QDateTime& v) : v_(NaiveDate(v)) {}
    Variant(const QDate& v) : v_(MakeDate(v)) {}
    Variant(const QString& v) : v_(v) {}
    Variant(const char* v) : v_(QString::fromUtf8(v)) {}
    Variant(QLatin1String v) : v_(QString(v)) {}
    static Variant Null() { Variant n; n.v_ = NullTag{}; return n; }

    // From a value read off a database driver (a null QVariant is Null).
    static Variant fromQVariant(const QVariant& v);
    QVariant toQVariant() const;

    VarType type() const;
    bool isNull() const { return std::holds_alternative<NullTag>(v_); }
    bool isEmpty() const { return std::holds_alternative<EmptyTag>(v_); }
    bool isNumeric() const;   // Integer, Long, Double, Currency, Boolean

    // The VB conversions. Null raises 94; text that is not a number raises 13;
    // out-of-range raises 6. Whole-number conversions round half to even.
    QString toString() const;      // CStr, in the regional number format; Empty gives ""
    double toDouble() const;       // CDbl
    qint32 toLong() const;         // CLng
    qint16 toInt() const;          // CInt
    Currency toCurrency() const;   // CCur
    QDateTime toDate() const;      // CDate (a text must be a date, see IsDate)
    bool toBool() const;           // CBool

private:
    struct EmptyTag { bool operator==(const EmptyTag&) const = default; };
    struct NullTag { bool operator==(const NullTag&) const = default; };
    std::variant<EmptyTag, NullTag, bool, qint16, qint32, double, Currency, QDateTime, QString> v_;
    friend int Compare(const Variant& a, const Variant& b, bool textCompare);
};

// VB comparison of two non-null variants: numbers numerically, texts binary (or
// case-insensitive with textCompare), a number against a numeric text as numbers,
// Empty as 0 or "". Returns -1, 0 or 1. Null on either side raises 94.
int Compare(const Variant& a, const Variant& b, bool textCompare = false);
inline bool operator==(const Variant& a, const Variant& b) { return Compare(a, b) == 0; }

inline bool IsNull(const Variant& v) { return v.isNull(); }
inline bool IsEmpty(const Variant& v) { return v.isEmpty(); }
inline QString CStr(const Variant& v) { return v.toString(); }
inline double CDbl(const Variant& v) { return v.toDouble(); }
inline qint32 CLng(const Variant& v) { return v.toLong(); }
inline qint16 CInt(const Variant& v) { return v.toInt(); }
inline Currency CCur(const Variant& v) { return v.toCurrency(); }
inline QDateTime CDate(const Variant& v) { return v.toDate(); }
inline bool CBool(const Variant& v) { return v.toBool(); }

// Whole-number conversions of a double, half to even, error 6 on overflow.
qint32 RoundToLong(double v);
qint16 RoundToInt(double v);

} // namespace vb

// Every alternative (numbers, QDateTime, QString) may be moved in memory as bytes, so a
// recordset's lists of values grow without moving each value one by one.
Q_DECLARE_TYPEINFO(vb::Variant, Q_RELOCATABLE_TYPE);
