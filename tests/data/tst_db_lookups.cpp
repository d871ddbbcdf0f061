// Lookups, execution and schema queries of the data-access object on a SQLite file.
#include "DbFixture.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using datatest::DbFixture;

namespace {

const QStringList kSchema = {
    "CREATE TABLE MA_CUENTAS (Codigo TEXT COLLATE NOCASE PRIMARY KEY, Descripcion TEXT COLLATE NOCASE, Saldo NUMERIC(19,4), Alta DATETIME)",
    "CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS WHERE Codigo <> '9999'",
    "INSERT INTO MA_CUENTAS VALUES ('1104', 'Mutuales a facturar', 10.5, '2024-03-15 00:00:00')",
    "INSERT INTO MA_CUENTAS VALUES ('  12', 'Con blancos', NULL, NULL)",
    "INSERT INTO MA_CUENTAS VALUES ('9999', 'Reservada', 3, NULL)",
    "INSERT INTO MA_CUENTAS VALUES ('O''NEIL', 'Con apostrofo', 1, NULL)",
    "CREATE TABLE V_MA_ARTICULOS (idarticulo TEXT COLLATE NOCASE PRIMARY KEY)",
    "INSERT INTO V_MA_ARTICULOS VALUES ('0500')",
    "INSERT INTO V_MA_ARTICULOS VALUES (' 300')",
    "CREATE TABLE VACIA (N INTEGER)",
};

} // namespace

