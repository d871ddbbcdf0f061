#include "platform/report/ReportEngine.h"
#include "platform/report/ReportQuery.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/SelectionFormula.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <limits>

namespace report {

namespace {

// "NombreEmpresa = 'Farmacia'" → NombreEmpresa, Farmacia. The value is taken between the
// outer quotes; a doubled quote inside it stands for one, as in the formula language.
QHash<QString, QString> assignments(const QList<vb::Variant>& formulas)
{
    QHash<QString, QString> out;
    for (const vb::Variant& f : formulas) {
        if (f.isEmpty() || f.isNull())
            continue;
        const QString text = f.toString();
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = text.left(eq).trimmed().toUpper();
        QString value = text.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('\'') || value.front() == QLatin1Char('"'))
            && value.back() == value.front())
            value = value.mid(1, value.size() - 2).replace(QString(2, value.front()), QString(value.front()));
        out.insert(name, value);
    }
    return out;
}

QString moneyPattern()
{
    const int decimals = vb::Regional().moneyDecimals;
    return decimals > 0 ? QStringLiteral("#,##0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("#,##0");
}

QString shown(const vb::Variant& v, const QString& format)
{
    if (v.isNull() || v.isEmpty())
        return QString();
    if (format == QLatin1String("money"))
        return vb::Format(v, moneyPattern());
    if (!format.isEmpty())
        return vb::Format(v, format);
    if (v.type() == vb::VarType::Date)
        return vb::Format(v, v.toDate().time() == QTime(0, 0) ? QStringLiteral("dd/mm/yyyy")
                                                               : QStringLiteral("dd/mm/yyyy hh:nn"));
    return vb::Trim(v.toString());
}

// The program folder's "reportes" folder, where the operator finds every report printed;
// the user's documents when the program folder cannot be written.
QString outputFolder()
{
    const QString program = vb::App::Path();
    const QString folder = vb::FindFileNoCase(program, QStringLiteral("reportes"));
    if (QDir().mkpath(folder) && QFileInfo(folder).isWritable())
        return folder;
    const QString documents = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QStringLiteral("reportes"));
    QDir().mkpath(documents);
    return documents;
}

QString outputPath(const QString& report)
{
    const QString folder = outputFolder();
    const QString stem = report + QStringLiteral("_") + vb::App::Now().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1_%2.pdf").arg(stem).arg(n));
    return path;
}

void refuse(const ReportDefinition& definition, const QString& selection, const FormulaError& e)
{
    ui::MsgBox(QStringLiteral("No se imprime el reporte \"%1\": su fórmula de selección no se puede usar (%2).\n\n%3")
                   .arg(definition.title, e.message, selection),
               ui::vbCritical, QStringLiteral("Aviso al operador"));
}

QString countText(const ReportDefinition& d, int n)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? d.countOne : d.countMany).trimmed();
}

using Row = QVector<vb::Variant>;

ReportDocument compose(const ReportDefinition& d, const QList<Row>& rows, const QList<int>& columnOf, int groupColumn,
                       const QHash<QString, QString>& formulas)
{
    ReportDocument doc;
    doc.title = d.title;
    doc.printedAt = vb::App::Now();
    doc.orientation = d.orientation;
    for (const HeaderLine& l : d.company)
        if (formulas.contains(l.formula.toUpper()))
            doc.company << DocumentLine{l.caption + formulas.value(l.formula.toUpper()), l.bold};
    for (const HeaderLine& l : d.subtitles)
        if (formulas.contains(l.formula.toUpper()))
            doc.subtitles << l.caption + formulas.value(l.formula.toUpper());
    // Amounts and totals are numbers: their columns fit the largest amount of the suite's
    // screens, -999,999,999.99, and whatever larger number the rows bring.
    const vb::Variant largest(vb::Currency::fromRaw(Q_INT64_C(-9999999999900)));
    for (const ColumnDefinition& c : d.columns) {
        const bool numeric = c.total || c.format == QLatin1String("money");
        doc.columns << DocumentColumn{c.caption, c.width, c.align, numeric,
                                      numeric ? shown(largest, c.format.isEmpty() ? QStringLiteral("money") : c.format)
                                              : QString()};
    }

    const int cols = int(d.columns.size());
    auto totalsRow = [&](DocumentRow::Kind kind, const QString& label, const QVector<vb::Currency>& sums) {
        DocumentRow r;
        r.kind = kind;
        r.label = label;
        for (int c = 0; c < cols; ++c)
            r.cells << (d.columns.at(c).total ? shown(vb::Variant(sums.at(c)), d.columns.at(c).format) : QString());
        return r;
    };

    QVector<vb::Currency> groupSums(cols), grandSums(cols);
    int groupCount = 0;
    QString groupKey;
    for (int i = 0; i < rows.size(); ++i) {
        const Row& row = rows.at(i);
        if (d.grouped) {
            const QString key = shown(row.at(groupColumn), d.group.format);
            if (i == 0 || key != groupKey) {
                if (i > 0)
                    doc.rows << totalsRow(DocumentRow::GroupTotal,
                                          QStringLiteral("%1%2 (%3)").arg(d.group.totalCaption, groupKey,
                                                                          countText(d, groupCount)),
                                          groupSums);
                doc.rows << DocumentRow{DocumentRow::GroupHeading, d.group.caption + key, {}};
                groupKey = key;
                groupCount = 0;
                groupSums.fill(vb::Currency());
            }
        }
        DocumentRow detail;
        for (int c = 0; c < cols; ++c) {
            const vb::Variant& v = row.at(columnOf.at(c));
            detail.cells << shown(v, d.columns.at(c).format);
            if (d.columns.at(c).total && !v.isNull() && !v.isEmpty()) {
                groupSums[c] += vb::CCur(v);
                grandSums[c] += vb::CCur(v);
            }
        }
        doc.rows << detail;
        ++groupCount;
    }
    if (d.grouped && !rows.isEmpty())
        doc.rows << totalsRow(DocumentRow::GroupTotal,
                              QStringLiteral("%1%2 (%3)").arg(d.group.totalCaption, groupKey, countText(d, groupCount)),
                              groupSums);
    if (rows.isEmpty())
        doc.rows << DocumentRow{DocumentRow::Empty, d.emptyText, {}};
    doc.rows << totalsRow(DocumentRow::GrandTotal,
                          QStringLiteral("%1 (%2)").arg(d.grandTotalCaption, countText(d, int(rows.size()))),
                          grandSums);
    return doc;
}

} // namespace

