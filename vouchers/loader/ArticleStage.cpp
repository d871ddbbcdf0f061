// The loader's article stage: the walk over the source's article lines, with the
// page-line limit of the destination, the rows it passes over and the rows it reuses.
// Each line that gets a row is written by LoadArticleRow.
#include "vouchers/loader/LoadContext.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/grids/GridHelpers.h"

namespace voucherloader {

namespace {

// An order whose invoice needs more sheets than one: the host form learns the customer
// and the order, and the operator how many sheets it takes.
void checkSheets(LoadContext& ctx)
{
    ClsCmnCptes& c = ctx.cptes;
    const int lineas = ctx.articulos.RecordCount();
    const int limite = ctx.limiteLineas;
    const bool factura = Same(ctx.CpteDestino, "FC") || Same(ctx.CpteDestino, "FP");
    if (Same(ctx.TC, "NP") && factura && lineas > limite && limite != 9999 && limite != 0) {
        c.NPP_Cliente = ctx.cabecera.Fields(QStringLiteral("Cuenta")).Value().toString();
        c.NPP_IDCpte = ctx.cabecera.Fields(QStringLiteral("IdComprobante")).Value().toString();
        const int hojas = lineas / limite + (lineas % limite != 0 ? 1 : 0);
        ui::MsgBox(QStringLiteral("Recuerde que para facturar este pedido completo necesita ") + QString::number(hojas)
                       + QStringLiteral(" Hojas (El sistema tiene configurado ") + QString::number(limite)
                       + QStringLiteral(" por hoja)"),
                   ui::vbInformation + ui::vbOKOnly, QStringLiteral("Aviso al operador"));
    } else {
        c.NPP_Cliente.clear();
        c.NPP_IDCpte.clear();
    }
}

// A line marked received with -999 is not loaded while an order is split into sheets.
bool passedOver(LoadContext& ctx)
{
    if (ctx.cptes.NPP_Cliente.isEmpty())
        return false;
    const vb::Variant recepcion = ctx.articulos.Fields(QStringLiteral("Recepcion")).Value();
    return !recepcion.isNull() && recepcion.toDouble() == -999;
}

// A stored line without an article code cannot be posted or invoiced: it gets no row.
bool withoutArticle(LoadContext& ctx)
{
    return vb::Trim(FieldText(ctx.articulos, QStringLiteral("IdArticulo"))).isEmpty();
}

// The lines left out, told once when the load ends.
struct LeftOut {
    int porLimite = 0;      // past the page-line limit
    int sinArticulo = 0;    // without an article code
};

// The lines from the current one to the end that the stage would have loaded, and those
// among them without an article.
void countLinesLeft(LoadContext& ctx, LeftOut& left)
{
    for (; !ctx.articulos.EOF(); ctx.articulos.MoveNext()) {
        if (passedOver(ctx))
            continue;
        if (withoutArticle(ctx))
            ++left.sinArticulo;
        else
            ++left.porLimite;
    }
}

// "Quedó 1 renglón de artículos sin cargar" followed by why.
void tellLinesLeftOut(int left, const QString& porque)
{
    const QString cuantos = left == 1 ? QStringLiteral("Quedó 1 renglón de artículos sin cargar")
                                      : QStringLiteral("Quedaron ") + QString::number(left)
                                            + QStringLiteral(" renglones de artículos sin cargar");
    ui::MsgBox(cuantos + QStringLiteral(" (") + porque + QLatin1Char(')'), ui::vbInformation + ui::vbOKOnly,
               QStringLiteral("Aviso al operador"));
}

} // namespace

void LoadArticles(LoadContext& ctx)
{
    ado::Recordset& rs = ctx.articulos;
    bool empty = true;
    ctx.Step([&] { empty = rs.BOF(); });
    if (empty)
        return;
    ui::FlexGrid* g = nullptr;
    ctx.Step([&] { g = &vouchergrids::Need(ctx.MSFlexGrid2); });
    if (!g)
        return;
    ctx.Step([&] { checkSheets(ctx); });

    ctx.primeraFila = true;
    ctx.contador = 0;
    LeftOut left;
    bool eof = false;
    ctx.Step([&] { eof = rs.EOF(); });
    while (!eof) {
        bool skip = false;
        ctx.Step([&] { skip = passedOver(ctx); });
        if (!skip) {
            ctx.Step([&] { skip = withoutArticle(ctx); });
            if (skip)
                ++left.sinArticulo;
        }
        if (!skip) {
            // A line the last article lookup left out gave its row to this one.
            if (ctx.flagUNegocio == 2)
                ctx.primeraFila = true;
            // Brontavel loads each article once: a line of an article already in the grid
            // is passed over, unless it goes into the grid's last row.
            if (!ctx.primeraFila)
                ctx.Step([&] {
                    skip = RunningProgram("Brontavel")
                        && ctx.cptes.ExisteEnGrid(g, FieldText(rs, QStringLiteral("IdArticulo")));
                });
        }
        if (!skip) {
            ++ctx.contador;
            if (ctx.contador > ctx.limiteLineas && ctx.limiteLineas > 0) {
                ctx.Step([&] { countLinesLeft(ctx, left); });
                break;
            }
            ctx.Step([&] {
                if (ctx.primeraFila)
                    ctx.primeraFila = false;
                else
                    g->SetRows(g->Rows() + 1);
            });
            LoadArticleRow(ctx);
        }
        eof = true;
        ctx.Step([&] { rs.MoveNext(); });
        ctx.Step([&] { eof = rs.EOF(); });
    }
    // One empty row closes the grid; a row a line left empty already is that row.
    ctx.Step([&] {
        if (g->Rows() <= g->FixedRows() || vouchergrids::IsFilled(*g, g->Rows() - 1))
            g->SetRows(g->Rows() + 1);
    });
    if (left.porLimite > 0)
        ctx.Step([&] {
            tellLinesLeftOut(left.porLimite, QStringLiteral("El sistema tiene configurado ")
                                                 + QString::number(ctx.limiteLineas) + QStringLiteral(" por hoja"));
        });
    if (left.sinArticulo > 0)
        ctx.Step([&] {
            tellLinesLeftOut(left.sinArticulo, left.sinArticulo == 1 ? QStringLiteral("no tiene código de artículo")
                                                                     : QStringLiteral("no tienen código de artículo"));
        });
}

} // namespace voucherloader
