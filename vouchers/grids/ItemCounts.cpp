// Item counts, the page-line limit of a printed voucher and the status-bar detail of
// the current row.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/StatusBar.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

#include <functional>
#include <initializer_list>

namespace {

// The status-bar panel that shows the current task or other concept.
constexpr qint32 kPanelDetalle = 4;

// "code - description" of the current row.
QString codeAndDescription(ui::FlexGrid& grid, int descriptionCol)
{
    const int row = grid.Row();
    return vb::Trim(grid.TextMatrix(row, ColItem::Codigo)) + QStringLiteral(" - ")
        + vb::Trim(grid.TextMatrix(row, descriptionCol));
}

} // namespace

bool ClsCmnCptes::ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, ui::FlexGrid* MSFlexGrid1,
                                           ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3, qint16& CantLineas,
                                           qint16& CantLineasUsadas, qint32 Agragarle, bool LineasAnteriores)
{
    if (esElectronica) {
        CantLineas = 0;
        return true;
    }
    const DbTrap trap(QStringLiteral("ValidaCantidadLineasCpte"));
    DB_Dll& db = *gDBPrincipal;
    if (!LineasAnteriores) {
        ado::Recordset rs;
        const bool read = vouchergrids::RunSteps(trap, {
            [&] {
                db.AbrirRecordset(QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC=") + db.SQLValue(TC).toString()
                                      + QStringLiteral(" AND LETRA=") + db.SQLValue(Letra).toString()
                                      + QStringLiteral(" ORDER BY ID"),
                                  rs);
            },
            [&] {
                if (rs.EOF()) {
                    CantLineas = 0;
                    return;
                }
                CantLineas = vouchergrids::LineasPorHoja(vouchergrids::FieldText(rs, QStringLiteral("CantLineas")));
            },
            [&] { db.CierraRecordset(rs); },
        });
        if (!read)
            return false;
    }
    // A limit of 0 or less is none, read or passed in.
    if (CantLineas <= 0)
        return true;

    qint32 used = 0;
    CantLineasUsadas = 0;
    for (ui::FlexGrid* grid : {MSFlexGrid1, MSFlexGrid2, MSFlexGrid3})
        if (!vouchergrids::ForFilledRows(trap, grid, {[&](int) { ++used; }}))
            return false;
    CantLineasUsadas = qint16(qMin<qint32>(used, 32767));
    return qint64(used) + Agragarle <= CantLineas;
}

qint32 ClsCmnCptes::CuentaItems(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                qint32& CantTareas, qint32& CantArticulos, qint32& CantOtrosConceptos,
                                double& TotUnidades)
{
    const DbTrap trap(QStringLiteral("CuentaItems&"));
    CantTareas = 0;
    CantArticulos = 0;
    CantOtrosConceptos = 0;
    TotUnidades = 0;
    vb::Currency unidades;
    const bool counted = vouchergrids::ForFilledRows(trap, MSFlexGrid1, {[&](int) { ++CantTareas; }})
        && vouchergrids::ForFilledRows(trap, MSFlexGrid2,
                         {[&](int) { ++CantArticulos; },
                          [&](int row) {
                              unidades = unidades
                                  + Utilidades->TextoAMoneda(vb::Trim(MSFlexGrid2->TextMatrix(row, ColArticulo::Cantidad)));
                          }})
        && vouchergrids::ForFilledRows(trap, MSFlexGrid3, {[&](int) { ++CantOtrosConceptos; }});
    TotUnidades = unidades.toDouble();
    if (!counted)
        return 0;
    return CantTareas + CantArticulos + CantOtrosConceptos;
}

void ClsCmnCptes::MuestraDetalleTareas(ui::FlexGrid* MSFlexGrid1, ui::StatusBar* StatB)
{
    MuestraDetalle(codeAndDescription(vouchergrids::Need(MSFlexGrid1), ColTarea::Descripcion), StatB, kPanelDetalle);
}

void ClsCmnCptes::MuestraDetalleArticulos(ui::FlexGrid* MSFlexGrid2, ui::StatusBar* StatB, qint32 Columna)
{
    using vouchergrids::Need;
    using vouchergrids::ResumeNext;
    // Nothing here stops the next statement: a missing bar or panel leaves the bar as it is.
    ResumeNext([&] { MuestraDetalle(codeAndDescription(Need(MSFlexGrid2), ColArticulo::Descripcion), StatB, Columna); });
    qint32 panel = 0;
    ResumeNext([&] {
        if (!StatB)
            vb::Raise(91);
        for (qint32 i = 1; i <= StatB->Panels().Count(); ++i)
            if (StatB->Panels(i).Key().compare(QLatin1String("Stock"), Qt::CaseInsensitive) == 0) {
                panel = i;
                break;
            }
    });
    if (panel == 0)
        return;
    ResumeNext([&] {
        ui::FlexGrid& grid = Need(MSFlexGrid2);
        const double stock = Utilidades->TextoADoble(grid.TextMatrix(grid.Row(), ColArticulo::StockDisponible));
        MuestraDetalle(QStringLiteral("Stock: ") + vb::Variant(stock).toString(), StatB, panel);
    });
}

void ClsCmnCptes::MuestraDetalleOtrosConceptos(ui::FlexGrid* MSFlexGrid3, ui::StatusBar* StatB)
{
    ui::FlexGrid& grid = vouchergrids::Need(MSFlexGrid3);
    MuestraDetalle(vb::Trim(grid.TextMatrix(grid.Row(), ColOtroConcepto::Detalle)), StatB, kPanelDetalle);
}

void ClsCmnCptes::MuestraDetalle(const QString& Detalle, ui::StatusBar* StatB, qint32 Columna)
{
    if (!StatB)
        vb::Raise(91);
    StatB->Panels(Columna).SetText(Detalle);
}
