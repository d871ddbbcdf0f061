// The INI reader: the workstation file as Windows reads it, case ignored everywhere.
#include "platform/zeltrix/ArchivoIni.h"
#include "platform/vb/TextFile.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

class tst_zeltrix_ini : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void lineFeedsOnly();
    void missingFile();
    void fileNameInAnyCase();
    void pathOutsideTheProgramFolder();

private:
    zeltrix::ArchivoIni ini;
};

namespace {

// Windows-1252, CR LF, with what hand-edited workstation files hold.
QByteArray workstationFile()
{
    const QStringList lines = {
        "; workstation settings",
        "[PC01|JUAN]",
        "FlatToolbars = 0 ",
        "[pc01|juanBaseDeDatos]",
        "Servidor=SRV1\\INST:1500",
        "  DbName =  Ventas  ",
        ";DbName=Comentada",
        "Usuario=Z1234",
        "UserPassWord=",
        "Descripción=Depósito Ñandú",
        "Clave=a=b",
        "DbName=Segunda",
        "sin igual",
        "[JUANStyles]",
        "Styles=4",
        "[ Espacios ]",
        "Clave = dentro",
        "[Vacia]",
    };
    return vb::ToCp1252(lines.join("\r\n") + "\r\n");
}

} // namespace

void tst_zeltrix_ini::read_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("value trimmed") << "PC01|JUAN" << "FlatToolbars" << "0";
    QTest::newRow("section in other case") << "PC01|JUANBASEDEDATOS" << "DbName" << "Ventas";
    QTest::newRow("key in other case") << "pc01|juanbasededatos" << "SERVIDOR" << "SRV1\\INST:1500";
    QTest::newRow("comment line skipped") << "PC01|JUANBaseDeDatos" << "dbname" << "Ventas";
    QTest::newRow("empty value is a value") << "PC01|JUANBaseDeDatos" << "UserPassWord" << "";
    QTest::newRow("Windows-1252 text") << "PC01|JUANBaseDeDatos" << "Descripción" << "Depósito Ñandú";
    QTest::newRow("key in other case, accents") << "PC01|JUANBaseDeDatos" << "DESCRIPCIÓN" << "Depósito Ñandú";
    QTest::newRow("equals inside the value") << "PC01|JUANBaseDeDatos" << "Clave" << "a=b";
    QTest::newRow("key of another section") << "PC01|JUAN" << "DbName" << "(default)";
    QTest::newRow("missing key") << "JUANStyles" << "FlatToolbars" << "(default)";
    QTest::newRow("missing section") << "OTRO|USUARIOStyles" << "Styles" << "(default)";
    QTest::newRow("section blanks ignored") << "Espacios" << "clave" << "dentro";
    QTest::newRow("empty section") << "Vacia" << "Clave" << "(default)";
    QTest::newRow("line without equals is no key") << "PC01|JUANBaseDeDatos" << "sin igual" << "(default)";
    QTest::newRow("last section") << "juanstyles" << "styles" << "4";
}

void tst_zeltrix_ini::read()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    testsupport::TempProgramFolder folder;
    folder.write("TZ417qv.INI", workstationFile());
    QCOMPARE(ini.LeeIni("TZ417qv.INI", section, key, "(default)"), expected);
}

void tst_zeltrix_ini::lineFeedsOnly()
{
    testsupport::TempProgramFolder folder;
    folder.write("TZ417qv.INI", "[A]\nk=v1\n[B]\nk=v2");
    QCOMPARE(ini.LeeIni("TZ417qv.INI", "b", "K", "x"), QString("v2"));
    QCOMPARE(ini.LeeIni("TZ417qv.INI", "a", "K", "x"), QString("v1"));
}

void tst_zeltrix_ini::missingFile()
{
    testsupport::TempProgramFolder folder;
    QCOMPARE(ini.LeeIni("TZ417qv.INI", "PC01|JUAN", "FlatToolbars", "1"), QString("1"));
    QCOMPARE(ini.LeeIni("", "PC01|JUAN", "FlatToolbars", "1"), QString("1"));
    QCOMPARE(ini.LeeIni("TZ417qv.INI", "PC01|JUAN", "FlatToolbars"), QString());
}

// The program reads the same file as "TZ417qv.INI" and as "tz417qv.ini".
void tst_zeltrix_ini::fileNameInAnyCase()
{
    testsupport::TempProgramFolder folder;
    folder.write("tz417QV.ini", workstationFile());
    QCOMPARE(ini.LeeIni("TZ417qv.INI", "JUANStyles", "Styles", "1"), QString("4"));
    QCOMPARE(ini.LeeIni("tz417qv.ini", "JUANStyles", "Styles", "1"), QString("4"));
}

void tst_zeltrix_ini::pathOutsideTheProgramFolder()
{
    testsupport::TempProgramFolder program;
    QTemporaryDir elsewhere;
    QFile file(elsewhere.filePath("Otro.Ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[S]\r\nK=fuera\r\n");
    file.close();
    QCOMPARE(ini.LeeIni(elsewhere.filePath("OTRO.INI"), "s", "k", "x"), QString("fuera"));
}

TESTSUPPORT_MAIN(tst_zeltrix_ini)
#include "tst_zeltrix_ini.moc"
