#pragma once
// A statement cut as a reader of Oracle's SQL would: quoted texts, quoted names and
// comments apart from the rest. Written here on its own, so that the stand-in does not
// see statements through the data layer's own cut.
#include <QString>
#include <vector>

namespace testsupport {

struct Segment {
    enum Kind { Sql, Text, Name, Comment } kind = Sql;
    QString text;   // as written, quotes included
};

std::vector<Segment> segments(const QString& s);

} // namespace testsupport
