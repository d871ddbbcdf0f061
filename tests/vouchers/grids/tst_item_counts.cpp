// Item counts, the page-line limit and the status-bar detail of the current row.
#include "platform/ui/FlexGrid.h"
#include "platform/ui/StatusBar.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

// Appends data rows with the given codes (after the empty row a layout leaves, which is
// overwritten first).
void addRows(ui::FlexGrid& g, const QStringList& codes, int quantityCol = -1, const QStringList& quantities = {})
{
    int row = 1;
    for (int i = 0; i < codes.size(); ++i, ++row) {
        if (row >= g.Rows())
            g.SetRows(row + 1);
        g.SetTextMatrix(row, ColItem::Codigo, codes[i]);
        if (quantityCol >= 0 && i < quantities.size())
            g.SetTextMatrix(row, quantityCol, quantities[i]);
    }
}

QStringList codes(int n, const QString& prefix)
{
    QStringList c;
    for (int i = 1; i <= n; ++i)
        c << prefix + QString::number(i);
    return c;
}

QString limitRow(int id, const QString& tc, const QString& letra, const QString& lineas)
{
    return QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE (ID, TC, LETRA, CANTLINEAS) VALUES (%1, '%2', '%3', %4)")
        .arg(id)
        .arg(tc, letra, lineas);
}

} // namespace

class TstItemCounts : public QObject {
    Q_OBJECT

private slots:
    void pageLines_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<bool>("electronic");
        QTest::addColumn<QList<int>>("filled");       // tasks, articles, other concepts
        QTest::addColumn<int>("add");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<int>("limitIn");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("limitOut");
        QTest::addColumn<int>("used");                // 99: left as it was

