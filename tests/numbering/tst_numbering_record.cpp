// Validating a number and recording an issued one: the collect-mode
// scripts as golden texts, direct mode, the TA_Comprobantes fallback.
#include "NumberingFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QString kAdvice = QStringLiteral("\r\rVerifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo");
const QString kBadLetter = QStringLiteral(" La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M");

QString rangeLine(const QString& which, int numero, int limite, int control)
{
    return QStringLiteral("\rEl Número de comprobante (%1) no respeta el parametro NRO %2 del comprobante (%3) , Nro de Control: %4")
        .arg(numero)
        .arg(which)
        .arg(limite)
        .arg(control);
}

QString control(const QString& tc, const QString& suc, const QString& num, const QString& letra)
{
    return QStringLiteral("\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('%1','%2','%3','%4')\r\n")
        .arg(tc, suc, num, letra);
}

} // namespace

class TstNumberingRecord : public QObject {
    Q_OBJECT

private slots:
    // Every test on the program's own engine and on an Oracle connection.
    void initTestCase_data() { numtest::EngineRows(); }
    void init() { numtest::StartOnEngine(); }
    void cleanup() { QCOMPARE(numtest::EndOnEngine(), QStringList()); }

    // ValidaNumeracionComprobante on the books of type VA (ranges 1-100 and 101-200 of
    // branch 1, 10-50 of branch 2, no control on branch 5, an external book on branch 6).
    void validate_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("talonarioBefore");
        QTest::addColumn<QString>("sucursal");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("mensajeBefore");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("talonario");
        QTest::addColumn<QString>("letraOut");

