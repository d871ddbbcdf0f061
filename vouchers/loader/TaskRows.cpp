// The loader's task stage: the source voucher's task lines into the task grid.
#include "vouchers/loader/LoadContext.h"

#include "frame/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"

namespace voucherloader {

namespace {

// Fills one task row from the line the task recordset stands on.
void fillTask(LoadContext& ctx, ui::FlexGrid& g, int r)
{
    ado::Recordset& rs = ctx.tareas;
    auto put = [&](int col, const std::function<QString()>& text) {
        ctx.Step([&] { g.SetTextMatrix(r, col, text()); });
    };
    auto amount = [&](const char* field) {
        return [&ctx, &rs, field] { return LoadedMoneyText(ctx, Value(rs, QString::fromLatin1(field))); };
    };

    put(ColTarea::IdTarea, [&] { return Trimmed(rs, QStringLiteral("IDTAREA")); });
    put(ColTarea::CodigoOriginal, [&] { return Trimmed(rs, QStringLiteral("IDTAREA")); });
    put(ColTarea::Descripcion, [&] { return Trimmed(rs, QStringLiteral("Descripcion")); });
    put(ColTarea::Cantidad, [&] {
        // Horas holds minutes; the grid shows them in the configured hour format.
        qint32 horas = 0;
        qint32 minutos = 0;
        const QString texto = Trimmed(rs, QStringLiteral("Horas"));
        return MinutosAHoras(vb::Variant(texto).toDouble(), horas, minutos, false);
    });
    put(ColTarea::Importe, amount("ValorHora"));
    put(ColTarea::ImporteSinIVA, amount("valorHora_S_Iva"));
    put(ColTarea::Total, amount("Total"));
    if (ctx.Compras)
        return;

    put(ColTarea::ObservAdic, [&] { return Trimmed(rs, QStringLiteral("descripcionadicional")); });
    put(ColTarea::FechaInicio, [&] { return Trimmed(rs, QStringLiteral("FechaEstInicio")); });
    put(ColTarea::FechaFin, [&] { return Trimmed(rs, QStringLiteral("FechaEstFin")); });
    put(ColTarea::IdTecnico, [&] { return Trimmed(rs, QStringLiteral("IdTecnico")); });
    put(ColTarea::FechaRealInicio, [&] { return Trimmed(rs, QStringLiteral("FechaREALInicio")); });
    put(ColTarea::FechaRealFin, [&] { return Trimmed(rs, QStringLiteral("FechaREALFin")); });
    put(ColTarea::Prioridad, [&] { return vb::CStr(vb::Variant(vb::Val(FieldText(rs, QStringLiteral("Prioridad"))))); });
    // The user who entered the task is a name: it is copied as text.
    put(ColTarea::Usuario, [&] { return Trimmed(rs, QStringLiteral("Usuario")); });
    put(ColTarea::FhPresentacion, [&] { return FieldText(rs, QStringLiteral("FHPRESENTACION")); });
    put(ColTarea::FhEmision, [&] { return FieldText(rs, QStringLiteral("FHEMISION")); });
    put(ColTarea::NroExp, [&] { return FieldText(rs, QStringLiteral("NROEXP")); });
    put(ColTarea::FhEntrega, [&] { return FieldText(rs, QStringLiteral("FhEntrega")); });
}

} // namespace

void LoadTasks(LoadContext& ctx)
{
    WalkRows(ctx, ctx.tareas, ctx.MSFlexGrid1, [&](int row) {
        fillTask(ctx, *ctx.MSFlexGrid1, row);
        return true;
    });
}

} // namespace voucherloader
