// What the library asks the operator: the error dialog with its log line and answer,
// the date picker and the file-open dialog, all through the operator service.
#include "platform/zeltrix/DialogoArchivo.h"
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <stdexcept>

using testsupport::ScriptedOperator;

namespace {

// An operator whose message boxes cannot be shown.
class BrokenOperator : public ui::Operator {
public:
    int MsgBox(const QString&, int, const QString&) override { throw std::runtime_error("no display"); }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    int ShowModal(QDialog&) override { return 0; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QDate PickDate(const QString&, const QDate&) override { return {}; }
};

} // namespace

class tst_zeltrix_operator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void errorBoxAndLogLine_data();
    void errorBoxAndLogLine();
    void withoutRoutineName();
    void errorZeroShowsAndWritesNothing();
    void linesAppendInOrderToTheExistingLog();
    void sourceDefaultsToProgramName();
    void boxThatCannotBeShownAnswersZero();

    void pickDate();
    void pickDateCancelled();

    void openFile();
    void openFileCancelled();
    void fileFilters_data();
    void fileFilters();

private:
    zeltrix::Utilidades util;
    testsupport::TempProgramFolder* folder = nullptr;
    testsupport::FixedClock* clock = nullptr;
};

void tst_zeltrix_operator::init()
{
    folder = new testsupport::TempProgramFolder;
    clock = new testsupport::FixedClock(2024, 3, 15, 10, 5, 9);
    vb::App::SetEXEName("RecepcionMutuales");
}

void tst_zeltrix_operator::cleanup()
{
    delete clock;
    delete folder;
    vb::App::ResetAll();
}

void tst_zeltrix_operator::errorBoxAndLogLine_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("word");

    QTest::newRow("Retry") << 4 << "Reintentar";
    QTest::newRow("Ignore") << 5 << "Ignorar";
    QTest::newRow("Abort") << 3 << "Abortar";
    QTest::newRow("Cancel") << 2 << "Cancelar";
    QTest::newRow("Yes") << 6 << "Sí";
    QTest::newRow("No") << 7 << "No";
    QTest::newRow("OK writes no word") << 1 << "";
}

void tst_zeltrix_operator::errorBoxAndLogLine()
{
    QFETCH(int, answer);
    QFETCH(QString, word);
    ScriptedOperator op;
    op.expectMsgBox("", answer);

    const vb::VbError error(3709, "  Conexion perdida con el servidor  ", "ADODB.Connection");
    QCOMPARE(util.TrataError(error, "AbrirRecordset"), answer);

    QCOMPARE(op.shown().size(), 1);
    QCOMPARE(op.shown()[0].text, QString("Ha ocurrido el Siguiente Error (3709) Conexion perdida con el servidor"));
    QCOMPARE(op.shown()[0].title, QString("ADODB.Connection - AbrirRecordset Aviso al operador!!! - 5 "));
    QCOMPARE(op.shown()[0].style, 18);
    QCOMPARE(folder->read("QKERR.LOG"),
             vb::ToCp1252("03-15-2024 10:05:09 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error "
                          "(3709) Conexion perdida con el servidor Respondió : " + word + "\r\n"));
}

void tst_zeltrix_operator::withoutRoutineName()
{
    ScriptedOperator op;
    op.expectMsgBox("", ui::vbIgnore);
    QCOMPARE(util.TrataError(vb::VbError(-2147217900, "Sintaxis incorrecta", "Microsoft OLE DB")), 5);
    QCOMPARE(op.shown()[0].title, QString("Microsoft OLE DB Aviso al operador!!! - 5 "));
    QCOMPARE(op.shown()[0].text, QString("Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta"));
    QCOMPARE(folder->read("QKERR.LOG"),
             vb::ToCp1252("03-15-2024 10:05:09 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) "
                          "Sintaxis incorrecta Respondió : Ignorar\r\n"));
}

void tst_zeltrix_operator::errorZeroShowsAndWritesNothing()
{
    ScriptedOperator op;   // any prompt would fail the test
    QCOMPARE(util.TrataError(vb::VbError(0, "nada"), "Rutina"), 0);
    QVERIFY(op.shown().isEmpty());
    QVERIFY(!QFile::exists(folder->filePath("QKERR.LOG")));
}

