// TotalizadorControl: the control-totals grid of the visible tabs, with article subtotals.
#include "frame/StatementBuilder.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/SSTab.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"

#include <QTest>

using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

constexpr long kTab = 12648447;
constexpr long kGroup = 12640511;
constexpr long kClosing = 16711680;

// One expected line: its three texts and its colour.
struct Line {
    QString caption;
    QString count;
    QString total;
    long color;
    bool operator==(const Line&) const = default;
};

QList<Line> lines(ui::FlexGrid& g)
{
    QList<Line> out;
    for (int row = 1; row < g.Rows(); ++row) {
        long color = 0;
        for (int col = 0; col < g.Cols(); ++col) {
            g.SetRow(row);
            g.SetCol(col);
            // Every cell of a line has the same colour.
            if (col > 0 && g.CellBackColor() != color)
                return {};
            color = g.CellBackColor();
        }
        out << Line{g.TextMatrix(row, 0), g.TextMatrix(row, 1), g.TextMatrix(row, 2), color};
    }
    return out;
}

// Article rows: code, quantity, group column value.
struct Article {
    QString code;
    QString quantity;
    QString group;
};

void addArticles(ui::FlexGrid& g, int groupCol, const QList<Article>& rows)
{
    g.SetRows(int(rows.size()) + 1);
    for (int i = 0; i < rows.size(); ++i) {
        g.SetTextMatrix(i + 1, ColArticulo::IdArticulo, rows[i].code);
        g.SetTextMatrix(i + 1, ColArticulo::Cantidad, rows[i].quantity);
        g.SetTextMatrix(i + 1, groupCol, rows[i].group);
    }
}

const QStringList kRubros{
    QStringLiteral("INSERT INTO V_ta_Rubros (IdRubro, Descripcion) VALUES ('01', 'Limpieza'), ('02', 'Ferretería')"),
};

void showOnly(VoucherHostForm& f, std::initializer_list<int> tabs)
{
    for (int i = 0; i < 3; ++i)
        f.SSTab1->SetTabVisible(i, std::find(tabs.begin(), tabs.end(), i) != tabs.end());
}

} // namespace

Q_DECLARE_METATYPE(Line)

class TstControlTotals : public QObject {
    Q_OBJECT

    void run(VoucherHostForm& f, bool porRubro, bool porTipo)
    {
        f.Cptes().TotalizadorControl(f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, f.MSFlexGrid4, f.SSTab1, porRubro, porTipo);
    }

private slots:
    void noVisibleTab()
    {
        VoucherFixture db;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        showOnly(f, {});
        run(f, false, false);
        QCOMPARE(lines(*f.MSFlexGrid4), (QList<Line>{{"", "", "", kClosing}}));
        QCOMPARE(f.MSFlexGrid4->TextMatrix(0, 0), QStringLiteral("Descripcion"));
    }

    void articleGroups_data()
    {
        QTest::addColumn<bool>("porRubro");
        QTest::addColumn<bool>("porTipo");
        QTest::addColumn<int>("groupCol");
        QTest::addColumn<QList<Article>>("rows");
        QTest::addColumn<QList<Line>>("expected");

        // The empty key's line comes first, also when no row fell into it: "-", the
        // description of an empty key (none) and no total.
        const QList<Article> byRubro{{"A1", "2", "01"}, {"A2", "3", "01"}, {"A3", "4", " 02 "}};
        QTest::newRow("2, 3 and 4 by rubro") << true << false << int(ColArticulo::RubroArticulo) << byRubro
                                  << QList<Line>{{"Artículos", "3", "9", kTab},
                                                 {"-", "", "", kGroup},
                                                 {"01-Limpieza", "", "5", kGroup},
                                                 {"02-Ferretería", "", "4", kGroup},
                                                 {"", "", "", kClosing}};
        QTest::newRow("rubro wins over type") << true << true << int(ColArticulo::RubroArticulo) << byRubro
                                              << QList<Line>{{"Artículos", "3", "9", kTab},
                                                             {"-", "", "", kGroup},
                                                             {"01-Limpieza", "", "5", kGroup},
                                                             {"02-Ferretería", "", "4", kGroup},
                                                             {"", "", "", kClosing}};

        // A row without a rubro falls into the empty key's bucket, listed first.
        QTest::newRow("an empty rubro") << true << false << int(ColArticulo::RubroArticulo)
                                        << QList<Article>{{"A1", "2", "01"}, {"A2", "1.5", ""}, {"A3", "2.25", "  "}}
                                        << QList<Line>{{"Artículos", "3", "5.75", kTab},
                                                       {"-", "", "3.75", kGroup},
                                                       {"01-Limpieza", "", "2", kGroup},
                                                       {"", "", "", kClosing}};
        QTest::newRow("a rubro without a description")
            << true << false << int(ColArticulo::RubroArticulo) << QList<Article>{{"A1", "2", "09"}}
            << QList<Line>{{"Artículos", "1", "2", kTab}, {"-", "", "", kGroup}, {"09-", "", "2", kGroup}, {"", "", "", kClosing}};
        QTest::newRow("by article type") << false << true << int(ColArticulo::TipoArticulo)
                                         << QList<Article>{{"A1", "1", "VL"}, {"A2", "2", "BR"}, {"A3", "3", "vl"}}
                                         << QList<Line>{{"Artículos", "3", "6", kTab},
                                                        {"-", "", "", kGroup},
                                                        {"VL-Venta libre", "", "4", kGroup},
                                                        {"BR-Venta bajo receta", "", "2", kGroup},
                                                        {"", "", "", kClosing}};
        // Without a grouping the article code is the key and the caption ("-" the empty key's).
        QTest::newRow("by article") << false << false << int(ColArticulo::IdArticulo)
                                    << QList<Article>{{"ab", "1", "ab"}, {"CD", "2", "CD"}, {"AB", "3", "AB"}}
                                    << QList<Line>{{"Artículos", "3", "6", kTab},
                                                   {"-", "", "", kGroup},
                                                   {"ab", "", "4", kGroup},
                                                   {"CD", "", "2", kGroup},
                                                   {"", "", "", kClosing}};
        // Blank codes do not count: no row counted, no group lines.
        QTest::newRow("no article row") << true << false << int(ColArticulo::RubroArticulo)
                                        << QList<Article>{{"  ", "4", "01"}, {"", "1", ""}}
                                        << QList<Line>{{"Artículos", "0", "0", kTab}, {"", "", "", kClosing}};
    }
    void articleGroups()
    {
        QFETCH(bool, porRubro);
        QFETCH(bool, porTipo);
        QFETCH(int, groupCol);
        QFETCH(QList<Article>, rows);
        QFETCH(QList<Line>, expected);
        VoucherFixture db(kRubros);
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        showOnly(f, {1});
        addArticles(*f.MSFlexGrid2, groupCol, rows);
        run(f, porRubro, porTipo);
        QCOMPARE(lines(*f.MSFlexGrid4), expected);
    }

