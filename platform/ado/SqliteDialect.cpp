#include "platform/ado/SqliteDialect.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstdio>

namespace ado::sqlite {

using sql::eq;
using sql::isPunct;
using sql::isWord;
using sql::nextSig;
using sql::prevSig;
using sql::significant;
using sql::stripBrackets;

QString FirstKeyword(const std::vector<Token>& t)
{
    for (const Token& k : t)
        if (significant(k)) return k.kind == Token::Word ? k.text.toUpper() : QString();
    return {};
}

// ---------------------------------------------------------------- batch splitting

namespace {

const QSet<QString>& alwaysStarts()
{
    static const QSet<QString> s = {
        QStringLiteral("BEGIN"), QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"), QStringLiteral("IF"),
        QStringLiteral("ELSE"), QStringLiteral("END"), QStringLiteral("CREATE"), QStringLiteral("DROP"),
        QStringLiteral("ALTER"), QStringLiteral("TRUNCATE"), QStringLiteral("PRINT"), QStringLiteral("DECLARE"),
        QStringLiteral("EXEC"), QStringLiteral("EXECUTE"), QStringLiteral("RETURN"), QStringLiteral("WHILE"),
        QStringLiteral("GRANT"),
    };
    return s;
}

class Splitter {
public:
    explicit Splitter(std::vector<Token> t) : t_(std::move(t)) {}

    std::vector<Statement> all()
    {
        std::vector<Statement> out;
        each([&](Statement& s) { out.push_back(std::move(s)); });
        return out;
    }

    // Hands each statement over as it is found.
    template <class F>
    void each(F&& f)
    {
        while (skipSeparators()) {
            Statement s;
            if (parseOne(s)) f(s);
        }
    }

private:
    std::vector<Token> t_;
    int i_ = 0;

    int n() const { return int(t_.size()); }

    bool isGoLine(int i) const
    {
        if (!isWord(t_[i], QLatin1StringView("GO"))) return false;
        auto lineBreakOrEdge = [&](int j) {
            if (j < 0 || j >= n()) return true;
            return t_[j].kind == Token::Space && (t_[j].text.contains(u'\n') || t_[j].text.contains(u'\r'));
        };
        return lineBreakOrEdge(i - 1) && lineBreakOrEdge(i + 1);
    }

    // Skips blanks, comments, ";" and GO lines; false at the end.
    bool skipSeparators()
    {
        while (i_ < n()) {
            const Token& k = t_[i_];
            if (k.kind == Token::Space || k.kind == Token::Comment || isPunct(k, QLatin1StringView(";")) || isGoLine(i_))
                ++i_;
            else
                return true;
        }
        return false;
    }

    QString upperAt(int i) const { return i >= 0 && i < n() && t_[i].kind == Token::Word ? t_[i].text.toUpper() : QString(); }

    // Parses the statement at i_; false when it produced nothing to keep.
    bool parseOne(Statement& s)
    {
        const QString w = upperAt(i_);
        if (w == QLatin1String("IF")) {
            s.kind = Statement::If;
            ++i_;
            s.tokens = generic(QStringLiteral("IF"), i_);
            Statement thenPart;
            if (!skipSeparators() || !parseOne(thenPart)) {
                thenPart.kind = Statement::Invalid;
                thenPart.error = QStringLiteral("Incorrect syntax near the end of the IF statement.");
            }
            s.body.push_back(std::move(thenPart));
            const int save = i_;
            if (skipSeparators() && upperAt(i_) == QLatin1String("ELSE")) {
                ++i_;
                Statement elsePart;
                if (!skipSeparators() || !parseOne(elsePart)) {
                    elsePart.kind = Statement::Invalid;
                    elsePart.error = QStringLiteral("Incorrect syntax near the keyword 'ELSE'.");
                }
                s.body.push_back(std::move(elsePart));
            } else {
                i_ = save;
            }
            return true;
        }
        if (w == QLatin1String("BEGIN")) {
            const int k = nextSig(t_, i_);
            const QString nx = upperAt(k);
            if (nx == QLatin1String("TRAN") || nx == QLatin1String("TRANSACTION")) {
                s.kind = Statement::Begin;
                i_ = k + 1;
                s.name = transactionName();
                return true;
            }
            s.kind = Statement::Block;
            ++i_;
            bool ended = false;
            while (skipSeparators()) {
                if (upperAt(i_) == QLatin1String("END")) { ++i_; ended = true; break; }
                Statement inner;
                if (parseOne(inner)) s.body.push_back(std::move(inner));
            }
            if (!ended) {
                s.kind = Statement::Invalid;
                s.error = QStringLiteral("Incorrect syntax: BEGIN without END.");
            }
            return true;
        }
        if (w == QLatin1String("COMMIT") || w == QLatin1String("ROLLBACK")) {
            s.kind = w == QLatin1String("COMMIT") ? Statement::Commit : Statement::Rollback;
            ++i_;
            const int k = nextSig(t_, i_ - 1);
            const QString nx = upperAt(k);
            if (nx == QLatin1String("TRAN") || nx == QLatin1String("TRANSACTION") || nx == QLatin1String("WORK")) {
                i_ = k + 1;
                s.name = transactionName();
            }
            return true;
        }
        if (w == QLatin1String("SAVE")) {
            const int k = nextSig(t_, i_);
            const QString nx = upperAt(k);
            if (nx == QLatin1String("TRAN") || nx == QLatin1String("TRANSACTION")) {
                s.kind = Statement::Save;
                i_ = k + 1;
                s.name = transactionName();
                if (s.name.isEmpty()) {
                    s.kind = Statement::Invalid;
                    s.error = QStringLiteral("Incorrect syntax: SAVE TRANSACTION needs a savepoint name.");
                }
                return true;
            }
        }
        if (w == QLatin1String("ELSE") || w == QLatin1String("END")) {
            // a stray keyword (END alone would even commit on SQLite)
            s.kind = Statement::Invalid;
            s.error = QStringLiteral("Incorrect syntax near the keyword '%1'.").arg(w);
            ++i_;
            return true;
        }
        const int first = i_;
        ++i_;
        s.tokens = generic(w, first);
        if (w == QLatin1String("PRINT")) s.kind = Statement::Ignored;
        if (w == QLatin1String("SET")) {
            static const QSet<QString> ignored = {
                QStringLiteral("NOCOUNT"), QStringLiteral("DATEFORMAT"), QStringLiteral("ANSI_NULLS"),
                QStringLiteral("ANSI_WARNINGS"), QStringLiteral("ANSI_PADDING"), QStringLiteral("QUOTED_IDENTIFIER"),
                QStringLiteral("XACT_ABORT"), QStringLiteral("LANGUAGE"), QStringLiteral("TRANSACTION"),
                QStringLiteral("ARITHABORT"), QStringLiteral("CONCAT_NULL_YIELDS_NULL"), QStringLiteral("LOCK_TIMEOUT"),
                QStringLiteral("DEADLOCK_PRIORITY"), QStringLiteral("DATEFIRST"), QStringLiteral("IMPLICIT_TRANSACTIONS"),
            };
            const int k = nextSig(s.tokens, 0);
            if (k > 0 && s.tokens[k].kind == Token::Word && ignored.contains(s.tokens[k].text.toUpper()))
                s.kind = Statement::Ignored;
        }
        return true;
    }

