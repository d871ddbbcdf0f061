// ListView and ImageList: the members forms call, VB's numbering and errors, sorting
// by text, date and number, selection, check boxes and the list's events.
#include "platform/ui/ImageList.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Regional.h"
#include "platform/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <functional>

using namespace ui;

namespace {

// A list of three columns and the rows given, one "text|sub1|sub2" each.
void fill(ListView& list, const QStringList& rows)
{
    list.ColumnHeaders().Add(QStringLiteral("Uno"), 1500);
    list.ColumnHeaders().Add(QStringLiteral("Dos"), 1500);
    list.ColumnHeaders().Add(QStringLiteral("Tres"), 1500);
    for (const QString& r : rows) {
        const QStringList cells = r.split(QLatin1Char('|'));
        ListItem item = list.ListItems().Add(cells.value(0));
        for (int k = 1; k < cells.size(); ++k)
            item.SetSubItems(k, cells[k]);
    }
}

// Column k of the rows in the list's order, as the list shows them.
QStringList shown(ListView& list, int k)
{
    list.sync();
    QStringList out;
    for (int r = 0; r < list.model().rowCount(); ++r)
        out << list.model().index(r, k).data().toString();
    return out;
}

QPixmap square(const QColor& colour, int size)
{
    QPixmap p(size, size);
    p.fill(colour);
    return p;
}

} // namespace

class TstListView : public QObject {
    Q_OBJECT

private slots:
    void init() { SetTwipsPerPixel(15); }
    void cleanup() { SetTwipsPerPixel(0); }

