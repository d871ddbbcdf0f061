#include "vouchers/grids/GridHelpers.h"

#include "data/DbTrap.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/GridColumns.h"

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
