#include "frame/ManejaError.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/ErrorReport.h"
#include "platform/zeltrix/Services.h"
#include <QFile>
#include <QProcessEnvironment>

namespace {

const QString kTitleTail = QStringLiteral(" Aviso al operador!!! - 2 ");

// The temporary folder as Windows names it ("tmp" in any case), then Linux's own.
QString tmpVariable()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        if (name.compare(QLatin1String("tmp"), Qt::CaseInsensitive) == 0 && !vb::Trim(env.value(name)).isEmpty())
            return env.value(name);
    return vb::App::Environ(QStringLiteral("TMPDIR"));
}

} // namespace

QString FrameErrorLog()
{
    QString folder;
    try {
        folder = vb::Trim(tmpVariable());
        if (folder.isEmpty())
            folder = InfoEquipo->CarpetaAlternativa();
        folder = Utilidades->CompletaRuta(folder);
    } catch (const vb::VbError&) {
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return zeltrix::DefaultErrorLog(folder);
}

qint16 ManejaError(const vb::VbError& CodErr, const std::optional<int>& Botones, const std::optional<QString>& Rutina)
{
    const QString logPath = FrameErrorLog();
    // The log is opened (and so created) before anything else, whatever the error.
    {
        QFile log(logPath);
        if (log.open(QIODevice::Append))
            log.close();
    }
    return qint16(zeltrix::ReportError(CodErr, Botones.value_or(18), Rutina, logPath, kTitleTail));
}

void LogErrorSilently(const vb::VbError& CodErr, const QString& Rutina)
{
    // The shared dialog's line, with no box and no answer; an error 0 is no error.
    if (CodErr.Number != 0)
        zeltrix::LogError(CodErr, Rutina, FrameErrorLog());
}
