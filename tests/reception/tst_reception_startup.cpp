// Start-up of the program through the reception form: the command line, the checks of
// the entry configuration and the layout the operator starts on.
#include "ReceptionFixture.h"
#include "frame/ModGlobal.h"
#include "platform/ui/Metrics.h"
#include "ReceptionTestSupport.h"
#include "data/DB_Dll.h"
#include "platform/vb/App.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

namespace {

QString configured(const char* key, const char* value)
{
    return QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR='%1' WHERE CLAVE='%2'")
        .arg(QString::fromUtf8(value), QString::fromUtf8(key));
}

} // namespace

class TstReceptionStartup : public QObject {
    Q_OBJECT

private slots:
    void startsFromTheCommandLine()
    {
        ReceptionFixture fx;
        ScriptedOperator op;   // a good configuration asks nothing
        frmRecepcionMutuales& f = fx.open();

        QCOMPARE(gUsuarioLogeado, QStringLiteral("Vandrel"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Recepción de Mutuales"));
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(f.TCMutuales, QStringLiteral("MUT"));
        QCOMPARE(f.CuentaMutualesAFacturar, QStringLiteral("1104"));
        // configured by its optional code: the account's own code is kept
        QCOMPARE(f.CuentaMutualesAImputar, QStringLiteral("2102"));
        // header entry: boxes enabled, Cancelar off
        for (CajaTexto* box : f.txtFields)
            QVERIFY(box->isEnabled());
        QVERIFY(!f.UtilKor1->CancelarEnabled());
        QVERIFY(f.UtilKor1->NuevoEnabled());
        QVERIFY(f.UtilKor1->ReporteEnabled());
        QVERIFY(!f.UtilKor1->BorrarEnabled());
        QVERIFY(!f.UtilKor1->GrabarEnabled());
        QVERIFY(f.UtilKor1->CerrarEnabled());
        // one empty row, the cursor on its account
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        QCOMPARE(f.MSFlexGrid1->Cols(), 8);
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), 1);
        for (int c = 0; c < 8; ++c)
            QVERIFY(f.MSFlexGrid1->TextMatrix(1, c).isEmpty());
        QVERIFY(f.txtEdit->isHidden());
    }

