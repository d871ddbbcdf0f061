// A SQL Server script cut into the statements Oracle runs one at a time. The cut is made
// on the script's SQL only, at whole keywords outside parentheses: a value that reads
// like a statement, a name that contains a keyword and a comment stay where they are.
#include "data/SqlText.h"
#include "platform/ado/SqlTokens.h"
#include "platform/ado/SqliteDialect.h"
#include <QSet>

using namespace ado::sql;
using Tokens = std::vector<Token>;

namespace sqltext {

namespace {

bool isTranWord(const Token& t)
{
    return isWord(t, QLatin1String("TRAN")) || isWord(t, QLatin1String("TRANS")) || isWord(t, QLatin1String("TRANSACTION"));
}

// The words that begin a statement of their own.
bool startsStatement(const Token& t)
{
    static const QSet<QString> words = {
        QStringLiteral("INSERT"), QStringLiteral("DELETE"), QStringLiteral("UPDATE"), QStringLiteral("CREATE"),
        QStringLiteral("DROP"), QStringLiteral("ALTER"), QStringLiteral("GRANT"), QStringLiteral("IF"),
        QStringLiteral("BEGIN"), QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"), QStringLiteral("SAVE"),
        QStringLiteral("SELECT"), QStringLiteral("SET"), QStringLiteral("GO"),
    };
    return !t.removed && t.kind == Token::Word && words.contains(t.text.toUpper());
}

// SET NOCOUNT ON/OFF and GO lines mean nothing to Oracle: they go.
void dropBatchWords(Tokens& t)
{
    for (int i = 0; i < int(t.size()); ++i) {
        if (isWord(t[i], QLatin1String("SET"))) {
            const int nocount = nextSig(t, i);
            const int onOff = nocount < 0 ? -1 : nextSig(t, nocount);
            if (onOff >= 0 && isWord(t[nocount], QLatin1String("NOCOUNT"))
                && (isWord(t[onOff], QLatin1String("ON")) || isWord(t[onOff], QLatin1String("OFF"))))
                for (int k = i; k <= onOff; ++k)
                    t[k].removed = true;
        } else if (isWord(t[i], QLatin1String("GO"))) {
            const bool alone = (i == 0 || t[i - 1].kind == Token::Space) && (i + 1 == int(t.size()) || t[i + 1].kind == Token::Space);
            if (alone)
                t[i].removed = true;
        }
    }
}

// The name after a transaction word, when one follows: a word that begins no statement.
QString transactionName(const Tokens& t, int& at)
{
    const int name = nextSig(t, at);
    if (name < 0 || t[name].kind != Token::Word || startsStatement(t[name]))
        return {};
    at = name;
    return t[name].text;
}

// A transaction statement at `at` (BEGIN/COMMIT/ROLLBACK/SAVE TRANSACTION), in Oracle's
// form, with `at` moved to its last token; empty when there is none there.
QString transactionStatement(const Tokens& t, int& at)
{
    int k = at;
    const Token& head = t[k];
    const int second = nextSig(t, k);
    const bool tran = second >= 0 && isTranWord(t[second]);
    const bool work = second >= 0 && isWord(t[second], QLatin1String("WORK"));
    if (isWord(head, QLatin1String("BEGIN"))) {
        if (!tran)
            return {};
        k = second;
        transactionName(t, k);
        at = k;
        return QStringLiteral("SET TRANSACTION");
    }
    if (isWord(head, QLatin1String("SAVE"))) {
        if (!tran)
            return {};
        k = second;
        const QString name = transactionName(t, k);
        if (name.isEmpty())
            return {};
        at = k;
        return QStringLiteral("SAVEPOINT ") + name;
    }
    const bool commit = isWord(head, QLatin1String("COMMIT"));
    if (!commit && !isWord(head, QLatin1String("ROLLBACK")))
        return {};
    QString name;
    if (tran || work) {
        k = second;
        if (tran)
            name = transactionName(t, k);
    }
    at = k;
    if (commit)
        return QStringLiteral("COMMIT");
    return name.isEmpty() ? QStringLiteral("ROLLBACK") : QStringLiteral("ROLLBACK TO SAVEPOINT ") + name;
}

// The statement's text: its blanks and line breaks one blank each, a -- comment still
// ended by its line break, quoted texts as written.
QString statementText(const Tokens& t, int from, int to)
{
    QString out;
    bool any = false;
    for (int k = from; k < to; ++k) {
        const Token& tk = t[k];
        if (tk.removed)
            continue;
        any = any || significant(tk);
        if (tk.kind == Token::Space)
            out += k > from && t[k - 1].kind == Token::Comment && t[k - 1].text.startsWith(QLatin1String("--"))
                ? QStringLiteral("\n") : QStringLiteral(" ");
        else
            out += tk.text;
    }
    return any ? out.trimmed() : QString();
}

} // namespace

QStringList SplitOracleScript(const QString& script)
{
    Tokens t = ado::sql::Tokenize(script);
    dropBatchWords(t);

    QStringList statements;
    int start = -1;              // where the statement being read begins
    QString kind;                // its first word
    bool values = false;         // an INSERT whose VALUES have been read
    int depth = 0;
    auto close = [&](int end) {
        if (start >= 0) {
            const QString text = statementText(t, start, end);
            if (!text.isEmpty())
                statements.append(text);
        }
        start = -1;
        kind.clear();
        values = false;
    };
    for (int i = 0; i < int(t.size()); ++i) {
        const Token& k = t[i];
        if (!significant(k))
            continue;
        if (isPunct(k, QLatin1String("("))) {
            ++depth;
        } else if (isPunct(k, QLatin1String(")"))) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && isPunct(k, QLatin1String(";"))) {
            close(i);
            continue;
        }
        if (depth > 0 || !startsStatement(k)) {
            if (start < 0) {   // text before any keyword is a statement too, never dropped
                start = i;
                kind = QStringLiteral("?");
            }
            if (kind == QLatin1String("INSERT") && isWord(k, QLatin1String("VALUES")))
                values = true;
            continue;
        }
        int at = i;
        const QString transaction = transactionStatement(t, at);
        if (!transaction.isEmpty()) {
            close(i);
            statements.append(transaction);
            i = at;
            continue;
        }
        const QString word = k.text.toUpper();
        bool begins = true;
        if (word == QLatin1String("SELECT")) {
            // A SELECT is the source of an INSERT before its VALUES, part of a view or a
            // guard; after a complete write it is a statement of its own.
            begins = start < 0 || (kind == QLatin1String("INSERT") && values) || kind == QLatin1String("UPDATE")
                  || kind == QLatin1String("DELETE");
        } else if (word == QLatin1String("SET")) {
            const int next = nextSig(t, i);
            begins = next >= 0 && isWord(t[next], QLatin1String("TRANSACTION"));
        } else if (word == QLatin1String("IF")) {
            const int next = nextSig(t, i);
            const int exists = next >= 0 && isWord(t[next], QLatin1String("NOT")) ? nextSig(t, next) : next;
            begins = exists >= 0 && (isWord(t[exists], QLatin1String("EXISTS")) || isWord(t[exists], QLatin1String("EXIST")));
        } else if (word == QLatin1String("BEGIN") || word == QLatin1String("SAVE") || word == QLatin1String("GO")) {
            begins = false;
        }
        if (!begins) {
            if (start < 0) {
                start = i;
                kind = QStringLiteral("?");
            }
            continue;
        }
        close(i);
        start = i;
        kind = word;
    }
    close(int(t.size()));
    return statements;
}