    // The name after BEGIN/COMMIT/ROLLBACK/SAVE TRANSACTION, consumed; "" when none.
    QString transactionName()
    {
        const int k = nextSig(t_, i_ - 1);
        if (k < 0) return {};
        const QString nx = upperAt(k);
        const bool bracketed = t_[k].kind == Token::Bracketed;
        if ((t_[k].kind == Token::Word && !isStatementWord(nx) && nx != QLatin1String("GO")) || bracketed) {
            i_ = k + 1;
            return stripBrackets(t_[k]);
        }
        return {};
    }

    static bool isStatementWord(const QString& u)
    {
        return alwaysStarts().contains(u) || u == QLatin1String("INSERT") || u == QLatin1String("UPDATE")
            || u == QLatin1String("DELETE") || u == QLatin1String("SELECT") || u == QLatin1String("SET");
    }

    // Collects the tokens of a statement whose first word (already consumed) is `first`,
    // up to the next statement boundary, from token `from` on.
    std::vector<Token> generic(const QString& first, int from)
    {
        int depth = 0, caseDepth = 0;
        bool sawSet = false, sawValues = false, sawSelect = first == QLatin1String("SELECT");
        bool trigger = false, triggerEnded = false;
        if (first == QLatin1String("CREATE")) {
            for (int k = i_; k < n() && k < i_ + 12; ++k)
                if (isWord(t_[k], QLatin1StringView("TRIGGER"))) { trigger = true; break; }
        }
        int prevAt = -1;   // previous significant token (-1: the first word)
        for (; i_ < n(); ++i_) {
            const Token& k = t_[i_];
            if (k.kind == Token::Space || k.kind == Token::Comment) continue;
            if (k.kind == Token::Punct) {
                if (isPunct(k, QLatin1StringView("("))) ++depth;
                else if (isPunct(k, QLatin1StringView(")"))) depth = std::max(0, depth - 1);
                else if (isPunct(k, QLatin1StringView(";")) && depth == 0 && (!trigger || triggerEnded)) break;
            } else if (k.kind == Token::Word && depth == 0) {
                const QString u = k.text.toUpper();
                if (isGoLine(i_)) break;
                if (u == QLatin1String("SAVE") && !trigger) {
                    const QString nx = upperAt(nextSig(t_, i_));
                    if (nx == QLatin1String("TRAN") || nx == QLatin1String("TRANSACTION")) break;
                }
                if (trigger) {
                    if (u == QLatin1String("END")) triggerEnded = true;
                } else if (u == QLatin1String("CASE")) {
                    ++caseDepth;
                } else if (u == QLatin1String("END") && caseDepth > 0) {
                    --caseDepth;
                } else if (u == QLatin1String("ELSE") && caseDepth > 0) {
                    // part of CASE
                } else if (boundary(u, first, prevAt < 0 ? first : upperOrText(prevAt), sawSet, sawValues, sawSelect)) {
                    break;
                }
                if (u == QLatin1String("SET")) sawSet = true;
                else if (u == QLatin1String("VALUES")) sawValues = true;
                else if (u == QLatin1String("SELECT")) sawSelect = true;
            }
            prevAt = i_;
        }
        // A batch of this one statement: its tokens are taken over whole.
        if (i_ == n()) {
            t_.erase(t_.begin(), t_.begin() + from);
            i_ = n();
            return std::move(t_);
        }
        // Taken over, all but the last token: a GO line's check looks back one token.
        std::vector<Token> out;
        out.reserve(size_t(i_ - from));
        for (int k = from; k < i_; ++k) {
            if (k + 1 < i_) out.push_back(std::move(t_[k]));
            else out.push_back(t_[k]);
        }
        return out;
    }

    // A word in upper case, any other token as written.
    QString upperOrText(int i) const { return t_[i].kind == Token::Word ? t_[i].text.toUpper() : t_[i].text; }

