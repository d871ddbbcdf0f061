// The ODBC provider, run against the SQLite ODBC driver: the same recordset and error
// behaviour as the embedded provider, with diagnostics read from the ODBC handle.
#include "RecordsetChecks.h"
#include "platform/ado/Connection.h"
#include "platform/ado/OdbcBatch.h"
#include "platform/vb/App.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using adochecks::raised;
using adochecks::scalar;

namespace {

// One result of a batch as a SQL Server driver gives it: rows, a count of rows changed,
// or a failed statement with its diagnostic records (native number and SQLSTATE).
struct FakeResult {
    int rows = -1;        // a result with columns and this many rows
    long changed = -1;    // a count of rows changed
    QList<std::pair<int, QString>> errors;   // a failed statement
};
FakeResult rowsOf(int n) { return FakeResult{n, -1, {}}; }
FakeResult changed(long n) { return FakeResult{-1, n, {}}; }
FakeResult failure(QList<std::pair<int, QString>> records) { return FakeResult{-1, -1, std::move(records)}; }

// The results of one batch, read the way the provider reads QODBC's.
class FakeBatch : public ado::BatchResults {
public:
    FakeBatch(QList<FakeResult> results, int transactions) : results_(std::move(results)), transactions_(transactions) {}
    bool start() override { return !failedAt(0); }
    bool isSelect() override { return results_[at_].rows >= 0; }
    void readRows(ado::ResultSet& out) override
    {
        out.columns.append(ado::ColumnInfo{QStringLiteral("ID"), ado::adInteger, 4, {}, {}});
        for (int i = 0; i < results_[at_].rows; ++i) out.cells.append(vb::Variant(i + 1));
    }
    long rowsAffected() override { return results_[at_].changed; }
    bool nextResult() override
    {
        if (at_ + 1 >= results_.size()) return false;
        if (failedAt(at_ + 1)) return false;
        ++at_;
        return true;
    }
    bool failed() override { return failed_; }
    int collect(ado::Errors& errs) override
    {
        for (const auto& [native, state] : results_[failing_].errors)
            errs.Add(ado::Error{native == 2627 ? ado::hrIntegrityViolation : ado::hrErrorsInCommand,
                                QStringLiteral("error %1").arg(native), QStringLiteral("ODBC"), state, native});
        return int(results_[failing_].errors.size());
    }
    QString failureText() override { return QStringLiteral("QODBC: Unable to execute statement"); }
    int failureNative() override { return 0; }
    int transactionCount() override
    {
        ++asked;
        return transactions_;
    }
    int asked = 0;

private:
    bool failedAt(int i)
    {
        // a statement that failed without a diagnostic record of its own still fails
        const bool bad = !results_[i].errors.isEmpty() || (results_[i].rows < 0 && results_[i].changed < 0);
        if (bad) {
            failed_ = true;
            failing_ = i;
        }
        return bad;
    }
    QList<FakeResult> results_;
    int transactions_;
    int at_ = 0;
    int failing_ = 0;
    bool failed_ = false;
};

} // namespace

Q_DECLARE_METATYPE(QList<FakeResult>)

class TestOdbcProvider : public QObject {
    Q_OBJECT
    QTemporaryDir iniDir_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ado::Connection> c_;
    QString file_;

private slots:
    void initTestCase() { adochecks::registerSqliteOdbcDriver(iniDir_); }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        vb::App::SetPath(dir_->path());
        file_ = dir_->filePath(QStringLiteral("odbc.sqlite"));
        QFile f(file_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        {
            // the fixture is written through the embedded provider
            ado::Connection setup;
            setup.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=odbc.sqlite"));
            setup.Execute(QString::fromLatin1(adochecks::FIXTURE_T));
            for (const char* row : adochecks::FIXTURE_ROWS) setup.Execute(QString::fromLatin1(row));
        }
        c_ = std::make_unique<ado::Connection>();
        c_->Open(QStringLiteral("DRIVER={SQLite3};Database=%1").arg(file_));
    }
    void cleanup()
    {
        c_.reset();
        dir_.reset();
        vb::App::ResetAll();
    }

