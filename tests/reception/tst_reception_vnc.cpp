// The reception form on Qt's VNC platform, the screen scripts/run gives it when there is
// no display (1280 × 800): the window lies inside the screen, and its labels, the date
// box, the grid's first heading and the Grabar button show their texts whole, as on a
// desktop. CTest runs this test on that platform (a VNC server on a free port, no client).
#include "ReceptionFixture.h"
#include "platform/ui/InterfaceFont.h"
#include "platform/ui/Metrics.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using receptiontest::ReceptionFixture;

namespace {

// A line edit's text runs between its frame and two pixels of margin on either side.
constexpr int kLineEditMargins = 8;

} // namespace

class TstReceptionVnc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("vnc"));
        ui::UseDesktopFontSize();   // as the program's entry does
    }

    void theFormFitsTheScreenAndShowsItsTextsWhole()
    {
        ReceptionFixture fx;
        testsupport::ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        const QRect screen = f.screen()->availableGeometry();
        QVERIFY2(screen.contains(f.frameGeometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 on a screen of %5x%6")
                                .arg(f.frameGeometry().x()).arg(f.frameGeometry().y())
                                .arg(f.frameGeometry().width()).arg(f.frameGeometry().height())
                                .arg(screen.width()).arg(screen.height())));

        QList<QLabel*> labels = f.Label1;
        labels << f.Label2 << f.lblTotal << f.LblDetalle;
        for (QLabel* label : labels)
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));

        CajaTexto* fecha = f.txtFields[0];
        QVERIFY2(fecha->fontMetrics().horizontalAdvance(fecha->text()) + kLineEditMargins <= fecha->width(),
                 qPrintable(fecha->text()));
        QVERIFY(ui::CellTextWidth(*f.MSFlexGrid1, f.MSFlexGrid1->TextMatrix(0, 0)) <= f.MSFlexGrid1->ColWidth(0));
        QVERIFY(f.cmdGrabar->fontMetrics().horizontalAdvance(f.cmdGrabar->text()) <= f.cmdGrabar->width());
        // the header's boxes and labels lie inside its frame
        for (QWidget* w : f.frmEncabezado->findChildren<QWidget*>())
            if (w->isVisible() && w->parentWidget() == f.frmEncabezado)
                QVERIFY2(f.frmEncabezado->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
};

TESTSUPPORT_MAIN(TstReceptionVnc)
#include "tst_reception_vnc.moc"
