#include "platform/report/ReportDefinition.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

constexpr int ErrFileNotFound = 53;

[[noreturn]] void unsound(const QString& name, const QString& what)
{
    vb::Raise(ErrInvalidFileFormat, QStringLiteral("La definición del reporte %1 no es válida: %2").arg(name, what));
}

QString text(const QJsonObject& o, const char* key, const QString& name, bool required = false)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        if (required)
            unsound(name, QStringLiteral("falta \"%1\"").arg(QLatin1String(key)));
        return QString();
    }
    if (!v.isString())
        unsound(name, QStringLiteral("\"%1\" debe ser un texto").arg(QLatin1String(key)));
    return v.toString();
}

QList<HeaderLine> headerLines(const QJsonObject& o, const char* key, const QString& name)
{
    QList<HeaderLine> lines;
    for (const QJsonValue& v : o.value(QLatin1String(key)).toArray()) {
        if (!v.isObject())
            unsound(name, QStringLiteral("cada línea de \"%1\" es un objeto").arg(QLatin1String(key)));
        const QJsonObject l = v.toObject();
        HeaderLine line;
        line.caption = text(l, "caption", name);
        line.formula = text(l, "formula", name, true);
        line.bold = l.value(QLatin1String("bold")).toBool();
        lines << line;
    }
    return lines;
}

Qt::Alignment alignment(const QString& value, const QString& name)
{
    if (value.isEmpty() || value == QLatin1String("left"))
        return Qt::AlignLeft;
    if (value == QLatin1String("right"))
        return Qt::AlignRight;
    if (value == QLatin1String("center"))
        return Qt::AlignHCenter;
    unsound(name, QStringLiteral("alineación desconocida \"%1\"").arg(value));
}

} // namespace

ReportDefinition ReportDefinition::load(const QString& folder, const QString& name)
{
    const QString fileName = name + QStringLiteral(".json");
    if (!vb::FileExistsNoCase(folder, fileName))
        vb::Raise(ErrFileNotFound, QStringLiteral("No se encuentra la definición del reporte %1 en %2").arg(name, folder));
    QFile f(vb::FindFileNoCase(folder, fileName));
    if (!f.open(QIODevice::ReadOnly))
        vb::Raise(ErrFileNotFound, QStringLiteral("No se puede leer %1: %2").arg(f.fileName(), f.errorString()));
    const QString file = QDir::cleanPath(f.fileName());
    ReportDefinition d = fromJson(f.readAll(), file);
    d.file = file;
    return d;
}

ReportDefinition ReportDefinition::fromJson(const QByteArray& json, const QString& name)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        unsound(name, error.errorString());
    if (!doc.isObject())
        unsound(name, QStringLiteral("no es un objeto JSON"));
    const QJsonObject o = doc.object();

    ReportDefinition d;
    d.title = text(o, "title", name, true);
    d.table = text(o, "table", name, true);
    d.query = text(o, "query", name, true);
    const QString orientation = text(o, "orientation", name);
    if (orientation == QLatin1String("landscape"))
        d.orientation = QPageLayout::Landscape;
    else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
        unsound(name, QStringLiteral("orientación desconocida \"%1\"").arg(orientation));

    const QJsonArray columns = o.value(QLatin1String("columns")).toArray();
    if (columns.isEmpty())
        unsound(name, QStringLiteral("no tiene columnas"));
    for (const QJsonValue& v : columns) {
        const QJsonObject c = v.toObject();
        ColumnDefinition col;
        col.caption = text(c, "caption", name);
        col.field = text(c, "field", name, true);
        col.width = c.value(QLatin1String("width")).toDouble(10);
        if (col.width <= 0)
            unsound(name, QStringLiteral("el ancho de %1 debe ser positivo").arg(col.field));
        col.align = alignment(text(c, "align", name), name);
        col.format = text(c, "format", name);
        col.total = c.value(QLatin1String("total")).toBool();
        d.columns << col;
    }

    d.company = headerLines(o, "company", name);
    d.subtitles = headerLines(o, "subtitles", name);

    const QJsonValue group = o.value(QLatin1String("group"));
    if (group.isObject()) {
        const QJsonObject g = group.toObject();
        d.grouped = true;
        d.group.field = text(g, "field", name, true);
        d.group.format = text(g, "format", name);
        d.group.caption = text(g, "caption", name);
        d.group.totalCaption = text(g, "totalCaption", name);
    }
    d.grandTotalCaption = text(o, "grandTotalCaption", name);
    const QJsonObject count = o.value(QLatin1String("count")).toObject();
    d.countOne = text(count, "one", name);
    d.countMany = text(count, "many", name);
    d.emptyText = text(o, "emptyText", name);
    return d;
}

} // namespace report