    void taskHours_data()
    {
        QTest::addColumn<QStringList>("durations");
        QTest::addColumn<QString>("total");
        QTest::newRow("1:45 and 0:30") << QStringList{"1:45", "0:30"} << "2:15";
        QTest::newRow("hours without a colon") << QStringList{"2"} << "2:0";
        QTest::newRow("65 minutes") << QStringList{"0:65"} << "1:5";
        QTest::newRow("decimal hours") << QStringList{"1.5", "0:15"} << "1:45";
        QTest::newRow("empty durations") << QStringList{"", ""} << "0:0";
    }
    void taskHours()
    {
        QFETCH(QStringList, durations);
        QFETCH(QString, total);
        VoucherFixture db;
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("OT"));
        showOnly(f, {0});
        f.MSFlexGrid1->SetRows(int(durations.size()) + 2);
        for (int i = 0; i < durations.size(); ++i) {
            f.MSFlexGrid1->SetTextMatrix(i + 1, ColTarea::IdTarea, QStringLiteral("T%1").arg(i));
            f.MSFlexGrid1->SetTextMatrix(i + 1, ColTarea::Cantidad, durations[i]);
        }
        // A row without a code does not count, whatever its hours.
        f.MSFlexGrid1->SetTextMatrix(int(durations.size()) + 1, ColTarea::Cantidad, QStringLiteral("7"));
        run(f, false, false);
        QCOMPARE(lines(*f.MSFlexGrid4),
                 (QList<Line>{{"Tareas", QString::number(durations.size()), total, kTab}, {"", "", "", kClosing}}));
    }

    void everyTabInOrderAndRebuiltEachTime()
    {
        VoucherFixture db(kRubros);
        testsupport::RegionalPin regional;
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        f.MSFlexGrid1->SetTextMatrix(1, ColTarea::IdTarea, QStringLiteral("T1"));
        f.MSFlexGrid1->SetTextMatrix(1, ColTarea::Cantidad, QStringLiteral("1:30"));
        addArticles(*f.MSFlexGrid2, ColArticulo::RubroArticulo, {{"A1", "2", "01"}});
        f.MSFlexGrid3->SetRows(3);
        f.MSFlexGrid3->SetTextMatrix(1, ColOtroConcepto::Detalle, QStringLiteral("Flete"));
        f.MSFlexGrid3->SetTextMatrix(2, ColOtroConcepto::Detalle, QStringLiteral("Seguro"));
        run(f, true, false);
        QCOMPARE(lines(*f.MSFlexGrid4), (QList<Line>{{"Tareas", "1", "1:30", kTab},
                                                     {"Artículos", "1", "2", kTab},
                                                     {"-", "", "", kGroup},
                                                     {"01-Limpieza", "", "2", kGroup},
                                                     {"Otros Conceptos", "2", "", kTab},
                                                     {"", "", "", kClosing}}));
        QCOMPARE(gVecTotales.size(), 2);

        // Again with only the other concepts: nothing of the first call is left.
        showOnly(f, {2});
        run(f, true, false);
        QCOMPARE(lines(*f.MSFlexGrid4), (QList<Line>{{"Otros Conceptos", "2", "", kTab}, {"", "", "", kClosing}}));
    }
};

TESTSUPPORT_MAIN(TstControlTotals)
#include "tst_control_totals.moc"
