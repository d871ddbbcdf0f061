// IsNumeric (a number as the operator types it), IsDate / ParseDate / CDate (day first, ISO, missing year = this
// year by the program clock).
#include "platform/vb/App.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include <QTest>

namespace {
const vb::RegionalSettings kPoint{QLatin1Char('.'), QLatin1Char(','), 2};
const vb::RegionalSettings kComma{QLatin1Char(','), QLatin1Char('.'), 2};
}

class TestParse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vb::SetRegional(kPoint);
        vb::App::SetClock([] { return vb::MakeDate(QDate(2025, 6, 10), QTime(12, 0)); });
    }
    void cleanupTestCase() { vb::App::ResetAll(); }
    void cleanup() { vb::SetRegional(kPoint); }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withPoint");
        QTest::addColumn<bool>("withComma");
        QTest::newRow("digits") << "12" << true << true;
        QTest::newRow("blanks around") << " 12 " << true << true;
        QTest::newRow("minus") << "-12" << true << true;
        QTest::newRow("plus") << "+3" << true << true;
        QTest::newRow("point decimals") << "-12.5" << true << false;   // "." groups threes under ","
        QTest::newRow("comma decimals") << "12,5" << false << true;    // "," groups threes under "."
        QTest::newRow("one group of three") << "1.234" << true << true;
        QTest::newRow("groups of three") << "25.000.000" << false << true;
        QTest::newRow("groups of three, point") << "1,234,567.89" << true << false;
        QTest::newRow("group of two") << "12,50" << false << true;
        QTest::newRow("uneven groups") << "1,23,456" << false << false;
        QTest::newRow("first group too long") << "1234,567" << false << true;   // "," is the decimal one
        QTest::newRow("grouping after the decimals") << "1.234,567.8" << false << false;
        QTest::newRow("grouped") << "1,234.5" << true << false;
        QTest::newRow("grouped comma region") << "1.234,5" << false << true;
        QTest::newRow("leading decimal") << ".5" << true << false;
        QTest::newRow("trailing decimal") << "5." << true << false;
        QTest::newRow("exponent") << "1e3" << false << false;
        QTest::newRow("hex") << "&H10" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("blank") << " " << false << false;
        QTest::newRow("point alone") << "." << false << false;
        QTest::newRow("two decimals") << "1.2.3" << false << false;
        QTest::newRow("trailing letters") << "12abc" << false << false;
        QTest::newRow("group first") << ",5" << false << true;
        QTest::newRow("sign then blank") << "- 5" << false << false;
        QTest::newRow("two signs") << "--5" << false << false;
        QTest::newRow("trailing sign") << "5-" << false << false;
        QTest::newRow("tab") << "\t5" << false << false;
        QTest::newRow("currency sign") << "$5" << false << false;
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, withPoint);
        QFETCH(bool, withComma);
        QCOMPARE(vb::IsNumeric(text), withPoint);
        QCOMPARE(vb::IsNumeric(vb::Variant(text)), withPoint);
        vb::SetRegional(kComma);
        QCOMPARE(vb::IsNumeric(text), withComma);
    }

    void isNumericOfVariants()
    {
        QVERIFY(vb::IsNumeric(vb::Variant()));
        QVERIFY(!vb::IsNumeric(vb::Variant::Null()));
        QVERIFY(vb::IsNumeric(vb::Variant(2.5)));
        QVERIFY(vb::IsNumeric(vb::Variant(true)));
        QVERIFY(!vb::IsNumeric(vb::Variant(QDate(2024, 1, 1))));
        QVERIFY(vb::IsNumeric("1e3") == false);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("date");   // invalid: not a date
        auto d = [](int y, int m, int day, int h = 0, int n = 0, int s = 0) {
            return vb::MakeDate(QDate(y, m, day), QTime(h, n, s));
        };
        QTest::newRow("day and month: this year") << "15/3" << d(2025, 3, 15);
        QTest::newRow("one digit each") << "1/2" << d(2025, 2, 1);
        QTest::newRow("full") << "15/03/2024" << d(2024, 3, 15);
        QTest::newRow("two-digit year") << "15/03/24" << d(2024, 3, 15);
        QTest::newRow("window 29") << "1/1/29" << d(2029, 1, 1);
        QTest::newRow("window 30") << "1/1/30" << d(1930, 1, 1);
        QTest::newRow("window 95") << "15/03/95" << d(1995, 3, 15);
        QTest::newRow("dashes") << "15-03-2024" << d(2024, 3, 15);
        QTest::newRow("dots") << "15.03.2024" << d(2024, 3, 15);
        QTest::newRow("blanks around") << "  15/03/2024 " << d(2024, 3, 15);
        QTest::newRow("with time") << "15/03/2024 10:30" << d(2024, 3, 15, 10, 30);
        QTest::newRow("with seconds") << "05/03/24 09:07:03" << d(2024, 3, 5, 9, 7, 3);
        QTest::newRow("no year with time") << "15/3 8:05" << d(2025, 3, 15, 8, 5);
        QTest::newRow("leap day") << "29/02/2024" << d(2024, 2, 29);
        QTest::newRow("ISO") << "2024-03-15" << d(2024, 3, 15);
        QTest::newRow("ISO with time") << "2024-03-15 10:30:00" << d(2024, 3, 15, 10, 30);
        QTest::newRow("ISO with T") << "2024-03-15T10:30" << d(2024, 3, 15, 10, 30);
        QTest::newRow("ISO with milliseconds") << "2024-03-15 10:30:00.000" << d(2024, 3, 15, 10, 30);
        QTest::newRow("year first with slashes") << "2024/03/15" << d(2024, 3, 15);
        QTest::newRow("time alone") << "10:30" << d(1899, 12, 30, 10, 30);
        QTest::newRow("31 February") << "31/02/2024" << QDateTime();
        QTest::newRow("29 February 2023") << "29/02/2023" << QDateTime();
        QTest::newRow("month 13") << "01/13/2024" << QDateTime();
        QTest::newRow("month first is not read") << "3/15/2024" << QDateTime();
        QTest::newRow("hour 25") << "15/03/2024 25:00" << QDateTime();
        QTest::newRow("minute 60") << "15/03/2024 10:60" << QDateTime();
        QTest::newRow("three-digit year") << "15/3/124" << QDateTime();
        QTest::newRow("mixed separators") << "15/03-2024" << QDateTime();
        QTest::newRow("trailing text") << "15/03/2024x" << QDateTime();
        QTest::newRow("number") << "15" << QDateTime();
        QTest::newRow("decimal number is no date") << "15.5" << QDateTime();
        QTest::newRow("dots without year") << "15.05" << QDateTime();
        QTest::newRow("empty") << "" << QDateTime();
        QTest::newRow("words") << "hoy" << QDateTime();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, date);
        QCOMPARE(vb::IsDate(text), date.isValid());
        QDateTime out;
        QCOMPARE(vb::ParseDate(text, out), date.isValid());
        if (date.isValid()) {
            QCOMPARE(out, date);
            QCOMPARE(vb::CDate(text), date);
            QCOMPARE(out.timeSpec(), Qt::UTC);
        } else {
            try {
                vb::CDate(text);
                QFAIL("CDate accepted a text that is not a date");
            } catch (const vb::VbError& e) {
                QCOMPARE(e.Number, 13);
            }
        }
    }

    void missingYearFollowsClock()
    {
        vb::App::SetClock([] { return vb::MakeDate(QDate(2031, 1, 1)); });
        QCOMPARE(vb::CDate("15/3").date(), QDate(2031, 3, 15));
        vb::App::SetClock([] { return vb::MakeDate(QDate(2025, 6, 10), QTime(12, 0)); });
    }

    void monthFirstLocaleChangesNothing()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const bool stillDayFirst = vb::CDate("02/03/2024").date() == QDate(2024, 3, 2);
        QLocale::setDefault(previous);
        QVERIFY(stillDayFirst);
    }

    void isDateOfVariants()
    {
        QVERIFY(vb::IsDate(vb::Variant(QDate(2024, 1, 1))));
        QVERIFY(!vb::IsDate(vb::Variant(45000)));
        QVERIFY(!vb::IsDate(vb::Variant::Null()));
        QVERIFY(vb::IsDate(vb::Variant("15/3")));
    }
};

QTEST_GUILESS_MAIN(TestParse)
#include "tst_vb_parse.moc"
