#pragma once
// Stock posting (ActualizaStock) inside the stock library: the call's arguments, where
// its statements go, the movements a grid line makes, and the posting itself, whose
// parts live in their own sources (driver, line movements, movement row, production
// inputs). Not part of the library's interface.
#include "frame/StatementBuilder.h"
#include "platform/vb/Currency.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QList>
#include <QVector>
#include <QString>
#include <QStringList>
#include <optional>

class ClsCmnCptes;

namespace ui {
class FlexGrid;
}

namespace voucherstock {

// The value of a deposit, motive or origin argument that makes each line give its own.
inline const QString kElDelGrid = QStringLiteral("ELDELGRID");
// Divides a lot from a serial inside a pipe-list value.
using vouchergrids::kSeparadorLoteSerie;

// The arguments of one call, as the posting works on them; the caller's variables get
// the in/out ones back only when the posting succeeds.
struct StockArgs {
    QString TC;
    QString SucNroLetra;
    QString IdComplemento;
    QString Fecha;
    QString IdDeposito;
    QString IdDepositoDestino;
    QString IdMotivoStock;
    QString TcOrigen;
    QString ComprobanteOrigen;
    bool EsTransferencia = false;
    QString Cuenta;
    bool GeneraSentenciaSQL = false;
    QString IdTecnico;
    QString LoteFijo;
    QString Aduana;
    QString LoteOrigen;
    qint16 SignoRemota = 0;
    bool MuestraCartel = false;
    QString IdVendedor;
    float SecuenciaFija = 0;
    QString ArtMoneda;
    vb::Currency ArtCotizacion;
};

// Why a posting stopped. An empty message: the operator has been told already.
struct StockFailure {
    QString message;
    bool again = false;   // waited for a lock in vain or met a number taken meanwhile: run it all again
};

// The cells of the article grid a posting writes, each with what it held before the
// posting's first write to it, and the grid's current row: a posting that fails, or is
// run again, puts them back, so that the grid is as it came.
class CeldasEscritas {
public:
    explicit CeldasEscritas(ui::FlexGrid& grid);
    void Escribe(int fila, int columna, const QString& texto);
    void Restaura();

private:
    ui::FlexGrid& g_;
    int fila_;
    QHash<QPair<int, int>, QString> antes_;
};

// Where the statements of a posting go. Movement rows go out grouped: consecutive rows of
// the same columns make one INSERT of up to a hundred rows, which the server parses once.
// On an Oracle connection each row is an INSERT of its own: Oracle takes one row per
// INSERT ... VALUES, and its scripts run statement by statement.
class StatementSink {
public:
    StatementSink();
    virtual ~StatementSink() = default;
    // Every row in an INSERT of its own from now on (rows whose values read the rows
    // written before them).
    void UnaFilaPorSentencia() { filasPorSentencia_ = 1; }
    // A row of V_MV_STOCK, its columns and literals in order.
    void AddRow(const QVector<CampoValor>& campos);
    // Any other statement, after the rows added before it.
    void Add(const QString& statement);
    // Immediate mode runs what was added so far; the collector has nothing to run.
    std::optional<StockFailure> Flush();
    // Whether statements run as they are flushed (reads then see them).
    virtual bool Runs() const = 0;

protected:
    virtual void write(const QString& statement) = 0;
    virtual std::optional<StockFailure> run() = 0;

private:
    void closeRows();
    QStringList columnas_;   // the columns of the rows waiting
    QString valores_;        // their literals, "(...),(...)"
    int filas_ = 0;          // how many
    int filasPorSentencia_;  // 1 on Oracle
};

// One movement of a line: its lot and serial (blank: none, CHR(255) already removed)
// and its quantity as the line gives it, in the line's unit or, for exit picks, in
// the base unit. `fijo`: the lot is the call's fixed lot, not one of the line's own.
struct Entrada {
    QString lote;
    QString serie;
    double cantidad = 0;
    bool enUnidadBase = false;
    bool fijo = false;
};

// How a line's cells read for its movements.
struct LineaStock {
    QString lotes;        // column 21
    QString series;       // column 22
    bool talles = false;  // column 61: a blank flag is no sizes
    bool usaSerie = false;
    bool loteEntero = false;   // column 46, blank as "0"
    double cantidad = 0;       // column 7
};

// The movements of a line in one pass, before their quantities are brought to units:
// sign -1 (or either pass of a transfer) reads exit picks, +1 entries.
// serieConCantidad: serials may be written "serial*quantity". A quantity of the lists
// that is not a number (CantidadLeida) leaves the first such text in noEsNumero.
QList<Entrada> EntradasDeLinea(ClsCmnCptes& c, const LineaStock& linea, bool salida, const QString& loteFijo,
                               bool serieConCantidad, QString& noEsNumero);

// A quantity as the operator types it, in the workstation's format: an empty text reads
// 0; false (and 0) for a text that is not a number.
bool CantidadLeida(const QString& texto, double& cantidad);

// Shares a total among parts in proportion to their weights, at four decimals, so that
// the shares add up to the total exactly; no weights (all 0) give the whole to the first.
QList<vb::Currency> Reparte(vb::Currency total, const QList<double>& pesos);

} // namespace voucherstock

