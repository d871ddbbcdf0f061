#include "tests/support/oracle/OracleDates.h"
#include "tests/support/oracle/OracleCut.h"

#include <QSet>
#include <vector>

namespace testsupport {

namespace {

// A piece of a statement as this check reads it: a name without its quotes, a text's
// content, a TO_DATE call as one date.
struct Piece {
    enum Kind { Word, Name, Text, Date, Number, Punct } kind = Punct;
    QString text;
    int depth = 0;
};

bool is(const Piece& p, const char* text)
{
    return (p.kind == Piece::Word || p.kind == Piece::Punct) && p.text.compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
}

void sqlPieces(const QString& t, std::vector<Piece>& out)
{
    for (int i = 0; i < t.size();) {
        const QChar c = t[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        int j = i + 1;
        Piece::Kind kind = Piece::Punct;
        if (c.isLetter() || c == u'_') {
            while (j < t.size() && (t[j].isLetterOrNumber() || t[j] == u'_' || t[j] == u'$' || t[j] == u'#'))
                ++j;
            kind = Piece::Word;
        } else if (c.isDigit()) {
            while (j < t.size() && (t[j].isDigit() || t[j] == u'.'))
                ++j;
            kind = Piece::Number;
        } else if (j < t.size() && ((c == u'<' && (t[j] == u'=' || t[j] == u'>')) || ((c == u'>' || c == u'!') && t[j] == u'=')
                                     || (c == u'|' && t[j] == u'|'))) {
            ++j;
        }
        out.push_back({kind, t.mid(i, j - i)});
        i = j;
    }
}

std::vector<Piece> pieces(const QString& statement)
{
    std::vector<Piece> raw;
    for (const Segment& s : segments(statement)) {
        if (s.kind == Segment::Sql) {
            sqlPieces(s.text, raw);
        } else if (s.kind != Segment::Comment) {
            const QString quote = s.text.left(1);
            const QString inner = s.text.mid(1, s.text.size() - 2).replace(quote + quote, quote);
            raw.push_back({s.kind == Segment::Text ? Piece::Text : Piece::Name, inner});
        }
    }
    std::vector<Piece> out;
    int depth = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (is(raw[i], "TO_DATE") && i + 5 < raw.size() && is(raw[i + 1], "(") && raw[i + 2].kind == Piece::Text
            && is(raw[i + 3], ",") && raw[i + 4].kind == Piece::Text && is(raw[i + 5], ")")) {
            out.push_back({Piece::Date, raw[i + 2].text, depth});
            i += 5;
            continue;
        }
        if (is(raw[i], ")"))
            --depth;
        raw[i].depth = depth;
        out.push_back(raw[i]);
        if (is(raw[i], "("))
            ++depth;
    }
    return out;
}

bool isComparison(const Piece& p)
{
    static const QSet<QString> ops = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("!="), QStringLiteral("<"),
                                      QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">=")};
    return p.kind == Piece::Punct && ops.contains(p.text);
}

bool isValue(const Piece& p)
{
    return p.kind == Piece::Text || p.kind == Piece::Date || p.kind == Piece::Number;
}

bool isNamePiece(const Piece& p)
{
    static const QSet<QString> keywords = {QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("WHERE"),
                                           QStringLiteral("SET"), QStringLiteral("ON"), QStringLiteral("WHEN"), QStringLiteral("THEN"),
                                           QStringLiteral("ELSE"), QStringLiteral("SELECT"), QStringLiteral("NULL")};
    return p.kind == Piece::Name || (p.kind == Piece::Word && !keywords.contains(p.text.toUpper()));
}

class Reader {
public:
    Reader(const QString& statement, const ColumnTypeOf& typeOf) : p_(pieces(statement)), typeOf_(typeOf)
    {
        tables();
        insertColumns();
        setList();
    }

    QString refusal()
    {
        for (int i = 0; i < n(); ++i) {
            const Piece& v = p_[i];
            if (v.kind != Piece::Date && !(v.kind == Piece::Text && !v.text.isEmpty()))
                continue;
            bool storing = false;
            const QString column = columnMet(i, storing);
            if (column.isEmpty())
                continue;
            const ColumnType type = typeOf(column, storing && !into_.isEmpty());
            if (v.kind == Piece::Date && type == ColumnType::Text)
                return storing ? QStringLiteral("stand-in: a date stored into the text column %1 is written in the session's date format")
                                     .arg(column)
                               : QStringLiteral("ORA-01858: a non-numeric character was found where a numeric was expected");
            if (v.kind == Piece::Text && type == ColumnType::Date)
                return QStringLiteral("ORA-01861: literal does not match format string");
        }
        return {};
    }

private:
    int n() const { return int(p_.size()); }