ReportEngine::ReportEngine(ConnectionSource connection)
    : connection_(std::move(connection)), preview_(&ReportEngine::WorkstationPreview)
{
}

void ReportEngine::SetConnection(ConnectionSource connection) { connection_ = std::move(connection); }

void ReportEngine::SetPreview(Preview preview) { preview_ = std::move(preview); }

void ReportEngine::WorkstationPreview(const ReportDocument& document)
{
    const QString platform = QGuiApplication::platformName();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || platform == QLatin1String("offscreen")
        || platform == QLatin1String("minimal"))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.title);
    QPrintPreviewDialog dialog(&printer);
    dialog.setObjectName(QStringLiteral("VistaPreviaReporte"));
    dialog.setWindowTitle(document.title);
    dialog.resize(1000, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { document.paint(target); });
    ui::ShowModal(dialog);
}

void ReportEngine::PreparaImpresion(const QStringList&, qint16)
{
    lastFile_.clear();
}

void ReportEngine::ImprimeReporte(const QString& Reporte, const QStringList&, const QString& Seleccion,
                                  const QString&, const vb::Variant& Formula1, const vb::Variant& Formula2,
                                  const vb::Variant& Formula3, const vb::Variant& Formula4,
                                  const vb::Variant& Formula5, const QString&, const QString&, const QString&)
{
    lastFile_.clear();
    const QString folder = CarpetaReportes.isEmpty() ? vb::App::Path() : CarpetaReportes;
    const ReportDefinition definition = ReportDefinition::load(folder, Reporte);

    SelectionFormula selection;
    try {
        selection = SelectionFormula::parse(Seleccion, definition.table);
    } catch (const FormulaError& e) {
        refuse(definition, Seleccion, e);
        return;
    }

    ado::Connection* cnn = connection_ ? connection_() : nullptr;
    if (!cnn || cnn->State() != ado::adStateOpen)
        vb::Raise(ado::adErrInvalidConnection,
                  QStringLiteral("El reporte %1 necesita la conexión abierta con la base de datos").arg(Reporte));

    // A definition whose query the database does not run is told naming its file.
    ado::Recordset rs;
    try {
        rs = ReadReportRows(*cnn, definition.query, selection);
    } catch (const vb::VbError& e) {
        vb::VbError named = e;
        named.Description = QStringLiteral("La consulta del reporte %1 no se puede ejecutar: %2").arg(definition.file, e.Description);
        throw named;
    }
    QStringList names;
    for (int i = 0; i < rs.Fields().Count(); ++i)
        names << rs.Fields(i).Name();
    auto column = [&names](const QString& name) {
        for (int i = 0; i < names.size(); ++i)
            if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    QList<int> columnOf;
    for (const ColumnDefinition& c : definition.columns) {
        columnOf << column(c.field);
        if (columnOf.back() < 0)
            vb::Raise(ErrInvalidFileFormat,
                      QStringLiteral("La consulta del reporte %1 no trae el campo %2").arg(definition.file, c.field));
    }
    const int groupColumn = definition.grouped ? column(definition.group.field) : -1;
    if (definition.grouped && groupColumn < 0)
        vb::Raise(ErrInvalidFileFormat, QStringLiteral("La consulta del reporte %1 no trae el campo %2")
                                            .arg(definition.file, definition.group.field));

    QList<Row> rows;
    try {
        selection.bind(column);
        const int n = int(names.size());
        while (!rs.EOF()) {
            Row row(n);
            for (int i = 0; i < n; ++i)
                row[i] = rs.Fields(i).Value();
            if (selection.matches([&row](int c) { return row.at(c); }))
                rows << row;
            rs.MoveNext();
        }
    } catch (const FormulaError& e) {
        rs.Close();
        refuse(definition, Seleccion, e);
        return;
    }
    rs.Close();

    ReportDocument document;
    try {
        document =
            compose(definition, rows, columnOf, groupColumn, assignments({Formula1, Formula2, Formula3, Formula4, Formula5}));
    } catch (const vb::VbError& e) {
        if (e.Number != vb::ErrOverflow)
            throw;
        // A total no amount can hold would print wrong: nothing is printed.
        ui::MsgBox(QStringLiteral("No se imprime el reporte \"%1\": sus importes suman más de lo que un importe puede "
                                  "guardar (%2). Acote la selección.")
                       .arg(definition.title, shown(vb::Variant(vb::Currency::fromRaw(std::numeric_limits<qint64>::max())),
                                                    QStringLiteral("money"))),
                   ui::vbCritical, QStringLiteral("Aviso al operador"));
        return;
    }
    const QString path = outputPath(Reporte);
    document.writePdf(path);
    lastFile_ = path;
    if (preview_)
        preview_(document);
}

void ReportEngine::CierraImpresion(qint16)
{
}

} // namespace report
