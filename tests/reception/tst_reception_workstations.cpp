// Several workstations saving at once on one SQLite file, each a process of its own
// running the real reception form: numbers are never shared, a voucher is received once,
// and a workstation killed in the middle of a save leaves nothing half-written.
#include "ReceptionTestSupport.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

using receptiontest::count;
using receptiontest::scalar;

namespace {

// One workstation process with a program folder of its own.
class Workstation {
public:
    Workstation(const testsupport::TempProgramFolder& shared, const QString& name, int rows, const QString& mode = QString())
    {
        // its own statistics database, as each workstation's start-up opens one
        QFile::copy(shared.filePath(QStringLiteral("DE_RIVAVIVUZEDI.sqlite")), folder_.filePath(QStringLiteral("DE_RIVAVIVUZEDI.sqlite")));
        process_.setProgram(QStringLiteral(WORKSTATION_EXE));
        process_.setArguments({folder_.path(), shared.filePath(receptiontest::kDb), name, QString::number(rows), mode});
        process_.start();
    }
    bool waitReady()
    {
        while (!output_.contains("READY")) {
            if (!process_.waitForReadyRead(60000))
                return false;
            output_ += process_.readAllStandardOutput();
        }
        return true;
    }
    bool finish()
    {
        const bool done = process_.waitForFinished(120000);
        output_ += process_.readAllStandardOutput();
        errors_ += process_.readAllStandardError();
        return done && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }
    void kill()
    {
        process_.kill();
        process_.waitForFinished(30000);
    }
    // The counts the workstation printed at its end; -1 when it printed none.
    int saved() const { return number(QStringLiteral("SAVED (\\d+)")); }
    int boxes() const { return number(QStringLiteral("BOXES (\\d+)")); }
    QString boxesText() const { return QString::fromUtf8(errors_); }

private:
    int number(const QString& pattern) const
    {
        const auto m = QRegularExpression(pattern).match(QString::fromUtf8(output_));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QTemporaryDir folder_;
    QProcess process_;
    QByteArray output_, errors_;
};

// The entries of the reception's voucher type against its numbering book and the
// number-control table: one number per voucher, none skipped, every number recorded.
void numberingMatchesEntries()
{
    // every entry: two lines of one voucher, one number of the month, one voucher number
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Mes_Operativo, Tipo_Reg, Periodo, [NUMERO ASIENTO] FROM MV_ASIENTOS "
                                  "GROUP BY Mes_Operativo, Tipo_Reg, Periodo, [NUMERO ASIENTO] "
                                  "HAVING COUNT(*) <> 2 OR COUNT(DISTINCT Cpte_Origen) <> 1 OR COUNT(DISTINCT Numero) <> 1)")),
             0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Numero FROM MV_ASIENTOS WHERE TC = 'MUT' "
                                  "GROUP BY Sucursal, Numero, Letra HAVING COUNT(*) <> 2 OR COUNT(DISTINCT Cpte_Origen) <> 1 "
                                  "OR COUNT(DISTINCT [NUMERO ASIENTO]) <> 1)")),
             0);
    // voucher numbers and entry numbers run from 1 without a gap
    const int vouchers = count(QStringLiteral("SELECT COUNT(DISTINCT Numero) FROM MV_ASIENTOS WHERE TC = 'MUT'"));
    QCOMPARE(count(QStringLiteral("SELECT MAX(CAST(Numero AS INTEGER)) FROM MV_ASIENTOS WHERE TC = 'MUT'")), vouchers);
    QCOMPARE(count(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) FROM MV_ASIENTOS WHERE TC = 'MUT' AND Mes_Operativo = 12")), vouchers);
    // the book's next number follows the highest number used
    QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), vouchers + 1);
    // the control table holds exactly the numbers of the entries
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT'")), vouchers);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE c WHERE TC = 'MUT' AND NOT EXISTS (SELECT 1 FROM MV_ASIENTOS a "
                                  "WHERE a.TC = c.TC AND a.Sucursal = c.SUCURSAL AND a.Numero = c.NUMERO AND a.Letra = c.LETRA)")),
             0);
}

} // namespace

class TstReceptionWorkstations : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TempProgramFolder> shared;

