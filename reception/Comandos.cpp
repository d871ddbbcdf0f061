// The toolbar's commands, the form's keys, the lookups and the floating Grabar button.
#include "reception/frmRecepcionMutuales.h"

#include "lookup/Lib_ClsCons3.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "reception/ErrorTraps.h"
#include "reception/MutualesStore.h"
#include "widgets/UtilKor.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using reception::Ignora;
using reception::PasoSalvo5;

namespace {

// The toolbar's Enabled flags, each by its getter and its setter.
struct FlagBoton {
    bool (UtilKor::*get)() const;
    void (UtilKor::*set)(const vb::Variant&);
};
const FlagBoton kFlagsBotones[] = {
    {&UtilKor::NuevoEnabled, &UtilKor::SetNuevoEnabled},       {&UtilKor::BorrarEnabled, &UtilKor::SetBorrarEnabled},
    {&UtilKor::ReporteEnabled, &UtilKor::SetReporteEnabled},   {&UtilKor::ConsultaEnabled, &UtilKor::SetConsultaEnabled},
    {&UtilKor::PlanillaEnabled, &UtilKor::SetPlanillaEnabled}, {&UtilKor::CancelarEnabled, &UtilKor::SetCancelarEnabled},
    {&UtilKor::GrabarEnabled, &UtilKor::SetGrabarEnabled},     {&UtilKor::CerrarEnabled, &UtilKor::SetCerrarEnabled},
};

} // namespace

void frmRecepcionMutuales::UtilKor1_click(const QString& BTag)
{
    const QString rutina = QStringLiteral("UtilKor1_click");
    ++m_toolbarClicks;
    const QString K = BTag.toUpper();
    if (K == QLatin1String("NUEVO")) {
        // A new reception empties the grid: rows being typed go only when the operator says so.
        bool abandona = false;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] { abandona = PuedeAbandonarCarga(); })) || !abandona)
            return;
        PasoSalvo5(rutina, [this] { Inicializa(); });
    } else if (K == QLatin1String("CONSULTAR")) {
        PasoSalvo5(rutina, [this] { CmdConsultar(); });
    } else if (K == QLatin1String("CERRAR")) {
        bool abandona = false;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] { abandona = PuedeAbandonarCarga(); })) || !abandona)
            return;
        qint16 cancel = 0;
        Form_Unload(cancel);
    } else if (K == QLatin1String("CANCELAR")) {
        bool abandona = false;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] { abandona = AbandonaCarga(); })))
            return;
        if (!abandona)
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [this] { Inicializa(); })))
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [this] { AbrirRecordset(TablaActiva); })))
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [this] { txtFields[0]->setFocus(Qt::OtherFocusReason); })))
            return;
        PasoSalvo5(rutina, [this] { UtilKor1->SetCancelarEnabled(false); });
    } else if (K == QLatin1String("REPORTE")) {
        PasoSalvo5(rutina, [this] { ImprimeReporte(); });
    }
    // BORRAR, PLANILLA and GRABAR do nothing here: rows are deleted with the Delete key
    // and saved with F2 or the Grabar button.
}

bool frmRecepcionMutuales::AbandonaCarga()
{
    const bool abandona = ui::MsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"),
                                     ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, QStringLiteral("Aviso al Operador"))
                       == ui::vbYes;
    if (!abandona)
        DevuelveBotones();
    return abandona;
}

void frmRecepcionMutuales::RecuerdaBotones()
{
    static_assert(std::size(kFlagsBotones) == std::tuple_size_v<decltype(m_botones)>);
    for (std::size_t i = 0; i < m_botones.size(); ++i)
        m_botones[i] = (UtilKor1->*kFlagsBotones[i].get)();
}

void frmRecepcionMutuales::DevuelveBotones()
{
    // Each setter tells the form of its change, which takes the flags again meanwhile.
    const auto antes = m_botones;
    for (std::size_t i = 0; i < antes.size(); ++i)
        (UtilKor1->*kFlagsBotones[i].set)(vb::Variant(antes[i]));
}

bool frmRecepcionMutuales::PuedeAbandonarCarga()
{
    return !HayFilasEnCarga() || AbandonaCarga();
}

bool frmRecepcionMutuales::HayFilasEnCarga() const
{
    for (int fila = MSFlexGrid1->FixedRows(); fila < MSFlexGrid1->Rows(); ++fila) {
        if (!vb::Trim(MSFlexGrid1->TextMatrix(fila, 7)).isEmpty())
            continue;
        for (int col = 1; col <= 6; ++col)
            if (!vb::Trim(MSFlexGrid1->TextMatrix(fila, col)).isEmpty())
                return true;
    }
    return !txtEdit->isHidden() && !vb::Trim(txtEdit->text()).isEmpty();
}

