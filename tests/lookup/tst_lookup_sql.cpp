// The statements of the list lookup, as texts: condition, row limit, the mask, full and
// generic ways, and the server-side filter of a search box.
#include "lookup/ConsultaSql.h"
#include "tests/support/TestMain.h"
#include <QTest>

using namespace lookup;

class TstLookupSql : public QObject {
    Q_OBJECT

private slots:
    void condition_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("expected");
        QTest::newRow("several characters") << "Titulo = 0" << " (Titulo = 0) ";
        QTest::newRow("one character") << "x" << "x";
        QTest::newRow("one character in blanks") << "  x " << "  x ";
        QTest::newRow("already in parentheses") << "(a=1) or b=2" << "(a=1) or b=2";
        QTest::newRow("empty") << "" << "";
    }
    void condition()
    {
        QFETCH(QString, where);
        QFETCH(QString, expected);
        QCOMPARE(WrapCondition(where), expected);
    }

    void rowLimit_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("expected");
        QTest::newRow("250") << "250" << 250;
        QTest::newRow("0") << "0" << 1000;
        QTest::newRow("missing key") << " " << 1000;
        QTest::newRow("letters") << "abc" << 1000;
        QTest::newRow("half to even") << "12.5" << 12;
        QTest::newRow("negative") << "-5" << 1000;
        QTest::newRow("beyond a long") << "99999999999" << 1000;
    }
    void rowLimit()
    {
        QFETCH(QString, setting);
        QFETCH(int, expected);
        QCOMPARE(RowLimit(setting), expected);
    }

    void mask_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("campos");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("campoBusqueda");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("expectedBusqueda");
        QTest::newRow("accounts with a condition")
            << "MA_CUENTAS" << "DESCRIPCION,CODIGO" << "" << " (Titulo = 0) " << ""
            << "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE  (Titulo = 0)  ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("business units without condition")
            << "V_TA_UnidadNegocio" << "Descripcion,Codigo" << "" << "" << ""
            << "SELECT TOP 1000 Descripcion,Codigo FROM V_TA_UnidadNegocio  with(nolock)  ORDER BY Descripcion"
            << "Descripcion";
        QTest::newRow("articles take the stock view and the suspended rows out")
            << "V_MA_ARTICULOS" << "DESCRIPCION,IDARTICULO" << "" << "" << ""
            << "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("articles with the caller's condition")
            << "v_ma_articulos" << "DESCRIPCION,IDARTICULO" << "" << " (IdRubro = '01') " << ""
            << "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE  (IdRubro = '01')  ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("customers leave those written off out")
            << "VT_CLIENTES" << "RAZON_SOCIAL,CODIGO,CONTACTO" << "" << "" << ""
            << "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES  with(nolock)  WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL"
            << "RAZON_SOCIAL";
        QTest::newRow("the mask's own condition wins over the caller's")
            << "MA_CUENTAS" << "DESCRIPCION,CODIGO" << "Nivel = 3" << " (Titulo = 0) " << ""
            << "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE Nivel = 3 ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("the caller's search column")
            << "MA_CUENTAS" << "DESCRIPCION,CODIGO" << "" << "" << "CODIGO"
            << "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  ORDER BY CODIGO" << "CODIGO";
        QTest::newRow("a single column with the caller's search column")
            << "MA_CUENTAS" << "*" << "" << "" << "CODIGO"
            << "SELECT TOP 1000 * FROM MA_CUENTAS  with(nolock)  ORDER BY CODIGO" << "CODIGO";
        QTest::newRow("a list that opens with two commas has no order")
            << "MA_CUENTAS" << ",CODIGO,DESCRIPCION" << "" << "" << ""
            << "SELECT TOP 1000 ,CODIGO,DESCRIPCION FROM MA_CUENTAS with(nolock) " << "";
    }
    void mask()
    {
        QFETCH(QString, tabla);
        QFETCH(QString, campos);
        QFETCH(QString, extra);
        QFETCH(QString, where);
        QFETCH(QString, campoBusqueda);
        QFETCH(QString, expected);
        QFETCH(QString, expectedBusqueda);
        MascaraConsulta m{tabla, campos, extra};
        QString statement;
        QVERIFY(MaskStatement(m, where, 1000, campoBusqueda, statement));
        QCOMPARE(statement, expected);
        QCOMPARE(campoBusqueda, expectedBusqueda);
    }

    void maskOfOneColumnMustBeConfigured()
    {
        MascaraConsulta m{QStringLiteral("MA_CUENTAS"), QStringLiteral("*"), QString()};
        QString busqueda, statement = QStringLiteral("untouched");
        QVERIFY(!MaskStatement(m, QString(), 1000, busqueda, statement));
        QCOMPARE(statement, QStringLiteral("untouched"));
    }

    void rowLimitReachesTheStatement()
    {
        MascaraConsulta m{QStringLiteral("MA_CUENTAS"), QStringLiteral("DESCRIPCION,CODIGO"), QString()};
        QString busqueda, statement;
        QVERIFY(MaskStatement(m, QString(), 250, busqueda, statement));
        QVERIFY(statement.startsWith(QLatin1String("SELECT TOP 250 ")));
    }

    void fullStatement_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("whereAfter");
        QTest::newRow("no condition")
            << "SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Descripcion" << ""
            << "SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Descripcion" << "";
        QTest::newRow("no WHERE, no ORDER BY")
            << "SELECT Codigo FROM MA_CUENTAS" << " (Titulo = 0) "
            << "SELECT Codigo FROM MA_CUENTAS WHERE (Titulo = 0)" << " WHERE  (Titulo = 0) ";
        QTest::newRow("goes before ORDER BY")
            << "SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo" << " (Titulo = 0) "
            << "SELECT Codigo FROM MA_CUENTAS WHERE (Titulo = 0) ORDER BY Codigo" << " WHERE  (Titulo = 0) ";
        QTest::newRow("joins an existing WHERE with AND")
            << "SELECT Codigo FROM MA_CUENTAS WHERE Nivel = 1 OR Nivel = 2 ORDER BY Codigo" << " (Titulo = 0) "
            << "SELECT Codigo FROM MA_CUENTAS WHERE (Nivel = 1 OR Nivel = 2) AND (Titulo = 0) ORDER BY Codigo"
            << " WHERE  (Titulo = 0) ";
        QTest::newRow("goes before GROUP BY")
            << "select TC, count(*) from MV_ASIENTOS group by TC order by TC" << " (TC = 'RM') "
            << "select TC, count(*) from MV_ASIENTOS WHERE (TC = 'RM') group by TC order by TC"
            << " WHERE  (TC = 'RM') ";
        QTest::newRow("a WHERE inside a subquery is not the statement's")
            << "SELECT Codigo FROM MA_CUENTAS C WHERE EXISTS (SELECT 1 FROM MV_ASIENTOS A WHERE A.Cuenta = C.Codigo "
               "ORDER BY 1)" << " (Titulo = 0) "
            << "SELECT Codigo FROM MA_CUENTAS C WHERE (EXISTS (SELECT 1 FROM MV_ASIENTOS A WHERE A.Cuenta = C.Codigo "
               "ORDER BY 1)) AND (Titulo = 0)" << " WHERE  (Titulo = 0) ";
        QTest::newRow("words inside quotes are not keywords")
            << "SELECT Codigo FROM MA_CUENTAS WHERE Descripcion <> 'order by where'" << " (Titulo = 0) "
            << "SELECT Codigo FROM MA_CUENTAS WHERE (Descripcion <> 'order by where') AND (Titulo = 0)"
            << " WHERE  (Titulo = 0) ";
        QTest::newRow("the caller wrote the keyword")
            << "SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo" << "WHERE Titulo = 0"
            << "SELECT Codigo FROM MA_CUENTAS WHERE Titulo = 0 ORDER BY Codigo" << "WHERE Titulo = 0";
        QTest::newRow("articles are read from the stock view")
            << "SELECT IdArticulo, Descripcion FROM V_MA_ARTICULOS" << ""
            << "SELECT IdArticulo, Descripcion FROM VT_MA_ARTICULOS" << "";
    }
    void fullStatement()
    {
        QFETCH(QString, sql);
        QFETCH(QString, where);
        QFETCH(QString, expected);
        QFETCH(QString, whereAfter);
        QCOMPARE(FullStatement(sql, where), expected);
        QCOMPARE(where, whereAfter);
    }

    void generic_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("campoBusqueda");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("expectedBusqueda");
        const QStringList cols{"ID", "CODIGO", "DESCRIPCION", "PRECIO"};
        QTest::newRow("columns in reverse order, sorted by the description")
            << "MI_TABLA" << cols << "" << "CODIGO"
            << "SELECT TOP 1000 PRECIO,DESCRIPCION,CODIGO FROM MI_TABLA  ORDER BY DESCRIPCION" << "DESCRIPCION";
        QTest::newRow("the mutual-aid view keeps its ID")
            << "v_mv_mutuales" << QStringList{"ID", "FECHA", "IMPORTE"} << "" << ""
            << "SELECT TOP 1000 IMPORTE,FECHA,ID FROM v_mv_mutuales  ORDER BY ID" << "ID";
        QTest::newRow("with a condition")
            << "MI_TABLA" << cols << " (PRECIO > 0) " << ""
            << "SELECT TOP 1000 PRECIO,DESCRIPCION,CODIGO FROM MI_TABLA WHERE   (PRECIO > 0)  ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("deposits have their own columns")
            << "V_TA_DEPOSITO" << QStringList{} << "" << ""
            << "SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO  ORDER BY IDDEPOSITO" << "IDDEPOSITO";
        QTest::newRow("no columns and no search column: no empty ORDER BY")
            << "MI_TABLA" << QStringList{} << "" << ""
            << "SELECT TOP 1000  *  FROM MI_TABLA " << "";
        QTest::newRow("a name only of ID columns")
            << "MI_TABLA" << QStringList{"ID"} << "" << ""
            << "SELECT TOP 1000  *  FROM MI_TABLA " << "";
    }
    void generic()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, columns);
        QFETCH(QString, where);
        QFETCH(QString, campoBusqueda);
        QFETCH(QString, expected);
        QFETCH(QString, expectedBusqueda);
        QCOMPARE(GenericStatement(name, columns, where, 1000, campoBusqueda), expected);
        QCOMPARE(campoBusqueda, expectedBusqueda);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("contains");
        QTest::addColumn<QString>("expected");
        QTest::newRow("prefix before the ORDER BY")
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD ORDER BY Nombre " << "Nombre" << "kg" << false
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD  where Nombre like 'kg%' ORDER BY Nombre ";
        QTest::newRow("words anywhere")
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD ORDER BY Nombre " << "Nombre" << "caja chica" << true
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD  where Nombre like '%caja%chica%' ORDER BY Nombre ";
        QTest::newRow("a second filter joins with and")
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD  where Nombre like 'kg%' ORDER BY Nombre  " << "IdUnidad" << "K"
            << false
            << "SELECT IdUnidad, Nombre FROM V_TA_UNIDAD  where Nombre like 'kg%'  and IdUnidad like 'K%' ORDER BY Nombre  ";
        QTest::newRow("asterisks are wildcards")
            << "SELECT Codigo FROM MA_CUENTAS " << "Codigo" << "1*3" << false
            << "SELECT Codigo FROM MA_CUENTAS  where Codigo like '1%3%' ";
        QTest::newRow("article columns get their view")
            << "SELECT v_ma_articulos.IdArticulo FROM v_ma_articulos ORDER BY 1 " << "IdArticulo" << "A" << false
            << "SELECT v_ma_articulos.IdArticulo FROM v_ma_articulos  where v_ma_articulos.IdArticulo like 'A%' ORDER BY 1 ";
        QTest::newRow("a group-by tail carries its order")
            << "SELECT TC, COUNT(*) FROM MV_ASIENTOS GROUP BY TC ORDER BY TC " << "TC" << "R" << false
            << "SELECT TC, COUNT(*) FROM MV_ASIENTOS  where TC like 'R%' GROUP BY TC ORDER BY TC ";
        QTest::newRow("an apostrophe stays inside the literal")
            << "SELECT Codigo FROM MA_CUENTAS " << "Descripcion" << "x' or 1=1 --" << false
            << "SELECT Codigo FROM MA_CUENTAS  where Descripcion like 'x'' or 1=1 --%' ";
        QTest::newRow("an apostrophe in words anywhere")
            << "SELECT Codigo FROM MA_CUENTAS " << "Descripcion" << "d'agostino" << true
            << "SELECT Codigo FROM MA_CUENTAS  where Descripcion like '%d''agostino%' ";
    }
    void filter()
    {
        QFETCH(QString, sql);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, contains);
        QFETCH(QString, expected);
        QString base = sql, cola;
        QCOMPARE(FilterStatement(sql, base, cola, field, text, contains), expected);
    }
};

TESTSUPPORT_MAIN(TstLookupSql)
#include "tst_lookup_sql.moc"
