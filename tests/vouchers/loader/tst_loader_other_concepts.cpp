// The loader's other-concept stage on the demo vouchers: texts, amounts with and without
// the exchange rate, the account a concept begins with, and the concepts the
// delivery-run program leaves out.
#include "LoaderBench.h"

#include "platform/ui/FlexGrid.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QTest>

using loadertest::Bench;
using loadertest::Load;
using loadertest::Row;
using testsupport::ScriptedOperator;

using Rows = QList<QStringList>;

namespace {

const QStringList kEmpty{"", "", "", ""};

// Two concepts on the demo delivery note, the first of a cattle lot.
const QStringList kDeliveryConcepts{
    QStringLiteral("INSERT INTO V_MV_CPTE_Observ (TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, Observacion, Importe, "
                   "Importe_S_IVA, NroViaje) VALUES ('RM  ', '000100000057R', 0, 'OC', 'Flete de hacienda', 121, 100, ' tropa ')"),
    QStringLiteral("INSERT INTO V_MV_CPTE_Observ (TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, Observacion, Importe, "
                   "Importe_S_IVA, NroViaje) VALUES ('RM  ', '000100000057R', 0, 'OC', 'Seguro de carga', 242, 200, '17')")};

} // namespace

class TstLoaderOtherConcepts : public QObject {
    Q_OBJECT

private slots:
    void concepts_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<bool>("convertir");
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<Rows>("rows");    // columns 0 to 3, row 1 to the last

        QTest::newRow("an account code, and a text without one")
            << "NP" << "000100000045X" << false << false << "" << QStringList()
            << Rows{{"4101 Recargo por entrega fuera de horario", "1000.00", "1210.00", "4101"},
                    {"Bonificación por pago de contado", "-500.00", "-605.00", ""},
                    kEmpty};
        QTest::newRow("an account's optional code; a heading account is not taken")
            << "PR" << "000100000003X" << false << false << "" << QStringList()
            << Rows{{"VTAS Servicio de vacunación en la sede", "15.00", "18.15", "4101"},
                    {"1103 Ajuste de saldo anterior", "5.00", "6.05", ""},
                    kEmpty};
        QTest::newRow("at the exchange rate")
            << "PR" << "000100000003X" << false << true << "" << QStringList()
            << Rows{{"VTAS Servicio de vacunación en la sede", "15750.00", "19057.50", "4101"},
                    {"1103 Ajuste de saldo anterior", "5250.00", "6352.50", ""},
                    kEmpty};
        QTest::newRow("an account with no heading mark is not taken")
            << "NP" << "000100000045X" << false << false << ""
            << QStringList{"UPDATE MA_CUENTAS SET Titulo = NULL WHERE Codigo = '4101'"}
            << Rows{{"4101 Recargo por entrega fuera de horario", "1000.00", "1210.00", ""},
                    {"Bonificación por pago de contado", "-500.00", "-605.00", ""},
                    kEmpty};
        QTest::newRow("a first word that is no account; a single word")
            << "NP" << "000100000045X" << false << false << ""
            << QStringList{"UPDATE V_MV_CPTE_Observ SET Observacion = 'Recargo nocturno' WHERE ID = 2501",
                           "UPDATE V_MV_CPTE_Observ SET Observacion = ' 4101' WHERE ID = 2502"}
            << Rows{{"Recargo nocturno", "1000.00", "1210.00", ""}, {"4101", "-500.00", "-605.00", ""}, kEmpty};
        QTest::newRow("purchase invoice") << "FCC" << "000100004512A" << true << false << "" << QStringList()
                                          << Rows{{"5101 Diferencia de precio acordada", "-2000.00", "-2420.00", "5101"},
                                                  kEmpty};
        QTest::newRow("a voucher without concepts: the grid as prepared")
            << "OT" << "000100000007X" << false << false << "" << QStringList() << Rows{kEmpty};
        QTest::newRow("cattle-lot concepts load in other programs")
            << "RM" << "000100000057R" << false << false << "" << kDeliveryConcepts
            << Rows{{"Flete de hacienda", "100.00", "121.00", ""}, {"Seguro de carga", "200.00", "242.00", ""}, kEmpty};
        QTest::newRow("the delivery-run program leaves a cattle-lot concept out, without a gap")
            << "RM" << "000100000057R" << false << false << "Quimsadro" << kDeliveryConcepts
            << Rows{{"Seguro de carga", "200.00", "242.00", ""}, kEmpty};
        QTest::newRow("a cattle-lot concept left out last leaves one empty row")
            << "RM" << "000100000057R" << false << false << "quimsadro"
            << QStringList{kDeliveryConcepts[1], kDeliveryConcepts[0]}
            << Rows{{"Seguro de carga", "200.00", "242.00", ""}, kEmpty};
        QTest::newRow("only a cattle-lot concept: the grid as prepared")
            << "RM" << "000100000057R" << false << false << "Quimsadro" << QStringList{kDeliveryConcepts[0]}
            << Rows{kEmpty};
        QTest::newRow("the delivery-run program keeps an order's concepts")
            << "NP" << "000100000045X" << false << false << "Quimsadro"
            << QStringList{"UPDATE V_MV_CPTE_Observ SET NroViaje = 'TROPA' WHERE ID = 2502"}
            << Rows{{"4101 Recargo por entrega fuera de horario", "1000.00", "1210.00", "4101"},
                    {"Bonificación por pago de contado", "-500.00", "-605.00", ""},
                    kEmpty};
    }
    void concepts()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(bool, compras);
        QFETCH(bool, convertir);
        QFETCH(QString, programa);
        QFETCH(QStringList, extra);
        QFETCH(Rows, rows);
        Bench b(extra);
        ScriptedOperator op;
        const loadertest::RunningAs running(programa.isEmpty() ? QStringLiteral("Gestion") : programa);
        Load load = loadertest::From(tc, id, compras);
        load.convertir = convertir;
        load.destino = QStringLiteral("NC");
        b.Run(load);
        const ui::FlexGrid& g = *b.form.MSFlexGrid3;
        QCOMPARE(g.Rows(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(Row(g, r + 1, 4), rows[r]);
    }
};

TESTSUPPORT_MAIN(TstLoaderOtherConcepts)
#include "tst_loader_other_concepts.moc"
