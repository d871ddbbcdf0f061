#include "platform/ado/SqliteProvider.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Field.h"
#include "platform/ado/OpenConnections.h"
#include "platform/ado/SqliteFunctions.h"

#include <QAtomicInt>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>
#include <climits>

namespace ado {

using sqlite::ColumnKind;

namespace {

const QString kSource = QStringLiteral("SQLite");

QString sqlState(int native)
{
    switch (native) {
    case 2627: case 2601: case 547: case 515: return QStringLiteral("23000");
    case 208: return QStringLiteral("42S02");
    case 207: return QStringLiteral("42S22");
    case 102: case 137: case 195: return QStringLiteral("42000");
    case 241: return QStringLiteral("22007");
    case 245: case 8114: return QStringLiteral("22018");
    case 3902: case 3903: return QStringLiteral("25000");
    case 1222: return QStringLiteral("HYT00");
    default: return QStringLiteral("HY000");
    }
}

int hresultOf(int native)
{
    switch (native) {
    case 2627: case 2601: case 547: case 515: return hrIntegrityViolation;
    case 208: return hrNoTable;
    case 241: case 245: case 8114: return hrCantConvert;
    case 1222: return hrTimeout;
    default: return hrErrorsInCommand;
    }
}

QString quoteIdent(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

enum class Conv { Int16, Int32, Int64, Bool, Money, Double, Date, Text, Blob, Auto };

Conv convOf(int adoType)
{
    switch (adoType) {
    case adSmallInt: case adTinyInt: case adUnsignedTinyInt: return Conv::Int16;
    case adInteger: return Conv::Int32;
    case adBigInt: return Conv::Int64;
    case adBoolean: return Conv::Bool;
    case adCurrency: case adNumeric: case adDecimal: return Conv::Money;
    case adDouble: case adSingle: return Conv::Double;
    case adDBTimeStamp: case adDate: case adDBDate: return Conv::Date;
    case adLongVarBinary: case adVarBinary: case adBinary: return Conv::Blob;
    case adEmpty: return Conv::Auto;
    default: return Conv::Text;
    }
}

int num2(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }
bool digitsAt(const char* p, int n) { for (int i = 0; i < n; ++i) if (p[i] < '0' || p[i] > '9') return false; return true; }

// 'YYYY-MM-DD[ HH:MM[:SS[.fff]]]' stored by this layer; false for anything else.
bool parseStoredDate(const char* p, int len, QDateTime& out)
{
    if (len < 10 || !digitsAt(p, 4) || p[4] != '-' || !digitsAt(p + 5, 2) || p[7] != '-' || !digitsAt(p + 8, 2)) return false;
    int h = 0, mi = 0, s = 0;
    if (len > 10) {
        if ((p[10] != ' ' && p[10] != 'T') || len < 16 || !digitsAt(p + 11, 2) || p[13] != ':' || !digitsAt(p + 14, 2)) return false;
        h = num2(p + 11);
        mi = num2(p + 14);
        if (len > 16) {
            if (len < 19 || p[16] != ':' || !digitsAt(p + 17, 2)) return false;
            s = num2(p + 17);
            if (len > 19 && p[19] != '.') return false;
        }
    }
    const QDate d(num2(p) * 100 + num2(p + 2), num2(p + 5), num2(p + 8));
    const QTime t(h, mi, s);
    if (!d.isValid() || !t.isValid()) return false;
    out = vb::MakeDate(d, t);
    return true;
}

bool looksLikeStoredDate(const char* p, int len)
{
    return len == 19 && p[10] == ' ' && p[13] == ':' && p[16] == ':';
}

vb::Variant textVariant(const char* p, int len) { return vb::Variant(QString::fromUtf8(p, len)); }

vb::Variant valueOf(sqlite3_stmt* st, int i, Conv conv, bool& inferredDate)
{
    const int storage = sqlite3_column_type(st, i);
    if (storage == SQLITE_NULL) return vb::Variant::Null();
    switch (conv) {
    case Conv::Int16:
    case Conv::Int32:
    case Conv::Int64:
    case Conv::Bool:
        if (storage == SQLITE_INTEGER) {
            const qint64 v = sqlite3_column_int64(st, i);
            if (conv == Conv::Bool) return vb::Variant(v != 0);
            if (conv == Conv::Int16 && v >= SHRT_MIN && v <= SHRT_MAX) return vb::Variant(qint16(v));
            if (v >= INT_MIN && v <= INT_MAX) return vb::Variant(int(v));
            return vb::Variant(double(v));
        }
        if (storage == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i));
        break;
    case Conv::Money:
        if (storage == SQLITE_INTEGER) return vb::Variant(vb::Currency::fromInt(sqlite3_column_int64(st, i)));
        if (storage == SQLITE_FLOAT) return vb::Variant(vb::Currency::fromDouble(sqlite3_column_double(st, i)));
        if (storage == SQLITE_TEXT) {
            vb::Currency c;
            const QString t = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)), sqlite3_column_bytes(st, i));
            if (vb::Currency::tryParse(t.trimmed(), c)) return vb::Variant(c);
            return vb::Variant(t);
        }
        break;
    case Conv::Double:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i));
        break;
    case Conv::Date:
        if (storage == SQLITE_TEXT) {
            const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            const int len = sqlite3_column_bytes(st, i);
            QDateTime d;
            if (parseStoredDate(p, len, d)) return vb::Variant(d);
            return textVariant(p, len);
        }
        break;
    case Conv::Auto:
        if (storage == SQLITE_INTEGER) {
            const qint64 v = sqlite3_column_int64(st, i);
            if (v >= INT_MIN && v <= INT_MAX) return vb::Variant(int(v));
            return vb::Variant(double(v));
        }
        if (storage == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i));
        if (storage == SQLITE_TEXT) {
            const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            const int len = sqlite3_column_bytes(st, i);
            QDateTime d;
            if (looksLikeStoredDate(p, len) && parseStoredDate(p, len, d)) { inferredDate = true; return vb::Variant(d); }
            return textVariant(p, len);
        }
        break;
    case Conv::Blob:
        if (storage == SQLITE_BLOB)
            return vb::Variant(QString::fromLatin1(static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i)));
        break;
    case Conv::Text:
        break;
    }
    if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT || storage == SQLITE_TEXT)
        return textVariant(reinterpret_cast<const char*>(sqlite3_column_text(st, i)), sqlite3_column_bytes(st, i));
    return vb::Variant(QString::fromLatin1(static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i)));
}

