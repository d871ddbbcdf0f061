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
#include <QWindow>

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

    // A window's frame (its rectangle with the window manager's borders and title) on a
    // 1024x768 screen: made no larger than the free area, moved inside it, left alone
    // when it fits.
    void framesOnA1024x768Screen_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1024, 768);
        const QRect panel(0, 0, 1024, 740);   // a panel at the bottom
        QTest::newRow("fits") << screen << QRect(10, 20, 800, 600) << QRect(10, 20, 800, 600);
        QTest::newRow("the whole screen") << screen << screen << screen;
        QTest::newRow("2 px too wide, placed at the top") << screen << QRect(0, 24, 1026, 745) << QRect(0, 23, 1024, 745);
        QTest::newRow("placed 15 px past the bottom") << screen << QRect(12, 40, 1002, 743) << QRect(12, 25, 1002, 743);
        QTest::newRow("taller than the free area") << panel << QRect(0, 0, 1000, 768) << QRect(0, 0, 1000, 740);
        QTest::newRow("past the left and top") << screen << QRect(-30, -5, 400, 300) << QRect(0, 0, 400, 300);
        QTest::newRow("larger than the screen, placed anywhere")
            << screen << QRect(300, 200, 1240, 800) << QRect(0, 0, 1024, 768);
    }
    void framesOnA1024x768Screen()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QCOMPARE(ui::FitFrame(frame, area), expected);
    }

    // A fitted window that the window system moves or makes larger once it is shown (a
    // window manager placing it) is brought back inside the free area; once the operator
    // has clicked in it, where he or the window manager puts it is left alone.
    void aShownWindowIsKeptInsideUntilUsed()
    {
        const QRect area = freeArea();
        QDialog dialog;
        dialog.resize(area.width() / 2, area.height() / 2);
        ui::FitOnScreen(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint outside = area.bottomRight() - QPoint(area.width() / 4, area.height() / 4);
        dialog.windowHandle()->setFramePosition(outside);
        QTRY_VERIFY(area.contains(dialog.frameGeometry()));
        QCOMPARE(dialog.size(), QSize(area.width() / 2, area.height() / 2));
        dialog.windowHandle()->resize(area.width() + 100, area.height() / 2);
        QTRY_VERIFY(area.contains(dialog.frameGeometry()));

        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        dialog.windowHandle()->setFramePosition(outside);
        QTest::qWait(50);
        QCOMPARE(dialog.frameGeometry().topLeft(), outside);

        // shown again, it is kept inside again
        dialog.hide();
        dialog.show();
        QTRY_VERIFY(area.contains(dialog.frameGeometry()));
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
