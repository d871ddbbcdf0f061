// Stock queries of the voucher class: the next automatic lot, whether a production order
// has its "spnl" movement, and balances by unit, lot, serial, position and deposit.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Config.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::RunSteps;
using namespace voucherstock;

namespace {

// The argument value that leaves a filter of ObtieneStock out.
bool ignorar(const QString& value)
{
    return value.compare(QLatin1String("Ignorar"), Qt::CaseInsensitive) == 0;
}

// The sum of CANTIDAD of STK_SERIES_Y_LOTES under the statement; 0 when no row matches.
double lotBalance(const QString& sql)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(sql, rs);
    const double saldo = rs.EOF() ? 0.0 : FieldDouble(rs, QStringLiteral("SaldoStock"));
    db.CierraRecordset(rs);
    return saldo;
}

QString lotBalanceHead(const QString& IdArticulo)
{
    return QStringLiteral(" SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES  WHERE IDARTICULO = ")
         + Literal(Code(IdArticulo, 25));
}

} // namespace

namespace voucherstock {

namespace {

// The greatest automatic lot of V_MV_STOCK, column "Maximo": the lots stored with a blank
// in front whose text is a whole number, the greatest as a number, written with 25 digits
// (zeros in front); Null when there is none. `hint` goes after the table.
QString mayorLoteAutomatico(const QString& hint)
{
    // Numbers brought to the lot's width are aligned to the right: a whole number after
    // the blanks. Its text is digits only (a blank inside is none: it would not read).
    const QString lote = QStringLiteral("LTRIM(RTRIM(NroLote))");
    QString resto = QStringLiteral("REPLACE(") + lote + QStringLiteral(", ' ', '-')");
    for (char d = '0'; d <= '9'; ++d)
        resto = QStringLiteral("REPLACE(") + resto + QStringLiteral(", '") + QLatin1Char(d) + QStringLiteral("', '')");
    // Brought to one width with zeros in front, the greatest text is the greatest number.
    return QStringLiteral("SELECT MAX(RIGHT('") + QString(25, QLatin1Char('0')) + QStringLiteral("' + ") + lote
         + QStringLiteral(", 25)) AS Maximo FROM V_MV_STOCK") + hint + QStringLiteral(" WHERE SUBSTRING(NroLote, 1, 1) = ' ' AND ")
         + lote + QStringLiteral(" <> '' AND ") + resto + QStringLiteral(" = ''");
}

} // namespace

QString SiguienteLoteAutomatico(const QString& hint)
{
    // The 25 digits of the greatest are added to in two parts that any engine's whole
    // numbers hold, the lower twelve carrying into the upper thirteen.
    const QString tope = QStringLiteral("999999999999");
    const QString partes = QStringLiteral("SELECT ISNULL(CAST(SUBSTRING(x.Maximo, 1, 13) AS BIGINT), 0) AS Alto, "
                                          "ISNULL(CAST(SUBSTRING(x.Maximo, 14, 12) AS BIGINT), 0) AS Bajo FROM (")
                         + mayorLoteAutomatico(hint) + QStringLiteral(") x");
    const QString siguiente = QStringLiteral("SELECT m.Alto + CASE WHEN m.Bajo = ") + tope
                            + QStringLiteral(" THEN 1 ELSE 0 END AS Alto, CASE WHEN m.Bajo = ") + tope
                            + QStringLiteral(" THEN 0 ELSE m.Bajo + 1 END AS Bajo FROM (") + partes + QStringLiteral(") m");
    // Written without zeros in front, right-aligned at the lot's width.
    return QStringLiteral("SELECT RIGHT('") + QString(25, QLatin1Char(' '))
         + QStringLiteral("' + CASE WHEN n.Alto = 0 THEN CAST(n.Bajo AS VARCHAR(12)) ELSE CAST(n.Alto AS VARCHAR(13)) + "
                          "RIGHT('000000000000' + CAST(n.Bajo AS VARCHAR(12)), 12) END, 25) AS Lote FROM (")
         + siguiente + QStringLiteral(") n");
}

} // namespace voucherstock

QString ClsCmnCptes::ObtieneLoteAutomatico()
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    // 1. One above the greatest automatic lot, as a number: never a lot that a voucher holds.
    db.AbrirRecordset(SiguienteLoteAutomatico(QString()), rs);
    // 2, 3.
    QString lote = rs.EOF() ? QString() : FieldText(rs, QStringLiteral("Lote"));
    db.CierraRecordset(rs);
    return lote.isEmpty() ? QStringLiteral("1") : lote;
}

