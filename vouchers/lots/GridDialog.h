#pragma once
// What the position dialog and the lot-and-serial dialog have in common: the same
// controls (article label, toolbar, grid with its floating editor, Aceptar and Cancelar)
// and the same cell editor convention. A key typed on an editable cell opens the editor;
// Enter, Up and Down confirm it (a refused value keeps it open with its message) and move;
// Esc closes it and drops the text; leaving the cell any other way (a click, the focus
// coming back to the grid) writes the text once it passes the same checks, or drops it
// after the message. F2 accepts from anywhere; Esc on the grid cancels.
//
// Each dialog says which cells are editable, checks and writes a value, moves after Enter
// and accepts. Not part of the voucher class's interface.
#include "vouchers/lots/DialogGrid.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class CajaTexto;
class ClsCmnCptes;
class QLabel;
class QPushButton;

namespace ui {
class FlexGrid;
class Toolbar;
} // namespace ui

namespace lotdialogs {

class GridDialog : public QDialog {
    Q_OBJECT
public:
    ~GridDialog() override;

    // --- Controls ---
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    CajaTexto* txtEdit = nullptr;
    QLabel* lblArticulo = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;
    ui::Toolbar* Toolbar1 = nullptr;

    // --- The cell editor convention ---
    virtual void Text_Propiedades(CajaTexto* Texto, qint32 Columna) = 0;
    // Opens the editor on an editable data cell; nothing on any other.
    void MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii);
    // Enter: the text lands and the cursor moves on (to OK after the last row); Esc: the
    // edit is dropped; Up and Down: the text lands and the cursor moves one row, keeping
    // its column.
    void EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift);
    // Checks the editor's value for the current cell; a refusal shows its message and
    // sets the validation-failed flag.
    virtual void CampoValida(CajaTexto* Texto) = 0;
    virtual void CmdAceptar_Click() = 0;

    // --- Event procedures ---
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
    void CmdCancelar_Click();
    virtual void Toolbar1_ButtonClick(int Index) = 0;
    void MSFlexGrid1_KeyPress(int& KeyAscii);
    void MSFlexGrid1_GotFocus();
    void MSFlexGrid1_LeaveCell();
    void txtEdit_KeyDown(int& KeyCode, int Shift);
    void txtEdit_KeyPress(int& KeyAscii);

protected:
    // Builds the controls; the toolbar gets one button per tool tip.
    GridDialog(QWidget* parent, const QString& name, const QString& caption, const QString& aceptar,
               const QStringList& toolTips);

    virtual bool EsColumnaEditable(int col) const = 0;
    // Writes a value left in a cell (already checked by CampoValida's rules): false when
    // it is refused, after its message.
    virtual bool AsientaValor(int fila, int col, const QString& texto) = 0;
    // Where Enter leaves the cursor once the text has landed; false on the last cell,
    // where the focus goes to OK.
    virtual bool AvanzaConEnter() = 0;

    // Why a quantity typed for a row cannot be taken from it, or "" when it can.
    virtual QString RechazoDeFila(int fila, const QString& texto) const = 0;

    bool EsFilaDeDatos(int fila) const;
    // CampoValida's check of a take typed for the current row: a refusal shows its
    // message and sets the validation-failed flag (true).
    bool CantidadRechazada(CajaTexto* Texto);
    // A take left in a cell lands as the number's text; false when it is refused, after
    // its message.
    bool AsientaCantidad(int fila, int col, const QString& texto);
    // OK's check of every row's take in a column; the first refused one gets the cursor
    // and its message.
    bool FilasValidas(int col);
    // Puts the cursor on a data row, in the given column, in view.
    void VaACelda(int fila, int col);
    // An open edit is confirmed before OK or a toolbar button acts: false when its value
    // is refused (the editor stays open with it).
    bool ConfirmaEdicionAbierta();
    bool ErrorEnCampo() const { return errorEnCampo_; }
    void SetErrorEnCampo(bool error) { errorEnCampo_ = error; }
    // The dialog as wide as its grid's columns (and its label) need, within the screen.
    void AjustaAnchoDialogo();
    // The voucher class, for its pipe-list operations.
    ClsCmnCptes& Cptes();
    CellEditor& Editor() { return *editor_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    // The open editor's text lands in the current cell (or is dropped when refused).
    void AsientaEdicion();

    std::unique_ptr<ClsCmnCptes> cptes_;
    std::unique_ptr<CellEditor> editor_;
    bool errorEnCampo_ = false;
};

} // namespace lotdialogs
