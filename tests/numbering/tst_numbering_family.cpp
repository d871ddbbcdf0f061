// The number of a voucher by its family, the entry lookup and the invoice letter.
#include "NumberingFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/ast.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

// An entry line of a voucher.
QString line(const QString& tc, const QString& suc, const QString& num, const QString& letra, int secuencia = 1,
             const QString& cuenta = QStringLiteral("1104"), int mes = 3, int asiento = 125)
{
    return QStringLiteral("INSERT INTO MV_ASIENTOS (TC, Sucursal, Numero, Letra, Secuencia, Cuenta, Mes_Operativo, [NUMERO ASIENTO], "
                          "Periodo, Tipo_Reg) VALUES ('%1', '%2', '%3', '%4', %5, '%6', %7, %8, 2024, 'VT')")
        .arg(tc, suc, num, letra)
        .arg(secuencia)
        .arg(cuenta)
        .arg(mes)
        .arg(asiento);
}

QString controlRow(const QString& tc, const QString& suc, const QString& num, const QString& letra)
{
    return QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('%1', '%2', '%3', '%4')").arg(tc, suc, num, letra);
}

QString stored(const QString& table, const QString& tc, const QString& id)
{
    return QStringLiteral("INSERT INTO %1 (TC, IDCOMPROBANTE) VALUES ('%2', '%3')").arg(table, tc, id);
}

QString purchase(const QString& id, const QString& numero, const QString& cuenta = QStringLiteral("P1"))
{
    return QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, SUCURSAL, NUMERO, LETRA) VALUES ('OC', '%1', '%2', '0001', '%3', 'X')")
        .arg(id, cuenta, numero);
}

QString controlRows()
{
    QStringList rows;
    for (const QVariantList& r : numtest::Rows(QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA FROM V_MV_CTROL_CPTE ORDER BY TC, NUMERO"))) {
        QStringList cells;
        for (const QVariant& v : r)
            cells << v.toString().trimmed();
        rows << cells.join(QLatin1Char('/'));
    }
    return rows.join(QLatin1Char(' '));
}

} // namespace

class TstNumberingFamily : public QObject {
    Q_OBJECT

private slots:
    // Every test on the program's own engine and on an Oracle connection.
    void initTestCase_data() { numtest::EngineRows(); }
    void init() { numtest::StartOnEngine(); }
    void cleanup() { QCOMPARE(numtest::EndOnEngine(), QStringList()); }

    // Obtener_Nro_Comprobante with branch and letter left to the book (letter A for FC
    // and VJ). Two control rows exist before the call: number 15 and number 14 of MUT.
    void family_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("sucursalOut");
        QTest::addColumn<QString>("numeroOut");
        QTest::addColumn<QString>("letraOut");
        QTest::addColumn<QString>("controlOut");

        const QString both = QStringLiteral("MUT/0001/00000014/X MUT/0001/00000015/X");
        const QString first = QStringLiteral("MUT/0001/00000014/X");

