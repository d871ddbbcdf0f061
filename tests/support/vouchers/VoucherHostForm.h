#pragma once
// The voucher form of the tests: the controls a voucher form of the suite hands to the
// voucher class, under their names, and one voucher object. No screen of the program
// uses it; tests drive the voucher library through it offscreen.
#include "vouchers/ClsCmnCptes.h"

#include <QWidget>
#include <memory>

class CajaTexto;

namespace ui {
class FlexGrid;
class SSTab;
class StatusBar;
} // namespace ui

namespace testsupport {

class VoucherHostForm : public QWidget {
    Q_OBJECT
public:
    // The voucher object reads its settings here: open the database first.
    explicit VoucherHostForm(QWidget* parent = nullptr);
    ~VoucherHostForm() override;

    // Tasks, articles and other concepts, each on its tab of SSTab1; control totals below.
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    ui::FlexGrid* MSFlexGrid2 = nullptr;
    ui::FlexGrid* MSFlexGrid3 = nullptr;
    ui::FlexGrid* MSFlexGrid4 = nullptr;
    // Floating cell editors: tasks, articles, other concepts, and a further article editor.
    CajaTexto* txtEdit = nullptr;
    CajaTexto* txtEdit2 = nullptr;
    CajaTexto* txtEdit3 = nullptr;
    CajaTexto* TXTAUX1 = nullptr;
    // Five panels; the last one keyed "Stock".
    ui::StatusBar* StatB = nullptr;
    // Tabs 0 "Tareas", 1 "Artículos", 2 "Otros Conceptos".
    ui::SSTab* SSTab1 = nullptr;

    ClsCmnCptes& Cptes() { return *cptes_; }
    // A new voucher object, reading the configuration as it is now.
    void NuevoCptes();

    // Lays out the four grids for TC through the voucher object.
    void InicializaGrids(const QString& TC);

private:
    std::unique_ptr<ClsCmnCptes> cptes_;
};

} // namespace testsupport
