// Several workstations posting stock entries at once on one SQLite file, each a process
// of its own: an entry number read inside the transaction that writes the entry is never
// shared by two vouchers, and none is skipped.
#include "RunWorkstations.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"

#include <QTest>

using testsupport::VoucherFixture;

class TstStockEntryWorkstations : public QObject {
    Q_OBJECT

private slots:
    void threeWorkstationsPostAtOnce()
    {
        VoucherFixture db;
        db.SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
        const int perWorkstation = 40;
        const QString fallo = stocktest::RunThreeWorkstations(QStringLiteral(WORKSTATION_EXE), db, perWorkstation, perWorkstation);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        const int vouchers = 3 * perWorkstation;
        auto count = [&](const QString& sql) { return db.Scalar(sql).toInt(); };
        // Every voucher: three lines under one entry number, each number one voucher's.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC = 'RM'")), 3 * vouchers);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Numero FROM MV_ASIENTOS WHERE TC = 'RM' GROUP BY Numero "
                                      "HAVING COUNT(DISTINCT [NUMERO ASIENTO]) <> 1)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE TC = 'RM' "
                                      "GROUP BY [NUMERO ASIENTO] HAVING COUNT(DISTINCT Numero) <> 1)")),
                 0);
        // The stock sub-journal's numbers of the month run from 1 without a gap.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT [NUMERO ASIENTO]) FROM MV_ASIENTOS WHERE Tipo_Reg = 'STK' AND Mes_Operativo = 12")),
                 vouchers);
        QCOMPARE(count(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) FROM MV_ASIENTOS WHERE Tipo_Reg = 'STK' AND Mes_Operativo = 12")),
                 vouchers);
    }
};

TESTSUPPORT_MAIN(TstStockEntryWorkstations)
#include "tst_stock_entry_workstations.moc"
