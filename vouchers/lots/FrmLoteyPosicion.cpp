// The position and lot dialog: loading, the quantity cells, the toolbar and OK.
#include "vouchers/lots/FrmLoteyPosicion.h"

#include "data/DbTrap.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Toolbar.h"
#include "platform/vb/Strings.h"
#include "vouchers/grids/GridHelpers.h"

#include <QLabel>
#include <QPushButton>

using lotdialogs::CellQuantity;
using lotdialogs::QuantityText;
using vouchergrids::ResumeNext;

namespace {

const QString kNoHayDisponible = QStringLiteral("No hay disponible para esa posicion");

} // namespace

FrmLoteyPosicion::FrmLoteyPosicion(QWidget* parent)
    : GridDialog(parent, QStringLiteral("FrmLoteyPosicion"), QStringLiteral("Posiciones"), QStringLiteral("&Aceptar"),
                 {QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas"),
                  QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada"),
                  QStringLiteral("Proponer Automaticamente")})
{
    // Position and lot name a row; the cursor moves over the quantities.
    MSFlexGrid1->SetCols(Columnas);
    MSFlexGrid1->SetFixedCols(2);
    MSFlexGrid1->SetRows(1);
    Form_Load();
}

FrmLoteyPosicion::~FrmLoteyPosicion() = default;

// ---- loading ----

void FrmLoteyPosicion::CargaDatos()
{
    ResumeNext([&] { EsPosicionYLote = EsPosicion && EsLote; });
    ResumeNext([&] {
        const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + QLatin1Char(')');
        if (EsPosicionYLote)
            setWindowTitle(QStringLiteral("Posiciones y Lotes") + deposito);
        else if (EsPosicion)
            setWindowTitle(QStringLiteral("Posiciones") + deposito);
        else if (EsLote)
            setWindowTitle(QStringLiteral("Números de Lote") + deposito);
    });
    ResumeNext([&] { lblArticulo->setText(vb::StrConv(ArticuloDescripcion, vb::vbProperCase)); });
    ResumeNext([&] { InicializaGrid(); });
    ResumeNext([&] { VerificaAnteriores(); });
    // The operator starts on the first quantity, where the proposal begins.
    ResumeNext([&] { VaACelda(MSFlexGrid1->FixedRows(), ColCantidad); });
    ResumeNext([&] { AjustaAnchoColumnas(); });
    ResumeNext([&] { AjustaAnchoDialogo(); });
}

void FrmLoteyPosicion::InicializaGrid()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    g.Clear();
    g.SetCols(Columnas);
    // Neither positions and lots nor positions alone: nothing to lay out.
    if (!EsPosicion)
        return;
    g.SetRows(1);
    g.SetTextMatrix(0, ColPosicion, QStringLiteral("POSICION"));
    g.SetTextMatrix(0, ColUnidad, QStringLiteral("UNIDAD"));
    g.SetTextMatrix(0, ColDisponible, QStringLiteral("DISPONIBLE"));
    g.SetTextMatrix(0, ColCantidad, QStringLiteral("CANT."));
    if (ConLotes()) {
        g.SetTextMatrix(0, ColLote, QStringLiteral("LOTE"));
        g.SetColWidth(ColLote, -1);
    } else {
        g.SetColWidth(ColLote, 0);
    }
    g.SetColAlignment(ColPosicion, ui::flexAlignCenterTop);
    g.SetColAlignment(ColLote, ui::flexAlignCenterTop);
    g.SetColAlignment(ColDisponible, ui::flexAlignRightCenter);
    g.SetColAlignment(ColCantidad, ui::flexAlignRightCenter);
}

void FrmLoteyPosicion::CompletaTodoIgual()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    if (!EsFilaDeDatos(1))
        return;
    const QString unidad = vb::Trim(g.TextMatrix(1, ColUnidad));
    for (int fila = 1; fila < g.Rows(); ++fila)
        if (vb::Trim(g.TextMatrix(fila, ColUnidad)).isEmpty())
            g.SetTextMatrix(fila, ColUnidad, unidad);
}

void FrmLoteyPosicion::AjustaAnchoColumnas()
{
    // Room for a quantity as long as "DISPONIBLE" in the quantity column.
    lotdialogs::FitColumns(*MSFlexGrid1);
    MSFlexGrid1->SetColWidth(ColCantidad, qMax(MSFlexGrid1->ColWidth(ColCantidad), MSFlexGrid1->ColWidth(ColDisponible)));
}

vb::Currency FrmLoteyPosicion::CantidadAUbicar() const
{
    const vb::Currency pedida = vb::Currency::fromDouble(Cantidad1);
    return EsDevolucion() ? -pedida : pedida;
}

void FrmLoteyPosicion::DistribuyeCantidad()
{
    // What comes back goes into the deposit: it is put away from there.
    if (EsDevolucion()) {
        if (filaDeposito_ > 0)
            MSFlexGrid1->SetTextMatrix(filaDeposito_, ColCantidad,
                                       QuantityText(CellQuantity(MSFlexGrid1->TextMatrix(filaDeposito_, ColCantidad))
                                                    + CantidadAUbicar() - lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad)));
        return;
    }
    lotdialogs::Distribute(*MSFlexGrid1, ColDisponible, ColCantidad, CantidadAUbicar());
}

