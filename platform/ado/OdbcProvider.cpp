#include "platform/ado/OdbcProvider.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Field.h"
#include "platform/ado/OdbcBatch.h"
#include "platform/ado/OpenConnections.h"
#include "platform/ado/SqlServerDate.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <sql.h>
#include <sqlext.h>

namespace ado {

namespace {

const QString kSource = QStringLiteral("ODBC");
QAtomicInt odbcCounter;

SQLHANDLE rawHandle(const QVariant& v)
{
    // QODBC hands its handles over as SQLHANDLE, which the meta-type system knows as void*
    if (!v.isValid() || (qstrcmp(v.typeName(), "SQLHANDLE") != 0 && qstrcmp(v.typeName(), "void*") != 0)) return nullptr;
    return *static_cast<SQLHANDLE const*>(v.constData());
}

int numberOfState(const QString& state)
{
    if (state.startsWith(QLatin1String("23"))) return hrIntegrityViolation;
    if (state == QLatin1String("42S02")) return hrNoTable;
    if (state == QLatin1String("22007") || state == QLatin1String("22008") || state == QLatin1String("22018") || state == QLatin1String("22003"))
        return hrCantConvert;
    if (state == QLatin1String("HYT00") || state == QLatin1String("HYT01")) return hrTimeout;
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("28000") || state.startsWith(QLatin1String("IM"))) return hrUnspecified;
    return hrErrorsInCommand;
}

// Every diagnostic record of the handle into the error list; how many were found.
int collect(SQLSMALLINT type, SQLHANDLE h, Errors& errs)
{
    if (!h) return 0;
    int found = 0;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR msg[2048] = {};
        SQLSMALLINT len = 0;
        const SQLRETURN r = SQLGetDiagRecW(type, h, i, state, &native, msg, SQLSMALLINT(std::size(msg)), &len);
        if (!SQL_SUCCEEDED(r)) break;
        Error e;
        e.SQLState = QString::fromUtf16(reinterpret_cast<const char16_t*>(state), 5);
        e.NativeError = int(native);
        e.Description = QString::fromUtf16(reinterpret_cast<const char16_t*>(msg), std::min<int>(len, int(std::size(msg)) - 1));
        e.Source = kSource;
        e.Number = numberOfState(e.SQLState);
        errs.Add(e);
        ++found;
    }
    return found;
}

[[noreturn]] void raiseFirst(Errors& errs, const QString& fallbackText, int fallbackNative)
{
    if (errs.Count() == 0) {
        Error e;
        e.Description = fallbackText.isEmpty() ? QStringLiteral("The ODBC driver reported a failure.") : fallbackText;
        e.NativeError = fallbackNative;
        e.SQLState = QStringLiteral("HY000");
        e.Number = hrErrorsInCommand;
        e.Source = kSource;
        errs.Add(e);
    }
    const Error& first = errs.Item(0);
    throw vb::VbError(first.Number, first.Description, first.Source);
}

[[noreturn]] void raiseFirst(Errors& errs, const QSqlError& fallback)
{
    raiseFirst(errs, fallback.text(), fallback.nativeErrorCode().toInt());
}

