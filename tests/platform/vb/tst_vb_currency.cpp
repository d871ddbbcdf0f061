// Currency: exact ten-thousandths, half-to-even rounding, overflow 6, division by zero 11.
#include "platform/vb/Currency.h"
#include "platform/vb/Regional.h"
#include "platform/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include <QTest>
#include <limits>

using vb::Currency;

namespace {
Currency cur(const char* text)
{
    Currency c;
    if (!Currency::tryParse(QString::fromLatin1(text), c))
        qFatal("bad currency literal %s", text);
    return c;
}
} // namespace

class TestCurrency : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetRegional({QLatin1Char('.'), QLatin1Char(','), 2}); }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decimalSep");
        QTest::addColumn<QString>("groupSep");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("plain") << "12.5" << "." << "" << true << qint64(125000);
        QTest::newRow("tiny negative") << "-0.0001" << "." << "" << true << qint64(-1);
        QTest::newRow("plus sign") << "+3" << "." << "" << true << qint64(30000);
        QTest::newRow("blanks around") << " 7 " << "." << "" << true << qint64(70000);
        QTest::newRow("leading point") << ".5" << "." << "" << true << qint64(5000);
        QTest::newRow("trailing point") << "5." << "." << "" << true << qint64(50000);
        QTest::newRow("grouped") << "1,234.56" << "." << "," << true << qint64(12345600);
        QTest::newRow("comma decimals") << "1.234,56" << "," << "." << true << qint64(12345600);
        QTest::newRow("fifth decimal half, to even 0") << "0.00005" << "." << "" << true << qint64(0);
        QTest::newRow("fifth decimal half, to even 2") << "0.00015" << "." << "" << true << qint64(2);
        QTest::newRow("fifth decimal half, stays 2") << "0.00025" << "." << "" << true << qint64(2);
        QTest::newRow("just above half") << "0.000250001" << "." << "" << true << qint64(3);
        QTest::newRow("negative half") << "-0.00015" << "." << "" << true << qint64(-2);
        QTest::newRow("largest") << "922337203685477.5807" << "." << "" << true
                                 << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << "-922337203685477.5808" << "." << "" << true
                                  << std::numeric_limits<qint64>::min();
        QTest::newRow("letters") << "abc" << "." << "" << false << qint64(0);
        QTest::newRow("empty") << "" << "." << "" << false << qint64(0);
        QTest::newRow("exponent") << "1e3" << "." << "" << false << qint64(0);
        QTest::newRow("two points") << "1.2.3" << "." << "" << false << qint64(0);
        QTest::newRow("group without grouping") << "1,234" << "." << "" << false << qint64(0);
        QTest::newRow("group at start") << ",5" << "." << "," << false << qint64(0);
        QTest::newRow("group after point") << "1.2,5" << "." << "," << false << qint64(0);
        QTest::newRow("sign only") << "-" << "." << "" << false << qint64(0);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, decimalSep);
        QFETCH(QString, groupSep);
        QFETCH(bool, ok);
        QFETCH(qint64, raw);
        Currency c;
        const bool parsed = Currency::tryParse(text, c, decimalSep.at(0),
                                               groupSep.isEmpty() ? QChar() : groupSep.at(0));
        QCOMPARE(parsed, ok);
        if (ok)
            QCOMPARE(c.raw(), raw);
    }

    void parseOverflowRaises6()
    {
        Currency c;
        QCOMPARE(testsupport::ErrorOf([&] { Currency::tryParse(QStringLiteral("922337203685477.5808"), c); }), 6);
        QCOMPARE(testsupport::ErrorOf([&] { Currency::tryParse(QStringLiteral("99999999999999999999"), c); }), 6);
    }

    void pointOnePlusPointTwo()
    {
        QVERIFY(cur("0.1") + cur("0.2") == cur("0.3"));
        QCOMPARE((Currency::fromDouble(0.1) + Currency::fromDouble(0.2)).raw(), qint64(3000));
        QCOMPARE(Currency::fromDouble(2.675).raw(), qint64(26750));
        QCOMPARE(Currency::fromDouble(-1.1).raw(), qint64(-11000));
    }

    void arithmetic_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<char>("op");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("result");
        QTest::newRow("add") << "1234.5678" << '+' << "0.4322" << "1235";
        QTest::newRow("subtract below zero") << "1" << '-' << "1.0001" << "-0.0001";
        QTest::newRow("multiply") << "1.5" << '*' << "1.5" << "2.25";
        QTest::newRow("multiply half to even down") << "0.0001" << '*' << "0.5" << "0";
        QTest::newRow("multiply half to even up") << "0.0003" << '*' << "0.5" << "0.0002";
        QTest::newRow("multiply negative") << "-2.5" << '*' << "4" << "-10";
        QTest::newRow("divide thirds") << "1" << '/' << "3" << "0.3333";
        QTest::newRow("divide two thirds") << "2" << '/' << "3" << "0.6667";
        QTest::newRow("divide half to even") << "0.0001" << '/' << "2" << "0";
        QTest::newRow("divide half to even up") << "0.0003" << '/' << "2" << "0.0002";
        QTest::newRow("divide negative") << "-10" << '/' << "4" << "-2.5";
    }
    void arithmetic()
    {
        QFETCH(QString, a);
        QFETCH(char, op);
        QFETCH(QString, b);
        QFETCH(QString, result);
        Currency x, y;
        QVERIFY(Currency::tryParse(a, x));
        QVERIFY(Currency::tryParse(b, y));
        const Currency r = op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
        QCOMPARE(r.toString(), result);
    }

    void errors_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("number");
        QTest::newRow("divide by zero") << 0 << 11;
        QTest::newRow("max plus tiny") << 1 << 6;
        QTest::newRow("min minus tiny") << 2 << 6;
        QTest::newRow("max times two") << 3 << 6;
        QTest::newRow("negate min") << 4 << 6;
        QTest::newRow("fromInt too big") << 5 << 6;
        QTest::newRow("fromDouble too big") << 6 << 6;
        QTest::newRow("max times itself") << 7 << 6;
        QTest::newRow("rounding max up") << 8 << 6;
    }
    void errors()
    {
        QFETCH(int, which);
        QFETCH(int, number);
        const Currency max = Currency::fromRaw(std::numeric_limits<qint64>::max());
        const Currency min = Currency::fromRaw(std::numeric_limits<qint64>::min());
        const Currency tiny = Currency::fromRaw(1);
        const std::function<void()> ops[] = {
            [&] { (void)(cur("1") / Currency()); },
            [&] { (void)(max + tiny); },
            [&] { (void)(min - tiny); },
            [&] { (void)(max * qint64(2)); },
            [&] { (void)(-min); },
            [&] { (void)Currency::fromInt(1000000000000000LL); },
            [&] { (void)Currency::fromDouble(1e16); },
            [&] { (void)(max * max); },
            [&] { (void)max.rounded(0); },
        };
        QCOMPARE(testsupport::ErrorOf(ops[which]), number);
    }

    void rounding_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("2.5 to even") << "2.5" << 0 << "2";
        QTest::newRow("3.5 to even") << "3.5" << 0 << "4";
        QTest::newRow("-2.5 to even") << "-2.5" << 0 << "-2";
        QTest::newRow("1.005 down") << "1.005" << 2 << "1.00";
        QTest::newRow("1.015 up") << "1.015" << 2 << "1.02";
        QTest::newRow("1.0051 up") << "1.0051" << 2 << "1.01";
        QTest::newRow("pads") << "1234.5" << 2 << "1234.50";
        QTest::newRow("four") << "0.1" << 4 << "0.1000";
        QTest::newRow("small negative") << "-0.004" << 2 << "0.00";
        QTest::newRow("negative") << "-0.0451" << 2 << "-0.05";
    }
    void rounding()
    {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, fixed);
        Currency c;
        QVERIFY(Currency::tryParse(value, c));
        QCOMPARE(c.toFixed(decimals), fixed);
        QCOMPARE(c.rounded(decimals).toFixed(decimals), fixed);
    }

    void text()
    {
        QCOMPARE(cur("12.5").toString(), QStringLiteral("12.5"));
        QCOMPARE(cur("-0.0001").toString(), QStringLiteral("-0.0001"));
        QCOMPARE(cur("3").toString(), QStringLiteral("3"));
        QCOMPARE(cur("0").toString(), QStringLiteral("0"));
        QCOMPARE(Currency::fromRaw(std::numeric_limits<qint64>::min()).toString(),
                 QStringLiteral("-922337203685477.5808"));
        QCOMPARE(cur("2.5").toDouble(), 2.5);
    }

    void ordering()
    {
        QVERIFY(cur("1.0001") > cur("1"));
        QVERIFY(cur("-1") < cur("0"));
        QVERIFY(cur("7") == Currency::fromInt(7));
    }
};

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_vb_currency.moc"
