#include "vouchers/lookup/RowFields.h"

#include "platform/ado/Recordset.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

namespace voucherlookup {

namespace {

// The recordset's names of the columns, as the statements select them (case ignored).
const char* const kNombres[RowFields::kColumnas] = {
    "Anulada", "APROBADO", "comentarios", "Cuenta", "CUENTAPROVEEDOR", "Detalle", "Fecha", "FECHAENVIADO",
    "FechaHora_Grabacion", "FechaPreparacion", "FECHARECIBIDO", "Garantia", "ID", "IdComplemento", "IdComprobante",
    "Importe", "Letra", "Nombre", "Numero", "Observaciones", "Sucursal", "TC",
};

} // namespace

RowFields::RowFields(ado::Recordset& rs) : rs_(rs)
{
    index_.fill(-1);
    ado::Fields& fields = rs.Fields();
    for (int c = 0; c < kColumnas; ++c) {
        const QString name = QString::fromLatin1(kNombres[c]);
        for (int i = 0; i < fields.Count(); ++i) {
            if (fields.Item(i).Name().compare(name, Qt::CaseInsensitive) == 0) {
                index_[size_t(c)] = i;
                break;
            }
        }
    }
}

vb::Variant RowFields::value(Columna c) const
{
    const int i = index_[size_t(c)];
    return i < 0 ? vb::Variant(QString()) : Utilidades->ValorCampo(rs_.Fields(i));
}

QString RowFields::text(Columna c) const
{
    return Utilidades->ValorATexto(value(c));
}

bool RowFields::yes(Columna c) const
{
    const int i = index_[size_t(c)];
    if (i < 0)
        return false;
    const vb::Variant v = rs_.Fields(i).Value();
    return !v.isNull() && !v.isEmpty() && v.toBool();
}

bool RowFields::isNull(Columna c) const
{
    const int i = index_[size_t(c)];
    return i < 0 || rs_.Fields(i).Value().isNull();
}

QString RowFields::date(Columna c, const QString& pattern) const
{
    return vb::Format(value(c), pattern);
}

} // namespace voucherlookup
