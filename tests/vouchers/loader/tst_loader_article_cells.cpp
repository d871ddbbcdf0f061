// The cells of the article rows a load writes, on the demo vouchers: unit prices and
// totals with and without final prices, exchange-rate conversion, the price with VAT of
// a "B" invoice, exempt lines and VAT rates, price lists with and without VAT, taxes and
// fuel tax, purchase sources, lots and serials, units, and the article's own data.
#include "LoaderBench.h"

#include "platform/ui/FlexGrid.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QTest>

using loadertest::At;
using loadertest::Article;
using loadertest::Bench;
using loadertest::Config;
using loadertest::Header;
using loadertest::Line;
using loadertest::Load;
using testsupport::ScriptedOperator;
namespace A = ColArticulo;

namespace {

const QString kOrder = QStringLiteral("000100000045X");
const QString kGlovesNote = QStringLiteral("000200000031R");
const QString kPurchase = QStringLiteral("000100004512A");
const QString kFinales = Config("PRECIOSFINALES", "SI");

// A load described by one row of a table.
struct Case {
    QString tc = QStringLiteral("NP");
    QString id = kOrder;
    bool compras = false;
    QString destino = QStringLiteral("FC");
    bool convertir = false;
    int row = 1;
};

void addColumns()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("tc");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("compras");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<bool>("convertir");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
}

void addRow(const char* name, const QStringList& extra, const Case& c, const QStringList& cells)
{
    QTest::newRow(name) << extra << c.tc << c.id << c.compras << c.destino << c.convertir << c.row << cells;
}

Case from(const QString& tc, const QString& id, int row = 1)
{
    Case c;
    c.tc = tc;
    c.id = id;
    c.row = row;
    return c;
}

// Loads the table row's voucher (no prompt of any kind may appear) and compares the cells.
void loadAndCompare()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, tc);
    QFETCH(QString, id);
    QFETCH(bool, compras);
    QFETCH(QString, destino);
    QFETCH(bool, convertir);
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    Bench b(extra, destino);
    ScriptedOperator op;
    Load load = loadertest::From(tc, id, compras);
    load.destino = destino;
    load.convertir = convertir;
    b.Run(load);
    const ui::FlexGrid& g = *b.form.MSFlexGrid2;
    QCOMPARE(loadertest::Mismatches(g, row, cells), QString());
    // The load went to its end: one empty row closes the grid.
    QVERIFY(g.Rows() > row + 1);
    QCOMPARE(g.TextMatrix(g.Rows() - 1, A::IdArticulo), QString());
}

} // namespace

