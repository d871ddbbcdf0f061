#include "vouchers/stock/StockInternal.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/GridColumns.h"
#include "vouchers/grids/GridHelpers.h"

#include <QRandomGenerator>

namespace voucherstock {

QString Code(const QString& code, int width)
{
    return Utilidades->AjustaLargo(vb::Trim(code), width);
}

QString FieldText(ado::Recordset& rs, const QString& name)
{
    return vb::Trim(vouchergrids::FieldText(rs, name));
}

double FieldDouble(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = Utilidades->ValorCampo(rs.Fields(name));
    if (v.isNumeric())
        return v.toDouble();
    return Utilidades->TextoADoble(vb::Trim(Utilidades->ValorATexto(v)));
}

bool FieldSet(ado::Recordset& rs, const QString& name)
{
    const vb::Variant v = rs.Fields(name).Value();
    return !v.isNull() && ValorBooleano(vb::Trim(Utilidades->ValorATexto(v)), true);
}

bool IsCode(const QString& value, const char* code)
{
    return vouchergrids::SameCode(value, QLatin1String(code));
}

QString SqlAmount(vb::Currency amount)
{
    return amount.toString();
}

QString Provisional(int largo)
{
    static const char kSignos[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString out(largo, QLatin1Char('~'));
    for (int i = 1; i < largo; ++i)
        out[i] = QLatin1Char(kSignos[QRandomGenerator::global()->bounded(36)]);
    return out;
}

QStringList InLists(const QStringList& literals)
{
    constexpr int kPorLectura = 200;
    QStringList out;
    for (int desde = 0; desde < literals.size(); desde += kPorLectura)
        out << literals.mid(desde, kPorLectura).join(QLatin1Char(','));
    return out;
}

QStringList ArticulosDeLaGrilla(const ui::FlexGrid& grid)
{
    QStringList out;
    for (int fila = 1; fila < grid.Rows(); ++fila) {
        const QString articulo = vb::Trim(grid.TextMatrix(fila, ColArticulo::IdArticulo));
        if (!articulo.isEmpty())
            out << Literal(Code(articulo, 25));
    }
    out.removeDuplicates();
    return out;
}

} // namespace voucherstock