ColumnKind kindOfDeclared(const QString& declared)
{
    int type = 0, size = 0;
    AdoTypeOfDeclared(declared, type, size);
    switch (convOf(type)) {
    case Conv::Date: return ColumnKind::Date;
    case Conv::Text: return ColumnKind::Text;
    case Conv::Auto: case Conv::Blob: return ColumnKind::Unknown;
    default: return ColumnKind::Number;
    }
}

QAtomicInt connectionCounter;

} // namespace

namespace {

void readDeclared(const QString& declared, int& type, int& size)
{
    const QString d = declared.trimmed().toUpper();
    static const QRegularExpression sizeRe(QStringLiteral("\\(\\s*(\\d+|MAX)\\s*(?:,\\s*(\\d+)\\s*)?\\)"));
    const auto m = sizeRe.match(d);
    const QString base = (m.hasMatch() ? d.left(m.capturedStart()) : d).trimmed();
    const bool max = m.hasMatch() && m.captured(1) == QLatin1String("MAX");
    const int n = m.hasMatch() && !max ? m.captured(1).toInt() : -1;
    if (d.isEmpty()) { type = adEmpty; size = 0; return; }
    if (base == QLatin1String("TINYINT")) { type = adUnsignedTinyInt; size = 1; return; }
    if (base == QLatin1String("SMALLINT")) { type = adSmallInt; size = 2; return; }
    if (base == QLatin1String("BIGINT")) { type = adBigInt; size = 8; return; }
    if (base == QLatin1String("BIT") || base == QLatin1String("BOOLEAN")) { type = adBoolean; size = 2; return; }
    if (base.contains(QLatin1String("INT"))) { type = adInteger; size = 4; return; }
    if (base.contains(QLatin1String("MONEY"))) { type = adCurrency; size = 8; return; }
    if (base == QLatin1String("NUMERIC") || base == QLatin1String("DECIMAL")) {
        // amounts with up to four decimals are exact money values
        const int scale = m.hasMatch() && !m.captured(2).isEmpty() ? m.captured(2).toInt() : 0;
        type = scale <= 4 ? adNumeric : adDouble;
        if (scale > 4) { size = 8; return; }
        size = 19;
        return;
    }
    if (base.contains(QLatin1String("FLOA")) || base.contains(QLatin1String("DOUB")) || base == QLatin1String("REAL")) { type = adDouble; size = 8; return; }
    if (base.contains(QLatin1String("DATE")) || base == QLatin1String("SMALLDATETIME")) { type = adDBTimeStamp; size = 16; return; }
    if (base == QLatin1String("NVARCHAR")) { type = max ? adLongVarWChar : adVarWChar; size = n > 0 ? n : max ? INT_MAX : 1; return; }
    if (base == QLatin1String("VARCHAR")) { type = max ? adLongVarChar : adVarChar; size = n > 0 ? n : max ? INT_MAX : 1; return; }
    if (base == QLatin1String("NCHAR")) { type = adWChar; size = n > 0 ? n : 1; return; }
    if (base == QLatin1String("CHAR") || base == QLatin1String("CHARACTER")) { type = adChar; size = n > 0 ? n : 1; return; }
    if (base == QLatin1String("NTEXT")) { type = adLongVarWChar; size = INT_MAX; return; }
    if (base.contains(QLatin1String("CHAR")) || base.contains(QLatin1String("TEXT")) || base.contains(QLatin1String("CLOB"))) {
        type = n > 0 ? adVarChar : adLongVarChar;
        size = n > 0 ? n : INT_MAX;
        return;
    }
    if (base.contains(QLatin1String("BLOB")) || base.contains(QLatin1String("BINARY")) || base == QLatin1String("IMAGE")) {
        type = n > 0 ? adVarBinary : adLongVarBinary;
        size = n > 0 ? n : INT_MAX;
        return;
    }
    type = adNumeric;   // SQLite's NUMERIC affinity for anything else
    size = 19;
}

} // namespace

