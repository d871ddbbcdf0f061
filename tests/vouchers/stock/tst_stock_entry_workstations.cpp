// Several workstations posting stock entries at once on one SQLite file, each a process
// of its own: an entry number read inside the transaction that writes the entry is never
// shared by two vouchers, and none is skipped.
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using testsupport::VoucherFixture;

class TstStockEntryWorkstations : public QObject {
    Q_OBJECT

private slots:
    void threeWorkstationsPostAtOnce()
    {
        VoucherFixture db;
        db.SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
        const int perWorkstation = 40;
        std::vector<std::unique_ptr<QProcess>> ws;
        for (int w = 0; w < 3; ++w) {
            auto p = std::make_unique<QProcess>();
            p->setProgram(QStringLiteral(WORKSTATION_EXE));
            p->setArguments({db.folder.path(), VoucherFixture::kDb, QString::number(1000 * (w + 1)), QString::number(perWorkstation)});
            p->start();
            ws.push_back(std::move(p));
        }
        for (auto& p : ws) {
            QVERIFY(p->waitForFinished(180000));
            QCOMPARE(p->exitCode(), 0);
            const QString out = QString::fromUtf8(p->readAllStandardOutput());
            QVERIFY2(out.contains(QStringLiteral("POSTED %1 BOXES 0").arg(perWorkstation)),
                     qPrintable(out + QString::fromUtf8(p->readAllStandardError())));
        }
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
