// Amounts as the operator types them into the grid, on a workstation with "." decimals
// and on one with "," decimals: what the cell shows once confirmed is what F2 stores,
// and a text that is no number in the workstation's format gets the field's message.
// The largest amounts show whole in the grid, on the status bar and in the report.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"
#include "platform/report/ReportEngine.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QStyleOptionViewItem>
#include <QTest>
#include <memory>

using receptiontest::count;
using receptiontest::pdfText;
using receptiontest::ReceptionFixture;
using receptiontest::scalar;
using testsupport::RegionalPin;
using testsupport::ScriptedOperator;

namespace {

const QString kNumerico = QStringLiteral("Debe ingresar un valor numérico");

// The workstation of the row: "," decimals with "." grouping, or the other way round.
std::unique_ptr<RegionalPin> workstation(bool comma)
{
    return comma ? std::make_unique<RegionalPin>(QLatin1Char(','), QLatin1Char('.'))
                 : std::make_unique<RegionalPin>(QLatin1Char('.'), QLatin1Char(','));
}

// Types account and voucher of row `row`, leaving the cursor on its amount.
void typeUpToTheAmount(ReceptionFixture& fx, int row, const QString& comprobante)
{
    fx.goTo(row, 1);
    fx.typeCell(QStringLiteral("110301"));
    fx.typeCell(comprobante);
}

// Types and saves (F2) one row per amount on grid rows 1, 2, ..., vouchers stem1, stem2, ...
void saveRows(ReceptionFixture& fx, const QStringList& amounts, const QString& stem)
{
    for (int i = 0; i < amounts.size(); ++i) {
        fx.goTo(i + 1, 1);
        fx.saveRow(QStringLiteral("110301"), stem + QString::number(i + 1), amounts[i], QStringLiteral("x"));
    }
}

// The text of the report F4 prints.
QString printedReport(ReceptionFixture& fx)
{
    fx.press(Qt::Key_F4);
    auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
    return engine ? pdfText(engine->lastFile()) : QString();
}

// The amount stored for a voucher, in ten-thousandths.
qint64 stored(const QString& comprobante)
{
    return scalar(QStringLiteral("SELECT CAST(ROUND(IMPORTE * 10000) AS INTEGER) FROM V_MV_MUTUALES WHERE IDMUTUAL = '%1'")
                      .arg(comprobante))
        .toLongLong();
}

// Whether the grid's cell shows its whole text on one line: the text fits the rectangle
// the style lays a cell's text in.
bool showsWhole(ui::FlexGrid* g, int row, int col)
{
    QStyleOptionViewItem opt;
    opt.initFrom(g);
    opt.font = g->font();
    opt.features = QStyleOptionViewItem::HasDisplay;
    opt.text = g->TextMatrix(row, col);
    const int saved = g->Row(), savedCol = g->Col();
    g->SetRow(row);
    g->SetCol(col);
    opt.rect = QRect(0, 0, ui::TwipsToPixels(g->CellWidth()), ui::TwipsToPixels(g->CellHeight()));
    g->SetRow(saved);
    g->SetCol(savedCol);
    const QRect text = g->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, g);
    return QFontMetrics(opt.font).horizontalAdvance(opt.text) <= text.width();
}

} // namespace

