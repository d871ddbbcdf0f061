// Numbers read from text by the utility object: money, double and whole number, in
// both regional settings the suite meets, and any text an operator or a file can hold.
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"

using vb::Currency;

namespace {

Currency cy(qint64 tenThousandths) { return Currency::fromRaw(tenThousandths); }

// "." decimals with "," grouping, or "," decimals with "." grouping.
testsupport::RegionalPin* pinFor(bool commaDecimals)
{
    return commaDecimals ? new testsupport::RegionalPin(QLatin1Char(','), QLatin1Char('.'))
                         : new testsupport::RegionalPin(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

Q_DECLARE_METATYPE(vb::Currency)

class tst_zeltrix_numbers : public QObject {
    Q_OBJECT
private slots:
    void money_data();
    void money();
    void moneyReadsBackWhatMoneyFormatWrites_data();
    void moneyReadsBackWhatMoneyFormatWrites();
    void overflowRaisesError6_data();
    void overflowRaisesError6();
    void doubles_data();
    void doubles();
    void doubleOverflowRaisesError6();
    void wholeNumbers_data();
    void wholeNumbers();
    void anyTextIsAccepted_data();
    void anyTextIsAccepted();

private:
    zeltrix::Utilidades util;
};

void tst_zeltrix_numbers::money_data()
{
    QTest::addColumn<bool>("commaDecimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("expected");

    QTest::newRow("empty") << false << "" << cy(0);
    QTest::newRow("blanks") << true << "   " << cy(0);
    QTest::newRow("letters") << false << "abc" << cy(0);
    QTest::newRow("letters, comma") << true << "abc" << cy(0);
    QTest::newRow("digits") << false << "00001234" << cy(12340000);
    QTest::newRow("1.234,56 comma") << true << "1.234,56" << cy(12345600);
    QTest::newRow("1,234.56 point") << false << "1,234.56" << cy(12345600);
    QTest::newRow("12,5 comma") << true << "12,5" << cy(125000);
    QTest::newRow("-0,5 comma") << true << "-0,5" << cy(-5000);
    QTest::newRow("-0.5 point") << false << "-0.5" << cy(-5000);
    QTest::newRow("point grouping no three digits is no number, comma") << true << "12.5" << cy(0);
    QTest::newRow("point before four decimals is no number, comma") << true << "0.0001" << cy(0);
    QTest::newRow("point before three digits groups, comma") << true << "1.234" << cy(12340000);
    QTest::newRow("25.000 comma") << true << "25.000" << cy(250000000);
    QTest::newRow("1.2.3 comma") << true << "1.2.3" << cy(0);
    QTest::newRow("comma decimals four places") << true << "0,0001" << cy(1);
    QTest::newRow("points as grouping, comma") << true << "1.234.567" << cy(12345670000);
    QTest::newRow("grouping and decimals, comma") << true << "-1.234.567,8" << cy(-12345678000);
    QTest::newRow("blanks around, sign") << true << "  +7,25  " << cy(72500);
    QTest::newRow("leading decimal separator") << true << ",75" << cy(7500);
    QTest::newRow("trailing decimal separator") << false << "3." << cy(30000);
    QTest::newRow("fifth decimal half to even, down") << false << "0.00005" << cy(0);
    QTest::newRow("fifth decimal half to even, up") << false << "0.00015" << cy(2);
    QTest::newRow("many decimals") << false << "1.23456789" << cy(12346);
    QTest::newRow("largest amount") << false << "922337203685477.5807" << cy(Q_INT64_C(9223372036854775807));
    QTest::newRow("smallest amount") << false << "-922337203685477.5808" << cy(-Q_INT64_C(9223372036854775807) - 1);
    QTest::newRow("long zeros before digits") << false << QString(200, QLatin1Char('0')) + "5" << cy(50000);
    QTest::newRow("comma grouping no three digits is no number, point") << false << "12,5" << cy(0);
    QTest::newRow("0,5 point") << false << "0,5" << cy(0);
    QTest::newRow("uneven groups") << false << "1,23,456" << cy(0);
    QTest::newRow("grouped, point") << false << "987,654,321.12" << cy(Q_INT64_C(9876543211200));
    QTest::newRow("1.2.3 point") << false << "1.2.3" << cy(0);
    QTest::newRow("two decimal separators") << true << "1,2,3" << cy(0);
    QTest::newRow("grouping at the end") << false << "12," << cy(0);
    QTest::newRow("double grouping") << true << "1..234" << cy(0);
    QTest::newRow("sign alone") << false << "-" << cy(0);
    QTest::newRow("separator alone") << true << "," << cy(0);
    QTest::newRow("exponent, as CStr writes doubles") << false << "1E+03" << cy(10000000);
    QTest::newRow("typed exponent is no number") << false << "1e5" << cy(0);
    QTest::newRow("exponent without sign is no number") << false << "1E5" << cy(0);
    QTest::newRow("negative exponent") << true << "2,5E-3" << cy(25);
    QTest::newRow("exponent below the money decimals") << false << "1E-05" << cy(0);
    QTest::newRow("huge exponent of zero") << false << "0E+99999" << cy(0);
    QTest::newRow("exponent without digits") << false << "1E" << cy(0);
    QTest::newRow("exponent alone") << false << "E5" << cy(0);
    QTest::newRow("hex") << false << "&H10" << cy(0);
    QTest::newRow("inner blank") << false << "1 234" << cy(0);
    QTest::newRow("NUL padding") << false << QString("12") + QChar(0) + QChar(0) << cy(120000);
    QTest::newRow("inner NUL") << false << QString("1") + QChar(0) + "2" << cy(0);
    QTest::newRow("CHR(255)") << true << QString("5") + QChar(0xFF) << cy(0);
    QTest::newRow("Arabic-Indic digits") << false << QString(QChar(0x0661)) << cy(0);
}

void tst_zeltrix_numbers::money()
{
    QFETCH(bool, commaDecimals);
    QFETCH(QString, text);
    QFETCH(Currency, expected);
    std::unique_ptr<testsupport::RegionalPin> pin(pinFor(commaDecimals));
    QCOMPARE(util.TextoAMoneda(text).raw(), expected.raw());
}

// FmtMoneda writes an amount with the patterns below in the regional separators; the
// utility object must read every such text back to the amount it came from.
void tst_zeltrix_numbers::moneyReadsBackWhatMoneyFormatWrites_data()
{
    QTest::addColumn<bool>("commaDecimals");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Currency>("amount");

    const QString grouped2 = "###,###,###,###0.00";
    const QString plain2 = "############0.00";
    const QString grouped4 = "###,###,###,###0.0000";
    for (bool comma : {false, true}) {
        const char* ws = comma ? "comma" : "point";
        QTest::addRow("%s grouped 1234.5", ws) << comma << grouped2 << cy(12345000);
        QTest::addRow("%s grouped -9876543.21", ws) << comma << grouped2 << cy(-98765432100);
        QTest::addRow("%s grouped 0.05", ws) << comma << grouped2 << cy(500);
        QTest::addRow("%s plain 1234567.89", ws) << comma << plain2 << cy(12345678900);
        QTest::addRow("%s grouped four decimals", ws) << comma << grouped4 << cy(123456789012345);
        QTest::addRow("%s grouped largest", ws) << comma << grouped4 << cy(Q_INT64_C(9223372036854775807));
    }
}

void tst_zeltrix_numbers::moneyReadsBackWhatMoneyFormatWrites()
{
    QFETCH(bool, commaDecimals);
    QFETCH(QString, pattern);
    QFETCH(Currency, amount);
    std::unique_ptr<testsupport::RegionalPin> pin(pinFor(commaDecimals));
    const QString text = vb::Format(vb::Variant(amount), pattern);
    QCOMPARE(util.TextoAMoneda(text).raw(), amount.raw());
}

void tst_zeltrix_numbers::overflowRaisesError6_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one above the largest") << "922337203685477.5808";
    QTest::newRow("16 digits") << "1234567890123456";
    QTest::newRow("negative beyond") << "-922337203685478";
    QTest::newRow("very long digit string") << QString(5000, QLatin1Char('9'));
    QTest::newRow("very long grouped") << "1" + QString(",000").repeated(400);
    QTest::newRow("exponent") << "1E+16";
    QTest::newRow("huge exponent") << "1E+99999999999999999999";
}

void tst_zeltrix_numbers::overflowRaisesError6()
{
    QFETCH(QString, text);
    testsupport::RegionalPin pin(QLatin1Char('.'), QLatin1Char(','));
    try {
        util.TextoAMoneda(text);
        QFAIL("no error raised");
    } catch (const vb::VbError& e) {
        QCOMPARE(e.Number, 6);
    }
}

void tst_zeltrix_numbers::doubles_data()
{
    QTest::addColumn<bool>("commaDecimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << false << "" << 0.0;
    QTest::newRow("letters") << true << "abc" << 0.0;
    QTest::newRow("quantity comma") << true << "1.234,5678912" << 1234.5678912;
    QTest::newRow("quantity point") << false << "1,234.5678912" << 1234.5678912;
    QTest::newRow("12,5 comma") << true << "12,5" << 12.5;
    QTest::newRow("-0,5 comma") << true << "-0,5" << -0.5;
    QTest::newRow("comma decimals") << true << "0,125" << 0.125;
    QTest::newRow("point on comma workstation groups threes only") << true << "0.125" << 125.0;
    QTest::newRow("1.2.3 point") << false << "1.2.3" << 0.0;
    QTest::newRow("beyond money range is fine") << false << "123456789012345678901234567890" << 1.2345678901234568e29;
    QTest::newRow("tiny fraction") << false << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
    QTest::newRow("CHR(255)") << false << QString(QChar(0xFF)) << 0.0;
    QTest::newRow("small double as CStr writes it") << false << "1E-05" << 1e-05;
    QTest::newRow("large double as CStr writes it, comma") << true << "1,5E+20" << 1.5e20;
    QTest::newRow("negative mantissa and exponent") << false << "-2.5E-03" << -0.0025;
    QTest::newRow("lower-case exponent is no number") << false << "-2.5e-3" << 0.0;
    QTest::newRow("huge negative exponent") << false << "7E-99999999" << 0.0;
}

void tst_zeltrix_numbers::doubles()
{
    QFETCH(bool, commaDecimals);
    QFETCH(QString, text);
    QFETCH(double, expected);
    std::unique_ptr<testsupport::RegionalPin> pin(pinFor(commaDecimals));
    QCOMPARE(util.TextoADoble(text), expected);
}

void tst_zeltrix_numbers::doubleOverflowRaisesError6()
{
    testsupport::RegionalPin pin(QLatin1Char('.'), QLatin1Char(','));
    for (const QString& text : {QString("1E+400"), QString("-" + QString(400, QLatin1Char('9'))), QString("1E+9999999")}) {
        try {
            util.TextoADoble(text);
            QFAIL(qPrintable("no error raised for " + text.left(20)));
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 6);
        }
    }
}

void tst_zeltrix_numbers::wholeNumbers_data()
{
    QTest::addColumn<bool>("commaDecimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("error");   // 0: none

    QTest::newRow("index") << false << "3" << 3 << 0;
    QTest::newRow("empty") << false << "" << 0 << 0;
    QTest::newRow("letters") << false << "abc" << 0 << 0;
    QTest::newRow("half to even down") << true << "2,5" << 2 << 0;
    QTest::newRow("half to even up") << true << "3,5" << 4 << 0;
    QTest::newRow("negative") << true << "-1.000,4" << -1000 << 0;
    QTest::newRow("largest Long") << false << "2147483647" << 2147483647 << 0;
    QTest::newRow("beyond Long") << false << "2147483648" << 0 << 6;
    QTest::newRow("very long digit string") << false << QString(400, QLatin1Char('7')) << 0 << 6;
}

void tst_zeltrix_numbers::wholeNumbers()
{
    QFETCH(bool, commaDecimals);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, error);
    std::unique_ptr<testsupport::RegionalPin> pin(pinFor(commaDecimals));
    try {
        const qint32 value = util.TextoAEntero(text);
        QCOMPARE(error, 0);
        QCOMPARE(value, expected);
    } catch (const vb::VbError& e) {
        QCOMPARE(e.Number, error);
    }
}

// Whatever the text, each reader either gives a number or raises a VB error; a long
// text of marks and controls gives 0.
void tst_zeltrix_numbers::anyTextIsAccepted_data()
{
    QTest::addColumn<QString>("text");
    QString controls;
    for (int c = 0; c < 32; ++c)
        controls += QChar(c);
    QTest::newRow("control characters") << controls;
    QTest::newRow("Windows-1252 upper half") << [] {
        QString s;
        for (int c = 128; c < 256; ++c)
            s += vb::Chr(c);
        return s;
    }();
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    QTest::newRow("long letters") << QString(100000, QLatin1Char('x'));
    QTest::newRow("separators only") << ",.,.,.";
}

void tst_zeltrix_numbers::anyTextIsAccepted()
{
    QFETCH(QString, text);
    for (bool comma : {false, true}) {
        std::unique_ptr<testsupport::RegionalPin> pin(pinFor(comma));
        QCOMPARE(util.TextoAMoneda(text).raw(), 0);
        QCOMPARE(util.TextoADoble(text), 0.0);
        QCOMPARE(util.TextoAEntero(text), 0);
    }
}

TESTSUPPORT_MAIN(tst_zeltrix_numbers)
#include "tst_zeltrix_numbers.moc"
