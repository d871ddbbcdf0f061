// A first start without command line: the connection dialog lists the known databases,
// the operator registers the demo database, chooses it, and the start-up goes on.
#include "FrameFixture.h"
#include "data/AccessDialog.h"
#include "data/DB_Dll.h"
#include "data/frmAcceso.h"
#include "frame/ModGlobal.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestFrameFirstStart : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        frametest::ResetProgram();
        data::InstalaFormularioAcceso();
    }
    void cleanup()
    {
        data::SetAccessDialogFactory({});
        frametest::ResetProgram();
        vb::App::ResetAll();
    }

    void registerChooseAndStart()
    {
        testsupport::TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder);
        folder.write(QStringLiteral("BASES.TXT"), "VENTAS / SRV1,Ventas,Ventas,X,SRV1\r\n");
        QStringList before;
        QStringList after;
        testsupport::ScriptedOperator op;
        op.expectForm(QStringLiteral("frmAcceso"), [&](QDialog& d) {
            auto& f = dynamic_cast<frmAcceso&>(d);
            for (int i = 0; i < f.lstBases->count(); ++i)
                before << f.lstBases->item(i)->text();
            QTest::keyClicks(f.TxtServidor, QStringLiteral("SQLITE"));
            QTest::keyClicks(f.TxtDbName, QStringLiteral("demo.sqlite"));
            QTest::keyClicks(f.TxtUserId, QStringLiteral("Vandrel"));
            QTest::mouseClick(f.CmdRegistrar, Qt::LeftButton);
            for (int i = 0; i < f.lstBases->count(); ++i)
                after << f.lstBases->item(i)->text();
            const QRect r = f.lstBases->visualItemRect(f.lstBases->item(1));
            QTest::mouseClick(f.lstBases->viewport(), Qt::LeftButton, {}, r.center());
            QTest::keyClicks(f.TxtUserId, QStringLiteral("Vandrel"));
            QTest::mouseClick(f.bcAceptar, Qt::LeftButton);
            return f.result();
        });
        QString conexion;
        InicializaSistema(false, QString(), conexion, 3);

        QCOMPARE(before, QStringList{"VENTAS / SRV1"});
        QCOMPARE(after, (QStringList{"VENTAS / SRV1", "DEMO.SQLITE / SQLITE"}));
        QCOMPARE(folder.read(QStringLiteral("BASES.TXT")),
                 "VENTAS / SRV1,Ventas,Ventas,X,SRV1\r\nDEMO.SQLITE / SQLITE,demo.sqlite,demo.sqlite,"
                     + Utilidades->CodificaClave(QStringLiteral("demo.sqlite")).toLatin1() + ",SQLITE\r\n");
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->gServidor, QStringLiteral("SQLITE"));
        QCOMPARE(gUsuarioLogeado, QStringLiteral("Vandrel"));
        // The start-up went on to its last step: the run's access-log row.
        QCOMPARE(frametest::Scalar(QStringLiteral("demo.sqlite"), QStringLiteral("SELECT COUNT(*) FROM Control_Acceso")).toInt(), 1);
    }
};

TESTSUPPORT_MAIN(TestFrameFirstStart)
#include "tst_frame_firststart.moc"
