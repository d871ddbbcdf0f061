#pragma once
// The sales-movement form of the voucher library: two grids and a serial-port control.
// Its two public procedures do nothing yet, and nothing in the program shows it.
#include "platform/vb/Currency.h"

#include <QString>
#include <QWidget>

namespace ui {
class FlexGrid;
class MSComm;
} // namespace ui

class FrmMvVentas : public QWidget {
    Q_OBJECT
public:
    explicit FrmMvVentas(QWidget* parent = nullptr);
    ~FrmMvVentas() override;

    ui::FlexGrid* MSFlexGrid1 = nullptr;
    ui::MSComm* MSComm1 = nullptr;
    ui::FlexGrid* MSFlexGrid3 = nullptr;

    // A surcharge of the amount; does nothing.
    void AgregoRegargo(vb::Currency& cualquierimporte);
    // The complete annulment of a voucher; does nothing.
    void AnulacionCompleta(QString& TC, QString& Sucursal, QString& Numero, QString& Letra);

    // The serial port's communication event: the event is read and left alone.
    void MSComm1_OnComm();
};
