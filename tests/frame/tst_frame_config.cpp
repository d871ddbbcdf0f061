// Configuration values: Cfg and CfgQK, the writer GrabaCfgQK and the switches loaded at start-up.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::TempProgramFolder;

namespace {

const QString kDb = QStringLiteral("t.sqlite");
const QString kStats = QStringLiteral("DE_RIVAVIVUZEDI.sqlite");

QString configRow(const QString& clave, const QString& valor, const QString& aux = QString())
{
    auto q = [](QString s) { return QLatin1Char('\'') + s.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); };
    return QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES (%1, %2, %3)").arg(q(clave), q(valor), q(aux));
}

void openStatistics()
{
    DB_Dll& st = *gDBEstadisticas;
    st.gServidor = QStringLiteral("SQLITE");
    st.gDBName = QStringLiteral("DE_RIVAVIVUZEDI");
    st.gUsuario = QStringLiteral("DE_RIVAVIVUZEDI");
    st.OpenServerADODB(false, 3, QString(), false, false);
    QVERIFY(st.gOpenFlag);
}

} // namespace

class TstFrameConfig : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void closedConnectionReadsEmpty()
    {
        QString aux = QStringLiteral("kept");
        QCOMPARE(Cfg(QStringLiteral("PERIODO"), aux), QString());
        QCOMPARE(aux, QStringLiteral("kept"));
    }

    void cfg_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("aux");
        QTest::newRow("missing key is one blank") << "NOEXISTE" << " " << "";
        QTest::newRow("exact key") << "TCMUTUALES" << "MUT" << "x1";
        QTest::newRow("key in another case, blanks around") << "  TcMutuales " << "MUT" << "x1";
        QTest::newRow("null value reads empty") << "NULO" << "" << "";
        QTest::newRow("THEME blank gives 1") << "THEME" << "1" << "";
        QTest::newRow("theme blank gives 1") << "theme" << "1" << "";
        QTest::newRow("quote in the key") << "O'HARA" << "si" << "";
        QTest::newRow("date bound key") << "[fecha desde]" << "01/01/2026" << "";
    }
    void cfg()
    {
        QFETCH(QString, clave);
        QFETCH(QString, valor);
        QFETCH(QString, aux);
        TempProgramFolder folder;
        frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")},
                                  {configRow(QStringLiteral("TCMUTUALES"), QStringLiteral("MUT"), QStringLiteral("x1")),
                                   QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NULO', NULL)"),
                                   configRow(QStringLiteral("THEME"), QStringLiteral("  ")),
                                   configRow(QStringLiteral("O'HARA"), QStringLiteral("si")),
                                   configRow(QStringLiteral("[FECHA DESDE]"), QStringLiteral("01/01/2026"))});
        frametest::OpenMain(kDb);
        testsupport::ScriptedOperator op;   // no box expected
        QString gotAux = QStringLiteral("before");
        QCOMPARE(Cfg(clave, gotAux), valor);
        QCOMPARE(gotAux, aux);
        QCOMPARE(gTablaConfiguracion, QStringLiteral("TA_CONFIGURACION"));
    }

    void missingThemeGivesOne()
    {
        TempProgramFolder folder;
        frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")});
        frametest::OpenMain(kDb);
        QCOMPARE(Cfg(QStringLiteral("Theme")), QStringLiteral("1"));
    }

    void cargaConfiguracion()
    {
        TempProgramFolder folder;
        frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")},
                                  {configRow(QStringLiteral("CANTIDADDECIMALES"), QStringLiteral("3 ")),
                                   configRow(QStringLiteral("SS_CONFIDENCIALIDAD"), QStringLiteral("si")),
                                   configRow(QStringLiteral("USA_STK_STOCK_UDKG"), QStringLiteral("SI")),
                                   configRow(QStringLiteral("UNIDADDEMEDIDA_M3"), QStringLiteral(" M3 ")),
                                   configRow(QStringLiteral("UNIDADDEMEDIDA_KG"), QStringLiteral("KG")),
                                   configRow(QStringLiteral("PERIODO"), QStringLiteral("2026.5")),
                                   configRow(QStringLiteral("RAZONSOCIALPORUNEG"), QStringLiteral(" si ")),
                                   configRow(QStringLiteral("MAD_TIRAS"), QStringLiteral(" TI ")),
                                   configRow(QStringLiteral("UTILIZARFECHADIA"), QStringLiteral("Si")),
                                   configRow(QStringLiteral("ASIGNACIONAUTOMATICADELOTEING"), QStringLiteral("NO")),
                                   configRow(QStringLiteral("ASIGNACIONAUTOMATICADELOTEINGOP"), QStringLiteral("sI")),
                                   QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio) VALUES ('D''Angelo', '   7')")});
        frametest::OpenMain(kDb, QStringLiteral("D'Angelo"));
        gUsuarioLogeado = QStringLiteral("D'Angelo");
        CargaConfiguracion(folder.path());
        QCOMPARE(gTablaConfiguracion, QStringLiteral("ta_configuracion"));
        QCOMPARE(gCantidadDecimales, QStringLiteral("3 "));
        QVERIFY(gConfidencialidad);
        QVERIFY(gUsaStockUdKg);
        QCOMPARE(gUnidadM3, QStringLiteral("M3"));
        QCOMPARE(gUnidadBL, QString());
        QCOMPARE(gUnidadKG, QStringLiteral("KG"));
        QCOMPARE(gPeriodo, qint16(2026));
        QVERIFY(gRazonSocialPorUneg);
        QVERIFY(!gMaderera);
        QCOMPARE(gMadTiras, QStringLiteral("TI"));
        QVERIFY(gUtilizarFechaDia);
        QVERIFY(!gAsignacionAutomaticaDeLoteING);
        QVERIFY(gAsignacionAutomaticaDeLoteINGOP);
        QCOMPARE(gUNegocio, QStringLiteral("   7"));
    }

    void maderera_data()
    {
        QTest::addColumn<QString>("valor");   // "-": no key
        QTest::addColumn<bool>("expected");
        QTest::newRow("missing") << "-" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("SI") << "SI" << true;
        QTest::newRow("S") << "S" << true;
        QTest::newRow("anything") << "x" << true;
    }
    void maderera()
    {
        QFETCH(QString, valor);
        QFETCH(bool, expected);
        TempProgramFolder folder;
        QStringList rows;
        if (valor != QLatin1String("-"))
            rows << configRow(QStringLiteral("MADERERA"), valor);
        frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")}, rows);
        frametest::OpenMain(kDb);
        CargaConfiguracion(folder.path());
        QCOMPARE(gMaderera, expected);
    }

    void businessUnit_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("expected");
        QTest::newRow("own unit") << "mgomez" << "   2";
        QTest::newRow("user in another case") << "MGOMEZ" << "   2";
        QTest::newRow("no user row") << "nadie" << "   1";
        QTest::newRow("empty unit") << "sinunidad" << "   1";
    }
    void businessUnit()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, expected);
        TempProgramFolder folder;
        frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")},
                                  {QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio) VALUES ('mgomez', '   2')"),
                                   QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio) VALUES ('sinunidad', NULL)")});
        frametest::OpenMain(kDb, usuario);
        gUsuarioLogeado = usuario;
        CargaConfiguracion(folder.path());
        QCOMPARE(gUNegocio, expected);
    }

    void grabaCfgQKCreatesThenUpdates()
    {
        TempProgramFolder folder;
        frametest::CreateDatabase(folder, kStats, {QStringLiteral("db/stats.sql")},
                                  {QStringLiteral("DELETE FROM TA_CONFIGURACION")});
        openStatistics();
        gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");

        GrabaCfgQK(QStringLiteral("TimeOut"), vb::Variant(qint16(0)), QString(), false, QStringLiteral("BaseDeDatos"), true);
        QList<QVariantList> rows = frametest::Query(kStats, QStringLiteral("SELECT CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO FROM TA_CONFIGURACION"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("TIMEOUT"));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("0"));
        QVERIFY(rows[0][2].isNull());
        QCOMPARE(rows[0][3].toString(), QStringLiteral("BaseDeDatos"));
        QCOMPARE(rows[0][4].toInt(), 0);
        QString aux;
        QCOMPARE(CfgQK(QStringLiteral("timeout"), aux), QStringLiteral("0"));

        GrabaCfgQK(QStringLiteral("TIMEOUT"), vb::Variant(QStringLiteral(" 90 ")), QStringLiteral(" a "), true, QStringLiteral("G"), true);
        GrabaCfgQK(QStringLiteral("TIMEOUT"), vb::Variant(QStringLiteral(" 120 ")), QString(), true, QStringLiteral("G"), false);
        rows = frametest::Query(kStats, QStringLiteral("SELECT CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO FROM TA_CONFIGURACION"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][1].toString(), QStringLiteral(" 120 "));
        QCOMPARE(rows[0][2].toString(), QStringLiteral("a"));   // an empty ValorAux keeps the row's
        QCOMPARE(rows[0][3].toString(), QStringLiteral("G"));
        QCOMPARE(rows[0][4].toInt(), 1);
    }
};

TESTSUPPORT_MAIN(TstFrameConfig)
#include "tst_frame_config.moc"
