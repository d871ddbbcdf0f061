// The statements of a posting on an Oracle connection (the data layer's switch: the
// connection string names Oracle), at once and collected: each movement row is an INSERT
// of one row, which is what Oracle takes, and nothing Oracle refuses is sent (lock hints,
// TOP, savepoints in SQL Server's words...). Elsewhere the rows stay grouped. No Oracle
// server is needed: the connection's engine is the demo database behind the Oracle
// stand-in.
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/oracle/OracleStandIn.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "data/DB_Dll.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"

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
        oracle_.emplace();   // first: the program's own connection is recorded too
        escenario_.emplace();
    }
    void cleanup()
    {
        escenario_.reset();
        oracle_.reset();
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
        if (oracle)
            testsupport::OpenMainOnOracle(testsupport::VoucherFixture::kDb);
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
        // What reached the engine, a batch cut at its line breaks; Oracle refused nothing.
        QCOMPARE(oracle_->refused(), QStringList());
        const QStringList inserts = movementInserts(oracle_->received().join(QLatin1Char('\r')).split(QLatin1Char('\r')));
        QCOMPARE(inserts.size(), 3 / filasPorInsert);
        for (const QString& insert : inserts)
            QCOMPARE(rowsOf(insert), filasPorInsert);
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), kMovimientos);
        QCOMPARE(db.Lineas(QStringLiteral("RM"), p.id).size(), 2);
    }

    // At once, what reads the stored numbers and lots: a kit's components under an
    // internal voucher of the next number, and an adjustment under the next automatic lot.
    void kitsAndAutomaticLotsAtOnce()
    {
        PostingDb db({QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, Cantidad) "
                                     "VALUES ('AJP', '000100000001X', 1, 'FRA500', '   1', '%1', 3)")
                          .arg(QStringLiteral("41").rightJustified(25))});
        testsupport::OpenMainOnOracle(testsupport::VoucherFixture::kDb);
        db.db.SetConfig(QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
        const int libro = db.LibroPE();
        testsupport::ScriptedOperator op;
        ClsCmnCptes c;
        ui::FlexGrid kit;
        Llena(kit, {Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"), QStringLiteral("4200"))});
        Posteo rm;
        rm.run(c, kit);
        QVERIFY(!rm.hayError);
        ui::FlexGrid ajuste;
        Llena(ajuste, {Linea(QStringLiteral("FRA500"), QStringLiteral("5"))});
        Posteo ajp;
        ajp.tc = QStringLiteral("AJP");
        ajp.id = QStringLiteral("000100000100X");
        ajp.run(c, ajuste);
        QVERIFY(!ajp.hayError);
        QCOMPARE(oracle_->refused(), QStringList());
        QVERIFY(db.LibroPE() > libro);
        QVERIFY(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND IdComprobante_Origen = '000100000100R'")) > 0);
        QCOMPARE(db.Movimientos(QStringLiteral("AJP"), ajp.id), (QList<Mov>{{"FRA500", "42", "", "1", 5, 5}}));
    }

    // An invoice received from a purchase order marks the order received, at once and
    // collected, on Oracle and elsewhere: its first invoice gives the order its date, a
    // later one leaves it, and an order received before keeps the date it had.
    void orderReceptionDate_data() { statementsOfThePosting_data(); }
    void orderReceptionDate()
    {
        QFETCH(bool, oracle);
        QFETCH(bool, recoger);
        PostingDb db({QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA) "
                                     "VALUES ('OC  ', '000100000077X', '210101', '2026-12-10 00:00:00')"),
                      QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA, FechaRecepcion) "
                                     "VALUES ('OC  ', '000100000078X', '210101', '2026-12-10 00:00:00', '2026-12-12 00:00:00')")});
        if (oracle)
            testsupport::OpenMainOnOracle(testsupport::VoucherFixture::kDb);
        testsupport::ScriptedOperator op;   // a refused statement would be told
        ClsCmnCptes c;
        const struct {
            const char* factura;
            const char* orden;
            const char* fecha;
        } facturas[] = {{"000100000301A", "000100000077X", "15/12/2026"},
                        {"000100000302A", "000100000077X", "16/12/2026"},
                        {"000100000303A", "000100000078X", "16/12/2026"}};
        for (const auto& f : facturas) {
            ui::FlexGrid g;
            Llena(g, {Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
            Posteo p;
            p.tc = QStringLiteral("FCC");
            p.id = QString::fromLatin1(f.factura);
            p.fecha = QString::fromLatin1(f.fecha);
            p.tcOrigen = QStringLiteral("OC");
            p.cpteOrigen = QString::fromLatin1(f.orden);
            p.recoger = recoger;
            p.run(c, g);
            QVERIFY(!p.hayError);
            if (recoger)
                QCOMPARE(PostingDb::Corre(p.sqlTemp), QString());
            QCOMPARE(db.Movimientos(QStringLiteral("FCC"), p.id), (QList<Mov>{{"IBU400", "", "", "1", 5, 5}}));
        }
        QCOMPARE(oracle_->refused(), QStringList());
        auto recibida = [&db](const char* orden) {
            return db.db.Scalar(QStringLiteral("SELECT FechaRecepcion FROM C_MV_CPTE WHERE IDCOMPROBANTE = '%1'").arg(QLatin1String(orden)))
                .toDateTime();
        };
        QCOMPARE(recibida("000100000077X"), QDateTime(QDate(2026, 12, 15), QTime(0, 0)));
        QCOMPARE(recibida("000100000078X"), QDateTime(QDate(2026, 12, 12), QTime(0, 0)));
    }

private:
    std::optional<stocktest::Escenario> escenario_;
    std::optional<testsupport::OracleStandIn> oracle_;
};

TESTSUPPORT_MAIN(TstStockPostingOracle)
#include "tst_stock_posting_oracle.moc"
