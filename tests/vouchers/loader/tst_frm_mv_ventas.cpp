// The sales-movement form: its controls, and procedures and a serial-port event that
// change nothing.
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MSComm.h"
#include "tests/support/TestMain.h"
#include "vouchers/loader/FrmMvVentas.h"

#include <QTest>

class TstFrmMvVentas : public QObject {
    Q_OBJECT

private slots:
    void controls()
    {
        FrmMvVentas form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(form.MSFlexGrid1->objectName(), QStringLiteral("MSFlexGrid1"));
        QCOMPARE(form.MSFlexGrid3->objectName(), QStringLiteral("MSFlexGrid3"));
        QCOMPARE(form.MSComm1->objectName(), QStringLiteral("MSComm1"));
    }

    // On a form never shown, with any arguments: nothing changes and nothing is raised.
    void proceduresDoNothing()
    {
        FrmMvVentas form;
        form.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("x"));
        vb::Currency importe = vb::Currency::fromInt(150);
        QString tc = QStringLiteral("FC"), sucursal = QStringLiteral("0001"), numero = QStringLiteral("00000118"),
                letra = QStringLiteral("A");
        form.AgregoRegargo(importe);
        form.AnulacionCompleta(tc, sucursal, numero, letra);
        emit form.MSComm1->OnComm();
        QCOMPARE(importe, vb::Currency::fromInt(150));
        QCOMPARE((QStringList{tc, sucursal, numero, letra}), (QStringList{"FC", "0001", "00000118", "A"}));
        QCOMPARE(form.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("x"));
        QCOMPARE(form.MSFlexGrid1->Rows(), 2);
        QVERIFY(form.isHidden());
    }
};

TESTSUPPORT_MAIN(TstFrmMvVentas)
#include "tst_frm_mv_ventas.moc"
