// The statements of a posting on an Oracle connection (the data layer's switch: the
// connection string names Oracle), at once and collected: each movement row is an INSERT
// of one row, which is what Oracle takes. Elsewhere the rows stay grouped. No Oracle
// server is needed: the connection's engine is the demo database behind a stand-in that
// refuses, as Oracle before 23 does, an INSERT of several rows.
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "data/DB_Dll.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"

#include <QRegularExpression>
#include <QTest>

using namespace stocktest;

namespace {

const QChar kSep(0xFF);

// How many rows the VALUES list of an INSERT holds: its parenthesised groups outside
// quotes, after the word VALUES.
int rowsOf(const QString& insert)
{
    const int values = int(insert.indexOf(QLatin1String(" VALUES "), 0, Qt::CaseInsensitive));
    if (values < 0)
        return 0;
    int rows = 0;
    int depth = 0;
    bool quoted = false;
    for (int i = values; i < insert.size(); ++i) {
        const QChar c = insert[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('('))
            rows += depth++ == 0 ? 1 : 0;
        else if (!quoted && c == QLatin1Char(')'))
            --depth;
    }
    return rows;
}

// The movement-row INSERTs of a text of statements.
QStringList movementInserts(const QStringList& statements)
{
    QStringList out;
    for (const QString& s : statements)
        if (s.trimmed().startsWith(QLatin1String("INSERT INTO V_MV_STOCK"), Qt::CaseInsensitive))
            out << s.trimmed();
    return out;
}

QStringList received;

// The demo database as the main connection's engine, what it is sent recorded. As an
// Oracle connection's, the Oracle forms of the data layer that the database does not
// know are read back (dates, NVL, the row limit) and an INSERT of several rows is
// refused with Oracle's error.
class RecordingEngine : public ado::DelegatingProvider {
public:
    explicit RecordingEngine(bool oracle) : DelegatingProvider(ado::MakeBuiltInProvider(sqlite(), 15)), oracle_(oracle) {}
    void open(const ado::ConnectionSpec&, ado::Errors& e) override { inner().open(sqlite(), e); }
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        received << text;
        if (!oracle_)
            return inner().execute(text, errs);
        if (text.trimmed().startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive) && rowsOf(text) > 1) {
            const ado::Error e{-2147217900, QStringLiteral("ORA-00933: SQL command not properly ended"), QStringLiteral("OraOLEDB"),
                               QStringLiteral("42000"), 933};
            errs.Add(e);
            throw vb::VbError(e.Number, e.Description, e.Source);
        }
        static const QRegularExpression toDate(QStringLiteral("TO_DATE\\('([^']*)','DD/MM/YYYY'\\)"));
        QString sql = text;
        sql.replace(toDate, QStringLiteral("'\\1'"));
        sql.replace(QStringLiteral("NVL("), QStringLiteral("IFNULL("), Qt::CaseInsensitive);
        static const QRegularExpression rownum(QStringLiteral("\\b(WHERE|AND) ROWNUM <= (\\d+)"));
        if (const QRegularExpressionMatch m = rownum.match(sql); m.hasMatch()) {
            sql = sql.left(m.capturedStart()) + sql.mid(m.capturedEnd());
            sql = sql.trimmed() + QStringLiteral(" LIMIT ") + m.captured(2);
        }
        return inner().execute(sql, errs);
    }

private:
    static ado::ConnectionSpec sqlite()
    {
        return ado::ParseConnectionString(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=") + testsupport::VoucherFixture::kDb);
    }
    bool oracle_;
};

// Reopens the main connection on the same database through the recording engine, as
// an Oracle connection or as the program's own.
void reopen(bool oracle)
{
    ado::SetProviderFactory([](const ado::ConnectionSpec& target) -> std::unique_ptr<ado::Provider> {
        return std::make_unique<RecordingEngine>(target.provider.contains(QLatin1String("Ora"), Qt::CaseInsensitive));
    });
    gDBPrincipal.reset();
    gDBPrincipal->gServidor = oracle ? QStringLiteral("#ORCL") : QStringLiteral("SQLITE");
    gDBPrincipal->gDBName = oracle ? QStringLiteral("XE") : testsupport::VoucherFixture::kDb;
    gDBPrincipal->gUsuario = QStringLiteral("Vandrel");
    gDBPrincipal->OpenServerADODB(false, 3, QString(), false, false);
}

// Three movements: two lines, one of them picked from two lots.
void fill(ui::FlexGrid& g)
{
    Llena(g, {Linea(QStringLiteral("IBU400"), QStringLiteral("2"), QStringLiteral("1850")),
              Con(Linea(QStringLiteral("PARA500"), QStringLiteral("3"), QStringLiteral("610")),
                  {{ColArticulo::NroLote, QStringLiteral("|L-2511%1|L-2602%1|").arg(kSep)}, {ColArticulo::NroSerie, QStringLiteral("|2|1|")}})});
}

const QList<Mov> kMovimientos{{"IBU400", "", "", "1", -2, -2}, {"PARA500", "L-2511", "", "1", -2, -2}, {"PARA500", "L-2602", "", "1", -1, -1}};

} // namespace

class TstStockPostingOracle : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        escenario_.emplace();
        received.clear();
    }
    void cleanup()
    {
        ado::SetProviderFactory({});
        escenario_.reset();
    }

    void statementsOfThePosting_data()
    {
        QTest::addColumn<bool>("oracle");
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<int>("filasPorInsert");
        QTest::newRow("Oracle, at once") << true << false << 1;
        QTest::newRow("Oracle, collected") << true << true << 1;
        QTest::newRow("elsewhere, at once") << false << false << 3;
        QTest::newRow("elsewhere, collected") << false << true << 3;
    }
    void statementsOfThePosting()
    {
        QFETCH(bool, oracle);
        QFETCH(bool, recoger);
        QFETCH(int, filasPorInsert);
        PostingDb db;
        reopen(oracle);
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->IsOracleConnection(), oracle);
        ui::FlexGrid g;
        fill(g);
        Posteo p;
        p.motivo = QStringLiteral("2");
        p.recoger = recoger;
        ClsCmnCptes c;
        testsupport::ScriptedOperator op;   // a refused statement would be told
        p.run(c, g);
        QVERIFY(!p.hayError);
        if (recoger) {
            const QStringList inserts = movementInserts(p.sqlTemp.split(QLatin1Char('\r')));
            QCOMPARE(inserts.size(), 3 / filasPorInsert);
            for (const QString& insert : inserts)
                QCOMPARE(rowsOf(insert), filasPorInsert);
            // The caller's batch runs on the connection (on Oracle statement by statement).
            QCOMPARE(PostingDb::Corre(p.sqlTemp), QString());
        }
        // What reached the engine, a batch cut at its line breaks.
        const QStringList inserts = movementInserts(received.join(QLatin1Char('\r')).split(QLatin1Char('\r')));
        QCOMPARE(inserts.size(), 3 / filasPorInsert);
        for (const QString& insert : inserts)
            QCOMPARE(rowsOf(insert), filasPorInsert);
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), kMovimientos);
        QCOMPARE(db.Lineas(QStringLiteral("RM"), p.id).size(), 2);
    }

private:
    std::optional<stocktest::Escenario> escenario_;
};

TESTSUPPORT_MAIN(TstStockPostingOracle)
#include "tst_stock_posting_oracle.moc"
