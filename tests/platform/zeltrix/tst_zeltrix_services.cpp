// The library's program-wide objects, the report printer interface with its recording
// stand-in, and the workstation information.
#include "platform/zeltrix/RecordingReportPrinter.h"
#include "platform/zeltrix/RegCriterio.h"
#include "platform/zeltrix/Services.h"
#include "platform/vb/VbError.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <optional>

class tst_zeltrix_services : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void objectsAreMadeOnFirstUseAndReleased();
    void printingWithoutAnEngineRaises429();
    void recordingPrinterKeepsTheCallsInOrder();
    void filterCriterionDefaults();
    void workstationNames();
    void alternativeFolderIsWritable();
};

void tst_zeltrix_services::cleanup()
{
    ::Utilidades.reset();
    ::InfoEquipo.reset();
    ::ArchivoIni.reset();
    ::AyudaEdicion.reset();
    ::ImpresorReportes.reset();
}

void tst_zeltrix_services::objectsAreMadeOnFirstUseAndReleased()
{
    QVERIFY(!::Utilidades.exists());
    QCOMPARE(::Utilidades->AjustaLargo("1"), QString("   1"));
    QVERIFY(::Utilidades.exists());
    QVERIFY(::AyudaEdicion->EsTeclaConfirmar(13));
    QCOMPARE(::ArchivoIni->LeeIni("no-such-file.ini", "S", "K", "d"), QString("d"));
    ::Utilidades.reset();
    QVERIFY(!::Utilidades.exists());
}

void tst_zeltrix_services::printingWithoutAnEngineRaises429()
{
    ::ImpresorReportes->CarpetaReportes = "/opt/prog/";
    ::ImpresorReportes->PreparaImpresion(QStringList(5, QString()), 5);
    try {
        ::ImpresorReportes->ImprimeReporte("V_MV_MUTUALES_RECEPCION", {"", ""}, "", "DSN=X", "A = ''", "B = ''",
                                           "C = ''", "D = ''");
        QFAIL("no error raised");
    } catch (const vb::VbError& e) {
        QCOMPARE(e.Number, 429);
        QVERIFY(e.Description.contains("V_MV_MUTUALES_RECEPCION"));
    }
    ::ImpresorReportes->CierraImpresion(20);
}

void tst_zeltrix_services::recordingPrinterKeepsTheCallsInOrder()
{
    auto* recorder = new zeltrix::RecordingReportPrinter;
    ::ImpresorReportes.set(std::unique_ptr<zeltrix::ImpresorReportes>(recorder));
    ::ImpresorReportes->CarpetaReportes = "/opt/prog/";

    ::ImpresorReportes->PreparaImpresion(QStringList(5, QString()), 5);
    ::ImpresorReportes->ImprimeReporte("V_MV_MUTUALES_RECEPCION", {"", ""}, "{V.F} = Date(2024,03,15)",
                                       "DSN=VENTAS; UID=u; PWD=p", "NombreEmpresa = 'ACME'",
                                       "Direccion = 'Calle 1 '", "Localidad = 'Rosario'",
                                       "PARAMETROS = '15/03/2024'", vb::Variant(), "", "", "");
    ::ImpresorReportes->CierraImpresion(20);

    QCOMPARE(recorder->calls.size(), 3);
    const auto& prepare = recorder->calls[0];
    QCOMPARE(prepare.kind, zeltrix::ReportPrinterCall::Prepare);
    QCOMPARE(prepare.list, QStringList(5, QString()));
    QCOMPARE(prepare.option, qint16(5));
    const auto& print = recorder->calls[1];
    QCOMPARE(print.kind, zeltrix::ReportPrinterCall::Print);
    QCOMPARE(print.report, QString("V_MV_MUTUALES_RECEPCION"));
    QCOMPARE(print.list, QStringList({"", ""}));
    QCOMPARE(print.selection, QString("{V.F} = Date(2024,03,15)"));
    QCOMPARE(print.odbc, QString("DSN=VENTAS; UID=u; PWD=p"));
    QCOMPARE(print.formulas.size(), 5);
    QCOMPARE(print.formulas[0].toString(), QString("NombreEmpresa = 'ACME'"));
    QCOMPARE(print.formulas[3].toString(), QString("PARAMETROS = '15/03/2024'"));
    QVERIFY(print.formulas[4].isEmpty());
    QCOMPARE(print.texts, QStringList({"", "", ""}));
    QCOMPARE(print.folder, QString("/opt/prog/"));
    QCOMPARE(recorder->calls[2].kind, zeltrix::ReportPrinterCall::Close);
    QCOMPARE(recorder->calls[2].option, qint16(20));
}

void tst_zeltrix_services::filterCriterionDefaults()
{
    zeltrix::RegCriterio c;
    QVERIFY(c.Desde.isEmpty() && c.Hasta.isEmpty() && c.Campo.isEmpty() && c.Operador.isEmpty());
    QCOMPARE(c.TipoDato, qint16(0));
    QVERIFY(!c.SinRecorte);
}

void tst_zeltrix_services::workstationNames()
{
    QVERIFY(!::InfoEquipo->NombreEquipo().isEmpty());
    const char* names[] = {"USER", "LOGNAME", "USERNAME"};
    QList<std::optional<QByteArray>> saved;
    for (const char* name : names)
        saved.append(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt);

    qputenv("USER", "operador1");
    QCOMPARE(::InfoEquipo->NombreUsuario(), QString("operador1"));
    for (const char* name : names)
        qunsetenv(name);
    QVERIFY(!::InfoEquipo->NombreUsuario().isEmpty());   // from the account database

    for (int i = 0; i < 3; ++i) {
        if (saved[i])
            qputenv(names[i], *saved[i]);
    }
}

void tst_zeltrix_services::alternativeFolderIsWritable()
{
    const QString folder = ::InfoEquipo->CarpetaAlternativa();
    QVERIFY(QFileInfo(folder).isDir());
    QFile probe(QDir(folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + ".tmp"));
    QVERIFY(probe.open(QIODevice::WriteOnly));
    probe.close();
    probe.remove();
}

TESTSUPPORT_MAIN(tst_zeltrix_services)
#include "tst_zeltrix_services.moc"
