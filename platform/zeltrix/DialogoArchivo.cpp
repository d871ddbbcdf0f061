#include "platform/zeltrix/DialogoArchivo.h"
#include "platform/ui/Operator.h"
#include <QStringList>

namespace zeltrix {

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList pairs;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
        pairs.append(parts.at(i).trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return pairs.join(QStringLiteral(";;"));
}

void DialogoArchivo::ShowOpen()
{
    FileName = ui::OpenFileName(DialogTitle, QtFileFilter(Filter));
    Cancelado = FileName.isEmpty();
}

} // namespace zeltrix