bool ChangesTables(const QString& statement)
{
    // A script's statements begin with their keyword: its first words are enough.
    const QString first = ado::sqlite::FirstKeyword(ado::sql::Tokenize(QStringView(statement).left(64)));
    return first == QLatin1String("CREATE") || first == QLatin1String("ALTER") || first == QLatin1String("DROP");
}

bool DroppedOnOracle(const QString& statement)
{
    // What the whole text does not hold, its SQL does not either: most statements are not cut.
    auto anywhere = [&statement](const char* word) { return statement.contains(QLatin1String(word), Qt::CaseInsensitive); };
    if (!anywhere("NOCOUNT") && !anywhere("EXIST"))
        return false;
    const Tokens t = ado::sql::Tokenize(statement);
    for (int i = 0; i < int(t.size()); ++i) {
        const int next = nextSig(t, i);
        if (next < 0)
            break;
        if (isWord(t[i], QLatin1String("SET")) && isWord(t[next], QLatin1String("NOCOUNT")))
            return true;
        if (isWord(t[i], QLatin1String("IF")) && isWord(t[next], QLatin1String("NOT"))) {
            const int exists = nextSig(t, next);
            if (exists >= 0 && (isWord(t[exists], QLatin1String("EXISTS")) || isWord(t[exists], QLatin1String("EXIST"))))
                return true;
        }
    }
    return false;
}

} // namespace sqltext
