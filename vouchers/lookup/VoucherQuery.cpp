// The voucher lookup's query: the selection, the columns, the statement of the voucher
// group and the rows it returns.
#include "vouchers/lookup/FrmConsComprobantes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Config.h"
#include "frame/Skin.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/EventPulse.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Operator.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/lookup/RowFields.h"
#include "vouchers/lookup/VoucherStatements.h"

#include <memory>

namespace {

// The list's run-time error for a sub-item beyond its columns: passed over.
constexpr int kValorNoValido = 380;

// Marks the list as being filled while the run lasts, however it ends.
class Llenando {
public:
    explicit Llenando(bool& flag) : flag_(flag) { flag_ = true; }
    ~Llenando() { flag_ = false; }

private:
    bool& flag_;
};

} // namespace

void FrmConsComprobantes::ConsultaCptes()
{
    using namespace voucherlookup;
    const DbTrap trap(std::nullopt, {kValorNoValido});
    Llenando llenando(filling_);
    stopFill_ = false;

    voucherlookup::Consulta consulta;
    QString sentencia;
    bool vacio = true;
    std::unique_ptr<RowFields> campos;
    DB_Dll& db = *gDBPrincipal;

    // The same selection as the run before, when the type is still the one it gave.
    if (!seleccion_.isEmpty() && TC.compare(tipoDeSeleccion_, Qt::CaseInsensitive) == 0)
        TC = seleccion_;

    const bool seguir = trap([&] {
        ListView1->ListItems().Clear();
        ListView1->SetMultiSelect(false);
        ListView1->SetCheckboxes(false);
    }) && trap([&] {
        Pendientes = false;
        Transporte = false;
    }) && trap([&] {
        const Seleccion s = ResuelveSeleccion(TC);
        if (s.alias) {
            seleccion_ = TC;
            tipoDeSeleccion_ = s.transporte ? QStringLiteral("RM") : s.tc;
        } else {
            seleccion_.clear();
            tipoDeSeleccion_.clear();
        }
        TC = s.tc;
        Pendientes = s.pendientes;
        Transporte = s.transporte;
        if (s.casillas)
            ListView1->SetCheckboxes(true);
    }) && trap([&] {
        consulta.usaRemitoContado = vouchergrids::SwitchOn(Cfg(QStringLiteral("UsaRemitoContado")));
        consulta.entregaParcialRemito = vouchergrids::SwitchOn(Cfg(QStringLiteral("EntregaParcialRemito")));
    }) && trap([&] { Encolumnar(); })
        && trap([&] { Utilidades->PreparaFormulario(this, false); })
        && trap([&] { AsignaIconoYEstilo(this); })
        && trap([&] {
               if (Transporte)
                   TC = QStringLiteral("RM");
           })
        && trap([&] { consulta.busqueda = CondicionBusqueda(TxtNombre->text(), TxtNumero->text()); })
        && trap([&] {
               // Only a leading WHERE goes; the member keeps the condition as it is used.
               Filtro = CondicionLlamador(Filtro);
               consulta.tc = TC;
               consulta.pendientes = Pendientes;
               consulta.transporte = Transporte;
               consulta.filtro = Filtro;
               sentencia = Sentencia(consulta);
           })
        && trap([&] { db.AbrirRecordset(sentencia, rs_); });
    // A statement the database refused has been shown to the operator already.
    if (!seguir || rs_.State() != ado::adStateOpen)
        return;
    if (!trap([&] { vacio = rs_.BOF(); }) || vacio) {
        trap([&] { db.CierraRecordset(rs_); });
        return;
    }

    if (!trap([&] { campos = std::make_unique<RowFields>(rs_); }) || !campos) {
        trap([&] { db.CierraRecordset(rs_); });
        return;
    }
    ui::EventPulse pulso;
    for (;;) {
        // A failed test or move ends the rows: going on would read the same row forever.
        bool fin = true;
        if (!trap([&] { fin = rs_.EOF(); }) || fin || stopFill_)
            break;
        if (!AgregaFila(*campos, trap))
            break;
        bool movido = false;
        if (!trap([&] {
                rs_.MoveNext();
                movido = true;
            })
            || !movido)
            break;
        // The dialog repaints and takes input while a long list fills.
        if (pulso.due())
            ui::DoEvents();
    }
    trap([&] { db.CierraRecordset(rs_); });
}
