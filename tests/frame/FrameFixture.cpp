#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/SourceTree.h"
#include <QFile>
#include <QTest>

namespace frametest {

namespace {

QString connectionString(const QString& file)
{
    return QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=") + file;
}

} // namespace

void CreateDatabase(const testsupport::TempProgramFolder& folder, const QString& file, const QStringList& sqlFiles,
                    const QStringList& statements)
{
    folder.write(file, QByteArray());
    ado::Connection cnn;
    cnn.Open(connectionString(file));
    for (const QString& name : sqlFiles) {
        QFile f(testsupport::SourcePath(name));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(f.fileName()));
        cnn.Execute(QString::fromUtf8(f.readAll()));
    }
    for (const QString& s : statements)
        cnn.Execute(s);
    cnn.Close();
}

void CreateDemoDatabases(const testsupport::TempProgramFolder& folder, bool withStatistics)
{
    CreateDatabase(folder, QStringLiteral("demo.sqlite"), {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")});
    if (withStatistics)
        CreateDatabase(folder, QStringLiteral("DE_RIVAVIVUZEDI.sqlite"), {QStringLiteral("db/stats.sql")});
}

void OpenMain(const QString& file, const QString& user)
{
    DB_Dll& d = *gDBPrincipal;
    d.gServidor = QStringLiteral("SQLITE");
    d.gDBName = file;
    d.gUsuario = user;
    d.OpenServerADODB(false, 3, QString(), false, false);
    if (!d.gOpenFlag)
        qFatal("the test database did not open");
}

QList<QVariantList> Query(const QString& file, const QString& sql)
{
    ado::Connection cnn;
    cnn.Open(connectionString(file));
    ado::Recordset rs = cnn.Execute(sql);
    QList<QVariantList> rows;
    while (rs.State() != ado::adStateClosed && !rs.EOF()) {
        QVariantList row;
        for (int i = 0; i < rs.Fields().Count(); ++i)
            row << rs.Fields(i).Value().toQVariant();
        rows << row;
        rs.MoveNext();
    }
    return rows;
}

QVariant Scalar(const QString& file, const QString& sql)
{
    const QList<QVariantList> rows = Query(file, sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

void Exec(const QString& file, const QString& sql)
{
    ado::Connection cnn;
    cnn.Open(connectionString(file));
    cnn.Execute(sql);
}

void ResetProgram()
{
    gDBPrincipal.reset();
    gDBEstadisticas.reset();
    gConfidencialidad = false;
    gTablaConfiguracion.clear();
    gCantidadDecimales.clear();
    gUsaStockUdKg = false;
    gUnidadM3.clear();
    gUnidadBL.clear();
    gUnidadKG.clear();
    gPeriodo = 0;
    gRazonSocialPorUneg = false;
    gMaderera = false;
    gMadTiras.clear();
    gUtilizarFechaDia = false;
    gAsignacionAutomaticaDeLoteING = false;
    gAsignacionAutomaticaDeLoteINGOP = false;
    gUNegocio = QStringLiteral("   1");
    gClaveEstacion.clear();
    gEstiloBarras = vb::Variant();
    gUsuarioLogeado.clear();
    gCaja = QStringLiteral("1");
    gTimeOut = 0;
    gCadenaODBC.clear();
    gIdControlAcceso = 0;
    gVecCampos.clear();
    gVecTotales.clear();
    gVecScript.clear();
    gConsultasSetup = LookupDriverSetup{};
    SetLookupDriverHook({});
    SetProgressNoticeRelease({});
    Utilidades.reset();
    ArchivoIni.reset();
    AyudaEdicion.reset();
    ImpresorReportes.reset();
    InfoEquipo.set(std::make_unique<FixedWorkstation>());
    vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
    vb::App::SetCommand(QString());
}

} // namespace frametest
