// The voucher class's prompts for the lot, serial and position detail of one article
// line: each fills a fresh dialog, shows it (or runs its OK unseen) and hands back what
// it wrote; the dialog is destroyed when the prompt ends, however it ends.
#include "vouchers/ClsCmnCptes.h"

#include "data/DbTrap.h"
#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/lots/FrmCargaLotesySeries.h"
#include "vouchers/lots/FrmLoteyPosicion.h"

#include <QApplication>
#include <QLabel>

#include <initializer_list>

namespace {

// Dialogs open over the window the operator is working in.
QWidget* ventanaActiva()
{
    return QApplication::activeWindow();
}

// The lists of a row: its column 21 and 22.
struct ListasDeFila {
    QString lotes;
    QString cantidades;
};

ListasDeFila listasDeFila(const ui::FlexGrid& grilla, int fila)
{
    return {grilla.TextMatrix(fila, ColArticulo::NroLote), grilla.TextMatrix(fila, ColArticulo::NroSerie)};
}

// Appends a cell's list to a joined list, dropping the cell's leading "|" once the joined
// list has begun, so that it stays one pipe list.
void une(QString& unida, const QString& celda)
{
    unida += unida.isEmpty() ? celda : celda.mid(1);
}

// The row of the line being prompted: the article's row whose lists are the line's
// previous picks (the current row first); -1 when the line is not in the grid yet or has
// no picks.
int filaDeLaLinea(const ui::FlexGrid& grilla, const QString& articulo, const QString& lotes, const QString& cantidades)
{
    if (lotes.isEmpty())
        return -1;
    const auto esLaLinea = [&](int fila) {
        if (fila < 1 || fila >= grilla.Rows() || grilla.TextMatrix(fila, ColArticulo::IdArticulo).compare(articulo, Qt::CaseInsensitive) != 0)
            return false;
        const ListasDeFila listas = listasDeFila(grilla, fila);
        return listas.lotes == lotes && listas.cantidades == cantidades;
    };
    if (esLaLinea(grilla.Row()))
        return grilla.Row();
    for (int fila = 1; fila < grilla.Rows(); ++fila)
        if (esLaLinea(fila))
            return fila;
    return -1;
}

// What the article's rows took, one row left out (-1: none).
void reuneTomados(const ui::FlexGrid& grilla, const QString& articulo, int omitida, QString& lotes, QString& cantidades)
{
    lotes.clear();
    cantidades.clear();
    for (int fila = 1; fila < grilla.Rows(); ++fila) {
        if (fila == omitida || grilla.TextMatrix(fila, ColArticulo::IdArticulo).compare(articulo, Qt::CaseInsensitive) != 0)
            continue;
        const ListasDeFila listas = listasDeFila(grilla, fila);
        une(lotes, listas.lotes);
        une(cantidades, listas.cantidades);
    }
}

// Loads the dialog the prompt filled, names the article in its label and shows it;
// false when the prompt must be left.
template <class Dialogo>
bool cargaYMuestra(const DbTrap& trap, Dialogo& dialogo, const QString& etiqueta, bool& aceptado)
{
    return vouchergrids::RunSteps(trap, {
        [&] { dialogo.CargaDatos(); },
        [&] { dialogo.lblArticulo->setText(etiqueta); },
        [&] { aceptado = ui::ShowModal(dialogo) == QDialog::Accepted; },
    });
}

} // namespace

void ClsCmnCptes::PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt, const QString& LoteAnt,
                                QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote, bool Talle)
{
    if (Cantidad == 0) {
        SerieNvo.clear();
        LoteNvo.clear();
        return;
    }
    const DbTrap trap(QStringLiteral("PideSerieLote"));
    FrmCargaLotesySeries dialogo(ventanaActiva());
    bool aceptado = false;
    const bool lleno = trap([&] {
        dialogo.Cantidad = Cantidad;
        dialogo.EsSerie = Serie;
        dialogo.EsLote = Lote;
        dialogo.EsTalle = Talle;
        dialogo.Articulo = Articulo;
        dialogo.SeriesAnteriores = SerieAnt;
        dialogo.LotesAnteriores = LoteAnt;
    });
    if (!lleno || !cargaYMuestra(trap, dialogo, Articulo, aceptado))
        return;
    // Cancelled: the line keeps what it had.
    SerieNvo = aceptado ? dialogo.Series : SerieAnt;
    LoteNvo = aceptado ? dialogo.Lotes : LoteAnt;
}

