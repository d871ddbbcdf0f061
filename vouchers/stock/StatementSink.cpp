// The statements of a posting in their order, the movement rows grouped into INSERTs of
// several rows.
#include "vouchers/stock/StockPosting.h"

namespace voucherstock {

namespace {

// Rows per INSERT: well under what a server takes in one VALUES list.
constexpr int kFilasPorSentencia = 100;

} // namespace

void StatementSink::AddRow(const QVector<CampoValor>& campos)
{
    QStringList columnas;
    QStringList valores;
    for (const CampoValor& c : campos) {
        columnas << c.Campo;
        valores << c.Valor;
    }
    const QString lista = columnas.join(QLatin1Char(','));
    if (lista != columnas_ || filas_.size() >= kFilasPorSentencia)
        closeRows();
    columnas_ = lista;
    filas_ << QLatin1Char('(') + valores.join(QLatin1Char(',')) + QLatin1Char(')');
}

void StatementSink::Add(const QString& statement)
{
    closeRows();
    write(statement);
}

std::optional<StockFailure> StatementSink::Flush()
{
    closeRows();
    return run();
}

void StatementSink::closeRows()
{
    if (filas_.isEmpty())
        return;
    write(QStringLiteral("INSERT INTO V_MV_STOCK(") + columnas_ + QStringLiteral(") VALUES ") + filas_.join(QLatin1Char(',')));
    filas_.clear();
    columnas_.clear();
}

} // namespace voucherstock
