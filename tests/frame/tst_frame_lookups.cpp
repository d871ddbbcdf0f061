// Small lookups: ExisteRegistro, ObtieneCuentaContable, ObtienePeriodo and FechaServidor.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/oracle/OracleStandIn.h"
#include <QTest>
#include <optional>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QString kDb = QStringLiteral("t.sqlite");

void createDatabase(const TempProgramFolder& folder)
{
    frametest::CreateDatabase(
        folder, kDb, {QStringLiteral("db/schema.sql")},
        {QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES ('2101', 'MUTIMP', 'Mutuales a imputar')"),
         QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES ('1104', '2101X', 'Mutuales a facturar')"),
         QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES ('O''K', NULL, 'Con apostrofo')"),
         QStringLiteral("INSERT INTO MV_EJERCICIOS (Periodo, [FECHA DESDE], [FECHA HASTA]) VALUES (2026, '2026-01-01 00:00:00', '2026-12-31 00:00:00')"),
         QStringLiteral("INSERT INTO MV_EJERCICIOS (Periodo, [FECHA DESDE], [FECHA HASTA]) VALUES (2027, '2027-01-01 00:00:00', '2027-12-31 00:00:00')"),
         QStringLiteral("CREATE TABLE X (Codigo TEXT COLLATE NOCASE, N NUMERIC(19,4), F DATETIME, Nota TEXT)"),
         QStringLiteral("INSERT INTO X (Codigo, N, F, Nota) VALUES (' A1 ', 2.5, '2026-03-15 00:00:00', 'primera')"),
         QStringLiteral("INSERT INTO X (Codigo, N, F, Nota) VALUES ('O''K', 5, NULL, 'segunda')")});
    frametest::OpenMain(kDb);
}

} // namespace

