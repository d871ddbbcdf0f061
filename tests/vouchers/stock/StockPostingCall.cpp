#include "StockPostingCall.h"

#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

namespace stocktest {

void Posteo::run(ClsCmnCptes& c, ui::FlexGrid& grid)
{
    c.ActualizaStock(&grid, tc, id, complemento, fecha, deposito, destino, motivo, tcOrigen, cpteOrigen, transferencia, cuenta,
                     recoger, sqlTemp, hayError, tecnico, loteFijo, aduana, loteOrigen, signoRemota, cartel, vendedor,
                     secuenciaFija, moneda, cotizacion);
}

void Llena(ui::FlexGrid& grid, const QList<Renglon>& renglones)
{
    grid.setObjectName(QStringLiteral("MSFlexGrid2"));
    grid.SetCols(ColArticulo::Count);
    grid.SetRows(int(renglones.size()) + 1);
    for (int i = 0; i < renglones.size(); ++i)
        for (auto it = renglones[i].cbegin(); it != renglones[i].cend(); ++it)
            grid.SetTextMatrix(i + 1, it.key(), it.value());
}

} // namespace stocktest
