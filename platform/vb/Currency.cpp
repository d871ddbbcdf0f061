#include "platform/vb/Currency.h"
#include "platform/vb/Internal.h"
#include "platform/vb/VbError.h"
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vb {

namespace {

using i128 = __int128;

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

qint64 checked(i128 v)
{
    if (v > i128(kMax) || v < i128(kMin))
        Raise(ErrOverflow);
    return qint64(v);
}

// n / d rounded half to even.
i128 divHalfEven(i128 n, i128 d)
{
    i128 q = n / d;
    i128 r = n % d;
    if (r == 0)
        return q;
    const int sign = ((n < 0) != (d < 0)) ? -1 : 1;
    const i128 r2 = (r < 0 ? -r : r) * 2;
    const i128 ad = d < 0 ? -d : d;
    if (r2 > ad || (r2 == ad && (q % 2 != 0)))
        q += sign;
    return q;
}

i128 pow10(int n)
{
    i128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

namespace detail {
// Internal: the ten-thousandths of (digits × 10^scale), negated when `negative`,
// rounded half to even. False when out of range.
bool currencyFromDigits(bool negative, const std::string& digits, int scale, qint64& out)
{
    std::string head = digits;
    std::string tail;
    if (scale >= 0) {
        head.append(size_t(scale), '0');
    } else {
        const int cut = int(digits.size()) + scale;
        if (cut <= 0) {
            head.clear();
            tail = std::string(size_t(-cut), '0') + digits;
        } else {
            head = digits.substr(0, size_t(cut));
            tail = digits.substr(size_t(cut));
        }
    }
    // Leading zeros do not count towards the size.
    size_t first = head.find_first_not_of('0');
    head = first == std::string::npos ? std::string() : head.substr(first);
    if (head.size() > 20)
        return false;
    i128 value = 0;
    for (char c : head)
        value = value * 10 + (c - '0');
    if (!tail.empty()) {
        bool up = false;
        if (tail[0] > '5') {
            up = true;
        } else if (tail[0] == '5') {
            const bool more = tail.find_first_not_of('0', 1) != std::string::npos;
            up = more || (value % 2 != 0);
        }
        if (up)
            value += 1;
    }
    if (negative)
        value = -value;
    if (value > i128(kMax) || value < i128(kMin))
        return false;
    out = qint64(value);
    return true;
}
} // namespace detail

Currency Currency::fromInt(qint64 units)
{
    return fromRaw(checked(i128(units) * Scale));
}

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        Raise(ErrOverflow);
    if (value == 0)
        return Currency();
    // The shortest decimal text that reads back as the same double, then exact
    // decimal rounding: 0.1 is 1000 ten-thousandths, never 999.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string text(buf, res.ptr);
    bool negative = false;
    size_t i = 0;
    if (text[i] == '-') {
        negative = true;
        ++i;
    }
    std::string digits;
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(i + 1));
    qint64 raw = 0;
    if (!detail::currencyFromDigits(negative, digits, exponent - int(digits.size()) + 1 + 4, raw))
        Raise(ErrOverflow);
    return fromRaw(raw);
}

bool Currency::tryParse(const QString& text, Currency& out, QChar decimalSep, QChar groupSep)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    while (n > i && text.at(n - 1) == QLatin1Char(' '))
        --n;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    std::string digits;
    int decimals = 0;
    bool seenPoint = false, anyDigit = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += char(c.unicode());
            anyDigit = true;
            if (seenPoint)
                ++decimals;
        } else if (c == decimalSep && !seenPoint) {
            seenPoint = true;
        } else if (!groupSep.isNull() && c == groupSep && !seenPoint && anyDigit && i + 1 < n
                   && text.at(i + 1).unicode() >= '0' && text.at(i + 1).unicode() <= '9') {
            // a grouping separator between digits of the whole part
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;
    qint64 raw = 0;
    if (!detail::currencyFromDigits(negative, digits, 4 - decimals, raw))
        Raise(ErrOverflow);
    out = fromRaw(raw);
    return true;
}

double Currency::toDouble() const
{
    return double(raw_) / double(Scale);
}

namespace {
QString wholeAndFraction(qint64 raw, int decimals, bool trimZeros)
{
    // Written digit by digit into one buffer: grids write thousands of amounts.
    const bool negative = raw < 0;
    const quint64 mag = negative ? quint64(0) - quint64(raw) : quint64(raw);
    quint64 whole = mag / quint64(Currency::Scale);
    quint64 fraction = mag % quint64(Currency::Scale);
    char16_t digits[4];
    for (int i = 3; i >= 0; --i, fraction /= 10)
        digits[i] = char16_t(u'0' + fraction % 10);
    int shown = qBound(0, decimals, 4);
    if (trimZeros)
        while (shown > 0 && digits[shown - 1] == u'0')
            --shown;
    char16_t buffer[32];
    int at = 32;
    for (int i = shown - 1; i >= 0; --i)
        buffer[--at] = digits[i];
    if (shown > 0)
        buffer[--at] = u'.';
    do {
        buffer[--at] = char16_t(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative)
        buffer[--at] = u'-';
    return QString(reinterpret_cast<const QChar*>(buffer + at), 32 - at);
}
} // namespace

QString Currency::toString() const
{
    return wholeAndFraction(raw_, 4, true);
}

QString Currency::toFixed(int decimals) const
{
    decimals = qBound(0, decimals, 4);
    return wholeAndFraction(rounded(decimals).raw_, decimals, false);
}

Currency Currency::rounded(int decimals) const
{
    if (decimals >= 4)
        return *this;
    decimals = qMax(0, decimals);
    const i128 unit = pow10(4 - decimals);
    return fromRaw(checked(divHalfEven(raw_, unit) * unit));
}

Currency Currency::operator-() const
{
    return fromRaw(checked(-i128(raw_)));
}

Currency Currency::operator+(Currency o) const
{
    return fromRaw(checked(i128(raw_) + o.raw_));
}

Currency Currency::operator-(Currency o) const
{
    return fromRaw(checked(i128(raw_) - o.raw_));
}

Currency Currency::operator*(Currency o) const
{
    return fromRaw(checked(divHalfEven(i128(raw_) * o.raw_, Scale)));
}

Currency Currency::operator/(Currency o) const
{
    if (o.raw_ == 0)
        Raise(ErrDivisionByZero);
    return fromRaw(checked(divHalfEven(i128(raw_) * Scale, o.raw_)));
}

Currency Currency::operator*(qint64 n) const
{
    return fromRaw(checked(i128(raw_) * n));
}

} // namespace vb
