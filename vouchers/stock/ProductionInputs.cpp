// The production inputs of a posting: the components of the lines' articles taken out of
// (or brought into) stock under an internal "PE" voucher, lot by lot where the component
// has lots in the deposit, and the record of that voucher's number.
#include "vouchers/stock/StockPosting.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "frame/StatementBuilder.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/BuscaArticulo.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

#include <QSet>

using vouchergrids::SameCode;
using vouchergrids::SwitchOn;

namespace voucherstock {

namespace {

QString numberOf(double value)
{
    return SqlAmount(vb::Currency::fromDouble(value));
}

// The articles of the grid's lines that have components, by their codes in capitals:
// read at once, so that a line without any costs no query.
QSet<QString> conComponentes(const ui::FlexGrid& g)
{
    QSet<QString> out;
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    for (const QString& lista : InLists(ArticulosDeLaGrilla(g))) {
        db.AbrirRecordset(QStringLiteral("SELECT DISTINCT IDARTICULO FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO IN (") + lista
                              + QLatin1Char(')'),
                          rs);
        for (; !rs.EOF(); rs.MoveNext())
            out.insert(FieldText(rs, QStringLiteral("IDARTICULO")).toUpper());
    }
    db.CierraRecordset(rs);
    return out;
}

} // namespace

std::optional<StockFailure> StockPosting::productionInputs(int corrida, int signo)
{
    // Whether the components are discharged here: not for a production order (it posts
    // its own inputs), its "spnl" part or the stock adjustments, nor when configured
    // elsewhere.
    if ((op_ && spnl_) || IsCode(a_.TC, "SPL"))
        return std::nullopt;
    if (IsCode(a_.TC, "AJP") || IsCode(a_.TC, "AJN"))
        return std::nullopt;
    if (SwitchOn(Cfg(QStringLiteral("DescargaInsumosProduccion"))))
        return std::nullopt;
    if (op_ || cargaInsumos_)
        return std::nullopt;

    // Each run takes a voucher of its own; a transfer's rows go on numbering after its
    // movements.
    idPE_.clear();
    secuenciaPEAlCorrer_ = false;
    if (!a_.EsTransferencia)
        secuencia_ = 0;
    DB_Dll& db = *gDBPrincipal;
    const QSet<QString> compuestos = conComponentes(g_);
    for (int fila = 1; fila < g_.Rows(); ++fila) {
        const vb::Currency enLinea = Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::Cantidad));
        const QString articulo = cell(fila, ColArticulo::IdArticulo);
        if (enLinea == vb::Currency() || articulo.isEmpty() || !compuestos.contains(articulo.toUpper()))
            continue;
        double cantidad = enLinea.toDouble();
        const bool porcentaje = !cell(fila, ColArticulo::InsumosPorPorcentaje).isEmpty()
                             && ValorBooleano(cell(fila, ColArticulo::InsumosPorPorcentaje), true);
        // In percent, the line's quantity in the base unit as this posting left it in
        // column 74 (or a weighed line's own), never an earlier posting's.
        const vb::Currency enBase = baseDeLinea_.value(fila);
        if (porcentaje && enBase > vb::Currency())
            cantidad = enBase.toDouble();
        // What is made in-house is posted as it is; so is what has no components.
        const QString procedencia = Utilidades->ValorATexto(db.DatosTabla(QStringLiteral("V_MA_ARTICULOS"), vb::Variant(articulo),
                                                                          QStringLiteral("PROCEDENCIA"), QStringLiteral("IDARTICULO"),
                                                                          vb::Variant(8), QString(), false, false));
        if (IsCode(procedencia, "PRODUCCION"))
            continue;
        QVector<RegArticuloCantidad> insumos;
        if (!IdArticuloTieneInsumos(articulo, insumos, false))
            continue;
        // The rows go where the line's movement went: the line's deposit, or the
        // destination in a transfer's second run.
        const QString deposito = a_.EsTransferencia && corrida == 2 ? a_.IdDepositoDestino : depositoDeLinea(fila);
        if (!esDepositoReal(deposito))
            return sinDeposito(fila);
        if (idPE_.isEmpty()) {
            if (sink_.Runs()) {
                // The number moves past what this call has stored already.
                if (auto f = sink_.Flush())
                    return f;
                idPE_ = AsignarNumeroComprobante(QStringLiteral("PE"), QStringLiteral("0001"), QStringLiteral("X"));
                idPEValor_ = Literal(idPE_);
            } else {
                // Collected, the number is taken when the batch runs: a number read now
                // may be another voucher's by then, or another collect's of the same batch.
                const NumeroAlCorrer numero = NumeroComprobanteAlCorrer(QStringLiteral("PE"), QStringLiteral("0001"), QStringLiteral("X"));
                if (!numero.reserva.isEmpty())
                    sink_.Add(numero.reserva);
                idPE_ = numero.id;
                idPEValor_ = numero.id;
                corrigePE_ = numero.corrige;
            }
            if (idPE_.isEmpty())
                return StockFailure{};
        }
        if (auto f = componentRows(fila, insumos, deposito, cantidad, porcentaje, signo))
            return f;
    }

    // The internal voucher's number is recorded in its book with its rows (collected, the
    // book moved on before them; without a book, the rows take their number now).
    if (!sink_.Runs()) {
        if (!corrigePE_.isEmpty())
            sink_.Add(corrigePE_);
        corrigePE_.clear();
    } else if (secuencia_ > 0 && !idPE_.isEmpty()) {
        QString letra = voucherkey::LetterOf(idPE_);
        QString script;
        ActualizaNumeracionComprobante(QStringLiteral("PE"), QStringLiteral("STOCK"), voucherkey::BranchOf(idPE_),
                                       vb::Str(vb::Val(voucherkey::NumberOf(idPE_)) + 1), letra, true, script);
        if (!vb::Trim(script).isEmpty())
            sink_.Add(script);
    }
    return std::nullopt;
}

