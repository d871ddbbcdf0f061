// The query-mask file consultas.qkx: the default file byte for byte and the reading rules.
#include "FrameFixture.h"
#include "frame/ModGlobal.h"
#include "platform/vb/Strings.h"
#include "tests/support/TestMain.h"
#include <QFileInfo>
#include <QTest>

using testsupport::TempProgramFolder;

namespace {

// One record laid out by hand: the fields blank-filled to 100, 100, 500 and 500 bytes.
QByteArray record(const QByteArray& titulo, const QByteArray& vista, const QByteArray& campos, const QByteArray& extra = {})
{
    auto pad = [](QByteArray b, int n) { return b.left(n) + QByteArray(n - qMin(n, int(b.size())), ' '); };
    return pad(titulo, 100) + pad(vista, 100) + pad(campos, 500) + pad(extra, 500) + "\r\n";
}

QString maskPath(const TempProgramFolder& folder)
{
    return folder.filePath(QStringLiteral("consultas.qkx"));
}

} // namespace

class TstFrameQueryMasks : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void defaultFileByteForByte()
    {
        TempProgramFolder folder;
        CreaMascarasConsultas(maskPath(folder));
        const QByteArray expected =
            record("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|")
            + record("CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|")
            + record("PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|")
            + record("CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|")
            + record("VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|")
            + record("TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|")
            + record("MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|")
            + record("CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|")
            + record("TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|")
            + record("UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|")
            + record("DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|");
        const QByteArray written = folder.read(QStringLiteral("consultas.qkx"));
        QCOMPARE(written.size(), 13222);
        QCOMPARE(written, expected);
        QCOMPARE(written.left(100), QByteArray("ARTICULOS") + QByteArray(91, ' '));
    }

    void appendsAfterTheLastWholeRecord()
    {
        TempProgramFolder folder;
        const QByteArray own = record("PROPIA", "MI_VISTA", "|A|");
        folder.write(QStringLiteral("consultas.qkx"), own + "partial");
        CreaMascarasConsultas(maskPath(folder));
        const QByteArray written = folder.read(QStringLiteral("consultas.qkx"));
        QCOMPARE(written.size(), 12 * 1202);
        QCOMPARE(written.left(1202), own);
        QCOMPARE(written.mid(1202, 9), QByteArray("ARTICULOS"));
    }

    void unwritableFolderRaises()
    {
        TempProgramFolder folder;
        QVERIFY_THROWS_EXCEPTION(vb::VbError, CreaMascarasConsultas(folder.filePath(QStringLiteral("no/such/folder/consultas.qkx"))));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("campos");
        QTest::addColumn<QString>("condicion");
        QTest::newRow("articles") << "V_MA_ARTICULOS" << true << "V_MA_ARTICULOS" << "DESCRIPCION,IDARTICULO" << "";
        QTest::newRow("any case, the record's name") << "v_ta_unidadnegocio" << true << "V_TA_UnidadNegocio" << "Descripcion,Codigo" << "";
        QTest::newRow("blank after the name") << "V_TA_TAREAS " << true << "V_TA_Tareas" << "Descripcion,IdTarea" << "";
        QTest::newRow("markers after the view") << "MARCADA" << true << "MARCADA" << "X,Y" << "Activo = 1";
        QTest::newRow("blank column list") << "SIN_CAMPOS" << true << "SIN_CAMPOS" << "*" << "";
        QTest::newRow("first of two") << "DOBLE" << true << "DOBLE" << "PRIMERA" << "";
        QTest::newRow("none") << "NO_HAY" << false << "" << "" << "";
        QTest::newRow("partial record ignored") << "PARCIAL" << false << "" << "" << "";
    }
    void lookup()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, found);
        QFETCH(QString, tabla);
        QFETCH(QString, campos);
        QFETCH(QString, condicion);
        TempProgramFolder folder;
        CreaMascarasConsultas(maskPath(folder));
        QByteArray more = record("M", "MARCADA" + QByteArray(1, '\0') + QByteArray(1, char(0xFF)), "|X|Y|",
                                 QByteArray(" Activo = 1") + QByteArray(1, '\0'))
                        + record("S", "SIN_CAMPOS", "") + record("D1", "DOBLE", "|PRIMERA|") + record("D2", "doble", "|SEGUNDA|");
        more += record("P", "PARCIAL", "|Z|").left(600);
        QFile f(maskPath(folder));
        QVERIFY(f.open(QIODevice::Append));
        f.write(more);
        f.close();
        MascaraConsulta m;
        QCOMPARE(BuscaMascaraConsulta(maskPath(folder), nombre, m), found);
        QCOMPARE(m.Tabla, tabla);
        QCOMPARE(m.Campos, campos);
        QCOMPARE(m.Condicion, condicion);
    }

    void fileNameInAnyCase()
    {
        TempProgramFolder folder;
        CreaMascarasConsultas(folder.filePath(QStringLiteral("CONSULTAS.QKX")));
        MascaraConsulta m;
        QVERIFY(BuscaMascaraConsulta(maskPath(folder), QStringLiteral("MA_CUENTAS"), m));
        QCOMPARE(m.Campos, QStringLiteral("DESCRIPCION,CODIGO"));
        QVERIFY(!BuscaMascaraConsulta(folder.filePath(QStringLiteral("otra.qkx")), QStringLiteral("MA_CUENTAS"), m));
    }
};

TESTSUPPORT_MAIN(TstFrameQueryMasks)
#include "tst_frame_querymasks.moc"
