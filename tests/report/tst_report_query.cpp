// A report's query with the selection's conditions: where a condition goes in the query,
// which columns a condition may read, and, on a database, that the rows read are only the
// report's rows and never fewer than the formula selects.
#include "platform/ado/Connection.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/report/ReportQuery.h"
#include "platform/report/SelectionFormula.h"
#include "platform/vb/App.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using report::ReportQuery;
using report::SelectionFormula;

namespace {

const QStringList Columns = {"ID", "FECHA", "CUENTA", "IMPORTE", "FACTURA", "NUM", "OBS", "OBSU"};

const char* kTable[] = {
    "CREATE TABLE T (ID INTEGER PRIMARY KEY, FECHA DATETIME, CUENTA VARCHAR(10), IMPORTE NUMERIC(19,4), "
    "FACTURA VARCHAR(13) COLLATE NOCASE, NUM INTEGER, OBS VARCHAR(40) COLLATE NOCASE)",
    "INSERT INTO T VALUES (1, '2026-12-01 00:00:00', '110301', 18540.5, '000100000125A', 7, 'Recetas noviembre')",
    "INSERT INTO T VALUES (2, '2026-12-01 00:00:00', '110302', 7325, NULL, 40000, '  hola  ')",
    "INSERT INTO T VALUES (3, '2026-12-04 10:00:00', '110303', 100.5, '', -3, 'recetas sueltas')",
    "INSERT INTO T VALUES (4, '2026-12-07 00:00:00', '110301 ', 100.1, NULL, 0, NULL)",
    "INSERT INTO T VALUES (5, '2026-12-08 00:00:00', 'ABC', 1, 'X', 1, 'it''s')",
};

const QString Query = QStringLiteral("SELECT ID, FECHA, t.CUENTA, IMPORTE, FACTURA AS FACTURA, NUM, OBS, UPPER(OBS) AS OBSU "
                                     "FROM T t with(nolock) ORDER BY ID");

QList<int> ids(ado::Recordset& rs)
{
    QList<int> out;
    for (; !rs.EOF(); rs.MoveNext())
        out << int(rs.Fields(QStringLiteral("ID")).Value().toLong());
    return out;
}

class NoBindingProvider : public ado::DelegatingProvider {
public:
    using DelegatingProvider::DelegatingProvider;
    ado::ExecResult executeBound(const QString& text, const QVector<ado::BoundValue>& values, ado::Errors& errs) override
    {
        return ado::Provider::executeBound(text, values, errs);
    }
};

} // namespace

