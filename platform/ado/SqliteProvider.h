#pragma once
// The embedded engine: a SQLite file opened through QtSql, speaking the SQL Server
// dialect the system writes (rewritten at execution time by SqliteDialect).
#include "platform/ado/Provider.h"
#include "platform/ado/SqliteDialect.h"
#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

class SqliteProvider : public Provider, private sqlite::SchemaInfo {
public:
    SqliteProvider();
    ~SqliteProvider() override;

    void open(const ConnectionSpec& target, Errors& errs) override;
    void close() override;
    ExecResult execute(const QString& text, Errors& errs) override;
    ExecResult executeBound(const QString& text, const QVector<BoundValue>& values, Errors& errs) override;
    int beginTrans(Errors& errs) override;
    void commitTrans(Errors& errs) override;
    void rollbackTrans(Errors& errs) override;
    void setCommandTimeout(int seconds) override;
    void setDefaultDatabase(const QString& name, Errors& errs) override;
    ResultSet schemaTables(Errors& errs) override;
    ResultSet schemaColumns(const QString& table, Errors& errs) override;
    QStringList primaryKey(const QString& table) override;
    RowChangeResult applyRowChange(const RowChange& change, Errors& errs) override;

    int transactionCount() const { return tranCount_; }
    sqlite3* handle() const { return db_; }

private:
    struct Column { QString name; QString declared; sqlite::ColumnKind kind; int pk; };
    struct Table { bool exists = false; QVector<Column> columns; };

    sqlite::ColumnKind kindOf(const QString& table, const QString& column) override;
    QStringList columnsOf(const QString& table) override;
    const Table& table(const QString& name);

    // Runs a statement once; its tokens are taken over by the rewrite.
    void run(sqlite::Statement& s, ExecResult& res, Errors& errs);
    // A plain statement, rewritten for SQLite and run, with its parameters when it has some.
    void runStatement(sqlite::Statement& s, ExecResult& res, Errors& errs, const QVector<BoundValue>* values = nullptr);
    // Runs the statements of `sql`; `values`, when given, are bound to the first one.
    void runSql(const QString& sql, ExecResult& res, Errors& errs, bool ddl, const QVector<BoundValue>* values = nullptr);
    // One value at a marker; `asDate` reads a text as a date. Finalizes `st` and throws on failure.
    void bindValue(sqlite3_stmt* st, int index, const vb::Variant& value, bool asDate, Errors& errs);
    int readRows(sqlite3_stmt* st, ResultSet& out);   // the last step's result
    void rawExec(const char* sql, Errors& errs);
    [[noreturn]] void failSqlite(int code, Errors& errs);
    [[noreturn]] void fail(int native, const QString& message, Errors& errs);
    void syncTransaction();
    void saveTransaction(const QString& name, Errors& errs);
    void rollbackTransaction(const QString& name, Errors& errs);

    QString connectionName_;
    sqlite3* db_ = nullptr;
    int tranCount_ = 0;
    QString tranName_;             // the name the outermost BEGIN TRANSACTION gave, if any
    QStringList savepoints_;       // SAVE TRANSACTION names of the open transaction, oldest first
    int timeoutSeconds_ = 30;
    QHash<QString, Table> tables_;
};

// SQL Server's reading of a SQLite declared type: ADO type code and defined size.
void AdoTypeOfDeclared(const QString& declared, int& type, int& size);

} // namespace ado