void frmRecepcionMutuales::Form_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == ui::vbKeyF2) {
        if (!cmdGrabar->isHidden())
            cmdGrabar_Click();
        KeyCode = 0;
        return;
    }
    // A key the toolbar answered is spent: Esc answered No to the question of Cerrar
    // must not go on to open the cell editor, or confirm the box it was pressed in.
    const int clicks = m_toolbarClicks;
    UtilKor1->KeyAnalisis(KeyCode);
    if (m_toolbarClicks != clicks)
        KeyCode = 0;
}

void frmRecepcionMutuales::CmdConsultar()
{
    if (!ControlActivo)
        return;
    const QString T = ControlActivo->Tag();
    if (T.isEmpty())
        return;
    QString R;
    const bool esEditor = ControlActivo->objectName().compare(QLatin1String("txtEdit"), Qt::CaseInsensitive) == 0;
    if (T.compare(QLatin1String("fecha"), Qt::CaseInsensitive) == 0) {
        R = Utilidades->PideFecha();
    } else if (T.compare(QLatin1String("MA_CUENTAS"), Qt::CaseInsensitive) == 0
               || T.compare(QLatin1String("V_TA_UNIDADNEGOCIO"), Qt::CaseInsensitive) == 0) {
        const bool cuentas = T.compare(QLatin1String("MA_CUENTAS"), Qt::CaseInsensitive) == 0;
        const QString condicion = cuentas ? QStringLiteral(" TITULO=0 AND (TIPOVISTA='CL' OR TIPOVISTA='PR' OR TIPOVISTA='PE' "
                                                           "OR TIPOVISTA='CB' OR TIPOVISTA='CM')")
                                          : QString();
        R = BuscaEnLista(cuentas ? QStringLiteral("MA_CUENTAS") : QStringLiteral("V_TA_UNIDADNEGOCIO"), condicion);
    } else {
        return;
    }
    // Closed without a choice: the cell or box stays as it was, and nothing is checked.
    if (R.isEmpty())
        return;
    if (esEditor && txtEdit->isHidden())
        MSFlexGrid1_DblClick();
    ControlActivo->setText(R);
    int enter = ui::vbKeyReturn;
    if (ControlActivo->objectName().compare(QLatin1String("txtfields"), Qt::CaseInsensitive) == 0)
        txtFields_KeyDown(ControlActivo->Index(), enter, 0);
    else if (esEditor)
        txtEdit_KeyDown(enter, 0);
}

QString frmRecepcionMutuales::BuscaEnLista(const QString& Tabla, const QString& Condicion)
{
    gConsultas->CampoDevuelto = QStringLiteral("CODIGO");
    gConsultas->ConsultaSearch(Tabla, Coleccion(), QString(), QString(), Condicion, QString(), false, QString());
    // Empty when the operator cancelled.
    return vb::Trim(Utilidades->ValorATexto(gConsultas->ValorDevuelto));
}

void frmRecepcionMutuales::MSFlexGrid1_RowColChange()
{
    Ignora([this] { StatusBar1Panels[0]->setText(QStringLiteral("Registros: ") + QString::number(MSFlexGrid1->Rows() - 1)); });
    Ignora([this] {
        QString total;
        try {
            total = TextoImporte(SumaImportes());
        } catch (const vb::VbError& e) {
            // Amounts stored by other programs can add up past what an amount holds: the
            // panel says so rather than showing another figure.
            if (e.Number != vb::ErrOverflow)
                throw;
            total = QStringLiteral("no se puede calcular, supera el importe máximo");
        }
        StatusBar1Panels[1]->setText(QStringLiteral("Importe Total: ") + total);
    });
    const int fila = MSFlexGrid1->Row();
    if (!vb::Trim(MSFlexGrid1->TextMatrix(fila, 7)).isEmpty()) {
        cmdGrabar->hide();
        return;
    }
    // The button covers the mark column of the current row while that row is in view.
    Ignora([&] { cmdGrabar->setVisible(fila >= MSFlexGrid1->FixedRows() && MSFlexGrid1->RowIsVisible(fila)); });
    Ignora([&] {
        cmdGrabar->setGeometry(ui::TwipsToPixels(MSFlexGrid1->Left() + 50),
                               ui::TwipsToPixels(MSFlexGrid1->Top() + MSFlexGrid1->CellTop()),
                               ui::TwipsToPixels(MSFlexGrid1->ColWidth(0)), ui::TwipsToPixels(MSFlexGrid1->CellHeight()));
        cmdGrabar->raise();
    });
}

