#pragma once
// The SQL Server dialect the system writes, adapted for SQLite at execution time.
// Pure functions: the caller's text is never changed, only what reaches SQLite.
#include "platform/ado/SqlServerDate.h"
#include "platform/ado/SqlTokens.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

namespace ado::sqlite {

using sql::Token;
using sql::Tokenize;

enum class ColumnKind { Unknown, Text, Date, Number };

// What the rewriting needs to know of the database: the kind of a column (to find the
// DATETIME columns a date literal meets) and a table's columns in order.
class SchemaInfo {
public:
    virtual ~SchemaInfo() = default;
    virtual ColumnKind kindOf(const QString& table, const QString& column) = 0;
    virtual QStringList columnsOf(const QString& table) = 0;
};

// A failure found while rewriting, reported as SQL Server would (its native number).
struct DialectError {
    int native = 0;
    QString message;
};

struct Statement {
    enum Kind { Sql, If, Block, Begin, Commit, Rollback, Save, Ignored, Invalid };
    Kind kind = Sql;
    QString name;                   // Begin, Rollback, Save: the transaction or savepoint name, when given
    std::vector<Token> tokens;      // Sql: the statement; If: the condition
    std::vector<Statement> body;    // If: then [, else]; Block: the statements
    QString error;                  // Invalid: why the batch cannot run (SQL Server's syntax error)
};

// Splits a batch into statements: ";", GO lines and statement keywords outside quotes,
// brackets and parentheses; IF guards, BEGIN ... END blocks and transaction statements
// (SAVE TRANSACTION name and ROLLBACK TRANSACTION name keep their savepoint name).
std::vector<Statement> SplitBatch(const QString& batch);
// The same statements handed to `f` one at a time, each as soon as it is split (a long
// batch never holds all its statements' tokens twice).
void ForEachStatement(const QString& batch, const std::function<void(Statement&)>& f);

// Rewrites one statement for SQLite (schema may be null: no date or text knowledge).
// Throws DialectError.
QString Translate(const std::vector<Token>& tokens, SchemaInfo* schema);
QString Translate(std::vector<Token>&& tokens, SchemaInfo* schema);   // takes the tokens over
// The indices of the tokens (quoted texts, ? markers) that meet a date column as SQL
// Server reads the statement: the value of such a column in INSERT ... VALUES and
// UPDATE ... SET, the other side of a comparison, BETWEEN or IN with it. Nothing is
// refused and no token rewritten; none without a schema.
std::vector<int> DateValues(const std::vector<Token>& tokens, SchemaInfo* schema);
// The condition of an IF as a query returning 1 or 0.
QString TranslateCondition(const std::vector<Token>& tokens, SchemaInfo* schema);

// Convenience for one statement given as text.
QString TranslateText(const QString& statement, SchemaInfo* schema = nullptr);

using ado::SqlServerDate;

// The statement's first keyword in upper case ("" when none).
QString FirstKeyword(const std::vector<Token>& tokens);

} // namespace ado::sqlite