    void gridLayout_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("widthX");
        QTest::newRow("account") << 1 << "Cuenta" << 13;
        QTest::newRow("description") << 2 << "Descripción" << 35;
        QTest::newRow("voucher") << 3 << "Comprobante" << 20;
        QTest::newRow("amount") << 4 << "Importe" << 10;
        QTest::newRow("business unit") << 5 << "UNegocio" << 10;
        QTest::newRow("observations") << 6 << "Observaciones" << 52;
        QTest::newRow("id, hidden") << 7 << "id" << 0;
    }
    void gridLayout()
    {
        QFETCH(int, col);
        QFETCH(QString, header);
        QFETCH(int, widthX);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        QCOMPARE(f.MSFlexGrid1->TextMatrix(0, 0), QStringLiteral("Grabar Fila"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(0, col), header);
        // The amount column is at least its width and shows the largest amount whole.
        if (col == 4)
            QVERIFY(f.MSFlexGrid1->ColWidth(col) >= ui::TextWidthX(f, widthX));
        else
            QCOMPARE(f.MSFlexGrid1->ColWidth(col), widthX == 0 ? 0 : ui::TextWidthX(f, widthX));
        if (widthX > 0)
            QVERIFY(f.MSFlexGrid1->ColWidth(col) > 0);
    }

    void layoutFollowsTheWindow()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.resize(1100, 650);
        QCOMPARE(f.LblDetalle->width(), ui::TwipsToPixels(f.Width() - 150));
        QCOMPARE(f.MSFlexGrid1->width(), f.LblDetalle->width());
        QCOMPARE(f.frmEncabezado->width(), f.LblDetalle->width());
        QCOMPARE(f.MSFlexGrid1->Height(),
                 f.Height() - f.MSFlexGrid1->Top() - 450 - ui::PixelsToTwips(f.StatusBar1->height()));
        // the grid ends above the status bar
        QVERIFY(f.MSFlexGrid1->geometry().bottom() < f.StatusBar1->geometry().top());
    }

    void configurationChecks_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("entriesOn");
        QTest::newRow("all configured") << QStringList{} << QStringList{} << true;
        QTest::newRow("unknown voucher type")
            << QStringList{configured("TCMUTUALES", "XYZ")}
            << QStringList{"No existe el comprobante XYZ configurado para Mutuales"} << false;
        QTest::newRow("unknown debit account")
            << QStringList{configured("CUENTAMUTUALESAFACTURAR", "9999")}
            << QStringList{"No existe la cuenta mutuales a facturar 9999 configurado"} << false;
        QTest::newRow("unknown credit account")
            << QStringList{configured("CUENTAMUTUALESAIMPUTAR", "8888")}
            << QStringList{"No existe la cuenta mutuales a Imputar 8888 configurado"} << false;
        QTest::newRow("two failures, two messages in order")
            << QStringList{configured("TCMUTUALES", "XYZ"), configured("CUENTAMUTUALESAIMPUTAR", "8888")}
            << QStringList{"No existe el comprobante XYZ", "No existe la cuenta mutuales a Imputar 8888"} << false;
        QTest::newRow("a blank value checks nothing")
            << QStringList{configured("TCMUTUALES", ""), configured("CUENTAMUTUALESAIMPUTAR", "8888")}
            << QStringList{} << false;
        QTest::newRow("missing key reads one blank")
            << QStringList{QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE='TCMUTUALES'")}
            << QStringList{} << false;
    }
    void configurationChecks()
    {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, messages);
        QFETCH(bool, entriesOn);
        ReceptionFixture fx(statements);
        ScriptedOperator op;
        for (const QString& m : messages)
            op.expectMsgBox(m, ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbInformation);
        frmRecepcionMutuales& f = fx.open(false);
        QCOMPARE(!f.TCMutuales.trimmed().isEmpty(), entriesOn);
        // start-up went on to the end
        QCOMPARE(f.txtFields[0]->text(), QStringLiteral("09/12/2026"));
    }

    void configurationMessageText()
    {
        ReceptionFixture fx({configured("TCMUTUALES", "XYZ")});
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbOK);
        fx.open(false);
        QCOMPARE(op.shown().size(), 1);
        QCOMPARE(op.shown()[0].text,
                 QStringLiteral("No existe el comprobante XYZ configurado para Mutuales, corrija la configuracion e intentelo "
                                "nuevamente.. no se generaran asientos por recepcion de mutuales hasta corregir la "
                                "configuracion\r\nConfiguracion del Sistema/Caja y Bancos"));
        QCOMPARE(op.shown()[0].title, QStringLiteral("Aviso al operador"));
        QCOMPARE(op.shown()[0].style, int(ui::vbInformation));
    }

    // A database that lacks a table the program works on is refused at connection with
    // one message naming what is missing; answered No, the program ends before anything
    // is read or written.
    void databaseWithoutTheSuitesTables_data()
    {
        QTest::addColumn<QString>("database");     // the command line's; "vacia.sqlite" is a 0-byte file
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("missing");
        for (const char* table : {"TA_CONFIGURACION", "V_MV_MUTUALES", "MV_ASIENTOS", "V_TA_CPTE", "V_MV_CTROL_CPTE",
                                  "Control_Acceso"})
            QTest::addRow("without %s", table) << "demo.sqlite" << QStringList{QStringLiteral("DROP TABLE ") + table}
                                               << QStringLiteral("le falta la tabla ") + table + QStringLiteral(".");
        QTest::newRow("0-byte file") << "vacia.sqlite" << QStringList{}
                                     << "le faltan las tablas TA_CONFIGURACION, Control_Acceso, V_MV_MUTUALES, MV_ASIENTOS, "
                                        "V_TA_CPTE, V_MV_CTROL_CPTE.";
    }
    void databaseWithoutTheSuitesTables()
    {
        QFETCH(QString, database);
        QFETCH(QStringList, statements);
        QFETCH(QString, missing);
        ReceptionFixture fx(statements);
        fx.folder.write(QStringLiteral("vacia.sqlite"), QByteArray());
        vb::App::SetCommand(QStringLiteral("@Server=SQLITE;@DbName=%1;@Usuario=Vandrel;@Password=;@Caja=1").arg(database));
        testsupport::EndTrap trap;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("La base de datos ") + database + QStringLiteral(" no es una base de datos del sistema: ")
                            + missing,
                        ui::vbNo, QStringLiteral(" Error de Conexion a Base de Datos"), ui::vbYesNo + ui::vbCritical);
        QVERIFY_THROWS_EXCEPTION(testsupport::ProgramEnded, fx.open(false));
        op.verifyAllUsed();
        QCOMPARE(op.shown().size(), 1);
        QCOMPARE(trap.calls(), 1);
        QVERIFY(!gDBPrincipal->gOpenFlag);
        if (!missing.contains(QStringLiteral("Control_Acceso")))
            QCOMPARE(receptiontest::count(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso")), 0);
    }

    // Answered Yes, the connection dialog is offered again; the database chosen there
    // is the one the program works on.
    void refusedDatabaseOffersTheDialog()
    {
        ReceptionFixture fx({QStringLiteral("DROP TABLE MV_ASIENTOS")});
        frametest::CreateDatabase(fx.folder, QStringLiteral("empresa.sqlite"),
                                  {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("le falta la tabla MV_ASIENTOS."), ui::vbYes);
        op.expectForm(QStringLiteral("frmAcceso"), [](QDialog& d) {
            auto* db = d.findChild<QLineEdit*>(QStringLiteral("TxtDbName"));
            if (db->text() != QLatin1String("demo.sqlite"))
                qWarning("the dialog did not start on the refused database");
            db->setText(QStringLiteral("empresa.sqlite"));
            d.setProperty("Aceptar", true);
            d.accept();
            return int(QDialog::Accepted);
        });
        frmRecepcionMutuales& f = fx.open(false);
        op.verifyAllUsed();
        QVERIFY(gDBPrincipal->gOpenFlag);
        QCOMPARE(gDBPrincipal->gDBName, QStringLiteral("empresa.sqlite"));
        QCOMPARE(f.TCMutuales, QStringLiteral("MUT"));
        QCOMPARE(frametest::Scalar(QStringLiteral("empresa.sqlite"), QStringLiteral("SELECT COUNT(*) FROM Control_Acceso")).toInt(),
                 1);
    }
};

TESTSUPPORT_MAIN(TstReceptionStartup)
#include "tst_reception_startup.moc"
