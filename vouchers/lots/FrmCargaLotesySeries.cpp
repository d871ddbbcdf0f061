// The lot and serial dialog: loading, its two layouts, the value and quantity cells, the
// toolbar and OK in entry and pick mode.
#include "vouchers/lots/FrmCargaLotesySeries.h"

#include "data/DbTrap.h"
#include "frame/Config.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

using lotdialogs::CellQuantity;
using lotdialogs::QuantityText;
using vouchergrids::ResumeNext;

namespace {

const QString kSuperaStock = QStringLiteral("La Cantidad supera a la cantidad disponible en Stock");
const QString kNumeroDeLote = QStringLiteral("Número de Lote");
const QString kNumeroDeSerie = QStringLiteral("Número de Serie");

// What the editor takes in entry mode: a lot, a serial or a size code of 25 characters.
constexpr int kLargoValor = 25;

} // namespace

FrmCargaLotesySeries::FrmCargaLotesySeries(QWidget* parent)
    : GridDialog(parent, QStringLiteral("FrmCargaLotesySeries"), QStringLiteral("Numeros de Serie"),
                 QStringLiteral("F2 &Aceptar"),
                 {QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas"),
                  QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada")})
{
    Form_Load();
    formatoSerieAsterisco_ =
        vouchergrids::SwitchOn(Cfg(QStringLiteral("ART_FormatoSerieAsterisco")));
}

FrmCargaLotesySeries::~FrmCargaLotesySeries() = default;

bool FrmCargaLotesySeries::EsColumnaEditable(int col) const
{
    if (EsConsultaDeSerieLote)
        return col == ColCantidad;
    return col == ColValor || (DosColumnas() && col == ColValor + 1);
}

QString FrmCargaLotesySeries::ClaveDeFila(int fila) const
{
    return vb::Trim(MSFlexGrid1->TextMatrix(fila, ColLote)) + vouchergrids::kSeparadorLoteSerie + vb::Trim(MSFlexGrid1->TextMatrix(fila, ColSerie));
}

QStringList FrmCargaLotesySeries::ClavesDeFilas() const
{
    QStringList claves;
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila)
        claves << ClaveDeFila(fila);
    return claves;
}

// ---- loading ----

void FrmCargaLotesySeries::CargaDatos()
{
    ResumeNext([&] { EsSerieYLote = EsSerie && EsLote; });
    ResumeNext([&] {
        const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + QLatin1Char(')');
        if (EsTalle) {
            setWindowTitle(QStringLiteral("Talles, Colores, Sexo") + deposito);
            if (EsSerieYLote) {
                EsSerieYLote = false;
                EsLote = false;
            }
        } else if (EsSerieYLote) {
            setWindowTitle(QStringLiteral("Números de Lote y Serie") + deposito);
        } else if (EsSerie) {
            setWindowTitle(QStringLiteral("Números de Serie") + deposito);
        } else if (EsLote) {
            setWindowTitle(QStringLiteral("Números de Lote") + deposito);
        }
    });
    ResumeNext([&] { lblArticulo->setText(vb::StrConv(ArticuloDescripcion, vb::vbProperCase)); });
    ResumeNext([&] { InicializaGrid(); });
    ResumeNext([&] { VerificaAnteriores(); });
    ResumeNext([&] { VerificaExistenciasEnGrilla(); });
    ResumeNext([&] { AjustaAnchoColumnas(); });
    ResumeNext([&] { AjustaAnchoDialogo(); });
    // The operator starts on the first cell to type.
    ResumeNext([&] { VaACelda(MSFlexGrid1->FixedRows(), EsConsultaDeSerieLote ? int(ColCantidad) : int(ColValor)); });
}

void FrmCargaLotesySeries::InicializaGrid()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    const auto ancho = [this](int letras) { return ui::TextWidthX(*this, letras); };
    g.Clear();
    if (EsConsultaDeSerieLote) {
        g.SetCols(4);
        g.SetFixedCols(2);
        g.SetRows(1);
        g.SetTextMatrix(0, ColLote, EsTalle ? QStringLiteral("TALLE-COLOR-SEXO") : QStringLiteral("LOTE"));
        g.SetTextMatrix(0, ColSerie, QStringLiteral("SERIE"));
        g.SetTextMatrix(0, ColStock, QStringLiteral("CANT. STOCK"));
        g.SetTextMatrix(0, ColCantidad, QStringLiteral("CANT. "));
        // The size codes stand where the lots do.
        g.SetColWidth(ColLote, EsLote || EsTalle ? ancho(18) : 0);
        g.SetColWidth(ColSerie, EsSerie ? ancho(25) : 0);
        g.SetColWidth(ColStock, ancho(12));
        g.SetColWidth(ColCantidad, ancho(25));
        g.SetColAlignment(ColLote, ui::flexAlignCenterCenter);
        g.SetColAlignment(ColSerie, ui::flexAlignCenterCenter);
        g.SetColAlignment(ColStock, ui::flexAlignRightCenter);
        g.SetColAlignment(ColCantidad, ui::flexAlignRightCenter);
        return;
    }
    // One row per unit of the line (a returned quantity counts its units too).
    g.SetCols(DosColumnas() ? 3 : 2);
    g.SetFixedCols(1);
    g.SetRows(vb::RoundToLong(std::fabs(Cantidad) + 1));
    g.SetColWidth(0, 0);
    if (DosColumnas()) {
        g.SetTextMatrix(0, ColValor, kNumeroDeLote);
        g.SetTextMatrix(0, ColValor + 1, kNumeroDeSerie);
        g.SetColWidth(ColValor + 1, ancho(25));
    } else {
        g.SetTextMatrix(0, ColValor, EsSerie ? kNumeroDeSerie : kNumeroDeLote);
    }
    g.SetColWidth(ColValor, ancho(25));
}