    void subItemsRaise380PastTheLastColumn_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("error");
        QTest::newRow("first sub-item") << 1 << 0;
        QTest::newRow("last sub-item") << 2 << 0;
        QTest::newRow("one past the columns") << 3 << 380;
        QTest::newRow("zero") << 0 << 380;
        QTest::newRow("negative") << -1 << 380;
    }
    void subItemsRaise380PastTheLastColumn()
    {
        QFETCH(int, k);
        QFETCH(int, error);
        ListView list;
        fill(list, {QStringLiteral("a")});
        ListItem item = list.ListItems().Item(1);
        QCOMPARE(testsupport::ErrorOf([&] { item.SetSubItems(k, QStringLiteral("x")); }), error);
        QCOMPARE(testsupport::ErrorOf([&] { item.SubItems(k); }), error);
        if (error == 0)
            QCOMPARE(item.SubItems(k), QStringLiteral("x"));
    }

    void columnsCountFromOneWithWidthsInTwips()
    {
        ListView list;
        list.ColumnHeaders().Add(QStringLiteral("FECHA"), 3000);
        ColumnHeader second = list.ColumnHeaders().Add(QStringLiteral("COMPROBANTE"));
        QCOMPARE(list.ColumnHeaders().Count(), 2);
        QCOMPARE(list.ColumnHeaders(1).Text(), QStringLiteral("FECHA"));
        QCOMPARE(list.ColumnHeaders(1).Width(), 3000);
        QCOMPARE(list.header()->sectionSize(0), 200);
        QCOMPARE(second.Index(), 2);
        QCOMPARE(second.Width(), 1440);
        second.SetWidth(750);
        QCOMPARE(list.header()->sectionSize(1), 50);
        second.SetTag(QStringLiteral("Moneda"));
        QCOMPARE(list.ColumnHeaders(2).Tag(), QStringLiteral("Moneda"));
        QCOMPARE(testsupport::ErrorOf([&] { list.ColumnHeaders(3); }), 35600);
        QCOMPARE(testsupport::ErrorOf([&] { list.ColumnHeaders(0); }), 35600);
        list.ColumnHeaders().Clear();
        QCOMPARE(list.ColumnHeaders().Count(), 0);
        QCOMPARE(testsupport::ErrorOf([&] { second.Text(); }), 91);
    }

    void itemsCountFromOneAndTheFirstIsSelected()
    {
        ListView list;
        QVERIFY(list.SelectedItem().isNothing());
        fill(list, {QStringLiteral("a|1"), QStringLiteral("b|2"), QStringLiteral("c|3")});
        QCOMPARE(list.ListItems().Count(), 3);
        QCOMPARE(list.ListItems(2).Text(), QStringLiteral("b"));
        QCOMPARE(list.ListItems(2).SubItems(1), QStringLiteral("2"));
        QCOMPARE(list.ListItems(3).Index(), 3);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("a"));
        QCOMPARE(testsupport::ErrorOf([&] { list.ListItems(4); }), 35600);
        QCOMPARE(testsupport::ErrorOf([&] { list.ListItems(0); }), 35600);

        list.ListItems(3).SetSelected(true);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("c"));
        QVERIFY(!list.ListItems(1).Selected());
        list.ListItems(3).SetSelected(false);
        QVERIFY(list.SelectedItem().isNothing());
    }

    void aClearedListForgetsItsItems()
    {
        ListView list;
        fill(list, {QStringLiteral("a"), QStringLiteral("b")});
        ListItem old = list.ListItems(1);
        list.ListItems().Clear();
        QCOMPARE(list.ListItems().Count(), 0);
        QVERIFY(list.SelectedItem().isNothing());
        QCOMPARE(testsupport::ErrorOf([&] { old.Text(); }), 91);
        // The first row of the new fill is chosen again.
        list.ListItems().Add(QStringLiteral("z"));
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("z"));
        QCOMPARE(testsupport::ErrorOf([&] { old.Text(); }), 91);
    }

    void sortsByTheSortKeyColumn_data()
    {
        QTest::addColumn<int>("sortAs");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("expected");
        const int text = int(SortAs::Text), date = int(SortAs::Date), number = int(SortAs::Number);
        QTest::newRow("text ignores case") << text << int(lvwAscending)
                                           << QStringList{"beta", "Alfa", "gamma", "ALFA"}
                                           << QStringList{"Alfa", "ALFA", "beta", "gamma"};
        QTest::newRow("text descending keeps equal rows in order")
            << text << int(lvwDescending) << QStringList{"b", "a", "B", "c"} << QStringList{"c", "b", "B", "a"};
        QTest::newRow("text by letters, not accents last")
            << text << int(lvwAscending) << QStringList{"Ortiz", "Álvarez", "Zapata"}
            << QStringList{"Álvarez", "Ortiz", "Zapata"};
        QTest::newRow("dates by day, month and year")
            << date << int(lvwAscending) << QStringList{"02/01/27", "15/12/26", "", "01/12/2026 10:20:00", "01/12/2026 09:05:00"}
            << QStringList{"", "01/12/2026 09:05:00", "01/12/2026 10:20:00", "15/12/26", "02/01/27"};
        QTest::newRow("dates as text sort day first")
            << text << int(lvwAscending) << QStringList{"02/01/27", "15/12/26"} << QStringList{"02/01/27", "15/12/26"};
        QTest::newRow("amounts by value") << number << int(lvwDescending)
                                          << QStringList{"999.75", "1234.5", "-20", "", "62840"}
                                          << QStringList{"62840", "1234.5", "999.75", "-20", ""};
        QTest::newRow("amounts as text") << text << int(lvwAscending) << QStringList{"999.75", "1234.5"}
                                         << QStringList{"1234.5", "999.75"};
    }
    void sortsByTheSortKeyColumn()
    {
        QFETCH(int, sortAs);
        QFETCH(int, order);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, expected);
        testsupport::RegionalPin regional;
        ListView list;
        QStringList rows;
        for (const QString& c : cells)
            rows << QStringLiteral("x|") + c;
        fill(list, rows);
        list.ColumnHeaders(2).setSortAs(SortAs(sortAs));
        list.SetSortKey(1);
        list.SetSortOrder(order);
        list.SetSorted(true);
        QCOMPARE(shown(list, 1), expected);
        // The items' texts are not touched.
        QStringList texts;
        for (int i = 1; i <= list.ListItems().Count(); ++i)
            texts << list.ListItems(i).SubItems(1);
        QCOMPARE(texts, expected);
    }

    void aSortedListPutsNewRowsInPlaceAndKeepsTheChoice()
    {
        ListView list;
        fill(list, {QStringLiteral("m"), QStringLiteral("c"), QStringLiteral("x")});
        ListItem x = list.ListItems(3);
        x.SetSelected(true);
        list.SetSortKey(0);
        list.SetSorted(true);
        QCOMPARE(shown(list, 0), (QStringList{"c", "m", "x"}));
        QCOMPARE(x.Index(), 3);
        list.ListItems().Add(QStringLiteral("a"));
        QCOMPARE(shown(list, 0), (QStringList{"a", "c", "m", "x"}));
        QCOMPARE(x.Index(), 4);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("x"));
        QCOMPARE(list.ListItems(1).Text(), QStringLiteral("a"));
        // Switching sorting off leaves the rows where they are.
        list.SetSorted(false);
        list.ListItems().Add(QStringLiteral("b"));
        QCOMPARE(shown(list, 0), (QStringList{"a", "c", "m", "x", "b"}));
    }

    void checkBoxesTickByCodeAndBySpace()
    {
        ListView list;
        fill(list, {QStringLiteral("a"), QStringLiteral("b")});
        list.SetCheckboxes(true);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.ListItems(1).SetChecked(true);
        QCOMPARE(list.model().index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        list.ListItems(2).SetSelected(true);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Space);
        QVERIFY(list.ListItems(2).Checked());
        QTest::keyClick(&list, Qt::Key_Space);
        QVERIFY(!list.ListItems(2).Checked());
        QVERIFY(list.ListItems(1).Checked());
        list.SetCheckboxes(false);
        QVERIFY(!list.model().index(0, 0).data(Qt::CheckStateRole).isValid());
    }

    void multiSelectKeepsSeveralRows()
    {
        ListView list;
        fill(list, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list.ListItems(2).SetSelected(true);
        list.ListItems(3).SetSelected(true);
        QVERIFY(!list.ListItems(2).Selected());
        list.SetMultiSelect(true);
        list.ListItems(2).SetSelected(true);
        QVERIFY(list.ListItems(2).Selected());
        QVERIFY(list.ListItems(3).Selected());
    }

    void eventsCarryVbValues()
    {
        ListView list;
        fill(list, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setFocus();

        int clicked = 0;
        QObject::connect(&list, &ListView::ColumnClick, [&](const ColumnHeader& h) { clicked = h.Index(); });
        QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {},
                          QPoint(list.header()->sectionViewportPosition(1) + 5, list.header()->height() / 2));
        QCOMPARE(clicked, 2);

        QSignalSpy dbl(&list, &ListView::DblClick);
        const QRect second = list.visualRect(list.model().index(1, 1));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("b"));
        // Below the last row there is nothing to choose.
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 3));
        QCOMPARE(dbl.count(), 1);

        QList<int> codes;
        bool swallow = false;
        QObject::connect(&list, &ListView::KeyDown, [&](int& code, int) {
            codes << code;
            if (swallow)
                code = 0;
        });
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("c"));
        swallow = true;
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.SelectedItem().Text(), QStringLiteral("c"));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(codes, (QList<int>{vbKeyDown, vbKeyUp, vbKeyReturn}));
    }

    // The header's arrow points up for an ascending order, as a Windows list shows it.
    void sortArrowPointsUpForAscending_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("up");
        QTest::newRow("ascending") << int(lvwAscending) << true;
        QTest::newRow("descending") << int(lvwDescending) << false;
    }
    void sortArrowPointsUpForAscending()
    {
        QFETCH(int, order);
        QFETCH(bool, up);
        ListView list;
        fill(list, {QStringLiteral("b"), QStringLiteral("a")});
        list.resize(400, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.SetSortKey(0);
        list.SetSortOrder(order);
        list.SetSorted(true);
        list.sync();
        QHeaderView* header = list.header();
        const QImage shot = header->grab().toImage();
        // The arrow stands at the right of the section, clear of "Uno": each line of it
        // is told from the header's shading on that line.
        const int right = header->sectionViewportPosition(0) + header->sectionSize(0) - 2;
        const int left = right - 24;
        QList<int> widths;
        for (int y = 0; y < shot.height(); ++y) {
            const QColor back = shot.pixelColor(left, y);
            int ink = 0;
            for (int x = left + 1; x <= right; ++x) {
                const QColor c = shot.pixelColor(x, y);
                ink += qAbs(c.red() - back.red()) + qAbs(c.green() - back.green()) + qAbs(c.blue() - back.blue()) > 90;
            }
            if (ink > 0)
                widths << ink;
        }
        QVERIFY2(widths.size() >= 2, "no arrow drawn");
        QCOMPARE(widths.first() < widths.last(), up);
    }

    void aCutTextShowsWhole()
    {
        ListView list;
        list.ColumnHeaders().Add(QStringLiteral("Nombre"), 600);
        list.ColumnHeaders().Add(QStringLiteral("Otro"), 3000);
        list.ListItems().Add(QStringLiteral("Asociación Mutual de Empleados Públicos")).SetSubItems(1, QStringLiteral("x"));
        list.resize(400, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.sync();
        auto tipAt = [&](int column) {
            const QRect cell = list.visualRect(list.model().index(0, column));
            QHelpEvent help(QEvent::ToolTip, cell.center(), list.viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(list.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(1), QString());   // the whole text shows: no tip
        QCOMPARE(tipAt(0), QStringLiteral("Asociación Mutual de Empleados Públicos"));
    }

    void rowsShowTheirSmallIcon()
    {
        ImageList images;
        images.ListImages().Add(QStringLiteral("rojo"), square(Qt::red, 32)).SetTag(QStringLiteral("R"));
        images.ListImages().Add(QString(), square(Qt::blue, 16));
        ListView list;
        list.SetSmallIcons(&images);
        fill(list, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list.ListItems(1).SetSmallIcon(1);
        list.ListItems(2).SetSmallIcon(2);
        list.ListItems(3).SetSmallIcon(7);   // no such picture: none shown
        list.sync();
        const QIcon first = list.model().index(0, 0).data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(first.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QVERIFY(list.model().index(1, 0).data(Qt::DecorationRole).isValid());
        QVERIFY(!list.model().index(2, 0).data(Qt::DecorationRole).isValid());
        QVERIFY(!list.model().index(0, 1).data(Qt::DecorationRole).isValid());
    }

    void imageListHoldsTaggedPicturesOfOneSize()
    {
        ImageList images;
        ListImage& first = images.ListImages().Add(QStringLiteral("uno"), square(Qt::green, 48));
        first.SetTag(QStringLiteral("FC"));
        QCOMPARE(images.ListImages().Count(), 1);
        QCOMPARE(images.ListImages().Item(1).Tag(), QStringLiteral("FC"));
        QCOMPARE(images.ListImages().Item(1).Key(), QStringLiteral("uno"));
        QCOMPARE(images.ListImages().Item(1).Picture().size(), QSize(16, 16));
        QCOMPARE(testsupport::ErrorOf([&] { images.ListImages().Item(2); }), 35600);
        QCOMPARE(testsupport::ErrorOf([&] { images.SetImageWidth(32); }), 35611);
        QVERIFY(images.iconAt(0).isNull());
        QVERIFY(!images.iconAt(1).isNull());
    }
};

TESTSUPPORT_MAIN(TstListView)
#include "tst_ListView.moc"
