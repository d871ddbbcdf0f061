// A timber-trade line of the same piece as a row loaded before it (same article, unit,
// thickness, width and unit price) is folded into that row: quantities, totals, pending
// quantities and lot lists add up, and the unit coefficient and the unit prices become
// their averages weighted by quantity. Two lines whose quantities cancel out are added
// up without averaging.
#include "vouchers/loader/ArticleRow.h"

#include "platform/vb/Strings.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

#include <iterator>

namespace voucherloader {

namespace {

// A cell's text without its outer blanks, without copying it.
QStringView unpadded(const QString& text)
{
    QStringView v(text);
    while (!v.isEmpty() && v.front() == QLatin1Char(' '))
        v = v.mid(1);
    while (!v.isEmpty() && v.back() == QLatin1Char(' '))
        v.chop(1);
    return v;
}

// The first row above the new one that holds the same piece; 0 when there is none.
int samePiece(const ui::FlexGrid& g, int nueva)
{
    const int cols[] = {ColArticulo::IdArticulo, ColArticulo::Unidad, ColArticulo::Espesor, ColArticulo::Ancho,
                        ColArticulo::ImporteUnidad};
    QString keys[std::size(cols)];
    for (size_t k = 0; k < std::size(cols); ++k)
        keys[k] = unpadded(g.TextMatrix(nueva, cols[k])).toString();
    if (keys[0] == QLatin1String("*"))
        return 0;
    const int ultima = g.Rows() - 2;
    for (int fila = 1; fila <= ultima; ++fila) {
        bool igual = true;
        for (size_t k = 0; igual && k < std::size(cols); ++k)
            igual = unpadded(g.TextMatrix(fila, cols[k])).compare(keys[k], Qt::CaseInsensitive) == 0;
        if (igual)
            return fila;
    }
    return 0;
}

// Two pipe lists as one: the values of the first, then those of the second.
QString joined(const QString& first, const QString& second)
{
    QString a = vb::Trim(first);
    QString b = vb::Trim(second);
    if (a.isEmpty() || a == QLatin1String("|"))
        return b;
    if (b.isEmpty() || b == QLatin1String("|"))
        return a;
    if (!a.endsWith(QLatin1Char('|')))
        a += QLatin1Char('|');
    if (b.startsWith(QLatin1Char('|')))
        b.remove(0, 1);
    return a + b;
}

// The new row's cells folded into row `fila`; nothing is written until every value has
// been worked out. Quantities add up as doubles, amounts as money; the averaged prices
// are worked out in double precision and then taken as amounts.
void fold(ui::FlexGrid& g, int fila, int nueva)
{
    auto money = [&](int row, int col) { return Utilidades->TextoAMoneda(g.TextMatrix(row, col)); };
    auto number = [&](int row, int col) { return Utilidades->TextoADoble(g.TextMatrix(row, col)); };
    auto sumMoney = [&](int col) { return NumberText(money(fila, col) + money(nueva, col)); };
    auto sumNumber = [&](int col) { return NumberText(number(fila, col) + number(nueva, col)); };

    const double qFila = number(fila, ColArticulo::Cantidad);
    const double qNueva = number(nueva, ColArticulo::Cantidad);
    const double cantidad = qFila + qNueva;
    QList<QPair<int, QString>> cells;

    // Lines whose quantities cancel out keep the earlier row's coefficient and prices.
    if (cantidad != 0) {
        const double coeficiente = (number(fila, ColArticulo::Coeficiente) * qFila
                                    + number(nueva, ColArticulo::Coeficiente) * qNueva)
                                 / cantidad;
        cells.append({ColArticulo::Coeficiente, NumberText(coeficiente)});
        for (int col : {ColArticulo::Importe, ColArticulo::PrecioSinIVA, ColArticulo::Costo, ColArticulo::Impuestos,
                        ColArticulo::ITC}) {
            const double promedio = (money(fila, col).toDouble() * qFila + money(nueva, col).toDouble() * qNueva) / cantidad;
            cells.append({col, NumberText(vb::Currency::fromDouble(promedio))});
        }
    }
    for (int col : {ColArticulo::Total, ColArticulo::TotalLinea})
        cells.append({col, sumMoney(col)});
    for (int col : {ColArticulo::CantidadEquiv, ColArticulo::RestoPorAplicar})
        cells.append({col, sumNumber(col)});
    cells.append({ColArticulo::Cantidad, NumberText(cantidad)});
    for (int col : {ColArticulo::NroLote, ColArticulo::NroSerie})
        cells.append({col, joined(g.TextMatrix(fila, col), g.TextMatrix(nueva, col))});

    for (const auto& [col, text] : cells)
        g.SetTextMatrix(fila, col, text);
    g.SetTextMatrix(fila, ColArticulo::CoeficienteMoneda, NumberText(money(fila, ColArticulo::Coeficiente)));
}

} // namespace

bool MergeRepeatedRow(ArticleRow& r)
{
    LoadContext& ctx = r.ctx;
    int fila = 0;
    ctx.Step([&] { fila = samePiece(r.g, r.row); });
    if (fila == 0)
        return false;
    // A fold that could not be worked out leaves the line in a row of its own.
    bool folded = false;
    ctx.Step([&] {
        fold(r.g, fila, r.row);
        folded = true;
    });
    if (!folded)
        return false;
    ctx.Step([&] { r.g.SetRows(r.g.Rows() - 1); });
    r.row = fila;
    return true;
}

} // namespace voucherloader