        QTest::newRow("in the first range") << "VA" << 0 << "1" << "50" << "X" << "" << "previo" << true << "" << 1 << "X";
        QTest::newRow("in the second range") << "VA" << 0 << "0001" << "150" << "X" << "" << "" << true << "" << 2 << "X";
        QTest::newRow("equal to NRO HASTA passes") << "VA" << 0 << "1" << "100" << "X" << "" << "" << true << "" << 1 << "X";
        QTest::newRow("one above NRO HASTA")
            << "VA" << 2 << "1" << "201" << "X" << "" << "" << false << rangeLine("HASTA", 201, 200, 2) + kAdvice << 2 << "X";
        QTest::newRow("reasons are appended to what Mensaje held")
            << "VA" << 2 << "1" << "201" << "X" << "" << "previo" << false
            << "previo" + rangeLine("HASTA", 201, 200, 2) + kAdvice << 2 << "X";
        QTest::newRow("below NRO DESDE")
            << "VA" << 3 << "2" << "5" << "X" << "" << "" << false << rangeLine("DESDE", 5, 10, 3) + kAdvice << 3 << "X";
        QTest::newRow("number 0: only the advice") << "VA" << 1 << "1" << "0" << "X" << "" << "" << false << kAdvice << 1 << "X";
        QTest::newRow("letter Q") << "VA" << 0 << "1" << "50" << "Q" << "" << "previo" << false << kBadLetter << 0 << "Q";
        QTest::newRow("letters A,B") << "VA" << 0 << "1" << "50" << "A,B" << "" << "" << false << kBadLetter << 0 << "A,B";
        QTest::newRow("a comma") << "VA" << 0 << "1" << "50" << "," << "" << "" << false << kBadLetter << 0 << ",";
        QTest::newRow("empty letter goes on as X") << "VA" << 0 << "1" << "50" << "" << "" << "" << true << "" << 1 << "X";
        QTest::newRow("lower-case letter") << "VA" << 0 << "1" << "50" << "x" << "" << "" << true << "" << 1 << "x";
        QTest::newRow("expiry on the same day passes")
            << "VA" << 0 << "1" << "50" << "X" << "10/03/2024" << "" << true << "" << 1 << "X";
        QTest::newRow("expired the day before")
            << "VA" << 0 << "1" << "50" << "X" << "11/03/2024" << "" << false
            << "El rango de numeracion del comprobante VA Control nro: 1 se encuenta vencida...! "
               "Debe dar de alta un nuevo talonario para el comprobante VA" + kAdvice
            << 1 << "X";
        QTest::newRow("no current book")
            << "VA" << 9 << "7" << "50" << "X" << "" << "" << false << "Debe configurar la numeracióN de Comprobantes" << 9 << "X";
        QTest::newRow("a book without control stops the search and passes")
            << "VA" << 4 << "5" << "999" << "X" << "" << "" << true << "" << 4 << "X";
        QTest::newRow("an external book stops the search and passes")
            << "VA" << 1 << "6" << "999" << "X" << "" << "" << true << "" << 1 << "X";
        QTest::newRow("an external type passes at once")
            << "VX" << 42 << "1" << "0" << "" << "" << "previo" << true << "" << 42 << "X";
    }
    void validate()
    {
        QFETCH(QString, tc);
        QFETCH(int, talonarioBefore);
        QFETCH(QString, sucursal);
        QFETCH(QString, numero);
        QFETCH(QString, letra);
        QFETCH(QString, fecha);
        QFETCH(QString, mensajeBefore);
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        TalonarioActual = talonarioBefore;
        QString mensaje = mensajeBefore;
        const bool result = ValidaNumeracionComprobante(tc, sucursal, numero, letra, mensaje, fecha);
        QTEST(result, "result");
        QTEST(mensaje, "mensaje");
        QTEST(TalonarioActual, "talonario");
        QTEST(letra, "letraOut");
    }

    void validateTrapsNothing()
    {
        // A date that is no date reaches the caller as a run-time error.
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        QString letra = QStringLiteral("X"), mensaje;
        bool raised = false;
        try {
            ValidaNumeracionComprobante(QStringLiteral("VA"), QStringLiteral("1"), QStringLiteral("50"), letra, mensaje,
                                        QStringLiteral("no es fecha"));
        } catch (const vb::VbError& e) {
            raised = e.Number == 13;
        }
        QVERIFY(raised);
    }

    // Collect mode: the statements returned for the caller's transaction, as golden texts.
    void collect_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<QString>("sucursal");
        QTest::addColumn<QString>("siguiente");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<bool>("registra");
        QTest::addColumn<bool>("solo");
        QTest::addColumn<int>("talonarioBefore");
        QTest::addColumn<QString>("scriptBefore");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("letraOut");

        const QString updMut = QStringLiteral(" UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  16 WHERE CODIGO = 'MUT ' AND TALONARIO=1");
        QTest::newRow("accounting type: UPDATE, CR LF, INSERT of the issued number, CR LF")
            << "MUT" << "Contable" << "0001" << " 16" << "X" << false << false << 0 << ""
            << updMut + control("MUT ", "0001", "00000015", "X") << "X";
        QTest::newRow("the UPDATE replaces what Script held")
            << "MUT" << "Contable" << "0001" << " 16" << "X" << false << false << 0 << "previo"
            << updMut + control("MUT ", "0001", "00000015", "X") << "X";
        QTest::newRow("stored next number 20, 16 recorded: no UPDATE, the control row still")
            << "MUV" << "Contable" << "0001" << " 16" << "X" << false << false << 0 << "previo"
            << "previo" + control("MUV ", "0001", "00000015", "X") << "X";
        QTest::newRow("the same number as stored: no UPDATE")
            << "MUT" << "Contable" << "0001" << "15" << "X" << false << false << 0 << ""
            << control("MUT ", "0001", "00000014", "X") << "X";
        QTest::newRow("SoloControl: only the control row after the previous text")
            << "MUT" << "Contable" << "0001" << " 16" << "X" << false << true << 0 << "previo"
            << "previo" + control("MUT ", "0001", "00000015", "X") << "X";
        QTest::newRow("empty letter becomes X")
            << "MUT" << "Contable" << "0001" << " 16" << "" << false << false << 0 << ""
            << updMut + control("MUT ", "0001", "00000015", "X") << "X";
        QTest::newRow("book of another system: only the UPDATE")
            << "VEN" << "VENTAS" << "0001" << " 16" << "A" << false << false << 0 << ""
            << " UPDATE V_TA_CPTE SET A_ULTIMO_NRO =  16 WHERE CODIGO = 'VEN ' AND TALONARIO=1" << "A";
        QTest::newRow("RegistraControl: the control row whatever the system")
            << "VEN" << "VENTAS" << "1" << " 16" << "A" << true << false << 0 << ""
            << " UPDATE V_TA_CPTE SET A_ULTIMO_NRO =  16 WHERE CODIGO = 'VEN ' AND TALONARIO=1"
                   + control("VEN ", "0001", "00000015", "A")
            << "A";
        QTest::newRow("OC: the control row whatever the system")
            << "OC" << "COMPRAS" << "0001" << " 16" << "X" << false << false << 0 << ""
            << " UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  16 WHERE CODIGO = 'OC  ' AND TALONARIO=1"
                   + control("OC  ", "0001", "00000015", "X")
            << "X";
        QTest::newRow("four-letter type, branch 3, letter B")
            << "RECB" << "Contable" << "3" << "16" << "B" << false << false << 0 << ""
            << " UPDATE V_TA_CPTE SET B_ULTIMO_NRO = 16 WHERE CODIGO = 'RECB' AND TALONARIO=1"
                   + control("RECB", "0003", "00000015", "B")
            << "B";
        QTest::newRow("an alias names the type that owns the book")
            << "MUA" << "Contable" << "0001" << " 16" << "X" << false << false << 0 << ""
            << updMut + control("MUT ", "0001", "00000015", "X") << "X";
        QTest::newRow("another branch: nothing")
            << "MUT" << "Contable" << "0002" << " 16" << "X" << false << false << 0 << "previo" << "previo" << "X";
        QTest::newRow("fallback TA_Comprobantes: no comparison with the stored 40")
            << "OLD" << "Contable" << "0001" << " 30" << "X" << false << false << 2 << "previo"
            << " UPDATE TA_Comprobantes SET X_ULTIMO_NRO =  30 WHERE CODIGO = 'OLD ' AND SISTEMA = 'Contable' AND TALONARIO=2"
                   + control("OLD ", "0001", "00000029", "X")
            << "X";
        QTest::newRow("fallback of another system, SoloControl ignored")
            << "TAO" << "STOCK" << "1" << " 8" << "" << false << true << 1 << ""
            << " UPDATE TA_Comprobantes SET X_ULTIMO_NRO =  8 WHERE CODIGO = 'TAO ' AND SISTEMA = 'STOCK' AND TALONARIO=1" << "X";
        QTest::newRow("the fallback row is looked up by system")
            << "OLD" << "VENTAS" << "0001" << " 30" << "X" << false << false << 2 << "previo" << "previo" << "X";
        QTest::newRow("external type without the current book: Script emptied")
            << "EXT" << "Contable" << "1" << " 8" << "X" << false << false << 1 << "previo" << "" << "X";
        QTest::newRow("type whose books do not include the current one: nothing, silently")
            << "SIN" << "Contable" << "2" << " 8" << "X" << false << false << 1 << "previo" << "previo" << "X";
    }
    void collect()
    {
        QFETCH(QString, tc);
        QFETCH(QString, sistema);
        QFETCH(QString, sucursal);
        QFETCH(QString, siguiente);
        QFETCH(QString, letra);
        QFETCH(bool, registra);
        QFETCH(bool, solo);
        QFETCH(int, talonarioBefore);
        QFETCH(QString, scriptBefore);
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        testsupport::RegionalPin pin(QLatin1Char(','), QLatin1Char('.'));   // numbers never take the regional format
        TalonarioActual = talonarioBefore;
        QString script = scriptBefore;
        const QString tcBefore = tc;
        ActualizaNumeracionComprobante(tc, sistema, sucursal, siguiente, letra, true, script, registra, solo);
        QTEST(script, "script");
        QTEST(letra, "letraOut");
        QCOMPARE(tc, tcBefore);
        // Collect mode writes nothing.
        QCOMPARE(numtest::Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE")).toInt(), 0);
        QCOMPARE(numtest::Scalar(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT'")).toInt(), 15);
    }

    void collectedScriptRuns()
    {
        // The reception's call: the next number written with Str's leading blank, then the
        // returned text run in one transaction by the frame's script runner.
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        QString sucursal = QStringLiteral("0001"), letra = QStringLiteral("X"), script;
        ActualizaNumeracionComprobante(QStringLiteral("MUT"), QStringLiteral("Contable"), sucursal, vb::Str(15 + 1), letra, true,
                                       script, false, false);
        bool hayError = false;
        qint32 nroError = 0;
        QString ejecutado, mensaje;
        GActualizarDatoScript({QString(), script, QString()}, hayError, nroError, false, false, ejecutado, mensaje, true);
        QVERIFY(!hayError);
        QCOMPARE(numtest::Scalar(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT'")).toInt(), 16);
        QCOMPARE(numtest::Rows(QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA FROM V_MV_CTROL_CPTE")),
                 (QList<QVariantList>{{QStringLiteral("MUT "), QStringLiteral("0001"), QStringLiteral("00000015"), QStringLiteral("X")}}));
    }

    void noBookAnywhere()
    {
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"), 1,
                        QStringLiteral("ATENCION"), 16);
        QString letra = QStringLiteral("X"), script = QStringLiteral("previo");
        ActualizaNumeracionComprobante(QStringLiteral("NADA"), QStringLiteral("Contable"), QStringLiteral("1"), QStringLiteral(" 2"),
                                       letra, true, script);
        QCOMPARE(script, QStringLiteral("previo"));
    }

    void direct_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<QString>("siguiente");
        QTest::addColumn<int>("talonarioBefore");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<QString>("modificacion");

        const QString mut = QStringLiteral("SELECT X_ULTIMO_NRO, fechahora_modificacion FROM V_TA_CPTE WHERE CODIGO = 'MUT'");
        QTest::newRow("the book moves on and keeps the time") << "MUT" << "Contable" << "16" << 0 << mut << 16 << "15/03/24 10:30";
        QTest::newRow("Str's leading blank") << "MUT" << "Contable" << " 16" << 0 << mut << 16 << "15/03/24 10:30";
        QTest::newRow("never back")
            << "MUV" << "Contable" << "16" << 0
            << "SELECT X_ULTIMO_NRO, fechahora_modificacion FROM V_TA_CPTE WHERE CODIGO = 'MUV'" << 20 << "";
        QTest::newRow("fallback row")
            << "TAO" << "STOCK" << " 3" << 1
            << "SELECT X_ULTIMO_NRO, fechahora_modificacion FROM TA_Comprobantes WHERE CODIGO = 'TAO'" << 3 << "15/03/24 10:30";
    }
    void direct()
    {
        QFETCH(QString, tc);
        QFETCH(QString, sistema);
        QFETCH(QString, siguiente);
        QFETCH(int, talonarioBefore);
        QFETCH(QString, query);
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        testsupport::FixedClock clock(2024, 3, 15, 10, 30, 45);
        TalonarioActual = talonarioBefore;
        QString letra = QStringLiteral("X"), script = QStringLiteral("previo");
        ActualizaNumeracionComprobante(tc, sistema, QStringLiteral("1"), siguiente, letra, false, script, true, false);
        const QList<QVariantList> rows = numtest::Rows(query);
        QCOMPARE(rows.size(), 1);
        QTEST(rows.at(0).at(0).toInt(), "ultimo");
        QTEST(rows.at(0).at(1).toString(), "modificacion");
        // No control row in direct mode, and Script is left alone.
        QCOMPARE(numtest::Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE")).toInt(), 0);
        QCOMPARE(script, QStringLiteral("previo"));
    }

    void aFailureIsReportedUnderTheOperationsName()
    {
        // A letter that names no column: the read of its column fails and Abort leaves
        // at once, producing nothing.
        TempProgramFolder folder;
        numtest::Open(folder);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("(3265)"), 3);
        TalonarioActual = 1;
        QString letra = QStringLiteral("Q"), script = QStringLiteral("previo");
        ActualizaNumeracionComprobante(QStringLiteral("MUT"), QStringLiteral("Contable"), QStringLiteral("1"), QStringLiteral(" 16"),
                                       letra, true, script);
        QVERIFY(op.shown().at(0).title.contains(QLatin1String("ActualizaNumeracionComprobante")));
        QCOMPARE(script, QStringLiteral("previo"));
    }
};

TESTSUPPORT_MAIN(TstNumberingRecord)
#include "tst_numbering_record.moc"
