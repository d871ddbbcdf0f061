// The voucher lookup's list rows: one item per voucher, with its icon, text and
// sub-items placed by the row's group.
#include "vouchers/lookup/FrmConsComprobantes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Format.h"
#include "lookup/ConsultaSql.h"
#include "platform/ui/ListView.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/lookup/RowFields.h"
#include "vouchers/lookup/VoucherTypes.h"

using voucherlookup::RowFields;

namespace {

// The row's type as stored may carry its padding.
bool is(const QString& tc, const char* code)
{
    return voucherlookup::EsTipo(vb::Trim(tc), code);
}

bool isOneOf(const QString& tc, voucherlookup::Tipos codes)
{
    return voucherlookup::EsTipo(vb::Trim(tc), codes);
}

} // namespace

// The row groups: which columns of a row are shown where, and its icon.
enum class FrmConsComprobantes::GrupoFila { Transporte, T3, Compras, Ingresos, Presupuestos, OrdenesCompra, General };

FrmConsComprobantes::GrupoFila FrmConsComprobantes::GrupoDeFila() const
{
    if (is(TC, "RM") && Transporte)
        return GrupoFila::Transporte;
    if (is(TC, "T3"))
        return GrupoFila::T3;
    if (isOneOf(TC, voucherlookup::kTiposCompra))
        return GrupoFila::Compras;
    if (isOneOf(TC, voucherlookup::kTiposAsiento))
        return GrupoFila::Ingresos;
    if (is(TC, "PR"))
        return GrupoFila::Presupuestos;
    if (is(TC, "OC"))
        return GrupoFila::OrdenesCompra;
    return GrupoFila::General;
}

qint16 FrmConsComprobantes::IconoDeFila(GrupoFila grupo, const RowFields& campos) const
{
    switch (grupo) {
    case GrupoFila::Transporte:
    case GrupoFila::T3:
        return 0;   // no picture of their own
    case GrupoFila::Compras:
    case GrupoFila::Presupuestos:
        return ObtieneIndiceImagen(campos.yes(RowFields::Anulada) ? QStringLiteral("Anulado") : TC);
    case GrupoFila::Ingresos:
        return ObtieneIndiceImagen(TC);
    case GrupoFila::OrdenesCompra: {
        qint16 indice = ObtieneIndiceImagen(TC);
        if (campos.yes(RowFields::Garantia))
            indice = ObtieneIndiceImagen(QStringLiteral("OCG"));
        if (campos.yes(RowFields::Anulada))
            indice = ObtieneIndiceImagen(QStringLiteral("Anulado"));
        return indice;
    }
    case GrupoFila::General:
        break;
    }
    qint16 indice = ObtieneIndiceImagen(TC);
    if (campos.yes(RowFields::Anulada))
        indice = ObtieneIndiceImagen(QStringLiteral("Anulado"));
    else if (campos.yes(RowFields::Aprobado))
        indice = ObtieneIndiceImagen(QStringLiteral("Aprobado"));
    // A pending order already prepared for delivery. The stored type is padded to four
    // characters: it is compared without its blanks.
    if (is(TC, "NP") && Pendientes && is(campos.text(RowFields::Tc), "NP") && !campos.isNull(RowFields::FechaPreparacion))
        indice = ObtieneIndiceImagen(QStringLiteral("Aprobado"));
    return indice;
}

int FrmConsComprobantes::ColumnasDeFila(GrupoFila grupo)
{
    return grupo == GrupoFila::Transporte ? 5 : 6;
}