    void provider() { QCOMPARE(c_->Provider(), QStringLiteral("MSDASQL")); }
    void emptyRecordset() { adochecks::emptyRecordset(*c_); }
    void moves() { adochecks::moves(*c_); }
    void fieldLookup() { adochecks::fieldLookup(*c_); }
    void closedAndOpen() { adochecks::closedAndOpen(*c_); }
    void addNewAndUpdate() { adochecks::addNewAndUpdate(*c_, QStringLiteral("SELECT * FROM T LIMIT 1")); }
    void uniqueViolation()
    {
        adochecks::uniqueViolation(*c_, 0);
        // the record comes from the driver's own diagnostics
        c_->Errors().Clear();
        QVERIFY(raised([&] { c_->Execute(QStringLiteral("INSERT INTO T (CODIGO) VALUES ('B2')")); }) != 0);
        QVERIFY(c_->Errors().Item(0).Description.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive));
        QCOMPARE(c_->Errors().Item(0).Source, QStringLiteral("ODBC"));
        QVERIFY(!c_->Errors().Item(0).Description.contains(QLatin1String("QODBC")));   // the driver's record, not Qt's summary
        QCOMPARE(c_->Errors().Item(0).NativeError, 19);
    }
    void missingTable()
    {
        adochecks::missingTable(*c_, 0);
        QVERIFY(c_->Errors().Item(0).Description.contains(QLatin1String("NO_EXISTE")));
        QCOMPARE(c_->Errors().Item(0).SQLState.size(), 5);
    }
    void executeReturnsRows() { adochecks::executeReturnsRows(*c_); }

    void dateThroughRecordset()
    {
        c_->Execute(QStringLiteral("CREATE TABLE D (ID INTEGER PRIMARY KEY, F DATETIME)"));
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM D"), *c_, ado::adOpenDynamic, ado::adLockOptimistic);
        rs.AddNew();
        rs(QStringLiteral("F")) = vb::Variant(vb::MakeDate(QDate(2024, 3, 15), QTime(10, 15)));
        rs.Update();
        rs.Close();
        rs.Open(QStringLiteral("SELECT F FROM D"), *c_);
        QCOMPARE(rs.Fields(0).Value().toDate(), vb::MakeDate(QDate(2024, 3, 15), QTime(10, 15)));
    }

    void transactions()
    {
        QCOMPARE(c_->BeginTrans(), 1);
        c_->Execute(QStringLiteral("INSERT INTO T (CODIGO) VALUES ('T1')"));
        QCOMPARE(c_->BeginTrans(), 2);
        c_->CommitTrans();   // inner: nothing ends yet
        c_->RollbackTrans();
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT COUNT(*) FROM T WHERE CODIGO = 'T1'")), 0);
        QCOMPARE(raised([&] { c_->CommitTrans(); }), int(ado::hrErrorsInCommand));
        QCOMPARE(c_->Errors().Item(0).NativeError, 3902);
    }

    // An error in any statement of a batch is seen, whatever came before it; what the
    // server holds open afterwards is read when the batch deals with transactions.
    void laterStatementErrors_data()
    {
        QTest::addColumn<QList<FakeResult>>("results");
        QTest::addColumn<int>("firstNative");   // 0: the batch ran
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("rows");          // of the first result with columns
        QTest::addColumn<long>("affected");
        QTest::newRow("all ran") << QList<FakeResult>{changed(1), rowsOf(3), changed(2)} << 0 << 0 << 3 << 3L;
        QTest::newRow("nothing changed, rows only") << QList<FakeResult>{rowsOf(2)} << 0 << 0 << 2 << -1L;
        QTest::newRow("the first fails") << QList<FakeResult>{failure({{208, "42S02"}}), changed(1)} << 208 << 1 << -1 << 0L;
        QTest::newRow("the second fails, with the server's closing notice")
            << QList<FakeResult>{changed(1), failure({{2627, "23000"}, {3621, "01000"}})} << 2627 << 2 << -1 << 0L;
        QTest::newRow("the fourth fails after rows") << QList<FakeResult>{changed(1), rowsOf(2), changed(1), failure({{547, "23000"}})}
                                                     << 547 << 1 << -1 << 0L;
        QTest::newRow("a failure without a record of the driver") << QList<FakeResult>{changed(1), failure({})} << 0 << 1 << -1
                                                                   << 0L;
    }
    void laterStatementErrors()
    {
        QFETCH(QList<FakeResult>, results);
        QFETCH(int, firstNative);
        QFETCH(int, records);
        QFETCH(int, rows);
        QFETCH(long, affected);
        const bool fails = records > 0;
        for (const bool asks : {false, true}) {
            FakeBatch batch(results, 1);
            ado::Errors errs;
            int transactions = -7;
            try {
                const ado::ExecResult r = ado::ReadBatch(batch, asks, transactions, errs);
                QVERIFY(!fails);
                QCOMPARE(r.rows ? r.rows->rowCount() : -1, rows);
                QCOMPARE(r.affected, affected);
            } catch (const vb::VbError& e) {
                QVERIFY(fails);
                QCOMPARE(errs.Count(), records);
                QCOMPARE(errs.Item(0).NativeError, firstNative);
                QCOMPARE(e.Number, errs.Item(0).Number);
                if (firstNative == 0)
                    QCOMPARE(errs.Item(0).Description, QStringLiteral("QODBC: Unable to execute statement"));
            }
            QCOMPARE(batch.asked, asks ? 1 : 0);
            QCOMPARE(transactions, asks ? 1 : -7);
        }
    }

    void badDriver()
    {
        ado::Connection c;
        QVERIFY(raised([&] { c.Open(QStringLiteral("DRIVER={NoSuchDriver};Database=x")); }) != 0);
        QVERIFY(c.Errors().Count() >= 1);
        QCOMPARE(c.State(), int(ado::adStateClosed));
    }
};

QTEST_GUILESS_MAIN(TestOdbcProvider)
#include "tst_odbcprovider.moc"
