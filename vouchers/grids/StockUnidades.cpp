// The stock module's units: an article's stock unit, the equivalence between two of its
// units, quantity conversions and the equivalent-quantity columns of an article row.
#include "vouchers/Stock.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

using vouchergrids::SameCode;

namespace {

// The equivalence row from one unit to another, when it exists with a usable
// coefficient (a Null or 0 coefficient is no equivalence).
bool readEquivalence(ado::Recordset& rs, const QString& article, const QString& from, const QString& to,
                     double& coefficient)
{
    DB_Dll& db = *gDBPrincipal;
    auto literal = [&](const QString& code, int width) {
        return db.SQLValue(Utilidades->AjustaLargo(vb::Trim(code), width)).toString();
    };
    db.AbrirRecordset(QStringLiteral("SELECT * FROM  S_TA_EQUIV  with(nolock)  WHERE IdArticulo = ") + literal(article, 25)
                          + QStringLiteral(" AND IDUNIDAD = ") + literal(from, 4)
                          + QStringLiteral(" AND IDUNIDAD_EQUIV = ") + literal(to, 4),
                      rs);
    if (rs.BOF())
        return false;
    const vb::Variant value = rs.Fields(QStringLiteral("Coeficiente")).Value();
    const double c = value.isNull() ? 0.0 : value.toDouble();
    if (c == 0)
        return false;
    coefficient = c;
    return true;
}

enum class Sense { AsStored, Inverse };

// q through the equivalence found: c × q for the direct row read as stored, q ÷ c for
// the reverse row; Inverse swaps the two. Nothing found: `none`.
double convert(const QString& article, QString& base, double quantity, const QString& unit, Sense sense,
               double none)
{
    QString op;
    double c = 0;
    bool noBase = false;
    if (!IdArticuloTieneEquivalencias(article, unit, op, base, c, noBase) || c == 0)
        return none;
    const bool multiply = (op == QLatin1String("/")) == (sense == Sense::AsStored);
    return multiply ? c * quantity : quantity / c;
}

} // namespace

QString ObtieneUnidadArticulo(const QString& IdArticulo)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = ")
                          + db.SQLValue(Utilidades->AjustaLargo(IdArticulo, 25)).toString(),
                      rs);
    QString unit;
    if (!rs.EOF())
        unit = vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("IdUnidad")));
    db.CierraRecordset(rs);
    return unit;
}

bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& Unidad, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidadBase)
{
    const DbTrap trap(QStringLiteral("IdArticuloTieneEquivalencias"));
    bool found = false;
    QString base;
    ado::Recordset rs;
    auto leave = [&] {
        gDBPrincipal->CierraRecordset(rs);
        return found;
    };
    if (!trap([&] {
            Coeficiente = 0;
            SinUnidadBase = false;
        }))
        return leave();
    if (!trap([&] { base = !UnidadBase.isEmpty() ? UnidadBase : ObtieneUnidadArticulo(IdArticulo); }))
        return leave();
    if (vb::Trim(base).isEmpty()) {
        SinUnidadBase = true;
        return leave();
    }
    UnidadBase = base;
    double c = 0;
    if (!trap([&] {
            if (readEquivalence(rs, IdArticulo, base, Unidad, c)) {
                found = true;
                Coeficiente = c;
                Operador = QStringLiteral("/");
            }
        }))
        return leave();
    if (!found && !trap([&] {
            if (readEquivalence(rs, IdArticulo, Unidad, base, c)) {
                found = true;
                Coeficiente = c;
                Operador = QStringLiteral("*");
            }
        }))
        return leave();
    return leave();
}

double ConvierteCantidadxEquiv(const QString& IdArticulo, QString& UnidadBase, double Cantidad, const QString& Unidad)
{
    if (Cantidad == 0)
        return 0;
    if (SameCode(UnidadBase, Unidad))
        return Cantidad;
    const double result = convert(IdArticulo, UnidadBase, Cantidad, Unidad, Sense::AsStored, 0);
    return vb::Currency::fromDouble(result).toDouble();
}

double ConvierteCantidadUnidad(const QString& IdArticulo, QString& UnidadBase, double Cantidad, const QString& Unidad)
{
    if (Cantidad == 0)
        return 0;
    if (SameCode(UnidadBase, Unidad))
        return Cantidad;
    return convert(IdArticulo, UnidadBase, Cantidad, Unidad, Sense::Inverse, Cantidad);
}

void ActualizaColumnasEquivalencia(ui::FlexGrid* MSFlexGrid2)
{
    ui::FlexGrid& grid = vouchergrids::Need(MSFlexGrid2);
    const int row = grid.Row();
    auto cell = [&](int column) { return grid.TextMatrix(row, column); };
    // The line's quantity in another unit, as the cell shows a number.
    auto converted = [&](const QString& unit) {
        QString base = vb::Trim(cell(ColArticulo::Unidad));
        const double quantity = Utilidades->TextoAMoneda(cell(ColArticulo::Cantidad)).toDouble();
        return vb::Variant(ConvierteCantidadxEquiv(cell(ColArticulo::IdArticulo), base, quantity, unit)).toString();
    };
    const QString equivalentUnit = cell(ColArticulo::UnidadEquiv);

    if (cell(ColArticulo::PideEquivalencia) != QLatin1String("-1"))
        grid.SetTextMatrix(row, ColArticulo::CantBL,
                           SameCode(equivalentUnit, gUnidadBL) ? cell(ColArticulo::CantidadEquiv) : converted(gUnidadBL));

    // The M3 and KG columns copy the line's own quantity when the line is in that unit.
    auto fill = [&](int column, const QString& unit) {
        if (!SameCode(equivalentUnit, unit))
            grid.SetTextMatrix(row, column, converted(unit));
        else if (SameCode(equivalentUnit, cell(ColArticulo::Unidad)))
            grid.SetTextMatrix(row, column, cell(ColArticulo::Cantidad));
        else
            grid.SetTextMatrix(row, column, cell(ColArticulo::CantidadEquiv));
    };
    fill(ColArticulo::CantM3, gUnidadM3);
    fill(ColArticulo::CantKG, gUnidadKG);
}
