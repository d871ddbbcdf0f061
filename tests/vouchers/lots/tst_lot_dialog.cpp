// The lot and serial dialog through the voucher class's two prompts, on the demo stock of
// the main deposit: paracetamol (PARA500) by lot, L-2511 with 9 and L-2602 with 11 over
// their shelves, P2611A with 10 and P2612B with 5; thermometers (TERMDIG) by serial, TD-0001 to TD-0004 (TD-0004 moved
// between shelves, TD-0005 delivered); glucose meters (GLUCOM) by lot and serial; gloves
// (GUANTE) by size code.
#include "LotDialogDriver.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/ui/Toolbar.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"
#include "vouchers/lots/FrmCargaLotesySeries.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

using lotstest::Column;
using lotstest::TypeCell;
using testsupport::ScriptedOperator;

namespace {

constexpr int kStock = FrmCargaLotesySeries::ColStock;
constexpr int kTake = FrmCargaLotesySeries::ColCantidad;
constexpr int kValue = FrmCargaLotesySeries::ColValor;
const QString kAviso = QStringLiteral("Aviso al Operador");
const QString kAvisoTotal = QStringLiteral("Aviso al Operador!!!");

// "#" stands for the lot/serial separator, character 255.
QString keys(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('#'), QChar(0xFF));
}

// An exit prompt for one line of the host form's article grid.
struct Pick {
    QString articulo = QStringLiteral("PARA500");
    double cantidad = 7;
    bool lote = true;
    bool serie = false;
    bool talle = false;
    bool mostrar = true;
    QString lotesAnt;
    QString cantidadesAnt;
    QString deposito = QStringLiteral("1");
};

struct Picked {
    QString lotes = QStringLiteral("(untouched)");
    QString cantidades = QStringLiteral("(untouched)");
    double cantidad = 0;
    QString deposito;
};

using Play = std::function<void(FrmCargaLotesySeries&)>;

void expectDialog(ScriptedOperator& op, const Play& play)
{
    op.expectForm(QStringLiteral("FrmCargaLotesySeries"), [play](QDialog& d) {
        auto& f = static_cast<FrmCargaLotesySeries&>(d);
        lotstest::Activate(f);
        play(f);
        return f.result();
    });
}

Picked pick(testsupport::VoucherHostForm& host, ScriptedOperator& op, const Pick& p, const Play& play = {})
{
    if (p.mostrar)
        expectDialog(op, play);
    Picked r;
    r.cantidad = p.cantidad;
    r.deposito = p.deposito;
    host.Cptes().PideSerieLote_Salidas(host.MSFlexGrid2, p.articulo, QStringLiteral("Descripción"), r.cantidad,
                                       p.lotesAnt, p.cantidadesAnt, r.lotes, r.cantidades, p.lote, p.serie, p.talle,
                                       r.deposito, p.mostrar);
    return r;
}

// An automatic pick, unshown, of a line with its previous picks.
Pick automatic(const QString& articulo, double cantidad, const QString& lotesAnt, const QString& cantidadesAnt)
{
    Pick p;
    p.articulo = articulo;
    p.mostrar = false;
    p.cantidad = cantidad;
    p.lotesAnt = lotesAnt;
    p.cantidadesAnt = cantidadesAnt;
    return p;
}

void pressF2(FrmCargaLotesySeries& f)
{
    QTest::keyClick(f.MSFlexGrid1, Qt::Key_F2);
}

} // namespace

class TstLotDialog : public QObject {
    Q_OBJECT

private slots:
    // The stock is only read; the keys a test sets are put back after it.
    void initTestCase() { db_ = std::make_unique<testsupport::VoucherFixture>(); }
    void cleanupTestCase() { db_.reset(); }
    void init()
    {
        host_ = std::make_unique<testsupport::VoucherHostForm>();
        lotstest::VoucherLines(host_->MSFlexGrid2, {});
    }
    void cleanup()
    {
        host_.reset();
        db_->SetConfig(QStringLiteral("ART_FormatoSerieAsterisco"), QVariant());
        db_->SetConfig(QStringLiteral("DepositoDefault"), QVariant());
    }

    // ---- picking from stock ----