void AdoTypeOfDeclared(const QString& declared, int& type, int& size)
{
    // A schema declares few types, and every column of every row set read asks again.
    thread_local QHash<QString, std::pair<int, int>> known;
    const auto found = known.constFind(declared);
    if (found != known.constEnd()) {
        type = found->first;
        size = found->second;
        return;
    }
    readDeclared(declared, type, size);
    if (known.size() >= 512)
        known.clear();
    known.insert(declared, {type, size});
}

SqliteProvider::SqliteProvider() = default;

SqliteProvider::~SqliteProvider() { close(); }

void SqliteProvider::fail(int native, const QString& message, Errors& errs)
{
    syncTransaction();
    Error e;
    e.NativeError = native;
    e.Description = message;
    e.Source = kSource;
    e.SQLState = sqlState(native);
    e.Number = hresultOf(native);
    errs.Add(e);
    throw vb::VbError(e.Number, e.Description, e.Source);
}

void SqliteProvider::failSqlite(int code, Errors& errs)
{
    QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
    int native = sqlite::SplitNativePrefix(msg);
    if (native == 0) {
        static const QRegularExpression noTable(QStringLiteral("^no such table: (?:\\w+\\.)?(.+)$"));
        static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
        static const QRegularExpression near(QStringLiteral("^near \"(.*)\": syntax error$"));
        static const QRegularExpression ambiguous(QStringLiteral("^ambiguous column name: (.+)$"));
        static const QRegularExpression exists(QStringLiteral("^(?:table|view|index|trigger) (.+) already exists$"));
        static const QRegularExpression notNull(QStringLiteral("^NOT NULL constraint failed: (?:(\\w+)\\.)?(\\w+)$"));
        QRegularExpressionMatch m;
        switch (code) {
        case SQLITE_CONSTRAINT_UNIQUE:
        case SQLITE_CONSTRAINT_PRIMARYKEY:
        case SQLITE_CONSTRAINT_ROWID:
            native = 2627;
            msg = QStringLiteral("Violation of UNIQUE KEY constraint. Cannot insert duplicate key. (%1)").arg(msg);
            break;
        case SQLITE_CONSTRAINT_FOREIGNKEY:
        case SQLITE_CONSTRAINT_CHECK:
        case SQLITE_CONSTRAINT_TRIGGER:
            native = 547;
            msg = QStringLiteral("The statement conflicted with a constraint. (%1)").arg(msg);
            break;
        case SQLITE_CONSTRAINT_NOTNULL:
            native = 515;
            m = notNull.match(msg);
            if (m.hasMatch())
                msg = QStringLiteral("Cannot insert the value NULL into column '%1', table '%2'; column does not allow nulls. The statement fails.")
                          .arg(m.captured(2), m.captured(1));
            break;
        case SQLITE_BUSY:
        case SQLITE_BUSY_SNAPSHOT:
        case SQLITE_BUSY_RECOVERY:
        case SQLITE_LOCKED:
            native = 1222;
            msg = QStringLiteral("Lock request time out period exceeded. (%1)").arg(msg);
            break;
        default:
            if ((m = noTable.match(msg)).hasMatch()) { native = 208; msg = QStringLiteral("Invalid object name '%1'.").arg(m.captured(1)); }
            else if ((m = noColumn.match(msg)).hasMatch()) { native = 207; msg = QStringLiteral("Invalid column name '%1'.").arg(m.captured(1)); }
            else if ((m = near.match(msg)).hasMatch()) { native = 102; msg = QStringLiteral("Incorrect syntax near '%1'.").arg(m.captured(1)); }
            else if (msg.contains(QLatin1String("syntax error")) || msg.contains(QLatin1String("incomplete input"))) { native = 102; msg = QStringLiteral("Incorrect syntax. (%1)").arg(msg); }
            else if (msg.startsWith(QLatin1String("unrecognized token: \"'"))) { native = 105; msg = QStringLiteral("Unclosed quotation mark after the character string. (%1)").arg(msg); }
            else if (msg.startsWith(QLatin1String("unrecognized token"))) { native = 102; msg = QStringLiteral("Incorrect syntax. (%1)").arg(msg); }
            else if ((m = ambiguous.match(msg)).hasMatch()) { native = 209; msg = QStringLiteral("Ambiguous column name '%1'.").arg(m.captured(1)); }
            else if ((m = exists.match(msg)).hasMatch()) { native = 2714; msg = QStringLiteral("There is already an object named '%1' in the database.").arg(m.captured(1)); }
            else if (msg.contains(QLatin1String(" values were supplied")) || msg.contains(QLatin1String(" values for ")))
                { native = 213; msg = QStringLiteral("Column name or number of supplied values does not match table definition. (%1)").arg(msg); }
            else if (msg.startsWith(QLatin1String("wrong number of arguments"))) { native = 174; }
            else if (msg.startsWith(QLatin1String("no such function"))) { native = 195; }
            else if ((code & 0xff) == SQLITE_CONSTRAINT) { native = 547; }
            else native = 50000;
        }
    }
    fail(native, msg, errs);
}

