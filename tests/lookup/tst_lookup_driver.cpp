// The lookup driver: its settings from start-up and the configuration, the statement it
// lists for a bare name, a full statement or a name without a mask, and the modal lookup
// with single and multiple choice, cancel and the caller's collection.
#include "LookupFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/LookupListModel.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using lookuptest::LookupFixture;
using lookuptest::columnTexts;
using testsupport::ScriptedOperator;

namespace {

QByteArray record(const QByteArray& vista, const QByteArray& campos, const QByteArray& extra = {})
{
    auto pad = [](QByteArray b, int n) { return b.left(n) + QByteArray(n - qMin(n, int(b.size())), ' '); };
    return pad("PRUEBA", 100) + pad(vista, 100) + pad(campos, 500) + pad(extra, 500) + "\r\n";
}

// Start-up's settings: masks on, the default mask file in the program folder.
void masksOn(LookupFixture& fx)
{
    InstalaConsultas();
    LookupDriverSetup setup;
    setup.gConnString = gDBPrincipal->gConnString;
    setup.gUsarMascarasConsultas = true;
    setup.gRutaMascaraConsultas = fx.folder.filePath(QStringLiteral("consultas.qkx"));
    ConfigureLookupDriver(setup);
    CreaMascarasConsultas();
}

Lib_FrmCons3& form(QDialog& d)
{
    return static_cast<Lib_FrmCons3&>(d);
}

} // namespace

class TstLookupDriver : public QObject {
    Q_OBJECT

private slots:
    void startUpHandsTheSettings()
    {
        LookupFixture fx;
        InstalaConsultas();
        LookupDriverSetup setup;
        setup.gConnString = QStringLiteral("Provider=SQLOLEDB;Server=SQLITE");
        setup.gUsarMascarasConsultas = true;
        setup.gRutaMascaraConsultas = QStringLiteral("/prog/consultas.qkx");
        ConfigureLookupDriver(setup);
        QCOMPARE(gConsultas->gConnString, setup.gConnString);
        QVERIFY(gConsultas->gUsarMascarasConsultas);
        QCOMPARE(gConsultas->gRutaMascaraConsultas, setup.gRutaMascaraConsultas);
    }

