#pragma once
// An Oracle server as the program meets it, for tests (there is no Oracle server here):
// the engine behind every connection whose string names Oracle. It records what it
// receives, refuses with Oracle's own error what Oracle does not take (the SQL Server
// forms the data layer must rewrite: lock hints, TOP, ISNULL, GETDATE, SCOPE_IDENTITY,
// SAVE TRANSACTION, square brackets, several rows in one VALUES, ...), and runs the rest
// on the SQLite file named by the data source (in the program folder), its Oracle forms
// read back. Other connections keep the program's own engines, recorded too.
#include <QString>
#include <QStringList>

namespace testsupport {

class OracleStandIn {
public:
    OracleStandIn();    // installed as the engine factory
    ~OracleStandIn();   // the program's engines again
    OracleStandIn(const OracleStandIn&) = delete;
    OracleStandIn& operator=(const OracleStandIn&) = delete;

    // Every statement received, in order; the transaction calls as "<begin>",
    // "<commit>" and "<rollback>". Statements of connections that are not Oracle ones
    // are recorded too, prefixed by nothing.
    QStringList received() const;
    // The statements an Oracle connection received and refused, each with Oracle's error.
    QStringList refused() const;
    void clear();
};

// Opens the main data-access object again, as an Oracle connection on the data source
// `file` of the program folder (the stand-in's engine), logged in as `user`; with
// `connString`, on that string instead of the one the object builds.
void OpenMainOnOracle(const QString& file, const QString& user = QStringLiteral("Vandrel"), const QString& connString = {});

// The two engines a test class runs on, as its global data (column "oracle"): the
// program's own SQLite engine, then an Oracle connection on the stand-in.
void EngineRows();
// Whether the running round of EngineRows is the Oracle one.
bool OnOracle();

// Why Oracle refuses the statement, as its error text ("ORA-00933: ..."); empty when
// Oracle takes it. Only the statement's SQL is looked at, never its quoted texts.
QString OracleRefusal(const QString& statement);

} // namespace testsupport
