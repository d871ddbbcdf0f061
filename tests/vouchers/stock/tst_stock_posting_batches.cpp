// Several collected postings run in one batch of the caller, as a voucher form saves
// several vouchers (or one voucher in several calls) in one transaction: every number the
// statements carry is taken when the batch runs, so that no two of them share one. Entry
// numbers, the line sequences of one voucher's entry and its header total, the internal
// "PE" vouchers (with their book and without one), a production order's movement
// sequence and the automatic lot (of any width); and the lots a kit's components are
// drawn from, read as the batch finds them. On SQLite and on an Oracle connection (the
// stand-in), which must refuse none of the statements.
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

// One voucher of the batch: its call and its lines.
struct Llamado {
    QString tc;
    QString id;
    QList<Renglon> renglones;
};

} // namespace

Q_DECLARE_METATYPE(QList<Llamado>)

class TstStockPostingBatches : public QObject {
    Q_OBJECT

    // The call of one voucher of the batch, its lines written into `g`.
    static Posteo llamada(const Llamado& l, ui::FlexGrid& g)
    {
        Llena(g, l.renglones);
        Posteo p;
        p.tc = l.tc;
        p.id = l.id;
        return p;
    }

    // The statements of each call collected, one after the other, as one batch; nothing
    // is written before it runs. Empty when something failed (the test has failed then).
    QString recoge(PostingDb& db, const QList<Llamado>& llamados)
    {
        QString lote;
        const int antes = db.MovimientosGuardados();
        const int lineas = db.LineasGuardadas();
        for (const Llamado& l : llamados) {
            ui::FlexGrid g;
            Posteo p = llamada(l, g);
            p.recoger = true;
            p.sqlTemp = lote;
            ClsCmnCptes c;
            p.run(c, g);
            if (p.hayError) {
                QTest::qFail("a collect failed", __FILE__, __LINE__);
                return {};
            }
            lote = p.sqlTemp;
        }
        if (db.MovimientosGuardados() != antes || db.LineasGuardadas() != lineas) {
            QTest::qFail("collecting wrote rows", __FILE__, __LINE__);
            return {};
        }
        return lote;
    }

    // Each call posted at once, one after the other; "" when every one went as it should.
    static QString postea(PostingDb& db, const QList<Llamado>& llamados)
    {
        for (const Llamado& l : llamados) {
            ui::FlexGrid g;
            Posteo p = llamada(l, g);
            if (const QString falla = db.Postea(p, g, false); !falla.isEmpty())
                return l.id + QStringLiteral(": ") + falla;
        }
        return {};
    }

    // Each voucher's entry: balanced, lines numbered 1..n, one entry number of its own,
    // every line with the header total of its debit side. The entry numbers by voucher.
    static QMap<QString, int> entradasSanas(PostingDb& db, const QStringList& vouchers)
    {
        QMap<QString, int> numeros;
        for (const QString& v : vouchers) {
            const QString tc = v.section(QLatin1Char(' '), 0, 0);
            const QString id = v.section(QLatin1Char(' '), 1, 1);
            const QString del = QStringLiteral(" FROM MV_ASIENTOS WHERE ") + DelComprobante(tc, id);
            const QList<Asiento> lineas = db.Lineas(tc, id);
            if (lineas.isEmpty())
                QTest::qFail(qPrintable(v + QStringLiteral(" has no entry")), __FILE__, __LINE__);
            double debe = 0;
            double haber = 0;
            for (int i = 0; i < lineas.size(); ++i) {
                (lineas[i].lado == QLatin1String("D") ? debe : haber) += lineas[i].importe;
                if (lineas[i].secuencia != i + 1)
                    QTest::qFail(qPrintable(v + QStringLiteral(": lines ") + Show(lineas)), __FILE__, __LINE__);
            }
            if (qAbs(debe - haber) > 0.00001)
                QTest::qFail(qPrintable(v + QStringLiteral(" does not balance: ") + Show(lineas)), __FILE__, __LINE__);
            if (db.db.Query(QStringLiteral("SELECT DISTINCT CABImporte") + del).size() != 1
                || qAbs(db.CabImporte(tc, id).toDouble() - debe) > 0.00001)
                QTest::qFail(qPrintable(v + QStringLiteral(": the header total is not the debit side")), __FILE__, __LINE__);
            const auto asientos = db.db.Query(QStringLiteral("SELECT DISTINCT [NUMERO ASIENTO]") + del);
            if (asientos.size() != 1)
                QTest::qFail(qPrintable(v + QStringLiteral(" has several entry numbers")), __FILE__, __LINE__);
            else
                numeros.insert(v, asientos[0][0].toInt());
        }
        return numeros;
    }