void SqliteProvider::open(const ConnectionSpec& target, Errors& errs)
{
    connectionName_ = QStringLiteral("ado-sqlite-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    NoteOpened(this);
    db.setDatabaseName(target.sqliteFile);
    auto openFailure = [&](const QString& text) {
        Error e{hrUnspecified, text, kSource, QStringLiteral("08001"), 4060};
        errs.Add(e);
        db = QSqlDatabase();
        close();
        throw vb::VbError(e.Number, e.Description, e.Source);
    };
    if (!db.open()) openFailure(QStringLiteral("Cannot open database \"%1\": %2").arg(target.sqliteFile, db.lastError().text()));
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) openFailure(QStringLiteral("The SQLite driver gives no handle."));
    db_ = *static_cast<sqlite3* const*>(h.constData());
    if (!db_ || !sqlite::RegisterFunctions(db_)) openFailure(QStringLiteral("The SQL Server functions cannot be registered on \"%1\".").arg(target.sqliteFile));
    sqlite3_extended_result_codes(db_, 1);
    setCommandTimeout(timeoutSeconds_);
    // another workstation on the same file waits for the lock instead of failing
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    // the file must really be a database
    char* err = nullptr;
    if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &err) != SQLITE_OK) {
        const QString text = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        openFailure(QStringLiteral("Cannot open database \"%1\": %2").arg(target.sqliteFile, text));
    }
}

