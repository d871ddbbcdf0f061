// Number scanning and printing shared by CStr, CDbl, Val, Str, IsNumeric and Format.
#include "platform/vb/Internal.h"
#include "platform/vb/VbError.h"
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vb::detail {

namespace {
bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
}

bool scanNumber(const QString& text, QChar decimalSep, QChar groupSep, bool allowExponent,
                std::string& normalized)
{
    normalized.clear();
    qsizetype i = 0, n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    while (n > i && text.at(n - 1) == QLatin1Char(' '))
        --n;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        if (text.at(i) == QLatin1Char('-'))
            normalized += '-';
        ++i;
    }
    bool anyDigit = false, seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            normalized += char(c.unicode());
            anyDigit = true;
        } else if (c == decimalSep && !seenPoint) {
            seenPoint = true;
            normalized += '.';
        } else if (!groupSep.isNull() && c == groupSep && c != decimalSep && !seenPoint && anyDigit
                   && i + 1 < n && isDigit(text.at(i + 1))) {
            // grouping between digits of the whole part
        } else {
            break;
        }
    }
    if (!anyDigit)
        return false;
    if (i < n && allowExponent) {
        const QChar e = text.at(i).toUpper();
        if (e != QLatin1Char('E') && e != QLatin1Char('D'))
            return false;
        ++i;
        normalized += 'e';
        if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
            normalized += char(text.at(i).unicode());
            ++i;
        }
        bool expDigit = false;
        for (; i < n && isDigit(text.at(i)); ++i) {
            normalized += char(text.at(i).unicode());
            expDigit = true;
        }
        if (!expDigit)
            return false;
    }
    return i == n;
}

double parseCNumber(const std::string& normalized)
{
    double v = 0;
    const char* first = normalized.data();
    const char* last = first + normalized.size();
    if (first != last && *first == '+')
        ++first;
    auto res = std::from_chars(first, last, v);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is VB's error 6.
        const auto e = normalized.find_first_of("eE");
        if (e != std::string::npos && normalized.find('-', e) != std::string::npos)
            return 0.0;
        Raise(ErrOverflow);
    }
    if (res.ec != std::errc())
        Raise(ErrTypeMismatch);
    return v;
}

QString doubleText(double v, QChar decimalSep)
{
    if (v == 0)
        return QStringLiteral("0");
    if (!std::isfinite(v))
        Raise(ErrOverflow);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    QString s = QString::fromLatin1(buf);
    if (decimalSep != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), decimalSep);
    return s;
}

namespace {
const QDate kSerialBase(1899, 12, 30);
constexpr double kMinSerial = -657434.0;        // 1/1/100
constexpr double kMaxSerial = 2958465.99999999; // 31/12/9999 23:59:59
constexpr qint64 kMsPerDay = 86400000;
}

double dateToSerial(const QDateTime& d)
{
    const qint64 days = kSerialBase.daysTo(d.date());
    const double frac = double(d.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    return days >= 0 ? double(days) + frac : double(days) - frac;
}

QDateTime serialToDate(double serial)
{
    if (!std::isfinite(serial) || serial < kMinSerial || serial > kMaxSerial + 1e-9)
        Raise(ErrOverflow);
    double whole = std::trunc(serial);
    qint64 ms = std::llround(std::fabs(serial - whole) * double(kMsPerDay));
    qint64 days = qint64(whole);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += serial < 0 ? -1 : 1;
    }
    return QDateTime(kSerialBase.addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)), Qt::UTC);
}

QString dateText(const QDateTime& d)
{
    const QTime t = d.time();
    const bool hasTime = t.msecsSinceStartOfDay() != 0;
    const QString date = d.date().toString(QStringLiteral("dd/MM/yyyy"));
    const QString time = t.toString(QStringLiteral("HH:mm:ss"));
    if (!hasTime)
        return date;
    if (d.date() == kSerialBase)
        return time;
    return date + QLatin1Char(' ') + time;
}

} // namespace vb::detail