class TstReceptionNumbers : public QObject {
    Q_OBJECT

private slots:
    void typedAmounts_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // empty: refused with the field's message
        QTest::addColumn<qint64>("raw");      // stored, in ten-thousandths
        const struct { bool comma; const char* typed; const char* shown; qint64 raw; } rows[] = {
            {false, "25.000", "25.00", 250000},
            {false, "1.234", "1.23", 12300},
            {false, "1,234.5", "1234.50", 12345000},
            {false, "987,654,321.12", "987654321.12", Q_INT64_C(9876543211200)},
            {false, "-1,000", "-1000.00", -10000000},
            {false, "12,50", "", 0},
            {false, "0,5", "", 0},
            {false, "1.2.3", "", 0},
            {false, "1,23,456", "", 0},
            {false, "1e5", "", 0},
            {true, "25.000", "25000,00", 250000000},
            {true, "1.234", "1234,00", 12340000},
            {true, "12,50", "12,50", 125000},
            {true, "0,5", "0,50", 5000},
            {true, "987.654.321,12", "987654321,12", Q_INT64_C(9876543211200)},
            {true, "1.2.3", "", 0},
            {true, "12.5", "", 0},
            {true, "1,2,3", "", 0},
            {false, "999999999999999", "", 0},   // beyond any amount
            // the largest amounts the grid, the status bar and the report show whole
            {false, "999,999,999.99", "999999999.99", Q_INT64_C(9999999999900)},
            {false, "-999999999.99", "-999999999.99", -Q_INT64_C(9999999999900)},
            {false, "999999999.994", "999999999.99", Q_INT64_C(9999999999900)},
            {true, "999.999.999,99", "999999999,99", Q_INT64_C(9999999999900)},
            // beyond them, though an amount could hold it
            {false, "1,000,000,000", "", 0},
            {false, "-1000000000", "", 0},
            {false, "999999999.995", "", 0},   // 1,000,000,000.00 once rounded
            {false, "922337203685477", "", 0},
            {true, "1.000.000.000", "", 0},
        };
        for (const auto& r : rows)
            QTest::addRow("%s %s", r.comma ? "comma" : "point", r.typed)
                << r.comma << QString::fromUtf8(r.typed) << QString::fromUtf8(r.shown) << r.raw;
    }
    void typedAmounts()
    {
        QFETCH(bool, comma);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(qint64, raw);
        ReceptionFixture fx;
        const auto pin = workstation(comma);
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        typeUpToTheAmount(fx, 1, QStringLiteral("RD-2026-70001"));
        QCOMPARE(g->Col(), 4);
        if (shown.isEmpty()) {
            op.expectMsgBox(kNumerico, ui::vbOK, QStringLiteral("Aviso al operador..."), ui::vbCritical);
            fx.typeCell(typed);
            op.verifyAllUsed();
            // the editor stays open on the text as typed; nothing reaches the cell
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.txtEdit->text(), typed);
            QVERIFY(g->TextMatrix(1, 4).isEmpty());
            return;
        }
        fx.typeCell(typed);
        QCOMPARE(g->TextMatrix(1, 4), shown);
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("x"));
        fx.press(Qt::Key_F2);
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(stored(QStringLiteral("RD-2026-70001")), raw);
        // the cell shows exactly the amount stored, read back in the workstation's format
        QCOMPARE(Utilidades->TextoAMoneda(g->TextMatrix(1, 4)).raw(), raw);
    }

    // 987,654,321.12 and a second row: the grid shows each amount whole, the status bar
    // writes the total as the grid writes amounts, and the report prints each amount and
    // each total on one line.
    void largestAmountsShowWhole()
    {
        ReceptionFixture fx;
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        saveRows(fx, {QStringLiteral("987,654,321.12"), QStringLiteral("11,111,111.11")}, QStringLiteral("RD-2026-8000"));
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("987654321.12"));
        QCOMPARE(g->TextMatrix(2, 4), QStringLiteral("11111111.11"));
        QVERIFY(showsWhole(g, 1, 4));
        // the widest amount the column is meant for
        g->SetTextMatrix(3, 4, QStringLiteral("-999999999.99"));
        QVERIFY(showsWhole(g, 3, 4));
        g->SetTextMatrix(3, 4, QString());
        g->SetRow(1);
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: 998765432.23"));

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = printedReport(fx);
        QVERIFY2(text.contains(QStringLiteral("987,654,321.12")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("11,111,111.11")), qPrintable(text));
        // the day's total and the grand total
        QCOMPARE(text.count(QStringLiteral("998,765,432.23")), 2);
    }

    // Two amounts of 999,999,999.99 make a day's total past that: the status bar and the
    // report's totals write it whole.
    void dayTotalPastTheLargestAmount()
    {
        ReceptionFixture fx;
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        saveRows(fx, {QStringLiteral("999999999.99"), QStringLiteral("999999999.99")}, QStringLiteral("RD-2026-8100"));
        op.verifyAllUsed();
        f.MSFlexGrid1->SetRow(1);
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: 1999999999.98"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QCOMPARE(printedReport(fx).count(QStringLiteral("1,999,999,999.98")), 2);
    }

    // Amounts an earlier program stored past what an amount can add up: each shows
    // whole in the grid; the status bar says the total cannot be worked out, and the
    // report prints nothing but tells why.
    void storedAmountsPastTheMoneyRange()
    {
        const QString insert = QStringLiteral(
            "INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, FECHARECEPCION, USUARIO, UNEGOCIO) VALUES ('110301', '%1', "
            "922337203685477, '2026-12-15 00:00:00', 'Vandrel', '   1')");
        ReceptionFixture fx({insert.arg(QStringLiteral("GR-1")), insert.arg(QStringLiteral("GR-2"))});
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.typeHeader(0, QStringLiteral("15/12/2026"));
        QCOMPARE(g->Rows(), 3);
        for (int row = 1; row <= 2; ++row) {
            QCOMPARE(g->TextMatrix(row, 4), QStringLiteral("922337203685477.00"));
            QVERIFY(showsWhole(g, row, 4));
        }
        g->SetRow(2);
        QCOMPARE(f.StatusBar1Panels[1]->text(),
                 QStringLiteral("Importe Total: no se puede calcular, supera el importe máximo"));

        op.expectMsgBox(QStringLiteral("sus importes suman más de lo que un importe puede guardar"), ui::vbOK,
                        QStringLiteral("Aviso al operador"), ui::vbCritical);
        fx.press(Qt::Key_F4);
        op.verifyAllUsed();
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        QVERIFY(engine);
        QVERIFY(engine->lastFile().isEmpty());
    }
};

TESTSUPPORT_MAIN(TstReceptionNumbers)
#include "tst_reception_numbers.moc"