    static bool boundary(const QString& u, const QString& first, const QString& prev, bool sawSet, bool sawValues, bool sawSelect)
    {
        // ON DELETE / ON UPDATE / FOR INSERT belong to table and trigger definitions,
        // IF [NOT] EXISTS to CREATE TABLE and DROP TABLE
        const bool definition = first == QLatin1String("CREATE") || first == QLatin1String("ALTER") || first == QLatin1String("DROP");
        if (u == QLatin1String("IF") && definition
            && (prev == QLatin1String("TABLE") || prev == QLatin1String("VIEW") || prev == QLatin1String("INDEX")
                || prev == QLatin1String("TRIGGER")))
            return false;
        if (alwaysStarts().contains(u)) return true;
        if (u == QLatin1String("INSERT") || u == QLatin1String("DELETE") || u == QLatin1String("UPDATE"))
            return !definition || (prev != QLatin1String("ON") && prev != QLatin1String("OF") && prev != QLatin1String("FOR")
                                   && prev != QLatin1String(","));
        if (u == QLatin1String("SELECT")) {
            if (prev == QLatin1String("UNION") || prev == QLatin1String("ALL") || prev == QLatin1String("EXCEPT")
                || prev == QLatin1String("INTERSECT") || prev == QLatin1String("AS") || prev == QLatin1String("("))
                return false;
            if (first == QLatin1String("INSERT") && !sawSelect && !sawValues) return false;
            if (first == QLatin1String("IF")) return true;
            return true;
        }
        if (u == QLatin1String("SET")) {
            if (first == QLatin1String("UPDATE") && !sawSet) return false;
            if (definition && (prev == QLatin1String("DELETE") || prev == QLatin1String("UPDATE"))) return false;
            return true;
        }
        return false;
    }
};

} // namespace

std::vector<Statement> SplitBatch(const QString& batch)
{
    Splitter sp(Tokenize(batch));
    return sp.all();
}

void ForEachStatement(const QString& batch, const std::function<void(Statement&)>& f)
{
    Splitter sp(Tokenize(batch));
    sp.each(f);
}

// ---------------------------------------------------------------- statement rewriting

namespace {

const QSet<QString>& textFunctions()
{
    static const QSet<QString> s = {
        QStringLiteral("LTRIM"), QStringLiteral("RTRIM"), QStringLiteral("UPPER"), QStringLiteral("LOWER"),
        QStringLiteral("SUBSTRING"), QStringLiteral("TSQL_LEFT"), QStringLiteral("TSQL_RIGHT"), QStringLiteral("STR"),
        QStringLiteral("REPLACE"), QStringLiteral("SPACE"), QStringLiteral("REPLICATE"), QStringLiteral("CHAR"),
    };
    return s;
}

class Translator {
public:
    Translator(std::vector<Token> t, SchemaInfo* schema) : t_(std::move(t)), schema_(schema) {}

    // The values that meet a date column, found by the same steps as run() but with
    // nothing refused and no value rewritten: what another engine is sent as a date.
    std::vector<int> dateValues()
    {
        std::vector<int> found;
        dates_ = &found;
        numberMarkers();
        simpleRewrites();
        computeDepths();
        collectTables();
        insertValues();
        arithmetics();
        comparisons();
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }

    QString run()
    {
        numberMarkers();
        simpleRewrites();
        computeDepths();
        collectTables();
        deleteFrom();
        insertValues();
        arithmetics();
        comparisons();
        top();
        qsizetype size = 0;
        for (const Token& k : t_) size += k.before().size() + k.text.size() + k.after().size();
        QString out;
        out.reserve(size + 16);
        bool added = false;   // the text so far ends with a rewrite's addition
        for (const Token& k : t_) {
            const QStringView text = k.removed ? QStringView() : QStringView(k.text);
            if (k.before().isEmpty() && text.isEmpty() && k.after().isEmpty()) continue;
            const QChar front = !k.before().isEmpty() ? k.before().front() : !text.isEmpty() ? text.front() : k.after().front();
            // An addition never runs into what the caller wrote right after it ("'FC'AND").
            if (added && !front.isSpace() && !out.isEmpty() && out.back().isLetterOrNumber()
                && (front.isLetterOrNumber() || front == QLatin1Char('\'')))
                out += QLatin1Char(' ');
            out += k.before();
            out += text;
            out += k.after();
            added = !k.after().isEmpty();
        }
        return out.trimmed();
    }

private:
    std::vector<Token> t_;
    SchemaInfo* schema_;
    std::vector<int> depth_;
    QStringList tables_;
    QHash<QString, ColumnKind> kinds_;
    QSet<int> dateStarts_, dateEnds_;   // date arithmetic rewritten: its first and last token
    std::vector<int>* dates_ = nullptr;  // dateValues(): where the values that meet a date column go

    int n() const { return int(t_.size()); }
    int next(int i) const { return nextSig(t_, i); }
    int prev(int i) const { return prevSig(t_, i); }

    void removeRange(int from, int to)   // inclusive
    {
        for (int k = from; k <= to && k < n(); ++k) t_[k].removed = true;
    }

    // The ')' that closes the '(' at index open, or -1.
    int closing(int open) const
    {
        int d = 0;
        for (int k = open; k < n(); ++k) {
            if (t_[k].removed) continue;
            if (isPunct(t_[k], QLatin1StringView("("))) ++d;
            else if (isPunct(t_[k], QLatin1StringView(")")) && --d == 0) return k;
        }
        return -1;
    }
    int opening(int close) const
    {
        int d = 0;
        for (int k = close; k >= 0; --k) {
            if (t_[k].removed) continue;
            if (isPunct(t_[k], QLatin1StringView(")"))) ++d;
            else if (isPunct(t_[k], QLatin1StringView("(")) && --d == 0) return k;
        }
        return -1;
    }

