// The voucher library end to end on the demo company, as a voucher form uses it: the
// operator picks a stored voucher in the voucher lookup, searching by name or number,
// the form loads the chosen one into the voucher it is building, and a delivery note
// so built is posted to stock with its accounting entry. Each runs on the program's own
// engine and on an Oracle connection (the Oracle stand-in, which refuses nothing here).
#include "tests/vouchers/loader/LoaderBench.h"
#include "tests/vouchers/lookup/LookupRows.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ListView.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/oracle/OracleStandIn.h"
#include "vouchers/GridColumns.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

using loadertest::Bench;
using loadertest::Column;
using loadertest::Load;
using testsupport::ScriptedOperator;

namespace {

const QString kOrder = QStringLiteral("000100000045X");
const QString kDeliveryNote = QStringLiteral("000100000057R");
// The next number of the delivery notes' book.
const QString kNewDeliveryNote = QStringLiteral("000100000059R");

// What the lookup hands back to the form.
struct Picked {
    QString id = QStringLiteral("(unchanged)");
    QString complemento = QStringLiteral("(unchanged)");
};

// The form's voucher object opens the lookup on `consulta`; `operate` is the operator
// at the dialog.
Picked consult(testsupport::VoucherHostForm& form, const QString& consulta,
               const std::function<void(FrmConsComprobantes&)>& operate)
{
    ScriptedOperator op;
    op.expectForm(QStringLiteral("FrmConsComprobantes"), [&](QDialog& d) {
        operate(static_cast<FrmConsComprobantes&>(d));
        return int(QDialog::Accepted);
    });
    Picked p;
    form.Cptes().ConsultaComprobante(consulta, p.id, std::nullopt, &p.complemento);
    return p;
}

// The operator types part of a name or number into its search box and presses Buscar.
void search(FrmConsComprobantes& f, CajaTexto* box, const QString& text)
{
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
    QTest::mouseClick(f.CmdBuscar, Qt::LeftButton);
}

// The operator chooses the row of `id` with the arrow keys and accepts it with Enter.
void choose(FrmConsComprobantes& f, const QString& id)
{
    const ui::ListItem item = lookuptest::ItemOf(f, id);
    QVERIFY2(!item.isNothing(), qPrintable(id));
    QCOMPARE(QApplication::focusWidget(), f.ListView1);
    QTest::keyClick(f.ListView1, Qt::Key_Home);
    for (int i = 1; i < item.Index(); ++i)
        QTest::keyClick(f.ListView1, Qt::Key_Down);
    QCOMPARE(f.ListView1->SelectedItem().Index(), item.Index());
    QTest::keyClick(f.ListView1, Qt::Key_Return);
}

// The form loads what the lookup handed back as a voucher of type `destino`; no message.
void load(Bench& b, const QString& tc, const Picked& p, const QString& destino, const QString& letra)
{
    ScriptedOperator op;
    Load l = loadertest::From(tc, p.id);
    l.complemento = p.complemento;
    l.destino = destino;
    l.letra = letra;
    b.Run(l);
    QCOMPARE(op.shown().size(), 0);
}

// The balance of an article in deposit 1, in its base unit, as the stock views give it.
double balance(const Bench& b, const char* articulo)
{
    return b.db
        .Scalar(QStringLiteral("SELECT COALESCE(SUM(STOCK), 0) FROM STK_SALDOS_UNIDADES WHERE IDARTICULO = '%1' AND "
                               "IDDEPOSITO = '   1'")
                    .arg(QLatin1String(articulo)))
        .toDouble();
}

} // namespace

class TstVoucherLibraryE2e : public QObject {
    Q_OBJECT

    // The bench's database as the engine of the row: the program's own, or Oracle's.
    void onEngine(const Bench&)
    {
        if (testsupport::OnOracle())
            testsupport::OpenMainOnOracle(testsupport::VoucherFixture::kDb);
    }

private slots:
    void initTestCase_data() { testsupport::EngineRows(); }
    void init() { oracle_.emplace(); }
    void cleanup()
    {
        const QStringList refused = oracle_->refused();
        oracle_.reset();
        QCOMPARE(refused, QStringList());
    }

