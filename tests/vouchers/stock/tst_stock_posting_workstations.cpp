// Several workstations posting stock at once on one SQLite file, each a process of its
// own: the automatic lots, the internal "PE" vouchers and the entry numbers that the
// postings take inside their transactions are never shared and never skipped, whether
// the postings run at once or are collected and their batch run later, when the
// statements take their numbers; and a kit's components drawn from their lots as the
// stock stands when the batch runs, whatever another workstation posted since the collect.
#include "RunWorkstations.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

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

        // The kits' paracetamol went out lot by lot: every lot emptied, none below 0, the
        // rest of the 45 without lot.
        QCOMPARE(stocktest::Paracetamol(db), (QList<double>{0, 0, 0, 0, -10}));

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

    // A kit of six collected, and before its batch runs another workstation posts six
    // kits at once: the batch draws the paracetamol from the lots as that workstation
    // left them, the last 3 of L-2511 and 3 of L-2602, as a posting at once would.
    void kitCollectedWhileAnotherPostsAtOnce()
    {
        stocktest::Escenario escenario;
        stocktest::PostingDb db;
        testsupport::ScriptedOperator operador;
        ui::FlexGrid g;
        stocktest::Llena(g, {stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("6"), QStringLiteral("4200"))});
        stocktest::Posteo p;
        p.recoger = true;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(!p.hayError);
        // Six delivery notes of one kit each, beside their adjustments.
        const QString fallo = stocktest::RunWorkstation(QStringLiteral(WORKSTATION_EXE), db.db, 6, 12);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QCOMPARE(stocktest::Paracetamol(db.db), (QList<double>{3, 11, 10, 5, 0}));
        QCOMPARE(stocktest::PostingDb::Corre(p.sqlTemp), QString());
        QCOMPARE(stocktest::Paracetamol(db.db), (QList<double>{0, 8, 10, 5, 0}));
    }
};

TESTSUPPORT_MAIN(TstStockPostingWorkstations)
#include "tst_stock_posting_workstations.moc"
