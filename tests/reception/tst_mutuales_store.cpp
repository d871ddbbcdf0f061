// Saving, taking back and printing received vouchers, on the demo company database.
#include "reception/MutualesStore.h"

#include "ReceptionTestSupport.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/ast.h"
#include "platform/ado/Connection.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/report/ReportEngine.h"
#include "platform/ui/Operator.h"
#include "platform/zeltrix/RecordingReportPrinter.h"
#include "platform/zeltrix/Services.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QStandardPaths>
#include <QTest>
#include <memory>

using reception::ConfiguracionAsiento;
using reception::FilaRecepcion;
using reception::FiltroReporte;
using reception::ResultadoGrabacion;
using receptiontest::count;
using receptiontest::ddl;
using receptiontest::kDb;
using receptiontest::pdfText;
using receptiontest::rows;
using receptiontest::scalar;
using testsupport::ScriptedOperator;

Q_DECLARE_METATYPE(ConfiguracionAsiento)
Q_DECLARE_METATYPE(FiltroReporte)

namespace {

const QString kCRLF = QStringLiteral("\r\n");

// The demo company's entry configuration once the form has resolved the optional code
// of the credit account.
ConfiguracionAsiento demoConfig()
{
    return {QStringLiteral("MUT"), QStringLiteral("1104"), QStringLiteral("2102")};
}

FilaRecepcion fila(const QString& cuenta, const QString& comprobante, const QString& importe = QStringLiteral("1234.56"),
                   const QString& observaciones = QStringLiteral("Recetas de diciembre"),
                   const QString& fecha = QStringLiteral("15/12/2026"))
{
    return {fecha, cuenta, comprobante, importe, QStringLiteral("1"), observaciones};
}

// Statements of the main connection that fail as SQL Server fails them while another
// workstation holds a lock or has just taken a key: the first `times` holding `text`.
struct Failing {
    QString text;
    int native = 0;
    int number = 0;
    int times = 0;
};
Failing failing;

class FailingEngine : public ado::DelegatingProvider {
public:
    explicit FailingEngine(const ado::ConnectionSpec& target) : DelegatingProvider(ado::MakeBuiltInProvider(target, 15)) {}
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        if (failing.times > 0 && text.contains(failing.text, Qt::CaseInsensitive)) {
            --failing.times;
            const ado::Error e{failing.number, QStringLiteral("Lock request time out period exceeded (%1).").arg(failing.native),
                               QStringLiteral("Microsoft SQL Server"), QStringLiteral("HY000"), failing.native};
            errs.Add(e);
            throw vb::VbError(e.Number, e.Description, e.Source);
        }
        return inner().execute(text, errs);
    }
};

// Reopens the main connection through the failing engine.
void reopenThroughFailingEngine()
{
    gDBPrincipal.reset();
    ado::SetProviderFactory([](const ado::ConnectionSpec& t) { return std::make_unique<FailingEngine>(t); });
    frametest::OpenMain(kDb, QStringLiteral("Vandrel"));
}

// Answers as the scripted operator and notes, for each box, whether another workstation
// could write to the database while it was shown.
class LockProbe : public ScriptedOperator {
public:
    explicit LockProbe(QString file) : file_(std::move(file)) {}
    QList<bool> free;
    int MsgBox(const QString& prompt, int style, const QString& title) override
    {
        ado::Connection other;
        other.SetCommandTimeout(1);
        other.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=") + file_);
        bool writable = true;
        try {
            other.Execute(QStringLiteral("BEGIN TRANSACTION"));
            other.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
        } catch (const vb::VbError&) {
            writable = false;
        }
        free << writable;
        return ScriptedOperator::MsgBox(prompt, style, title);
    }

private:
    QString file_;
};

// A date column read back, as the test connection hands it over.
QDateTime midnight(const QDate& d)
{
    return QDateTime(d, QTime(0, 0), Qt::UTC);
}

} // namespace

class TstMutualesStore : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TempProgramFolder> folder;
    std::unique_ptr<testsupport::FixedClock> clock;
    std::unique_ptr<testsupport::RegionalPin> regional;

