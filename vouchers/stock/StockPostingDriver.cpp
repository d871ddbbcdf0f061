// The stock posting of a voucher's article grid: the prologue that prepares the call's
// arguments, the passes over the grid with the movements of each line, and the voucher's
// stock accounting entry.
#include "vouchers/stock/StockPosting.h"

#include "data/DB_Dll.h"
#include "platform/vb/VbError.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"
#include "widgets/Dll_Display.h"

using vouchergrids::SameCode;
using vouchergrids::SwitchOn;

namespace voucherstock {

namespace {

bool blank(const QString& s)
{
    return vb::Trim(s).isEmpty();
}

// A grid flag: only the texts that read false are false, so a blank one is set.
bool flag(const QString& cell)
{
    return ValorBooleano(vb::Trim(cell), true);
}

// A prepared literal back to its text: without apostrophes, trimmed.
QString plain(const QString& literal)
{
    return vb::Trim(QString(literal).remove(QLatin1Char('\'')));
}

} // namespace

StockPosting::StockPosting(ClsCmnCptes& cptes, ui::FlexGrid& grid, CeldasEscritas& celdas, double piva, StockArgs& args,
                           StatementSink& sink)
    : c_(cptes), g_(grid), celdas_(celdas), piva_(piva), a_(args), sink_(sink)
{
}


std::optional<StockFailure> StockPosting::Run()
{
    if (auto f = prologue())
        return f;

    // The passes: a transfer goes out of the source and into the destination; a
    // production order brings in what it makes (column 28 "-1") and takes out the rest.
    int signo = signo_;
    for (int pasada = 1; pasada <= pasadas_; ++pasada) {
        signo = signo_;
        if (a_.EsTransferencia)
            signo = pasada == 1 ? -1 : 1;
        if (op_)
            signo = pasada == 1 ? 1 : -1;
        for (int fila = 1; fila < g_.Rows(); ++fila)
            if (auto f = postRow(fila, pasada, signo))
                return f;
    }
    // Collected, the rows of the automatic lot take it now that they are written.
    if (!loteProvisional_.isEmpty())
        sink_.Add(loteAutomaticoAlCorrer());
    // A movement the database refused ends the posting here.
    if (auto f = sink_.Flush())
        return f;
    cede();

    // The components of what the lines carry; a transfer takes them out of the source
    // and brings them into the destination.
    if (a_.EsTransferencia) {
        if (auto f = productionInputs(1, -1))
            return f;
        if (auto f = productionInputs(2, 1))
            return f;
    } else if (auto f = productionInputs(1, signo)) {
        return f;
    }
    if (a_.MuestraCartel)
        gDisplay->CartelCerrar();

    if (auto f = accountingEntry())
        return f;
    return sink_.Flush();
}

std::optional<StockFailure> StockPosting::checkArguments()
{
    if (!vb::IsDate(vb::Trim(a_.Fecha)))
        return StockFailure{QStringLiteral("La fecha del comprobante no es una fecha: ") + a_.Fecha};
    // A complement is a whole number as everywhere in the library (not one is 0); only one
    // beyond what the column holds stops the posting.
    try {
        vouchergrids::Complemento(a_.IdComplemento);
    } catch (const vb::VbError& e) {
        return StockFailure{e.Description};
    }
    return std::nullopt;
}

std::optional<StockFailure> StockPosting::prologue()
{
    DB_Dll& db = *gDBPrincipal;
    if (auto f = checkArguments())
        return f;
    // 3.
    cargaInsumos_ = SwitchOn(Cfg(QStringLiteral("CargaInsumosProduccion")));
    loteAutoIng_ = SwitchOn(Cfg(QStringLiteral("AsignacionAutomaticaDeLoteING")));
    loteAutoIngOP_ = SwitchOn(Cfg(QStringLiteral("AsignacionAutomaticaDeLoteINGOP")));
    confirmaUDEquiv_ = SwitchOn(Cfg(QStringLiteral("ConfirmaUDEquiv")));
    serieConCantidad_ = SwitchOn(Cfg(QStringLiteral("ART_FormatoSerieAsterisco")));
    // 4.
    if (a_.MuestraCartel)
        gDisplay->CartelInicio(QStringLiteral("Grabando Stock...."), false);
    // 5, 6.
    a_.TcOrigen = Utilidades->AjustaLargo(vb::Trim(a_.TcOrigen), 4);
    op_ = IsCode(a_.TC, "OP");
    if (op_)
        spnl_ = c_.TieneSPNL(a_.TC, a_.SucNroLetra);
    // 7. The origin: from the grid, or a literal.
    auto origen = [](QString& valor, bool& delGrid) {
        if (IsCode(valor, "ELDELGRID"))
            delGrid = true;
        else
            valor = blank(valor) ? QStringLiteral("NULL") : Literal(valor);
    };
    origen(a_.TcOrigen, tcGrid_);
    origen(a_.ComprobanteOrigen, cpteGrid_);
    // 8, 9. A purchase voucher received from an order marks the order received, once: the
    // condition is the UPDATE's own, one statement that every engine takes (Oracle knows
    // no IF EXISTS), and an order received before keeps its date.
    const QString irOblig = vb::Trim(Cfg(QStringLiteral("IR_Oblig")));
    const bool irObligatorio = !irOblig.isEmpty() && !IsCode(irOblig, "NO");
    if (!tcGrid_ && IsCode(Utilidades->TextoPlano(a_.TcOrigen), "OC") && (IsCode(a_.TC, "FCC") || IsCode(a_.TC, "RMC"))
        && !irObligatorio)
        sink_.Add(QStringLiteral("UPDATE c_mv_cpte set FechaRecepcion=") + Literal(a_.Fecha) + QStringLiteral(" where TC=")
                  + a_.TcOrigen + QStringLiteral(" and IDCOMPROBANTE=") + a_.ComprobanteOrigen
                  + QStringLiteral(" and FechaRecepcion is null"));
    // 10. The sign; a type that is not there stops the posting (the operator is told).
    if (a_.SignoRemota != 0)
        signo_ = a_.SignoRemota > 0 ? 1 : -1;
    else
        signo_ = c_.ObtieneSignoComprobante(a_.TC, false);
    if (signo_ == 0)
        return StockFailure{};
    // 11. One automatic lot serves the whole call. Collected, its rows carry a provisional
    // lot until the batch runs: the lot read now may be another's by then.
    if (((op_ && loteAutoIngOP_) || loteAutoIng_) && signo_ == 1) {
        a_.LoteFijo = c_.ObtieneLoteAutomatico();
        if (!sink_.Runs())
            loteProvisional_ = Provisional(25);
    }
    // 12.
    cede();
    compras_ = IsCode(Utilidades->ValorATexto(db.DatosTabla(QStringLiteral("V_TA_CPTE"), vb::Variant(a_.TC),
                                                            QStringLiteral("SISTEMA"), QStringLiteral("Codigo"),
                                                            vb::Variant(8), QString(), true, false)),
                      "COMPRAS");
    // 13. The deposit: from the grid, given, or the configured default.
    if (IsCode(a_.IdDeposito, "ELDELGRID"))
        depositoGrid_ = true;
    else if (!blank(a_.IdDeposito))
        a_.IdDeposito = Literal(Code(a_.IdDeposito, 4));
    else
        a_.IdDeposito = Literal(Code(Cfg(QStringLiteral("DepositoDefault")), 4));
    // 14. The motive: from the grid, given, or (blank) the configured default. Without
    // either no movement may go where the entry goes by the motive.
    motivoDefecto_ = vb::Trim(QString(Cfg(QStringLiteral("MotivoStockDefault"))).remove(QLatin1Char('\'')));
    if (IsCode(a_.IdMotivoStock, "ELDELGRID")) {
        motivoGrid_ = true;
    } else {
        a_.IdMotivoStock = motivoConDefecto(a_.IdMotivoStock);
        if (auto f = knownMotive(0, a_.IdMotivoStock))
            return f;
        if (IsCode(a_.IdMotivoStock, "NULL") && asientoPorMotivo())
            return StockFailure{QStringLiteral("No se ha informado el motivo de stock y no hay un motivo de stock por defecto "
                                               "(MotivoStockDefault): sin motivo no puede hacerse el asiento de stock del comprobante")};
    }
    // 15. A transfer goes somewhere.
    a_.IdDepositoDestino = blank(a_.IdDepositoDestino) ? QStringLiteral("NULL") : Literal(Code(a_.IdDepositoDestino, 4));
    if (a_.EsTransferencia && !esDepositoReal(a_.IdDepositoDestino))
        return StockFailure{QStringLiteral("No se ha informado el depósito de destino de la transferencia")};
    // 16.
    pasadas_ = a_.EsTransferencia || op_ ? 2 : 1;
    if (op_ && spnl_)
        pasadas_ = 1;
    // 17.
    secuencia_ = a_.SecuenciaFija > 0 ? a_.SecuenciaFija : 0;
    // 18. A production order goes on after its rows already stored.
    if (op_) {
        a_.IdDepositoDestino = a_.IdDeposito;
        ado::Recordset rs;
        db.AbrirRecordset(QStringLiteral("SELECT MAX(SECUENCIA) AS MAX_SECUENCIA FROM V_MV_STOCK") + filasDelComprobante(), rs);
        double base = rs.EOF() ? 0.0 : FieldDouble(rs, QStringLiteral("MAX_SECUENCIA"));
        db.CierraRecordset(rs);
        if (base != 0)
            base += 1;
        secuencia_ = float(base);
        // Collected, its rows go on after the rows stored when the batch runs.
        if (!sink_.Runs()) {
            secuenciaAlCorrer_ = true;
            secuenciaAnterior_ = secuencia_;
            sink_.UnaFilaPorSentencia();
        }
    }
    return std::nullopt;
}

QString StockPosting::motivoConDefecto(QString motivo) const
{
    motivo.remove(QLatin1Char('\''));
    if (!blank(motivo))
        return Literal(Utilidades->AjustaLargo(motivo, 4));
    return motivoDefecto_.isEmpty() ? QStringLiteral("NULL") : Literal(Utilidades->AjustaLargo(motivoDefecto_, 4));
}

qint16 StockPosting::tipoMovimiento() const
{
    const QString origen = Utilidades->TextoPlano(a_.TcOrigen);
    if (IsCode(a_.TC, "IR") && IsCode(origen, "OC"))
        return 5;
    if (IsCode(a_.TC, "RMC"))
        return 5;
    if (IsCode(a_.TC, "IR") && IsCode(origen, "RM"))
        return 4;
    if (IsCode(a_.TC, "RM") && comodato_)
        return 2;
    if (IsCode(a_.TC, "RM") && SameCode(Cfg(QStringLiteral("CuentaCtroDist")), a_.Cuenta))
        return 3;
    if (IsCode(a_.TC, "RM"))
        return 1;
    return 0;
}

bool StockPosting::asientoPorMotivo() const
{
    // At once every movement goes under its motive; collected, a kind with a configured
    // motive does not need the call's.
    return (sink_.Runs() || tipoMovimiento() == 0) && c_.TieneAsientoDeStock(a_.TC, 0);
}

QString StockPosting::filasDelComprobante() const
{
    return QStringLiteral(" WHERE TC = ") + Literal(Code(a_.TC, 4)) + QStringLiteral(" AND IDCOMPROBANTE = ")
         + Literal(a_.SucNroLetra);
}

QString StockPosting::loteAutomaticoAlCorrer() const
{
    // The provisional lot is no number: the greatest automatic lot is another's.
    QString filas = filasDelComprobante();
    if (!compras_)
        filas += QStringLiteral(" AND IdComplemento = ") + vouchergrids::ComplementLiteral(a_.IdComplemento);
    return QStringLiteral("UPDATE V_MV_STOCK SET NroLote = (") + SiguienteLoteAutomatico(QStringLiteral(" WITH (UPDLOCK, HOLDLOCK)"))
         + QLatin1Char(')') + filas + QStringLiteral(" AND NroLote = ") + Literal(loteProvisional_);
}

QString StockPosting::depositoDeLinea(int fila) const
{
    const QString propio = cell(fila, ColArticulo::Deposito);
    if (!propio.isEmpty())
        return Literal(Code(propio, 4));
    return depositoGrid_ ? QString() : a_.IdDeposito;
}

bool StockPosting::esDepositoReal(const QString& literal)
{
    const QString d = plain(literal);
    return !d.isEmpty() && !IsCode(d, "NULL") && !IsCode(d, "ELDELGRID");
}

std::optional<StockFailure> StockPosting::sinDeposito(int fila) const
{
    return StockFailure{QStringLiteral("No se ha informado el depósito del artículo ") + cell(fila, ColArticulo::IdArticulo)
                        + QStringLiteral(" (renglón ") + QString::number(fila)
                        + QStringLiteral("): indíquelo en el renglón o configure el depósito por defecto")};
}

namespace {

// How often a long posting lets the message loop run and rewrites its notice, in ms.
constexpr int kCadaMs = 20;

} // namespace

void StockPosting::cede()
{
    if (cedido_.isValid() && cedido_.elapsed() < kCadaMs)
        return;
    ui::DoEvents();
    cedido_.start();
}

void StockPosting::muestraCartel(int fila)
{
    // The notice lets the message loop run too.
    if (!a_.MuestraCartel || (mostrado_.isValid() && mostrado_.elapsed() < kCadaMs && fila < g_.Rows() - 1))
        return;
    mostrado_.start();
    cedido_.start();
    bool cancelado = false;
    gDisplay->CartelMostrar(cancelado, vb::Variant(QStringLiteral("Grabando Stock...")),
                            vb::Variant(cell(fila, ColArticulo::IdArticulo) + QStringLiteral("  ")
                                        + rawCell(fila, ColArticulo::Descripcion)),
                            vb::Variant(QString::number(fila) + QStringLiteral(" de ") + QString::number(g_.Rows() - 1)));
}

std::optional<StockFailure> StockPosting::postRow(int fila, int pasada, int signo)
{
    // Which lines move: with an article and a quantity (or a second quantity); in a
    // production order, what it makes in the first pass and what it uses in the second.
    // A quantity that is not a number stops the posting.
    const QString articulo = cell(fila, ColArticulo::IdArticulo);
    if (articulo.isEmpty())
        return std::nullopt;
    vb::Currency cantidad;
    if (auto f = lineQuantity(fila, cantidad))
        return f;
    if (cantidad == vb::Currency() && Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::CantBL)) == vb::Currency())
        return std::nullopt;
    if (op_) {
        const bool producido = cell(fila, ColArticulo::CantidadInsumo) == QLatin1String("-1");
        if ((pasada == 1 && !producido) || (pasada == 2 && producido))
            return std::nullopt;
    }
    // What the line names is there.
    QString unidadArticulo;
    if (auto f = knownArticle(fila, unidadArticulo))
        return f;
    if (motivoGrid_) {
        const QString motivo = motivoConDefecto(rawCell(fila, ColArticulo::MotivoStock));
        if (auto f = knownMotive(fila, motivo))
            return f;
        if (IsCode(motivo, "NULL") && asientoPorMotivo())
            return lineFailure(fila, QStringLiteral("no tiene motivo de stock y no hay un motivo de stock por defecto "
                                                    "(MotivoStockDefault): sin motivo no puede hacerse su asiento de stock"));
    }

    // Where it moves.
    QString deposito;
    if (a_.EsTransferencia && pasada == 2)
        deposito = a_.IdDepositoDestino;
    else if (pasada == 1 && a_.SignoRemota == 1 && !depositoGrid_)
        deposito = a_.IdDeposito;
    else
        deposito = depositoDeLinea(fila);
    if (!esDepositoReal(deposito))
        return sinDeposito(fila);
    if (auto f = knownDeposit(fila, deposito))
        return f;
    QString destino;
    if (a_.EsTransferencia) {
        destino = pasada == 1 ? a_.IdDepositoDestino : depositoDeLinea(fila);
        if (!esDepositoReal(destino))
            return sinDeposito(fila);
        if (auto f = knownDeposit(fila, destino))
            return f;
    }

    // Its movements: one per lot, serial, exit pick or size, or the whole line.
    const bool salida = signo == -1 || a_.EsTransferencia;
    if (signo == -1 && blank(rawCell(fila, ColArticulo::PideTalle)))
        escribe(fila, ColArticulo::PideTalle, QStringLiteral("0"));
    LineaStock linea;
    linea.lotes = rawCell(fila, ColArticulo::NroLote);
    linea.series = rawCell(fila, ColArticulo::NroSerie);
    linea.talles = !cell(fila, ColArticulo::PideTalle).isEmpty() && flag(rawCell(fila, ColArticulo::PideTalle));
    linea.usaSerie = flag(rawCell(fila, ColArticulo::PideSerie));
    linea.loteEntero = ValorBooleano(blank(rawCell(fila, ColArticulo::EsPerecedero)) ? QStringLiteral("0")
                                                                                   : cell(fila, ColArticulo::EsPerecedero),
                                     true);
    linea.cantidad = cantidad.toDouble();
    QString noEsNumero;
    QList<Entrada> entradas = EntradasDeLinea(c_, linea, salida, signo == 1 ? a_.LoteFijo : QString(), serieConCantidad_, noEsNumero);
    if (!noEsNumero.isNull())
        return lineFailure(fila, QStringLiteral("tiene en sus lotes, series o talles una cantidad que no es un número: ")
                                     + vb::Trim(noEsNumero));

    // A production order that has its "spnl" movement leaves out what is negative.
    bool recortada = false;
    if (op_ && spnl_)
        for (int i = 0; i < entradas.size(); ++i)
            if (entradas[i].cantidad < 0) {
                entradas = entradas.mid(0, i);
                recortada = true;
                break;
            }

    // The line's units: its unit (5), its base unit (41, else the article's stock unit)
    // and the equivalence (8, else the article's equivalence between the two).
    const QString unidad = cell(fila, ColArticulo::Unidad);
    const QString base41 = cell(fila, ColArticulo::UnidadBase);
    const QString unidadBase = base41.isEmpty() ? unidadArticulo : base41;
    double coeficiente = 1;
    if (auto f = lineCoefficient(fila, unidad, unidadBase, coeficiente))
        return f;
    escribe(fila, ColArticulo::UnidadEquiv, Utilidades->AjustaLargo(cell(fila, ColArticulo::UnidadEquiv), 4));
    if (rawCell(fila, ColArticulo::EsPesable).isEmpty())
        escribe(fila, ColArticulo::EsPesable, QStringLiteral("0"));
    const bool mismaUnidad = unidadBase.isEmpty() || SameCode(unidad, unidadBase);
    const vb::Currency equivalencia = vb::Currency::fromDouble(mismaUnidad || coeficiente <= 0 ? 1.0 : coeficiente);
    // The line's quantity in its base unit: a weighed line's own (column 74), else its
    // quantity by the coefficient. Otherwise column 74 is what a posting leaves, never
    // what it reads: it may be an earlier posting's, of another quantity.
    const bool pesable = flag(rawCell(fila, ColArticulo::EsPesable));
    const vb::Currency en74 = pesable ? Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::CantidadUD)) : vb::Currency();
    const vb::Currency enBase = en74 != vb::Currency() ? en74 : cantidad * equivalencia;

    // Each movement's quantity in the line's unit; exit picks come in the base unit.
    QList<double> pesos;
    bool picks = false;
    double enBasePicks = 0;
    for (const Entrada& e : std::as_const(entradas)) {
        if (e.enUnidadBase) {
            picks = true;
            enBasePicks += e.cantidad;
            pesos.append(enBase != vb::Currency() ? e.cantidad * cantidad.toDouble() / enBase.toDouble()
                                                  : e.cantidad / equivalencia.toDouble());
        } else {
            pesos.append(e.cantidad);
        }
    }
    double suma = 0;
    for (double p : std::as_const(pesos))
        suma += p;
    const QList<vb::Currency> cantidades = Reparte(vb::Currency::fromDouble(suma), pesos);
    // The movements of a line add up to its quantity, or the line is not posted.
    if (!recortada && vb::Currency::fromDouble(suma) != cantidad)
        return StockFailure{QStringLiteral("Las cantidades de los lotes, series o talles del artículo ") + articulo
                            + QStringLiteral(" (renglón ") + QString::number(fila) + QStringLiteral(") suman ")
                            + vb::Currency::fromDouble(suma).toString() + QStringLiteral(" y el renglón lleva ")
                            + cantidad.toString() + QStringLiteral(": corrija el detalle del renglón")};
    // An exit leaves the line's quantity in the base unit in column 74 (a weighed line
    // keeps its own there).
    if (salida) {
        const vb::Currency dejada = picks ? vb::Currency::fromDouble(enBasePicks) : enBase;
        if (en74 == vb::Currency())
            escribe(fila, ColArticulo::CantidadUD, vb::Variant(dejada.toDouble()).toString());
        baseDeLinea_.insert(fila, dejada);
    } else if (en74 != vb::Currency()) {
        baseDeLinea_.insert(fila, en74);
    }

    // The base-unit quantity: the weighed quantity (74), the confirmed equivalence (10 in
    // 9), or the line in its base unit (41, or its own unit when it has none).
    QList<double> pesosCantidad;
    for (const vb::Currency& q : cantidades)
        pesosCantidad.append(q.toDouble());
    bool conUD = true;
    QString etiqueta = unidadBase.isEmpty() ? unidad : unidadBase;
    vb::Currency totalUD = unidadBase.isEmpty() ? cantidad : enBase;
    bool enStock = true;   // the base unit is the one the stock keeps
    if (pesable) {
        conUD = !base41.isEmpty();
    } else if (confirmaUDEquiv_) {
        etiqueta = cell(fila, ColArticulo::UnidadEquiv);
        totalUD = Utilidades->TextoAMoneda(rawCell(fila, ColArticulo::CantidadEquiv));
        enStock = false;
    }
    QList<vb::Currency> cantidadesUD = Reparte(totalUD, pesosCantidad);
    if (picks && enStock)
        for (int i = 0; i < entradas.size(); ++i)
            if (entradas[i].enUnidadBase)
                cantidadesUD[i] = vb::Currency::fromDouble(entradas[i].cantidad);
    // The bulk quantities, shared in proportion.
    auto reparto = [&](int columna) {
        return Reparte(vb::Currency::fromDouble(Utilidades->TextoADoble(rawCell(fila, columna))), pesosCantidad);
    };
    const QList<vb::Currency> bl = reparto(ColArticulo::CantBL);
    const QList<vb::Currency> kg = reparto(ColArticulo::CantKG);
    const QList<vb::Currency> m3 = reparto(ColArticulo::CantM3);

    const vb::Currency s = vb::Currency::fromInt(signo);
    for (int i = 0; i < entradas.size(); ++i) {
        secuencia_ += 1;
        cede();
        Movimiento m;
        m.fila = fila;
        m.pasada = pasada;
        m.lote = entradas[i].lote;
        m.serie = entradas[i].serie;
        m.cantidad = cantidades[i] * s;
        m.conUD = conUD;
        m.cantidadUD = cantidadesUD[i] * s;
        m.unidadBase = etiqueta;
        m.bl = bl[i] * s;
        m.kg = kg[i] * s;
        m.m3 = m3[i] * s;
        m.deposito = deposito;
        m.destino = destino;
        m.loteFijo = entradas[i].fijo;
        sink_.AddRow(movementRow(m));
        // The entry counts each movement, with its sign, under the motive it went under.
        asiento_ << MovimientoAsiento{fila, cantidades[i].toDouble(), a_.IdMotivoStock, signo};
        muestraCartel(fila);
    }
    // The line left out after a negative quantity still took its number.
    if (recortada)
        secuencia_ += 1;
    return std::nullopt;
}