namespace voucherstock {

// One call of ActualizaStock: its arguments (rewritten as the posting goes), the grid
// and where the statements go. Run once per attempt.
class StockPosting {
public:
    StockPosting(ClsCmnCptes& cptes, ui::FlexGrid& grid, CeldasEscritas& celdas, double piva, StockArgs& args,
                 StatementSink& sink);

    // nullopt when every movement, component and entry line has gone to the sink.
    std::optional<StockFailure> Run();

private:
    // A movement of the voucher's own lines, its quantities signed.
    struct Movimiento {
        int fila = 0;
        int pasada = 0;
        QString lote;
        QString serie;
        vb::Currency cantidad;
        bool conUD = false;
        vb::Currency cantidadUD;
        QString unidadBase;
        vb::Currency bl;
        vb::Currency kg;
        vb::Currency m3;
        QString deposito;   // SQL literal
        QString destino;    // SQL literal, transfers only
        bool loteFijo = false;   // the lot is the call's fixed one
    };

    // --- driver (StockPostingDriver.cpp) ---
    std::optional<StockFailure> prologue();
    // The call's texts that must read as what they stand for: the date, the complement
    // and a given motive.
    std::optional<StockFailure> checkArguments();
    std::optional<StockFailure> postRow(int fila, int pasada, int signo);
    std::optional<StockFailure> accountingEntry();
    // The kind of movement of a collected entry (1 to 5: a configured motive stands for
    // the call's), 0 when it goes by the voucher type under the call's motive.
    qint16 tipoMovimiento() const;
    // Whether the posting's entry goes under the motive of the call or of its lines, so
    // that a movement without one would move stock without the entry asked for.
    bool asientoPorMotivo() const;
    // A motive as the posting writes it: its code as a literal; a blank one takes the
    // configured default motive; NULL when there is neither.
    QString motivoConDefecto(QString motivo) const;
    // The voucher's own rows of V_MV_STOCK: " WHERE TC = ... AND IDCOMPROBANTE = ...".
    QString filasDelComprobante() const;
    // Collected, the automatic lot is taken when the batch runs: the rows carry a
    // provisional lot of their own, which this statement turns into the next automatic lot.
    QString loteAutomaticoAlCorrer() const;
    // The deposit literal of a line: its own (column 6) or the call's; "" when neither.
    QString depositoDeLinea(int fila) const;
    // A literal that names a deposit: not blank, not NULL, not "ELDELGRID".
    static bool esDepositoReal(const QString& literal);
    std::optional<StockFailure> sinDeposito(int fila) const;

    // --- what a line names must exist (LineChecks.cpp) ---
    // The line's quantity (column 7) as a number; a failure naming the line when it is none.
    std::optional<StockFailure> lineQuantity(int fila, vb::Currency& cantidad);
    // The article exists; its stock unit in `unidad`.
    std::optional<StockFailure> knownArticle(int fila, QString& unidad);
    // The deposit literal names a deposit of V_TA_DEPOSITO.
    std::optional<StockFailure> knownDeposit(int fila, const QString& literal);
    // A motive code (not NULL) names a motive of V_TA_MOTIVOSTOCK; fila 0: the call's.
    std::optional<StockFailure> knownMotive(int fila, const QString& motivo);
    // The line's coefficient to its base unit: column 8 as given, or from the article's
    // equivalences when it is empty and the units differ (written into column 8).
    std::optional<StockFailure> lineCoefficient(int fila, const QString& unidad, const QString& unidadBase, double& coeficiente);
    std::optional<StockFailure> lineFailure(int fila, const QString& que) const;
    // A cell's text as a number (an amount); a failure naming the line and `que` ("una
    // cantidad") when it is none or out of range.
    std::optional<StockFailure> lineNumber(int fila, const QString& texto, const QString& que, vb::Currency& valor) const;
    void muestraCartel(int fila);
    // Lets the message loop run, so that the notice repaints; at most every few
    // milliseconds, which keeps a long voucher from spending its time there.
    void cede();

