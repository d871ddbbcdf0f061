// The real charges of an account: their outstanding balance, and the caller's
// charges-control form for a customer and registration number.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/loader/LoadContext.h"

#include <QDialog>
#include <QMetaObject>
#include <QWidget>

namespace {

// Sets a property the form declares (or was given); a form without it raises 438, as a
// late-bound call on a missing member does.
void setFormProperty(QWidget& form, const char* name, const QString& value)
{
    const bool declared = form.metaObject()->indexOfProperty(name) >= 0 || form.dynamicPropertyNames().contains(name);
    if (!declared)
        vb::Raise(438);
    form.setProperty(name, value);
}

} // namespace

vb::Currency ClsCmnCptes::ImporteCargosReales(const QString& Cuenta)
{
    const DbTrap trap(QStringLiteral("ImporteCargosReales@"));
    ado::Recordset rs;
    vb::Currency importe;
    vouchergrids::RunSteps(trap, {
        [&] {
            gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT SUM (SALDO) AS IMPORTE FROM V_MV_CargosAplicados WHERE CUENTA = ")
                                             + voucherloader::Literal(vb::Trim(Cuenta)),
                                         rs);
        },
        [&] {
            importe = Utilidades->TextoAMoneda(
                vouchergrids::FieldText(rs, QStringLiteral("Importe")));
        },
    });
    vouchergrids::ResumeNext([&] {
        if (rs.State() != ado::adStateClosed)
            gDBPrincipal->CierraRecordset(rs);
    });
    return importe;
}

void ClsCmnCptes::ControlDeCargosReales(QWidget* FrmCtrlCargosReales, const QString& Cliente, const QString& Matricula)
{
    if (!FrmCtrlCargosReales)
        vb::Raise(91);
    setFormProperty(*FrmCtrlCargosReales, "Cliente", Cliente);
    setFormProperty(*FrmCtrlCargosReales, "Matricula", Matricula);
    auto* dialog = qobject_cast<QDialog*>(FrmCtrlCargosReales);
    if (!dialog)
        vb::Raise(438);
    ui::ShowModal(*dialog);
}