vb::Variant valueOf(const QVariant& v, int adoType)
{
    if (!v.isValid() || v.isNull()) return vb::Variant::Null();
    switch (adoType) {
    case adNumeric: case adDecimal: case adCurrency: {
        vb::Currency c;
        const QString t = v.toString().trimmed();
        if (vb::Currency::tryParse(t, c)) return vb::Variant(c);
        bool ok = false;
        const double d = t.toDouble(&ok);
        return ok ? vb::Variant(d) : vb::Variant(t);
    }
    case adDBTimeStamp: case adDate: case adDBDate: {
        if (v.metaType().id() == QMetaType::QDateTime) return vb::Variant(vb::NaiveDate(v.toDateTime()));
        if (v.metaType().id() == QMetaType::QDate) return vb::Variant(v.toDate());
        const QDateTime d = QDateTime::fromString(v.toString().left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (d.isValid()) return vb::Variant(vb::NaiveDate(d));
        return vb::Variant(v.toString());
    }
    case adBoolean: return vb::Variant(v.toBool());
    case adSmallInt: case adUnsignedTinyInt: case adTinyInt: return vb::Variant(qint16(v.toInt()));
    case adInteger: return vb::Variant(v.toInt());
    case adBigInt: {
        const qint64 n = v.toLongLong();
        if (n >= INT_MIN && n <= INT_MAX) return vb::Variant(int(n));
        return vb::Variant(double(n));
    }
    case adDouble: case adSingle: return vb::Variant(v.toDouble());
    default:
        if (v.metaType().id() == QMetaType::QString) return vb::Variant(v.toString());
        return vb::Variant::fromQVariant(v);
    }
}

void readRows(QSqlQuery& q, ResultSet& out)
{
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    out.columns.resize(n);
    for (int i = 0; i < n; ++i) {
        const QSqlField f = rec.field(i);
        ColumnInfo& c = out.columns[i];
        c.name = f.name();
        c.type = AdoTypeOfOdbc(f.typeID());
        c.definedSize = f.length() > 0 ? f.length() : 0;
        c.baseColumn = f.name();
        c.baseTable = f.tableName();
    }
    while (q.next())
        for (int i = 0; i < n; ++i) out.cells.append(valueOf(q.value(i), out.columns[i].type));
}

QVariant toQVariant(const vb::Variant& v)
{
    switch (v.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null: return QVariant(QMetaType::fromType<QString>());
    case vb::VarType::Currency: return QVariant(v.toCurrency().toString());
    // a timestamp structure, never a text the server would read in its session's date order
    case vb::VarType::Date: return QVariant(v.toDate());
    default: return v.toQVariant();
    }
}

// The results of a batch as QODBC hands them over.
class QueryResults : public BatchResults {
public:
    QueryResults(QSqlDatabase db, QSqlQuery& q) : db_(std::move(db)), q_(q) {}
    bool start() override { return q_.exec(); }
    bool isSelect() override { return q_.isSelect(); }
    void readRows(ResultSet& out) override { ado::readRows(q_, out); }
    long rowsAffected() override { return q_.numRowsAffected(); }
    bool nextResult() override { return q_.nextResult(); }
    bool failed() override { return q_.lastError().isValid() && q_.lastError().type() != QSqlError::NoError; }
    int collect(Errors& errs) override { return ado::collect(SQL_HANDLE_STMT, rawHandle(q_.result()->handle()), errs); }
    QString failureText() override { return q_.lastError().text(); }
    int failureNative() override { return q_.lastError().nativeErrorCode().toInt(); }
    int transactionCount() override
    {
        QSqlQuery count(db_);
        if (!count.exec(QStringLiteral("SELECT @@TRANCOUNT")) || !count.next()) return -1;
        return count.value(0).toInt();
    }

private:
    QSqlDatabase db_;
    QSqlQuery& q_;
};

// Whether a batch may begin or end a transaction of the server's own.
bool mentionsTransaction(const QString& text)
{
    return text.contains(QLatin1String("TRAN"), Qt::CaseInsensitive);
}

// A bound value as the driver takes it: a text typed as a date is read as the suite's
// logins read dates (day-month-year) and travels as a timestamp.
QVariant boundValue(const BoundValue& b)
{
    if (!IsDateType(b.type))
        return toQVariant(b.value);
    if (b.value.isNull() || b.value.isEmpty())
        return QVariant(QMetaType::fromType<QDateTime>());
    if (b.value.type() == vb::VarType::String) {
        QString iso;
        if (SqlServerDate(b.value.toString(), iso))
            return QVariant(QDateTime::fromString(iso, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    return toQVariant(b.value);
}

} // namespace

ExecResult ReadBatch(BatchResults& results, bool askTransactions, int& transactions, Errors& errs)
{
    auto failure = [&]() {
        results.collect(errs);
        const QString text = results.failureText();
        const int native = results.failureNative();
        if (askTransactions) transactions = results.transactionCount();
        raiseFirst(errs, text, native);
    };
    ExecResult res;
    if (!results.start()) failure();
    // every result of a batch, so that the errors of later statements are seen
    for (;;) {
        if (results.isSelect()) {
            if (!res.rows) {
                ResultSet rows;
                results.readRows(rows);
                res.rows = std::move(rows);
            }
        } else {
            res.wrote = true;
            if (results.rowsAffected() > 0) res.affected += results.rowsAffected();
        }
        if (!results.nextResult()) {
            if (results.failed()) failure();
            break;
        }
    }
    if (askTransactions) transactions = results.transactionCount();
    if (!res.wrote) res.affected = -1;
    return res;
}

int AdoTypeOfOdbc(int sqlType)
{
    switch (sqlType) {
    case SQL_CHAR: return adChar;
    case SQL_VARCHAR: return adVarChar;
    case SQL_LONGVARCHAR: return adLongVarChar;
    case SQL_WCHAR: return adWChar;
    case SQL_WVARCHAR: return adVarWChar;
    case SQL_WLONGVARCHAR: return adLongVarWChar;
    case SQL_DECIMAL: case SQL_NUMERIC: return adNumeric;
    case SQL_INTEGER: return adInteger;
    case SQL_SMALLINT: return adSmallInt;
    case SQL_TINYINT: return adUnsignedTinyInt;
    case SQL_BIGINT: return adBigInt;
    case SQL_BIT: return adBoolean;
    case SQL_REAL: return adSingle;
    case SQL_FLOAT: case SQL_DOUBLE: return adDouble;
    case SQL_TYPE_TIMESTAMP: case SQL_DATETIME: case SQL_TYPE_DATE: case SQL_TIMESTAMP: return adDBTimeStamp;
    case SQL_BINARY: return adBinary;
    case SQL_VARBINARY: return adVarBinary;
    case SQL_LONGVARBINARY: return adLongVarBinary;
    default: return adVarChar;
    }
}

OdbcProvider::OdbcProvider(int loginTimeoutSeconds) : loginTimeout_(loginTimeoutSeconds) {}

OdbcProvider::~OdbcProvider() { close(); }

void OdbcProvider::open(const ConnectionSpec& target, Errors& errs)
{
    connectionName_ = QStringLiteral("ado-odbc-%1").arg(odbcCounter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
    NoteOpened(this);
    db.setDatabaseName(target.odbc);
    if (loginTimeout_ > 0) db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(loginTimeout_));
    if (!db.open()) {
        const QSqlError e = db.lastError();
        Error err;
        err.Number = hrUnspecified;
        err.Description = e.databaseText().isEmpty() ? e.text() : e.databaseText();
        err.NativeError = e.nativeErrorCode().toInt();
        err.SQLState = QStringLiteral("08001");
        err.Source = kSource;
        errs.Add(err);
        db = QSqlDatabase();
        close();
        throw vb::VbError(err.Number, err.Description, err.Source);
    }
    oracle_ = target.oracle;
    if (target.dayMonthYear) execute(QStringLiteral("SET DATEFORMAT dmy"), errs);
}

void OdbcProvider::close()
{
    if (connectionName_.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (tranCount_ > 0) db.rollback();
        if (serverTransactions_ > 0 && db.isOpen()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION"));
        }
        db.close();
    }
    tranCount_ = 0;
    serverTransactions_ = 0;
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    NoteClosed(this);
}

ExecResult OdbcProvider::execute(const QString& text, Errors& errs)
{
    return run(text, nullptr, errs);
}

ExecResult OdbcProvider::executeBound(const QString& text, const QVector<BoundValue>& values, Errors& errs)
{
    return run(text, &values, errs);
}

ExecResult OdbcProvider::run(const QString& text, const QVector<BoundValue>* values, Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);   // amounts arrive as exact texts
    if (!q.prepare(text)) {
        collect(SQL_HANDLE_STMT, rawHandle(q.result()->handle()), errs);
        raiseFirst(errs, q.lastError());
    }
    if (SQLHANDLE h = rawHandle(q.result()->handle()))
        SQLSetStmtAttr(h, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds_)), 0);
    if (values)
        for (const BoundValue& b : *values)
            q.addBindValue(boundValue(b));
    QueryResults results(db, q);
    // a batch that begins or ends a transaction of its own: what the server holds open
    // afterwards is kept, so that closing never leaves a transaction behind
    const bool asks = !oracle_ && mentionsTransaction(text);
    return ReadBatch(results, asks, serverTransactions_, errs);
}

