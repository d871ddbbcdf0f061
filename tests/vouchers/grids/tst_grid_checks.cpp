// Row and column painting, presence and duplicate checks, and fractional numbers.
#include "platform/ui/FlexGrid.h"
#include "platform/vb/VbError.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>
#include <functional>

namespace {

constexpr long kColor = 0xC0FFFF;

// A grid of `codes.size() + 1` rows (the header first) and three columns.
void fill(ui::FlexGrid& g, const QStringList& codes)
{
    g.SetRows(int(codes.size()) + 1);
    g.SetCols(3);
    g.SetTextMatrix(0, 0, QStringLiteral("Código"));
    for (int i = 0; i < codes.size(); ++i)
        g.SetTextMatrix(i + 1, 0, codes[i]);
}

long colorAt(ui::FlexGrid& g, int row, int col)
{
    const int r = g.Row(), c = g.Col();
    g.SetRow(row);
    g.SetCol(col);
    const long color = g.CellBackColor();
    g.SetRow(r);
    g.SetCol(c);
    return color;
}

using DuplicateCheck = std::function<bool(ClsCmnCptes&, ui::FlexGrid*, const QString&, qint32, qint32&)>;

} // namespace

Q_DECLARE_METATYPE(DuplicateCheck)
Q_DECLARE_METATYPE(vb::Variant)