    void simpleRewrites()
    {
        for (int i = 0; i < n(); ++i) {
            Token& k = t_[i];
            if (k.removed) continue;
            switch (k.kind) {
            case Token::Variable:
                if (dates_) break;
                throw DialectError{137, QStringLiteral("Must declare the scalar variable \"%1\".").arg(k.text)};
            case Token::HashDate: {
                QString iso;
                if (dates_) break;
                if (!SqlServerDate(QStringView(k.text).mid(1, k.text.size() - 2), iso))
                    throw DialectError{241, QStringLiteral("Conversion failed when converting date and/or time from character string.")};
                k.kind = Token::Quoted;
                k.text = QLatin1Char('\'') + iso + QLatin1Char('\'');
                break;
            }
            case Token::Word:
            case Token::Bracketed: {
                // N'text' is the same text
                if (k.kind == Token::Word && (k.text == QLatin1String("N") || k.text == QLatin1String("n"))
                    && i + 1 < n() && t_[i + 1].kind == Token::Quoted) {
                    k.removed = true;
                    break;
                }
                // owner prefix dbo.
                if ((eq(k.text, QLatin1StringView("dbo")) || eq(k.text, QLatin1StringView("[dbo]")))
                    && i + 1 < n() && isPunct(t_[i + 1], QLatin1StringView("."))) {
                    k.removed = true;
                    t_[i + 1].removed = true;
                    break;
                }
                if (k.kind != Token::Word) break;
                const int nx = next(i);
                const bool call = nx > 0 && isPunct(t_[nx], QLatin1StringView("("));
                if (eq(k.text, QLatin1StringView("WITH")) && call) {
                    lockHintList(i, nx, true);
                } else if (eq(k.text, QLatin1StringView("ISNULL")) && call) {
                    k.text = QStringLiteral("IFNULL");
                } else if ((eq(k.text, QLatin1StringView("LEFT")) || eq(k.text, QLatin1StringView("RIGHT"))) && call) {
                    k.text = QStringLiteral("tsql_") + k.text.toLower();
                } else if (eq(k.text, QLatin1StringView("CURRENT_TIMESTAMP"))) {
                    k.text = QStringLiteral("getdate()");
                } else if (eq(k.text, QLatin1StringView("CONVERT")) && call) {
                    convertType(nx);
                } else if (call && nx == i + 1 + (t_[i + 1].kind == Token::Space ? 1 : 0)) {
                    // legacy hint: FROM T (NOLOCK)
                    lockHintList(-1, nx, false);
                }
                break;
            }
            default:
                break;
            }
        }
    }

    // WITH (NOLOCK, ...) or (NOLOCK) after a table: removed when every item is a lock hint.
    void lockHintList(int withIndex, int open, bool withWord)
    {
        const int close = closing(open);
        if (close < 0) return;
        bool any = false;
        for (int k = open + 1; k < close; ++k) {
            const Token& h = t_[k];
            if (!significant(h)) continue;
            if (isPunct(h, QLatin1StringView(","))) continue;
            if (h.kind == Token::Word && sql::IsTableHint(h.text)) { any = true; continue; }
            return;
        }
        if (!any) return;
        removeRange(withWord ? withIndex : open, close);
        if (withWord) t_[close].around().after += QLatin1Char(' ');
    }

    // CONVERT(varchar(10), x, 103): the type becomes a text argument of our function.
    void convertType(int open)
    {
        int d = 0, k = open + 1;
        int comma = -1;
        for (; k < n(); ++k) {
            if (isPunct(t_[k], QLatin1StringView("("))) ++d;
            else if (isPunct(t_[k], QLatin1StringView(")"))) { if (d == 0) break; --d; }
            else if (d == 0 && isPunct(t_[k], QLatin1StringView(","))) { comma = k; break; }
        }
        if (comma < 0) return;
        QString type;
        for (int j = open + 1; j < comma; ++j)
            if (!t_[j].removed) type += t_[j].text;
        removeRange(open + 1, comma - 1);
        t_[comma].around().before = QLatin1Char('\'') + type.trimmed().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    }

    void computeDepths()
    {
        depth_.assign(n(), 0);
        int d = 0;
        for (int i = 0; i < n(); ++i) {
            if (isPunct(t_[i], QLatin1StringView(")"))) d = std::max(0, d - 1);
            depth_[i] = d;
            if (isPunct(t_[i], QLatin1StringView("("))) ++d;
        }
    }

    bool isName(int i) const
    {
        return i >= 0 && (t_[i].kind == Token::Word || t_[i].kind == Token::Bracketed || t_[i].kind == Token::DQuoted)
            && !t_[i].removed;
    }

    void collectTables()
    {
        static const QSet<QString> clauseEnd = {
            QStringLiteral("WHERE"), QStringLiteral("GROUP"), QStringLiteral("ORDER"), QStringLiteral("HAVING"),
            QStringLiteral("UNION"), QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"), QStringLiteral("SET"),
            QStringLiteral("VALUES"), QStringLiteral("SELECT"), QStringLiteral("LIMIT"), QStringLiteral("ON"),
        };
        // one pass; inFrom[d] tells whether a FROM list is open at parenthesis depth d
        std::vector<char> inFrom(2, 0);
        for (int i = 0; i < n(); ++i) {
            const Token& k = t_[i];
            if (!significant(k)) continue;
            const size_t d = size_t(depth_[i]);
            if (inFrom.size() < d + 2) inFrom.resize(d + 2, 0);
            if (isPunct(k, QLatin1StringView("("))) {
                inFrom[d + 1] = 0;
            } else if (isPunct(k, QLatin1StringView(","))) {
                const int nx = next(i);
                if (inFrom[d] && isName(nx)) addTable(stripBrackets(t_[nx]));
            } else if (k.kind == Token::Word) {
                const QString u = k.text.toUpper();
                if (u == QLatin1String("FROM") || u == QLatin1String("JOIN") || u == QLatin1String("INTO")
                    || u == QLatin1String("UPDATE") || u == QLatin1String("DELETE") || u == QLatin1String("TABLE")) {
                    const int nx = next(i);
                    if (isName(nx) && !eq(t_[nx].text, QLatin1StringView("FROM"))) addTable(stripBrackets(t_[nx]));
                }
                if (u == QLatin1String("FROM")) inFrom[d] = 1;
                else if (u == QLatin1String("JOIN") || clauseEnd.contains(u)) inFrom[d] = 0;
            }
        }
    }

