#pragma once
// A report's query with room for conditions: the text a report definition gives (in the
// SQL Server dialect), read far enough to know which of its columns are plain columns of
// what it reads, and where a condition goes (a new WHERE before its GROUP BY, HAVING or
// ORDER BY, or AND to its own WHERE). A query that unites several SELECTs, or one this
// reading does not follow, takes no conditions.
#include "platform/ado/Recordset.h"
#include <QHash>
#include <QString>

namespace ado {
class Connection;
}

namespace report {

class SelectionFormula;

class ReportQuery {
public:
    explicit ReportQuery(const QString& text);

    bool takesConditions() const { return m_takes; }
    // How a condition reads a field of the rows: the select list's column of that name as
    // written there (qualified or not), or the bare name under SELECT *. Empty for a field
    // the query computes or does not name.
    QString columnOf(const QString& field) const;
    // The text with `condition` added; the text itself for an empty condition or a query
    // that takes none.
    QString with(const QString& condition) const;

private:
    QString m_text;
    bool m_takes = false;
    bool m_star = false;
    int m_insertAt = -1;    // where a new WHERE goes (characters)
    int m_whereFrom = -1;   // the condition of the query's own WHERE (characters), when it has one
    int m_whereTo = -1;
    QHash<QString, QString> m_columns;   // upper-case output name -> column as written
};

// The rows of a report's query. The conditions of the selection that the database can
// apply go with the query as bound values, so that it reads only the report's rows; the
// query runs whole when it takes no conditions or the database can apply none, or when
// the query with them fails. Either way the rows read are for the whole formula to select.
ado::Recordset ReadReportRows(ado::Connection& cnn, const QString& query, const SelectionFormula& selection);

} // namespace report