    void creationReadsTheConfiguration()
    {
        LookupFixture fx({QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('Stk_Nivel1', '255')"),
                          QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('Stk_Nivel2', '')"),
                          QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('MostrarStockenConsultas', 'SI')"),
                          QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('UsaConsultaLike', 'si')")});
        QCOMPARE(gConsultas->StkNivel1.toString(), QStringLiteral("255"));
        QCOMPARE(gConsultas->StkNivel2.type(), vb::VarType::Long);
        QCOMPARE(gConsultas->StkNivel2.toLong(), 0);
        QCOMPARE(gConsultas->StkNivel3.toString(), QStringLiteral(" "));   // a missing key
        QCOMPARE(gConsultas->MuestraStock, QStringLiteral("SI"));
        QVERIFY(gConsultas->UsaConsultaLike());
        QVERIFY(gConsultas->Valores && gConsultas->Valores->isEmpty());
    }

    void statementOfANameOrAQuery_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("topConsArt");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("expectedBusqueda");
        QTest::newRow("accounts through their mask")
            << "MA_CUENTAS" << "Titulo = 0" << ""
            << "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE  (Titulo = 0)  ORDER BY DESCRIPCION"
            << "DESCRIPCION";
        QTest::newRow("business units in any case, at most 250")
            << "v_ta_unidadnegocio" << "" << "250"
            << "SELECT TOP 250 Descripcion,Codigo FROM V_TA_UnidadNegocio  with(nolock)  ORDER BY Descripcion" << "Descripcion";
        QTest::newRow("a name with blanks matches its mask")
            << "V_TA_TAREAS " << "" << "letras"
            << "SELECT TOP 1000 Descripcion,IdTarea FROM V_TA_Tareas  with(nolock)  ORDER BY Descripcion" << "Descripcion";
        QTest::newRow("no mask: the table's columns")
            << "V_TA_UNIDAD" << "x" << ""
            << "SELECT TOP 1000 Descripcion,Nombre,IdUnidad FROM V_TA_UNIDAD WHERE  x ORDER BY Descripcion" << "Descripcion";
        QTest::newRow("a full statement") << "SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo" << "Titulo = 1" << ""
                                         << "SELECT Codigo FROM MA_CUENTAS WHERE (Titulo = 1) ORDER BY Codigo" << "";
    }
    void statementOfANameOrAQuery()
    {
        QFETCH(QString, sql);
        QFETCH(QString, where);
        QFETCH(QString, topConsArt);
        QFETCH(QString, expected);
        QFETCH(QString, expectedBusqueda);
        LookupFixture fx;
        if (!topConsArt.isEmpty())
            fx.exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TopConsArt', '%1')").arg(topConsArt));
        masksOn(fx);
        QString busqueda;
        bool configured = false;
        QCOMPARE(gConsultas->ArmaSentencia(sql, busqueda, where, QString(), configured), expected);
        QVERIFY(configured);
        QCOMPARE(busqueda, expectedBusqueda);
    }

    void missingMaskFileFallsBackToTheColumns()
    {
        LookupFixture fx;
        masksOn(fx);
        QFile::remove(gConsultas->gRutaMascaraConsultas);
        QString busqueda, where;
        bool configured = false;
        QCOMPARE(gConsultas->ArmaSentencia(QStringLiteral("V_TA_UNIDADNEGOCIO"), busqueda, where, QString(), configured),
                 QStringLiteral("SELECT TOP 1000 CUIT,Domicilio,RazonSocial,Descripcion,Codigo FROM V_TA_UNIDADNEGOCIO  "
                                "ORDER BY Descripcion"));
        // A ready statement replaces the worked-out one.
        QCOMPARE(gConsultas->ArmaSentencia(QStringLiteral("V_TA_UNIDADNEGOCIO"), busqueda, where,
                                           QStringLiteral("SELECT Codigo FROM V_TA_UNIDADNEGOCIO"), configured),
                 QStringLiteral("SELECT Codigo FROM V_TA_UNIDADNEGOCIO"));
    }

    void receptionLookupReturnsTheCode()
    {
        LookupFixture fx;
        masksOn(fx);
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            // Accounts that are titles are left out, and the list keeps the statement's order.
            [&] { QCOMPARE(columnTexts(frm, 0), (QStringList{"Abonos a pagar", "acreedores varios", "banco nación", "Caja",
                                                            "Caja chica"})); }();
            [&] { QCOMPARE(frm.model()->header(1).toUpper(), QStringLiteral("CODIGO")); }();
            [&] { QVERIFY(!frm.OrdenarPorLwv); }();
            [&] { QCOMPARE(frm.windowTitle(), QStringLiteral("Consulta...")); }();
            frm.ListView1->setFocus();
            QTest::keyClicks(frm.ListView1, QStringLiteral("caja c"));
            frm.ListView1->setFocus();
            QTest::keyClick(frm.ListView1, Qt::Key_Return);
            return int(QDialog::Accepted);
        });
        gConsultas->CampoDevuelto = QStringLiteral("Codigo");
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), nullptr, QString(), QString(),
                                   QStringLiteral("Titulo = 0"), QString(), false, QString());
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QStringLiteral("1103"));
        QCOMPARE(gConsultas->CampoDevuelto, QString());
        QVERIFY(!gConsultas->Checks);
        QVERIFY(gConsultas->Cantidades && gConsultas->Cantidades->isEmpty());
    }

    void searchColumnAndConditionComeBack()
    {
        LookupFixture fx;
        masksOn(fx);
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog&) { return int(QDialog::Rejected); });
        Coleccion none;
        QString busqueda, where = QStringLiteral("Titulo = 0");
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), none, QString(), busqueda, where, QString(), false, QString());
        QCOMPARE(busqueda, QStringLiteral("DESCRIPCION"));
        QCOMPARE(where, QStringLiteral(" (Titulo = 0) "));
    }

    void doubleClickAccepts()
    {
        LookupFixture fx({QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion) VALUES ('1', 'Casa central')"),
                          QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion) VALUES ('2', 'Sucursal norte')")});
        masksOn(fx);
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            const QRect second = frm.ListView1->visualRect(frm.model()->index(1, 0));
            QTest::mouseDClick(frm.ListView1->viewport(), Qt::LeftButton, {}, second.center());
            return int(QDialog::Accepted);
        });
        gConsultas->CampoDevuelto = QStringLiteral("CODIGO");
        gConsultas->ConsultaSearch(QStringLiteral("V_TA_UNIDADNEGOCIO"), nullptr, QString(), QString(), QString(), QString(),
                                   false, QString());
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QStringLiteral("2"));
    }

    void cancelLeavesNothingChosen_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancelar") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelLeavesNothingChosen()
    {
        QFETCH(bool, escape);
        LookupFixture fx;
        masksOn(fx);
        gConsultas->ValorDevuelto = QStringLiteral("1101");
        auto campos = std::make_shared<QStringList>(QStringList{"Descripcion"});
        Coleccion caller = campos;
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [escape](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            [&] { QVERIFY2(frm.selectedRow() >= 0, "the initial text chose a row"); }();
            if (escape)
                QTest::keyClick(frm.ListView1, Qt::Key_Escape);
            else
                QTest::mouseClick(frm.CmdCancelar, Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        gConsultas->CampoDevuelto = QStringLiteral("Codigo");
        QString busqueda, where;
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), caller, QStringLiteral("Caja"), busqueda, where, QString(),
                                   false, QString());
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QString());
        QVERIFY(!gConsultas->Valores);
        QVERIFY(!caller);
        QVERIFY(campos->isEmpty());
    }

    void furtherColumnsGoToValores()
    {
        LookupFixture fx;
        masksOn(fx);
        auto campos = std::make_shared<QStringList>(QStringList{"Descripcion", "NoExiste"});
        Coleccion caller = campos;
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            QTest::keyClicks(frm.CmbSearch.at(1)->lineEdit(), QStringLiteral("2101"));
            QTest::mouseClick(frm.CmdAceptar, Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        gConsultas->CampoDevuelto = QStringLiteral("Codigo");
        QString busqueda, where;
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), caller, QString(), busqueda, where, QString(), false, QString());
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QStringLiteral("2101"));
        QCOMPARE(*gConsultas->Valores, (QStringList{"Abonos a pagar", QString()}));
        QVERIFY(!caller);
        QVERIFY(campos->isEmpty());
    }

    void multipleChoice()
    {
        LookupFixture fx;
        masksOn(fx);
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            [&] { QVERIFY(frm.CheckBoxes); }();
            // The caller's default values start ticked.
            [&] { QVERIFY(frm.model()->ticked(4)); }();
            frm.ListView1->setFocus();
            QTest::keyClick(frm.ListView1, Qt::Key_Space);   // first row: Abonos a pagar
            QTest::keyClick(frm.ListView1, Qt::Key_Down);
            QTest::keyClick(frm.ListView1, Qt::Key_Down);
            QTest::keyClick(frm.ListView1, Qt::Key_Space);   // banco nación
            QTest::keyClick(frm.ListView1, Qt::Key_Return);
            return int(QDialog::Accepted);
        });
        gConsultas->Checks = true;
        gConsultas->CampoDevuelto = QStringLiteral("CODIGO");
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), nullptr, QString(), QString(), QStringLiteral("Titulo = 0"),
                                   QString(), false, QStringLiteral("1103"));
        QCOMPARE(*gConsultas->Valores, (QStringList{"2101", "1102", "1103"}));
        QVERIFY(!gConsultas->Checks);
        QCOMPARE(gConsultas->CampoDevuelto, QString());
    }

    void fullStatementWithoutOrderIsSortedByTheList()
    {
        LookupFixture fx;
        masksOn(fx);
        ScriptedOperator op;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [](QDialog& d) {
            Lib_FrmCons3& frm = form(d);
            [&] { QVERIFY(frm.OrdenarPorLwv); }();
            [&] { QCOMPARE(columnTexts(frm, 0), (QStringList{"Abonos a pagar", "acreedores varios", "ACTIVO", "banco nación",
                                                            "Caja", "Caja chica"})); }();
            return int(QDialog::Rejected);
        });
        gConsultas->ConsultaSearch(QStringLiteral("select Descripcion, Codigo from MA_CUENTAS"), nullptr, QString(), QString(),
                                   QString(), QString(), false, QString());
    }

    void maskWithOneColumnAsksForConfiguration()
    {
        LookupFixture fx;
        InstalaConsultas();
        LookupDriverSetup setup;
        setup.gUsarMascarasConsultas = true;
        setup.gRutaMascaraConsultas = fx.folder.write(QStringLiteral("consultas.qkx"), record("MA_CUENTAS", "|CODIGO|"));
        ConfigureLookupDriver(setup);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"), ui::vbOK,
                        QStringLiteral("Aviso al operador"), ui::vbInformation);
        gConsultas->Checks = true;
        gConsultas->CampoDevuelto = QStringLiteral("Codigo");
        gConsultas->ValorDevuelto = QStringLiteral("antes");
        auto campos = std::make_shared<QStringList>(QStringList{"Descripcion"});
        Coleccion caller = campos;
        QString busqueda, where;
        gConsultas->ConsultaSearch(QStringLiteral("ma_cuentas"), caller, QString(), busqueda, where, QString(), false, QString());
        QVERIFY(gConsultas->Checks);
        QCOMPARE(gConsultas->CampoDevuelto, QStringLiteral("Codigo"));
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QStringLiteral("antes"));
        QCOMPARE(caller->size(), 1);
    }

    void treeLookupGoesToTheTreeForm()
    {
        LookupFixture fx;
        masksOn(fx);
        QString shownSql;
        SetTreeLookup([&](ConsultaArbol& tree) {
            shownSql = tree.SQL;
            QCOMPARE(tree.CampoDevuelto, QStringLiteral("CODIGO"));
            tree.ValorDevuelto = QStringLiteral("1101");
        });
        gConsultas->CampoDevuelto = QStringLiteral("CODIGO");
        gConsultas->ConsultaSearch(QStringLiteral("MA_CUENTAS"), nullptr, QString(), QString(), QString(), QString(), true,
                                   QString());
        SetTreeLookup({});
        QVERIFY(shownSql.contains(QLatin1String("FROM MA_CUENTAS")));
        QCOMPARE(gConsultas->ValorDevuelto.toString(), QStringLiteral("1101"));
        QCOMPARE(gConsultas->CampoDevuelto, QString());
    }
};

TESTSUPPORT_MAIN(TstLookupDriver)
#include "tst_lookup_driver.moc"