class TstFrameLookups : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup()
    {
        frametest::ResetProgram();
        oracle_.reset();
    }

    void existeRegistro_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("tipo");   // -1: left out
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("found");
        QTest::newRow("text, trimmed column") << "A1" << "Codigo" << 8 << "" << true;
        QTest::newRow("text, untrimmed value") << " A1" << "Codigo" << 8 << "" << false;
        QTest::newRow("no kind is text") << "a1" << "Codigo" << -1 << "" << true;
        QTest::newRow("apostrophe") << "O'K" << "Codigo" << 8 << "" << true;
        QTest::newRow("number") << "5" << "N" << 3 << "" << true;
        QTest::newRow("decimal number") << "2.5" << "N" << 5 << "" << true;
        QTest::newRow("number absent") << "7" << "N" << 3 << "" << false;
        QTest::newRow("date literal") << " '15/03/2026' " << "F" << 7 << "" << true;
        QTest::newRow("condition") << "ignored" << "ignored" << 8 << "N = 5" << true;
        QTest::newRow("condition with where") << "" << "" << -1 << " where N > 9" << false;
        QTest::newRow("condition with WHERE, found") << "" << "" << -1 << " WHERE N > 1" << true;
    }
    void existeRegistro()
    {
        QFETCH(QString, valor);
        QFETCH(QString, campo);
        QFETCH(int, tipo);
        QFETCH(QString, where);
        QFETCH(bool, found);
        TempProgramFolder folder;
        createDatabase(folder);
        // Numbers go into SQL with "." whatever the workstation writes.
        testsupport::RegionalPin pin(QLatin1Char(','), QLatin1Char('.'));
        ScriptedOperator op;   // no box
        const std::optional<int> kind = tipo < 0 ? std::nullopt : std::optional<int>(tipo);
        QCOMPARE(ExisteRegistro(QStringLiteral("X"), valor, campo, nullptr, kind, where), found);
    }

    void existeRegistroLeavesTheRowOpen()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        ado::Recordset rs;
        QVERIFY(ExisteRegistro(QStringLiteral("X"), QStringLiteral("O'K"), QStringLiteral("Codigo"), &rs, std::nullopt, QString(), true));
        QCOMPARE(rs.Fields(QStringLiteral("Nota")).Value().toString(), QStringLiteral("segunda"));
        // The same recordset again, reopened.
        QVERIFY(!ExisteRegistro(QStringLiteral("X"), QStringLiteral("nada"), QStringLiteral("Codigo"), &rs));
        QVERIFY(rs.State() == ado::adStateOpen && rs.EOF());
    }

    void existeRegistroErrorBox()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbAbort, QStringLiteral("Aviso al Operador"), ui::vbCritical + ui::vbAbortRetryIgnore);
        QVERIFY(!ExisteRegistro(QStringLiteral("NoHay"), QStringLiteral("1"), QStringLiteral("Codigo")));
    }

    void cuentaContable_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("porOpcional");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("codigoDespues");
        QTest::addColumn<bool>("porOpcionalDespues");
        QTest::addColumn<QString>("descripcion");
        QTest::newRow("by code") << "2101" << false << true << "2101" << false << "Mutuales a imputar";
        QTest::newRow("by optional code") << "MUTIMP" << false << true << "2101" << true << "Mutuales a imputar";
        QTest::newRow("optional code, other case") << "mutimp" << false << true << "2101" << true << "Mutuales a imputar";
        QTest::newRow("code that is another's optional code: code first") << "2101X" << false << true << "1104" << true
                                                                            << "Mutuales a facturar";
        QTest::newRow("neither") << "9999" << false << false << "9999" << false << "";
        QTest::newRow("optional first") << "MUTIMP" << true << true << "2101" << true << "Mutuales a imputar";
        QTest::newRow("optional first, then code, unchanged") << "1104" << true << true << "1104" << true << "Mutuales a facturar";
        QTest::newRow("optional first, neither") << "9999" << true << false << "9999" << true << "";
        QTest::newRow("apostrophe") << "O'K" << false << true << "O'K" << false << "Con apostrofo";
    }
    void cuentaContable()
    {
        QFETCH(QString, codigo);
        QFETCH(bool, porOpcional);
        QFETCH(bool, found);
        QFETCH(QString, codigoDespues);
        QFETCH(bool, porOpcionalDespues);
        QFETCH(QString, descripcion);
        TempProgramFolder folder;
        createDatabase(folder);
        ScriptedOperator op;
        ado::Recordset rs;
        QCOMPARE(ObtieneCuentaContable(codigo, rs, true, porOpcional), found);
        QCOMPARE(codigo, codigoDespues);
        QCOMPARE(porOpcional, porOpcionalDespues);
        QCOMPARE(rs.State(), int(ado::adStateOpen));
        if (found)
            QCOMPARE(rs.Fields(QStringLiteral("Descripcion")).Value().toString(), descripcion);
    }

    // A table that cannot be read is told once, by the read's own box; the account is then
    // not found, and nothing is raised to the caller.
    void cuentaContableUnreadable_data()
    {
        QTest::addColumn<bool>("porOpcional");
        QTest::addColumn<QList<int>>("answers");
        for (const bool porOpcional : {false, true}) {
            const char* first = porOpcional ? "optional code first" : "code first";
            QTest::addRow("%s, Abort", first) << porOpcional << QList<int>{ui::vbAbort};
            QTest::addRow("%s, Retry then Abort", first) << porOpcional << QList<int>{ui::vbRetry, ui::vbAbort};
            QTest::addRow("%s, Ignore", first) << porOpcional << QList<int>{ui::vbIgnore};
        }
    }
    void cuentaContableUnreadable()
    {
        QFETCH(bool, porOpcional);
        QFETCH(QList<int>, answers);
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::Exec(kDb, QStringLiteral("DROP TABLE MA_CUENTAS"));
        ScriptedOperator op;
        for (const int answer : answers)
            op.expectMsgBox(QStringLiteral("Invalid object name 'MA_CUENTAS'"), answer);
        QString codigo = QStringLiteral("2101");
        const bool antes = porOpcional;
        ado::Recordset rs;
        QVERIFY(!ObtieneCuentaContable(codigo, rs, true, porOpcional));
        op.verifyAllUsed();
        QCOMPARE(codigo, QStringLiteral("2101"));
        QCOMPARE(porOpcional, antes);
    }

    void cuentaContableWithLiteralFlag()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        QString v = QStringLiteral("MUTIMP");
        ado::Recordset rs;
        QVERIFY(ObtieneCuentaContable(v, rs, true, false));
        QCOMPARE(v, QStringLiteral("2101"));
    }

    // Codes that read as dates are codes, found by both lookups on the program's engine and
    // on Oracle, where only a text that meets a date column is sent as a date.
    void codesThatReadAsDates_data()
    {
        QTest::addColumn<bool>("oracle");
        QTest::addColumn<QString>("codigo");
        for (const bool oracle : {false, true})
            for (const char* codigo : {"1.1.01", "01/02/03", "10-10-10", "1.1.0001", "15/03/2024"})
                QTest::addRow("%s on %s", codigo, oracle ? "Oracle" : "SQLite") << oracle << QString::fromLatin1(codigo);
    }
    void codesThatReadAsDates()
    {
        QFETCH(bool, oracle);
        QFETCH(QString, codigo);
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::Exec(kDb, QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion) VALUES ('%1', NULL, 'Cuenta %1')")
                                 .arg(codigo));
        if (oracle) {
            oracle_.emplace();
            testsupport::OpenMainOnOracle(kDb);
        }
        ScriptedOperator op;   // no box
        QString buscado = codigo;
        ado::Recordset rs;
        QVERIFY(ObtieneCuentaContable(buscado, rs));
        QCOMPARE(buscado, codigo);
        QCOMPARE(rs.Fields(QStringLiteral("Descripcion")).Value().toString(), QStringLiteral("Cuenta ") + codigo);
        QVERIFY(ExisteRegistro(QStringLiteral("MA_CUENTAS"), codigo, QStringLiteral("Codigo")));
        // A date still meets its date column as a date.
        QVERIFY(ExisteRegistro(QStringLiteral("X"), QStringLiteral(" '15/03/2026' "), QStringLiteral("F"), nullptr, 7));
        QCOMPARE(ObtienePeriodo(QStringLiteral("15/06/2027")), 2027);
        if (oracle_)
            QCOMPARE(oracle_->refused(), QStringList());
    }

    void obtienePeriodo_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<int>("periodo");
        QTest::newRow("first day") << "01/01/2026" << 2026;
        QTest::newRow("last day") << "31/12/2026" << 2026;
        QTest::newRow("two-digit year") << "15/6/27" << 2027;
        QTest::newRow("before every year") << "31/12/2025" << 0;
        QTest::newRow("after every year") << "01/01/2028" << 0;
    }
    void obtienePeriodo()
    {
        QFETCH(QString, fecha);
        QFETCH(int, periodo);
        TempProgramFolder folder;
        createDatabase(folder);
        QCOMPARE(int(ObtienePeriodo(fecha)), periodo);
    }

    void fechaServidorToTheSecond()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        testsupport::FixedClock clock(vb::MakeDate(QDate(2026, 3, 15), QTime(10, 5, 7, 250)));
        QCOMPARE(FechaServidor(), vb::MakeDate(QDate(2026, 3, 15), QTime(10, 5, 7)));
    }

    void fechaServidorWithoutConnection()
    {
        testsupport::FixedClock clock(2026, 3, 15, 10, 5);
        ScriptedOperator op;   // no box either
        QCOMPARE(FechaServidor(), vb::MakeDate(QDate(2026, 3, 15), QTime(10, 5)));
    }

    void operatingDate_data()
    {
        QTest::addColumn<bool>("utilizarFechaDia");
        QTest::addColumn<QString>("fechaOperativa");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime now = vb::MakeDate(QDate(2026, 3, 15), QTime(10, 5));
        QTest::newRow("switch on, a date") << true << "20/03/2026" << vb::MakeDate(QDate(2026, 3, 20));
        QTest::newRow("switch on, no date") << true << "pronto" << now;
        QTest::newRow("switch off") << false << "20/03/2026" << now;
    }
    void operatingDate()
    {
        QFETCH(bool, utilizarFechaDia);
        QFETCH(QString, fechaOperativa);
        QFETCH(QDateTime, expected);
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::Exec(kDb, QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('FECHAOPERHASTA', '%1')").arg(fechaOperativa));
        testsupport::FixedClock clock(2026, 3, 15, 10, 5);
        gUtilizarFechaDia = utilizarFechaDia;
        QCOMPARE(LocalOperatingDate(), expected);
    }

private:
    std::optional<testsupport::OracleStandIn> oracle_;
};

TESTSUPPORT_MAIN(TstFrameLookups)
#include "tst_frame_lookups.moc"