QString FrmConsComprobantes::TextoDeColumna(GrupoFila grupo, const RowFields& campos, int columna) const
{
    const auto fecha = [&] { return campos.date(RowFields::Fecha, FormatoFecha()); };
    switch (grupo) {
    case GrupoFila::Transporte:
        switch (columna) {
        case 0: return QString();
        case 1: return campos.text(RowFields::IdComprobante);
        case 2: return campos.text(RowFields::IdComplemento);
        case 3: return fecha();
        default: return campos.text(RowFields::CuentaProveedor);
        }
    case GrupoFila::T3:
        switch (columna) {
        case 0: return campos.text(RowFields::Id);
        case 1: return fecha();
        case 2: return campos.text(RowFields::IdComprobante);
        case 3: return campos.text(RowFields::IdComplemento);
        case 4: return campos.text(RowFields::FechaEnviado);
        default: return campos.text(RowFields::FechaRecibido);
        }
    case GrupoFila::Compras:
        switch (columna) {
        case 0: return fecha();
        case 1: return campos.text(RowFields::IdComprobante);
        case 2: return campos.text(RowFields::Cuenta);
        case 3: return campos.text(RowFields::Nombre);
        case 4: return QString();
        default: return campos.text(RowFields::Importe);
        }
    case GrupoFila::Ingresos:
        switch (columna) {
        case 0: return fecha();
        case 1:
            return campos.text(RowFields::Sucursal) + campos.text(RowFields::Numero) + campos.text(RowFields::Letra);
        case 2: return campos.text(RowFields::Cuenta);
        case 3:
            // The supplier's name.
            return Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
                QStringLiteral("VT_PROVEEDORES"), campos.value(RowFields::Cuenta), QStringLiteral("RAZON_SOCIAL"),
                QStringLiteral("Codigo"), vb::Variant(8), QString(), true, false));
        case 4: return campos.text(RowFields::Detalle);
        default: return campos.text(RowFields::Importe);
        }
    case GrupoFila::Presupuestos:
        switch (columna) {
        case 0: return fecha();
        case 1: return campos.text(RowFields::IdComprobante);
        case 2: return campos.text(RowFields::Nombre);
        case 3: return QString();
        case 4: return campos.text(RowFields::Comentarios);
        default: return campos.text(RowFields::Importe);
        }
    case GrupoFila::OrdenesCompra:
        switch (columna) {
        case 0: return fecha();
        case 1: return campos.text(RowFields::Cuenta) + QLatin1Char(' ') + campos.text(RowFields::Nombre);
        case 2: return campos.text(RowFields::IdComprobante);
        case 3: return campos.text(RowFields::Importe);
        case 4: return campos.text(RowFields::Comentarios);
        default: {
            // The reception ("IR") stock voucher issued from this order.
            const QString condicion = QStringLiteral(" TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='")
                                    + lookup::Quoted(campos.text(RowFields::IdComprobante)) + QLatin1Char('\'');
            return Utilidades->ValorATexto(gDBPrincipal->DatosTabla(QStringLiteral("v_mv_stock"),
                                                                   vb::Variant(QStringLiteral("OC")),
                                                                   QStringLiteral("idcomprobante"),
                                                                   QStringLiteral("TC_origen"), vb::Variant(8), condicion,
                                                                   true, false));
        }
        }
    case GrupoFila::General:
        break;
    }
    switch (columna) {
    case 0:
        // The recording time, or the date when there is none.
        if (vb::Trim(campos.text(RowFields::FechaHoraGrabacion)).isEmpty())
            return fecha();
        return campos.date(RowFields::FechaHoraGrabacion, QStringLiteral("dd/mm/yyyy hh:mm:ss"));
    case 1: return campos.text(RowFields::IdComprobante);
    case 2:
        if (isOneOf(TC, {"OT", "FC", "NP"}))
            return campos.text(RowFields::IdComplemento);
        // The types of the last column group head this column CUENTA.
        if (!isOneOf(TC, {"RM", "ND", "NC", "NCFP", "OP", "FP", "GF"}))
            return campos.text(RowFields::Cuenta);
        return QString();
    case 3: return campos.text(RowFields::Nombre);
    case 4: return isOneOf(TC, {"NP", "FC", "RM"}) ? campos.text(RowFields::Observaciones) : QString();
    default: return campos.text(RowFields::Importe);
    }
}

bool FrmConsComprobantes::AgregaFila(const RowFields& campos, const DbTrap& trap)
{
    qint16 subItem = 1;
    const GrupoFila grupo = GrupoDeFila();
    qint16 indice = 0;
    ui::ListItem item;
    if (!trap([&] { indice = IconoDeFila(grupo, campos); }))
        return false;
    if (!trap([&] { item = ListView1->ListItems().Add(QString(), indice, indice); }))
        return false;
    if (item.isNothing())
        return true;   // the row was given up: nothing to write into
    if (!trap([&] { item.SetText(TextoDeColumna(grupo, campos, 0)); }))
        return false;
    for (int k = 1; k < ColumnasDeFila(grupo); ++k) {
        if (!trap([&] { item.SetSubItems(subItem, TextoDeColumna(grupo, campos, k)); }))
            return false;
        ++subItem;
    }
    return true;
}
