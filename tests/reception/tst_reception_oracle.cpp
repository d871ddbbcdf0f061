// The reception on an Oracle connection, as the suite's menu starts it ("@Server=#..."):
// start-up with its access-log row, the account lookup, a row saved with its numbered
// entry, taken back, the report, the server's date and shutdown. The engine is the
// Oracle stand-in, which refuses what Oracle refuses; none of it may be refused, and
// everything lands in the database as on the program's own engine.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"

#include "data/DB_Dll.h"
#include "frame/AccessLog.h"
#include "frame/ModGlobal.h"
#include "frame/SmallLookups.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/report/ReportEngine.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/oracle/OracleStandIn.h"

#include <QFileInfo>
#include <QTest>

using receptiontest::count;
using receptiontest::ReceptionFixture;
using receptiontest::rows;
using testsupport::ScriptedOperator;

namespace {

const QString kOracleLine = QStringLiteral("@Server=#ORA;@DbName=demo.sqlite;@Usuario=Vandrel;@Password=;@Caja=1");

// Whether `first` was received before `then`, both of them.
bool before(const QStringList& received, const QString& first, const QString& then)
{
    const int a = int(received.indexOf(first));
    const int b = int(received.indexOf(then));
    return a >= 0 && b >= 0 && a < b;
}

int indexStarting(const QStringList& received, const QString& head, int from = 0)
{
    for (int i = from; i < received.size(); ++i)
        if (received[i].startsWith(head, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace

class TstReceptionOracle : public QObject {
    Q_OBJECT

private slots:
    void receptionDayOnOracle()
    {
        ReceptionFixture fx;
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        testsupport::OracleStandIn oracle;
        vb::App::SetCommand(kOracleLine);
        ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        QVERIFY(gDBPrincipal->IsOracleConnection());

        // The access-log row, its ID read back as Oracle gives it.
        QVERIFY(gIdControlAcceso > 0);
        const QList<QVariantList> acceso =
            rows(QStringLiteral("SELECT ID, Usuario, Ingreso, EGRESO FROM Control_Acceso ORDER BY ID DESC LIMIT 1"));
        QCOMPARE(acceso.size(), 1);
        QCOMPARE(acceso[0][0].toInt(), gIdControlAcceso);
        QCOMPARE(acceso[0][1].toString(), QStringLiteral("VANDREL"));
        QCOMPARE(acceso[0][2].toString(), QStringLiteral("09/12/26 10:30"));   // a text column: the text as written
        QVERIFY(acceso[0][3].isNull());
        QVERIFY(before(oracle.received(), QStringLiteral("LOCK TABLE Control_Acceso IN EXCLUSIVE MODE"),
                       QStringLiteral("SELECT MAX(ID) AS ID FROM Control_Acceso")));

        // The server's date is Oracle's SYSDATE (the stand-in's clock is the program's).
        QCOMPARE(FechaServidor(), QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
        QVERIFY(oracle.received().contains(QStringLiteral("select  SYSDATE as fecha FROM DUAL")));

        // A row typed with the account picked from the lookup, and saved with its entry.
        fx.goTo(1, 1);
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            auto& frm = static_cast<Lib_FrmCons3&>(d);
            frm.ListView1->setFocus();
            QTest::keyClicks(frm.ListView1, QStringLiteral("mutual pol"));
            QTest::keyClick(frm.ListView1, Qt::Key_Return);
            return int(QDialog::Accepted);
        });
        fx.press(Qt::Key_F5);
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(g->Col(), 3);
        fx.typeCell(QStringLiteral("0001-[1] 'x'"));
        fx.typeCell(QStringLiteral("1500.25"));
        fx.typeCell(QString());
        fx.typeCell(QStringLiteral("with(nolock) top 1 @Admin_y -- no"));
        oracle.clear();
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        const QList<QVariantList> fila =
            rows(QStringLiteral("SELECT ID, IDMUTUAL, OBSERVACIONES FROM V_MV_MUTUALES WHERE IDMUTUAL = '0001-[1] ''x'''"));
        QCOMPARE(fila.size(), 1);
        QCOMPARE(fila[0][2].toString(), QStringLiteral("with(nolock) top 1 @Admin_y -- no"));
        QCOMPARE(g->TextMatrix(1, 7), fila[0][0].toString());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0001-[1] ''x'''")), 2);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 6);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT ' AND NUMERO = '00000005'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);

        // The save's transaction in Oracle's words: the duplicate test and the numbers
        // read under table locks taken in it, the entry under its savepoint.
        const QStringList saved = oracle.received();
        const int begin = int(saved.indexOf(QStringLiteral("<begin>")));
        const int lockRows = int(saved.indexOf(QStringLiteral("LOCK TABLE V_MV_MUTUALES IN EXCLUSIVE MODE")));
        const int duplicate = indexStarting(saved, QStringLiteral("SELECT FechaRecepcion,Usuario"));
        const int savepoint = int(saved.indexOf(QStringLiteral("SAVEPOINT Asiento")));
        const int lockBooks = int(saved.indexOf(QStringLiteral("LOCK TABLE V_TA_CPTE IN EXCLUSIVE MODE")));
        const int lockEntries = int(saved.indexOf(QStringLiteral("LOCK TABLE MV_ASIENTOS IN EXCLUSIVE MODE")));
        const int commit = int(saved.lastIndexOf(QStringLiteral("<commit>")));
        QVERIFY2(begin >= 0 && begin < lockRows && lockRows < duplicate && duplicate < savepoint, qPrintable(saved.join(u'\n')));
        QVERIFY(savepoint < lockEntries && savepoint < lockBooks && lockEntries < commit && lockBooks < commit);
        QVERIFY(saved.contains(QStringLiteral("SELECT MAX(ID) AS ID FROM V_MV_MUTUALES")));

        // Taken back with its entry.
        fx.goTo(1, 1);
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes,
                        QStringLiteral("Atención"), ui::vbYesNo + ui::vbQuestion);
        fx.press(Qt::Key_Delete);
        op.verifyAllUsed();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = '0001-[1] ''x'''")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0001-[1] ''x'''")), 0);

        // The report of a day with rows.
        fx.typeHeader(0, QStringLiteral("07/12/2026"));
        QCOMPARE(g->TextMatrix(1, 3), QStringLiteral("0001-00046110"));
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        QVERIFY(engine);
        fx.press(Qt::Key_F4);
        QVERIFY(QFileInfo(engine->lastFile()).isFile());
        const QString text = receptiontest::pdfText(engine->lastFile());
        if (!text.isEmpty())
            QVERIFY2(text.contains(QStringLiteral("0001-00046110")), qPrintable(text));

        // Shutdown closes the run's row.
        testsupport::EndTrap trap;
        try {
            f.UtilKor1_click(QStringLiteral("CERRAR"));
        } catch (const testsupport::ProgramEnded&) {
        }
        QVERIFY(!rows(QStringLiteral("SELECT EGRESO FROM Control_Acceso WHERE ID = %1").arg(acceso[0][0].toInt()))[0][0].isNull());
        QCOMPARE(op.pending(), 0);
        QCOMPARE(oracle.refused(), QStringList());
    }