        // Family 6: the reception's type.
        QTest::newRow("type in no list, no entry: number kept, its control row deleted")
            << "MUT" << "" << true << QStringList{} << "0001" << "00000015" << "X" << first;
        QTest::newRow("the same type with entry lines: one above the highest, no delete")
            << "MUT" << "" << true
            << QStringList{line("MUT ", "0001", "00000015", "X"), line("MUT ", "0001", "00000021", "X", 1, "1104", 3, 126),
                           line("MUT ", "0002", "00000090", "X", 1, "1104", 3, 127), line("MUT ", "0001", "00000095", "A", 1, "1104", 3, 128)}
            << "0001" << "00000022" << "X" << both;
        QTest::newRow("ValidaNumero False: the book's number even when taken, no delete")
            << "MUT" << "" << false << QStringList{line("MUT ", "0001", "00000015", "X")} << "0001" << "00000015" << "X" << both;
        QTest::newRow("an alias takes the other type's book; the family is the caller's")
            << "MUA" << "" << true << QStringList{controlRow("MUA", "0001", "00000015", "X")} << "0001" << "00000015" << "X" << both;
        // Family 4.
        QTest::newRow("FC without entry lines: kept, no delete")
            << "FC" << "A" << true << QStringList{controlRow("FC  ", "0001", "00000001", "A")} << "0001" << "00000001" << "A"
            << "FC/0001/00000001/A " + both;
        QTest::newRow("FC with entry lines: moved like any other type")
            << "FC" << "A" << true
            << QStringList{line("FC", "0001", "00000001", "A"), line("FC", "0001", "00000004", "A", 1, "1104", 3, 130)}
            << "0001" << "00000005" << "A" << both;
        // Family 1: trips.
        QTest::newRow("trip taken: one above the highest IdComprobante of branch and letter")
            << "VJ" << "A" << true
            << QStringList{stored("MV_VIAJES", "VJ", "000100000005A"), stored("MV_VIAJES", "VJ", "000100000009A"),
                           stored("MV_VIAJES", "VJ", "000200000020A"), stored("MV_VIAJES", "VJ", "000100000030B")}
            << "0001" << "00000010" << "A" << both;
        QTest::newRow("trip not taken stays, even below stored numbers")
            << "VJ" << "A" << true << QStringList{stored("MV_VIAJES", "VJ", "000100000009A")} << "0001" << "00000005" << "A" << both;
        QTest::newRow("trips are not judged by entry lines")
            << "VJ" << "A" << true << QStringList{line("VJ", "0001", "00000005", "A")} << "0001" << "00000005" << "A" << both;
        // Family 2: stock movements.
        QTest::newRow("stock movement taken")
            << "AJP" << "" << true
            << QStringList{stored("V_MV_STOCK", "AJP", "000100000005X"), stored("V_MV_STOCK", "AJP", "000100000007X")}
            << "0001" << "00000008" << "X" << both;
        QTest::newRow("stock type in lower case")
            << "ajp" << "" << true << QStringList{stored("V_MV_STOCK", "AJP", "000100000005X")} << "0001" << "00000006" << "X" << both;
        // Family 3, CBFP.
        QTest::newRow("CBFP: highest entry 7 gives 8")
            << "CBFP" << "" << true
            << QStringList{line("CBFP", "0001", "00000003", "X"), line("CBFP", "0001", "00000007", "X", 1, "1104", 3, 131)}
            << "0001" << "00000008" << "X" << both;
        QTest::newRow("CBFP: stored voucher 8 leaves 8")
            << "CBFP" << "" << true
            << QStringList{line("CBFP", "0001", "00000003", "X"), line("CBFP", "0001", "00000007", "X", 1, "1104", 3, 131),
                           stored("V_MV_CPTE", "CBFP", "000100000008X")}
            << "0001" << "00000008" << "X" << both;
        QTest::newRow("CBFP: stored voucher 9 gives 10")
            << "CBFP" << "" << true
            << QStringList{line("CBFP", "0001", "00000003", "X"), line("CBFP", "0001", "00000007", "X", 1, "1104", 3, 131),
                           stored("V_MV_CPTE", "CBFP", "000100000009X")}
            << "0001" << "00000010" << "X" << both;
        // Family 5: purchase orders (book OC: next 15).
        QTest::newRow("OC stored, nothing below 99999999: 00000001")
            << "OC" << "" << true << QStringList{purchase("000100000015X", "99999999")} << "0001" << "00000001" << "X" << both;
        QTest::newRow("OC stored: one above the highest below 99999999")
            << "OC" << "" << true
            << QStringList{purchase("000100000015X", "00000015"), purchase("000100000030X", "00000030"),
                           purchase("000100000031X", "99999999", "P2")}
            << "0001" << "00000031" << "X" << both;
        QTest::newRow("OC not stored: kept, no delete, entry lines ignored")
            << "OC" << "" << true << QStringList{line("OC", "0001", "00000015", "X"), controlRow("OC  ", "0001", "00000015", "X")}
            << "0001" << "00000015" << "X" << "MUT/0001/00000014/X MUT/0001/00000015/X OC/0001/00000015/X";
        // No book at all: 1, 1, X.
        QTest::newRow("no book: kept unformatted, its control row deleted")
            << "ZZ" << "B" << true << QStringList{controlRow("ZZ", "1", "1", "X")} << "1" << "1" << "X" << both;
        QTest::newRow("no book, entry lines of 11X: moved and formatted")
            << "ZZ" << "" << true << QStringList{line("ZZ", "1", "1", "X")} << "1" << "00000002" << "X" << both;
        QTest::newRow("the highest number 99999999 gives nine digits")
            << "TOPE" << "" << true
            << QStringList{line("TOPE", "0001", "00000005", "X"), line("TOPE", "0001", "99999999", "X", 1, "1104", 3, 140)}
            << "0001" << "100000000" << "X" << both;
    }
    void family()
    {
        QFETCH(QString, tc);
        QFETCH(QString, letra);
        QFETCH(bool, valida);
        QFETCH(QStringList, extra);
        TempProgramFolder folder;
        numtest::Open(folder, QStringList{controlRow("MUT ", "0001", "00000015", "X"), controlRow("MUT ", "0001", "00000014", "X")} + extra);
        ScriptedOperator op;
        QString sucursal, numero;
        bool modifica = false;
        const QString tcBefore = tc;
        Obtener_Nro_Comprobante(tc, sucursal, numero, letra, modifica, valida, QString(), gUNegocio);
        QTEST(sucursal, "sucursalOut");
        QTEST(numero, "numeroOut");
        QTEST(letra, "letraOut");
        QTEST(controlRows(), "controlOut");
        QCOMPARE(tc, tcBefore);
    }

    void emptyTypeChangesAndReadsNothing()
    {
        TempProgramFolder folder;
        numtest::Open(folder);
        gDBPrincipal->gCnn->Close();   // any read would now be an error box
        ScriptedOperator op;
        QString sucursal = QStringLiteral("s"), numero = QStringLiteral("n"), letra = QStringLiteral("l");
        bool modifica = true;
        TalonarioActual = 5;
        Obtener_Nro_Comprobante(QString(), sucursal, numero, letra, modifica, true, QString(), QString());
        QCOMPARE(sucursal, QStringLiteral("s"));
        QCOMPARE(numero, QStringLiteral("n"));
        QCOMPARE(letra, QStringLiteral("l"));
        QVERIFY(modifica);
        QCOMPARE(TalonarioActual, 5);
    }

    void modificaNumeracionComesFromTheBook()
    {
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        QString sucursal = QStringLiteral("2"), numero, letra = QStringLiteral("A");
        bool modifica = false;
        Obtener_Nro_Comprobante(QStringLiteral("FC"), sucursal, numero, letra, modifica, true, QString(), QString());
        QVERIFY(modifica);
        QCOMPARE(numero, QStringLiteral("00000050"));
        // A literal flag, as the stock posting passes it.
        sucursal.clear();
        letra.clear();
        Obtener_Nro_Comprobante(QStringLiteral("CBFP"), sucursal, numero, letra, false, true, QString(), QString());
        QCOMPARE(numero, QStringLiteral("00000003"));
    }

    void theControlRowStaysDeletedWhenTheCallersBatchFails()
    {
        // The DELETE runs at once, outside the caller's transaction.
        TempProgramFolder folder;
        numtest::Open(folder, {controlRow("MUT ", "0001", "00000015", "X")});
        ScriptedOperator op;
        op.expectMsgBox(QString(), 1, QStringLiteral("Aviso al Operador!"));
        QString sucursal, numero, letra;
        bool modifica = false;
        Obtener_Nro_Comprobante(QStringLiteral("MUT"), sucursal, numero, letra, modifica, true, QString(), gUNegocio);
        bool hayError = false;
        qint32 nroError = 0;
        QString ejecutado, mensaje;
        GActualizarDatoScript({QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC) VALUES ('MUT')")}, hayError, nroError, false, false,
                              ejecutado, mensaje, true);
        QVERIFY(hayError);
        QCOMPARE(controlRows(), QString());
    }

    void existeAsiento_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<bool>("sinBloqueo");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("label");

        QTest::newRow("lines of several accounts, any account") << "MUT" << "00000015" << "" << true << true << "03 - 000125";
        QTest::newRow("type in lower case") << "mut" << "00000015" << "" << true << true << "03 - 000125";
        QTest::newRow("a line of the account") << "MUT" << "00000015" << "2101" << true << true << "03 - 000125";
        QTest::newRow("no line of the account") << "MUT" << "00000015" << "9999" << true << false << "previo";
        QTest::newRow("without the no-lock hint") << "MUT" << "00000015" << "" << false << true << "03 - 000125";
        QTest::newRow("another number") << "MUT" << "00000016" << "" << true << false << "previo";
        QTest::newRow("an account with an apostrophe") << "MUT" << "00000015" << "O'K" << true << false << "previo";
    }
    void existeAsiento()
    {
        QFETCH(QString, tc);
        QFETCH(QString, numero);
        QFETCH(QString, cuenta);
        QFETCH(bool, sinBloqueo);
        TempProgramFolder folder;
        numtest::Open(folder, {line("MUT ", "0001", "00000015", "X", 1, "1104", 3, 125),
                               line("MUT ", "0001", "00000015", "X", 2, "2101", 3, 125)});
        ScriptedOperator op;
        QString label = QStringLiteral("previo");
        QTEST(ExisteAsiento(tc, QStringLiteral("0001"), numero, QStringLiteral("X"), label, cuenta, sinBloqueo), "result");
        QTEST(label, "label");
    }

    void existeAsientoOfOCReadsNothing()
    {
        TempProgramFolder folder;
        numtest::Open(folder, {line("OC", "0001", "00000015", "X")});
        gDBPrincipal->gCnn->Close();   // any read would now be an error box
        ScriptedOperator op;
        QString label = QStringLiteral("previo");
        QVERIFY(!ExisteAsiento(QStringLiteral("oc"), QStringLiteral("0001"), QStringLiteral("00000015"), QStringLiteral("X"), label));
        QCOMPARE(label, QStringLiteral("previo"));
    }

    void letter_data()
    {
        QTest::addColumn<QString>("emisor");
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("letra");
        QTest::newRow("1, 1") << "1" << "1" << "A";
        QTest::newRow("1, 2") << "1" << "2" << "A";
        QTest::newRow("1, 3") << "1" << "3" << "B";
        QTest::newRow("1, 5") << "1" << "5" << "B";
        QTest::newRow("2, 1") << "2" << "1" << "C";
        QTest::newRow("2, 3") << "2" << "3" << "C";
        QTest::newRow("empty, empty") << "" << "" << "C";
        QTest::newRow("1, empty") << "1" << "" << "A";
        QTest::newRow("leading number of a text") << " 1 RI" << "4 CF" << "B";
    }
    void letter()
    {
        QFETCH(QString, emisor);
        QFETCH(QString, cliente);
        QTEST(ObtieneLetraComprobante(emisor, cliente), "letra");
    }
};

TESTSUPPORT_MAIN(TstNumberingFamily)
#include "tst_numbering_family.moc"
