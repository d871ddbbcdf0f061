// TextPropiedades: what a floating cell editor of a voucher grid stands for, by column.
#include "vouchers/ClsCmnCptes.h"

#include "platform/ui/CajaTexto.h"
#include "platform/vb/Strings.h"

#include <QStringList>

namespace {

// The field a column holds, the lookup it offers and the most characters it takes.
struct Binding {
    int col;
    const char* dataField;
    const char* tag;
    int maxLength;
};

const Binding kTareas[] = {
    {ColTarea::IdTarea, "IdTarea", "v_ta_tareas", 4},
    {ColTarea::Descripcion, "Descripcion", "", 0},
    {ColTarea::Cantidad, "HorasEstimadas", "", 0},
    {ColTarea::Importe, "ValorHora", "", 0},
    {ColTarea::Total, "Total", "", 0},
};

const Binding kArticulos[] = {
    {ColArticulo::IdArticulo, "IdArticulo", "v_ma_articulos", 35},
    {ColArticulo::Descripcion, "Descripcion", "", 50},
    {ColArticulo::ListaPrecio, "IdListaPrecioArticulo", "V_MA_PRECIOS", 4},
    {ColArticulo::Espesor, "Espesor", "", 0},
    {ColArticulo::Ancho, "Ancho", "", 0},
    {ColArticulo::Unidad, "IdUnidad", "V_TA_UNIDAD", 4},
    {ColArticulo::Deposito, "IdDepositoArt", "V_TA_DEPOSITO", 4},
    {ColArticulo::Cantidad, "Cantidad", "", 0},
    {ColArticulo::Largo, "Largo", "", 0},
    {ColArticulo::UnidadEquiv, "IdUnidadEquiv", "V_TA_UNIDAD", 4},
    {ColArticulo::CantidadEquiv, "CantidadEquiv", "", 0},
    {ColArticulo::PorcDescuento, "PorcDtoArticulo", "", 0},
    {ColArticulo::UnidadPrecio, "Ud_Pr", "V_TA_UNIDAD", 4},
    {ColArticulo::ImporteUnidad, "Importe_Ud", "", 0},
    {ColArticulo::Importe, "ArtImporte", "", 0},
    {ColArticulo::Total, "Total", "", 0},
    {ColArticulo::Impuestos, "Impuestos", "", 0},
    {ColArticulo::ITC, "ITC", "", 0},
};

const Binding kOtrosConceptos[] = {
    {ColOtroConcepto::Detalle, "OCDescripcion", "MA_CUENTAS/SOLOIMPUTABLES", 200},
    {ColOtroConcepto::ImporteSinIVA, "OCImporteSinIva", "", 0},
    {ColOtroConcepto::Importe, "OCImporte", "", 0},
};

template <std::size_t N>
const Binding* find(const Binding (&table)[N], qint32 col)
{
    for (const Binding& b : table)
        if (b.col == col)
            return &b;
    return nullptr;
}

bool nameIs(const QString& name, const QStringList& names)
{
    for (const QString& n : names)
        if (name.compare(n, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void ClsCmnCptes::TextPropiedades(CajaTexto& Texto, qint32 Columna)
{
    Texto.SetDataField(QString());
    Texto.SetMaxLength(0);
    Texto.SetTag(QString());

    const QString name = vb::Trim(Texto.objectName());
    const Binding* b = nullptr;
    if (nameIs(name, {QStringLiteral("TxtEdit")}))
        b = find(kTareas, Columna);
    else if (nameIs(name, {QStringLiteral("TxtEdit2"), QStringLiteral("TXTAUX1"), QStringLiteral("TXTAUX2"),
                           QStringLiteral("TXTAUX3")}))
        b = find(kArticulos, Columna);
    else if (nameIs(name, {QStringLiteral("TxtEdit3")}))
        b = find(kOtrosConceptos, Columna);
    if (!b)
        return;
    Texto.SetDataField(QString::fromUtf8(b->dataField));
    Texto.SetTag(QString::fromUtf8(b->tag));
    Texto.SetMaxLength(b->maxLength);
}