    // Texts that read as dates, typed as a voucher and as its observations, reach Oracle
    // as typed: the row and its entry lines keep them, and the same voucher saved again
    // is the duplicate the operator is told of.
    void textsThatReadAsDates_data()
    {
        QTest::addColumn<QString>("texto");
        for (const char* texto : {"1.2.24", "12-11-10", "01/02/03", "10-10-10", "1.1.0001", "15/03/2024", "1/3/24 10:15"})
            QTest::newRow(texto) << QString::fromLatin1(texto);
    }
    void textsThatReadAsDates()
    {
        QFETCH(QString, texto);
        ReceptionFixture fx;
        testsupport::OracleStandIn oracle;
        vb::App::SetCommand(kOracleLine);
        ScriptedOperator op;
        frmRecepcionMutuales& f = fx.open();
        fx.goTo(1, 1);
        fx.saveRow(QStringLiteral("110303"), texto, QStringLiteral("150"), texto);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("*"));
        const QString deEste = QStringLiteral(" = '") + texto + QLatin1Char('\'');
        const QList<QVariantList> fila = rows(QStringLiteral("SELECT IDMUTUAL, OBSERVACIONES, FECHARECEPCION FROM V_MV_MUTUALES WHERE IDMUTUAL") + deEste);
        QCOMPARE(fila.size(), 1);
        QCOMPARE(fila[0][1].toString(), texto);
        QCOMPARE(fila[0][2].toDateTime().date(), QDate(2026, 12, 9));   // the dates are still dates
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen") + deEste + QStringLiteral(" AND Detalle") + deEste),
                 2);

        op.expectMsgBox(QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: 09/12/2026 Usuario: Vandrel"), ui::vbOK,
                        QStringLiteral("Aviso al Usuario"), ui::vbInformation);
        fx.saveRow(QStringLiteral("110303"), texto, QStringLiteral("150"), QStringLiteral("otra vez"));
        op.verifyAllUsed();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL") + deEste), 1);
        QCOMPARE(oracle.refused(), QStringList());
    }
};

TESTSUPPORT_MAIN(TstReceptionOracle)
#include "tst_reception_oracle.moc"