    // An invoice made from a pending order found by the customer's name.
    void aPendingOrderIntoAnInvoice()
    {
        Bench b({}, QStringLiteral("FC"));
        onEngine(b);
        const Picked p = consult(b.form, QStringLiteral("NP/PENDIENTES"), [](FrmConsComprobantes& f) {
            QVERIFY(!lookuptest::ItemOf(f, kOrder).isNothing());
            QVERIFY(!lookuptest::ItemOf(f, QStringLiteral("000100000046X")).isNothing());
            search(f, f.TxtNombre, QStringLiteral("policial"));
            // Only the customer's pending orders are left: the selection stays in force.
            for (const QString& row : lookuptest::Rows(f))
                QVERIFY2(row.contains(QStringLiteral("Mutual Policial de Córdoba")), qPrintable(row));
            QVERIFY(lookuptest::ItemOf(f, QStringLiteral("000100000046X")).isNothing());
            QVERIFY(lookuptest::ItemOf(f, kDeliveryNote).isNothing());
            choose(f, kOrder);
        });
        QCOMPARE(p.id, kOrder);
        QCOMPARE(p.complemento, QStringLiteral("0"));

        load(b, QStringLiteral("NP"), p, QStringLiteral("FC"), QStringLiteral("A"));
        const testsupport::VoucherHostForm& f = b.form;
        QCOMPARE(Column(*f.MSFlexGrid1, ColTarea::IdTarea), (QStringList{"ENTDOM", ""}));
        QCOMPARE(Column(*f.MSFlexGrid1, ColTarea::Total), (QStringList{"2250.00", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::IdArticulo), (QStringList{"IBU400", "AMO500", "ALCGEL", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::Unidad), (QStringList{"UN", "UN", "CAJA", ""}));
        // What the delivery note 0001-00000057 left of the order: 6 of 10, none of 6, 1 box of 2.
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::Cantidad), (QStringList{"6", "0", "1", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::Importe), (QStringList{"2719.0083", "4115.7025", "16363.6364", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::IdComprobanteFuente), (QStringList{kOrder, kOrder, kOrder, ""}));
        QCOMPARE(Column(*f.MSFlexGrid3, ColOtroConcepto::Detalle),
                 (QStringList{"4101 Recargo por entrega fuera de horario", "Bonificación por pago de contado", ""}));
    }

    // A credit note made from a delivery note found by its number: the lookup hands a
    // delivery note back without a complement, which the load reads as 0.
    void aDeliveryNoteIntoACreditNote()
    {
        Bench b({}, QStringLiteral("NC"));
        onEngine(b);
        const Picked p = consult(b.form, QStringLiteral("RM"), [](FrmConsComprobantes& f) {
            search(f, f.TxtNumero, QStringLiteral("57"));
            QCOMPARE(f.ListView1->ListItems().Count(), 1);
            choose(f, kDeliveryNote);
        });
        QCOMPARE(p.id, kDeliveryNote);
        QCOMPARE(p.complemento, QString());

        load(b, QStringLiteral("RM"), p, QStringLiteral("NC"), QStringLiteral("A"));
        const testsupport::VoucherHostForm& f = b.form;
        QCOMPARE(Column(*f.MSFlexGrid1, ColTarea::IdTarea), QStringList{""});
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::IdArticulo), (QStringList{"IBU400", "AMO500", "ALCGEL", ""}));
        // The goods come back: every quantity of the delivery note, negated.
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::Cantidad), (QStringList{"-4", "-6", "-1", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::Importe), (QStringList{"2719.0083", "4115.7025", "16363.6364", ""}));
        QCOMPARE(Column(*f.MSFlexGrid2, ColArticulo::IdComprobanteFuente),
                 (QStringList{kDeliveryNote, kDeliveryNote, kDeliveryNote, ""}));
        QCOMPARE(Column(*f.MSFlexGrid3, ColOtroConcepto::Detalle), QStringList{""});
    }

    // A delivery note made from the pending order carries what is still to deliver;
    // posted to stock, it takes that out of the deposit on the order's account, with its
    // accounting entry, and leaves nothing of the order to deliver.
    void aPendingOrderDeliveredAndPostedToStock()
    {
        testsupport::FixedClock clock(2026, 12, 15, 10, 30);
        // The order's lines with the cost of their goods, as the order form stores it.
        Bench b({loadertest::Config("ENTREGAPARCIALREMITO", "SI"), loadertest::Config("ASIENTOSXSTOCK", "SI"),
                 loadertest::Line(QStringLiteral("Costo = 1850"), QStringLiteral("2500")),
                 loadertest::Line(QStringLiteral("Costo = 2740"), QStringLiteral("2501")),
                 loadertest::Line(QStringLiteral("Costo = 920"), QStringLiteral("2502"))},
                QStringLiteral("RM"));
        onEngine(b);
        const Picked p = consult(b.form, QStringLiteral("NP/PENDIENTES"), [](FrmConsComprobantes& f) {
            search(f, f.TxtNumero, QStringLiteral("45"));
            choose(f, kOrder);
        });
        load(b, QStringLiteral("NP"), p, QStringLiteral("RM"), QStringLiteral("R"));
        const ui::FlexGrid* g = b.form.MSFlexGrid2;
        QCOMPARE(Column(*g, ColArticulo::IdArticulo), (QStringList{"IBU400", "AMO500", "ALCGEL", ""}));
        QCOMPARE(Column(*g, ColArticulo::Cantidad), (QStringList{"6", "0", "1", ""}));
        QCOMPARE(Column(*g, ColArticulo::Costo), (QStringList{"1850", "2740", "920", ""}));

        const double ibuprofeno = balance(b, "IBU400");
        const double amoxicilina = balance(b, "AMO500");
        const double alcohol = balance(b, "ALCGEL");
        QString deposito = QStringLiteral("1");
        // Posted at once, the entry goes under the movements' motive: the sale of goods.
        QString motivo = QStringLiteral("2");
        QString destino, sqlTemp, loteFijo;
        QString tcOrigen = QStringLiteral("NP");
        QString cpteOrigen = kOrder;
        bool hayError = false;
        {
            ScriptedOperator op;
            b.form.Cptes().ActualizaStock(b.form.MSFlexGrid2, QStringLiteral("RM"), kNewDeliveryNote, QStringLiteral("0"),
                                          QStringLiteral("15/12/2026"), deposito, destino, motivo, tcOrigen, cpteOrigen,
                                          false, QStringLiteral("110301"), false, sqlTemp, hayError, QStringLiteral("NULL"),
                                          loteFijo, QString(), QString(), 0, false, QStringLiteral("1"), 0,
                                          QStringLiteral("1"), vb::Currency::fromInt(1));
            QCOMPARE(op.shown().size(), 0);
        }
        QVERIFY(!hayError);

        // A movement per line that has a quantity, in its unit and in the base unit.
        const auto movimientos = b.db.Query(
            QStringLiteral("SELECT TRIM(IdArticulo), TRIM(IdUnidad), Cantidad, CantidadUD, TRIM(Tc_Origen), "
                           "IdComprobante_Origen FROM V_MV_STOCK WHERE TC = 'RM' AND IdComprobante = '%1' ORDER BY Secuencia")
                .arg(kNewDeliveryNote));
        QCOMPARE(movimientos,
                 (QList<QVariantList>{{"IBU400", "UN", -6.0, -6.0, "NP", kOrder}, {"ALCGEL", "CAJA", -1.0, -12.0, "NP", kOrder}}));
        QCOMPARE(balance(b, "IBU400"), ibuprofeno - 6);
        QCOMPARE(balance(b, "AMO500"), amoxicilina);
        QCOMPARE(balance(b, "ALCGEL"), alcohol - 12);

        // The goods leave stock at cost: cost of goods sold against stock, balanced.
        const auto asiento = b.db.Query(QStringLiteral("SELECT Cuenta, [Debe-Haber], Importe FROM MV_ASIENTOS WHERE TC = 'RM' "
                                                       "AND Numero = '00000059' AND Letra = 'R' ORDER BY Secuencia"));
        QCOMPARE(asiento, (QList<QVariantList>{{"5101", "D", 6 * 1850.0 + 920.0}, {"1105", "H", 6 * 1850.0 + 920.0}}));

        // Nothing of the order is left to deliver.
        for (const char* articulo : {"IBU400", "AMO500", "ALCGEL"}) {
            double entregado = 0;
            QCOMPARE(b.form.Cptes().CantRepartoPend(QStringLiteral("NP"), kOrder, QLatin1String(articulo), entregado), 0.0);
        }
    }

private:
    std::optional<testsupport::OracleStandIn> oracle_;
};

TESTSUPPORT_MAIN(TstVoucherLibraryE2e)
#include "tst_voucher_library_e2e.moc"
