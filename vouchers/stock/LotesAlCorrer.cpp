// A component's exit drawn from its lots when a collected batch runs: the lots are read as
// the batch finds them (what its earlier statements and other workstations wrote), so that
// no lot goes below 0 while another lot of the component has stock.
#include "vouchers/stock/StockInternal.h"

namespace voucherstock {

namespace {

QString number(double value)
{
    return SqlAmount(vb::Currency::fromDouble(value));
}

QString valueOf(const QVector<CampoValor>& fila, QLatin1StringView campo)
{
    for (const CampoValor& c : fila)
        if (c.Campo.compare(campo, Qt::CaseInsensitive) == 0)
            return c.Valor;
    return {};
}

} // namespace

QStringList LotesAlCorrer(QVector<CampoValor>& plantilla, const QString& IdArticulo, const QString& IdDeposito, double enStock,
                          double enUnidad)
{
    // The plantilla stands aside under its sequence negated while the lots' rows take the
    // sequences from it on: no two rows of the voucher share one at any time.
    for (CampoValor& c : plantilla)
        if (c.Campo.compare(QLatin1String("Secuencia"), Qt::CaseInsensitive) == 0)
            c.Valor = QStringLiteral("-(") + c.Valor + QLatin1Char(')');
    const QString total = number(enStock);
    // The plantilla's row, by the article (an index reads it) and its provisional lot.
    auto suFila = [&](const QString& tabla) {
        return QStringLiteral(" WHERE ") + tabla + QStringLiteral("IdArticulo = ") + valueOf(plantilla, QLatin1StringView("IdArticulo"))
             + QStringLiteral(" AND ") + tabla + QStringLiteral("NroLote = ") + valueOf(plantilla, QLatin1StringView("NroLote"));
    };

    // Each lot with stock, in lot order: what the lots before it hold (PREV), its place
    // (RANGO) and how far the lots up to it go (CUM, never past the total).
    const QString lotes = QLatin1Char('(') + LotesConSaldo(IdArticulo, IdDeposito, QStringLiteral(" WITH (UPDLOCK, HOLDLOCK)"))
                        + QLatin1Char(')');
    const QString antes = lotes + QStringLiteral(" b WHERE b.NROLOTE < a.NROLOTE)");
    const QString enOrden = QStringLiteral("(SELECT x.NROLOTE, x.PREV, x.RANGO, CASE WHEN x.PREV + x.CANTIDAD > ") + total
                          + QStringLiteral(" THEN ") + total + QStringLiteral(" ELSE x.PREV + x.CANTIDAD END AS CUM FROM ")
                          + QStringLiteral("(SELECT a.NROLOTE, a.CANTIDAD, (SELECT ISNULL(SUM(b.CANTIDAD), 0) FROM ") + antes
                          + QStringLiteral(" AS PREV, (SELECT COUNT(*) FROM ") + antes + QStringLiteral(" + 1 AS RANGO FROM ") + lotes
                          + QStringLiteral(" a) x) l");
    // A lot's share in the row's unit: its part of the whole, the rounded shares telescoping
    // to the row's quantity.
    auto enSuUnidad = [&](const QString& hasta) {
        return QStringLiteral("ROUND(") + hasta + QStringLiteral(" * ") + number(enUnidad) + QStringLiteral(" / ") + total
             + QStringLiteral(", 4)");
    };
    const bool mismaUnidad = vb::Currency::fromDouble(enStock) == vb::Currency::fromDouble(enUnidad);
    const QString cantidad = mismaUnidad ? QStringLiteral("l.PREV - l.CUM")
                                         : QStringLiteral("ROUND(") + enSuUnidad(QStringLiteral("l.PREV")) + QStringLiteral(" - ")
                                               + enSuUnidad(QStringLiteral("l.CUM")) + QStringLiteral(", 4)");

    // The rows of the lots: the plantilla's, but for their lot, quantities and place.
    QStringList columnas;
    QStringList valores;
    for (const CampoValor& c : plantilla) {
        columnas << c.Campo;
        if (c.Campo.compare(QLatin1String("Secuencia"), Qt::CaseInsensitive) == 0)
            valores << QStringLiteral("l.RANGO - 1 - t.Secuencia");
        else if (c.Campo.compare(QLatin1String("NroLote"), Qt::CaseInsensitive) == 0)
            valores << QStringLiteral("l.NROLOTE");
        else if (c.Campo.compare(QLatin1String("CantidadUd"), Qt::CaseInsensitive) == 0)
            valores << QStringLiteral("l.PREV - l.CUM");
        else if (c.Campo.compare(QLatin1String("Cantidad"), Qt::CaseInsensitive) == 0)
            valores << cantidad;
        else
            valores << QStringLiteral("t.") + c.Campo;
    }
    QStringList out;
    // A lot is drawn while the lots before it fall short (the first one always: a return
    // goes back to it), when it adds something.
    out << QStringLiteral("INSERT INTO V_MV_STOCK (") + columnas.join(QLatin1Char(',')) + QStringLiteral(") SELECT ")
               + valores.join(QLatin1Char(',')) + QStringLiteral(" FROM V_MV_STOCK t, ") + enOrden + suFila(QStringLiteral("t."))
               + QStringLiteral(" AND (l.PREV < ") + total + QStringLiteral(" OR l.RANGO = 1) AND l.CUM <> l.PREV");
    // The plantilla keeps what they lack, after them.
    const QString sacadas = QStringLiteral(" FROM V_MV_STOCK d WHERE d.TC = V_MV_STOCK.TC AND d.IdComprobante = V_MV_STOCK.IdComprobante "
                                           "AND d.IdArticulo = V_MV_STOCK.IdArticulo AND d.Secuencia >= 0 - V_MV_STOCK.Secuencia "
                                           "AND d.NroLote <> V_MV_STOCK.NroLote)");
    out << QStringLiteral("UPDATE V_MV_STOCK SET Secuencia = (SELECT COUNT(*)") + sacadas + QStringLiteral(" - Secuencia")
               + QStringLiteral(", CantidadUd = ROUND(CantidadUd - (SELECT ISNULL(SUM(d.CantidadUd), 0)") + sacadas
               + QStringLiteral(", 4), Cantidad = ROUND(Cantidad - (SELECT ISNULL(SUM(d.Cantidad), 0)") + sacadas
               + QStringLiteral(", 4)") + suFila(QString());
    out << QStringLiteral("DELETE FROM V_MV_STOCK") + suFila(QString()) + QStringLiteral(" AND CantidadUd = 0");
    out << QStringLiteral("UPDATE V_MV_STOCK SET NroLote = NULL") + suFila(QString());
    return out;
}

} // namespace voucherstock
