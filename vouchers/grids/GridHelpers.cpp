#include "vouchers/grids/GridHelpers.h"

#include "data/DbTrap.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/GridColumns.h"

#include <QRegularExpression>
#include <limits>

namespace vouchergrids {

ui::FlexGrid& Need(ui::FlexGrid* grid)
{
    if (!grid)
        vb::Raise(91);
    return *grid;
}

QString FieldText(ado::Recordset& rs, const QString& name)
{
    return Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(name)));
}

QString Literal(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

namespace {

[[noreturn]] void outOfRange(const QString& name, const QString& text)
{
    vb::Raise(vb::ErrOverflow, name + QLatin1Char(' ') + vb::Trim(text) + QStringLiteral(" está fuera de rango"));
}

} // namespace

qint32 Complemento(const QString& IdComplemento)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = vb::Trim(IdComplemento);
    if (!wholeNumber.match(text).hasMatch())
        return 0;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        outOfRange(QStringLiteral("El complemento"), text);
    return qint32(value);
}

QString ComplementLiteral(const QString& IdComplemento)
{
    return QString::number(Complemento(IdComplemento));
}

QString MoneyLiteral(const QString& text, const QString& name)
{
    try {
        return Utilidades->TextoAMoneda(text).toString();
    } catch (const vb::VbError& e) {
        if (e.Number != vb::ErrOverflow)
            throw;
        outOfRange(name, text);
    }
}

qint16 LineasPorHoja(const QString& cantLineas)
{
    const qint16 lineas = vb::CInt(vb::Variant(Utilidades->TextoAMoneda(cantLineas)));
    return lineas > 0 ? lineas : qint16(0);
}

bool SwitchOn(const QString& value)
{
    return value.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

bool SameCode(const QString& a, const QString& b)
{
    return vb::Trim(a).compare(vb::Trim(b), Qt::CaseInsensitive) == 0;
}

bool IsFilled(const ui::FlexGrid& grid, int row)
{
    return !vb::Trim(grid.TextMatrix(row, ColItem::Codigo)).isEmpty();
}

bool RunSteps(const DbTrap& trap, std::initializer_list<std::function<void()>> statements)
{
    for (const auto& statement : statements)
        if (!trap(statement))
            return false;
    return true;
}

bool ForFilledRows(const DbTrap& trap, ui::FlexGrid* grid,
                   std::initializer_list<std::function<void(int row)>> statements)
{
    if (!grid)
        return true;
    for (int row = 1; row < grid->Rows(); ++row) {
        bool filled = false;
        if (!trap([&] { filled = IsFilled(*grid, row); }))
            return false;
        if (!filled)
            continue;
        for (const auto& statement : statements)
            if (!trap([&] { statement(row); }))
                return false;
    }
    return true;
}

void ResumeNext(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const vb::VbError&) {
    }
}

} // namespace vouchergrids
