// The repair of the stored lines of a special-series order (point of sale 9999) when it
// is loaded: internal taxes from the article, VAT added into the amounts of an "A" customer's lines with final prices, in
// one transaction on the table the lines come from.
#include "LoaderBench.h"

#include "platform/ui/FlexGrid.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QTest>

using loadertest::Bench;
using loadertest::Load;
using testsupport::ScriptedOperator;

using Amounts = QList<QVariantList>;

namespace {

const QString kFinales = QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'SI' WHERE CLAVE = 'PRECIOSFINALES'");

// IMPORTE and TOTAL of the given lines, in ID order.
Amounts amounts(const testsupport::VoucherFixture& db, const QString& table, const QString& ids)
{
    return db.Query(QStringLiteral("SELECT ID, Importe, Total FROM %1 WHERE ID IN (%2) ORDER BY ID").arg(table, ids));
}

QVariantList line(int id, double importe, double total)
{
    return {id, importe, total};
}

} // namespace

class TstOrderRepair : public QObject {
    Q_OBJECT

private slots:
    void vatIntoAmounts_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<Amounts>("after");   // lines 2510 to 2513

        const Amounts stored{line(2510, 100, 300), line(2511, 1650, 3300), line(2512, 3000, 3000),
                             line(2513, 100, 200)};
        Amounts repaired = stored;
        repaired[0] = line(2510, 121, 363);