void FrmCargaLotesySeries::CargaValores(const QString& lista, int col)
{
    if (vb::Trim(Utilidades->QuitaCaracteres(lista, QStringLiteral("|"))).isEmpty())
        return;
    QString resto = vb::Trim(lista);
    for (int i = 0; i < 2 && resto.startsWith(QLatin1Char('|')); ++i)
        resto.remove(0, 1);
    ui::FlexGrid& g = *MSFlexGrid1;
    for (int fila = g.FixedRows(); !vb::Trim(resto).isEmpty(); ++fila) {
        const qsizetype fin = resto.indexOf(QLatin1Char('|'));
        if (fin < 0 || fila >= g.Rows())
            break;
        g.SetTextMatrix(fila, col, resto.left(fin));
        resto.remove(0, fin + 1);
    }
}

void FrmCargaLotesySeries::VerificaAnteriores()
{
    if (EsConsultaDeSerieLote) {
        CargaStock();
    } else if (DosColumnas()) {
        CargaValores(LotesAnteriores, ColValor);
        CargaValores(SeriesAnteriores, ColValor + 1);
    } else {
        CargaValores(SeriesAnteriores + LotesAnteriores, ColValor);
    }
}

void FrmCargaLotesySeries::CompletaTodoIgual()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    ResumeNext([&] {
        // A serial names one unit: the next unit never takes the first one's.
        if (!EsFilaDeDatos(1) || ColumnaDeSeries() == ColValor)
            return;
        const QString valor = vb::Trim(g.TextMatrix(1, ColValor));
        for (int fila = 1; fila < g.Rows(); ++fila)
            if (vb::Trim(g.TextMatrix(fila, ColValor)).isEmpty())
                g.SetTextMatrix(fila, ColValor, valor);
    });
}

void FrmCargaLotesySeries::AjustaAnchoColumnas()
{
    lotdialogs::FitColumns(*MSFlexGrid1, 8);
    // What the editor takes shows whole in the columns typed into.
    if (EsConsultaDeSerieLote)
        return;
    for (int col = ColValor; col < MSFlexGrid1->Cols(); ++col)
        if (EsColumnaEditable(col))
            lotdialogs::FitLength(*MSFlexGrid1, col, kLargoValor);
}

// ---- sums ----

double FrmCargaLotesySeries::SumaFilas(qint32 MenosCual)
{
    return lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad, MenosCual).toDouble();
}

