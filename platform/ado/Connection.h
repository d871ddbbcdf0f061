#pragma once
// ADO's Connection as the system uses it. The provider is chosen from the connection
// string: SQL Server through FreeTDS, Oracle through its ODBC data source, an ODBC
// driver named directly, or the embedded SQLite file (server "SQLITE" or a local file).
#include "platform/ado/Errors.h"
#include "platform/ado/Recordset.h"
#include <QString>
#include <memory>

namespace ado {

enum IsolationLevelEnum : int { adXactUnspecified = -1, adXactReadUncommitted = 256, adXactReadCommitted = 4096,
                                adXactRepeatableRead = 65536, adXactSerializable = 1048576 };
enum SchemaEnum : int { adSchemaColumns = 4, adSchemaTables = 20 };

class ConnectionData;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens on the string (or on ConnectionString when empty). 3705 when already open.
    void Open(const QString& connectionString = {}, const QString& user = {}, const QString& password = {}, int options = -1);
    void Close();   // 3704 when closed
    int State() const;

    // Runs a statement or a batch; returns the rows of the first statement that selects
    // (a closed recordset when none does). 3709 when the connection is closed.
    Recordset Execute(const QString& commandText, long* recordsAffected = nullptr, int options = -1);

    ado::Errors& Errors();

    int BeginTrans();     // the nesting level
    void CommitTrans();
    void RollbackTrans();

    // ADO's schema rowsets: tables (TABLE_NAME, TABLE_TYPE) and columns (TABLE_NAME,
    // COLUMN_NAME, DATA_TYPE); the column rowset is restricted by table name (index 2).
    Recordset OpenSchema(int schema, const QStringList& restrictions = {});

    int CommandTimeout() const;              // seconds; 30 by default
    void SetCommandTimeout(int seconds);
    int ConnectionTimeout() const;
    void SetConnectionTimeout(int seconds);
    QString ConnectionString() const;
    void SetConnectionString(const QString& text);   // 3705 when open
    QString DefaultDatabase() const;
    void SetDefaultDatabase(const QString& name);
    int CursorLocation() const;              // adUseServer or adUseClient (all recordsets are client snapshots)
    void SetCursorLocation(int location);
    int IsolationLevel() const;
    void SetIsolationLevel(int level);       // accepted; no effect where the engine has none
    QString Provider() const;                // the provider named by the connection string

    std::shared_ptr<ConnectionData> data() const { return d_; }

private:
    std::shared_ptr<ConnectionData> d_;
};

} // namespace ado
