#pragma once
// VB's Currency: a 64-bit integer count of ten-thousandths. Every operation works on
// the integer; overflow raises error 6 and nothing ever goes through a double unless
// the caller asks for one.
#include <QString>
#include <QtGlobal>
#include <compare>

namespace vb {

class Currency {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(qint64 tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }
    static Currency fromInt(qint64 units);        // error 6 when out of range
    static Currency fromDouble(double value);     // rounded half to even; error 6 when out of range
    // Parses an optional sign, digits and one decimal separator (given), with grouping
    // separators (given) allowed between digits before it. More than four decimals are
    // rounded half to even. Returns false on anything else; error 6 when out of range.
    static bool tryParse(const QString& text, Currency& out, QChar decimalSep = QLatin1Char('.'),
                         QChar groupSep = QChar());

    constexpr qint64 raw() const { return raw_; }
    double toDouble() const;
    // Plain text with "." and only the decimals needed ("12.5", "-0.0001", "3").
    QString toString() const;
    // Fixed number of decimals (0..4), rounded half to even, "." separator, no grouping.
    QString toFixed(int decimals) const;
    // Rounds half to even to the given number of decimals (0..4).
    Currency rounded(int decimals) const;

    Currency operator-() const;
    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency operator*(Currency o) const;   // result rounded half to even
    Currency operator/(Currency o) const;   // error 11 on zero, rounded half to even
    Currency operator*(qint64 n) const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }

    friend constexpr bool operator==(Currency a, Currency b) { return a.raw_ == b.raw_; }
    friend constexpr auto operator<=>(Currency a, Currency b) { return a.raw_ <=> b.raw_; }

private:
    qint64 raw_ = 0;
};

} // namespace vb
