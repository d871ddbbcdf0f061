// ClsCmnCptes::ConsultaComprobante: the voucher lookup opened modally for a voucher form.
#include "vouchers/ClsCmnCptes.h"

#include "data/DbTrap.h"
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
    std::unique_ptr<FrmConsComprobantes> form;
    if (!trap([&] { form = std::make_unique<FrmConsComprobantes>(QApplication::activeWindow()); }) || !form)
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
