// The last cells of the article rows a load writes, on the demo vouchers: the timber
// trade's measures and the cells painted white, the fold of a repeated piece into its
// earlier row, the bulk quantities, and the exempt mark and rate of proforma and legally
// exempt lines.
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
using loadertest::Mismatches;
using testsupport::ScriptedOperator;
namespace A = ColArticulo;

namespace {

const QString kGlovesNote = QStringLiteral("000200000031R");
const long kBlanco = 0xFFFFFF;

// Timber trade on, boxes as the strip unit, gloves sold by measures: the delivery note of
// gloves (lines 2520, 2522 and 2524) has gloves of 0.08 by 24.
QStringList timber()
{
    return {Config("MADERERA", "SI"), Config("MAD_TIRAS", "CAJA"), Article("PIDEMEDIDAS = 1", "GUANTE"),
            Line("Espesor = 0.08, Ancho = 24", "2520, 2522, 2524")};
}

QStringList operator+(QStringList a, const QString& b)
{
    a << b;
    return a;
}

bool white(ui::FlexGrid& g, int row, int col)
{
    g.SetRow(row);
    g.SetCol(col);
    return g.CellForeColor() == kBlanco;
}

} // namespace

class TstLoaderArticleCompletion : public QObject {
    Q_OBJECT

private slots:
    // Rows 1 (gloves) and 2 (paracetamol, not sold by measures) of the delivery note, whose
    // two gloves lines of the same price are kept apart here.
    void timberMeasures_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<bool>("convertir");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QList<int>>("painted");     // columns written in white
        QTest::addColumn<QList<int>>("unpainted");