bool FrmCargaLotesySeries::ValidaCantidadCantidadPedida()
{
    return lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad) == vb::Currency::fromDouble(Cantidad);
}

// ---- the cells ----

void FrmCargaLotesySeries::Text_Propiedades(CajaTexto* Texto, qint32 Columna)
{
    const bool cantidad = EsConsultaDeSerieLote && (Columna == ColStock || Columna == ColCantidad);
    Texto->SetDataField(cantidad ? QStringLiteral("Cantidad") : QString());
    Texto->SetTag(QString());
    Texto->SetMaxLength(cantidad ? 0 : kLargoValor);
}

QString FrmCargaLotesySeries::RechazoDeFila(int fila, const QString& texto) const
{
    // Every row takes at most its stock: a serial row has a stock of 1.
    return lotdialogs::TakeRefusal(texto, CellQuantity(MSFlexGrid1->TextMatrix(fila, ColStock)), kSuperaStock, true);
}

void FrmCargaLotesySeries::CampoValida(CajaTexto* Texto)
{
    SetErrorEnCampo(false);
    const DbTrap trap(QStringLiteral("CampoValida"));
    trap([&] {
        const int fila = MSFlexGrid1->Row();
        if (!EsFilaDeDatos(fila))
            return;
        if (vb::Trim(Texto->DataField()) == QLatin1String("Cantidad")) {
            CantidadRechazada(Texto);
        } else if (fila == 1) {
            MSFlexGrid1->SetTextMatrix(fila, MSFlexGrid1->Col(), Texto->text());
            CompletaTodoIgual();
        }
    });
}

bool FrmCargaLotesySeries::AsientaValor(int fila, int col, const QString& texto)
{
    if (EsConsultaDeSerieLote)
        return AsientaCantidad(fila, col, texto);
    MSFlexGrid1->SetTextMatrix(fila, col, texto);
    return true;
}

bool FrmCargaLotesySeries::AvanzaConEnter()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    // Lots and serials side by side: from the lot to its serial, then to the next lot.
    if (DosColumnas() && g.Col() == ColValor) {
        g.SetCol(ColValor + 1);
        return true;
    }
    if (g.Row() >= g.Rows() - 1)
        return false;
    g.SetRow(g.Row() + 1);
    if (DosColumnas())
        g.SetCol(ColValor);
    return true;
}

// ---- toolbar ----

void FrmCargaLotesySeries::Toolbar1_ButtonClick(int Index)
{
    if (!ConfirmaEdicionAbierta())
        return;
    ui::FlexGrid& g = *MSFlexGrid1;
    if (EsColumnaEditable(g.Col()) && EsFilaDeDatos(g.Row())) {
        if (Index == 1)
            lotdialogs::FillDown(g, g.Row(), g.Col(), vb::Trim(g.TextMatrix(g.Row(), g.Col())));
        else if (Index == 2)
            lotdialogs::FillDown(g, g.Row(), g.Col(), QString());
    }
    g.setFocus(Qt::OtherFocusReason);
}

// ---- OK ----

QString FrmCargaLotesySeries::ListaDeColumna(int col) const
{
    QString lista = QStringLiteral("|");
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila) {
        const QString valor = vb::Trim(MSFlexGrid1->TextMatrix(fila, col));
        lista += (valor.isEmpty() ? QStringLiteral("-") : valor) + QLatin1Char('|');
    }
    if (vb::Trim(Utilidades->QuitaCaracteres(lista, QStringLiteral("|"))).isEmpty())
        return QString();
    return lista;
}

bool FrmCargaLotesySeries::PicksEnPie()
{
    if (!ValidaCantidadCantidadPedida())
        return false;
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila)
        if (!RechazoDeFila(fila, MSFlexGrid1->TextMatrix(fila, ColCantidad)).isEmpty())
            return false;
    return true;
}

