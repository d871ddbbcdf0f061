// The stored-password transform: reversible, and safe inside comma-separated lines and
// "key=value;" texts because the coded text holds only letters and digits.
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/Strings.h"
#include "tests/support/TestMain.h"

#include <QRegularExpression>

class tst_zeltrix_password : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void everyPrintableWindows1252Character();
    void differentTextsGiveDifferentCodes();
    void uncodedTextComesBackAsItIs_data();
    void uncodedTextComesBackAsItIs();

private:
    zeltrix::Utilidades util;
};

namespace {

bool onlyLettersAndDigits(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9]*$"));
    return re.match(s).hasMatch();
}

} // namespace

void tst_zeltrix_password::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("user default") << "Vandrel";
    QTest::newRow("password default") << "dizuzar";
    QTest::newRow("database name") << "VENTAS";
    QTest::newRow("separators of the files") << "a,b;c=d|e #";
    QTest::newRow("blanks around") << "  x  ";
    QTest::newRow("repeated characters") << QString(40, 'a');
    QTest::newRow("accents") << "contraseña Ñandú";
    QTest::newRow("markers") << QString("L") + QChar(0xFF) + QChar(0) + "S";
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("日本 \xF0\x9F\x94\x91");
    QTest::newRow("empty") << "";
}

void tst_zeltrix_password::roundTrip()
{
    QFETCH(QString, text);
    const QString coded = util.CodificaClave(text);
    QVERIFY2(onlyLettersAndDigits(coded), qPrintable(coded));
    QCOMPARE(util.DecodificaClave(coded), text);
    if (!text.trimmed().isEmpty())
        QVERIFY(!coded.contains(text.trimmed()));
}

void tst_zeltrix_password::everyPrintableWindows1252Character()
{
    QString all;
    for (int code = 32; code < 256; ++code) {
        if (code == 127 || code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D)
            continue;   // not characters in Windows-1252
        const QString c = vb::Chr(code);
        all += c;
        const QString coded = util.CodificaClave(c);
        QVERIFY2(onlyLettersAndDigits(coded), qPrintable(QString::number(code)));
        QCOMPARE(util.DecodificaClave(coded), c);
    }
    const QString coded = util.CodificaClave(all);
    QVERIFY(onlyLettersAndDigits(coded));
    QCOMPARE(util.DecodificaClave(coded), all);
}

void tst_zeltrix_password::differentTextsGiveDifferentCodes()
{
    QStringList codes;
    for (const char* t : {"a", "b", "A", "aa", "ab", "ba", "a "})
        codes.append(util.CodificaClave(t));
    codes.removeDuplicates();
    QCOMPARE(codes.size(), 7);
}

// A password written into the INI file by hand was never coded: it must still work.
void tst_zeltrix_password::uncodedTextComesBackAsItIs_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain password") << "secreto";
    QTest::newRow("marker and odd digits") << "Z123";
    QTest::newRow("marker and lower-case hex") << "Zabcd";
    QTest::newRow("marker alone") << "Z";
    QTest::newRow("marker and non-UTF-8 bytes") << "ZFFFF";
}

void tst_zeltrix_password::uncodedTextComesBackAsItIs()
{
    QFETCH(QString, text);
    QCOMPARE(util.DecodificaClave(text), text);
}

TESTSUPPORT_MAIN(tst_zeltrix_password)
#include "tst_zeltrix_password.moc"
