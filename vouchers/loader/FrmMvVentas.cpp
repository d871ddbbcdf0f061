#include "vouchers/loader/FrmMvVentas.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MSComm.h"

#include <QVBoxLayout>

FrmMvVentas::FrmMvVentas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmMvVentas"));
    setWindowTitle(QStringLiteral("Form1"));
    MSFlexGrid1 = new ui::FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid3 = new ui::FlexGrid(this);
    MSFlexGrid3->setObjectName(QStringLiteral("MSFlexGrid3"));
    MSComm1 = new ui::MSComm(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSFlexGrid1);
    layout->addWidget(MSFlexGrid3);
    connect(MSComm1, &ui::MSComm::OnComm, this, &FrmMvVentas::MSComm1_OnComm);
}

FrmMvVentas::~FrmMvVentas() = default;

void FrmMvVentas::AgregoRegargo(vb::Currency& cualquierimporte)
{
    (void)cualquierimporte;
}

void FrmMvVentas::AnulacionCompleta(QString& TC, QString& Sucursal, QString& Numero, QString& Letra)
{
    (void)TC;
    (void)Sucursal;
    (void)Numero;
    (void)Letra;
}

void FrmMvVentas::MSComm1_OnComm()
{
    (void)MSComm1->CommEvent();
}
