#include "platform/report/ReportQuery.h"
#include "platform/ado/Command.h"
#include "platform/ado/Connection.h"
#include "platform/ado/SqlTokens.h"
#include "platform/report/SelectionFormula.h"

#include <vector>

namespace report {

namespace {

using ado::sql::significant;
using ado::sql::Token;

bool isWord(const Token& t, const char* word)
{
    return t.kind == Token::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isPunct(const Token& t, const char* p)
{
    return t.kind == Token::Punct && t.text == QLatin1String(p);
}

bool isName(const Token& t)
{
    return t.kind == Token::Word || t.kind == Token::Bracketed || t.kind == Token::DQuoted;
}

QString bare(const Token& t)
{
    if (t.kind == Token::Bracketed || t.kind == Token::DQuoted)
        return t.text.mid(1, t.text.size() - 2);
    return t.text;
}

SqlColumn::Kind kindOfType(int adoType)
{
    switch (adoType) {
    case ado::adChar: case ado::adVarChar: case ado::adLongVarChar: case ado::adWChar: case ado::adVarWChar:
    case ado::adLongVarWChar: case ado::adBSTR:
        return SqlColumn::Text;
    default:
        return ado::IsDateType(adoType) ? SqlColumn::Date : SqlColumn::Other;
    }
}

} // namespace

ReportQuery::ReportQuery(const QString& text)
    : m_text(text)
{
    const std::vector<Token> tokens = ado::sql::Tokenize(text);
    // Where each token starts, and which ones stand outside every parenthesis.
    std::vector<int> start, sig;
    std::vector<int> depth;
    int at = 0, d = 0;
    for (const Token& t : tokens) {
        start.push_back(at);
        at += int(t.text.size());
        if (isPunct(t, ")"))
            --d;
        depth.push_back(d);
        if (isPunct(t, "("))
            ++d;
    }
    start.push_back(at);
    for (int i = 0; i < int(tokens.size()); ++i)
        if (significant(tokens[i]))
            sig.push_back(i);
    if (sig.empty() || !isWord(tokens[sig[0]], "SELECT"))
        return;

    // The clauses at the outer level.
    int from = -1, where = -1, tail = -1;
    for (size_t k = 1; k < sig.size(); ++k) {
        const int i = sig[k];
        const Token& t = tokens[i];
        if (depth[i] != 0 || t.kind != Token::Word)
            continue;
        if (isWord(t, "UNION") || isWord(t, "EXCEPT") || isWord(t, "INTERSECT") || isWord(t, "INTO"))
            return;
        if (from < 0) {
            if (isWord(t, "FROM"))
                from = int(k);
            continue;
        }
        if (where < 0 && tail < 0 && isWord(t, "WHERE"))
            where = int(k);
        else if (tail < 0 && (isWord(t, "GROUP") || isWord(t, "HAVING") || isWord(t, "ORDER") || isWord(t, "OPTION")
                              || isWord(t, "FOR")))
            tail = int(k);
    }
    if (from < 0)
        return;
    int end = int(text.size());
    if (isPunct(tokens[sig.back()], ";"))
        end = start[sig.back()];
    m_insertAt = tail >= 0 ? start[sig[tail]] : end;
    if (where >= 0) {
        m_whereFrom = start[sig[where] + 1];
        m_whereTo = m_insertAt;
    }

    // The select list, after DISTINCT and TOP.
    size_t k = 1;
    if (k < sig.size() && (isWord(tokens[sig[k]], "DISTINCT") || isWord(tokens[sig[k]], "ALL")))
        ++k;
    if (k < sig.size() && isWord(tokens[sig[k]], "TOP")) {
        ++k;
        if (k < sig.size() && isPunct(tokens[sig[k]], "(")) {
            while (k < sig.size() && !isPunct(tokens[sig[k]], ")"))
                ++k;
        }
        ++k;
        if (k < sig.size() && isWord(tokens[sig[k]], "PERCENT"))
            ++k;
        if (k + 1 < sig.size() && isWord(tokens[sig[k]], "WITH") && isWord(tokens[sig[k + 1]], "TIES"))
            k += 2;
    }
    std::vector<std::vector<int>> items(1);
    for (; k < size_t(from); ++k) {
        const int i = sig[k];
        if (depth[i] == 0 && isPunct(tokens[i], ","))
            items.emplace_back();
        else
            items.back().push_back(i);
    }
    for (const std::vector<int>& item : items) {
        if (item.empty())
            return;   // not a list this reading follows
        if (isPunct(tokens[item.back()], "*")) {
            m_star = true;
            continue;
        }
        // expression [AS] alias
        size_t exprEnd = item.size();
        QString alias;
        if (item.size() >= 3 && isWord(tokens[item[item.size() - 2]], "AS") && isName(tokens[item.back()])) {
            alias = bare(tokens[item.back()]);
            exprEnd = item.size() - 2;
        } else if (item.size() >= 2 && isName(tokens[item.back()]) && !isPunct(tokens[item[item.size() - 2]], ".")
                   && (isName(tokens[item[item.size() - 2]]) || isPunct(tokens[item[item.size() - 2]], ")")
                       || tokens[item[item.size() - 2]].kind == Token::Quoted
                       || tokens[item[item.size() - 2]].kind == Token::Number)) {
            alias = bare(tokens[item.back()]);
            exprEnd = item.size() - 1;
        }
        // a plain column: names joined by points
        bool plain = exprEnd % 2 == 1 && !(exprEnd == 1 && isWord(tokens[item[0]], "NULL"));
        for (size_t j = 0; plain && j < exprEnd; ++j)
            plain = j % 2 == 0 ? isName(tokens[item[j]]) : isPunct(tokens[item[j]], ".");
        const QString name = !alias.isEmpty() ? alias : plain ? bare(tokens[item[exprEnd - 1]]) : QString();
        if (name.isEmpty())
            continue;
        const int first = start[item[0]];
        const int last = start[item[exprEnd - 1] + 1];
        // a computed column is named too, so that a SELECT * beside it does not claim it
        if (!m_columns.contains(name.toUpper()))
            m_columns.insert(name.toUpper(), plain ? text.mid(first, last - first) : QString());
    }
    m_takes = true;
}

QString ReportQuery::columnOf(const QString& field) const
{
    const auto found = m_columns.constFind(field.toUpper());
    if (found != m_columns.constEnd())
        return *found;
    if (!m_star)
        return QString();
    for (const QChar c : field)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return QLatin1Char('[') + field + QLatin1Char(']');
    return field;
}

QString ReportQuery::with(const QString& condition) const
{
    if (!m_takes || condition.isEmpty())
        return m_text;
    if (m_whereFrom >= 0)
        return m_text.left(m_whereFrom) + QStringLiteral(" (") + m_text.mid(m_whereFrom, m_whereTo - m_whereFrom).trimmed()
               + QStringLiteral(") AND (") + condition + QStringLiteral(") ") + m_text.mid(m_whereTo);
    return m_text.left(m_insertAt).trimmed() + QStringLiteral(" WHERE ") + condition + QLatin1Char(' ')
           + m_text.mid(m_insertAt);
}

ado::Recordset ReadReportRows(ado::Connection& cnn, const QString& query, const SelectionFormula& selection)
{
    const ReportQuery shaped(query);
    if (!selection.selectsAll() && shaped.takesConditions()) {
        try {
            // What the database says of the query's columns, without reading a row: their
            // types, and which ones are columns of what it reads rather than computed.
            ado::Recordset columns = cnn.Execute(shaped.with(QStringLiteral("1=0")));
            const auto column = [&](const QString& field) {
                for (int i = 0; i < columns.Fields().Count(); ++i) {
                    ado::Field& f = columns.Fields(i);
                    if (f.Name().compare(field, Qt::CaseInsensitive) != 0)
                        continue;
                    const QString expression = shaped.columnOf(field);
                    if (f.BaseColumnName().isEmpty() || expression.isEmpty())
                        return SqlColumn{};
                    return SqlColumn{kindOfType(f.Type()), expression};
                }
                return SqlColumn{};
            };
            const SqlCondition condition = selection.databaseCondition(column);
            if (!condition.text.isEmpty()) {
                ado::Command cmd;
                cmd.SetActiveConnection(cnn);
                cmd.SetCommandText(shaped.with(condition.text));
                for (const SqlValue& v : condition.values)
                    cmd.Parameters().Append(cmd.CreateParameter(QString(), v.type, ado::adParamInput, 0, v.value));
                return cmd.Execute();
            }
        } catch (const vb::VbError&) {
            // read whole below, as a query that takes no conditions is
        }
    }
    ado::Recordset rs;
    rs.Open(query, cnn, ado::adOpenStatic, ado::adLockReadOnly);
    return rs;
}

} // namespace report
