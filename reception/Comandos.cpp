// The toolbar's commands, the form's keys, the lookups and the floating Grabar button.
#include "reception/frmRecepcionMutuales.h"

#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "reception/ErrorTraps.h"
#include "widgets/UtilKor.h"

#include <QLabel>
#include <QPushButton>

using reception::Ignora;
using reception::PasoSalvo5;

void frmRecepcionMutuales::UtilKor1_click(const QString& BTag)
{
    const QString rutina = QStringLiteral("UtilKor1_click");
    const QString K = BTag.toUpper();
    if (K == QLatin1String("NUEVO")) {
        PasoSalvo5(rutina, [this] { Inicializa(); });
    } else if (K == QLatin1String("CONSULTAR")) {
        PasoSalvo5(rutina, [this] { CmdConsultar(); });
    } else if (K == QLatin1String("CERRAR")) {
        qint16 cancel = 0;
        Form_Unload(cancel);
    } else if (K == QLatin1String("CANCELAR")) {
        int respuesta = 0;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] {
                respuesta = ui::MsgBox(QStringLiteral("¿Realmente desea abandonar la carga de datos?"),
                                       ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2,
                                       QStringLiteral("Aviso al Operador"));
            })))
            return;
        if (respuesta != ui::vbYes)
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

void frmRecepcionMutuales::Form_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == ui::vbKeyF2) {
        if (!cmdGrabar->isHidden())
            cmdGrabar_Click();
        KeyCode = 0;
        return;
    }
    UtilKor1->KeyAnalisis(KeyCode);
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
        if (!BuscaEnLista(cuentas ? QStringLiteral("MA_CUENTAS") : QStringLiteral("V_TA_UNIDADNEGOCIO"), condicion, R))
            return;
        R = vb::Trim(R);
        if (esEditor && txtEdit->isHidden())
            MSFlexGrid1_DblClick();
    } else {
        return;
    }
    ControlActivo->setText(R);
    int enter = ui::vbKeyReturn;
    if (ControlActivo->objectName().compare(QLatin1String("txtfields"), Qt::CaseInsensitive) == 0)
        txtFields_KeyDown(ControlActivo->Index(), enter, 0);
    else if (esEditor)
        txtEdit_KeyDown(enter, 0);
}

bool frmRecepcionMutuales::BuscaEnLista(const QString& Tabla, const QString& Condicion, QString& Valor)
{
    // The list lookup through the program-wide lookup driver is not wired in yet: the
    // active box is left as it is.
    Q_UNUSED(Tabla);
    Q_UNUSED(Condicion);
    Q_UNUSED(Valor);
    return false;
}

void frmRecepcionMutuales::MSFlexGrid1_RowColChange()
{
    Ignora([this] { StatusBar1Panels[0]->setText(QStringLiteral("Registros: ") + QString::number(MSFlexGrid1->Rows() - 1)); });
    Ignora([this] {
        StatusBar1Panels[1]->setText(QStringLiteral("Importe Total: ")
                                     + Utilidades->ValorATexto(vb::Variant(SumaImportes())));
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
    if (!DatosValidos(true)) {
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
        return;
    }
    GrabaFila();
    if (MSFlexGrid1->Row() == MSFlexGrid1->Rows() - 1)
        MSFlexGrid1->SetRows(MSFlexGrid1->Rows() + 1);
    MSFlexGrid1->SetRow(MSFlexGrid1->Row() + 1);
    MSFlexGrid1->SetCol(1);
}

// ---- not written yet ----

void frmRecepcionMutuales::GrabaFila()
{
    // Storing the row in V_MV_MUTUALES and its accounting entry is not written yet: the
    // row stays in the grid without mark.
}

void frmRecepcionMutuales::EliminaFila()
{
    // Deleting a stored row and its entry lines is not written yet.
}

void frmRecepcionMutuales::ImprimeReporte()
{
    // The reception report is not written yet.
}
