#pragma once
// The lot and serial dialog of one voucher line, in two modes:
// - entry (EsConsultaDeSerieLote False): one row per unit of Cantidad, where the operator
//   types the lots, the serials (or both, side by side) or the size codes of goods coming
//   in; empty lots and codes take the first row's, while every unit needs a serial of its
//   own; OK returns them as pipe lists in Lotes and Series;
// - pick (EsConsultaDeSerieLote True): the article's lots and serials with stock in the
//   deposit, less what the voucher's other lines took, with a proposal of how much to take
//   from each (or the line's previous picks); OK returns every row's lot-and-serial key
//   (lot, CHR(255), serial) in Lotes and the quantity taken from it in Series, and may
//   lower Cantidad to what the stock could give. Unshown, previous picks that no longer
//   stand give way to a fresh proposal.
//
// The opener sets the public fields, calls CargaDatos, then shows it modally or, for an
// automatic pick, calls CmdAceptar_Click without showing it. Cancel rejects the dialog and
// leaves the outputs as they were (in pick mode the lists the opener passed in).
#include "vouchers/lots/GridDialog.h"

#include <QString>
#include <QStringList>

class FrmCargaLotesySeries : public lotdialogs::GridDialog {
    Q_OBJECT
public:
    // Grid columns in pick mode; in entry mode column 1 holds the values (the lots, with
    // the serials in column 2 when the article has both).
    enum Columna : int { ColLote = 0, ColSerie = 1, ColStock = 2, ColCantidad = 3, ColValor = 1 };

    explicit FrmCargaLotesySeries(QWidget* parent = nullptr);
    ~FrmCargaLotesySeries() override;

    // --- Public fields, in their order ---
    QString Deposito;                      // caption, and the stock query as given
    bool MostrarForm = false;              // pick mode: shown; a total below asks instead of telling
    bool EsConsultaDeSerieLote = false;    // pick mode
    bool EsSerie = false;
    bool EsLote = false;
    bool EsSerieYLote = false;             // set by CargaDatos
    bool EsTalle = false;                  // the values are size-colour-sex codes
    double Cantidad = 0;                   // the line's quantity; pick mode OK may lower or raise it
    QString IdDeposito;                    // kept for the opener
    QString Articulo;
    QString ArticuloDescripcion;
    QString SeriesAnteriores;              // entry mode: the line's serials (or values) so far
    QString LotesAnteriores;               // entry mode: the line's lots so far
    QString Series;                        // output; pick mode input: the line's quantities
    QString Lotes;                         // output; pick mode input: the line's lot-and-serial keys
    QString SeriesExistentes;              // pick mode: quantities the voucher's other lines took
    QString LotesExistentes;               // pick mode: their lot-and-serial keys

    // Controls (GridDialog): MSFlexGrid1, txtEdit, lblArticulo, CmdAceptar ("F2 &Aceptar"),
    // CmdCancelar, Toolbar1 with buttons 1 fill down and 2 blank down.

    // --- Public operations, in their order ---
    void CmdAceptar_Click() override;
    void CargaDatos();
    void InicializaGrid();
    void VerificaAnteriores();
    void VerificaExistenciasEnGrilla();
    // Row 1's value into every empty value cell (entry mode's lots or codes; serials are
    // one a unit and are left as typed).
    void CompletaTodoIgual();
    // 25 characters without a field; pick mode's quantity columns take "Cantidad" without
    // a limit. EditKeyCode and MsflexGridEdt are GridDialog's.
    void Text_Propiedades(CajaTexto* Texto, qint32 Columna) override;
    // A simple proposal: each row takes up to its stock, a row without stock whatever is
    // left, until Cantidad is covered.
    void CompletaCantidades();
    // Pick mode: the take of the current row (a whole number from 0 to the row's stock);
    // entry mode: a value typed in row 1 fills the empty rows below.
    void CampoValida(CajaTexto* Texto) override;
    double SumaFilas(qint32 MenosCual);
    bool ValidaCantidadCantidadPedida();

    // The other event procedures are GridDialog's.
    void Toolbar1_ButtonClick(int Index) override;

    // Whether "ART_FormatoSerieAsterisco" asked, at load, for serials written as number "*" quantity.
    bool FormatoSerieAsterisco() const { return formatoSerieAsterisco_; }

protected:
    bool EsColumnaEditable(int col) const override;
    bool AsientaValor(int fila, int col, const QString& texto) override;
    bool AvanzaConEnter() override;
    // Every pick takes a whole number from 0 to its row's stock (a serial's stock is 1).
    QString RechazoDeFila(int fila, const QString& texto) const override;

private:
    // Entry mode with lots and serials side by side: lots in column 1, serials in column 2.
    bool DosColumnas() const { return !EsConsultaDeSerieLote && EsSerieYLote; }
    int ColumnaSerieEntrada() const { return DosColumnas() ? ColValor + 1 : ColValor; }
    // Entry mode's column of serials, one a unit; -1 when the values are lots or size codes.
    int ColumnaDeSeries() const
    {
        return !EsConsultaDeSerieLote && EsSerie && !EsTalle && (DosColumnas() || !EsLote) ? ColumnaSerieEntrada() : -1;
    }
    void AjustaAnchoColumnas();
    void DistribuyeCantidad();
    // The values of a pipe list into a value column, one a row from row 1.
    void CargaValores(const QString& lista, int col);
    // A row's lot-and-serial key: lot, CHR(255), serial, both trimmed.
    QString ClaveDeFila(int fila) const;
    // Every data row's key, in row order: index + 1 is the row.
    QStringList ClavesDeFilas() const;
    // The list of a column ("-" for an empty cell); "" when every cell is empty.
    QString ListaDeColumna(int col) const;
    // Pick mode's rows: the article's stock in the deposit by lot and serial, the line's
    // previous picks no longer in stock, and its previous quantities.
    void CargaStock();
    bool SeriesConFormato();
    // OK's check of entry mode's serials: each row has its own; the first empty or repeated
    // one gets the cursor and its message.
    bool SeriesUnaPorUnidad();
    // Whether the takes add up to Cantidad and every row can give its take.
    bool PicksEnPie();
    void AceptaPicks();
    void AceptaEntradas();

    bool formatoSerieAsterisco_ = false;
};
