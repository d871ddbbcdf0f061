// Text operations of the utility object: fixed-width codes, removals and replacements,
// paths, word counts, lists, literals, null-safe values and report dates.
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"

class tst_zeltrix_texts : public QObject {
    Q_OBJECT
private slots:
    void fixedWidth_data();
    void fixedWidth();
    void removeCharacters_data();
    void removeCharacters();
    void replace_data();
    void replace();
    void replaceTable_data();
    void replaceTable();
    void completePath_data();
    void completePath();
    void limitLength_data();
    void limitLength();
    void countWords_data();
    void countWords();
    void inList_data();
    void inList();
    void plainText_data();
    void plainText();
    void fieldValueIsNeverNull();
    void valueAsText();
    void reportDate_data();
    void reportDate();

private:
    zeltrix::Utilidades util;
};

void tst_zeltrix_texts::fixedWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digit right-aligned") << "1" << 4 << "   1";
    QTest::newRow("digits with a blank before") << " 12" << 4 << "  12";
    QTest::newRow("voucher type") << "RM" << 4 << "RM  ";
    QTest::newRow("code with digit") << "A1" << 4 << "A1  ";
    QTest::newRow("leading blank kept on text") << " RM" << 4 << " RM ";
    QTest::newRow("empty") << "" << 4 << "    ";
    QTest::newRow("exact width") << "ABCD" << 4 << "ABCD";
    QTest::newRow("already wide digits") << "12345" << 4 << "12345";
    QTest::newRow("longer text not cut") << "FACTURA" << 4 << "FACTURA";
    QTest::newRow("negative number is text") << "-1" << 4 << "-1  ";
    QTest::newRow("article") << "ART-001" << 25 << "ART-001                  ";
    QTest::newRow("numeric article") << "4711" << 25 << QString(21, ' ') + "4711";
    QTest::newRow("article at width") << QString(25, 'X') << 25 << QString(25, 'X');
    QTest::newRow("article above width") << QString(30, 'X') << 25 << QString(30, 'X');
    QTest::newRow("CHR(255) marker") << QString("L1") + QChar(0xFF) << 4 << QString("L1") + QChar(0xFF) + " ";
    QTest::newRow("zero width") << "AB" << 0 << "AB";
    QTest::newRow("negative width") << "AB" << -3 << "AB";
}

void tst_zeltrix_texts::fixedWidth()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(util.AjustaLargo(text, width), expected);
}

void tst_zeltrix_texts::removeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("characters");
    QTest::addColumn<QString>("expected");

    const QString nul(QChar(0));
    const QString c255(QChar(0xFF));
    QTest::newRow("apostrophes") << "O'Brien's" << QStringList{"'"} << "OBriens";
    QTest::newRow("pipes") << "|A|B|" << QStringList{"|"} << "AB";
    QTest::newRow("markers 0 and 255") << "L1" + c255 + "S1" + nul << QStringList{c255, nul} << "L1S1";
    QTest::newRow("markers 0, 255 and LF") << nul + "A\nB" + c255 << QStringList{nul, c255, "\n"} << "AB";
    QTest::newRow("nothing to remove") << "ABC" << QStringList{"x"} << "ABC";
    QTest::newRow("empty text") << "" << QStringList{"'"} << "";
    QTest::newRow("empty character removes nothing") << "ABC" << QStringList{""} << "ABC";
    QTest::newRow("case counts") << "aAa" << QStringList{"a"} << "A";
}

void tst_zeltrix_texts::removeCharacters()
{
    QFETCH(QString, text);
    QFETCH(QStringList, characters);
    QFETCH(QString, expected);
    while (characters.size() < 3)
        characters.append(QString());
    QCOMPARE(util.QuitaCaracteres(text, characters[0], characters[1], characters[2]), expected);
}

void tst_zeltrix_texts::replace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stars to percent") << "A*B*" << "*" << "%" << "A%B%";
    QTest::newRow("comma to point") << "1,50" << "," << "." << "1.50";
    QTest::newRow("remove apostrophes") << "d'a'" << "'" << "" << "da";
    QTest::newRow("case counts") << "aA" << "a" << "x" << "xA";
    QTest::newRow("empty find") << "abc" << "" << "x" << "abc";
    QTest::newRow("longer pieces") << "aaaa" << "aa" << "b" << "bb";
}

void tst_zeltrix_texts::replace()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, with);
    QFETCH(QString, expected);
    QCOMPARE(util.Reemplaza(text, find, with), expected);
}

void tst_zeltrix_texts::replaceTable_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("view swapped") << "SELECT * FROM V_MA_ARTICULOS WHERE X=1"
                                  << "SELECT * FROM VT_MA_ARTICULOS WHERE X=1";
    QTest::newRow("any case, with field prefix") << "select v_ma_articulos.idarticulo from v_ma_articulos"
                                                 << "select VT_MA_ARTICULOS.idarticulo from VT_MA_ARTICULOS";
    QTest::newRow("not inside a longer name") << "SELECT * FROM STK_V_MA_ARTICULOS JOIN V_MA_ARTICULOS_X"
                                              << "SELECT * FROM STK_V_MA_ARTICULOS JOIN V_MA_ARTICULOS_X";
    QTest::newRow("already swapped stays") << "SELECT * FROM VT_MA_ARTICULOS" << "SELECT * FROM VT_MA_ARTICULOS";
    QTest::newRow("bracketed") << "SELECT * FROM [V_MA_ARTICULOS]" << "SELECT * FROM [VT_MA_ARTICULOS]";
    QTest::newRow("no view") << "SELECT 1" << "SELECT 1";
}