void SqliteProvider::close()
{
    if (connectionName_.isEmpty()) return;
    if (db_ && tranCount_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    tranCount_ = 0;
    savepoints_.clear();
    db_ = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    tables_.clear();
    NoteClosed(this);
}

void SqliteProvider::setCommandTimeout(int seconds)
{
    timeoutSeconds_ = seconds;
    if (db_) sqlite3_busy_timeout(db_, seconds <= 0 ? INT_MAX : seconds * 1000);
}

void SqliteProvider::setDefaultDatabase(const QString&, Errors&)
{
    // one file is one database: the name is kept by the connection only
}

void SqliteProvider::syncTransaction()
{
    // SQLite ends the transaction itself on some failures
    if (db_ && tranCount_ > 0 && sqlite3_get_autocommit(db_)) {
        tranCount_ = 0;
        savepoints_.clear();
    }
}

void SqliteProvider::rawExec(const char* sql, Errors& errs)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) failSqlite(sqlite3_extended_errcode(db_), errs);
}

int SqliteProvider::beginTrans(Errors& errs)
{
    if (tranCount_ == 0) {
        // the write lock from the start: numbers read in the transaction stay ours until it ends
        rawExec("BEGIN IMMEDIATE", errs);
        tranName_.clear();
    }
    return ++tranCount_;
}

void SqliteProvider::commitTrans(Errors& errs)
{
    if (tranCount_ == 0)
        fail(3902, QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."), errs);
    if (tranCount_ == 1) {
        rawExec("COMMIT", errs);
        savepoints_.clear();
    }
    --tranCount_;
}

void SqliteProvider::rollbackTrans(Errors& errs)
{
    if (tranCount_ == 0)
        fail(3903, QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."), errs);
    tranCount_ = 0;
    savepoints_.clear();
    rawExec("ROLLBACK", errs);
}

void SqliteProvider::saveTransaction(const QString& name, Errors& errs)
{
    if (tranCount_ == 0)
        fail(628, QStringLiteral("Cannot issue SAVE TRANSACTION when there is no active transaction."), errs);
    rawExec((QStringLiteral("SAVEPOINT ") + quoteIdent(name)).toUtf8().constData(), errs);
    savepoints_.append(name);
}

void SqliteProvider::rollbackTransaction(const QString& name, Errors& errs)
{
    // A savepoint's name rolls back to it and keeps the transaction; the transaction's own
    // name (or none) rolls back everything, as SQL Server does.
    int at = -1;
    for (int i = int(savepoints_.size()) - 1; i >= 0 && at < 0; --i)
        if (savepoints_[i].compare(name, Qt::CaseInsensitive) == 0) at = i;
    if (name.isEmpty() || (at < 0 && name.compare(tranName_, Qt::CaseInsensitive) == 0)) {
        rollbackTrans(errs);
        return;
    }
    if (tranCount_ == 0 || at < 0)
        fail(6401, QStringLiteral("Cannot roll back %1. No transaction or savepoint of that name was found.").arg(name), errs);
    rawExec((QStringLiteral("ROLLBACK TO SAVEPOINT ") + quoteIdent(name)).toUtf8().constData(), errs);
    savepoints_.erase(savepoints_.begin() + at + 1, savepoints_.end());
}

const SqliteProvider::Table& SqliteProvider::table(const QString& name)
{
    const QString key = name.toLower();
    auto it = tables_.constFind(key);
    if (it != tables_.constEnd()) return *it;
    Table t;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = (QStringLiteral("PRAGMA table_info(") + quoteIdent(name) + QLatin1Char(')')).toUtf8();
    if (db_ && sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            Column c;
            c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
            c.declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)));
            c.kind = kindOfDeclared(c.declared);
            c.pk = sqlite3_column_int(st, 5);
            t.columns.append(c);
        }
        t.exists = !t.columns.isEmpty();
    }
    sqlite3_finalize(st);
    return *tables_.insert(key, t);
}

ColumnKind SqliteProvider::kindOf(const QString& tableName, const QString& column)
{
    for (const Column& c : table(tableName).columns)
        if (c.name.compare(column, Qt::CaseInsensitive) == 0) return c.kind;
    return ColumnKind::Unknown;
}

QStringList SqliteProvider::columnsOf(const QString& tableName)
{
    QStringList out;
    for (const Column& c : table(tableName).columns) out.append(c.name);
    return out;
}