    void addTable(const QString& name)
    {
        if (!tables_.contains(name, Qt::CaseInsensitive)) tables_.append(name);
    }

    ColumnKind kindOfColumn(const QString& column)
    {
        if (!schema_) return ColumnKind::Unknown;
        const QString key = column.toLower();
        auto it = kinds_.constFind(key);
        if (it != kinds_.constEnd()) return *it;
        ColumnKind kind = ColumnKind::Unknown;
        for (const QString& t : tables_) {
            const ColumnKind k = schema_->kindOf(t, column);
            if (k != ColumnKind::Unknown) { kind = k; break; }
        }
        kinds_.insert(key, kind);
        return kind;
    }

    // A column reference ending at i (name, or qualifier.name); empty when it is not one.
    QString columnEndingAt(int i) const
    {
        if (!isName(i)) return {};
        const int nx = next(i);
        if (nx >= 0 && (isPunct(t_[nx], QLatin1StringView("(")) || isPunct(t_[nx], QLatin1StringView(".")))) return {};
        return stripBrackets(t_[i]);
    }
    // A column reference starting at i; the name part is returned.
    QString columnStartingAt(int i) const
    {
        if (!isName(i)) return {};
        int k = i;
        int nx = next(k);
        while (nx >= 0 && isPunct(t_[nx], QLatin1StringView("."))) {
            const int nn = next(nx);
            if (!isName(nn)) return {};
            k = nn;
            nx = next(k);
        }
        if (nx >= 0 && isPunct(t_[nx], QLatin1StringView("("))) return {};
        return stripBrackets(t_[k]);
    }

    // A statement's ? markers become ?1, ?2, … in the order written, so that the values
    // bound to them keep their places whatever a rewrite moves (TOP becomes LIMIT).
    void numberMarkers()
    {
        int count = 0;
        for (Token& k : t_)
            if (isPunct(k, QLatin1StringView("?")))
                k.text = QLatin1Char('?') + QString::number(++count);
    }

    static bool isMarker(const Token& k) { return k.kind == Token::Punct && !k.removed && k.text.startsWith(QLatin1Char('?')); }
    static bool isValue(const Token& k) { return k.kind == Token::Quoted || isMarker(k); }

    // A quoted literal or a marker where it meets a DATETIME column: the literal is
    // written as the column stores dates; the marker's value is read as SQL Server reads
    // a date when it comes bound as a text.
    void toDateValue(Token& value)
    {
        if (dates_) {
            dates_->push_back(int(&value - t_.data()));
            return;
        }
        if (!isMarker(value)) {
            toDate(value);
            return;
        }
        value.around().before += QStringLiteral("tsql_date(");
        value.around().after.prepend(QLatin1Char(')'));
    }

    void toDate(Token& lit)
    {
        QString iso;
        if (!SqlServerDate(QStringView(lit.text).mid(1, lit.text.size() - 2).toString().replace(QStringLiteral("''"), QStringLiteral("'")), iso))
            throw DialectError{241, QStringLiteral("Conversion failed when converting date and/or time from character string.")};
        lit.text = QLatin1Char('\'') + iso + QLatin1Char('\'');
    }

    void deleteFrom()
    {
        const int first = next(-1);
        if (first < 0 || !isWord(t_[first], QLatin1StringView("DELETE"))) return;
        const int nx = next(first);
        if (nx < 0 || isWord(t_[nx], QLatin1StringView("FROM")) || !isName(nx)) return;
        t_[nx].around().before += QStringLiteral("FROM ");
    }

    void insertValues()
    {
        int i = next(-1);
        if (i < 0 || !isWord(t_[i], QLatin1StringView("INSERT"))) return;
        i = next(i);
        if (i >= 0 && isWord(t_[i], QLatin1StringView("INTO"))) i = next(i);
        if (!isName(i)) return;
        const QString table = stripBrackets(t_[i]);
        QStringList cols;
        i = next(i);
        if (i >= 0 && isPunct(t_[i], QLatin1StringView("("))) {
            const int close = closing(i);
            if (close < 0) return;
            for (int k = i + 1; k < close; ++k)
                if (isName(k)) cols.append(stripBrackets(t_[k]));
            i = next(close);
        } else if (schema_) {
            cols = schema_->columnsOf(table);
        }
        if (i < 0 || !isWord(t_[i], QLatin1StringView("VALUES")) || !schema_) return;
        std::vector<bool> isDate;
        bool anyDate = false;
        for (const QString& c : cols) {
            const bool d = schema_->kindOf(table, c) == ColumnKind::Date;
            isDate.push_back(d);
            anyDate = anyDate || d;
        }
        if (!anyDate) return;
        i = next(i);
        while (i >= 0 && isPunct(t_[i], QLatin1StringView("("))) {
            const int close = closing(i);
            if (close < 0) return;
            int col = 0, valueStart = -1, valueCount = 0;
            auto finish = [&]() {
                if (valueCount == 1 && valueStart >= 0 && isValue(t_[valueStart])
                    && col < int(isDate.size()) && isDate[col])
                    toDateValue(t_[valueStart]);
            };
            for (int k = i + 1; k < close; ++k) {
                if (!significant(t_[k])) continue;
                if (depth_[k] == depth_[i] + 1 && isPunct(t_[k], QLatin1StringView(","))) {
                    finish();
                    ++col;
                    valueStart = -1;
                    valueCount = 0;
                    continue;
                }
                if (valueStart < 0) valueStart = k;
                ++valueCount;
            }
            finish();
            i = next(close);
            if (i >= 0 && isPunct(t_[i], QLatin1StringView(","))) i = next(i);
        }
    }

