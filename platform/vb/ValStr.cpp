// Val, Str and IsNumeric.
#include "platform/vb/Internal.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TypedNumber.h"
#include "platform/vb/VbError.h"

namespace vb {

namespace {
bool skippedByVal(QChar c)
{
    const ushort u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r';
}
bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// "&H1F" / "&O17": VB reads them as Integer when they fit 16 bits, else Long.
double valRadix(const QString& s, qsizetype i, int radix)
{
    quint64 v = 0;
    bool any = false;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (skippedByVal(c))
            continue;
        const int d = QString(c).toInt(nullptr, radix);
        const bool ok = radix == 16 ? (isDigit(c) || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
                                    : (c.unicode() >= '0' && c.unicode() <= '7');
        if (!ok)
            break;
        v = v * quint64(radix) + quint64(d);
        any = true;
        if (v > 0xFFFFFFFFull)
            Raise(ErrOverflow);
    }
    if (!any)
        return 0;
    if (v <= 0xFFFF)
        return double(qint16(quint16(v)));
    return double(qint32(quint32(v)));
}
} // namespace

double Val(const QString& s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto skip = [&] { while (i < n && skippedByVal(s.at(i))) ++i; };
    skip();
    if (i + 1 < n && s.at(i) == QLatin1Char('&')) {
        const QChar r = s.at(i + 1).toUpper();
        if (r == QLatin1Char('H'))
            return valRadix(s, i + 2, 16);
        if (r == QLatin1Char('O'))
            return valRadix(s, i + 2, 8);
    }
    std::string text;
    if (i < n && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+'))) {
        if (s.at(i) == QLatin1Char('-'))
            text += '-';
        ++i;
    }
    bool anyDigit = false, seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = s.at(i);
        if (skippedByVal(c))
            continue;
        if (isDigit(c)) {
            text += char(c.unicode());
            anyDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            text += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    // Exponent: E or D, optional sign, digits (ignored when no digit follows).
    if (i < n && (s.at(i).toUpper() == QLatin1Char('E') || s.at(i).toUpper() == QLatin1Char('D'))) {
        std::string exp = "e";
        qsizetype j = i + 1;
        while (j < n && skippedByVal(s.at(j))) ++j;
        if (j < n && (s.at(j) == QLatin1Char('-') || s.at(j) == QLatin1Char('+'))) {
            exp += char(s.at(j).unicode());
            ++j;
        }
        bool expDigit = false;
        for (; j < n; ++j) {
            if (skippedByVal(s.at(j)))
                continue;
            if (!isDigit(s.at(j)))
                break;
            exp += char(s.at(j).unicode());
            expDigit = true;
        }
        if (expDigit)
            text += exp;
    }
    const double v = detail::parseCNumber(text);
    return v == 0 ? 0.0 : v;   // no negative zero
}

namespace {
QString withoutLeadingZero(QString s)
{
    // VB's Str writes ".5" and "-.5", never "0.5".
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}
QString leadingBlank(const QString& s)
{
    return s.startsWith(QLatin1Char('-')) ? s : QLatin1Char(' ') + s;
}
} // namespace

QString Str(double v)
{
    return leadingBlank(withoutLeadingZero(detail::doubleText(v, QLatin1Char('.'))));
}

QString Str(qint64 v)
{
    return leadingBlank(QString::number(v));
}

QString Str(Currency v)
{
    return leadingBlank(withoutLeadingZero(v.toString()));
}

bool IsNumeric(const QString& s)
{
    TypedNumber number;
    return ReadTypedNumber(s, number);
}

bool IsNumeric(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null:
    case VarType::Date:
        return false;
    case VarType::String:
        return IsNumeric(v.toString());
    default:
        return true;
    }
}

} // namespace vb

namespace vb {

QString Str(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Empty: return Str(qint64(0));
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean: return Str(qint64(v.toLong()));
    case VarType::Currency: return Str(v.toCurrency());
    case VarType::Date: return QLatin1Char(' ') + v.toString();
    default: return Str(v.toDouble());
    }
}

} // namespace vb
