#include "platform/ado/SqlServerDate.h"

#include <QDate>
#include <cstdio>

namespace ado {

bool SqlServerDate(QStringView text, QString& iso)
{
    const QString s = text.toString().trimmed();
    auto make = [&](int y, int mo, int d, int h, int mi, int se) {
        if (y < 1753 || y > 9999) return false;
        const QDate date(y, mo, d);
        if (!date.isValid() || h > 23 || mi > 59 || se > 59) return false;
        char text[64];
        const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, se);
        iso = QString::fromLatin1(text, length);
        return true;
    };
    if (s.isEmpty()) return make(1900, 1, 1, 0, 0, 0);

    int pos = 0;
    const int n = int(s.size());
    auto digits = [&](int maxLen, int& value) {
        int len = 0;
        value = 0;
        while (pos < n && s[pos].isDigit() && len < maxLen) { value = value * 10 + s[pos].digitValue(); ++pos; ++len; }
        return len;
    };
    auto parseTime = [&](int& h, int& mi, int& se) {
        h = mi = se = 0;
        while (pos < n && s[pos] == u' ') ++pos;
        if (pos >= n) return true;
        if (digits(2, h) == 0) return false;
        if (pos >= n || s[pos] != u':') return false;
        ++pos;
        if (digits(2, mi) != 2) return false;
        if (pos < n && s[pos] == u':') {
            ++pos;
            if (digits(2, se) != 2) return false;
            if (pos < n && s[pos] == u'.') { ++pos; int f; if (digits(9, f) == 0) return false; }
        }
        while (pos < n && s[pos] == u' ') ++pos;
        if (pos < n) {
            const QString ampm = s.mid(pos).toUpper();
            if (ampm == QLatin1String("AM")) { if (h > 12 || h == 0) return false; if (h == 12) h = 0; }
            else if (ampm == QLatin1String("PM")) { if (h > 12 || h == 0) return false; if (h != 12) h += 12; }
            else return false;
            pos = n;
        }
        return true;
    };

    int a = 0;
    const int la = digits(8, a);
    if (la == 0) return false;
    int h, mi, se;
    if (pos < n && s[pos] == u':') {   // time alone: the base date
        pos = 0;
        if (!parseTime(h, mi, se) || pos != n) return false;
        return make(1900, 1, 1, h, mi, se);
    }
    if (la == 8 && (pos == n || s[pos] == u' ' || s[pos] == u'T')) {   // yyyymmdd
        if (pos < n) ++pos;
        if (!parseTime(h, mi, se) || pos != n) return false;
        return make(a / 10000, a / 100 % 100, a % 100, h, mi, se);
    }
    if (pos >= n) return false;
    const QChar sep = s[pos];
    if (sep != u'/' && sep != u'-' && sep != u'.') return false;
    ++pos;
    int b = 0;
    if (digits(2, b) == 0 || pos >= n || s[pos] != sep) return false;
    ++pos;
    int c = 0;
    const int lc = digits(4, c);
    if (lc == 0) return false;
    if (pos < n) {
        if (s[pos] == u'T' && la == 4) ++pos;
        else if (s[pos] != u' ') return false;
    }
    if (!parseTime(h, mi, se) || pos != n) return false;
    if (la == 4) return lc <= 2 && make(a, b, c, h, mi, se);   // ISO year first
    if (la > 2) return false;
    int year = c;
    if (lc == 2) year = c < 50 ? 2000 + c : 1900 + c;
    else if (lc != 4) return false;
    return make(year, b, a, h, mi, se);
}

} // namespace ado
