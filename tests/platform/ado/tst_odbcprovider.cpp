// The ODBC provider, run against the SQLite ODBC driver: the same recordset and error
// behaviour as the embedded provider, with diagnostics read from the ODBC handle.
#include "RecordsetChecks.h"
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using adochecks::raised;
using adochecks::scalar;

class TestOdbcProvider : public QObject {
    Q_OBJECT
    QTemporaryDir iniDir_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ado::Connection> c_;
    QString file_;

private slots:
    void initTestCase()
    {
        // the driver must be known to the driver manager; register it for this run when the system has not
        QFile sys(QStringLiteral("/etc/odbcinst.ini"));
        const bool registered = sys.open(QIODevice::ReadOnly) && sys.readAll().contains("[SQLite3]");
        if (!registered) {
            QFile ini(iniDir_.filePath(QStringLiteral("odbcinst.ini")));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
            ini.close();
            qputenv("ODBCSYSINI", iniDir_.path().toLocal8Bit());
        }
    }

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
