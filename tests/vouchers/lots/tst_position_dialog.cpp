// The position and lot dialog through the voucher class's position prompt, on the demo
// stock of paracetamol (PARA500) in the main deposit: lot L-2511 with 4 at EST-A1 and 3 at
// HEL-01, lot L-2602 with 5 at EST-A2, and 23 without a position (2 of L-2511, 6 of
// L-2602, 10 of P2611A, 5 of P2612B).
#include "LotDialogDriver.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/ui/Toolbar.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"
#include "vouchers/lots/FrmLoteyPosicion.h"

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

constexpr int kTake = FrmLoteyPosicion::ColCantidad;
constexpr int kAvailable = FrmLoteyPosicion::ColDisponible;
const QString kAviso = QStringLiteral("Aviso al Operador");
const QString kAvisoTotal = QStringLiteral("Aviso al Operador!!!");

struct Request {
    double cantidad = 10;
    QString unidad = QStringLiteral("UN");
    bool posicion = true;
    bool lote = true;
    QString posicionesAnt;
    QString lotesAnt;
};

struct Answer {
    QString posiciones = QStringLiteral("(untouched)");
    QString lotes = QStringLiteral("(untouched)");
    double cantidad = 0;
    bool shown = false;
};

// The position prompt for PARA500 in deposit "1"; `play` acts as the operator on the
// shown dialog (the dialog is active, the grid has the focus).
Answer askPositions(testsupport::VoucherHostForm& host, ScriptedOperator& op, const Request& r,
                    const std::function<void(FrmLoteyPosicion&)>& play)
{
    Answer a;
    op.expectForm(QStringLiteral("FrmLoteyPosicion"), [&](QDialog& d) {
        a.shown = true;
        auto& f = static_cast<FrmLoteyPosicion&>(d);
        lotstest::Activate(f);
        play(f);
        return f.result();
    });
    a.cantidad = r.cantidad;
    host.Cptes().PidePosicionLote(QStringLiteral("PARA500"), r.unidad, a.cantidad, QStringLiteral("1"), r.posicionesAnt,
                                  r.lotesAnt, a.posiciones, a.lotes, r.posicion, r.lote);
    return a;
}

void pressF2(FrmLoteyPosicion& f)
{
    QTest::keyClick(f.MSFlexGrid1, Qt::Key_F2);
}

} // namespace

class TstPositionDialog : public QObject {
    Q_OBJECT

private slots:
    // The stock is only read: one database serves every test but those that change it.
    void initTestCase() { db_ = std::make_unique<testsupport::VoucherFixture>(); }
    void cleanupTestCase() { db_.reset(); }
    void init()
    {
        if (!db_)
            db_ = std::make_unique<testsupport::VoucherFixture>();
        host_ = std::make_unique<testsupport::VoucherHostForm>();
    }
    void cleanup() { host_.reset(); }

