// Windows kept inside the screen's free area: a window too large is made smaller, one
// placed partly outside is moved in, one that fits is left alone; every form shown
// modally through the operator service is fitted first (the print preview among them).
#include "platform/ui/Operator.h"
#include "platform/ui/ScreenFit.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

namespace {

QRect freeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

} // namespace

class TstScreenFit : public QObject {
    Q_OBJECT

private slots:
    // Sizes and positions as fractions of the free area: 0 leaves the window unmoved.
    void fitsTheFreeArea_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<QSizeF>("expectedSize");
        QTest::addColumn<QPointF>("expectedPos");
        QTest::newRow("fits: left alone") << QSizeF(0.5, 0.5) << QPointF(0.1, 0.1) << QSizeF(0.5, 0.5) << QPointF(0.1, 0.1);
        QTest::newRow("too tall") << QSizeF(0.5, 1.2) << QPointF() << QSizeF(0.5, 1.0) << QPointF();
        QTest::newRow("too wide and tall") << QSizeF(1.3, 1.1) << QPointF() << QSizeF(1.0, 1.0) << QPointF();
        QTest::newRow("past the right and bottom edges")
            << QSizeF(0.5, 0.5) << QPointF(0.75, 0.75) << QSizeF(0.5, 0.5) << QPointF(0.5, 0.5);
        QTest::newRow("past the left and top edges")
            << QSizeF(0.5, 0.5) << QPointF(-0.1, -0.2) << QSizeF(0.5, 0.5) << QPointF(0.0, 0.0);
    }
    void fitsTheFreeArea()
    {
        QFETCH(QSizeF, size);
        QFETCH(QPointF, pos);
        QFETCH(QSizeF, expectedSize);
        QFETCH(QPointF, expectedPos);
        const QRect area = freeArea();
        const auto scaled = [&](QSizeF s) { return QSize(qRound(s.width() * area.width()), qRound(s.height() * area.height())); };
        const auto at = [&](QPointF p) {
            return area.topLeft() + QPoint(qRound(p.x() * area.width()), qRound(p.y() * area.height()));
        };
        QDialog dialog;
        dialog.resize(scaled(size));
        if (!pos.isNull())
            dialog.move(at(pos));
        ui::FitOnScreen(dialog);
        QCOMPARE(dialog.size(), scaled(expectedSize));
        if (!pos.isNull())
            QCOMPARE(dialog.pos(), at(expectedPos));
    }

    void modalFormsAreFittedFirst()
    {
        testsupport::ScriptedOperator op;
        QSize seen;
        op.expectForm(QStringLiteral("VistaPreviaReporte"), [&seen](QDialog& d) {
            seen = d.size();
            return int(QDialog::Accepted);
        });
        QDialog preview;
        preview.setObjectName(QStringLiteral("VistaPreviaReporte"));
        preview.resize(freeArea().width() + 200, freeArea().height() + 30);
        ui::ShowModal(preview);
        op.verifyAllUsed();
        QCOMPARE(seen, freeArea().size());
    }
};

TESTSUPPORT_MAIN(TstScreenFit)
#include "tst_ScreenFit.moc"
