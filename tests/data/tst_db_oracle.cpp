// Statements on an Oracle connection, as the Oracle stand-in receives them: reads in
// Oracle's dialect, scripts run one statement at a time, savepoints, locks and the new
// row's ID in Oracle's forms; and values that read like SQL stored and found again as
// typed, there and on the SQLite default alike.
#include "data/DB_Dll.h"
#include "tests/data/DbFixture.h"
#include "tests/data/TrickyValues.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/oracle/OracleStandIn.h"
#include <QTest>
#include <optional>

namespace {

const QStringList kSchema = {
    QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, A TEXT COLLATE NOCASE, F DATETIME)"),
    QStringLiteral("CREATE TABLE ta_usuarios (Nombre TEXT, Administrador INTEGER)"),
};

} // namespace

class TestDbOracle : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db_.emplace(kSchema);
        oracle_.emplace();
        testsupport::OpenMainOnOracle(QStringLiteral("test.db"), QStringLiteral("operador"));
        oracle_->clear();
    }
    void cleanup()
    {
        const QStringList refused = oracle_->refused();
        db_.reset();
        oracle_.reset();
        QCOMPARE(refused, QStringList());   // Oracle took every statement it was sent
    }

    void scriptRunsStatementByStatement()
    {
        long affected = 0;
        QString script = QStringLiteral(
            "BEGIN TRANSACTION \r\nINSERT INTO T (A, F) VALUES ('x', '15/03/2024 10:15')\r\nGO\r\nCOMMIT TRANSACTION");
        gDBPrincipal->EjecutaConsultaSQL(script, &affected);
        QCOMPARE(received(), QStringList({"<begin>",
                                          "INSERT INTO T (A, F) VALUES ('x', TO_DATE('15/03/2024 10:15:00','DD/MM/YYYY HH24:MI:SS'))",
                                          "<commit>"}));
        QCOMPARE(affected, 1L);
        QCOMPARE(script, QString());   // the script is consumed
        QCOMPARE(db_->scalar(QStringLiteral("SELECT F FROM T")).toDate(), QDateTime(QDate(2024, 3, 15), QTime(10, 15)));
    }

    void readsAreTranslatedUnlessAskedNot()
    {
        ado::Recordset rs;
        QString sql = QStringLiteral("SELECT LEN(A) FROM T with(nolock) WHERE A = ''");
        gDBPrincipal->AbrirRecordset(sql, rs);
        QCOMPARE(received().last(), QStringLiteral("SELECT LENGTH(A) FROM T  WHERE A  IS NULL "));
        QCOMPARE(sql, QStringLiteral("SELECT LEN(A) FROM T with(nolock) WHERE A = ''"));   // the caller keeps its text
        sql = QStringLiteral("SELECT A FROM T WHERE A = ''");
        gDBPrincipal->AbrirRecordset(sql, rs, nullptr, 0, 1, -1, false);
        QCOMPARE(received().last(), sql);
    }

    // The reads that open their recordset themselves are Oracle's too.
    void lookupsAreTranslated()
    {
        db_->exec(QStringLiteral("INSERT INTO T (A) VALUES ('uno')"));
        ado::Recordset rs;
        QVERIFY(gDBPrincipal->ExisteEnTabla(QStringLiteral("T"), vb::Variant(QStringLiteral("uno")), QStringLiteral("A"), &rs));
        QVERIFY(gDBPrincipal->ExisteEnTablaST(QStringLiteral("T"), vb::Variant(QStringLiteral("uno")), QStringLiteral("A")));
        QCOMPARE(gDBPrincipal->BuscaMaximo(QStringLiteral("T"), QStringLiteral("ID")).toDouble(), 1.0);
        QVERIFY(gDBPrincipal->BuscaMinimo(QStringLiteral("T"), QStringLiteral("ID")).toDouble() == 1.0);
        QVERIFY(!received().isEmpty());
    }

    void setNocountNeverReachesOracle()
    {
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("SET NOCOUNT ON\r\nUPDATE T SET A = 1"));
        QCOMPARE(received(), QStringList({"UPDATE T SET A = 1"}));
    }

    // A connection string is an Oracle one for every part of the data layer alike,
    // wherever it names Oracle.
    void oneTestDecidesOracle()
    {
        testsupport::OpenMainOnOracle(QStringLiteral("test.db"), QStringLiteral("operador"),
                                     QStringLiteral("ORACLE_SITIO=1;Provider=MSDAORA;Data Source=test.db;"));
        oracle_->clear();
        QVERIFY(gDBPrincipal->IsOracleConnection());
        ado::Recordset rs;
        gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT TOP 1 A FROM T with(nolock)"), rs);
        QCOMPARE(received(), QStringList({"SELECT A FROM T WHERE ROWNUM <= 1 "}));
        QCOMPARE(gDBPrincipal->ORACLE_Dicc(QStringLiteral("SELECT ISNULL(A, 0) FROM T")), QStringLiteral("SELECT NVL(A, 0) FROM T"));
    }

    // SAVE TRANSACTION and ROLLBACK TRANSACTION name are Oracle's savepoints: the work
    // after the savepoint is undone, the work before it stays.
    void savepoints()
    {
        DB_Dll& db = *gDBPrincipal;
        db.EjecutaConsultaSQL(QStringLiteral("BEGIN TRANSACTION"));
        db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO T (A) VALUES ('antes')"));
        db.EjecutaConsultaSQL(QStringLiteral("SAVE TRANSACTION P1"));
        db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO T (A) VALUES ('después')"));
        db.EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION P1"));
        db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
        QCOMPARE(db.gCnn->Errors().Count(), 0);
        QCOMPARE(received(), QStringList({"<begin>", "INSERT INTO T (A) VALUES ('antes')", "SAVEPOINT P1",
                                          "INSERT INTO T (A) VALUES ('después')", "ROLLBACK TO SAVEPOINT P1", "<commit>"}));
        QCOMPARE(db_->scalar(QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
        QCOMPARE(db_->scalar(QStringLiteral("SELECT A FROM T")).toString(), QStringLiteral("antes"));
    }

    // The new row's ID, read in the batch that inserts it: the table is locked in the
    // transaction before the insert, so its highest ID is this row's.
    void identityOfTheNewRow()
    {
        db_->exec(QStringLiteral("INSERT INTO T (ID, A) VALUES (41, 'otro')"));
        oracle_->clear();
        DB_Dll& db = *gDBPrincipal;
        db.EjecutaConsultaSQL(QStringLiteral("BEGIN TRANSACTION"));
        ado::Recordset rs;
        db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO T (A) VALUES ('nuevo')\r\nSELECT SCOPE_IDENTITY() AS ID"), nullptr, &rs);
        QCOMPARE(db.gCnn->Errors().Count(), 0);
        QVERIFY(rs.State() != ado::adStateClosed && !rs.EOF());
        QCOMPARE(rs.Fields(QStringLiteral("ID")).Value().toInt(), 42);
        db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
        QCOMPARE(received(), QStringList({"<begin>", "LOCK TABLE T IN EXCLUSIVE MODE", "INSERT INTO T (A) VALUES ('nuevo')",
                                          "SELECT MAX(ID) AS ID FROM T", "<commit>"}));
    }

    // A read with lock hints locks its table in the transaction first, as Oracle does it.
    void lockingReads()
    {
        DB_Dll& db = *gDBPrincipal;
        db.EjecutaConsultaSQL(QStringLiteral("BEGIN TRANSACTION"));
        ado::Recordset rs;
        db.AbrirRecordset(QStringLiteral("SELECT TOP 1 A FROM T WITH (UPDLOCK, HOLDLOCK) WHERE A = 'x'"), rs);
        QVERIFY(rs.EOF());
        db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
        QCOMPARE(received(), QStringList({"<begin>", "LOCK TABLE T IN EXCLUSIVE MODE", "SELECT A FROM T  WHERE (A = 'x') AND ROWNUM <= 1",
                                          "<commit>"}));
    }

    // A statement Oracle refuses stops the script with its error: nothing after it runs,
    // and the caller sees the failure.
    void aRefusedStatementStopsTheScript()
    {
        testsupport::ScriptedOperator op;
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("BEGIN TRANSACTION\rINSERT INTO NOHAY (A) VALUES (1)\rINSERT INTO T (A) VALUES ('x')"));
        QVERIFY(gDBPrincipal->gCnn->Errors().Count() > 0);
        QVERIFY(!received().contains(QStringLiteral("INSERT INTO T (A) VALUES ('x')")));
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION"));
        QCOMPARE(db_->scalar(QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 0);
    }

    // Every value is stored and found again as typed, by a user who is no administrator
    // (the restricted views apply), on the SQLite default and on Oracle, written alone
    // and in a transactional script.
    void valuesAreStoredAsTyped_data()
    {
        datatest::AddTrickyValueRows();
    }
    void valuesAreStoredAsTyped()
    {
        QFETCH(QString, value);
        for (const bool oracle : {false, true}) {
            if (!oracle) {
                gDBPrincipal.reset();
                db_.emplace(kSchema, QStringLiteral("operador"));
            } else {
                testsupport::OpenMainOnOracle(QStringLiteral("test.db"), QStringLiteral("operador"));
            }
            DB_Dll& db = *gDBPrincipal;
            db.gEsAdmin = false;
            gConfidencialidad = true;
            const QString literal = datatest::Literal(value);
            db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO T (ID, A) VALUES (1, ") + literal + QStringLiteral(")"));
            db.EjecutaConsultaSQL(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO T (ID, A) VALUES (2, ") + literal
                                  + QStringLiteral(")\r\rUPDATE T SET A = ") + literal + QStringLiteral(" WHERE ID = 2\r"));
            QCOMPARE(db.gCnn->Errors().Count(), 0);
            db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
            ado::Recordset rs;
            db.AbrirRecordset(QStringLiteral("SELECT ID, A FROM T with(nolock) WHERE A = ") + literal + QStringLiteral(" ORDER BY ID"), rs);
            QVERIFY2(!rs.EOF(), qPrintable(oracle ? QStringLiteral("Oracle") : QStringLiteral("SQLite")));
            QCOMPARE(rs.Fields(QStringLiteral("A")).Value().toString(), value);
            rs.MoveNext();
            QVERIFY(!rs.EOF());
            QCOMPARE(rs.Fields(QStringLiteral("A")).Value().toString(), value);
            db.CierraRecordset(rs);
            QCOMPARE(db_->scalar(QStringLiteral("SELECT COUNT(*) FROM T WHERE A = ") + literal).toInt(), 2);
            db_->exec(QStringLiteral("DELETE FROM T"));
        }
    }

    // The stand-in refuses what Oracle would turn wrong, as the file's column types say:
    // a date that meets a text column, a text that meets a date column. What meets a
    // column of its own kind is taken.
    void standInRefusesDatesAndTextsCrossed_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("error");   // empty: taken
        const QString d = QStringLiteral("TO_DATE('01/02/2024','DD/MM/YYYY')");
        const QString stored = QStringLiteral("stand-in: a date stored into the text column A is written in the session's date format");
        const QString textRead = QStringLiteral("ORA-01858: a non-numeric character was found where a numeric was expected");
        const QString dateRead = QStringLiteral("ORA-01861: literal does not match format string");
        QTest::newRow("date into a text column") << QStringLiteral("INSERT INTO T (A, F) VALUES (%1, %1)").arg(d) << stored;
        QTest::newRow("text into a date column") << QStringLiteral("INSERT INTO T (A, F) VALUES ('1.2.24', '1.2.24')") << dateRead;
        QTest::newRow("date set to a text column") << QStringLiteral("UPDATE T SET F = %1, A = %1 WHERE ID = 1").arg(d) << stored;
        QTest::newRow("text set to a date column") << QStringLiteral("UPDATE T SET F = '01/02/2024'") << dateRead;
        QTest::newRow("text column compared with a date") << QStringLiteral("SELECT * FROM T WHERE A = %1").arg(d) << textRead;
        QTest::newRow("date compared with a qualified text column") << QStringLiteral("SELECT * FROM T x WHERE %1 < x.A").arg(d) << textRead;
        QTest::newRow("text column between dates") << QStringLiteral("SELECT * FROM T WHERE A BETWEEN %1 AND %1").arg(d) << textRead;
        QTest::newRow("date column among texts") << QStringLiteral("SELECT * FROM T WHERE F IN (%1, '01/02/2024')").arg(d) << dateRead;
        QTest::newRow("each to its own kind")
            << QStringLiteral("UPDATE T SET A = '1.2.24', F = %1 WHERE A = '01/02/2024' AND F > %1 AND F IS NOT NULL").arg(d) << QString();
        QTest::newRow("the empty text is NULL") << QStringLiteral("INSERT INTO T (A, F) VALUES ('', '')") << QString();
    }
    void standInRefusesDatesAndTextsCrossed()
    {
        QFETCH(QString, statement);
        QFETCH(QString, error);
        try {
            gDBPrincipal->gCnn->Execute(statement);
        } catch (const vb::VbError&) {
        }
        QCOMPARE(oracle_->refused(), error.isEmpty() ? QStringList() : QStringList{error + QStringLiteral(" <- ") + statement});
        oracle_->clear();
    }

private:
    QStringList received() const { return oracle_->received(); }

    std::optional<datatest::DbFixture> db_;
    std::optional<testsupport::OracleStandIn> oracle_;
};

TESTSUPPORT_MAIN(TestDbOracle)
#include "tst_db_oracle.moc"
