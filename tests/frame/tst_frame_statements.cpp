// Field/value statement builders and the transactional script runner with its AUX_ERR row.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/vb/App.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

const QString CR = QStringLiteral("\r");
const QString kDb = QStringLiteral("t.sqlite");

// A database with the frame's tables and two small tables: T (unique key K) and a child
// whose foreign key is checked only at COMMIT.
void createDatabase(const TempProgramFolder& folder)
{
    frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")},
                              {QStringLiteral("CREATE TABLE T (K TEXT COLLATE NOCASE PRIMARY KEY, V NUMERIC(19,4))"),
                               QStringLiteral("CREATE TABLE P (ID INTEGER PRIMARY KEY)"),
                               QStringLiteral("CREATE TABLE C (ID INTEGER PRIMARY KEY, PID INTEGER REFERENCES P(ID) "
                                              "DEFERRABLE INITIALLY DEFERRED)"),
                               QStringLiteral("INSERT INTO T (K, V) VALUES ('A', 1)")});
}

struct RunResult {
    bool hayError = false;
    qint32 nroError = -1;
    QString ejecutado = QStringLiteral("before");
    QString mensaje = QStringLiteral("before");
};

RunResult run(const QStringList& script, bool duplicado = false, bool restriccion = false, bool mostrar = true)
{
    RunResult r;
    GActualizarDatoScript(script, r.hayError, r.nroError, duplicado, restriccion, r.ejecutado, r.mensaje, mostrar);
    return r;
}

// An engine that answers a batch holding "FALLA_n" with n server errors, as SQL Server
// reports a constraint conflict followed by its notices; everything else runs on SQLite.
class SeveralErrorsProvider : public ado::DelegatingProvider {
public:
    explicit SeveralErrorsProvider(const ado::ConnectionSpec& target) : DelegatingProvider(ado::MakeBuiltInProvider(target, 15)) {}
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        const int at = int(text.indexOf(QLatin1String("FALLA_")));
        if (at < 0)
            return inner().execute(text, errs);
        const int n = text.mid(at + 6, 1).toInt();
        const ado::Error all[] = {
            {ado::hrIntegrityViolation, QStringLiteral("The INSERT statement conflicted with the FOREIGN KEY constraint."), QString(), QStringLiteral("23000"), 547},
            {ado::hrErrorsInCommand, QStringLiteral("The statement has been terminated."), QString(), QStringLiteral("01000"), 3621},
            {ado::hrErrorsInCommand, QStringLiteral("Third notice."), QString(), QStringLiteral("01000"), 50000},
        };
        for (int i = 0; i < n; ++i)
            errs.Add(all[i]);
        throw vb::VbError(all[0].Number, all[0].Description);
    }
};

} // namespace

