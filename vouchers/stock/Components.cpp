// The stock module's component lists: the components of a manufactured article and the
// lots that cover a component's quantity in a deposit.
#include "vouchers/Stock.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::RunSteps;
using namespace voucherstock;

namespace {

const QString kElDelGrid = QStringLiteral("ELDELGRID");

// The deposit of a lot query: a literal as stock posting prepares it ('   1' or NULL)
// goes in as it is; a bare code is quoted.
QString depositLiteral(const QString& IdDeposito)
{
    const QString d = vb::Trim(IdDeposito);
    if (d.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        return d;
    if (d.size() >= 2 && d.startsWith(QLatin1Char('\'')) && d.endsWith(QLatin1Char('\''))
        && !d.mid(1, d.size() - 2).remove(QStringLiteral("''")).contains(QLatin1Char('\'')))
        return Utilidades->AjustaLargo(d, 4);
    return Literal(Code(d, 4));
}

RegArticuloCantidad element(const QString& codigo, const QString& unidad, double cantidad)
{
    RegArticuloCantidad r;
    r.Codigo = codigo;
    r.Unidad = unidad;
    r.Cantidad = cantidad;
    return r;
}

} // namespace

QString voucherstock::LotesConSaldo(const QString& IdArticulo, const QString& IdDeposito, const QString& hint)
{
    return QStringLiteral("SELECT NROLOTE, SUM(CANTIDAD) AS CANTIDAD FROM STK_SERIES_Y_LOTES") + hint + QStringLiteral(" WHERE IdArticulo = ")
         + Literal(Utilidades->AjustaLargo(IdArticulo, 25)) + QStringLiteral(" AND IDDEPOSITO = ") + depositLiteral(IdDeposito)
         + QStringLiteral(" and not nrolote is null GROUP BY NROLOTE HAVING SUM(CANTIDAD) > 0");
}

bool IdArticuloTieneInsumos(const QString& IdArticulo, QVector<RegArticuloCantidad>& Insumos, bool SoloConsulta)
{
    const DbTrap trap(QStringLiteral("IdArticuloTieneInsumos"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    bool tiene = false;
    bool fin = false;

    const bool seguir = RunSteps(trap, {
        // 1.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT * FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO = ")
                                  + Literal(Code(IdArticulo, 25)),
                              rs);
        },
        // 2.
        [&] { Insumos = QVector<RegArticuloCantidad>(1); },
        // 3.
        [&] { tiene = !rs.EOF(); },
    });
    // 4.
    if (seguir && tiene && !SoloConsulta) {
        // 5. Each component into the last element, then one fresh element after it.
        for (;;) {
            if (!trap([&] { fin = rs.EOF(); }) || fin)
                break;
            const bool paso = RunSteps(trap, {
                [&] {
                    RegArticuloCantidad& r = Insumos.last();
                    r.Codigo = vouchergrids::FieldText(rs, QStringLiteral("IdArticuloInsumo"));
                    r.Unidad = vouchergrids::FieldText(rs, QStringLiteral("IdUnidadInsumo"));
                    r.Cantidad = FieldDouble(rs, QStringLiteral("Cantidad"));
                },
                [&] { Insumos.append(RegArticuloCantidad()); },
                [&] { rs.MoveNext(); },
            });
            if (!paso)
                break;
        }
    }
    db.CierraRecordset(rs);
    return tiene;
}

bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, QVector<RegArticuloCantidad>& Lotes,
                        double Cantidad)
{
    // 1.
    if (vb::Trim(IdDeposito).compare(kElDelGrid, Qt::CaseInsensitive) == 0)
        return false;
    const DbTrap trap(QStringLiteral("ArticuloTieneLotes"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    bool tiene = false;
    bool fin = false;
    double total = 0;
    QVector<RegArticuloCantidad> lotes;

    const bool seguir = RunSteps(trap, {
        // 2. Each lot's balance in the deposit, over its positions and serials: the rows
        // that take from it are written without either.
        [&] { db.AbrirRecordset(LotesConSaldo(IdArticulo, IdDeposito, QString()) + QStringLiteral(" ORDER BY NROLOTE"), rs); },
        // 3.
        [&] { tiene = !rs.EOF(); },
    });
    if (!seguir) {
        db.CierraRecordset(rs);
        return tiene;
    }
    if (tiene) {
        // 5. The lots in lot order until the quantity is covered, the last one cut to what
        // was still missing.
        bool cubierta = false;
        for (;;) {
            if (!trap([&] { fin = rs.EOF(); }) || fin || cubierta)
                break;
            QString lote;
            double cantidad = 0;
            const bool paso = RunSteps(trap, {
                [&] { lote = vouchergrids::FieldText(rs, QStringLiteral("NroLote")); },
                [&] { cantidad = FieldDouble(rs, QStringLiteral("Cantidad")); },
                [&] {
                    if (total + cantidad > Cantidad) {
                        cantidad = Cantidad - total;
                        cubierta = true;
                    }
                    total += cantidad;
                    // A lot that adds nothing is no element.
                    if (cantidad != 0)
                        lotes.append(element(lote, QString(), cantidad));
                },
                [&] {
                    if (!cubierta)
                        rs.MoveNext();
                },
            });
            if (!paso)
                break;
        }
        // 6. What the lots do not cover is taken without lot.
        if (Cantidad > total)
            lotes.append(element(QString(), QString(), Cantidad - total));
    } else if (Cantidad != 0) {
        // 4. No lot: the whole quantity without lot.
        lotes.append(element(QString(), QString(), Cantidad));
    }
    Lotes = lotes;
    db.CierraRecordset(rs);
    return tiene;
}
