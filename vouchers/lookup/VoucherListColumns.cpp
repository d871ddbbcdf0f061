// The voucher lookup's list columns by voucher group, the row icons and the column sort.
#include "vouchers/lookup/FrmConsComprobantes.h"

#include "data/DbTrap.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Strings.h"
#include "vouchers/lookup/VoucherTypes.h"

namespace {

// A column: its header and its width as a run of that many "X".
struct Columna {
    const char* titulo;
    int equis;
};

struct GrupoColumnas {
    std::initializer_list<voucherlookup::Tipos> tipos;
    std::initializer_list<Columna> columnas;
};

// The column groups, tested in this order; the last one takes every other type.
const GrupoColumnas kGrupos[] = {
    {{{"RM-T"}}, {{"ID", 5}, {"COMPROBANTE", 15}, {"COMPLEMENTO", 6}, {"FECHA", 20}, {"CUENTA", 13}}},
    {{voucherlookup::kTiposVenta},
     {{"FECHA", 20}, {"COMPROBANTE", 15}, {"ID", 5}, {"NOMBRE", 21}, {"Referencia", 15}, {"IMPORTE", 10}}},
    {{voucherlookup::kTiposCompra, voucherlookup::kTiposAsiento},
     {{"FECHA", 13}, {"COMPROBANTE", 15}, {"PROVEEDOR", 15}, {"NOMBRE", 21}, {"CONCEPTO", 21}, {"IMPORTE", 10}}},
    {{{"PR"}}, {{"FECHA", 13}, {"COMPROBANTE", 15}, {"NOMBRE", 21}, {"ID", 5}, {"Referencia", 21}, {"IMPORTE", 10}}},
    {{{"T3"}}, {{"Nº Int.", 7}, {"FECHA", 13}, {"COMPROBANTE", 15}, {"ID", 4}, {"FH Envio", 10}, {"FH Recep", 10}}},
    {{{"OC"}},
     {{"FECHA", 13}, {"PROVEEDOR", 13}, {"COMPROBANTE", 17}, {"IMPORTE", 9}, {"COMENTARIOS", 15}, {"Inf. Recepción", 15}}},
    {{}, {{"FECHA", 13}, {"COMPROBANTE", 15}, {"CUENTA", 15}, {"NOMBRE", 21}, {"CONCEPTO", 21}, {"IMPORTE", 10}}},
};

const GrupoColumnas& grupoDe(const QString& tc)
{
    for (const GrupoColumnas& g : kGrupos)
        for (voucherlookup::Tipos tipos : g.tipos)
            if (voucherlookup::EsTipo(tc, tipos))
                return g;
    return kGrupos[std::size(kGrupos) - 1];
}

// The tag that makes a column sort by what it shows: dates by date, amounts and
// numbers by value.
QString tagDe(const QString& titulo)
{
    if (titulo == QLatin1String("FECHA") || titulo.startsWith(QLatin1String("FH ")))
        return QStringLiteral("Fecha");
    if (titulo == QLatin1String("IMPORTE"))
        return QStringLiteral("Moneda");
    if (titulo == QLatin1String("ID") || titulo == QStringLiteral("Nº Int."))
        return QStringLiteral("Número");
    return QString();
}

// How a tagged column sorts: by date, by value, or by its text.
ui::SortAs sortAsDe(const QString& tag)
{
    if (tag == QLatin1String("Fecha"))
        return ui::SortAs::Date;
    if (tag == QStringLiteral("Número") || tag == QLatin1String("Moneda"))
        return ui::SortAs::Number;
    return ui::SortAs::Text;
}

} // namespace

int FrmConsComprobantes::AnchoDeColumna(const char* titulo, int equis) const
{
    // Its run of "X", and never narrower than its header: "COMPLEMENTO" has 6 of them.
    return qMax(ui::TextWidthX(*this, equis), ListView1->HeaderWidth(QString::fromUtf8(titulo)));
}

int FrmConsComprobantes::AnchoDeGrupos() const
{
    int ancho = 0;
    for (const GrupoColumnas& g : kGrupos) {
        int suma = 0;
        for (const Columna& c : g.columnas)
            suma += AnchoDeColumna(c.titulo, c.equis);
        ancho = qMax(ancho, suma);
    }
    return ancho;
}

void FrmConsComprobantes::Encolumnar()
{
    const DbTrap trap(QStringLiteral("Encolumnar"));
    if (!trap([&] { ListView1->ColumnHeaders().Clear(); }))
        return;
    const QString tipo = TC;
    for (const Columna& c : grupoDe(tipo).columnas) {
        const QString titulo = QString::fromUtf8(c.titulo);
        if (!trap([&] {
                ui::ColumnHeader header = ListView1->ColumnHeaders().Add(titulo, AnchoDeColumna(c.titulo, c.equis));
                header.SetTag(tagDe(titulo));
                header.setSortAs(sortAsDe(header.Tag()));
            }))
            return;
    }
    int ancho = 0;
    for (int i = 1; i <= ListView1->ColumnHeaders().Count(); ++i)
        ancho += ListView1->ColumnHeaders(i).Width();
    AjustaAncho(ancho);
}

qint16 FrmConsComprobantes::ObtieneIndiceImagen(const QString& TC) const
{
    auto buscar = [this](const QString& tag) -> qint16 {
        const QString buscado = vb::Trim(tag);
        const ui::ImageListImages& images = ImageList1->ListImages();
        for (int i = 1; i <= images.Count(); ++i)
            if (vb::Trim(images.Item(i).Tag()).compare(buscado, Qt::CaseInsensitive) == 0)
                return qint16(i);
        return -1;
    };
    const qint16 indice = buscar(TC);
    return indice >= 0 ? indice : buscar(QStringLiteral("Generico"));
}

void FrmConsComprobantes::ListView1_ColumnClick(const ui::ColumnHeader& ColumnHeader)
{
    // One direction for the whole list: every click turns it round.
    ListView1->SetSortKey(ColumnHeader.Index() - 1);
    ListView1->SetSortOrder(ListView1->SortOrder() == ui::lvwAscending ? ui::lvwDescending : ui::lvwAscending);
    // The list compares the column as Encolumnar tagged it: dates by date, amounts and
    // numbers by value; the texts stay as shown.
    ListView1->SetSorted(true);
}
