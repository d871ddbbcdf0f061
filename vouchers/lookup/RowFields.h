#pragma once
// The columns of the voucher lookup's open recordset that the list rows read, found
// once per run by name. A column the statement does not select reads as empty text (a
// missing yes/no column as no), so that one statement's row reads like another's.
#include "platform/ado/Field.h"
#include "platform/vb/Variant.h"

#include <QString>
#include <array>

namespace ado {
class Recordset;
}

namespace voucherlookup {

class RowFields {
public:
    enum Columna {
        Anulada, Aprobado, Comentarios, Cuenta, CuentaProveedor, Detalle, Fecha, FechaEnviado, FechaHoraGrabacion,
        FechaPreparacion, FechaRecibido, Garantia, Id, IdComplemento, IdComprobante, Importe, Letra, Nombre, Numero,
        Observaciones, Sucursal, Tc, kColumnas
    };

    explicit RowFields(ado::Recordset& rs);

    // The column's value in the current row, never Null (ValorCampo).
    vb::Variant value(Columna c) const;
    QString text(Columna c) const;
    // A yes/no column; Null is no.
    bool yes(Columna c) const;
    // Whether the column holds Null (a missing column does).
    bool isNull(Columna c) const;
    // The column's date in the pattern; empty for Null.
    QString date(Columna c, const QString& pattern) const;

private:
    ado::Recordset& rs_;
    std::array<int, kColumnas> index_;   // the first column of each name; -1 when not selected
};

} // namespace voucherlookup
