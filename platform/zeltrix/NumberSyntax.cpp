#include "platform/zeltrix/NumberSyntax.h"
#include "platform/vb/Regional.h"

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

} // namespace

QString NumberText::canonical() const
{
    QString s;
    if (negative)
        s += QLatin1Char('-');
    s += integerDigits;
    if (!fractionDigits.isEmpty())
        s += QLatin1Char('.') + fractionDigits;
    return s;
}

bool ReadNumberText(const QString& text, NumberText& out)
{
    const QString s = stripOuter(text);
    if (s.isEmpty())
        return false;

    const vb::RegionalSettings& regional = vb::Regional();
    QChar decimal = regional.decimalSeparator;
    QChar grouping = regional.thousandsSeparator;
    // Texts written by code ("12.5" from a configuration value or from Str) carry "."
    // whatever the workstation says: a single "." with no other separator is a decimal
    // point. On a "," workstation this reads "1.234" as 1.234, not 1234.
    if (decimal != QLatin1Char('.') && s.count(QLatin1Char('.')) == 1 && !s.contains(decimal)
        && (grouping == QLatin1Char('.') || grouping.isNull() || !s.contains(grouping))) {
        decimal = QLatin1Char('.');
        grouping = QChar();
    }

    NumberText n;
    int i = 0;
    const int size = s.size();
    if (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')) {
        n.negative = s.at(i) == QLatin1Char('-');
        ++i;
        while (i < size && s.at(i) == QLatin1Char(' '))
            ++i;
    }
    QString integer;
    while (i < size) {
        const QChar c = s.at(i);
        if (isAsciiDigit(c)) {
            integer += c;
            ++i;
        } else if (!grouping.isNull() && c == grouping && !integer.isEmpty() && i + 1 < size
                   && isAsciiDigit(s.at(i + 1))) {
            ++i;   // a grouping separator stands between two digits
        } else {
            break;
        }
    }
    QString fraction;
    if (i < size && s.at(i) == decimal) {
        ++i;
        while (i < size && isAsciiDigit(s.at(i)))
            fraction += s.at(i++);
    }
    if (integer.isEmpty() && fraction.isEmpty())
        return false;
    qint64 exponent = 0;
    if (i < size && (s.at(i) == QLatin1Char('E') || s.at(i) == QLatin1Char('e'))) {
        int j = i + 1;
        bool negativeExponent = false;
        if (j < size && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-')))
            negativeExponent = s.at(j++) == QLatin1Char('-');
        if (j >= size || !isAsciiDigit(s.at(j)))
            return false;
        while (j < size && isAsciiDigit(s.at(j))) {
            if (exponent < MaxExponent)
                exponent = exponent * 10 + s.at(j).digitValue();
            ++j;
        }
        if (negativeExponent)
            exponent = -exponent;
        i = j;
    }
    if (i != size)
        return false;

    // The exponent moves the decimal point over the digits.
    if (exponent != 0) {
        const QString digits = integer + fraction;
        const bool zero = digits.count(QLatin1Char('0')) == digits.size();
        if (exponent >= MaxExponent) {
            n.tooLarge = !zero;
            exponent = 0;
            integer = QStringLiteral("0");
            fraction.clear();
        } else if (exponent <= -MaxExponent) {
            exponent = 0;
            integer = QStringLiteral("0");
            fraction.clear();
        } else {
            const qint64 point = integer.size() + exponent;
            if (point <= 0) {
                integer = QStringLiteral("0");
                fraction = QString(int(-point), QLatin1Char('0')) + digits;
            } else if (point >= digits.size()) {
                integer = digits + QString(int(point - digits.size()), QLatin1Char('0'));
                fraction.clear();
            } else {
                integer = digits.left(int(point));
                fraction = digits.mid(int(point));
            }
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
    out = n;
    return true;
}

} // namespace zeltrix