private slots:
    void init()
    {
        frametest::ResetProgram();
        shared = std::make_unique<testsupport::TempProgramFolder>();
        frametest::CreateDemoDatabases(*shared);
    }
    void cleanup()
    {
        shared.reset();
        frametest::ResetProgram();
    }

    // Three workstations, a hundred rows each, all at once.
    void threeWorkstationsSaveAtOnce()
    {
        std::vector<std::unique_ptr<Workstation>> ws;
        for (const char* name : {"WSA", "WSB", "WSC"})
            ws.push_back(std::make_unique<Workstation>(*shared, QString::fromLatin1(name), 100));
        for (auto& w : ws) {
            QVERIFY(w->finish());
            QCOMPARE(w->saved(), 100);
            QVERIFY2(w->boxes() == 0, qPrintable(w->boxesText()));
        }
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL LIKE 'WS%'")), 300);
        // every row carries its two entry lines
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES m WHERE (SELECT COUNT(*) FROM MV_ASIENTOS a "
                                      "WHERE a.TC_Origen = 'Mutl' AND a.Cpte_Origen = m.IDMUTUAL AND a.CuentaOrigen = m.CUENTA) <> 2")),
                 0);
        numberingMatchesEntries();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
    }

    // The same twenty vouchers typed on three workstations at once: each is received
    // once; the other two workstations are told who received it.
    void aVoucherIsReceivedOnce()
    {
        std::vector<std::unique_ptr<Workstation>> ws;
        for (const char* name : {"WSA", "WSB", "WSC"})
            ws.push_back(std::make_unique<Workstation>(*shared, QString::fromLatin1(name), 20, QStringLiteral("shared")));
        int saved = 0, boxes = 0;
        for (auto& w : ws) {
            QVERIFY(w->finish());
            saved += w->saved();
            boxes += w->boxes();
            for (const QString& line : w->boxesText().split(u'\n', Qt::SkipEmptyParts))
                if (line.startsWith(QStringLiteral("BOX ")))
                    QVERIFY2(line.startsWith(QStringLiteral("BOX Aviso al Usuario: El registro ingresado ya existe")), qPrintable(line));
        }
        QCOMPARE(saved, 20);
        QCOMPARE(boxes, 40);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL LIKE 'COMUN-%'")), 20);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen LIKE 'COMUN-%'")), 40);
        numberingMatchesEntries();
    }

    // A workstation killed at a random moment of its saves leaves each row with its whole
    // entry or with the AUX_ERR record of a failed one, never a row alone and never an
    // entry alone; the numbering stays whole.
    void killedInTheMiddleOfASave()
    {
        receptiontest::ddl(*shared, QStringLiteral("CREATE TRIGGER RechazaRenglon BEFORE INSERT ON MV_ASIENTOS WHEN NEW.Detalle = 'rechazar' "
                                                   "BEGIN SELECT RAISE(ABORT, 'renglon rechazado'); END"));
        QRandomGenerator random(20261209);
        const int tries = 20;
        for (int t = 1; t <= tries; ++t) {
            Workstation w(*shared, QStringLiteral("K%1").arg(t), 0, QStringLiteral("endless"));
            QVERIFY(w.waitReady());
            QThread::msleep(random.bounded(5, 120));
            w.kill();
        }
        const int stored = count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL LIKE 'K%'"));
        QVERIFY2(stored >= tries, "the workstations were killed before saving anything");
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")) > 0);
        // a row without its entry has the record of the failure
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES m WHERE IDMUTUAL LIKE 'K%' AND NOT EXISTS "
                                      "(SELECT 1 FROM MV_ASIENTOS a WHERE a.TC_Origen = 'Mutl' AND a.Cpte_Origen = m.IDMUTUAL) "
                                      "AND NOT EXISTS (SELECT 1 FROM AUX_ERR x WHERE instr(x.SQL, '''' || m.IDMUTUAL || '''') > 0)")),
                 0);
        // a failed entry's row has no line; an entry has its row
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS a WHERE a.Detalle = 'rechazar'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS a WHERE a.Cpte_Origen LIKE 'K%' AND NOT EXISTS "
                                      "(SELECT 1 FROM V_MV_MUTUALES m WHERE m.IDMUTUAL = a.Cpte_Origen)")),
                 0);
        numberingMatchesEntries();
    }
};

TESTSUPPORT_MAIN(TstReceptionWorkstations)
#include "tst_reception_workstations.moc"
