#pragma once
// The one cut of a statement into its pieces that every rewrite of the data layer works
// on: SQL, quoted texts, quoted names and comments. A rewrite changes SQL only; the other
// pieces pass through as they are.
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

namespace ado::sql {

// One token of a statement. Quoted is a quoted text ('...'), Bracketed and DQuoted are
// quoted names ([...], "..."), Comment is -- to the end of the line or /* ... */; every
// other kind is SQL.
struct Token {
    enum Kind { Space, Comment, Word, Quoted, Bracketed, DQuoted, Number, Punct, HashDate, Variable };
    Kind kind = Space;
    bool removed = false;
    QString text;

    // Text inserted around the token by a rewrite. Few tokens have any: it is kept apart,
    // so that a token of a long batch takes 40 bytes, not 80.
    struct Around {
        QString before, after;
    };
    const QString& before() const { return around_ ? around_->before : none(); }
    const QString& after() const { return around_ ? around_->after : none(); }
    Around& around()
    {
        if (!around_) around_ = std::make_unique<Around>();
        return *around_;
    }

    Token() = default;
    Token(Token&&) noexcept = default;
    Token& operator=(Token&&) noexcept = default;
    Token(const Token& o) : kind(o.kind), removed(o.removed), text(o.text), around_(o.around_ ? std::make_unique<Around>(*o.around_) : nullptr) {}
    Token& operator=(const Token& o)
    {
        if (this != &o) *this = Token(o);
        return *this;
    }

private:
    static const QString& none()
    {
        static const QString empty;
        return empty;
    }
    std::unique_ptr<Around> around_;
};

// The tokens of a statement, in order; joined they give the statement back. A quoted
// piece left open runs to the end of the text.
std::vector<Token> Tokenize(QStringView sql);

// Whether the character may stand inside a word of SQL (a name, a keyword, a variable).
inline bool IsNameCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

// Whether the token is SQL, as opposed to a quoted text, a quoted name or a comment.
bool IsSql(const Token& t);

// The statement with `rewrite` applied to each run of SQL between the other pieces;
// quoted texts, quoted names and comments come out exactly as they went in.
QString RewriteSql(const QString& statement, const std::function<QString(const QString&)>& rewrite);

// The statement's SQL alone: each quoted text, quoted name and comment stands as one
// U+001F, so that nothing sought in it can match across or inside them.
QString SqlOnly(const QString& statement);

// Where the first `sought` (case ignored) at or after `from` stands inside one run of
// the statement's SQL; -1 when none does.
int SqlIndexOf(const QString& statement, const QString& sought, int from = 0);

// Whether the statement's SQL holds `sought` (case ignored), quoted texts, quoted names
// and comments aside.
bool SqlContains(const QString& statement, const QString& sought);

// Whether the word is one of SQL Server's table hints (NOLOCK, UPDLOCK, HOLDLOCK, ...),
// case ignored.
bool IsTableHint(const QString& word);

// Small readers of a token list, shared by the rewrites.
// Case-folded equality never matches texts of different lengths: that is checked first.
inline bool eq(const QString& a, QLatin1StringView b) { return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0; }

inline bool isWord(const Token& t, QLatin1StringView w) { return t.kind == Token::Word && !t.removed && eq(t.text, w); }
inline bool isPunct(const Token& t, QLatin1StringView p)
{
    if (t.kind != Token::Punct || t.removed || t.text.size() != p.size()) return false;
    const QChar* c = t.text.constData();
    for (qsizetype i = 0; i < p.size(); ++i)
        if (c[i] != QLatin1Char(p[i])) return false;
    return true;
}
// Neither removed by a rewrite, nor blank, nor a comment.
inline bool significant(const Token& t) { return !t.removed && t.kind != Token::Space && t.kind != Token::Comment; }

// The next (previous) significant token after (before) i, -1 when none.
inline int nextSig(const std::vector<Token>& t, int i)
{
    for (++i; i < int(t.size()); ++i)
        if (significant(t[i])) return i;
    return -1;
}
inline int prevSig(const std::vector<Token>& t, int i)
{
    for (--i; i >= 0; --i)
        if (significant(t[i])) return i;
    return -1;
}

// A name without its brackets or double quotes.
inline QString stripBrackets(const Token& t)
{
    if (t.kind == Token::Bracketed || t.kind == Token::DQuoted)
        return t.text.mid(1, t.text.size() - 2).replace(QStringLiteral("]]"), QStringLiteral("]"));
    return t.text;
}

} // namespace ado::sql
