// The embedded SQLite provider running the system's SQL Server statements.
#include "RecordsetChecks.h"
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"
#include "platform/vb/Regional.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using adochecks::raised;
using adochecks::scalar;

namespace {

// A small fixture of the tables the statements below touch, with the system's types.
const char* kSchema = R"(
CREATE TABLE TA_CONFIGURACION (CLAVE VARCHAR(50) COLLATE NOCASE PRIMARY KEY, VALOR VARCHAR(255) COLLATE NOCASE, valoraux VARCHAR(255));
CREATE TABLE V_MV_MUTUALES (ID INTEGER PRIMARY KEY, CUENTA VARCHAR(20) COLLATE NOCASE, IDMUTUAL VARCHAR(20) COLLATE NOCASE,
  IMPORTE NUMERIC(19,4), OBSERVACIONES VARCHAR(100) COLLATE NOCASE, FECHACOMPROBANTE DATETIME, FECHARECEPCION DATETIME,
  USUARIO VARCHAR(20) COLLATE NOCASE, UNEGOCIO CHAR(4) COLLATE NOCASE, FACTURA VARCHAR(20) COLLATE NOCASE);
CREATE TABLE MV_ASIENTOS (ID INTEGER PRIMARY KEY, Fecha DATETIME, MES_OPERATIVO INTEGER, [NUMERO ASIENTO] INTEGER,
  Cuenta VARCHAR(20) COLLATE NOCASE, Secuencia INTEGER, Importe NUMERIC(19,4), [Debe-Haber] CHAR(1), TC CHAR(4) COLLATE NOCASE,
  TIPO_REG CHAR(4) COLLATE NOCASE, PERIODO INTEGER, TC_ORIGEN VARCHAR(4) COLLATE NOCASE, CPTE_ORIGEN VARCHAR(20) COLLATE NOCASE,
  CUENTAORIGEN VARCHAR(20) COLLATE NOCASE, UNIQUE (TC, [NUMERO ASIENTO], Secuencia));
CREATE TABLE V_TA_CPTE (CODIGO CHAR(4) COLLATE NOCASE, TALONARIO INTEGER, X_ULTIMO_NRO VARCHAR(10), PRIMARY KEY (CODIGO, TALONARIO));
CREATE TABLE V_MV_CTROL_CPTE (TC CHAR(4) COLLATE NOCASE, SUCURSAL CHAR(4), NUMERO CHAR(8), LETRA CHAR(1), PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA));
CREATE TABLE c_mv_cpte (TC CHAR(4) COLLATE NOCASE, IDCOMPROBANTE VARCHAR(13) COLLATE NOCASE, FechaRecepcion DATETIME);
CREATE TABLE V_TA_FAMILIAS (IdFamilia VARCHAR(10) COLLATE NOCASE, Descripcion VARCHAR(50) COLLATE NOCASE);
CREATE TABLE MA_CUENTAS (Codigo VARCHAR(20) COLLATE NOCASE PRIMARY KEY, Descripcion VARCHAR(60) COLLATE NOCASE);
CREATE TABLE H (ID INTEGER PRIMARY KEY, T_ID INTEGER REFERENCES T(ID), N INTEGER CHECK (N >= 0));
CREATE TABLE AUX_ERR (ID INTEGER PRIMARY KEY, Proceso VARCHAR(50), Fecha VARCHAR(20), Error INTEGER, Descripcion VARCHAR(250),
  SQL TEXT, PC VARCHAR(50), Usuario VARCHAR(50));
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TCMUTUALES', 'MUT');
INSERT INTO MA_CUENTAS VALUES ('abc', 'Caja');
INSERT INTO MV_ASIENTOS (MES_OPERATIVO, [NUMERO ASIENTO], Secuencia, TC, TIPO_REG, PERIODO) VALUES (3, 41, 1, 'MUT', '    ', 2024);
INSERT INTO MV_ASIENTOS (MES_OPERATIVO, [NUMERO ASIENTO], Secuencia, TC, TIPO_REG, PERIODO) VALUES (3, 57, 1, 'MUT', 'VEN', 2024);
INSERT INTO V_TA_CPTE VALUES ('MUT', 1, '15');
INSERT INTO c_mv_cpte VALUES ('OC', '0001000000015', NULL);
INSERT INTO c_mv_cpte VALUES ('OC', '0001000000016', '2024-01-02 00:00:00');
INSERT INTO V_TA_FAMILIAS VALUES ('01', 'Almacén');
INSERT INTO V_TA_FAMILIAS VALUES ('0101', 'Bebidas');
INSERT INTO V_TA_FAMILIAS VALUES ('0102', 'Galletas');
INSERT INTO V_TA_FAMILIAS VALUES ('02', 'Limpieza');
)";