    // --- the movement row and the fields shared with the component rows (MovementRow.cpp) ---
    QVector<CampoValor> movementRow(const Movimiento& m);
    QString cell(int fila, int columna) const;   // trimmed
    QString rawCell(int fila, int columna) const;
    QString amountCell(int fila, int columna) const;   // number literal of a cell
    QString descripcion(const QString& texto) const;   // cut to gLenDesc, without apostrophes, quoted
    QString cajaLiteral();                              // "" when there is no cash desk
    QString motivoLiteral(int fila);                    // the motive, the line's when from the grid
    QString cuentaProveedor(const QString& articulo) const;   // "" when the field is left out
    // The running sequence as the row writes it; a production order collected goes on
    // after its rows as they stand when the batch runs.
    QString secuenciaTexto();
    void escribe(int fila, int columna, const QString& texto) { celdas_.Escribe(fila, columna, texto); }

    // --- production inputs (ProductionInputs.cpp) ---
    std::optional<StockFailure> productionInputs(int corrida, int signo);
    std::optional<StockFailure> componentRows(int fila, const QVector<RegArticuloCantidad>& insumos, const QString& deposito,
                                              double cantidad, bool porcentaje, int signo);
    // A component's quantity as the stock keeps it: in its stock unit, and the coefficient
    // from its own unit.
    struct EnStock {
        double cantidad = 0;
        QString unidad;
        double coeficiente = 1;
    };
    // The sequence of the internal voucher's next row.
    QString secuenciaPE();
    // A row of the article made (`producido`, its quantity in its line's unit) or of a
    // component: its quantity in its unit and as the stock keeps it.
    QVector<CampoValor> productionRow(int fila, const QString& deposito, bool producido, const QString& articulo,
                                      const QString& texto, const QString& lote, const QString& unidad, double cantidad,
                                      const EnStock& enStock, int signo, bool porcentaje);

    ClsCmnCptes& c_;
    ui::FlexGrid& g_;
    CeldasEscritas& celdas_;
    double piva_;
    StockArgs& a_;
    StatementSink& sink_;

    // from the grid: origin type, origin voucher, motive, deposit
    bool tcGrid_ = false;
    bool cpteGrid_ = false;
    bool motivoGrid_ = false;
    bool depositoGrid_ = false;
    // configuration switches
    bool cargaInsumos_ = false;
    bool loteAutoIng_ = false;
    bool loteAutoIngOP_ = false;
    bool confirmaUDEquiv_ = false;
    bool serieConCantidad_ = false;
    // the voucher
    bool op_ = false;
    bool spnl_ = false;
    bool compras_ = false;
    int signo_ = 0;
    int pasadas_ = 1;
    float secuencia_ = 0;
    bool comodato_ = false;
    // the internal voucher of the production inputs: the one being written (at once its
    // number; collected, the value its rows write), the value its rows write (a literal at
    // once, collected an expression that reads the number when the batch runs, or a
    // provisional id) and, collected, what turns a provisional id into the number
    QString idPE_;
    QString idPEValor_;
    QString corrigePE_;
    // collected: a production order's sequence taken when the batch runs (each row in an
    // INSERT of its own), from the sequence of the row before
    bool secuenciaAlCorrer_ = false;
    bool primeraSecuencia_ = true;
    float secuenciaAnterior_ = 0;
    // collected, the provisional lot that the rows of the call's automatic lot carry
    QString loteProvisional_;
    // the configured default motive, trimmed
    QString motivoDefecto_;
    // the quantity in the base unit of each line that the posting took out (what it
    // writes into column 74) or that a weighed line carries: the components in percent
    // go by it
    QHash<int, vb::Currency> baseDeLinea_;
    QElapsedTimer cedido_;
    QElapsedTimer mostrado_;
    // collected: the internal voucher's rows after a component drawn from its lots when the
    // batch runs take their sequence then, after the rows written before them
    bool secuenciaPEAlCorrer_ = false;
    // at once: the movements of the voucher's lines, for its entry
    QList<MovimientoAsiento> asiento_;
    // read once for the call: the grid's articles that exist (their stock unit, by code
    // in capitals), the deposits and the motives (trimmed, in capitals)
    std::optional<QHash<QString, QString>> articulos_;
    std::optional<QSet<QString>> depositos_;
    std::optional<QSet<QString>> motivos_;
};

} // namespace voucherstock
