// The stock module's internal voucher numbers and its balance reader.
#include "vouchers/Stock.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Config.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::RunSteps;
using namespace voucherstock;

namespace {

// The number part of a stored IdComprobante: the digits from its fifth character up to
// the first character that is not one (the letter).
qint64 storedNumber(const QString& idComprobante)
{
    qint64 number = 0;
    for (int i = 4; i < idComprobante.size() && idComprobante[i].isDigit(); ++i)
        number = number * 10 + idComprobante[i].digitValue();
    return number;
}

} // namespace

QString AsignarNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Letra)
{
    const DbTrap trap(QStringLiteral("AsignarNumeroComprobante"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    // The book's branch, number and letter; the caller's texts stay as they are.
    QString suc = Sucursal;
    QString numero;
    QString letra = Letra;
    QString resultado;
    bool tomado = false;

    const bool terminado = RunSteps(trap, {
        // 1. A type without a book gets the first number of its branch, well formed.
        [&] {
            Obtener_Nro_Comprobante(TC, suc, numero, letra, false, true, QString(), gUNegocio);
            suc = voucherkey::Branch(suc);
            numero = voucherkey::Number(numero);
            letra = voucherkey::Letter(letra.isEmpty() ? Letra : letra);
        },
        // 2.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT TC,IDCOMPROBANTE From V_MV_STOCK  with(nolock) WHERE TC = ") + Literal(TC)
                                  + QStringLiteral(" AND IDCOMPROBANTE = ") + Literal(suc + numero + letra),
                              rs);
        },
        // 3.
        [&] { tomado = !rs.EOF(); },
        // 4. Past the highest number stored under the branch and letter.
        [&] {
            if (tomado)
                db.AbrirRecordset(QStringLiteral("SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK  with(nolock) WHERE TC = ")
                                      + Literal(TC) + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 1, 4)= ") + Literal(suc)
                                      + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 13, 1)= ") + Literal(letra),
                                  rs);
        },
        [&] {
            if (!tomado)
                return;
            if (rs.EOF() || rs.Fields(QStringLiteral("Ultimo")).Value().isNull())
                numero = QStringLiteral("00000001");
            else
                numero = vb::Format(vb::Variant(storedNumber(FieldText(rs, QStringLiteral("Ultimo"))) + 1),
                                    QStringLiteral("00000000"));
        },
        // 5.
        [&] { db.CierraRecordset(rs); },
        [&] { resultado = suc + numero + letra; },
    });
    if (!terminado)
        db.CierraRecordset(rs);
    return resultado;
}

void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& IdUnidad, double& Stock)
{
    // 1.
    if (vb::Trim(IdArticulo).isEmpty())
        return;
    const DbTrap trap(QStringLiteral("ControlStock"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    const bool todos = vb::Trim(IdDeposito).isEmpty();
    const QString articulo = Literal(Code(IdArticulo, 25));
    QString sql;
    if (gUsaStockUdKg) {
        // 4. In units of the unit-and-kilo balance; a blank deposit sums over all of them.
        sql = todos ? QStringLiteral("SELECT SUM(CantidadUd) AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = ") + articulo
                    : QStringLiteral("SELECT CantidadUd AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = ") + articulo
                          + QStringLiteral(" AND IDDEPOSITO = ") + Literal(Code(IdDeposito, 4));
    } else if (todos) {
        // 3.
        sql = QStringLiteral("SELECT SUM(STOCK) AS STOCK  FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = ") + articulo
            + QStringLiteral(" AND EQUIVALENCIA = ") + Literal(Code(IdUnidad, 4)) + QStringLiteral(" ");
    } else {
        // 2.
        sql = QStringLiteral("SELECT STOCK AS STOCK FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = ") + articulo
            + QStringLiteral(" AND EQUIVALENCIA = ") + Literal(Code(IdUnidad, 4)) + QStringLiteral(" AND IDDEPOSITO = ")
            + Literal(Code(IdDeposito, 4));
    }
    // 5.
    double saldo = Stock;
    const bool terminado = RunSteps(trap, {
        [&] { db.AbrirRecordset(sql, rs); },
        [&] { saldo = rs.EOF() ? 0.0 : FieldDouble(rs, QStringLiteral("Stock")); },
        [&] { Stock = saldo; },
        [&] { db.CierraRecordset(rs); },
    });
    if (!terminado)
        db.CierraRecordset(rs);
}
