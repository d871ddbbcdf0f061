// Field values through the utility object: never Null, and a Null reads by the field's
// type, on a real recordset of the embedded database.
#include "platform/zeltrix/Utilidades.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

Q_DECLARE_METATYPE(vb::VarType)

class tst_zeltrix_fieldvalue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void nullReadsByFieldType_data();
    void nullReadsByFieldType();
    void valuesComeBackUnchanged_data();
    void valuesComeBackUnchanged();
    void emptyRecordsetRaisesAsTheFieldDoes();

private:
    zeltrix::Utilidades util;
    testsupport::TempProgramFolder* folder = nullptr;
    ado::Connection* cnn = nullptr;
};

void tst_zeltrix_fieldvalue::initTestCase()
{
    folder = new testsupport::TempProgramFolder;
    folder->write("campos.sqlite", QByteArray());   // the provider opens existing files only
    cnn = new ado::Connection;
    cnn->Open("Provider=SQLOLEDB;Server=SQLITE;Database=campos.sqlite");
    cnn->Execute("CREATE TABLE CAMPOS (ID INTEGER PRIMARY KEY, CANTIDAD INTEGER, IMPORTE NUMERIC(19,4),"
                 " COEFICIENTE FLOAT, FACTURA VARCHAR(20) COLLATE NOCASE, TC CHAR(4) COLLATE NOCASE,"
                 " FECHA DATETIME, OBSERVACIONES TEXT);\n"
                 "INSERT INTO CAMPOS (ID) VALUES (1);\n"
                 "INSERT INTO CAMPOS VALUES (2, 7, 1234.5, 0.25, 'F001', 'RM  ', '15/03/2024', 'nota');");
}

void tst_zeltrix_fieldvalue::cleanupTestCase()
{
    delete cnn;
    delete folder;
}

void tst_zeltrix_fieldvalue::nullReadsByFieldType_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<vb::VarType>("type");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << "CANTIDAD" << vb::VarType::Long << "0";
    QTest::newRow("amount") << "IMPORTE" << vb::VarType::Currency << "0";
    QTest::newRow("float") << "COEFICIENTE" << vb::VarType::Double << "0";
    QTest::newRow("text") << "FACTURA" << vb::VarType::String << "";
    QTest::newRow("fixed text") << "TC" << vb::VarType::String << "";
    QTest::newRow("date") << "FECHA" << vb::VarType::String << "";
    QTest::newRow("long text") << "OBSERVACIONES" << vb::VarType::String << "";
}

void tst_zeltrix_fieldvalue::nullReadsByFieldType()
{
    QFETCH(QString, field);
    QFETCH(vb::VarType, type);
    QFETCH(QString, text);
    ado::Recordset rs;
    rs.Open("SELECT * FROM CAMPOS WHERE ID = 1", *cnn);
    QVERIFY(rs.Fields(field).Value().isNull());
    const vb::Variant value = util.ValorCampo(rs.Fields(field));
    QCOMPARE(value.type(), type);
    QCOMPARE(value.toString(), text);
}

void tst_zeltrix_fieldvalue::valuesComeBackUnchanged_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << "CANTIDAD" << "7";
    QTest::newRow("amount") << "IMPORTE" << "1234.5";
    QTest::newRow("float") << "COEFICIENTE" << "0.25";
    QTest::newRow("text") << "FACTURA" << "F001";
    QTest::newRow("fixed text keeps its blanks") << "TC" << "RM  ";
    QTest::newRow("long text") << "OBSERVACIONES" << "nota";
}

void tst_zeltrix_fieldvalue::valuesComeBackUnchanged()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    testsupport::RegionalPin pin(QLatin1Char('.'), QLatin1Char(','));
    ado::Recordset rs;
    rs.Open("SELECT * FROM CAMPOS WHERE ID = 2", *cnn);
    const vb::Variant raw = rs.Fields(field).Value();
    const vb::Variant value = util.ValorCampo(rs.Fields(field));
    QCOMPARE(value.type(), raw.type());
    QCOMPARE(value.toString(), text);

    const vb::Variant date = util.ValorCampo(rs.Fields("FECHA"));
    QCOMPARE(date.type(), vb::VarType::Date);
    QCOMPARE(date.toDate().date(), QDate(2024, 3, 15));
}

void tst_zeltrix_fieldvalue::emptyRecordsetRaisesAsTheFieldDoes()
{
    ado::Recordset rs;
    rs.Open("SELECT * FROM CAMPOS WHERE ID = 99", *cnn);
    try {
        util.ValorCampo(rs.Fields("IMPORTE"));
        QFAIL("no error raised");
    } catch (const vb::VbError& e) {
        QCOMPARE(e.Number, 3021);
    }
}

TESTSUPPORT_MAIN(tst_zeltrix_fieldvalue)
#include "tst_zeltrix_fieldvalue.moc"