    bool isComparison(const Token& k) const
    {
        if (k.kind != Token::Punct || k.removed || k.text.isEmpty() || k.text.size() > 2) return false;
        const QChar a = k.text[0];
        if (k.text.size() == 1) return a == u'=' || a == u'<' || a == u'>';
        const QChar b = k.text[1];
        return (a == u'<' && (b == u'>' || b == u'=')) || (a == u'>' && b == u'=') || (a == u'!' && (b == u'=' || b == u'<' || b == u'>'));
    }

    // Whether the operand next to a '+' shows text: a quoted literal, a text function, a text column.
    bool textOperand(int i, bool leftSide)
    {
        if (i < 0) return false;
        const Token& k = t_[i];
        if (k.kind == Token::Quoted) return true;
        if (k.kind == Token::Number) return false;
        if (leftSide && isPunct(k, QLatin1StringView(")"))) {
            const int open = opening(i);
            const int fn = open > 0 ? prev(open) : -1;
            return fn >= 0 && t_[fn].kind == Token::Word && isTextFunction(fn, open);
        }
        if (!leftSide && k.kind == Token::Word) {
            const int nx = next(i);
            if (nx >= 0 && isPunct(t_[nx], QLatin1StringView("("))) return isTextFunction(i, nx);
        }
        const QString col = leftSide ? columnEndingAt(i) : columnStartingAt(i);
        return !col.isEmpty() && kindOfColumn(col) == ColumnKind::Text;
    }

    bool isTextFunction(int fn, int open)
    {
        const QString u = t_[fn].text.toUpper();
        if (textFunctions().contains(u)) return true;
        if (u == QLatin1String("IFNULL") || u == QLatin1String("COALESCE")) {
            // text when one of its arguments shows text: ISNULL(A, '') + ISNULL(B, '')
            const int close = closing(open);
            for (int k = next(open); k >= 0 && k < close; k = next(k)) {
                if (depth_[k] != depth_[open] + 1) continue;
                if (t_[k].kind == Token::Quoted) return true;
                const QString col = columnStartingAt(k);
                if (!col.isEmpty() && kindOfColumn(col) == ColumnKind::Text) return true;
            }
            return false;
        }
        if (u == QLatin1String("CONVERT")) {
            const int arg = next(open);   // the quoted type made by convertType
            if (arg < 0) return false;
            const Token& a = t_[arg];
            const QString type = (a.before().isEmpty() ? a.text : a.before()).toUpper();
            return type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT"));
        }
        return false;
    }

    // Words after which a '(' opens an expression, not a function's arguments.
    static bool isKeywordBeforeParen(const Token& k)
    {
        static const QSet<QString> words = {
            QStringLiteral("SELECT"), QStringLiteral("WHERE"), QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"),
            QStringLiteral("ON"), QStringLiteral("WHEN"), QStringLiteral("THEN"), QStringLiteral("ELSE"), QStringLiteral("SET"),
            QStringLiteral("IN"), QStringLiteral("BETWEEN"), QStringLiteral("HAVING"), QStringLiteral("BY"), QStringLiteral("AS"),
            QStringLiteral("VALUES"), QStringLiteral("CASE"), QStringLiteral("RETURN"), QStringLiteral("EXISTS"), QStringLiteral("IS"),
            QStringLiteral("LIKE"), QStringLiteral("DISTINCT"), QStringLiteral("FROM"),
        };
        return k.kind == Token::Word && words.contains(k.text.toUpper());
    }

    // The first token of the operand that ends at i: a literal, a column (a.b.c), a call
    // f(...) or a parenthesised expression; -1 for anything else.
    int operandStart(int i) const
    {
        if (i < 0) return -1;
        const Token& k = t_[i];
        if (k.kind == Token::Quoted || k.kind == Token::Number) return i;
        if (isPunct(k, QLatin1StringView(")"))) {
            const int open = opening(i);
            if (open < 0) return -1;
            const int fn = prev(open);
            if (fn >= 0 && t_[fn].kind == Token::Word && !isKeywordBeforeParen(t_[fn])) return fn;
            return open;
        }
        if (!isName(i)) return -1;
        int first = i;
        for (int dot = prev(first); dot >= 0 && isPunct(t_[dot], QLatin1StringView(".")); dot = prev(first)) {
            const int q = prev(dot);
            if (!isName(q)) return -1;
            first = q;
        }
        return first;
    }

    // The last token of the operand that starts at i (as operandStart); -1 for anything else.
    int operandEnd(int i) const
    {
        if (i < 0) return -1;
        const Token& k = t_[i];
        if (k.kind == Token::Quoted || k.kind == Token::Number) return i;
        if (isPunct(k, QLatin1StringView("("))) return closing(i);
        if (!isName(i)) return -1;
        const int nx = next(i);
        if (nx >= 0 && isPunct(t_[nx], QLatin1StringView("(")) && k.kind == Token::Word) return closing(nx);
        int last = i;
        for (int dot = next(last); dot >= 0 && isPunct(t_[dot], QLatin1StringView(".")); dot = next(last)) {
            const int q = next(dot);
            if (!isName(q)) return -1;
            last = q;
        }
        return last;
    }

