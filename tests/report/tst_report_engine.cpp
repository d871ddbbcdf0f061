// The report printer on a database built from the schema and the demo data: the rows the
// reception's selection formulas select, the PDF it writes, and what it refuses to print.
#include "frame/ArmaFiltro.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportEngine.h"
#include "platform/ui/Operator.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/SourceTree.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using report::ReportDocument;
using report::ReportEngine;

namespace {

const QString Report = QStringLiteral("V_MV_MUTUALES_RECEPCION");
const QString Pending = QStringLiteral(" (ISNULL({V_MV_MUTUALES.FACTURA}) OR {V_MV_MUTUALES.FACTURA}='' ) ");

QString sourceText(const QString& relative)
{
    QFile f(testsupport::SourcePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(relative));
    return QString::fromUtf8(f.readAll());
}

// A program folder with the report definition and a database of the schema and demo data.
struct Fixture {
    testsupport::TempProgramFolder folder;
    testsupport::FixedClock clock{2026, 12, 9, 18, 30, 0};
    testsupport::RegionalPin regional;
    testsupport::ScriptedOperator operador;
    ado::Connection cnn;
    ReportEngine engine{[this] { return &cnn; }};
    QList<ReportDocument> previews;

    Fixture()
    {
        folder.write(QStringLiteral("test.db"), QByteArray());
        cnn.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=\"%1\"").arg(folder.filePath("test.db")));
        cnn.Execute(sourceText(QStringLiteral("db/schema.sql")));
        cnn.Execute(sourceText(QStringLiteral("db/demo.sql")));
        folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        engine.CarpetaReportes = folder.path();
        engine.SetPreview([this](const ReportDocument& d) { previews << d; });
    }

    // The calls the reception makes, in its order.
    void print(zeltrix::ImpresorReportes& printer, const QString& selection,
               const QString& parametros = QStringLiteral("01/12/2026"))
    {
        printer.PreparaImpresion(QStringList(5), 5);
        printer.ImprimeReporte(Report, QStringList{QString(), QString()}, selection,
                               QStringLiteral("DSN=test.db; UID=admin; PWD=secreta"),
                               QStringLiteral("NombreEmpresa = 'Farmacia San Martín S.R.L.'"),
                               QStringLiteral("Direccion = 'Av. General Paz 1234 PB'"),
                               QStringLiteral("Localidad = 'Córdoba (5000)'"),
                               QStringLiteral("PARAMETROS = '%1'").arg(parametros), vb::Variant(), QString(),
                               QString(), QString());
        printer.CierraImpresion(20);
    }
    void print(const QString& selection, const QString& parametros = QStringLiteral("01/12/2026"))
    {
        print(engine, selection, parametros);
    }

    QStringList printedVouchers() const
    {
        QStringList out;
        for (const report::DocumentRow& r : previews.last().rows)
            if (r.kind == report::DocumentRow::Detail)
                out << r.cells.at(3);
        return out;
    }

    QStringList writtenFiles() const
    {
        return QDir(folder.filePath(QStringLiteral("reportes"))).entryList(QDir::Files);
    }

    // Two more reception days with `perDay` vouchers each, before the demo's days.
    void addDays(int days, int perDay)
    {
        QString batch;
        for (int d = 0; d < days; ++d)
            for (int i = 0; i < perDay; ++i)
                batch += QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, "
                                        "FECHACOMPROBANTE, FECHARECEPCION, USUARIO, UNEGOCIO) VALUES ('110303', "
                                        "'L-%1-%2', 100.25, 'Recetas lote', '2026-11-%3 00:00:00', "
                                        "'2026-11-%3 00:00:00', 'Vandrel', '   1');\n")
                             .arg(d + 1).arg(i + 1, 3, 10, QLatin1Char('0')).arg(d + 10);
        cnn.Execute(batch);
    }
};

