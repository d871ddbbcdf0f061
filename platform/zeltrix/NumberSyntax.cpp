#include "platform/zeltrix/NumberSyntax.h"

namespace zeltrix {

namespace {

// Exponents beyond this make every non-zero number too large or zero.
constexpr qint64 MaxExponent = 1000;

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isOuterFiller(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r')
        || c == QLatin1Char('\n') || c == QChar(0);
}

QString stripOuter(const QString& text)
{
    int from = 0;
    int to = text.size();
    while (from < to && isOuterFiller(text.at(from)))
        ++from;
    while (to > from && isOuterFiller(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

// The exponent CStr writes after a double's mantissa: "E", a sign, digits, at the end.
// Its position, or -1 when the text has none.
int exponentAt(const QString& s, qint64& exponent)
{
    const int e = int(s.lastIndexOf(QLatin1Char('E')));
    if (e < 1 || e + 2 >= s.size() || s.at(e - 1) == QLatin1Char(' '))
        return -1;
    const QChar sign = s.at(e + 1);
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        return -1;
    qint64 value = 0;
    for (int j = e + 2; j < s.size(); ++j) {
        if (!isAsciiDigit(s.at(j)))
            return -1;
        if (value < MaxExponent)
            value = value * 10 + s.at(j).digitValue();
    }
    exponent = sign == QLatin1Char('-') ? -value : value;
    return e;
}

// The exponent moves the decimal point over the digits.
void applyExponent(NumberText& n, qint64 exponent)
{
    if (exponent == 0)
        return;
    QString integer = n.integerDigits == QLatin1String("0") ? QString() : n.integerDigits;
    const QString digits = integer + n.fractionDigits;
    const bool zero = digits.count(QLatin1Char('0')) == digits.size();
    QString fraction;
    if (exponent >= MaxExponent) {
        n.tooLarge = !zero;
        integer.clear();
    } else if (exponent <= -MaxExponent) {
        integer.clear();
    } else {
        const qint64 point = integer.size() + exponent;
        if (point <= 0) {
            integer.clear();
            fraction = QString(int(-point), QLatin1Char('0')) + digits;
        } else if (point >= digits.size()) {
            integer = digits + QString(int(point - digits.size()), QLatin1Char('0'));
        } else {
            integer = digits.left(int(point));
            fraction = digits.mid(int(point));
        }
    }
    int lead = 0;
    while (lead < integer.size() - 1 && integer.at(lead) == QLatin1Char('0'))
        ++lead;
    n.integerDigits = integer.isEmpty() ? QStringLiteral("0") : integer.mid(lead);
    int trail = fraction.size();
    while (trail > 0 && fraction.at(trail - 1) == QLatin1Char('0'))
        --trail;
    n.fractionDigits = fraction.left(trail);
    if (n.integerDigits == QLatin1String("0") && n.fractionDigits.isEmpty() && !n.tooLarge)
        n.negative = false;   // "-0" is plain zero
}

} // namespace

bool ReadNumberText(const QString& text, NumberText& out)
{
    const QString s = stripOuter(text);
    qint64 exponent = 0;
    const int e = exponentAt(s, exponent);
    NumberText n;
    if (!vb::ReadTypedNumber(e < 0 ? s : s.left(e), n))
        return false;
    if (e >= 0)
        applyExponent(n, exponent);
    out = n;
    return true;
}

} // namespace zeltrix
