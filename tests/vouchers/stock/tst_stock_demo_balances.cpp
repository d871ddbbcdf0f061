// The demo's stock and the stock a posting writes net in the balances: after two kit
// vouchers discharge gloves by size code and paracetamol by lot, each lot shows one
// balance, the lots offered are those that still have stock, and the balances by lot
// and by serial count the demo's rows.
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/Stock.h"

#include <QTest>

using namespace stocktest;

namespace {

// The balance of each lot of an article in deposit 1, over its positions and serials.
QMap<QString, double> lotes(const PostingDb& db, const QString& articulo)
{
    QMap<QString, double> out;
    const auto rows = db.db.Query(QStringLiteral("SELECT TRIM(NroLote), SUM(CANTIDAD) FROM STK_SERIES_Y_LOTES WHERE IDARTICULO = '%1' "
                                                 "AND IDDEPOSITO = '   1' AND NOT NroLote IS NULL GROUP BY TRIM(NroLote)")
                                      .arg(articulo));
    for (const QVariantList& r : rows)
        out.insert(r[0].toString(), r[1].toDouble());
    return out;
}

double porLote(const QString& articulo, const QString& lote)
{
    ClsCmnCptes c;
    QString deposito = QStringLiteral("1");
    QString unidad = QStringLiteral("UN");
    return c.ObtieneStock(articulo, deposito, lote, QStringLiteral("Ignorar"), QString(), unidad);
}

} // namespace

class TstStockDemoBalances : public QObject {
    Q_OBJECT

private slots:
    void init() { escenario_.emplace(); }
    void cleanup() { escenario_.reset(); }

    // Before any posting: the lot and serial balances count every demo row.
    void demoAsStored()
    {
        PostingDb db;
        QCOMPARE(porLote(QStringLiteral("PARA500"), QString()), 35.0);
        QCOMPARE(porLote(QStringLiteral("TERMDIG"), QString()), 4.0);
        QCOMPARE(porLote(QStringLiteral("GUANTE"), QStringLiteral("L-CELESTE-U")), 40.0);
        // One row per lot and position; serials without lot, lots without serial.
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE NroLote = '' OR NroSerie = ''")), 0);
    }

    void afterTwoKits_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::newRow("at once") << false;
        QTest::newRow("collected") << true;
    }
    void afterTwoKits()
    {
        QFETCH(bool, recoger);
        PostingDb db;
        // Two delivery notes of 12 kits: 24 gloves and 12 packs of paracetamol each.
        for (const QString& id : {QStringLiteral("000100000100R"), QStringLiteral("000100000101R")}) {
            ui::FlexGrid g;
            Llena(g, {Linea(QStringLiteral("BOTIQ"), QStringLiteral("12"), QStringLiteral("4200"))});
            Posteo p;
            p.id = id;
            p.motivo = QStringLiteral("2");
            const QString falla = db.Postea(p, g, recoger);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
        }
        // Gloves go lot by lot: the 40 light blue ones, then 8 of the medium ones.
        const QMap<QString, double> guantes{{"L-CELESTE-U", 0}, {"M-BLANCO-U", 72}, {"S-BLANCO-U", 50}};
        QCOMPARE(lotes(db, QStringLiteral("GUANTE")), guantes);
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM STK_SERIES_Y_LOTES WHERE TRIM(NroLote) = 'L-CELESTE-U'")), 1);
        QCOMPARE(porLote(QStringLiteral("GUANTE"), QStringLiteral("L-CELESTE-U")), 0.0);
        // Paracetamol lot by lot over the lot's shelves: 9 + 3, then 8 + 4.
        const QMap<QString, double> paracetamol{{"L-2511", 0}, {"L-2602", 0}, {"P2611A", 6}, {"P2612B", 5}};
        QCOMPARE(lotes(db, QStringLiteral("PARA500")), paracetamol);
        QCOMPARE(porLote(QStringLiteral("PARA500"), QString()), 11.0);
        QCOMPARE(porLote(QStringLiteral("TERMDIG"), QString()), 4.0);
        // What is offered next comes from the lots that still have stock.
        QVector<RegArticuloCantidad> ofrecidos;
        QVERIFY(ArticuloTieneLotes(QStringLiteral("GUANTE"), QStringLiteral("'   1'"), ofrecidos, 30));
        QCOMPARE(ofrecidos.size(), 1);
        QCOMPARE(vb::Trim(ofrecidos[0].Codigo), QStringLiteral("M-BLANCO-U"));
        QCOMPARE(ofrecidos[0].Cantidad, 30.0);
        // The unit balances agree with the lot balances.
        QCOMPARE(db.db.Scalar(QStringLiteral("SELECT STOCK FROM STK_SALDOS_UNIDADES WHERE IDARTICULO = 'GUANTE' AND IDDEPOSITO = '   1'")).toDouble(),
                 122.0);
        QCOMPARE(db.db.Scalar(QStringLiteral("SELECT STOCK FROM STK_SALDOS_UNIDADES WHERE IDARTICULO = 'PARA500' AND IDDEPOSITO = '   1'")).toDouble(),
                 11.0);
    }

private:
    std::optional<stocktest::Escenario> escenario_;
};

TESTSUPPORT_MAIN(TstStockDemoBalances)
#include "tst_stock_demo_balances.moc"