        const QStringList apart = timber() + Line("Importe_Ud = 36000", "2522");
        const QList<int> measures{A::Espesor, A::Ancho, A::Largo};
        QTest::newRow("timber trade off: nothing of it")
            << QStringList() << false << false << 1
            << QStringList{At(A::PideMedidas, ""), At(A::Espesor, ""), At(A::UnidadPrecio, ""), At(A::ImporteUnidad, ""),
                           At(A::Coeficiente, "100")}
            << QList<int>() << measures;
        QTest::newRow("sold by measures, in strips: the strip's length")
            << apart << false << false << 1
            << QStringList{At(A::PideMedidas, "1"), At(A::Espesor, "0.08"), At(A::Ancho, "24"), At(A::UnidadLinea, "CAJA"),
                           At(A::Largo, "100"), At(A::UnidadPrecio, "CAJA"), At(A::ImporteUnidad, "35000")}
            << QList<int>() << measures;
        QTest::newRow("sold by measures in another unit: the length keeps its text, in white")
            << (apart + Config("MAD_TIRAS", "TIRA")) << false << false << 1
            << QStringList{At(A::PideMedidas, "1"), At(A::Espesor, "0.08"), At(A::Largo, "100")}
            << QList<int>{A::Largo} << QList<int>{A::Espesor, A::Ancho};
        QTest::newRow("not sold by measures: the measures in white")
            << apart << false << false << 2
            << QStringList{At(A::PideMedidas, "0"), At(A::Espesor, ""), At(A::Coeficiente, "1"), At(A::UnidadPrecio, "UN"),
                           At(A::ImporteUnidad, "1090")}
            << measures << QList<int>();
        QTest::newRow("an article the master does not hold is not sold by measures")
            << (apart + Line("IDARTICULO = 'NOEXISTE'", "2520")) << false << false << 1
            << QStringList{At(A::PideMedidas, "0"), At(A::Espesor, "")} << measures << QList<int>();
        QTest::newRow("the unit price by measure converted")
            << (apart + Header("Cotizacion = 350.5", "2520")) << false << true << 1
            << QStringList{At(A::ImporteUnidad, "12267500")} << QList<int>() << QList<int>();
    }
    void timberMeasures()
    {
        QFETCH(QStringList, extra);
        QFETCH(bool, compras);
        QFETCH(bool, convertir);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QList<int>, painted);
        QFETCH(QList<int>, unpainted);
        Bench b(extra);
        ScriptedOperator op;
        Load load = loadertest::From(QStringLiteral("RM"), kGlovesNote, compras);
        load.convertir = convertir;
        b.Run(load);
        ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(g.Rows(), 7);
        QCOMPARE(Mismatches(g, row, cells), QString());
        for (int col : painted)
            QVERIFY2(white(g, row, col), qPrintable(QStringLiteral("column %1 not in white").arg(col)));
        for (int col : unpainted)
            QVERIFY2(!white(g, row, col), qPrintable(QStringLiteral("column %1 in white").arg(col)));
    }

    // A purchase source is no timber-trade row, whatever the switch.
    void timberPurchase()
    {
        Bench b(timber());
        ScriptedOperator op;
        b.Run(loadertest::From(QStringLiteral("FCC"), QStringLiteral("000100004512A"), true));
        QCOMPARE(Mismatches(*b.form.MSFlexGrid2, 1,
                            {At(A::PideMedidas, ""), At(A::UnidadPrecio, ""), At(A::ImporteUnidad, "")}),
                 QString());
    }

    // The gloves of lines 2520 and 2522: 2 and 3 boxes, strips of 1.5 and 2, 28925.6198
    // and 30000 without VAT, costs 18000 and 18600; the third gloves line is on offer.
    void merge_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("first");    // cells of row 1
        QTest::addColumn<QStringList>("second");   // cells of row 2, the paracetamol

        const QStringList pair = timber() + Line("Equiv_UDBase = 1.5", "2520")
                               + Line("Equiv_UDBase = 2, Importe_S_IVA = 30000", "2522")
                               + Article("PIDEEQUIVALENCIA = 1", "GUANTE");
        // Its bundles come from its own 5 packs (100 a bundle), whatever row is folded.
        const QStringList paracetamol{At(A::IdArticulo, "PARA500"), At(A::Cantidad, "5"), At(A::CantBL, "0.05"),
                                      At(A::IVA, "21"), At(A::NroLote, "|L-2511|L-2602|")};
        QTest::newRow("two lines of the same piece fold into the first")
            << pair << "FC" << 6
            << QStringList{At(A::Cantidad, "5"), At(A::Coeficiente, "1.8"), At(A::CoeficienteMoneda, "1.8"),
                           At(A::CantidadEquiv, "500"), At(A::Importe, "29570.2479"), At(A::PrecioSinIVA, "29570.2479"),
                           At(A::Total, "175000"), At(A::TotalLinea, "175000"), At(A::Costo, "18360"),
                           At(A::RestoPorAplicar, "5"), At(A::NroLote, "|M-BLANCO-U|L-CELESTE-U|"),
                           At(A::NroSerie, "|2|3|"), At(A::CantBL, "5")}
            << paracetamol;
        // The first two at 29570.2479 (5 boxes), the offer at 23914.0496 (5 boxes).
        QTest::newRow("a third line of the same piece folds into the first")
            << (pair + Line("Importe_Ud = 35000", "2524")) << "FC" << 5
            << QStringList{At(A::Cantidad, "10"), At(A::Total, "319680"), At(A::Importe, "26742.1488"),
                           At(A::NroLote, "|M-BLANCO-U|L-CELESTE-U|S-BLANCO-U|"), At(A::NroSerie, "|2|3|5|"),
                           At(A::CantBL, "10")}
            << paracetamol;
        QTest::newRow("a pair that cancels out is added up, not averaged")
            << (pair + Line("Cantidad = -2, Total = -70000, Cant_BL = -2", "2522")) << "FC" << 6
            << QStringList{At(A::Cantidad, "0"), At(A::Coeficiente, "1.5"), At(A::Importe, "28925.6198"),
                           At(A::PrecioSinIVA, "28925.6198"), At(A::Costo, "18000"), At(A::Total, "0"),
                           At(A::RestoPorAplicar, "0"), At(A::CantBL, "0"), At(A::NroSerie, "|2|3|")}
            << paracetamol;
        QTest::newRow("quantities of fractions fold as stored, not as amounts")
            << (pair + Line("Cantidad = 0.33333, CantidadUd = 33.333, Cant_BL = 0.33333", "2520")
                + Line("Cantidad = 0.33334, CantidadUd = 33.334, Cant_BL = 0.33334", "2522"))
            << "FC" << 6
            << QStringList{At(A::Cantidad, "0.66667"), At(A::RestoPorAplicar, "0.66667"), At(A::CantidadEquiv, "66.667")}
            << paracetamol;
        QTest::newRow("codes compare without case or outer blanks")
            << (pair + Line("IDARTICULO = 'guante '", "2522")) << "FC" << 6 << QStringList{At(A::Cantidad, "5")}
            << paracetamol;
        QTest::newRow("another unit price: apart")
            << (pair + Line("Importe_Ud = 36000", "2522")) << "FC" << 7 << QStringList{At(A::Cantidad, "2")}
            << paracetamol;
        QTest::newRow("other measures: apart") << (pair + Line("Ancho = 12", "2522")) << "FC" << 7
                                               << QStringList{At(A::Cantidad, "2")} << paracetamol;
        QTest::newRow("the article code \"*\" is never folded")
            << (pair + Line("IDARTICULO = '*'", "2520, 2522")) << "FC" << 7 << QStringList{At(A::Cantidad, "2")}
            << QStringList{At(A::IdArticulo, "PARA500")};
        QTest::newRow("timber trade off: apart") << QStringList() << "FC" << 7 << QStringList{At(A::Cantidad, "2")}
                                                 << paracetamol;
        // What the row routine writes after the fold goes to the row folded into.
        QTest::newRow("a proforma rate after the fold goes to the first row")
            << (pair + Article("Descripabrev = 'PROFORMA 10.5'", "GUANTE")) << "FP" << 6
            << QStringList{At(A::Cantidad, "5"), At(A::IVA, " 10.5")} << paracetamol;
    }
    void merge()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, destino);
        QFETCH(int, rows);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        Bench b(extra, destino);
        ScriptedOperator op;   // no error box: a pair that cancels out divides by nothing
        Load load = loadertest::From(QStringLiteral("RM"), kGlovesNote);
        load.destino = destino;
        load.letra = QStringLiteral("B");
        b.Run(load);
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(g.Rows(), rows);
        QCOMPARE(Mismatches(g, 1, first), QString());
        QCOMPARE(Mismatches(g, 2, second), QString());
        QVERIFY(g.TextMatrix(rows - 1, A::IdArticulo).isEmpty());
    }

    // The demo order's first line (ibuprofen, rate 21) into an order invoice, its credit
    // note or an invoice.
    void exemptMarks_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("exento");
        QTest::addColumn<QString>("tasa");
        auto abreviada = [](const char* text) {
            return QStringList{Article(QStringLiteral("Descripabrev = '%1'").arg(QLatin1String(text)), "IBU400")};
        };
        QTest::newRow("proforma: exempt") << abreviada("PROFORMA") << "FP" << "1" << "21";
        QTest::newRow("proforma and a rate") << abreviada("PROFORMA 10.5") << "FP" << "0" << " 10.5";
        QTest::newRow("in small letters") << abreviada("proforma27") << "FP" << "0" << "27";
        QTest::newRow("the credit note of an order invoice") << abreviada("PROFORMA") << "NCFP" << "1" << "21";
        QTest::newRow("an invoice takes no proforma") << abreviada("PROFORMA 10.5") << "FC" << "0" << "21";
        QTest::newRow("exempt by law, for an exempt customer")
            << QStringList{Article("PROCEDENCIA = 'EXENTO LEY'", "IBU400"),
                           Header("CondicionIva = '3'", "2500")}
            << "FC" << "1" << "21";
        QTest::newRow("exempt by law, for a registered customer")
            << QStringList{Article("PROCEDENCIA = 'EXENTO LEY'", "IBU400")} << "FC" << "0" << "21";
        QTest::newRow("an article the master does not hold")
            << QStringList{Line("IDARTICULO = 'NOEXISTE'", "2500"),
                           Header("CondicionIva = '3'", "2500")}
            << "FP" << "0" << "21";
    }
    void exemptMarks()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, destino);
        QFETCH(QString, exento);
        QFETCH(QString, tasa);
        Bench b(extra, destino);
        ScriptedOperator op;
        Load load;
        load.destino = destino;
        load.letra = QStringLiteral("B");
        b.Run(load);
        QCOMPARE(Mismatches(*b.form.MSFlexGrid2, 1, {At(A::EsExento, exento), At(A::IVA, tasa)}), QString());
    }

    // Bundles, kilograms and cubic metres: the equivalence columns of each row are worked
    // out again from its quantity and unit, except the bundles of an article that asks for
    // its equivalence, which keep what the line stored.
    void bulk_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        const QString askEquivalence = Article("PIDEEQUIVALENCIA = 1", "ALCGEL");
        const QString order = QStringLiteral("000100000045X");
        QTest::newRow("the bundles stored")
            << QStringList{Article("PIDEEQUIVALENCIA = 1", "GUANTE")} << "RM" << kGlovesNote << 1
            << QStringList{At(A::CantBL, "2")};
        QTest::newRow("an order line of an article kept in kilograms: its equivalence as bundles")
            << QStringList{askEquivalence, Line("IdUnidadBase = 'KG  ', Equiv_UDBase = 12, Cant_BL = 7", "2502")} << "NP"
            << order << 3 << QStringList{At(A::CantBL, "12")};
        QTest::newRow("any other line: its bundles")
            << QStringList{askEquivalence, Line("Equiv_UDBase = 12, Cant_BL = 7", "2502")} << "NP" << order << 3
            << QStringList{At(A::CantBL, "7")};
        QTest::newRow("kilograms worked out again from the quantity")
            << QStringList{Line("IdUnidad = 'KG  ', IdUnidadBase = 'KG  ', CANT_KG = 99", "2502")} << "NP" << order << 3
            << QStringList{At(A::Cantidad, "1"), At(A::CantKG, "1")};
    }
    void bulk()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        Bench b(extra);
        ScriptedOperator op;
        b.Run(loadertest::From(tc, id));
        QCOMPARE(Mismatches(*b.form.MSFlexGrid2, row, cells), QString());
        // The grid is left on the last row loaded.
        QCOMPARE(b.form.MSFlexGrid2->Row(), b.form.MSFlexGrid2->Rows() - 2);
    }
};

TESTSUPPORT_MAIN(TstLoaderArticleCompletion)
#include "tst_loader_article_completion.moc"
