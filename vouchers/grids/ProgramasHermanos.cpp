#include "vouchers/grids/ProgramasHermanos.h"

#include "platform/vb/App.h"
#include "platform/zeltrix/Services.h"

namespace {

// Whether the running program is named in the key's list (read on every call, so that a
// change of the file counts at once).
bool runningProgramIn(const QString& key)
{
    const QString list = ArchivoIni->LeeIni(QStringLiteral("TZ417qv.INI"), QStringLiteral("Programas"), key, QString());
    const QString running = vb::App::EXEName();
    for (QString name : list.split(QLatin1Char(','))) {
        name = name.trimmed();
        if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            name.chop(4);
        if (!name.isEmpty() && name.compare(running, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool EsProgramaMaestroArticulos()
{
    return runningProgramIn(QStringLiteral("MaestroArticulos"));
}

bool EsProgramaDeVentas()
{
    return runningProgramIn(QStringLiteral("Ventas"));
}