class TstLoaderArticleCells : public QObject {
    Q_OBJECT

private slots:
    // The demo order's ibuprofen line: 10 at 3290 (2719.0083 without VAT), total 32900,
    // for a registered customer; 6 are still to deliver.
    void prices_data()
    {
        addColumns();
        const Case order;
        const QString stored = Line("Importe = 100, Importe_S_IVA = 100, Cantidad = 2, Total = 200, TotalFinal = 242", "2500");
        const QString unlisted =
            Line("IdLista = NULL, Importe = 121, Importe_S_IVA = 100, Cantidad = 2, Total = 200, TotalFinal = 242", "2500");
        addRow("registered customer: the price without VAT", {}, order,
               {At(A::Cantidad, "6"), At(A::Importe, "2719.0083"), At(A::Total, "32900"), At(A::PrecioSinIVA, "2719.0083"),
                At(A::TotalLinea, "32900"), At(A::PrecioConIVA, ""), At(A::PrecioUnitarioSinIVA, "2719.0083"),
                At(A::Costo, "0"), At(A::Impuestos, "0"), At(A::ITC, "0"), At(A::ListaConIVA, "0")});
        addRow("final prices: the price as stored", {kFinales}, order,
               {At(A::Importe, "3290"), At(A::Total, "32900"), At(A::TotalLinea, "32900")});
        addRow("final prices, a listed line stored without VAT: its final total", {kFinales, stored}, order,
               {At(A::Total, "242"), At(A::Importe, "121.00"), At(A::TotalLinea, "242")});
        addRow("final prices, a final total not above the total: as stored",
               {kFinales, Line("Importe = 100, Importe_S_IVA = 100, Cantidad = 2, Total = 200, TotalFinal = 200", "2500")},
               order, {At(A::Total, "200"), At(A::Importe, "100")});
        Case credit = from(QStringLiteral("FC"), QStringLiteral("000100000118A"));
        credit.destino = QStringLiteral("NC");
        addRow("a credit note keeps its invoice's prices",
               {kFinales, Line("Importe = 100, Importe_S_IVA = 100, Cantidad = 2, Total = 200, TotalFinal = 242", "2506")},
               credit, {At(A::Cantidad, "2"), At(A::Total, "200"), At(A::Importe, "100")});
        addRow("final prices, a line without list: its final total, the unit price of its total", {kFinales, unlisted},
               order, {At(A::Total, "242"), At(A::Importe, "100.00")});
        addRow("... with a discount it keeps its price", {kFinales, unlisted, Line("PorcDto = 10", "2500")}, order,
               {At(A::Total, "242"), At(A::Importe, "121"), At(A::PorcDescuento, "10")});
        addRow("... with a total of 0, the unit price of its final total", {kFinales, unlisted, Line("Total = 0", "2500")},
               order, {At(A::Total, "242"), At(A::Importe, "121.00")});
        addRow("... without final total it keeps its stored total",
               {kFinales, unlisted, Line("TotalFinal = NULL", "2500")}, order,
               {At(A::Total, "200"), At(A::Importe, "100.00")});
        addRow("a line without quantity has a unit price of 0",
               {kFinales, unlisted, Line("Cantidad = 0, Total = 0", "2500")}, order,
               {At(A::Total, "242"), At(A::Importe, "0.00")});
        addRow("a listed line without quantity too",
               {kFinales, Line("Importe = 100, Importe_S_IVA = 100, Cantidad = NULL, Total = 200, TotalFinal = 242", "2500")},
               order, {At(A::Total, "242"), At(A::Importe, "0.00")});
        addRow("taxes and fuel tax per unit in the line total", {Line("Impuestos = 2, iTC = 1", "2500")}, order,
               {At(A::Impuestos, "2"), At(A::ITC, "1"), At(A::TotalLinea, "32918")});
        // A budget in dollars at 1050: 2 amoxicillin at 4.75.
        Case dollars = from(QStringLiteral("PR"), QStringLiteral("000100000003X"));
        dollars.convertir = true;
        addRow("converted by the exchange rate", {Line("Costo = 2.61, Impuestos = 0.1, iTC = 0.05", "2509")}, dollars,
               {At(A::Cantidad, "2"), At(A::Importe, "4987.5"), At(A::PrecioSinIVA, "4121.88"), At(A::Total, "9975"),
                At(A::Costo, "2740.5"), At(A::Impuestos, "105"), At(A::ITC, "52.5"), At(A::PrecioConIVA, "4987.5"),
                At(A::TotalLinea, "10290"), At(A::ListaConIVA, ""), At(A::PrecioUnitarioSinIVA, "3.9256")});
        addRow("not converted", {}, from(QStringLiteral("PR"), QStringLiteral("000100000003X")),
               {At(A::Importe, "4.75"), At(A::Total, "9.5"), At(A::PrecioConIVA, "4.75"), At(A::ListaConIVA, "0")});
    }
    void prices() { loadAndCompare(); }

