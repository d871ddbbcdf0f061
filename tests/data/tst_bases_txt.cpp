// BASES.TXT: reading its five fields and appending a record.
#include "data/BasesTxt.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QTest>

class TestBasesTxt : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("first");   // database, user, password, server of the first record
        QTest::newRow("CR LF") << QByteArray("VENTAS / SRV1,Ventas,Ventas,X1,SRV1:1500\r\nSTOCK / SRV2,Stock,Stock,X2,SRV2\r\n")
                               << QStringList{"VENTAS / SRV1", "STOCK / SRV2"} << QStringList{"Ventas", "Ventas", "X1", "SRV1:1500"};
        QTest::newRow("LF, no end of line") << QByteArray("VENTAS / SRV1,Ventas,Ventas,X1,SRV1\nSTOCK / SRV2,Stock,Stock,X2,SRV2")
                                            << QStringList{"VENTAS / SRV1", "STOCK / SRV2"} << QStringList{"Ventas", "Ventas", "X1", "SRV1"};
        QTest::newRow("Windows-1252") << QByteArray("CA\xd1UELAS / SRV,Ca\xf1uelas,Ca\xf1uelas,X,SRV\r\n")
                                      << QStringList{QStringLiteral("CAÑUELAS / SRV")}
                                      << QStringList{QStringLiteral("Cañuelas"), QStringLiteral("Cañuelas"), "X", "SRV"};
        QTest::newRow("short and blank lines are no records")
            << QByteArray("SOLO,TRES,CAMPOS\r\n\r\nVENTAS / SRV1,Ventas,Ventas,X1,SRV1\r\nA,B,C,D\r\n")
            << QStringList{"VENTAS / SRV1"} << QStringList{"Ventas", "Ventas", "X1", "SRV1"};
        QTest::newRow("blanks around fields, a sixth field")
            << QByteArray(" VENTAS / SRV1 , Ventas ,Ventas, X1 ,SRV1#,sobra\r\n")
            << QStringList{"VENTAS / SRV1"} << QStringList{"Ventas", "Ventas", "X1", "SRV1#"};
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, first);
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("bases.txt"), file);   // any case of the name
        QList<data::RegistroBase> records;
        QVERIFY(data::LeeBasesTxt(records));
        QStringList read;
        for (const auto& r : records)
            read << r.Clave;
        QCOMPARE(read, keys);
        QCOMPARE((QStringList{records[0].DbName, records[0].Usuario, records[0].Password, records[0].Servidor}), first);
    }

    void missingFileIsAnEmptyList()
    {
        testsupport::TempProgramFolder folder;
        QList<data::RegistroBase> records{{"x", "x", "x", "x", "x"}};
        QVERIFY(data::LeeBasesTxt(records));
        QVERIFY(records.isEmpty());
    }

    void appending()
    {
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), "VIEJA / SRV,Vieja,Vieja,X,SRV\r\n");
        RegistraBaseEnArchivo(QStringLiteral(" VENTAS / SRV1 "), QStringLiteral("Ventas "), QStringLiteral("Ventas"),
                              QStringLiteral("Ventas"), QStringLiteral(" SRV1:1500"), false);
        RegistraBaseEnArchivo(QStringLiteral("CAÑUELAS / ORA"), QStringLiteral("Cañuelas"), QStringLiteral("Cañuelas"),
                              QStringLiteral("Cañuelas"), QStringLiteral("ORA"), true);
        const QByteArray coded = Utilidades->CodificaClave(QStringLiteral("Ventas")).toLatin1();
        QVERIFY(!coded.isEmpty() && coded != "Ventas");
        const QByteArray coded2 = Utilidades->CodificaClave(QStringLiteral("Cañuelas")).toLatin1();
        QCOMPARE(folder.read(QStringLiteral("BASES.TXT")),
                 "VIEJA / SRV,Vieja,Vieja,X,SRV\r\nVENTAS / SRV1,Ventas,Ventas," + coded + ",SRV1:1500\r\n"
                 "CA\xd1UELAS / ORA,Ca\xf1uelas,Ca\xf1uelas," + coded2 + ",ORA#\r\n");
        // What was written reads back, the password decoded to what was given.
        QList<data::RegistroBase> records;
        QVERIFY(data::LeeBasesTxt(records));
        QCOMPARE(records.size(), 3);
        QCOMPARE(Utilidades->DecodificaClave(records[2].Password), QStringLiteral("Cañuelas"));
    }

    // A record written after an entry whose line was never ended stays a record of its own.
    void appendingAfterAnUnendedLine()
    {
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), "VIEJA / SRV,Vieja,Vieja,X,SRV");
        RegistraBaseEnArchivo(QStringLiteral("VENTAS / SRV1"), QStringLiteral("Ventas"), QStringLiteral("Ventas"),
                              QStringLiteral("Ventas"), QStringLiteral("SRV1"), false);
        QList<data::RegistroBase> records;
        QVERIFY(data::LeeBasesTxt(records));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].Servidor, QStringLiteral("SRV"));
        QCOMPARE(records[1].Clave, QStringLiteral("VENTAS / SRV1"));
        QVERIFY(folder.read(QStringLiteral("BASES.TXT")).startsWith("VIEJA / SRV,Vieja,Vieja,X,SRV\r\nVENTAS / SRV1,Ventas,"));
    }

    void aCommaIsRefusedBeforeWriting_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("why");
        QTest::newRow("database") << "Ven,tas" << "SRV1" << "una coma";
        QTest::newRow("server") << "Ventas" << "SRV1,1433" << "una coma";
        QTest::newRow("line break") << "Ven\ntas" << "SRV1" << "un salto de línea";
        QTest::newRow("carriage return in the server") << "Ventas" << "SRV1\r" << "un salto de línea";
    }
    void aCommaIsRefusedBeforeWriting()
    {
        QFETCH(QString, db);
        QFETCH(QString, server);
        QFETCH(QString, why);
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT"), "VIEJA / SRV,Vieja,Vieja,X,SRV\r\n");
        try {
            RegistraBaseEnArchivo(db.toUpper() + " / " + server, db, db, db, server, false);
            QFAIL("no error");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 5);
            QVERIFY2(e.Description.contains(why), qPrintable(e.Description));
        }
        QCOMPARE(folder.read(QStringLiteral("BASES.TXT")), QByteArray("VIEJA / SRV,Vieja,Vieja,X,SRV\r\n"));
    }

    void unwritableFileRaises()
    {
        testsupport::TempProgramFolder folder;
        folder.write(QStringLiteral("BASES.TXT/x"), "");   // a folder where the file should be
        QVERIFY_THROWS_EXCEPTION(vb::VbError, RegistraBaseEnArchivo("A / B", "A", "A", "A", "B", false));
    }
};

TESTSUPPORT_MAIN(TestBasesTxt)
#include "tst_bases_txt.moc"
