// Variant: VB's conversions (CInt/CLng half to even, error 6, CStr in the regional
// format), values from database drivers, and comparisons.
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include <QTest>
#include <functional>

using vb::Currency;
using vb::Variant;
using vb::VarType;

Q_DECLARE_METATYPE(vb::Variant)

namespace {
Currency cur(const char* s)
{
    Currency c;
    Currency::tryParse(QString::fromLatin1(s), c);
    return c;
}
const vb::RegionalSettings kPoint{QLatin1Char('.'), QLatin1Char(','), 2};
const vb::RegionalSettings kComma{QLatin1Char(','), QLatin1Char('.'), 2};
} // namespace

class TestVariant : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetRegional(kPoint); }
    void cleanup() { vb::SetRegional(kPoint); }

    void wholeNumbers_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<int>("cint");    // expected CInt, or the error number when error > 0
        QTest::addColumn<int>("intError");
        QTest::addColumn<qint64>("clng");
        QTest::addColumn<int>("lngError");
        QTest::newRow("2.5 to 2") << Variant(2.5) << 2 << 0 << qint64(2) << 0;
        QTest::newRow("3.5 to 4") << Variant(3.5) << 4 << 0 << qint64(4) << 0;
        QTest::newRow("0.5 to 0") << Variant(0.5) << 0 << 0 << qint64(0) << 0;
        QTest::newRow("1.5 to 2") << Variant(1.5) << 2 << 0 << qint64(2) << 0;
        QTest::newRow("-2.5 to -2") << Variant(-2.5) << -2 << 0 << qint64(-2) << 0;
        QTest::newRow("-3.5 to -4") << Variant(-3.5) << -4 << 0 << qint64(-4) << 0;
        QTest::newRow("2.51 to 3") << Variant(2.51) << 3 << 0 << qint64(3) << 0;
        QTest::newRow("40000 overflows Integer") << Variant(40000.0) << 0 << 6 << qint64(40000) << 0;
        QTest::newRow("Long 40000 overflows Integer") << Variant(40000) << 0 << 6 << qint64(40000) << 0;
        QTest::newRow("32767.5 rounds over") << Variant(32767.5) << 0 << 6 << qint64(32768) << 0;
        QTest::newRow("-32768.5 stays") << Variant(-32768.5) << -32768 << 0 << qint64(-32768) << 0;
        QTest::newRow("Long limit") << Variant(2147483647.4) << 0 << 6 << qint64(2147483647) << 0;
        QTest::newRow("past Long") << Variant(2147483647.5) << 0 << 6 << qint64(0) << 6;
        QTest::newRow("currency half") << Variant(cur("2.5")) << 2 << 0 << qint64(2) << 0;
        QTest::newRow("currency 3.5") << Variant(cur("3.5")) << 4 << 0 << qint64(4) << 0;
        QTest::newRow("text 2.5") << Variant("2.5") << 2 << 0 << qint64(2) << 0;
        QTest::newRow("text grouped") << Variant("1,234") << 1234 << 0 << qint64(1234) << 0;
        QTest::newRow("text not a number") << Variant("abc") << 0 << 13 << qint64(0) << 13;
        QTest::newRow("Null") << Variant::Null() << 0 << 94 << qint64(0) << 94;
        QTest::newRow("Empty") << Variant() << 0 << 0 << qint64(0) << 0;
        QTest::newRow("True") << Variant(true) << -1 << 0 << qint64(-1) << 0;
    }
    void wholeNumbers()
    {
        QFETCH(Variant, value);
        QFETCH(int, cint);
        QFETCH(int, intError);
        QFETCH(qint64, clng);
        QFETCH(int, lngError);
        qint16 i = 0;
        QCOMPARE(testsupport::ErrorOf([&] { i = vb::CInt(value); }), intError);
        if (!intError)
            QCOMPARE(int(i), cint);
        qint32 l = 0;
        QCOMPARE(testsupport::ErrorOf([&] { l = vb::CLng(value); }), lngError);
        if (!lngError)
            QCOMPARE(qint64(l), clng);
    }

    void roundHelpers()
    {
        QCOMPARE(vb::RoundToInt(2.5), qint16(2));
        QCOMPARE(vb::RoundToLong(3.5), 4);
        QCOMPARE(testsupport::ErrorOf([] { vb::RoundToInt(40000); }), 6);
        QCOMPARE(testsupport::ErrorOf([] { vb::RoundToLong(1e10); }), 6);
    }

    void cstr_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("withPoint");
        QTest::addColumn<QString>("withComma");
        QTest::newRow("Empty") << Variant() << "" << "";
        QTest::newRow("Integer") << Variant(qint16(-7)) << "-7" << "-7";
        QTest::newRow("Long") << Variant(1234567) << "1234567" << "1234567";
        QTest::newRow("Double") << Variant(1.5) << "1.5" << "1,5";
        QTest::newRow("Double below one") << Variant(0.5) << "0.5" << "0,5";
        QTest::newRow("Double negative") << Variant(-0.25) << "-0.25" << "-0,25";
        QTest::newRow("0.1 + 0.2") << Variant(0.1 + 0.2) << "0.3" << "0,3";
        QTest::newRow("15 digits") << Variant(123456789012345.0) << "123456789012345" << "123456789012345";
        QTest::newRow("1E+15") << Variant(1e15) << "1E+15" << "1E+15";
        QTest::newRow("1E-05") << Variant(0.00001) << "1E-05" << "1E-05";
        QTest::newRow("0.0001") << Variant(0.0001) << "0.0001" << "0,0001";
        QTest::newRow("Currency") << Variant(cur("12.5")) << "12.5" << "12,5";
        QTest::newRow("Currency whole") << Variant(cur("3")) << "3" << "3";
        QTest::newRow("Date") << Variant(QDate(2024, 3, 15)) << "15/03/2024" << "15/03/2024";
        QTest::newRow("Date and time")
            << Variant(vb::MakeDate(QDate(2024, 3, 5), QTime(9, 7, 3))) << "05/03/2024 09:07:03"
            << "05/03/2024 09:07:03";
        QTest::newRow("time alone")
            << Variant(vb::MakeDate(QDate(1899, 12, 30), QTime(10, 30))) << "10:30:00" << "10:30:00";
        QTest::newRow("True") << Variant(true) << "True" << "True";
        QTest::newRow("String") << Variant(" a ") << " a " << " a ";
    }
    void cstr()
    {
        QFETCH(Variant, value);
        QFETCH(QString, withPoint);
        QFETCH(QString, withComma);
        QCOMPARE(vb::CStr(value), withPoint);
        vb::SetRegional(kComma);
        QCOMPARE(vb::CStr(value), withComma);
    }

    void cstrOfNullRaises94() { QCOMPARE(testsupport::ErrorOf([] { vb::CStr(Variant::Null()); }), 94); }

    void cdbl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("commaRegion");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("point") << "1.5" << false << 1.5 << 0;
        QTest::newRow("comma region") << "1,5" << true << 1.5 << 0;
        QTest::newRow("comma region grouped") << "1.234,5" << true << 1234.5 << 0;
        QTest::newRow("grouped") << "1,234.5" << false << 1234.5 << 0;
        QTest::newRow("exponent") << "1e3" << false << 1000.0 << 0;
        QTest::newRow("blanks") << "  -2 " << false << -2.0 << 0;
        QTest::newRow("letters") << "12abc" << false << 0.0 << 13;
        QTest::newRow("empty") << "" << false << 0.0 << 13;
        QTest::newRow("huge") << "1e400" << false << 0.0 << 6;
    }
    void cdbl()
    {
        QFETCH(QString, text);
        QFETCH(bool, commaRegion);
        QFETCH(double, value);
        QFETCH(int, error);
        vb::SetRegional(commaRegion ? kComma : kPoint);
        double d = 0;
        QCOMPARE(testsupport::ErrorOf([&] { d = vb::CDbl(Variant(text)); }), error);
        if (!error)
            QCOMPARE(d, value);
    }

    void ccur()
    {
        QCOMPARE(vb::CCur(Variant(0.1)).raw(), qint64(1000));
        QCOMPARE(vb::CCur(Variant("12.34567")).raw(), qint64(123457));
        QCOMPARE(vb::CCur(Variant(7)).raw(), qint64(70000));
        QCOMPARE(testsupport::ErrorOf([] { vb::CCur(Variant("x")); }), 13);
        QCOMPARE(testsupport::ErrorOf([] { vb::CCur(Variant(1e300)); }), 6);
        vb::SetRegional(kComma);
        QCOMPARE(vb::CCur(Variant("1.234,5")).raw(), qint64(12345000));
    }

    void cdate()
    {
        QCOMPARE(vb::CDate(Variant("15/03/2024 10:30")), vb::MakeDate(QDate(2024, 3, 15), QTime(10, 30)));
        QCOMPARE(vb::CDate(Variant(45366.5)), vb::MakeDate(QDate(2024, 3, 15), QTime(12, 0)));
        QCOMPARE(vb::CDate(Variant(0.0)), vb::MakeDate(QDate(1899, 12, 30)));
        QCOMPARE(vb::CDbl(Variant(QDate(2024, 3, 15))), 45366.0);
        QCOMPARE(vb::CDate(Variant(-1.25)), vb::MakeDate(QDate(1899, 12, 29), QTime(6, 0)));
        QCOMPARE(vb::CDbl(Variant(vb::MakeDate(QDate(1899, 12, 29), QTime(6, 0)))), -1.25);
        QCOMPARE(testsupport::ErrorOf([] { vb::CDate(Variant("31/02/2024")); }), 13);
        QCOMPARE(testsupport::ErrorOf([] { vb::CDate(Variant("45366")); }), 13);   // a text must read as a date
        QCOMPARE(testsupport::ErrorOf([] { vb::CDate(Variant::Null()); }), 94);
    }

    void cbool()
    {
        QCOMPARE(vb::CBool(Variant(0)), false);
        QCOMPARE(vb::CBool(Variant(-1)), true);
        QCOMPARE(vb::CBool(Variant(0.5)), true);
        QCOMPARE(vb::CBool(Variant("True")), true);
        QCOMPARE(vb::CBool(Variant("falso")), false);
        QCOMPARE(vb::CBool(Variant("0")), false);
        QCOMPARE(testsupport::ErrorOf([] { vb::CBool(Variant("yes")); }), 13);
    }

    void fromDriver_data()
    {
        QTest::addColumn<QVariant>("in");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("invalid") << QVariant() << int(VarType::Null) << "";
        QTest::newRow("typed null") << QVariant(QMetaType::fromType<int>()) << int(VarType::Null) << "";
        QTest::newRow("typed null text") << QVariant(QMetaType::fromType<QString>()) << int(VarType::Null) << "";
        QTest::newRow("int") << QVariant(5) << int(VarType::Long) << "5";
        QTest::newRow("short") << QVariant::fromValue<short>(5) << int(VarType::Long) << "5";
        QTest::newRow("big int64") << QVariant(qlonglong(5000000000LL)) << int(VarType::Double) << "5000000000";
        QTest::newRow("small int64") << QVariant(qlonglong(-12)) << int(VarType::Long) << "-12";
        QTest::newRow("uint big") << QVariant(uint(3000000000u)) << int(VarType::Double) << "3000000000";
        QTest::newRow("double") << QVariant(2.25) << int(VarType::Double) << "2.25";
        QTest::newRow("string") << QVariant(QStringLiteral("abc")) << int(VarType::String) << "abc";
        QTest::newRow("empty string") << QVariant(QStringLiteral("")) << int(VarType::String) << "";
        QTest::newRow("bool") << QVariant(true) << int(VarType::Boolean) << "True";
        QTest::newRow("bytes latin-1") << QVariant(QByteArray("caf\xe9")) << int(VarType::String)
                                       << QString::fromUtf8("café");
        QTest::newRow("date") << QVariant(QDate(2024, 3, 15)) << int(VarType::Date) << "15/03/2024";
        QTest::newRow("local date-time")
            << QVariant(QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::LocalTime)) << int(VarType::Date)
            << "31/03/2024 02:30:00";
    }
    void fromDriver()
    {
        QFETCH(QVariant, in);
        QFETCH(int, type);
        QFETCH(QString, text);
        const Variant v = Variant::fromQVariant(in);
        QCOMPARE(int(v.type()), type);
        if (!v.isNull())
            QCOMPARE(vb::CStr(v), text);
    }

    void dateIsNaive()
    {
        const Variant v(QDateTime(QDate(2024, 3, 15), QTime(23, 30), Qt::OffsetFromUTC, 3 * 3600));
        QCOMPARE(vb::CDate(v).date(), QDate(2024, 3, 15));
        QCOMPARE(vb::CDate(v).time(), QTime(23, 30));
        QCOMPARE(vb::CDate(v).timeSpec(), Qt::UTC);
    }

    void toDriver()
    {
        QCOMPARE(Variant(5).toQVariant(), QVariant(5));
        QCOMPARE(Variant("x").toQVariant(), QVariant(QStringLiteral("x")));
        QVERIFY(!Variant::Null().toQVariant().isValid());
        QCOMPARE(Variant(cur("1.25")).toQVariant().toDouble(), 1.25);
    }

    void regionalFromLocale()
    {
        const vb::RegionalSettings r = vb::RegionalSettings::fromSystemLocale();
        QCOMPARE(QString(r.decimalSeparator), QLocale::system().decimalPoint().left(1));
        QVERIFY(r.thousandsSeparator != r.decimalSeparator);
        QCOMPARE(r.moneyDecimals, 2);
    }

    void int64Constructor()
    {
        QCOMPARE(int(Variant(QLatin1String("x")).type()), int(VarType::String));
        QCOMPARE(int(Variant(qint64(7)).type()), int(VarType::Long));
        QCOMPARE(int(Variant(qint64(1) << 40).type()), int(VarType::Double));
    }

    void compare_data()
    {
        QTest::addColumn<Variant>("a");
        QTest::addColumn<Variant>("b");
        QTest::addColumn<bool>("textCompare");
        QTest::addColumn<int>("result");
        QTest::newRow("long and double") << Variant(1) << Variant(1.0) << false << 0;
        QTest::newRow("long below double") << Variant(1) << Variant(1.5) << false << -1;
        QTest::newRow("currency and long") << Variant(cur("2")) << Variant(2) << false << 0;
        QTest::newRow("currency exact") << Variant(cur("0.3")) << Variant(cur("0.1") + cur("0.2")) << false << 0;
        QTest::newRow("texts binary") << Variant("abc") << Variant("abd") << false << -1;
        QTest::newRow("case binary") << Variant("a") << Variant("A") << false << 1;
        QTest::newRow("case text") << Variant("a") << Variant("A") << true << 0;
        QTest::newRow("number and numeric text") << Variant(5) << Variant("5") << false << 0;
        QTest::newRow("numeric text and number") << Variant("10") << Variant(9) << false << 1;
        QTest::newRow("number and text") << Variant(5) << Variant("x") << false << -1;
        QTest::newRow("Empty and zero") << Variant() << Variant(0) << false << 0;
        QTest::newRow("Empty and empty text") << Variant() << Variant("") << false << 0;
        QTest::newRow("Empty and text") << Variant() << Variant("a") << false << -1;
        QTest::newRow("dates") << Variant(QDate(2024, 1, 1)) << Variant(QDate(2024, 1, 2)) << false << -1;
        QTest::newRow("date and date text") << Variant(QDate(2024, 3, 15)) << Variant("15/03/2024") << false << 0;
        QTest::newRow("date before date text") << Variant(QDate(2024, 3, 15)) << Variant("16/3/24") << false << -1;
        QTest::newRow("booleans") << Variant(true) << Variant(-1) << false << 0;
    }
    void compare()
    {
        QFETCH(Variant, a);
        QFETCH(Variant, b);
        QFETCH(bool, textCompare);
        QFETCH(int, result);
        QCOMPARE(vb::Compare(a, b, textCompare), result);
        QCOMPARE(vb::Compare(b, a, textCompare), -result);
    }

    void compareNullRaises94()
    {
        QCOMPARE(testsupport::ErrorOf([] { vb::Compare(Variant::Null(), Variant(1)); }), 94);
        QCOMPARE(testsupport::ErrorOf([] { (void)(Variant("a") == Variant::Null()); }), 94);
    }

    void kinds()
    {
        QVERIFY(vb::IsNull(Variant::Null()));
        QVERIFY(vb::IsEmpty(Variant()));
        QVERIFY(!vb::IsEmpty(Variant("")));
        QVERIFY(Variant(true).isNumeric());
        QVERIFY(!Variant("1").isNumeric());
        QCOMPARE(int(Variant(qint16(1)).type()), 2);
        QCOMPARE(int(Variant(1).type()), 3);
        QCOMPARE(int(Variant(cur("1")).type()), 6);
        QCOMPARE(int(Variant("1").type()), 8);
        QCOMPARE(int(Variant(true).type()), 11);
    }
};

QTEST_GUILESS_MAIN(TestVariant)
#include "tst_vb_variant.moc"