QStringList SqliteProvider::primaryKey(const QString& tableName)
{
    QVector<std::pair<int, QString>> keys;
    for (const Column& c : table(tableName).columns)
        if (c.pk > 0) keys.append({c.pk, c.name});
    std::sort(keys.begin(), keys.end());
    QStringList out;
    for (const auto& k : keys) out.append(k.second);
    return out;
}

ExecResult SqliteProvider::execute(const QString& text, Errors& errs)
{
    ExecResult res;
    sqlite::ForEachStatement(text, [&](sqlite::Statement& s) { run(s, res, errs); });
    if (!res.wrote) res.affected = -1;
    return res;
}

void SqliteProvider::run(sqlite::Statement& s, ExecResult& res, Errors& errs)
{
    switch (s.kind) {
    case sqlite::Statement::Ignored:
        return;
    case sqlite::Statement::Invalid:
        fail(156, s.error, errs);
    case sqlite::Statement::Begin: {
        const bool outermost = tranCount_ == 0;
        beginTrans(errs);
        if (outermost) tranName_ = s.name;
        return;
    }
    case sqlite::Statement::Commit:
        commitTrans(errs);
        return;
    case sqlite::Statement::Rollback:
        rollbackTransaction(s.name, errs);
        return;
    case sqlite::Statement::Save:
        saveTransaction(s.name, errs);
        return;
    case sqlite::Statement::Block:
        for (sqlite::Statement& inner : s.body) run(inner, res, errs);
        return;
    case sqlite::Statement::If: {
        QString sql;
        try {
            sql = sqlite::TranslateCondition(s.tokens, this);
        } catch (const sqlite::DialectError& e) {
            fail(e.native, e.message, errs);
        }
        ExecResult cond;
        runSql(sql, cond, errs, false);
        const bool yes = cond.rows && cond.rows->rowCount() > 0 && cond.rows->cells[0].toLong() != 0;
        if (yes && !s.body.empty()) run(s.body[0], res, errs);
        else if (!yes && s.body.size() > 1) run(s.body[1], res, errs);
        return;
    }
    case sqlite::Statement::Sql:
        runStatement(s, res, errs);
        return;
    }
}

void SqliteProvider::runStatement(sqlite::Statement& s, ExecResult& res, Errors& errs, const QVector<BoundValue>* values)
{
    const QString first = sqlite::FirstKeyword(s.tokens);
    QString sql;
    try {
        sql = sqlite::Translate(std::move(s.tokens), this);
    } catch (const sqlite::DialectError& e) {
        fail(e.native, e.message, errs);
    }
    const bool ddl = first == QLatin1String("CREATE") || first == QLatin1String("DROP") || first == QLatin1String("ALTER");
    runSql(sql, res, errs, ddl, values);
}

void SqliteProvider::runSql(const QString& sql, ExecResult& res, Errors& errs, bool ddl, const QVector<BoundValue>* values)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* p = utf8.constData();
    const char* end = p + utf8.size();
    while (p < end) {
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db_, p, int(end - p), &st, &tail);
        if (rc != SQLITE_OK) failSqlite(sqlite3_extended_errcode(db_), errs);
        p = tail;
        if (!st) continue;   // blanks or a comment
        if (values) {
            // the one statement of a command: a value for each of its markers, in order
            if (sqlite3_bind_parameter_count(st) != values->size()) {
                const int markers = sqlite3_bind_parameter_count(st);
                sqlite3_finalize(st);
                fail(8178, QStringLiteral("The statement has %1 parameter markers and %2 values were given.")
                               .arg(markers).arg(values->size()), errs);
            }
            for (int i = 0; i < values->size(); ++i) {
                const BoundValue& b = values->at(i);
                bindValue(st, i + 1, b.value, IsDateType(b.type), errs);
            }
            values = nullptr;
        }
        if (sqlite3_column_count(st) > 0 && !res.rows) {
            ResultSet out;
            rc = readRows(st, out);
            if (rc != SQLITE_DONE) {
                const int ext = sqlite3_extended_errcode(db_);
                sqlite3_finalize(st);
                failSqlite(ext, errs);
            }
            res.rows = std::move(out);
        } else {
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {}
            if (rc != SQLITE_DONE) {
                sqlite3_finalize(st);
                failSqlite(sqlite3_extended_errcode(db_), errs);
            }
        }
        if (!sqlite3_stmt_readonly(st)) {
            res.affected += sqlite3_changes(db_);
            res.wrote = true;
        }
        sqlite3_finalize(st);
    }
    if (ddl) tables_.clear();
}