QString pdfText(const QString& path, int page = 0)
{
    QProcess p;
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    p.start(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString criteriaFormula(const QList<zeltrix::RegCriterio>& criteria)
{
    QString formula;
    vb::Variant message;
    ArmaFiltro(criteria, formula, &message);
    return formula;
}

zeltrix::RegCriterio criterion(const QString& desde, const QString& hasta, const QString& campo, qint16 tipo)
{
    zeltrix::RegCriterio c;
    c.Desde = desde;
    c.Hasta = hasta;
    c.Campo = campo;
    c.TipoDato = tipo;
    c.SinRecorte = tipo != 7;
    return c;
}

// The reception's filter rows: dates, account, business unit.
QString receptionFilter(const QString& from, const QString& to, const QString& account, const QString& unit = QString())
{
    return criteriaFormula({criterion(from, to, QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION}"), 7),
                            criterion(account, account, QStringLiteral("{V_MV_MUTUALES.CUENTA}"), 129),
                            criterion(unit, unit, QStringLiteral("{V_MV_MUTUALES.UNEGOCIO}"), 129)});
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT

private slots:
    void selectsRows_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QStringList>("vouchers");

        const QString day1 = QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION} =Date(2026,12,01)");
        QTest::newRow("reception date, no filter") << day1 << QStringList{"0001-00045872", "0003-00012009"};
        QTest::newRow("a day without vouchers") << "{V_MV_MUTUALES.FECHARECEPCION} =Date(2026,12,02)" << QStringList{};
        QTest::newRow("date range") << receptionFilter("02/12/2026", "07/12/2026", "")
                                    << QStringList{"RD-2026-11874", "0001-00046110"};
        QTest::newRow("first date only") << receptionFilter("04/12/2026", "", "")
                                         << QStringList{"RD-2026-11874", "0001-00046110"};
        QTest::newRow("account without dates") << receptionFilter("", "", "110301")
                                               << QStringList{"0001-00045872", "0001-00046110"};
        QTest::newRow("account within dates") << receptionFilter("01/12/2026", "05/12/2026", "110301")
                                              << QStringList{"0001-00045872"};
        QTest::newRow("pending on the reception date") << day1 + " AND " + Pending << QStringList{"0003-00012009"};
        QTest::newRow("pending alone") << Pending
                                       << QStringList{"0003-00012009", "RD-2026-11874", "0001-00046110"};
        QTest::newRow("no formula: every voucher")
            << "" << QStringList{"0001-00045872", "0003-00012009", "RD-2026-11874", "0001-00046110"};
    }

    void selectsRows()
    {
        QFETCH(QString, selection);
        QFETCH(QStringList, vouchers);
        Fixture f;
        f.print(selection);
        QCOMPARE(f.previews.size(), 1);
        QCOMPARE(f.printedVouchers(), vouchers);
        QVERIFY(QFileInfo::exists(f.engine.lastFile()));
    }

    // Printed the way the program prints: through the program-wide printer object.
    void pdfCarriesHeaderRowsAndTotals()
    {
        Fixture f;
        auto* engine = new ReportEngine([&f] { return &f.cnn; });
        engine->SetPreview({});
        ImpresorReportes.set(std::unique_ptr<zeltrix::ImpresorReportes>(engine));
        ImpresorReportes->CarpetaReportes = f.folder.path();
        f.print(*ImpresorReportes, receptionFilter("01/12/2026", "07/12/2026", ""),
                QStringLiteral("01/12/2026 hasta 07/12/2026"));
        const QString file = engine->lastFile();
        ImpresorReportes.reset();

        QCOMPARE(QFileInfo(file).absoluteFilePath(),
                 QFileInfo(f.folder.filePath("reportes/V_MV_MUTUALES_RECEPCION_20261209_183000.pdf")).absoluteFilePath());
        const QString text = pdfText(file);
        for (const QString& expected : {
                 QStringLiteral("Recepción de comprobantes de mutuales"),
                 QStringLiteral("Farmacia San Martín S.R.L."),
                 QStringLiteral("Av. General Paz 1234 PB"),
                 QStringLiteral("Córdoba (5000)"),
                 QStringLiteral("Período: 01/12/2026 hasta 07/12/2026"),
                 QStringLiteral("Impreso el 09/12/2026 18:30"),
                 QStringLiteral("Página 1 de 1"),
                 QStringLiteral("Recibidos el 01/12/2026"),
                 QStringLiteral("Mutual Policial de Córdoba"),
                 QStringLiteral("0001-00045872"),
                 QStringLiteral("18,540.50"),
                 QStringLiteral("000100000125A"),
                 QStringLiteral("Recetas sucursal Nueva Córdoba"),
                 QStringLiteral("Total del 01/12/2026 (2 comprobantes)"),
                 QStringLiteral("25,865.50"),
                 QStringLiteral("Total del 04/12/2026 (1 comprobante)"),
                 QStringLiteral("Total general (4 comprobantes)"),
                 QStringLiteral("43,266.25"),
             }) {
            if (!text.contains(expected))
                QFAIL(qPrintable(QStringLiteral("\"%1\" is not in the PDF:\n%2").arg(expected, text)));
        }
        // Rows keep the query's order: reception date, then the order of reception.
        QVERIFY(text.indexOf("0001-00045872") < text.indexOf("0003-00012009"));
        QVERIFY(text.indexOf("0003-00012009") < text.indexOf("RD-2026-11874"));
    }

    void longReportNumbersItsPagesAndRepeatsTheHeader()
    {
        Fixture f;
        f.addDays(4, 40);
        f.print(QString());
        const QString file = f.engine.lastFile();
        const QString all = pdfText(file);
        const QRegularExpression pages(QStringLiteral("Página 1 de (\\d+)"));
        const auto m = pages.match(all);
        QVERIFY2(m.hasMatch(), qPrintable(all.left(2000)));
        const int count = m.captured(1).toInt();
        QVERIFY2(count >= 3, qPrintable(QString::number(count)));
        for (int page = 1; page <= count; ++page) {
            const QString text = pdfText(file, page);
            QVERIFY(text.contains(QStringLiteral("Página %1 de %2").arg(page).arg(count)));
            QVERIFY(text.contains(QStringLiteral("Recepción de comprobantes de mutuales")));
            QVERIFY(text.contains(QStringLiteral("Farmacia San Martín S.R.L.")));
            QVERIFY(text.contains(QStringLiteral("Comprobante")));   // the column headings
            QVERIFY(text.contains(QStringLiteral("Impreso el 09/12/2026 18:30")));
        }
        const QString last = pdfText(file, count);
        QVERIFY(last.contains(QStringLiteral("Total general (164 comprobantes)")));
        QVERIFY(last.contains(QStringLiteral("59,306.25")));   // 160 × 100.25 + 43,266.25
        QVERIFY(all.contains(QStringLiteral("Total del 10/11/2026 (40 comprobantes)")));
        QVERIFY(all.contains(QStringLiteral("4,010.00")));
    }

    void headerShowsFormulaValuesAsGiven()
    {
        Fixture f;
        f.engine.ImprimeReporte(Report, {QString(), QString()}, QString(), QString(),
                                QStringLiteral("NombreEmpresa = ' '"),
                                QStringLiteral("Direccion = 'O'Higgins 120  '"),
                                QStringLiteral("Localidad='Córdoba'"), QStringLiteral("PARAMETROS = ' hasta '"));
        QCOMPARE(f.previews.size(), 1);
        const ReportDocument& d = f.previews.first();
        QCOMPARE(d.company.size(), 3);
        QCOMPARE(d.company.at(0).text, QStringLiteral(" "));
        QVERIFY(d.company.at(0).bold);
        QCOMPARE(d.company.at(1).text, QStringLiteral("O'Higgins 120  "));
        QCOMPARE(d.company.at(2).text, QStringLiteral("Córdoba"));
        QCOMPARE(d.subtitles, QStringList{QStringLiteral("Período:  hasta ")});
    }

    void emptySelectionPrintsTheNotice()
    {
        Fixture f;
        f.print(QStringLiteral("{V_MV_MUTUALES.CUENTA} = 'NOHAY'"));
        const QString text = pdfText(f.engine.lastFile());
        QVERIFY(text.contains(QStringLiteral("No hay comprobantes recibidos para esta selección.")));
        QVERIFY(text.contains(QStringLiteral("Total general (0 comprobantes)")));
    }

    void unusableFormulaIsShownAndNothingPrinted_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("detail");
        QTest::newRow("unreadable") << "{V_MV_MUTUALES.FECHARECEPCION} => Date(2026,12,01)" << "se esperaba un valor";
        QTest::newRow("unknown field") << "{V_MV_MUTUALES.FECHA} = Date(2026,12,01)" << "no tiene el campo FECHA";
        QTest::newRow("another table") << "{MV_ASIENTOS.CUENTA} = '1104'" << "no es de la tabla V_MV_MUTUALES";
        QTest::newRow("text against a date, met on the rows")
            << "{V_MV_MUTUALES.CUENTA} = Date(2026,12,01)" << "no se puede comparar";
    }

    void unusableFormulaIsShownAndNothingPrinted()
    {
        QFETCH(QString, selection);
        QFETCH(QString, detail);
        Fixture f;
        f.operador.expectMsgBox(detail, ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        f.print(selection);
        QVERIFY(f.operador.shown().last().text.contains(selection));
        QVERIFY(f.operador.shown().last().text.contains(QStringLiteral("No se imprime el reporte")));
        QVERIFY(f.previews.isEmpty());
        QVERIFY(f.engine.lastFile().isEmpty());
        QVERIFY(f.writtenFiles().isEmpty());
    }

    void failuresReachTheCaller_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("error");
        QTest::newRow("no definition") << "definition" << 53;
        QTest::newRow("closed connection") << "closed" << 3709;
        QTest::newRow("no connection") << "none" << 3709;
    }

    void failuresReachTheCaller()
    {
        QFETCH(QString, failure);
        QFETCH(int, error);
        Fixture f;
        if (failure == QLatin1String("definition"))
            QFile::remove(f.folder.filePath("V_MV_MUTUALES_RECEPCION.json"));
        if (failure == QLatin1String("closed"))
            f.cnn.Close();
        if (failure == QLatin1String("none"))
            f.engine.SetConnection({});
        try {
            f.print(QString());
            QFAIL("no error raised");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, error);
        }
        QVERIFY(f.writtenFiles().isEmpty());
    }

    // A definition that cannot be read or run raises an error that names its file, never
    // 5 (which the reception's toolbar trap passes over without a word); nothing is printed.
    void unsoundDefinitionNamesItsFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("detail");
        const QByteArray columns = R"("columns": [{"field": "CUENTA"}])";
        QTest::newRow("garbage") << QByteArray("garbage {") << 321 << "no es válida";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << 321 << "no es un objeto JSON";
        QTest::newRow("no columns") << QByteArray(R"({"title": "T", "table": "V_MV_MUTUALES", "query": "SELECT * FROM V_MV_MUTUALES"})")
                                    << 321 << "no tiene columnas";
        QTest::newRow("a column the query does not bring")
            << QByteArray(R"({"title": "T", "table": "V_MV_MUTUALES", "query": "SELECT CUENTA FROM V_MV_MUTUALES", "columns": [{"field": "NADA"}]})")
            << 321 << "no trae el campo NADA";
        QTest::newRow("a query the database does not run")
            << QByteArray(R"({"title": "T", "table": "V_MV_MUTUALES", "query": "SELECT * FROM NO_EXISTE", )" + columns + "}")
            << -2147217865 << "no se puede ejecutar";
    }
    void unsoundDefinitionNamesItsFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, error);
        QFETCH(QString, detail);
        Fixture f;
        f.folder.write(QStringLiteral("V_MV_MUTUALES_RECEPCION.json"), json);
        try {
            f.print(QString());
            QFAIL("no error raised");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, error);
            QVERIFY2(e.Description.contains(f.folder.filePath(QStringLiteral("V_MV_MUTUALES_RECEPCION.json"))),
                     qPrintable(e.Description));
            QVERIFY2(e.Description.contains(detail), qPrintable(e.Description));
        }
        QVERIFY(f.previews.isEmpty());
        QVERIFY(f.writtenFiles().isEmpty());
    }

    void definitionFileNameIgnoresCase()
    {
        Fixture f;
        QFile::rename(f.folder.filePath("V_MV_MUTUALES_RECEPCION.json"), f.folder.filePath("v_mv_mutuales_recepcion.JSON"));
        f.print(QString());
        QCOMPARE(f.printedVouchers().size(), 4);
    }

    void secondReportInTheSameSecondKeepsTheFirst()
    {
        Fixture f;
        f.print(QString());
        f.print(QString());
        QCOMPARE(f.writtenFiles(), (QStringList{"V_MV_MUTUALES_RECEPCION_20261209_183000.pdf",
                                                "V_MV_MUTUALES_RECEPCION_20261209_183000_2.pdf"}));
    }
};

TESTSUPPORT_MAIN(TestReportEngine)
#include "tst_report_engine.moc"
