// The connection strings the system builds, and the engine each one chooses.
#include "platform/ado/ConnectionString.h"
#include "platform/vb/App.h"
#include "platform/vb/VbError.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using ado::ConnectionSpec;

class TestConnectionString : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        vb::App::SetPath(dir_.path());
        QFile f(dir_.filePath(QStringLiteral("Demo.sqlite")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    void cleanupTestCase() { vb::App::ResetAll(); }

    void odbcMapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("odbc");
        QTest::addColumn<bool>("dmy");
        QTest::newRow("SQL Server as built, blank before =")
            << "PROVIDER=SQLOLEDB;Server=SRV01;Database =CONTA;UId=sa;Pwd=secreto;"
            << "DRIVER={FreeTDS};Server=SRV01;Database=CONTA;UID=sa;PWD=secreto;ClientCharset=UTF-8;" << true;
        QTest::newRow("named instance")
            << "PROVIDER=SQLOLEDB;Server=SRV01\\ZELTRIX;Database =CONTA;UId=sa;Pwd=x;"
            << "DRIVER={FreeTDS};Server=SRV01\\ZELTRIX;Database=CONTA;UID=sa;PWD=x;ClientCharset=UTF-8;" << true;
        QTest::newRow("comma port")
            << "PROVIDER=SQLOLEDB;Server=10.0.0.5,1433;Database =CONTA;UId=sa;Pwd=x;"
            << "DRIVER={FreeTDS};Server=10.0.0.5;Port=1433;Database=CONTA;UID=sa;PWD=x;ClientCharset=UTF-8;" << true;
        QTest::newRow("colon port and a password with a semicolon")
            << "PROVIDER=SQLOLEDB;Server=srv:2000;Database =CONTA;UId=sa;Pwd=\"a;b\";"
            << "DRIVER={FreeTDS};Server=srv;Port=2000;Database=CONTA;UID=sa;PWD={a;b};ClientCharset=UTF-8;" << true;
        QTest::newRow("Oracle data source")
            << "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=scott;Password=tiger;"
            << "DSN=ORCL;UID=scott;PWD=tiger;" << false;
        QTest::newRow("ODBC driver named directly")
            << "DRIVER={SQLite3};Database=/tmp/x.db"
            << "DATABASE=/tmp/x.db;DRIVER={SQLite3};" << false;
    }
    void odbcMapping()
    {
        QFETCH(QString, text);
        QFETCH(QString, odbc);
        QFETCH(bool, dmy);
        const ConnectionSpec s = ado::ParseConnectionString(text);
        QCOMPARE(s.engine, ConnectionSpec::Odbc);
        QCOMPARE(s.odbc, odbc);
        QCOMPARE(s.dayMonthYear, dmy);
    }

    void sqliteFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("server SQLITE, name without extension, other case")
            << "PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;UId=admin;Pwd=;";
        QTest::newRow("Data Source=SQLITE") << "Provider=SQLOLEDB;Data Source=SQLite;Initial Catalog=demo.sqlite";
        QTest::newRow("local file provider")
            << "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =Demo.sqlite;User Id=admin;Password=;";
    }
    void sqliteFile()
    {
        QFETCH(QString, text);
        const ConnectionSpec s = ado::ParseConnectionString(text);
        QCOMPARE(s.engine, ConnectionSpec::Sqlite);
        QCOMPARE(s.sqliteFile, QFileInfo(dir_.filePath(QStringLiteral("Demo.sqlite"))).absoluteFilePath());
    }

    void unintelligible_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("no key") << "just words";
        QTest::newRow("unknown provider") << "Provider=Foo.Bar;Data Source=x";
        QTest::newRow("no provider, no driver") << "Server=SRV;Database=X";
        QTest::newRow("SQL Server without server") << "Provider=SQLOLEDB;Database=X";
        QTest::newRow("missing SQLite file") << "Provider=SQLOLEDB;Server=SQLITE;Database=NoSuchBase";
    }
    void unintelligible()
    {
        QFETCH(QString, text);
        try {
            ado::ParseConnectionString(text);
            QFAIL("accepted");
        } catch (const vb::VbError& e) {
            QVERIFY(!e.Description.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestConnectionString)
#include "tst_connectionstring.moc"
