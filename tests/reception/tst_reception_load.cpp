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
};

TESTSUPPORT_MAIN(TstReceptionLoad)
#include "tst_reception_load.moc"