class TstGridChecks : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void paintRowKeepsTheColumn()
    {
        ClsCmnCptes c;
        ui::FlexGrid g;
        fill(g, {QStringLiteral("A1"), QStringLiteral("B2")});
        g.SetRow(1);
        g.SetCol(2);
        c.PintarFila(2, &g, kColor);
        for (int col = 0; col < 3; ++col) {
            QCOMPARE(colorAt(g, 2, col), kColor);
            QCOMPARE(colorAt(g, 1, col), 0L);
        }
        QCOMPARE(g.Col(), 2);
        QCOMPARE(g.Row(), 2);
    }

    void paintColumn_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("painted");
        QTest::newRow("whole column, header included") << -1 << -1 << QList<int>{0, 1, 2, 3};
        QTest::newRow("two rows") << 2 << 3 << QList<int>{2, 3};
        QTest::newRow("start after end") << 2 << 1 << QList<int>{};
        QTest::newRow("from row 1 to the last") << 1 << -1 << QList<int>{1, 2, 3};
    }
    void paintColumn()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, painted);
        ClsCmnCptes c;
        ui::FlexGrid g;
        fill(g, {QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3")});
        g.SetRow(2);
        g.SetCol(2);
        c.PintarColuma(1, &g, from, to, kColor);
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(colorAt(g, row, 1), painted.contains(row) ? kColor : 0L);
            QCOMPARE(colorAt(g, row, 2), 0L);
        }
        QCOMPARE(g.Row(), 2);
        QCOMPARE(g.Col(), painted.isEmpty() ? 2 : 1);
    }

    void paintColumnPassesOverErrors()
    {
        ClsCmnCptes c;
        ui::FlexGrid g;
        fill(g, {QStringLiteral("A1")});
        c.PintarColuma(7, &g, -1, -1, kColor);   // no such column
        c.PintarColuma(0, nullptr, -1, -1, kColor);
        c.PintarColuma(0, &g, 0, 9, kColor);     // rows past the end are skipped
        QCOMPARE(colorAt(g, 1, 0), kColor);
    }

    void paintRowOfAnAbsentGridRaises()
    {
        ClsCmnCptes c;
        QVERIFY_THROWS_EXCEPTION(vb::VbError, c.PintarFila(1, nullptr, kColor));
    }

    void existsInGrid_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("expected");
        QTest::newRow("a code") << "B2" << true;
        QTest::newRow("case and blanks") << " b2  " << true;
        QTest::newRow("the header") << "código" << true;
        QTest::newRow("missing") << "Z9" << false;
        QTest::newRow("an empty code meets the empty row") << "" << true;
    }
    void existsInGrid()
    {
        QFETCH(QString, code);
        QFETCH(bool, expected);
        ClsCmnCptes c;
        ui::FlexGrid g;
        fill(g, {QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("  ")});
        QCOMPARE(c.ExisteEnGrid(&g, code), expected);
    }

    void existsInALongGrid()
    {
        // Past the 16-bit row range.
        ClsCmnCptes c;
        ui::FlexGrid g;
        g.SetCols(2);
        g.SetRows(40001);
        g.SetTextMatrix(40000, 0, QStringLiteral("ULTIMO"));
        QVERIFY(c.ExisteEnGrid(&g, QStringLiteral("ultimo")));
        qint32 found = 0;
        QVERIFY(c.ArticuloRepetido(&g, QStringLiteral("ULTIMO"), 0, found));
        QCOMPARE(found, 40000);
    }

    void duplicates_data()
    {
        QTest::addColumn<DuplicateCheck>("check");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("ignore");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<int>("found");   // 77: left as it was

        const QList<QPair<const char*, DuplicateCheck>> checks{
            {"task", [](ClsCmnCptes& c, ui::FlexGrid* g, const QString& k, qint32 i, qint32& f) { return c.TareaRepetida(g, k, i, f); }},
            {"article", [](ClsCmnCptes& c, ui::FlexGrid* g, const QString& k, qint32 i, qint32& f) { return c.ArticuloRepetido(g, k, i, f); }},
            {"concept", [](ClsCmnCptes& c, ui::FlexGrid* g, const QString& k, qint32 i, qint32& f) {
                 return c.OtrosConceptosRepetidos(g, k, i, f);
             }},
        };
        // Rows: 1 B2, 2 blank, 3 A1, 4 X, 5 "a1 ".
        for (const auto& [name, check] : checks) {
            QTest::addRow("%s: skips the edited row", name) << check << " a1 " << 3 << true << 5;
            QTest::addRow("%s: first match wins", name) << check << " a1 " << 0 << true << 3;
            QTest::addRow("%s: -1 skips nothing", name) << check << "A1" << -1 << true << 3;
            QTest::addRow("%s: no match", name) << check << "Z9" << 0 << false << 77;
            QTest::addRow("%s: the only match is the edited row", name) << check << "b2" << 1 << false << 77;
            QTest::addRow("%s: the header is not searched", name) << check << "Código" << 0 << false << 77;
            QTest::addRow("%s: an empty key meets a blank code", name) << check << "" << 0 << true << 2;
            QTest::addRow("%s: the blank code being edited", name) << check << " " << 2 << false << 77;
        }
    }
    void duplicates()
    {
        QFETCH(DuplicateCheck, check);
        QFETCH(QString, key);
        QFETCH(int, ignore);
        QFETCH(bool, expected);
        QFETCH(int, found);
        ClsCmnCptes c;
        ui::FlexGrid g;
        fill(g, {QStringLiteral("B2"), QStringLiteral("  "), QStringLiteral("A1"), QStringLiteral("X"), QStringLiteral("a1 ")});
        qint32 encontrada = 77;
        QCOMPARE(check(c, &g, key, ignore, encontrada), expected);
        QCOMPARE(encontrada, found);
    }

    void fraction_data()
    {
        QTest::addColumn<vb::Variant>("number");
        QTest::addColumn<bool>("expected");
        QTest::newRow("2.5") << vb::Variant(2.5) << true;
        QTest::newRow("3") << vb::Variant(3) << false;
        QTest::newRow("2.0") << vb::Variant(2.0) << false;
        QTest::newRow("-1.25") << vb::Variant(-1.25) << true;
        QTest::newRow("text 0.75") << vb::Variant(QStringLiteral("0.75")) << true;
        QTest::newRow("text 12") << vb::Variant(QStringLiteral("12")) << false;
        QTest::newRow("money 4.0001") << vb::Variant(vb::Currency::fromRaw(40001)) << true;
        // Beyond 16 bits: an answer, not an overflow.
        QTest::newRow("40000") << vb::Variant(40000) << false;
        QTest::newRow("100000.5") << vb::Variant(100000.5) << true;
        QTest::newRow("1E+15") << vb::Variant(1e15) << false;
    }
    void fraction()
    {
        QFETCH(vb::Variant, number);
        QFETCH(bool, expected);
        testsupport::RegionalPin regional;
        QCOMPARE(ClsCmnCptes().NumeroEsFraccion(number), expected);
    }
};

TESTSUPPORT_MAIN(TstGridChecks)
#include "tst_grid_checks.moc"
