#pragma once
// The reception of mutual-aid vouchers: the program's start-up form. Its load runs the
// program's start-up, its unload ends the program. The operator loads a reception date,
// types rows into the grid through a floating cell editor and saves them one by one.
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Holder.h"
#include "platform/ui/CajaTexto.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class UtilKor;

class frmRecepcionMutuales : public QWidget {
    Q_OBJECT
public:
    explicit frmRecepcionMutuales(QWidget* parent = nullptr);
    ~frmRecepcionMutuales() override;

    // VB's Load: runs Form_Load once. Showing the form loads it first.
    void Load();
    bool Loaded() const { return m_loaded; }
    void setVisible(bool visible) override;

    // The form's outer size, in twips (VB's Width and Height).
    int Width() const;
    int Height() const;

    // ---- controls ----
    UtilKor* UtilKor1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 2> StatusBar1Panels{};   // Panels(1) and Panels(2)
    QPushButton* cmdGrabar = nullptr;
    CajaTexto* txtEdit = nullptr;
    QGroupBox* frmEncabezado = nullptr;
    QWidget* Picture1 = nullptr;
    QCheckBox* ChkPendiente = nullptr;
    std::array<CajaTexto*, 5> txtFields{};
    QList<QLabel*> Label1;
    QLabel* Label2 = nullptr;
    QLabel* lblTotal = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    QLabel* LblDetalle = nullptr;

    // ---- form state ----
    bool ErrorEnCampo = false;    // the last CampoValida refused its value
    bool ValidandoFila = false;   // DatosValidos is checking the current row
    CajaTexto* ControlActivo = nullptr;
    QString TablaActiva;
    // Read once at load; an empty voucher type switches the accounting entries off.
    QString TCMutuales;
    QString CuentaMutualesAFacturar;
    QString CuentaMutualesAImputar;

    // ---- start-up, layout, shutdown ----
    void Form_Load();
    void Form_Resize();
    void Form_Unload(qint16& Cancel);
    void AbrirRecordset(const QString& lTablaActiva);
    void Inicializa();

    // ---- validation ----
    void Detalleon(bool A);
    bool DatosValidos(bool xNumero);
    void CampoValida(CajaTexto* Texto, bool xNumero);

    // ---- commands ----
    void CmdConsultar();
    void UtilKor1_click(const QString& BTag);
    void Form_KeyDown(int& KeyCode, int Shift);
    void cmdGrabar_Click();
    void MSFlexGrid1_RowColChange();

    // ---- the in-cell editor ----
    void MsflexKey(ui::FlexGrid* MsFlexGrid, int& KeyCode);
    void EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift);
    void MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii);
    bool ColEdit(int Col, int Row);
    void TextPropiedades(CajaTexto* Edt, int Col);
    void BlanqueaFila(ui::FlexGrid* MsFlexGrid, int Fila, int Desde);
    void UpdateaCampo(CajaTexto* Txte);
    bool ExisteEnGrid(const QString& Texto, int FilaOmitir, int& FilaEncontrada);

    void MSFlexGrid1_Click();
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_LeaveCell();
    void MSFlexGrid1_GotFocus();
    void MSFlexGrid1_KeyDown(int& KeyCode, int Shift);
    void MSFlexGrid1_KeyPress(int& KeyAscii);
    void MSFlexGrid1_DblClick();
    void MSFlexGrid1_MouseDown(int Button, int Shift, double X, double Y);
    void txtEdit_GotFocus();
    void txtEdit_KeyPress(int& KeyAscii);
    void txtEdit_KeyDown(int& KeyCode, int Shift);
    void txtEdit_Validate(bool& Cancel);

    // ---- header fields ----
    void txtFields_GotFocus(int Index);
    void txtFields_LostFocus(int Index);
    void txtFields_KeyPress(int Index, int& KeyAscii);
    void txtFields_KeyDown(int Index, int& KeyCode, int Shift);
    void txtFields_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void txtFields_Validate(int Index, bool& Cancel);

    // ---- the form's own procedures, reached from its events ----
    // Saves the current row; false when the row stays under the cursor to be corrected.
    bool GrabaFila();
    void CargaMutualesFecha();
    vb::Currency SumaImportes();
    void LimpiaTotal();
    void EliminaFila();
    void ImprimeReporte();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    // Gives the grid the focus; when no focus event reaches it (it had the focus, or the
    // window is not active) its GotFocus runs all the same, so the editor's text lands.
    void focusGrid();
    // Hides the editor; when it had the focus the grid takes it, so the focus never
    // wanders into a header box (whose Validate would reload the date).
    void hideEditor();
    // An amount as the grid shows it: the configured decimals, no thousands separators.
    static QString TextoImporte(vb::Currency importe);
    // The list lookup of a table: the code the operator chose, trimmed; empty when cancelled.
    QString BuscaEnLista(const QString& Tabla, const QString& Condicion);
    // Whether the grid holds typed rows not saved yet (or an edit in progress): what
    // loading a date, Nuevo, Cerrar and closing the window ask about before they go.
    bool HayFilasEnCarga() const;
    // The Cancelar question; true when the operator gives up the rows being typed. On No
    // every toolbar button gets back the state it had before the command that asked.
    bool AbandonaCarga();
    // True without a question when no typed row would be lost; else the operator's answer.
    bool PuedeAbandonarCarga();

    // What the cells of the row being edited held before the operator's edit, by column
    // (the account's description with it): Esc gives it back, so that a refused value
    // the row check put in its cell never stays there as if typed. A cell's entry goes
    // once a value is confirmed into it.
    int m_filaAntes = -1;
    QHash<int, QString> m_antesEdicion;
    void RecuerdaAntesDeEditar(int fila, int col);
    void OlvidaAntesDeEditar(int fila, int col);
    void DevuelveAntesDeEditar(int fila, int col);
    // The editor's text confirmed into the current cell, the editor hidden.
    void EditorACelda();

    // The toolbar's Enabled flags as the form last left them, taken at every change it
    // makes and after every command: a press of Cerrar enables Borrar in the toolbar
    // itself, before the form hears of it.
    std::array<bool, 8> m_botones{};
    void RecuerdaBotones();
    void DevuelveBotones();

    bool m_loaded = false;
    bool m_hidingEditor = false;   // the grid's GotFocus must not copy the editor's text
    bool m_inValidate = false;     // a Validate handler runs inside a focus change
    int m_toolbarClicks = 0;       // commands the toolbar raised, by a button or a key
    bool m_reloadDeclined = false; // the last CampoValida kept the rows of its date: No to the reload question
    // The reception date the rows on screen are typed for and saved under: the date put
    // in the box at start-up, then the last one loaded.
    QString m_fechaFilas;
    vb::AutoHolder<ado::Recordset> m_rsTrabajo;
    // The sum of the amount column, kept by the difference of every change of a cell, so
    // that the status bar costs the same on row 10 and row 10,000. A cell whose text
    // cannot be read as an amount leaves it unknown: SumaImportes then adds the column up.
    vb::Currency m_sumaImportes;
    bool m_sumaConocida = true;
    bool m_limpiando = false;   // Inicializa empties the grid: the total is 0 whatever went
    void SumaCambio(int fila, const QString& antes, const QString& despues);
};