    // The main connection on the engine of the round: the Oracle stand-in's or SQLite's.
    void enMotor()
    {
        const bool oracle = testsupport::OnOracle();
        if (oracle)
            testsupport::OpenMainOnOracle(testsupport::VoucherFixture::kDb);
        QCOMPARE(gDBPrincipal->IsOracleConnection(), oracle);
    }

private slots:
    void initTestCase_data() { testsupport::EngineRows(); }
    void init()
    {
        oracle_.emplace();   // first: the program's own connection is recorded too
        escenario_.emplace();
        operador_.emplace();   // a message would be a failure told, never a wait
    }
    void cleanup()
    {
        const QStringList refused = oracle_->refused();
        operador_.reset();
        escenario_.reset();
        oracle_.reset();
        QCOMPARE(refused, QStringList());
    }

    // Two kit vouchers, and two calls on one voucher, in one batch: it commits once; each
    // voucher has one entry of its own, whose lines follow each other; each call's
    // components go out under an internal voucher of their own, and the book follows the
    // last one. With the book and without one.
    void severalCollectsInOneBatch_data()
    {
        QTest::addColumn<QList<Llamado>>("llamados");
        QTest::addColumn<bool>("libro");
        QTest::addColumn<QStringList>("internos");   // each PE voucher's origin, in number order
        const QList<Llamado> dosVouchers{{"RM", "000100000100R", {Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"), QStringLiteral("4200"))}},
                                         {"RM", "000100000101R", {Linea(QStringLiteral("BOTIQ"), QStringLiteral("2"), QStringLiteral("4200"))}}};
        const QList<Llamado> unVoucher{{"RM", "000100000100R", {Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"), QStringLiteral("4200"))}},
                                       {"RM", "000100000100R",
                                        {Linea(QStringLiteral("IBU400"), QStringLiteral("2"), QStringLiteral("1850")),
                                         Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"), QStringLiteral("4200"))}}};
        QTest::newRow("two vouchers") << dosVouchers << true << QStringList{"000100000100R", "000100000101R"};
        QTest::newRow("two calls on one voucher") << unVoucher << true << QStringList{"000100000100R", "000100000100R"};
        QTest::newRow("two vouchers, no book") << dosVouchers << false << QStringList{"000100000100R", "000100000101R"};
    }
    void severalCollectsInOneBatch()
    {
        QFETCH(QList<Llamado>, llamados);
        QFETCH(bool, libro);
        QFETCH(QStringList, internos);
        PostingDb db(libro ? QStringList() : QStringList{QStringLiteral("DELETE FROM V_TA_CPTE WHERE CODIGO = 'PE'")});
        enMotor();
        const QString lote = recoge(db, llamados);
        QVERIFY(!lote.isEmpty());
        // The project's own unique index on the entry lines holds.
        QCOMPARE(PostingDb::Corre(lote), QString());

        QStringList vouchers;
        for (const Llamado& l : llamados)
            vouchers << l.tc + QLatin1Char(' ') + l.id;
        vouchers.removeDuplicates();
        const QMap<QString, int> numeros = entradasSanas(db, vouchers);
        QCOMPARE(QSet<int>(numeros.cbegin(), numeros.cend()).size(), vouchers.size());

        // One internal voucher per call, numbered 1, 2, of one origin each.
        const auto pe = db.db.Query(QStringLiteral("SELECT IdComprobante, COUNT(DISTINCT IdComprobante_Origen), MIN(IdComprobante_Origen) "
                                                   "FROM V_MV_STOCK WHERE TC = 'PE' GROUP BY IdComprobante ORDER BY IdComprobante"));
        QCOMPARE(pe.size(), internos.size());
        for (int i = 0; i < pe.size(); ++i) {
            QCOMPARE(pe[i][0].toString(), QStringLiteral("0001%1X").arg(i + 1, 8, 10, QLatin1Char('0')));
            QCOMPARE(pe[i][1].toInt(), 1);
            QCOMPARE(pe[i][2].toString(), internos[i]);
        }
        if (libro)
            QCOMPARE(db.LibroPE(), int(internos.size()) + 1);
    }

    // Two calls on one voucher make the entry that one call of all their lines makes,
    // also for a user whose statements read the restricted view of the entry lines.
    void twoCallsMakeTheEntryOfOne_data()
    {
        QTest::addColumn<bool>("restringido");
        QTest::newRow("every line in sight") << false;
        QTest::newRow("a user under confidentiality") << true;
    }
    void twoCallsMakeTheEntryOfOne()
    {
        QFETCH(bool, restringido);
        struct Confidencialidad {
            explicit Confidencialidad(bool on) { gConfidencialidad = on; }
            ~Confidencialidad() { gConfidencialidad = false; }
        } confidencialidad(restringido);
        const Renglon ibu = Linea(QStringLiteral("IBU400"), QStringLiteral("2"), QStringLiteral("1850"));
        const Renglon fra = Linea(QStringLiteral("FRA500"), QStringLiteral("3"), QStringLiteral("120"));
        PostingDb db;
        enMotor();
        gDBPrincipal->gEsAdmin = !restringido;
        const QString lote = recoge(db, {{"RM", "000100000100R", {ibu}}, {"RM", "000100000100R", {fra, ibu}},
                                         {"RM", "000100000101R", {ibu, fra, ibu}}});
        QCOMPARE(PostingDb::Corre(lote), QString());
        entradasSanas(db, {QStringLiteral("RM 000100000100R"), QStringLiteral("RM 000100000101R")});
        const QList<Asiento> dos = db.Lineas(QStringLiteral("RM"), QStringLiteral("000100000100R"));
        const QList<Asiento> una = db.Lineas(QStringLiteral("RM"), QStringLiteral("000100000101R"));
        QVERIFY2(dos == una, qPrintable(Show(dos) + QStringLiteral(" / ") + Show(una)));
    }

    // A production order collected in two stages in one batch: the second stage's
    // movements follow the first's (the highest stored + 2, as a second posting does).
    void productionOrderInTwoStagesOfOneBatch()
    {
        PostingDb db;
        enMotor();
        const QList<Renglon> etapa{Hecho(QStringLiteral("ALC70"), QStringLiteral("10"), QStringLiteral("780")),
                                   Linea(QStringLiteral("FRA500"), QStringLiteral("10"), QStringLiteral("120"))};
        const QString lote = recoge(db, {{"OP", "000100000003X", etapa}, {"OP", "000100000003X", etapa}});
        QCOMPARE(PostingDb::Corre(lote), QString());
        const auto rows = db.db.Query(QStringLiteral("SELECT Secuencia FROM V_MV_STOCK WHERE TC = 'OP' AND IdComprobante = '000100000003X' "
                                                     "ORDER BY Secuencia"));
        QList<int> secuencias;
        for (const QVariantList& r : rows)
            secuencias << r[0].toInt();
        QCOMPARE(secuencias, (QList<int>{1, 2, 4, 5}));
    }

    // Two adjustments that take automatic lots, collected into one batch: each comes in
    // under a lot of its own, above the greatest stored, the same for all its lines.
    void automaticLotsOfOneBatch()
    {
        PostingDb db({QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, Cantidad) "
                                     "VALUES ('AJP', '000100000001X', 1, 'FRA500', '   1', '%1', 3)")
                          .arg(QStringLiteral("41").rightJustified(25))});
        enMotor();
        db.db.SetConfig(QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
        const QList<Renglon> lineas{Linea(QStringLiteral("FRA500"), QStringLiteral("5")), Linea(QStringLiteral("IBU400"), QStringLiteral("2"))};
        const QString lote = recoge(db, {{"AJP", "000100000100X", lineas}, {"AJP", "000100000101X", lineas}, {"AJP", "000100000100X", lineas}});
        QCOMPARE(PostingDb::Corre(lote), QString());
        const auto rows = db.db.Query(QStringLiteral("SELECT IdComprobante, TRIM(NroLote), COUNT(*) FROM V_MV_STOCK WHERE TC = 'AJP' AND "
                                                     "IdComprobante IN ('000100000100X', '000100000101X') GROUP BY IdComprobante, NroLote ORDER BY 2"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (QVariantList{QStringLiteral("000100000100X"), QStringLiteral("42"), 2}));
        QCOMPARE(rows[1], (QVariantList{QStringLiteral("000100000101X"), QStringLiteral("43"), 2}));
        QCOMPARE(rows[2], (QVariantList{QStringLiteral("000100000100X"), QStringLiteral("44"), 2}));
        // Every lot stored is right-aligned at the lot's width, as an automatic lot is.
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'AJP' AND LENGTH(NroLote) <> 25")), 0);
    }

    // Kits posted one after the other take their component from its lots as the stock
    // stands when their statements run: collected into one batch as at once, the demo's
    // paracetamol (L-2511 9, L-2602 11, P2611A 10, P2612B 5) is drawn lot by lot in lot
    // order, no lot below 0 while another has stock, and what the lots lack goes out
    // without lot.
    void kitLotsAsTheStockStands_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QList<Llamado>>("llamados");
        QTest::addColumn<QList<double>>("saldos");   // L-2511, L-2602, P2611A, P2612B, no lot
        const Renglon seis = Linea(QStringLiteral("BOTIQ"), QStringLiteral("6"), QStringLiteral("4200"));
        const Renglon veinte = Linea(QStringLiteral("BOTIQ"), QStringLiteral("20"), QStringLiteral("4200"));
        const QList<Llamado> dosRemitos{{"RM", "000100000100R", {seis}}, {"RM", "000100000101R", {seis}}};
        const QList<Llamado> unRemitoDosVeces{{"RM", "000100000100R", {seis}}, {"RM", "000100000100R", {seis}}};
        const QList<Llamado> masQueLosLotes{{"RM", "000100000100R", {veinte}}, {"RM", "000100000101R", {veinte}}};
        const QList<Llamado> dosRenglones{{"RM", "000100000100R", {seis, seis}}, {"RM", "000100000101R", {seis}}};
        for (const bool recoger : {false, true}) {
            const char* modo = recoger ? "collected into one batch" : "at once";
            QTest::addRow("two delivery notes, %s", modo) << recoger << dosRemitos << QList<double>{0, 8, 10, 5, 0};
            QTest::addRow("one delivery note twice, %s", modo) << recoger << unRemitoDosVeces << QList<double>{0, 8, 10, 5, 0};
            QTest::addRow("more than the lots hold, %s", modo) << recoger << masQueLosLotes << QList<double>{0, 0, 0, 0, -5};
            QTest::addRow("two lines and a note, %s", modo) << recoger << dosRenglones << QList<double>{0, 2, 10, 5, 0};
        }
    }
    void kitLotsAsTheStockStands()
    {
        QFETCH(bool, recoger);
        QFETCH(QList<Llamado>, llamados);
        QFETCH(QList<double>, saldos);
        PostingDb db;
        enMotor();
        const double antes = db.db.Scalar(QStringLiteral("SELECT SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES WHERE IDARTICULO = 'PARA500' "
                                                         "AND IDDEPOSITO = '   1'"))
                                 .toDouble();
        if (recoger) {
            const QString lote = recoge(db, llamados);
            QVERIFY(!lote.isEmpty());
            QCOMPARE(PostingDb::Corre(lote), QString());
        } else {
            QCOMPARE(postea(db, llamados), QString());
        }
        double kits = 0;
        for (const Llamado& l : llamados)
            for (const Renglon& r : l.renglones)
                kits += r.value(ColArticulo::Cantidad).toDouble();
        QCOMPARE(Paracetamol(db.db), saldos);
        // The component's total: one a kit.
        QCOMPARE(db.db.Scalar(QStringLiteral("SELECT SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES WHERE IDARTICULO = 'PARA500' AND "
                                             "IDDEPOSITO = '   1'"))
                     .toDouble(),
                 antes - kits);
        // Every row the internal vouchers wrote takes something; each voucher's rows are
        // numbered 1..n, a component's lots before what it takes without lot.
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND (Cantidad = 0 OR CantidadUD = 0 "
                                          "OR NroLote LIKE '~%')")),
                 0);
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM (SELECT IdComprobante FROM V_MV_STOCK WHERE TC = 'PE' GROUP BY IdComprobante "
                                          "HAVING MIN(Secuencia) <> 1 OR MAX(Secuencia) <> COUNT(*) OR COUNT(DISTINCT Secuencia) <> COUNT(*))")),
                 0);
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK s JOIN V_MV_STOCK c ON c.TC = s.TC AND c.IdComprobante = "
                                          "s.IdComprobante AND c.IdArticulo = s.IdArticulo WHERE s.TC = 'PE' AND s.NroLote IS NULL AND "
                                          "c.NroLote IS NOT NULL AND c.Secuencia > s.Secuencia")),
                 0);
    }

    // The automatic lot is one above the greatest automatic lot as a whole number, of any
    // width the lot holds (a typed lot with zeros in front counts by its value): two
    // adjustments take the next two numbers exactly, at once, collected into one batch
    // and collected each into its own.
    void automaticLotOfAnyWidth_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QStringList>("siguientes");
        const QList<QPair<const char*, QStringList>> lotes{
            {"12345678901234567890", {"12345678901234567891", "12345678901234567892"}},
            {"9223372036854775807", {"9223372036854775808", "9223372036854775809"}},
            {"00012345678901234567890", {"12345678901234567891", "12345678901234567892"}},
            {"999999999999", {"1000000000000", "1000000000001"}},
            {"1999999999999999999998", {"1999999999999999999999", "2000000000000000000000"}},
        };
        for (const char* modo : {"at once", "one batch", "two batches"})
            for (const auto& [guardado, siguientes] : lotes)
                QTest::addRow("after %s, %s", guardado, modo) << QString::fromLatin1(guardado) << QString::fromLatin1(modo) << siguientes;
    }
    void automaticLotOfAnyWidth()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, modo);
        QFETCH(QStringList, siguientes);
        PostingDb db({QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, Cantidad) "
                                     "VALUES ('AJP', '000100000001X', 1, 'FRA500', '   1', '%1', 3)")
                          .arg(guardado.rightJustified(25))});
        enMotor();
        db.db.SetConfig(QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
        const QList<Renglon> lineas{Linea(QStringLiteral("FRA500"), QStringLiteral("5")), Linea(QStringLiteral("IBU400"), QStringLiteral("2"))};
        const QList<Llamado> llamados{{"AJP", "000100000100X", lineas}, {"AJP", "000100000101X", lineas}};
        if (modo == QLatin1String("at once")) {
            QCOMPARE(postea(db, llamados), QString());
        } else if (modo == QLatin1String("one batch")) {
            QCOMPARE(PostingDb::Corre(recoge(db, llamados)), QString());
        } else {
            for (const Llamado& l : llamados)
                QCOMPARE(PostingDb::Corre(recoge(db, {l})), QString());
        }
        for (int i = 0; i < llamados.size(); ++i) {
            const auto rows = db.db.Query(QStringLiteral("SELECT DISTINCT NroLote FROM V_MV_STOCK WHERE TC = 'AJP' AND IdComprobante = '%1'")
                                              .arg(llamados[i].id));
            QCOMPARE(rows.size(), 1);
            // Stored as an automatic lot is: right-aligned at the lot's width.
            QCOMPARE(rows[0][0].toString(), siguientes[i].rightJustified(25));
        }
    }

private:
    std::optional<testsupport::OracleStandIn> oracle_;
    std::optional<stocktest::Escenario> escenario_;
    std::optional<testsupport::ScriptedOperator> operador_;
};

TESTSUPPORT_MAIN(TstStockPostingBatches)
#include "tst_stock_posting_batches.moc"