QString joinRow(ado::Recordset& rs)
{
    QStringList rows;
    while (!rs.EOF()) {
        QStringList cells;
        for (int i = 0; i < rs.Fields().Count(); ++i) {
            const vb::Variant v = rs.Fields(i).Value();
            cells << (v.isNull() ? QStringLiteral("NULL")
                      : v.type() == vb::VarType::Date ? v.toDate().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                      : v.toString());
        }
        rows << cells.join(u',');
        rs.MoveNext();
    }
    return rows.join(u'|');
}

} // namespace

class TestSqliteProvider : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ado::Connection> c_;

    QString query(const QString& sql)
    {
        ado::Recordset rs;
        rs.Open(sql, *c_);
        return joinRow(rs);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        vb::App::SetPath(dir_->path());
        vb::SetRegional(vb::RegionalSettings{});   // "." decimals whatever the workstation says
        vb::App::SetClock([] { return vb::MakeDate(QDate(2024, 3, 15), QTime(10, 15, 30)); });
        QFile f(dir_->filePath(QStringLiteral("DEMO.sqlite")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        c_ = std::make_unique<ado::Connection>();
        // the string as the system builds it
        c_->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=SQLITE;Database =DEMO;UId=admin;Pwd=;"));
        c_->Execute(QString::fromUtf8(kSchema));
        c_->Execute(QString::fromLatin1(adochecks::FIXTURE_T));
        for (const char* row : adochecks::FIXTURE_ROWS) c_->Execute(QString::fromLatin1(row));
    }
    void cleanup()
    {
        c_.reset();
        dir_.reset();
        vb::App::ResetAll();
    }

    void realStatements_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");
        QTest::newRow("DatosTabla text form, TOP 1 with two blanks")
            << QStringList{"SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='ABC'"}
            << "" << "abc,Caja";
        QTest::newRow("Cfg read: key of another case")
            << QStringList{"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TCMutuales'"}
            << "" << "MUT,NULL";
        QTest::newRow("entry number: marker-removed table, WITH(NOLOCK), blank sub-journal")
            << QStringList{QString("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM MV_ASIENTOS WITH(NOLOCK) WHERE MES_OPERATIVO = 3"
                                   " AND (TIPO_REG = '") + QChar(0xFF) + "RS' OR TIPO_REG = '') AND PERIODO = 2024"}
            << "" << "41";
        QTest::newRow("reception INSERT with typed dates")
            << QStringList{"INSERT INTO V_MV_MUTUALES (CUENTA,IDMUTUAL,IMPORTE,OBSERVACIONES,FECHACOMPROBANTE,FECHARECEPCION,USUARIO,UNEGOCIO) "
                           "VALUES('1.1.01','A-15',1234.5,'obs','15/03/2024','15/3/24','ADMIN','   1')"}
            << "SELECT CUENTA, IMPORTE, FECHACOMPROBANTE, length(FECHARECEPCION), FECHARECEPCION FROM V_MV_MUTUALES"
            << "1.1.01,1234.5,2024-03-15 00:00:00,19,2024-03-15 00:00:00";
        QTest::newRow("script runner batch with the numbering script, then commit")
            << QStringList{QString("BEGIN TRANSACTION \r\r\r UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  16 WHERE CODIGO = 'MUT ' AND TALONARIO=1\r\n"
                                   " INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('MUT ','0001','00000015','X')\r\n\r"
                                   "INSERT INTO MV_ASIENTOS (Fecha,Mes_Operativo,[NUMERO ASIENTO],Cuenta,Secuencia,Importe,[Debe-Haber],TC,TC_Origen,Cpte_Origen,CuentaOrigen) "
                                   "VALUES ('15/03/2024','3','42','1.1.01','1',1234.5,'D','MUT','Mutl','A-15','1.1.01')\r"
                                   "INSERT INTO MV_ASIENTOS (Fecha,Mes_Operativo,[NUMERO ASIENTO],Cuenta,Secuencia,Importe,[Debe-Haber],TC,TC_Origen,Cpte_Origen,CuentaOrigen) "
                                   "VALUES ('15/03/2024','3','42','2.1.01','2',1234.5,'H','MUT','Mutl','A-15','1.1.01')\r"),
                           "COMMIT TRANSACTION"}
            << "SELECT (SELECT X_ULTIMO_NRO FROM V_TA_CPTE), (SELECT COUNT(*) FROM V_MV_CTROL_CPTE), "
               "(SELECT COUNT(*) FROM MV_ASIENTOS WHERE Fecha = '15/03/2024' AND [NUMERO ASIENTO] = 42)"
            << "16,1,2";
        QTest::newRow("reception delete batch, then commit")
            << QStringList{"INSERT INTO V_MV_MUTUALES (ID, CUENTA, IDMUTUAL) VALUES (5, '1.1.01', 'A-15')",
                           "INSERT INTO MV_ASIENTOS (TC, [NUMERO ASIENTO], Secuencia, TC_ORIGEN, CPTE_ORIGEN, CUENTAORIGEN) VALUES ('MUT', 42, 1, 'MUTL', 'A-15', '1.1.01')",
                           "begin transaction \r\nDELETE V_MV_MUTUALES WHERE ID = 5\r\nDELETE MV_ASIENTOS WHERE TC_ORIGEN = 'Mutl' and cuentaorigen = '1.1.01' and cpte_origen = 'A-15'",
                           "commit transaction"}
            << "SELECT (SELECT COUNT(*) FROM V_MV_MUTUALES), (SELECT COUNT(*) FROM MV_ASIENTOS)"
            << "0,2";
        QTest::newRow("if exists guard: only the row without a date")
            << QStringList{"if exists(select * from c_mv_cpte  with(nolock)  where TC='OC' and IDCOMPROBANTE='0001000000015' and fecharecepcion is null) "
                           " UPDATE c_mv_cpte set FechaRecepcion='15/03/2024' where TC='OC' and IDCOMPROBANTE='0001000000015'",
                           "if exists(select * from c_mv_cpte  with(nolock)  where TC='OC' and IDCOMPROBANTE='0001000000016' and fecharecepcion is null) "
                           " UPDATE c_mv_cpte set FechaRecepcion='15/03/2024' where TC='OC' and IDCOMPROBANTE='0001000000016'"}
            << "SELECT IDCOMPROBANTE, FechaRecepcion FROM c_mv_cpte ORDER BY IDCOMPROBANTE"
            << "0001000000015,2024-03-15 00:00:00|0001000000016,2024-01-02 00:00:00";
        QTest::newRow("family tree query with nested TOP and Len(")
            << QStringList{"SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a  "
                           " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
                           " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia"}
            << "" << QString::fromUtf8("01,Almacén,NULL|0101,Bebidas,01|0102,Galletas,01|02,Limpieza,NULL");
        QTest::newRow("server date from the program clock")
            << QStringList{"select  getDate() as fecha"} << "" << "2024-03-15 10:15:30";
        QTest::newRow("T-SQL text functions")
            << QStringList{"SELECT LEN('ab  '), CHARINDEX('b', 'ABC'), SUBSTRING('0001000000015', 13, 1), LEFT('abc', 2), "
                           "UPPER(N'ñandú'), STR(12.5, 6, 1), CONVERT(NVARCHAR, FechaRecepcion, 103), 'x' + Descripcion "
                           "FROM c_mv_cpte, MA_CUENTAS WHERE IDCOMPROBANTE LIKE '%16' AND Descripcion LIKE 'CA[J]_'"}
            << "" << QString::fromUtf8("2,2,5,ab,ÑANDÚ,  12.5,02/01/2024,xCaja");
    }
    void realStatements()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        QString result;
        for (const QString& s : statements) {
            const QString before = s;
            ado::Recordset rs = c_->Execute(s);
            QCOMPARE(s, before);   // the caller's text is never rewritten
            QCOMPARE(c_->Errors().Count(), 0);
            if (rs.State() == ado::adStateOpen) result = joinRow(rs);
        }
        if (!check.isEmpty()) result = query(check);
        QCOMPARE(result, expected);
    }

    void functions_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LEN ignores trailing blanks only") << "LEN('  ab  ')" << "4";
        QTest::newRow("LEN of NULL") << "LEN(NULL)" << "NULL";
        QTest::newRow("SUBSTRING from 0") << "SUBSTRING('abc', 0, 2)" << "a";
        QTest::newRow("SUBSTRING past the end") << "SUBSTRING('abc', 3, 10)" << "c";
        QTest::newRow("SUBSTRING negative start") << "SUBSTRING('abcdef', -1, 4)" << "ab";
        QTest::newRow("LEFT and RIGHT") << "LEFT('abcdef', 2) + RIGHT('abcdef', 2)" << "abef";
        QTest::newRow("CHARINDEX with start, case ignored") << "CHARINDEX('A', 'banana', 3)" << "4";
        QTest::newRow("CHARINDEX not found") << "CHARINDEX('x', 'banana')" << "0";
        QTest::newRow("STR default length") << "STR(123)" << "       123";
        QTest::newRow("STR rounds") << "STR(2.567, 6, 2)" << "  2.57";
        QTest::newRow("STR does not fit") << "STR(123456, 3)" << "***";
        QTest::newRow("CONVERT date to dd/mm/yyyy") << "CONVERT(varchar(10), '2024-03-05 10:20:30', 103)" << "05/03/2024";
        QTest::newRow("CONVERT date to hh:mm:ss") << "CONVERT(varchar, '2024-03-05 10:20:30', 108)" << "10:20:30";
        QTest::newRow("CONVERT text to int") << "CONVERT(INT, ' 42 ')" << "42";
        QTest::newRow("CONVERT text to date") << "CONVERT(datetime, '5/3/24', 103)" << "2024-03-05 00:00:00";
        QTest::newRow("UPPER across Unicode") << "UPPER('canción')" << QString::fromUtf8("CANCIÓN");
        QTest::newRow("LIKE ignores case across Unicode") << "CASE WHEN 'Canción' LIKE '%CIÓN' THEN 1 ELSE 0 END" << "1";
        QTest::newRow("LIKE set and negated set") << "CASE WHEN 'A1' LIKE '[A-C][^2]' THEN 1 ELSE 0 END" << "1";
        QTest::newRow("LIKE underscore needs a character") << "CASE WHEN 'AB' LIKE 'AB_' THEN 1 ELSE 0 END" << "0";
        QTest::newRow("LIKE with escape") << "CASE WHEN '50%' LIKE '50!%' ESCAPE '!' THEN 1 ELSE 0 END" << "1";
        QTest::newRow("concatenation with NULL is NULL") << "'a' + NULL" << "NULL";
        QTest::newRow("a day after the server date") << "GETDATE() + 1" << "2024-03-16 10:15:30";
        QTest::newRow("a day and a half before it") << "GETDATE() - 1.5" << "2024-03-13 22:15:30";
        QTest::newRow("days first") << "30 + GETDATE()" << "2024-04-14 10:15:30";
        QTest::newRow("text next to a number is a number") << "'5' + 1" << "6";
        QTest::newRow("blanks around it do not count") << "' 2.5 ' + 1" << "3.5";
        QTest::newRow("blank text is 0") << "1 + ''" << "1";
    }
    void functions()
    {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        QCOMPARE(query(QStringLiteral("SELECT ") + expression), expected);
    }

    void functionFailures_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("native");
        QTest::newRow("CONVERT of an unreadable date") << "CONVERT(datetime, '31/02/2024', 103)" << 241;
        QTest::newRow("CONVERT of text to int") << "CONVERT(INT, 'abc')" << 245;
        QTest::newRow("SUBSTRING with a negative length") << "SUBSTRING('abc', 1, -1)" << 537;
        QTest::newRow("text that is no number added to one") << "'abc' + 1" << 245;
        QTest::newRow("a date plus text") << "GETDATE() + 'x'" << 402;
        QTest::newRow("a date minus a date") << "GETDATE() - GETDATE()" << 402;
        QTest::newRow("days minus a date") << "1 - GETDATE()" << 402;
    }
    void functionFailures()
    {
        QFETCH(QString, expression);
        QFETCH(int, native);
        const int number = raised([&] { c_->Execute(QStringLiteral("SELECT ") + expression); });
        QCOMPARE(c_->Errors().Count(), 1);
        QCOMPARE(number, c_->Errors().Item(0).Number);
        QCOMPARE(c_->Errors().Item(0).NativeError, native);
    }

    void collation_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CLAVE = 'TCMutuales' finds TCMUTUALES") << "SELECT CLAVE FROM TA_CONFIGURACION WHERE CLAVE = 'TCMutuales'" << "TCMUTUALES";
        QTest::newRow("TC = 'RM' finds 'RM  '") << "SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC = 'RM'" << "1";
        QTest::newRow("trimmed column keeps the collation") << "SELECT Codigo FROM MA_CUENTAS WHERE LTRIM(RTRIM(Codigo)) = 'ABC'" << "abc";
        QTest::newRow("ordering ignores case") << "SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo" << "abc|B";
        QTest::newRow("unique key ignores case and trailing blanks") << "SELECT COUNT(*) FROM MA_CUENTAS WHERE Codigo IN ('ABC ', 'b')" << "2";
    }
    void collation()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        c_->Execute(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, [NUMERO ASIENTO], Secuencia) VALUES ('RM  ', 1, 1)"));
        c_->Execute(QStringLiteral("INSERT INTO MA_CUENTAS VALUES ('B', 'Bancos')"));
        QCOMPARE(query(sql), expected);
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("INSERT INTO MA_CUENTAS VALUES ('ABC  ', 'otra')")); }), int(ado::hrIntegrityViolation));
        QCOMPARE(c_->Errors().Item(0).NativeError, 2627);
    }

    void dates()
    {
        c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, FECHARECEPCION) VALUES ('1', 'A', '15/3/24')"));
        c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, FECHARECEPCION) VALUES ('1', 'B', '31/03/2024 18:00')"));
        c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, FECHARECEPCION) VALUES ('1', 'C', '01/04/2024')"));
        QCOMPARE(query(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE FECHARECEPCION='15/03/2024'")), QStringLiteral("A"));
        QCOMPARE(query(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE FECHARECEPCION BETWEEN '01/03/2024' AND '31/03/2024 23:59:59' ORDER BY 1")),
                 QStringLiteral("A|B"));
        QCOMPARE(query(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE FECHARECEPCION >= '1/3/24' AND FECHARECEPCION < '1/4/24' ORDER BY 1")),
                 QStringLiteral("A|B"));
        ado::Recordset rs = c_->Execute(QStringLiteral("SELECT FECHARECEPCION, MAX(FECHARECEPCION) AS ULTIMA FROM V_MV_MUTUALES WHERE IDMUTUAL = 'B'"));
        QCOMPARE(rs.Fields(0).Value().type(), vb::VarType::Date);
        QCOMPARE(rs.Fields(0).Value().toDate(), vb::MakeDate(QDate(2024, 3, 31), QTime(18, 0)));
        QCOMPARE(rs.Fields(0).Type(), int(ado::adDBTimeStamp));
        QCOMPARE(rs.Fields(1).Value().type(), vb::VarType::Date);
        // an unreadable date meeting a DATETIME column fails like SQL Server, nothing stored
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, FECHARECEPCION) VALUES ('1', 'D', '31/02/2024')")); }),
                 int(ado::hrCantConvert));
        QCOMPARE(c_->Errors().Item(0).NativeError, 241);
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'D'")), QStringLiteral("1").left(0) + "0");
        // a date variant and a date text stored through a recordset
        ado::Recordset add;
        add.Open(QStringLiteral("SELECT * FROM V_MV_MUTUALES WHERE 1=0"), *c_, ado::adOpenDynamic, ado::adLockOptimistic);
        add.AddNew();
        add(QStringLiteral("IDMUTUAL")) = vb::Variant("E");
        add(QStringLiteral("FECHACOMPROBANTE")) = vb::Variant(QDate(2024, 3, 20));
        add(QStringLiteral("FECHARECEPCION")) = vb::Variant("20/3/24");
        add.Update();
        QVERIFY(!add(QStringLiteral("ID")).Value().isNull());
        QCOMPARE(query(QStringLiteral("SELECT FECHACOMPROBANTE, FECHARECEPCION FROM V_MV_MUTUALES WHERE IDMUTUAL = 'E'")),
                 QStringLiteral("2024-03-20 00:00:00,2024-03-20 00:00:00"));
    }

    void dateLiteralBetweenDateColumns_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside") << "16/03/2024" << "1";
        QTest::newRow("first day") << "15/3/24" << "1";
        QTest::newRow("after") << "21/03/2024" << "0";
        QTest::newRow("before, later in the text order") << "14/04/2023" << "0";
    }
    // The period of a date: the literal is read as a date, never compared as text.
    void dateLiteralBetweenDateColumns()
    {
        QFETCH(QString, fecha);
        QFETCH(QString, expected);
        c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, FECHACOMPROBANTE, FECHARECEPCION) "
                                   "VALUES ('1', 'P', '15/03/2024', '20/03/2024')"));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES with(nolock) WHERE '") + fecha
                       + QStringLiteral("' BETWEEN FECHACOMPROBANTE AND FECHARECEPCION")),
                 expected);
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE FECHARECEPCION - 5 <= '") + fecha
                       + QStringLiteral("' AND FECHACOMPROBANTE + 5 >= '") + fecha + QStringLiteral("'")),
                 expected);
    }

    // SAVE TRANSACTION and ROLLBACK TRANSACTION to it undo only what followed it.
    void savepoints()
    {
        c_->Execute(QStringLiteral("BEGIN TRANSACTION\r\nINSERT INTO MA_CUENTAS VALUES ('X1', 'fila')\r\nSAVE TRANSACTION Asiento\r\n"
                                   "INSERT INTO MA_CUENTAS VALUES ('X2', 'asiento')"));
        c_->Execute(QStringLiteral("ROLLBACK TRANSACTION Asiento"));
        c_->Execute(QStringLiteral("INSERT INTO MA_CUENTAS VALUES ('X3', 'registro')"));
        // a name that is no savepoint is refused and changes nothing
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("ROLLBACK TRANSACTION Otro")); }), int(ado::hrErrorsInCommand));
        QCOMPARE(c_->Errors().Item(0).NativeError, 6401);
        c_->Execute(QStringLiteral("COMMIT TRANSACTION"));
        QCOMPARE(query(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Codigo LIKE 'X%' ORDER BY Codigo")), QStringLiteral("X1|X3"));
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("SAVE TRANSACTION Asiento")); }), int(ado::hrErrorsInCommand));
        QCOMPARE(c_->Errors().Item(0).NativeError, 628);
        // the transaction's own name ends all of it
        c_->Execute(QStringLiteral("BEGIN TRAN Grabacion INSERT INTO MA_CUENTAS VALUES ('X4', 'a') SAVE TRAN Asiento"));
        c_->Execute(QStringLiteral("ROLLBACK TRAN Grabacion"));
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("COMMIT TRANSACTION")); }), int(ado::hrErrorsInCommand));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE Codigo = 'X4'")), QStringLiteral("0"));
    }

    // SCOPE_IDENTITY() is the ID this connection's last insert gave, whatever another
    // workstation inserted after it.
    void scopeIdentity()
    {
        ado::Connection other;
        other.Open(QStringLiteral("Provider=SQLOLEDB;Data Source=sqlite;Initial Catalog=demo"));
        QVERIFY(other.Execute(QStringLiteral("SELECT SCOPE_IDENTITY() AS ID")).Fields(0).Value().isNull());
        ado::Recordset rs = c_->Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL) VALUES ('1', 'S1')\r\n"
                                                       "SELECT SCOPE_IDENTITY() AS ID"));
        const int mine = rs.Fields(QStringLiteral("ID")).Value().toLong();
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT ID FROM V_MV_MUTUALES WHERE IDMUTUAL = 'S1'")), mine);
        other.Execute(QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL) VALUES ('1', 'S2')"));
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT SCOPE_IDENTITY()")), mine);
        QCOMPARE(scalar(other, QStringLiteral("SELECT SCOPE_IDENTITY()")), mine + 1);
    }

    void transactions()
    {
        // a failed batch inside BEGIN TRANSACTION stops there and leaves the transaction open
        const QString batch = QStringLiteral("BEGIN TRANSACTION \r\rINSERT INTO MA_CUENTAS VALUES ('X1', 'a')\r"
                                             "INSERT INTO MA_CUENTAS VALUES ('abc', 'dup')\rINSERT INTO MA_CUENTAS VALUES ('X2', 'b')\r");
        QCOMPARE(raised([&] { c_->Execute(batch); }), int(ado::hrIntegrityViolation));
        QCOMPARE(c_->Errors().Item(0).NativeError, 2627);
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE Codigo LIKE 'X%'")), QStringLiteral("1"));
        c_->Execute(QStringLiteral("ROLLBACK TRANSACTION"));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE Codigo LIKE 'X%'")), QStringLiteral("0"));
        // nesting is counted: only the outermost commit ends the transaction
        QCOMPARE(c_->BeginTrans(), 1);
        c_->Execute(QStringLiteral("BEGIN TRAN INSERT INTO MA_CUENTAS VALUES ('X3', 'c') COMMIT TRAN"));
        c_->RollbackTrans();
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE Codigo = 'X3'")), QStringLiteral("0"));
        QCOMPARE(raised([&] { c_->Execute(QStringLiteral("COMMIT TRANSACTION")); }), int(ado::hrErrorsInCommand));
        QCOMPARE(c_->Errors().Item(0).NativeError, 3902);
        QCOMPARE(raised([&] { c_->RollbackTrans(); }), int(ado::hrErrorsInCommand));
    }

    void nativeErrors_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("native");
        QTest::newRow("missing table") << "SELECT * FROM NO_EXISTE with(nolock)" << 208;
        QTest::newRow("missing column") << "SELECT NO_EXISTE FROM MA_CUENTAS" << 207;
        QTest::newRow("syntax") << "SELEC * FROM MA_CUENTAS" << 102;
        QTest::newRow("not null") << "INSERT INTO T (NOMBRE) VALUES ('x')" << 515;
        QTest::newRow("duplicate primary key") << "INSERT INTO MA_CUENTAS VALUES ('ABC', 'x')" << 2627;
        QTest::newRow("foreign key") << "INSERT INTO H (T_ID, N) VALUES (99, 1)" << 547;
        QTest::newRow("check") << "INSERT INTO H (T_ID, N) VALUES (1, -1)" << 547;
        QTest::newRow("unknown function") << "SELECT NOEXISTE(1)" << 195;
        QTest::newRow("unclosed quotation mark") << "SELECT * FROM MA_CUENTAS WHERE Codigo = 'abc" << 105;
        QTest::newRow("ambiguous column") << "SELECT Descripcion FROM MA_CUENTAS, V_TA_FAMILIAS" << 209;
        QTest::newRow("object already there") << "CREATE TABLE MA_CUENTAS (X INT)" << 2714;
        QTest::newRow("values do not match the columns") << "INSERT INTO MA_CUENTAS VALUES ('x')" << 213;
    }
    void nativeErrors()
    {
        QFETCH(QString, sql);
        QFETCH(int, native);
        QVERIFY(raised([&] { c_->Execute(sql); }) != 0);
        QCOMPARE(c_->Errors().Count(), 1);
        QCOMPARE(c_->Errors().Item(0).NativeError, native);
    }

    void pendingEdits()
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM T ORDER BY ID"), *c_, ado::adOpenDynamic, ado::adLockOptimistic);
        rs.MoveNext();
        rs.AddNew();
        rs(QStringLiteral("CODIGO")) = vb::Variant("N1");
        rs.CancelUpdate();
        QCOMPARE(rs.RecordCount(), 3);
        QCOMPARE(rs(QStringLiteral("CODIGO")).Value().toString(), QStringLiteral("B2"));
        // a pending change cannot be closed away; moving stores it
        rs(QStringLiteral("NOMBRE")) = vb::Variant("movido");
        QCOMPARE(raised([&] { rs.Close(); }), 3219);
        rs.MoveNext();
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT COUNT(*) FROM T WHERE ID = 2 AND NOMBRE = 'movido'")), 1);
        // a failed update keeps the change pending and the error in the list
        rs.MoveFirst();
        rs(QStringLiteral("CODIGO")) = vb::Variant("C3");
        QCOMPARE(raised([&] { rs.Update(); }), int(ado::hrIntegrityViolation));
        QCOMPARE(c_->Errors().Item(0).NativeError, 2627);
        rs.CancelUpdate();
        rs.Close();
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT COUNT(*) FROM T WHERE CODIGO = 'A1'")), 1);
    }

    void firstResultOfABatch()
    {
        long affected = 0;
        ado::Recordset rs = c_->Execute(QStringLiteral("SET NOCOUNT ON\r\nUPDATE T SET NOMBRE = 'n' WHERE ID = 1\r\nSELECT NOMBRE FROM T WHERE ID = 1"), &affected);
        QCOMPARE(affected, 1L);
        QCOMPARE(rs.Fields(0).Value().toString(), QStringLiteral("n"));
    }

    void tableNameAsSource()
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("TA_CONFIGURACION"), *c_, ado::adOpenDynamic, ado::adLockOptimistic);
        QCOMPARE(rs.RecordCount(), 1);
        rs(QStringLiteral("VALOR")) = vb::Variant("OTRO");
        rs.Update();
        rs.Close();
        rs.Open(QStringLiteral("dbo.[TA_CONFIGURACION]"), *c_);
        QCOMPARE(rs(QStringLiteral("valor")).Value().toString(), QStringLiteral("OTRO"));
    }

    // A source that only names a table, however it is quoted, spaced or commented, reads
    // the whole table; anything else is run as the statement it is.
    void sourcesThatNameATable_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("read");
        QTest::newRow("a name") << "TA_CONFIGURACION" << "TCMUTUALES";
        QTest::newRow("owner and brackets") << "dbo.[TA_CONFIGURACION]" << "TCMUTUALES";
        QTest::newRow("blanks around") << "  dbo.TA_CONFIGURACION\r\n" << "TCMUTUALES";
        QTest::newRow("double quotes") << "\"TA_CONFIGURACION\"" << "TCMUTUALES";
        QTest::newRow("a comment after") << "TA_CONFIGURACION -- la tabla" << "TCMUTUALES";
        QTest::newRow("a comment before") << "/* t */ TA_CONFIGURACION" << "TCMUTUALES";
        QTest::newRow("a statement") << "SELECT CLAVE FROM TA_CONFIGURACION" << "TCMUTUALES";
        QTest::newRow("a statement of name characters") << "SELECT 7" << "7";
        QTest::newRow("a statement with a bracketed name") << "SELECT [CLAVE] FROM TA_CONFIGURACION" << "TCMUTUALES";
        QTest::newRow("a statement after a comment") << "-- x\r\nSELECT 'A-B' AS C" << "A-B";
    }
    void sourcesThatNameATable()
    {
        QFETCH(QString, source);
        QFETCH(QString, read);
        ado::Recordset rs;
        rs.Open(source, *c_);
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields(0).Value().toString(), read);
    }

    void typesAndSizes()
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT ID, CUENTA, IMPORTE, FECHARECEPCION, UNEGOCIO, 1.5 AS X FROM V_MV_MUTUALES"), *c_);
        QCOMPARE(rs.Fields(0).Type(), int(ado::adInteger));
        QCOMPARE(rs.Fields(1).Type(), int(ado::adVarChar));
        QCOMPARE(rs.Fields(1).DefinedSize(), 20);
        QCOMPARE(rs.Fields(2).Type(), int(ado::adNumeric));
        QCOMPARE(rs.Fields(3).Type(), int(ado::adDBTimeStamp));
        QCOMPARE(rs.Fields(4).Type(), int(ado::adChar));
        QCOMPARE(rs.Fields(4).DefinedSize(), 4);
    }

    void schemaRowsets()
    {
        ado::Recordset t = c_->OpenSchema(ado::adSchemaTables);
        bool found = false;
        for (; !t.EOF(); t.MoveNext())
            found = found || t(QStringLiteral("TABLE_NAME")).Value().toString() == QLatin1String("TA_CONFIGURACION");
        QVERIFY(found);
        ado::Recordset cols = c_->OpenSchema(ado::adSchemaColumns, {QString(), QString(), QStringLiteral("MA_CUENTAS"), QString()});
        QCOMPARE(cols.RecordCount(), 2);
        QCOMPARE(cols(QStringLiteral("COLUMN_NAME")).Value().toString(), QStringLiteral("Codigo"));
    }

    void emptyRecordset() { adochecks::emptyRecordset(*c_); }
    void moves() { adochecks::moves(*c_); }
    void fieldLookup() { adochecks::fieldLookup(*c_); }
    void closedAndOpen() { adochecks::closedAndOpen(*c_); }
    void addNewAndUpdate() { adochecks::addNewAndUpdate(*c_, QStringLiteral("select  top 1 * from T  with(nolock) ")); }
    void uniqueViolation() { adochecks::uniqueViolation(*c_, 2627); }
    void missingTable() { adochecks::missingTable(*c_, 208); }
    void executeReturnsRows() { adochecks::executeReturnsRows(*c_); }
    void closedConnection() { adochecks::closedConnection(); }

    void secondWorkstation()
    {
        // another connection on the same file reads while this one writes, and a writer
        // waits for the lock for its command time-out before it reports native 1222
        c_->Execute(QStringLiteral("BEGIN TRANSACTION INSERT INTO T (CODIGO) VALUES ('W1')"));
        ado::Connection other;
        other.Open(QStringLiteral("Provider=SQLOLEDB;Data Source=sqlite;Initial Catalog=demo"));
        QCOMPARE(scalar(other, QStringLiteral("SELECT COUNT(*) FROM T")), 3);
        other.SetCommandTimeout(1);
        QCOMPARE(raised([&] { other.Execute(QStringLiteral("INSERT INTO T (CODIGO) VALUES ('W2')")); }), int(ado::hrTimeout));
        QCOMPARE(other.Errors().Item(0).NativeError, 1222);
        c_->Execute(QStringLiteral("COMMIT TRANSACTION"));
        other.Execute(QStringLiteral("INSERT INTO T (CODIGO) VALUES ('W2')"));
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT COUNT(*) FROM T")), 5);
    }

    void missingDatabase()
    {
        ado::Connection c;
        QCOMPARE(raised([&] { c.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=SQLITE;Database =NOEXISTE;UId=a;Pwd=;")); }),
                 int(ado::hrUnspecified));
        QCOMPARE(c.Errors().Item(0).NativeError, 4060);
        QCOMPARE(c.State(), int(ado::adStateClosed));
        QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("NOEXISTE"))));
        QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("NOEXISTE.sqlite"))));
    }

    void reopenAndTimeout()
    {
        QCOMPARE(raised([&] { c_->Open(); }), 3705);
        c_->SetCommandTimeout(5);
        c_->Close();
        QCOMPARE(c_->CommandTimeout(), 5);
        c_->Open();   // on its own connection string
        QCOMPARE(c_->State(), int(ado::adStateOpen));
        QCOMPARE(scalar(*c_, QStringLiteral("SELECT COUNT(*) FROM T")), 3);
    }
};

QTEST_GUILESS_MAIN(TestSqliteProvider)
#include "tst_sqliteprovider.moc"
