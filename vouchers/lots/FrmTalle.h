#pragma once
// The size-colour-sex dialog: the operator breaks the quantity of one voucher line down
// into combinations of size, colour and sex of its article. Sizes and colours come from
// configuration ("TallesHabilitados", "ColoresHabilitados"), the article's defaults are
// preselected, and a breakdown given before is shown again. The breakdown comes back as
// two parallel pipe lists: the codes (size "-" colour "-" sex letter, as 42-NEGRO-H) and
// their quantities.
//
// The asking code sets eIdArticulo, CantidadPedida, ePermiteModificarCantidades and,
// when the line has one, the previous TalleColorSexo and Cantidades; shows the dialog
// modally (it loads when first shown, or on Load()); reads TalleColorSexo, Cantidades
// and CantidadPedida. OK (F2) accepts it; Cancel (Esc, outside the cell editor) rejects
// it and empties the breakdown.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class CajaTexto;
class QComboBox;
class QLabel;
class QPushButton;

namespace lotdialogs {
class CellEditor;
}

namespace ui {
class FlexGrid;
}

// Splits a list of size-colour-sex codes at the separator: the size, colour and sex of
// code i at position i of each array, each array ending with an empty element. Text after
// the list's last "|" is not taken; a code is cut at its first and second separator.
void ExtraeTalles_colores_sexo(const QString& Lista, const QString& Separador, QStringList& Talles,
                               QStringList& Colores, QStringList& Sexos);

class FrmTalle : public QDialog {
    Q_OBJECT
public:
    enum Columna : int { ColCodigo = 0, ColCantidad = 1 };

    explicit FrmTalle(QWidget* parent = nullptr);
    ~FrmTalle() override;

    // --- Public members, in their order ---
    QString Talle;                          // cleared by Cancel
    QString Color;                          // cleared by Cancel
    QString Sexo;                           // cleared by Cancel
    QString TalleColorSexo;                 // in: the previous breakdown; out: the new one
    QString Cantidades;                     // parallel quantities; "0" after Cancel
    double CantidadPedida = 0;              // the line's quantity; OK may set the grid total
    double CantidadRestante = 0;            // CantidadPedida less the grid total
    QString eIdArticulo;
    bool ePermiteModificarCantidades = false;

    // --- Controls ---
    QComboBox* dpdTalle = nullptr;
    QComboBox* dpdColor = nullptr;
    QComboBox* dpdSexo = nullptr;
    CajaTexto* txtCantidad = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    CajaTexto* txtEdit = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;

    // Runs the load once (sizes, colours, previous breakdown, defaults, the proposal);
    // showing the dialog loads it first.
    void Load();
    bool Loaded() const { return loaded_; }

    // --- Public operations, in their order ---
    // The total of the rows that have a code.
    double CantidadEnGrilla();
    void AsignarDatos();
    void TomarDatos();
    void BorraDatos();
    void CampoValida(CajaTexto* Texto, bool Flag = false);
    // Delete on the grid removes the current row (the only one is emptied instead).
    void MsflexKey(ui::FlexGrid* MsFlexGrid, int& KeyCode);
    void EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift);
    void MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii);
    bool ColEdit(int Col, int Row);
    void TextPropiedades(CajaTexto* Edt, int Col);
    void BlanqueaFila(ui::FlexGrid* MsFlexGrid, int Fila, int Desde);
    bool ExisteEnGrid(const QString& Texto, int FilaOmitir, int& FilaEncontrada);

    // --- Event procedures ---
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void txtCantidad_KeyDown(int& KeyCode, int Shift);
    void MSFlexGrid1_KeyDown(int& KeyCode, int Shift);
    void MSFlexGrid1_KeyPress(int& KeyAscii);
    void MSFlexGrid1_GotFocus();
    void MSFlexGrid1_LeaveCell();
    void MSFlexGrid1_EnterCell();
    void txtEdit_KeyDown(int& KeyCode, int Shift);
    void txtEdit_KeyPress(int& KeyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void MuestraCantidadRestante();
    void InicializaGrilla();
    // Adds the quantity to the combination's row, or a new row for it; false (after its
    // message) for a size or colour that is empty or holds the code's separator "-".
    bool AgregaEnGrilla(const QString& Talle, const QString& Color, const QString& Sexo, const QString& Cantidad);
    // The offered entries of a configuration key, trimmed, empty ones left out.
    QStringList Habilitados(const QString& Clave);
    // The article's default size, colour and sex, when it uses sizes.
    void SeleccionaDefaults();
    // The open editor's quantity lands in its cell once it is a number above 0; false
    // (after its message) when it is refused.
    bool AsientaEdicion();
    // Enter in a box of the entry line: the focus moves on to the next one.
    bool EnterEnCaja(QObject* caja);

    std::unique_ptr<lotdialogs::CellEditor> editor_;
    QStringList talles_;     // offered sizes, in list order
    QStringList colores_;    // offered colours, in list order
    bool errorEnCampo_ = false;
    bool loaded_ = false;
};
