// The controls and the cell editor convention of the position and lot dialogs.
#include "vouchers/lots/GridDialog.h"

#include "data/DbTrap.h"
#include "frame/Skin.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Operator.h"
#include "platform/ui/Toolbar.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/lots/DialogButtons.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QLabel>
#include <QPushButton>

namespace lotdialogs {

GridDialog::GridDialog(QWidget* parent, const QString& name, const QString& caption, const QString& aceptar,
                       const QStringList& toolTips)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    lblArticulo = ArticleLabel(this);
    Toolbar1 = FillToolbar(this, toolTips);
    MSFlexGrid1 = new ui::FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    txtEdit = FloatingEditor(this);
    CmdAceptar = DialogButton(this, QStringLiteral("CmdAceptar"), aceptar);
    CmdAceptar->setToolTip(QStringLiteral("(F2) Acepta"));
    CmdCancelar = DialogButton(this, QStringLiteral("CmdCancelar"), QStringLiteral("&Cancelar"));
    LayOut(this, lblArticulo, Toolbar1, MSFlexGrid1, CmdAceptar, CmdCancelar);
    editor_ = std::make_unique<CellEditor>(*MSFlexGrid1, *txtEdit);

    connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(CmdCancelar, &QPushButton::clicked, this, &GridDialog::CmdCancelar_Click);
    connect(Toolbar1, &ui::Toolbar::ButtonClick, this, [this](int Index) { Toolbar1_ButtonClick(Index); });
    connect(MSFlexGrid1, &ui::FlexGrid::KeyPress, this, &GridDialog::MSFlexGrid1_KeyPress);
    connect(MSFlexGrid1, &ui::FlexGrid::GotFocus, this, &GridDialog::MSFlexGrid1_GotFocus);
    connect(MSFlexGrid1, &ui::FlexGrid::LeaveCell, this, &GridDialog::MSFlexGrid1_LeaveCell);
    // A double click opens the editor on the cell's text, as a space does.
    connect(MSFlexGrid1, &ui::FlexGrid::DblClick, this, [this] {
        int KeyAscii = ui::vbKeySpace;
        MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
    });
    connect(txtEdit, &CajaTexto::KeyDown, this, &GridDialog::txtEdit_KeyDown);
    connect(txtEdit, &CajaTexto::KeyPress, this, &GridDialog::txtEdit_KeyPress);
    // Tab walks the toolbar, the grid and the buttons, as they stand from the top.
    QList<QWidget*> orden = ToolbarButtons(Toolbar1);
    orden << MSFlexGrid1 << CmdAceptar << CmdCancelar;
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden.at(i - 1), orden.at(i));
    // The dialog sees its controls' keys first.
    for (QWidget* w : orden)
        w->installEventFilter(this);
    txtEdit->installEventFilter(this);
    resize(680, 400);
}

GridDialog::~GridDialog() = default;

ClsCmnCptes& GridDialog::Cptes()
{
    if (!cptes_)
        cptes_ = std::make_unique<ClsCmnCptes>();
    return *cptes_;
}

bool GridDialog::EsFilaDeDatos(int fila) const
{
    return fila >= MSFlexGrid1->FixedRows() && fila < MSFlexGrid1->Rows();
}

bool GridDialog::CantidadRechazada(CajaTexto* Texto)
{
    const QString rechazo = RechazoDeFila(MSFlexGrid1->Row(), Texto->text());
    if (rechazo.isEmpty())
        return false;
    ShowRefusal(rechazo);
    errorEnCampo_ = true;
    return true;
}

bool GridDialog::AsientaCantidad(int fila, int col, const QString& texto)
{
    const QString rechazo = RechazoDeFila(fila, texto);
    if (!rechazo.isEmpty()) {
        ShowRefusal(rechazo);
        return false;
    }
    MSFlexGrid1->SetTextMatrix(fila, col, QuantityText(CellQuantity(texto)));
    return true;
}

bool GridDialog::FilasValidas(int col)
{
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila) {
        const QString rechazo = RechazoDeFila(fila, MSFlexGrid1->TextMatrix(fila, col));
        if (rechazo.isEmpty())
            continue;
        VaACelda(fila, col);
        ShowRefusal(rechazo);
        return false;
    }
    return true;
}