class TestDbLookups : public QObject {
    Q_OBJECT
private slots:
    void existeEnTabla()
    {
        DbFixture f(kSchema);
        QVERIFY(f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant(" 12 ")));
        QVERIFY(f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant("1104")));
        QVERIFY(!f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant("1105")));
        QVERIFY(f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant("o'neil")));
        QVERIFY(f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant(), "Codigo", nullptr, vb::Variant(8), "Saldo > 10"));
    }

    void restrictedUserReadsTheView()
    {
        DbFixture f(kSchema);
        f.db().gEsAdmin = false;
        QVERIFY(!f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant("9999")));
        QVERIFY(f.db().ExisteEnTabla("@Admin_MA_CUENTAS", vb::Variant("9999")));
    }

    void existeEnTablaKeepsRowsInTheCallersRecordset()
    {
        DbFixture f(kSchema);
        ado::Recordset rs;
        QVERIFY(f.db().ExisteEnTabla("MA_CUENTAS", vb::Variant("1104"), "Codigo", &rs));
        QCOMPARE(rs.Fields("Descripcion").Value().toString(), QStringLiteral("Mutuales a facturar"));
        QVERIFY(f.db().ExisteEnTablaST("MA_CUENTAS", vb::Variant("  12"), "Codigo", &rs));
        QVERIFY(!f.db().ExisteEnTablaST("MA_CUENTAS", vb::Variant("12"), "Codigo"));
    }

    void datosTabla()
    {
        DbFixture f(kSchema);
        QCOMPARE(f.db().DatosTabla("ma_cuentas", vb::Variant("1104"), "Descripcion").toString(), QStringLiteral("Mutuales a facturar"));
        const vb::Variant none = f.db().DatosTabla("ma_cuentas", vb::Variant("7"), "Descripcion");
        QCOMPARE(none.type(), vb::VarType::String);
        QCOMPARE(none.toString(), QString());
        QCOMPARE(f.db().DatosTabla("ma_cuentas", vb::Variant("12"), "Saldo").toString(), QStringLiteral("0"));
        QCOMPARE(f.db().DatosTabla("ma_cuentas", vb::Variant("12"), "Descripcion").toString(), QStringLiteral("Con blancos"));
    }

    void datosTablaReportsErrorsUnlessIgnored()
    {
        DbFixture f(kSchema);
        {
            testsupport::ScriptedOperator op;
            // The open reports its own failure; the lookup's own box is left out.
            op.expectMsgBox("Invalid object name", 3, QString(), 18);
            QCOMPARE(f.db().DatosTabla("NO_EXISTE", vb::Variant("1"), "X", "Codigo", vb::Variant(8), "", true, true).toString(), QString());
            op.expectMsgBox("Invalid object name", 3, QString(), 18);
            op.expectMsgBox("", 3, "Aviso al Operador", 18);
            QCOMPARE(f.db().DatosTabla("NO_EXISTE", vb::Variant("1"), "X").toString(), QString());
        }
    }

    void maximaAndMinima()
    {
        DbFixture f(kSchema);
        QCOMPARE(f.db().BuscaMaximo("MA_CUENTAS", "Saldo").toDouble(), 10.5);
        QCOMPARE(f.db().BuscaMinimo("MA_CUENTAS", "Saldo").toDouble(), 1.0);
        QCOMPARE(f.db().BuscaUltimoCodigo("MA_CUENTAS", "Saldo", vb::Variant(8), "Saldo < 5").toDouble(), 3.0);
        QVERIFY(f.db().BuscaMaximo("VACIA", "N").isEmpty());
        QVERIFY(f.db().BuscaMinimo("VACIA", "N").isEmpty());
        QVERIFY(f.db().BuscaUltimoCodigo("VACIA", "N").isEmpty());
        QString condition;
        QCOMPARE(f.db().BuscaMaximo("V_MA_ARTICULOS", "idarticulo", vb::Variant(), &condition).toDouble(), 300.0);
        QCOMPARE(condition, QStringLiteral(" substring(ltrim(idarticulo),1,1)<>'0'"));
        QCOMPARE(f.db().BuscaMaximo("MA_CUENTAS", "Alta", vb::Variant(7)).type(), vb::VarType::Date);
    }

    void abrirRecordsetRewritesTheCallersText()
    {
        DbFixture f(kSchema);
        f.db().gEsAdmin = false;
        QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS with(nolock) WHERE Codigo = '9999'");
        ado::Recordset rs;
        f.db().AbrirRecordset(sql, rs);
        QCOMPARE(sql, QStringLiteral("SELECT * FROM SS_MA_CUENTAS with(nolock) WHERE Codigo = '9999'"));
        QVERIFY(rs.BOF());
        f.db().CierraRecordset(rs);
        QCOMPARE(rs.State(), int(ado::adStateClosed));
        f.db().CierraRecordset(rs);   // closing a closed recordset does nothing
    }

    void abrirRecordsetErrorGoesToTheDialog()
    {
        DbFixture f(kSchema);
        testsupport::ScriptedOperator op;
        op.expectMsgBox("Ha ocurrido el Siguiente Error (", 4, QString(), 18);   // Retry runs the open again
        op.expectMsgBox("Ha ocurrido el Siguiente Error (", 3, QString(), 18);   // Abort leaves
        ado::Recordset rs;
        f.db().AbrirRecordset(QStringLiteral("SELECT * FROM NO_EXISTE"), rs);
        QCOMPARE(rs.State(), int(ado::adStateClosed));
        QVERIFY(op.shown().at(0).title.contains(QStringLiteral(" - AbrirRecordset Aviso al operador!!! - 5 ")));
    }

    void ejecutaConsultaSQLNeverRaises()
    {
        DbFixture f(kSchema);
        long affected = -1;
        f.db().EjecutaConsultaSQL(QStringLiteral("UPDATE @ADMIN_MA_CUENTAS SET Saldo = 0 WHERE Codigo = '1104'"), &affected);
        QCOMPARE(affected, 1L);
        QCOMPARE(f.db().gCnn->Errors().Count(), 0);
        QString bad = QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('1104')");
        f.db().EjecutaConsultaSQL(bad);
        QVERIFY(f.db().gCnn->Errors().Count() > 0);
        QCOMPARE(f.db().gCnn->Errors().Item(0).NativeError, 2627);
        QString marked = QStringLiteral("DELETE @ADMIN_MA_CUENTAS WHERE Codigo = '9999'");
        f.db().EjecutaConsultaSQL(marked);
        QCOMPARE(marked, QStringLiteral("DELETE MA_CUENTAS WHERE Codigo = '9999'"));
        QCOMPARE(f.scalar("SELECT COUNT(*) FROM MA_CUENTAS").toLong(), 3);
    }

    void schemaQueries()
    {
        DbFixture f(kSchema);
        QVERIFY(f.db().ExisteTablaDB("ma_cuentas"));
        QVERIFY(f.db().ExisteTablaDB(" SS_MA_CUENTAS "));
        QVERIFY(!f.db().ExisteTablaDB("NO_EXISTE"));
        QVERIFY(f.db().ExisteCampoDB("MA_CUENTAS", " descripcion "));
        QVERIFY(!f.db().ExisteCampoDB("MA_CUENTAS", "Otra"));
        QVERIFY(!f.db().ExisteCampoDB("NO_EXISTE", "Otra"));
        gDBPrincipal->gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
        QVERIFY(f.db().ExisteCampoDB("NO_EXISTE", "Otra"));
        gDBPrincipal->gProveedor = QStringLiteral("SQLOLEDB");
    }

    void verCampoAddsAMissingColumn()
    {
        DbFixture f(kSchema);
        QVERIFY(f.db().VerCampoDB("MA_CUENTAS", "Obs", true, "varchar(50)", true));
        QVERIFY(f.db().ExisteCampoDB("MA_CUENTAS", "Obs"));
        QVERIFY(f.db().VerCampoDB("NO_EXISTE", "Obs", true, "varchar(50)", true));
    }
};

TESTSUPPORT_MAIN(TestDbLookups)
#include "tst_db_lookups.moc"
