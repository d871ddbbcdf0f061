#include "VoucherHostForm.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/SSTab.h"
#include "platform/ui/StatusBar.h"

#include <QVBoxLayout>

namespace testsupport {

namespace {

ui::FlexGrid* grid(const QString& name, QWidget* parent)
{
    auto* g = new ui::FlexGrid(parent);
    g->setObjectName(name);
    return g;
}

CajaTexto* editor(const QString& name, QWidget* parent)
{
    auto* box = new CajaTexto(parent);
    box->setObjectName(name);
    box->hide();
    return box;
}

// A tab page holding one grid.
void placeOnTab(ui::SSTab* tabs, int index, const QString& caption, ui::FlexGrid* g)
{
    tabs->SetTabCaption(index, caption);
    auto* layout = new QVBoxLayout(tabs->Page(index));
    layout->setContentsMargins(0, 0, 0, 0);
    g->setParent(tabs->Page(index));
    layout->addWidget(g);
}

} // namespace

VoucherHostForm::VoucherHostForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VoucherHostForm"));
    resize(900, 600);

    SSTab1 = new ui::SSTab(this, 3);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    MSFlexGrid1 = grid(QStringLiteral("MSFlexGrid1"), this);
    MSFlexGrid2 = grid(QStringLiteral("MSFlexGrid2"), this);
    MSFlexGrid3 = grid(QStringLiteral("MSFlexGrid3"), this);
    MSFlexGrid4 = grid(QStringLiteral("MSFlexGrid4"), this);
    placeOnTab(SSTab1, 0, QStringLiteral("Tareas"), MSFlexGrid1);
    placeOnTab(SSTab1, 1, QStringLiteral("Artículos"), MSFlexGrid2);
    placeOnTab(SSTab1, 2, QStringLiteral("Otros Conceptos"), MSFlexGrid3);

    StatB = new ui::StatusBar(this);
    StatB->setObjectName(QStringLiteral("StatB"));
    for (int i = 1; i <= 4; ++i)
        StatB->Panels().Add();
    StatB->Panels().Add(QStringLiteral("Stock"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1, 3);
    layout->addWidget(MSFlexGrid4, 1);
    layout->addWidget(StatB);

    txtEdit = editor(QStringLiteral("txtEdit"), this);
    txtEdit2 = editor(QStringLiteral("txtEdit2"), this);
    txtEdit3 = editor(QStringLiteral("txtEdit3"), this);
    TXTAUX1 = editor(QStringLiteral("TXTAUX1"), this);

    NuevoCptes();
}

VoucherHostForm::~VoucherHostForm() = default;

void VoucherHostForm::NuevoCptes()
{
    cptes_ = std::make_unique<ClsCmnCptes>();
}

void VoucherHostForm::InicializaGrids(const QString& TC)
{
    cptes_->InicializaGrids(MSFlexGrid1, MSFlexGrid2, MSFlexGrid3, txtEdit, txtEdit2, txtEdit3, *this, TC, MSFlexGrid4);
}

} // namespace testsupport