int SqliteProvider::readRows(sqlite3_stmt* st, ResultSet& out)
{
    const int n = sqlite3_column_count(st);
    std::vector<Conv> conv(n);
    out.columns.resize(n);
    for (int i = 0; i < n; ++i) {
        ColumnInfo& c = out.columns[i];
        c.name = QString::fromUtf8(sqlite3_column_name(st, i));
        const char* decl = sqlite3_column_decltype(st, i);
        AdoTypeOfDeclared(QString::fromUtf8(decl ? decl : ""), c.type, c.definedSize);
        conv[i] = convOf(c.type);
        if (const char* t = sqlite3_column_table_name(st, i)) c.baseTable = QString::fromUtf8(t);
        if (const char* o = sqlite3_column_origin_name(st, i)) c.baseColumn = QString::fromUtf8(o);
    }
    std::vector<bool> dated(n, false);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            bool d = false;
            out.cells.append(valueOf(st, i, conv[i], d));
            if (d) dated[i] = true;
        }
    }
    // columns of expressions take the type of what they hold
    const int rows = out.rowCount();
    for (int i = 0; i < n; ++i) {
        if (conv[i] != Conv::Auto) continue;
        ColumnInfo& c = out.columns[i];
        c.type = adVarChar;
        c.definedSize = 255;
        for (int r = 0; r < rows; ++r) {
            const vb::Variant& v = out.cells[r * n + i];
            if (v.isNull()) continue;
            switch (v.type()) {
            case vb::VarType::Long: case vb::VarType::Integer: c.type = adInteger; c.definedSize = 4; break;
            case vb::VarType::Double: c.type = adDouble; c.definedSize = 8; break;
            case vb::VarType::Date: c.type = adDBTimeStamp; c.definedSize = 16; break;
            default: break;
            }
            break;
        }
        if (dated[i]) { c.type = adDBTimeStamp; c.definedSize = 16; }
    }
    return rc;
}

ResultSet SqliteProvider::schemaTables(Errors& errs)
{
    ExecResult r;
    runSql(QStringLiteral("SELECT NULL AS TABLE_CATALOG, NULL AS TABLE_SCHEMA, name AS TABLE_NAME, "
                          "CASE type WHEN 'view' THEN 'VIEW' ELSE 'TABLE' END AS TABLE_TYPE "
                          "FROM sqlite_master WHERE type IN ('table','view') ORDER BY name"), r, errs, false);
    return r.rows ? *r.rows : ResultSet();
}

ResultSet SqliteProvider::schemaColumns(const QString& tableName, Errors& errs)
{
    ResultSet out;
    for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION", "DATA_TYPE"}) {
        ColumnInfo c;
        c.name = QString::fromLatin1(name);
        out.columns.append(c);
    }
    QStringList names;
    if (!tableName.isEmpty()) {
        names.append(tableName);
    } else {
        const ResultSet all = schemaTables(errs);
        for (int r = 0; r < all.rowCount(); ++r) names.append(all.cells[r * all.columns.size() + 2].toString());
    }
    for (const QString& t : names) {
        const Table& info = table(t);
        int ordinal = 0;
        for (const Column& c : info.columns) {
            int type = 0, size = 0;
            AdoTypeOfDeclared(c.declared, type, size);
            out.cells << vb::Variant::Null() << vb::Variant::Null() << vb::Variant(t) << vb::Variant(c.name)
                      << vb::Variant(++ordinal) << vb::Variant(type);
        }
    }
    return out;
}

