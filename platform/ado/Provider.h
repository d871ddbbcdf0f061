#pragma once
// What Connection and Recordset need of a database engine. Internal to the data layer.
#include "platform/ado/Errors.h"
#include "platform/vb/Variant.h"
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace ado {

struct ConnectionSpec;

struct ColumnInfo {
    QString name;
    int type = 200;            // DataTypeEnum
    int definedSize = 0;
    QString baseTable;         // where the column comes from, when known
    QString baseColumn;
};

// A client-side snapshot: every row read on open.
struct ResultSet {
    QVector<ColumnInfo> columns;
    QVector<vb::Variant> cells;   // row-major
    int rowCount() const { return columns.isEmpty() ? 0 : int(cells.size() / columns.size()); }
};

struct ExecResult {
    std::optional<ResultSet> rows;   // the first result of the batch that has columns
    long affected = 0;              // rows changed; -1 when no statement of the batch changes rows
    bool wrote = false;
};

// One row written back by Recordset::Update.
struct RowChange {
    QString table;
    bool insert = false;
    QVector<std::pair<QString, vb::Variant>> values;   // columns to store
    QVector<std::pair<QString, vb::Variant>> key;      // columns that find the row (update)
};

// A value for a ? marker of a statement, with the ADO type (DataTypeEnum) the caller
// gave it: a text typed as a date is read as one, as SQL Server reads it.
struct BoundValue {
    vb::Variant value;
    int type = 0;
};

struct RowChangeResult {
    long affected = 0;
    std::optional<qint64> newId;                       // the row id given by the engine
    QString idColumn;                                  // the column that holds it, when known
};

class Provider {
public:
    virtual ~Provider() = default;
    // Every failure adds its records to errs and throws vb::VbError.
    virtual void open(const ConnectionSpec& target, Errors& errs) = 0;
    virtual void close() = 0;
    virtual ExecResult execute(const QString& text, Errors& errs) = 0;
    // One statement whose ? markers take `values` in order, bound by the engine: no value
    // is ever written into the statement's text. An engine that cannot raises 3251.
    virtual ExecResult executeBound(const QString& text, const QVector<BoundValue>& values, Errors& errs);
    virtual int beginTrans(Errors& errs) = 0;      // returns the nesting level
    virtual void commitTrans(Errors& errs) = 0;
    virtual void rollbackTrans(Errors& errs) = 0;
    virtual void setCommandTimeout(int seconds) = 0;
    virtual void setDefaultDatabase(const QString& name, Errors& errs) = 0;
    virtual ResultSet schemaTables(Errors& errs) = 0;
    virtual ResultSet schemaColumns(const QString& table, Errors& errs) = 0;
    // Primary key columns of a table, for updates by key; empty when none is known.
    virtual QStringList primaryKey(const QString& table) = 0;
    virtual RowChangeResult applyRowChange(const RowChange& change, Errors& errs) = 0;
};

// Makes the engine for a parsed connection string. Empty: the built-in choice (SQLite
// or ODBC). Tests install one to stand an engine that fails on demand behind a connection.
using ProviderFactory = std::function<std::unique_ptr<Provider>(const ConnectionSpec& target)>;
void SetProviderFactory(ProviderFactory factory);
std::unique_ptr<Provider> MakeBuiltInProvider(const ConnectionSpec& target, int connectionTimeout);

} // namespace ado
