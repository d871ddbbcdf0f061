// The loader's last stage: the source voucher's other concepts (its "OC" observation
// rows) into the other-concepts grid.
#include "vouchers/loader/LoadContext.h"

#include "data/DB_Dll.h"
#include "frame/SmallLookups.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"

namespace voucherloader {

namespace {

// A concept whose text begins with an account code and a blank gets that account in
// column 3, when it is an account that takes entries (not a heading one).
void fillAccount(LoadContext& ctx, ui::FlexGrid& g, int r)
{
    ctx.Step([&] {
        const QString texto = vb::Trim(g.TextMatrix(r, ColOtroConcepto::Detalle));
        const int blanco = vb::InStr(texto, QStringLiteral(" "));
        if (blanco <= 1)
            return;
        QString candidato = vb::Left(texto, blanco);
        ado::Recordset cuenta;
        if (ObtieneCuentaContable(candidato, cuenta, true, false)) {
            const vb::Variant titulo = cuenta.Fields(QStringLiteral("Titulo")).Value();
            if (!titulo.isNull() && !titulo.toBool())
                g.SetTextMatrix(r, ColOtroConcepto::Cuenta, vb::Trim(candidato));
        }
        gDBPrincipal->CierraRecordset(cuenta);
    });
}

bool fillConcept(LoadContext& ctx, ui::FlexGrid& g, int r)
{
    ado::Recordset& rs = ctx.otros;
    bool givenUp = false;
    // The delivery-run program leaves the cattle-lot concepts of a delivery note out.
    ctx.Step([&] {
        givenUp = RunningProgram("Quimsadro") && Same(vb::Trim(ctx.TC), "RM")
               && Same(Trimmed(rs, QStringLiteral("NroViaje")), "TROPA");
    });
    if (givenUp)
        return false;

    ctx.Step([&] { g.SetTextMatrix(r, ColOtroConcepto::Detalle, Trimmed(rs, QStringLiteral("Observacion"))); });
    auto amount = [&](int col, const char* field) {
        ctx.Step([&] { g.SetTextMatrix(r, col, LoadedMoneyText(ctx, Value(rs, QString::fromLatin1(field)))); });
    };
    amount(ColOtroConcepto::Importe, "Importe");
    amount(ColOtroConcepto::ImporteSinIVA, "Importe_S_IVA");
    fillAccount(ctx, g, r);
    return true;
}

} // namespace

void LoadOtherConcepts(LoadContext& ctx)
{
    WalkRows(ctx, ctx.otros, ctx.MSFlexGrid3, [&](int row) { return fillConcept(ctx, *ctx.MSFlexGrid3, row); });
}

} // namespace voucherloader
