// Dates the operator picks and dates written into report formulas.
#include "platform/zeltrix/Utilidades.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

namespace zeltrix {

QString Utilidades::PideFecha() const
{
    const QDate picked = ui::PickDate(QStringLiteral("Seleccione la fecha"), vb::App::Now().date());
    if (!picked.isValid())
        return QString();
    return picked.toString(QStringLiteral("dd/MM/yyyy"));
}

// Our report formula language writes a date as Date(year,month,day); any time of day
// in the text is dropped.
QString Utilidades::FechaReporte(const QString& Fecha) const
{
    QDateTime when;
    if (!vb::ParseDate(vb::Trim(Fecha), when))
        vb::Raise(vb::ErrTypeMismatch);
    const QDate d = when.date();
    return QStringLiteral("Date(%1,%2,%3)")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'));
}

} // namespace zeltrix