class TestReportQuery : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ado::Connection> cnn_;

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        vb::App::SetPath(dir_->path());
        QFile(dir_->filePath(QStringLiteral("r.sqlite"))).open(QIODevice::WriteOnly);
        cnn_ = std::make_unique<ado::Connection>();
        cnn_->Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=r.sqlite"));
        for (const char* s : kTable)
            cnn_->Execute(QString::fromUtf8(s));
    }
    void cleanup()
    {
        cnn_.reset();
        dir_.reset();
        vb::App::ResetAll();
    }

    void conditionPlace_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("with");   // with the condition "C = ?"; empty: it takes none
        QTest::newRow("before ORDER BY")
            << "SELECT A FROM T with(nolock) ORDER BY A" << "SELECT A FROM T with(nolock) WHERE C = ? ORDER BY A";
        QTest::newRow("at the end") << "SELECT A FROM T" << "SELECT A FROM T WHERE C = ? ";
        QTest::newRow("before a closing semicolon") << "SELECT A FROM T;" << "SELECT A FROM T WHERE C = ? ;";
        QTest::newRow("the query's own WHERE kept whole")
            << "SELECT A FROM T WHERE A = 1 OR B = 2 ORDER BY A"
            << "SELECT A FROM T WHERE (A = 1 OR B = 2) AND (C = ?) ORDER BY A";
        QTest::newRow("before GROUP BY") << "SELECT A, COUNT(*) FROM T GROUP BY A HAVING COUNT(*) > 1"
                                         << "SELECT A, COUNT(*) FROM T WHERE C = ? GROUP BY A HAVING COUNT(*) > 1";
        QTest::newRow("a subquery's clauses are its own")
            << "SELECT A FROM (SELECT A FROM U WHERE B = 1 ORDER BY A) X ORDER BY A"
            << "SELECT A FROM (SELECT A FROM U WHERE B = 1 ORDER BY A) X WHERE C = ? ORDER BY A";
        QTest::newRow("a union takes none") << "SELECT A FROM T UNION SELECT A FROM U" << "";
        QTest::newRow("no SELECT") << "EXEC Listado" << "";
    }
    void conditionPlace()
    {
        QFETCH(QString, query);
        QFETCH(QString, with);
        const ReportQuery q(query);
        QCOMPARE(q.takesConditions(), !with.isEmpty());
        QCOMPARE(q.with(QStringLiteral("C = ?")), with.isEmpty() ? query : with);
    }

    void columns_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("column");
        const QString q = QStringLiteral("SELECT TOP 10 m.CUENTA, FECHA AS DIA, [NUMERO ASIENTO], UPPER(OBS) AS OBSU, "
                                         "IMPORTE * 2 DOBLE FROM T m");
        QTest::newRow("qualified") << q << "cuenta" << "m.CUENTA";
        QTest::newRow("renamed") << q << "DIA" << "FECHA";
        QTest::newRow("the name it renames is no field") << q << "FECHA" << "";
        QTest::newRow("bracketed") << q << "NUMERO ASIENTO" << "[NUMERO ASIENTO]";
        QTest::newRow("computed") << q << "OBSU" << "";
        QTest::newRow("computed, renamed without AS") << q << "DOBLE" << "";
        QTest::newRow("not in the list") << q << "OTRO" << "";
        QTest::newRow("under a star") << "SELECT *, UPPER(A) AS AU FROM T" << "FACTURA" << "FACTURA";
        QTest::newRow("under a star, a name with blanks") << "SELECT * FROM T" << "NUMERO ASIENTO" << "[NUMERO ASIENTO]";
        QTest::newRow("under a star, a computed one stays computed") << "SELECT *, UPPER(A) AS AU FROM T" << "AU" << "";
    }
    void columns()
    {
        QFETCH(QString, query);
        QFETCH(QString, field);
        QFETCH(QString, column);
        QCOMPARE(ReportQuery(query).columnOf(field), column);
    }

    void databaseReadsTheReportsRows_data()
    {
        // The rows the database reads for a formula, and those the formula selects of them.
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<QList<int>>("selected");
        const QList<int> all{1, 2, 3, 4, 5};
        QTest::newRow("a day, time of day aside") << "{T.FECHA} = Date(2026,12,04)" << QList<int>{3} << QList<int>{3};
        QTest::newRow("a day of two rows") << "{T.FECHA} =Date(2026,12,1)" << QList<int>{1, 2} << QList<int>{1, 2};
        QTest::newRow("a range of days as the filter builder writes it")
            << "{T.FECHA} >= Date(2026,12,02)  AND {T.FECHA} <= Date(2026,12,07) " << QList<int>{3, 4} << QList<int>{3, 4};
        QTest::newRow("before or after a day") << "{T.FECHA} < Date(2026,12,4) OR {T.FECHA} > Date(2026,12,7)"
                                               << QList<int>{1, 2, 5} << QList<int>{1, 2, 5};
        QTest::newRow("not a day") << "{T.FECHA} <> Date(2026,12,1)" << QList<int>{3, 4, 5} << QList<int>{3, 4, 5};
        QTest::newRow("a text read as a date") << "{T.FECHA} >= '07/12/2026'" << QList<int>{4, 5} << QList<int>{4, 5};
        QTest::newRow("a code, case and trailing blanks aside")
            << "{T.CUENTA} >= '110301' AND {T.CUENTA} <= '110301'" << QList<int>{1, 4} << QList<int>{1, 4};
        QTest::newRow("case aside on a column that does not ignore it") << "{T.CUENTA} = 'abc'" << QList<int>{5}
                                                                        << QList<int>{5};
        QTest::newRow("pending as the reception writes it")
            << " (ISNULL({T.FACTURA}) OR {T.FACTURA}='' ) " << QList<int>{2, 3, 4} << QList<int>{2, 3, 4};
        QTest::newRow("a day and pending")
            << "{T.FECHA} = Date(2026,12,1) AND  (ISNULL({T.FACTURA}) OR {T.FACTURA}='' ) " << QList<int>{2} << QList<int>{2};
        QTest::newRow("a quote is only a quote") << "{T.OBS} = 'it''s'" << QList<int>{5} << QList<int>{5};
        QTest::newRow("LIKE with star, case aside") << "{T.OBS} LIKE 'RECETAS*'" << QList<int>{1, 3} << QList<int>{1, 3};
        QTest::newRow("LIKE with question mark; the row's trailing blank aside")
            << "{T.CUENTA} like '1103?1'" << QList<int>{1, 4} << QList<int>{1, 4};
        QTest::newRow("LIKE with the database's own wildcards taken as they are")
            << "{T.OBS} LIKE '%*'" << QList<int>{} << QList<int>{};
        QTest::newRow("trimmed as the filter builder writes it")
            << "TrimLeft(TrimRight({T.OBS})) >= 'hola'  AND TrimLeft(TrimRight({T.OBS})) <= 'hola' " << QList<int>{2}
            << QList<int>{2};
        QTest::newRow("a number stays for the rows") << "{T.IMPORTE} >= 100.5" << all << QList<int>{1, 2, 3};
        QTest::newRow("half of an AND goes")
            << "{T.FECHA} = Date(2026,12,1) AND {T.NUM} = 7" << QList<int>{1, 2} << QList<int>{1};
        QTest::newRow("an OR goes whole or not at all")
            << "{T.ID} = 1 OR {T.CUENTA} = '110303'" << all << QList<int>{1, 3};
        QTest::newRow("a computed column stays for the rows") << "{T.OBSU} = 'HOLA'" << all << QList<int>{};
        QTest::newRow("tonumber stays for the rows") << "tonumber({T.CUENTA}) >= 110302" << all << QList<int>{2, 3};
        QTest::newRow("a comparison with Null selects nothing") << "{T.FACTURA} <> 'X'" << QList<int>{1, 3} << QList<int>{1, 3};
    }
    void databaseReadsTheReportsRows()
    {
        QFETCH(QString, formula);
        QFETCH(QList<int>, read);
        QFETCH(QList<int>, selected);
        SelectionFormula f = SelectionFormula::parse(formula, QStringLiteral("T"));
        ado::Recordset rs = report::ReadReportRows(*cnn_, Query, f);
        QCOMPARE(cnn_->Errors().Count(), 0);
        QStringList names;
        for (int i = 0; i < rs.Fields().Count(); ++i)
            names << rs.Fields(i).Name().toUpper();
        QCOMPARE(names, Columns);
        f.bind([](const QString& name) { return int(Columns.indexOf(name.toUpper())); });
        QList<int> got, chosen;
        for (; !rs.EOF(); rs.MoveNext()) {
            got << int(rs.Fields(0).Value().toLong());
            if (f.matches([&rs](int c) { return rs.Fields(c).Value(); }))
                chosen << got.back();
        }
        QCOMPARE(got, read);
        QCOMPARE(chosen, selected);
    }

    void databaseThatTakesNoConditions()
    {
        // An engine that cannot run a command with parameters gets the query whole, and the
        // formula still selects the report's rows.
        ado::SetProviderFactory([](const ado::ConnectionSpec& target) -> std::unique_ptr<ado::Provider> {
            return std::make_unique<NoBindingProvider>(ado::MakeBuiltInProvider(target, 15));
        });
        ado::Connection cnn;
        cnn.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=r.sqlite"));
        ado::SetProviderFactory({});
        SelectionFormula f = SelectionFormula::parse(QStringLiteral("{T.FECHA} = Date(2026,12,04)"), QStringLiteral("T"));
        ado::Recordset rs = report::ReadReportRows(cnn, Query, f);
        QCOMPARE(ids(rs), (QList<int>{1, 2, 3, 4, 5}));
    }
};

TESTSUPPORT_MAIN(TestReportQuery)
#include "tst_report_query.moc"