void FrmCargaLotesySeries::AceptaPicks()
{
    // Nobody sees an automatic pick to put it right: previous picks that no longer add up
    // to the line's quantity, or that a row can no longer give, give way to a proposal
    // made afresh from the stock, as for a line without picks.
    if (!MostrarForm && !isVisible() && !PicksEnPie()) {
        lotdialogs::FillDown(*MSFlexGrid1, MSFlexGrid1->FixedRows() - 1, ColCantidad, QStringLiteral("0"));
        DistribuyeCantidad();
    }
    if (!FilasValidas(ColCantidad))
        return;
    if (!ValidaCantidadCantidadPedida()) {
        const vb::Currency total = lotdialogs::SumColumn(*MSFlexGrid1, ColCantidad);
        if (total < vb::Currency::fromDouble(Cantidad) && !MostrarForm) {
            // An automatic pick says that the stock fell short and hands back what it took.
            ui::MsgBox(QStringLiteral("El Stock es Menor a la cantidad solicitada "), ui::vbInformation + ui::vbOKOnly,
                       lotdialogs::kAvisoTotal);
            Cantidad = total.toDouble();
        } else if (!lotdialogs::ConfirmTotal(total, Cantidad, true, QString())) {
            return;
        }
    }
    QString claves = QStringLiteral("|");
    for (const QString& clave : ClavesDeFilas())
        claves += clave + QLatin1Char('|');
    Lotes = MSFlexGrid1->Rows() > MSFlexGrid1->FixedRows() ? claves : QString();
    Series = ListaDeColumna(ColCantidad);
    accept();
}

bool FrmCargaLotesySeries::SeriesConFormato()
{
    const int col = ColumnaSerieEntrada();
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila) {
        const QString valor = vb::Trim(MSFlexGrid1->TextMatrix(fila, col));
        if (valor.isEmpty() || valor.contains(QLatin1Char('*')))
            continue;
        VaACelda(fila, col);
        ui::MsgBox(QStringLiteral("Segun configuracion del sistema, debe informar NRODESERIE * CANTIDAD \r\n"
                                  "Verifique la configuracion del sistema - Stock / Otros"),
                   ui::vbOKOnly);
        return false;
    }
    return true;
}

bool FrmCargaLotesySeries::SeriesUnaPorUnidad()
{
    const int col = ColumnaDeSeries();
    if (col < 0)
        return true;
    ui::FlexGrid& g = *MSFlexGrid1;
    for (int fila = g.FixedRows(); fila < g.Rows(); ++fila) {
        const QString serie = vb::Trim(g.TextMatrix(fila, col));
        QString rechazo;
        if (serie.isEmpty()) {
            rechazo = QStringLiteral("Falta informar el Número de Serie de la fila %1").arg(fila);
        } else {
            for (int antes = g.FixedRows(); antes < fila && rechazo.isEmpty(); ++antes)
                if (vb::Trim(g.TextMatrix(antes, col)).compare(serie, Qt::CaseInsensitive) == 0)
                    rechazo = QStringLiteral("El Número de Serie de la fila %1 ya fue informado en la fila %2")
                                  .arg(fila)
                                  .arg(antes);
        }
        if (rechazo.isEmpty())
            continue;
        VaACelda(fila, col);
        lotdialogs::ShowRefusal(rechazo);
        return false;
    }
    return true;
}

void FrmCargaLotesySeries::AceptaEntradas()
{
    CompletaTodoIgual();
    if (!SeriesUnaPorUnidad())
        return;
    if (EsSerie && formatoSerieAsterisco_ && !SeriesConFormato())
        return;
    if (DosColumnas()) {
        Lotes = ListaDeColumna(ColValor);
        Series = ListaDeColumna(ColValor + 1);
    } else if (EsLote) {
        Lotes = ListaDeColumna(ColValor);
        Series.clear();
    } else {
        Series = ListaDeColumna(ColValor);
        Lotes.clear();
    }
    accept();
}

void FrmCargaLotesySeries::CmdAceptar_Click()
{
    if (!ConfirmaEdicionAbierta())
        return;
    const DbTrap trap(QStringLiteral("CmdAceptar_Click"));
    trap([&] {
        if (EsConsultaDeSerieLote)
            AceptaPicks();
        else
            AceptaEntradas();
    });
}
