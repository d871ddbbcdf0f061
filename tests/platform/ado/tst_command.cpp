// ADO's Command with Parameters on both providers: the embedded SQLite engine and ODBC
// (through the SQLite ODBC driver). Values travel bound: a text is only ever a text.
#include "RecordsetChecks.h"
#include "platform/ado/Command.h"
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"
#include "platform/vb/Currency.h"
#include <QTemporaryDir>
#include <QTest>

using adochecks::raised;
using adochecks::scalar;

namespace {

// Days around 15 December 2026, one of them with a time.
const char* kDates[] = {
    "CREATE TABLE D (ID INTEGER PRIMARY KEY, FECHA DATETIME, TEXTO VARCHAR(40) COLLATE NOCASE)",
    "INSERT INTO D (ID, FECHA, TEXTO) VALUES (1, '2026-12-14 00:00:00', 'antes')",
    "INSERT INTO D (ID, FECHA, TEXTO) VALUES (2, '2026-12-15 00:00:00', 'ese día')",
    "INSERT INTO D (ID, FECHA, TEXTO) VALUES (3, '2026-12-15 18:30:00', 'ese día, tarde')",
    "INSERT INTO D (ID, FECHA, TEXTO) VALUES (4, '2026-12-16 00:00:00', 'después')",
};

ado::Parameter input(const ado::Command& cmd, int type, const vb::Variant& value)
{
    return cmd.CreateParameter(QString(), type, ado::adParamInput, 0, value);
}

} // namespace

class TestCommand : public QObject {
    Q_OBJECT
    QTemporaryDir iniDir_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ado::Connection> c_;

    // A connection through the provider of the test row, on a file holding T and D.
    ado::Connection& open()
    {
        QFETCH(QString, provider);
        dir_ = std::make_unique<QTemporaryDir>();
        vb::App::SetPath(dir_->path());
        const QString file = dir_->filePath(QStringLiteral("cmd.sqlite"));
        QFile(file).open(QIODevice::WriteOnly);
        {
            ado::Connection setup;
            setup.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=cmd.sqlite"));
            setup.Execute(QString::fromLatin1(adochecks::FIXTURE_T));
            for (const char* row : adochecks::FIXTURE_ROWS)
                setup.Execute(QString::fromLatin1(row));
            for (const char* s : kDates)
                setup.Execute(QString::fromUtf8(s));
        }
        c_ = std::make_unique<ado::Connection>();
        c_->Open(provider == QLatin1String("sqlite") ? QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=cmd.sqlite")
                                                     : QStringLiteral("DRIVER={SQLite3};Database=%1").arg(file));
        return *c_;
    }

    static void providers()
    {
        QTest::addColumn<QString>("provider");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("odbc") << "odbc";
    }

private slots:
    void initTestCase() { adochecks::registerSqliteOdbcDriver(iniDir_); }
    void cleanup()
    {
        c_.reset();
        dir_.reset();
        vb::App::ResetAll();
    }

