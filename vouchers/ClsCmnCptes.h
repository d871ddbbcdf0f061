#pragma once
// The suite's shared voucher class. A voucher form creates one object and calls its
// operations on its own grids and controls; the lot dialogs create one for the pipe-list
// operations. The constructor reads three settings from configuration once; a change of
// configuration reaches only objects created afterwards.
//
// Each folder of vouchers/ implements the members of its own section below, in its own
// library: grids/, lots/, stock/, loader/, lookup/. A section lists its members in the
// order of the class's public interface:
//    1 GeneraAsientoStock (stock)          24 PideSerieLote (lots)
//    2 TextPropiedades (grids)             25 PideSerieLote_Salidas (lots)
//    3 InicializaGrids (grids)             26 CuentaLotesEnGrilla (lots)
//    4 ActualizaBuchon (loader)            27 PidePosicionLote (lots)
//    5 ConsultaComprobante (lookup)        28 ObtieneStockxEquiv (stock)
//    6 ImporteCargosReales (loader)        29 ObtieneStockLOTE (stock)
//    7 ControlDeCargosReales (loader)      30 ObtieneStock (stock)
//    8 EstaRelacionadoAOtroComprobante     31 Busca_Lotes_Series (lots)
//      (loader)                            32 ValidaCantidadLineasCpte (grids)
//    9 ObtieneImporteCptesAsociados        33 CuentaItems (grids)
//      (loader)                            34 MuestraDetalleTareas (grids)
//   10 ObtieneLoteAutomatico (stock)       35 MuestraDetalleArticulos (grids)
//   11 ActualizaStock (stock)              36 MuestraDetalleOtrosConceptos (grids)
//   12 TieneSPNL (stock)                   37 MuestraDetalle (grids)
//   13 ObtieneSignoComprobante (stock)     38 TotalizadorControl (grids)
//   14 CantRepartoPend (loader)            39 PintarFila (grids)
//   15 AsignarDatosComprobante (loader)    40 ExisteEnGrid (grids)
//   16 StrSerieLote (lots)                 41 PintarColuma (grids)
//   17 DescomponeSerieLote (lots)          42 TareaRepetida (grids)
//   18 DescomponePosicionCantidadLote      43 ArticuloRepetido (grids)
//      (lots)                              44 OtrosConceptosRepetidos (grids)
//   19 Cuenta_Series_Lotes (lots)          45 NumeroEsFraccion (grids)
//   20 ExtraeSerieLoteConValor (lots)
//   21 ExtraeSerieLote (lots)
//   22 Cantidad_Series_Lotes (lots)
//   23 InsertaCHR255 (lots)
//
// Grids are passed as pointers: a null grid is an absent one. Grid columns are named in
// vouchers/GridColumns.h. Colours are &HBBGGRR values, as the grid takes them.
#include "platform/vb/Variant.h"
#include "vouchers/GridColumns.h"
#include <QString>
#include <optional>
#include <QStringList>
#include <optional>

class CajaTexto;
class QWidget;

namespace ado {
class Recordset;
}

namespace ui {
class FlexGrid;
class SSTab;
class StatusBar;
} // namespace ui

namespace voucherstock {
class StockPosting;
struct MovimientoAsiento;
} // namespace voucherstock

class ClsCmnCptes {
public:
    // Reads PIVA, PIVARec, AsientosXStock and LenDescripcion. Errors of the reads reach
    // the creator.
    ClsCmnCptes();

    // --- Public fields, in their declared order ---
    // Set by the host form; the VAT-book sign of ObtieneSignoComprobante reads it.
    bool DebitoProveedor = false;
    // Longest description of a line; LenDescripcion, 100 when that gives 0 or does not fit.
    qint16 gLenDesc = 100;
    // Customer account and voucher id of an order loaded by AsignarDatosComprobante.
    QString NPP_Cliente;
    QString NPP_IDCpte;
    // An electronic voucher has no page-line limit.
    bool esElectronica = false;
    bool esCreditoElectronica = false;

    // =====================================================================
    // grids: layout, cell editors, counts, status bar, control totals,
    // colouring and duplicate checks (vouchers/grids)
    // =====================================================================

