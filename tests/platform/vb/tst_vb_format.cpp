// Format: the date and number patterns the suite uses, under "." and "," regional settings.
#include "platform/vb/App.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include <QTest>

using vb::Variant;
Q_DECLARE_METATYPE(vb::Variant)

namespace {
const vb::RegionalSettings kPoint{QLatin1Char('.'), QLatin1Char(','), 2};
const vb::RegionalSettings kComma{QLatin1Char(','), QLatin1Char('.'), 2};
vb::Currency cur(const char* s)
{
    vb::Currency c;
    vb::Currency::tryParse(QString::fromLatin1(s), c);
    return c;
}
} // namespace

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vb::SetRegional(kPoint);
        vb::App::SetClock([] { return vb::MakeDate(QDate(2025, 6, 10), QTime(12, 0)); });
    }
    void cleanupTestCase() { vb::App::ResetAll(); }
    void cleanup() { vb::SetRegional(kPoint); }

    void numbers_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("withPoint");
        QTest::addColumn<QString>("withComma");
        QTest::newRow("branch") << Variant(7) << "0000" << "0007" << "0007";
        QTest::newRow("branch from text") << Variant("12") << "0000" << "0012" << "0012";
        QTest::newRow("branch too long") << Variant(12345) << "0000" << "12345" << "12345";
        QTest::newRow("number") << Variant(1234) << "00000000" << "00001234" << "00001234";
        QTest::newRow("number from currency") << Variant(cur("1235")) << "00000000" << "00001235" << "00001235";
        QTest::newRow("month") << Variant(3) << "00" << "03" << "03";
        QTest::newRow("two decimals") << Variant(1234.5) << "0.00" << "1234.50" << "1234,50";
        QTest::newRow("rounds half away") << Variant(0.125) << "0.00" << "0.13" << "0,13";
        QTest::newRow("rounds 2.675 like VB") << Variant(2.675) << "0.00" << "2.68" << "2,68";
        QTest::newRow("currency 1.005") << Variant(cur("1.005")) << "0.00" << "1.01" << "1,01";
        QTest::newRow("half to integer") << Variant(2.5) << "0" << "3" << "3";
        QTest::newRow("negative half") << Variant(-2.5) << "0" << "-3" << "-3";
        QTest::newRow("grouped") << Variant(1234567.891) << "#,##0.00" << "1,234,567.89" << "1.234.567,89";
        QTest::newRow("grouped small") << Variant(12.3) << "#,##0.00" << "12.30" << "12,30";
        QTest::newRow("grouped zero") << Variant(0) << "#,##0.00" << "0.00" << "0,00";
        QTest::newRow("money mask") << Variant(1234.5) << "###,###,###,###0.00" << "1,234.50" << "1.234,50";
        QTest::newRow("money mask zero") << Variant(0.0) << "###,###,###,###0.00" << "0.00" << "0,00";
        QTest::newRow("money mask negative") << Variant(-1234567.5) << "###,###,###,###0.00" << "-1,234,567.50"
                                             << "-1.234.567,50";
        QTest::newRow("money mask millions") << Variant(cur("987654321.125")) << "###,###,###,###0.00"
                                             << "987,654,321.13" << "987.654.321,13";
        QTest::newRow("mask without grouping") << Variant(1234.5) << "############0.00" << "1234.50" << "1234,50";
        QTest::newRow("trailing point kept") << Variant(5) << "############0." << "5." << "5,";
        QTest::newRow("grouped trailing point") << Variant(1234) << "###,###,###,###0." << "1,234." << "1.234,";
        QTest::newRow("no whole digit") << Variant(0.5) << "#####.00" << ".50" << ",50";
        QTest::newRow("hours 1.5") << Variant(1.5) << "#####.00" << "1.50" << "1,50";
        QTest::newRow("at least two digits") << Variant(1) << "#####00" << "01" << "01";
        QTest::newRow("hundred hours") << Variant(100) << "#####00" << "100" << "100";
        QTest::newRow("quantity") << Variant(5) << "########0.0" << "5.0" << "5,0";
        QTest::newRow("quantity decimals") << Variant(2.25) << "########0.00" << "2.25" << "2,25";
        QTest::newRow("four decimals") << Variant(1.23456) << "0.0000" << "1.2346" << "1,2346";
        QTest::newRow("optional decimals") << Variant(1.5) << "0.######" << "1.5" << "1,5";
        QTest::newRow("optional decimals whole") << Variant(2) << "0.######" << "2." << "2,";
        QTest::newRow("optional only") << Variant(0) << "###,###" << "" << "";
        QTest::newRow("optional grouping") << Variant(1234567) << "###,###" << "1,234,567" << "1.234.567";
        QTest::newRow("amount mask") << Variant(1234.5) << "###,###.00" << "1,234.50" << "1.234,50";
        QTest::newRow("percent") << Variant(0.256) << "0.0%" << "25.6%" << "25,6%";
        // VB keeps the sign of a negative value that rounds to zero.
        QTest::newRow("negative rounding to zero") << Variant(-0.001) << "0.00" << "-0.00" << "-0,00";
        QTest::newRow("negative section") << Variant(-5) << "0.00;(0.00)" << "(5.00)" << "(5,00)";
        QTest::newRow("zero section") << Variant(0) << "0.00;(0.00);\"cero\"" << "cero" << "cero";
        QTest::newRow("literal text") << Variant(5) << "\"N\" 000" << "N 005" << "N 005";
        QTest::newRow("long from double") << Variant(123456789012.0) << "0" << "123456789012" << "123456789012";
        QTest::newRow("boolean") << Variant(true) << "0" << "-1" << "-1";
        QTest::newRow("empty is zero") << Variant() << "0.00" << "0.00" << "0,00";
    }
    void numbers()
    {
        QFETCH(Variant, value);
        QFETCH(QString, pattern);
        QFETCH(QString, withPoint);
        QFETCH(QString, withComma);
        QCOMPARE(vb::Format(value, pattern), withPoint);
        vb::SetRegional(kComma);
        QCOMPARE(vb::Format(value, pattern), withComma);
    }

    void numericTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("commaRegion");
        QTest::addColumn<QString>("result");
        QTest::newRow("text point") << "1234.5" << "0.00" << false << "1234.50";
        QTest::newRow("text comma region") << "1234,5" << "0.00" << true << "1234,50";
        QTest::newRow("text grouped") << "1,234.5" << "#,##0.00" << false << "1,234.50";
        QTest::newRow("text blanks") << "  42 " << "0000" << false << "0042";
        QTest::newRow("text exact decimals") << "0.125" << "0.00" << false << "0.13";
        QTest::newRow("text not numeric") << "0.######" << "########0.00" << false << "0.######";
        QTest::newRow("text words") << "abc" << "0000" << false << "abc";
        QTest::newRow("empty text") << "" << "0000" << false << "";
    }
    void numericTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, commaRegion);
        QFETCH(QString, result);
        vb::SetRegional(commaRegion ? kComma : kPoint);
        QCOMPARE(vb::Format(Variant(text), pattern), result);
    }

    void dates_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("result");
        const Variant d(vb::MakeDate(QDate(2024, 3, 5), QTime(9, 7, 3)));
        const Variant pm(vb::MakeDate(QDate(2024, 12, 25), QTime(18, 45, 0)));
        QTest::newRow("dd/mm/yy") << d << "dd/mm/yy" << "05/03/24";
        QTest::newRow("dd/mm/yyyy") << d << "dd/mm/yyyy" << "05/03/2024";
        QTest::newRow("dd/mm/yy hh:mm") << d << "dd/mm/yy hh:mm" << "05/03/24 09:07";
        QTest::newRow("hh:mm") << pm << "hh:mm" << "18:45";
        QTest::newRow("h:mm") << d << "h:mm" << "9:07";
        QTest::newRow("hh") << d << "hh" << "09";
        QTest::newRow("dd") << d << "dd" << "05";
        QTest::newRow("yyyy") << d << "yyyy" << "2024";
        QTest::newRow("with seconds") << d << "dd/mm/yyyy hh:mm:ss" << "05/03/2024 09:07:03";
        QTest::newRow("upper case") << d << "DD/MM/YYYY" << "05/03/2024";
        QTest::newRow("compact") << d << "yyyymmdd" << "20240305";
        QTest::newRow("year first") << d << "yyyy/mm/dd" << "2024/03/05";
        QTest::newRow("nn minutes") << d << "hh:nn" << "09:07";
        QTest::newRow("minutes before seconds") << d << "mm:ss" << "07:03";
        QTest::newRow("single letters") << d << "d/m/yy" << "5/3/24";
        QTest::newRow("AM/PM") << pm << "hh:mm AM/PM" << "06:45 PM";
        QTest::newRow("quoted literal") << d << "dd \"de\" yyyy" << "05 de 2024";
        QTest::newRow("date text") << Variant("15/03/2024") << "dd/mm/yyyy" << "15/03/2024";
        QTest::newRow("date text short year") << Variant("5/3/24 10:15") << "dd/mm/yyyy hh:mm" << "05/03/2024 10:15";
        QTest::newRow("date text without year") << Variant("15/3") << "dd/mm/yyyy" << "15/03/2025";
        QTest::newRow("ISO text") << Variant("2024-03-15") << "DD/MM/YYYY" << "15/03/2024";
        QTest::newRow("text not a date") << Variant("abc") << "dd/mm/yyyy" << "abc";
        QTest::newRow("serial number") << Variant(45366) << "dd/mm/yyyy" << "15/03/2024";
        QTest::newRow("named short date") << d << "Short Date" << "05/03/2024";
    }
    void dates()
    {
        QFETCH(Variant, value);
        QFETCH(QString, pattern);
        QFETCH(QString, result);
        QCOMPARE(vb::Format(value, pattern), result);
        vb::SetRegional(kComma);
        QCOMPARE(vb::Format(value, pattern), result);   // dates do not depend on the number settings
    }

    void noPatternIsCStr()
    {
        QCOMPARE(vb::Format(Variant(12.5)), QStringLiteral("12.5"));
        QCOMPARE(vb::Format(Variant(QDate(2024, 3, 15))), QStringLiteral("15/03/2024"));
        vb::SetRegional(kComma);
        QCOMPARE(vb::Format(Variant(12.5), QString()), QStringLiteral("12,5"));
    }

    void nullGivesEmpty()
    {
        QCOMPARE(vb::Format(Variant::Null(), QStringLiteral("0000")), QString());
        QCOMPARE(vb::Format(Variant::Null(), QStringLiteral("dd/mm/yyyy")), QString());
        QCOMPARE(vb::Format(Variant::Null()), QString());
    }
};

QTEST_GUILESS_MAIN(TestFormat)
#include "tst_vb_format.moc"
