#include "tests/support/oracle/OracleCut.h"

namespace testsupport {

std::vector<Segment> segments(const QString& s)
{
    std::vector<Segment> out;
    auto add = [&out](Segment::Kind k, const QString& text) {
        if (k == Segment::Sql && !out.empty() && out.back().kind == Segment::Sql)
            out.back().text += text;
        else
            out.push_back({k, text});
    };
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        if (c == u'\'' || c == u'"') {
            int j = i + 1;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) { j += 2; continue; }
                    ++j;
                    break;
                }
                ++j;
            }
            add(c == u'\'' ? Segment::Text : Segment::Name, s.mid(i, j - i));
            i = j;
        } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            int j = i;
            while (j < n && s[j] != u'\n' && s[j] != u'\r') ++j;
            add(Segment::Comment, s.mid(i, j - i));
            i = j;
        } else if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
            const int end = int(s.indexOf(QStringLiteral("*/"), i + 2));
            const int j = end < 0 ? n : end + 2;
            add(Segment::Comment, s.mid(i, j - i));
            i = j;
        } else {
            add(Segment::Sql, QString(c));
            ++i;
        }
    }
    return out;
}

} // namespace testsupport
