// AsignarDatosComprobante's frame on the demo vouchers: the page-line limit of the
// destination and its messages, the destination letter, the source's key, the rows each
// stage leaves, what the load hands back, its error path and the operator's input while
// it runs.
#include "LoaderBench.h"

#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QEvent>
#include <QTest>

using loadertest::Bench;
using loadertest::Column;
using loadertest::Load;
using testsupport::ScriptedOperator;

namespace {

const QString kAviso = QStringLiteral("Aviso al operador");

QString sheets(int hojas, int limite)
{
    return QStringLiteral("Recuerde que para facturar este pedido completo necesita %1 Hojas (El sistema tiene "
                          "configurado %2 por hoja)")
        .arg(hojas)
        .arg(limite);
}

QString leftOut(int n, int limite)
{
    const QString start = n == 1 ? QStringLiteral("Quedó 1 renglón de artículos sin cargar")
                                 : QStringLiteral("Quedaron %1 renglones de artículos sin cargar").arg(n);
    return start + QStringLiteral(" (El sistema tiene configurado %1 por hoja)").arg(limite);
}

// Lines without an article code, left out of a load.
QString withoutArticle(int n)
{
    return n == 1 ? QStringLiteral("Quedó 1 renglón de artículos sin cargar (no tiene código de artículo)")
                  : QStringLiteral("Quedaron %1 renglones de artículos sin cargar (no tienen código de artículo)").arg(n);
}

const QString kOrder = QStringLiteral("000100000045X");
const QStringList kOrderLines{QStringLiteral("IBU400"), QStringLiteral("AMO500"), QStringLiteral("ALCGEL")};

// The data rows of a grid that hold an item.
QStringList codes(const ui::FlexGrid& g)
{
    QStringList c;
    for (const QString& code : Column(g, ColItem::Codigo))
        if (!code.isEmpty())
            c << code;
    return c;
}

// Runs the load with an operator who expects exactly these information boxes, in order.
void runTelling(Bench& b, Load& load, const QStringList& messages)
{
    ScriptedOperator op;
    for (const QString& m : messages)
        op.expectMsgBox(m, 1, kAviso, 64);
    b.Run(load);
    QCOMPARE(op.shown().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QCOMPARE(op.shown()[i].text, messages[i]);
}

// Counts the keys and clicks that reach a widget.
class InputCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            ++count;
        return false;
    }
};

// An operator that, while a message box of the load is up, types into the host form as
// an impatient operator would while the load lets pending events run.
class TypingOperator : public ScriptedOperator {
public:
    explicit TypingOperator(QWidget* target) : target_(target) {}
    int MsgBox(const QString& prompt, int style, const QString& title) override
    {
        QTest::keyClick(target_, Qt::Key_Delete);
        QTest::mouseClick(target_, Qt::LeftButton);
        return ScriptedOperator::MsgBox(prompt, style, title);
    }

private:
    QWidget* target_;
};

} // namespace

class TstVoucherLoader : public QObject {
    Q_OBJECT

private slots:
    void pageLineLimit_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QString>("letraOut");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("cliente");        // NPP_Cliente after the load ("-": as before, "x")
        QTest::addColumn<QStringList>("loaded");