    void textsAreBoundNotWritten_data() { providers(); }
    void textsAreBoundNotWritten()
    {
        ado::Connection& c = open();
        const QString code = QStringLiteral("X'9");
        const QString name = QStringLiteral("'); DELETE FROM T; --");
        ado::Command insert;
        insert.SetActiveConnection(c);
        insert.SetCommandText(QStringLiteral("INSERT INTO T (ID, CODIGO, NOMBRE, IMPORTE) VALUES (?, ?, ?, ?)"));
        insert.Parameters().Append(input(insert, ado::adInteger, vb::Variant(9)));
        insert.Parameters().Append(input(insert, ado::adVarChar, vb::Variant(code)));
        insert.Parameters().Append(input(insert, ado::adVarChar, vb::Variant(name)));
        insert.Parameters().Append(input(insert, ado::adCurrency, vb::Variant(vb::Currency::fromRaw(123456))));
        long affected = 0;
        const ado::Recordset none = insert.Execute(&affected);
        QCOMPARE(none.State(), int(ado::adStateClosed));
        QCOMPARE(affected, 1L);
        QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T")), 4);

        ado::Command read;
        read.SetActiveConnection(c);
        read.SetCommandText(QStringLiteral("SELECT NOMBRE, IMPORTE FROM T WHERE CODIGO = ?"));
        read.Parameters().Append(input(read, ado::adVarChar, vb::Variant(QStringLiteral("x'9"))));   // codes ignore case
        ado::Recordset rs = read.Execute();
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields(QStringLiteral("NOMBRE")).Value().toString(), name);
        QCOMPARE(vb::CCur(rs.Fields(QStringLiteral("IMPORTE")).Value()), vb::Currency::fromRaw(123456));
        // the same command again with another value
        read.Parameters().Item(0).SetValue(vb::Variant(QStringLiteral("b2")));
        rs = read.Execute();
        QCOMPARE(rs.Fields(QStringLiteral("NOMBRE")).Value().toString(), QStringLiteral("dos"));
    }

    void datesCompare_data()
    {
        // Rows of D with FECHA >= from AND FECHA < to; the bounds "dd/mm/yyyy[ hh:mm]".
        // Behind the SQLite ODBC driver dates are texts and a bound timestamp carries a
        // fraction, so there the bounds keep clear of stored times (SQL Server compares
        // dates as dates).
        QTest::addColumn<QString>("provider");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("asText");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const QString day = QStringLiteral("15/12/2026"), next = QStringLiteral("16/12/2026");
        const QString noon = QStringLiteral("14/12/2026 12:00"), late = QStringLiteral("15/12/2026 23:59");
        QTest::newRow("sqlite, dates") << "sqlite" << int(ado::adDBTimeStamp) << false << day << next;
        QTest::newRow("sqlite, texts typed as dates") << "sqlite" << int(ado::adDBTimeStamp) << true << day << next;
        QTest::newRow("sqlite, texts typed as texts meet a date column") << "sqlite" << int(ado::adVarChar) << true << day << next;
        QTest::newRow("sqlite, with times") << "sqlite" << int(ado::adDBTimeStamp) << true << noon << late;
        QTest::newRow("odbc, dates") << "odbc" << int(ado::adDBTimeStamp) << false << noon << late;
        QTest::newRow("odbc, texts typed as dates") << "odbc" << int(ado::adDBTimeStamp) << true << noon << late;
    }
    void datesCompare()
    {
        QFETCH(int, type);
        QFETCH(bool, asText);
        QFETCH(QString, from);
        QFETCH(QString, to);
        ado::Connection& c = open();
        ado::Command cmd;
        cmd.SetActiveConnection(c);
        cmd.SetCommandText(QStringLiteral("SELECT ID FROM D WHERE FECHA >= ? AND FECHA < ? ORDER BY ID"));
        const auto value = [asText](const QString& text) {
            const QDateTime when = QDateTime::fromString(text, text.size() > 10 ? QStringLiteral("dd/MM/yyyy HH:mm")
                                                                                  : QStringLiteral("dd/MM/yyyy"));
            return asText ? vb::Variant(text) : vb::Variant(vb::NaiveDate(when));
        };
        cmd.Parameters().Append(input(cmd, type, value(from)));
        cmd.Parameters().Append(input(cmd, type, value(to)));
        ado::Recordset rs = cmd.Execute();
        QStringList ids;
        for (; !rs.EOF(); rs.MoveNext())
            ids << rs.Fields(0).Value().toString();
        QCOMPARE(ids, (QStringList{"2", "3"}));
    }

    void datesStored_data() { providers(); }
    void datesStored()
    {
        // A text typed as a date is stored as a date, not as the text.
        ado::Connection& c = open();
        ado::Command cmd;
        cmd.SetActiveConnection(c);
        cmd.SetCommandText(QStringLiteral("INSERT INTO D (ID, FECHA) VALUES (?, ?)"));
        cmd.Parameters().Append(input(cmd, ado::adInteger, vb::Variant(9)));
        cmd.Parameters().Append(input(cmd, ado::adDBTimeStamp, vb::Variant(QStringLiteral("17/12/2026 10:15"))));
        cmd.Execute();
        ado::Recordset rs = c.Execute(QStringLiteral("SELECT FECHA FROM D WHERE ID = 9"));
        const vb::Variant stored = rs.Fields(0).Value();
        QCOMPARE(stored.type(), vb::VarType::Date);
        QCOMPARE(stored.toDate(), QDateTime(QDate(2026, 12, 17), QTime(10, 15)));
    }

    void nullsAndNumbers_data() { providers(); }
    void nullsAndNumbers()
    {
        ado::Connection& c = open();
        ado::Command cmd;
        cmd.SetActiveConnection(c);
        cmd.SetCommandText(QStringLiteral("UPDATE T SET NOMBRE = ? WHERE ID = ?"));
        cmd.Parameters().Append(input(cmd, ado::adVarChar, vb::Variant::Null()));
        cmd.Parameters().Append(input(cmd, ado::adInteger, vb::Variant(1)));
        cmd.Execute();
        QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T WHERE NOMBRE IS NULL")), 2);

        ado::Command count;
        count.SetActiveConnection(c);
        count.SetCommandText(QStringLiteral("SELECT COUNT(*) FROM T WHERE IMPORTE > ?"));
        count.Parameters().Append(input(count, ado::adInteger, vb::Variant(15)));
        QCOMPARE(count.Execute().Fields(0).Value().toLong(), 2);
        count.Parameters().Item(0).SetValue(vb::Variant(20.5));
        QCOMPARE(count.Execute().Fields(0).Value().toLong(), 1);
        count.Parameters().Item(0).SetValue(vb::Variant(vb::Currency::fromRaw(105000)));
        QCOMPARE(count.Execute().Fields(0).Value().toLong(), 2);
    }

    void markersAndValuesMustMatch_data() { providers(); }
    void markersAndValuesMustMatch()
    {
        ado::Connection& c = open();
        ado::Command cmd;
        cmd.SetActiveConnection(c);
        cmd.SetCommandText(QStringLiteral("SELECT COUNT(*) FROM T WHERE ID > ? AND ID < ?"));
        cmd.Parameters().Append(input(cmd, ado::adInteger, vb::Variant(1)));
        QVERIFY(raised([&] { cmd.Execute(); }) != 0);
        QVERIFY(c.Errors().Count() > 0);
        cmd.Parameters().Append(input(cmd, ado::adInteger, vb::Variant(3)));
        QCOMPARE(cmd.Execute().Fields(0).Value().toLong(), 1);
        QCOMPARE(c.Errors().Count(), 0);
    }

    void embeddedEngine_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::newRow("sqlite") << "sqlite";
    }
    void embeddedEngine()
    {
        // What the embedded engine does with a command besides binding: TOP with markers,
        // one statement per command, a text that is no date refused where a date goes.
        ado::Connection& c = open();
        ado::Command top;
        top.SetActiveConnection(c);
        top.SetCommandText(QStringLiteral("SELECT TOP (?) CODIGO FROM T with(nolock) WHERE CODIGO >= ? ORDER BY CODIGO"));
        top.Parameters().Append(input(top, ado::adInteger, vb::Variant(2)));
        top.Parameters().Append(input(top, ado::adVarChar, vb::Variant(QStringLiteral("b"))));
        ado::Recordset rs = top.Execute();
        QStringList codes;
        for (; !rs.EOF(); rs.MoveNext())
            codes << rs.Fields(0).Value().toString();
        QCOMPARE(codes, (QStringList{"B2", "C3"}));

        ado::Command two;
        two.SetActiveConnection(c);
        two.SetCommandText(QStringLiteral("DELETE FROM T WHERE ID = ?; DELETE FROM D"));
        two.Parameters().Append(input(two, ado::adInteger, vb::Variant(1)));
        QVERIFY(raised([&] { two.Execute(); }) != 0);
        QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T")), 3);
        QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM D")), 4);

        ado::Command day;
        day.SetActiveConnection(c);
        day.SetCommandText(QStringLiteral("SELECT COUNT(*) FROM D WHERE FECHA = ?"));
        day.Parameters().Append(input(day, ado::adVarChar, vb::Variant(QStringLiteral("mañana"))));
        QVERIFY(raised([&] { day.Execute(); }) != 0);
        QCOMPARE(c.Errors().Item(0).NativeError, 241);
        day.Parameters().Item(0).SetType(ado::adDBTimeStamp);
        QVERIFY(raised([&] { day.Execute(); }) != 0);
        QCOMPARE(c.Errors().Item(0).NativeError, 241);
    }

    void connectionNeeded()
    {
        ado::Command cmd;
        cmd.SetCommandText(QStringLiteral("SELECT 1"));
        QCOMPARE(raised([&] { cmd.Execute(); }), int(ado::adErrInvalidConnection));
        ado::Connection closed;
        cmd.SetActiveConnection(closed);
        QCOMPARE(raised([&] { cmd.Execute(); }), int(ado::adErrInvalidConnection));
    }

    void parametersCollection()
    {
        ado::Command cmd;
        QCOMPARE(cmd.CommandType(), int(ado::adCmdText));
        QCOMPARE(cmd.CommandTimeout(), 30);
        QCOMPARE(raised([&] { cmd.SetCommandType(4); }), 3001);   // no stored procedures
        ado::Parameter p = cmd.CreateParameter(QStringLiteral("Desde"), ado::adDBTimeStamp, ado::adParamInput, 0,
                                               vb::Variant(QStringLiteral("15/12/2026")));
        QCOMPARE(p.Name(), QStringLiteral("Desde"));
        QCOMPARE(p.Type(), int(ado::adDBTimeStamp));
        QCOMPARE(p.Direction(), int(ado::adParamInput));
        QCOMPARE(raised([&] { p.SetDirection(2); }), 3001);   // nothing comes back out
        cmd.Parameters().Append(p);
        cmd.Parameters().Append(cmd.CreateParameter(QStringLiteral("Hasta")));
        QCOMPARE(cmd.Parameters().Count(), 2);
        QCOMPARE(cmd.Parameters().Item(QStringLiteral("desde")).Value().toString(), QStringLiteral("15/12/2026"));
        QCOMPARE(cmd.Parameters()[1].Name(), QStringLiteral("Hasta"));
        QCOMPARE(raised([&] { cmd.Parameters().Item(QStringLiteral("Otro")); }), int(ado::adErrItemNotFound));
        QCOMPARE(raised([&] { cmd.Parameters().Item(2); }), int(ado::adErrItemNotFound));
        cmd.Parameters().Delete(QStringLiteral("DESDE"));
        QCOMPARE(cmd.Parameters().Count(), 1);
        QCOMPARE(cmd.Parameters().Item(0).Name(), QStringLiteral("Hasta"));
    }
};

QTEST_GUILESS_MAIN(TestCommand)
#include "tst_command.moc"
