// The voucher lookup form: its controls, the operator's events and the accept rule.
#include "vouchers/lookup/FrmConsComprobantes.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "vouchers/lookup/VoucherIcons.h"
#include "vouchers/lookup/VoucherStatements.h"
#include "vouchers/lookup/VoucherTypes.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The list columns the accept rule reads: 1 is the row's own text, k the sub-item k - 1.
constexpr int kColumnaTexto = 1;
constexpr int kColumna2 = 2;
constexpr int kColumna3 = 3;

// A column of a row as the accept rule reads it; a column the list lacks reads empty.
QString columna(const ui::ListItem& item, int k)
{
    if (k == kColumnaTexto)
        return item.Text();
    try {
        return item.SubItems(k - 1);
    } catch (const vb::VbError& e) {
        if (e.Number != 380)
            throw;
        return QString();
    }
}

QPushButton* boton(QWidget* form, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), form);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

CajaTexto* cajaBusqueda(QWidget* form, const char* name, const QString& prompt, const char* tip)
{
    auto* box = new CajaTexto(form);
    box->setObjectName(QString::fromLatin1(name));
    box->setText(prompt);
    box->setToolTip(QString::fromUtf8(tip));
    return box;
}

} // namespace

FrmConsComprobantes::FrmConsComprobantes(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConsComprobantes"));
    setWindowTitle(QStringLiteral("Consulta de Comprobantes"));
    setSizeGripEnabled(true);

    ImageList1 = new ui::ImageList(this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    for (const voucherlookup::VoucherIcon& icon : voucherlookup::VoucherIcons())
        ImageList1->ListImages().Add(QString(), icon.picture).SetTag(icon.tag);

    TxtNombre = cajaBusqueda(this, "TxtNombre", voucherlookup::kPromptNombre, "Ingrese parte del nombre buscado");
    TxtNumero = cajaBusqueda(this, "TxtNumero", voucherlookup::kPromptNumero, "Ingrese parte del numero buscado");
    CmdBuscar = boton(this, "CmdBuscar", "&Buscar");

    ListView1 = new ui::ListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->SetSmallIcons(ImageList1);
    ListView1->SetIcons(ImageList1);

    CmdAceptar = boton(this, "CmdAceptar", "&Aceptar");
    CmdCancelar = boton(this, "CmdCancelar", "&Cancelar");

    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(TxtNombre, 3);
    busqueda->addWidget(TxtNumero, 2);
    busqueda->addWidget(CmdBuscar);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(CmdAceptar);
    botones->addWidget(CmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(busqueda);
    layout->addWidget(ListView1, 1);
    layout->addLayout(botones);
    // Until a query lays out its columns: as wide as the widest column set.
    resize(width(), ui::TwipsToPixels(6000));
    AjustaAncho(AnchoDeGrupos());

    setTabOrder(ListView1, CmdAceptar);
    setTabOrder(CmdAceptar, CmdCancelar);
    setTabOrder(CmdCancelar, TxtNombre);
    setTabOrder(TxtNombre, TxtNumero);
    setTabOrder(TxtNumero, CmdBuscar);

    connect(CmdBuscar, &QPushButton::clicked, this, [this] { CmdBuscar_Click(); });
    connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(CmdCancelar, &QPushButton::clicked, this, [this] { CmdCancelar_Click(); });
    connect(ListView1, &ui::ListView::ColumnClick, this,
            [this](const ui::ColumnHeader& header) { ListView1_ColumnClick(header); });
    connect(ListView1, &ui::ListView::DblClick, this, [this] { ListView1_DblClick(); });
    connect(ListView1, &ui::ListView::KeyDown, this, [this](int& KeyCode, int Shift) { ListView1_KeyDown(KeyCode, Shift); });
    connect(TxtNombre, &CajaTexto::GotFocus, this, [this] { TxtNombre_GotFocus(); });
    connect(TxtNumero, &CajaTexto::GotFocus, this, [this] { TxtNumero_GotFocus(); });
    connect(TxtNombre, &CajaTexto::KeyPress, this, [this](int& KeyAscii) { TxtNombre_KeyPress(KeyAscii); });
    connect(TxtNumero, &CajaTexto::KeyPress, this, [this](int& KeyAscii) { TxtNumero_KeyPress(KeyAscii); });
}

FrmConsComprobantes::~FrmConsComprobantes() = default;

void FrmConsComprobantes::AjustaAncho(int columnas)
{
    // The list's frame and its vertical scroll bar beside the columns, the form's margins
    // around the list.
    const QMargins margenes = layout()->contentsMargins();
    int ancho = ui::TwipsToPixels(columnas) + 2 * ListView1->frameWidth()
        + ListView1->verticalScrollBar()->sizeHint().width() + margenes.left() + margenes.right();
    ancho = qMax(ancho, minimumSizeHint().width());
    // The window's frame, once it has one, stays on the screen too.
    if (const QScreen* pantalla = screen())
        ancho = qMin(ancho, pantalla->availableGeometry().width() - (frameGeometry().width() - width()));
    if (!isVisible() || ancho > width())
        resize(ancho, height());
}

// ---------------------------------------------------------------------------------------
// Loading and closing

void FrmConsComprobantes::Form_Load()
{
    ConsultaCptes();
}

void FrmConsComprobantes::Form_Unload(int& Cancel)
{
    Cancel = 0;
    // A list still being filled stops with the form.
    stopFill_ = true;
    ListView1->ListItems().Clear();
    hide();
}

void FrmConsComprobantes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ListView1->setFocus();
}

void FrmConsComprobantes::reject()
{
    int cancel = 0;
    Form_Unload(cancel);
    QDialog::reject();
}

// ---------------------------------------------------------------------------------------
// Buttons

void FrmConsComprobantes::CmdBuscar_Click()
{
    if (filling_)
        return;
    ConsultaCptes();
    // The operator goes on in the list: Enter now takes the row chosen.
    if (isVisible())
        ListView1->setFocus();
}

void FrmConsComprobantes::CmdCancelar_Click()
{
    int cancel = 0;
    Form_Unload(cancel);
}

void FrmConsComprobantes::CmdAceptar_Click()
{
    // A choice waits until the list is complete.
    if (filling_)
        return;
    const ui::ListItem elegida = ListView1->SelectedItem();
    if (voucherlookup::EsTipo(TC, "OC")) {
        // The ticked orders, in the list's order; the chosen row when none is ticked.
        QString lista;
        for (int i = 1; i <= ListView1->ListItems().Count(); ++i) {
            const ui::ListItem fila = ListView1->ListItems().Item(i);
            if (!fila.Checked())
                continue;
            const QString id = columna(fila, kColumna3);
            lista = lista.isEmpty() ? id : lista + QLatin1Char(',') + id;
        }
        if (lista.isEmpty() && !elegida.isNothing())
            lista = columna(elegida, kColumna3);
        NroComprobante = lista;
        if (!lista.isEmpty())
            IdComplemento = QStringLiteral("0");
    } else if (elegida.isNothing()) {
        NroComprobante = QString();
    } else if (voucherlookup::EsTipo(TC, voucherlookup::kTiposVenta)) {
        NroComprobante = columna(elegida, kColumna2);
        IdComplemento = columna(elegida, kColumna3);
    } else if (voucherlookup::EsTipo(TC, voucherlookup::kTiposCompra) || voucherlookup::EsTipo(TC, voucherlookup::kTiposAsiento)) {
        NroComprobante = columna(elegida, kColumna2);
        Proveedor = columna(elegida, kColumna3);
    } else if (voucherlookup::EsTipo(TC, "PR")) {
        NroComprobante = columna(elegida, kColumna2);
        IdComplemento = QStringLiteral("0");
    } else if (voucherlookup::EsTipo(TC, "T3")) {
        NroComprobante = columna(elegida, kColumnaTexto);
        IdComplemento = QStringLiteral("0");
    } else {
        NroComprobante = columna(elegida, kColumna2);
    }
    int cancel = 0;
    Form_Unload(cancel);
}

// ---------------------------------------------------------------------------------------
// The list

void FrmConsComprobantes::ListView1_DblClick()
{
    CmdAceptar_Click();
}

void FrmConsComprobantes::ListView1_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode != ui::vbKeyReturn)
        return;
    CmdAceptar_Click();
    KeyCode = 0;   // the key has been answered: no button takes it as well
}

// ---------------------------------------------------------------------------------------
// Search boxes

void FrmConsComprobantes::selectPrompt(CajaTexto* box)
{
    box->setSelection(0, int(vb::Trim(box->text()).size()));
}

void FrmConsComprobantes::TxtNombre_GotFocus()
{
    selectPrompt(TxtNombre);
}

void FrmConsComprobantes::TxtNumero_GotFocus()
{
    selectPrompt(TxtNumero);
}

void FrmConsComprobantes::TxtNombre_KeyPress(int& KeyAscii)
{
    if (KeyAscii != ui::vbKeyReturn)
        return;
    KeyAscii = 0;
    TxtNumero->setFocus();
}

void FrmConsComprobantes::TxtNumero_KeyPress(int& KeyAscii)
{
    if (KeyAscii != ui::vbKeyReturn)
        return;
    KeyAscii = 0;
    CmdBuscar->setFocus();
}
