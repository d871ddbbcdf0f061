// IsDate, ParseDate, CDate: day-first dates, ISO dates, optional time.
#include "platform/vb/App.h"
#include "platform/vb/Internal.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

namespace vb {

namespace {

struct Cursor {
    const QString& s;
    qsizetype i = 0;
    bool atEnd() const { return i >= s.size(); }
    QChar peek() const { return atEnd() ? QChar() : s.at(i); }
    // Reads 1..maxDigits digits; returns the count read (0 when none).
    int number(int maxDigits, int& value)
    {
        int count = 0;
        value = 0;
        while (!atEnd() && count < maxDigits && s.at(i).unicode() >= '0' && s.at(i).unicode() <= '9') {
            value = value * 10 + (s.at(i).unicode() - '0');
            ++i;
            ++count;
        }
        return count;
    }
    void blanks() { while (!atEnd() && s.at(i) == QLatin1Char(' ')) ++i; }
};

bool isDateSep(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.'); }

int windowYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// hh:mm[:ss[.fff]] at the cursor, to the end of the text.
bool parseTime(Cursor& c, QTime& out)
{
    int h = 0, m = 0, sec = 0, ms = 0;
    if (c.number(2, h) == 0 || c.peek() != QLatin1Char(':'))
        return false;
    ++c.i;
    if (c.number(2, m) == 0)
        return false;
    if (c.peek() == QLatin1Char(':')) {
        ++c.i;
        if (c.number(2, sec) == 0)
            return false;
        if (c.peek() == QLatin1Char('.')) {
            ++c.i;
            int frac = 0;
            const int digits = c.number(3, frac);
            if (digits == 0)
                return false;
            ms = frac * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
            int ignored = 0;
            c.number(9, ignored);
        }
    }
    c.blanks();
    if (!c.atEnd() || h > 23 || m > 59 || sec > 59)
        return false;
    out = QTime(h, m, sec, ms);
    return out.isValid();
}

} // namespace

bool ParseDate(const QString& text, QDateTime& out)
{
    Cursor c{text};
    c.blanks();
    const qsizetype startPos = c.i;
    int a = 0;
    const int aDigits = c.number(4, a);
    if (aDigits == 0)
        return false;

    // A time alone: the date part is VB's day zero.
    if (c.peek() == QLatin1Char(':') && aDigits <= 2) {
        c.i = startPos;
        QTime t;
        if (!parseTime(c, t))
            return false;
        out = MakeDate(QDate(1899, 12, 30), t);
        return true;
    }
    if (!isDateSep(c.peek()))
        return false;
    const QChar sep = c.peek();
    ++c.i;
    int day = 0, month = 0, year = 0;
    int b = 0;
    if (c.number(2, b) == 0)
        return false;
    if (aDigits == 4) {
        // ISO order: yyyy-mm-dd (also with "/" or ".").
        int d = 0;
        if (c.peek() != sep)
            return false;
        ++c.i;
        if (c.number(2, d) == 0)
            return false;
        year = a;
        month = b;
        day = d;
    } else if (aDigits <= 2) {
        day = a;
        month = b;
        if (c.peek() == sep) {
            ++c.i;
            int y = 0;
            const int yDigits = c.number(4, y);
            if (yDigits == 2)
                year = windowYear(y);
            else if (yDigits == 4)
                year = y;
            else
                return false;
        } else if (sep == QLatin1Char('.')) {
            return false;   // "15.5" is a number, not the 15th of May
        } else {
            year = App::Now().date().year();
        }
    } else {
        return false;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;

    QTime time(0, 0);
    if (!c.atEnd()) {
        const QChar next = c.peek();
        if (next == QLatin1Char('T') && aDigits == 4) {
            ++c.i;
        } else if (next == QLatin1Char(' ')) {
            c.blanks();
        } else {
            return false;
        }
        if (!c.atEnd() && !parseTime(c, time))
            return false;
    }
    out = MakeDate(date, time);
    return true;
}

bool IsDate(const QString& s)
{
    QDateTime d;
    return ParseDate(s, d);
}

bool IsDate(const Variant& v)
{
    switch (v.type()) {
    case VarType::Date:
        return true;
    case VarType::String:
        return IsDate(v.toString());
    default:
        return false;
    }
}

QDateTime CDate(const QString& s)
{
    QDateTime d;
    if (!ParseDate(s, d))
        Raise(ErrTypeMismatch);
    return d;
}

} // namespace vb
