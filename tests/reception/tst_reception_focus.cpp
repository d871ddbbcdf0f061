// After a message box the keys go to the control the message is about, and that control
// shows the focus: the cell's editor for a refused cell or row, the date box for a
// refused date or a reload the operator declined. Its text is selected, so the next
// keys replace it.
#include "ReceptionFixture.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

namespace {

enum Situation {
    CellEnter, CellTab, CellClickOnGrid, CellClickOnHeader, RowF2,
    DateEnter, DateTab, DateClickOnGrid,
    ReloadEnter, ReloadTab, ReloadClickOnGrid,
};

// A point inside cell (1, 3) of the grid's scrolling area, away from the editor on (1, 1).
QPoint voucherCell(ui::FlexGrid* g)
{
    return QPoint(ui::TwipsToPixels(g->ColWidth(1) + g->ColWidth(2)) + 5, 5);
}

} // namespace

class TstReceptionFocus : public QObject {
    Q_OBJECT

private slots:
    void keysGoWhereTheMessageSaid_data()
    {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("inEditor");
        QTest::addColumn<QString>("refused");   // the text left selected
        const QString cuenta = QStringLiteral("La Cuenta ingresada es inexistente");
        const QString fecha = QStringLiteral("Debe ingresar un formato de fecha válido");
        const QString pregunta = QStringLiteral("¿Realmente desea abandonar la carga de datos?");
        QTest::newRow("account refused by Enter") << int(CellEnter) << cuenta << true << "999";
        QTest::newRow("account refused by Tab") << int(CellTab) << cuenta << true << "999";
        QTest::newRow("account refused by a click on another cell") << int(CellClickOnGrid) << cuenta << true << "999";
        QTest::newRow("account refused by a click on a header box") << int(CellClickOnHeader) << cuenta << true << "999";
        QTest::newRow("row refused by F2") << int(RowF2) << "Debe ingresar un Comprobante" << true << "";
        QTest::newRow("date refused by Enter") << int(DateEnter) << fecha << false << "32/12/2026";
        QTest::newRow("date refused by Tab") << int(DateTab) << fecha << false << "32/12/2026";
        QTest::newRow("date refused by a click on the grid") << int(DateClickOnGrid) << fecha << false << "32/12/2026";
        QTest::newRow("reload declined by Enter") << int(ReloadEnter) << pregunta << false << "09/12/2026";
        QTest::newRow("reload declined by Tab") << int(ReloadTab) << pregunta << false << "09/12/2026";
        QTest::newRow("reload declined by a click on the grid") << int(ReloadClickOnGrid) << pregunta << false
                                                                << "09/12/2026";
    }
    void keysGoWhereTheMessageSaid()
    {
        QFETCH(int, situation);
        QFETCH(QString, message);
        QFETCH(bool, inEditor);
        QFETCH(QString, refused);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        CajaTexto* fecha = f.txtFields[0];
        ScriptedOperator op;
        op.expectMsgBox(message, situation >= ReloadEnter ? int(ui::vbNo) : int(ui::vbOK));
        if (situation <= CellClickOnHeader) {
            fx.goTo(1, 1);
            QTest::keyClicks(g, QStringLiteral("9"));
            QTest::keyClicks(f.txtEdit, QStringLiteral("99"));
        } else if (situation == RowF2) {
            fx.goTo(1, 1);
            fx.typeCell(QStringLiteral("110301"));
        } else {
            if (situation >= ReloadEnter) {
                fx.goTo(1, 1);
                fx.typeCell(QStringLiteral("110301"));
            }
            fecha->setFocus(Qt::TabFocusReason);
            fecha->selectAll();
            QTest::keyClicks(fecha, situation >= ReloadEnter ? QStringLiteral("01/12/2026") : QStringLiteral("32/12/2026"));
        }
        QWidget* const typedIn = QApplication::focusWidget();
        switch (situation) {
        case CellEnter: case DateEnter: case ReloadEnter:
            QTest::keyClick(typedIn, Qt::Key_Return);
            break;
        case CellTab: case DateTab: case ReloadTab:
            QTest::keyClick(typedIn, Qt::Key_Tab);
            break;
        case CellClickOnGrid: case DateClickOnGrid: case ReloadClickOnGrid:
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, voucherCell(g));
            break;
        case CellClickOnHeader:
            QTest::mouseClick(f.txtFields[3], Qt::LeftButton);
            break;
        case RowF2:
            QTest::keyClick(typedIn, Qt::Key_F2);
            break;
        }
        op.verifyAllUsed();

