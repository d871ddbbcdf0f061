// Several workstations posting stock at once on one SQLite file, each a process of its
// own: the automatic lots, the internal "PE" vouchers and the entry numbers that the
// postings take inside their transactions are never shared and never skipped, whether
// the postings run at once or are collected and their batch run later, when the
// statements take their numbers.
#include "RunWorkstations.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"

#include <QTest>

using testsupport::VoucherFixture;

class TstStockPostingWorkstations : public QObject {
    Q_OBJECT

private slots:
    void threeWorkstationsPostAtOnce_data()
    {
        QTest::addColumn<QString>("modo");
        QTest::newRow("at once") << QString();
        QTest::newRow("collected, one batch per voucher") << QStringLiteral("recoger");
    }
    void threeWorkstationsPostAtOnce()
    {
        QFETCH(QString, modo);
        VoucherFixture db;
        db.SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
        db.SetConfig(QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
        const int perWorkstation = 15;
        const QString fallo =
            stocktest::RunThreeWorkstations(QStringLiteral(WORKSTATION_EXE), db, perWorkstation, 2 * perWorkstation, modo);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        const int vouchers = 3 * perWorkstation;
        auto count = [&](const QString& sql) { return db.Scalar(sql).toInt(); };

        // Every adjustment came in under a lot of its own, numbered 1, 2, 3, ...
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT NroLote) FROM V_MV_STOCK WHERE TC = 'AJP' AND "
                                      "IdComprobante BETWEEN '000100001000X' AND '000100003999X'")),
                 vouchers);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT NroLote FROM V_MV_STOCK WHERE TC = 'AJP' AND NroLote LIKE ' %' GROUP BY NroLote "
                                      "HAVING COUNT(DISTINCT IdComprobante) <> 1)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT MAX(CAST(TRIM(NroLote) AS INTEGER)) FROM V_MV_STOCK WHERE TC = 'AJP'")), vouchers);

        // Every kit went out under an internal voucher of its own, numbered 1, 2, 3, ...,
        // and the book's next number follows the last.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT IdComprobante) FROM V_MV_STOCK WHERE TC = 'PE'")), vouchers);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT IdComprobante FROM V_MV_STOCK WHERE TC = 'PE' GROUP BY "
                                      "IdComprobante HAVING COUNT(DISTINCT IdComprobante_Origen) <> 1)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT MAX(CAST(SUBSTR(IdComprobante, 5, 8) AS INTEGER)) FROM V_MV_STOCK WHERE TC = 'PE'")),
                 vouchers);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'PE'")), vouchers + 1);

        // Every delivery note has its entry, each under a number of its own.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT Numero) FROM MV_ASIENTOS WHERE TC = 'RM' AND Numero >= '00001000'")),
                 vouchers);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE TC = 'RM' AND "
                                      "Numero >= '00001000' GROUP BY [NUMERO ASIENTO] HAVING COUNT(DISTINCT Numero) <> 1)")),
                 0);
        // Each entry's lines numbered 1..n, with one header total, its debit side.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Numero FROM MV_ASIENTOS WHERE TC = 'RM' AND Numero >= '00001000' "
                                      "GROUP BY Numero HAVING MIN(Secuencia) <> 1 OR MAX(Secuencia) <> COUNT(*) "
                                      "OR COUNT(DISTINCT CABImporte) <> 1 "
                                      "OR MAX(CABImporte) <> SUM(CASE WHEN [DEBE-HABER] = 'D' THEN Importe ELSE 0 END))")),
                 0);
    }
};

TESTSUPPORT_MAIN(TstStockPostingWorkstations)
#include "tst_stock_posting_workstations.moc"
