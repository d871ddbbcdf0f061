// VB's Format for the date and number patterns the suite uses.
#include "platform/vb/App.h"
#include "platform/vb/Internal.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include <QLocale>
#include <cstdio>
#include <string>
#include <vector>

namespace vb {

namespace {

// ---------------------------------------------------------------- patterns

QStringList splitSections(const QString& pattern)
{
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char('\\') && !quoted && i + 1 < pattern.size()) {
            current += c;
            current += pattern.at(++i);
            continue;
        } else if (c == QLatin1Char(';') && !quoted) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

enum class PatternKind { Number, Date, Other };

PatternKind classify(const QString& pattern)
{
    bool quoted = false, date = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            return PatternKind::Number;
        switch (c.toLower().unicode()) {
        case 'd': case 'm': case 'y': case 'h': case 'n': case 's': case 'w': case 'q': case 'c':
            date = true;
            break;
        default:
            break;
        }
    }
    return date ? PatternKind::Date : PatternKind::Other;
}

QString namedPattern(const QString& p)
{
    const QString n = p.toLower();
    if (n == QLatin1String("short date")) return QStringLiteral("dd/mm/yyyy");
    if (n == QLatin1String("short time")) return QStringLiteral("hh:nn");
    if (n == QLatin1String("long time") || n == QLatin1String("medium time")) return QStringLiteral("hh:nn:ss");
    if (n == QLatin1String("fixed")) return QStringLiteral("0.00");
    if (n == QLatin1String("standard")) return QStringLiteral("#,##0.00");
    if (n == QLatin1String("percent")) return QStringLiteral("0.00%");
    return p;
}

// ---------------------------------------------------------------- dates

QString formatDate(const QDateTime& dt, const QString& pattern)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    const QLocale locale = QLocale::system();
    const bool twelveHour = pattern.contains(QLatin1String("AM/PM"), Qt::CaseInsensitive)
                            || pattern.contains(QLatin1String("A/P"), Qt::CaseInsensitive);
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    auto hour = [&] { int h = t.hour(); if (twelveHour) { h %= 12; if (h == 0) h = 12; } return h; };

    // The next letter (outside quotes and escapes) after position i.
    auto nextLetter = [&](qsizetype i) -> QChar {
        bool quoted = false;
        for (; i < pattern.size(); ++i) {
            const QChar c = pattern.at(i);
            if (c == QLatin1Char('"')) { quoted = !quoted; continue; }
            if (quoted) continue;
            if (c == QLatin1Char('\\')) { ++i; continue; }
            if (c.isLetter()) return c.toLower();
        }
        return QChar();
    };

    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            out += pattern.mid(i + 1, (end < 0 ? pattern.size() : end) - i - 1);
            i = end < 0 ? pattern.size() : end + 1;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 < pattern.size())
                out += pattern.at(i + 1);
            i += 2;
            continue;
        }
        if (pattern.mid(i, 5).compare(QLatin1String("AM/PM"), Qt::CaseInsensitive) == 0) {
            const bool upper = pattern.at(i).isUpper();
            const QString s = t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            out += upper ? s : s.toLower();
            i += 5;
            continue;
        }
        if (pattern.mid(i, 3).compare(QLatin1String("A/P"), Qt::CaseInsensitive) == 0) {
            const bool upper = pattern.at(i).isUpper();
            const QString s = t.hour() < 12 ? QStringLiteral("A") : QStringLiteral("P");
            out += upper ? s : s.toLower();
            i += 3;
            continue;
        }
        const QChar lower = c.toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == lower)
            ++run;
        switch (lower.unicode()) {
        case 'd':
            if (run == 1) out += QString::number(d.day());
            else if (run == 2) out += two(d.day());
            else if (run == 3) out += locale.dayName(d.dayOfWeek(), QLocale::ShortFormat);
            else if (run == 4) out += locale.dayName(d.dayOfWeek(), QLocale::LongFormat);
            else out += d.toString(QStringLiteral("dd/MM/yyyy"));
            afterHour = false;
            break;
        case 'm': {
            const bool minutes = run <= 2 && (afterHour || nextLetter(i + run) == QLatin1Char('s'));
            if (minutes) out += run == 1 ? QString::number(t.minute()) : two(t.minute());
            else if (run == 1) out += QString::number(d.month());
            else if (run == 2) out += two(d.month());
            else if (run == 3) out += locale.monthName(d.month(), QLocale::ShortFormat);
            else out += locale.monthName(d.month(), QLocale::LongFormat);
            afterHour = false;
            break;
        }
        case 'y':
            if (run == 1) out += QString::number(d.dayOfYear());
            else if (run == 2) out += two(d.year() % 100);
            else out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            afterHour = false;
            break;
        case 'h':
            out += run == 1 ? QString::number(hour()) : two(hour());
            afterHour = true;
            break;
        case 'n':
            out += run == 1 ? QString::number(t.minute()) : two(t.minute());
            afterHour = false;
            break;
        case 's':
            out += run == 1 ? QString::number(t.second()) : two(t.second());
            afterHour = false;
            break;
        case 'w':
            if (run == 1) out += QString::number(d.dayOfWeek() % 7 + 1);
            else out += QString::number((d.dayOfYear() + QDate(d.year(), 1, 1).dayOfWeek() % 7 - 1) / 7 + 1);
            afterHour = false;
            break;
        case 'q':
            out += QString::number((d.month() - 1) / 3 + 1);
            afterHour = false;
            break;
        case 'c':
            out += detail::dateText(dt);
            afterHour = false;
            break;
        default:
            out += QString(run, c);   // "/", ":", blanks and other literals
            break;
        }
        i += run;
    }
    return out;
}