        QTest::newRow("final prices, customer A: a line without VAT gets it; exempt and VAT lines keep theirs")
            << QStringList{kFinales} << "999900000001X" << "NP" << repaired;
        QTest::newRow("customer B") << QStringList{kFinales} << "999900000002X" << "NP" << stored;
        QTest::newRow("prices without VAT") << QStringList() << "999900000001X" << "NP" << stored;
        QTest::newRow("a company that is not a registered VAT payer gives C")
            << QStringList{kFinales, "UPDATE TA_CONFIGURACION SET VALOR = '4' WHERE CLAVE = 'CONDIVA'"} << "999900000001X"
            << "NP" << stored;
        QTest::newRow("a Null rate leaves the line alone")
            << QStringList{kFinales, "UPDATE V_MV_CPTEINSUMOS SET AlicIVA = NULL WHERE ID = 2510"} << "999900000001X"
            << "NP" << stored;
        QTest::newRow("another point of sale")
            << QStringList{kFinales, "UPDATE V_MV_CPTEINSUMOS SET IDCOMPROBANTE = '000200000001X' WHERE ID IN (2510, 2511, 2512)",
                           "UPDATE V_MV_CPTE SET IDCOMPROBANTE = '000200000001X' WHERE ID = 2506"}
            << "000200000001X" << "NP" << stored;
        QTest::newRow("a 9999 voucher of another type")
            << QStringList{kFinales, "UPDATE V_MV_CPTEINSUMOS SET TC = 'PR  ' WHERE ID IN (2510, 2511, 2512)",
                           "UPDATE V_MV_CPTE SET TC = 'PR  ' WHERE ID = 2506"}
            << "999900000001X" << "PR" << stored;
    }
    void vatIntoAmounts()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, id);
        QFETCH(QString, tc);
        QFETCH(Amounts, after);
        Bench b(extra);
        ScriptedOperator op;
        b.Run(loadertest::From(tc, id));
        QCOMPARE(amounts(b.db, QStringLiteral("V_MV_CPTEINSUMOS"), QStringLiteral("2510, 2511, 2512, 2513")), after);
        // The lines load as repaired.
        QCOMPARE(b.form.MSFlexGrid2->Rows(), id == QLatin1String("999900000002X") ? 3 : 5);
    }

    // A line without internal taxes takes its article's, whatever the prices and the
    // customer; a line that has taxes, or has none stored, keeps them.
    void taxesFromTheArticle_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QVariantList>("after");   // Impuestos of lines 2510 to 2513

        QTest::newRow("customer A") << QStringList() << "999900000001X" << QVariantList{1.5, 0, 0, 0};
        QTest::newRow("customer B, final prices")
            << QStringList{kFinales} << "999900000002X" << QVariantList{0, 0, 0, 1.5};
        QTest::newRow("a line with taxes of its own")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET Impuestos = 0.8 WHERE ID = 2510"} << "999900000001X"
            << QVariantList{0.8, 0, 0, 0};
        QTest::newRow("a line without taxes stored")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET Impuestos = NULL WHERE ID = 2510"} << "999900000001X"
            << QVariantList{QVariant(), 0, 0, 0};
        QTest::newRow("an article missing from the master")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET IDARTICULO = 'JARAB9' WHERE ID = 2510"} << "999900000001X"
            << QVariantList{0, 0, 0, 0};
        QTest::newRow("another point of sale")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET IDCOMPROBANTE = '000200000001X' WHERE ID IN (2510, 2511, 2512)",
                           "UPDATE V_MV_CPTE SET IDCOMPROBANTE = '000200000001X' WHERE ID = 2506"}
            << "000200000001X" << QVariantList{0, 0, 0, 0};
    }
    void taxesFromTheArticle()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, id);
        QFETCH(QVariantList, after);
        Bench b(extra);
        ScriptedOperator op;
        b.Run(loadertest::From(QStringLiteral("NP"), id));
        QVariantList impuestos;
        for (const QVariantList& row :
             b.db.Query(QStringLiteral("SELECT Impuestos FROM V_MV_CPTEINSUMOS WHERE ID BETWEEN 2510 AND 2513 ORDER BY ID")))
            impuestos << row[0];
        QCOMPARE(impuestos.size(), after.size());
        for (int i = 0; i < after.size(); ++i) {
            QCOMPARE(impuestos[i].isNull(), after[i].isNull());
            QCOMPARE(impuestos[i].toDouble(), after[i].toDouble());
        }
    }

    // A second load finds the amount no longer equal to the amount without VAT.
    void repairedOnce()
    {
        Bench b({kFinales});
        ScriptedOperator op;
        Load load;
        load.id = QStringLiteral("999900000001X");
        b.Run(load);
        b.form.InicializaGrids(QStringLiteral("FC"));
        b.Run(load);
        QCOMPARE(amounts(b.db, QStringLiteral("V_MV_CPTEINSUMOS"), QStringLiteral("2510")), (Amounts{line(2510, 121, 363)}));
        QCOMPARE(b.db.Scalar(QStringLiteral("SELECT Impuestos FROM V_MV_CPTEINSUMOS WHERE ID = 2510")).toDouble(), 1.5);
    }

    // The updates of one order stand or fall together; the failure is shown and
    // recorded, and the order still loads.
    void oneTransaction()
    {
        Bench b({kFinales,
                 "INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, "
                 "Cantidad, IdUnidad, Importe, Importe_S_IVA, Total, Exento, AlicIVA) VALUES (2590, 'NP  ', '999900000001X', 0, "
                 "4, 'AMO500', 'Amoxicilina', 1, 'UN  ', 200, 200, 200, 0, 10.5)",
                 "CREATE TRIGGER T_BLOQUEO BEFORE UPDATE ON V_MV_CPTEINSUMOS WHEN NEW.ID = 2590 "
                 "BEGIN SELECT RAISE(ABORT, 'renglon bloqueado'); END"});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("renglon bloqueado"), 1, QStringLiteral("Aviso al Operador!"), 16);
        Load load;
        load.id = QStringLiteral("999900000001X");
        b.Run(load);
        QCOMPARE(amounts(b.db, QStringLiteral("V_MV_CPTEINSUMOS"), QStringLiteral("2510, 2590")),
                 (Amounts{line(2510, 100, 300), line(2590, 200, 200)}));
        QCOMPARE(b.db.Scalar(QStringLiteral("SELECT Impuestos FROM V_MV_CPTEINSUMOS WHERE ID = 2510")).toDouble(), 0.0);
        QCOMPARE(b.db.Scalar(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")).toInt(), 1);
        QCOMPARE(b.form.MSFlexGrid2->Rows(), 6);
    }

    // A purchase order of the series is repaired in the purchase tables.
    void repairsTheTableItRead()
    {
        Bench b({kFinales,
                 "INSERT INTO C_MV_CPTE (ID, TC, IDCOMPROBANTE, CUENTA, CondicionIva) VALUES "
                 "(2590, 'NP  ', '999900000001X', '210101', '1')",
                 "INSERT INTO C_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, CUENTA, IDARTICULO, Cantidad, Importe, Importe_S_IVA, "
                 "Total, Exento, AlicIVA) VALUES (2590, 'NP  ', '999900000001X', '210101', 'IBU400', 2, 1000, 1000, 2000, 0, 10.5)"});
        ScriptedOperator op;
        b.Run(loadertest::From(QStringLiteral("NP"), QStringLiteral("999900000001X"), true));
        QCOMPARE(amounts(b.db, QStringLiteral("C_MV_CPTEINSUMOS"), QStringLiteral("2590")),
                 (Amounts{line(2590, 1105, 2210)}));
        QCOMPARE(amounts(b.db, QStringLiteral("V_MV_CPTEINSUMOS"), QStringLiteral("2510")), (Amounts{line(2510, 100, 300)}));
    }
};

TESTSUPPORT_MAIN(TstOrderRepair)
#include "tst_order_repair.moc"
