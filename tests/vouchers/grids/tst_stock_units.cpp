// Article units: the stock unit, the equivalence between two units, the two quantity
// conversions and the M3, BL and KG columns of an article row, on the demo catalogue
// (ALCGEL: CAJA to UN 12; PARA500: BL to UN 100, CAJA to UN 12) and rows a test adds.
#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/VbError.h"
#include "platform/vb/Regional.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/GridColumns.h"
#include "vouchers/Stock.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

// Rows beside the demo ones: AMO500 with a direct and a reverse row between BL and UN,
// and a reverse row of 3 between CAJA and UN; IBU400 with unusable coefficients; an
// article without a stock unit.
const QStringList kExtra = {
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('AMO500', 'BL  ', 'UN  ', 10)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('AMO500', 'UN  ', 'BL  ', 5)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('AMO500', 'CAJA', 'UN  ', 3)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('IBU400', 'CAJA', 'UN  ', 0)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('IBU400', 'BL  ', 'UN  ', NULL)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('IBU400', 'KG  ', 'UN  ', 0)"),
    QStringLiteral("INSERT INTO S_TA_EQUIV VALUES ('IBU400', 'UN  ', 'KG  ', 4)"),
    QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD) VALUES ('SINUD', 'Sin unidad', NULL)"),
};

} // namespace

