// What a posted line names must be there before it moves: its quantity is a number, its
// article, deposit and motive exist, and its unit converts to the article's base unit.
#include "vouchers/stock/StockPosting.h"

#include "data/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TypedNumber.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/GridColumns.h"
#include "vouchers/Stock.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::SameCode;

namespace voucherstock {

namespace {

// Codes compare trimmed and without regard to case.
QString key(const QString& code)
{
    return vb::Trim(code).toUpper();
}

// The codes of one column of a small table.
QSet<QString> codes(const QString& sql, const QString& column)
{
    QSet<QString> out;
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(sql, rs);
    for (; !rs.EOF(); rs.MoveNext())
        out.insert(key(FieldText(rs, column)));
    db.CierraRecordset(rs);
    return out;
}

// Empty, or a number as the operator types it in the workstation's format.
bool isNumber(const QString& texto)
{
    vb::TypedNumber n;
    return vb::Trim(texto).isEmpty() || vb::ReadTypedNumber(texto, n);
}

} // namespace

bool CantidadLeida(const QString& texto, double& cantidad)
{
    cantidad = 0;
    if (!isNumber(texto))
        return false;
    cantidad = Utilidades->TextoADoble(texto);
    return true;
}

std::optional<StockFailure> StockPosting::lineFailure(int fila, const QString& que) const
{
    return StockFailure{QStringLiteral("El artículo ") + cell(fila, ColArticulo::IdArticulo) + QStringLiteral(" (renglón ")
                        + QString::number(fila) + QStringLiteral(") ") + que};
}

std::optional<StockFailure> StockPosting::lineNumber(int fila, const QString& texto, const QString& que, vb::Currency& valor) const
{
    if (!isNumber(texto))
        return lineFailure(fila, QStringLiteral("tiene ") + que + QStringLiteral(" que no es un número: ") + vb::Trim(texto));
    try {
        valor = Utilidades->TextoAMoneda(texto);
    } catch (const vb::VbError&) {
        return lineFailure(fila, QStringLiteral("tiene ") + que + QStringLiteral(" fuera de rango: ") + vb::Trim(texto));
    }
    return std::nullopt;
}

std::optional<StockFailure> StockPosting::lineQuantity(int fila, vb::Currency& cantidad)
{
    return lineNumber(fila, rawCell(fila, ColArticulo::Cantidad), QStringLiteral("una cantidad"), cantidad);
}

std::optional<StockFailure> StockPosting::knownArticle(int fila, QString& unidad)
{
    if (!articulos_) {
        // The grid's articles, read once for the call.
        articulos_.emplace();
        DB_Dll& db = *gDBPrincipal;
        ado::Recordset rs;
        for (const QString& lista : InLists(ArticulosDeLaGrilla(g_))) {
            db.AbrirRecordset(QStringLiteral("SELECT IDARTICULO, IDUNIDAD FROM V_MA_ARTICULOS  with(nolock)  WHERE IDARTICULO IN (") + lista
                                  + QLatin1Char(')'),
                              rs);
            for (; !rs.EOF(); rs.MoveNext())
                articulos_->insert(key(FieldText(rs, QStringLiteral("IDARTICULO"))), FieldText(rs, QStringLiteral("IDUNIDAD")));
        }
        db.CierraRecordset(rs);
    }
    const auto it = articulos_->constFind(key(cell(fila, ColArticulo::IdArticulo)));
    if (it == articulos_->cend())
        return lineFailure(fila, QStringLiteral("no existe en el maestro de artículos"));
    unidad = *it;
    return std::nullopt;
}

std::optional<StockFailure> StockPosting::knownDeposit(int fila, const QString& literal)
{
    if (!depositos_)
        depositos_ = codes(QStringLiteral("SELECT IdDeposito FROM V_TA_DEPOSITO  with(nolock) "), QStringLiteral("IdDeposito"));
    // The literal back to its code: without its quotes, its doubled apostrophes single.
    QString codigo = vb::Trim(literal);
    if (codigo.size() >= 2 && codigo.startsWith(QLatin1Char('\'')) && codigo.endsWith(QLatin1Char('\'')))
        codigo = codigo.mid(1, codigo.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    if (depositos_->contains(key(codigo)))
        return std::nullopt;
    return lineFailure(fila, QStringLiteral("va al depósito ") + vb::Trim(codigo) + QStringLiteral(", que no existe"));
}

std::optional<StockFailure> StockPosting::knownMotive(int fila, const QString& motivo)
{
    const QString codigo = vb::Trim(QString(motivo).remove(QLatin1Char('\'')));
    if (codigo.isEmpty() || codigo.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    if (!motivos_)
        motivos_ = codes(QStringLiteral("SELECT IDMOTIVOSTOCK FROM V_TA_MOTIVOSTOCK  with(nolock) "), QStringLiteral("IDMOTIVOSTOCK"));
    if (motivos_->contains(key(codigo)))
        return std::nullopt;
    if (fila == 0)
        return StockFailure{QStringLiteral("El motivo de stock ") + codigo + QStringLiteral(" no existe")};
    return lineFailure(fila, QStringLiteral("tiene el motivo de stock ") + codigo + QStringLiteral(", que no existe"));
}

std::optional<StockFailure> StockPosting::lineCoefficient(int fila, const QString& unidad, const QString& unidadBase,
                                                          double& coeficiente)
{
    const QString texto = rawCell(fila, ColArticulo::Coeficiente);
    if (!vb::Trim(texto).isEmpty()) {
        vb::Currency dado;
        if (auto f = lineNumber(fila, texto, QStringLiteral("un coeficiente"), dado))
            return f;
        coeficiente = dado.toDouble();
        return std::nullopt;
    }
    coeficiente = 1;
    if (!unidad.isEmpty() && !unidadBase.isEmpty() && !SameCode(unidad, unidadBase)) {
        // The conversion the grid makes: one of the line's unit in the base unit.
        QString desde = unidad;
        coeficiente = ConvierteCantidadxEquiv(cell(fila, ColArticulo::IdArticulo), desde, 1, unidadBase);
        if (coeficiente == 0)
            return lineFailure(fila, QStringLiteral("no tiene equivalencia entre las unidades ") + unidad + QStringLiteral(" y ")
                                         + unidadBase + QStringLiteral(": indique el coeficiente del renglón"));
    }
    escribe(fila, ColArticulo::Coeficiente, vb::Variant(coeficiente).toString());
    return std::nullopt;
}

} // namespace voucherstock
