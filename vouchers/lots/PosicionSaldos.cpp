// The position and lot dialog's rows: the article's balances at the deposit's positions
// (by lot when the article has lots), the deposit's stock without a position, and the
// previous selection restored or a distribution proposed.
#include "vouchers/lots/FrmLoteyPosicion.h"

#include "data/DB_Dll.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/GridHelpers.h"

using lotdialogs::CellQuantity;
using lotdialogs::QuantityText;

namespace {

double fieldNumber(ado::Recordset& rs, const QString& name)
{
    return Utilidades->ValorCampo(rs.Fields(name)).toDouble();
}

} // namespace

double FrmLoteyPosicion::EnUnidadDeLinea(double saldo, const QString& unidadSaldo)
{
    // The conversion that reads an equivalence row the other way: from the balance's
    // unit (its U) into the line's unit (its B), unchanged without an equivalence.
    QString unidadLinea = IUNIDAD;
    return ConvierteCantidadUnidad(Articulo, unidadLinea, saldo, unidadSaldo);
}

void FrmLoteyPosicion::AgregaSaldosPorPosicion(bool conLotes)
{
    DB_Dll& db = *gDBPrincipal;
    const QString dep = db.SQLValue(Utilidades->AjustaLargo(Deposito, 4)).toString();
    const QString art = db.SQLValue(Utilidades->AjustaLargo(Articulo, 25)).toString();
    const QString sql =
        QStringLiteral("SELECT AC_SALDOSLAYOUT.idposicion,")
        + (conLotes ? QStringLiteral("AC_SALDOSLAYOUT.nrolote,") : QString())
        + QStringLiteral("AC_SALDOSLAYOUT.idunidadbase, isnull(AC_SALDOSLAYOUT.saldo,0) as disponible FROM "
                         "AC_SALDOSLAYOUT, ma_posiciones WHERE  ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and "
                         "ac_saldoslayout.idposicion=ma_posiciones.idposicion and  ac_saldoslayout.IDDEPOSITO=")
        + dep + QStringLiteral(" and ac_saldoslayout.idarticulo=") + art
        + QStringLiteral(" and ac_saldoslayout.saldo > 0 order by "
                         "ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
    ado::Recordset rs;
    db.AbrirRecordset(sql, rs);
    ui::FlexGrid& g = *MSFlexGrid1;
    while (!rs.EOF()) {
        const int fila = g.Rows();
        g.SetRows(fila + 1);
        g.SetTextMatrix(fila, ColPosicion, vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("IdPosicion"))));
        if (conLotes)
            g.SetTextMatrix(fila, ColLote, vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("NroLote"))));
        g.SetTextMatrix(fila, ColUnidad, IUNIDAD);
        const QString unidad = Utilidades->AjustaLargo(vouchergrids::FieldText(rs, QStringLiteral("IdUnidadBase")), 4);
        g.SetTextMatrix(fila, ColDisponible,
                        QuantityText(EnUnidadDeLinea(fieldNumber(rs, QStringLiteral("disponible")), unidad)));
        g.SetTextMatrix(fila, ColCantidad, QStringLiteral("0"));
        rs.MoveNext();
    }
    db.CierraRecordset(rs);
}

void FrmLoteyPosicion::AgregaSaldoDeposito()
{
    // The stock without a position, of every lot together, each unit's balance in the
    // line's unit; only a positive balance can be taken.
    DB_Dll& db = *gDBPrincipal;
    const QString sql = QStringLiteral("SELECT IDUNIDADBASE, SUM(ISNULL(SALDO,0)) AS SALDO FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO=")
        + db.SQLValue(Utilidades->AjustaLargo(Deposito, 4)).toString() + QStringLiteral(" AND IDARTICULO=")
        + db.SQLValue(Utilidades->AjustaLargo(Articulo, 25)).toString()
        + QStringLiteral(" and idposicion is null GROUP BY IDUNIDADBASE");
    ado::Recordset rs;
    db.AbrirRecordset(sql, rs);
    double saldo = 0;
    while (!rs.EOF()) {
        saldo += EnUnidadDeLinea(fieldNumber(rs, QStringLiteral("Saldo")),
                                 Utilidades->AjustaLargo(vouchergrids::FieldText(rs, QStringLiteral("IdUnidadBase")), 4));
        rs.MoveNext();
    }
    db.CierraRecordset(rs);
    // A return can always come back into the deposit.
    if (vb::Currency::fromDouble(saldo) <= vb::Currency() && !EsDevolucion())
        return;
    ui::FlexGrid& g = *MSFlexGrid1;
    const int fila = g.Rows();
    g.SetRows(fila + 1);
    g.SetTextMatrix(fila, ColPosicion, QStringLiteral("DEPOSITO ") + Deposito);
    g.SetTextMatrix(fila, ColUnidad, IUNIDAD);
    g.SetTextMatrix(fila, ColDisponible, QuantityText(saldo));
    g.SetTextMatrix(fila, ColCantidad, QStringLiteral("0"));
    filaDeposito_ = fila;
}

void FrmLoteyPosicion::Cuenta_Series_Y_Lotes(const QString& PosicionesAnt, const QString& LotesAnt,
                                            QStringList& ArrPosiciones, QStringList& ArrCantidades,
                                            QStringList& ArrLotes)
{
    Cptes().DescomponePosicionCantidadLote(PosicionesAnt, LotesAnt, ArrPosiciones, ArrCantidades, ArrLotes);
    // The codec ends each array with an empty element; here an entry is a value.
    for (QStringList* lista : {&ArrPosiciones, &ArrCantidades, &ArrLotes})
        if (!lista->isEmpty())
            lista->removeLast();
}

void FrmLoteyPosicion::RestauraAnteriores(bool conLotes)
{
    QStringList posiciones, cantidades, lotes;
    Cuenta_Series_Y_Lotes(PosicionesAnteriores, LotesAnteriores, posiciones, cantidades, lotes);
    ui::FlexGrid& g = *MSFlexGrid1;
    for (int k = 0; k < posiciones.size(); ++k) {
        QString cantidad = k < cantidades.size() ? cantidades.at(k) : QString();
        // A return's entries carry its sign; the grid shows what is placed.
        if (EsDevolucion()) {
            const vb::Currency valor = CellQuantity(cantidad);
            cantidad = QuantityText(valor < vb::Currency() ? -valor : valor);
        }
        const QString lote = k < lotes.size() ? lotes.at(k) : QString();
        if (vb::Trim(posiciones.at(k)).isEmpty()) {
            if (filaDeposito_ > 0)
                g.SetTextMatrix(filaDeposito_, ColCantidad, cantidad);
            continue;
        }
        for (int fila = g.FixedRows(); fila < g.Rows(); ++fila) {
            if (fila == filaDeposito_ || !vouchergrids::SameCode(g.TextMatrix(fila, ColPosicion), posiciones.at(k))
                || (conLotes && !vouchergrids::SameCode(g.TextMatrix(fila, ColLote), lote)))
                continue;
            g.SetTextMatrix(fila, ColCantidad, cantidad);
            break;
        }
    }
}

void FrmLoteyPosicion::VerificaAnteriores()
{
    filaDeposito_ = -1;
    const bool conLotes = ConLotes();
    if (EsConsultaDePosicionLote) {
        AgregaSaldosPorPosicion(conLotes);
        AgregaSaldoDeposito();
        RestauraAnteriores(conLotes);
    } else if (EsPosicion) {
        AgregaSaldosPorPosicion(conLotes);
        AgregaSaldoDeposito();
        DistribuyeCantidad();
    }
}
