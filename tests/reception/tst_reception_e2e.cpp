// A reception day from start to end on the real form: start-up from the suite's
// command line, a date loaded, rows typed through the cell editor and looked up, F2
// saving each with its accounting entry, a duplicate refused, a row taken back, the
// report with and without "Pendientes", and Cerrar; then the database is read.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"

#include "lookup/Lib_FrmCons3.h"
#include "platform/report/ReportEngine.h"
#include "platform/ui/Operator.h"
#include "platform/zeltrix/Services.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using receptiontest::count;
using receptiontest::ddl;
using receptiontest::kDb;
using receptiontest::pdfText;
using receptiontest::ReceptionFixture;
using receptiontest::rows;
using testsupport::EndTrap;
using testsupport::ProgramEnded;
using testsupport::ScriptedOperator;

namespace {

// The operator's pick in the list lookup: types the start of a description and takes
// the line the search lands on.
std::function<int(QDialog&)> pick(const QString& search)
{
    return [search](QDialog& d) {
        auto& frm = static_cast<Lib_FrmCons3&>(d);
        frm.ListView1->setFocus();
        QTest::keyClicks(frm.ListView1, search);
        frm.ListView1->setFocus();
        QTest::keyClick(frm.ListView1, Qt::Key_Return);
        return int(QDialog::Accepted);
    };
}

} // namespace

class TstReceptionE2e : public QObject {
    Q_OBJECT

private slots:
    void receptionDay()
    {
        const bool withPdf = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
        ReceptionFixture fx;
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        ScriptedOperator op;   // a complete configuration: nothing is asked at start
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(f.CuentaMutualesAImputar, QStringLiteral("2102"));   // the configured optional code, resolved
        const QList<QVariantList> acceso =
            rows(QStringLiteral("SELECT Usuario, Maquina, EGRESO FROM Control_Acceso ORDER BY ID DESC LIMIT 1"));
        QCOMPARE(acceso.size(), 1);
        QCOMPARE(acceso[0][0].toString().toUpper(), QStringLiteral("VANDREL"));
        QVERIFY(acceso[0][2].isNull());

        // The 7th: one row received by mgomez, pending.
        fx.typeHeader(0, QStringLiteral("07/12/2026"));
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("0001-00046110"));
        QCOMPARE(g->TextMatrix(1, 7), QStringLiteral("4"));