std::optional<StockFailure> StockPosting::componentRows(int fila, const QVector<RegArticuloCantidad>& insumos,
                                                        const QString& deposito, double cantidad, bool porcentaje, int signo)
{
    const QString articulo = cell(fila, ColArticulo::IdArticulo);

    // Components given in percent: the article made comes in as they go out.
    if (porcentaje)
        sink_.AddRow(productionRow(fila, deposito, true, articulo, QString(), QString(), cell(fila, ColArticulo::Unidad), cantidad,
                                   EnStock{}, signo, porcentaje));
    for (const RegArticuloCantidad& insumo : std::as_const(insumos)) {
        QString codigo = QuitaMarcas(insumo.Codigo);
        if (codigo.isEmpty())
            continue;
        // "*" and a text: a component that is no article, described by the text.
        QString texto;
        if (codigo.size() > 1 && codigo.startsWith(QLatin1Char('*'))) {
            texto = codigo.mid(1);
            codigo = QStringLiteral("*");
        }
        const double enComponente = porcentaje ? cantidad * insumo.Cantidad / 100 : cantidad * insumo.Cantidad;
        if (codigo != QLatin1String("*")) {
            // A barcode or a supplier's code stands for its article; an unknown code is passed over.
            ado::Recordset rs;
            qint16 barraPrimero = 0;
            qint16 modo = 0;
            QString descripcionArt;
            QString udBase;
            double cantidadPrefijo = 0;
            vb::Currency importe;
            QString lotePrefijo;
            if (!BuscaArticulo(codigo, rs, -1, barraPrimero, descripcionArt, QString(), udBase, QString(), cantidadPrefijo,
                               importe, lotePrefijo, a_.TC, modo))
                continue;
            gDBPrincipal->CierraRecordset(rs);
        }
        // The component in its own unit and, as the stock keeps it, in its stock unit.
        const QString unidad = vb::Trim(QuitaMarcas(insumo.Unidad));
        const QString deStock = codigo == QLatin1String("*") ? QString() : ObtieneUnidadArticulo(codigo);
        EnStock enStock{enComponente, deStock.isEmpty() ? unidad : deStock, 1};
        if (!deStock.isEmpty() && !unidad.isEmpty() && !SameCode(deStock, unidad)) {
            QString desde = unidad;
            enStock.cantidad = ConvierteCantidadxEquiv(codigo, desde, enComponente, deStock);
            if (enStock.cantidad == 0 && enComponente != 0)
                return StockFailure{QStringLiteral("El componente ") + codigo + QStringLiteral(" de ") + articulo
                                    + QStringLiteral(" no tiene equivalencia entre las unidades ") + unidad + QStringLiteral(" y ")
                                    + deStock};
            enStock.coeficiente = enComponente != 0 ? enStock.cantidad / enComponente : 1;
        }
        const double enBase = enStock.cantidad;
        // Collected, what goes out is drawn from the lots when the batch runs: the stock
        // read now shows neither the batch's earlier collects nor what other workstations
        // post before it runs.
        if (!sink_.Runs() && signo < 0 && codigo != QLatin1String("*") && enBase != 0) {
            QVector<CampoValor> plantilla = productionRow(fila, deposito, false, codigo, texto, Provisional(25), unidad,
                                                          enComponente, enStock, signo, porcentaje);
            const QStringList lotes = LotesAlCorrer(plantilla, codigo, deposito, enBase, enComponente);
            sink_.AddRow(plantilla);
            for (const QString& s : lotes)
                sink_.Add(s);
            // How many rows they make is known only then: the rows after them follow the
            // internal voucher's rows as they stand.
            secuenciaPEAlCorrer_ = true;
            sink_.UnaFilaPorSentencia();
            continue;
        }
        // The lots of the component in the deposit the rows go to, in lot order, drawn in
        // the stock unit their balances are kept in; the rows already posted by this call
        // count.
        if (auto f = sink_.Flush())
            return f;
        QVector<RegArticuloCantidad> lotes;
        if (!ArticuloTieneLotes(codigo, deposito, lotes, enBase)) {
            sink_.AddRow(productionRow(fila, deposito, false, codigo, texto, QString(), unidad, enComponente, enStock, signo,
                                       porcentaje));
            continue;
        }
        QStringList deLote;
        QList<double> enLotes;
        for (const RegArticuloCantidad& l : std::as_const(lotes)) {
            deLote << QuitaMarcas(l.Codigo);
            enLotes << l.Cantidad;
        }
        // Each lot's share of the component in its own unit: the rows add up to it.
        const QList<vb::Currency> enUnidad = Reparte(vb::Currency::fromDouble(enComponente), enLotes);
        for (int i = 0; i < deLote.size(); ++i)
            sink_.AddRow(productionRow(fila, deposito, false, codigo, texto, deLote[i], unidad, enUnidad[i].toDouble(),
                                       EnStock{enLotes[i], enStock.unidad, enStock.coeficiente}, signo, porcentaje));
    }
    return std::nullopt;
}

