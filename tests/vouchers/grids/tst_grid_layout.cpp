// The layout of a voucher form's four item grids by voucher type and configuration.
#include "frame/Config.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Metrics.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"

#include <QTest>

using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

// "n X" in the host form's font.
int X(int n)
{
    const QWidget measure;
    return ui::TextWidthX(measure, n);
}

int widthOf(const char* text)
{
    const QWidget measure;
    return ui::TextWidth(measure, QString::fromUtf8(text));
}

// The visible columns of a grid, left to right, and their widths.
QList<int> visibleColumns(const ui::FlexGrid& g)
{
    QList<int> cols;
    for (int c = 0; c < g.Cols(); ++c)
        if (g.ColWidth(c) > 0)
            cols << c;
    return cols;
}

QList<int> widths(const ui::FlexGrid& g, const QList<int>& cols)
{
    QList<int> w;
    for (int c : cols)
        w << g.ColWidth(c);
    return w;
}

QStringList headers(const ui::FlexGrid& g)
{
    QStringList h;
    for (int c = 0; c < g.Cols(); ++c)
        h << g.TextMatrix(0, c);
    return h;
}

// Configuration given as "KEY=VALUE" items.
void configure(const VoucherFixture& db, const QStringList& items)
{
    for (const QString& item : items) {
        const int eq = item.indexOf(QLatin1Char('='));
        db.SetConfig(item.left(eq), item.mid(eq + 1));
    }
}

// The headers of the article grid of a sales voucher with no option set.
QStringList salesArticleHeaders()
{
    QStringList h(101);
    h[0] = QStringLiteral("Código");
    h[1] = QStringLiteral("Descripción");
    h[2] = QStringLiteral("Lista");
    h[5] = QStringLiteral("UD");
    h[6] = QStringLiteral("Dep.");
    h[7] = QStringLiteral("Cant.");
    h[8] = QStringLiteral("AuxCoeficiente");
    h[11] = QStringLiteral("% Dto.");
    h[14] = QStringLiteral("Importe");
    h[15] = QStringLiteral("Total");
    h[16] = QStringLiteral("AuxEsExento");
    h[17] = QStringLiteral("AuxPrecioSinIVA");
    h[18] = QStringLiteral("TOTAL");
    h[19] = QStringLiteral("AuxPideSerie");
    h[20] = QStringLiteral("AuxPidelote");
    h[21] = QStringLiteral("AuxNroLote");
    h[22] = QStringLiteral("AuxNroSerie");
    h[23] = QStringLiteral("AuxRestoPorAplicar");
    h[24] = QStringLiteral("AuxTipoArticulo");
    h[25] = QStringLiteral("AuxRubroArticulo");
    h[26] = QStringLiteral("AuxListaConIVA");
    h[27] = QStringLiteral("AuxPrecioConIVA");
    h[28] = QStringLiteral("AuxCantidadInsumo");
    h[29] = QStringLiteral("AuxImporteDescuentoArticulo");
    h[30] = QStringLiteral("AuxTipoCoeficiente");
    h[31] = QStringLiteral("AuxStockDisponible");
    h[32] = QStringLiteral("AuxStockMinimo");
    h[33] = QStringLiteral("IVA");
    h[34] = QStringLiteral("AuxCpteOrigen");
    h[35] = QStringLiteral("AuxIdCpteOrigen");
    h[36] = QStringLiteral("Lote_Origen");
    h[37] = QStringLiteral("Lote_Aduana");
    h[40] = QStringLiteral("Impuestos");
    h[63] = QStringLiteral("Bl/Pq");
    h[83] = QStringLiteral("PideMedidas");
    h[84] = QStringLiteral("LargoAnt");
    h[88] = QStringLiteral("EnComodato");
    h[89] = QStringLiteral("MKBaseFamilia");
    h[90] = QStringLiteral("CodError");
    h[91] = QStringLiteral("Moneda");
    h[92] = QStringLiteral("Cotizacion");
    h[93] = QStringLiteral("ITC");
    h[95] = QStringLiteral("AuxSecuenciaOrigen");
    h[96] = QStringLiteral("AuxRedondeoLinea");
    h[97] = QStringLiteral("Cod.Proveedor");
    h[98] = QStringLiteral("ColorDefault");
    h[99] = QStringLiteral("SexoDefault");
    h[100] = QStringLiteral("AuxCodigoPercepcion");
    return h;
}

} // namespace

