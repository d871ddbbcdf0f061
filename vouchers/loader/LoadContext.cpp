// The loader's error trap, its field and money helpers and the row protocol of the task
// and other-concept stages.
#include "vouchers/loader/LoadContext.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/BuscaArticulo.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

void LoadContext::Step(const std::function<void()>& statement) const
{
    auto handler = [](const vb::VbError& e, const QString& routine) { return Utilidades->TrataError(e, routine); };
    if (vb::guarded(handler, QStringLiteral("AsignarDatosPresupuesto"), statement) == vb::Step::Leave)
        throw LeaveLoad{};
}

vb::Variant Value(ado::Recordset& rs, const QString& field)
{
    return Utilidades->ValorCampo(rs.Fields(field));
}

QString Trimmed(ado::Recordset& rs, const QString& field)
{
    return vb::Trim(FieldText(rs, field));
}

QString MoneyText(const vb::Variant& amount)
{
    return FmtMoneda(vb::Trim(Utilidades->ValorATexto(Utilidades->ValorCampo(amount))), -1, false);
}

QString MoneyText(const vb::Variant& amount, const vb::Variant& cotizacion)
{
    return MoneyText(vb::Variant(Converted(amount, cotizacion)));
}

QString LoadedMoneyText(LoadContext& ctx, const vb::Variant& amount)
{
    if (ctx.ConvertirMoneda)
        return MoneyText(amount, Value(ctx.cabecera, QStringLiteral("Cotizacion")));
    return MoneyText(amount);
}

vb::Currency Converted(const vb::Variant& amount, const vb::Variant& cotizacion)
{
    return Utilidades->ValorCampo(amount).toCurrency() * Utilidades->ValorCampo(cotizacion).toCurrency();
}

bool Same(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool RunningProgram(const char* name)
{
    return Same(vb::App::EXEName(), name);
}

bool FindArticle(ado::Recordset& linea, ado::Recordset& articulo, qint16& modoUNegocio)
{
    QString codigo = Utilidades->AjustaLargo(Trimmed(linea, QStringLiteral("IdArticulo")), 25);
    qint16 barrasPrimero = 0;
    QString descripcion;
    QString udBase;
    QString lote;
    double cantidad = 0;
    vb::Currency importe;
    return BuscaArticulo(codigo, articulo, 1, barrasPrimero, descripcion, QString(), udBase, QString(), cantidad, importe,
                         lote, QString(), modoUNegocio);
}

void WalkRows(LoadContext& ctx, ado::Recordset& rs, ui::FlexGrid* grid, const std::function<bool(int row)>& fillRow)
{
    bool empty = true;
    ctx.Step([&] { empty = rs.BOF(); });
    if (empty)
        return;
    ui::FlexGrid* g = nullptr;
    ctx.Step([&] { g = &vouchergrids::Need(grid); });
    if (!g)
        return;

    bool first = true;
    bool intoLast = true;   // the next row goes into the grid's last row
    bool eof = false;
    ctx.Step([&] { eof = rs.EOF(); });
    while (!eof) {
        ctx.Step([&] {
            const bool append = first ? vouchergrids::IsFilled(*g, g->Rows() - 1) : !intoLast;
            if (append)
                g->SetRows(g->Rows() + 1);
        });
        first = false;
        intoLast = !fillRow(g->Rows() - 1);
        eof = true;
        ctx.Step([&] { rs.MoveNext(); });
        ctx.Step([&] { eof = rs.EOF(); });
    }
    if (!intoLast)
        ctx.Step([&] { g->SetRows(g->Rows() + 1); });
}

} // namespace voucherloader