    void proposesTheRequestOverTheRows_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QString>("unidad");
        QTest::addColumn<bool>("lote");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QStringList>("takes");
        QTest::addColumn<QString>("posiciones");
        QTest::addColumn<QString>("lotes");
        const QStringList stock = {"4", "3", "5", "23"};
        QTest::newRow("10 over 4, 3, 5") << 10.0 << "UN" << true << stock << QStringList{"4", "3", "3", "0"}
                                         << "|EST-A1*4|HEL-01*3|EST-A2*3|" << "|L-2511|L-2511|L-2602|";
        QTest::newRow("3 from the first lot") << 3.0 << "UN" << true << stock << QStringList{"3", "0", "0", "0"}
                                              << "|EST-A1*3|" << "|L-2511|";
        QTest::newRow("into the deposit's stock last") << 15.0 << "UN" << true << stock << QStringList{"4", "3", "5", "3"}
                                                       << "|EST-A1*4|HEL-01*3|EST-A2*5|*3|" << "|L-2511|L-2511|L-2602||";
        QTest::newRow("positions only") << 10.0 << "UN" << false << stock << QStringList{"4", "3", "3", "0"}
                                        << "|EST-A1*4|HEL-01*3|EST-A2*3|" << "";
        // A bulk holds 100 packs: the balances in packs are shown in bulks.
        QTest::newRow("in the line's unit") << 0.1 << "BL" << true << QStringList{"0.04", "0.03", "0.05", "0.23"}
                                            << QStringList{"0.04", "0.03", "0.03", "0"}
                                            << "|EST-A1*0.04|HEL-01*0.03|EST-A2*0.03|" << "|L-2511|L-2511|L-2602|";
    }
    void proposesTheRequestOverTheRows()
    {
        QFETCH(double, cantidad);
        QFETCH(QString, unidad);
        QFETCH(bool, lote);
        QFETCH(QStringList, available);
        QFETCH(QStringList, takes);
        QFETCH(QString, posiciones);
        QFETCH(QString, lotes);
        ScriptedOperator op;
        Request r;
        r.cantidad = cantidad;
        r.unidad = unidad;
        r.lote = lote;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, FrmLoteyPosicion::ColPosicion),
                     (QStringList{"EST-A1", "HEL-01", "EST-A2", "DEPOSITO 1"}));
            QCOMPARE(Column(f.MSFlexGrid1, kAvailable), available);
            QCOMPARE(Column(f.MSFlexGrid1, kTake), takes);
            QCOMPARE(f.MSFlexGrid1->ColWidth(FrmLoteyPosicion::ColLote) == 0, !lote);
            // The operator starts on the first quantity.
            QCOMPARE(f.MSFlexGrid1->Row(), 1);
            QCOMPARE(f.MSFlexGrid1->Col(), kTake);
            QVERIFY(f.MSFlexGrid1->hasFocus());
            pressF2(f);
        });
        QVERIFY(a.shown);
        QCOMPARE(a.posiciones, posiciones);
        QCOMPARE(a.lotes, lotes);
        QCOMPARE(a.cantidad, cantidad);
    }

    void captionAndHeaders_data()
    {
        QTest::addColumn<bool>("posicion");
        QTest::addColumn<bool>("lote");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("positions");
        const QStringList shelves{"EST-A1", "HEL-01", "EST-A2", "DEPOSITO 1"};
        QTest::newRow("positions and lots") << true << true << "Posiciones y Lotes (Deposito: 1)"
                                            << QStringList{"POSICION", "LOTE", "UNIDAD", "DISPONIBLE", "CANT."} << shelves;
        QTest::newRow("positions") << true << false << "Posiciones (Deposito: 1)"
                                   << QStringList{"POSICION", "", "UNIDAD", "DISPONIBLE", "CANT."} << shelves;
        // Lots alone have no positions: nothing is laid out or listed.
        QTest::newRow("lots") << false << true << "Números de Lote (Deposito: 1)" << QStringList{"", "", "", "", ""}
                              << QStringList();
        QTest::newRow("neither") << false << false << "Posiciones" << QStringList{"", "", "", "", ""} << QStringList();
    }
    void captionAndHeaders()
    {
        QFETCH(bool, posicion);
        QFETCH(bool, lote);
        QFETCH(QString, caption);
        QFETCH(QStringList, headers);
        QFETCH(QStringList, positions);
        ScriptedOperator op;
        Request r;
        r.posicion = posicion;
        r.lote = lote;
        askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(f.windowTitle(), caption);
            QCOMPARE(f.lblArticulo->text(), QStringLiteral("PARA500"));
            const QStringList shown = {f.MSFlexGrid1->TextMatrix(0, 0), f.MSFlexGrid1->TextMatrix(0, 1),
                                       f.MSFlexGrid1->TextMatrix(0, 2), f.MSFlexGrid1->TextMatrix(0, 3),
                                       f.MSFlexGrid1->TextMatrix(0, 4)};
            QCOMPARE(shown, headers);
            QCOMPARE(Column(f.MSFlexGrid1, FrmLoteyPosicion::ColPosicion), positions);
            // Each tip names the button's key.
            QCOMPARE(f.Toolbar1->Buttons(1).ToolTipText(),
                     QStringLiteral("(Alt+L) Llenar las demas celdas con el valor de las seleccionadas"));
            QCOMPARE(f.Toolbar1->Buttons(2).ToolTipText(),
                     QStringLiteral("(Alt+B) Blanquear las Celdas a partir de la celda seleccionada"));
            QCOMPARE(f.Toolbar1->Buttons(3).ToolTipText(), QStringLiteral("(Alt+P) Proponer Automaticamente"));
            QCOMPARE(f.CmdAceptar->text(), QStringLiteral("&Aceptar"));
            QCOMPARE(f.CmdCancelar->text(), QStringLiteral("&Cancelar"));
        });
    }

    // Without the position flag the dialog hands back no positions and no lots: OK finds
    // nothing placed and keeps the dialog open (the request stays as it was); a previous
    // selection is listed by position, and accepted it writes nothing.
    void withoutPositionsNothingComesBack_data()
    {
        QTest::addColumn<bool>("lote");
        QTest::addColumn<QString>("posicionesAnt");
        QTest::addColumn<QString>("lotesAnt");
        QTest::addColumn<QStringList>("takes");
        QTest::newRow("lots, nothing before") << true << "" << "" << QStringList();
        QTest::newRow("neither, nothing before") << false << "" << "" << QStringList();
        QTest::newRow("lots, a selection before") << true << "|EST-A1*4|HEL-01*1|" << "|L-2511|L-2511|"
                                                  << QStringList{"4", "1", "0", "0"};
    }
    void withoutPositionsNothingComesBack()
    {
        QFETCH(bool, lote);
        QFETCH(QString, posicionesAnt);
        QFETCH(QString, lotesAnt);
        QFETCH(QStringList, takes);
        ScriptedOperator op;
        Request r;
        r.posicion = false;
        r.lote = lote;
        r.cantidad = 5;
        r.posicionesAnt = posicionesAnt;
        r.lotesAnt = lotesAnt;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), takes);
            if (takes.isEmpty())
                op.expectMsgBox(QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada "), ui::vbOK,
                                kAvisoTotal, ui::vbInformation);
            pressF2(f);
            if (!takes.isEmpty())
                return;
            // Still open: the operator gives it up.
            QVERIFY(f.isVisible());
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Escape);
        });
        QCOMPARE(a.posiciones, QString());
        QCOMPARE(a.lotes, QString());
        QCOMPARE(a.cantidad, 5.0);
        // The dialog, and the notice when nothing was placed.
        QCOMPARE(op.shown().size(), takes.isEmpty() ? 2 : 1);
    }

    void noDialogForNothing()
    {
        ScriptedOperator op;   // no form expected
        double cantidad = 0;
        QString posiciones = QStringLiteral("x"), lotes = QStringLiteral("y");
        host_->Cptes().PidePosicionLote(QStringLiteral("PARA500"), QStringLiteral("UN"), cantidad, QStringLiteral("1"),
                                        QStringLiteral("|EST-A1*1|"), QStringLiteral("|L-2511|"), posiciones, lotes,
                                        true, true);
        QCOMPARE(posiciones, QString());
        QCOMPARE(lotes, QString());
    }

    // ---- the deposit row ----

    void depositRow_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("positions");
        QTest::addColumn<QStringList>("available");
        const QString unshelved = QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo = 'PARA500' AND IdPosicion = ''");
        const QString shelf = QStringLiteral(
            "INSERT INTO V_MV_STOCK (TC, IdComprobante, IdDeposito, IdPosicion, IdArticulo, NroLote, IdUnidad, Cantidad, "
            "CantidadUD, IdUnidadBase) VALUES ('AJ  ', '000100000001X', '   1', '%1', 'PARA500', '%2', 'UN  ', %3, %3, 'UN  ')");
        QTest::newRow("every lot without a position") << QStringList{} << QStringList{"EST-A1", "HEL-01", "EST-A2", "DEPOSITO 1"}
                                                      << QStringList{"4", "3", "5", "23"};
        QTest::newRow("no stock without a position") << QStringList{unshelved} << QStringList{"EST-A1", "HEL-01", "EST-A2"}
                                                     << QStringList{"4", "3", "5"};
        QTest::newRow("a negative balance without a position")
            << QStringList{shelf.arg("").arg("L-2602").arg(-30)} << QStringList{"EST-A1", "HEL-01", "EST-A2"}
            << QStringList{"4", "3", "5"};
        QTest::newRow("a position that is not a shelf of the deposit")
            << QStringList{shelf.arg("EST-Z9").arg("L-2511").arg(7)} << QStringList{"EST-A1", "HEL-01", "EST-A2", "DEPOSITO 1"}
            << QStringList{"4", "3", "5", "23"};
        QTest::newRow("an emptied shelf") << QStringList{shelf.arg("HEL-01").arg("L-2511").arg(-3)}
                                          << QStringList{"EST-A1", "EST-A2", "DEPOSITO 1"} << QStringList{"4", "5", "23"};
    }
    void depositRow()
    {
        QFETCH(QStringList, extra);
        QFETCH(QStringList, positions);
        QFETCH(QStringList, available);
        const auto changed = ownDatabase(extra);
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, FrmLoteyPosicion::ColPosicion), positions);
            QCOMPARE(Column(f.MSFlexGrid1, kAvailable), available);
            const bool deposit = positions.last().startsWith(QLatin1String("DEPOSITO"));
            QCOMPARE(f.FilaDeposito(), deposit ? int(positions.size()) : -1);
            if (deposit) {
                QCOMPARE(f.MSFlexGrid1->TextMatrix(f.FilaDeposito(), FrmLoteyPosicion::ColLote), QString());
                QCOMPARE(f.MSFlexGrid1->TextMatrix(f.FilaDeposito(), FrmLoteyPosicion::ColUnidad), QStringLiteral("UN"));
            }
        });
    }

    // ---- typing a quantity ----

    void typedQuantityIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative") << "-1" << "La Cantidad no puede ser Menor a Cero";
        QTest::newRow("above the shelf's stock") << "5" << "No hay disponible para esa posicion";
        QTest::newRow("no number") << "dos" << "La Cantidad debe ser un Número";
        QTest::newRow("grouping that is no grouping") << "1,5" << "La Cantidad debe ser un Número";
    }
    void typedQuantityIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            TypeCell(f.MSFlexGrid1, f.txtEdit, typed);
            // The box stays open on the refused text; the cell keeps its value.
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.txtEdit->text(), typed);
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, kTake), QStringLiteral("4"));
            QCOMPARE(f.MSFlexGrid1->Row(), 1);
            // Esc closes the edit only.
            QTest::keyClick(f.txtEdit, Qt::Key_Escape);
            QVERIFY(f.txtEdit->isHidden());
            QVERIFY(f.isVisible());
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, kTake), QStringLiteral("4"));
        });
    }

    void emptyIsZero()
    {
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Return);
            f.txtEdit->clear();
            QTest::keyClick(f.txtEdit, Qt::Key_Return);
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, kTake), QStringLiteral("0"));
            QCOMPARE(f.MSFlexGrid1->Row(), 2);
        });
    }

    // A value left by a click on another cell is checked as well.
    void aClickAwayChecksTheValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("cell");
        QTest::newRow("refused") << "9" << "No hay disponible para esa posicion" << "4";
        QTest::newRow("taken") << "2.50" << "" << "2.5";
    }
    void aClickAwayChecksTheValue()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, cell);
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            QTest::keyClicks(f.MSFlexGrid1, typed.left(1));
            QTest::keyClicks(f.txtEdit, typed.mid(1));
            if (!message.isEmpty())
                op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            const QRect third = f.MSFlexGrid1->visualRect(f.MSFlexGrid1->model()->index(2, kTake - 2));
            QTest::mouseClick(f.MSFlexGrid1->viewport(), Qt::LeftButton, {}, third.center());
            QCOMPARE(f.MSFlexGrid1->Row(), 3);
            QVERIFY(f.txtEdit->isHidden());
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, kTake), cell);
        });
    }

    // ---- the keyboard ----

    void keyboardWalk()
    {
        ScriptedOperator op;
        const Answer a = askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            // Up on the first row: the value lands, the cursor stays.
            TypeCell(g, f.txtEdit, QStringLiteral("2"), Qt::Key_Up);
            QCOMPARE(g->Row(), 1);
            QCOMPARE(g->TextMatrix(1, kTake), QStringLiteral("2"));
            // Down moves one row and keeps the quantity column (Enter opens on the cell).
            TypeCell(g, f.txtEdit, QString(), Qt::Key_Down);
            QCOMPARE(g->Row(), 2);
            QCOMPARE(g->Col(), kTake);
            QCOMPARE(g->TextMatrix(1, kTake), QStringLiteral("2"));
            // Enter moves down.
            TypeCell(g, f.txtEdit, QStringLiteral("3"));
            QCOMPARE(g->Row(), 3);
            TypeCell(g, f.txtEdit, QStringLiteral("5"));
            QCOMPARE(g->Row(), 4);
            // Down on the last row stays.
            TypeCell(g, f.txtEdit, QStringLiteral("0"), Qt::Key_Down);
            QCOMPARE(g->Row(), 4);
            QCOMPARE(Column(g, kTake), (QStringList{"2", "3", "5", "0"}));
            // Enter on the last row goes to OK, and Enter there accepts.
            TypeCell(g, f.txtEdit, QString());
            QVERIFY(f.CmdAceptar->hasFocus());
            QTest::keyClick(f.CmdAceptar, Qt::Key_Return);
            QCOMPARE(f.result(), int(QDialog::Accepted));
        });
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*2|HEL-01*3|EST-A2*5|"));
    }

    void doubleClickOpensTheEditorOnTheCell()
    {
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            emit f.MSFlexGrid1->DblClick();
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.txtEdit->text(), QStringLiteral("4"));
            QCOMPARE(f.txtEdit->DataField(), QStringLiteral("Cantidad"));
        });
    }

    // ---- the toolbar ----

    void toolbar()
    {
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            const auto click = [&](int index) { f.Toolbar1->Buttons(index).Action()->trigger(); };
            click(1);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "4", "4"}));
            g->SetRow(2);
            click(2);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "0", "0"}));
            // Outside the quantity column the two do nothing.
            g->SetCol(kAvailable);
            click(1);
            click(2);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "0", "0"}));
            click(3);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "3", "3", "0"}));
            QCOMPARE(g->Row(), 1);
            QCOMPARE(g->Col(), kTake);
        });
    }

    // The toolbar without the mouse: its keys from the grid, and Tab and Enter.
    void toolbarFromTheKeyboard()
    {
        ScriptedOperator op;
        askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            QTest::keyClick(g, Qt::Key_L, Qt::AltModifier);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "4", "4"}));
            g->SetRow(2);
            QTest::keyClick(g, Qt::Key_B, Qt::AltModifier);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "0", "0"}));
            QTest::keyClick(g, Qt::Key_P, Qt::AltModifier);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "3", "3", "0"}));
            QVERIFY(f.txtEdit->isHidden());
            // Tab walks the grid, OK, Cancel and the three buttons, and comes back.
            QList<QWidget*> order{g, f.CmdAceptar, f.CmdCancelar};
            for (int i = 1; i <= 3; ++i)
                order << f.Toolbar1->widgetForAction(f.Toolbar1->Buttons(i).Action());
            for (QWidget* w : order) {
                QCOMPARE(QApplication::focusWidget(), w);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(QApplication::focusWidget(), g);
            // Enter on a button presses it and does not accept the dialog.
            g->SetRow(1);
            QWidget* fill = order.at(3);
            fill->setFocus(Qt::TabFocusReason);
            QTest::keyClick(fill, Qt::Key_Return);
            QCOMPARE(Column(g, kTake), (QStringList{"4", "4", "4", "4"}));
            QVERIFY(f.isVisible());
            QTest::keyClick(fill, Qt::Key_Escape);
        });
    }

    // ---- a return ----

    // A negative line brings goods back: its quantity goes into positions as an entry,
    // proposed into the deposit, and comes back with its sign.
    void aReturnIsPlaced_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("available");
        const QString unshelved = QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo = 'PARA500' AND IdPosicion = ''");
        QTest::newRow("the deposit holds stock") << QStringList{} << QStringList{"4", "3", "5", "23"};
        QTest::newRow("the deposit holds none") << QStringList{unshelved} << QStringList{"4", "3", "5", "0"};
    }
    void aReturnIsPlaced()
    {
        QFETCH(QStringList, extra);
        QFETCH(QStringList, available);
        const auto changed = ownDatabase(extra);
        ScriptedOperator op;
        Request r;
        r.cantidad = -3;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            ui::FlexGrid* g = f.MSFlexGrid1;
            QCOMPARE(Column(g, FrmLoteyPosicion::ColPosicion), (QStringList{"EST-A1", "HEL-01", "EST-A2", "DEPOSITO 1"}));
            QCOMPARE(Column(g, kAvailable), available);
            QCOMPARE(Column(g, kTake), (QStringList{"0", "0", "0", "3"}));
            // A position takes more than it holds; nothing below zero.
            lotstest::GoTo(g, 2, kTake);
            op.expectMsgBox(QStringLiteral("La Cantidad no puede ser Menor a Cero"), ui::vbOK, kAviso, ui::vbCritical);
            TypeCell(g, f.txtEdit, QStringLiteral("-1"));
            QTest::keyClick(f.txtEdit, Qt::Key_Escape);
            TypeCell(g, f.txtEdit, QStringLiteral("5"));
            QCOMPARE(g->TextMatrix(2, kTake), QStringLiteral("5"));
            // The totals are told in what is placed.
            op.expectMsgBox(QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada"), ui::vbNo,
                            kAvisoTotal, ui::vbQuestion + ui::vbYesNo)
                .expectMsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :3"), ui::vbOK, kAviso,
                              ui::vbCritical);
            pressF2(f);
            QVERIFY(f.isVisible());
            lotstest::GoTo(g, 2, kTake);
            TypeCell(g, f.txtEdit, QStringLiteral("2"));
            lotstest::GoTo(g, 4, kTake);
            TypeCell(g, f.txtEdit, QStringLiteral("1"));
            pressF2(f);
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(a.cantidad, -3.0);
        QCOMPARE(a.posiciones, QStringLiteral("|HEL-01*-2|*-1|"));
        QCOMPARE(a.lotes, QStringLiteral("|L-2511||"));
    }

    void aReturnAdjustedKeepsItsSign()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = -3;
        r.lote = false;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            lotstest::GoTo(f.MSFlexGrid1, 1, kTake);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("2"));
            op.expectMsgBox(QStringLiteral("supera"), ui::vbYes, kAvisoTotal);
            pressF2(f);
        });
        QCOMPARE(a.cantidad, -5.0);
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*-2|*-3|"));
        QCOMPARE(a.lotes, QString());
    }

    // A return's earlier selection comes back as what was placed.
    void aReturnsPreviousSelection()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = -3;
        r.posicionesAnt = QStringLiteral("|HEL-01*-2|*-1|");
        r.lotesAnt = QStringLiteral("|L-2511||");
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"0", "2", "0", "1"}));
            pressF2(f);
        });
        QCOMPARE(a.posiciones, r.posicionesAnt);
        QCOMPARE(a.cantidad, -3.0);
    }

    // ---- OK and the totals ----

    void aTotalAboveTheRequest()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = 5;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"4", "1", "0", "0"}));
            lotstest::GoTo(f.MSFlexGrid1, 2, kTake);
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("3"));
            op.expectMsgBox(QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de "
                                           "Carga de Datos\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"),
                            ui::vbNo, kAvisoTotal, ui::vbQuestion + ui::vbYesNo)
                .expectMsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :5"), ui::vbOK, kAviso, ui::vbCritical);
            pressF2(f);
            QVERIFY(f.isVisible());
            op.expectMsgBox(QStringLiteral("supera"), ui::vbYes, kAvisoTotal);
            pressF2(f);
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(a.cantidad, 7.0);
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*4|HEL-01*3|"));
    }

    void aTotalBelowTheRequestThatTheStockCovers()
    {
        ScriptedOperator op;
        const Answer a = askPositions(*host_, op, Request{}, [&](FrmLoteyPosicion& f) {
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("1"));
            op.expectMsgBox(QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada "), ui::vbOK,
                            kAvisoTotal, ui::vbInformation);
            pressF2(f);
            QVERIFY(f.isVisible());
        });
        QCOMPARE(a.posiciones, QString());   // cancelled by the script's end: nothing before
        QCOMPARE(a.cantidad, 10.0);
    }

    // More than the whole stock: the operator may lower the request to it.
    void aRequestAboveTheWholeStock()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = 40;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"4", "3", "5", "23"}));
            op.expectMsgBox(QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario "
                                           "de Carga de Datos\r\n¿Desea Ajustar"),
                            ui::vbYes, kAvisoTotal, ui::vbQuestion + ui::vbYesNo);
            pressF2(f);
        });
        QCOMPARE(a.cantidad, 35.0);
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*4|HEL-01*3|EST-A2*5|*23|"));
        QCOMPARE(a.lotes, QStringLiteral("|L-2511|L-2511|L-2602||"));
    }

    // Sums are compared as amounts of four decimals: 0.1 + 0.2 is 0.3.
    void sumsAreComparedAsMoney()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = 0.3;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("0.1"));
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("0.2"));
            pressF2(f);
        });
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*0.1|HEL-01*0.2|"));
    }

    // ---- a previous selection ----

    void restoresThePreviousSelection_data()
    {
        QTest::addColumn<bool>("lote");
        QTest::addColumn<QString>("posicionesAnt");
        QTest::addColumn<QString>("lotesAnt");
        QTest::addColumn<QStringList>("takes");
        QTest::newRow("a shelf and the deposit") << true << "|EST-A2*2.50|*1|" << "|L-2602||"
                                                 << QStringList{"0", "0", "2.50", "1"};
        QTest::newRow("the lot must match") << true << "|EST-A2*2|" << "|L-2511|" << QStringList{"0", "0", "0", "0"};
        QTest::newRow("positions only") << false << "|HEL-01*2|" << "" << QStringList{"0", "2", "0", "0"};
        QTest::newRow("the later entry wins") << false << "|HEL-01*2|hel-01*1|" << "" << QStringList{"0", "1", "0", "0"};
        QTest::newRow("a shelf no longer stocked is dropped") << true << "|EST-Z9*2|EST-A1*1|" << "|L-2511|L-2511|"
                                                              << QStringList{"1", "0", "0", "0"};
    }
    void restoresThePreviousSelection()
    {
        QFETCH(bool, lote);
        QFETCH(QString, posicionesAnt);
        QFETCH(QString, lotesAnt);
        QFETCH(QStringList, takes);
        ScriptedOperator op;
        Request r;
        r.lote = lote;
        r.posicionesAnt = posicionesAnt;
        r.lotesAnt = lotesAnt;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QVERIFY(f.EsConsultaDePosicionLote);
            QCOMPARE(Column(f.MSFlexGrid1, kTake), takes);
            // Cancel: Esc on the grid.
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        // A cancelled prompt hands back what the line had.
        QCOMPARE(a.posiciones, posicionesAnt);
        QCOMPARE(a.lotes, lotesAnt);
        QCOMPARE(a.cantidad, 10.0);
    }

    // A restored quantity that the shelf no longer holds is caught by OK.
    void okChecksEveryRow()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = 6;
        r.posicionesAnt = QStringLiteral("|HEL-01*6|");
        r.lotesAnt = QStringLiteral("|L-2511|");
        askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            op.expectMsgBox(QStringLiteral("No hay disponible para esa posicion"), ui::vbOK, kAviso, ui::vbCritical);
            QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
            QVERIFY(f.isVisible());
            QCOMPARE(f.MSFlexGrid1->Row(), 2);
            QCOMPARE(f.MSFlexGrid1->Col(), kTake);
        });
    }

    // OK with an edit open takes the edit first.
    void okTakesTheOpenEdit()
    {
        ScriptedOperator op;
        Request r;
        r.cantidad = 4;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            lotstest::GoTo(f.MSFlexGrid1, 1, kTake);
            QTest::keyClicks(f.MSFlexGrid1, QStringLiteral("1"));
            lotstest::GoTo(f.MSFlexGrid1, 2, kTake);
            QTest::keyClicks(f.MSFlexGrid1, QStringLiteral("3"));
            QVERIFY(f.txtEdit->isVisible());
            QTest::keyClick(f.txtEdit, Qt::Key_F2);
        });
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*1|HEL-01*3|"));
    }

    // A workstation with "," decimals types and reads its own numbers.
    void commaDecimals()
    {
        testsupport::RegionalPin comma(QLatin1Char(','), QLatin1Char('.'));
        ScriptedOperator op;
        Request r;
        r.cantidad = 1.5;
        const Answer a = askPositions(*host_, op, r, [&](FrmLoteyPosicion& f) {
            QCOMPARE(Column(f.MSFlexGrid1, kTake), (QStringList{"1,5", "0", "0", "0"}));
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("0,5"));
            TypeCell(f.MSFlexGrid1, f.txtEdit, QStringLiteral("1"));
            pressF2(f);
        });
        QCOMPARE(a.posiciones, QStringLiteral("|EST-A1*0,5|HEL-01*1|"));
    }

private:
    // A database of its own, with the host form on it; the next test makes the demo one
    // again.
    std::unique_ptr<testsupport::VoucherFixture> ownDatabase(const QStringList& extra)
    {
        host_.reset();
        db_.reset();
        auto changed = std::make_unique<testsupport::VoucherFixture>(extra);
        host_ = std::make_unique<testsupport::VoucherHostForm>();
        return changed;
    }

    testsupport::RegionalPin regional_;
    std::unique_ptr<testsupport::VoucherFixture> db_;
    std::unique_ptr<testsupport::VoucherHostForm> host_;
};

TESTSUPPORT_MAIN(TstPositionDialog)
#include "tst_position_dialog.moc"