// ---------------------------------------------------------------- numbers

// An exact decimal: sign, whole digits (no leading zeros) and fraction digits.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;

    bool isZero() const
    {
        return whole.find_first_not_of('0') == std::string::npos
               && fraction.find_first_not_of('0') == std::string::npos;
    }
    void normalize()
    {
        const size_t first = whole.find_first_not_of('0');
        whole = first == std::string::npos ? std::string() : whole.substr(first);
    }
    void times100()
    {
        while (fraction.size() < 2)
            fraction += '0';
        whole += fraction.substr(0, 2);
        fraction.erase(0, 2);
        normalize();
    }
    // Rounds to `decimals` fraction digits, half away from zero (as VB's Format does).
    void roundTo(size_t decimals)
    {
        if (fraction.size() <= decimals)
            return;
        const bool up = fraction[decimals] >= '5';
        fraction.resize(decimals);
        if (!up)
            return;
        std::string all = whole + fraction;
        int k = int(all.size()) - 1;
        while (k >= 0 && all[size_t(k)] == '9') {
            all[size_t(k)] = '0';
            --k;
        }
        if (k < 0)
            all.insert(all.begin(), '1');
        else
            all[size_t(k)] += 1;
        whole = all.substr(0, all.size() - decimals);
        fraction = all.substr(all.size() - decimals);
        normalize();
    }
};

// From the C form "-123.45" or "1.2345e-05".
Decimal decimalFromC(const std::string& text)
{
    Decimal d;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        d.negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    int pointAt = -1;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.')
            pointAt = int(digits.size());
        else
            digits += text[i];
    }
    if (pointAt < 0)
        pointAt = int(digits.size());
    if (i < text.size())
        pointAt += std::stoi(text.substr(i + 1));
    if (pointAt <= 0) {
        d.fraction = std::string(size_t(-pointAt), '0') + digits;
    } else if (pointAt >= int(digits.size())) {
        d.whole = digits + std::string(size_t(pointAt - int(digits.size())), '0');
    } else {
        d.whole = digits.substr(0, size_t(pointAt));
        d.fraction = digits.substr(size_t(pointAt));
    }
    d.normalize();
    return d;
}

Decimal decimalFromDouble(double v)
{
    if (!std::isfinite(v))
        Raise(ErrOverflow);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);   // VB's 15 significant digits
    return decimalFromC(buf);
}

Decimal decimalFromCurrency(Currency c)
{
    QString s = c.toString();
    return decimalFromC(s.toStdString());
}

struct Token {
    enum Kind { Zero, Hash, Point, Comma, Percent, Literal } kind;
    QString text;
};

std::vector<Token> tokenizeNumber(const QString& section)
{
    std::vector<Token> tokens;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == QLatin1Char('"')) {
            const qsizetype end = section.indexOf(QLatin1Char('"'), i + 1);
            tokens.push_back({Token::Literal, section.mid(i + 1, (end < 0 ? section.size() : end) - i - 1)});
            i = end < 0 ? section.size() : end;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < section.size())
                tokens.push_back({Token::Literal, QString(section.at(++i))});
        } else if (c == QLatin1Char('0')) {
            tokens.push_back({Token::Zero, {}});
        } else if (c == QLatin1Char('#')) {
            tokens.push_back({Token::Hash, {}});
        } else if (c == QLatin1Char('.')) {
            tokens.push_back({Token::Point, {}});
        } else if (c == QLatin1Char(',')) {
            tokens.push_back({Token::Comma, {}});
        } else if (c == QLatin1Char('%')) {
            tokens.push_back({Token::Percent, {}});
        } else {
            tokens.push_back({Token::Literal, QString(c)});
        }
    }
    return tokens;
}