    // Binds a floating cell editor to a column: DataField, MaxLength (0 none) and Tag
    // (lookup source) by the editor's name ("TxtEdit" tasks, "TxtEdit2" and "TXTAUX1"-
    // "TXTAUX3" articles, "TxtEdit3" other concepts); any other column leaves it reset.
    void TextPropiedades(CajaTexto& Texto, qint32 Columna);
    // Clears and lays out the task, article, other-concept and control-total grids for
    // the voucher type TC, measuring widths with obj's font. A null grid is skipped; a
    // null editor is left alone.
    void InicializaGrids(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                         CajaTexto* txtEdit, CajaTexto* txtEdit2, CajaTexto* txtEdit3, QWidget& obj, const QString& TC,
                         ui::FlexGrid* MSFlexGrid4);

    // Whether the filled rows plus Agragarle fit the page-line limit of TC and Letra
    // (TA_CONFIG_IMP_CPTE). CantLineas returns the limit (0 none: so is a stored limit of 0
    // or less, or not a number); with LineasAnteriores the limit passed in is used without
    // a query, one of 0 or less being none. CantLineasUsadas returns the rows
    // counted when a limit applies.
    bool ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, ui::FlexGrid* MSFlexGrid1,
                                  ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3, qint16& CantLineas,
                                  qint16& CantLineasUsadas, qint32 Agragarle, bool LineasAnteriores);
    // Filled rows of each grid and the total quantity of the articles; returns the sum.
    qint32 CuentaItems(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                       qint32& CantTareas, qint32& CantArticulos, qint32& CantOtrosConceptos, double& TotUnidades);
    // The current row of a grid in the status bar.
    void MuestraDetalleTareas(ui::FlexGrid* MSFlexGrid1, ui::StatusBar* StatB);
    void MuestraDetalleArticulos(ui::FlexGrid* MSFlexGrid2, ui::StatusBar* StatB, qint32 Columna);
    void MuestraDetalleOtrosConceptos(ui::FlexGrid* MSFlexGrid3, ui::StatusBar* StatB);
    void MuestraDetalle(const QString& Detalle, ui::StatusBar* StatB, qint32 Columna);
    // Rebuilds the control-totals grid from the visible tabs' grids; article subtotals
    // by rubro, by article type or by article.
    void TotalizadorControl(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                            ui::FlexGrid* MSFlexGrid4, ui::SSTab* SSTab1, bool AbiertoPorRubro, bool AbiertoPorTipo);
    // Paints every cell of a row; the grid's Col is kept, its Row is left on Fila.
    void PintarFila(qint32 Fila, ui::FlexGrid* MsFlexGrid, long Color);
    // Whether some row, the header included, has idArt in column 0.
    bool ExisteEnGrid(ui::FlexGrid* MsFlexGrid, const QString& idArt);
    // Paints a column from FilaDesde to FilaHasta (-1: first row, last row); the grid's
    // Row is kept, its Col is left on Columna.
    void PintarColuma(qint32 Columna, ui::FlexGrid* MsFlexGrid, qint32 FilaDesde, qint32 FilaHasta, long Color);
    // Another data row than FilaIgnorar with the same code: its row in FilaEncontrada.
    bool TareaRepetida(ui::FlexGrid* MSFlexGrid1, const QString& Tarea, qint32 FilaIgnorar, qint32& FilaEncontrada);
    bool ArticuloRepetido(ui::FlexGrid* MSFlexGrid2, const QString& Articulo, qint32 FilaIgnorar,
                          qint32& FilaEncontrada);
    bool OtrosConceptosRepetidos(ui::FlexGrid* MSFlexGrid3, const QString& OtroConcepto, qint32 FilaIgnorar,
                                 qint32& FilaEncontrada);
    // Whether the number (or its text) has a fractional part.
    bool NumeroEsFraccion(const vb::Variant& Numero);

    // =====================================================================
    // units/articles (vouchers/grids): article units and BuscaArticulo are
    // program-wide procedures, not members; members of the class that
    // they need go here
    // =====================================================================
    // Article units and their conversions are the stock module's procedures
    // (vouchers/Stock.h); resolving a typed or scanned code is BuscaArticulo
    // (vouchers/grids/BuscaArticulo.h). The class needs no member for them.

    // =====================================================================
    // lots: pipe lists and the lot, serial and position prompts
    // (vouchers/lots)
    // =====================================================================

    // Pipe lists: "|", then every value followed by "|" (|L1|L2|); the empty text and "|"
    // alone hold no value. Parallel lists pair their values by position. Inside a value
    // the separator (character 255, U+00FF) divides a lot from a serial. Readers trim the
    // whole text and take it with or without its leading "|"; values compare without
    // regard to case. Arrays come back with the values at 0..n-1 and one empty element
    // at n, so that their last index is the number of values.

    // The distinct non-empty values, each after one blank, in order of first appearance
    // (" A B"); a value after the last "|" is not taken.
    QString StrSerieLote(const QString& Serie_Lote);
    // Every value, trimmed, empty ones included; a text without "|" is one value.
    void DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo);
    // A position list (|P1*5|P2*2.5|) into its positions and quantities, and the lot list
    // into its lots. A position entry without "*" is all position, with no quantity.
    void DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                        QStringList& ArrPosiciones, QStringList& ArrCantidades, QStringList& ArrLote);
    // The entries of a line: with SinConsolidar the number of values of PipeSeries (of
    // PIPELotes when PipeSeries is empty); otherwise the number of distinct non-empty
    // serial-and-lot pairs.
    qint32 Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar = false);
    // The lot paired with the first value above 0; separators are removed from both
    // texts (the caller's too). "" when no value is above 0 or the lot list ends first.
    QString ExtraeSerieLoteConValor(QString& Serie, QString& Lote);
    // The value at a position counted from 1, untrimmed; "" outside the list.
    QString ExtraeSerieLote(const QString& Serie_Lote, qint16 QuePosicion);
    // The number of values, empty ones included; 0 for the empty text.
    qint32 Cantidad_Series_Lotes(const QString& Pipes);
    // The list with the separator after every value: |L1|L2| gives |L1ÿ|L2ÿ|.
    QString InsertaCHR255(const QString& iPipe);
    // Prompts for the detail of one article line. Each opens a fresh dialog over the active
    // window and destroys it when it ends, whatever happens; a cancelled dialog hands the
    // line's previous lists back unchanged.

    // Lots, serials (or both) or size codes of goods coming in: one value per unit of
    // Cantidad. Cantidad 0 empties both outputs without asking.
    void PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt, const QString& LoteAnt,
                       QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote, bool Talle);
    // Lots and serials picked from the stock of Deposito (the configured "DepositoDefault"
    // when empty, written back) less what the grid's other lines of the article took:
    // SeriesLoteNvo gets every listed row's key (lot, CHR(255), serial) and CantidadesNvo
    // the quantity taken from it. Unshown (MostrarForm false) the dialog accepts its own
    // proposal; when the stock falls short it says so and Cantidad comes back as what was
    // taken. Cantidad 0 changes nothing but Deposito.
    void PideSerieLote_Salidas(ui::FlexGrid* Grilla, const QString& Articulo, const QString& Descripcion,
                               double& Cantidad, const QString& SeriesLoteAnt, const QString& CantidadANT,
                               QString& SeriesLoteNvo, QString& CantidadesNvo, bool Lote, bool Serie, bool Talle,
                               QString& Deposito, bool MostrarForm);
    // Columns 21 and 22 of every row of the article (code compared without regard to case,
    // untrimmed), each joined into one pipe list. An absent grid raises 91.
    void CuentaLotesEnGrilla(ui::FlexGrid* Grilla, const QString& Articulo, QString& LotesEnGrid,
                             QString& CantidadesEnGrid);
    // Storage positions (and their lots) the line's quantity is taken from, balances shown
    // in IdUnidad: PosicionNVO gets |position*quantity|... ("*quantity" for the deposit's
    // stock without a position) and LoteNvo the aligned lots. When the operator agrees to
    // another total, Cantidad comes back as it. Cantidad 0 empties both outputs. Without
    // Posicion there are no positions: nothing is laid out and nothing handed back.
    void PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad, const QString& Deposito,
                          const QString& PosicionAnt, const QString& LoteAnt, QString& PosicionNVO, QString& LoteNvo,
                          bool Posicion, bool Lote);

    // The position of the first value equal to QueSerieLote (both trimmed); the number of
    // values plus 1 when none is; 0 for a text without "|".
    qint32 Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote);

    // =====================================================================
    // stock: stock posting, its accounting entry, signs and balances
    // (vouchers/stock)
    // =====================================================================

    // The stock accounting entry of the article grid, as statements (each after CR LF)
    // for the caller to run in its own transaction; "" when there is none. Nothing is
    // produced unless AsientosXStock is on. TipoMov picks the motive and the side of the
    // counter line: 1 delivery note, 2 on loan, 3 and 4 transfers (out, in), 5 reception
    // of a purchase order (configured motives), 99 the cost of goods sold of a sale
    // (eMotivoStock the sales motive; TC becomes "CMV" with that type's next number in
    // Suc, Nro, Letra); any other kind goes by the voucher type. EsDebito receives the
    // side of the counter line (debit when true). The entry always balances: a line whose
    // total comes out negative goes to the other side, and lines of 0 are left out.
    // SoloRegistro 0 is the whole grid (no entry when the voucher has one already); n is
    // grid row n alone, added to the voucher's lines (an UPDATE where the account and
    // side are written) under the voucher's entry number, new lines numbered after its
    // last one; CantidadMovimiento is then the movement's own quantity, whose share of
    // the row is posted (the row's quantity when not given). Every line of the entry
    // carries the header total CABImporte, the sum of its debit side.
    // The entry number is read from the database whenever the voucher has no line yet:
    // run the statements in the transaction that read it. Secuencia is the first line's
    // number and returns the next free one. The operator is told when the voucher has an
    // entry already, when the type's sub-journal cannot be read and when the sales motive
    // has no cost account.
    QString GeneraAsientoStock(ui::FlexGrid* grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                               QString& Letra, const QString& Fecha, bool& EsDebito, qint16 TipoMov, qint32 SoloRegistro,
                               qint16& Secuencia, std::optional<double> CantidadMovimiento = std::nullopt);
    // The next automatic lot: one above the greatest automatic lot taken as a number (a
    // stored lot that begins with a blank and is a whole number: numbers are brought to
    // the lot's width aligned to the right), "1" when there is none; so never a lot that
    // a voucher holds.
    QString ObtieneLoteAutomatico();
    // Posts the article grid of a saved voucher to stock (V_MV_STOCK): one movement per
    // line, or per lot, serial, exit pick or size of the line, in one pass (two for a
    // transfer: out of IdDeposito, into IdDepositoDestino; two for a production order:
    // the lines marked "-1" in column 28 come in, the others go out); then the
    // components of the lines' articles under an internal "PE" voucher, and the
    // voucher's stock accounting entry (see GeneraAsientoStock), added to the voucher's
    // entry when it has one (a voucher posted in stages). At once the entry is made
    // movement by movement, as row by row, each movement's own share of its line under
    // the motive it went under, a movement against the voucher's way (a production
    // order's used goods, a transfer's second pass) on the other sides; collected, it is
    // the whole grid by the voucher's kind of movement (1 to 5 for delivery notes and
    // receptions, with their configured motives).
    //
    // The movements of a line add up to its quantity, or nothing is posted. IdDeposito,
    // IdMotivoStock, TcOrigen and ComprobanteOrigen may read "ELDELGRID": each line then
    // gives its own (columns 6, 86, 34). A movement without a real deposit is refused;
    // so is, naming the line, an article that is not in the article master, a deposit
    // or motive that does not exist, a quantity (column 7, or one of the line's lots,
    // picks or sizes) or coefficient that is not a number in the workstation's format,
    // and a line in another unit than the article's base unit without coefficient when
    // the article has no equivalence between them (with one, its coefficient is written
    // into column 8). A date or complement that is not one is refused too. An empty
    // quantity or 0 is no movement. A line's quantity in the base unit is its quantity by
    // the coefficient (a weighed line's, column 76, is its own in column 74); every exit
    // leaves it in column 74, which is otherwise never read back. Sizes break down the
    // line's own quantity, in its unit, both ways; a component's lots are drawn in its
    // stock unit. A motive of blanks is the configured default motive; without one, a
    // posting whose entry goes by the motive is refused. A posting that fails leaves the
    // grid as it came. On an Oracle connection each movement row is an INSERT of its
    // own; elsewhere they are grouped up to a hundred per INSERT.
    //
    // Immediate mode (GeneraSentenciaSQL false): everything is written in one
    // transaction of its own under the database's write lock, numbers included (the
    // automatic lot, the "PE" voucher and its book, the entry number); a failure undoes
    // all of it, is told once the progress notice is closed and sets HayError. SqlTemp
    // is left as it came. Collect mode: nothing is written; the statements are appended
    // to SqlTemp, each after CR, for the caller to run as one batch inside its own
    // transaction. The numbers they carry are taken when the batch runs, from what is
    // written by then: the entry number, the entry's line sequences and its header
    // total, the "PE" voucher (its book moved on first), a production order's movement
    // sequence and the automatic lot; so any number of collects, of one voucher or of
    // several, run in one batch never share one. HayError is True on every failure, and
    // then SqlTemp and the in/out arguments are left as they came. On success
    // IdDeposito, IdDepositoDestino, IdMotivoStock, TcOrigen and ComprobanteOrigen hold
    // what the posting made of them, and LoteFijo the automatic lot when one was given
    // (collected, the one that was next at the collect). A user without a business unit
    // is told so, and nothing happens.
    void ActualizaStock(ui::FlexGrid* MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                        const QString& IdComplemento, const QString& Fecha, QString& IdDeposito,
                        QString& IdDepositoDestino, QString& IdMotivoStock, QString& TcOrigen,
                        QString& ComprobanteOrigen, bool EsTransferencia, const QString& Cuenta,
                        bool GeneraSentenciaSQL, QString& SqlTemp, bool& HayError, const QString& IdTecnico,
                        QString& LoteFijo, const QString& Aduana, const QString& LoteOrigen, qint16 SignoRemota,
                        bool MuestraCartel, const QString& IdVendedor, float SecuenciaFija, const QString& ArtMoneda,
                        vb::Currency ArtCotizacion);
    // Whether the voucher (type and IdComprobante) has its "spnl" movement in V_MV_STOCK.
    bool TieneSPNL(const QString& Tcp, const QString& IdCptep);
    // +1 when the voucher type enters stock, -1 when it takes it out: its ES column, else
    // its code's list (codes compare trimmed), else +1. With LibroIVA, the sign with which
    // it counts in the VAT book. A type that is not in V_TA_CPTE is told to the operator
    // and gives 0.
    qint16 ObtieneSignoComprobante(const QString& TC, bool LibroIVA);
    // The balance in UdBase (ControlStock) and, when udEquivBuscada is given, converted
    // to it (else 0). An empty UdBase takes the article's stock unit and is handed back.
    void ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, QString& UdBase,
                            const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv);
    // The lot's balance in the deposit; an empty lot: the stock without lot.
    double ObtieneStockLOTE(const QString& IdArticulo, const QString& IdDeposito, const QString& NroLote);
    // A balance narrowed by deposit, lot, serial and position; "Ignorar" leaves one out.
    // Lot and serial both "Ignorar": the balance in units (ControlStock), with the default
    // deposit and the article's stock unit for an "Ignorar" deposit or unit, handed back.
    // Otherwise the lot and serial stock, a blank value being no filter; an article that
    // uses serials only counts no lotted stock, one that uses lots only no serialised
    // stock (an article that is not there uses neither).
    double ObtieneStock(const QString& IdArticulo, QString& IdDeposito, const QString& NroLote, const QString& NroSerie,
                        const QString& IdPosicion, QString& IdUnidad);

    // =====================================================================
    // loader: loading a stored voucher, relations and real charges
    // (vouchers/loader)
    // =====================================================================

    // The audit row of an action on a voucher (V_MV_CPTEACCIONES): a creation (lEsAlta),
    // else a change (lEsModificacion), else a deletion, now, by the logged user on this
    // workstation and program. With GeneraSentencia the INSERT goes into SentenciaSQL for
    // the caller's batch; otherwise it runs at once. IdComplemento is a whole number (empty
    // or any other text is 0). Never raises: a complement or entry number out of range, or
    // a failed write, is shown in the error dialog and logged, and nothing is recorded (a
    // collected SentenciaSQL comes back empty).
    void ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool lEsAlta,
                         bool lEsModificacion, bool GeneraSentencia, QString& SentenciaSQL, const QString& NroAsiento);
    // The outstanding balance of the account's applied charges; 0 when it cannot be read.
    vb::Currency ImporteCargosReales(const QString& Cuenta);
    // Hands the customer and the registration number to the caller's charges-control
    // form (properties Cliente and Matricula; error 438 when it lacks one) and shows it
    // modally.
    void ControlDeCargosReales(QWidget* FrmCtrlCargosReales, const QString& Cliente, const QString& Matricula);
    // Whether some sales voucher was issued from this one (annulled ones count with
    // TenerEnCuentaAnulados). The complement compares as a whole number: "" and "0" are
    // the same voucher; one out of range raises 6.
    bool EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra, const QString& Complemento,
                                         bool TenerEnCuentaAnulados);
    // The amount of the sales vouchers issued from this one (any complement), annulled
    // ones left out.
    vb::Currency ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra);
    // What is still to deliver of an article of a voucher, never below 0; Aplicado gets
    // what its stock movements already delivered.
    double CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo, double& Aplicado);
    // Copies a stored voucher (TC, SucNroLetra and IdComplemento, or Proveedor for a
    // purchase one) into the task, article and other-concept grids of a voucher of type
    // CpteDestino being built; each grid must come from InicializaGrids, and the loaded
    // rows are followed by one empty row. The complement is a whole number (empty or any
    // other text is 0). Stored article lines without an article code are left out, and
    // the operator is told how many. Sets NPP_Cliente and NPP_IDCpte, IdRepartoRM
    // (in: -98 negates quantities) and an empty LetraDestino of an invoice ("A"); hands
    // the source's header back in LrcsCpte when one is passed. The operator's input to
    // the grids' window is dropped while it runs.
    void AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                 ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                 const vb::Variant& Inicializar, ado::Recordset* LrcsCpte, bool Compras,
                                 const QString& Proveedor, qint16& IdRepartoRM, bool ConvertirMoneda,
                                 const QString& WhrTareas, const QString& CpteDestino, QString& LetraDestino);

    // =====================================================================
    // voucher lookup: ConsultaComprobante (vouchers/lookup)
    // =====================================================================

    // Lets the operator pick a stored voucher of TC (a voucher type, or a selection name
    // such as "RM/PENDIENTES") in the voucher lookup, Filtro narrowing the list. Respuesta
    // gets the chosen voucher id (ids joined by "," for "OC"), IdComplemento its
    // complement and Proveedor its supplier account; all three come back empty when
    // nothing was chosen. Errors go to the data layer's error dialog.
    void ConsultaComprobante(const QString& TC, QString& Respuesta, const std::optional<QString>& Filtro = std::nullopt,
                             QString* IdComplemento = nullptr, QString* Proveedor = nullptr);

