#pragma once
// Reading every result of one ODBC batch. A batch of SQL Server statements answers with
// one result per statement; an error in the second or a later one shows only when the
// reader moves on to it, so every result is read before the batch counts as run.
// Internal to the data layer; the results come from the driver through QtSql, or from a
// test that yields the results and errors it needs.
#include "platform/ado/Provider.h"
#include <QString>

namespace ado {

class BatchResults {
public:
    virtual ~BatchResults() = default;
    // Runs the batch; false when its first statement failed.
    virtual bool start() = 0;
    // The current result: whether it has columns, its rows, the rows it changed (-1 none).
    virtual bool isSelect() = 0;
    virtual void readRows(ResultSet& out) = 0;
    virtual long rowsAffected() = 0;
    // Moves to the next result; false at the end of the batch or when a statement failed.
    virtual bool nextResult() = 0;
    // Whether the last start or move failed.
    virtual bool failed() = 0;
    // The driver's diagnostic records of the statement into errs; how many there were.
    virtual int collect(Errors& errs) = 0;
    // Qt's own text and native code of the failure, for when the driver left no record.
    virtual QString failureText() = 0;
    virtual int failureNative() = 0;
    // How many transactions the server holds open on the connection now; -1 unknown.
    virtual int transactionCount() = 0;
};

// Runs the batch and reads all its results: the rows of the first result with columns,
// the rows changed by all. On a failure the driver's records go into errs and the first
// is raised; before that, when askTransactions is set, `transactions` receives what the
// server still holds open (a failed statement may or may not have ended the caller's
// transaction).
ExecResult ReadBatch(BatchResults& results, bool askTransactions, int& transactions, Errors& errs);

} // namespace ado
