// ClsCmnCptes::ConsultaComprobante: the voucher lookup opened modally for a voucher form.
#include "vouchers/ClsCmnCptes.h"

#include "data/DbTrap.h"
#include "platform/ui/InputFilter.h"
#include "platform/ui/Operator.h"
#include "vouchers/lookup/FrmConsComprobantes.h"

#include <QApplication>
#include <memory>

void ClsCmnCptes::ConsultaComprobante(const QString& TC, QString& Respuesta, const std::optional<QString>& Filtro,
                                      QString* IdComplemento, QString* Proveedor)
{
    // An answer from before this call never stands for a voucher chosen now.
    Respuesta.clear();
    if (IdComplemento)
        IdComplemento->clear();
    if (Proveedor)
        Proveedor->clear();

    const DbTrap trap(QStringLiteral("ConsultaComprobante"));
    QWidget* host = QApplication::activeWindow();
    // The fill lets pending events run before the dialog is modal: the operator's keys and
    // clicks on the asking window meanwhile would ask again, so they are dropped until the
    // dialog is shown (and then it blocks them itself).
    const ui::WindowInputBlock block(host);
    std::unique_ptr<FrmConsComprobantes> form;
    if (!trap([&] { form = std::make_unique<FrmConsComprobantes>(host); }) || !form)
        return;
    const auto fields = [&] {
        form->TC = TC;
        form->Filtro = Filtro.value_or(QString());
        form->NroComprobante = QString();
    };
    const auto answers = [&] {
        Respuesta = form->NroComprobante;
        if (IdComplemento)
            *IdComplemento = form->IdComplemento;
        if (Proveedor)
            *Proveedor = form->Proveedor;
    };
    // Each step runs only when the one before it did not end the operation.
    if (trap(fields) && trap([&] { form->Form_Load(); }) && trap([&] { ui::ShowModal(*form); }))
        trap(answers);
}