void frmRecepcionMutuales::cmdGrabar_Click()
{
    // The row is saved under the date it was typed for, and the box shows it: another
    // text typed there and not loaded gives way, and is not loaded (which would drop
    // the row) when the row check moves the focus on.
    const int indice = AyudaEdicion->IndiceCampo(QStringLiteral("FechaRecepcion"), txtFields);
    CajaTexto* fecha = txtFields[indice < 0 ? 0 : indice];
    if (vb::Trim(fecha->text()) != m_fechaFilas) {
        fecha->setText(m_fechaFilas);
        fecha->SetDataChanged(false);
    }
    // A refused column keeps its editor open, with the focus, for the text to be typed
    // over; the grid takes the keys only when no editor could be opened there.
    if (!DatosValidos(true)) {
        if (txtEdit->isHidden())
            MSFlexGrid1->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A row refused for its date or not taken by the database stays under the cursor to
    // be corrected.
    if (!GrabaFila())
        return;
    if (MSFlexGrid1->Row() == MSFlexGrid1->Rows() - 1)
        MSFlexGrid1->SetRows(MSFlexGrid1->Rows() + 1);
    MSFlexGrid1->SetRow(MSFlexGrid1->Row() + 1);
    MSFlexGrid1->SetCol(1);
}

bool frmRecepcionMutuales::GrabaFila()
{
    const int fila = MSFlexGrid1->Row();
    reception::FilaRecepcion datos;
    datos.FechaRecepcion = m_fechaFilas;
    datos.Cuenta = MSFlexGrid1->TextMatrix(fila, 1);
    datos.Comprobante = MSFlexGrid1->TextMatrix(fila, 3);
    datos.Importe = MSFlexGrid1->TextMatrix(fila, 4);
    datos.UNegocio = MSFlexGrid1->TextMatrix(fila, 5);
    datos.Observaciones = MSFlexGrid1->TextMatrix(fila, 6);
    const reception::ConfiguracionAsiento config{TCMutuales, CuentaMutualesAFacturar, CuentaMutualesAImputar};

    const reception::ResultadoGrabacion r = reception::GrabaMutual(datos, config, ErrorEnCampo);
    if (r.estado == reception::ResultadoGrabacion::Grabada) {
        MSFlexGrid1->SetTextMatrix(fila, 3, r.Comprobante);
        MSFlexGrid1->SetTextMatrix(fila, 7, r.ID);
        MSFlexGrid1->SetTextMatrix(fila, 0, QStringLiteral("*"));
    }
    return r.MueveCursor();
}

void frmRecepcionMutuales::EliminaFila()
{
    const int fila = MSFlexGrid1->Row();
    if (fila < MSFlexGrid1->FixedRows())
        return;
    if (!reception::EliminaMutual(MSFlexGrid1->TextMatrix(fila, 0), MSFlexGrid1->TextMatrix(fila, 7)))
        return;
    // The grid keeps one row under its header: the only row left is emptied instead,
    // so that a row gone from the database never stays on screen as saved.
    if (MSFlexGrid1->Rows() - MSFlexGrid1->FixedRows() == 1)
        BlanqueaFila(MSFlexGrid1, fila, 0);
    else
        MSFlexGrid1->RemoveItem(fila);
    MSFlexGrid1->Refresh();
    MSFlexGrid1_RowColChange();
}

void frmRecepcionMutuales::ImprimeReporte()
{
    const auto caja = [this](const QString& campo) {
        const int i = AyudaEdicion->IndiceCampo(campo, txtFields);
        return i < 0 ? QString() : txtFields[i]->text();
    };
    reception::FiltroReporte filtro;
    filtro.FechaRecepcion = txtFields[0]->text();
    filtro.FHD = caja(QStringLiteral("FHD"));
    filtro.FHH = caja(QStringLiteral("FHH"));
    filtro.CUENTAD = caja(QStringLiteral("CUENTAD"));
    filtro.UNEG_RPT = caja(QStringLiteral("UNEG_RPT"));
    filtro.Pendientes = ChkPendiente->checkState() != Qt::Unchecked;
    QString campo;
    if (reception::ImprimeReporteMutuales(filtro, &campo) || campo.isEmpty())
        return;
    // After the message the cursor is in the box it is about, its text selected to be
    // typed over.
    const int i = AyudaEdicion->IndiceCampo(campo, txtFields);
    if (i < 0)
        return;
    CajaTexto* box = txtFields[i];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
