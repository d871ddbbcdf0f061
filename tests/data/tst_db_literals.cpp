// Literals, type predicates, name helpers and the restricted-view rewriting of the
// data-access object.
#include "data/DB_Dll.h"
#include "data/LookupSql.h"
#include "platform/vb/App.h"
#include "tests/support/RegionalPin.h"
#include <QTest>

Q_DECLARE_METATYPE(vb::Variant)

class TestDbLiterals : public QObject {
    Q_OBJECT
private slots:
    void sqlValue_data()
    {
        QTest::addColumn<vb::Variant>("value");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("literal");
        const QChar dot('.'), comma(',');
        QTest::newRow("text quoted") << vb::Variant("abc") << "'" << dot << "'abc'";
        QTest::newRow("apostrophe doubled") << vb::Variant("a'b") << "'" << dot << "'a''b'";
        QTest::newRow("no mark") << vb::Variant("abc") << "" << dot << "abc";
        QTest::newRow("hash is no mark") << vb::Variant("15/03/2024") << "#" << dot << "15/03/2024";
        QTest::newRow("null quoted") << vb::Variant::Null() << "'" << dot << "NULL";
        QTest::newRow("null money") << vb::Variant::Null() << "@" << dot << "0";
        QTest::newRow("empty quoted") << vb::Variant() << "'" << dot << "''";
        QTest::newRow("money comma workstation") << vb::Variant("12,5") << "@" << comma << "12.5";
        QTest::newRow("money grouped") << vb::Variant("1.234,56") << "@" << comma << "1234.56";
        QTest::newRow("money dot workstation") << vb::Variant("1,234.56") << "@" << dot << "1234.56";
        QTest::newRow("money from double") << vb::Variant(2.5) << "@" << comma << "2.5";
        QTest::newRow("money empty text") << vb::Variant("") << "@" << dot << "0";
        QTest::newRow("number unquoted") << vb::Variant(3) << "" << dot << "3";
    }
    void sqlValue()
    {
        QFETCH(vb::Variant, value);
        QFETCH(QString, tipo);
        QFETCH(QChar, decimal);
        QFETCH(QString, literal);
        testsupport::RegionalPin pin(decimal, decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','));
        DB_Dll db;
        QCOMPARE(db.SQLValue(value, tipo).toString(), literal);
    }

    void typePredicates()
    {
        DB_Dll db;
        for (int code : {7, 64, 133, 134, 135, 137}) {
            QVERIFY(db.adodate(vb::Variant(code)));
            QCOMPARE(db.ADOComilla(vb::Variant(code)), QStringLiteral("'"));
        }
        for (int code : {8, 129, 130, 200, 201, 202, 203}) {
            QVERIFY(db.ADOText(vb::Variant(code)));
            QCOMPARE(db.ADOComilla(vb::Variant(code)), QStringLiteral("'"));
        }
        for (int code : {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131})
            QVERIFY(db.ADONumeric(vb::Variant(code)));
        QVERIFY(!db.ADONumeric(vb::Variant(6)));
        QVERIFY(!db.ADONumeric(vb::Variant(139)));
        QVERIFY(db.ADOCurrency(vb::Variant(6)));
        QVERIFY(db.ADOBoolean(vb::Variant(11)));
        QCOMPARE(db.ADOComilla(vb::Variant(3)), QString());
        QVERIFY(!db.adodate(vb::Variant("abc")));
    }

    void nameHelpers()
    {
        DB_Dll db;
        QString name = QStringLiteral("dbo.Tabla");
        QCOMPARE(db.stSTF(name, 0), QStringLiteral("dbo"));
        QCOMPARE(db.stSTF(name, 1), QStringLiteral("Tabla"));
        name = QStringLiteral("base.dbo.Tabla");
        QCOMPARE(db.stSTF(name, 0), QStringLiteral("dbo.Tabla"));
        QCOMPARE(name, QStringLiteral("dbo.Tabla"));   // the caller's variable changes too
        name = QStringLiteral("Tabla");
        QCOMPARE(db.stSTF(name, 1), QStringLiteral("Tabla"));
        QVERIFY_THROWS_EXCEPTION(vb::VbError, db.stSTF(name, 0));
        QCOMPARE(db.AddBrackets("Mi Tabla"), QStringLiteral("[Mi Tabla]"));
        QCOMPARE(db.AddBrackets("[Mi Tabla]"), QStringLiteral("[Mi Tabla]"));
        QCOMPARE(db.AddBrackets("Tabla"), QStringLiteral("Tabla"));
        QCOMPARE(db.StripConnect("Tabla ->Origen"), QStringLiteral("Tabla"));
        QVERIFY_THROWS_EXCEPTION(vb::VbError, db.StripConnect("->Origen"));
        QCOMPARE(db.StripBrackets("[Mi Tabla]"), QStringLiteral("Mi Tabla"));
        QString owned = QStringLiteral("dbo.Tabla");
        QCOMPARE(db.StripOwner(owned), QStringLiteral("Tabla"));
        QCOMPARE(owned, QStringLiteral("Tabla"));
        QCOMPARE(db.StripFileName("C:\\Datos\\base.mdb"), QStringLiteral("C:\\Datos"));
        QCOMPARE(db.StripFileName("base.mdb"), QString());
    }

    void restrictedViews_data()
    {
        QTest::addColumn<bool>("admin");
        QTest::addColumn<bool>("confidential");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("admin keeps tables, drops marker") << true << true << "SELECT * FROM @Admin_MA_CUENTAS , MA_CUENTAS WHERE 1=1" << "SELECT * FROM MA_CUENTAS , MA_CUENTAS WHERE 1=1";
        QTest::newRow("between blanks") << false << true << "SELECT * FROM MA_CUENTAS WHERE A=1" << "SELECT * FROM SS_MA_CUENTAS WHERE A=1";
        QTest::newRow("marker keeps real table") << false << true << "SELECT * FROM @Admin_MA_CUENTAS WHERE A=1" << "SELECT * FROM MA_CUENTAS WHERE A=1";
        QTest::newRow("lower case join") << false << true << "SELECT * FROM X INNER JOIN ma_cuentas ON ma_cuentas.Codigo = X.C" << "SELECT * FROM X INNER JOIN SS_MA_CUENTAS ON SS_MA_CUENTAS.Codigo = X.C";
        QTest::newRow("parenthesis and comma forms") << false << true << "SELECT (MA_CUENTAS.A),MA_CUENTAS.B FROM (MA_CUENTAS )" << "SELECT (SS_MA_CUENTAS.A),SS_MA_CUENTAS.B FROM (SS_MA_CUENTAS )";
        QTest::newRow("comma without dot stays") << false << true << "SELECT * FROM X,MA_CUENTAS WHERE 1=1" << "SELECT * FROM X,MA_CUENTAS WHERE 1=1";
        QTest::newRow("name at the start stays") << false << true << "MA_CUENTAS WHERE 1=1" << "MA_CUENTAS WHERE 1=1";
        QTest::newRow("report field") << false << true << "{MA_CUENTAS.Codigo} = '1'" << "{SS_MA_CUENTAS.Codigo} = '1'";
        QTest::newRow("confidentiality off with entries") << false << false << "SELECT * FROM MV_ASIENTOS , MA_CUENTAS WHERE 1=1" << "SELECT * FROM MV_ASIENTOS , MA_CUENTAS WHERE 1=1";
        QTest::newRow("confidentiality on with entries") << false << true << "SELECT * FROM MV_ASIENTOS WHERE 1=1" << "SELECT * FROM SS_MV_ASIENTOS WHERE 1=1";
        QTest::newRow("entries marker upper case") << false << true << "SELECT MAX(X) FROM @ADMIN_MV_ASIENTOS WHERE 1=1" << "SELECT MAX(X) FROM MV_ASIENTOS WHERE 1=1";
        QTest::newRow("daily cost centres") << false << true << "SELECT * FROM AC_CUENTASDIARIO_CCOSTO WHERE 1=1" << "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE 1=1";
        QTest::newRow("daily accounts") << false << true << "SELECT * FROM AC_CUENTASDIARIO WHERE 1=1" << "SELECT * FROM SS_AC_CUENTASDIARIO WHERE 1=1";
        QTest::newRow("a value naming a table stays") << false << true << "SELECT * FROM T WHERE A = 'ver MA_CUENTAS hoy'"
                                                      << "SELECT * FROM T WHERE A = 'ver MA_CUENTAS hoy'";
        QTest::newRow("a value with the marker stays") << true << true << "SELECT * FROM @Admin_T WHERE A = 'mail @admin_ventas'"
                                                       << "SELECT * FROM T WHERE A = 'mail @admin_ventas'";
        QTest::newRow("a value naming the entries keeps the views")
            << false << false << "SELECT * FROM MA_CUENTAS WHERE A = 'MV_ASIENTOS'" << "SELECT * FROM SS_MA_CUENTAS WHERE A = 'MV_ASIENTOS'";
        QTest::newRow("a comment is no table") << false << true << "SELECT * FROM X -- not MA_CUENTAS here\nWHERE 1=1"
                                               << "SELECT * FROM X -- not MA_CUENTAS here\nWHERE 1=1";
    }
    void restrictedViews()
    {
        QFETCH(bool, admin);
        QFETCH(bool, confidential);
        QFETCH(QString, in);
        QFETCH(QString, out);
        DB_Dll db;
        db.gEsAdmin = admin;
        gConfidencialidad = confidential;
        QCOMPARE(db.SS_TSinonimos(in), out);
        gConfidencialidad = false;
    }

    void oracleOnlyOnOracleConnections()
    {
        DB_Dll db;
        db.gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=S;Database =D;UId=u;Pwd=p;");
        QCOMPARE(db.ORACLE_Dicc("SELECT LEN(A) FROM T"), QStringLiteral("SELECT LEN(A) FROM T"));
        db.gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=D;User Id=u;Password=p;");
        QCOMPARE(db.ORACLE_Dicc("SELECT LEN(A) FROM T"), QStringLiteral("SELECT LENGTH(A) FROM T"));
        QCOMPARE(db.ORACLE_Dicc("LEN"), QStringLiteral("LENGTH"));
    }

    void lookupStatements_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        using namespace lookupsql;
        const vb::Variant text(8), date(7), number(3), other(2);
        QTest::newRow("exists text") << Exists("MA_CUENTAS", vb::Variant(" 12 "), "Codigo", text, "", false)
            << "SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='12'";
        QTest::newRow("exists text apostrophe") << Exists("T", vb::Variant("O'Neil"), "Nombre", text, "", false)
            << "SELECT TOP 1  * FROM T with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='O''Neil'";
        QTest::newRow("exists date") << Exists("T", vb::Variant(" '15/03/2024' "), "F", date, "", false)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE F = '15/03/2024' ";
        QTest::newRow("exists number") << Exists("T", vb::Variant(" 5 "), "N", number, "", false)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 5";
        QTest::newRow("exists other untrimmed") << Exists("T", vb::Variant(" 5 "), "N", other, "", false)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE N =  5 ";
        QTest::newRow("exists condition") << Exists("T", vb::Variant("x"), "C", text, "A = 1", false)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE A = 1";
        QTest::newRow("exists condition with where") << Exists("T", vb::Variant("x"), "C", text, "X WHERE A = 1", false)
            << "SELECT TOP 1 * FROM T with(nolock)  X WHERE A = 1";
        QTest::newRow("exists plain text") << Exists("T", vb::Variant(" x "), "C", text, "", true)
            << "SELECT * FROM T with(nolock)   WHERE C =' x '";
        QTest::newRow("exists plain number") << Exists("T", vb::Variant(" 5 "), "N", number, "", true)
            << "SELECT * FROM T with(nolock)   WHERE N = 5";
        QTest::newRow("exists plain condition") << Exists("T", vb::Variant("x"), "C", text, "A = 1", true)
            << "SELECT * FROM T with(nolock)   WHERE A = 1";
        QTest::newRow("data text trimmed") << Data("ma_cuentas", vb::Variant(" 1104 "), "Codigo", text, "", true)
            << "SELECT TOP 1 * FROM ma_cuentas with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1104' ";
        QTest::newRow("data text untrimmed with condition") << Data("T", vb::Variant(" a "), "C", text, " B = 1", false)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE C =' a '  AND  B = 1";
        QTest::newRow("data date") << Data("T", vb::Variant(" 15/03/2024 "), "F", date, "", true)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE F = #15/03/2024# ";
        QTest::newRow("data number") << Data("T", vb::Variant(" 7 "), "N", vb::Variant(5), "X=1", true)
            << "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 7 AND X=1";
    }
    void lookupStatements()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(sql, expected);
    }
};

QTEST_GUILESS_MAIN(TestDbLiterals)
#include "tst_db_literals.moc"