class TstStockUnits : public QObject {
    Q_OBJECT

private slots:
    void stockUnit_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("unit");
        QTest::newRow("stored with blanks, trimmed") << "PARA500" << "UN";
        QTest::newRow("code case ignored") << "alcgel" << "UN";
        QTest::newRow("code with trailing blanks") << "GUANTE   " << "UN";
        QTest::newRow("no unit") << "SINUD" << "";
        QTest::newRow("no such article") << "NOEXISTE" << "";
        QTest::newRow("apostrophe") << "O'NEIL" << "";
    }
    void stockUnit()
    {
        QFETCH(QString, article);
        QFETCH(QString, unit);
        VoucherFixture db(kExtra);
        ScriptedOperator op;   // no error box
        QCOMPARE(ObtieneUnidadArticulo(article), unit);
    }

    void equivalence_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("unit");       // U
        QTest::addColumn<QString>("baseIn");     // B
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("op");         // "?" when untouched
        QTest::addColumn<QString>("baseOut");
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<bool>("noBase");
        QTest::newRow("direct row") << "ALCGEL" << "UN" << "CAJA" << true << "/" << "CAJA" << 12.0 << false;
        QTest::newRow("reverse row") << "ALCGEL" << "CAJA" << "UN" << true << "*" << "UN" << 12.0 << false;
        QTest::newRow("units compared at 4, any case") << "alcgel" << "un  " << " caja" << true << "/" << " caja" << 12.0
                                                       << false;
        QTest::newRow("empty base takes the stock unit") << "PARA500" << "BL" << "" << true << "*" << "UN" << 100.0
                                                         << false;
        QTest::newRow("both rows: the direct one") << "AMO500" << "UN" << "BL" << true << "/" << "BL" << 10.0 << false;
        QTest::newRow("both rows, other way: its direct one") << "AMO500" << "BL" << "UN" << true << "/" << "UN" << 5.0
                                                              << false;
        QTest::newRow("no row") << "IBU400" << "M3" << "UN" << false << "?" << "UN" << 0.0 << false;
        QTest::newRow("coefficient 0 is none") << "IBU400" << "UN" << "CAJA" << false << "?" << "CAJA" << 0.0 << false;
        QTest::newRow("coefficient Null is none") << "IBU400" << "UN" << "BL" << false << "?" << "BL" << 0.0 << false;
        QTest::newRow("direct 0, reverse usable") << "IBU400" << "UN" << "KG" << true << "*" << "KG" << 4.0 << false;
        QTest::newRow("article without a unit") << "SINUD" << "UN" << "" << false << "?" << "" << 0.0 << true;
        QTest::newRow("no such article") << "NOEXISTE" << "UN" << "" << false << "?" << "" << 0.0 << true;
        QTest::newRow("blank base is no base") << "ALCGEL" << "UN" << "  " << false << "?" << "  " << 0.0 << true;
        QTest::newRow("apostrophes") << "O'NEIL" << "U'N" << "C'J" << false << "?" << "C'J" << 0.0 << false;
    }
    void equivalence()
    {
        QFETCH(QString, article);
        QFETCH(QString, unit);
        QFETCH(QString, baseIn);
        QFETCH(bool, found);
        QFETCH(QString, op);
        QFETCH(QString, baseOut);
        QFETCH(double, coefficient);
        QFETCH(bool, noBase);
        VoucherFixture db(kExtra);
        ScriptedOperator prompts;   // no error box
        QString operador = QStringLiteral("?");
        QString base = baseIn;
        double c = -1;
        bool sinBase = !noBase;
        QCOMPARE(IdArticuloTieneEquivalencias(article, unit, operador, base, c, sinBase), found);
        QCOMPARE(operador, op);
        QCOMPARE(base, baseOut);
        QCOMPARE(c, coefficient);
        QCOMPARE(sinBase, noBase);
    }

    // The two conversions read one row in opposite senses.
    void conversions_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("from");       // B
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("to");         // U
        QTest::addColumn<double>("xEquiv");      // ConvierteCantidadxEquiv
        QTest::addColumn<double>("unidad");      // ConvierteCantidadUnidad
        QTest::addColumn<QString>("fromAfter");
        QTest::newRow("direct: 2 CAJA to UN") << "ALCGEL" << "CAJA" << 2.0 << "UN" << 24.0 << 2.0 / 12 << "CAJA";
        QTest::newRow("reverse: 24 UN to CAJA") << "ALCGEL" << "UN" << 24.0 << "CAJA" << 2.0 << 288.0 << "UN";
        QTest::newRow("empty from: the stock unit") << "ALCGEL" << "" << 24.0 << "CAJA" << 2.0 << 288.0 << "UN";
        QTest::newRow("direct: 1.5 BL to UN") << "PARA500" << "BL" << 1.5 << "UN" << 150.0 << 0.015 << "BL";
        QTest::newRow("reverse: 250 UN to BL") << "PARA500" << "UN" << 250.0 << "BL" << 2.5 << 25000.0 << "UN";
        QTest::newRow("reverse of 3, rounded only one way") << "AMO500" << "UN" << 1.0 << "CAJA" << 0.3333 << 3.0 << "UN";
        QTest::newRow("direct: the unrounded sense divides") << "ALCGEL" << "CAJA" << 1.0 << "UN" << 12.0 << 1.0 / 12
                                                             << "CAJA";
        QTest::newRow("reverse of 12: rounded to four decimals") << "ALCGEL" << "UN" << 1.0 << "CAJA" << 0.0833 << 12.0
                                                                 << "UN";
        QTest::newRow("both rows: the direct one") << "AMO500" << "BL" << 2.0 << "UN" << 20.0 << 0.2 << "BL";
        QTest::newRow("no equivalence") << "IBU400" << "UN" << 7.0 << "M3" << 0.0 << 7.0 << "UN";
        QTest::newRow("coefficient 0") << "IBU400" << "CAJA" << 7.0 << "UN" << 0.0 << 7.0 << "CAJA";
        QTest::newRow("coefficient Null") << "IBU400" << "BL" << 7.0 << "UN" << 0.0 << 7.0 << "BL";
        QTest::newRow("no stock unit") << "SINUD" << "" << 7.0 << "UN" << 0.0 << 7.0 << "";
        QTest::newRow("negative quantity") << "ALCGEL" << "CAJA" << -2.0 << "UN" << -24.0 << -2.0 / 12 << "CAJA";
    }
    void conversions()
    {
        QFETCH(QString, article);
        QFETCH(QString, from);
        QFETCH(double, quantity);
        QFETCH(QString, to);
        QFETCH(double, xEquiv);
        QFETCH(double, unidad);
        QFETCH(QString, fromAfter);
        VoucherFixture db(kExtra);
        ScriptedOperator prompts;
        QString b1 = from, b2 = from;
        QCOMPARE(ConvierteCantidadxEquiv(article, b1, quantity, to), xEquiv);
        QCOMPARE(ConvierteCantidadUnidad(article, b2, quantity, to), unidad);
        QCOMPARE(b1, fromAfter);
        QCOMPARE(b2, fromAfter);
    }

    // A zero quantity and one unit written twice need no database: with none open, a
    // query would show the data layer's error box.
    void withoutQuery_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("result");
        QTest::newRow("zero") << "CAJA" << 0.0 << "UN" << 0.0;
        QTest::newRow("zero, empty unit") << "" << 0.0 << "UN" << 0.0;
        QTest::newRow("same unit, other case, unrounded") << "caja" << 1.23456 << "CAJA" << 1.23456;
        QTest::newRow("both empty") << "" << 5.0 << "" << 5.0;
        // Units are 4-character codes: padding does not make another unit.
        QTest::newRow("same unit, padded") << "UN  " << 2.5 << "un" << 2.5;
    }
    void withoutQuery()
    {
        QFETCH(QString, from);
        QFETCH(double, quantity);
        QFETCH(QString, to);
        QFETCH(double, result);
        frametest::ResetProgram();
        ScriptedOperator prompts;
        QString b1 = from, b2 = from;
        QCOMPARE(ConvierteCantidadxEquiv(QStringLiteral("ALCGEL"), b1, quantity, to), result);
        QCOMPARE(ConvierteCantidadUnidad(QStringLiteral("ALCGEL"), b2, quantity, to), result);
        frametest::ResetProgram();
    }

    // A failed read of the equivalences is shown twice (the open, then the procedure's
    // own trap) and answers no equivalence when the operator gives up.
    void failedEquivalenceReadIsTrapped()
    {
        VoucherFixture db;
        db.Exec(QStringLiteral("DROP TABLE S_TA_EQUIV"));
        ScriptedOperator prompts;
        prompts.expectMsgBox(QString(), ui::vbAbort).expectMsgBox(QString(), ui::vbAbort);
        QString op, base = QStringLiteral("CAJA");
        double c = 7;
        bool noBase = true;
        QCOMPARE(IdArticuloTieneEquivalencias(QStringLiteral("ALCGEL"), QStringLiteral("UN"), op, base, c, noBase), false);
        QCOMPARE(c, 0.0);
        QCOMPARE(noBase, false);
        QVERIFY(prompts.shown().at(0).title.contains(QStringLiteral("AbrirRecordset")));
        QVERIFY(prompts.shown().at(1).title.contains(QStringLiteral("IdArticuloTieneEquivalencias")));
    }

    // The stock-unit read traps nothing: after the open's error box the caller gets the error.
    void failedStockUnitReadReachesTheCaller()
    {
        VoucherFixture db;
        db.Exec(QStringLiteral("DROP TABLE V_MA_ARTICULOS"));
        ScriptedOperator prompts;
        prompts.expectMsgBox(QString(), ui::vbAbort);
        QVERIFY_THROWS_EXCEPTION(vb::VbError, ObtieneUnidadArticulo(QStringLiteral("ALCGEL")));
    }

    // The M3, BL and KG columns of the current row (demo units M3, BL, KG).
    void equivalentColumns_data()
    {
        QTest::addColumn<QStringList>("line");       // article, unit, quantity, equivalent unit, its quantity, flag 94
        QTest::addColumn<QStringList>("expected");   // columns 62 (M3), 63 (BL), 64 (KG)
        QTest::newRow("converted into BL, no M3 or KG equivalence")
            << QStringList{"PARA500", "UN", "250", "", "", ""} << QStringList{"0", "2.5", "0"};
        QTest::newRow("line unit padded") << QStringList{"PARA500", "UN  ", "250", "", "", ""}
                                          << QStringList{"0", "2.5", "0"};
        QTest::newRow("equivalent unit BL with blanks: its quantity")
            << QStringList{"PARA500", "UN", "250", "BL  ", "2.5", ""} << QStringList{"0", "2.5", "0"};
        QTest::newRow("BL left alone when the row asks for its equivalence")
            << QStringList{"PARA500", "UN", "250", "", "", "-1"} << QStringList{"0", "before", "0"};
        QTest::newRow("KG line in KG: its own quantity")
            << QStringList{"GUANTE", "KG", "12.5", "kg", "99", ""} << QStringList{"0", "0", "12.5"};
        QTest::newRow("KG equivalent of another unit: the equivalent quantity")
            << QStringList{"GUANTE", "UN", "50", "KG  ", "12.5", ""} << QStringList{"0", "0", "12.5"};
        QTest::newRow("M3 line in M3: its own quantity")
            << QStringList{"GUANTE", "M3", "4", "M3", "7", ""} << QStringList{"4", "0", "0"};
        QTest::newRow("M3 equivalent of another unit")
            << QStringList{"GUANTE", "UN", "4", "M3", "7", ""} << QStringList{"7", "0", "0"};
        QTest::newRow("quantity read with four decimals at most")
            << QStringList{"PARA500", "UN", "123.456789", "", "", ""} << QStringList{"0", "1.2346", "0"};
        QTest::newRow("empty quantity") << QStringList{"PARA500", "UN", "", "", "", ""} << QStringList{"0", "0", "0"};
        QTest::newRow("line in BL") << QStringList{"PARA500", "BL", "3", "", "", ""} << QStringList{"0", "3", "0"};
    }
    void equivalentColumns()
    {
        QFETCH(QStringList, line);
        QFETCH(QStringList, expected);
        VoucherFixture db(kExtra);
        ScriptedOperator prompts;
        testsupport::RegionalPin regional;
        gUnidadM3 = QStringLiteral("M3");
        gUnidadBL = QStringLiteral("BL");
        gUnidadKG = QStringLiteral("KG");
        ui::FlexGrid grid;
        grid.SetCols(ColArticulo::Count);
        grid.SetRows(3);
        grid.SetRow(2);
        const int row = 2;
        const int columns[] = {ColArticulo::IdArticulo, ColArticulo::Unidad, ColArticulo::Cantidad,
                               ColArticulo::UnidadEquiv, ColArticulo::CantidadEquiv, ColArticulo::PideEquivalencia};
        for (int i = 0; i < 6; ++i)
            grid.SetTextMatrix(row, columns[i], line[i]);
        for (int column : {int(ColArticulo::CantM3), int(ColArticulo::CantBL), int(ColArticulo::CantKG)})
            grid.SetTextMatrix(row, column, QStringLiteral("before"));
        grid.SetTextMatrix(1, ColArticulo::CantBL, QStringLiteral("other row"));

        ActualizaColumnasEquivalencia(&grid);

        QCOMPARE(grid.TextMatrix(row, ColArticulo::CantM3), expected[0]);
        QCOMPARE(grid.TextMatrix(row, ColArticulo::CantBL), expected[1]);
        QCOMPARE(grid.TextMatrix(row, ColArticulo::CantKG), expected[2]);
        QCOMPARE(grid.TextMatrix(1, ColArticulo::CantBL), QStringLiteral("other row"));
    }

    // The written quantity follows the workstation's decimal separator.
    void equivalentColumnsRegionalText()
    {
        VoucherFixture db;
        ScriptedOperator prompts;
        testsupport::RegionalPin regional(QLatin1Char(','), QLatin1Char('.'));
        gUnidadBL = QStringLiteral("BL");
        ui::FlexGrid grid;
        grid.SetCols(ColArticulo::Count);
        grid.SetRows(2);
        grid.SetRow(1);
        grid.SetTextMatrix(1, ColArticulo::IdArticulo, QStringLiteral("PARA500"));
        grid.SetTextMatrix(1, ColArticulo::Unidad, QStringLiteral("UN"));
        grid.SetTextMatrix(1, ColArticulo::Cantidad, QStringLiteral("250"));
        ActualizaColumnasEquivalencia(&grid);
        QCOMPARE(grid.TextMatrix(1, ColArticulo::CantBL), QStringLiteral("2,5"));
    }
};

TESTSUPPORT_MAIN(TstStockUnits)
#include "tst_stock_units.moc"