        // Insert opens an entry row; the first row is typed key by key.
        fx.goTo(1, 1);
        fx.press(Qt::Key_Insert);
        QCOMPARE(g->Rows(), 3);
        fx.goTo(2, 1);
        fx.typeCell(QStringLiteral("110303"));
        fx.typeCell(QStringLiteral("RD-2026-30001"));
        fx.typeCell(QStringLiteral("1500.25"));
        fx.typeCell(QStringLiteral("1"));
        fx.typeCell(QStringLiteral("Recetas de diciembre"));
        QCOMPARE(g->Row(), 2);
        QVERIFY(!f.cmdGrabar->isHidden());
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(2, 0), QStringLiteral("*"));
        QCOMPARE(g->TextMatrix(2, 7), QStringLiteral("5"));
        QCOMPARE(g->TextMatrix(2, 2), QStringLiteral("Mutual Docente Provincial"));   // still shown once saved
        QCOMPARE(g->TextMatrix(2, 5), QStringLiteral("1"));                           // as typed
        QCOMPARE(g->Row(), 3);
        QCOMPARE(g->Col(), 1);

        // The second row's account and business unit come from the lookups (F5).
        op.expectForm(QStringLiteral("Lib_FrmCons3"), pick(QStringLiteral("mutual pol")));
        fx.press(Qt::Key_F5);
        QCOMPARE(g->TextMatrix(3, 1), QStringLiteral("110301"));
        QCOMPARE(g->TextMatrix(3, 2), QStringLiteral("Mutual Policial de Córdoba"));
        QCOMPARE(g->Col(), 3);
        fx.typeCell(QStringLiteral("0001-00047001"));
        fx.typeCell(QStringLiteral("250"));
        op.expectForm(QStringLiteral("Lib_FrmCons3"), pick(QStringLiteral("sucursal")));
        fx.press(Qt::Key_F5);
        QCOMPARE(g->TextMatrix(3, 5), QStringLiteral("2"));
        QCOMPARE(g->Col(), 6);
        fx.typeCell(QStringLiteral("O'Higgins 120"));
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(3, 0), QStringLiteral("*"));
        QCOMPARE(g->TextMatrix(3, 7), QStringLiteral("6"));
        QCOMPARE(g->Row(), 4);
        op.verifyAllUsed();

        // A voucher that mutual already handed in on the 4th is refused; the cursor moves on.
        fx.typeCell(QStringLiteral("110303"));
        fx.typeCell(QStringLiteral("RD-2026-11874"));
        fx.typeCell(QStringLiteral("99"));
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("otra vez"));
        op.expectMsgBox(QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: 04/12/2026 Usuario: Vandrel"),
                        ui::vbOK, QStringLiteral("Aviso al Usuario"), ui::vbInformation);
        fx.press(Qt::Key_F2);
        op.verifyAllUsed();
        QVERIFY(g->TextMatrix(4, 0).isEmpty());
        QVERIFY(g->TextMatrix(4, 7).isEmpty());
        QCOMPARE(g->Row(), 5);

        // What the two saves left: the rows, two balanced lines each, consecutive
        // entry and voucher numbers, the book moved on and the numbers recorded.
        const QList<QVariantList> mutuales = rows(QStringLiteral(
            "SELECT ID, CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHARECEPCION, USUARIO, UNEGOCIO FROM V_MV_MUTUALES "
            "WHERE ID > 4 ORDER BY ID"));
        QCOMPARE(mutuales.size(), 2);
        QCOMPARE(mutuales[0][1].toString(), QStringLiteral("110303"));
        QCOMPARE(mutuales[0][2].toString(), QStringLiteral("RD-2026-30001"));
        QCOMPARE(mutuales[0][3].toDouble(), 1500.25);
        QCOMPARE(mutuales[0][5].toDateTime().date(), QDate(2026, 12, 7));
        QCOMPARE(mutuales[0][6].toString(), QStringLiteral("Vandrel"));
        QCOMPARE(mutuales[0][7].toString(), QStringLiteral("   1"));
        QCOMPARE(mutuales[1][1].toString(), QStringLiteral("110301"));
        QCOMPARE(mutuales[1][4].toString(), QStringLiteral("O'Higgins 120"));
        QCOMPARE(mutuales[1][7].toString(), QStringLiteral("   2"));

        const QList<QVariantList> lineas = rows(QStringLiteral(
            "SELECT Cpte_Origen, Secuencia, Cuenta, [Debe-Haber], Importe, [NUMERO ASIENTO], Numero, Sucursal, Letra, "
            "Periodo, Tipo_Reg, Mes_Operativo, TC, CuentaOrigen, Detalle, Fecha "
            "FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl' AND Cpte_Origen IN ('RD-2026-30001', '0001-00047001') ORDER BY [NUMERO ASIENTO], Secuencia"));
        QCOMPARE(lineas.size(), 4);
        const QStringList vouchers{QStringLiteral("RD-2026-30001"), QStringLiteral("0001-00047001")};
        const QList<double> amounts{1500.25, 250.0};
        for (int i = 0; i < 4; ++i) {
            const QVariantList& l = lineas[i];
            const int row = i / 2;
            const bool debit = i % 2 == 0;
            QCOMPARE(l[0].toString(), vouchers[row]);
            QCOMPARE(l[1].toInt(), debit ? 1 : 2);
            QCOMPARE(l[2].toString(), debit ? QStringLiteral("1104") : QStringLiteral("2102"));
            QCOMPARE(l[3].toString(), debit ? QStringLiteral("D") : QStringLiteral("H"));
            QCOMPARE(l[4].toDouble(), amounts[row]);
            QCOMPARE(l[5].toInt(), 5 + row);
            QCOMPARE(l[6].toString(), QStringLiteral("0000000%1").arg(5 + row));
            QCOMPARE(l[7].toString(), QStringLiteral("0001"));
            QCOMPARE(l[8].toString(), QStringLiteral("X"));
            QCOMPARE(l[9].toInt(), 2026);
            QCOMPARE(l[10].toString(), QStringLiteral("MUT "));
            QCOMPARE(l[11].toInt(), 12);
            QCOMPARE(l[12].toString(), QStringLiteral("MUT"));
            QCOMPARE(l[13].toString(), row == 0 ? QStringLiteral("110303") : QStringLiteral("110301"));
            // The entry's text is the row's, apostrophe and all.
            QCOMPARE(l[14].toString(), row == 0 ? QStringLiteral("Recetas de diciembre") : QStringLiteral("O'Higgins 120"));
            QCOMPARE(l[15].toDateTime().date(), QDate(2026, 12, 7));
        }
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE -Importe END) "
                                                       "FROM MV_ASIENTOS"))
                     .toDouble(),
                 0.0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 7);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT ' AND LETRA = 'X' "
                                      "AND NUMERO IN ('00000005', '00000006')")),
                 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-11874'")), 1);

        // The first row is taken back with its entry; the numbering is not given back.
        fx.goTo(2, 1);
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes,
                        QStringLiteral("Atención"), ui::vbYesNo + ui::vbQuestion);
        fx.press(Qt::Key_Delete);
        op.verifyAllUsed();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 5")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-30001'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0001-00047001'")), 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE NUMERO = '00000005'")), 1);
        QCOMPARE(g->TextMatrix(2, 3), QStringLiteral("0001-00047001"));
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: %1").arg(g->Rows() - 1));
        QVERIFY(!f.StatusBar1Panels[1]->text().contains(QStringLiteral("1500")));

        // The report of the header date (F4), then only its pending rows after the
        // mgomez row has been invoiced elsewhere.
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        QVERIFY(engine);
        for (const bool pendientes : {false, true}) {
            if (pendientes)
                frametest::Exec(kDb, QStringLiteral("UPDATE V_MV_MUTUALES SET FACTURA = '000100000131A' WHERE ID = 4"));
            f.ChkPendiente->setChecked(pendientes);
            fx.press(Qt::Key_F4);
            const QString file = engine->lastFile();
            QVERIFY(QFileInfo(file).isFile());
            QCOMPARE(QFileInfo(file).dir().dirName(), QStringLiteral("reportes"));
            if (!withPdf)
                continue;
            const QString text = pdfText(file);
            QVERIFY2(text.contains(QStringLiteral("0001-00047001")), qPrintable(text));
            QCOMPARE(text.contains(QStringLiteral("0001-00046110")), !pendientes);
            QVERIFY(!text.contains(QStringLiteral("RD-2026-30001")));   // taken back
            QVERIFY(!text.contains(QStringLiteral("RD-2026-11874")));   // received on the 4th
            QVERIFY(text.contains(QStringLiteral("07/12/2026")));
        }
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
        QCOMPARE(op.pending(), 0);

        // The refused row is still on screen, typed and not saved: Cerrar asks first, and
        // No keeps it; Esc on the grid asks again, and Yes ends the program.
        EndTrap trap;
        const QString pregunta = QStringLiteral("¿Realmente desea abandonar la carga de datos?");
        op.expectMsgBox(pregunta, ui::vbNo, QStringLiteral("Aviso al Operador"), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        f.UtilKor1_click(QStringLiteral("CERRAR"));
        op.verifyAllUsed();
        QCOMPARE(trap.calls(), 0);
        QCOMPARE(g->TextMatrix(3, 3), QStringLiteral("RD-2026-11874"));
        op.expectMsgBox(pregunta, ui::vbYes);
        bool ended = false;
        try {
            fx.press(Qt::Key_Escape);
        } catch (const ProgramEnded&) {
            ended = true;
        }
        op.verifyAllUsed();
        QVERIFY(ended);
        QVERIFY(!frametest::Scalar(kDb, QStringLiteral("SELECT EGRESO FROM Control_Acceso ORDER BY ID DESC LIMIT 1")).isNull());
    }

    // The entry's credit line is rejected by the database: the row stays saved and
    // marked, no entry line and no number is left, the batch is kept in AUX_ERR and the
    // operator is told; the next row is saved with its entry as usual.
    void failingEntryKeepsTheRow()
    {
        ReceptionFixture fx;
        ddl(fx.folder, QStringLiteral("CREATE TRIGGER RechazaHaber BEFORE INSERT ON MV_ASIENTOS "
                                      "WHEN NEW.[Debe-Haber] = 'H' AND NEW.Cpte_Origen = 'RD-2026-40001' "
                                      "BEGIN SELECT RAISE(ABORT, 'renglon al haber rechazado'); END"));
        ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110303"));
        fx.typeCell(QStringLiteral("RD-2026-40001"));
        fx.typeCell(QStringLiteral("800"));
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("con asiento rechazado"));
        op.expectMsgBox(QStringLiteral("renglon al haber rechazado"), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        fx.press(Qt::Key_F2);
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(g->TextMatrix(1, 7), QStringLiteral("5"));
        QCOMPARE(g->Row(), 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 5 AND IDMUTUAL = 'RD-2026-40001'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-40001'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE NUMERO = '00000005'")), 0);
        const QList<QVariantList> aux = rows(QStringLiteral("SELECT SQL, Descripcion FROM AUX_ERR"));
        QCOMPARE(aux.size(), 1);
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("UPDATE V_TA_CPTE")));
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("INSERT INTO MV_ASIENTOS")));
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("RD-2026-40001")));
        QVERIFY(aux[0][1].toString().contains(QStringLiteral("renglon al haber rechazado")));

        // No transaction was left open: the next row and its entry are committed.
        fx.typeCell(QStringLiteral("110303"));
        fx.typeCell(QStringLiteral("RD-2026-40002"));
        fx.typeCell(QStringLiteral("120"));
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("sigue"));
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(2, 7), QStringLiteral("6"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-40002' "
                                      "AND [NUMERO ASIENTO] = 5 AND Numero = '00000005'")),
                 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 1);
    }

    // An invoice mark of blanks names no invoice: the grid marks the row pending, the
    // report lists it among the pending rows, and Delete takes it back after the question.
    void blankInvoiceMarkIsPending()
    {
        ReceptionFixture fx({QStringLiteral("UPDATE V_MV_MUTUALES SET FACTURA = '   ' WHERE ID = 2")});
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        fx.typeHeader(0, QStringLiteral("01/12/2026"));
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("F"));
        QCOMPARE(g->TextMatrix(2, 3), QStringLiteral("0003-00012009"));
        QCOMPARE(g->TextMatrix(2, 0), QStringLiteral("*"));

        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            f.ChkPendiente->setChecked(true);
            fx.press(Qt::Key_F4);
            auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
            QVERIFY(engine);
            const QString text = pdfText(engine->lastFile());
            QVERIFY2(text.contains(QStringLiteral("0003-00012009")), qPrintable(text));
            QVERIFY(!text.contains(QStringLiteral("0001-00045872")));
        }

        g->SetRow(2);
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes,
                        QStringLiteral("Atención"), ui::vbYesNo + ui::vbQuestion);
        fx.press(Qt::Key_Delete);
        op.verifyAllUsed();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 2")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0003-00012009'")), 0);
        QCOMPARE(g->Rows(), 2);
    }

    // A row the database does not take is told to the operator and stays unmarked under
    // the cursor to be corrected.
    void refusedRowStaysUnderTheCursor()
    {
        ReceptionFixture fx;
        ddl(fx.folder, QStringLiteral("CREATE TRIGGER RechazaMutual BEFORE INSERT ON V_MV_MUTUALES "
                                      "BEGIN SELECT RAISE(ABORT, 'recepcion cerrada'); END"));
        ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110303"));
        fx.typeCell(QStringLiteral("RD-2026-60001"));
        fx.typeCell(QStringLiteral("75"));
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("x"));
        op.expectMsgBox(QStringLiteral("recepcion cerrada"), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        fx.press(Qt::Key_F2);
        op.verifyAllUsed();
        QCOMPARE(g->Row(), 1);
        QVERIFY(g->TextMatrix(1, 0).isEmpty());
        QVERIFY(g->TextMatrix(1, 7).isEmpty());
        QVERIFY(!f.cmdGrabar->isHidden());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
    }
};

TESTSUPPORT_MAIN(TstReceptionE2e)
#include "tst_reception_e2e.moc"
