// The data-access object's error dialog: box, title, answer and the log line.
#include "data/DB_Dll.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QTest>

class TestDbErrors : public QObject {
    Q_OBJECT
private slots:
    void answersAndLogLines_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("word");
        QTest::newRow("retry") << 4 << "Reintentar";
        QTest::newRow("ignore") << 5 << "Ignorar";
        QTest::newRow("abort") << 3 << "Abortar";
        QTest::newRow("ok") << 1 << "";
    }
    void answersAndLogLines()
    {
        QFETCH(int, answer);
        QFETCH(QString, word);
        testsupport::TempProgramFolder folder;
        testsupport::FixedClock clock(2020, 12, 31, 9, 5, 7);
        testsupport::ScriptedOperator op;
        op.expectMsgBox("Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta", answer,
                        "ADODB.Connection - AbrirRecordset Aviso al operador!!! - 5 ", 18);
        DB_Dll db;
        const vb::VbError error(-2147217900, QStringLiteral("  Sintaxis incorrecta  "), QStringLiteral("ADODB.Connection"));
        QCOMPARE(int(db.TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset"))), answer);
        const QByteArray expected = "12-31-2020 09:05:07 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error "
                                    "(-2147217900) Sintaxis incorrecta Respondi\xf3 : " + vb::ToCp1252(word) + "\r\n";
        QCOMPARE(folder.read("QKERR.LOG"), expected);
    }

    void withoutRoutine()
    {
        testsupport::TempProgramFolder folder;
        testsupport::FixedClock clock(2024, 1, 2, 3, 4, 5);
        testsupport::ScriptedOperator op;
        op.expectMsgBox("", 5, "Src Aviso al operador!!! - 5 ");
        op.expectMsgBox("", 4);
        DB_Dll db;
        db.TratamientoErrores(vb::VbError(9, QStringLiteral("Subscript"), QStringLiteral("Src")));
        db.TratamientoErrores(vb::VbError(10, QStringLiteral("Otro"), QStringLiteral("Src")), std::nullopt, QStringLiteral("X"));
        const QByteArray log = folder.read("QKERR.LOG");
        QCOMPARE(log, QByteArray("01-02-2024 03:04:05 Rutina:  Mensaje Ha ocurrido el Siguiente Error (9) Subscript Respondi\xf3 : Ignorar\r\n"
                                 "01-02-2024 03:04:05 Rutina: - X Mensaje Ha ocurrido el Siguiente Error (10) Otro Respondi\xf3 : Reintentar\r\n"));
    }

    void errorZeroShowsAndWritesNothing()
    {
        testsupport::TempProgramFolder folder;
        testsupport::ScriptedOperator op;
        DB_Dll db;
        QCOMPARE(int(db.TratamientoErrores(vb::VbError(0, QString()), std::nullopt, QStringLiteral("R"))), 0);
        QVERIFY(!QFile::exists(folder.filePath("QKERR.LOG")));
    }

    void customLogPath()
    {
        testsupport::TempProgramFolder folder;
        testsupport::ScriptedOperator op;
        op.expectMsgBox("", 3);
        DB_Dll db;
        db.SetArchivoErrores(vb::Variant(folder.filePath("otro.log")));
        db.TratamientoErrores(vb::VbError(5, QStringLiteral("x")));
        QVERIFY(QFile::exists(folder.filePath("otro.log")));
        QVERIFY(!QFile::exists(folder.filePath("QKERR.LOG")));
        QCOMPARE(db.ArchivoErrores().toString(), folder.filePath("otro.log"));
    }
};

TESTSUPPORT_MAIN(TestDbErrors)
#include "tst_db_errors.moc"
