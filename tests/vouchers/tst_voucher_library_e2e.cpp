// The voucher library end to end on the demo company, as a voucher form uses it: the
// operator picks a stored voucher in the voucher lookup, searching by name or number,
// and the form loads the chosen one into the voucher it is building.
#include "tests/vouchers/loader/LoaderBench.h"
#include "tests/vouchers/lookup/LookupRows.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ListView.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

using loadertest::Bench;
using loadertest::Column;
using loadertest::Load;
using testsupport::ScriptedOperator;

namespace {

const QString kOrder = QStringLiteral("000100000045X");
const QString kDeliveryNote = QStringLiteral("000100000057R");

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

// The grid's column from row 1 to the last.
QStringList column(const ui::FlexGrid* g, int col)
{
    return Column(*g, col);
}

} // namespace

class TstVoucherLibraryE2e : public QObject {
    Q_OBJECT

private slots:
    // An invoice made from a pending order found by the customer's name.
    void aPendingOrderIntoAnInvoice()
    {
        Bench b({}, QStringLiteral("FC"));
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
        QCOMPARE(column(f.MSFlexGrid1, ColTarea::IdTarea), (QStringList{"ENTDOM", ""}));
        QCOMPARE(column(f.MSFlexGrid1, ColTarea::Total), (QStringList{"2250.00", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::IdArticulo), (QStringList{"IBU400", "AMO500", "ALCGEL", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::Unidad), (QStringList{"UN", "UN", "CAJA", ""}));
        // What the delivery note 0001-00000057 left of the order: 6 of 10, none of 6, 1 box of 2.
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::Cantidad), (QStringList{"6", "0", "1", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::Importe), (QStringList{"2719.0083", "4115.7025", "16363.6364", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::IdComprobanteFuente), (QStringList{kOrder, kOrder, kOrder, ""}));

        QCOMPARE(column(f.MSFlexGrid3, ColOtroConcepto::Detalle),
                 (QStringList{"4101 Recargo por entrega fuera de horario", "Bonificación por pago de contado", ""}));
    }

    // A credit note made from a delivery note found by its number: the lookup hands a
    // delivery note back without a complement, which the load reads as 0.
    void aDeliveryNoteIntoACreditNote()
    {
        Bench b({}, QStringLiteral("NC"));
        const Picked p = consult(b.form, QStringLiteral("RM"), [](FrmConsComprobantes& f) {
            search(f, f.TxtNumero, QStringLiteral("57"));
            QCOMPARE(f.ListView1->ListItems().Count(), 1);
            choose(f, kDeliveryNote);
        });
        QCOMPARE(p.id, kDeliveryNote);
        QCOMPARE(p.complemento, QString());

        load(b, QStringLiteral("RM"), p, QStringLiteral("NC"), QStringLiteral("A"));
        const testsupport::VoucherHostForm& f = b.form;
        QCOMPARE(column(f.MSFlexGrid1, ColTarea::IdTarea), QStringList{""});
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::IdArticulo), (QStringList{"IBU400", "AMO500", "ALCGEL", ""}));
        // The goods come back: every quantity of the delivery note, negated.
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::Cantidad), (QStringList{"-4", "-6", "-1", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::Importe), (QStringList{"2719.0083", "4115.7025", "16363.6364", ""}));
        QCOMPARE(column(f.MSFlexGrid2, ColArticulo::IdComprobanteFuente),
                 (QStringList{kDeliveryNote, kDeliveryNote, kDeliveryNote, ""}));
        QCOMPARE(column(f.MSFlexGrid3, ColOtroConcepto::Detalle), QStringList{""});

    }
};

TESTSUPPORT_MAIN(TstVoucherLibraryE2e)
#include "tst_voucher_library_e2e.moc"