void ClsCmnCptes::PideSerieLote_Salidas(ui::FlexGrid* Grilla, const QString& Articulo, const QString& Descripcion,
                                        double& Cantidad, const QString& SeriesLoteAnt, const QString& CantidadANT,
                                        QString& SeriesLoteNvo, QString& CantidadesNvo, bool Lote, bool Serie, bool Talle,
                                        QString& Deposito, bool MostrarForm)
{
    const DbTrap trap(QStringLiteral("PideSerieLote_Salidas"));
    if (Deposito.isEmpty() && !trap([&] { Deposito = Cfg(QStringLiteral("DepositoDefault")); }))
        return;
    if (Cantidad == 0)
        return;
    FrmCargaLotesySeries dialogo(ventanaActiva());
    const bool completo = vouchergrids::RunSteps(trap, {
        [&] {
            dialogo.Cantidad = Cantidad;
            dialogo.Articulo = Articulo;
            dialogo.EsConsultaDeSerieLote = true;
            dialogo.EsLote = Lote;
            dialogo.EsSerie = Serie;
            dialogo.EsTalle = Talle;
            dialogo.Deposito = Utilidades->AjustaLargo(vb::Trim(Deposito), 4);
            dialogo.Lotes = SeriesLoteAnt;
            dialogo.Series = CantidadANT;
        },
        [&] {
            // The line's own picks are no stock taken by another line.
            ui::FlexGrid& grilla = vouchergrids::Need(Grilla);
            reuneTomados(grilla, Articulo, filaDeLaLinea(grilla, Articulo, SeriesLoteAnt, CantidadANT),
                         dialogo.LotesExistentes, dialogo.SeriesExistentes);
        },
        [&] { dialogo.CargaDatos(); },
        [&] {
            dialogo.lblArticulo->setText(Articulo + QStringLiteral(" - ") + Descripcion);
            dialogo.MostrarForm = MostrarForm;
        },
        [&] {
            if (MostrarForm)
                ui::ShowModal(dialogo);
            else
                dialogo.CmdAceptar_Click();
        },
    });
    if (!completo)
        return;
    // A cancel or an OK that did not finish leaves the lists passed in and the quantity.
    SeriesLoteNvo = dialogo.Lotes;
    CantidadesNvo = dialogo.Series;
    Cantidad = dialogo.Cantidad;
}

void ClsCmnCptes::CuentaLotesEnGrilla(ui::FlexGrid* Grilla, const QString& Articulo, QString& LotesEnGrid,
                                      QString& CantidadesEnGrid)
{
    reuneTomados(vouchergrids::Need(Grilla), Articulo, -1, LotesEnGrid, CantidadesEnGrid);
}

void ClsCmnCptes::PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad,
                                   const QString& Deposito, const QString& PosicionAnt, const QString& LoteAnt,
                                   QString& PosicionNVO, QString& LoteNvo, bool Posicion, bool Lote)
{
    if (Cantidad == 0) {
        PosicionNVO.clear();
        LoteNvo.clear();
        return;
    }
    const DbTrap trap(QStringLiteral("PidePosicionLote"));
    FrmLoteyPosicion dialogo(ventanaActiva());
    bool aceptado = false;
    const bool lleno = trap([&] {
        dialogo.Cantidad1 = Cantidad;
        dialogo.EsConsultaDePosicionLote = !PosicionAnt.isEmpty() || !LoteAnt.isEmpty();
        dialogo.EsPosicion = Posicion;
        dialogo.EsLote = Lote;
        dialogo.IUNIDAD = IdUnidad;
        dialogo.Articulo = Articulo;
        dialogo.Deposito = Deposito;
        dialogo.PosicionesAnteriores = PosicionAnt;
        dialogo.LotesAnteriores = LoteAnt;
    });
    if (!lleno || !cargaYMuestra(trap, dialogo, Articulo, aceptado))
        return;
    if (!aceptado) {
        // Cancelled: the line keeps what it had.
        PosicionNVO = PosicionAnt;
        LoteNvo = LoteAnt;
        return;
    }
    PosicionNVO = dialogo.Posiciones;
    LoteNvo = dialogo.Lotes;
    // The operator may have agreed to a quantity other than the one asked.
    Cantidad = dialogo.Cantidad1;
}