    void proposesTheLotsInOrder_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QStringList>("takes");
        QTest::newRow("7 from the first lot") << 7.0 << QStringList{"7", "0", "0", "0", "0"};
        QTest::newRow("12 over two") << 12.0 << QStringList{"9", "3", "0", "0", "0"};
        QTest::newRow("the whole stock") << 35.0 << QStringList{"9", "11", "10", "5", "0"};
    }
    void proposesTheLotsInOrder()
    {
        QFETCH(double, cantidad);
        QFETCH(QStringList, takes);
        ScriptedOperator op;
        Pick p;
        p.cantidad = cantidad;
        const Picked r = pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            // Each lot once, whatever shelves hold it; the trailing empty row last.
            QCOMPARE(Column(f.MSFlexGrid1, FrmCargaLotesySeries::ColLote),
                     (QStringList{"L-2511", "L-2602", "P2611A", "P2612B", ""}));
            QCOMPARE(Column(f.MSFlexGrid1, kStock), (QStringList{"9", "11", "10", "5", ""}));
            QCOMPARE(Column(f.MSFlexGrid1, kTake), takes);
            QCOMPARE(f.MSFlexGrid1->Row(), 1);
            QCOMPARE(f.MSFlexGrid1->Col(), kTake);
            pressF2(f);
        });
        QCOMPARE(r.lotes, keys("|L-2511#|L-2602#|P2611A#|P2612B#|#|"));
        QCOMPARE(r.cantidades, QStringLiteral("|") + takes.join(QLatin1Char('|')) + QStringLiteral("|"));
        QCOMPARE(r.cantidad, cantidad);
    }

    void captionHeadersAndLabel_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<bool>("lote");
        QTest::addColumn<bool>("serie");
        QTest::addColumn<bool>("talle");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("lotShown");
        QTest::addColumn<bool>("serialShown");
        QTest::newRow("lots") << "PARA500" << true << false << false << "Números de Lote (Deposito:    1)" << "LOTE" << true
                              << false;
        QTest::newRow("serials") << "TERMDIG" << false << true << false << "Números de Serie (Deposito:    1)" << "LOTE"
                                 << false << true;
        QTest::newRow("lots and serials") << "GLUCOM" << true << true << false
                                          << "Números de Lote y Serie (Deposito:    1)" << "LOTE" << true << true;
        QTest::newRow("sizes") << "GUANTE" << false << false << true << "Talles, Colores, Sexo (Deposito:    1)"
                               << "TALLE-COLOR-SEXO" << true << false;
    }
    void captionHeadersAndLabel()
    {
        QFETCH(QString, articulo);
        QFETCH(bool, lote);
        QFETCH(bool, serie);
        QFETCH(bool, talle);
        QFETCH(QString, caption);
        QFETCH(QString, first);
        QFETCH(bool, lotShown);
        QFETCH(bool, serialShown);
        ScriptedOperator op;
        Pick p;
        p.articulo = articulo;
        p.lote = lote;
        p.serie = serie;
        p.talle = talle;
        p.cantidad = 1;
        pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            QCOMPARE(f.windowTitle(), caption);
            QCOMPARE(f.lblArticulo->text(), articulo + QStringLiteral(" - Descripción"));
            ui::FlexGrid* g = f.MSFlexGrid1;
            QCOMPARE((QStringList{g->TextMatrix(0, 0), g->TextMatrix(0, 1), g->TextMatrix(0, 2), g->TextMatrix(0, 3)}),
                     (QStringList{first, "SERIE", "CANT. STOCK", "CANT. "}));
            QCOMPARE(g->ColWidth(0) != 0, lotShown);
            QCOMPARE(g->ColWidth(1) != 0, serialShown);
            QCOMPARE(f.CmdAceptar->text(), QStringLiteral("F2 &Aceptar"));
            QCOMPARE(f.Toolbar1->ButtonCount(), 2);
        });
    }

    // The size codes of the gloves stand where the lots do.
    void sizesArePickedByCode()
    {
        ScriptedOperator op;
        Pick p;
        p.articulo = QStringLiteral("GUANTE");
        p.lote = false;
        p.talle = true;
        p.cantidad = 60;
        const Picked r = pick(*host_, op, p, [](FrmCargaLotesySeries& f) { pressF2(f); });
        QCOMPARE(r.lotes, keys("|L-CELESTE-U#|M-BLANCO-U#|S-BLANCO-U#|#|"));
        QCOMPARE(r.cantidades, QStringLiteral("|40|20|0|0|"));
    }

    // What the voucher's other lines took is not offered again; the line's own picks are.
    void lessWhatOtherLinesTook()
    {
        lotstest::VoucherLines(host_->MSFlexGrid2, {{"PARA500", keys("|L-2511#|"), "|4|"},
                                          {"IBU400", keys("|L-2511#|"), "|9|"},
                                          {"PARA500", keys("|L-2602#|#|"), "|3|0|"}});
        host_->MSFlexGrid2->SetRow(3);
        ScriptedOperator op;
        Pick p;
        p.cantidad = 3;
        p.lotesAnt = keys("|L-2602#|#|");
        p.cantidadesAnt = QStringLiteral("|3|0|");
        pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kStock), (QStringList{"5", "11", "10", "5", ""}));
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "3", "0", "0", "0"}));
        });
    }

    void aNewLineGetsWhatIsLeft()
    {
        lotstest::VoucherLines(host_->MSFlexGrid2, {{"PARA500", keys("|L-2511#|"), "|4|"}, {"PARA500", "", ""}});
        host_->MSFlexGrid2->SetRow(2);
        ScriptedOperator op;
        const Picked r = pick(*host_, op, Pick{}, [](FrmCargaLotesySeries& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"5", "2", "0", "0", "0"}));
            pressF2(f);
        });
        QCOMPARE(r.cantidades, QStringLiteral("|5|2|0|0|0|"));
    }

    void serialsArePickedOneEach()
    {
        lotstest::VoucherLines(host_->MSFlexGrid2, {{"TERMDIG", keys("|#TD-0001|#|"), "|1|0|"}});
        ScriptedOperator op;
        Pick p;
        p.articulo = QStringLiteral("TERMDIG");
        p.lote = false;
        p.serie = true;
        p.cantidad = 2;
        const Picked r = pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            QCOMPARE(Column(f.MSFlexGrid1, FrmCargaLotesySeries::ColSerie),
                     (QStringList{"TD-0001", "TD-0002", "TD-0003", "TD-0004", ""}));
            // TD-0001 went with the other line.
            QCOMPARE(Column(f.MSFlexGrid1, kStock), (QStringList{"0", "1", "1", "1", "0"}));
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "1", "1", "0", "0"}));
            // A serial is one unit.
            lotstest::GoTo(f.MSFlexGrid1, 4, kTake);
            op.expectMsgBox(QStringLiteral("La Cantidad supera a la cantidad disponible en Stock"), ui::vbOK, kAviso,
                            ui::vbCritical);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("2"));
            QTest::keyClick(f.txtEdit, Qt::Key_Escape);
            pressF2(f);
        });
        QCOMPARE(r.lotes, keys("|#TD-0001|#TD-0002|#TD-0003|#TD-0004|#|"));
        QCOMPARE(r.cantidades, QStringLiteral("|0|1|1|0|0|"));
    }

    // Reopening a serial line finds its picks on their own rows.
    void reopeningASerialLine()
    {
        ScriptedOperator op;
        Pick p;
        p.articulo = QStringLiteral("TERMDIG");
        p.lote = false;
        p.serie = true;
        p.cantidad = 3;
        p.lotesAnt = keys("|#TD-0002|#TD-0003|#TD-0005|#|");
        p.cantidadesAnt = QStringLiteral("|1|1|1|0|");
        pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            // TD-0005 went out since: it comes back with no stock, the only extra row.
            QCOMPARE(Column(f.MSFlexGrid1, FrmCargaLotesySeries::ColSerie),
                     (QStringList{"TD-0001", "TD-0002", "TD-0003", "TD-0004", "TD-0005", ""}));
            QCOMPARE(Column(f.MSFlexGrid1, kStock), (QStringList{"1", "1", "1", "1", "0", ""}));
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "1", "1", "0", "1", "0"}));
            // OK does not let it go out twice.
            op.expectMsgBox(QStringLiteral("La Cantidad supera a la cantidad disponible en Stock"), ui::vbOK, kAviso);
            pressF2(f);
            QVERIFY(f.isVisible());
            QCOMPARE(f.MSFlexGrid1->Row(), 5);
        });
    }

    void lotsAndSerialsKeepTheirLot()
    {
        ScriptedOperator op;
        Pick p;
        p.articulo = QStringLiteral("GLUCOM");
        p.serie = true;
        p.cantidad = 2;
        const Picked r = pick(*host_, op, p, [](FrmCargaLotesySeries& f) {
            QCOMPARE(Column(f.MSFlexGrid1, FrmCargaLotesySeries::ColLote), (QStringList{"G-24A", "G-24A", "G-25B", ""}));
            pressF2(f);
        });
        QCOMPARE(r.lotes, keys("|G-24A#GL-1001|G-24A#GL-1002|G-25B#GL-2001|#|"));
        QCOMPARE(r.cantidades, QStringLiteral("|1|1|0|0|"));
    }

    void typedTakeIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative") << "-1" << "La Cantidad no puede ser Menor a Cero";
        QTest::newRow("not whole") << "1.5" << "No Puede Informase Cantidades que no Sean Enteras";
        QTest::newRow("above the lot's stock") << "10" << "La Cantidad supera a la cantidad disponible en Stock";
        QTest::newRow("no number") << "x" << "La Cantidad debe ser un Número";
    }
    void typedTakeIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ScriptedOperator op;
        pick(*host_, op, Pick{}, [&](FrmCargaLotesySeries& f) {
            op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            TypeCell(f.MSFlexGrid1, f.txtEdit, typed);
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, kTake), QStringLiteral("7"));
        });
    }

    void enterWalksTheTakesToOk()
    {
        ScriptedOperator op;
        Pick p;
        p.cantidad = 5;
        const Picked r = pick(*host_, op, p, [](FrmCargaLotesySeries& f) {
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("2"));
            QCOMPARE(f.MSFlexGrid1->Row(), 2);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("3"));
            QCOMPARE(f.MSFlexGrid1->Row(), 3);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("0"));
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("0"));
            QCOMPARE(f.MSFlexGrid1->Row(), 5);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QString());
            QVERIFY(f.CmdAceptar->hasFocus());
            QTest::keyClick(f.CmdAceptar, Qt::Key_Return);
        });
        QCOMPARE(r.cantidades, QStringLiteral("|2|3|0|0|0|"));
    }

    void aTotalBelowTheRequest()
    {
        ScriptedOperator op;
        Pick p;
        p.cantidad = 40;
        const Picked r = pick(*host_, op, p, [&](FrmCargaLotesySeries& f) {
            op.expectMsgBox(QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario "
                                           "de Carga de Datos\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"),
                            ui::vbNo, kAvisoTotal, ui::vbQuestion + ui::vbYesNo)
                .expectMsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :40"), ui::vbOK, kAviso,
                              ui::vbCritical);
            pressF2(f);
            QVERIFY(f.isVisible());
            op.expectMsgBox(QStringLiteral("Es Menor"), ui::vbYes, kAvisoTotal);
            pressF2(f);
        });
        QCOMPARE(r.cantidad, 35.0);
        QCOMPARE(r.cantidades, QStringLiteral("|9|11|10|5|0|"));
    }

    // The simple proposal: each row up to its stock, a row without stock whatever is left.
    void simpleProposal()
    {
        FrmCargaLotesySeries f;
        f.EsConsultaDeSerieLote = true;
        f.EsLote = true;
        f.Articulo = QStringLiteral("PARA500");
        f.Deposito = QStringLiteral("   1");
        f.Cantidad = 40;
        f.Lotes = keys("|X-1#|");
        f.Series = QStringLiteral("|0|");
        f.CargaDatos();
        QCOMPARE(Column(f.MSFlexGrid1, kStock), (QStringList{"9", "11", "10", "5", "0", ""}));
        QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "0", "0", "0", "0", "0"}));
        f.CompletaCantidades();
        QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"9", "11", "10", "5", "5", "0"}));
        QCOMPARE(f.SumaFilas(-1), 40.0);
        QVERIFY(f.ValidaCantidadCantidadPedida());
    }

    // ---- the automatic pick, unseen ----

    void anAutomaticPickShowsNothing()
    {
        ScriptedOperator op;   // nothing is shown
        Pick p;
        p.mostrar = false;
        p.cantidad = 12;
        const Picked r = pick(*host_, op, p);
        QCOMPARE(r.lotes, keys("|L-2511#|L-2602#|P2611A#|P2612B#|#|"));
        QCOMPARE(r.cantidades, QStringLiteral("|9|3|0|0|0|"));
        QCOMPARE(r.cantidad, 12.0);
    }

    // A pick the stock cannot cover says so and hands back what it took.
    void anAutomaticPickShortOfStock_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QString>("lotesAnt");
        QTest::addColumn<QString>("cantidadesAnt");
        QTest::addColumn<double>("taken");
        QTest::addColumn<QString>("lotes");
        QTest::addColumn<QString>("cantidades");
        QTest::newRow("part of it") << "PARA500" << 40.0 << "" << "" << 35.0 << keys("|L-2511#|L-2602#|P2611A#|P2612B#|#|")
                                    << "|9|11|10|5|0|";
        QTest::newRow("nothing in stock") << "IBU400" << 5.0 << "" << "" << 0.0 << "" << "";
        // The old pick is listed again with what was taken from it now.
        QTest::newRow("an old pick gone") << "IBU400" << 5.0 << "|L-1|" << "|5|" << 0.0 << keys("|L-1#|") << "|0|";
    }
    void anAutomaticPickShortOfStock()
    {
        QFETCH(QString, articulo);
        QFETCH(double, cantidad);
        QFETCH(QString, lotesAnt);
        QFETCH(QString, cantidadesAnt);
        QFETCH(double, taken);
        QFETCH(QString, lotes);
        QFETCH(QString, cantidades);
        db_->Exec(QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo = 'IBU400'"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("El Stock es Menor a la cantidad solicitada "), ui::vbOK, kAvisoTotal,
                        ui::vbInformation);
        const Picked r = pick(*host_, op, automatic(articulo, cantidad, lotesAnt, cantidadesAnt));
        QCOMPARE(r.cantidad, taken);
        QCOMPARE(r.lotes, lotes);
        QCOMPARE(r.cantidades, cantidades);
    }

    // Unseen, a line's previous picks stand when they still add up to its quantity and the
    // stock still holds them; otherwise the pick is proposed afresh, with no question.
    void anAutomaticPickWithPreviousPicks_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QString>("lotesAnt");
        QTest::addColumn<QString>("cantidadesAnt");
        QTest::addColumn<bool>("otherLine");   // another line took 8 of L-2511
        QTest::addColumn<QString>("cantidades");
        QTest::newRow("raised from 2 to 5") << 5.0 << keys("|L-2511#|#|") << "|2|0|" << false << "|5|0|0|0|0|";
        QTest::newRow("lowered from 5 to 2") << 2.0 << keys("|L-2511#|L-2602#|#|") << "|3|2|0|" << false << "|2|0|0|0|0|";
        QTest::newRow("still adding up") << 3.0 << keys("|L-2602#|#|") << "|3|0|" << false << "|0|3|0|0|0|";
        QTest::newRow("a lot another line took since") << 3.0 << keys("|L-2511#|#|") << "|3|0|" << true << "|1|2|0|0|0|";
    }
    void anAutomaticPickWithPreviousPicks()
    {
        QFETCH(double, cantidad);
        QFETCH(QString, lotesAnt);
        QFETCH(QString, cantidadesAnt);
        QFETCH(bool, otherLine);
        QFETCH(QString, cantidades);
        QList<QStringList> lines{{"PARA500", lotesAnt, cantidadesAnt}};
        if (otherLine)
            lines.prepend({"PARA500", keys("|L-2511#|"), "|8|"});
        lotstest::VoucherLines(host_->MSFlexGrid2, lines);
        host_->MSFlexGrid2->SetRow(int(lines.size()));
        ScriptedOperator op;   // nothing is shown, nothing is asked
        const Picked r = pick(*host_, op, automatic(QStringLiteral("PARA500"), cantidad, lotesAnt, cantidadesAnt));
        QCOMPARE(r.cantidad, cantidad);
        QCOMPARE(r.lotes, keys("|L-2511#|L-2602#|P2611A#|P2612B#|#|"));
        QCOMPARE(r.cantidades, cantidades);
    }

    void cancelKeepsThePicks()
    {
        ScriptedOperator op;
        Pick p;
        p.lotesAnt = keys("|L-2602#|#|");
        p.cantidadesAnt = QStringLiteral("|7|0|");
        const Picked r = pick(*host_, op, p, [](FrmCargaLotesySeries& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "7", "0", "0", "0"}));
            QTest::mouseClick(f.CmdCancelar, Qt::LeftButton);
        });
        QCOMPARE(r.lotes, p.lotesAnt);
        QCOMPARE(r.cantidades, p.cantidadesAnt);
        QCOMPARE(r.cantidad, 7.0);
    }

    void nothingToPick_data()
    {
        QTest::addColumn<QVariant>("defaultDeposit");
        QTest::addColumn<QString>("deposito");
        QTest::newRow("configured") << QVariant(QStringLiteral("   2")) << "   2";
        QTest::newRow("not configured") << QVariant() << " ";
    }
    void nothingToPick()
    {
        QFETCH(QVariant, defaultDeposit);
        QFETCH(QString, deposito);
        db_->SetConfig(QStringLiteral("DepositoDefault"), defaultDeposit);
        ScriptedOperator op;
        Pick p;
        p.cantidad = 0;
        p.mostrar = false;
        p.deposito.clear();
        const Picked r = pick(*host_, op, p);
        QCOMPARE(r.deposito, deposito);
        QCOMPARE(r.lotes, QStringLiteral("(untouched)"));
        QCOMPARE(r.cantidad, 0.0);
    }

    // ---- typing lots and serials of goods coming in ----

    void entryRowsPerUnit_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<int>("rows");
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("1.5 rounds to even") << 1.5 << 1;
        QTest::newRow("2.5 rounds to even") << 2.5 << 3;
        QTest::newRow("a returned quantity") << -2.0 << 2;
    }
    void entryRowsPerUnit()
    {
        QFETCH(double, cantidad);
        QFETCH(int, rows);
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [&](FrmCargaLotesySeries& f) {
            QCOMPARE(f.MSFlexGrid1->Rows() - 1, rows);
            QCOMPARE(f.MSFlexGrid1->TextMatrix(0, kValue), QStringLiteral("Número de Lote"));
            QCOMPARE(f.windowTitle(), QStringLiteral("Números de Lote (Deposito: )"));
            pressF2(f);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), cantidad, QString(), QString(), series, lotes, false, true,
                                     false);
        QStringList dashes;
        for (int i = 0; i < rows; ++i)
            dashes << QStringLiteral("-");
        QCOMPARE(lotes, QStringLiteral("|") + dashes.join(QLatin1Char('|')) + QStringLiteral("|"));
        QCOMPARE(series, QString());
    }

    void entryFirstLotFillsTheRest()
    {
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [](FrmCargaLotesySeries& f) {
            QCOMPARE(f.MSFlexGrid1->Col(), kValue);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("L-2612"));
            QCOMPARE(Column(f.MSFlexGrid1, kValue), (QStringList{"L-2612", "L-2612", "L-2612"}));
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("L-2701"));
            pressF2(f);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), 3, QString(), QString(), series, lotes, false, true, false);
        QCOMPARE(lotes, QStringLiteral("|L-2612|L-2701|L-2612|"));
    }

    void entrySerialsWithPreviousValues_data()
    {
        QTest::addColumn<QString>("serieAnt");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("missing");   // the first unit without a serial, 0 for none
        QTest::newRow("two values") << "|A|B|" << QStringList{"A", "B", ""} << 3;
        QTest::newRow("the last value unclosed") << "|A|B" << QStringList{"A", "", ""} << 2;
        QTest::newRow("more values than units") << "|A|B|C|D|" << QStringList{"A", "B", "C"} << 0;
        QTest::newRow("bars only") << "|||" << QStringList{"", "", ""} << 1;
    }
    void entrySerialsWithPreviousValues()
    {
        QFETCH(QString, serieAnt);
        QFETCH(QStringList, loaded);
        QFETCH(int, missing);
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [&](FrmCargaLotesySeries& f) {
            QCOMPARE(f.MSFlexGrid1->TextMatrix(0, kValue), QStringLiteral("Número de Serie"));
            QCOMPARE(Column(f.MSFlexGrid1, kValue), loaded);
            if (missing != 0)
                op.expectMsgBox(QStringLiteral("Falta informar el Número de Serie de la fila %1").arg(missing), ui::vbOK,
                                kAviso, ui::vbCritical);
            QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
            QCOMPARE(f.isVisible(), missing != 0);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("TERMDIG"), 3, serieAnt, QString(), series, lotes, true, false, false);
        QCOMPARE(series, missing != 0 ? serieAnt : QStringLiteral("|A|B|C|"));
        QCOMPARE(lotes, QString());
    }

    // A serial names one unit: nothing copies the first one into the others, and OK wants
    // one of its own on every row.
    void entrySerialsAreOnePerUnit_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<bool>("lote");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("row");
        QTest::newRow("rows left empty") << "TERMDIG" << false << QStringList{"TD-1"}
                                         << "Falta informar el Número de Serie de la fila 2" << 2;
        QTest::newRow("a serial twice") << "TERMDIG" << false << QStringList{"TD-1", "TD-2", "td-1"}
                                        << "El Número de Serie de la fila 3 ya fue informado en la fila 1" << 3;
        QTest::newRow("lots and serials: the serial twice")
            << "GLUCOM" << true << QStringList{"G-1", "GL-1", "G-1", "GL-1", "G-1", "GL-2"}
            << "El Número de Serie de la fila 2 ya fue informado en la fila 1" << 2;
    }
    void entrySerialsAreOnePerUnit()
    {
        QFETCH(QString, articulo);
        QFETCH(bool, lote);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(int, row);
        const int serialCol = lote ? kValue + 1 : kValue;
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [&](FrmCargaLotesySeries& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            // The column holds what its editor takes.
            QVERIFY(g->ColWidth(serialCol) >= ui::TextWidthX(f, 25));
            for (const QString& value : typed)
                TypeCell(g, f.txtEdit, value);
            if (!lote)
                QCOMPARE(Column(g, serialCol).mid(typed.size()), QStringList(3 - typed.size(), QString()));
            op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            pressF2(f);
            QVERIFY(f.isVisible());
            QCOMPARE(g->Row(), row);
            QCOMPARE(g->Col(), serialCol);
            // Put right, it goes.
            for (int r = 1; r <= 3; ++r)
                g->SetTextMatrix(r, serialCol, QStringLiteral("SN-%1").arg(r));
            pressF2(f);
            QVERIFY(!f.isVisible());
        });
        host_->Cptes().PideSerieLote(articulo, 3, QString(), QString(), series, lotes, true, lote, false);
        QCOMPARE(series, QStringLiteral("|SN-1|SN-2|SN-3|"));
        QCOMPARE(lotes, lote ? QStringLiteral("|G-1|G-1|G-1|") : QString());
    }

    // Lots and serials together: both columns, both lists.
    void entryLotsAndSerials()
    {
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [](FrmCargaLotesySeries& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            QCOMPARE((QStringList{g->TextMatrix(0, 1), g->TextMatrix(0, 2)}),
                     (QStringList{"Número de Lote", "Número de Serie"}));
            QCOMPARE(Column(g, 1), (QStringList{"G-26A", "G-26A"}));
            QCOMPARE(Column(g, 2), (QStringList{"GL-3001", ""}));
            lotstest::GoTo(g, 2, 1);
            TypeCell(g, f.txtEdit, QStringLiteral("G-26B"));
            QCOMPARE(g->Col(), 2);
            TypeCell(g, f.txtEdit, QStringLiteral("GL-3002"));
            QVERIFY(f.CmdAceptar->hasFocus());
            pressF2(f);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("GLUCOM"), 2, QStringLiteral("|GL-3001|"), QStringLiteral("|G-26A|G-26A|"),
                                     series, lotes, true, true, false);
        QCOMPARE(lotes, QStringLiteral("|G-26A|G-26B|"));
        QCOMPARE(series, QStringLiteral("|GL-3001|GL-3002|"));
    }

    void serialsWithTheirQuantity()
    {
        db_->SetConfig(QStringLiteral("ART_FormatoSerieAsterisco"), QStringLiteral("si"));
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [&](FrmCargaLotesySeries& f) {
            QVERIFY(f.FormatoSerieAsterisco());
            op.expectMsgBox(QStringLiteral("Segun configuracion del sistema, debe informar NRODESERIE * CANTIDAD \r\n"
                                           "Verifique la configuracion del sistema - Stock / Otros"),
                            ui::vbOK, QString(), ui::vbOKOnly);
            pressF2(f);
            QVERIFY(f.isVisible());
            QCOMPARE(f.MSFlexGrid1->Row(), 2);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("TD-0100*1"));
            pressF2(f);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("TERMDIG"), 2, QStringLiteral("|TD-0099*1|TD-0100|"), QString(), series,
                                     lotes, true, false, false);
        QCOMPARE(series, QStringLiteral("|TD-0099*1|TD-0100*1|"));
    }

    // The toolbar by the mouse, or by the keys its tips name, from the grid.
    void entryToolbar_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::newRow("the buttons") << false;
        QTest::newRow("Alt+L and Alt+B") << true;
    }
    void entryToolbar()
    {
        QFETCH(bool, keys);
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [keys](FrmCargaLotesySeries& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            const auto press = [&](int index, Qt::Key key) {
                if (keys)
                    QTest::keyClick(g, key, Qt::AltModifier);
                else
                    f.Toolbar1->Buttons(index).Action()->trigger();
            };
            lotstest::GoTo(g, 2, kValue);
            press(1, Qt::Key_L);
            QCOMPARE(Column(g, kValue), (QStringList{"L1", "L2", "L2", "L2"}));
            lotstest::GoTo(g, 3, kValue);
            press(2, Qt::Key_B);
            QCOMPARE(Column(g, kValue), (QStringList{"L1", "L2", "L2", ""}));
            QVERIFY(f.txtEdit->isHidden());
            pressF2(f);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), 4, QString(), QStringLiteral("|L1|L2|"), series, lotes,
                                     false, true, false);
        // OK fills the lots left empty with the first row's.
        QCOMPARE(lotes, QStringLiteral("|L1|L2|L2|L1|"));
    }

    // Each tip names its button's key, and Tab reaches the buttons after Cancelar.
    void toolbarTipsAndTab()
    {
        ScriptedOperator op;
        QString series, lotes;
        expectDialog(op, [](FrmCargaLotesySeries& f) {
            QCOMPARE(f.Toolbar1->Buttons(1).ToolTipText(),
                     QStringLiteral("(Alt+L) Llenar las demas celdas con el valor de las seleccionadas"));
            QCOMPARE(f.Toolbar1->Buttons(2).ToolTipText(),
                     QStringLiteral("(Alt+B) Blanquear las Celdas a partir de la celda seleccionada"));
            const QList<QWidget*> order{f.CmdCancelar, f.Toolbar1->widgetForAction(f.Toolbar1->Buttons(1).Action()),
                                        f.Toolbar1->widgetForAction(f.Toolbar1->Buttons(2).Action()), f.MSFlexGrid1};
            f.CmdCancelar->setFocus(Qt::TabFocusReason);
            for (QWidget* w : order) {
                QCOMPARE(QApplication::focusWidget(), w);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            f.CmdCancelar_Click();
        });
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), 3, QString(), QString(), series, lotes, false, true, false);
    }

    void entryCancelKeepsWhatTheLineHad()
    {
        ScriptedOperator op;
        QString series = QStringLiteral("x"), lotes = QStringLiteral("y");
        expectDialog(op, [](FrmCargaLotesySeries& f) {
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("L-9"));
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Escape);
        });
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), 2, QString(), QStringLiteral("|L-1|L-2|"), series, lotes,
                                     false, true, false);
        QCOMPARE(lotes, QStringLiteral("|L-1|L-2|"));
        QCOMPARE(series, QString());
    }

    void entryOfNothingAsksNothing()
    {
        ScriptedOperator op;
        QString series = QStringLiteral("x"), lotes = QStringLiteral("y");
        host_->Cptes().PideSerieLote(QStringLiteral("PARA500"), 0, QStringLiteral("|S|"), QStringLiteral("|L|"), series, lotes,
                                     false, true, false);
        QCOMPARE(series, QString());
        QCOMPARE(lotes, QString());
    }

private:
    testsupport::RegionalPin regional_;
    std::unique_ptr<testsupport::VoucherFixture> db_;
    std::unique_ptr<testsupport::VoucherHostForm> host_;
};

TESTSUPPORT_MAIN(TstLotDialog)
#include "tst_lot_dialog.moc"
