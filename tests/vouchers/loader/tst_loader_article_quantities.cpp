// The quantities of the article rows a load writes, on the demo vouchers: what is still
// to carry and what is already applied (columns 7, 10 and 23) by source type, delivery
// run, switches and running program; the negated quantities of a credit note; one row
// per article in a delivery run; and the lines of another business unit.
#include "LoaderBench.h"

#include "platform/ui/FlexGrid.h"
#include "platform/vb/App.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QTest>

using loadertest::Bench;
using loadertest::Column;
using loadertest::Config;
using loadertest::Header;
using loadertest::Line;
using loadertest::Load;
using testsupport::ScriptedOperator;

namespace {

const QString kAviso = QStringLiteral("Aviso al operador");
const QString kOrder = QStringLiteral("000100000045X");
const QString kDelivery = QStringLiteral("000100000057R");
const QString kPartial = Config("ENTREGAPARCIALREMITO", "SI");
const QString kDischarge = Config("DESCARGASTOCKREMITOS", "SI");

// The column's texts in the loaded rows, the closing empty row left out.
QStringList loaded(const ui::FlexGrid& g, int col)
{
    QStringList texts = Column(g, col);
    if (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

} // namespace

class TstLoaderArticleQuantities : public QObject {
    Q_OBJECT

private slots:
    // The demo order (delivery run -1) asked 10 ibuprofen, 6 amoxicillin and 2 boxes of
    // gel; its delivery note took 4, 6 and 1 box, and the note was invoiced.
    void carried_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<QStringList>("cantidad");     // column 7
        QTest::addColumn<QStringList>("equivalente");  // column 10
        QTest::addColumn<QStringList>("pendiente");    // column 23

        const QStringList ud{"10", "6", "24"};
        QTest::newRow("order in a delivery run: what is left to deliver")
            << QStringList() << "Gestion" << "NP" << kOrder << false << QStringList{"6", "0", "1"} << ud
            << QStringList{"6", "0", "1"};
        // An order line kept in boxes of an article stocked in kilograms carries all its
        // kilos, whatever was delivered of it; what is pending stays in boxes.
        QTest::newRow("an order line in boxes of an article in kilograms: its kilos")
            << QStringList{Line("IdUnidadBase = 'KG  ', CANT_KG = 24.5", "2502")} << "Gestion" << "NP" << kOrder << false
            << QStringList{"6", "0", "24.5"} << ud << QStringList{"6", "0", "1"};
        QTest::newRow("the same with partial deliveries")
            << QStringList{kPartial} << "Gestion" << "NP" << kOrder << false << QStringList{"6", "0", "1"} << ud
            << QStringList{"6", "0", "1"};
        QTest::newRow("Brontavel carries what is left to deliver in columns 7, 10 and 23")
            << QStringList{kPartial} << "Brontavel" << "NP" << kOrder << false << QStringList{"6", "0", "1"}
            << QStringList{"6", "0", "1"} << QStringList{"6", "0", "1"};
        QTest::newRow("Quimsadro: column 10 is column 7")
            << QStringList() << "Quimsadro" << "NP" << kOrder << false << QStringList{"6", "0", "1"}
            << QStringList{"6", "0", "1"} << QStringList{"6", "0", "1"};
        // 15 ibuprofen ordered on two lines, 4 delivered: 11 pending, more than the line's 10.
        QTest::newRow("more pending than the line holds: the line, nothing applied below 0")
            << QStringList{QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, "
                                          "IDARTICULO, Descripcion, Cantidad, IdUnidad, IdUnidadBase) VALUES (2530, 'NP  ', "
                                          "'000100000045X', 0, 4, 'IBU400', 'Ibuprofeno', 5, 'UN  ', 'UN  ')")}
            << "Gestion" << "NP" << kOrder << false << QStringList{"10", "0", "1"} << ud
            << QStringList{"10", "0", "1"};
        QTest::newRow("order not in a delivery run: what its delivery note took is applied")
            << QStringList{kPartial, Header("IdReparto = 7", "2500")} << "Gestion" << "NP" << kOrder << false
            << QStringList{"6", "0", "1"} << ud << QStringList{"6", "0", "1"};
        QTest::newRow("a delivery note nothing was issued from: nothing applied")
            << QStringList{kPartial} << "Gestion" << "RM" << QStringLiteral("000200000031R") << false
            << QStringList{"2", "5", "3", "1", "5"} << QStringList{"200", "5", "300", "1", "500"}
            << QStringList{"2", "5", "3", "1", "5"};
        QTest::newRow("delivery note already invoiced: nothing left")
            << QStringList{kPartial} << "Gestion" << "RM" << kDelivery << false << QStringList{"0", "0", "0"}
            << QStringList{"4", "6", "12"} << QStringList{"0", "0", "0"};
        QTest::newRow("Quimsadro takes what was invoiced from a delivery note")
            << QStringList() << "Quimsadro" << "RM" << kDelivery << false << QStringList{"0", "0", "0"}
            << QStringList{"0", "0", "0"} << QStringList{"0", "0", "0"};
        QTest::newRow("delivery note without partial deliveries: the whole note")
            << QStringList() << "Gestion" << "RM" << kDelivery << false << QStringList{"4", "6", "1"}
            << QStringList{"4", "6", "12"} << QStringList{"4", "6", "1"};
        QTest::newRow("a returned delivery with nothing pending keeps its negative quantity")
            << QStringList{kPartial, Header("IdReparto = -1", "2501"), Line("Cantidad = -5", "2503")} << "Gestion" << "RM"
            << kDelivery << false << QStringList{"-5", "6", "1"} << QStringList{"4", "6", "12"}
            << QStringList{"-5", "6", "1"};
        // What was applied of a returned line stays applied, whatever its sign: nothing is
        // left to credit again.
        QTest::newRow("a returned delivery with some of it applied: nothing left")
            << QStringList{kPartial, Line("Cantidad = -5", "2503")} << "Gestion" << "RM" << kDelivery << false
            << QStringList{"0", "0", "0"} << QStringList{"4", "6", "12"} << QStringList{"0", "0", "0"};
        QTest::newRow("invoice: the whole invoice")
            << QStringList{Header("IdReparto = 5", "2502")} << "Gestion" << "FC" << QStringLiteral("000100000118A") << false
            << QStringList{"4", "6", "1"} << QStringList{"4", "6", "12"} << QStringList{"4", "6", "1"};
        QTest::newRow("budget with stock discharged by delivery notes: what is not prepared")
            << QStringList{kDischarge, Header("IdReparto = -1", "2504"), Line("Cantidadpreparada = 0.5", "2509")} << "Gestion"
            << "PR" << QStringLiteral("000100000003X") << false << QStringList{"1.5"} << QStringList{"2"}
            << QStringList{"1.5"};
        QTest::newRow("budget with nothing prepared")
            << QStringList{kDischarge, Header("IdReparto = -1", "2504")} << "Brontavel" << "PR"
            << QStringLiteral("000100000003X") << false << QStringList{"2"} << QStringList{"2"} << QStringList{"2"};
        QTest::newRow("order not in a run: prepared and to invoice")
            << QStringList{Header("IdReparto = 0", "2500"), Line("Cantidadpreparada = 4, CANTIDADAFACTURAR = 3", "2500")}
            << "Gestion" << "NP" << kOrder << false << QStringList{"3", "6", "2"} << ud << QStringList{"3", "6", "2"};
        QTest::newRow("order not in a run: prepared, nothing to invoice")
            << QStringList{Header("IdReparto = 0", "2500"), Line("Cantidadpreparada = 4, CANTIDADAFACTURAR = 0", "2500")}
            << "Gestion" << "NP" << kOrder << false << QStringList{"6", "6", "2"} << ud << QStringList{"6", "6", "2"};
        QTest::newRow("Brontavel: what is not prepared")
            << QStringList{Header("IdReparto = 0", "2500"), Line("Cantidadpreparada = 4, CANTIDADAFACTURAR = 3", "2500")}
            << "Brontavel" << "NP" << kOrder << false << QStringList{"6", "6", "2"} << QStringList{"6", "6", "2"}
            << QStringList{"6", "6", "2"};
        QTest::newRow("more to invoice than the line holds: nothing applied below 0")
            << QStringList{Header("IdReparto = 0", "2500"), Line("Cantidadpreparada = -2, CANTIDADAFACTURAR = 12", "2500")}
            << "Brontavel" << "NP" << kOrder << false << QStringList{"10", "6", "2"} << QStringList{"10", "6", "2"}
            << QStringList{"10", "6", "2"};
        // More applied than the line holds leaves nothing: column 23 follows column 7.
        QTest::newRow("6 amoxicillin with 8 prepared: nothing to carry, nothing pending")
            << QStringList{Header("IdReparto = 0", "2500"), Line("Cantidadpreparada = 8, CANTIDADAFACTURAR = 0", "2501")}
            << "Gestion" << "NP" << kOrder << false << QStringList{"10", "0", "2"} << ud
            << QStringList{"10", "0", "2"};
        QTest::newRow("a return of 5 with 8 prepared: nothing either")
            << QStringList{Header("IdReparto = 0", "2500"),
                           Line("Cantidad = -5, Cantidadpreparada = -8, CANTIDADAFACTURAR = 0", "2501")}
            << "Gestion" << "NP" << kOrder << false << QStringList{"10", "0", "2"} << ud
            << QStringList{"10", "0", "2"};
        QTest::newRow("another delivery run number: nothing to carry")
            << QStringList{Header("IdReparto = 3", "2500")} << "Brontavel" << "NP" << kOrder << false
            << QStringList{"0", "0", "0"} << QStringList{"0", "0", "0"} << QStringList{"0", "0", "0"};
        QTest::newRow("purchase invoice: the whole invoice")
            << QStringList() << "Gestion" << "FCC" << QStringLiteral("000100004512A") << true << QStringList{"50", "25"}
            << QStringList{"50", "25"} << QStringList{"50", "25"};
    }
    void carried()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, programa);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(bool, compras);
        QFETCH(QStringList, cantidad);
        QFETCH(QStringList, equivalente);
        QFETCH(QStringList, pendiente);
        Bench b(extra);
        ScriptedOperator op;
        const loadertest::RunningAs running(programa);
        b.Run(loadertest::From(tc, id, compras));
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(loaded(g, ColArticulo::Cantidad), cantidad);
        QCOMPARE(loaded(g, ColArticulo::CantidadEquiv), equivalente);
        QCOMPARE(loaded(g, ColArticulo::RestoPorAplicar), pendiente);
        QCOMPARE(loaded(g, ColArticulo::IdComprobanteFuente), QStringList(QList<QString>(cantidad.size(), id)));
    }

    // A delivery note loaded into a credit note, or any load asked for with -98, negates
    // the quantity and the pending quantity of every row.
    void negated_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<int>("reparto");
        QTest::addColumn<QStringList>("cantidad");
        QTest::addColumn<QStringList>("equivalente");

        const QStringList ud{"4", "6", "12"};
        QTest::newRow("delivery note into a credit note")
            << QStringList() << "Gestion" << "RM" << kDelivery << "NC" << 0 << QStringList{"-4", "-6", "-1"} << ud;
        QTest::newRow("delivery note into an order invoice's credit note")
            << QStringList() << "Gestion" << "RM" << kDelivery << "NCFP" << 0 << QStringList{"-4", "-6", "-1"} << ud;
        QTest::newRow("part of the delivery invoiced: the rest, negated")
            << QStringList{kPartial, Line("Cantidad = 10", "2503")} << "Gestion" << "RM" << kDelivery << "NC" << 0
            << QStringList{"-6", "0", "0"} << ud;
        QTest::newRow("Quimsadro: column 10 follows the negated quantity")
            << QStringList() << "Quimsadro" << "RM" << kDelivery << "NC" << 0 << QStringList{"-4", "-6", "-1"}
            << QStringList{"-4", "-6", "-1"};
        QTest::newRow("delivery note into an invoice") << QStringList() << "Gestion" << "RM" << kDelivery << "FC" << 0
                                                       << QStringList{"4", "6", "1"} << ud;
        QTest::newRow("an order asked for with -98")
            << QStringList() << "Gestion" << "NP" << kOrder << "FC" << -98 << QStringList{"-6", "0", "-1"}
            << QStringList{"10", "6", "24"};
    }
    void negated()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, programa);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, destino);
        QFETCH(int, reparto);
        QFETCH(QStringList, cantidad);
        QFETCH(QStringList, equivalente);
        Bench b(extra, destino);
        ScriptedOperator op;
        const loadertest::RunningAs running(programa);
        Load load = loadertest::From(tc, id);
        load.destino = destino;
        load.letra = QStringLiteral("A");
        load.reparto = qint16(reparto);
        b.Run(load);
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(loaded(g, ColArticulo::Cantidad), cantidad);
        QCOMPARE(loaded(g, ColArticulo::CantidadEquiv), equivalente);
        // The pending quantity takes the sign of the quantity.
        QCOMPARE(loaded(g, ColArticulo::RestoPorAplicar), cantidad);
    }

    // In a delivery run an article takes one row: a later line of it adds none, and still
    // counts against the page-line limit. The delivery-run program keeps every line.
    void deliveryRun_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<int>("limite");       // article lines of a delivery note's sheet
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("leftOut");      // lines told left out
        const QStringList all{"IBU400", "ALCGEL"};
        QTest::newRow("one row per article") << "Gestion" << 30 << all << 0;
        QTest::newRow("the repeated line counts") << "Gestion" << 2 << QStringList{"IBU400"} << 1;
        QTest::newRow("Quimsadro keeps every line") << "Quimsadro" << 30 << QStringList{"IBU400", "IBU400", "ALCGEL"} << 0;
    }
    void deliveryRun()
    {
        QFETCH(QString, programa);
        QFETCH(int, limite);
        QFETCH(QStringList, codes);
        QFETCH(int, leftOut);
        Bench b({Line("IDARTICULO = 'IBU400'", "2501"),
                 loadertest::PageLines("RM  ", "R", limite)},
                QStringLiteral("RM"));
        ScriptedOperator op;
        if (leftOut)
            op.expectMsgBox(QStringLiteral("Quedó 1 renglón de artículos sin cargar"), 1, kAviso);
        const loadertest::RunningAs running(programa);
        Load load;
        load.destino = QStringLiteral("RM");
        load.letra = QStringLiteral("R");
        b.Run(load);
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(loaded(g, ColArticulo::IdArticulo), codes);
        QCOMPARE(g.Rows(), codes.size() + 2);
    }

    // In a sales program with a company per business unit, a line whose article belongs
    // to another unit leaves its row (and its count) to the next line, except in an order
    // invoice or its credit note.
    void otherBusinessUnit_data()
    {
        QTest::addColumn<QString>("foreign");     // the article of another unit
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QStringList>("codes");
        const QStringList all{"IBU400", "AMO500", "ALCGEL"};
        QTest::newRow("invoice: left out, its row to the next line")
            << "AMO500" << "FC" << "A" << QStringList{"IBU400", "ALCGEL"};
        QTest::newRow("delivery note of two lines a sheet: the count comes back")
            << "AMO500" << "RM" << "R" << QStringList{"IBU400", "ALCGEL"};
        QTest::newRow("the last line: no second empty row") << "ALCGEL" << "FC" << "A" << QStringList{"IBU400", "AMO500"};
        QTest::newRow("order invoice: kept") << "AMO500" << "FP" << "B" << all;
        QTest::newRow("its credit note: kept") << "AMO500" << "NCFP" << "B" << all;
    }
    void otherBusinessUnit()
    {
        QFETCH(QString, foreign);
        QFETCH(QString, destino);
        QFETCH(QString, letra);
        QFETCH(QStringList, codes);
        Bench b({Config("RAZONSOCIALPORUNEG", "SI"),
                 QStringLiteral("UPDATE V_MA_ARTICULOS SET idTipo = '   1' WHERE IDARTICULO <> '%1'").arg(foreign),
                 loadertest::PageLines("RM  ", "R", 2)},
                destino);
        b.db.folder.write(QStringLiteral("TZ417qv.INI"), "[Programas]\r\nVentas=FACTURACION\r\n");
        ScriptedOperator op;
        const loadertest::RunningAs running(QStringLiteral("Facturacion"));
        Load load;
        load.destino = destino;
        load.letra = letra;
        b.Run(load);
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(loaded(g, ColArticulo::IdArticulo), codes);
        QCOMPARE(g.Rows(), codes.size() + 2);
        QVERIFY(g.TextMatrix(g.Rows() - 1, ColArticulo::Descripcion).isEmpty());
    }
};

TESTSUPPORT_MAIN(TstLoaderArticleQuantities)
#include "tst_loader_article_quantities.moc"