QString StockPosting::secuenciaPE()
{
    if (!secuenciaPEAlCorrer_)
        return secuenciaTexto();
    return QStringLiteral("(SELECT ISNULL(MAX(Secuencia), ") + SqlAmount(vb::Currency::fromDouble(double(secuencia_ - 1)))
         + QStringLiteral(") FROM V_MV_STOCK WITH (UPDLOCK, HOLDLOCK) WHERE TC = ") + Literal(Code(QStringLiteral("PE"), 4))
         + QStringLiteral(" AND IdComprobante = ") + idPEValor_ + QStringLiteral(") + 1");
}

QVector<CampoValor> StockPosting::productionRow(int fila, const QString& deposito, bool producido, const QString& articulo,
                                                const QString& texto, const QString& lote, const QString& unidad, double cantidad,
                                                const EnStock& enStock, int signo, bool porcentaje)
{
    DB_Dll& db = *gDBPrincipal;
    secuencia_ += 1;
    const QString producto = cell(fila, ColArticulo::IdArticulo);
    auto datoArticulo = [&](const QString& campo, const QString& clave) {
        return vb::Trim(Utilidades->ValorATexto(db.DatosTabla(QStringLiteral("V_MA_ARTICULOS"), vb::Variant(articulo), campo, clave,
                                                              vb::Variant(8), QString(), true, false)));
    };

    // The quantities: the article made comes in when its components go out, in one sign
    // in both quantities; a component goes with the movement, in its own unit and, as
    // the base quantity, in its stock unit.
    vb::Currency enUnidad;
    vb::Currency enBase;
    QString unidadBase;
    double equivalencia = 1;
    if (producido) {
        const int s = -signo;
        enUnidad = vb::Currency::fromDouble(cantidad * s);
        const QString base41 = cell(fila, ColArticulo::UnidadBase);
        unidadBase = base41.isEmpty() ? unidad : base41;
        enBase = enUnidad;
        if (ValorBooleano(cell(fila, ColArticulo::EsPesable), true)) {
            enBase = Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::CantidadUD)) * vb::Currency::fromInt(s);
        } else if (confirmaUDEquiv_) {
            enBase = Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::CantidadEquiv)) * vb::Currency::fromInt(s);
            unidadBase = cell(fila, ColArticulo::UnidadEquiv);
        }
    } else {
        enUnidad = vb::Currency::fromDouble(cantidad * signo);
        enBase = vb::Currency::fromDouble(enStock.cantidad * signo);
        unidadBase = enStock.unidad;
        equivalencia = enStock.coeficiente;
    }

    QVector<CampoValor> campos;
    auto add = [&](const char* campo, const QString& valor) { campos.append({QLatin1String(campo), valor}); };
    add("TC", Literal(Code(QStringLiteral("PE"), 4)));
    add("IdComprobante", idPEValor_);
    if (!compras_)
        add("IdComplemento", vouchergrids::ComplementLiteral(a_.IdComplemento));
    add("Secuencia", secuenciaPE());
    add("Fecha", Literal(a_.Fecha));
    add("IdDeposito", deposito);
    add("IdArticulo", Literal(Utilidades->AjustaLargo(producido ? producto : articulo, 25)));
    if (producido)
        add("Descripcion", descripcion(rawCell(fila, ColArticulo::Descripcion)));
    else if (articulo == QLatin1String("*"))
        add("Descripcion", descripcion(texto));
    else
        add("Descripcion", descripcion(datoArticulo(QStringLiteral("DESCRIPCION"), QStringLiteral("IDARTICULO"))));
    if (!producido && !vb::Trim(lote).isEmpty())
        add("NroLote", Literal(Utilidades->AjustaLargo(lote, 25)));
    add("IdUnidad", unidad.isEmpty() ? QStringLiteral("NULL") : Literal(Utilidades->AjustaLargo(unidad, 4)));
    add("CantidadUd", SqlAmount(enBase));
    add("IdUnidadBase", unidadBase.isEmpty() ? QStringLiteral("NULL") : Literal(Code(unidadBase, 4)));
    add("equiv_udbase", numberOf(equivalencia));
    add("Cantidad", SqlAmount(enUnidad));
    const QString caja = cajaLiteral();
    if (!caja.isEmpty())
        add("IdCaja", caja);
    // The supplier's account of the article made (percent) or of the component.
    const QString cuenta = cuentaProveedor(porcentaje ? producto : articulo);
    if (!cuenta.isEmpty())
        add("CuentaProveedor", cuenta);
    add("IdMotivoStock", motivoLiteral(fila));
    add("PrecioVenta", QStringLiteral("0"));
    add("Importe_S_iva", QStringLiteral("0"));
    add("Costo", producido ? amountCell(fila, ColArticulo::Costo)
                           : SqlAmount(Utilidades->TextoAMoneda(datoArticulo(QStringLiteral("Costo"), QStringLiteral("idarticulo")))));
    add("Tc_Origen", Literal(a_.TC));
    add("IdComprobante_Origen", Literal(a_.SucNroLetra));
    add("ControladoPor", Literal(producto));
    add("Unegocio", gUNegocio.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0 ? gUNegocio : Literal(gUNegocio));
    add("ARTMONEDA", Literal(Utilidades->AjustaLargo(a_.ArtMoneda, 4)));
    add("ARTCOTIZACION", SqlAmount(a_.ArtCotizacion));
    // The caller's origin type follows the line's, as the voucher's own rows leave it.
    if (tcGrid_) {
        const QString tipo = vb::Trim(vb::Left(rawCell(fila, ColArticulo::CpteOrigen), 4));
        a_.TcOrigen = tipo.isEmpty() ? QStringLiteral("NULL") : Literal(tipo);
    }

    return campos;
}

} // namespace voucherstock
