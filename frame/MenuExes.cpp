// MenuExes: the sibling program's command line and its start.
#include "frame/MenuExes.h"
#include "data/DB_Dll.h"
#include "frame/ManejaError.h"
#include "frame/Startup.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

SiblingStarter& starter()
{
    static SiblingStarter s;
    return s;
}

bool startDetached(const QString& program, const QStringList& arguments, qint64* pid)
{
    if (starter())
        return starter()(program, arguments, pid);
    return QProcess::startDetached(program, arguments, vb::App::Path(), pid);
}

QString withoutShellPrefix(const QString& programa)
{
    return programa.startsWith(QLatin1String("SHELL:"), Qt::CaseInsensitive) ? programa.mid(6) : programa;
}

// The name as given when it names a program file; else the program folder's (names from
// Windows may still carry ".exe"); else where the system finds programs.
QString resolveProgram(const QString& name)
{
    if (QFileInfo(name).isFile())
        return name;
    QStringList candidates{name};
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        candidates << name.chopped(4);
    for (const QString& c : candidates) {
        const QString path = vb::FindFileNoCase(vb::App::Path(), c);
        if (QFileInfo(path).isFile())
            return path;
    }
    for (const QString& c : candidates) {
        const QString found = QStandardPaths::findExecutable(c);
        if (!found.isEmpty())
            return found;
    }
    return QDir::cleanPath(vb::App::Path() + QLatin1Char('/') + name);
}

// The program file MenuExes starts for Programa.
QString programFile(const QString& Programa)
{
    const QString name = withoutShellPrefix(Programa);
    const bool fullPath = name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/'));
    return fullPath ? name : resolveProgram(name);
}

} // namespace

bool ExisteProgramaHermano(const QString& Programa)
{
    return QFileInfo(programFile(Programa)).isFile();
}

void SetSiblingStarter(SiblingStarter s)
{
    starter() = std::move(s);
}

void MenuExes(const QString& Programa, QString& Parametros, qint32& IdTarea)
{
    IdTarea = 0;
    const int blank = vb::InStr(Parametros, QStringLiteral(" "));
    if (blank > 0)
        Parametros = vb::Mid(Parametros, blank + 1);

    DB_Dll& db = *gDBPrincipal;
    QString server = db.gServidor;
    // An Oracle connection keeps its mark, so that the sibling opens Oracle too.
    if (vb::InStr(server, QStringLiteral("#")) == 0 && vb::InStr(db.gConnString, QStringLiteral("OraOLEDB"), vb::vbTextCompare) > 0)
        server = QStringLiteral("#") + server;
    const QString context = QStringLiteral(" ; @server=") + server + QStringLiteral("; @dbname=") + db.gDBName
                          + QStringLiteral("; @usuario=") + db.gUsuario + QStringLiteral("; @Password=") + db.gUserPassWord
                          + QStringLiteral("; @ParametroAdicional=") + Parametros + QStringLiteral("; zelt@ ; @UsuarioLogeado = ")
                          + gUsuarioLogeado + QStringLiteral("; @Caja=") + gCaja + QStringLiteral(";");

    const QString program = programFile(Programa);
    // One argument: the sibling reads its arguments joined by blanks, so it gets the text exactly.
    const QStringList arguments{context.mid(1)};

    auto handler = [](const vb::VbError& e, const QString& routine) { return int(ManejaError(e, std::nullopt, routine)); };
    const vb::Step started = vb::guarded(handler, QStringLiteral("MenuExes"), [&] {
        qint64 pid = 0;
        if (!startDetached(program, arguments, &pid))
            vb::Raise(53, vb::StandardDescription(53) + QStringLiteral(": ") + program);
        IdTarea = qint32(pid);
    });
    if (started == vb::Step::Leave)
        return;
    if (IdTarea == 0)
        ui::MsgBox(QStringLiteral("Opcion no Implementada!") + QStringLiteral("\r") + QStringLiteral("Comuniquese con su proveedor de sistemas"),
                   ui::vbCritical, QStringLiteral("Atención"));
}
