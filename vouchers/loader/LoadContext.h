#pragma once
// The working values of one load of a stored voucher into a voucher form's grids
// (AsignarDatosComprobante), shared by the loader's frame and its three stages: task
// rows, article rows and other-concept rows. One object lives for one call.
//
// Every statement of the load and its stages runs through Step: an error goes to the
// library's error routine under the name "AsignarDatosPresupuesto"; Retry runs the
// statement again, Ignore goes on with the next one, and any other answer leaves the
// whole load (Step throws LeaveLoad, which only AsignarDatosComprobante catches).
#include "platform/ado/Recordset.h"
#include "platform/vb/Variant.h"
#include "vouchers/grids/GridHelpers.h"

#include <QHash>
#include <QString>
#include <functional>

class ClsCmnCptes;

namespace ui {
class FlexGrid;
}

namespace voucherloader {

// The operator chose to leave the load (or the load found nothing to load).
struct LeaveLoad {};

struct LoadContext {
    explicit LoadContext(ClsCmnCptes& owner) : cptes(owner) {}
    LoadContext(const LoadContext&) = delete;
    LoadContext& operator=(const LoadContext&) = delete;

    // The voucher object the load belongs to (NPP_Cliente, the grid helpers).
    ClsCmnCptes& cptes;

    // --- The call's arguments ---
    QString TC;                  // source voucher type, as passed
    QString SucNroLetra;         // source IdComprobante, as passed
    ui::FlexGrid* MSFlexGrid1 = nullptr;   // tasks
    ui::FlexGrid* MSFlexGrid2 = nullptr;   // articles
    ui::FlexGrid* MSFlexGrid3 = nullptr;   // other concepts
    bool Compras = false;        // the source is read from the purchase ("C_") tables
    bool ConvertirMoneda = false; // amounts times the header's Cotizacion
    QString CpteDestino;         // voucher type being built
    QString LetraDestino;        // its letter ("A" when it was left empty for an invoice)
    double PIVA = 0;             // the voucher object's general VAT rate

    // --- Working values of the load ---
    QString prefijo;             // table prefix: "V_" or "C_"
    QString condicion;           // " WHERE TC = ... " key condition of the source's rows
    qint16 limiteLineas = 9999;  // article lines per printed sheet of the destination
    bool esCompra = false;       // SISTEMA of the source type is "COMPRAS"
    bool preciosFinales = false;       // "PreciosFinales"
    bool descargaStockRemitos = false; // "DescargaStockRemitos"
    bool entregaParcial = true;        // "EntregaParcialRemito" (missing key: on)
    bool cantidadesNegativas = false;  // IdRepartoRM came in as -98

    // Article stage: rows counted against the page-line limit, the first-row flag of
    // the row protocol, the business-unit flag of the last article lookup (2: the
    // article belongs to another business unit) and the articles of a delivery run.
    int contador = 0;
    bool primeraFila = true;
    qint16 flagUNegocio = 0;
    QString articulosReparto;
    // The description of each article type met (type code trimmed, in capitals).
    QHash<QString, QString> tiposArticulo;

    // The source's header (positioned on its row), task lines, article lines and other
    // concepts; `aplicado` serves every applied-quantity query of the article stage.
    ado::Recordset cabecera;
    ado::Recordset tareas;
    ado::Recordset articulos;
    ado::Recordset otros;
    ado::Recordset aplicado;

    // Runs one statement under the load's error trap (see above).
    void Step(const std::function<void()>& statement) const;
};

// A field of a recordset's current row, never Null (ValorCampo).
vb::Variant Value(ado::Recordset& rs, const QString& field);
// Its text ("" for Null), and that text without outer blanks.
using vouchergrids::FieldText;
QString Trimmed(ado::Recordset& rs, const QString& field);
// An amount (a value, or a value times the exchange rate) as the grids show money: the
// configured decimals, no thousands separators.
QString MoneyText(const vb::Variant& amount);
QString MoneyText(const vb::Variant& amount, const vb::Variant& cotizacion);
// An amount of a stored row as the load writes it: times the header's exchange rate when
// the load converts.
QString LoadedMoneyText(LoadContext& ctx, const vb::Variant& amount);
// An amount times an exchange rate, both read through ValorCampo, computed in money.
vb::Currency Converted(const vb::Variant& amount, const vb::Variant& cotizacion);
using vouchergrids::Literal;
// Texts compared as the loader compares them: letter case ignored.
bool Same(const QString& a, const char* b);
// Whether the running program is the given sibling program of the suite.
bool RunningProgram(const char* name);
// BuscaArticulo as the loader calls it for the stored line `linea` stands on: its article
// code, trimmed, at 25 characters, read-only, no barcode first, no supplier, list or
// voucher type. The article's row comes back in `articulo`; modoUNegocio as BuscaArticulo
// takes and returns it.
bool FindArticle(ado::Recordset& linea, ado::Recordset& articulo, qint16& modoUNegocio);

// The stages, in the order the load runs them.
void RepairOrderLines(LoadContext& ctx);   // special-series order lines, before any read
void LoadTasks(LoadContext& ctx);          // MSFlexGrid1 from `tareas`
void LoadArticles(LoadContext& ctx);       // MSFlexGrid2 from `articulos`
void LoadOtherConcepts(LoadContext& ctx);  // MSFlexGrid3 from `otros`

// The article stage's routine for the line on which `articulos` stands: it writes the
// row MSFlexGrid2.Rows - 1 (appending one first when that row already holds an article)
// with every cell of the line, or folds it into an earlier row of the same timber piece.
// A repeated article of a delivery run gives its row up; an article of another business
// unit leaves its row empty for the next line (flagUNegocio 2) and gives its count back.
void LoadArticleRow(LoadContext& ctx);

// The row protocol of the task and other-concept stages: the first source row goes into
// the grid's last row (a row is appended first when that one already holds an item),
// each further row into a row appended for it, and one empty row closes the grid. A
// row routine that returns false gives its row up: the row stays empty, the next source
// row takes it, and no empty row is left in the middle. An empty recordset leaves the
// grid as it was.
void WalkRows(LoadContext& ctx, ado::Recordset& rs, ui::FlexGrid* grid, const std::function<bool(int row)>& fillRow);

} // namespace voucherloader