int OdbcProvider::beginTrans(Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (tranCount_ == 0 && !db.transaction()) {
        collect(SQL_HANDLE_DBC, rawHandle(db.driver()->handle()), errs);
        raiseFirst(errs, db.lastError());
    }
    return ++tranCount_;
}

void OdbcProvider::commitTrans(Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (tranCount_ == 0) {
        Error e{hrErrorsInCommand, QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."), kSource, QStringLiteral("25000"), 3902};
        errs.Add(e);
        throw vb::VbError(e.Number, e.Description, e.Source);
    }
    if (tranCount_ == 1 && !db.commit()) {
        collect(SQL_HANDLE_DBC, rawHandle(db.driver()->handle()), errs);
        raiseFirst(errs, db.lastError());
    }
    --tranCount_;
}

void OdbcProvider::rollbackTrans(Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (tranCount_ == 0) {
        Error e{hrErrorsInCommand, QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."), kSource, QStringLiteral("25000"), 3903};
        errs.Add(e);
        throw vb::VbError(e.Number, e.Description, e.Source);
    }
    tranCount_ = 0;
    if (!db.rollback()) {
        collect(SQL_HANDLE_DBC, rawHandle(db.driver()->handle()), errs);
        raiseFirst(errs, db.lastError());
    }
}

void OdbcProvider::setCommandTimeout(int seconds) { timeoutSeconds_ = std::max(0, seconds); }

void OdbcProvider::setDefaultDatabase(const QString& name, Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    SQLHANDLE dbc = rawHandle(db.driver()->handle());
    if (!dbc) return;
    const std::u16string w = name.toStdU16String();
    const SQLRETURN r = SQLSetConnectAttrW(dbc, SQL_ATTR_CURRENT_CATALOG,
                                           const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(w.c_str())),
                                           SQLINTEGER(w.size() * sizeof(SQLWCHAR)));
    if (!SQL_SUCCEEDED(r)) {
        collect(SQL_HANDLE_DBC, dbc, errs);
        raiseFirst(errs, QSqlError());
    }
}

ResultSet OdbcProvider::schemaTables(Errors&)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    ResultSet out;
    for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE"}) {
        ColumnInfo c;
        c.name = QString::fromLatin1(name);
        out.columns.append(c);
    }
    for (const QString& t : db.tables(QSql::Tables))
        out.cells << vb::Variant::Null() << vb::Variant::Null() << vb::Variant(t) << vb::Variant("TABLE");
    for (const QString& t : db.tables(QSql::Views))
        out.cells << vb::Variant::Null() << vb::Variant::Null() << vb::Variant(t) << vb::Variant("VIEW");
    return out;
}