void tst_zeltrix_operator::linesAppendInOrderToTheExistingLog()
{
    folder->write("qkerr.log", "previa\r\n");
    ScriptedOperator op;
    op.expectMsgBox("(11)", ui::vbRetry).expectMsgBox("(6)", ui::vbAbort);
    QCOMPARE(util.TrataError(vb::VbError(11, "Division por cero"), "GrabaFila"), 4);
    clock->advance(61);
    QCOMPARE(util.TrataError(vb::VbError(6, "Desbordamiento"), "GrabaFila"), 3);

    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"qkerr.log"});
    const QByteArray expected =
        "previa\r\n"
        "03-15-2024 10:05:09 Rutina: - GrabaFila Mensaje Ha ocurrido el Siguiente Error (11) Division por cero "
        "Respondi\xF3 : Reintentar\r\n"
        "03-15-2024 10:06:10 Rutina: - GrabaFila Mensaje Ha ocurrido el Siguiente Error (6) Desbordamiento "
        "Respondi\xF3 : Abortar\r\n";
    QCOMPARE(folder->read("qkerr.log"), expected);
}

void tst_zeltrix_operator::sourceDefaultsToProgramName()
{
    ScriptedOperator op;
    op.expectMsgBox("", ui::vbAbort, "RecepcionMutuales - Form_Load Aviso al operador!!! - 5 ");
    QCOMPARE(util.TrataError(vb::VbError(5, "Llamada no valida"), "Form_Load"), 3);
}

void tst_zeltrix_operator::boxThatCannotBeShownAnswersZero()
{
    BrokenOperator broken;
    ui::SetOperator(&broken);
    int answer = -1;
    try {
        answer = util.TrataError(vb::VbError(13, "No coinciden los tipos"), "CAMPO_VALIDA");
    } catch (...) {
        ui::SetOperator(nullptr);
        QFAIL("the error dialog raised");
    }
    ui::SetOperator(nullptr);
    QCOMPARE(answer, 0);
    QVERIFY(folder->read("QKERR.LOG").endsWith("Respondi\xF3 : \r\n"));
}

void tst_zeltrix_operator::pickDate()
{
    ScriptedOperator op;
    op.expectDate(QDate(2024, 2, 9));
    QCOMPARE(util.PideFecha(), QString("09/02/2024"));
    QCOMPARE(op.shown().size(), 1);
    QCOMPARE(op.shown()[0].kind, testsupport::ShownPrompt::Date);
    QCOMPARE(op.shown()[0].text, QString("15/03/2024"));   // starts on today by the program clock
}

void tst_zeltrix_operator::pickDateCancelled()
{
    ScriptedOperator op;
    op.expectDate(QDate());
    QCOMPARE(util.PideFecha(), QString());
}

void tst_zeltrix_operator::openFile()
{
    ScriptedOperator op;
    op.expectOpenFile("/datos/ventas.mdb");
    zeltrix::DialogoArchivo dlg;
    dlg.DialogTitle = "Buscar Base de Datos";
    dlg.Filter = "Base de Datos de Microsoft Access |*.MDB";
    dlg.ShowOpen();
    QCOMPARE(dlg.FileName, QString("/datos/ventas.mdb"));
    QVERIFY(!dlg.Cancelado);
    QCOMPARE(op.shown()[0].title, QString("Buscar Base de Datos"));
    QCOMPARE(op.shown()[0].text, QString("Base de Datos de Microsoft Access (*.MDB)"));
}

void tst_zeltrix_operator::openFileCancelled()
{
    ScriptedOperator op;
    op.expectOpenFile("/datos/primera.mdb").expectOpenFile("");
    zeltrix::DialogoArchivo dlg;
    dlg.ShowOpen();
    QVERIFY(!dlg.Cancelado);
    dlg.ShowOpen();
    QVERIFY(dlg.Cancelado);
    QCOMPARE(dlg.FileName, QString());
}

void tst_zeltrix_operator::fileFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one pair") << "Texto|*.txt" << "Texto (*.txt)";
    QTest::newRow("two patterns") << "Textos|*.txt;*.log" << "Textos (*.txt *.log)";
    QTest::newRow("two pairs") << "Bases|*.mdb|Todos|*.*" << "Bases (*.mdb);;Todos (*.*)";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("description without pattern") << "Solo texto" << "";
}

void tst_zeltrix_operator::fileFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(zeltrix::QtFileFilter(filter), expected);
}

TESTSUPPORT_MAIN(tst_zeltrix_operator)
#include "tst_zeltrix_operator.moc"
