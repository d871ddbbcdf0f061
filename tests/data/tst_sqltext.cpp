// The Oracle dialect, Oracle scripts and the marker rules of writes: each changes the
// statement's SQL only, never a value.
#include "data/SqlText.h"
#include "platform/ado/SqliteDialect.h"
#include "tests/data/TrickyValues.h"
#include "tests/support/FixedClock.h"
#include <QTest>

namespace {

using ado::sqlite::ColumnKind;

// The columns the statements below meet: T's F and a site's CONTROL_ACCESO.EGRESO and
// MV_EJERCICIOS bounds are dates, codes and notes are texts.
class Columns : public ado::sqlite::SchemaInfo {
public:
    ColumnKind kindOf(const QString& table, const QString& column) override
    {
        const QString t = table.toUpper(), c = column.toUpper();
        if ((t == QLatin1String("T") && c == QLatin1String("F")) || (t == QLatin1String("CONTROL_ACCESO") && c == QLatin1String("EGRESO"))
            || (t == QLatin1String("MV_EJERCICIOS") && c.startsWith(QLatin1String("FECHA"))))
            return ColumnKind::Date;
        if ((t == QLatin1String("T") && (c == QLatin1String("A") || c == QLatin1String("C")))
            || (t == QLatin1String("MA_CUENTAS") && c == QLatin1String("CODIGO")))
            return ColumnKind::Text;
        return ColumnKind::Unknown;
    }
    QStringList columnsOf(const QString& table) override
    {
        return table.compare(QLatin1String("T"), Qt::CaseInsensitive) == 0 ? QStringList{"A", "C", "F"} : QStringList();
    }
};

} // namespace