    // Quantities stay the doubles stored: a unit price is the total divided by the stored
    // quantity, and the line total with taxes multiplies by it, each taken as an amount
    // at the end. The demo invoice's ibuprofen line, without price list, total 100.
    void storedQuantities_data()
    {
        addColumns();
        Case invoice = from(QStringLiteral("FC"), QStringLiteral("000100000118A"));
        const QString whole = Header("IdReparto = 5", "2502");
        auto line = [](const char* cantidad, const char* impuestos) {
            return Line(QStringLiteral("IdLista = NULL, PorcDto = 0, Total = 100, TotalFinal = 100, iTC = 0, Cantidad = %1, "
                                       "Impuestos = %2")
                            .arg(QLatin1String(cantidad), QLatin1String(impuestos)),
                        "2506");
        };
        addRow("final prices, 0.33333: 100 / 0.33333", {whole, kFinales, line("0.33333", "300")}, invoice,
               {At(A::Importe, "300.00"), At(A::Total, "100"), At(A::TotalLinea, "100")});
        addRow("final prices, 0.00004: no division by zero", {whole, kFinales, line("0.00004", "300")}, invoice,
               {At(A::Importe, "2500000.00"), At(A::Total, "100"), At(A::TotalLinea, "100")});
        addRow("final prices, 2.33335", {whole, kFinales, line("2.33335", "2000")}, invoice,
               {At(A::Importe, "42.86"), At(A::Total, "100"), At(A::TotalLinea, "100")});
        addRow("0.33333 times the taxes", {whole, line("0.33333", "300")}, invoice,
               {At(A::Total, "100"), At(A::Impuestos, "300"), At(A::TotalLinea, "199.999")});
        addRow("0.00004 times the taxes", {whole, line("0.00004", "300")}, invoice, {At(A::TotalLinea, "100.012")});
        addRow("2.33335 times the taxes", {whole, line("2.33335", "2000")}, invoice, {At(A::TotalLinea, "4766.7")});
        addRow("... and the fuel tax",
               {whole, line("2.33335", "2000"), Line("iTC = 1000", "2506")}, invoice, {At(A::TotalLinea, "7100.05")});
        addRow("a listed line stored without VAT, 0.33333: its final total / 0.33333",
               {whole, kFinales,
                Line("Importe = 100, Importe_S_IVA = 100, Cantidad = 0.33333, Total = 100, TotalFinal = 121", "2506")},
               invoice, {At(A::Total, "121"), At(A::Importe, "363.00")});
    }
    void storedQuantities() { loadAndCompare(); }

    void vat_data()
    {
        addColumns();
        const Case order;
        const QString letterB = Header("CondicionIva = '4'", "2500");
        addRow("letter A: no price with VAT", {}, order, {At(A::PrecioConIVA, ""), At(A::EsExento, "0"), At(A::IVA, "21")});
        addRow("letter B: the price with VAT", {letterB}, order, {At(A::PrecioConIVA, "3290"), At(A::Importe, "3290")});
        addRow("letter B with final prices: less the internal taxes", {letterB, kFinales, Line("Impuestos = 5", "2500")},
               order, {At(A::PrecioConIVA, "3285"), At(A::Importe, "3290")});
        addRow("a company that gives letter C", {letterB, Config("CONDIVA", "4")}, order, {At(A::PrecioConIVA, "")});
        addRow("an exempt line", {letterB, Line("Exento = 1", "2500")}, order,
               {At(A::PrecioConIVA, ""), At(A::EsExento, "-1")});
        addRow("an exempt mark left Null counts as exempt for the price with VAT",
               {letterB, Line("Exento = NULL", "2500")}, order, {At(A::PrecioConIVA, ""), At(A::EsExento, "0")});
        addRow("the line's rate", {Line("AlicIVA = 10.5", "2500")}, order, {At(A::IVA, "10.5")});
        addRow("a line without rate: the article's", {Line("AlicIVA = 0", "2500"), Article("TasaIVA = 27", "IBU400")},
               order, {At(A::IVA, "27")});
        addRow("neither: the voucher's general rate",
               {Line("AlicIVA = 0", "2500"), Article("TasaIVA = 0", "IBU400"), Config("PIVA", "19")}, order,
               {At(A::IVA, "19")});
        auto list = [](int conIva, const char* tipo) {
            return QStringLiteral("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, PRECIO, CONIVA) VALUES "
                                  "('   1', '%1', 'IBU400', 3290, %2)")
                .arg(QLatin1String(tipo))
                .arg(conIva);
        };
        addRow("a sales list with VAT", {list(1, "V")}, order, {At(A::ListaConIVA, "-1")});
        addRow("a sales list without VAT", {list(0, "V")}, order, {At(A::ListaConIVA, "0")});
        addRow("only a purchase list", {list(1, "C")}, order, {At(A::ListaConIVA, "0")});
    }
    void vat() { loadAndCompare(); }