class TstGridLayout : public QObject {
    Q_OBJECT

private slots:
    void articleColumns_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<bool>("maderera");
        QTest::addColumn<QList<int>>("visible");
        QTest::addColumn<QList<int>>("widths");

        const QList<int> sales{0, 1, 5, 7, 14, 18, 33, 40, 63, 97};
        const QList<int> salesWidths{X(15), X(29), X(4), X(6), X(11), X(10), X(10), X(10), X(5), X(11)};
        QTest::newRow("FC demo") << "FC" << QStringList() << false << sales << salesWidths;
        QTest::newRow("FC padded") << "FC  " << QStringList() << false << sales << salesWidths;
        QTest::newRow("purchase") << "FCC" << QStringList() << false << sales << salesWidths;
        QTest::newRow("type without a row") << "ZZ" << QStringList() << false << sales << salesWidths;

        // Stock: the description takes the amount's width less 480 twips; unit and quantity grow.
        const QList<int> stock{0, 1, 5, 7, 33, 63, 97};
        const QList<int> stockWidths{X(15), X(39) + X(11) - 480, X(8), X(13), X(10), X(5), X(11)};
        QTest::newRow("stock SI") << "SI" << QStringList() << false << stock << stockWidths;
        QTest::newRow("stock TR") << "TR" << QStringList() << false << stock << stockWidths;
        QTest::newRow("stock ignores the fuel tax")
            << "TR" << QStringList{"TransporteCombustibles=SI"} << false << stock << stockWidths;

        // Hidden amounts: the description takes exactly their widths.
        const QList<int> hidden{0, 1, 5, 7, 33, 40, 63, 97};
        const QList<int> hiddenWidths{X(15), X(29) + X(11) + X(10), X(4), X(6), X(10), X(10), X(5), X(11)};
        QTest::newRow("OP") << "OP" << QStringList() << false << hidden << hiddenWidths;
        QTest::newRow("op in lower case") << "op" << QStringList() << false << hidden << hiddenWidths;
        QTest::newRow("OP with a blank is no OP") << "OP " << QStringList() << false << sales << salesWidths;
        QTest::newRow("OT hiding amounts")
            << "OT" << QStringList{"NoMostrarImportesEnOT=SI", "PideDepositoEnCptes=SI"} << false << hidden
            << hiddenWidths;
        QTest::newRow("OT showing amounts, no deposit")
            << "OT" << QStringList{"NoMostrarImportesEnOT=NO", "PideDepositoEnCptes=SI"} << false << sales
            << salesWidths;
        QTest::newRow("PR, no deposit") << "PR" << QStringList{"PideDepositoEnCptes=SI"} << false << sales << salesWidths;