ResultSet OdbcProvider::schemaColumns(const QString& table, Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    ResultSet out;
    for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION", "DATA_TYPE"}) {
        ColumnInfo c;
        c.name = QString::fromLatin1(name);
        out.columns.append(c);
    }
    QStringList names;
    if (table.isEmpty()) {
        const ResultSet all = schemaTables(errs);
        for (int r = 0; r < all.rowCount(); ++r) names.append(all.cells[r * 4 + 2].toString());
    } else {
        names.append(table);
    }
    for (const QString& t : names) {
        const QSqlRecord rec = db.record(t);
        for (int i = 0; i < rec.count(); ++i)
            out.cells << vb::Variant::Null() << vb::Variant::Null() << vb::Variant(t) << vb::Variant(rec.fieldName(i))
                      << vb::Variant(i + 1) << vb::Variant(AdoTypeOfOdbc(rec.field(i).typeID()));
    }
    return out;
}

QStringList OdbcProvider::primaryKey(const QString& table)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    const QSqlIndex idx = db.primaryIndex(table);
    QStringList out;
    for (int i = 0; i < idx.count(); ++i) out.append(idx.fieldName(i));
    return out;
}

RowChangeResult OdbcProvider::applyRowChange(const RowChange& change, Errors& errs)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    auto quote = [&](const QString& n) { return db.driver()->escapeIdentifier(n, QSqlDriver::FieldName); };
    QString sql;
    QVector<vb::Variant> binds;
    if (change.insert) {
        QStringList cols, marks;
        for (const auto& v : change.values) { cols << quote(v.first); marks << QStringLiteral("?"); binds << v.second; }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(db.driver()->escapeIdentifier(change.table, QSqlDriver::TableName), cols.join(u','), marks.join(u','));
    } else {
        QStringList sets, where;
        for (const auto& v : change.values) { sets << quote(v.first) + QStringLiteral("=?"); binds << v.second; }
        for (const auto& k : change.key) {
            if (k.second.isNull() || k.second.isEmpty()) where << quote(k.first) + QStringLiteral(" IS NULL");
            else { where << quote(k.first) + QStringLiteral("=?"); binds << k.second; }
        }
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(db.driver()->escapeIdentifier(change.table, QSqlDriver::TableName), sets.join(u','), where.join(QStringLiteral(" AND ")));
    }
    QSqlQuery q(db);
    if (!q.prepare(sql)) {
        collect(SQL_HANDLE_STMT, rawHandle(q.result()->handle()), errs);
        raiseFirst(errs, q.lastError());
    }
    for (const vb::Variant& b : binds) q.addBindValue(toQVariant(b));
    if (!q.exec()) {
        collect(SQL_HANDLE_STMT, rawHandle(q.result()->handle()), errs);
        raiseFirst(errs, q.lastError());
    }
    RowChangeResult r;
    r.affected = q.numRowsAffected();
    if (!change.insert && r.affected == 0) {
        Error e{hrRowNotFound, QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read."),
                kSource, QStringLiteral("HY000"), 0};
        errs.Add(e);
        throw vb::VbError(e.Number, e.Description, e.Source);
    }
    return r;
}

} // namespace ado