QString formatNumberSection(Decimal value, const QString& section, bool withSign)
{
    const RegionalSettings& r = Regional();
    std::vector<Token> tokens = tokenizeNumber(section);
    const auto isDigitTok = [](const Token& t) { return t.kind == Token::Zero || t.kind == Token::Hash; };

    size_t pointAt = tokens.size();
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind == Token::Point) { pointAt = i; break; }
    // Later points are literals.
    for (size_t i = pointAt + 1; i < tokens.size(); ++i)
        if (tokens[i].kind == Token::Point)
            tokens[i] = {Token::Literal, QString(r.decimalSeparator)};

    std::vector<size_t> wholeSlots, fracSlots;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (isDigitTok(tokens[i]))
            (i < pointAt ? wholeSlots : fracSlots).push_back(i);

    bool grouping = false;
    if (!wholeSlots.empty())
        for (size_t i = wholeSlots.front(); i < wholeSlots.back(); ++i)
            if (tokens[i].kind == Token::Comma)
                grouping = true;

    for (const Token& t : tokens)
        if (t.kind == Token::Percent)
            value.times100();

    int minWhole = 0;
    for (size_t k = 0; k < wholeSlots.size(); ++k)
        if (tokens[wholeSlots[k]].kind == Token::Zero) {
            minWhole = int(wholeSlots.size() - k);
            break;
        }
    const size_t maxFrac = fracSlots.size();
    size_t minFrac = 0;
    for (size_t k = 0; k < fracSlots.size(); ++k)
        if (tokens[fracSlots[k]].kind == Token::Zero)
            minFrac = k + 1;

    value.roundTo(maxFrac);
    std::string frac = value.fraction;
    while (frac.size() > minFrac && frac.back() == '0')
        frac.pop_back();
    while (frac.size() < minFrac)
        frac += '0';

    QString whole = QString::fromStdString(value.whole);
    while (whole.size() < minWhole)
        whole.prepend(QLatin1Char('0'));
    if (grouping) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, r.thousandsSeparator);
    }

    // Digits of the whole part per slot, from the right; the leftmost slot takes the rest.
    std::vector<QString> slotText(tokens.size());
    if (wholeSlots.empty()) {
        // No whole placeholders: the whole digits go just before the point.
    } else if (grouping) {
        slotText[wholeSlots.front()] = whole;
    } else {
        qsizetype remaining = whole.size();
        for (size_t k = wholeSlots.size(); k-- > 0;) {
            if (k == 0) {
                slotText[wholeSlots[k]] = whole.left(remaining);
            } else if (remaining > 0) {
                slotText[wholeSlots[k]] = whole.mid(remaining - 1, 1);
                --remaining;
            }
        }
    }
    for (size_t k = 0; k < fracSlots.size(); ++k)
        if (k < frac.size())
            slotText[fracSlots[k]] = QString(QChar(frac[k]));

    QString out;
    if (withSign)
        out += QLatin1Char('-');
    bool wholeEmitted = !wholeSlots.empty();
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.kind) {
        case Token::Zero:
        case Token::Hash:
            if (!wholeEmitted && i > pointAt) {
                out += whole;
                wholeEmitted = true;
            }
            out += slotText[i];
            break;
        case Token::Point:
            if (!wholeEmitted) {
                out += whole;
                wholeEmitted = true;
            }
            out += r.decimalSeparator;
            break;
        case Token::Comma:
            break;   // grouping (or VB's scaling by thousands, not used) never prints itself
        case Token::Percent:
            out += QLatin1Char('%');
            break;
        case Token::Literal:
            out += t.text;
            break;
        }
    }
    if (!wholeEmitted)
        out += whole;
    return out;
}

QString formatNumber(const Decimal& value, const QString& pattern)
{
    const QStringList sections = splitSections(pattern);
    if (value.negative && sections.size() >= 2 && !sections.at(1).isEmpty())
        return formatNumberSection(value, sections.at(1), false);
    if (value.isZero() && sections.size() >= 3 && !sections.at(2).isEmpty())
        return formatNumberSection(value, sections.at(2), false);
    return formatNumberSection(value, sections.at(0), value.negative && !value.isZero());
}

Decimal decimalOf(const Variant& v)
{
    switch (v.type()) {
    case VarType::Empty:
        return Decimal{};
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
        return decimalFromC(std::to_string(v.toLong()));
    case VarType::Currency:
        return decimalFromCurrency(v.toCurrency());
    default:
        return decimalFromDouble(v.toDouble());
    }
}

} // namespace

QString Format(const Variant& value, const QString& patternIn)
{
    if (value.isNull())
        return QString();
    if (patternIn.isEmpty())
        return value.toString();
    const QString pattern = namedPattern(patternIn);
    const RegionalSettings& r = Regional();

    switch (classify(pattern)) {
    case PatternKind::Number: {
        if (value.type() == VarType::String) {
            const QString text = value.toString();
            std::string c;
            if (detail::scanNumber(text, r.decimalSeparator, r.thousandsSeparator, true, c)) {
                if (c.find('e') == std::string::npos)
                    return formatNumber(decimalFromC(c), pattern);
                return formatNumber(decimalFromDouble(detail::parseCNumber(c)), pattern);
            }
            QDateTime d;
            if (ParseDate(text, d))
                return formatNumber(decimalFromDouble(detail::dateToSerial(d)), pattern);
            return text;
        }
        return formatNumber(decimalOf(value), pattern);
    }
    case PatternKind::Date: {
        QDateTime d;
        if (value.type() == VarType::String) {
            const QString text = value.toString();
            if (!ParseDate(text, d)) {
                std::string c;
                if (!detail::scanNumber(text, r.decimalSeparator, r.thousandsSeparator, true, c))
                    return text;
                d = detail::serialToDate(detail::parseCNumber(c));
            }
        } else {
            d = value.toDate();
        }
        return formatDate(d, splitSections(pattern).at(0));
    }
    case PatternKind::Other:
        break;
    }
    return value.toString();
}

} // namespace vb
