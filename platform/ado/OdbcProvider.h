#pragma once
// SQL Server (FreeTDS), Oracle or any ODBC driver through QODBC. The statement text goes
// to the server unchanged; every diagnostic record is read from the raw ODBC handle.
#include "platform/ado/Provider.h"
#include <QString>

namespace ado {

class OdbcProvider : public Provider {
public:
    explicit OdbcProvider(int loginTimeoutSeconds = 15);
    ~OdbcProvider() override;

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

private:
    ExecResult run(const QString& text, const QVector<BoundValue>* values, Errors& errs);

    QString connectionName_;
    int loginTimeout_;
    int timeoutSeconds_ = 30;
    int tranCount_ = 0;
    int serverTransactions_ = 0;   // transactions the statements' own text left open (-1 unknown)
    bool oracle_ = false;          // Oracle: no T-SQL of the provider's own (@@TRANCOUNT) is sent
};

// The ADO type code of an ODBC SQL type.
int AdoTypeOfOdbc(int sqlType);

} // namespace ado