std::optional<StockFailure> StockPosting::accountingEntry()
{
    QString tc = a_.TC;
    QString suc = vb::Mid(a_.SucNroLetra, 1, 4);
    QString nro = vb::Mid(a_.SucNroLetra, 5, 8);
    QString letra = vb::Mid(a_.SucNroLetra, 13, 1);
    bool esDebito = true;
    qint16 secuencia = 1;
    // The entry reads the lines already written of the voucher: what went before runs first.
    if (auto f = sink_.Flush())
        return f;
    QString motivo = a_.IdMotivoStock;
    QString asiento;
    if (sink_.Runs()) {
        // At once: each movement's share of its line, under the motive it went under and
        // by the voucher type's side, added to the voucher's entry.
        asiento = c_.AsientoStock(&g_, motivo, tc, suc, nro, letra, a_.Fecha, esDebito, 0, &asiento_,
                                  ClsCmnCptes::AnexoAsiento::Ahora, secuencia);
    } else {
        // Collected: the whole grid by the kind of movement of the voucher, added when the
        // batch runs to the voucher's entry as it stands then.
        asiento = c_.AsientoStock(&g_, motivo, tc, suc, nro, letra, a_.Fecha, esDebito, tipoMovimiento(), nullptr,
                                  ClsCmnCptes::AnexoAsiento::AlCorrer, secuencia);
    }
    if (!asiento.isEmpty())
        sink_.Add(asiento);
    cede();
    return std::nullopt;
}

} // namespace voucherstock