    // The tables the statement names: after FROM, JOIN, INTO, UPDATE, DELETE, and in a
    // FROM list.
    void tables()
    {
        static const QSet<QString> ends = {QStringLiteral("WHERE"), QStringLiteral("GROUP"), QStringLiteral("ORDER"),
                                           QStringLiteral("HAVING"), QStringLiteral("ON"), QStringLiteral("JOIN"),
                                           QStringLiteral("UNION"), QStringLiteral("SET"), QStringLiteral("SELECT")};
        bool fromList = false;
        for (int i = 0; i + 1 < n(); ++i) {
            const Piece& k = p_[i];
            const bool head = is(k, "FROM") || is(k, "JOIN") || is(k, "INTO") || is(k, "UPDATE") || is(k, "DELETE");
            if ((head || (fromList && is(k, ","))) && isNamePiece(p_[i + 1]) && !(i + 2 < n() && is(p_[i + 2], "(")))
                tables_ << p_[i + 1].text;
            if (is(k, "FROM"))
                fromList = true;
            else if (k.kind == Piece::Word && ends.contains(k.text.toUpper()))
                fromList = false;
        }
    }

    // INSERT INTO T (a, b, ...) VALUES (...): the table, its columns, the VALUES "(".
    void insertColumns()
    {
        if (n() < 4 || !is(p_[0], "INSERT") || !is(p_[1], "INTO") || !isNamePiece(p_[2]) || !is(p_[3], "("))
            return;
        int k = 4;
        for (; k < n() && !is(p_[k], ")"); ++k)
            if (isNamePiece(p_[k]))
                columns_ << p_[k].text;
        if (k + 2 < n() && is(p_[k + 1], "VALUES") && is(p_[k + 2], "(")) {
            into_ = p_[2].text;
            values_ = k + 2;
        }
    }

    // UPDATE ... SET a = ..., b = ... WHERE: the assignments' extent.
    void setList()
    {
        if (n() == 0 || !is(p_[0], "UPDATE"))
            return;
        for (int i = 1; i < n(); ++i) {
            if (p_[i].depth != 0)
                continue;
            if (setFrom_ < 0 && is(p_[i], "SET"))
                setFrom_ = i;
            else if (setFrom_ >= 0 && is(p_[i], "WHERE")) {
                setTo_ = i;
                return;
            }
        }
        setTo_ = n();
    }

    QString nameBefore(int i) const { return i >= 0 && isNamePiece(p_[i]) && !is(p_[i + 1], "(") ? p_[i].text : QString(); }
    QString nameAfter(int i) const
    {
        if (i >= n() || !isNamePiece(p_[i]))
            return {};
        while (i + 2 < n() && is(p_[i + 1], ".") && isNamePiece(p_[i + 2]))
            i += 2;
        return i + 1 < n() && is(p_[i + 1], "(") ? QString() : p_[i].text;
    }

    // The column the value at `i` meets, and whether it is stored there.
    QString columnMet(int i, bool& storing) const
    {
        storing = false;
        if (values_ >= 0 && i > values_ && p_[i].depth == p_[values_].depth + 1 && i + 1 < n()
            && (is(p_[i - 1], "(") || is(p_[i - 1], ",")) && (is(p_[i + 1], ",") || is(p_[i + 1], ")"))) {
            int position = 0;
            for (int k = values_ + 1; k < i; ++k)
                if (is(p_[k], ",") && p_[k].depth == p_[i].depth)
                    ++position;
            storing = true;
            return position < columns_.size() ? columns_[position] : QString();
        }
        if (i > 0 && isComparison(p_[i - 1])) {
            storing = i - 1 > setFrom_ && i - 1 < setTo_ && is(p_[i - 1], "=");
            return nameBefore(i - 2);
        }
        if (i + 1 < n() && isComparison(p_[i + 1]))
            return nameAfter(i + 2);
        if (i > 0 && is(p_[i - 1], "BETWEEN"))
            return nameBefore(i - 2);
        if (i > 2 && is(p_[i - 1], "AND") && isValue(p_[i - 2]) && is(p_[i - 3], "BETWEEN"))
            return nameBefore(i - 4);
        int k = i - 1;
        while (k >= 0 && (is(p_[k], ",") || isValue(p_[k])))
            --k;
        if (k > 0 && is(p_[k], "(") && is(p_[k - 1], "IN"))
            return nameBefore(k - 2);
        return {};
    }

    // What the catalogue says of the column: of the table stored into, or of the first
    // table named that has it.
    ColumnType typeOf(const QString& column, bool ofInsert) const
    {
        if (ofInsert)
            return typeOf_(into_, column);
        for (const QString& table : tables_)
            if (const ColumnType t = typeOf_(table, column); t != ColumnType::Unknown)
                return t;
        return ColumnType::Unknown;
    }

    std::vector<Piece> p_;
    const ColumnTypeOf& typeOf_;
    QStringList tables_;
    QString into_;
    QStringList columns_;
    int values_ = -1;
    int setFrom_ = -1, setTo_ = -1;
};

} // namespace

QString DateMeetingRefusal(const QString& statement, const ColumnTypeOf& typeOf)
{
    return Reader(statement, typeOf).refusal();
}

} // namespace testsupport
