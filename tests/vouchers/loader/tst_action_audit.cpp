// ActualizaBuchon: the audit row of an action on a voucher, handed back for the
// caller's batch or written at once, with a fixed clock and workstation.
#include "LoaderBench.h"

#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"

#include <QFile>
#include <QTest>

using testsupport::FixedClock;
using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

const QString kColumns =
    QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,"
                   "SYSTEMUSER,NUMEROASIENTO) VALUES (");

} // namespace

class TstActionAudit : public QObject {
    Q_OBJECT

private slots:
    void statement_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<bool>("alta");
        QTest::addColumn<bool>("modificacion");
        QTest::addColumn<QString>("asiento");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("values");

        QTest::newRow("creation") << "NP" << "000100000045X" << "0" << true << false << "12" << "Vandrel"
                                  << "'NP  ','000100000045X',0,'A','15/12/26 10:30','Vandrel','pc-caja1','Gestion',12)";
        QTest::newRow("creation wins over change") << "FC" << "000100000118A" << "0" << true << true << "" << "Vandrel"
                                                   << "'FC  ','000100000118A',0,'A','15/12/26 10:30','Vandrel','pc-caja1',"
                                                      "'Gestion',0)";
        QTest::newRow("change") << " RM " << "000100000057R" << "1" << false << true << "1.50" << "mgomez"
                                << "'RM  ','000100000057R',1,'M','15/12/26 10:30','mgomez','pc-caja1','Gestion',1.5)";
        QTest::newRow("deletion, the id as passed") << "OT" << " 000100000007X " << "0" << false << false << "x" << "Vandrel"
                                                    << "'OT  ',' 000100000007X ',0,'B','15/12/26 10:30','Vandrel',"
                                                       "'pc-caja1','Gestion',0)";
        QTest::newRow("apostrophes doubled") << "NP" << "0001'0000045X" << "0" << true << false << "3" << "O'Neill"
                                             << "'NP  ','0001''0000045X',0,'A','15/12/26 10:30','O''Neill','pc-caja1',"
                                                "'Gestion',3)";
        QTest::newRow("a negative complement, blanks around it") << "NP" << "000100000045X" << " -2 " << true << false
                                                                 << "3" << "Vandrel"
                                                                 << "'NP  ','000100000045X',-2,'A','15/12/26 10:30',"
                                                                    "'Vandrel','pc-caja1','Gestion',3)";
        QTest::newRow("an entry number past what fits a Long") << "NP" << "000100000045X" << "0" << true << false
                                                               << "99999999999" << "Vandrel"
                                                               << "'NP  ','000100000045X',0,'A','15/12/26 10:30',"
                                                                  "'Vandrel','pc-caja1','Gestion',99999999999)";
    }

    // In collect mode the statement comes back, replacing what the caller held, and the
    // database is not touched; the caller's own field list is left as it was.
    void statement()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, complemento);
        QFETCH(bool, alta);
        QFETCH(bool, modificacion);
        QFETCH(QString, asiento);
        QFETCH(QString, user);
        QFETCH(QString, values);
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        FixedClock clock(2026, 12, 15, 10, 30, 45);
        const loadertest::RunningAs running(QStringLiteral("Gestion"));
        gUsuarioLogeado = user;
        gVecCampos = {CampoValor{QStringLiteral("Cuenta"), QStringLiteral("'110301'")}};
        QString sentencia = QStringLiteral("UPDATE X SET Y = 1; ");
        f.Cptes().ActualizaBuchon(tc, id, complemento, alta, modificacion, true, sentencia, asiento);
        QCOMPARE(sentencia, kColumns + values);
        QCOMPARE(db.Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTEACCIONES")).toInt(), 0);
        QCOMPARE(gVecCampos.size(), 1);
        QCOMPARE(gVecCampos[0].Campo, QStringLiteral("Cuenta"));
    }

    // Written at once: the row, and the caller's statement left alone.
    void immediate()
    {
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        FixedClock clock(2026, 12, 15, 9, 5);
        const loadertest::RunningAs running(QStringLiteral("Gestion"));
        gUsuarioLogeado = QStringLiteral("mgomez");
        QString sentencia = QStringLiteral("previa");
        f.Cptes().ActualizaBuchon(QStringLiteral("NP"), QStringLiteral("000100000045X"), QStringLiteral("0"), false, true,
                                  false, sentencia, QStringLiteral("27"));
        QCOMPARE(sentencia, QStringLiteral("previa"));
        const QList<QVariantList> rows = db.Query(QStringLiteral(
            "SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, SYSTEMUSER, NUMEROASIENTO "
            "FROM V_MV_CPTEACCIONES"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{"NP  ", "000100000045X", 0, "M", "15/12/26 09:05", "mgomez", "pc-caja1", "Gestion", 27}));
    }

    // Every complement a caller can get from the voucher lookup writes its row: the empty
    // one of a delivery note and any text that is not a whole number are 0, never rounded.
    void everyComplementWrites_data()
    {
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<int>("stored");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("decimals are no whole number") << "1.5" << 0;
        QTest::newRow("an apostrophe") << "0'" << 0;
        QTest::newRow("a statement") << "0,'A','x','y','z','w',0); DELETE FROM V_MV_CPTE_Observ; --" << 0;
        QTest::newRow("another complement") << "3" << 3;
    }
    void everyComplementWrites()
    {
        QFETCH(QString, complemento);
        QFETCH(int, stored);
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        FixedClock clock(2026, 12, 15, 9, 5);
        const int observaciones = db.Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE_Observ")).toInt();
        QString sentencia;
        f.Cptes().ActualizaBuchon(QStringLiteral("RM"), QStringLiteral("000100000057R"), complemento, true, false, false,
                                  sentencia, QStringLiteral("12"));
        const QList<QVariantList> rows = db.Query(
            QStringLiteral("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, NUMEROASIENTO FROM V_MV_CPTEACCIONES"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{"RM  ", "000100000057R", stored, "A", 12}));
        QCOMPARE(db.Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE_Observ")).toInt(), observaciones);
    }

    // A number that cannot be one is refused through the error dialog, naming it: nothing
    // is written, and a collected statement comes back empty rather than broken.
    void numberOutOfRange_data()
    {
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<QString>("asiento");
        QTest::addColumn<bool>("collect");
        QTest::addColumn<QString>("message");
        const QString asiento = QStringLiteral("El número de asiento 99999999999999999 está fuera de rango");
        const QString complemento = QStringLiteral("El complemento 99999999999 está fuera de rango");
        QTest::newRow("entry number, at once") << "0" << "99999999999999999" << false << asiento;
        QTest::newRow("entry number, collected") << "0" << "99999999999999999" << true << asiento;
        QTest::newRow("complement, at once") << "99999999999" << "1" << false << complemento;
        QTest::newRow("complement, collected") << "99999999999" << "1" << true << complemento;
    }
    void numberOutOfRange()
    {
        QFETCH(QString, complemento);
        QFETCH(QString, asiento);
        QFETCH(bool, collect);
        QFETCH(QString, message);
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (6) ") + message, ui::vbAbort);
        FixedClock clock(2026, 12, 15, 9, 5);
        QString sentencia = QStringLiteral("UPDATE X SET Y = 1; ");
        f.Cptes().ActualizaBuchon(QStringLiteral("NP"), QStringLiteral("000100000045X"), complemento, true, false, collect,
                                  sentencia, asiento);
        QVERIFY(op.shown()[0].title.contains(QStringLiteral("ActualizaBuchon")));
        QCOMPARE(sentencia, collect ? QString() : QStringLiteral("UPDATE X SET Y = 1; "));
        QCOMPARE(db.Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTEACCIONES")).toInt(), 0);
    }

    // A write the database refuses is shown in the error dialog under the method's name
    // and stays in the error log; Retry writes again, any other answer returns.
    void failedWriteShown()
    {
        VoucherFixture db({QStringLiteral("DROP TABLE V_MV_CPTEACCIONES")});
        VoucherHostForm f;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("V_MV_CPTEACCIONES"), ui::vbRetry).expectMsgBox(QStringLiteral("V_MV_CPTEACCIONES"),
                                                                                       ui::vbAbort);
        FixedClock clock(2026, 12, 15, 9, 5);
        QString sentencia;
        f.Cptes().ActualizaBuchon(QStringLiteral("NP"), QStringLiteral("000100000045X"), QStringLiteral("0"), true, false,
                                  false, sentencia, QStringLiteral("1"));
        QCOMPARE(op.shown().size(), 2);
        QVERIFY(op.shown()[0].text.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (")));
        QVERIFY(op.shown()[0].title.contains(QStringLiteral("ActualizaBuchon")));
        QFile log(db.folder.filePath(QStringLiteral("QKERR.LOG")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines) {
            QVERIFY2(line.startsWith(QStringLiteral("12-15-2026 09:05:00 Rutina: - ActualizaBuchon Mensaje Ha ocurrido el "
                                                    "Siguiente Error (")),
                     qPrintable(line));
            QVERIFY2(line.contains(QStringLiteral("V_MV_CPTEACCIONES")), qPrintable(line));
        }
        QVERIFY(lines[0].endsWith(QStringLiteral("Respondió : Reintentar")));
        QVERIFY(lines[1].endsWith(QStringLiteral("Respondió : Abortar")));
    }
};

TESTSUPPORT_MAIN(TstActionAudit)
#include "tst_action_audit.moc"