        const QString minus999 = QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET Recepcion = -999 WHERE ID = 2500");
        // Without a letter the limit is that of the empty letter, read before the letter
        // becomes A: A's sheets of 2 lines are not the empty letter's.
        QTest::newRow("order into an FP without a letter: no limit of its own, then A")
            << QStringList() << "NP" << kOrder << "FP" << "" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("order into an FP A, whose sheets hold 2 lines")
            << QStringList() << "NP" << kOrder << "FP" << "A" << "A" << QStringList{sheets(2, 2), leftOut(1, 2)}
            << "110301" << QStringList{"IBU400", "AMO500"};
        QTest::newRow("order into an FC without a letter, whose sheets hold 1 line")
            << QStringList{loadertest::PageLines("FC  ", "", 1)} << "NP" << kOrder << "FC" << "" << "A"
            << QStringList{sheets(3, 1), leftOut(2, 1)} << "110301" << QStringList{"IBU400"};
        QTest::newRow("order into an FC A of 30 lines: no message")
            << QStringList() << "NP" << kOrder << "FC" << "A" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("order into an FC with an empty letter: A")
            << QStringList() << "NP" << kOrder << "FC" << "" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("order into an FC A of 2 lines")
            << QStringList{"UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = 2 WHERE TC = 'FC' AND LETRA = 'A'"} << "NP" << kOrder
            << "FC" << "A" << "A" << QStringList{sheets(2, 2), leftOut(1, 2)} << "110301"
            << QStringList{"IBU400", "AMO500"};
        QTest::newRow("order into an FC A of 1 line: 3 sheets")
            << QStringList{"UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = 1 WHERE TC = 'FC' AND LETRA = 'A'"} << "NP" << kOrder
            << "FC" << "A" << "A" << QStringList{sheets(3, 1), leftOut(2, 1)} << "110301" << QStringList{"IBU400"};
        QTest::newRow("limit 0: every line, no message")
            << QStringList{"UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = 0 WHERE TC = 'FC' AND LETRA = 'A'"} << "NP" << kOrder
            << "FC" << "A" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("a negative limit is no limit")
            << QStringList{"UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = -3 WHERE TC = 'FC' AND LETRA = 'A'"} << "NP"
            << kOrder << "FC" << "A" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("a limit that is no number is no limit")
            << QStringList{"UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = 'abc' WHERE TC = 'FC' AND LETRA = 'A'"} << "NP"
            << kOrder << "FC" << "A" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("a negative limit of a delivery note is no limit either")
            << QStringList{loadertest::PageLines("RM  ", "R", -1)} << "NP" << kOrder << "RM" << "R" << "R"
            << QStringList() << "" << kOrderLines;
        QTest::newRow("order into a delivery note: no message")
            << QStringList() << "NP" << kOrder << "RM" << "R" << "R" << QStringList() << "" << kOrderLines;
        QTest::newRow("delivery note of 2 lines: the lines left out are told")
            << QStringList{loadertest::PageLines("RM  ", "R", 2)} << "NP" << kOrder << "RM" << "R" << "R"
            << QStringList{leftOut(1, 2)} << "" << QStringList{"IBU400", "AMO500"};
        QTest::newRow("FP from a delivery note: no letter, no limit")
            << QStringList() << "RM" << "000100000057R" << "FP" << "" << "" << QStringList() << "" << kOrderLines;
        QTest::newRow("a line received with -999 is passed over while the order is split")
            << QStringList{minus999} << "NP" << kOrder << "FP" << "A" << "A" << QStringList{sheets(2, 2)} << "110301"
            << QStringList{"AMO500", "ALCGEL"};
        QTest::newRow("a line received with -999 loads when the order is not split")
            << QStringList{minus999} << "NP" << kOrder << "FC" << "A" << "A" << QStringList() << "" << kOrderLines;
        QTest::newRow("a voucher without article lines keeps the order's members")
            << QStringList() << "OT" << "000100000007X" << "FC" << "A" << "A" << QStringList() << "-" << QStringList();
    }
    void pageLineLimit()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, destino);
        QFETCH(QString, letra);
        QFETCH(QString, letraOut);
        QFETCH(QStringList, messages);
        QFETCH(QString, cliente);
        QFETCH(QStringList, loaded);

        Bench b(extra, destino);
        b.form.Cptes().NPP_Cliente = QStringLiteral("x");
        b.form.Cptes().NPP_IDCpte = QStringLiteral("y");
        Load load = loadertest::From(tc, id);
        load.destino = destino;
        load.letra = letra;
        runTelling(b, load, messages);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(load.letra, letraOut);
        if (cliente == QLatin1String("-")) {
            QCOMPARE(b.form.Cptes().NPP_Cliente, QStringLiteral("x"));
            QCOMPARE(b.form.Cptes().NPP_IDCpte, QStringLiteral("y"));
        } else {
            QCOMPARE(b.form.Cptes().NPP_Cliente, cliente);
            QCOMPARE(b.form.Cptes().NPP_IDCpte, cliente.isEmpty() ? QString() : kOrder);
        }
        // The loaded lines and one empty row after them.
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(codes(g), loaded);
        QCOMPARE(g.Rows(), std::max<int>(2, loaded.size() + 2));
        QCOMPARE(g.TextMatrix(g.Rows() - 1, ColArticulo::IdArticulo), QString());
    }

    void sourceKey_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<QString>("proveedor");
        QTest::addColumn<QString>("missing");     // the operator's message when nothing is loaded
        QTest::addColumn<QStringList>("loaded");

        QTest::newRow("order") << "NP" << kOrder << "0" << false << "" << "" << kOrderLines;
        QTest::newRow("type in small letters and padded, id with blanks")
            << "np  " << " 000100000045X " << "0" << false << "" << "" << kOrderLines;
        QTest::newRow("an empty complement is 0") << "NP" << kOrder << "" << false << "" << "" << kOrderLines;
        QTest::newRow("a complement that is no number is 0")
            << "NP" << kOrder << "x OR 1=1" << false << "" << "" << kOrderLines;
        QTest::newRow("a complement with decimals is no whole number: 0, not rounded")
            << "NP" << kOrder << "1.5" << false << "" << "" << kOrderLines;
        QTest::newRow("a complement with an apostrophe is 0") << "NP" << kOrder << "0'" << false << "" << "" << kOrderLines;
        QTest::newRow("another complement")
            << "NP" << kOrder << "1" << false << "" << "No existe el comprobante NP 000100000045X" << QStringList();
        QTest::newRow("an apostrophe in the id")
            << "NP" << "0001'00000045X" << "0" << false << ""
            << "No existe el comprobante NP 0001'00000045X" << QStringList();
        QTest::newRow("an apostrophe in the type")
            << "N'P" << kOrder << "0" << false << "" << "No existe el comprobante N'P 000100000045X" << QStringList();
        QTest::newRow("purchase invoice of its supplier")
            << "FCC" << "000100004512A" << "" << true << "210101" << "" << QStringList{"IBU400", "AMO500"};
        QTest::newRow("purchase invoice of another supplier")
            << "FCC" << "000100004512A" << "" << true << "110301"
            << "No existe el comprobante FCC 000100004512A del proveedor 110301" << QStringList();
        QTest::newRow("purchase delivery note") << "RMC" << "000100003310R" << "" << true << "210101" << ""
                                                << QStringList{"IBU400", "AMO500"};
        QTest::newRow("purchase order") << "OC" << "000100000021X" << "" << true << "210101" << ""
                                        << QStringList{"IBU400", "ALCGEL"};
        QTest::newRow("a purchase voucher looked for among the sales ones")
            << "FCC" << "000100004512A" << "0" << false << ""
            << "No existe el comprobante FCC 000100004512A" << QStringList();
    }
    void sourceKey()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, complemento);
        QFETCH(bool, compras);
        QFETCH(QString, proveedor);
        QFETCH(QString, missing);
        QFETCH(QStringList, loaded);

        Bench b;
        ScriptedOperator op;
        if (!missing.isEmpty())
            op.expectMsgBox(missing, 1, kAviso, 48);
        ado::Recordset cabecera;
        Load load = loadertest::From(tc, id, compras);
        load.complemento = complemento;
        load.proveedor = proveedor;
        load.reparto = 5;
        load.cabecera = &cabecera;
        b.Run(load);

        QCOMPARE(codes(*b.form.MSFlexGrid2), loaded);
        if (!missing.isEmpty()) {
            // Nothing half-loaded, nothing handed back.
            QCOMPARE(op.shown().last().text, missing);
            for (ui::FlexGrid* g : {b.form.MSFlexGrid1, b.form.MSFlexGrid2, b.form.MSFlexGrid3}) {
                QCOMPARE(g->Rows(), 2);
                QVERIFY(codes(*g).isEmpty());
            }
            QCOMPARE(int(load.reparto), 5);
            QCOMPARE(cabecera.State(), int(ado::adStateClosed));
        } else {
            QCOMPARE(cabecera.State(), int(ado::adStateOpen));
            QCOMPARE(vb::Trim(cabecera.Fields(QStringLiteral("IdComprobante")).Value().toString()), vb::Trim(id));
        }
    }

    // A stored line without an article code cannot be posted or invoiced: it gets no row,
    // the operator is told once how many were left out, and one empty row closes the grid.
    void linesWithoutArticle_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("loaded");

        const QString purchase = QStringLiteral("000100004512A");
        QTest::newRow("a purchase line without article")
            << QStringList{"UPDATE C_MV_CPTEINSUMOS SET IDARTICULO = NULL WHERE ID = 2500"} << "FCC" << purchase << "FC"
            << "A" << QStringList{withoutArticle(1)} << QStringList{"AMO500"};
        QTest::newRow("every line without article: nothing loaded")
            << QStringList{"UPDATE C_MV_CPTEINSUMOS SET IDARTICULO = NULL WHERE ID = 2500",
                           "UPDATE C_MV_CPTEINSUMOS SET IDARTICULO = '   ' WHERE ID = 2501"}
            << "FCC" << purchase << "FC" << "A" << QStringList{withoutArticle(2)} << QStringList();
        QTest::newRow("an order line of blanks in the middle")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET IDARTICULO = '  ' WHERE ID = 2501"} << "NP" << kOrder << "FC" << "A"
            << QStringList{withoutArticle(1)} << QStringList{"IBU400", "ALCGEL"};
        QTest::newRow("... it does not count against the page-line limit")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET IDARTICULO = NULL WHERE ID = 2501",
                           loadertest::PageLines("RM  ", "R", 2)}
            << "NP" << kOrder << "RM" << "R" << QStringList{withoutArticle(1)} << QStringList{"IBU400", "ALCGEL"};
        QTest::newRow("... nor among the lines past the limit")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET IDARTICULO = NULL WHERE ID = 2502",
                           loadertest::PageLines("RM  ", "R", 1)}
            << "NP" << kOrder << "RM" << "R" << QStringList{leftOut(1, 1), withoutArticle(1)} << QStringList{"IBU400"};
    }
    void linesWithoutArticle()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, destino);
        QFETCH(QString, letra);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, loaded);
        Bench b(extra, destino);
        Load load = loadertest::From(tc, id, tc == QLatin1String("FCC"));
        load.destino = destino;
        load.letra = letra;
        runTelling(b, load, messages);
        if (QTest::currentTestFailed())
            return;
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(codes(g), loaded);
        QCOMPARE(g.Rows(), loaded.size() + 2);
        QCOMPARE(g.TextMatrix(g.Rows() - 1, ColArticulo::IdArticulo), QString());
        QCOMPARE(g.TextMatrix(g.Rows() - 1, ColArticulo::Total), QString());
    }

    void deliveryRunNumber_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("order of a delivery run") << "NP" << kOrder << false << 0 << -1;
        QTest::newRow("-98 asks for negated quantities; the run still comes back") << "NP" << kOrder << false << -98 << -1;
        QTest::newRow("delivery note") << "RM" << "000100000057R" << false << 3 << 0;
        QTest::newRow("purchase type: left as passed") << "FCC" << "000100004512A" << true << 3 << 3;
    }
    void deliveryRunNumber()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(bool, compras);
        QFETCH(int, in);
        QFETCH(int, out);
        Bench b;
        ScriptedOperator op;
        Load load = loadertest::From(tc, id, compras);
        load.reparto = qint16(in);
        b.Run(load);
        QCOMPARE(int(load.reparto), out);
    }

    // Each stage appends to what the form holds: the loaded rows go below rows already
    // filled, and every grid ends with one empty row.
    void stagesAppendBelowFilledRows()
    {
        Bench b;
        ScriptedOperator op;
        ui::FlexGrid& tareas = *b.form.MSFlexGrid1;
        ui::FlexGrid& articulos = *b.form.MSFlexGrid2;
        ui::FlexGrid& otros = *b.form.MSFlexGrid3;
        tareas.SetTextMatrix(1, ColTarea::IdTarea, QStringLiteral("CTRLPA"));
        articulos.SetTextMatrix(1, ColArticulo::IdArticulo, QStringLiteral("JARAB1"));
        otros.SetTextMatrix(1, ColOtroConcepto::Detalle, QStringLiteral("Sellado"));
        b.Run(Load{});

        QCOMPARE(codes(tareas), (QStringList{"CTRLPA", "ENTDOM"}));
        QCOMPARE(codes(articulos), (QStringList{"JARAB1", "IBU400", "AMO500", "ALCGEL"}));
        QCOMPARE(codes(otros), (QStringList{"Sellado", "4101 Recargo por entrega fuera de horario",
                                            "Bonificación por pago de contado"}));
        QCOMPARE(tareas.Rows(), 4);
        QCOMPARE(articulos.Rows(), 6);
        QCOMPARE(otros.Rows(), 5);
    }

    // The article stage writes each line's code, description, units and sequence.
    void articleCells()
    {
        Bench b;
        ScriptedOperator op;
        b.Run(Load{});
        const ui::FlexGrid& g = *b.form.MSFlexGrid2;
        QCOMPARE(Column(g, ColArticulo::Descripcion),
                 (QStringList{"Ibuprofeno 400 mg x 20 comprimidos", "Amoxicilina 500 mg x 16 comprimidos",
                              "Alcohol en gel 250 ml x 12", ""}));
        QCOMPARE(Column(g, ColArticulo::Unidad), (QStringList{"UN", "UN", "CAJA", ""}));
        QCOMPARE(Column(g, ColArticulo::UnidadLinea), (QStringList{"UN", "UN", "CAJA", ""}));
        QCOMPARE(Column(g, ColArticulo::SecuenciaOrigen), (QStringList{"1", "2", "3", ""}));
    }

    // An order line kept in another unit of an article stocked in kilograms shows the
    // kilogram unit; a delivery note's line keeps its own unit.
    void kilogramUnit_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("unit");
        QTest::newRow("order") << "NP" << kOrder << "KG";
        QTest::newRow("delivery note") << "RM" << "000100000057R" << "CAJA";
    }
    void kilogramUnit()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, unit);
        Bench b({QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET IdUnidadBase = 'KG  ' WHERE IDARTICULO = 'ALCGEL'")});
        ScriptedOperator op;
        b.Run(loadertest::From(tc, id));
        QCOMPARE(b.form.MSFlexGrid2->TextMatrix(3, ColArticulo::Unidad), unit);
        QCOMPARE(b.form.MSFlexGrid2->TextMatrix(3, ColArticulo::UnidadLinea), QStringLiteral("CAJA"));
    }

    // Brontavel loads an article once: a line whose article already stands in the grid
    // is passed over, unless it is the line that goes into the grid's last row.
    void repeatedArticles_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("before");   // the article in the grid's row 1
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("Brontavel") << "Brontavel" << "AMO500" << QStringList{"AMO500", "IBU400", "ALCGEL"};
        QTest::newRow("Brontavel, the first line's article") << "BRONTAVEL" << "IBU400"
                                                             << QStringList{"IBU400", "IBU400", "AMO500", "ALCGEL"};
        QTest::newRow("another program") << "Gestion" << "AMO500" << QStringList{"AMO500", "IBU400", "AMO500", "ALCGEL"};
    }
    void repeatedArticles()
    {
        QFETCH(QString, programa);
        QFETCH(QString, before);
        QFETCH(QStringList, loaded);
        Bench b;
        ScriptedOperator op;
        const loadertest::RunningAs running(programa);
        b.form.MSFlexGrid2->SetTextMatrix(1, ColArticulo::IdArticulo, before);
        b.Run(Load{});
        QCOMPARE(codes(*b.form.MSFlexGrid2), loaded);
        QCOMPARE(b.form.MSFlexGrid2->Rows(), loaded.size() + 2);
    }

    // Lines ordered by the configured order of the invoicing rules.
    void lineOrder_data()
    {
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("by entry") << QStringList() << "FC" << kOrderLines;
        QTest::newRow("by code") << QStringList{"OrdenaPorCodigo"} << "FC"
                                 << QStringList{"ALCGEL", "AMO500", "IBU400"};
        QTest::newRow("by pallet") << QStringList{"FacturaNPPreparadas"} << "RM"
                                   << QStringList{"AMO500", "IBU400", "ALCGEL"};
        // Invoicing prepared orders: only what is prepared and still to invoice.
        QTest::newRow("prepared lines of an order into an invoice")
            << QStringList{"FacturaNPPreparadas"} << "FC" << QStringList{"AMO500", "IBU400"};
    }
    void lineOrder()
    {
        QFETCH(QStringList, config);
        QFETCH(QString, destino);
        QFETCH(QStringList, loaded);
        Bench b({QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET Cantidadpreparada = 6, CANTIDADAFACTURAR = 6 "
                                "WHERE ID IN (2500, 2501)"),
                 QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET Cantidadpreparada = 0, CANTIDADAFACTURAR = 0 WHERE ID = 2502")},
                destino);
        for (const QString& key : config)
            b.db.SetConfig(key, QStringLiteral("SI"));
        ScriptedOperator op;
        Load load;
        load.destino = destino;
        b.Run(load);
        QCOMPARE(codes(*b.form.MSFlexGrid2), loaded);
    }

    // A failing statement goes to the error routine under the loader's name: Ignore goes
    // on with the next statement, any other answer leaves the load as far as it got.
    void errorAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("tasks");
        QTest::addColumn<int>("concepts");
        QTest::newRow("abort") << 3 << 1 << 0;
        QTest::newRow("ignore") << 5 << 1 << 2;
    }
    void errorAnswer()
    {
        QFETCH(int, answer);
        QFETCH(int, tasks);
        QFETCH(int, concepts);
        Bench b;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (91)"), answer);
        Load load;
        b.form.Cptes().AsignarDatosComprobante(load.tc, load.id, load.complemento, b.form.MSFlexGrid1, nullptr,
                                               b.form.MSFlexGrid3, vb::Variant(), nullptr, false, QString(), load.reparto,
                                               false, QString(), load.destino, load.letra);
        QVERIFY(op.shown().first().title.contains(QStringLiteral("AsignarDatosPresupuesto")));
        QCOMPARE(codes(*b.form.MSFlexGrid1).size(), tasks);
        QCOMPARE(codes(*b.form.MSFlexGrid3).size(), concepts);
        QCOMPARE(b.form.MSFlexGrid2->Rows(), 2);
    }

    // A complement beyond any number cannot make a key: the error is shown, and even when
    // the operator goes on nothing is read.
    void keyThatCannotBeBuilt()
    {
        Bench b;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (6) El complemento 99999999999 está fuera de rango"), 5);
        Load load;
        load.complemento = QStringLiteral("99999999999");
        b.Run(load);
        for (ui::FlexGrid* g : {b.form.MSFlexGrid1, b.form.MSFlexGrid2, b.form.MSFlexGrid3})
            QCOMPARE(g->Rows(), 2);
        QVERIFY(codes(*b.form.MSFlexGrid2).isEmpty());
    }

    // While the load runs (here: while its message is up), keys and clicks on the form
    // being filled are dropped; once it is over they reach the grid again.
    void inputDroppedWhileLoading()
    {
        Bench b({}, QStringLiteral("FP"));
        InputCounter counter;
        b.form.MSFlexGrid2->installEventFilter(&counter);
        {
            TypingOperator op(b.form.MSFlexGrid2);
            op.expectMsgBox(sheets(2, 2), 1).expectMsgBox(leftOut(1, 2), 1);
            Load load;
            load.destino = QStringLiteral("FP");
            b.Run(load);
        }
        QCOMPARE(counter.count, 0);
        QCOMPARE(codes(*b.form.MSFlexGrid2), (QStringList{"IBU400", "AMO500"}));
        QTest::keyClick(b.form.MSFlexGrid2, Qt::Key_Delete);
        QTest::mouseClick(b.form.MSFlexGrid2, Qt::LeftButton);
        QCOMPARE(counter.count, 2);
    }
};

TESTSUPPORT_MAIN(TstVoucherLoader)
#include "tst_voucher_loader.moc"