    // The demo purchase invoice: 50 ibuprofen at 2238.5 (1850 without VAT), the supplier's
    // code DS10.440; the article costs 1850 today.
    void purchases_data()
    {
        addColumns();
        Case purchase = from(QStringLiteral("FCC"), kPurchase);
        purchase.compras = true;
        addRow("the article's cost of today, the supplier's code, no sales data", {Article("Costo = 1900.5", "IBU400")},
               purchase,
               {At(A::Costo, "1900.5"), At(A::CodigoArtProveedor, "DS10.440"), At(A::PrecioLista, ""),
                At(A::ListaPrecio, ""), At(A::Deposito, ""), At(A::PorcDescuento, ""), At(A::EnComodato, ""),
                At(A::ListaConIVA, ""), At(A::TotalLinea, "111925"), At(A::Importe, "1850"), At(A::Coeficiente, "1")});
        addRow("a list price", {Line("Precio_Lista = 1900", "2500", "C_MV_CPTEINSUMOS")}, purchase,
               {At(A::PrecioLista, "1900")});
        Case converted = purchase;
        converted.convertir = true;
        addRow("converted: the line's own cost",
               {Header("Cotizacion = 2", "2500", "C_MV_CPTE"),
                Line("Precio_Lista = 1900, Costo = 1800", "2500", "C_MV_CPTEINSUMOS")},
               converted,
               {At(A::Costo, "3600"), At(A::PrecioLista, "3800"), At(A::Importe, "4477"), At(A::PrecioSinIVA, "3700"),
                At(A::Total, "223850"), At(A::TotalLinea, "223850")});
        addRow("a line in boxes: their equivalence", {Line("IdUnidad = 'CAJA', Equiv_UDBase = 12", "2500", "C_MV_CPTEINSUMOS")},
               purchase, {At(A::Coeficiente, "12")});
        addRow("a line in boxes without equivalence",
               {Line("IdUnidad = 'CAJA', Equiv_UDBase = NULL", "2500", "C_MV_CPTEINSUMOS")}, purchase,
               {At(A::Coeficiente, "1")});
        addRow("a supplier's code left empty", {Line("CodigoArtProveedor = NULL", "2500", "C_MV_CPTEINSUMOS")}, purchase,
               {At(A::CodigoArtProveedor, "")});
    }
    void purchases() { loadAndCompare(); }

    // Lots, serials, origin and control as stored, units and the sales data of the line.
    void lineData_data()
    {
        addColumns();
        const Case order;
        addRow("lots from a delivery note", {}, from(QStringLiteral("RM"), kGlovesNote, 2),
               {At(A::NroLote, "|L-2511|L-2602|"), At(A::NroSerie, "|3|2|"), At(A::LoteAduana, "ANMAT"),
                At(A::LoteOrigen, "1")});
        addRow("lot and serial from a delivery note", {}, from(QStringLiteral("RM"), kGlovesNote, 4),
               {At(A::NroLote, "|G-24A|"), At(A::NroSerie, "|GL-1001|")});
        addRow("no lots from an order", {Line("Nro_Lote = '|L-2511|', Nro_Serie = '|3|', ControladoPor = 'X'", "2500")},
               order, {At(A::NroLote, ""), At(A::NroSerie, ""), At(A::LoteAduana, "")});
        addRow("a box of a hundred: the coefficient, base unit and presentation", {}, from(QStringLiteral("RM"), kGlovesNote),
               {At(A::Unidad, "CAJA"), At(A::Coeficiente, "100"), At(A::UnidadEquiv, "UN"), At(A::CantidadEquiv, "200"),
                At(A::UnidadBase, "UN"), At(A::Presentacion, "Caja x 100"), At(A::TipoCoeficiente, "*")});
        addRow("a line without base unit", {Line("IdUnidadBase = NULL, Presentacion = NULL", "2520")},
               from(QStringLiteral("RM"), kGlovesNote),
               {At(A::UnidadBase, "CAJA"), At(A::UnidadEquiv, ""), At(A::Presentacion, "Par"), At(A::Coeficiente, "1")});
        addRow("sales data", {}, order,
               {At(A::ListaPrecio, "1"), At(A::PorcDescuento, "0"), At(A::EnComodato, "0"), At(A::Deposito, "")});
        addRow("a loan, a discount and the deposit asked for",
               {Header("EnComodato = 1", "2500"), Line("PorcDto = 5", "2500"), Config("PIDEDEPOSITOENCPTES", "SI")}, order,
               {At(A::EnComodato, "1"), At(A::PorcDescuento, "5"), At(A::Deposito, "1")});
        addRow("the source voucher and the line's sequence", {}, order,
               {At(A::IdComprobanteFuente, kOrder), At(A::SecuenciaOrigen, "1"), At(A::UnidadLinea, "UN")});
        addRow("an apostrophe in the article code, in a delivery run",
               {Line("IDARTICULO = 'IBU''400'", "2500")}, order, {At(A::IdArticulo, "IBU'400"), At(A::Cantidad, "10")});
        addRow("an apostrophe in the article code and the list, applied quantities asked",
               {Line("IDARTICULO = 'IBU''400', IdLista = 'L''1'", "2500"), Header("IdReparto = 7", "2500"),
                Config("ENTREGAPARCIALREMITO", "SI")},
               order, {At(A::IdArticulo, "IBU'400"), At(A::ListaPrecio, "L'1"), At(A::ListaConIVA, "0")});
    }
    void lineData() { loadAndCompare(); }

