// Reading and appending the known-database list BASES.TXT.
#include "data/BasesTxt.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include <QFileInfo>

namespace data {

QString RutaBasesTxt()
{
    // Looked up every time: the program folder is a seam that tests move.
    return vb::FindFileNoCase(vb::App::Path(), QStringLiteral("BASES.TXT"));
}

bool LeeBasesTxt(QList<RegistroBase>& Registros)
{
    Registros.clear();
    const QString path = RutaBasesTxt();
    if (!QFileInfo::exists(path))
        return true;
    QStringList lines;
    if (!vb::ReadLines(path, lines))
        return false;
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() < 5)
            continue;
        Registros.append({vb::Trim(f[0]), vb::Trim(f[1]), vb::Trim(f[2]), vb::Trim(f[3]), vb::Trim(f[4])});
    }
    return true;
}

bool EsCampoValido(const QString& Texto)
{
    return FieldProblem(Texto).isEmpty();
}

QString FieldProblem(const QString& Texto)
{
    if (Texto.contains(QLatin1Char('\r')) || Texto.contains(QLatin1Char('\n')))
        return QStringLiteral("un salto de línea");
    if (Texto.contains(QLatin1Char(',')))
        return QStringLiteral("una coma");
    return QString();
}

} // namespace data

void RegistraBaseEnArchivo(const QString& Clave, const QString& DbName, const QString& Usuario, const QString& Password,
                           const QString& Servidor, bool EsOracle)
{
    const QString server = EsOracle ? Servidor + QStringLiteral("#") : Servidor;
    const QStringList fields{vb::Trim(Clave), vb::Trim(DbName), vb::Trim(Usuario), vb::Trim(Utilidades->CodificaClave(Password)),
                             vb::Trim(server)};
    // The file has no quoting: a separator inside a field would shift every field after it.
    for (const QString& f : fields) {
        const QString problem = data::FieldProblem(f);
        if (!problem.isEmpty())
            vb::Raise(vb::ErrInvalidCall, QStringLiteral("Un dato de la conexion contiene ") + problem + QStringLiteral(": ") + f);
    }
    const QString path = data::RutaBasesTxt();
    if (!vb::AppendLine(path, fields.join(QLatin1Char(','))))
        vb::Raise(75, QString(), path);
}
