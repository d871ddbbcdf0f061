#include "platform/vb/App.h"
#include "platform/vb/Variant.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <optional>
#include <utility>

namespace vb::App {

namespace {
struct Seams {
    std::optional<QString> path;
    std::optional<QString> exeName;
    std::optional<QString> command;
    std::function<QDateTime()> clock;
    std::function<void(int)> endHandler;
    std::function<void()> beforeEnd;
};
Seams& seams()
{
    static Seams s;
    return s;
}
} // namespace

QString Path()
{
    if (seams().path)
        return *seams().path;
    const QString fromEnv = qEnvironmentVariable("RECEPCION_PROGRAM_DIR");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void SetPath(const QString& folder)
{
    seams().path = folder;
}

QString EXEName()
{
    if (seams().exeName)
        return *seams().exeName;
    QString file;
    if (QCoreApplication::instance())
        file = QCoreApplication::applicationFilePath();
    else
        file = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(file).completeBaseName();
}

void SetEXEName(const QString& name)
{
    seams().exeName = name;
}

QString Command()
{
    if (seams().command)
        return *seams().command;
    if (!QCoreApplication::instance())
        return QString();
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    return args.join(QLatin1Char(' '));
}

void SetCommand(const QString& commandLine)
{
    seams().command = commandLine;
}

void SetCommandFromArgs(const QStringList& argsWithoutProgram)
{
    seams().command = argsWithoutProgram.join(QLatin1Char(' '));
}

QDateTime Now()
{
    if (seams().clock)
        return NaiveDate(seams().clock());
    // VB's Now has whole seconds.
    const QDateTime local = QDateTime::currentDateTime();
    const QTime t = local.time();
    return MakeDate(local.date(), QTime(t.hour(), t.minute(), t.second()));
}

void SetClock(std::function<QDateTime()> clock)
{
    seams().clock = std::move(clock);
}

void End(int exitCode)
{
    if (seams().beforeEnd) {
        // once: a second End from inside it must not run it again
        const std::function<void()> last = std::exchange(seams().beforeEnd, {});
        last();
    }
    if (seams().endHandler)
        seams().endHandler(exitCode);   // a test handler throws; if it returns, the process ends
    if (QCoreApplication::instance())
        QCoreApplication::exit(exitCode);
    std::exit(exitCode);
}

void SetEndHandler(std::function<void(int)> handler)
{
    seams().endHandler = std::move(handler);
}

void SetBeforeEnd(std::function<void()> action)
{
    seams().beforeEnd = std::move(action);
}

QString Environ(const QString& name)
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

void ResetAll()
{
    seams() = Seams{};
}

} // namespace vb::App