    // What the article's master row says, on the delivery note of gloves, paracetamol and
    // a glucose meter.
    void articleData_data()
    {
        addColumns();
        const Case gloves = from(QStringLiteral("RM"), kGlovesNote, 1);
        addRow("gloves: sizes", {}, gloves,
               {At(A::PideTalle, "-1"), At(A::PideLote, "0"), At(A::PideSerie, "0"), At(A::EsPerecedero, "0"),
                At(A::PideEquivalencia, "0"), At(A::EsPesable, "0"), At(A::CodigoBarra, "7790001000071"),
                At(A::CuentaContable, "4101"), At(A::CodProveedor, ""), At(A::DescripcionTipo, "Venta libre")});
        addRow("paracetamol: lots, perishable", {}, from(QStringLiteral("RM"), kGlovesNote, 2),
               {At(A::PideLote, "-1"), At(A::EsPerecedero, "-1"), At(A::PideSerie, "0"), At(A::PideTalle, "0")});
        addRow("glucose meter: lots and serials", {}, from(QStringLiteral("RM"), kGlovesNote, 4),
               {At(A::PideLote, "-1"), At(A::PideSerie, "-1")});
        addRow("automatic lots: every line asks for lots", {Config("ASIGNACIONAUTOMATICADELOTEING", "SI")}, gloves,
               {At(A::PideLote, "-1")});
        addRow("marks left Null read no", {Article("UsaTalle = NULL, PIDEEQUIVALENCIA = NULL, pesable = 1", "GUANTE")},
               gloves, {At(A::PideTalle, "0"), At(A::PideEquivalencia, "0"), At(A::EsPesable, "-1")});
        addRow("the supplier's code", {}, Case(), {At(A::CodProveedor, "DS10.440")});
        addRow("an article the master does not hold: the line's own values",
               {Line("IDARTICULO = 'NOEXISTE'", "2520")}, gloves,
               {At(A::IdArticulo, "NOEXISTE"), At(A::Cantidad, "2"), At(A::Coeficiente, "100"), At(A::EsExento, "0"),
                At(A::IVA, "21"), At(A::PideTalle, ""), At(A::PideLote, ""), At(A::TipoCoeficiente, ""),
                At(A::CuentaContable, ""), At(A::DescripcionTipo, ""), At(A::CodigoBarra, ""),
                At(A::PrecioUnitarioSinIVA, "")});
    }
    void articleData() { loadAndCompare(); }
};

TESTSUPPORT_MAIN(TstLoaderArticleCells)
#include "tst_loader_article_cells.moc"