void tst_zeltrix_texts::replaceTable()
{
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(util.ReemplazaTabla(statement, "V_MA_ARTICULOS", "VT_MA_ARTICULOS"), expected);
}

void tst_zeltrix_texts::completePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("without separator") << "/opt/prog" << "/opt/prog/";
    QTest::newRow("with separator") << "/opt/prog/" << "/opt/prog/";
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("empty stays relative") << "" << "";
}

void tst_zeltrix_texts::completePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(util.CompletaRuta(folder), expected);
}

void tst_zeltrix_texts::limitLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cut") << QString(300, 'e') << 250 << QString(250, 'e');
    QTest::newRow("shorter unchanged") << "abc" << 250 << "abc";
    QTest::newRow("zero") << "abc" << 0 << "";
    QTest::newRow("negative") << "abc" << -1 << "";
}

void tst_zeltrix_texts::limitLength()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(util.LimitaLargo(text, length), expected);
}

void tst_zeltrix_texts::countWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks") << "   " << 0;
    QTest::newRow("one word with blanks") << "  LEN " << 1;
    QTest::newRow("statement") << "Select TOP 1 * from T" << 6;
    QTest::newRow("tabs and line breaks") << "a\tb\r\nc" << 3;
}

void tst_zeltrix_texts::countWords()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(util.CuentaPalabras(text), expected);
}

void tst_zeltrix_texts::inList_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("member") << "VS" << true;
    QTest::newRow("other case") << "ajp" << true;
    QTest::newRow("stored width") << "IR  " << true;
    QTest::newRow("not a member") << "FC" << false;
    QTest::newRow("prefix only") << "AJ" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_zeltrix_texts::inList()
{
    QFETCH(QString, value);
    QFETCH(bool, expected);
    QCOMPARE(util.EstaEnLista(value, {"AJP", "AJN", "VS", "IR"}), expected);
}

void tst_zeltrix_texts::plainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("prepared literal") << "'OC'" << "OC";
    QTest::newRow("blanks inside and around") << " ' RM ' " << "RM";
    QTest::newRow("doubled apostrophe") << "'D''Angelo'" << "D'Angelo";
    QTest::newRow("NULL") << "NULL" << "NULL";
    QTest::newRow("plain text") << " RM " << "RM";
    QTest::newRow("lone apostrophe") << "'" << "'";
    QTest::newRow("empty literal") << "''" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_zeltrix_texts::plainText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(util.TextoPlano(text), expected);
}

void tst_zeltrix_texts::fieldValueIsNeverNull()
{
    QCOMPARE(util.ValorCampo(vb::Variant::Null()).type(), vb::VarType::String);
    QCOMPARE(util.ValorCampo(vb::Variant::Null()).toString(), QString());
    QCOMPARE(util.ValorCampo(vb::Variant(QString("F001"))).toString(), QString("F001"));
    QCOMPARE(util.ValorCampo(vb::Variant(vb::Currency::fromRaw(15000))).type(), vb::VarType::Currency);
    QCOMPARE(util.ValorCampo(vb::Variant(vb::Currency::fromRaw(15000))).toCurrency().raw(), 15000);
    QVERIFY(util.ValorCampo(vb::Variant()).isEmpty());
}

void tst_zeltrix_texts::valueAsText()
{
    testsupport::RegionalPin pin(QLatin1Char(','), QLatin1Char('.'));
    QCOMPARE(util.ValorATexto(vb::Variant::Null()), QString());
    QCOMPARE(util.ValorATexto(vb::Variant()), QString());
    QCOMPARE(util.ValorATexto(vb::Variant(QString("LOTE1    "))), QString("LOTE1    "));
    QCOMPARE(util.ValorATexto(vb::Variant(2.5)), QString("2,5"));
}

void tst_zeltrix_texts::reportDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");   // empty: error 13
    QTest::newRow("day first") << "15/03/2024" << "Date(2024,03,15)";
    QTest::newRow("two-digit year") << "5/1/24" << "Date(2024,01,05)";
    QTest::newRow("blanks and time") << " 31/12/2023 10:15 " << "Date(2023,12,31)";
    QTest::newRow("ISO") << "2024-02-29" << "Date(2024,02,29)";
    QTest::newRow("no date") << "31/02/2024" << "";
    QTest::newRow("letters") << "hoy" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_zeltrix_texts::reportDate()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    try {
        QCOMPARE(util.FechaReporte(text), expected);
        QVERIFY(!expected.isEmpty());
    } catch (const vb::VbError& e) {
        QVERIFY2(expected.isEmpty(), qPrintable(e.Description));
        QCOMPARE(e.Number, 13);
    }
}

TESTSUPPORT_MAIN(tst_zeltrix_texts)
#include "tst_zeltrix_texts.moc"
