// Numbering books (Parts 5.101, 5.102): the alias, the voucher key and the choice of a
// book with its next number.
#include "NumberingFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

QString usedUpText(const QString& tc)
{
    return QStringLiteral("Todos los talonarios del comprobante ") + tc
         + QStringLiteral(" se encuentran utilizados, debe dar de alta un nuevo talonario para el comprobante ") + tc;
}

} // namespace

class TstNumberingBooks : public QObject {
    Q_OBJECT

private slots:
    // Every test on the program's own engine and on an Oracle connection.
    void initTestCase_data() { numtest::EngineRows(); }
    void init() { numtest::StartOnEngine(); }
    void cleanup() { QCOMPARE(numtest::EndOnEngine(), QStringList()); }

    void alias_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no key: its own books") << "MUT" << "MUT";
        QTest::newRow("no key keeps the text as passed") << "mut " << "mut ";
        QTest::newRow("key of blanks: its own books") << "BLK" << "BLK";
        QTest::newRow("key holds another type, trimmed") << "MUA" << "MUT";
        QTest::newRow("the key is looked up trimmed") << " MUA " << "MUT";
    }
    void alias()
    {
        QFETCH(QString, tc);
        QFETCH(QString, expected);
        TempProgramFolder folder;
        numtest::Open(folder);
        QCOMPARE(ObtieneTcNumeracion(tc), expected);
    }

    void aliasWithoutConnection()
    {
        // An unopened connection reads every key as empty text: the type itself.
        QCOMPARE(ObtieneTcNumeracion(QStringLiteral("MUA")), QStringLiteral("MUA"));
    }

    void voucherKey()
    {
        testsupport::RegionalPin pin;
        using namespace voucherkey;
        QCOMPARE(TypeCode(QStringLiteral(" RM ")), QStringLiteral("RM  "));
        QCOMPARE(TypeCode(QStringLiteral("CBFP")), QStringLiteral("CBFP"));
        QCOMPARE(Branch(QStringLiteral("3")), QStringLiteral("0003"));
        QCOMPARE(Branch(QStringLiteral(" 12")), QStringLiteral("0012"));
        QCOMPARE(Number(QStringLiteral(" 16")), QStringLiteral("00000016"));
        QCOMPARE(Number(QStringLiteral("100000000")), QStringLiteral("100000000"));
        QCOMPARE(Letter(QString()), QStringLiteral("X"));
        QCOMPARE(Letter(QStringLiteral(" B ")), QStringLiteral("B"));
        QCOMPARE(IdComprobante(QStringLiteral("1"), QStringLiteral("15"), QStringLiteral("B")), QStringLiteral("000100000015B"));
        QCOMPARE(BranchOf(QStringLiteral("000100000015B")), QStringLiteral("0001"));
        QCOMPARE(NumberOf(QStringLiteral("000100000015B")), QStringLiteral("00000015"));
        QCOMPARE(LetterOf(QStringLiteral("000100000015B")), QStringLiteral("B"));
        for (const char* l : {"A", "b", "C", "E", "R", "X", "m", " X "})
            QVERIFY2(IsValidLetter(QString::fromLatin1(l)), l);
        for (const char* l : {"", "Q", ",", "A,B", "AB", "D"})
            QVERIFY2(!IsValidLetter(QString::fromLatin1(l)), l);
        QCOMPARE(SqlText(QStringLiteral("O'K")), QStringLiteral("O''K"));
    }

    // The choice of a book. Every call starts with Numero "previo", NumeroHasta
    // "99999999", ModificaNumeracion False and TalonarioActual 77, so that what is not
    // set shows.
    void nextNumber_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("sucursal");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("unegocio");
        QTest::addColumn<QString>("sucursalOut");
        QTest::addColumn<QString>("numeroOut");
        QTest::addColumn<QString>("letraOut");
        QTest::addColumn<QString>("hastaOut");
        QTest::addColumn<bool>("modificaOut");
        QTest::addColumn<int>("talonario");
        QTest::addColumn<bool>("usedUp");

        // User defaults of OT, FC, NC and ND.
        QTest::newRow("FC, user branch 0002 letter B: books of branch 2, letter B")
            << "cajero2" << "FC" << "" << "" << "" << ""
            << "0002" << "00000030" << "B" << "00001000" << true << 2 << false;
        QTest::newRow("FC, user branch 0002 without letter: the caller's letter, changed by the book")
            << "sinletra" << "FC" << "" << "" << "" << ""
            << "0002" << "00000050" << "A" << "00001000" << true << 2 << false;
        QTest::newRow("FC, user branch 0000: no defaults, X becomes the book's A")
            << "cajero0" << "FC" << "" << "" << "" << ""
            << "0001" << "00000001" << "A" << "00001000" << false << 1 << false;
        QTest::newRow("FC, user branch 0000 keeps the caller's letter")
            << "cajero0" << "FC" << "" << "B" << "" << ""
            << "0001" << "00000007" << "B" << "00001000" << false << 1 << false;
        QTest::newRow("FC, a branch given: no user defaults")
            << "cajero2" << "FC" << "1" << "" << "" << ""
            << "0001" << "00000001" << "A" << "00001000" << false << 1 << false;
        QTest::newRow("RC is no user-default type")
            << "cajero2" << "RC" << "" << "" << "" << ""
            << "0001" << "00000005" << "A" << "00000100" << false << 1 << false;
        // Branch of the book for FC, OT and PR.
        QTest::newRow("FC, branch 2: the book of branch 2")
            << "operador" << "FC" << "2" << "A" << "" << ""
            << "0002" << "00000050" << "A" << "00001000" << true << 2 << false;
        QTest::newRow("FC, branch 3: no book, nothing set, no message")
            << "operador" << "FC" << "3" << "A" << "" << ""
            << "3" << "previo" << "A" << "99999999" << false << 77 << false;
        QTest::newRow("RC: the branch is not checked")
            << "operador" << "RC" << "9" << "A" << "" << ""
            << "0001" << "00000005" << "A" << "00000100" << false << 1 << false;
        // Letter and branch restrictions.
        QTest::newRow("*B: only books listing B")
            << "operador" << "RC" << "" << "*B" << "" << ""
            << "0003" << "00000009" << "B" << "00000100" << false << 2 << false;
        QTest::newRow("B without the mark: the first book gives its letter A")
            << "operador" << "RC" << "" << "B" << "" << ""
            << "0001" << "00000005" << "A" << "00000100" << false << 1 << false;
        QTest::newRow("*4 and *B: only the branch filter (on A_SUC_DEFAULT)")
            << "operador" << "RC" << "*4" << "*B" << "" << ""
            << "0003" << "00000009" << "B" << "00000100" << false << 2 << false;
        QTest::newRow("*9 matches no book: every filter dropped")
            << "operador" << "RC" << "*9" << "*B" << "" << ""
            << "0001" << "00000005" << "A" << "00000100" << false << 1 << false;
        QTest::newRow("*9 on FC: the stripped branch stays and no book has it")
            << "operador" << "FC" << "*9" << "A" << "" << ""
            << "9" << "previo" << "A" << "99999999" << false << 77 << false;
        QTest::newRow("lower-case letter found without regard to case")
            << "operador" << "RC" << "" << "*b" << "" << ""
            << "0003" << "00000009" << "b" << "00000100" << false << 2 << false;
        QTest::newRow("OT keeps a letter its book does not list")
            << "operador" << "OT" << "" << "B" << "" << ""
            << "0001" << "00000011" << "B" << "00000100" << false << 1 << false;
        // First number, used-up books, no book.
        QTest::newRow("next number 0 gives 00000001")
            << "operador" << "FC" << "" << "A" << "" << ""
            << "0001" << "00000001" << "A" << "00001000" << false << 1 << false;
        QTest::newRow("only book used up: message, number as passed")
            << "operador" << "AG" << "" << "" << "" << ""
            << "" << "previo" << "X" << "99999999" << false << 77 << true;
        QTest::newRow("first book used up, the second chosen")
            << "operador" << "AH" << "" << "" << "" << ""
            << "0001" << "00000008" << "X" << "00000100" << false << 2 << false;
        QTest::newRow("a book whose range is 0 counts as used up")
            << "operador" << "ZR" << "" << "" << "" << ""
            << "" << "previo" << "X" << "99999999" << false << 77 << true;
        QTest::newRow("no book at all: 1, 1, X unformatted")
            << "operador" << "ZZ" << "7" << "B" << "" << ""
            << "1" << "1" << "X" << "99999999" << false << 77 << false;
        // Expiry.
        QTest::newRow("expiry on the day itself passes")
            << "operador" << "VE" << "" << "" << "10/03/2024" << ""
            << "0001" << "00000004" << "X" << "00000100" << false << 1 << false;
        QTest::newRow("expired book skipped")
            << "operador" << "VE" << "" << "" << "11/03/2024" << ""
            << "0001" << "00000070" << "X" << "00000100" << false << 2 << false;
        QTest::newRow("no date: no expiry test")
            << "operador" << "VE" << "" << "" << "" << ""
            << "0001" << "00000004" << "X" << "00000100" << false << 1 << false;
        // Business units.
        QTest::newRow("unit 2: its own book first")
            << "operador" << "UN" << "" << "" << "" << "2"
            << "0001" << "00000020" << "X" << "00000100" << false << 1 << false;
        QTest::newRow("unit 3: the books without unit (null or empty)")
            << "operador" << "UN" << "" << "" << "" << "   3"
            << "0001" << "00000040" << "X" << "00000100" << false << 2 << false;
        QTest::newRow("no unit: every book")
            << "operador" << "UN" << "" << "" << "" << "  "
            << "0001" << "00000020" << "X" << "00000100" << false << 1 << false;
        QTest::newRow("no book matches the unit: every book of the type")
            << "operador" << "UM" << "" << "" << "" << "3"
            << "0001" << "00000033" << "X" << "00000100" << false << 1 << false;
    }
    void nextNumber()
    {
        QFETCH(QString, user);
        QFETCH(QString, tc);
        QFETCH(QString, sucursal);
        QFETCH(QString, letra);
        QFETCH(QString, fecha);
        QFETCH(QString, unegocio);
        QFETCH(bool, usedUp);
        TempProgramFolder folder;
        numtest::Open(folder, {}, user);
        ScriptedOperator op;
        if (usedUp)
            op.expectMsgBox(usedUpText(tc), 1, QString(), 0);

        QString numero = QStringLiteral("previo");
        QString hasta = QStringLiteral("99999999");
        bool modifica = false;
        TalonarioActual = 77;
        Obtener_Nro_Comprobante_Contable(tc, sucursal, numero, letra, modifica, fecha, unegocio, hasta);

        QTEST(sucursal, "sucursalOut");
        QTEST(numero, "numeroOut");
        QTEST(letra, "letraOut");
        QTEST(hasta, "hastaOut");
        QTEST(modifica, "modificaOut");
        QTEST(TalonarioActual, "talonario");
    }

    void usedUpMessageNamesTheTypeAsPassed()
    {
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        op.expectMsgBox(usedUpText(QStringLiteral("ag ")), 1, QString(), 0);
        QString sucursal, numero, letra, hasta;
        bool modifica = false;
        Obtener_Nro_Comprobante_Contable(QStringLiteral("ag "), sucursal, numero, letra, modifica, QString(), QString(), hasta);
    }

    void theBookStaysCurrentBetweenCalls()
    {
        // Nothing resets TalonarioActual: a type without books leaves the book of the
        // previous voucher in place.
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        QString sucursal, numero, letra, hasta;
        bool modifica = false;
        Obtener_Nro_Comprobante_Contable(QStringLiteral("AH"), sucursal, numero, letra, modifica, QString(), QString(), hasta);
        QCOMPARE(TalonarioActual, 2);
        sucursal.clear();
        letra.clear();
        Obtener_Nro_Comprobante_Contable(QStringLiteral("ZZ"), sucursal, numero, letra, modifica, QString(), QString(), hasta);
        QCOMPARE(TalonarioActual, 2);
    }

    void aBadDateIsReportedAndLeaves()
    {
        // A date that is no date fails the expiry test: the error box names the routine;
        // Abort leaves with the arguments as far as they were set.
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Type mismatch"), 3);
        QString sucursal, numero = QStringLiteral("previo"), letra, hasta = QStringLiteral("99999999");
        bool modifica = false;
        Obtener_Nro_Comprobante_Contable(QStringLiteral("VE"), sucursal, numero, letra, modifica, QStringLiteral("31/02/2024"),
                                         QString(), hasta);
        QVERIFY(op.shown().at(0).title.contains(QLatin1String("Obtener_Nro_Comprobante_Contable")));
        QCOMPARE(numero, QStringLiteral("previo"));
        QCOMPARE(letra, QStringLiteral("X"));
    }

    void apostrophesAreEscaped()
    {
        TempProgramFolder folder;
        numtest::Open(folder, {QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, LETRAS, X_ULTIMO_NRO, X_NRO_HASTA, "
                                              "X_SUC_DEFAULT, UNEGOCIO) VALUES ('O''K ', 1, 'X', 12, 100, 1, 'U''1')")});
        ScriptedOperator op;   // no error box
        QString sucursal, numero, letra, hasta;
        bool modifica = false;
        Obtener_Nro_Comprobante_Contable(QStringLiteral("O'K"), sucursal, numero, letra, modifica, QString(),
                                         QStringLiteral("U'1"), hasta);
        QCOMPARE(numero, QStringLiteral("00000012"));
    }
};

TESTSUPPORT_MAIN(TstNumberingBooks)
#include "tst_numbering_books.moc"
