// The statements of a posting in their order, the movement rows grouped into INSERTs of
// several rows.
#include "vouchers/stock/StockPosting.h"

#include "data/DB_Dll.h"

namespace voucherstock {

namespace {

// Rows per INSERT: well under what a server takes in one VALUES list.
constexpr int kFilasPorSentencia = 100;

} // namespace

StatementSink::StatementSink()
    : filasPorSentencia_(gDBPrincipal->IsOracleConnection() ? 1 : kFilasPorSentencia)
{
}

void StatementSink::AddRow(const QVector<CampoValor>& campos)
{
    // The rows so far take this one when their columns are the same, name by name.
    bool mismas = campos.size() == columnas_.size() && filas_ < filasPorSentencia_;
    for (qsizetype i = 0; mismas && i < campos.size(); ++i)
        mismas = campos[i].Campo == columnas_[i];
    if (!mismas) {
        closeRows();
        for (const CampoValor& c : campos)
            columnas_ << c.Campo;
    }
    qsizetype largo = valores_.size() + campos.size() + 2;
    for (const CampoValor& c : campos)
        largo += c.Valor.size();
    // Room for the rest of the statement's rows at once, as long as this one.
    if (largo > valores_.capacity())
        valores_.reserve(valores_.size() + (largo - valores_.size()) * (filasPorSentencia_ - filas_));
    if (filas_ > 0)
        valores_ += QLatin1Char(',');
    valores_ += QLatin1Char('(');
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0)
            valores_ += QLatin1Char(',');
        valores_ += campos[i].Valor;
    }
    valores_ += QLatin1Char(')');
    ++filas_;
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
    if (filas_ == 0)
        return;
    write(QStringLiteral("INSERT INTO V_MV_STOCK(") + columnas_.join(QLatin1Char(',')) + QStringLiteral(") VALUES ") + valores_);
    valores_.clear();
    filas_ = 0;
    columnas_.clear();
}

} // namespace voucherstock