bool ClsCmnCptes::TieneSPNL(const QString& Tcp, const QString& IdCptep)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("Select * from v_mv_stock where tc = 'spnl' and tc_origen = ") + Literal(Tcp)
                          + QStringLiteral(" and idcomprobante_origen = ") + Literal(IdCptep),
                      rs);
    const bool tiene = !rs.EOF();
    db.CierraRecordset(rs);
    return tiene;
}

void ClsCmnCptes::ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, QString& UdBase,
                                     const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv)
{
    // An empty unit is the article's stock unit, handed back.
    if (vb::Trim(UdBase).isEmpty())
        UdBase = ObtieneUnidadArticulo(IdArticulo);
    // 1.
    ControlStock(IdDeposito, IdArticulo, UdBase, StockUdBase);
    // 2.
    StockEquiv = udEquivBuscada.isEmpty() ? 0.0 : ConvierteCantidadxEquiv(IdArticulo, UdBase, StockUdBase, udEquivBuscada);
}

double ClsCmnCptes::ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote)
{
    const DbTrap trap(QStringLiteral("ObtieneStockLOTE"));
    double saldo = 0;
    trap([&] {
        // 1. An empty lot is the stock without lot.
        const QString lote = NroLote.isEmpty() ? QStringLiteral(" AND (NroLote = '' OR NROLOTE IS NULL)")
                                               : QStringLiteral(" AND NroLote = ") + Literal(Code(NroLote, 25)) + QStringLiteral(" ");
        // 2.
        saldo = lotBalance(lotBalanceHead(IdArticulo) + QStringLiteral(" AND IdDeposito = ")
                           + Literal(Utilidades->AjustaLargo(IdDeposito, 4)) + QStringLiteral(" ") + lote);
    });
    return saldo;
}

double ClsCmnCptes::ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote,
                                 const QString& NroSerie, const QString& IdPosicion, QString& IdUnidad)
{
    const DbTrap trap(QStringLiteral("ObtieneStock"));
    DB_Dll& db = *gDBPrincipal;
    double saldo = 0;

    // 1. Lot and serial left out: the balance in units.
    if (ignorar(NroLote) && ignorar(NroSerie)) {
        RunSteps(trap, {
            [&] {
                if (ignorar(IdDeposito))
                    IdDeposito = Code(Cfg(QStringLiteral("DepositoDefault")), 4);
            },
            [&] {
                if (ignorar(IdUnidad))
                    IdUnidad = Code(Utilidades->ValorATexto(db.DatosTabla(QStringLiteral("v_ma_articulos"), IdArticulo,
                                                                         QStringLiteral("IdUnidad"), QStringLiteral("IdArticulo"),
                                                                         vb::Variant(8), QString(), true, false)),
                                    4);
            },
            [&] { ControlStock(IdDeposito, IdArticulo, IdUnidad, saldo); },
        });
        return saldo;
    }

    // 2. The lot and serial stock, narrowed by what is given.
    ado::Recordset rs;
    bool usaSerie = false;
    bool usaLote = false;
    auto given = [](const QString& value) { return !ignorar(value) && !vb::Trim(value).isEmpty(); };
    RunSteps(trap, {
        // 2.1 An article that is not there has neither lots nor serials.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT USASERIE, USALOTE FROM V_MA_ARTICULOS WHERE IDARTICULO = ")
                                  + Literal(Code(IdArticulo, 25)) + QStringLiteral(" "),
                              rs);
        },
        [&] {
            if (rs.EOF())
                return;
            usaSerie = FieldSet(rs, QStringLiteral("USASERIE"));
            usaLote = FieldSet(rs, QStringLiteral("USALOTE"));
        },
        [&] { db.CierraRecordset(rs); },
        [&] {
            // 2.2, 2.3
            QString sql = lotBalanceHead(IdArticulo);
            if (given(IdDeposito))
                sql += QStringLiteral(" AND IdDeposito = ") + Literal(Utilidades->AjustaLargo(IdDeposito, 4)) + QStringLiteral(" ");
            if (given(NroLote))
                sql += QStringLiteral(" AND NroLote = ") + Literal(Code(NroLote, 25)) + QStringLiteral(" ");
            if (given(NroSerie))
                sql += QStringLiteral(" AND NroSerie = ") + Literal(Code(NroSerie, 25)) + QStringLiteral(" ");
            if (given(IdPosicion))
                sql += QStringLiteral(" AND IdPosicion = ") + Literal(Code(IdPosicion, 15)) + QStringLiteral(" ");
            // 2.4
            if (usaSerie && !usaLote)
                sql += QStringLiteral(" AND NroLote is NULL ");
            if (usaLote && !usaSerie)
                sql += QStringLiteral(" AND NroSerie is NULL ");
            // 2.5
            saldo = lotBalance(sql);
        },
    });
    db.CierraRecordset(rs);
    return saldo;
}
