// SQL text transformations: Oracle dialect, Oracle scripts and the marker of writes.
#include "data/SqlText.h"
#include "platform/vb/Strings.h"
#include <QRegularExpression>
#include <algorithm>

using vb::vbTextCompare;

namespace sqltext {

namespace {

int findCi(const QString& text, const QString& sought, int from = 0)
{
    return int(text.indexOf(sought, from, Qt::CaseInsensitive));
}

// Only day/month/year texts count as dates, so codes such as '1/2' stay text.
bool isDayMonthYear(const QString& content, QDateTime& out)
{
    static const QRegularExpression dmy(QStringLiteral(
        "^\\s*\\d{1,2}[/.-]\\d{1,2}[/.-](\\d{2}|\\d{4})(\\s+\\d{1,2}:\\d{2}(:\\d{2})?)?\\s*$"));
    return dmy.match(content).hasMatch() && vb::ParseDate(content, out);
}

QString rowLimit(const QString& text)
{
    const int topAt = findCi(text, QStringLiteral("top "));
    if (topAt < 0)
        return text;
    const QString head = text.left(topAt);
    const QString rest = vb::Trim(text.mid(topAt + 3));
    const int blank = int(rest.indexOf(QLatin1Char(' ')));
    const QString n = blank < 0 ? rest : rest.left(blank);
    QString body = blank < 0 ? QString() : rest.mid(blank + 1);
    QString tail;
    int at = findCi(body, QStringLiteral(" GROUP BY "));
    if (at < 0)
        at = findCi(body, QStringLiteral("ORDER BY "));
    if (at >= 0) {
        tail = body.mid(at);
        body = vb::Replace(body, vb::Trim(tail), QStringLiteral(" "));
    }
    const QString condition = findCi(text, QStringLiteral(" WHERE ")) < 0
        ? QStringLiteral(" WHERE ROWNUM <= ") + n
        : QStringLiteral(" AND ROWNUM <= ") + n;
    return head + QLatin1Char(' ') + body + QLatin1Char(' ') + condition + QLatin1Char(' ') + tail + QLatin1Char(' ');
}

// Where the quoted text that opens at `quote` ends: its closing apostrophe, or the end of
// the text when none closes it; '' inside stands for one apostrophe.
int quotedEnd(const QString& text, int quote)
{
    int j = quote + 1;
    while (j < text.size()) {
        if (text[j] == QLatin1Char('\'')) {
            if (j + 1 < text.size() && text[j + 1] == QLatin1Char('\'')) { j += 2; continue; }
            break;
        }
        ++j;
    }
    return j;
}

QString dateLiterals(const QString& text)
{
    QString out;
    out.reserve(text.size() + 32);
    int i = 0;
    while (i < text.size()) {
        if (text[i] != QLatin1Char('\'')) {
            out += text[i++];
            continue;
        }
        const int j = quotedEnd(text, i);
        const QString literal = text.mid(i, j - i + 1);
        const QString content = text.mid(i + 1, j - i - 1);
        QDateTime date;
        if (j < text.size() && isDayMonthYear(content, date))
            out += QStringLiteral("TO_DATE('") + date.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("','DD/MM/YYYY')");
        else
            out += literal;
        i = j + 1;
    }
    while (findCi(out, QStringLiteral("TO_DATE(TO_DATE(")) >= 0) {
        out = vb::Replace(out, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("), vbTextCompare);
        out = vb::Replace(out, QStringLiteral("'DD/MM/YYYY'),'DD/MM/YYYY')"), QStringLiteral("'DD/MM/YYYY')"), vbTextCompare);
    }
    return out;
}

QString emptyComparisonsToNull(const QString& text)
{
    const int where = findCi(text, QStringLiteral("WHERE "));
    if (where < 0)
        return text;
    QString after = text.mid(where);
    after = vb::Replace(after, QStringLiteral("= ''"), QStringLiteral(" IS NULL "), vbTextCompare);
    after = vb::Replace(after, QStringLiteral("=''"), QStringLiteral(" IS NULL "), vbTextCompare);
    return text.left(where) + after;
}

QString dateStyleMasks(const QString& text)
{
    QString out = text;
    int at = int(out.lastIndexOf(QStringLiteral("103")));
    while (at >= 0) {
        const int paren = int(out.lastIndexOf(QLatin1Char('('), at));
        if (paren >= 7 && out.mid(paren - 7, 8).compare(QLatin1String("TO_CHAR("), Qt::CaseInsensitive) == 0)
            out.replace(at, 3, QStringLiteral("'DD/MM/YYYY'"));
        at = at == 0 ? -1 : int(out.lastIndexOf(QStringLiteral("103"), at - 1));
    }
    return out;
}

} // namespace

QString ToOracle(const QString& statement, int wordCount)
{
    // Oracle knows no lock hints, and every read of the program carries one.
    static const QRegularExpression nolock(QStringLiteral("with\\s*\\(\\s*nolock\\s*\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString text = statement;
    text.remove(nolock);
    if (wordCount < 2)
        return text.compare(QLatin1String("LEN"), Qt::CaseInsensitive) == 0 ? QStringLiteral("LENGTH") : text;

    text = rowLimit(text);
    for (const char* len : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
        text = vb::Replace(text, QString::fromLatin1(len), QStringLiteral(" LENGTH("), vbTextCompare);
    text.replace(QLatin1Char('['), QLatin1Char('"'));
    text.replace(QLatin1Char(']'), QLatin1Char('"'));
    text = dateLiterals(text);
    text = vb::Replace(text, QStringLiteral("Charindex"), QStringLiteral("InStr"), vbTextCompare);
    text = vb::Replace(text, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("), vbTextCompare);
    text = vb::Replace(text, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("), vbTextCompare);
    text = emptyComparisonsToNull(text);
    text = dateStyleMasks(text);
    text = vb::Replace(text, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("), vbTextCompare);
    text = vb::Replace(text, QStringLiteral("ISNULL("), QStringLiteral("NVL("), vbTextCompare);
    return text;
}

QStringList SplitOracleScript(const QString& script)
{
    const QString crlf = QStringLiteral("\r\n");
    // The script's words are rewritten and split outside quoted texts only: a value that
    // reads like a statement ("x'); DELETE FROM t; --") or holds a line break stays whole.
    auto rewrite = [&crlf](QString s) {
        auto rep = [&s](const QString& from, const QString& to) { s = vb::Replace(s, from, to, vbTextCompare); };
        rep(QStringLiteral("SET NOCOUNT ON"), QString());
        rep(QStringLiteral("SET NOCOUNT OFF"), QString());
        rep(QStringLiteral(" GO "), QStringLiteral(" "));
        rep(crlf + QStringLiteral("GO "), QStringLiteral(" "));
        rep(crlf + QStringLiteral("GO "), QStringLiteral(" "));
        rep(crlf + QStringLiteral("GO") + crlf, QStringLiteral(" "));
        rep(QStringLiteral("\r"), QStringLiteral(" "));
        // A bare line feed is a line break too: left in place it would keep "COMMIT" from
        // being recognised as the end of the transaction.
        rep(QStringLiteral("\n"), QStringLiteral(" "));
        rep(QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION"));
        rep(QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION"));
        rep(QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT"));
        rep(QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT"));
        rep(QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK"));
        rep(QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK"));
        return s;
    };

    // The script rewritten piece by piece, and beside it the same text with every quoted
    // text blanked out, where the statements' keywords are looked for.
    QString s;
    QString words;
    int i = 0;
    while (i < script.size()) {
        int quote = int(script.indexOf(QLatin1Char('\''), i));
        const QString outside = rewrite(script.mid(i, quote < 0 ? -1 : quote - i));
        s += outside;
        words += outside;
        if (quote < 0)
            break;
        const int j = quotedEnd(script, quote);
        const QString quoted = script.mid(quote, j - quote + 1);
        s += quoted;
        words += QString(quoted.size(), QLatin1Char('_'));
        i = j + 1;
    }

    static const QStringList keywords = {
        QStringLiteral("INSERT "), QStringLiteral("DELETE "), QStringLiteral("UPDATE "), QStringLiteral("CREATE "),
        QStringLiteral("DROP "), QStringLiteral("ALTER "), QStringLiteral("SET TRANSACTION"), QStringLiteral("COMMIT"),
        QStringLiteral("ROLLBACK"), QStringLiteral("IF NOT EXIST"), QStringLiteral("IF EXIST"), QStringLiteral("GRANT "),
    };
    // The earliest keyword at or after `from`: its position and length (-1 when none).
    auto earliest = [&words](int from) {
        int best = -1, bestLen = 0;
        for (const QString& k : keywords) {
            const int at = int(words.indexOf(k, from, Qt::CaseInsensitive));
            if (at >= 0 && (best < 0 || at < best)) { best = at; bestLen = int(k.size()); }
        }
        return std::make_pair(best, bestLen);
    };

    QStringList statements;
    auto [start, len] = earliest(0);
    while (start >= 0) {
        const auto [next, nextLen] = earliest(start + len);
        const QString statement = vb::Trim(next < 0 ? s.mid(start) : s.mid(start, next - start));
        statements.append(statement);
        start = next;
        len = nextLen;
    }
    return statements;
}

WriteRewrite RewriteForWrite(const QString& statement)
{
    const QString marker = QStringLiteral("@Admin_");
    const bool dropAndCreate = vb::InStr(statement, QStringLiteral("DROP"), vbTextCompare) > 0
                            && vb::InStr(statement, QStringLiteral("CREATE"), vbTextCompare) > 0;
    const bool hasMarker = vb::InStr(statement, marker, vbTextCompare) > 0;
    if (!dropAndCreate || hasMarker || vb::InStr(statement, QStringLiteral("DELETE"), vbTextCompare) > 0)
        return {vb::Replace(statement, marker, QString(), vbTextCompare), false};
    return {statement, true};
}

} // namespace sqltext
