#pragma once
// The list lookup: one query listed in a report-style list with a search box over each
// column; returns the chosen row's value, or the values of the ticked rows.
#include "platform/ado/Recordset.h"
#include "platform/ui/ListSort.h"
#include "platform/vb/Variant.h"
#include <QDialog>
#include <QList>
#include <QVector>
#include <QStringList>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableView;
class QWidget;

// VB's Collection as the lookup passes it: shared by reference; nullptr is Nothing.
using Coleccion = std::shared_ptr<QStringList>;

namespace lookup {
class LookupListModel;
}

class Lib_FrmCons3 : public QDialog {
    Q_OBJECT
public:
    explicit Lib_FrmCons3(QWidget* parent = nullptr);
    ~Lib_FrmCons3() override;

    // --- Public fields, set by the opener before the load and read after the form hides ---
    vb::Variant StkNivel1;
    vb::Variant StkNivel2;
    vb::Variant StkNivel3;
    vb::Variant StkNivel4;
    QString MuestraStock;
    QString SQL;
    QString CampoDevuelto;
    Coleccion CmpsDevueltos;
    bool CheckBoxes = false;
    QString gConnString;
    vb::Variant ValorDevuelto;
    QString FiltroInicial;
    QString CampoBusqueda;
    bool OrdenarPorLwv = false;
    Coleccion Valores;
    Coleccion Cantidades;
    bool UsaCantidades = false;
    QString ValoresDefault;
    bool CfgUsaConsultaLIKE = false;
    bool GrabarCfg = false;
    bool UsarUDBC = false;

    // --- Controls ---
    QLabel* Label1 = nullptr;
    QLabel* lblFieldName = nullptr;
    QWidget* picFields = nullptr;
    QList<QComboBox*> CmbSearch;
    QTableView* ListView1 = nullptr;
    QScrollBar* HScroll1 = nullptr;   // the list's own horizontal scroll bar
    QFrame* Frame1 = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;
    QPushButton* CmdNueva = nullptr;
    QPushButton* CmdNuevo = nullptr;
    QPushButton* CmdTodos = nullptr;

    // --- Methods ---
    void CalcularAncho();
    void Leer(qint32 Cdesde, qint32 Cuantas);
    void Encolumnar();
    // 1-based index of the first row, in list order, whose column Clave (0 or less: the
    // first column) begins with QueValor; 0 when none.
    qint32 Busqueda(qint32 Clave, const QString& QueValor);
    // 1-based index of the column whose header is Columna; 0 when none.
    qint16 IndiceColumna(const QString& Columna) const;

    // --- Event procedures ---
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void Form_KeyDown(int& KeyCode, int Shift);
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void CmdNueva_Click();
    void CmdNuevo_Click();
    void cmdTodos_Click();
    void CmbSearch_GotFocus(int Index);
    void CmbSearch_LostFocus(int Index);
    void CmbSearch_Change(int Index);
    void CmbSearch_Click(int Index);
    void CmbSearch_KeyDown(int Index, int& KeyCode, int Shift);
    // Text is what the key types (empty for keys that type nothing).
    void ListView1_KeyDown(int& KeyCode, int Shift, const QString& Text = QString());
    void ListView1_DblClick();
    void ListView1_ColumnClick(int ColumnIndex);   // 1-based, as the column header's Index
    void HScroll1_Change();

    // --- State the tests and the opener look at ---
    lookup::LookupListModel* model() const { return model_; }
    QString TablaConsulta() const { return tablaConsulta_; }
    // The row in list order that is selected (0-based); -1 when none.
    int selectedRow() const;
    bool Sorted() const { return sorted_; }
    int SortKey() const { return sortKey_; }
    int SortOrder() const { return sortOrder_; }   // 0 ascending, 1 descending
    // The path of the widths file.
    static QString ArchivoAnchos();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void CargarAnchoColumnas();
    void GrabarAnchoColumnas();
    void placeSearchBoxes();
    void selectRow(int row);
    QString cellOfColumn(int row, int column) const;   // column 1-based
    QComboBox* searchBox(int index);
    void applySort();
    void applyWidths();
    // Each column as wide as its header and its widest text in the list, never wider
    // than sixty letters "X" (before the "@10" widening) nor than the screen.
    void fitColumns();

    QStringList headers_;
    QVector<ui::SortAs> sortAs_;   // by column
    QVector<int> widths_;   // twips, by column
    int widening_ = 0;      // twips added to every column

    lookup::LookupListModel* model_ = nullptr;
    ado::Recordset rs_;
    QStringList fieldNames_;
    QString SQLOriginal;
    QString SQLBase;
    QString SQLCola;
    QString tablaConsulta_;
    int IndiceBusqueda = 0;
    bool EsConsultaArticulos = false;
    bool sorted_ = false;
    int sortKey_ = 0;
    int sortOrder_ = 0;
    bool searching_ = false;
};
