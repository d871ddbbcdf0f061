#include "platform/vb/TypedNumber.h"

namespace vb {

namespace {

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// A workstation that groups with a no-break space is typed with a plain blank.
bool isGrouping(QChar c, QChar grouping)
{
    if (grouping.isNull())
        return false;
    if (c == grouping)
        return true;
    const bool spaceLike = grouping == QChar(0x00A0) || grouping == QChar(0x202F);
    return spaceLike && c == QLatin1Char(' ');
}

} // namespace

QString TypedNumber::canonical() const
{
    QString s;
    if (negative)
        s += QLatin1Char('-');
    s += integerDigits;
    if (!fractionDigits.isEmpty())
        s += QLatin1Char('.') + fractionDigits;
    return s;
}

bool ReadTypedNumber(const QString& text, TypedNumber& out, const RegionalSettings& regional)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    while (n > i && text.at(n - 1) == QLatin1Char(' '))
        --n;
    if (i == n)
        return false;

    const QChar decimal = regional.decimalSeparator;
    // A grouping separator equal to the decimal one would make every text ambiguous.
    const QChar grouping = regional.thousandsSeparator == decimal ? QChar() : regional.thousandsSeparator;

    TypedNumber number;
    if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')) {
        number.negative = text.at(i) == QLatin1Char('-');
        ++i;
    }

    // The whole part: runs of digits between grouping separators. Once grouped, the
    // first run has one to three digits and every later run exactly three.
    QString integer;
    int groups = 0;
    int run = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            integer += c;
            ++run;
        } else if (isGrouping(c, grouping)) {
            if (run == 0 || (groups == 0 ? run > 3 : run != 3))
                return false;
            ++groups;
            run = 0;
        } else {
            break;
        }
    }
    if (groups > 0 && run != 3)
        return false;

    QString fraction;
    if (i < n && text.at(i) == decimal) {
        for (++i; i < n && isDigit(text.at(i)); ++i)
            fraction += text.at(i);
    }
    if (i != n || (integer.isEmpty() && fraction.isEmpty()))
        return false;

    qsizetype lead = 0;
    while (lead < integer.size() - 1 && integer.at(lead) == QLatin1Char('0'))
        ++lead;
    number.integerDigits = integer.isEmpty() ? QStringLiteral("0") : integer.mid(lead);
    qsizetype trail = fraction.size();
    while (trail > 0 && fraction.at(trail - 1) == QLatin1Char('0'))
        --trail;
    number.fractionDigits = fraction.left(trail);
    if (number.integerDigits == QLatin1String("0") && number.fractionDigits.isEmpty())
        number.negative = false;   // "-0" is plain zero
    out = number;
    return true;
}

bool ReadTypedNumber(const QString& text, TypedNumber& out)
{
    return ReadTypedNumber(text, out, Regional());
}

} // namespace vb
