// Loading a reception date: the stored rows with their marks, the progress notice, the totals.
#include "ReceptionFixture.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "frame/Config.h"
#include "platform/vb/VbError.h"
#include "widgets/Dll_Display.h"
#include <QLabel>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

namespace {

QStringList rowTexts(ui::FlexGrid* g, int row)
{
    QStringList texts;
    for (int c = 0; c < g->Cols(); ++c)
        texts << g->TextMatrix(row, c);
    return texts;
}

bool noticeClosed()
{
    return !gDisplay.exists() || gDisplay->Window() == nullptr;
}

} // namespace

class TstReceptionLoad : public QObject {
    Q_OBJECT

private slots:
    void loadsInvoicedAndPendingRows()
    {
        // A third row of the day, received later, stored with an apostrophe and no invoice.
        ReceptionFixture fx({QStringLiteral(
            "INSERT INTO V_MV_MUTUALES (ID, CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, FECHARECEPCION, "
            "USUARIO, UNEGOCIO, FACTURA) VALUES (9, '110303', 'X-9', 0.5, 'D''Angelo', '2026-12-01 00:00:00', "
            "'2026-12-01 00:00:00', 'mgomez', '   2', '')")});
        frmRecepcionMutuales& f = fx.open();
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        f.CargaMutualesFecha();

        ui::FlexGrid* g = f.MSFlexGrid1;
        QCOMPARE(g->Rows(), 4);   // three rows, no empty entry row
        QCOMPARE(rowTexts(g, 1), (QStringList{"F", "110301", "Mutual Policial de Córdoba", "0001-00045872", "18540.50",
                                              "   1", "Órdenes de farmacia noviembre - 14 recetas", "1"}));
        QCOMPARE(rowTexts(g, 2), (QStringList{"*", "110302", "Asociación Mutual de Empleados Públicos", "0003-00012009",
                                              "7325.00", "   1", "Recetas afiliados plan 40%", "2"}));
        // an empty invoice text is no invoice
        QCOMPARE(rowTexts(g, 3), (QStringList{"*", "110303", "Mutual Docente Provincial", "X-9", "0.50", "   2",
                                              "D'Angelo", "9"}));
        QVERIFY(noticeClosed());
        QCOMPARE(f.SumaImportes(), vb::Currency::fromRaw(258660000));
    }

    void noticeClosedWhenTheLoadFails()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        // a number of decimals the amounts cannot be written with: the first row raises
        gCantidadDecimales = QStringLiteral("-5");
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        bool raised = false;
        try {
            f.CargaMutualesFecha();
        } catch (const vb::VbError&) {
            raised = true;
        }
        QVERIFY(raised);
        QVERIFY(noticeClosed());
        QVERIFY(f.MSFlexGrid1->Redraw());
    }

    void dateWithoutRows()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.txtFields[0]->setText(QStringLiteral("09/12/2026"));
        f.CargaMutualesFecha();
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        QCOMPARE(rowTexts(f.MSFlexGrid1, 1), QStringList(8, QString()));
        QVERIFY(!gDisplay.exists());   // no notice was ever opened
        QCOMPARE(f.SumaImportes(), vb::Currency());
    }

    void reloadingReplacesTheRows()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        f.CargaMutualesFecha();
        f.txtFields[0]->setText(QStringLiteral("07/12/2026"));
        f.CargaMutualesFecha();
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("0001-00046110"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 5), QStringLiteral("   2"));
    }

    void totalsOnTheStatusBar()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        f.CargaMutualesFecha();
        f.MSFlexGrid1->SetRow(2);
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: 2"));
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: 25865.50"));
        f.LimpiaTotal();
        QCOMPARE(f.lblTotal->text(), QStringLiteral("Total Recepcion: 0"));
    }

    void totalFollowsEveryChange_data()
    {
        // From the rows of 1 December (18540.50 and 7325.00). Steps: "set r text" writes the
        // amount cell of row r, "add text" inserts a row with that amount below row 1,
        // "remove r", "rows n", "nuevo" (the toolbar's Nuevo), "load date".
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("total");
        QTest::newRow("as loaded") << QStringList{} << "25865.50";
        QTest::newRow("an amount changed") << QStringList{"set 2 100"} << "18640.50";
        QTest::newRow("an amount emptied") << QStringList{"set 1 "} << "7325.00";
        QTest::newRow("an amount typed into an empty row") << QStringList{"rows 4", "set 3 0.75"} << "25866.25";
        QTest::newRow("a row inserted") << QStringList{"add 12.25"} << "25877.75";
        QTest::newRow("a row removed") << QStringList{"remove 1"} << "7325.00";
        QTest::newRow("rows dropped from the end") << QStringList{"rows 2"} << "18540.50";
        QTest::newRow("the header is no amount") << QStringList{"set 0 999"} << "25865.50";
        QTest::newRow("Nuevo") << QStringList{"nuevo"} << "0.00";
        QTest::newRow("another date") << QStringList{"load 07/12/2026"} << "4410.00";
        QTest::newRow("an amount that cannot be read, then corrected")
            << QStringList{"set 2 1234567890123456789", "set 2 7325"} << "25865.50";
        QTest::newRow("an amount that cannot be read, then its row removed")
            << QStringList{"set 2 1234567890123456789", "remove 2"} << "18540.50";
    }

    void totalFollowsEveryChange()
    {
        // The status bar's total is kept by the difference of each change, and always
        // agrees with the amounts the grid shows, whatever changed them.
        QFETCH(QStringList, steps);
        QFETCH(QString, total);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        f.CargaMutualesFecha();
        for (const QString& step : steps) {
            const QString what = step.section(QLatin1Char(' '), 0, 0);
            const QString arg = step.section(QLatin1Char(' '), 1, 1);
            const QString text = step.section(QLatin1Char(' '), 2);
            if (what == QLatin1String("set"))
                g->SetTextMatrix(arg.toInt(), 4, text);
            else if (what == QLatin1String("add"))
                g->AddItem(QStringLiteral("\t\t\t\t") + arg, 2);
            else if (what == QLatin1String("remove"))
                g->RemoveItem(arg.toInt());
            else if (what == QLatin1String("rows"))
                g->SetRows(arg.toInt());
            else if (what == QLatin1String("nuevo"))
                f.UtilKor1_click(QStringLiteral("NUEVO"));
            else if (what == QLatin1String("load")) {
                f.txtFields[0]->setText(arg);
                f.CargaMutualesFecha();
            }
        }
        f.MSFlexGrid1_RowColChange();
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: ") + total);
    }
};

TESTSUPPORT_MAIN(TstReceptionLoad)
#include "tst_reception_load.moc"
