#pragma once
// The voucher lookup: the stored vouchers of one voucher type, or of a named selection
// such as "RM/PENDIENTES", in a list the operator searches by name or number and picks
// from. A modal dialog: the opener (ClsCmnCptes::ConsultaComprobante) sets TC and
// Filtro, loads and shows it, and reads NroComprobante, IdComplemento and Proveedor.
#include "platform/ado/Recordset.h"

#include <QDialog>
#include <QString>

class CajaTexto;
class DbTrap;
class QPushButton;

namespace voucherlookup {
class RowFields;
}

namespace ui {
class ColumnHeader;
class ImageList;
class ListView;
} // namespace ui

class FrmConsComprobantes : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsComprobantes(QWidget* parent = nullptr);
    ~FrmConsComprobantes() override;

    // --- Public fields, in their declared order ---
    // An extra condition for the query, without a leading AND; empty for none.
    QString Filtro;
    // In: a voucher type ("RM", "FCC", "T3" ...) or a selection name ("RM/PENDIENTES" ...).
    // The query leaves the plain voucher type here.
    QString TC;
    // Out: the chosen voucher id (a comma-separated list of them for "OC"); empty when
    // nothing was chosen.
    QString NroComprobante;
    // Out: the chosen voucher's complement ("0" for the groups that have none).
    QString IdComplemento;
    // Out: the supplier account of a chosen purchase voucher.
    QString Proveedor;

    // --- Controls ---
    ui::ListView* ListView1 = nullptr;
    ui::ImageList* ImageList1 = nullptr;
    CajaTexto* TxtNombre = nullptr;
    CajaTexto* TxtNumero = nullptr;
    QPushButton* CmdBuscar = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;

    // --- Public operations, in their declared order ---
    // Fills the list with the vouchers of TC, the search boxes and Filtro.
    void ConsultaCptes();
    // The image of ImageList1 tagged TC (blanks and letter case ignored); the "Generico"
    // one when none is.
    qint16 ObtieneIndiceImagen(const QString& TC) const;
    // Lays out the list's columns for TC.
    void Encolumnar();
    // Sets the outputs from the chosen row(s) and closes the form.
    void CmdAceptar_Click();

    // --- Event procedures ---
    void CmdBuscar_Click();
    void CmdCancelar_Click();
    void Form_Load();
    void Form_Unload(int& Cancel);
    void ListView1_ColumnClick(const ui::ColumnHeader& ColumnHeader);
    void ListView1_DblClick();
    void ListView1_KeyDown(int& KeyCode, int Shift);
    void TxtNombre_GotFocus();
    void TxtNumero_GotFocus();
    void TxtNombre_KeyPress(int& KeyAscii);
    void TxtNumero_KeyPress(int& KeyAscii);

    // True while the list is being filled.
    bool filling() const { return filling_; }
    // The close box and Escape: closes without a choice.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class GrupoFila;
    GrupoFila GrupoDeFila() const;
    qint16 IconoDeFila(GrupoFila grupo, const voucherlookup::RowFields& campos) const;
    static int ColumnasDeFila(GrupoFila grupo);
    // Column 0 is the row's own text, column k its sub-item k.
    QString TextoDeColumna(GrupoFila grupo, const voucherlookup::RowFields& campos, int columna) const;
    // The current row of the open recordset as a list item (its icon, text and
    // sub-items), each statement under the query's trap; false when the run must end.
    bool AgregaFila(const voucherlookup::RowFields& campos, const DbTrap& trap);
    // Selects the text of a search box up to its last non-blank character.
    static void selectPrompt(CajaTexto* box);
    // A column's width, in twips: its run of "X", or its header when that is wider.
    int AnchoDeColumna(const char* titulo, int equis) const;
    // The widest column set of all the groups, in twips.
    int AnchoDeGrupos() const;
    // The dialog as wide as a column set of `columnas` twips needs (within the screen):
    // before it is shown, to that set; once shown, wider when the set needs it.
    void AjustaAncho(int columnas);

    bool Pendientes = false;
    bool Transporte = false;
    ado::Recordset rs_;
    // The selection name of the first run and the voucher type it stood for: a later run
    // on the same type lists the same selection.
    QString seleccion_;
    QString tipoDeSeleccion_;
    bool filling_ = false;
    bool stopFill_ = false;
};
