#pragma once
// Pure text transformations of SQL statements used by the data-access object.
#include <QString>
#include <QStringList>

namespace sqltext {

// The SQL Server statement in Oracle's dialect. `wordCount` is the number of words
// of the statement (a single word only has LEN renamed).
QString ToOracle(const QString& statement, int wordCount);

// A SQL Server script cut into the statements Oracle runs one at a time; the
// transaction statements come out as "SET TRANSACTION", "COMMIT" and "ROLLBACK".
QStringList SplitOracleScript(const QString& script);

// The marker rewriting of a statement that writes: which "@Admin_" markers go, and
// whether the statement must still go through the restricted-view rewriting.
struct WriteRewrite {
    QString text;
    bool needsViews = false;
};
WriteRewrite RewriteForWrite(const QString& statement);

} // namespace sqltext
