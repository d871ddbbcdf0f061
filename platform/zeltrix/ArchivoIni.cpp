// Our own INI reader: Windows reads these files without regard to case and keeps the
// value text as written, which a generic settings reader does not.
#include "platform/zeltrix/ArchivoIni.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace zeltrix {

namespace {

QString locate(const QString& file)
{
    const QFileInfo info(file);
    QString folder = info.path();
    if (info.isRelative())
        folder = (folder == QLatin1String(".")) ? vb::App::Path() : QDir(vb::App::Path()).filePath(folder);
    return vb::FindFileNoCase(folder, info.fileName());
}

} // namespace

QString ArchivoIni::LeeIni(const QString& Archivo, const QString& Seccion, const QString& Clave,
                           const QString& PorDefecto) const
{
    QStringList lines;
    if (Archivo.trimmed().isEmpty() || !vb::ReadLines(locate(Archivo.trimmed()), lines))
        return PorDefecto;
    const QString section = Seccion.trimmed();
    const QString key = Clave.trimmed();
    bool inSection = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            if (close > 0) {
                inSection = QString::compare(line.mid(1, close - 1).trimmed(), section, Qt::CaseInsensitive) == 0;
                continue;
            }
        }
        if (!inSection)
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        // The first occurrence of a key wins, as Windows reads it.
        if (QString::compare(line.left(equals).trimmed(), key, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return PorDefecto;
}

} // namespace zeltrix
