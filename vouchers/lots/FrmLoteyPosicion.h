#pragma once
// The position and lot dialog: from which storage positions (and, for an article kept by
// lot, from which lot at each position) the quantity of one voucher line is taken, and how
// much from each. It lists the article's positive balances in the deposit converted into
// the line's unit, with the deposit's stock without a position last, proposes a
// distribution of the requested quantity or restores a previous one, and on OK writes the
// rows taken as two aligned pipe lists: positions with their quantities, and lots. A
// negative line (a return) places its quantity without the sign, proposed into the
// deposit and not limited by what a position holds; its entries carry the sign.
//
// The opener sets the public fields, calls CargaDatos, shows it modally and reads
// Posiciones, Lotes and Cantidad1; OK accepts the dialog, Cancel (or Esc on the grid)
// rejects it and writes nothing.
#include "platform/vb/Currency.h"
#include "vouchers/lots/GridDialog.h"

#include <QString>
#include <QStringList>

class FrmLoteyPosicion : public lotdialogs::GridDialog {
    Q_OBJECT
public:
    // Grid columns.
    enum Columna : int { ColPosicion = 0, ColLote = 1, ColUnidad = 2, ColDisponible = 3, ColCantidad = 4, Columnas = 5 };

    explicit FrmLoteyPosicion(QWidget* parent = nullptr);
    ~FrmLoteyPosicion() override;

    // --- Public fields, in their order ---
    QString Deposito;                       // shown in the caption; 4 characters in SQL
    QString IUNIDAD;                        // the line's unit: every balance is shown in it
    bool MostrarForm = false;               // a total below the request is offered for adjusting
    bool EsConsultaDePosicionLote = false;  // restore the "Anteriores" lists instead of proposing
    bool EsPosicion = false;
    bool EsLote = false;
    bool EsPosicionYLote = false;           // set by CargaDatos
    double Cantidad1 = 0;                   // requested; OK may set it to the total taken
    QString Articulo;
    QString ArticuloDescripcion;
    QString PosicionesAnteriores;           // |position*quantity|...
    QString LotesAnteriores;                // aligned with PosicionesAnteriores
    QString Posiciones;                     // output: |position*quantity|...; "*quantity" for the deposit
    QString Lotes;                          // output: aligned with Posiciones

    // Controls (GridDialog): MSFlexGrid1, txtEdit, lblArticulo, CmdAceptar ("&Aceptar"),
    // CmdCancelar, Toolbar1 with buttons 1 fill down, 2 blank down, 3 propose.

    // --- Public operations, in their order ---
    void CargaDatos();
    void InicializaGrid();
    // Fills the grid with the balances, the deposit row, and the previous selection or a
    // proposal.
    void VerificaAnteriores();
    // Row 1's unit into every data row whose unit is empty.
    void CompletaTodoIgual();
    // The quantity column takes "Cantidad" without a length limit; any other column 25
    // characters. EditKeyCode and MsflexGridEdt are GridDialog's.
    void Text_Propiedades(CajaTexto* Texto, qint32 Columna) override;
    // Checks the quantity in the box against the current row's available quantity.
    void CampoValida(CajaTexto* Texto) override;
    // The sum of the quantities taken, row MenosCual left out (-1: none).
    double SumaFilas(qint32 MenosCual);
    // Whether the quantities taken add up to Cantidad1, compared as money.
    bool ValidaCantidadCantidadPedida();
    void CmdAceptar_Click() override;

    // The other event procedures are GridDialog's.
    void Toolbar1_ButtonClick(int Index) override;

    // The deposit row (stock without a position), -1 when there is none.
    int FilaDeposito() const { return filaDeposito_; }

protected:
    bool EsColumnaEditable(int col) const override { return col == ColCantidad; }
    bool AsientaValor(int fila, int col, const QString& texto) override;
    bool AvanzaConEnter() override;
    QString RechazoDeFila(int fila, const QString& texto) const override;

private:
    // Whether the grid shows lots: an article kept by position and by lot. With lots
    // only the dialog has no positions to lay out and hands back none.
    bool ConLotes() const { return EsPosicionYLote; }
    // A negative line is a return: its quantity comes back into the deposit and is put
    // into positions like goods coming in.
    bool EsDevolucion() const { return Cantidad1 < 0; }
    // What the rows must place: the requested quantity without its sign.
    vb::Currency CantidadAUbicar() const;
    void AjustaAnchoColumnas();
    void DistribuyeCantidad();
    // The previous selection as positions, quantities and lots, entry by entry.
    void Cuenta_Series_Y_Lotes(const QString& PosicionesAnt, const QString& LotesAnt, QStringList& ArrPosiciones,
                               QStringList& ArrCantidades, QStringList& ArrLotes);
    // Balance rows of the article at the deposit's positions, with or without lots.
    void AgregaSaldosPorPosicion(bool conLotes);
    // The deposit row: the stock without a position, over every lot, in the line's unit.
    void AgregaSaldoDeposito();
    void RestauraAnteriores(bool conLotes);
    // A balance in the line's unit.
    double EnUnidadDeLinea(double saldo, const QString& unidadSaldo);

    void EscribeSalida();

    int filaDeposito_ = -1;
};
