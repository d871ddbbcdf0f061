// Text functions with the meanings the suite relies on, and Val/Str.
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include <QTest>
#include <functional>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }
} // namespace

class TestStrings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetRegional({QLatin1Char('.'), QLatin1Char(','), 2}); }
    void cleanup() { vb::SetRegional({QLatin1Char('.'), QLatin1Char(','), 2}); }

    void trims_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("trim");
        QTest::addColumn<QString>("ltrim");
        QTest::addColumn<QString>("rtrim");
        QTest::newRow("blanks") << "  a b  " << "a b" << "a b  " << "  a b";
        QTest::newRow("tab kept") << "  a\t " << "a\t" << "a\t " << "  a\t";
        QTest::newRow("tabs outside kept") << "\t a \t" << "\t a \t" << "\t a \t" << "\t a \t";
        QTest::newRow("line breaks kept") << "\r\n x \r\n" << "\r\n x \r\n" << "\r\n x \r\n" << "\r\n x \r\n";
        QTest::newRow("no-break space kept") << u("\u00a0x ") << u("\u00a0x") << u("\u00a0x ") << u("\u00a0x");
        QTest::newRow("only blanks") << "   " << "" << "" << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void trims()
    {
        QFETCH(QString, in);
        QFETCH(QString, trim);
        QFETCH(QString, ltrim);
        QFETCH(QString, rtrim);
        QCOMPARE(vb::Trim(in), trim);
        QCOMPARE(vb::LTrim(in), ltrim);
        QCOMPARE(vb::RTrim(in), rtrim);
    }

    void caseAndLength()
    {
        QCOMPARE(vb::UCase(u("ñandú abc")), u("ÑANDÚ ABC"));
        QCOMPARE(vb::LCase(u("ÁRBOL")), u("árbol"));
        QCOMPARE(vb::Len(u("año")), 3);
        QCOMPARE(vb::Len(QString()), 0);
    }

    void pieces_data()
    {
        QTest::addColumn<QString>("expr");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("error");
        QTest::newRow("Left") << "Left(abcdef,2)" << "ab" << 0;
        QTest::newRow("Left past end") << "Left(abc,5)" << "abc" << 0;
        QTest::newRow("Left zero") << "Left(abc,0)" << "" << 0;
        QTest::newRow("Left negative") << "Left(abc,-1)" << "" << 5;
        QTest::newRow("Right") << "Right(abcdef,2)" << "ef" << 0;
        QTest::newRow("Right past start") << "Right(abc,9)" << "abc" << 0;
        QTest::newRow("Right negative") << "Right(abc,-1)" << "" << 5;
        QTest::newRow("Mid") << "Mid(abcdef,2,3)" << "bcd" << 0;
        QTest::newRow("Mid to end") << "Mid(abcdef,4)" << "def" << 0;
        QTest::newRow("Mid long length") << "Mid(abcdef,5,10)" << "ef" << 0;
        QTest::newRow("Mid past end") << "Mid(abc,5)" << "" << 0;
        QTest::newRow("Mid past end with length") << "Mid(abc,4,2)" << "" << 0;
        QTest::newRow("Mid zero length") << "Mid(abc,2,0)" << "" << 0;
        QTest::newRow("Mid negative length") << "Mid(abc,2,-1)" << "" << 5;
        QTest::newRow("Mid start zero") << "Mid(abc,0)" << "" << 5;
        QTest::newRow("Mid start zero with length") << "Mid(abc,0,1)" << "" << 5;
    }
    void pieces()
    {
        QFETCH(QString, expr);
        QFETCH(QString, result);
        QFETCH(int, error);
        // expr: Fn(text,a[,b])
        const QString fn = expr.section(QLatin1Char('('), 0, 0);
        const QStringList args = expr.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(','));
        const QString s = args.at(0);
        const int a = args.at(1).toInt();
        QString out;
        QCOMPARE(testsupport::ErrorOf([&] {
                     if (fn == QLatin1String("Left")) out = vb::Left(s, a);
                     else if (fn == QLatin1String("Right")) out = vb::Right(s, a);
                     else if (args.size() == 2) out = vb::Mid(s, a);
                     else out = vb::Mid(s, a, args.at(2).toInt());
                 }),
                 error);
        QCOMPARE(out, result);
    }

    void inStr_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<int>("cmp");
        QTest::addColumn<int>("result");
        QTest::newRow("found") << 1 << "abcabc" << "c" << 0 << 3;
        QTest::newRow("from start") << 4 << "abcabc" << "c" << 0 << 6;
        QTest::newRow("not found") << 1 << "abc" << "x" << 0 << 0;
        QTest::newRow("binary is case sensitive") << 1 << "ABC" << "b" << 0 << 0;
        QTest::newRow("text ignores case") << 1 << "ABC" << "b" << 1 << 2;
        QTest::newRow("empty sought gives start") << 2 << "abc" << "" << 0 << 2;
        QTest::newRow("start past end") << 5 << "abc" << "a" << 0 << 0;
        QTest::newRow("empty text") << 1 << "" << "a" << 0 << 0;
    }
    void inStr()
    {
        QFETCH(int, start);
        QFETCH(QString, s);
        QFETCH(QString, sought);
        QFETCH(int, cmp);
        QFETCH(int, result);
        QCOMPARE(vb::InStr(start, s, sought, vb::CompareMethod(cmp)), result);
        if (start == 1)
            QCOMPARE(vb::InStr(s, sought, vb::CompareMethod(cmp)), result);
    }

    void inStrErrors()
    {
        QCOMPARE(testsupport::ErrorOf([] { vb::InStr(0, QStringLiteral("a"), QStringLiteral("a")); }), 5);
        QCOMPARE(testsupport::ErrorOf([] { vb::InStrRev(QStringLiteral("a"), QStringLiteral("a"), 0); }), 5);
    }

    void inStrRev()
    {
        QCOMPARE(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("c")), 6);
        QCOMPARE(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("c"), 5), 3);
        QCOMPARE(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("bc"), 6), 5);
        QCOMPARE(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("bc"), 5), 2);   // must fit before start
        QCOMPARE(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("bc"), 4), 2);
        QCOMPARE(vb::InStrRev(QStringLiteral("abc"), QStringLiteral("x")), 0);
        QCOMPARE(vb::InStrRev(QStringLiteral("ABC"), QStringLiteral("a"), -1, vb::vbTextCompare), 1);
        QCOMPARE(vb::InStrRev(QStringLiteral("abc"), QStringLiteral("a"), 9), 0);
    }

    void replace()
    {
        QCOMPARE(vb::Replace(QStringLiteral("aXbx"), QStringLiteral("x"), QStringLiteral("-")), QStringLiteral("aXb-"));
        QCOMPARE(vb::Replace(QStringLiteral("aXbx"), QStringLiteral("x"), QStringLiteral("-"), vb::vbTextCompare),
                 QStringLiteral("a-b-"));
        QCOMPARE(vb::Replace(QStringLiteral("O'Neil's"), QStringLiteral("'"), QString()), QStringLiteral("ONeils"));
        QCOMPARE(vb::Replace(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("blanks") << "hola MUNDO cruel" << "Hola Mundo Cruel";
        QTest::newRow("tab and line breaks") << "uno\tdos\r\ntres\ncuatro" << "Uno\tDos\r\nTres\nCuatro";
        QTest::newRow("punctuation does not break") << "o'neil-smith y.cia" << "O'neil-smith Y.cia";
        QTest::newRow("accents") << u("ÁRBOL ñandú") << u("Árbol Ñandú");
        QTest::newRow("double blanks") << "  a  b " << "  A  B ";
    }
    void properCase()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(vb::StrConv(in, vb::vbProperCase), out);
        QCOMPARE(vb::StrConv(in, vb::vbUpperCase), in.toUpper());
        QCOMPARE(vb::StrConv(in, vb::vbLowerCase), in.toLower());
    }

    void fillers()
    {
        QCOMPARE(vb::Space(3), QStringLiteral("   "));
        QCOMPARE(vb::Space(0), QString());
        QCOMPARE(vb::String(4, QLatin1Char('0')), QStringLiteral("0000"));
        QCOMPARE(testsupport::ErrorOf([] { vb::Space(-1); }), 5);
    }

    void chrAsc_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ch");
        QTest::newRow("A") << 65 << "A";
        QTest::newRow("tab") << 9 << "\t";
        QTest::newRow("euro") << 128 << u("€");
        QTest::newRow("undefined 0x81") << 0x81 << QString(QChar(0x81));
        QTest::newRow("ellipsis") << 133 << u("…");
        QTest::newRow("n tilde") << 241 << u("ñ");
        QTest::newRow("255 is U+00FF") << 255 << QString(QChar(0xFF));
    }
    void chrAsc()
    {
        QFETCH(int, code);
        QFETCH(QString, ch);
        QCOMPARE(vb::Chr(code), ch);
        QCOMPARE(vb::Asc(ch), code);
    }

    void chrAscErrors()
    {
        QCOMPARE(testsupport::ErrorOf([] { vb::Asc(QString()); }), 5);
        QCOMPARE(testsupport::ErrorOf([] { vb::Chr(256); }), 5);
        QCOMPARE(testsupport::ErrorOf([] { vb::Chr(-1); }), 5);
        QCOMPARE(vb::Asc(u("Ωx")), 63);   // not in Windows-1252: "?"
        QCOMPARE(vb::Asc(QStringLiteral("abc")), 97);
    }

    void splitJoin()
    {
        QCOMPARE(vb::Split(QStringLiteral("a|b||c"), QStringLiteral("|")),
                 QStringList({"a", "b", "", "c"}));
        QCOMPARE(vb::Split(QString(), QStringLiteral("|")), QStringList());
        QCOMPARE(vb::Split(QStringLiteral("abc"), QString()), QStringList({"abc"}));
        QCOMPARE(vb::Join({"a", "b"}, QStringLiteral(", ")), QStringLiteral("a, b"));
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("12abc") << "12abc" << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("exponent then junk") << "  -3.5e2x" << -350.0;
        QTest::newRow("blanks inside") << " 1 2 3" << 123.0;
        QTest::newRow("tab and line feed skipped") << "\t\n7" << 7.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("second point stops") << "12.3.4" << 12.3;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("D exponent") << "2D3" << 2000.0;
        QTest::newRow("hex") << "&HFF" << 255.0;
        QTest::newRow("hex Integer wraps") << "&HFFFF" << -1.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("leading zeros") << "00012" << 12.0;
        QTest::newRow("number part of an id") << "00001234A" << 1234.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(vb::Val(text), value);
        vb::SetRegional({QLatin1Char(','), QLatin1Char('.'), 2});
        QCOMPARE(vb::Val(text), value);   // Val always reads "." as the decimal point
    }

    void valOverflowRaises6() { QCOMPARE(testsupport::ErrorOf([] { vb::Val(QStringLiteral("1e999")); }), 6); }

    void str_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("5") << 5.0 << " 5";
        QTest::newRow("-5") << -5.0 << "-5";
        QTest::newRow("0") << 0.0 << " 0";
        QTest::newRow("0.5 without zero") << 0.5 << " .5";
        QTest::newRow("-0.5 without zero") << -0.5 << "-.5";
        QTest::newRow("1234.5") << 1234.5 << " 1234.5";
        QTest::newRow("big") << 1e15 << " 1E+15";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << " .3";
    }
    void str()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(vb::Str(value), text);
        vb::SetRegional({QLatin1Char(','), QLatin1Char('.'), 2});
        QCOMPARE(vb::Str(value), text);   // Str always writes "."
    }

    void strOfOtherTypes()
    {
        QCOMPARE(vb::Str(5), QStringLiteral(" 5"));
        QCOMPARE(vb::Str(qint64(-12)), QStringLiteral("-12"));
        vb::Currency c;
        vb::Currency::tryParse(QStringLiteral("12.5"), c);
        QCOMPARE(vb::Str(c), QStringLiteral(" 12.5"));
        vb::Currency::tryParse(QStringLiteral("-0.25"), c);
        QCOMPARE(vb::Str(c), QStringLiteral("-.25"));
        QCOMPARE(vb::Str(vb::Variant(1235)), QStringLiteral(" 1235"));
        QCOMPARE(vb::Str(vb::Variant(vb::Val(QStringLiteral("00001234")) + 1)), QStringLiteral(" 1235"));
        QCOMPARE(testsupport::ErrorOf([] { vb::Str(vb::Variant::Null()); }), 94);
    }
};

QTEST_GUILESS_MAIN(TestStrings)
#include "tst_vb_strings.moc"
