// TotalizadorControl: the control-totals grid, one line per visible tab with its row
// count and total, and the article subtotals by rubro, article type or article.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Format.h"
#include "frame/StatementBuilder.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/SSTab.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

#include <cmath>
#include <functional>

namespace {

constexpr long kColorPestana = 0xC0FFFF;   // a tab's line
constexpr long kColorGrupo = 0xC0E0FF;     // an article group's line
constexpr long kColorCierre = 0xFF0000;    // the closing empty line

enum Pestana : int { PestanaTareas = 0, PestanaArticulos = 1, PestanaOtrosConceptos = 2 };

// Where the article subtotals come from.
struct Grouping {
    int col;           // article-grid column of the group key
    QString table;     // where its description is; empty: no table
    QString keyCol;
};

Grouping grouping(bool porRubro, bool porTipo)
{
    if (porRubro)
        return {ColArticulo::RubroArticulo, QStringLiteral("V_ta_Rubros"), QStringLiteral("IdRubro")};
    if (porTipo)
        return {ColArticulo::TipoArticulo, QStringLiteral("V_ta_TipoArticulo"), QStringLiteral("Tipo")};
    return {ColArticulo::IdArticulo, QString(), QString()};
}

// Writes the control-totals grid line by line: the current line is the last row.
class Lines {
public:
    Lines(ClsCmnCptes& owner, ui::FlexGrid* grid) : owner_(owner), grid_(grid) {}

    ui::FlexGrid& Grid() { return vouchergrids::Need(grid_); }
    int Current() { return Grid().Rows() - 1; }
    void Set(int col, const QString& text) { Grid().SetTextMatrix(Current(), col, text); }
    void Paint(long color) { owner_.PintarFila(Current(), grid_, color); }
    void Next() { Grid().SetRows(Grid().Rows() + 1); }
    // Writes the current line (an empty total stays empty), paints it and takes the next
    // one; false when the procedure must be left.
    bool Write(const DbTrap& trap, const std::function<QString()>& caption, const QString& count, const QString& total,
               long color)
    {
        return vouchergrids::RunSteps(trap, {
            [&] { Set(ColTotalizador::Descripcion, caption()); },
            [&] { Set(ColTotalizador::CantidadItems, count); },
            [&] { Set(ColTotalizador::Cantidad, total); },
            [&] { Paint(color); },
            [&] { Next(); },
        });
    }
    // The header and one empty line.
    void Restart()
    {
        Grid().SetRows(2);
        for (int col = 0; col < Grid().Cols(); ++col)
            Grid().SetTextMatrix(1, col, QString());
    }

private:
    ClsCmnCptes& owner_;
    ui::FlexGrid* grid_;
};

// Hours and minutes as plain integers: 135 minutes are "2:15", 65 are "1:5".
QString hoursAndMinutes(double minutes)
{
    const qint64 total = qint64(std::nearbyint(minutes));
    return QString::number(total / 60) + QLatin1Char(':') + QString::number(total % 60);
}

QString numberText(double value) { return vb::Variant(value).toString(); }

} // namespace

void ClsCmnCptes::TotalizadorControl(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                     ui::FlexGrid* MSFlexGrid4, ui::SSTab* SSTab1, bool AbiertoPorRubro,
                                     bool AbiertoPorTipo)
{
    using vouchergrids::ForFilledRows;
    using vouchergrids::Need;
    const DbTrap trap(QStringLiteral("TotalizadorControl"));
    Lines lines(*this, MSFlexGrid4);
    auto tabs = [&]() -> ui::SSTab& {
        if (!SSTab1)
            vb::Raise(91);
        return *SSTab1;
    };
    bool visible = false;

    if (!trap([&] { lines.Restart(); }))
        return;

    // Tasks: count and hours.
    if (!trap([&] { visible = tabs().TabVisible(PestanaTareas); }))
        return;
    if (visible) {
        qint32 count = 0;
        double minutes = 0;
        if (!ForFilledRows(trap, MSFlexGrid1,
                           {[&](int) { ++count; },
                            [&](int row) {
                                minutes += ConvierteAMinutos(MSFlexGrid1->TextMatrix(row, ColTarea::Cantidad), QString(),
                                                             QString(), true);
                            }}))
            return;
        if (!lines.Write(trap, [&] { return tabs().TabCaption(PestanaTareas); }, QString::number(count),
                         hoursAndMinutes(minutes), kColorPestana))
            return;
    }

    // Articles: count and quantity, then one line per group.
    if (!trap([&] { visible = tabs().TabVisible(PestanaArticulos); }))
        return;
    if (visible) {
        const Grouping group = grouping(AbiertoPorRubro, AbiertoPorTipo);
        gVecTotales = QVector<CampoValor>(1);
        bool any = false;
        qint32 count = 0;
        double total = 0;
        QString key;
        double quantity = 0;
        if (!ForFilledRows(trap, MSFlexGrid2,
                           {[&](int row) {
                                key = vb::Trim(MSFlexGrid2->TextMatrix(row, group.col));
                                any = true;
                            },
                            [&](int row) {
                                quantity = Utilidades->TextoADoble(MSFlexGrid2->TextMatrix(row, ColArticulo::Cantidad));
                            },
                            [&](int) {
                                const qint32 i = IndiceCampoArray(key);
                                if (i == -1)
                                    gVecTotales.append(CampoValor{key, numberText(quantity)});
                                else
                                    gVecTotales[i].Valor = numberText(quantity + Utilidades->TextoADoble(gVecTotales[i].Valor));
                            },
                            [&](int) { total += quantity; },
                            [&](int) { ++count; }}))
            return;
        if (!lines.Write(trap, [&] { return tabs().TabCaption(PestanaArticulos); }, QString::number(count),
                         numberText(total), kColorPestana))
            return;
        // No counted row: no group lines. Otherwise the bucket of an empty key (index 0)
        // comes first, also when no row fell into it.
        for (qsizetype i = 0; any && i < gVecTotales.size(); ++i) {
            const CampoValor pair = gVecTotales[i];
            // Without a group table the key says it all ("-" for the empty key).
            const auto caption = [&] {
                if (group.table.isEmpty())
                    return i == 0 ? QStringLiteral("-") : pair.Campo;
                const QString clean = vb::Trim(Utilidades->QuitaCaracteres(pair.Campo, vb::Chr(255), vb::Chr(0)));
                const vb::Variant description = gDBPrincipal->DatosTabla(group.table, clean, QStringLiteral("Descripcion"),
                                                                         group.keyCol, vb::Variant(8), QString(), true, false);
                return pair.Campo + QLatin1Char('-') + Utilidades->ValorATexto(description);
            };
            if (!lines.Write(trap, caption, QString(), pair.Valor, kColorGrupo))
                return;
        }
    }

    // Other concepts: count.
    if (!trap([&] { visible = tabs().TabVisible(PestanaOtrosConceptos); }))
        return;
    if (visible) {
        qint32 count = 0;
        if (!ForFilledRows(trap, MSFlexGrid3, {[&](int) { ++count; }}))
            return;
        if (!lines.Write(trap, [&] { return tabs().TabCaption(PestanaOtrosConceptos); }, QString::number(count),
                         QString(), kColorPestana))
            return;
    }

    trap([&] { lines.Paint(kColorCierre); });
}