private:
    friend class TstClsCmnCptes;   // reads the settings
    friend class voucherstock::StockPosting;   // writes the entry of its movements

    // Settings read once by the constructor. Each section's private helpers go below
    // them, under the section's name.
    double PIVA = 0;               // general VAT rate, percent
    double PIVARec = 0;            // reduced VAT rate, percent
    bool AsientosXStock = false;   // stock movements get an accounting entry

    // stock
    double UltimoNroAsiento = 0;   // the entry number of the last stock entry produced

    // How an entry meets the voucher's lines already written: not at all (a voucher that
    // has an entry gets none), appended to them as they are read now, or appended to them
    // when its statements run (a collected batch: the entry number, the line sequences
    // and the header total are computed then, from the lines written by then).
    enum class AnexoAsiento { Ninguno, Ahora, AlCorrer };
    // GeneraAsientoStock over the whole grid (Movimientos null), or over the movements
    // given (row, quantity and motive each, as row by row), always appended to the
    // voucher's lines.
    QString AsientoStock(ui::FlexGrid* grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro, QString& Letra,
                         const QString& Fecha, bool& EsDebito, qint16 TipoMov,
                         const QList<voucherstock::MovimientoAsiento>* Movimientos, AnexoAsiento Anexo, qint16& Secuencia);
    // Whether a stock movement of the voucher type (movement kind TipoMov) gets an
    // accounting entry: AsientosXStock is on and the type's own programs do not book it.
    bool TieneAsientoDeStock(const QString& TC, qint16 TipoMov) const;
};