void SqliteProvider::bindValue(sqlite3_stmt* st, int index, const vb::Variant& v, bool asDate, Errors& errs)
{
    auto bindText = [&](const QString& s) {
        const QByteArray u = s.toUtf8();
        return sqlite3_bind_text(st, index, u.constData(), int(u.size()), SQLITE_TRANSIENT);
    };
    int rc = SQLITE_OK;
    switch (v.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null: rc = sqlite3_bind_null(st, index); break;
    case vb::VarType::Boolean: rc = sqlite3_bind_int(st, index, v.toBool() ? 1 : 0); break;
    case vb::VarType::Integer:
    case vb::VarType::Long: rc = sqlite3_bind_int(st, index, v.toLong()); break;
    case vb::VarType::Double: rc = sqlite3_bind_double(st, index, v.toDouble()); break;
    case vb::VarType::Currency: rc = sqlite3_bind_double(st, index, v.toCurrency().toDouble()); break;
    case vb::VarType::Date: rc = bindText(v.toDate().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))); break;
    case vb::VarType::String:
        if (asDate) {
            QString iso;
            if (!sqlite::SqlServerDate(v.toString(), iso)) {
                sqlite3_finalize(st);
                fail(241, QStringLiteral("Conversion failed when converting date and/or time from character string."), errs);
            }
            rc = bindText(iso);
        } else {
            rc = bindText(v.toString());
        }
        break;
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(st);
        failSqlite(rc, errs);
    }
}

ExecResult SqliteProvider::executeBound(const QString& text, const QVector<BoundValue>& values, Errors& errs)
{
    std::vector<sqlite::Statement> statements = sqlite::SplitBatch(text);
    sqlite::Statement* statement = nullptr;
    int count = 0;
    for (sqlite::Statement& s : statements) {
        if (s.kind == sqlite::Statement::Ignored)
            continue;
        statement = &s;
        ++count;
    }
    if (count != 1 || statement->kind != sqlite::Statement::Sql)
        fail(102, QStringLiteral("A command with parameters runs one statement."), errs);
    ExecResult res;
    runStatement(*statement, res, errs, &values);
    if (!res.wrote) res.affected = -1;
    return res;
}

RowChangeResult SqliteProvider::applyRowChange(const RowChange& change, Errors& errs)
{
    const Table& info = table(change.table);
    auto kind = [&](const QString& column) {
        for (const Column& c : info.columns)
            if (c.name.compare(column, Qt::CaseInsensitive) == 0) return c.kind;
        return ColumnKind::Unknown;
    };
    QString sql;
    QVector<std::pair<QString, vb::Variant>> binds;
    if (change.insert) {
        QStringList cols, marks;
        for (const auto& v : change.values) { cols << quoteIdent(v.first); marks << QStringLiteral("?"); binds.append(v); }
        sql = cols.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdent(change.table))
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoteIdent(change.table), cols.join(u','), marks.join(u','));
    } else {
        QStringList sets, where;
        for (const auto& v : change.values) { sets << quoteIdent(v.first) + QStringLiteral("=?"); binds.append(v); }
        for (const auto& k : change.key) {
            if (k.second.isNull() || k.second.isEmpty()) where << quoteIdent(k.first) + QStringLiteral(" IS NULL");
            else { where << quoteIdent(k.first) + QStringLiteral("=?"); binds.append(k); }
        }
        const bool byKey = !primaryKey(change.table).isEmpty() && change.key.size() == primaryKey(change.table).size();
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE ").arg(quoteIdent(change.table), sets.join(u','));
        if (byKey || !info.exists)
            sql += where.join(QStringLiteral(" AND "));
        else   // no key: the first row holding every value that was read
            sql += QStringLiteral("rowid IN (SELECT rowid FROM %1 WHERE %2 LIMIT 1)").arg(quoteIdent(change.table), where.join(QStringLiteral(" AND ")));
    }
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        failSqlite(sqlite3_extended_errcode(db_), errs);
    int index = 1;
    for (const auto& b : binds)
        bindValue(st, index++, b.second, kind(b.first) == ColumnKind::Date, errs);
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE) {
        const int ext = sqlite3_extended_errcode(db_);
        sqlite3_finalize(st);
        failSqlite(ext, errs);
    }
    sqlite3_finalize(st);
    RowChangeResult r;
    r.affected = sqlite3_changes(db_);
    if (change.insert) {
        r.newId = sqlite3_last_insert_rowid(db_);
        // only an INTEGER PRIMARY KEY is the row id itself
        const QStringList pk = primaryKey(change.table);
        if (pk.size() == 1)
            for (const Column& c : info.columns)
                if (c.name == pk.first() && c.declared.trimmed().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                    r.idColumn = c.name;
    } else if (r.affected == 0) {
        Error e{hrRowNotFound, QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read."),
                kSource, QStringLiteral("HY000"), 0};
        errs.Add(e);
        throw vb::VbError(e.Number, e.Description, e.Source);
    }
    return r;
}

} // namespace ado