    // What an operand next to an arithmetic sign holds, as far as the text shows it.
    ColumnKind operandKind(int i, bool leftSide)
    {
        if (i < 0) return ColumnKind::Unknown;
        const Token& k = t_[i];
        if (k.kind == Token::Number) return ColumnKind::Number;
        int fn = -1;
        if (leftSide && isPunct(k, QLatin1StringView(")"))) {
            const int open = opening(i);
            fn = open > 0 ? prev(open) : -1;
        } else if (!leftSide && k.kind == Token::Word) {
            const int nx = next(i);
            if (nx >= 0 && isPunct(t_[nx], QLatin1StringView("("))) fn = i;
        }
        if (fn >= 0 && t_[fn].kind == Token::Word) {
            const QString u = t_[fn].text.toUpper();
            if (u == QLatin1String("GETDATE")) return ColumnKind::Date;
            if (u == QLatin1String("CONVERT")) {
                const int arg = next(next(fn));
                const QString type = arg >= 0 ? (t_[arg].before().isEmpty() ? t_[arg].text : t_[arg].before()).toUpper() : QString();
                if (type.contains(QLatin1String("DATE"))) return ColumnKind::Date;
            }
            static const QSet<QString> numeric = {QStringLiteral("LEN"), QStringLiteral("CHARINDEX"), QStringLiteral("YEAR"),
                                                  QStringLiteral("MONTH"), QStringLiteral("DAY"), QStringLiteral("ABS"),
                                                  QStringLiteral("ROUND"), QStringLiteral("COUNT")};
            if (numeric.contains(u)) return ColumnKind::Number;
        }
        if (textOperand(i, leftSide)) return ColumnKind::Text;
        const QString col = leftSide ? columnEndingAt(i) : columnStartingAt(i);
        return col.isEmpty() ? ColumnKind::Unknown : kindOfColumn(col);
    }

    [[noreturn]] static void unsupported(const QString& what)
    {
        throw DialectError{402, what + QStringLiteral(" cannot be run on this database.")};
    }

    // A '+' or '-' between two operands, read as SQL Server reads it: days added to a
    // date, text joined to text, text turned into a number next to a number. What cannot
    // be said for SQLite is refused rather than answered wrongly.
    void arithmetic(int i)
    {
        Token& sign = t_[i];
        const bool plus = sign.text == QLatin1String("+");
        const int L = prev(i), R = next(i);
        if (L < 0 || R < 0) return;
        // a sign after an operator, '(' or ',' is a unary sign
        if (t_[L].kind == Token::Punct && !isPunct(t_[L], QLatin1StringView(")"))) return;
        if (t_[L].kind == Token::Word && operandStart(L) < 0) return;
        const ColumnKind lk = operandKind(L, true), rk = operandKind(R, false);

        if (lk == ColumnKind::Date || rk == ColumnKind::Date) {
            const bool dateLeft = lk == ColumnKind::Date;
            const ColumnKind other = dateLeft ? rk : lk;
            const int ls = operandStart(L), re = operandEnd(R);
            if (other != ColumnKind::Number || ls < 0 || re < 0 || (!plus && !dateLeft)) {
                if (dates_) return;   // another engine's date arithmetic
                unsupported(QStringLiteral("Date arithmetic other than adding or subtracting a number of days"));
            }
            // SQL Server's date + n: n days on the julian day, written back as a date
            const int ds = dateLeft ? ls : R, de = dateLeft ? L : re;
            const int ns = dateLeft ? R : ls, ne = dateLeft ? re : L;
            t_[ls].around().before += QStringLiteral("datetime(");
            t_[ds].around().before += QStringLiteral("julianday(");
            t_[de].around().after.prepend(QStringLiteral(")"));
            t_[ns].around().before += QStringLiteral("(");
            t_[ne].around().after.prepend(QStringLiteral(")"));
            t_[re].around().after += QStringLiteral(")");
            dateStarts_.insert(ls);
            dateEnds_.insert(re);
            return;
        }
        if (!plus) return;
        const bool textLeft = lk == ColumnKind::Text, textRight = rk == ColumnKind::Text;
        if ((textLeft && rk == ColumnKind::Number) || (textRight && lk == ColumnKind::Number)) {
            // SQL Server turns the text into a number (and fails when it is none)
            const int s0 = textLeft ? operandStart(L) : R, s1 = textLeft ? L : operandEnd(R);
            if (s0 < 0 || s1 < 0) {
                if (dates_) return;
                unsupported(QStringLiteral("Adding text to a number"));
            }
            t_[s0].around().before += QStringLiteral("tsql_num(");
            t_[s1].around().after.prepend(QStringLiteral(")"));
            return;
        }
        if (lk == ColumnKind::Number || rk == ColumnKind::Number) return;
        if (textLeft || textRight) sign.text = QStringLiteral("||");
    }

    void arithmetics()
    {
        for (int i = 0; i < n(); ++i)
            if (isPunct(t_[i], QLatin1StringView("+")) || isPunct(t_[i], QLatin1StringView("-"))) arithmetic(i);
    }

    // Whether the operand ending (left) or starting (right) at i holds a date.
    bool dateOperand(int i, bool leftSide)
    {
        if (i < 0) return false;
        if ((leftSide ? dateEnds_ : dateStarts_).contains(i)) return true;
        return operandKind(i, leftSide) == ColumnKind::Date;
    }

