// VB colours (&HBBGGRR) and twips, as forms and grids hand them to Qt.
#include "platform/ui/Metrics.h"
#include "tests/support/TestMain.h"

#include <QPalette>

using namespace ui;

class tst_Metrics : public QObject {
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void systemColours();
    void twips_data();
    void twips();
    void twipsFollowTheScreen();
};

void tst_Metrics::colours_data()
{
    QTest::addColumn<qlonglong>("vb");
    QTest::addColumn<QColor>("color");
    QTest::newRow("vbBlack") << 0x000000LL << QColor(0, 0, 0);
    QTest::newRow("vbRed") << 0x0000FFLL << QColor(255, 0, 0);
    QTest::newRow("vbGreen") << 0x00FF00LL << QColor(0, 255, 0);
    QTest::newRow("vbBlue") << 0xFF0000LL << QColor(0, 0, 255);
    QTest::newRow("vbWhite") << 0xFFFFFFLL << QColor(255, 255, 255);
    QTest::newRow("&HC0FFFF light yellow") << 0xC0FFFFLL << QColor(255, 255, 192);
    QTest::newRow("&H80FF80 light green") << 0x80FF80LL << QColor(128, 255, 128);
    QTest::newRow("&H123456") << 0x123456LL << QColor(0x56, 0x34, 0x12);
}

void tst_Metrics::colours()
{
    QFETCH(qlonglong, vb);
    QFETCH(QColor, color);
    QCOMPARE(FromVbColor(long(vb)), color);
    QCOMPARE(qlonglong(ToVbColor(color)), vb);
}

void tst_Metrics::systemColours()
{
    // &H8000000F (vbButtonFace) and &H80000005 (vbWindowBackground), also as the
    // negative Long VB stores them: the workstation's palette, not a dark red.
    const QPalette p = QGuiApplication::palette();
    QCOMPARE(FromVbColor(0x8000000FL), p.color(QPalette::Button));
    QCOMPARE(FromVbColor(-2147483633L), p.color(QPalette::Button));
    QCOMPARE(FromVbColor(0x80000005L), p.color(QPalette::Base));
    QCOMPARE(FromVbColor(0x80000008L), p.color(QPalette::Text));
}

void tst_Metrics::twips_data()
{
    QTest::addColumn<int>("twipsPerPixel");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("backToTwips");

    QTest::newRow("inch at 96 DPI") << 15 << 1440 << 96 << 1440;
    QTest::newRow("one pixel") << 15 << 15 << 1 << 15;
    QTest::newRow("column 1200") << 15 << 1200 << 80 << 1200;
    QTest::newRow("7 rounds down") << 15 << 7 << 0 << 0;
    QTest::newRow("8 rounds up") << 15 << 8 << 1 << 15;
    QTest::newRow("zero") << 15 << 0 << 0 << 0;
    QTest::newRow("inch at 120 DPI") << 12 << 1440 << 120 << 1440;
    QTest::newRow("negative") << 15 << -300 << -20 << -300;
}

void tst_Metrics::twips()
{
    QFETCH(int, twipsPerPixel);
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QFETCH(int, backToTwips);

    SetTwipsPerPixel(twipsPerPixel);
    QCOMPARE(TwipsPerPixel(), twipsPerPixel);
    QCOMPARE(TwipsToPixels(twips), pixels);
    QCOMPARE(PixelsToTwips(pixels), backToTwips);
    SetTwipsPerPixel(0);
}

void tst_Metrics::twipsFollowTheScreen()
{
    SetTwipsPerPixel(0);
    // The offscreen screen has 96 logical DPI: 15 twips to the pixel.
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    QCOMPARE(TwipsPerPixel(), 15);
}

TESTSUPPORT_MAIN(tst_Metrics)
#include "tst_Metrics.moc"
