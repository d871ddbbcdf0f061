// The header boxes: the reception date and the report's filters.
#include "reception/frmRecepcionMutuales.h"

#include "platform/ui/Keys.h"
#include "platform/zeltrix/Services.h"
#include "widgets/UtilKor.h"

namespace {

constexpr long kCyan = 0xFFFF00;    // &HFFFF00: the box with the focus
constexpr long kWhite = 0xFFFFFF;

} // namespace

void frmRecepcionMutuales::txtFields_GotFocus(int Index)
{
    CajaTexto* box = txtFields[Index];
    box->SetDataChanged(true);
    ControlActivo = box;
    box->SetBackColor(kCyan);
    box->setSelection(0, int(box->text().size()));
    UtilKor1->SetConsultaEnabled(!box->Tag().isEmpty());
}

void frmRecepcionMutuales::txtFields_LostFocus(int Index)
{
    txtFields[Index]->SetBackColor(kWhite);
}

void frmRecepcionMutuales::txtFields_KeyPress(int Index, int& KeyAscii)
{
    AyudaEdicion->FiltraTecla(txtFields[Index], KeyAscii);
    if (KeyAscii == 13)
        KeyAscii = 0;
}

void frmRecepcionMutuales::txtFields_KeyDown(int Index, int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (!AyudaEdicion->EsTeclaConfirmar(KeyCode))
        return;
    CajaTexto* box = txtFields[Index];
    CampoValida(box, true);
    box->SetDataChanged(false);
    // Refused, or a reload the operator declined: the box keeps the focus.
    if (ErrorEnCampo || m_reloadDeclined)
        return;
    if (Index == AyudaEdicion->IndiceCampo(QStringLiteral("FechaRecepcion"), txtFields))
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    else
        AyudaEdicion->MueveFoco(KeyCode);
}

void frmRecepcionMutuales::txtFields_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    ControlActivo = txtFields[Index];
    if (Button == 2)
        CmdConsultar();
}
