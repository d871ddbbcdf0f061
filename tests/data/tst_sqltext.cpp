// The Oracle dialect, Oracle scripts and the marker rules of writes.
#include "data/SqlText.h"
#include "tests/support/FixedClock.h"
#include <QTest>

class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void toOracle_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("single LEN") << "LEN" << "LENGTH";
        QTest::newRow("single word kept") << "CUENTAS" << "CUENTAS";
        QTest::newRow("top without where")
            << "SELECT TOP 5 Codigo FROM MA_CUENTAS ORDER BY Codigo"
            << "SELECT  Codigo FROM MA_CUENTAS    WHERE ROWNUM <= 5 ORDER BY Codigo ";
        QTest::newRow("top with where and group")
            << "SELECT TOP 1 TC, COUNT(*) FROM T WHERE A = 1 GROUP BY TC"
            << "SELECT  TC, COUNT(*) FROM T WHERE A = 1    AND ROWNUM <= 1  GROUP BY TC ";
        QTest::newRow("len in select list") << "SELECT LEN(Codigo), LEN (X) FROM T" << "SELECT LENGTH(Codigo), LENGTH(X) FROM T";
        QTest::newRow("brackets") << "SELECT [NUMERO ASIENTO] FROM T" << "SELECT \"NUMERO ASIENTO\" FROM T";
        QTest::newRow("date literal")
            << "SELECT * FROM T WHERE F = '5/3/2024'"
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')";
        QTest::newRow("code that looks like a date stays") << "SELECT * FROM T WHERE C = '1/2'" << "SELECT * FROM T WHERE C = '1/2'";
        QTest::newRow("already converted date")
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')"
            << "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')";
        QTest::newRow("charindex and convert")
            << "SELECT Charindex('a',X), CONVERT(INT, Y), CONVERT(NVARCHAR, F, 103) FROM T"
            << "SELECT InStr('a',X), TO_NUMBER( Y), TO_CHAR( F, 'DD/MM/YYYY') FROM T";
        QTest::newRow("empty comparison after where only")
            << "SELECT A = '' FROM T WHERE B = '' AND C=''"
            << "SELECT A = '' FROM T WHERE B  IS NULL  AND C IS NULL ";
        QTest::newRow("substring and isnull")
            << "SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T"
            << "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T";
        QTest::newRow("lock hint removed") << "SELECT * FROM T with (NOLOCK) WHERE A = 1" << "SELECT * FROM T  WHERE A = 1";
    }
    void toOracle()
    {
        testsupport::FixedClock clock(2026, 12, 9);
        QFETCH(QString, in);
        QFETCH(QString, out);
        const int words = int(in.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        QCOMPARE(sqltext::ToOracle(in, words), out);
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
};

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
