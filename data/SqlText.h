#pragma once
// Pure text transformations of SQL statements used by the data-access object. Each one
// changes the statement's SQL only: quoted texts, quoted names and comments pass through
// as they are (the cut is ado::sql's, the one the whole data layer uses).
#include <QString>
#include <QStringList>
#include <optional>

namespace ado::sqlite {
class SchemaInfo;
}

namespace sqltext {

// The statement with every "@Admin_" of its SQL removed, case ignored.
QString RemoveMarkers(const QString& statement);

// The statement with every `from` of its SQL replaced by `to`, case ignored, in the
// order given.
QString ReplaceInSql(const QString& statement, const QList<std::pair<QString, QString>>& replacements);

// The marker rewriting of a statement that writes: which "@Admin_" markers go, and
// whether the statement must still go through the restricted-view rewriting.
struct WriteRewrite {
    QString text;
    bool needsViews = false;
};
WriteRewrite RewriteForWrite(const QString& statement);

// The SQL Server statement in Oracle's dialect. `wordCount` is the number of words
// of the statement (a single word only has LEN renamed). Lock hints go: what they ask
// for is OracleLocks'. A quoted text that `columns` shows meeting a date column is sent
// as a date; without them, and everywhere else, a text is sent as typed.
QString ToOracle(const QString& statement, int wordCount, ado::sqlite::SchemaInfo* columns = nullptr);

// What the statement's lock hints (UPDLOCK, HOLDLOCK, XLOCK, TABLOCK...) hold until the
// transaction ends, in Oracle's words: one "LOCK TABLE T IN EXCLUSIVE MODE" per table,
// to be run before the statement in the same transaction. Empty without such hints.
QStringList OracleLocks(const QString& statement);

// A SQL Server script cut into the statements Oracle runs one at a time. Transaction
// statements come out as "SET TRANSACTION", "COMMIT", "ROLLBACK", and savepoints as
// "SAVEPOINT name" and "ROLLBACK TO SAVEPOINT name". Keywords start a statement only as
// whole words of the SQL; comments stay comments.
QStringList SplitOracleScript(const QString& script);

// Whether the statement creates, alters or drops something: what was read of the
// database's columns may no longer hold.
bool ChangesTables(const QString& statement);

// Whether Oracle's filter drops the statement: its SQL sets NOCOUNT or is an
// IF NOT EXISTS guard. What a value holds never counts.
bool DroppedOnOracle(const QString& statement);

// The column name of an identity read, "SELECT SCOPE_IDENTITY() AS name" (the name is
// "ID" without AS); nothing when the statement is not one.
std::optional<QString> IdentityRead(const QString& statement);

// The table an INSERT writes into; empty when the statement is no INSERT.
QString InsertTable(const QString& statement);

// Oracle's forms of what SQL Server does with an identity: the table locked before the
// insert, and the new row's ID read back under that lock (the suite's identity columns
// are named ID, and the lock keeps any other insert out until the transaction ends).
QString OracleTableLock(const QString& table);
QString OracleIdentityRead(const QString& table, const QString& column);

} // namespace sqltext