class TstFrameStatements : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup()
    {
        ado::SetProviderFactory({});
        frametest::ResetProgram();
    }

    void armaSentencia_data()
    {
        QTest::addColumn<bool>("esUpdate");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("whereAfter");
        QTest::newRow("insert") << false << "" << "INSERT INTO T (A,B) VALUES (1,'x')" << "";
        QTest::newRow("update, condition without WHERE") << true << "ID = 3" << "UPDATE T SET A = 1,B = 'x'  WHERE ID = 3"
                                                         << " WHERE ID = 3";
        QTest::newRow("update, where in lower case") << true << "where ID = 3" << "UPDATE T SET A = 1,B = 'x' where ID = 3"
                                                     << "where ID = 3";
    }
    void armaSentencia()
    {
        QFETCH(bool, esUpdate);
        QFETCH(QString, where);
        QFETCH(QString, statement);
        QFETCH(QString, whereAfter);
        QVector<CampoValor> campos{{QStringLiteral("A"), QStringLiteral("1")}, {QStringLiteral("B"), QStringLiteral("'x'")}};
        QStringList script{QString()};
        ArmaSentencia(campos, script, QStringLiteral("T"), esUpdate, where, false);
        QCOMPARE(script, (QStringList{QString(), statement, QString()}));
        QCOMPARE(where, whereAfter);
        QCOMPARE(campos.size(), 1);
        QVERIFY(campos[0].Campo.isEmpty() && campos[0].Valor.isEmpty());
    }

    void armaSentenciaKeepsFieldsAndAppends()
    {
        QVector<CampoValor> campos{{QStringLiteral("A"), QStringLiteral("1")}};
        QStringList script{QString()};
        ArmaSentencia(campos, script, QStringLiteral("T"), false, QString(), true);
        ArmaSentencia(campos, script, QStringLiteral("U"), false, QString(), true);
        QCOMPARE(script, (QStringList{QString(), QStringLiteral("INSERT INTO T (A) VALUES (1)"), QString(),
                                      QStringLiteral("INSERT INTO U (A) VALUES (1)"), QString()}));
        QCOMPARE(campos.size(), 1);
        QCOMPARE(campos[0].Campo, QStringLiteral("A"));
    }

    void armaInsert()
    {
        QVector<CampoValor> campos{{QStringLiteral("[NUMERO ASIENTO]"), QStringLiteral("12")},
                                   {QStringLiteral("Importe"), QStringLiteral("10.5")}};
        QString texto = QStringLiteral("INSERT INTO MV_ASIENTOS ");
        ArmaInsert(texto, campos, false);
        QCOMPARE(texto, QStringLiteral("INSERT INTO MV_ASIENTOS ([NUMERO ASIENTO],Importe) VALUES (12,10.5)"));
        QCOMPARE(campos.size(), 2);
        QString otro;
        ArmaInsert(otro, campos, true);
        QVERIFY(campos.isEmpty());
    }

    void agregaCampo_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("valorDespues");
        QTest::newRow("text") << "Pérez" << "'" << "'Pérez'" << "Pérez";
        QTest::newRow("apostrophes kept, doubled in the literal") << "O'Bri'en" << "'" << "'O''Bri''en'" << "O'Bri'en";
        QTest::newRow("a statement's text stays one literal") << "'; DROP TABLE T" << "'" << "'''; DROP TABLE T'"
                                                              << "'; DROP TABLE T";
        QTest::newRow("null any case") << "nUlL" << "'" << "Null" << "nUlL";
        QTest::newRow("amount in the workstation's format") << "1234,5" << "@" << "1234.5" << "1234,5";
        QTest::newRow("amount typed with regional comma") << "1.234,5" << "@" << "1234.5" << "1.234,5";
    }
    void agregaCampo()
    {
        QFETCH(QString, valor);
        QFETCH(QString, tipo);
        QFETCH(QString, literal);
        QFETCH(QString, valorDespues);
        testsupport::RegionalPin pin(QLatin1Char(','), QLatin1Char('.'));
        AgregaCampo(QStringLiteral("X"), QStringLiteral("'1'"), QStringLiteral(""), true);
        AgregaCampo(QStringLiteral("Campo"), valor, tipo, false);
        QCOMPARE(gVecCampos.size(), 2);
        QCOMPARE(gVecCampos[1].Campo, QStringLiteral("Campo"));
        QCOMPARE(gVecCampos[1].Valor, literal);
        QCOMPARE(valor, valorDespues);
        // A new list starts afresh.
        AgregaCampo(QStringLiteral("Y"), QStringLiteral("2"), QStringLiteral("@"), true);
        QCOMPARE(gVecCampos.size(), 1);
    }

    void growingAListNeverSizedIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(vb::VbError, AgregaCampo(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("@"), false));
        QStringList script;
        QVERIFY_THROWS_EXCEPTION(vb::VbError, ArmaSentencia(gVecCampos, script, QStringLiteral("T")));
    }

    void blankListSendsNothing()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb);
        const RunResult r = run({QString(), QStringLiteral("   "), QString()});
        QVERIFY(!r.hayError);
        QCOMPARE(r.nroError, -1);
        QCOMPARE(r.ejecutado, QStringLiteral("before"));
        QCOMPARE(r.mensaje, QStringLiteral("before"));
    }

    void goodBatchCommits()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb);
        const QString insert = QStringLiteral("INSERT INTO T (K, V) VALUES ('B', 2)");
        const QString update = QStringLiteral("  UPDATE T SET V = 5 WHERE K = 'A'");
        const RunResult r = run({QString(), insert, QString(), update, QString()});
        QVERIFY(!r.hayError);
        QCOMPARE(r.nroError, 0);
        QCOMPARE(r.ejecutado, QStringLiteral("BEGIN TRANSACTION ") + CR + CR + CR + insert + CR + update + CR);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 2);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT V FROM T WHERE K = 'A'")).toDouble(), 5.0);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")).toInt(), 0);
        // The transaction is over: the connection takes a new one.
        QCOMPARE(gDBPrincipal->gCnn->Errors().Count(), 0);
        QVERIFY(!run({QStringLiteral("INSERT INTO T (K, V) VALUES ('C', 3)")}).hayError);
    }

    void failingBatchRollsBack_data()
    {
        QTest::addColumn<bool>("duplicado");
        QTest::addColumn<bool>("mostrar");
        QTest::addColumn<bool>("boxShown");
        QTest::addColumn<bool>("bareDescription");
        QTest::newRow("duplicate handed back") << true << true << false << true;
        QTest::newRow("duplicate reported, box") << false << true << true << false;
        QTest::newRow("duplicate reported, no box asked") << false << false << false << false;
    }
    void failingBatchRollsBack()
    {
        QFETCH(bool, duplicado);
        QFETCH(bool, mostrar);
        QFETCH(bool, boxShown);
        QFETCH(bool, bareDescription);
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb, QStringLiteral("mgomez"));
        testsupport::FixedClock clock(2026, 3, 15, 10, 5);
        vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
        ScriptedOperator op;
        if (boxShown)
            op.expectMsgBox(QStringLiteral("2627 : "), ui::vbOK, QStringLiteral("Aviso al Operador!"), ui::vbCritical);

        const QString good = QStringLiteral("INSERT INTO T (K, V) VALUES ('B', 2)");
        const QString dup = QStringLiteral("INSERT INTO T (K, V) VALUES ('a', 3)");
        const RunResult r = run({QString(), good, QString(), dup, QString()}, duplicado, false, mostrar);

        QVERIFY(r.hayError);
        QCOMPARE(r.nroError, 2627);
        if (bareDescription) {
            QVERIFY(!r.mensaje.isEmpty());
            QVERIFY(!r.mensaje.startsWith(QStringLiteral("2627")));
            QVERIFY(!r.mensaje.endsWith(QStringLiteral("\r\n")));
        } else {
            QVERIFY(r.mensaje.startsWith(QStringLiteral("2627 : ")));
            QVERIFY(r.mensaje.endsWith(QStringLiteral("\r\n")));
        }
        // Nothing of the batch stays.
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
        const QList<QVariantList> aux = frametest::Query(kDb, QStringLiteral("SELECT Proceso, Fecha, Error, Descripcion, SQL, PC, Usuario FROM AUX_ERR"));
        QCOMPARE(aux.size(), 1);
        QCOMPARE(aux[0][0].toString(), QStringLiteral("RecepcionMutuales"));
        QCOMPARE(aux[0][1].toString(), QStringLiteral("15/03/26 10:05"));
        QCOMPARE(aux[0][2].toInt(), 2627);
        QCOMPARE(aux[0][3].toString(), bareDescription ? QString() : r.mensaje);
        QCOMPARE(aux[0][4].toString(), r.ejecutado);
        QCOMPARE(aux[0][5].toString(), QStringLiteral("pc-caja1"));
        QCOMPARE(aux[0][6].toString(), QStringLiteral("mgomez"));
        // The connection is usable again, outside any transaction.
        QVERIFY(!run({QStringLiteral("INSERT INTO T (K, V) VALUES ('C', 3)")}).hayError);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 2);
    }

    void constraintHandedBack()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb);
        frametest::Exec(kDb, QStringLiteral("CREATE TABLE Q (ID INTEGER PRIMARY KEY, PID INTEGER REFERENCES P(ID))"));
        gDBPrincipal.reset();
        frametest::OpenMain(kDb);
        const RunResult r = run({QStringLiteral("INSERT INTO Q (ID, PID) VALUES (1, 99)")}, false, true, true);
        QVERIFY(r.hayError);
        QCOMPARE(r.nroError, 547);
        QVERIFY(!r.mensaje.startsWith(QStringLiteral("547")));
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT Descripcion FROM AUX_ERR")).toString(), QString());
    }

    void failingCommitRollsBack()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("547 : "), ui::vbOK, QStringLiteral("Aviso al Operador!"));
        // The child row names a parent that does not exist: only the commit finds out.
        const QString insert = QStringLiteral("INSERT INTO T (K, V) VALUES ('B', 2)");
        const RunResult r = run({insert, QStringLiteral("INSERT INTO C (ID, PID) VALUES (1, 99)")});
        QVERIFY(r.hayError);
        QCOMPARE(r.nroError, 547);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM C")).toInt(), 0);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT Error FROM AUX_ERR")).toInt(), 547);
        QVERIFY(!run({insert}).hayError);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 2);
    }

    void severalServerErrors_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("restriccion");
        QTest::addColumn<QString>("mensaje");
        const QString first = QStringLiteral("547 : The INSERT statement conflicted with the FOREIGN KEY constraint.\r\n");
        QTest::newRow("one") << 1 << false << first;
        QTest::newRow("two: the closing notice left out") << 2 << false << first;
        QTest::newRow("three: the first two") << 3 << false << first + QStringLiteral("3621 : The statement has been terminated.\r\n");
        QTest::newRow("constraint handed back") << 2 << true << "The INSERT statement conflicted with the FOREIGN KEY constraint.";
    }
    void severalServerErrors()
    {
        QFETCH(int, errors);
        QFETCH(bool, restriccion);
        QFETCH(QString, mensaje);
        TempProgramFolder folder;
        createDatabase(folder);
        ado::SetProviderFactory([](const ado::ConnectionSpec& t) { return std::make_unique<SeveralErrorsProvider>(t); });
        frametest::OpenMain(kDb);
        const RunResult r = run({QStringLiteral("INSERT INTO C (ID, PID) VALUES (1, 99) -- FALLA_%1").arg(errors)}, false, restriccion, false);
        ado::SetProviderFactory({});
        QVERIFY(r.hayError);
        QCOMPARE(r.nroError, 547);
        QCOMPARE(r.mensaje, mensaje);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT Descripcion FROM AUX_ERR")).toString(), restriccion ? QString() : mensaje);
    }

    void staleErrorDoesNotRollBackAGoodBatch()
    {
        TempProgramFolder folder;
        createDatabase(folder);
        frametest::OpenMain(kDb);
        // A failed statement leaves its error on the connection.
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("INSERT INTO NoSuchTable (A) VALUES (1)"));
        QVERIFY(gDBPrincipal->gCnn->Errors().Count() > 0);
        const RunResult r = run({QStringLiteral("INSERT INTO T (K, V) VALUES ('B', 2)")});
        QVERIFY(!r.hayError);
        QCOMPARE(frametest::Scalar(kDb, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 2);
    }
};

TESTSUPPORT_MAIN(TstFrameStatements)
#include "tst_frame_statements.moc"
