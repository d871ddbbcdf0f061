// The SQL Server dialect in Oracle's words, worked token by token on the statement's SQL:
// a quoted text, a quoted name or a comment is never searched, only a text that meets a
// date column is written as the date it is.
#include "data/SqlText.h"
#include "platform/ado/SqlServerDate.h"
#include "platform/ado/SqliteDialect.h"
#include "platform/ado/SqlTokens.h"
#include <QSet>
#include <algorithm>

using namespace ado::sql;
using Tokens = std::vector<Token>;

namespace sqltext {

namespace {

QString join(const Tokens& t)
{
    QString out;
    for (const Token& k : t) {
        out += k.before();
        if (!k.removed)
            out += k.text;
        out += k.after();
    }
    return out;
}

bool isName(const Token& t)
{
    return !t.removed && (t.kind == Token::Word || t.kind == Token::Bracketed || t.kind == Token::DQuoted);
}

void removeRange(Tokens& t, int from, int to)
{
    for (int i = from; i <= to; ++i)
        t[i].removed = true;
}

// ---------------------------------------------------------------- lock hints

// The hints that keep what is read locked until the transaction ends.
bool holdsLock(const QString& hint)
{
    static const QSet<QString> s = {QStringLiteral("UPDLOCK"), QStringLiteral("HOLDLOCK"), QStringLiteral("XLOCK"),
                                    QStringLiteral("TABLOCK"), QStringLiteral("TABLOCKX"), QStringLiteral("SERIALIZABLE"),
                                    QStringLiteral("REPEATABLEREAD")};
    return s.contains(hint.toUpper());
}

// "WITH ( hint [, hint]... )" starting at `with`: the index of its ")" (-1 when the
// tokens there are no lock hints) and whether a hint holds locks.
int hintEnd(const Tokens& t, int with, bool& locking)
{
    locking = false;
    if (!isWord(t[with], QLatin1String("WITH")))
        return -1;
    int k = nextSig(t, with);
    if (k < 0 || !isPunct(t[k], QLatin1String("(")))
        return -1;
    for (;;) {
        k = nextSig(t, k);
        if (k < 0 || t[k].kind != Token::Word || !IsTableHint(t[k].text))
            return -1;
        locking = locking || holdsLock(t[k].text);
        k = nextSig(t, k);
        if (k < 0)
            return -1;
        if (isPunct(t[k], QLatin1String(")")))
            return k;
        if (!isPunct(t[k], QLatin1String(",")))
            return -1;
    }
}

// The table the hints at `with` are written after: "T WITH", "T A WITH", "T AS A WITH".
QString hintedTable(const Tokens& t, int with)
{
    static const QSet<QString> heads = {QStringLiteral("FROM"), QStringLiteral("JOIN"), QStringLiteral("UPDATE"),
                                        QStringLiteral("INTO"), QStringLiteral("DELETE")};
    int table = prevSig(t, with);
    if (table < 0 || !isName(t[table]))
        return {};
    const int before = prevSig(t, table);
    if (before >= 0 && isWord(t[before], QLatin1String("AS")))
        table = prevSig(t, before);
    else if (before >= 0 && isName(t[before]) && !heads.contains(t[before].text.toUpper()))
        table = before;
    if (table < 0 || !isName(t[table]))
        return {};
    return t[table].kind == Token::Word ? t[table].text : QLatin1Char('"') + ado::sql::stripBrackets(t[table]) + QLatin1Char('"');
}

// ---------------------------------------------------------------- one SELECT's extent

bool endsSelect(const Token& t)
{
    return isWord(t, QLatin1String("UNION")) || isWord(t, QLatin1String("EXCEPT")) || isWord(t, QLatin1String("INTERSECT"))
        || isWord(t, QLatin1String("MINUS")) || isPunct(t, QLatin1String(";"));
}

// The index after the last token of the SELECT at `select`: its closing parenthesis,
// a set operator of its level, or the end.
int selectEnd(const Tokens& t, int select)
{
    int depth = 0;
    for (int k = select + 1; k < int(t.size()); ++k) {
        if (!significant(t[k]))
            continue;
        if (isPunct(t[k], QLatin1String("("))) {
            ++depth;
        } else if (isPunct(t[k], QLatin1String(")"))) {
            if (depth == 0)
                return k;
            --depth;
        } else if (depth == 0 && endsSelect(t[k])) {
            return k;
        }
    }
    return int(t.size());
}

// The first `word` (followed by `second` when given) at the SELECT's own level.
int clauseAt(const Tokens& t, int select, int end, QLatin1StringView word, QLatin1StringView second = {})
{
    int depth = 0;
    for (int k = select + 1; k < end; ++k) {
        if (!significant(t[k]))
            continue;
        if (isPunct(t[k], QLatin1String("(")))
            ++depth;
        else if (isPunct(t[k], QLatin1String(")")))
            --depth;
        else if (depth == 0 && isWord(t[k], word)) {
            if (second.isEmpty())
                return k;
            const int n = nextSig(t, k);
            if (n >= 0 && isWord(t[n], second))
                return k;
        }
    }
    return -1;
}

int lastSigBefore(const Tokens& t, int select, int end)
{
    const int last = prevSig(t, end);
    return last > select ? last : select;
}

// A SELECT without FROM reads Oracle's one-row table.
void fromDual(Tokens& t)
{
    for (int s = 0; s < int(t.size()); ++s) {
        if (!isWord(t[s], QLatin1String("SELECT")))
            continue;
        const int end = selectEnd(t, s);
        if (clauseAt(t, s, end, QLatin1String("FROM")) < 0)
            t[lastSigBefore(t, s, end)].around().after += QStringLiteral(" FROM DUAL");
    }
}

// SELECT TOP n as Oracle's ROWNUM: in the filter when nothing orders or groups the rows,
// around the whole query when something does (ROWNUM is given before ORDER BY and
// GROUP BY are applied). TOP ... PERCENT has no ROWNUM form and reads every row.
void rowLimits(Tokens& t)
{
    for (int s = 0; s < int(t.size()); ++s) {
        if (!isWord(t[s], QLatin1String("SELECT")))
            continue;
        int top = nextSig(t, s);
        if (top >= 0 && (isWord(t[top], QLatin1String("DISTINCT")) || isWord(t[top], QLatin1String("ALL"))))
            top = nextSig(t, top);
        if (top < 0 || !isWord(t[top], QLatin1String("TOP")))
            continue;
        int last = nextSig(t, top);
        if (last < 0)
            continue;
        QString n;
        if (t[last].kind == Token::Number) {
            n = t[last].text;
        } else if (isPunct(t[last], QLatin1String("("))) {
            const int number = nextSig(t, last);
            const int close = number < 0 ? -1 : nextSig(t, number);
            if (close < 0 || t[number].kind != Token::Number || !isPunct(t[close], QLatin1String(")")))
                continue;
            n = t[number].text;
            last = close;
        } else {
            continue;
        }
        const int percent = nextSig(t, last);
        const bool isPercent = percent >= 0 && isWord(t[percent], QLatin1String("PERCENT"));
        if (isPercent)
            last = percent;
        if (last + 1 < int(t.size()) && t[last + 1].kind == Token::Space)
            ++last;
        removeRange(t, top, last);
        if (isPercent)
            continue;

        const int end = selectEnd(t, s);
        const int tail = lastSigBefore(t, s, end);
        const bool ordered = clauseAt(t, s, end, QLatin1String("ORDER"), QLatin1String("BY")) >= 0
                          || clauseAt(t, s, end, QLatin1String("GROUP"), QLatin1String("BY")) >= 0;
        const int where = clauseAt(t, s, end, QLatin1String("WHERE"));
        if (ordered) {
            t[s].around().before += QStringLiteral("SELECT * FROM (");
            t[tail].around().after += QStringLiteral(") WHERE ROWNUM <= ") + n;
        } else if (where >= 0 && nextSig(t, where) >= 0 && nextSig(t, where) < end) {
            t[nextSig(t, where)].around().before += QStringLiteral("(");
            t[tail].around().after += QStringLiteral(") AND ROWNUM <= ") + n;
        } else {
            t[tail].around().after += QStringLiteral(" WHERE ROWNUM <= ") + n;
        }
    }
}

// ---------------------------------------------------------------- functions

// The significant tokens of the arguments of the call whose "(" is at `open`, one
// [first, last] pair each, and the index of its ")" (-1 when it does not close).
int arguments(const Tokens& t, int open, std::vector<std::pair<int, int>>& args)
{
    int depth = 0;
    int first = -1, last = -1;
    for (int k = open + 1; k < int(t.size()); ++k) {
        if (!significant(t[k]))
            continue;
        const bool close = isPunct(t[k], QLatin1String(")"));
        if ((close || isPunct(t[k], QLatin1String(","))) && depth == 0) {
            args.emplace_back(first, last);
            first = last = -1;
            if (close)
                return k;
            continue;
        }
        if (isPunct(t[k], QLatin1String("(")))
            ++depth;
        else if (close)
            --depth;
        if (first < 0)
            first = k;
        last = k;
    }
    return -1;
}

// Whether the token at `i` names a call of `name` that closes, its first two arguments
// (in `args`, with any others) not empty: what the rewrites below move or copy.
bool callArguments(const Tokens& t, int i, QLatin1StringView name, std::vector<std::pair<int, int>>& args)
{
    const int open = isWord(t[i], name) ? nextSig(t, i) : -1;
    return open >= 0 && isPunct(t[open], QLatin1String("(")) && arguments(t, open, args) >= 0 && args.size() >= 2
        && args[0].first >= 0 && args[1].first >= 0;
}

// CHARINDEX(sought, text) is Oracle's InStr(text, sought): the two arguments change places.
void charIndex(Tokens& t)
{
    for (int i = 0; i < int(t.size()); ++i) {
        std::vector<std::pair<int, int>> args;
        if (!callArguments(t, i, QLatin1String("CHARINDEX"), args))
            continue;
        const auto [a0, a0e] = args[0];
        const auto [a1, a1e] = args[1];
        Tokens swapped;
        swapped.reserve(size_t(a1e - a0 + 1));
        for (int k = a1; k <= a1e; ++k) swapped.push_back(std::move(t[k]));
        for (int k = a0e + 1; k < a1; ++k) swapped.push_back(std::move(t[k]));
        for (int k = a0; k <= a0e; ++k) swapped.push_back(std::move(t[k]));
        std::move(swapped.begin(), swapped.end(), t.begin() + a0);
        t[i].text = QStringLiteral("InStr");
    }
}

// ---------------------------------------------------------------- texts

// The "(" of the parenthesis that holds the token at `i` (or that a ")" at `i` closes);
// -1 when none does.
int enclosingOpen(const Tokens& t, int i)
{
    int depth = 0;
    for (int k = prevSig(t, i); k >= 0; k = prevSig(t, k)) {
        if (isPunct(t[k], QLatin1String(")")))
            ++depth;
        else if (isPunct(t[k], QLatin1String("(")) && depth-- == 0)
            return k;
    }
    return -1;
}

// Whether the call named at `fn`, whose "(" is at `open`, gives a text: a function of
// texts, or a cast or conversion to a text type.
bool givesText(const Tokens& t, int fn, int open)
{
    static const QSet<QString> texts = {QStringLiteral("LTRIM"), QStringLiteral("RTRIM"), QStringLiteral("UPPER"),
                                        QStringLiteral("LOWER"), QStringLiteral("SUBSTRING"), QStringLiteral("SUBSTR"),
                                        QStringLiteral("REPLACE"), QStringLiteral("RIGHT"), QStringLiteral("TO_CHAR")};
    if (fn < 0 || t[fn].kind != Token::Word || t[fn].removed)
        return false;
    const QString name = t[fn].text.toUpper();
    if (texts.contains(name))
        return true;
    int type = -1;
    if (name == QLatin1String("CONVERT")) {
        type = nextSig(t, open);
    } else if (name == QLatin1String("CAST")) {
        std::vector<std::pair<int, int>> args;
        const int close = arguments(t, open, args);
        int depth = 0;
        for (int k = nextSig(t, open); k >= 0 && k < close && type < 0; k = nextSig(t, k)) {
            if (isPunct(t[k], QLatin1String("(")))
                ++depth;
            else if (isPunct(t[k], QLatin1String(")")))
                --depth;
            else if (depth == 0 && isWord(t[k], QLatin1String("AS")))
                type = nextSig(t, k);
        }
    }
    if (type < 0 || t[type].kind != Token::Word)
        return false;
    const QString typeName = t[type].text.toUpper();
    return typeName.contains(QLatin1String("CHAR")) || typeName.contains(QLatin1String("TEXT"));
}

// Whether the operand that ends (left of a sign) or starts (right of it) at `i` shows a
// text.
bool showsText(const Tokens& t, int i, bool leftSide)
{
    if (i < 0)
        return false;
    if (t[i].kind == Token::Quoted)
        return true;
    if (leftSide && isPunct(t[i], QLatin1String(")"))) {
        const int open = enclosingOpen(t, i);
        return open >= 0 && givesText(t, prevSig(t, open), open);
    }
    if (!leftSide && t[i].kind == Token::Word) {
        const int open = nextSig(t, i);
        return open >= 0 && isPunct(t[open], QLatin1String("(")) && givesText(t, i, open);
    }
    return false;
}

// SQL Server joins texts with "+", Oracle with "||": a "+" between two operands one of
// which shows a text is a join; a sum of numbers stays a sum.
void textJoins(Tokens& t)
{
    for (int i = 0; i < int(t.size()); ++i) {
        if (!isPunct(t[i], QLatin1String("+")))
            continue;
        const int left = prevSig(t, i);
        const bool afterOperand = left >= 0 && (t[left].kind != Token::Punct || isPunct(t[left], QLatin1String(")")));
        if (afterOperand && (showsText(t, left, true) || showsText(t, nextSig(t, i), false)))
            t[i].text = QStringLiteral("||");
    }
}

Token sqlToken(Token::Kind kind, const QString& text)
{
    Token k;
    k.kind = kind;
    k.text = text;
    return k;
}

// RIGHT(text, n) is SUBSTR(text, -LEAST(n, LENGTH(text))): a negative start counts from
// the end, and Oracle gives NULL for one before the text's start where RIGHT gives the
// whole text.
void rightCalls(Tokens& t)
{
    // From the end, so that a call inside the text is rewritten before it is copied.
    for (int i = int(t.size()) - 1; i >= 0; --i) {
        std::vector<std::pair<int, int>> args;
        if (!callArguments(t, i, QLatin1String("RIGHT"), args) || args.size() != 2)
            continue;
        const auto [text, textEnd] = args[0];
        const auto [count, countEnd] = args[1];
        Tokens length{sqlToken(Token::Punct, QStringLiteral(",")), sqlToken(Token::Space, QStringLiteral(" ")),
                      sqlToken(Token::Word, QStringLiteral("LENGTH")),
                      sqlToken(Token::Punct, QStringLiteral("("))};
        for (int k = text; k <= textEnd; ++k)
            length.push_back(t[k]);
        length.push_back(sqlToken(Token::Punct, QStringLiteral(")")));
        length.push_back(sqlToken(Token::Punct, QStringLiteral(")")));
        t.insert(t.begin() + countEnd + 1, length.begin(), length.end());
        const Tokens least{sqlToken(Token::Punct, QStringLiteral("-")), sqlToken(Token::Word, QStringLiteral("LEAST")),
                           sqlToken(Token::Punct, QStringLiteral("("))};
        t.insert(t.begin() + count, least.begin(), least.end());
        t[i].text = QStringLiteral("SUBSTR");
    }
}

// Renames and the forms of CONVERT, GETDATE, the owner prefix.
void functions(Tokens& t)
{
    for (int i = 0; i < int(t.size()); ++i) {
        Token& k = t[i];
        if (k.removed || k.kind != Token::Word)
            continue;
        const int next = nextSig(t, i);
        const bool call = next >= 0 && isPunct(t[next], QLatin1String("("));
        if (call && isWord(k, QLatin1String("LEN"))) {
            k.text = QStringLiteral("LENGTH");
            removeRange(t, i + 1, next - 1);
        } else if (call && isWord(k, QLatin1String("SUBSTRING"))) {
            k.text = QStringLiteral("SUBSTR");
        } else if (call && isWord(k, QLatin1String("ISNULL"))) {
            k.text = QStringLiteral("NVL");
        } else if (call && isWord(k, QLatin1String("GETDATE"))) {
            const int close = nextSig(t, next);
            if (close >= 0 && isPunct(t[close], QLatin1String(")"))) {
                k.text = QStringLiteral("SYSDATE");
                removeRange(t, i + 1, close);
            }
        } else if (call && isWord(k, QLatin1String("CONVERT"))) {
            int type = nextSig(t, next);
            if (type < 0)
                continue;
            const bool text = isWord(t[type], QLatin1String("NVARCHAR")) || isWord(t[type], QLatin1String("VARCHAR"));
            const bool number = isWord(t[type], QLatin1String("INT"));
            if (!text && !number)
                continue;
            int comma = nextSig(t, type);
            if (comma >= 0 && isPunct(t[comma], QLatin1String("("))) {   // NVARCHAR(20)
                std::vector<std::pair<int, int>> ignored;
                comma = arguments(t, comma, ignored);
                comma = comma < 0 ? -1 : nextSig(t, comma);
            }
            if (comma < 0 || !isPunct(t[comma], QLatin1String(",")))
                continue;
            k.text = text ? QStringLiteral("TO_CHAR") : QStringLiteral("TO_NUMBER");
            removeRange(t, i + 1, next - 1);
            removeRange(t, next + 1, comma);
        } else if (isWord(k, QLatin1String("BIGINT")) && prevSig(t, i) >= 0 && isWord(t[prevSig(t, i)], QLatin1String("AS"))) {
            k.text = QStringLiteral("NUMBER(19)");   // Oracle's whole number of SQL Server's range
        } else if (isWord(k, QLatin1String("dbo")) && next >= 0 && isPunct(t[next], QLatin1String("."))) {
            removeRange(t, i, next);
        }
    }
}

// ---------------------------------------------------------------- literals and names

// The content of a quoted text as SQL Server reads it for a date column, written
// 'YYYY-MM-DD HH:MM:SS'; false when it is empty (Oracle's NULL) or no date.
bool readsAsDate(const Token& k, QString& iso)
{
    if (k.kind != Token::Quoted || k.text.size() <= 2 || !k.text.endsWith(QLatin1Char('\'')))
        return false;
    const QString content = k.text.mid(1, k.text.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    return !content.trimmed().isEmpty() && ado::SqlServerDate(content, iso);
}

// A text that meets a date column (as the SQLite dialect finds it, from the columns'
// kinds) is TO_DATE, its time kept; every other text reaches Oracle as typed, whatever
// it looks like: '1.2.24' in a text column is that text.
void dateLiterals(Tokens& t, ado::sqlite::SchemaInfo* columns)
{
    std::vector<std::pair<int, QString>> dates;
    QString iso;
    for (int i = 0; i < int(t.size()); ++i)
        if (readsAsDate(t[i], iso))
            dates.emplace_back(i, iso);
    if (dates.empty() || !columns)
        return;   // the columns are asked only about a statement that holds a date text
    const std::vector<int> meeting = ado::sqlite::DateValues(t, columns);
    for (const auto& [i, date] : dates) {
        if (!std::binary_search(meeting.begin(), meeting.end(), i))
            continue;
        if (i > 0 && isWord(t[i - 1], QLatin1String("N")))
            t[i - 1].removed = true;
        const QString day = date.mid(8, 2) + QLatin1Char('/') + date.mid(5, 2) + QLatin1Char('/') + date.left(4);
        const QString time = date.mid(11);
        const bool withTime = time != QLatin1String("00:00:00") || t[i].text.contains(QLatin1Char(':'));
        t[i].kind = Token::Word;
        t[i].text = withTime ? QStringLiteral("TO_DATE('") + day + QLatin1Char(' ') + time + QStringLiteral("','DD/MM/YYYY HH24:MI:SS')")
                             : QStringLiteral("TO_DATE('") + day + QStringLiteral("','DD/MM/YYYY')");
    }
}

// [name] is Oracle's "name".
void quotedNames(Tokens& t)
{
    for (Token& k : t) {
        if (k.kind != Token::Bracketed)
            continue;
        QString name = ado::sql::stripBrackets(k);
        name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        k.kind = Token::DQuoted;
        k.text = QLatin1Char('"') + name + QLatin1Char('"');
    }
}

// After the first WHERE, a comparison with the empty text is one with NULL: Oracle
// stores the empty text as NULL.
void emptyComparisons(Tokens& t)
{
    int i = 0;
    while (i < int(t.size()) && !isWord(t[i], QLatin1String("WHERE")))
        ++i;
    for (; i < int(t.size()); ++i) {
        const bool equal = isPunct(t[i], QLatin1String("="));
        const bool unequal = isPunct(t[i], QLatin1String("<>")) || isPunct(t[i], QLatin1String("!="));
        if (!equal && !unequal)
            continue;
        const int value = nextSig(t, i);
        if (value < 0 || t[value].kind != Token::Quoted || t[value].text != QLatin1String("''"))
            continue;
        removeRange(t, i, value - 1);
        t[value].kind = Token::Word;
        t[value].text = equal ? QStringLiteral(" IS NULL ") : QStringLiteral(" IS NOT NULL ");
    }
}

// SQL Server's date style 103 in TO_CHAR is Oracle's mask 'DD/MM/YYYY'.
void dateStyleMasks(Tokens& t)
{
    for (int i = 0; i < int(t.size()); ++i) {
        if (t[i].removed || t[i].kind != Token::Number || t[i].text != QLatin1String("103"))
            continue;
        const int open = enclosingOpen(t, i);
        const int call = open < 0 ? -1 : prevSig(t, open);
        if (call >= 0 && isWord(t[call], QLatin1String("TO_CHAR"))) {
            t[i].kind = Token::Quoted;
            t[i].text = QStringLiteral("'DD/MM/YYYY'");
        }
    }
}

} // namespace

QString ToOracle(const QString& statement, int wordCount, ado::sqlite::SchemaInfo* columns)
{
    Tokens t = ado::sql::Tokenize(statement);
    // First: the columns' kinds are read on the statement as written.
    dateLiterals(t, columns);
    // Oracle knows no lock hints; what the locking ones ask for is OracleLocks'.
    for (int i = 0; i < int(t.size()); ++i) {
        bool locking = false;
        const int end = hintEnd(t, i, locking);
        if (end >= 0)
            removeRange(t, i, end);
    }
    if (wordCount < 2) {
        const QString text = join(t);
        return text.compare(QLatin1String("LEN"), Qt::CaseInsensitive) == 0 ? QStringLiteral("LENGTH") : text;
    }
    rightCalls(t);
    textJoins(t);
    charIndex(t);
    functions(t);
    quotedNames(t);
    emptyComparisons(t);
    dateStyleMasks(t);
    fromDual(t);
    rowLimits(t);
    return join(t);
}

QStringList OracleLocks(const QString& statement)
{
    // What the whole text does not hold, its SQL does not either: most statements are not cut.
    if (!statement.contains(QLatin1String("WITH"), Qt::CaseInsensitive))
        return {};
    const Tokens t = ado::sql::Tokenize(statement);
    QStringList tables;
    for (int i = 0; i < int(t.size()); ++i) {
        bool locking = false;
        if (hintEnd(t, i, locking) < 0 || !locking)
            continue;
        const QString table = hintedTable(t, i);
        if (!table.isEmpty() && !tables.contains(table, Qt::CaseInsensitive))
            tables.append(table);
    }
    QStringList locks;
    for (const QString& table : tables)
        locks.append(OracleTableLock(table));
    return locks;
}

std::optional<QString> IdentityRead(const QString& statement)
{
    // As above: a script asks this of every statement it runs.
    if (!statement.contains(QLatin1String("IDENTITY"), Qt::CaseInsensitive))
        return std::nullopt;
    const Tokens t = ado::sql::Tokenize(statement);
    int k = nextSig(t, -1);
    if (k < 0 || !isWord(t[k], QLatin1String("SELECT")))
        return std::nullopt;
    k = nextSig(t, k);
    if (k < 0)
        return std::nullopt;
    if (isWord(t[k], QLatin1String("SCOPE_IDENTITY"))) {
        const int open = nextSig(t, k);
        const int close = open < 0 ? -1 : nextSig(t, open);
        if (close < 0 || !isPunct(t[open], QLatin1String("(")) || !isPunct(t[close], QLatin1String(")")))
            return std::nullopt;
        k = close;
    } else if (!(t[k].kind == Token::Variable && t[k].text.compare(QLatin1String("@@IDENTITY"), Qt::CaseInsensitive) == 0)) {
        return std::nullopt;
    }
    int name = nextSig(t, k);
    if (name >= 0 && isWord(t[name], QLatin1String("AS")))
        name = nextSig(t, name);
    if (name < 0)
        return QStringLiteral("ID");
    if (!isName(t[name]) || nextSig(t, name) >= 0)
        return std::nullopt;
    return ado::sql::stripBrackets(t[name]);
}

QString InsertTable(const QString& statement)
{
    const Tokens t = ado::sql::Tokenize(statement);
    int k = nextSig(t, -1);
    if (k < 0 || !isWord(t[k], QLatin1String("INSERT")))
        return {};
    k = nextSig(t, k);
    if (k >= 0 && isWord(t[k], QLatin1String("INTO")))
        k = nextSig(t, k);
    if (k >= 0 && isWord(t[k], QLatin1String("dbo"))) {
        const int dot = nextSig(t, k);
        if (dot >= 0 && isPunct(t[dot], QLatin1String(".")))
            k = nextSig(t, dot);
    }
    if (k < 0 || !isName(t[k]))
        return {};
    return t[k].kind == Token::Word ? t[k].text : QLatin1Char('"') + ado::sql::stripBrackets(t[k]) + QLatin1Char('"');
}

QString OracleTableLock(const QString& table)
{
    return QStringLiteral("LOCK TABLE ") + table + QStringLiteral(" IN EXCLUSIVE MODE");
}

QString OracleIdentityRead(const QString& table, const QString& column)
{
    return QStringLiteral("SELECT MAX(ID) AS ") + column + QStringLiteral(" FROM ") + table;
}

} // namespace sqltext
