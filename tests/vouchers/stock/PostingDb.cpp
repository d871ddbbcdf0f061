#include "PostingDb.h"

#include "frame/Config.h"
#include "frame/SaveTransaction.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "platform/vb/Currency.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/vouchers/TableContents.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"

#include <QDebug>

namespace stocktest {

QString Show(const QList<Mov>& ms)
{
    QStringList out;
    for (const Mov& m : ms)
        out << QStringLiteral("%1 [%2/%3] @%4 %5 (%6)").arg(m.articulo, m.lote, m.serie, m.deposito).arg(m.cantidad).arg(m.cantidadUD);
    return out.join(QStringLiteral("; "));
}

QString Show(const QList<Asiento>& ls)
{
    QStringList out;
    for (const Asiento& l : ls)
        out << QStringLiteral("%1 %2 %3 #%4").arg(l.cuenta, l.lado).arg(l.importe).arg(l.secuencia);
    return out.join(QStringLiteral("; "));
}

Renglon Linea(const QString& articulo, const QString& cantidad, const QString& costo)
{
    return {{ColArticulo::IdArticulo, articulo},
            {ColArticulo::Descripcion, articulo + QStringLiteral(" de prueba")},
            {ColArticulo::Unidad, QStringLiteral("UN")},
            {ColArticulo::UnidadBase, QStringLiteral("UN")},
            {ColArticulo::Cantidad, cantidad},
            {ColArticulo::Costo, costo},
            {ColArticulo::PideSerie, QStringLiteral("0")},
            {ColArticulo::PideLote, QStringLiteral("0")},
            {ColArticulo::PideTalle, QStringLiteral("0")}};
}

Renglon Con(Renglon r, const QMap<int, QString>& celdas)
{
    for (auto it = celdas.cbegin(); it != celdas.cend(); ++it)
        r[it.key()] = it.value();
    return r;
}

Renglon Hecho(const QString& articulo, const QString& cantidad, const QString& costo)
{
    return Con(Linea(articulo, cantidad, costo), {{ColArticulo::CantidadInsumo, QStringLiteral("-1")}});
}

QString DelComprobante(const QString& tc, const QString& id)
{
    return QStringLiteral("TC = '%1' AND Sucursal = '%2' AND Numero = '%3' AND Letra = '%4'")
        .arg(tc, id.left(4), id.mid(4, 8), id.mid(12, 1));
}

QList<double> Paracetamol(const testsupport::VoucherFixture& db)
{
    QList<double> out;
    for (const char* lote : {"L-2511", "L-2602", "P2611A", "P2612B", ""})
        out << db.Scalar(QStringLiteral("SELECT IFNULL(SUM(CANTIDAD), 0) FROM STK_SERIES_Y_LOTES WHERE IDARTICULO = 'PARA500' AND "
                                        "IDDEPOSITO = '   1' AND IFNULL(TRIM(NroLote), '') = '%1'")
                             .arg(QLatin1String(lote)))
                   .toDouble();
    return out;
}

PostingDb::PostingDb(const QStringList& extra) : db(extra)
{
    db.SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
    gPeriodo = 2026;
    gUsuarioLogeado = QStringLiteral("Vandrel");
}

QList<Mov> PostingDb::Movimientos(const QString& tc, const QString& id) const
{
    QList<Mov> out;
    const auto rows = db.Query(QStringLiteral("SELECT TRIM(IdArticulo), TRIM(NroLote), TRIM(NroSerie), TRIM(IdDeposito), Cantidad, "
                                              "CantidadUD FROM V_MV_STOCK WHERE TC = '%1' AND IdComprobante = '%2' ORDER BY Secuencia, ID")
                                   .arg(tc, id));
    for (const QVariantList& r : rows)
        out << Mov{r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString(), r[4].toDouble(), r[5].toDouble()};
    return out;
}

QList<Asiento> PostingDb::Lineas(const QString& tc, const QString& id) const
{
    QList<Asiento> out;
    const auto rows = db.Query(QStringLiteral("SELECT Cuenta, [Debe-Haber], Importe, Secuencia FROM MV_ASIENTOS WHERE ")
                               + DelComprobante(tc, id) + QStringLiteral(" ORDER BY Secuencia"));
    for (const QVariantList& r : rows)
        out << Asiento{r[0].toString(), r[1].toString(), r[2].toDouble(), r[3].toInt()};
    return out;
}

QVariant PostingDb::CabImporte(const QString& tc, const QString& id) const
{
    const auto rows = db.Query(QStringLiteral("SELECT DISTINCT CABImporte FROM MV_ASIENTOS WHERE ") + DelComprobante(tc, id));
    return rows.size() == 1 ? rows[0][0] : QVariant();
}

int PostingDb::Cuenta(const QString& sql) const
{
    return db.Scalar(sql).toInt();
}

int PostingDb::MovimientosGuardados() const
{
    return Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK"));
}

int PostingDb::LineasGuardadas() const
{
    return Cuenta(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS"));
}

int PostingDb::LibroPE() const
{
    return Cuenta(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'PE'"));
}

QString PostingDb::Corre(const QString& lote)
{
    SaveTransaction t;
    if (!t.Begin())
        return QStringLiteral("the transaction did not begin");
    ScriptFailure falla;
    if (!RunScriptInTransaction({lote}, falla))
        return falla.text;
    return t.Commit() ? QString() : QStringLiteral("the commit failed");
}

QString PostingDb::Postea(Posteo& p, ui::FlexGrid& g, bool recoger) const
{
    ClsCmnCptes c;
    p.recoger = recoger;
    const int antes = MovimientosGuardados();
    const int lineasAntes = LineasGuardadas();
    const int libro = LibroPE();
    p.run(c, g);
    if (p.hayError)
        return QStringLiteral("the posting failed");
    if (recoger) {
        if (MovimientosGuardados() != antes || LineasGuardadas() != lineasAntes || LibroPE() != libro)
            return QStringLiteral("collecting wrote rows");
        if (p.sqlTemp.isEmpty())
            return QStringLiteral("nothing was collected");
        const QString corrida = Corre(p.sqlTemp);
        p.sqlTemp.clear();
        if (!corrida.isEmpty())
            return corrida;
    }
    // Whatever the voucher, its entry balances and its header total is its debit side.
    vb::Currency debe;
    vb::Currency haber;
    for (const Asiento& l : Lineas(Utilidades->AjustaLargo(p.tc, 4), p.id))
        (l.lado == QLatin1String("D") ? debe : haber) += vb::Currency::fromDouble(l.importe);
    if (debe != haber)
        return QStringLiteral("the entry does not balance: ") + debe.toString() + QStringLiteral(" / ") + haber.toString();
    if (debe != vb::Currency() && vb::Currency::fromDouble(CabImporte(Utilidades->AjustaLargo(p.tc, 4), p.id).toDouble()) != debe)
        return QStringLiteral("the header total is not the debit side");
    return {};
}

QString PostingDb::Rechaza(Posteo& p, ui::FlexGrid& g, bool recoger)
{
    const QMap<QString, QStringList> antes = testsupport::TableContents();
    const QString recogido = QStringLiteral("antes");
    ClsCmnCptes c;
    p.recoger = recoger;
    p.sqlTemp = recogido;
    p.run(c, g);
    if (!p.hayError)
        return QStringLiteral("the posting was not refused");
    if (p.sqlTemp != recogido)
        return QStringLiteral("the collected statements changed: ") + p.sqlTemp;
    const QStringList cambiadas = testsupport::ChangedTables(antes, testsupport::TableContents());
    if (!cambiadas.isEmpty())
        return QStringLiteral("the refused posting changed ") + cambiadas.join(QStringLiteral(", "));
    return {};
}

Escenario::Escenario() : clock_(2026, 12, 15, 10, 30) {}

} // namespace stocktest
