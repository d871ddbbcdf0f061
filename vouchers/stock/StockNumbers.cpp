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

// The book's branch, number and letter for the type (step 1); a type without a book
// gets the first number of its branch, well formed. The caller's texts stay as they are.
struct DelLibro {
    QString suc;
    QString numero;
    QString letra;
};
DelLibro numeroDelLibro(const QString& TC, const QString& Sucursal, const QString& Letra)
{
    DelLibro l{Sucursal, QString(), Letra};
    Obtener_Nro_Comprobante(TC, l.suc, l.numero, l.letra, false, true, QString(), gUNegocio);
    return {voucherkey::Branch(l.suc), voucherkey::Number(l.numero), voucherkey::Letter(l.letra.isEmpty() ? Letra : l.letra)};
}

// An integer expression as the eight digits of a voucher number.
QString ochoDigitos(const QString& numero)
{
    return QStringLiteral("RIGHT('00000000' + CAST(") + numero + QStringLiteral(" AS VARCHAR(8)), 8)");
}

} // namespace

QString AsignarNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Letra)
{
    const DbTrap trap(QStringLiteral("AsignarNumeroComprobante"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    DelLibro libro;
    QString& suc = libro.suc;
    QString& numero = libro.numero;
    QString& letra = libro.letra;
    QString resultado;
    bool tomado = false;

    const bool terminado = RunSteps(trap, {
        // 1.
        [&] { libro = numeroDelLibro(TC, Sucursal, Letra); },
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

NumeroAlCorrer voucherstock::NumeroComprobanteAlCorrer(const QString& TC, const QString& Sucursal, const QString& Letra)
{
    const DbTrap trap(QStringLiteral("AsignarNumeroComprobante"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    DelLibro elegido;
    QString libro;   // the book's row: " WHERE CODIGO = ... AND TALONARIO = ..."
    NumeroAlCorrer out;

    const bool terminado = RunSteps(trap, {
        [&] { elegido = numeroDelLibro(TC, Sucursal, Letra); },
        // The book that ActualizaNumeracionComprobante records the number in.
        [&] {
            libro = QStringLiteral(" WHERE CODIGO = ") + Literal(Code(ObtieneTcNumeracion(TC), 4)) + QStringLiteral(" AND TALONARIO = ")
                  + QString::number(TalonarioActual);
            db.AbrirRecordset(QStringLiteral("SELECT TALONARIO FROM V_TA_CPTE") + libro, rs);
        },
        [&] {
            const QString& suc = elegido.suc;
            const QString& letra = elegido.letra;
            const QString idDe = Literal(suc) + QStringLiteral(" + %1 + ") + Literal(letra);
            const QString guardados = QStringLiteral(" FROM V_MV_STOCK WITH (UPDLOCK, HOLDLOCK) WHERE TC = ") + Literal(Code(TC, 4));
            const QString ultimo = QStringLiteral("(SELECT CAST(SUBSTRING(MAX(IDCOMPROBANTE), 5, 8) AS INT)") + guardados
                                 + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 1, 4) = ") + Literal(suc)
                                 + QStringLiteral(" AND SUBSTRING(IDCOMPROBANTE, 13, 1) = ") + Literal(letra) + QLatin1Char(')');
            if (rs.EOF()) {
                // No book to move on: one above the highest stored, set once the rows are there.
                const QString provisional = Literal(Provisional(13));
                out.id = provisional;
                out.corrige = QStringLiteral("UPDATE V_MV_STOCK SET IDCOMPROBANTE = ")
                            + idDe.arg(ochoDigitos(QStringLiteral("ISNULL(") + ultimo + QStringLiteral(", 0) + 1")))
                            + QStringLiteral(" WHERE TC = ") + Literal(Code(TC, 4)) + QStringLiteral(" AND IDCOMPROBANTE = ")
                            + provisional;
                return;
            }
            // The book's next number (1 for a book not used yet), unless it is taken.
            const QString columna = vb::Trim(letra) + QStringLiteral("_ULTIMO_NRO");
            const QString delLibro = QStringLiteral("CASE WHEN ") + columna + QStringLiteral(" > 0 THEN ") + columna
                                   + QStringLiteral(" ELSE 1 END");
            out.reserva = QStringLiteral("UPDATE V_TA_CPTE SET ") + columna + QStringLiteral(" = 1 + CASE WHEN EXISTS (SELECT IDCOMPROBANTE")
                        + guardados + QStringLiteral(" AND IDCOMPROBANTE = ") + idDe.arg(ochoDigitos(delLibro))
                        + QStringLiteral(") THEN ") + ultimo + QStringLiteral(" + 1 ELSE ") + delLibro + QStringLiteral(" END") + libro;
            out.id = QStringLiteral("(SELECT ") + idDe.arg(ochoDigitos(columna + QStringLiteral(" - 1")))
                   + QStringLiteral(" FROM V_TA_CPTE") + libro + QLatin1Char(')');
        },
        [&] { db.CierraRecordset(rs); },
    });
    if (!terminado) {
        db.CierraRecordset(rs);
        return {};
    }
    return out;
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