class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void toOracle_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("single LEN") << "LEN" << "LENGTH";
        QTest::newRow("single word kept") << "CUENTAS" << "CUENTAS";
        // ROWNUM is given before the rows are ordered or grouped: those queries are wrapped.
        QTest::newRow("top with order")
            << "SELECT TOP 5 Codigo FROM MA_CUENTAS ORDER BY Codigo"
            << "SELECT * FROM (SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo) WHERE ROWNUM <= 5";
        QTest::newRow("top with where and group")
            << "SELECT TOP 1 TC, COUNT(*) FROM T WHERE A = 1 GROUP BY TC"
            << "SELECT * FROM (SELECT TC, COUNT(*) FROM T WHERE A = 1 GROUP BY TC) WHERE ROWNUM <= 1";
        QTest::newRow("top with where") << "SELECT TOP 1 * FROM T WHERE A = 1 OR B = 2" << "SELECT * FROM T WHERE (A = 1 OR B = 2) AND ROWNUM <= 1";
        QTest::newRow("top alone") << "select  top 1 * from AUX_ERR  with(nolock) " << "select  * from AUX_ERR WHERE ROWNUM <= 1   ";
        QTest::newRow("top in a subquery")
            << "SELECT A, (SELECT TOP 1 X FROM U WHERE U.K = T.K) AS B FROM T WHERE C = 1"
            << "SELECT A, (SELECT X FROM U WHERE (U.K = T.K) AND ROWNUM <= 1) AS B FROM T WHERE C = 1";
        QTest::newRow("top percent reads all") << "SELECT TOP 100 PERCENT A FROM T" << "SELECT A FROM T";
        QTest::newRow("the word top in a text")
            << "SELECT A FROM T WHERE A = 'stop here' AND B = 'top 1'" << "SELECT A FROM T WHERE A = 'stop here' AND B = 'top 1'";
        QTest::newRow("locking read")
            << "SELECT TOP 1 FechaRecepcion,Usuario FROM V_MV_MUTUALES WITH (UPDLOCK, HOLDLOCK) WHERE CUENTA='1'"
            << "SELECT FechaRecepcion,Usuario FROM V_MV_MUTUALES  WHERE (CUENTA='1') AND ROWNUM <= 1";
        QTest::newRow("len in select list") << "SELECT LEN(Codigo), LEN (X) FROM T" << "SELECT LENGTH(Codigo), LENGTH(X) FROM T";
        QTest::newRow("brackets") << "SELECT [NUMERO ASIENTO] FROM T" << "SELECT \"NUMERO ASIENTO\" FROM T";
        QTest::newRow("date literal")
            << "SELECT * FROM T WHERE F = '5/3/2024'"
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')";
        QTest::newRow("code that looks like a date stays") << "SELECT * FROM T WHERE C = '1/2'" << "SELECT * FROM T WHERE C = '1/2'";
        // Only a text that meets a date column is a date; in a text column it is the text.
        QTest::newRow("date text in a text column stays")
            << "SELECT * FROM T WHERE C = '15/03/2024' OR A = '1.2.24'" << "SELECT * FROM T WHERE C = '15/03/2024' OR A = '1.2.24'";
        QTest::newRow("dotted account code stays")
            << "SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '1.1.01'" << "SELECT * FROM MA_CUENTAS    WHERE Codigo =  '1.1.01'";
        QTest::newRow("insert: the date column's value only")
            << "INSERT INTO T (C, F, A) VALUES ('12-11-10', '12-11-10', '10-10-10')"
            << "INSERT INTO T (C, F, A) VALUES ('12-11-10', TO_DATE('12/11/2010','DD/MM/YYYY'), '10-10-10')";
        QTest::newRow("insert without a column list")
            << "INSERT INTO T VALUES ('01/02/03', '01/02/03', '01/02/03')"
            << "INSERT INTO T VALUES ('01/02/03', '01/02/03', TO_DATE('01/02/2003','DD/MM/YYYY'))";
        QTest::newRow("update: set and where")
            << "UPDATE T SET C = '1.1.0001', F = '1.1.24' WHERE A = '1.1.24' AND F < '2/1/2024'"
            << "UPDATE T SET C = '1.1.0001', F = TO_DATE('01/01/2024','DD/MM/YYYY') WHERE A = '1.1.24' AND F < TO_DATE('02/01/2024','DD/MM/YYYY')";
        QTest::newRow("between, the time kept")
            << "SELECT * FROM T WHERE F BETWEEN '1/3/2024' AND '31/3/2024 23:59'"
            << "SELECT * FROM T WHERE F BETWEEN TO_DATE('01/03/2024','DD/MM/YYYY') AND TO_DATE('31/03/2024 23:59:00','DD/MM/YYYY HH24:MI:SS')";
        QTest::newRow("a date between two date columns")
            << "Select * from MV_EJERCICIOS where '15/03/2024' BETWEEN [FECHA DESDE] AND [FECHA HASTA]"
            << "Select * from MV_EJERCICIOS where TO_DATE('15/03/2024','DD/MM/YYYY') BETWEEN \"FECHA DESDE\" AND \"FECHA HASTA\"";
        QTest::newRow("date column on the right, ISO and N texts")
            << "SELECT * FROM T WHERE '2024-03-15' <= F AND F IN (N'5/3/24', '6/3/24')"
            << "SELECT * FROM T WHERE TO_DATE('15/03/2024','DD/MM/YYYY') <= F AND F IN (TO_DATE('05/03/2024','DD/MM/YYYY'), TO_DATE('06/03/2024','DD/MM/YYYY'))";
        QTest::newRow("a text that is no date stays at a date column")
            << "SELECT * FROM T WHERE F = '31/02/2024' OR F = ''" << "SELECT * FROM T WHERE F = '31/02/2024' OR F  IS NULL ";
        QTest::newRow("already converted date")
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')"
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')";
        // InStr takes the text first, CHARINDEX the text sought.
        QTest::newRow("charindex and convert")
            << "SELECT Charindex('a',X), CONVERT(INT, Y), CONVERT(NVARCHAR, F, 103) FROM T"
            << "SELECT InStr(X,'a'), TO_NUMBER( Y), TO_CHAR( F, 'DD/MM/YYYY') FROM T";
        QTest::newRow("date style inside a nested call")
            << "SELECT TO_CHAR(ISNULL(F, G), 103) FROM T" << "SELECT TO_CHAR(NVL(F, G), 'DD/MM/YYYY') FROM T";
        QTest::newRow("server date") << "select  getDate() as fecha" << "select  SYSDATE as fecha FROM DUAL";
        QTest::newRow("date and time keep the time")
            << "UPDATE CONTROL_ACCESO  SET EGRESO = '10/12/26 14:05' WHERE ID = 3"
            << "UPDATE CONTROL_ACCESO  SET EGRESO = TO_DATE('10/12/2026 14:05:00','DD/MM/YYYY HH24:MI:SS') WHERE ID = 3";
        QTest::newRow("unequal to the empty text") << "SELECT A FROM T WHERE A<>'' AND B != ''" << "SELECT A FROM T WHERE A IS NOT NULL  AND B  IS NOT NULL ";
        QTest::newRow("owner prefix") << "SELECT * FROM dbo.V_TA_FAMILIAS b" << "SELECT * FROM V_TA_FAMILIAS b";
        QTest::newRow("len after a parenthesis") << "SELECT A FROM T WHERE (LEN(A) > 1)" << "SELECT A FROM T WHERE (LENGTH(A) > 1)";
        QTest::newRow("brackets inside a text stay") << "SELECT [A] FROM T WHERE A = 'x[1]'" << "SELECT \"A\" FROM T WHERE A = 'x[1]'";
        QTest::newRow("empty comparison after where only")
            << "SELECT A = '' FROM T WHERE B = '' AND C=''"
            << "SELECT A = '' FROM T WHERE B  IS NULL  AND C IS NULL ";
        QTest::newRow("substring and isnull")
            << "SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T"
            << "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T";
        // Texts are joined with ||; a sum of numbers stays a sum, also inside the cast.
        QTest::newRow("texts joined")
            << "SELECT 'A' + X, RTRIM(X) + Y, X + CAST(N AS VARCHAR(8)), N + 1, (N) + 'z' FROM T"
            << "SELECT 'A' || X, RTRIM(X) || Y, X || CAST(N AS VARCHAR(8)), N + 1, (N) || 'z' FROM T";
        QTest::newRow("plus inside a text stays") << "SELECT A FROM T WHERE A = 'x' + 'a + b'" << "SELECT A FROM T WHERE A = 'x' || 'a + b'";
        QTest::newRow("right, padded number")
            << "SELECT RIGHT('00000000' + CAST(ISNULL(N, 0) + 1 AS VARCHAR(8)), 8) FROM T"
            << "SELECT SUBSTR('00000000' || CAST(NVL(N, 0) + 1 AS VARCHAR(8)), -LEAST(8, LENGTH('00000000' || CAST(NVL(N, 0) + 1 AS VARCHAR(8))))) FROM T";
        QTest::newRow("right inside right")
            << "SELECT RIGHT(RIGHT(A, 3), 2) FROM T"
            << "SELECT SUBSTR(SUBSTR(A, -LEAST(3, LENGTH(A))), -LEAST(2, LENGTH(SUBSTR(A, -LEAST(3, LENGTH(A)))))) FROM T";
        QTest::newRow("bigint cast") << "SELECT CAST(A AS BIGINT) FROM T" << "SELECT CAST(A AS NUMBER(19)) FROM T";
        QTest::newRow("lock hint removed") << "SELECT * FROM T with (NOLOCK) WHERE A = 1" << "SELECT * FROM T  WHERE A = 1";
        QTest::newRow("lock hint inside a text stays")
            << "SELECT * FROM T with(nolock) WHERE A = 'a with(nolock) b'" << "SELECT * FROM T  WHERE A = 'a with(nolock) b'";
    }
    void toOracle()
    {
        testsupport::FixedClock clock(2026, 12, 9);
        QFETCH(QString, in);
        QFETCH(QString, out);
        const int words = int(in.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        Columns columns;
        QCOMPARE(sqltext::ToOracle(in, words, &columns), out);
    }

    void oracleLocks_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("locks");
        QTest::newRow("no hint") << "SELECT * FROM T WHERE A = 1" << QStringList();
        QTest::newRow("no-lock hint") << "SELECT * FROM T with(nolock) WHERE A = 1" << QStringList();
        QTest::newRow("book read")
            << "SELECT * FROM V_TA_CPTE WITH (UPDLOCK, HOLDLOCK) WHERE CODIGO = 'RM'" << QStringList{"LOCK TABLE V_TA_CPTE IN EXCLUSIVE MODE"};
        QTest::newRow("aliased tables, one hinted twice")
            << "SELECT MAX(a.N) FROM MV_ASIENTOS a WITH (UPDLOCK) JOIN U AS b WITH (HOLDLOCK) ON a.K = b.K, MV_ASIENTOS c WITH (XLOCK)"
            << QStringList{"LOCK TABLE MV_ASIENTOS IN EXCLUSIVE MODE", "LOCK TABLE U IN EXCLUSIVE MODE"};
        QTest::newRow("hint inside a text") << "SELECT * FROM T WHERE A = 'x WITH (UPDLOCK)'" << QStringList();
    }
    void oracleLocks()
    {
        QFETCH(QString, statement);
        QFETCH(QStringList, locks);
        QCOMPARE(sqltext::OracleLocks(statement), locks);
    }

    void identityRead()
    {
        QCOMPARE(sqltext::IdentityRead(QStringLiteral("SELECT SCOPE_IDENTITY() AS ID")), std::optional<QString>(QStringLiteral("ID")));
        QCOMPARE(sqltext::IdentityRead(QStringLiteral("select scope_identity() nuevo")), std::optional<QString>(QStringLiteral("nuevo")));
        QCOMPARE(sqltext::IdentityRead(QStringLiteral("SELECT SCOPE_IDENTITY()")), std::optional<QString>(QStringLiteral("ID")));
        QCOMPARE(sqltext::IdentityRead(QStringLiteral("SELECT SCOPE_IDENTITY() AS ID FROM T")), std::nullopt);
        QCOMPARE(sqltext::IdentityRead(QStringLiteral("SELECT 'SCOPE_IDENTITY()' AS ID")), std::nullopt);
        QCOMPARE(sqltext::InsertTable(QStringLiteral("INSERT INTO Control_Acceso (A) VALUES (1)")), QStringLiteral("Control_Acceso"));
        QCOMPARE(sqltext::InsertTable(QStringLiteral("insert dbo.[V_MV_MUTUALES] (A) VALUES (1)")), QStringLiteral("\"V_MV_MUTUALES\""));
        QCOMPARE(sqltext::InsertTable(QStringLiteral("UPDATE T SET A = 'INSERT INTO U'")), QString());
    }

    void oracleScript()
    {
        const QString script = QStringLiteral(
            "BEGIN TRANSACTION \r\nSET NOCOUNT ON\r\nINSERT INTO T (A) VALUES (1)\r\nGO\r\nCOMMIT TRANSACTION");
        QCOMPARE(sqltext::SplitOracleScript(script),
                 QStringList({"SET TRANSACTION", "INSERT INTO T (A) VALUES (1)", "COMMIT"}));
    }

    void oracleScriptSeveralStatements()
    {
        const QString script = QStringLiteral("UPDATE A SET X=1 DELETE FROM B WHERE Y=2\nIF EXISTS (SELECT 1) DROP TABLE C");
        QCOMPARE(sqltext::SplitOracleScript(script),
                 QStringList({"UPDATE A SET X=1", "DELETE FROM B WHERE Y=2", "IF EXISTS (SELECT 1)", "DROP TABLE C"}));
    }

    void oracleScriptKeepsQuotedTexts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("a statement inside a text")
            << QStringLiteral("INSERT INTO T (A) VALUES ('x''); DELETE FROM U; --')\r\nUPDATE T SET B = 'UPDATE ' WHERE A = 'GO '")
            << QStringList({"INSERT INTO T (A) VALUES ('x''); DELETE FROM U; --')", "UPDATE T SET B = 'UPDATE ' WHERE A = 'GO '"});
        QTest::newRow("line breaks and transaction words inside a text")
            << QStringLiteral("BEGIN TRANSACTION\r\nINSERT INTO T (A) VALUES ('uno\r\nCOMMIT TRANSACTION dos')\r\nCOMMIT TRANSACTION")
            << QStringList({"SET TRANSACTION", "INSERT INTO T (A) VALUES ('uno\r\nCOMMIT TRANSACTION dos')", "COMMIT"});
        QTest::newRow("an unfinished text runs to the end")
            << QStringLiteral("DELETE FROM T WHERE A = 'x DROP TABLE U")
            << QStringList({"DELETE FROM T WHERE A = 'x DROP TABLE U"});
        QTest::newRow("a name that contains a keyword")
            << QStringLiteral("INSERT INTO TA_COMMITS (A) VALUES (1)\rUPDATE XINSERT SET A = 1")
            << QStringList({"INSERT INTO TA_COMMITS (A) VALUES (1)", "UPDATE XINSERT SET A = 1"});
        QTest::newRow("an apostrophe in a comment")
            << QStringLiteral("INSERT INTO T (A) VALUES (1) -- the customer's row\r\nUPDATE T SET A = 2")
            << QStringList({"INSERT INTO T (A) VALUES (1) -- the customer's row", "UPDATE T SET A = 2"});
        QTest::newRow("a comment inside a statement stays ended by its line")
            << QStringLiteral("INSERT INTO T (A) -- one column\r\nVALUES (1)")
            << QStringList({"INSERT INTO T (A) -- one column\nVALUES (1)"});
        QTest::newRow("savepoints")
            << QStringLiteral("SAVE TRANSACTION Asiento\rROLLBACK TRANSACTION Asiento\rROLLBACK TRAN\rCOMMIT TRANSACTION")
            << QStringList({"SAVEPOINT Asiento", "ROLLBACK TO SAVEPOINT Asiento", "ROLLBACK", "COMMIT"});
        QTest::newRow("the identity read after an insert")
            << QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO T (A) VALUES ('x')\r\rSELECT SCOPE_IDENTITY() AS ID\r")
            << QStringList({"SET TRANSACTION", "INSERT INTO T (A) VALUES ('x')", "SELECT SCOPE_IDENTITY() AS ID"});
        QTest::newRow("a select that feeds an insert stays in it")
            << QStringLiteral("INSERT INTO T (A) SELECT B FROM U UNION SELECT C FROM V\rDELETE FROM U")
            << QStringList({"INSERT INTO T (A) SELECT B FROM U UNION SELECT C FROM V", "DELETE FROM U"});
        QTest::newRow("statements ended by semicolons") << QStringLiteral("UPDATE T SET A = 1; UPDATE T SET B = ';'")
                                                        << QStringList({"UPDATE T SET A = 1", "UPDATE T SET B = ';'"});
        QTest::newRow("text before any keyword is not lost")
            << QStringLiteral("EXEC p 1\rINSERT INTO T (A) VALUES (1)") << QStringList({"EXEC p 1", "INSERT INTO T (A) VALUES (1)"});
    }

    void oracleScriptKeepsQuotedTexts()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(sqltext::SplitOracleScript(script), statements);
    }

    void writeMarker_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<bool>("views");
        QTest::newRow("plain insert") << "INSERT INTO @ADMIN_MV_ASIENTOS (A) VALUES (1)" << "INSERT INTO MV_ASIENTOS (A) VALUES (1)" << false;
        QTest::newRow("delete with marker") << "DELETE @admin_MV_ASIENTOS WHERE A=1" << "DELETE MV_ASIENTOS WHERE A=1" << false;
        QTest::newRow("drop and create, no marker") << "DROP VIEW X CREATE VIEW X AS SELECT * FROM MA_CUENTAS" << "DROP VIEW X CREATE VIEW X AS SELECT * FROM MA_CUENTAS" << true;
        QTest::newRow("drop and create with marker") << "DROP VIEW X CREATE VIEW X AS SELECT * FROM @Admin_MA_CUENTAS" << "DROP VIEW X CREATE VIEW X AS SELECT * FROM MA_CUENTAS" << false;
        QTest::newRow("drop create delete") << "DROP X CREATE X DELETE Y" << "DROP X CREATE X DELETE Y" << false;
        QTest::newRow("drop and create only in values")
            << "INSERT INTO T (A, B) VALUES ('drop', 'create')" << "INSERT INTO T (A, B) VALUES ('drop', 'create')" << false;
        QTest::newRow("marker in a value stays")
            << "INSERT INTO @Admin_T (A) VALUES ('x@ADMIN_y')" << "INSERT INTO T (A) VALUES ('x@ADMIN_y')" << false;
    }
    void writeMarker()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(bool, views);
        const sqltext::WriteRewrite rw = sqltext::RewriteForWrite(in);
        QCOMPARE(rw.text, out);
        QCOMPARE(rw.needsViews, views);
    }

    void filteredOnOracle_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("set nocount") << "SET NOCOUNT ON" << true;
        QTest::newRow("if not exists guard") << "IF NOT EXISTS (SELECT * FROM T)" << true;
        QTest::newRow("a value that says so") << "INSERT INTO T (A) VALUES ('if not exists, set nocount on')" << false;
        QTest::newRow("a name that says so") << "UPDATE T SET [SET NOCOUNT] = 1" << false;
    }
    void filteredOnOracle()
    {
        QFETCH(QString, statement);
        QFETCH(bool, dropped);
        QCOMPARE(sqltext::DroppedOnOracle(statement), dropped);
    }

    // Every rewrite hands the value over as typed.
    void valuesPassEveryRewrite_data() { datatest::AddTrickyValueRows(); }
    void valuesPassEveryRewrite()
    {
        QFETCH(QString, value);
        const QString literal = datatest::Literal(value);
        const QString insert = QStringLiteral("INSERT INTO T (A) VALUES (") + literal + QStringLiteral(")");
        const QString read = QStringLiteral("SELECT A FROM T WHERE A = ") + literal;

        QCOMPARE(sqltext::RewriteForWrite(insert).text, insert);
        QCOMPARE(sqltext::RemoveMarkers(read), read);
        QCOMPARE(sqltext::ReplaceInSql(read, {{QStringLiteral(" MA_CUENTAS "), QStringLiteral(" SS_MA_CUENTAS ")}}), read);
        QCOMPARE(sqltext::ToOracle(read, 8), read);
        QCOMPARE(sqltext::ToOracle(insert, 8), insert);
        QVERIFY(!sqltext::DroppedOnOracle(insert));
        QCOMPARE(sqltext::OracleLocks(read), QStringList());
        QCOMPARE(sqltext::SplitOracleScript(QStringLiteral("BEGIN TRANSACTION \r\r\r") + insert + QStringLiteral("\r\rCOMMIT TRANSACTION")),
                 QStringList({"SET TRANSACTION", insert, "COMMIT"}));
    }
};

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
