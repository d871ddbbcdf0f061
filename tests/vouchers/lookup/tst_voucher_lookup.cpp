// ClsCmnCptes::ConsultaComprobante with the operator at the voucher lookup: what each
// voucher group hands back, the ticked purchase orders, cancelling, the keyboard and
// the focus order of the dialog.
#include "LookupRows.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ListView.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"
#include "vouchers/ClsCmnCptes.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

FrmConsComprobantes& form(QDialog& d)
{
    return static_cast<FrmConsComprobantes&>(d);
}

struct Answer {
    QString respuesta = QStringLiteral("(unchanged)");
    QString complemento = QStringLiteral("(unchanged)");
    QString proveedor = QStringLiteral("(unchanged)");
};

// Opens the lookup for TC (and Filtro) and lets `operate` work the dialog.
Answer consult(const QString& tc, const std::function<void(FrmConsComprobantes&)>& operate,
               const std::optional<QString>& filtro = std::nullopt)
{
    ScriptedOperator op;
    op.expectForm(QStringLiteral("FrmConsComprobantes"), [&](QDialog& d) {
        operate(form(d));
        return int(QDialog::Accepted);
    });
    ClsCmnCptes cptes;
    Answer a;
    cptes.ConsultaComprobante(tc, a.respuesta, filtro, &a.complemento, &a.proveedor);
    return a;
}

// The dialog as the operator's active window, where the keyboard goes.
void activate(FrmConsComprobantes& f)
{
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
}

// Chooses the row of `id` and presses Aceptar.
std::function<void(FrmConsComprobantes&)> pick(const QString& id)
{
    return [id](FrmConsComprobantes& f) {
        const ui::ListItem item = lookuptest::ItemOf(f, id);
        QVERIFY2(!item.isNothing(), qPrintable(id));
        f.ListView1->SetSelectedItem(item);
        QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
    };
}

} // namespace