// ---- sums ----

double FrmLoteyPosicion::SumaFilas(qint32 MenosCual)
{
    return lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad, MenosCual).toDouble();
}

bool FrmLoteyPosicion::ValidaCantidadCantidadPedida()
{
    return lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad) == CantidadAUbicar();
}

// ---- the quantity cells ----

void FrmLoteyPosicion::Text_Propiedades(CajaTexto* Texto, qint32 Columna)
{
    const bool cantidad = Columna == ColCantidad;
    Texto->SetDataField(cantidad ? QStringLiteral("Cantidad") : QString());
    Texto->SetMaxLength(cantidad ? 0 : 25);
    Texto->SetTag(QString());
}

QString FrmLoteyPosicion::RechazoDeFila(int fila, const QString& texto) const
{
    // A return puts goods into a position: what the position holds is no limit.
    const vb::Currency disponible = EsDevolucion() ? CellQuantity(texto)
                                                   : CellQuantity(MSFlexGrid1->TextMatrix(fila, ColDisponible));
    return lotdialogs::TakeRefusal(texto, disponible, kNoHayDisponible, false);
}

void FrmLoteyPosicion::CampoValida(CajaTexto* Texto)
{
    SetErrorEnCampo(false);
    const DbTrap trap(QStringLiteral("CampoValida"));
    trap([&] {
        if (vb::Trim(Texto->DataField()) == QLatin1String("Cantidad") && EsFilaDeDatos(MSFlexGrid1->Row()))
            CantidadRechazada(Texto);
    });
}

bool FrmLoteyPosicion::AsientaValor(int fila, int col, const QString& texto)
{
    return AsientaCantidad(fila, col, texto);
}

bool FrmLoteyPosicion::AvanzaConEnter()
{
    if (MSFlexGrid1->Row() >= MSFlexGrid1->Rows() - 1)
        return false;
    MSFlexGrid1->SetRow(MSFlexGrid1->Row() + 1);
    return true;
}

// ---- toolbar ----

void FrmLoteyPosicion::Toolbar1_ButtonClick(int Index)
{
    if (!ConfirmaEdicionAbierta())
        return;
    ui::FlexGrid& g = *MSFlexGrid1;
    const bool enCantidad = g.Col() == ColCantidad && EsFilaDeDatos(g.Row());
    switch (Index) {
    case 1:
        if (enCantidad)
            lotdialogs::FillDown(g, g.Row(), ColCantidad, vb::Trim(g.TextMatrix(g.Row(), ColCantidad)));
        break;
    case 2:
        if (enCantidad)
            lotdialogs::FillDown(g, g.Row(), ColCantidad, QStringLiteral("0"));
        break;
    case 3:
        lotdialogs::FillDown(g, g.FixedRows() - 1, ColCantidad, QStringLiteral("0"));
        DistribuyeCantidad();
        VaACelda(g.FixedRows(), ColCantidad);
        break;
    default:
        break;
    }
    g.setFocus(Qt::OtherFocusReason);
}

// ---- OK ----

void FrmLoteyPosicion::EscribeSalida()
{
    // Without positions nothing is handed back.
    if (!EsPosicion)
        return;
    QString posiciones = QStringLiteral("|");
    QString lotes = QStringLiteral("|");
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila) {
        const QString cantidad = vb::Trim(MSFlexGrid1->TextMatrix(fila, ColCantidad));
        if (cantidad.isEmpty() || cantidad == QLatin1String("0"))
            continue;
        // The deposit's stock has no position and no lot.
        const bool deposito = fila == filaDeposito_;
        // A return's entries carry its sign: the lists add up to the line's quantity.
        posiciones += (deposito ? QString() : vb::Trim(MSFlexGrid1->TextMatrix(fila, ColPosicion))) + QLatin1Char('*')
            + (EsDevolucion() ? QuantityText(-CellQuantity(cantidad)) : cantidad) + QLatin1Char('|');
        lotes += (deposito ? QString() : vb::Trim(MSFlexGrid1->TextMatrix(fila, ColLote))) + QLatin1Char('|');
    }
    Posiciones = posiciones;
    if (ConLotes())
        Lotes = lotes;
}

void FrmLoteyPosicion::CmdAceptar_Click()
{
    if (!ConfirmaEdicionAbierta() || !FilasValidas(ColCantidad))
        return;
    if (!ValidaCantidadCantidadPedida()) {
        const vb::Currency total = lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad);
        // A request above the whole stock can only be lowered: the question is offered. A
        // return is asked about in what it places, and keeps its sign. Without positions
        // there is nothing to take the request from, and nothing to lower it to.
        const bool stockCorto = EsPosicion && !EsDevolucion()
                             && lotdialogs::SumColumn(*MSFlexGrid1, ColDisponible) < CantidadAUbicar();
        double pedida = CantidadAUbicar().toDouble();
        if (!lotdialogs::ConfirmTotal(total, pedida, MostrarForm || stockCorto,
                                      QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada ")))
            return;
        Cantidad1 = EsDevolucion() ? -pedida : pedida;
    }
    EscribeSalida();
    accept();
}