        CajaTexto* expected = inEditor ? f.txtEdit : fecha;
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(expected));
        QVERIFY(expected->isVisible());
        QCOMPARE(f.ControlActivo, expected);
        QCOMPARE(expected->text(), refused);
        QCOMPARE(expected->selectedText(), refused);
        if (!inEditor)
            QCOMPARE(fecha->BackColor(), 0xFFFF00L);   // the look of the focus
        else
            QCOMPARE(fecha->BackColor(), 0xFFFFFFL);
        // nothing moved meanwhile: the cursor, the rows, the date's rows
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->Col(), situation == RowF2 || situation >= ReloadEnter ? 3 : 1);
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(g->TextMatrix(1, 1), situation == RowF2 || situation >= ReloadEnter ? QStringLiteral("110301") : QString());

        // the next key goes there and replaces the refused text
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(expected->text(), QStringLiteral("5"));
    }

    // After a message of the report (F4) about a header box, the keys go to that box,
    // its text selected, wherever the cursor was when F4 was pressed: nothing is printed.
    void reportMessageGoesBackToItsBox_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hasta");
        QTest::addColumn<QString>("fecha");       // the reception date box, typed and not loaded
        QTest::addColumn<int>("pressedIn");       // the box F4 is pressed in
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("box");             // the box the message is about
        const QString campo = QStringLiteral(", Campo : {V_MV_MUTUALES.FECHARECEPCION}");
        QTest::newRow("first date no date, F4 in Hasta") << "31/02/2026" << "" << "" << 2
                                                         << "Fecha Desde Incorrecta " + campo << 1;
        QTest::newRow("first date no date, F4 in the account") << "31/02/2026" << "07/12/2026" << "" << 3
                                                               << "Fecha Desde Incorrecta " + campo << 1;
        QTest::newRow("last date no date, F4 in Fecha") << "01/12/2026" << "32/12/2026" << "" << 1
                                                        << "Fecha Hasta Incorrecta " + campo << 2;
        QTest::newRow("last date no date, F4 in the unit") << "" << "32/12/2026" << "" << 4
                                                           << "Fecha Hasta Incorrecta " + campo << 2;
        QTest::newRow("first after last, F4 in Hasta") << "07/12/2026" << "01/12/2026" << "" << 2
                                                       << "Fecha Desde Mayor que Hasta " + campo << 1;
        QTest::newRow("reception date no date, F4 in it") << "" << "" << "31/02/2026" << 0
                                                          << "Debe ingresar un formato de fecha válido" << 0;
    }
    void reportMessageGoesBackToItsBox()
    {
        QFETCH(QString, desde);
        QFETCH(QString, hasta);
        QFETCH(QString, fecha);
        QFETCH(int, pressedIn);
        QFETCH(QString, message);
        QFETCH(int, box);
        ReceptionFixture fx;
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        f.txtFields[1]->setText(desde);
        f.txtFields[2]->setText(hasta);
        if (!fecha.isEmpty()) {
            f.txtFields[0]->setFocus(Qt::TabFocusReason);
            f.txtFields[0]->selectAll();
            QTest::keyClicks(f.txtFields[0], fecha);
        } else {
            f.txtFields[pressedIn]->setFocus(Qt::TabFocusReason);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.txtFields[pressedIn]));
        op.expectMsgBox(message, ui::vbOK, QStringLiteral("Aviso al operador..."), ui::vbCritical);
        QTest::keyClick(f.txtFields[pressedIn], Qt::Key_F4);
        op.verifyAllUsed();

        CajaTexto* expected = f.txtFields[box];
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(expected));
        QCOMPARE(f.ControlActivo, expected);
        QCOMPARE(expected->selectedText(), expected->text());
        QVERIFY(!expected->text().isEmpty());
        QCOMPARE(expected->BackColor(), 0xFFFF00L);
        QVERIFY(QDir(fx.folder.filePath(QStringLiteral("reportes"))).isEmpty());
        // the next key replaces the refused text
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(expected->text(), QStringLiteral("5"));
    }
};

TESTSUPPORT_MAIN(TstReceptionFocus)
#include "tst_reception_focus.moc"
