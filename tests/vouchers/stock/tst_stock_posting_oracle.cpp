// The statements of a posting on an Oracle connection (the data layer's switch: the
// connection string names Oracle), at once and collected: each movement row is an INSERT
// of one row, which is what Oracle takes. Elsewhere the rows stay grouped. No Oracle
// server is needed: the connection's engine is the demo database behind a stand-in that
// refuses, as Oracle before 23 does, an INSERT of several rows.
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "data/DB_Dll.h"
#include "frame/SaveTransaction.h"
#include "frame/StatementBuilder.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"

#include <QRegularExpression>
#include <QTest>

using stocktest::Con;
using stocktest::Linea;
using stocktest::Llena;
using stocktest::Mov;
using stocktest::Posteo;
using stocktest::PostingDb;

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

// The demo database as an Oracle connection's engine: what it is sent is recorded; the
// Oracle forms of the data layer that the database does not know are read back (dates, NVL, the row limit); an INSERT of several rows is refused with Oracle's
// error.
class OracleStandIn : public ado::DelegatingProvider {
public:
    OracleStandIn()
        : DelegatingProvider(ado::MakeBuiltInProvider(sqlite(), 15))
    {
    }
    void open(const ado::ConnectionSpec&, ado::Errors& e) override { inner().open(sqlite(), e); }
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        received << text;
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
};

// Reopens the main connection as an Oracle one on the same database.
void reopenAsOracle()
{
    ado::SetProviderFactory([](const ado::ConnectionSpec& target) -> std::unique_ptr<ado::Provider> {
        if (target.provider.contains(QLatin1String("Ora"), Qt::CaseInsensitive))
            return std::make_unique<OracleStandIn>();
        return ado::MakeBuiltInProvider(target, 15);
    });
    gDBPrincipal.reset();
    gDBPrincipal->gServidor = QStringLiteral("#ORCL");
    gDBPrincipal->gDBName = QStringLiteral("XE");
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
        clock_ = std::make_unique<testsupport::FixedClock>(2026, 12, 15, 10, 30);
        regional_ = std::make_unique<testsupport::RegionalPin>();
        received.clear();
    }
    void cleanup()
    {
        ado::SetProviderFactory({});
        regional_.reset();
        clock_.reset();
    }

    void atOnce()
    {
        PostingDb db;
        reopenAsOracle();
        QVERIFY(gDBPrincipal->gOpenFlag);
        QVERIFY(gDBPrincipal->IsOracleConnection());
        ui::FlexGrid g;
        fill(g);
        Posteo p;
        p.motivo = QStringLiteral("2");
        ClsCmnCptes c;
        testsupport::ScriptedOperator op;   // a refused statement would be told
        p.run(c, g);
        QVERIFY(!p.hayError);
        const QStringList inserts = movementInserts(received);
        QCOMPARE(inserts.size(), 3);
        for (const QString& insert : inserts)
            QCOMPARE(rowsOf(insert), 1);
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), kMovimientos);
        QCOMPARE(db.Lineas(QStringLiteral("RM"), p.id).size(), 2);
    }

    void collected()
    {
        PostingDb db;
        reopenAsOracle();
        ui::FlexGrid g;
        fill(g);
        Posteo p;
        p.motivo = QStringLiteral("2");
        p.recoger = true;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(!p.hayError);
        const QStringList inserts = movementInserts(p.sqlTemp.split(QLatin1Char('\r')));
        QCOMPARE(inserts.size(), 3);
        for (const QString& insert : inserts)
            QCOMPARE(rowsOf(insert), 1);
        // The caller's batch runs on the Oracle connection statement by statement.
        {
            SaveTransaction t;
            QVERIFY(t.Begin());
            ScriptFailure falla;
            QVERIFY2(RunScriptInTransaction({p.sqlTemp}, falla), qPrintable(falla.text));
            QVERIFY(t.Commit());
        }
        QCOMPARE(movementInserts(received).size(), 3);
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), kMovimientos);
        QCOMPARE(db.Lineas(QStringLiteral("RM"), p.id).size(), 2);
    }

    // Elsewhere the rows of a posting go out grouped: one INSERT of the three rows.
    void groupedElsewhere()
    {
        PostingDb db;
        QVERIFY(!gDBPrincipal->IsOracleConnection());
        ui::FlexGrid g;
        fill(g);
        Posteo p;
        p.motivo = QStringLiteral("2");
        p.recoger = true;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(!p.hayError);
        const QStringList inserts = movementInserts(p.sqlTemp.split(QLatin1Char('\r')));
        QCOMPARE(inserts.size(), 1);
        QCOMPARE(rowsOf(inserts.first()), 3);
    }

private:
    std::unique_ptr<testsupport::FixedClock> clock_;
    std::unique_ptr<testsupport::RegionalPin> regional_;
};

TESTSUPPORT_MAIN(TstStockPostingOracle)
#include "tst_stock_posting_oracle.moc"