        QTest::newRow("deposit per line")
            << "FC" << QStringList{"PideDepositoEnCptes=si"} << false << QList<int>{0, 1, 5, 6, 7, 14, 18, 33, 40, 63, 97}
            << QList<int>{X(15), X(29), X(4), X(4), X(6), X(11), X(10), X(10), X(10), X(5), X(11)};
        QTest::newRow("list and discount per line")
            << "FC" << QStringList{"V_ListaPreciosPorItemArticulos=SI", "V_DescuentoPorArticulos=SI"} << false
            << QList<int>{0, 1, 2, 5, 7, 11, 14, 18, 33, 40, 63, 97}
            << QList<int>{X(15) - 2 * X(1), X(29) - 2 * X(3), X(4), X(4), X(6), X(5), X(11) - X(1), X(10), X(10), X(10), X(5), X(11)};
        QTest::newRow("sales options leave a purchase alone")
            << "FCC" << QStringList{"V_ListaPreciosPorItemArticulos=SI", "V_DescuentoPorArticulos=SI"} << false << sales
            << salesWidths;
        QTest::newRow("purchase discount, trimmed")
            << "FCC" << QStringList{"ComprasDescuentoPorArticulo= SI "} << false
            << QList<int>{0, 1, 5, 7, 11, 14, 18, 33, 40, 63, 97}
            << QList<int>{X(15) - X(1), X(29) - X(3), X(4), X(6), X(5), X(11) - X(1), X(10), X(10), X(10), X(5), X(11)};
        QTest::newRow("purchase discount leaves a sale alone")
            << "FC" << QStringList{"ComprasDescuentoPorArticulo=SI"} << false << sales << salesWidths;
        QTest::newRow("equivalent unit")
            << "FC" << QStringList{"ConfirmaUDEquiv=SI"} << false << QList<int>{0, 1, 5, 7, 9, 10, 14, 18, 33, 40, 63, 97}
            << QList<int>{X(15), X(29), X(4), X(6), X(7), X(9), X(11), X(10), X(10), X(10), X(5), X(11)};
        QTest::newRow("fuel tax")
            << "FC" << QStringList{"TransporteCombustibles=SI"} << false << QList<int>{0, 1, 5, 7, 14, 18, 33, 40, 63, 93, 97}
            << QList<int>{X(15), X(29), X(4), X(6), X(11), X(10), X(10), X(10), X(5), X(10), X(11)};
        QTest::newRow("return with lots and serials")
            << "DVPE" << QStringList() << false << QList<int>{0, 1, 5, 7, 14, 18, 21, 22, 33, 40, 63, 97}
            << QList<int>{X(15), X(29), X(4), X(6), X(11), X(10), widthOf("Nro. de Lote"), widthOf("Nro. de Serie"), X(10),
                          X(10), X(5), X(11)};
        QTest::newRow("timber sale")
            << "FC" << QStringList() << true << QList<int>{0, 1, 3, 4, 5, 7, 8, 12, 13, 18, 33, 40, 63, 87, 97}
            << QList<int>{X(15), X(29), X(7), X(7), X(4), X(6), X(7), X(4), X(9), X(10), X(10), X(10), X(5), X(10), X(11)};
        QTest::newRow("timber leaves a purchase alone") << "FCC" << QStringList() << true << sales << salesWidths;
    }
    void articleColumns()
    {
        QFETCH(QString, tc);
        QFETCH(QStringList, config);
        QFETCH(bool, maderera);
        QFETCH(QList<int>, visible);
        QFETCH(QList<int>, widths);
        VoucherFixture db;
        configure(db, config);
        gMaderera = maderera;
        VoucherHostForm f;
        f.InicializaGrids(tc);
        const ui::FlexGrid& g = *f.MSFlexGrid2;
        QCOMPARE(g.Rows(), 2);
        QCOMPARE(g.Cols(), 101);
        QCOMPARE(visibleColumns(g), visible);
        QCOMPARE(::widths(g, visible), widths);
    }

    void articleHeaders_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<bool>("maderera");
        QTest::addColumn<QStringList>("expected");

        const QStringList sales = salesArticleHeaders();
        QTest::newRow("sale") << "FC" << QStringList() << false << sales;

        QStringList stock = sales;
        stock[11] = stock[18] = stock[40] = stock[93] = QString();
        QTest::newRow("stock") << "SI" << QStringList() << false << stock;

        QStringList equiv = sales;
        equiv[9] = QStringLiteral("UDEquiv");
        equiv[10] = QStringLiteral("Cant. Equiv");
        QTest::newRow("equivalent unit") << "FC" << QStringList{"ConfirmaUDEquiv=SI"} << false << equiv;

        QStringList lots = sales;
        lots[21] = QStringLiteral("Nro. Lote");
        lots[22] = QStringLiteral("Nro. Serie");
        QTest::newRow("return") << "dvpe" << QStringList() << false << lots;

        QStringList timber = sales;
        timber[3] = QStringLiteral("Espesor");
        timber[4] = QStringLiteral("Ancho");
        timber[8] = QStringLiteral("Largo");
        timber[12] = QStringLiteral("UD");
        timber[13] = QStringLiteral("Importe");
        timber[87] = QStringLiteral("ML/M2");
        QTest::newRow("timber") << "FC" << QStringList() << true << timber;

        QStringList named = sales;
        named[0] = QStringLiteral("Código De Artículo");
        QTest::newRow("article name in proper case")
            << "FC" << QStringList{"NombreArticulos=código de ARTÍCULO"} << false << named;
        QTest::newRow("blank article name") << "FC" << QStringList{"NombreArticulos=  "} << false << sales;
        QTest::newRow("missing article name") << "FC" << QStringList{"NombreArticulos="} << false << sales;
    }
    void articleHeaders()
    {
        QFETCH(QString, tc);
        QFETCH(QStringList, config);
        QFETCH(bool, maderera);
        QFETCH(QStringList, expected);
        VoucherFixture db;
        configure(db, config);
        gMaderera = maderera;
        VoucherHostForm f;
        f.InicializaGrids(tc);
        const QStringList got = headers(*f.MSFlexGrid2);
        for (int c = 0; c < 101; ++c)
            QVERIFY2(got[c] == expected[c], qPrintable(QStringLiteral("column %1: '%2', expected '%3'").arg(c).arg(got[c], expected[c])));
        QCOMPARE(f.MSFlexGrid2->ColAlignment(0), int(ui::flexAlignLeftCenter));
        QCOMPARE(f.MSFlexGrid2->ColAlignment(1), int(ui::flexAlignLeftCenter));
    }

    void missingArticleNameKey()
    {
        VoucherFixture db;
        db.SetConfig(QStringLiteral("NombreArticulos"), QVariant());
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        QCOMPARE(f.MSFlexGrid2->TextMatrix(0, 0), QStringLiteral("Código"));
    }

    void taskAndOtherConceptGrids_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<QList<int>>("taskWidths");      // columns 0 to 4
        QTest::addColumn<QList<int>>("otherWidths");     // columns 0 to 2
        const QList<int> tasks{X(7), X(37), X(7), X(11), X(11)};
        const QList<int> others{X(49), X(11), X(11)};
        QTest::newRow("FC") << "FC" << QStringList() << tasks << others;
        QTest::newRow("OP") << "OP" << QStringList() << QList<int>{X(7), X(37) + 2 * X(11), X(7), 0, 0}
                            << QList<int>{X(49) + 2 * X(11), 0, 0};
        QTest::newRow("OT hiding amounts")
            << "OT" << QStringList{"NoMostrarImportesEnOT=SI"} << QList<int>{X(7), X(37) + 2 * X(11) + X(7), 0, 0, 0}
            << QList<int>{X(49) + 2 * X(11), 0, 0};
        QTest::newRow("OT showing amounts") << "OT" << QStringList() << tasks << others;
    }
    void taskAndOtherConceptGrids()
    {
        QFETCH(QString, tc);
        QFETCH(QStringList, config);
        QFETCH(QList<int>, taskWidths);
        QFETCH(QList<int>, otherWidths);
        VoucherFixture db;
        configure(db, config);
        VoucherHostForm f;
        f.InicializaGrids(tc);

        const ui::FlexGrid& t = *f.MSFlexGrid1;
        QCOMPARE(t.Rows(), 2);
        QCOMPARE(t.Cols(), 24);
        QCOMPARE(::widths(t, {0, 1, 2, 3, 4}), taskWidths);
        for (int c = 5; c <= 23; ++c)
            if (c != 21 && c != 22)
                QCOMPARE(t.ColWidth(c), 0);
        QCOMPARE(headers(t), (QStringList{"Código", "Descripción", "Cantidad", "Importe", "Total", "AuxEsExento",
                                          "ImporteSinIVA", "AuxObservAdic", "AuxFechaInicio", "AuxFechaFin", "AuxIdTecnico",
                                          "CodigoOriginal", "AuxFechaREALInicio", "AuxFechaREALFin", "AuxCuentaContable",
                                          "Prioridad", "Usuario", "AuxFhPresentacion", "AuxFhEmision", "AuxNroExp",
                                          "AuxFhEntrega", "", "", "AuxTasaIVA"}));
        QCOMPARE(t.ColAlignment(1), int(ui::flexAlignLeftCenter));

        const ui::FlexGrid& o = *f.MSFlexGrid3;
        QCOMPARE(o.Rows(), 2);
        QCOMPARE(o.Cols(), 7);
        QCOMPARE(::widths(o, {0, 1, 2}), otherWidths);
        QCOMPARE(::widths(o, {3, 4, 5}), (QList<int>{0, 0, 0}));
        QCOMPARE(headers(o), (QStringList{"Detalle", "Importe S/Iva", "Importe", "Cuenta", "", "", ""}));
        QCOMPARE(o.ColAlignment(0), int(ui::flexAlignLeftCenter));

        const ui::FlexGrid& c = *f.MSFlexGrid4;
        QCOMPARE(c.Rows(), 5);
        QCOMPARE(c.Cols(), 3);
        QCOMPARE(::widths(c, {0, 1, 2}), (QList<int>{X(50), X(15), X(10)}));
        QCOMPARE(headers(c), (QStringList{"Descripcion", "Cantidad ITEM'S", "Cantidad"}));
        QCOMPARE(c.ColAlignment(0), int(ui::flexAlignLeftCenter));
    }

    void untouchedColumnsKeepTheirWidths()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        f.MSFlexGrid1->SetColWidth(21, 780);
        f.MSFlexGrid1->SetColWidth(22, 0);
        f.MSFlexGrid3->SetColWidth(6, 600);
        f.InicializaGrids(QStringLiteral("FC"));
        QCOMPARE(f.MSFlexGrid1->ColWidth(21), 780);
        QCOMPARE(f.MSFlexGrid1->ColWidth(22), 0);
        QCOMPARE(f.MSFlexGrid3->ColWidth(6), 600);
    }

    void layoutDiscardsLinesAndHidesEditors()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.show();
        f.InicializaGrids(QStringLiteral("FC"));
        f.MSFlexGrid2->SetRows(4);
        f.MSFlexGrid2->SetTextMatrix(3, ColArticulo::Cantidad, QStringLiteral("5"));
        f.MSFlexGrid1->SetTextMatrix(1, ColTarea::IdTarea, QStringLiteral("T1"));
        f.txtEdit->show();
        f.txtEdit2->show();
        f.txtEdit3->setText(QStringLiteral("algo"));
        f.InicializaGrids(QStringLiteral("FC"));
        QCOMPARE(f.MSFlexGrid2->Rows(), 2);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, ColTarea::IdTarea), QString());
        QVERIFY(f.txtEdit->isHidden());
        QVERIFY(f.txtEdit2->isHidden());
        QCOMPARE(f.txtEdit3->text(), QString());
    }

    void stockLayoutHidesAnEarlierFuelTax()
    {
        VoucherFixture db;
        db.SetConfig(QStringLiteral("TransporteCombustibles"), QStringLiteral("SI"));
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        QCOMPARE(f.MSFlexGrid2->ColWidth(ColArticulo::ITC), X(10));
        f.InicializaGrids(QStringLiteral("SI"));
        QCOMPARE(f.MSFlexGrid2->ColWidth(ColArticulo::ITC), 0);
    }

    void absentGridsAndEditorsAreSkipped()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.MSFlexGrid1->SetColWidth(0, 300);
        f.MSFlexGrid3->SetColWidth(0, 300);
        // Only the article grid.
        f.Cptes().InicializaGrids(nullptr, f.MSFlexGrid2, nullptr, nullptr, nullptr, nullptr, f, QStringLiteral("FC"), nullptr);
        QCOMPARE(f.MSFlexGrid2->Cols(), 101);
        QCOMPARE(f.MSFlexGrid1->ColWidth(0), 300);
        QCOMPARE(f.MSFlexGrid3->ColWidth(0), 300);
        // Grids without their editors: every grid is laid out all the same.
        f.Cptes().InicializaGrids(f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, nullptr, nullptr, nullptr, f,
                                  QStringLiteral("FC"), f.MSFlexGrid4);
        QCOMPARE(f.MSFlexGrid1->Cols(), 24);
        QCOMPARE(f.MSFlexGrid3->Cols(), 7);
        QCOMPARE(f.MSFlexGrid4->Rows(), 5);
    }

    void apostropheInTheTypeIsText()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("O'"));   // no such type: laid out with no family
        QCOMPARE(visibleColumns(*f.MSFlexGrid2), (QList<int>{0, 1, 5, 7, 14, 18, 33, 40, 63, 97}));
    }
};

TESTSUPPORT_MAIN(TstGridLayout)
#include "tst_grid_layout.moc"