    void comparisons()
    {
        // the SET list of an UPDATE: assignments, not comparisons
        int setFrom = -1, setTo = -1;
        const int first = next(-1);
        if (first >= 0 && isWord(t_[first], QLatin1StringView("UPDATE"))) {
            for (int i = first; i < n(); ++i) {
                if (depth_[i] != 0 || !significant(t_[i]) || t_[i].kind != Token::Word) continue;
                if (setFrom < 0 && eq(t_[i].text, QLatin1StringView("SET"))) setFrom = i;
                else if (setFrom >= 0 && (eq(t_[i].text, QLatin1StringView("WHERE")) || eq(t_[i].text, QLatin1StringView("FROM")))) { setTo = i; break; }
            }
            if (setFrom >= 0 && setTo < 0) setTo = n();
        }
        auto inSet = [&](int i) { return setFrom >= 0 && i > setFrom && i < setTo; };
        auto collate = [&](Token& lit) { lit.around().after += QStringLiteral(" COLLATE NOCASE"); };

        for (int i = 0; i < n(); ++i) {
            Token& k = t_[i];
            if (k.removed) continue;
            if (isComparison(k)) {
                const int L = prev(i), R = next(i);
                if (R >= 0 && isValue(t_[R])) {
                    if (dateOperand(L, true)) toDateValue(t_[R]);
                    else if (!inSet(i)) collate(t_[R]);
                } else if (L >= 0 && isValue(t_[L])) {
                    if (dateOperand(R, false)) toDateValue(t_[L]);
                    else collate(t_[L]);
                }
            } else if (isWord(k, QLatin1StringView("BETWEEN"))) {
                const int left = prev(i);
                const int a = next(i);
                int andAt = -1;
                for (int j = a; j >= 0 && j < n(); j = next(j))
                    if (depth_[j] == depth_[i] && isWord(t_[j], QLatin1StringView("AND"))) { andAt = j; break; }
                const int b = andAt >= 0 ? next(andAt) : -1;
                // a literal tested between two columns is a date when a bound is a date column
                const bool literalLeft = left >= 0 && isValue(t_[left]);
                const bool date = (!literalLeft && dateOperand(left, true))
                               || (literalLeft && (dateOperand(a, false) || (b >= 0 && dateOperand(b, false))));
                if (literalLeft && date) toDateValue(t_[left]);
                for (int lit : {a, b}) {
                    if (lit < 0 || !isValue(t_[lit])) continue;
                    if (date) toDateValue(t_[lit]);
                    else collate(t_[lit]);
                }
            } else if (isWord(k, QLatin1StringView("IN"))) {
                const QString col = columnEndingAt(prev(i));
                const int open = next(i);
                if (col.isEmpty() || open < 0 || !isPunct(t_[open], QLatin1StringView("(")) || kindOfColumn(col) != ColumnKind::Date) continue;
                const int close = closing(open);
                for (int j = open + 1; j < close; ++j)
                    if (isValue(t_[j]) && depth_[j] == depth_[open] + 1) toDateValue(t_[j]);
            }
        }
    }

    void top()
    {
        for (int i = 0; i < n(); ++i) {
            if (!isWord(t_[i], QLatin1StringView("SELECT"))) continue;
            int k = next(i);
            if (k >= 0 && (isWord(t_[k], QLatin1StringView("DISTINCT")) || isWord(t_[k], QLatin1StringView("ALL")))) k = next(k);
            if (k < 0 || !isWord(t_[k], QLatin1StringView("TOP"))) continue;
            const int topAt = k;
            int last = k;
            QString count;
            int v = next(k);
            if (v >= 0 && isPunct(t_[v], QLatin1StringView("("))) {
                const int close = closing(v);
                if (close < 0) continue;
                for (int j = v + 1; j < close; ++j)
                    if (!t_[j].removed) count += t_[j].text;
                last = close;
            } else if (v >= 0 && t_[v].kind == Token::Number) {
                count = t_[v].text;
                last = v;
            } else {
                continue;
            }
            bool percent = false;
            int p = next(last);
            if (p >= 0 && isWord(t_[p], QLatin1StringView("PERCENT"))) { percent = true; last = p; p = next(p); }
            if (p >= 0 && isWord(t_[p], QLatin1StringView("WITH"))) {
                const int ties = next(p);
                if (ties >= 0 && isWord(t_[ties], QLatin1StringView("TIES"))) last = ties;
            }
            if (percent && count.trimmed().toDouble() < 100)
                throw DialectError{102, QStringLiteral("TOP %1 PERCENT cannot be run on this database.").arg(count.trimmed())};
            removeRange(topAt, last);
            if (percent) continue;
            // the end of this SELECT: the parenthesis that closes it, a compound operator, or the end
            int end = -1;
            for (int j = last + 1; j < n(); ++j) {
                if (!significant(t_[j])) continue;
                if (depth_[j] < depth_[i]) { end = j; break; }
                if (depth_[j] == depth_[i] && t_[j].kind == Token::Word
                    && (eq(t_[j].text, QLatin1StringView("UNION")) || eq(t_[j].text, QLatin1StringView("EXCEPT"))
                        || eq(t_[j].text, QLatin1StringView("INTERSECT")))) { end = j; break; }
            }
            const QString limit = QStringLiteral(" LIMIT ") + count.trimmed() + QLatin1Char(' ');
            if (end >= 0) t_[end].around().before.prepend(limit);
            else t_.back().around().after += limit;
        }
    }
};

} // namespace

QString Translate(const std::vector<Token>& tokens, SchemaInfo* schema)
{
    return Translate(std::vector<Token>(tokens), schema);
}

QString Translate(std::vector<Token>&& tokens, SchemaInfo* schema)
{
    Translator tr(std::move(tokens), schema);
    return tr.run();
}

QString TranslateCondition(const std::vector<Token>& tokens, SchemaInfo* schema)
{
    std::vector<Token> t;
    t.reserve(tokens.size() + 2);
    Token head;
    head.kind = Token::Word;
    head.text = QStringLiteral("SELECT CASE WHEN");
    t.push_back(head);
    Token sp;
    sp.kind = Token::Space;
    sp.text = QStringLiteral(" ");
    t.push_back(sp);
    t.insert(t.end(), tokens.begin(), tokens.end());
    t.push_back(sp);
    Token tail;
    tail.kind = Token::Word;
    tail.text = QStringLiteral("THEN 1 ELSE 0 END");
    t.push_back(tail);
    return Translate(std::move(t), schema);
}

std::vector<int> DateValues(const std::vector<Token>& tokens, SchemaInfo* schema)
{
    if (!schema) return {};
    Translator tr(tokens, schema);
    return tr.dateValues();
}

QString TranslateText(const QString& statement, SchemaInfo* schema)
{
    return Translate(Tokenize(statement), schema);
}

} // namespace ado::sqlite