private slots:
    void init()
    {
        frametest::ResetProgram();
        TalonarioActual = 0;
        folder = std::make_unique<testsupport::TempProgramFolder>();
        clock = std::make_unique<testsupport::FixedClock>(2026, 12, 15, 10, 30, 0);
        regional = std::make_unique<testsupport::RegionalPin>();
        frametest::CreateDemoDatabases(*folder, false);
        frametest::OpenMain(kDb, QStringLiteral("Vandrel"));
        gUsuarioLogeado = QStringLiteral("Vandrel");
        gCaja = QStringLiteral("1");
        gUNegocio = QStringLiteral("   1");
        gCadenaODBC = QStringLiteral("DSN=demo.sqlite; UID=Vandrel; PWD=");
    }

    void cleanup()
    {
        ado::SetProviderFactory({});
        failing = Failing();
        frametest::ResetProgram();
        TalonarioActual = 0;
        regional.reset();
        clock.reset();
        folder.reset();
    }

    // A saved row carries its two balanced entry lines, numbered from the book and
    // the month, and the book moves on; the next row takes the next numbers.
    void savesRowWithBalancedEntry()
    {
        ScriptedOperator op;
        bool error = true;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20001")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QVERIFY(r.MueveCursor());
        QCOMPARE(r.ID, QStringLiteral("5"));
        QVERIFY(!error);

        const QList<QVariantList> mutual = rows(QStringLiteral(
            "SELECT CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, FECHARECEPCION, USUARIO, UNEGOCIO, FACTURA "
            "FROM V_MV_MUTUALES WHERE ID = 5"));
        QCOMPARE(mutual.size(), 1);
        QCOMPARE(mutual[0][0].toString(), QStringLiteral("110303"));
        QCOMPARE(mutual[0][1].toString(), QStringLiteral("RD-2026-20001"));
        QCOMPARE(mutual[0][2].toDouble(), 1234.56);
        QCOMPARE(mutual[0][3].toString(), QStringLiteral("Recetas de diciembre"));
        QCOMPARE(mutual[0][4].toDateTime(), midnight(QDate(2026, 12, 15)));
        QCOMPARE(mutual[0][5].toDateTime(), midnight(QDate(2026, 12, 15)));
        QCOMPARE(mutual[0][6].toString(), QStringLiteral("Vandrel"));
        QCOMPARE(mutual[0][7].toString(), QStringLiteral("   1"));
        QVERIFY(mutual[0][8].isNull());

        const QList<QVariantList> lineas = rows(QStringLiteral(
            "SELECT Secuencia, Cuenta, [Debe-Haber], Importe, CabImporte, [NUMERO ASIENTO], Mes_Operativo, Periodo, TC, "
            "Sucursal, Numero, Letra, Tipo_Reg, Detalle, TC_Origen, Cpte_Origen, CuentaOrigen, Unegocio, USUARIO_LOGEADO, "
            "IdCajas, Fecha, FechaHora_Grabacion, Moneda "
            "FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20001' ORDER BY Secuencia"));
        QCOMPARE(lineas.size(), 2);
        const QStringList cuentas{QStringLiteral("1104"), QStringLiteral("2102")};
        const QStringList lados{QStringLiteral("D"), QStringLiteral("H")};
        for (int i = 0; i < 2; ++i) {
            const QVariantList& l = lineas[i];
            QCOMPARE(l[0].toInt(), i + 1);
            QCOMPARE(l[1].toString(), cuentas[i]);
            QCOMPARE(l[2].toString(), lados[i]);
            QCOMPARE(l[3].toDouble(), 1234.56);
            QCOMPARE(l[4].toDouble(), 1234.56);
            QCOMPARE(l[5].toInt(), 5);   // entries 1 to 4 of December already exist
            QCOMPARE(l[6].toInt(), 12);
            QCOMPARE(l[7].toInt(), 2026);
            QCOMPARE(l[8].toString(), QStringLiteral("MUT"));
            QCOMPARE(l[9].toString(), QStringLiteral("0001"));
            QCOMPARE(l[10].toString(), QStringLiteral("00000005"));
            QCOMPARE(l[11].toString(), QStringLiteral("X"));
            QCOMPARE(l[12].toString(), QStringLiteral("MUT "));
            QCOMPARE(l[13].toString(), QStringLiteral("Recetas de diciembre"));
            QCOMPARE(l[14].toString(), QStringLiteral("Mutl"));
            QCOMPARE(l[15].toString(), QStringLiteral("RD-2026-20001"));
            QCOMPARE(l[16].toString(), QStringLiteral("110303"));
            QCOMPARE(l[17].toString(), QStringLiteral("   1"));
            QCOMPARE(l[18].toString(), QStringLiteral("Vandrel"));
            QCOMPARE(l[19].toString(), QStringLiteral("1"));
            QCOMPARE(l[20].toDateTime(), midnight(QDate(2026, 12, 15)));
            QCOMPARE(l[21].toDateTime(), QDateTime(QDate(2026, 12, 15), QTime(10, 30), Qt::UTC));
            QCOMPARE(l[22].toString(), QStringLiteral("1"));
        }
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 6);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT ' AND SUCURSAL = '0001' "
                                      "AND NUMERO = '00000005' AND LETRA = 'X'")),
                 1);

        const ResultadoGrabacion r2 = reception::GrabaMutual(
            fila(QStringLiteral("110301"), QStringLiteral("0001-00047001"), QStringLiteral("10")), demoConfig(), error);
        QCOMPARE(r2.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(r2.ID, QStringLiteral("6"));
        const QList<QVariantList> segunda = rows(QStringLiteral(
            "SELECT DISTINCT [NUMERO ASIENTO], Numero FROM MV_ASIENTOS WHERE Cpte_Origen = '0001-00047001'"));
        QCOMPARE(segunda.size(), 1);
        QCOMPARE(segunda[0][0].toInt(), 6);
        QCOMPARE(segunda[0][1].toString(), QStringLiteral("00000006"));
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 7);
        // Every entry of the company still balances.
        QCOMPARE(scalar(QStringLiteral("SELECT SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE -Importe END) "
                                       "FROM MV_ASIENTOS"))
                     .toDouble(),
                 0.0);
        QCOMPARE(op.shown().size(), 0);
    }

    // On a workstation that writes decimals with a comma the amount still reaches the
    // database as a number.
    void amountOnCommaWorkstation()
    {
        testsupport::RegionalPin coma(QLatin1Char(','), QLatin1Char('.'), 2);
        ScriptedOperator op;
        bool error = false;
        const ResultadoGrabacion r = reception::GrabaMutual(
            fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20010"), QStringLiteral("1.234,56")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(scalar(QStringLiteral("SELECT IMPORTE FROM V_MV_MUTUALES WHERE ID = ") + r.ID).toDouble(), 1234.56);
        QCOMPARE(scalar(QStringLiteral("SELECT SUM(Importe) + SUM(CabImporte) FROM MV_ASIENTOS "
                                       "WHERE Cpte_Origen = 'RD-2026-20010'"))
                     .toDouble(),
                 4 * 1234.56);
    }

    // A month with more entries than a 16-bit number holds goes on counting.
    void entryNumberBeyond16Bits()
    {
        frametest::Exec(kDb, QStringLiteral(
            "INSERT INTO MV_ASIENTOS (Fecha, Mes_Operativo, [NUMERO ASIENTO], Cuenta, Secuencia, Importe, [Debe-Haber], "
            "Periodo, TC, Sucursal, Numero, Letra, Tipo_Reg) VALUES ('2026-12-10 00:00:00', 12, 40000, '1104', 1, 1, 'D', "
            "2026, 'MUT', '0009', '00000001', 'X', 'MUT ')"));
        ScriptedOperator op;
        bool error = false;
        reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20011")), demoConfig(), error);
        QCOMPARE(scalar(QStringLiteral("SELECT MIN([NUMERO ASIENTO]) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20011'"))
                     .toInt(),
                 40001);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20011'")), 2);
    }

    // Apostrophes typed by the operator are stored as typed in the row and in its entry,
    // and taking the row back finds its lines by the same texts.
    void apostrophesAreStoredAndTakenBack()
    {
        ScriptedOperator op;
        bool error = false;
        const ResultadoGrabacion r = reception::GrabaMutual(
            fila(QStringLiteral("110302"), QStringLiteral("O'Higgins-77"), QStringLiteral("50"), QStringLiteral("Farmacia D'Angelo")),
            demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(scalar(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE ID = ") + r.ID).toString(),
                 QStringLiteral("O'Higgins-77"));
        QCOMPARE(scalar(QStringLiteral("SELECT OBSERVACIONES FROM V_MV_MUTUALES WHERE ID = ") + r.ID).toString(),
                 QStringLiteral("Farmacia D'Angelo"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'O''Higgins-77' "
                                      "AND Detalle = 'Farmacia D''Angelo'")),
                 2);

        // The same voucher again is refused, apostrophe and all.
        op.expectMsgBox(QStringLiteral("El registro ingresado ya existe"), ui::vbOK, QStringLiteral("Aviso al Usuario"));
        const ResultadoGrabacion again = reception::GrabaMutual(
            fila(QStringLiteral("110302"), QStringLiteral("O'Higgins-77")), demoConfig(), error);
        QCOMPARE(again.estado, ResultadoGrabacion::Duplicada);

        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes);
        QVERIFY(reception::EliminaMutual(QStringLiteral("*"), r.ID));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = ") + r.ID), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'O''Higgins-77'")), 0);
    }

    void duplicateIsRefused_data()
    {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<QString>("comprobante");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("invoiced, by Vandrel")
            << QStringLiteral("110301") << QStringLiteral("0001-00045872")
            << QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: 01/12/2026 Usuario: Vandrel");
        QTest::newRow("another user, another business unit")
            << QStringLiteral("110301") << QStringLiteral("0001-00046110")
            << QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: 07/12/2026 Usuario: mgomez");
        QTest::newRow("codes compare without case") << QStringLiteral("110303") << QStringLiteral("rd-2026-11874")
                                                    << QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: "
                                                                      "04/12/2026 Usuario: Vandrel");
    }

    // The earlier reception is named; nothing is stored, no number is used.
    void duplicateIsRefused()
    {
        QFETCH(QString, cuenta);
        QFETCH(QString, comprobante);
        QFETCH(QString, mensaje);
        ScriptedOperator op;
        op.expectMsgBox(mensaje, ui::vbOK, QStringLiteral("Aviso al Usuario"), ui::vbInformation);
        bool error = false;
        const ResultadoGrabacion r = reception::GrabaMutual(fila(cuenta, comprobante), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Duplicada);
        QVERIFY(r.MueveCursor());
        QVERIFY(r.ID.isEmpty());
        QCOMPARE(op.shown().at(0).text, mensaje);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
    }

    // The same voucher from another account is another voucher.
    void sameVoucherOtherAccountIsStored()
    {
        ScriptedOperator op;
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110302"), QStringLiteral("0001-00045872")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = '0001-00045872'")), 2);
    }

    void badDateIsRefused_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::newRow("31 February") << QStringLiteral("31/02/2026");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("ayer");
    }

    void badDateIsRefused()
    {
        QFETCH(QString, fecha);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Debe ingresar un formato de fecha válido"), ui::vbOK,
                        QStringLiteral("Aviso al operador..."), ui::vbCritical);
        bool error = false;
        const ResultadoGrabacion r = reception::GrabaMutual(
            fila(QStringLiteral("110303"), QStringLiteral("RD-1"), QStringLiteral("1"), QString(), fecha), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::FechaInvalida);
        QVERIFY(!r.MueveCursor());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
    }

    void incompleteConfigurationStoresRowOnly_data()
    {
        QTest::addColumn<ConfiguracionAsiento>("config");
        QTest::newRow("no voucher type") << ConfiguracionAsiento{QString(), QStringLiteral("1104"), QStringLiteral("2102")};
        QTest::newRow("blank voucher type (missing key)")
            << ConfiguracionAsiento{QStringLiteral(" "), QStringLiteral("1104"), QStringLiteral("2102")};
        QTest::newRow("no debit account") << ConfiguracionAsiento{QStringLiteral("MUT"), QStringLiteral(" "), QStringLiteral("2102")};
        QTest::newRow("no credit account") << ConfiguracionAsiento{QStringLiteral("MUT"), QStringLiteral("1104"), QString()};
    }

    void incompleteConfigurationStoresRowOnly()
    {
        QFETCH(ConfiguracionAsiento, config);
        ScriptedOperator op;
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20002")), config, error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-20002'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
        QCOMPARE(op.shown().size(), 0);
    }

    // The second line is rejected: the row stays stored and marked, the entry and the
    // numbering are rolled back, the batch is kept in AUX_ERR and the operator told.
    void failingEntryKeepsRowOnly()
    {
        ddl(*folder, QStringLiteral("CREATE TRIGGER RechazaHaber BEFORE INSERT ON MV_ASIENTOS WHEN NEW.[Debe-Haber] = 'H' "
                                    "BEGIN SELECT RAISE(ABORT, 'renglon al haber rechazado'); END"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("renglon al haber rechazado"), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20003")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(r.ID, QStringLiteral("5"));
        QVERIFY(error);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 5 AND IDMUTUAL = 'RD-2026-20003'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20003'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE NUMERO = '00000005'")), 0);
        const QList<QVariantList> aux = rows(QStringLiteral("SELECT SQL, Descripcion FROM AUX_ERR"));
        QCOMPARE(aux.size(), 1);
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("INSERT INTO MV_ASIENTOS")));
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("UPDATE V_TA_CPTE")));
        QVERIFY(aux[0][1].toString().contains(QStringLiteral("renglon al haber rechazado")));
    }

    void lockWaitsAndTakenNumbersAreRetried_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<int>("native");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("times");
        const int timeout = ado::hrTimeout, integrity = ado::hrIntegrityViolation, command = ado::hrErrorsInCommand;
        QTest::newRow("the write lock is held elsewhere") << "BEGIN TRANSACTION" << 1222 << timeout << 4;
        QTest::newRow("deadlock on the duplicate test") << "SELECT FechaRecepcion" << 1205 << command << 1;
        QTest::newRow("the row's key taken meanwhile") << "INSERT INTO V_MV_MUTUALES" << 2627 << integrity << 1;
        QTest::newRow("query timeout reading the book") << "FROM V_TA_CPTE" << 0 << timeout << 2;
        QTest::newRow("the entry's number taken meanwhile") << "INSERT INTO MV_ASIENTOS" << 2627 << integrity << 1;
        QTest::newRow("deadlock on the entry") << "INSERT INTO MV_ASIENTOS" << 1205 << command << 3;
    }
    // A lock waited for in vain or a number another workstation has just taken: the save
    // runs again by itself; the operator sees nothing and the row gets the next numbers.
    void lockWaitsAndTakenNumbersAreRetried()
    {
        QFETCH(QString, statement);
        QFETCH(int, native);
        QFETCH(int, number);
        QFETCH(int, times);
        failing = {statement, native, number, times};
        reopenThroughFailingEngine();
        ScriptedOperator op;
        bool error = true;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20020")), demoConfig(), error);
        QCOMPARE(failing.times, 0);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(r.ID, QStringLiteral("5"));
        QVERIFY(!error);
        QCOMPARE(op.shown().size(), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 5);
        QCOMPARE(rows(QStringLiteral("SELECT DISTINCT [NUMERO ASIENTO], Numero, COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20020'")),
                 (QList<QVariantList>{{5, QStringLiteral("00000005"), 2}}));
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 6);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT'")), 5);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
    }

    // A lock that stays held elsewhere is told once, after a few tries; nothing is stored.
    void aLockHeldElsewhereIsToldOnce()
    {
        failing = {QStringLiteral("BEGIN TRANSACTION"), 1222, ado::hrTimeout, 99};
        reopenThroughFailingEngine();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Lock request time out period exceeded"), ui::vbOK, QStringLiteral("Aviso al operador"),
                        ui::vbCritical);
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20021")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::NoGrabada);
        QVERIFY(!r.MueveCursor());
        QVERIFY(failing.times < 99);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
    }

    // An entry number that stays taken: after the tries the entry is given up, the row is
    // kept with the record of the failure, and the operator is told.
    void aNumberThatStaysTakenFailsTheEntryOnly()
    {
        failing = {QStringLiteral("INSERT INTO MV_ASIENTOS"), 2627, ado::hrIntegrityViolation, 99};
        reopenThroughFailingEngine();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("2627 : "), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20022")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QVERIFY(error);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-20022'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20022'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
        QCOMPARE(count(QStringLiteral("SELECT Error FROM AUX_ERR")), 2627);
    }

    void messagesWaitForTheLock_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("comprobante");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("every book used up") << "UPDATE V_TA_CPTE SET X_ULTIMO_NRO = 99999999 WHERE CODIGO = 'MUT '"
                                            << "RD-2026-20030" << "Todos los talonarios del comprobante MUT"
                                                                  "|El registro quedó grabado sin asiento";
        QTest::newRow("the entry refused") << "CREATE TRIGGER RechazaHaber BEFORE INSERT ON MV_ASIENTOS WHEN NEW.[Debe-Haber] = 'H' "
                                              "BEGIN SELECT RAISE(ABORT, 'renglon al haber rechazado'); END"
                                           << "RD-2026-20031" << "renglon al haber rechazado";
        QTest::newRow("received before") << "" << "RD-2026-11874" << "El registro ingresado ya existe";
    }
    // No message is shown while the save holds the database: another workstation can
    // write whenever the operator reads one.
    void messagesWaitForTheLock()
    {
        QFETCH(QString, setup);
        QFETCH(QString, comprobante);
        QFETCH(QString, mensaje);
        if (!setup.isEmpty())
            ddl(*folder, setup);
        LockProbe op(folder->filePath(kDb));
        const QStringList mensajes = mensaje.split(QLatin1Char('|'));
        for (const QString& m : mensajes)
            op.expectMsgBox(m, ui::vbOK);
        bool error = false;
        reception::GrabaMutual(fila(QStringLiteral("110303"), comprobante), demoConfig(), error);
        op.verifyAllUsed();
        QCOMPARE(op.free, QList<bool>(mensajes.size(), true));
    }

    // A failed entry takes nothing of the numbering: the control row the family rule
    // deleted for the number comes back with the rest of the entry.
    void aFailedEntryLeavesTheNumberingAsItWas()
    {
        frametest::Exec(kDb, QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('MUT', '0001', '00000005', 'X')"));
        ddl(*folder, QStringLiteral("CREATE TRIGGER RechazaHaber BEFORE INSERT ON MV_ASIENTOS WHEN NEW.[Debe-Haber] = 'H' "
                                    "BEGIN SELECT RAISE(ABORT, 'renglon al haber rechazado'); END"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("renglon al haber rechazado"), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        bool error = false;
        reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20032")), demoConfig(), error);
        QVERIFY(error);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE NUMERO = '00000005'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
    }

    // What the entry must read and the database does not answer (the sub-journal, the
    // fiscal year, the numbering, the configuration: a table gone, a lock that stays
    // held) is no answer: the save is refused whole, nothing is written, not even the
    // AUX_ERR record, and the error is shown once the transaction has ended; the row
    // stays under the cursor to be saved again.
    void aFailedReadRefusesTheWholeSave_data()
    {
        QTest::addColumn<QString>("setup");      // a statement on the database, or the statement the engine fails
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("sub-journal table gone") << "DROP TABLE MA_SUBDIARIOSCOMPROBANTES" << false << "MA_SUBDIARIOSCOMPROBANTES";
        QTest::newRow("fiscal years table gone") << "DROP TABLE MV_EJERCICIOS" << false << "MV_EJERCICIOS";
        QTest::newRow("configuration table gone") << "ALTER TABLE TA_CONFIGURACION RENAME TO TA_CONFIGURACION_FUERA"
                                                  << false << "TA_CONFIGURACION";
        QTest::newRow("fiscal years locked") << "FROM MV_EJERCICIOS" << true << "Lock request time out period exceeded";
        QTest::newRow("numbering books locked") << "FROM V_TA_CPTE" << true << "Lock request time out period exceeded";
    }
    void aFailedReadRefusesTheWholeSave()
    {
        QFETCH(QString, setup);
        QFETCH(bool, locked);
        QFETCH(QString, mensaje);
        if (locked) {
            failing = {setup, 1222, ado::hrTimeout, 99};
            reopenThroughFailingEngine();
        } else {
            frametest::Exec(kDb, setup);
        }
        LockProbe op(folder->filePath(kDb));
        op.expectMsgBox(mensaje, ui::vbOK);
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20033")), demoConfig(), error);
        op.verifyAllUsed();
        QCOMPARE(op.free, QList<bool>{true});
        failing.times = 0;   // the test's own reads below go through the same engine
        QCOMPARE(r.estado, ResultadoGrabacion::NoGrabada);
        QVERIFY(!r.MueveCursor());
        QVERIFY(r.ID.isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
    }

    // A row the database does not take is told with the database's own words; the row
    // stays under the cursor to be corrected.
    void rejectedInsertIsTold()
    {
        ddl(*folder, QStringLiteral("CREATE TRIGGER RechazaMutual BEFORE INSERT ON V_MV_MUTUALES "
                                    "BEGIN SELECT RAISE(ABORT, 'recepcion cerrada'); END"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("recepcion cerrada"), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20004")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::NoGrabada);
        QVERIFY(!r.MueveCursor());
        QVERIFY(r.ID.isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
    }

    // With every book used up the operator is told by the numbering and no entry is
    // written with an empty number; the row itself is kept, with the AUX_ERR record of
    // why, and the operator is told it was saved without its entry.
    void usedUpBooksWriteNoEntry()
    {
        frametest::Exec(kDb, QStringLiteral("UPDATE V_TA_CPTE SET X_ULTIMO_NRO = 99999999 WHERE CODIGO = 'MUT '"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Todos los talonarios del comprobante MUT se encuentran utilizados"), ui::vbOK);
        op.expectMsgBox(QStringLiteral("No se generó el asiento: el comprobante MUT no tiene números libres en sus talonarios.\r\n"
                                       "El registro quedó grabado sin asiento."),
                        ui::vbOK, QStringLiteral("Aviso al Operador!"), ui::vbCritical);
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20005")), demoConfig(), error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-20005'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE")), 4);
        QVERIFY(error);
        const QList<QVariantList> aux = rows(QStringLiteral("SELECT SQL, Descripcion FROM AUX_ERR"));
        QCOMPARE(aux.size(), 1);
        QVERIFY(aux[0][1].toString().contains(QStringLiteral("El registro quedó grabado sin asiento.")));
        QVERIFY(aux[0][1].toString().contains(QStringLiteral("MUT")));
    }

    void deletePendingRow_data()
    {
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<bool>("borrada");
        QTest::newRow("yes") << int(ui::vbYes) << true;
        QTest::newRow("no") << int(ui::vbNo) << false;
    }

    // Row 2 (pending) goes with its two entry lines, and only those.
    void deletePendingRow()
    {
        QFETCH(int, respuesta);
        QFETCH(bool, borrada);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), respuesta,
                        QStringLiteral("Atención"), ui::vbYesNo + ui::vbQuestion);
        QCOMPARE(reception::EliminaMutual(QStringLiteral("*"), QStringLiteral("2")),
                 borrada);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 2")), borrada ? 0 : 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0003-00012009'")), borrada ? 0 : 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), borrada ? 3 : 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), borrada ? 6 : 8);
        // The numbering is not given back.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE")), 4);
    }

    // A row just saved goes with the entry it produced.
    void deleteSavedRowWithItsEntry()
    {
        ScriptedOperator op;
        bool error = false;
        const ResultadoGrabacion r =
            reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20006")), demoConfig(), error);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-20006'")), 2);
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes);
        QVERIFY(reception::EliminaMutual(QStringLiteral("*"), r.ID));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-20006'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
    }

    void invoicedRowIsRefused_data()
    {
        QTest::addColumn<QString>("marca");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("factura");
        QTest::newRow("marked F") << QStringLiteral("F") << QStringLiteral("1") << QStringLiteral("000100000125A");
        QTest::newRow("marked f") << QStringLiteral("f") << QStringLiteral("1") << QStringLiteral("000100000125A");
        // Invoiced since the date was loaded: the grid still shows it pending.
        QTest::newRow("invoiced meanwhile") << QStringLiteral("*") << QStringLiteral("3") << QStringLiteral("000100000126A");
    }

    void invoicedRowIsRefused()
    {
        QFETCH(QString, marca);
        QFETCH(QString, id);
        QFETCH(QString, factura);
        frametest::Exec(kDb, QStringLiteral("UPDATE V_MV_MUTUALES SET FACTURA = '000100000126A' WHERE ID = 3"));
        ScriptedOperator op;
        const QString mensaje = QStringLiteral("El registros que intenta eliminar se encuentra facturado FC: ") + factura + kCRLF
                              + QStringLiteral("Acción Cancelada");
        op.expectMsgBox(mensaje, ui::vbOK, QStringLiteral("Aviso al Usuario"), ui::vbInformation);
        QVERIFY(!reception::EliminaMutual(marca, id));
        QCOMPARE(op.shown().at(0).text, mensaje);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")), 4);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
    }

    // The database decides, and a mark of blanks names no invoice: even a grid that
    // still shows "F" gets the question, and the row goes.
    void blankInvoiceMarkIsNoInvoice()
    {
        frametest::Exec(kDb, QStringLiteral("UPDATE V_MV_MUTUALES SET FACTURA = '   ' WHERE ID = 1"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes);
        QVERIFY(reception::EliminaMutual(QStringLiteral("F"), QStringLiteral("1")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 1")), 0);
    }

    // The empty entry row is no stored row: nothing is asked or deleted.
    void unsavedRowIsLeftAlone()
    {
        ScriptedOperator op;
        QVERIFY(!reception::EliminaMutual(QString(), QString()));
        QCOMPARE(op.shown().size(), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl'")), 8);
    }

    // A delete the database refuses is rolled back before it is shown: the row and its
    // lines stay, and no transaction is left open to swallow later work.
    void failedDeleteIsRolledBack()
    {
        ddl(*folder, QStringLiteral("CREATE TRIGGER GuardaAsientos BEFORE DELETE ON MV_ASIENTOS "
                                    "BEGIN SELECT RAISE(ABORT, 'asientos cerrados'); END"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes);
        op.expectMsgBox(QStringLiteral("asientos cerrados"), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        QVERIFY(!reception::EliminaMutual(QStringLiteral("*"), QStringLiteral("2")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 2")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0003-00012009'")), 2);

        // The next save is committed at once: another connection sees it.
        bool error = false;
        const ResultadoGrabacion r = reception::GrabaMutual(fila(QStringLiteral("110303"), QStringLiteral("RD-2026-20007")),
                                                            ConfiguracionAsiento{}, error);
        QCOMPARE(r.estado, ResultadoGrabacion::Grabada);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-20007'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 2")), 1);
    }

    void reportArguments_data()
    {
        QTest::addColumn<FiltroReporte>("filtro");
        QTest::addColumn<QString>("seleccion");
        QTest::addColumn<QString>("parametros");
        const QString pendientes = QStringLiteral(" (ISNULL({V_MV_MUTUALES.FACTURA}) OR {V_MV_MUTUALES.FACTURA}='' ) ");
        const QString fecha = QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION} =Date(2026,12,01)");
        FiltroReporte f;
        f.FechaRecepcion = QStringLiteral("01/12/2026");
        QTest::newRow("header date") << f << fecha << QStringLiteral("PARAMETROS = '01/12/2026'");
        f.Pendientes = true;
        QTest::newRow("header date, pending") << f << fecha + QStringLiteral(" AND ") + pendientes
                                              << QStringLiteral("PARAMETROS = '01/12/2026'");
        f.Pendientes = false;
        f.UNEG_RPT = QStringLiteral("2");
        QTest::newRow("business unit alone is no filter") << f << fecha << QStringLiteral("PARAMETROS = '01/12/2026'");
        f.UNEG_RPT.clear();
        f.FHD = QStringLiteral(" 01/12/2026 ");
        f.FHH = QStringLiteral("07/12/2026");
        QTest::newRow("date range") << f
                                    << QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION} >= Date(2026,12,01)  AND "
                                                      "{V_MV_MUTUALES.FECHARECEPCION} <= Date(2026,12,07) ")
                                    << QStringLiteral("PARAMETROS = '01/12/2026 hasta 07/12/2026'");
        f.FHD.clear();
        f.FHH.clear();
        f.CUENTAD = QStringLiteral("110301");
        f.UNEG_RPT = QStringLiteral("2");
        f.Pendientes = true;
        QTest::newRow("account and business unit, pending")
            << f
            << QStringLiteral("{V_MV_MUTUALES.CUENTA} >= '110301'  AND {V_MV_MUTUALES.CUENTA} <= '110301'  AND "
                              "{V_MV_MUTUALES.UNEGOCIO} >= '   2'  AND {V_MV_MUTUALES.UNEGOCIO} <= '   2'  AND ")
                   + pendientes
            << QStringLiteral("PARAMETROS = ' hasta '");
    }

    // The printer receives the report, the selection, the connection text and the four
    // company and parameter formulas, between its preparation and closing calls.
    void reportArguments()
    {
        QFETCH(FiltroReporte, filtro);
        QFETCH(QString, seleccion);
        QFETCH(QString, parametros);
        auto printer = std::make_unique<zeltrix::RecordingReportPrinter>();
        zeltrix::RecordingReportPrinter* rec = printer.get();
        ImpresorReportes.set(std::move(printer));
        ScriptedOperator op;
        QVERIFY(reception::ImprimeReporteMutuales(filtro));
        QCOMPARE(rec->calls.size(), 3);
        QCOMPARE(rec->calls[0].kind, zeltrix::ReportPrinterCall::Prepare);
        QCOMPARE(rec->calls[0].list, QStringList(5, QString()));
        QCOMPARE(rec->calls[0].option, qint16(5));
        const zeltrix::ReportPrinterCall& p = rec->calls[1];
        QCOMPARE(p.kind, zeltrix::ReportPrinterCall::Print);
        QCOMPARE(p.report, QStringLiteral("V_MV_MUTUALES_RECEPCION"));
        QCOMPARE(p.list, QStringList(2, QString()));
        QCOMPARE(p.selection, seleccion);
        QCOMPARE(p.odbc, QStringLiteral("DSN=demo.sqlite; UID=Vandrel; PWD="));
        QCOMPARE(p.formulas.size(), 5);
        QCOMPARE(p.formulas[0].toString(), QStringLiteral("NombreEmpresa = 'Farmacia San Martín S.R.L.'"));
        QCOMPARE(p.formulas[1].toString(), QStringLiteral("Direccion = 'Av. General Paz 1234 PB'"));
        QCOMPARE(p.formulas[2].toString(), QStringLiteral("Localidad = 'Córdoba (5000)'"));
        QCOMPARE(p.formulas[3].toString(), parametros);
        QVERIFY(p.formulas[4].isEmpty());
        QCOMPARE(p.texts, QStringList(3, QString()));
        QCOMPARE(rec->calls[2].kind, zeltrix::ReportPrinterCall::Close);
        QCOMPARE(rec->calls[2].option, qint16(20));
    }

    void refusedFilterPrintsNothing_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("hasta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("first after last") << QStringLiteral("07/12/2026") << QStringLiteral("01/12/2026")
                                          << QStringLiteral("Fecha Desde Mayor que Hasta , Campo : {V_MV_MUTUALES.FECHARECEPCION}");
        QTest::newRow("no date") << QStringLiteral("32/12/2026") << QString()
                                 << QStringLiteral("Fecha Desde Incorrecta , Campo : {V_MV_MUTUALES.FECHARECEPCION}");
    }

    void refusedFilterPrintsNothing()
    {
        QFETCH(QString, desde);
        QFETCH(QString, hasta);
        QFETCH(QString, mensaje);
        auto printer = std::make_unique<zeltrix::RecordingReportPrinter>();
        zeltrix::RecordingReportPrinter* rec = printer.get();
        ImpresorReportes.set(std::move(printer));
        ScriptedOperator op;
        op.expectMsgBox(mensaje, ui::vbOK, QStringLiteral("Aviso al operador..."));
        FiltroReporte f;
        f.FechaRecepcion = QStringLiteral("15/12/2026");
        f.FHD = desde;
        f.FHH = hasta;
        QVERIFY(!reception::ImprimeReporteMutuales(f));
        QCOMPARE(op.shown().at(0).text, mensaje);
        QCOMPARE(rec->calls.size(), 0);
    }

    // Company data with an apostrophe stays one formula value.
    void companyNameWithApostrophe()
    {
        frametest::Exec(kDb, QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'Farmacia D''Angelo' WHERE CLAVE = 'NOMBRE'"));
        frametest::Exec(kDb, QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'PISO'"));
        auto printer = std::make_unique<zeltrix::RecordingReportPrinter>();
        zeltrix::RecordingReportPrinter* rec = printer.get();
        ImpresorReportes.set(std::move(printer));
        FiltroReporte f;
        f.FechaRecepcion = QStringLiteral("01/12/2026");
        QVERIFY(reception::ImprimeReporteMutuales(f));
        QCOMPARE(rec->calls[1].formulas[0].toString(), QStringLiteral("NombreEmpresa = 'Farmacia D''Angelo'"));
        // A missing key reads as one blank.
        QCOMPARE(rec->calls[1].formulas[1].toString(), QStringLiteral("Direccion = 'Av. General Paz 1234  '"));
    }

    // The report through the program's own engine: the pending rows of the header date
    // in a PDF, the invoiced one left out.
    void reportThroughEngine_data()
    {
        QTest::addColumn<bool>("pendientes");
        QTest::newRow("all") << false;
        QTest::newRow("pending") << true;
    }

    void reportThroughEngine()
    {
        QFETCH(bool, pendientes);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        frametest::Exec(kDb, QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'Farmacia D''Angelo' WHERE CLAVE = 'NOMBRE'"));
        folder->copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        reception::InstalaImpresorReportes();
        ImpresorReportes->CarpetaReportes = folder->path();
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        QVERIFY(engine);
        ScriptedOperator op;
        FiltroReporte f;
        f.FechaRecepcion = QStringLiteral("01/12/2026");
        f.Pendientes = pendientes;
        QVERIFY(reception::ImprimeReporteMutuales(f));
        QVERIFY(!engine->lastFile().isEmpty());
        const QString text = pdfText(engine->lastFile());
        QVERIFY2(text.contains(QStringLiteral("Farmacia D'Angelo")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("D''Angelo")));
        QVERIFY(text.contains(QStringLiteral("01/12/2026")));
        QVERIFY(text.contains(QStringLiteral("0003-00012009")));
        QCOMPARE(text.contains(QStringLiteral("0001-00045872")), !pendientes);
        QVERIFY(!text.contains(QStringLiteral("RD-2026-11874")));   // received on another date
    }
};

TESTSUPPORT_MAIN(TstMutualesStore)
#include "tst_mutuales_store.moc"