        const QStringList limit20{limitRow(100, "OT  ", "X", "20")};
        QTest::newRow("18 of 20, adding 2") << limit20 << "OT" << "X" << false << QList<int>{6, 10, 2} << 2 << false << 0
                                            << true << 20 << 18;
        QTest::newRow("18 of 20, adding 3") << limit20 << "OT" << "X" << false << QList<int>{6, 10, 2} << 3 << false << 0
                                            << false << 20 << 18;
        QTest::newRow("type padded in the table") << limit20 << "OT  " << "x" << false << QList<int>{0, 21, 0} << 0
                                                  << false << 0 << false << 20 << 21;
        QTest::newRow("demo invoice A, 30 lines") << QStringList() << "FC" << "A" << false << QList<int>{0, 30, 0} << 0
                                                  << false << 0 << true << 30 << 30;
        QTest::newRow("electronic: no limit, no count")
            << limit20 << "OT" << "X" << true << QList<int>{6, 20, 2} << 5 << false << 7 << true << 0 << 99;
        QTest::newRow("no row: no limit") << limit20 << "OT" << "B" << false << QList<int>{6, 20, 2} << 5 << false << 0
                                          << true << 0 << 99;
        QTest::newRow("limit 0: none") << QStringList{limitRow(100, "PR  ", "X", "0")} << "PR" << "X" << false
                                       << QList<int>{6, 20, 2} << 5 << false << 0 << true << 0 << 99;
        QTest::newRow("a negative limit: none") << QStringList{limitRow(100, "PR  ", "X", "-3")} << "PR" << "X" << false
                                               << QList<int>{6, 20, 2} << 5 << false << 0 << true << 0 << 99;
        QTest::newRow("a limit that is no number: none")
            << QStringList{limitRow(100, "PR  ", "X", "'abc'")} << "PR" << "X" << false << QList<int>{6, 20, 2} << 5
            << false << 0 << true << 0 << 99;
        QTest::newRow("earlier negative limit: none") << limit20 << "OT" << "X" << false << QList<int>{0, 30, 0} << 0
                                                      << true << -3 << true << -3 << 99;
        QTest::newRow("the lowest ID gives the limit")
            << QStringList{limitRow(9, "PR  ", "X", "5"), limitRow(4, "PR  ", "X", "12")} << "PR" << "X" << false
            << QList<int>{0, 10, 0} << 2 << false << 0 << true << 12 << 10;
        QTest::newRow("a limit with decimals, to even")
            << QStringList{limitRow(100, "PR  ", "X", "10.5")} << "PR" << "X" << false << QList<int>{0, 10, 0} << 0
            << false << 0 << true << 10 << 10;
        QTest::newRow("earlier limit 0: no query") << limit20 << "OT" << "X" << false << QList<int>{0, 30, 0} << 0 << true
                                                   << 0 << true << 0 << 99;
        QTest::newRow("earlier limit 5: no query") << limit20 << "OT" << "X" << false << QList<int>{0, 6, 0} << 0 << true
                                                   << 5 << false << 5 << 6;
        QTest::newRow("an apostrophe in the type") << limit20 << "O'T" << "X" << false << QList<int>{0, 6, 0} << 0 << false
                                                   << 0 << true << 0 << 99;
    }
    void pageLines()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, letra);
        QFETCH(bool, electronic);
        QFETCH(QList<int>, filled);
        QFETCH(int, add);
        QFETCH(bool, previous);
        QFETCH(int, limitIn);
        QFETCH(bool, fits);
        QFETCH(int, limitOut);
        QFETCH(int, used);
        VoucherFixture db(extra);
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        // A blank code is no line.
        addRows(*f.MSFlexGrid1, codes(filled[0], QStringLiteral("T")) << QStringLiteral("   "));
        addRows(*f.MSFlexGrid2, codes(filled[1], QStringLiteral("A")) << QString());
        addRows(*f.MSFlexGrid3, codes(filled[2], QStringLiteral("O")) << QStringLiteral(" "));
        f.Cptes().esElectronica = electronic;
        qint16 cantLineas = qint16(limitIn);
        qint16 usadas = 99;
        QCOMPARE(f.Cptes().ValidaCantidadLineasCpte(tc, letra, f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, cantLineas,
                                                     usadas, add, previous),
                 fits);
        QCOMPARE(int(cantLineas), limitOut);
        QCOMPARE(int(usadas), used);
    }

    void pageLinesWithoutSomeGrids()
    {
        VoucherFixture db({limitRow(100, "OT  ", "X", "3")});
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        addRows(*f.MSFlexGrid1, codes(5, QStringLiteral("T")));
        addRows(*f.MSFlexGrid2, codes(2, QStringLiteral("A")));
        qint16 cantLineas = 0;
        qint16 usadas = 0;
        QVERIFY(f.Cptes().ValidaCantidadLineasCpte(QStringLiteral("OT"), QStringLiteral("X"), nullptr, f.MSFlexGrid2, nullptr,
                                                   cantLineas, usadas, 1, false));
        QCOMPARE(int(usadas), 2);
    }

    void countItems()
    {
        VoucherFixture db;
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        addRows(*f.MSFlexGrid1, {QStringLiteral("T1"), QStringLiteral(" "), QStringLiteral("T2")});
        // The row with a blank code counts neither as an item nor with its quantity.
        addRows(*f.MSFlexGrid2, {QStringLiteral("A1"), QStringLiteral("  "), QStringLiteral("A2")}, ColArticulo::Cantidad,
                {QStringLiteral("1.5"), QStringLiteral("100"), QStringLiteral(" 2.25 ")});
        addRows(*f.MSFlexGrid3, {QStringLiteral("O1")});
        qint32 tareas = -1, articulos = -1, otros = -1;
        double unidades = -1;
        QCOMPARE(f.Cptes().CuentaItems(f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, tareas, articulos, otros, unidades), 5);
        QCOMPARE(tareas, 2);
        QCOMPARE(articulos, 2);
        QCOMPARE(otros, 1);
        QCOMPARE(unidades, 3.75);

        QCOMPARE(f.Cptes().CuentaItems(nullptr, nullptr, f.MSFlexGrid3, tareas, articulos, otros, unidades), 1);
        QCOMPARE(tareas, 0);
        QCOMPARE(articulos, 0);
        QCOMPARE(unidades, 0.0);
    }

    void countItemsWithAnUnreadableQuantity_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("articles");
        QTest::addColumn<int>("others");
        QTest::addColumn<double>("units");
        // Ignore: the row counts without its quantity and counting goes on.
        QTest::newRow("ignore") << 5 << 4 << 3 << 1 << 3.0;
        // Abort: nothing more is counted and the answer is 0.
        QTest::newRow("abort") << 3 << 0 << 2 << 0 << 1.0;
    }
    void countItemsWithAnUnreadableQuantity()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        QFETCH(int, articles);
        QFETCH(int, others);
        QFETCH(double, units);
        VoucherFixture db;
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        addRows(*f.MSFlexGrid2, {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3")}, ColArticulo::Cantidad,
                {QStringLiteral("1"), QStringLiteral("9999999999999999"), QStringLiteral("2")});
        addRows(*f.MSFlexGrid3, {QStringLiteral("O1")});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (6)"), answer);
        qint32 tareas = 0, articulos = 0, otros = 0;
        double unidades = 0;
        QCOMPARE(f.Cptes().CuentaItems(f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, tareas, articulos, otros, unidades),
                 result);
        QCOMPARE(articulos, articles);
        QCOMPARE(otros, others);
        QCOMPARE(unidades, units);
        QCOMPARE(op.shown().size(), 1);
        QVERIFY(op.shown().first().title.contains(QStringLiteral("- CuentaItems&")));
    }

    void detailOfTheCurrentRow()
    {
        VoucherFixture db;
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        f.MSFlexGrid1->SetTextMatrix(1, ColTarea::IdTarea, QStringLiteral(" T1 "));
        f.MSFlexGrid1->SetTextMatrix(1, ColTarea::Descripcion, QStringLiteral(" Armado "));
        f.MSFlexGrid1->SetRow(1);
        f.Cptes().MuestraDetalleTareas(f.MSFlexGrid1, f.StatB);
        QCOMPARE(f.StatB->Panels(4).Text(), QStringLiteral("T1 - Armado"));

        f.MSFlexGrid3->SetTextMatrix(1, ColOtroConcepto::Detalle, QStringLiteral(" Flete "));
        f.MSFlexGrid3->SetRow(1);
        f.Cptes().MuestraDetalleOtrosConceptos(f.MSFlexGrid3, f.StatB);
        QCOMPARE(f.StatB->Panels(4).Text(), QStringLiteral("Flete"));

        f.MSFlexGrid2->SetRows(3);
        f.MSFlexGrid2->SetTextMatrix(2, ColArticulo::IdArticulo, QStringLiteral("IBU400"));
        f.MSFlexGrid2->SetTextMatrix(2, ColArticulo::Descripcion, QStringLiteral("Ibuprofeno 400 mg  "));
        f.MSFlexGrid2->SetTextMatrix(2, ColArticulo::StockDisponible, QStringLiteral("12.50"));
        f.MSFlexGrid2->SetRow(2);
        f.Cptes().MuestraDetalleArticulos(f.MSFlexGrid2, f.StatB, 2);
        QCOMPARE(f.StatB->Panels(2).Text(), QStringLiteral("IBU400 - Ibuprofeno 400 mg"));
        QCOMPARE(f.StatB->Panels(5).Text(), QStringLiteral("Stock: 12.5"));

        f.Cptes().MuestraDetalle(QStringLiteral("listo"), f.StatB, 1);
        QCOMPARE(f.StatB->Panels(1).Text(), QStringLiteral("listo"));
    }

    void articleDetailGoesOnWhateverFails()
    {
        VoucherFixture db;
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        f.MSFlexGrid2->SetTextMatrix(1, ColArticulo::IdArticulo, QStringLiteral("A1"));
        f.MSFlexGrid2->SetTextMatrix(1, ColArticulo::StockDisponible, QStringLiteral("3"));
        f.MSFlexGrid2->SetRow(1);
        // No panel 9: the stock still shows.
        f.Cptes().MuestraDetalleArticulos(f.MSFlexGrid2, f.StatB, 9);
        QCOMPARE(f.StatB->Panels(5).Text(), QStringLiteral("Stock: 3"));
        // No status bar, no grid: nothing happens.
        f.Cptes().MuestraDetalleArticulos(f.MSFlexGrid2, nullptr, 2);
        f.Cptes().MuestraDetalleArticulos(nullptr, f.StatB, 2);

        // A bar without a "Stock" panel: only the code and description.
        ui::StatusBar bar;
        bar.Panels().Add(QStringLiteral("Detalle"));
        bar.Panels().Add(QStringLiteral("Otro"));
        f.Cptes().MuestraDetalleArticulos(f.MSFlexGrid2, &bar, 1);
        QCOMPARE(bar.Panels(1).Text(), QStringLiteral("A1 - "));
        QCOMPARE(bar.Panels(2).Text(), QString());

        // The key is found in any case of letters.
        f.StatB->Panels(5).SetKey(QStringLiteral("STOCK"));
        f.StatB->Panels(5).SetText(QString());
        f.Cptes().MuestraDetalleArticulos(f.MSFlexGrid2, f.StatB, 2);
        QCOMPARE(f.StatB->Panels(5).Text(), QStringLiteral("Stock: 3"));
    }

    void detailErrorsReachTheCaller()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        try {
            f.Cptes().MuestraDetalle(QStringLiteral("x"), f.StatB, 6);
            QFAIL("no error");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 35600);
        }
        QVERIFY_THROWS_EXCEPTION(vb::VbError, f.Cptes().MuestraDetalleTareas(nullptr, f.StatB));
        QVERIFY_THROWS_EXCEPTION(vb::VbError, f.Cptes().MuestraDetalleOtrosConceptos(f.MSFlexGrid3, nullptr));
    }
};

TESTSUPPORT_MAIN(TstItemCounts)
#include "tst_item_counts.moc"
