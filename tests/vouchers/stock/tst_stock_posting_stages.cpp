// A voucher posted to stock in stages, at once and collected: a production order in two
// stages and a delivery note posted again after a line was added. Each stage's movements
// are written and its lines go into the voucher's one entry, which stays balanced with
// its header total on the debit side.
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "platform/ui/FlexGrid.h"

#include <QTest>

using namespace stocktest;

namespace {

struct Etapa {
    QList<Renglon> renglones;
    QList<Mov> movimientos;   // the voucher's movements after it
    QList<Asiento> lineas;    // the voucher's entry after it
};

} // namespace

Q_DECLARE_METATYPE(QList<Etapa>)

class TstStockPostingStages : public QObject {
    Q_OBJECT

private slots:
    void init() { escenario_.emplace(); }
    void cleanup() { escenario_.reset(); }

    void postedInStages_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QList<Etapa>>("etapas");

        // A production order under the adjustment motive (5102): alcohol made (1105) from
        // bottles (1106). At once each movement goes its own way: what is made is debited
        // to stock, what is used credited; collected, the whole grid goes one way, as the
        // order's stock sign says. The second stage numbers its movements after the
        // stored ones (highest + 2) and adds to the lines already written.
        const QList<Renglon> op1{Hecho(QStringLiteral("ALC70"), QStringLiteral("10"), QStringLiteral("780")),
                                 Linea(QStringLiteral("FRA500"), QStringLiteral("10"), QStringLiteral("120"))};
        const QList<Renglon> op2{Hecho(QStringLiteral("ALC70"), QStringLiteral("5"), QStringLiteral("780")),
                                 Linea(QStringLiteral("FRA500"), QStringLiteral("5"), QStringLiteral("120"))};
        const QList<Mov> opMov1{{"ALC70", "", "", "1", 10, 10}, {"FRA500", "", "", "1", -10, -10}};
        const QList<Mov> opMov2 = opMov1 + QList<Mov>{{"ALC70", "", "", "1", 5, 5}, {"FRA500", "", "", "1", -5, -5}};
        QTest::newRow("production order, at once")
            << false << "OP" << "000100000003X" << "6"
            << QList<Etapa>{{op1, opMov1, {{"5102", "H", 7800, 1}, {"1105", "D", 7800, 2}, {"5102", "D", 1200, 3}, {"1106", "H", 1200, 4}}},
                            {op2, opMov2, {{"5102", "H", 11700, 1}, {"1105", "D", 11700, 2}, {"5102", "D", 1800, 3}, {"1106", "H", 1800, 4}}}};
        QTest::newRow("production order, collected")
            << true << "OP" << "000100000003X" << "6"
            << QList<Etapa>{{op1, opMov1, {{"5102", "H", 9000, 1}, {"1105", "D", 7800, 2}, {"1106", "D", 1200, 3}}},
                            {op2, opMov2, {{"5102", "H", 13500, 1}, {"1105", "D", 11700, 2}, {"1106", "D", 1800, 3}}}};

        // A delivery note under the sale motive (5101), posted again with the line added
        // to it: the ibuprofen's account has its line, the bottles' account gets one
        // after the voucher's last.
        const QList<Etapa> rm{
            {{Linea(QStringLiteral("IBU400"), QStringLiteral("2"), QStringLiteral("1850"))},
             {{"IBU400", "", "", "1", -2, -2}},
             {{"5101", "D", 3700, 1}, {"1105", "H", 3700, 2}}},
            {{Linea(QStringLiteral("FRA500"), QStringLiteral("3"), QStringLiteral("120"))},
             {{"IBU400", "", "", "1", -2, -2}, {"FRA500", "", "", "1", -3, -3}},
             {{"5101", "D", 4060, 1}, {"1105", "H", 3700, 2}, {"1106", "H", 360, 3}}},
        };
        QTest::newRow("delivery note, at once") << false << "RM" << "000100000100R" << "2" << rm;
        QTest::newRow("delivery note, collected") << true << "RM" << "000100000100R" << "2" << rm;
    }
    void postedInStages()
    {
        QFETCH(bool, recoger);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, motivo);
        QFETCH(QList<Etapa>, etapas);
        PostingDb db;
        float secuencia = 0;
        for (const Etapa& etapa : etapas) {
            ui::FlexGrid g;
            Llena(g, etapa.renglones);
            Posteo p;
            p.tc = tc;
            p.id = id;
            p.motivo = motivo;
            // A voucher posted again goes on with its movements' numbers.
            p.secuenciaFija = secuencia;
            const QString falla = db.Postea(p, g, recoger);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
            secuencia += float(etapa.renglones.size());

            const QList<Mov> movimientos = db.Movimientos(tc, id);
            QVERIFY2(movimientos == etapa.movimientos, qPrintable(stocktest::Show(movimientos)));
            const QList<Asiento> lineas = db.Lineas(tc, id);
            QVERIFY2(lineas == etapa.lineas, qPrintable(stocktest::Show(lineas)));
            double debe = 0;
            double haber = 0;
            for (const Asiento& l : lineas)
                (l.lado == QLatin1String("D") ? debe : haber) += l.importe;
            QCOMPARE(debe, haber);
            // One header total on every line: the debit side.
            QCOMPARE(db.CabImporte(tc, id).toDouble(), debe);
            // One entry number for all the voucher's lines.
            QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(DISTINCT [NUMERO ASIENTO]) FROM MV_ASIENTOS WHERE TC = '%1' AND Numero = '%2'")
                                   .arg(tc, id.mid(4, 8))),
                     1);
        }
    }

private:
    std::optional<stocktest::Escenario> escenario_;
};

TESTSUPPORT_MAIN(TstStockPostingStages)
#include "tst_stock_posting_stages.moc"
