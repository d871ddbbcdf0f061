#include "platform/zeltrix/InfoEquipo.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace zeltrix {

QString InfoEquipo::NombreEquipo() const
{
    return QSysInfo::machineHostName();
}

// The session's variables first, as Windows gives the session's user; the account
// database when a bare environment (a service, a container) has none.
QString InfoEquipo::NombreUsuario() const
{
    for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(name).trimmed();
        if (!value.isEmpty())
            return value;
    }
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString();
}

QString InfoEquipo::CarpetaAlternativa() const
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache) && QFileInfo(cache).isWritable())
        return cache;
    return QDir::tempPath();
}

} // namespace zeltrix
