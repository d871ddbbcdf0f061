#include "platform/ado/SqlTokens.h"

#include <QSet>

namespace ado::sql {

namespace {

bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdentChar(QChar c) { return IsNameCharacter(c); }

} // namespace

namespace {

// The text of a one-character token: shared, never allocated (most tokens of a long
// VALUES list are a comma, a parenthesis or a digit).
QString tokenText(QStringView s, int from, int to)
{
    static const struct Ascii {
        char16_t c[128];
        Ascii() { for (int i = 0; i < 128; ++i) c[i] = char16_t(i); }
    } ascii;
    if (to - from == 1 && s[from].unicode() < 128)
        return QString::fromRawData(reinterpret_cast<const QChar*>(&ascii.c[s[from].unicode()]), 1);
    return s.mid(from, to - from).toString();
}

} // namespace

std::vector<Token> Tokenize(QStringView s)
{
    std::vector<Token> out;
    out.reserve(s.size() / 2 + 4);
    const int n = int(s.size());
    int i = 0;
    auto push = [&](Token::Kind k, int from, int to) {
        Token& t = out.emplace_back();
        t.kind = k;
        t.text = tokenText(s, from, to);
    };
    while (i < n) {
        const QChar c = s[i];
        const int start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace()) ++i;
            push(Token::Space, start, i);
        } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            while (i < n && s[i] != u'\n' && s[i] != u'\r') ++i;
            push(Token::Comment, start, i);
        } else if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
            const int end = int(s.indexOf(u"*/", i + 2));
            i = end < 0 ? n : end + 2;
            push(Token::Comment, start, i);
        } else if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar close = c == u'[' ? u']' : c;
            ++i;
            while (i < n) {
                if (s[i] == close) {
                    if (i + 1 < n && s[i + 1] == close) { i += 2; continue; }
                    ++i;
                    break;
                }
                ++i;
            }
            push(c == u'\'' ? Token::Quoted : c == u'"' ? Token::DQuoted : Token::Bracketed, start, i);
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
            while (i < n && s[i].isDigit()) ++i;
            if (i < n && s[i] == u'.') { ++i; while (i < n && s[i].isDigit()) ++i; }
            if (i < n && (s[i] == u'e' || s[i] == u'E')) {
                int j = i + 1;
                if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
                if (j < n && s[j].isDigit()) { i = j; while (i < n && s[i].isDigit()) ++i; }
            }
            push(Token::Number, start, i);
        } else if (c == u'#') {
            // #15/03/2024# is a date literal; #name a temporary table.
            int j = i + 1;
            bool dateChars = true;
            while (j < n && j - i < 40 && s[j] != u'#') {
                const QChar d = s[j];
                if (!(d.isDigit() || d == u'/' || d == u'-' || d == u'.' || d == u':' || d == u' '
                      || QStringLiteral("APMapm").contains(d))) { dateChars = false; break; }
                ++j;
            }
            if (dateChars && j < n && s[j] == u'#' && j > i + 1) {
                i = j + 1;
                push(Token::HashDate, start, i);
            } else if (i + 1 < n && isIdentStart(s[i + 1])) {
                ++i;
                while (i < n && isIdentChar(s[i])) ++i;
                push(Token::Word, start, i);
            } else {
                ++i;
                push(Token::Punct, start, i);
            }
        } else if (c == u'@') {
            ++i;
            while (i < n && isIdentChar(s[i])) ++i;
            push(Token::Variable, start, i);
        } else if (isIdentStart(c)) {
            while (i < n && isIdentChar(s[i])) ++i;
            push(Token::Word, start, i);
        } else {
            static const char* two[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||", "=="};
            int len = 1;
            if (i + 1 < n)
                for (const char* op : two)
                    if (s[i] == QLatin1Char(op[0]) && s[i + 1] == QLatin1Char(op[1])) { len = 2; break; }
            i += len;
            push(Token::Punct, start, i);
        }
    }
    return out;
}

bool IsTableHint(const QString& word)
{
    static const QSet<QString> s = {
        QStringLiteral("NOLOCK"), QStringLiteral("READUNCOMMITTED"), QStringLiteral("ROWLOCK"), QStringLiteral("UPDLOCK"),
        QStringLiteral("HOLDLOCK"), QStringLiteral("TABLOCK"), QStringLiteral("TABLOCKX"), QStringLiteral("PAGLOCK"),
        QStringLiteral("READPAST"), QStringLiteral("XLOCK"), QStringLiteral("NOWAIT"), QStringLiteral("READCOMMITTED"),
        QStringLiteral("SERIALIZABLE"), QStringLiteral("REPEATABLEREAD"),
    };
    return s.contains(word.toUpper());
}

bool IsSql(const Token& t)
{
    return t.kind != Token::Quoted && t.kind != Token::Bracketed && t.kind != Token::DQuoted && t.kind != Token::Comment;
}

QString RewriteSql(const QString& statement, const std::function<QString(const QString&)>& rewrite)
{
    QString out;
    out.reserve(statement.size());
    QString run;
    for (const Token& t : Tokenize(statement)) {
        if (IsSql(t)) {
            run += t.text;
            continue;
        }
        if (!run.isEmpty()) {
            out += rewrite(run);
            run.clear();
        }
        out += t.text;
    }
    if (!run.isEmpty())
        out += rewrite(run);
    return out;
}

QString SqlOnly(const QString& statement)
{
    static const QString separator(QChar(0x1F));
    QString out;
    out.reserve(statement.size());
    for (const Token& t : Tokenize(statement))
        out += IsSql(t) ? t.text : separator;
    return out;
}

int SqlIndexOf(const QString& statement, const QString& sought, int from)
{
    int at = 0;
    int runStart = -1;
    auto search = [&](int runEnd) {
        if (runStart < 0)
            return -1;
        const int found = int(statement.indexOf(sought, std::max(from, runStart), Qt::CaseInsensitive));
        return found >= 0 && found + sought.size() <= runEnd ? found : -1;
    };
    for (const Token& t : Tokenize(statement)) {
        if (IsSql(t)) {
            if (runStart < 0)
                runStart = at;
        } else if (runStart >= 0) {
            if (const int found = search(at); found >= 0)
                return found;
            runStart = -1;
        }
        at += int(t.text.size());
    }
    return search(at);
}

bool SqlContains(const QString& statement, const QString& sought)
{
    // What the whole text does not hold, its SQL does not either: most statements are not cut.
    return statement.contains(sought, Qt::CaseInsensitive) && SqlOnly(statement).contains(sought, Qt::CaseInsensitive);
}

} // namespace ado::sql
