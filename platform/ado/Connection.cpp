#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionData.h"
#include "platform/ado/OdbcProvider.h"
#include "platform/ado/SqliteProvider.h"

namespace ado {

namespace {
const QString kSource = QStringLiteral("ADODB.Connection");

[[noreturn]] void raise(int number, const QString& text)
{
    throw vb::VbError(number, text, kSource);
}

ProviderFactory& providerFactory()
{
    static ProviderFactory factory;
    return factory;
}
} // namespace

void SetProviderFactory(ProviderFactory factory)
{
    providerFactory() = std::move(factory);
}

std::unique_ptr<Provider> MakeBuiltInProvider(const ConnectionSpec& target, int connectionTimeout)
{
    if (target.engine == ConnectionSpec::Sqlite)
        return std::make_unique<SqliteProvider>();
    return std::make_unique<OdbcProvider>(connectionTimeout);
}

ExecResult Provider::executeBound(const QString&, const QVector<BoundValue>&, Errors& errs)
{
    const Error e{adErrFeatureNotAvailable, QStringLiteral("Object or provider is not capable of performing requested operation."),
                  kSource, QStringLiteral("HYC00"), 0};
    errs.Add(e);
    throw vb::VbError(e.Number, e.Description, e.Source);
}

Provider& ConnectionData::begin()
{
    errors.Clear();
    if (!provider)
        raise(adErrInvalidConnection, QStringLiteral("The connection cannot be used to perform this operation. It is either closed or invalid in this context."));
    return *provider;
}

Connection::Connection() : d_(std::make_shared<ConnectionData>()) {}

Connection::~Connection()
{
    if (d_->provider) {
        try { d_->provider->close(); } catch (...) {}
        d_->provider.reset();
    }
}

void Connection::Open(const QString& connectionString, const QString& user, const QString& password, int)
{
    d_->errors.Clear();
    if (d_->provider)
        raise(adErrObjectOpen, QStringLiteral("Operation is not allowed when the object is open."));
    const QString text = connectionString.isEmpty() ? d_->connectionString : connectionString;
    ConnectionSpec target;
    try {
        target = ParseConnectionString(text, user, password);
    } catch (const vb::VbError& e) {
        // a database that is not there is SQL Server's login failure 4060
        d_->errors.Add(Error{e.Number, e.Description, e.Source, QStringLiteral("08001"), e.Number == hrUnspecified ? 4060 : 0});
        throw;
    }
    std::unique_ptr<ado::Provider> p = providerFactory() ? providerFactory()(target) : MakeBuiltInProvider(target, d_->connectionTimeout);
    p->setCommandTimeout(d_->commandTimeout);
    p->open(target, d_->errors);
    d_->provider = std::move(p);
    d_->target = target;
    d_->connectionString = text;
    d_->defaultDatabase = target.database;
}

void Connection::Close()
{
    d_->errors.Clear();
    if (!d_->provider)
        raise(adErrObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."));
    auto p = std::move(d_->provider);
    p->close();
}

int Connection::State() const { return d_->provider ? adStateOpen : adStateClosed; }

Recordset Connection::Execute(const QString& commandText, long* recordsAffected, int)
{
    ado::Provider& p = d_->begin();
    ExecResult r = p.execute(commandText, d_->errors);
    if (recordsAffected) *recordsAffected = r.affected;
    if (!r.rows) return Recordset();
    return Recordset::fromResult(d_, commandText, std::move(*r.rows));
}

Errors& Connection::Errors() { return d_->errors; }

int Connection::BeginTrans() { return d_->begin().beginTrans(d_->errors); }
void Connection::CommitTrans() { d_->begin().commitTrans(d_->errors); }
void Connection::RollbackTrans() { d_->begin().rollbackTrans(d_->errors); }

Recordset Connection::OpenSchema(int schema, const QStringList& restrictions)
{
    ado::Provider& p = d_->begin();
    if (schema == adSchemaTables) return Recordset::fromResult(d_, QString(), p.schemaTables(d_->errors));
    if (schema == adSchemaColumns) {
        const QString table = restrictions.size() > 2 ? restrictions[2] : QString();
        return Recordset::fromResult(d_, QString(), p.schemaColumns(table, d_->errors));
    }
    raise(adErrFeatureNotAvailable, QStringLiteral("Object or provider is not capable of performing requested operation."));
}

int Connection::CommandTimeout() const { return d_->commandTimeout; }
void Connection::SetCommandTimeout(int seconds)
{
    d_->commandTimeout = std::max(0, seconds);
    if (d_->provider) d_->provider->setCommandTimeout(d_->commandTimeout);
}
int Connection::ConnectionTimeout() const { return d_->connectionTimeout; }
void Connection::SetConnectionTimeout(int seconds) { d_->connectionTimeout = std::max(0, seconds); }

QString Connection::ConnectionString() const { return d_->connectionString; }
void Connection::SetConnectionString(const QString& text)
{
    if (d_->provider) raise(adErrObjectOpen, QStringLiteral("Operation is not allowed when the object is open."));
    d_->connectionString = text;
}

QString Connection::DefaultDatabase() const { return d_->defaultDatabase; }
void Connection::SetDefaultDatabase(const QString& name)
{
    ado::Provider& p = d_->begin();
    p.setDefaultDatabase(name, d_->errors);
    d_->defaultDatabase = name;
}

int Connection::CursorLocation() const { return d_->cursorLocation; }
void Connection::SetCursorLocation(int location) { d_->cursorLocation = location; }
int Connection::IsolationLevel() const { return d_->isolationLevel; }
void Connection::SetIsolationLevel(int level) { d_->isolationLevel = level; }

QString Connection::Provider() const
{
    return d_->target.provider.isEmpty() ? QStringLiteral("MSDASQL") : d_->target.provider;
}

} // namespace ado