void GridDialog::VaACelda(int fila, int col)
{
    if (!EsFilaDeDatos(fila))
        return;
    MSFlexGrid1->SetRow(fila);
    MSFlexGrid1->SetCol(col);
    MSFlexGrid1->ShowCurrentCell();
}

void GridDialog::AjustaAnchoDialogo()
{
    const QMargins margenes = layout()->contentsMargins();
    int ancho = qMax(440, GridWidth(*MSFlexGrid1) + margenes.left() + margenes.right());
    if (const QScreen* pantalla = screen())
        ancho = qMin(ancho, pantalla->availableGeometry().width());
    resize(ancho, height());
}

// ---- the cell editor ----

void GridDialog::MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii)
{
    Text_Propiedades(Edt, MsFlexGrid->Col());
    if (!EsColumnaEditable(MsFlexGrid->Col()) || !EsFilaDeDatos(MsFlexGrid->Row()))
        return;
    editor_->Open(KeyAscii);
}

void GridDialog::AsientaEdicion()
{
    const QString texto = txtEdit->text();
    const int fila = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    // Hidden first: the refusal's message box must find no edit open.
    txtEdit->hide();
    if (EsColumnaEditable(col) && EsFilaDeDatos(fila))
        AsientaValor(fila, col, texto);
}

bool GridDialog::ConfirmaEdicionAbierta()
{
    if (!editor_->IsOpen())
        return true;
    CampoValida(txtEdit);
    if (errorEnCampo_) {
        txtEdit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    AsientaEdicion();
    MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    return true;
}

void GridDialog::EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift)
{
    Q_UNUSED(MsFlexGrid);
    Q_UNUSED(Edt);
    Q_UNUSED(Shift);
    const DbTrap trap(QStringLiteral("EditKeyCode"));
    trap([&] {
        editor_->AfterConfirm(KeyCode, [this] { MSFlexGrid1_GotFocus(); }, [this] {
            if (!AvanzaConEnter())
                CmdAceptar->setFocus(Qt::OtherFocusReason);
        });
    });
}

// ---- events ----

void GridDialog::Form_Load()
{
    Utilidades->PreparaFormulario(this, false);
    AsignaIconoYEstilo(this);
}

void GridDialog::Form_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == ui::vbKeyF2) {
        KeyCode = 0;
        CmdAceptar_Click();
    }
}

void GridDialog::CmdCancelar_Click()
{
    QDialog::reject();
}

void GridDialog::MSFlexGrid1_KeyPress(int& KeyAscii)
{
    MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
}

void GridDialog::MSFlexGrid1_GotFocus()
{
    if (editor_->IsOpen())
        AsientaEdicion();
}

void GridDialog::MSFlexGrid1_LeaveCell()
{
    if (editor_->IsOpen())
        AsientaEdicion();
}

void GridDialog::txtEdit_KeyPress(int& KeyAscii)
{
    AyudaEdicion->FiltraTecla(txtEdit, KeyAscii);
}

void GridDialog::txtEdit_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    const int tecla = KeyCode;
    ConfirmingKey(
        KeyCode,
        [this] {
            CampoValida(txtEdit);
            return !errorEnCampo_;
        },
        [&] {
            int confirma = tecla;
            EditKeyCode(MSFlexGrid1, txtEdit, confirma, 0);
        });
}

bool GridDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        int KeyCode = ui::VbKeyCode(*key);
        // Esc on the grid, with no edit open, cancels as it does on the buttons.
        if (watched == MSFlexGrid1 && KeyCode == ui::vbKeyEscape) {
            CmdCancelar_Click();
            return true;
        }
        // Enter on a toolbar button presses it, as it does a push button, rather than OK.
        auto* boton = qobject_cast<QAbstractButton*>(watched);
        if (KeyCode == ui::vbKeyReturn && boton && ToolbarButtons(Toolbar1).contains(boton)) {
            boton->click();
            return true;
        }
        if (KeyCode != 0) {
            Form_KeyDown(KeyCode, ui::VbShift(key->modifiers()));
            if (KeyCode == 0)
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GridDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MSFlexGrid1->setFocus(Qt::OtherFocusReason);
}

void GridDialog::reject()
{
    CmdCancelar_Click();
}

} // namespace lotdialogs