class TstVoucherLookup : public QObject {
    Q_OBJECT

private slots:
    void whatEachGroupHandsBack_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<QString>("proveedor");
        QTest::newRow("pending orders: voucher and complement")
            << "NP/PENDIENTES" << "000100000045X" << "000100000045X" << "0" << "";
        // A delivery note comes back without its complement: its column is empty.
        QTest::newRow("pending delivery notes") << "RM/PENDIENTES" << "000100000057R" << "000100000057R" << "" << "";
        QTest::newRow("pending purchase delivery notes: voucher and supplier")
            << "RM/PENDIENTES_COMPRAS" << "000100003310R" << "000100003310R" << "" << "210101";
        QTest::newRow("transport delivery notes return like delivery notes")
            << "RM/TRANSPORTE" << "000100000058R" << "000100000058R" << "0" << "";
        QTest::newRow("budgets: complement 0") << "PR/PENDIENTES" << "000100000004X" << "000100000004X" << "0" << "";
        QTest::newRow("third parties: the internal number") << "T3" << "000100000057R" << "2701" << "0" << "";
        QTest::newRow("purchase invoices in small letters") << "fcc" << "000100004512A" << "000100004512A" << "" << "210101";
        QTest::newRow("supplier credit notes") << "NCPE" << "000300000871A" << "000300000871A" << "" << "210101";
        QTest::newRow("a purchase order chosen, none ticked") << "OC" << "000100000021X" << "000100000021X" << "0" << "";
        QTest::newRow("work orders") << "OT" << "000100000007X" << "000100000007X" << "0" << "";
        QTest::newRow("a type of no group: the voucher only") << "TK" << "000100000009X" << "000100000009X" << "" << "";
    }
    void whatEachGroupHandsBack()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, respuesta);
        QFETCH(QString, complemento);
        QFETCH(QString, proveedor);
        VoucherFixture db({QStringLiteral(
            "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, Importe) "
            "VALUES ('TK  ', '000100000009X', 2, '2026-12-11 00:00:00', '110302', 'Consumidor final', 900)")});
        const Answer a = consult(tc, pick(id));
        QCOMPARE(a.respuesta, respuesta);
        QCOMPARE(a.complemento, complemento);
        QCOMPARE(a.proveedor, proveedor);
    }

    void nothingChosenHandsBackEmptyTexts_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancelar") << 0;
        QTest::newRow("the close box") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("Aceptar with no row chosen") << 3;
        QTest::newRow("purchase orders, none ticked nor chosen") << 4;
    }
    void nothingChosenHandsBackEmptyTexts()
    {
        QFETCH(int, how);
        VoucherFixture db;
        const Answer a = consult(how == 4 ? QStringLiteral("OC") : QStringLiteral("FCC"), [how](FrmConsComprobantes& f) {
            switch (how) {
            case 0: QTest::mouseClick(f.CmdCancelar, Qt::LeftButton); break;
            case 1: f.close(); break;
            case 2: QTest::keyClick(f.ListView1, Qt::Key_Escape); break;
            default:
                f.ListView1->SetSelectedItem(ui::ListItem());
                QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
            }
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(a.respuesta, QString());
        QCOMPARE(a.complemento, QString());
        QCOMPARE(a.proveedor, QString());
    }

    void tickedPurchaseOrdersComeBackInListOrder_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("respuesta");
        QTest::newRow("two ticked, one chosen") << QStringList{"000100000021X", "000100000022X"} << true
                                                << "000100000022X,000100000021X";
        QTest::newRow("ticked, none chosen") << QStringList{"000100000021X"} << false << "000100000021X";
        QTest::newRow("one ticked, another chosen") << QStringList{"000100000021X"} << true << "000100000021X";
    }
    void tickedPurchaseOrdersComeBackInListOrder()
    {
        QFETCH(QStringList, ticked);
        QFETCH(bool, chosen);
        QFETCH(QString, respuesta);
        VoucherFixture db;
        const Answer a = consult(QStringLiteral("OC"), [&](FrmConsComprobantes& f) {
            QVERIFY(f.ListView1->Checkboxes());
            QVERIFY(!f.ListView1->MultiSelect());
            for (const QString& id : ticked)
                lookuptest::ItemOf(f, id).SetChecked(true);
            f.ListView1->SetSelectedItem(chosen ? lookuptest::ItemOf(f, QStringLiteral("000100000022X")) : ui::ListItem());
            QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
        });
        QCOMPARE(a.respuesta, respuesta);
        QCOMPARE(a.complemento, QStringLiteral("0"));
        QCOMPARE(a.proveedor, QString());
    }

    void onlyPurchaseOrdersHaveCheckBoxes()
    {
        VoucherFixture db;
        consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            QVERIFY(!f.ListView1->Checkboxes());
            QVERIFY(!f.ListView1->MultiSelect());
            f.reject();
        });
    }

    void enterAndDoubleClickAccept()
    {
        VoucherFixture db;
        Answer a = consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            activate(f);
            QCOMPARE(QApplication::focusWidget(), f.ListView1);
            QTest::keyClick(f.ListView1, Qt::Key_Down);
            QTest::keyClick(f.ListView1, Qt::Key_Return);
        });
        QCOMPARE(a.respuesta, QStringLiteral("000100000120A"));
        a = consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            const ui::ListItem item = lookuptest::ItemOf(f, QStringLiteral("000100000118A"));
            const QRect rect = f.ListView1->visualRect(f.ListView1->model().index(item.Index() - 1, 2));
            QTest::mouseDClick(f.ListView1->viewport(), Qt::LeftButton, {}, rect.center());
        });
        QCOMPARE(a.respuesta, QStringLiteral("000100000118A"));
        QCOMPARE(a.complemento, QStringLiteral("0"));
    }

    void theSearchBoxesLeadToBuscar()
    {
        VoucherFixture db;
        const Answer a = consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            activate(f);
            QCOMPARE(f.TxtNombre->toolTip(), QStringLiteral("Ingrese parte del nombre buscado"));
            QCOMPARE(f.TxtNumero->toolTip(), QStringLiteral("Ingrese parte del numero buscado"));
            f.TxtNombre->setFocus(Qt::TabFocusReason);
            // The prompt is selected: typing replaces it.
            QCOMPARE(f.TxtNombre->selectedText(), QStringLiteral("Buscar por nombre..."));
            QTest::keyClicks(f.TxtNombre, QStringLiteral("docente"));
            QTest::keyClick(f.TxtNombre, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.TxtNumero);
            QCOMPARE(f.TxtNumero->selectedText(), QStringLiteral("Buscar por Numero..."));
            QTest::keyClick(f.TxtNumero, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.CmdBuscar);
            QCOMPARE(f.ListView1->ListItems().Count(), 4);   // the boxes search nothing by themselves
            QTest::keyClick(f.CmdBuscar, Qt::Key_Return);
            QCOMPARE(f.ListView1->ListItems().Count(), 1);
            QCOMPARE(QApplication::focusWidget(), f.ListView1);
            QTest::keyClick(f.ListView1, Qt::Key_Return);
        });
        QCOMPARE(a.respuesta, QStringLiteral("000100000120A"));
    }

    void theTabOrderStartsAtTheList()
    {
        VoucherFixture db;
        consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            activate(f);
            QCOMPARE(f.windowTitle(), QStringLiteral("Consulta de Comprobantes"));
            QCOMPARE(f.CmdBuscar->text(), QStringLiteral("&Buscar"));
            QCOMPARE(f.CmdAceptar->text(), QStringLiteral("&Aceptar"));
            QCOMPARE(f.CmdCancelar->text(), QStringLiteral("&Cancelar"));
            const QList<QWidget*> order{f.ListView1, f.CmdAceptar, f.CmdCancelar, f.TxtNombre, f.TxtNumero, f.CmdBuscar};
            for (int i = 0; i < order.size(); ++i) {
                QCOMPARE(QApplication::focusWidget(), order[i]);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(QApplication::focusWidget(), f.ListView1);
            f.reject();
        });
    }

    void noRowTextIsEditedInPlace()
    {
        VoucherFixture db;
        consult(QStringLiteral("FC"), [](FrmConsComprobantes& f) {
            activate(f);
            const QString before = lookuptest::Rows(f).first();
            QTest::keyClick(f.ListView1, Qt::Key_F2);
            QTest::keyClicks(f.ListView1, QStringLiteral("xyz"));
            QCOMPARE(lookuptest::Rows(f).first(), before);
            f.reject();
        });
    }

    void twoCallsStartFresh()
    {
        VoucherFixture db;
        ClsCmnCptes cptes;
        QString respuesta, complemento, proveedor;
        {
            ScriptedOperator op;
            op.expectForm(QStringLiteral("FrmConsComprobantes"), [](QDialog& d) {
                pick(QStringLiteral("000100004512A"))(form(d));
                return int(QDialog::Accepted);
            });
            cptes.ConsultaComprobante(QStringLiteral("FCC"), respuesta, std::nullopt, &complemento, &proveedor);
        }
        QCOMPARE(proveedor, QStringLiteral("210101"));
        {
            ScriptedOperator op;
            op.expectForm(QStringLiteral("FrmConsComprobantes"), [](QDialog& d) {
                [&] {
                    QCOMPARE(form(d).Proveedor, QString());
                    QCOMPARE(form(d).NroComprobante, QString());
                }();
                pick(QStringLiteral("000100000045X"))(form(d));
                return int(QDialog::Accepted);
            });
            cptes.ConsultaComprobante(QStringLiteral("NP"), respuesta, std::nullopt, &complemento, &proveedor);
        }
        QCOMPARE(respuesta, QStringLiteral("000100000045X"));
        QCOMPARE(complemento, QStringLiteral("0"));
        QCOMPARE(proveedor, QString());
    }

    // A double click on the asking form while the list fills (a long list pumps the
    // form's events) asks nothing more: one request, one dialog, one answer.
    void oneRequestOpensOneLookup()
    {
        VoucherFixture db;
        testsupport::VoucherHostForm host;
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
        ui::FlexGrid* grid = host.MSFlexGrid2;
        grid->SetRows(3);
        QStringList answers;
        QObject::connect(grid, &ui::FlexGrid::DblClick, &host, [&] {
            ClsCmnCptes cptes;
            QString respuesta;
            cptes.ConsultaComprobante(QStringLiteral("FC"), respuesta);
            answers << respuesta;
        });
        ScriptedOperator op;
        op.expectForm(QStringLiteral("FrmConsComprobantes"), [](QDialog& d) {
            pick(QStringLiteral("000100000118A"))(form(d));
            return int(QDialog::Accepted);
        });
        const QPoint at = grid->visualRect(grid->model()->index(0, 0)).center();
        // The second click of the operator waits behind the first one.
        QCoreApplication::postEvent(grid->viewport(), new QMouseEvent(QEvent::MouseButtonDblClick, at,
                                                                      grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                                                                      Qt::LeftButton, Qt::NoModifier));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        QCOMPARE(answers, QStringList{QStringLiteral("000100000118A")});
        // Once the lookup is gone the form takes the operator's clicks again.
        op.expectForm(QStringLiteral("FrmConsComprobantes"), [](QDialog& d) {
            d.reject();
            return int(QDialog::Rejected);
        });
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(answers.size(), 2);
    }

    // The dialog opens as wide as the columns of its voucher group, the amount at the
    // right inside the list, as far as the screen goes.
    void theLookupIsAsWideAsItsColumns_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("whole");
        // The offscreen screen is 800 pixels wide: at 8 points it holds every group.
        QTest::newRow("purchase invoices") << "FCC" << 8 << true;
        QTest::newRow("supplier credit notes") << "NCPE" << 8 << true;
        QTest::newRow("other codes") << "TK" << 8 << true;
        QTest::newRow("sales invoices") << "FC" << 8 << true;
        QTest::newRow("transport delivery notes") << "RM/TRANSPORTE" << 8 << true;
        QTest::newRow("purchase orders") << "OC" << 8 << true;
        QTest::newRow("wider than the screen") << "FCC" << 12 << false;
    }
    void theLookupIsAsWideAsItsColumns()
    {
        QFETCH(QString, tc);
        QFETCH(int, points);
        QFETCH(bool, whole);
        VoucherFixture db;
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSize(points);
        QApplication::setFont(font);
        consult(tc, [&](FrmConsComprobantes& f) {
            QHeaderView* header = f.ListView1->header();
            const int last = header->count() - 1;
            const int right = header->sectionViewportPosition(last) + header->sectionSize(last);
            QCOMPARE(right <= f.ListView1->viewport()->width(), whole);
            QCOMPARE(f.ListView1->horizontalScrollBar()->isVisible(), !whole);
            QVERIFY(f.width() <= f.screen()->availableGeometry().width());
            // No header is cut: "COMPLEMENTO" is wider than its 6 X.
            for (int i = 0; i <= last; ++i) {
                const QString text = f.ListView1->ColumnHeaders(i + 1).Text();
                QVERIFY2(header->sectionSize(i) > header->fontMetrics().horizontalAdvance(text), qPrintable(text));
            }
            f.reject();
        });
        QApplication::setFont(before);
    }

    void theCallersConditionReachesTheList()
    {
        VoucherFixture db;
        const Answer a = consult(
            QStringLiteral("FC"),
            [](FrmConsComprobantes& f) {
                QCOMPARE(f.ListView1->ListItems().Count(), 1);
                QTest::keyClick(f.ListView1, Qt::Key_Return);
            },
            QStringLiteral("CUENTA = '110303'"));
        QCOMPARE(a.respuesta, QStringLiteral("000100000120A"));
    }
};

TESTSUPPORT_MAIN(TstVoucherLookup)
#include "tst_voucher_lookup.moc"
