// The lot and serial dialog's pick rows: the article's stock in the deposit by lot and
// serial (summed over positions), the line's previous picks, what the voucher's other
// lines of the article took, and the proposal of the line's quantity.
#include "vouchers/lots/FrmCargaLotesySeries.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/grids/GridHelpers.h"

using lotdialogs::CellQuantity;
using lotdialogs::QuantityText;

namespace {


// The values of a pipe list, without the splitter's closing empty element.
QStringList valores(ClsCmnCptes& cptes, const QString& lista)
{
    QStringList arreglo;
    cptes.DescomponeSerieLote(lista, arreglo);
    if (!arreglo.isEmpty())
        arreglo.removeLast();
    return arreglo;
}

} // namespace

void FrmCargaLotesySeries::CargaStock()
{
    DB_Dll& db = *gDBPrincipal;
    // One row a lot and serial, whatever positions hold it.
    const QString sql = QStringLiteral("SELECT NroLote, NroSerie, SUM(CANTIDAD) AS Cantidad FROM STK_SERIES_Y_LOTES WHERE IdArticulo = ")
        + db.SQLValue(Utilidades->AjustaLargo(Articulo, 25)).toString() + QStringLiteral(" AND IDDEPOSITO = ")
        + db.SQLValue(Deposito).toString()
        + QStringLiteral(" GROUP BY NroLote, NroSerie HAVING SUM(CANTIDAD) > 0 ORDER BY NroLote, NroSerie");
    ado::Recordset rs;
    db.AbrirRecordset(sql, rs);
    ui::FlexGrid& g = *MSFlexGrid1;
    int registros = 0;
    while (!rs.EOF()) {
        const int fila = g.Rows();
        g.SetRows(fila + 1);
        g.SetTextMatrix(fila, ColLote, vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("NroLote"))));
        g.SetTextMatrix(fila, ColSerie, vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("NroSerie"))));
        g.SetTextMatrix(fila, ColStock, QuantityText(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Cantidad"))).toDouble()));
        ++registros;
        rs.MoveNext();
    }
    db.CierraRecordset(rs);

    // Previous picks no longer in stock come back with a stock of 0, matched on the whole
    // key, so that a serial picked before finds its own row.
    QStringList claves = ClavesDeFilas();
    for (const QString& pick : valores(Cptes(), Lotes)) {
        if (pick.isEmpty() || pick == QString(vouchergrids::kSeparadorLoteSerie) || IndiceEnArray(claves, pick, 0) >= 0)
            continue;
        const qsizetype corte = pick.indexOf(vouchergrids::kSeparadorLoteSerie);
        const int fila = g.Rows();
        g.SetRows(fila + 1);
        g.SetTextMatrix(fila, ColLote, corte < 0 ? pick : pick.left(corte));
        g.SetTextMatrix(fila, ColSerie, corte < 0 ? QString() : pick.mid(corte + 1));
        g.SetTextMatrix(fila, ColStock, QStringLiteral("0"));
        g.SetTextMatrix(fila, ColCantidad, QStringLiteral("0"));
        claves << ClaveDeFila(fila);
    }

    if (registros == 0)
        return;
    g.SetRows(g.Rows() + 1);
    if (Lotes.isEmpty())
        return;
    for (int fila = g.FixedRows(); fila < g.Rows(); ++fila) {
        const qint32 posicion = Cptes().Busca_Lotes_Series(Lotes, ClaveDeFila(fila));
        const QString cantidad = Cptes().ExtraeSerieLote(Series, qint16(qBound(0, posicion, 32767)));
        g.SetTextMatrix(fila, ColCantidad, QuantityText(CellQuantity(cantidad)));
    }
}

void FrmCargaLotesySeries::VerificaExistenciasEnGrilla()
{
    if (!EsConsultaDeSerieLote)
        return;
    ui::FlexGrid& g = *MSFlexGrid1;
    if (!LotesExistentes.isEmpty()) {
        QStringList tomados, cantidades, claves;
        vouchergrids::ResumeNext([&] { tomados = valores(Cptes(), LotesExistentes); });
        vouchergrids::ResumeNext([&] { cantidades = valores(Cptes(), SeriesExistentes); });
        vouchergrids::ResumeNext([&] { claves = ClavesDeFilas(); });
        for (int i = 0; i < tomados.size(); ++i) {
            vouchergrids::ResumeNext([&] {
                const qint16 indice = IndiceEnArray(claves, tomados.at(i), 0);
                if (indice < 0)
                    return;
                const int fila = indice + g.FixedRows();
                const vb::Currency tomado = CellQuantity(i < cantidades.size() ? cantidades.at(i) : QString());
                g.SetTextMatrix(fila, ColStock, QuantityText(CellQuantity(g.TextMatrix(fila, ColStock)) - tomado));
            });
        }
    }
    if (!Lotes.isEmpty())
        return;
    vouchergrids::ResumeNext([&] {
        lotdialogs::FillDown(g, g.FixedRows() - 1, ColCantidad, QStringLiteral("0"));
        DistribuyeCantidad();
    });
}

void FrmCargaLotesySeries::DistribuyeCantidad()
{
    lotdialogs::Distribute(*MSFlexGrid1, ColStock, ColCantidad, vb::Currency::fromDouble(Cantidad));
}

void FrmCargaLotesySeries::CompletaCantidades()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    vb::Currency resto = vb::Currency::fromDouble(Cantidad);
    for (int fila = g.FixedRows(); fila < g.Rows() && resto > vb::Currency(); ++fila) {
        vb::Currency toma = CellQuantity(g.TextMatrix(fila, ColStock));
        if (toma > resto || (toma == vb::Currency() && resto > vb::Currency()))
            toma = resto;
        resto -= toma;
        g.SetTextMatrix(fila, ColCantidad, QuantityText(toma));
    }
}
