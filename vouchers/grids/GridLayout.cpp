// InicializaGrids: the layout of a voucher form's task, article, other-concept and
// control-total grids for a voucher type.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

#include <initializer_list>
#include <utility>

using vouchergrids::SwitchOn;

namespace {

// What the layout depends on besides the grids.
struct Settings {
    QString tc;                      // the voucher type as passed
    QString sistema;                 // SISTEMA of the type, trimmed; "" when the type has no row
    bool depositoPorLinea = false;   // column "Dep." shows
    bool ocultaImportes = false;     // amount columns fold into the description
    QString encabezadoCodigo;        // header of the article code

    bool isStock() const { return is(QStringLiteral("STOCK")); }
    bool isVentas() const { return is(QStringLiteral("VENTAS")); }
    bool isCompras() const { return is(QStringLiteral("COMPRAS")); }
    bool is(const QString& family) const { return sistema.compare(family, Qt::CaseInsensitive) == 0; }
};

bool tcIs(const QString& tc, const char* code)
{
    return tc.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

// The voucher family of a type: SISTEMA of its first book.
QString voucherFamily(const QString& TC)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = ")
                          + db.SQLValue(Utilidades->AjustaLargo(vb::Trim(TC), 4)).toString(),
                      rs);
    QString sistema;
    if (!rs.EOF())
        sistema = vb::Trim(vouchergrids::FieldText(rs, QStringLiteral("Sistema")));
    db.CierraRecordset(rs);
    return sistema;
}

Settings readSettings(const QString& TC)
{
    Settings s;
    s.tc = TC;
    s.sistema = voucherFamily(TC);
    s.depositoPorLinea = SwitchOn(Cfg(QStringLiteral("PideDepositoEnCptes")));
    if (tcIs(TC, "OP")) {
        s.ocultaImportes = true;
    } else if (tcIs(TC, "OT")) {
        s.ocultaImportes = SwitchOn(Cfg(QStringLiteral("NoMostrarImportesEnOT")));
        s.depositoPorLinea = false;
    } else if (tcIs(TC, "PR")) {
        s.depositoPorLinea = false;
    }
    QString nombre = Cfg(QStringLiteral("NombreArticulos"));
    if (vb::Trim(nombre).isEmpty())
        nombre = QStringLiteral("Código");
    s.encabezadoCodigo = vb::StrConv(nombre, vb::vbProperCase);
    return s;
}

// Headers and widths of one grid; widths in "n X" of the form's font, in twips.
class Columns {
public:
    Columns(ui::FlexGrid& grid, const QWidget& form) : grid_(grid), form_(form) {}

    int X(int n) const { return ui::TextWidthX(form_, n); }
    int WidthOf(const QString& text) const { return ui::TextWidth(form_, text); }

    // Clears every cell and sizes the grid.
    void Reset(int rows, int cols)
    {
        grid_.Clear();
        grid_.SetRows(rows);
        grid_.SetCols(cols);
    }
    void Set(int col, const QString& header, int width)
    {
        Header(col, header);
        Width(col, width);
    }
    void Header(int col, const QString& header) { grid_.SetTextArray(col, header); }
    void Width(int col, int width) { grid_.SetColWidth(col, width); }
    void Widen(int col, int by) { grid_.SetColWidth(col, grid_.ColWidth(col) + by); }
    void AlignLeft(int col) { grid_.SetColAlignment(col, ui::flexAlignLeftCenter); }
    void Hide(std::initializer_list<int> cols)
    {
        for (int col : cols)
            Width(col, 0);
    }
    // Hidden columns that carry a header, in the order given.
    void HideNamed(std::initializer_list<std::pair<int, const char*>> columns)
    {
        for (const auto& [col, header] : columns)
            Set(col, QString::fromUtf8(header), 0);
    }
    // Hidden with an empty header, from `first` to `last`.
    void Blank(int first, int last)
    {
        for (int col = first; col <= last; ++col)
            Set(col, QString(), 0);
    }
    // The widths of `from` go to `into`; the columns of `from` are hidden.
    void Fold(std::initializer_list<int> from, int into)
    {
        int sum = 0;
        for (int col : from)
            sum += grid_.ColWidth(col);
        Hide(from);
        Widen(into, sum);
    }

private:
    ui::FlexGrid& grid_;
    const QWidget& form_;
};

void layoutTasks(ui::FlexGrid& grid, const QWidget& form, const Settings& s)
{
    using namespace ColTarea;
    Columns c(grid, form);
    c.Reset(2, Count);
    c.Set(IdTarea, QStringLiteral("Código"), c.X(7));
    c.Set(Descripcion, QStringLiteral("Descripción"), c.X(37));
    c.AlignLeft(Descripcion);
    c.Set(Cantidad, QStringLiteral("Cantidad"), c.X(7));
    c.Set(Importe, QStringLiteral("Importe"), c.X(11));
    c.Set(Total, QStringLiteral("Total"), c.X(11));
    if (s.ocultaImportes)
        c.Fold({Importe, Total}, Descripcion);
    if (tcIs(vb::Trim(s.tc), "OT") && s.ocultaImportes)
        c.Fold({Cantidad}, Descripcion);
    c.HideNamed({
        {ImporteSinIVA, "ImporteSinIVA"},
        {ObservAdic, "AuxObservAdic"},
        {EsExento, "AuxEsExento"},
        {FechaInicio, "AuxFechaInicio"},
        {FechaFin, "AuxFechaFin"},
        {IdTecnico, "AuxIdTecnico"},
        {CodigoOriginal, "CodigoOriginal"},
        {FechaRealInicio, "AuxFechaREALInicio"},
        {FechaRealFin, "AuxFechaREALFin"},
        {CuentaContable, "AuxCuentaContable"},
        {Prioridad, "Prioridad"},
        {Usuario, "Usuario"},
        {TasaIVA, "AuxTasaIVA"},
        {FhPresentacion, "AuxFhPresentacion"},
        {FhEmision, "AuxFhEmision"},
        {NroExp, "AuxNroExp"},
        {FhEntrega, "AuxFhEntrega"},
    });
    grid.Refresh();
}

void layoutArticles(ui::FlexGrid& grid, const QWidget& form, const Settings& s)
{
    using namespace ColArticulo;
    Columns c(grid, form);
    const bool stock = s.isStock();
    c.Reset(2, Count);
    c.Set(IdArticulo, s.encabezadoCodigo, c.X(15));
    c.AlignLeft(IdArticulo);
    c.Set(Descripcion, QStringLiteral("Descripción"), c.X(stock ? 39 : 29));
    c.AlignLeft(Descripcion);
    c.Set(ListaPrecio, QStringLiteral("Lista"), 0);
    // A price list per line.
    if (SwitchOn(Cfg(QStringLiteral("V_ListaPreciosPorItemArticulos"))) && s.isVentas()) {
        c.Widen(IdArticulo, -c.X(1));
        c.Widen(Descripcion, -c.X(3));
        c.Width(ListaPrecio, c.X(4));
    }
    c.Set(Unidad, QStringLiteral("UD"), c.X(4));
    c.Set(Cantidad, QStringLiteral("Cant."), c.X(6));
    c.Hide({UnidadEquiv, CantidadEquiv});
    // An equivalent unit per line.
    if (SwitchOn(Cfg(QStringLiteral("ConfirmaUDEquiv")))) {
        c.Set(UnidadEquiv, QStringLiteral("UDEquiv"), c.X(7));
        c.Set(CantidadEquiv, QStringLiteral("Cant. Equiv"), c.X(9));
    }
    c.Set(Deposito, QStringLiteral("Dep."), s.depositoPorLinea ? c.X(4) : 0);
    c.Set(Importe, QStringLiteral("Importe"), c.X(11));
    // A discount per line.
    if (!stock) {
        c.Set(PorcDescuento, QStringLiteral("% Dto."), 0);
        auto showDiscount = [&] {
            c.Widen(Importe, -c.X(1));
            c.Widen(IdArticulo, -c.X(1));
            c.Widen(Descripcion, -c.X(3));
            c.Width(PorcDescuento, c.X(5));
        };
        if (SwitchOn(Cfg(QStringLiteral("V_DescuentoPorArticulos"))) && s.isVentas())
            showDiscount();
        if (SwitchOn(vb::Trim(Cfg(QStringLiteral("ComprasDescuentoPorArticulo")))) && s.isCompras())
            showDiscount();
    } else {
        c.Set(PorcDescuento, QString(), 0);
    }
    c.Set(Total, QStringLiteral("Total"), 0);
    if (!stock)
        c.Set(TotalLinea, QStringLiteral("TOTAL"), c.X(10));
    else
        c.Set(TotalLinea, QString(), 0);
    if (s.ocultaImportes)
        c.Fold({Importe, Total, TotalLinea}, Descripcion);
    c.Set(EsExento, QStringLiteral("AuxEsExento"), 0);
    c.Set(PrecioSinIVA, QStringLiteral("AuxPrecioSinIVA"), 0);
    // Taxes. A stock voucher hides the fuel tax too, whatever an earlier layout showed.
    if (!stock) {
        c.Set(Impuestos, QStringLiteral("Impuestos"), c.X(10));
        c.Width(ITC, SwitchOn(Cfg(QStringLiteral("TransporteCombustibles"))) ? c.X(10) : 0);
        c.Header(ITC, QStringLiteral("ITC"));
    } else {
        c.Set(Impuestos, QString(), 0);
        c.Width(ITC, 0);
    }
    c.Set(PideSerie, QStringLiteral("AuxPideSerie"), 0);
    c.Set(PideLote, QStringLiteral("AuxPidelote"), 0);
    c.Hide({EsPerecedero, PideTalle, PideEquivalencia, InsumosPorPorcentaje, MotivoStock, ControladoPor});
    // Lot and serial lists show on a return of goods.
    if (tcIs(s.tc, "DVPE")) {
        c.Set(NroSerie, QStringLiteral("Nro. Serie"), c.WidthOf(QStringLiteral("Nro. de Serie")));
        c.Set(NroLote, QStringLiteral("Nro. Lote"), c.WidthOf(QStringLiteral("Nro. de Lote")));
    } else {
        c.Set(NroSerie, QStringLiteral("AuxNroSerie"), 0);
        c.Set(NroLote, QStringLiteral("AuxNroLote"), 0);
    }
    c.Set(RestoPorAplicar, QStringLiteral("AuxRestoPorAplicar"), 0);
    // A stock voucher gives the amounts' room to the description, unit and quantity.
    if (stock) {
        c.Widen(Descripcion, grid.ColWidth(Importe) - 480);
        c.Width(Importe, 0);
        c.Widen(Descripcion, grid.ColWidth(Total));
        c.Width(Total, 0);
        c.Widen(Unidad, c.X(4));
        c.Widen(Cantidad, c.X(7));
    }
    c.HideNamed({
        {RubroArticulo, "AuxRubroArticulo"},
        {TipoArticulo, "AuxTipoArticulo"},
        {ListaConIVA, "AuxListaConIVA"},
        {PrecioConIVA, "AuxPrecioConIVA"},
        {CantidadInsumo, "AuxCantidadInsumo"},
        {ImporteDescuento, "AuxImporteDescuentoArticulo"},
        {TipoCoeficiente, "AuxTipoCoeficiente"},
        {Coeficiente, "AuxCoeficiente"},
        {StockDisponible, "AuxStockDisponible"},
        {StockMinimo, "AuxStockMinimo"},
    });
    c.Set(IVA, QStringLiteral("IVA"), c.X(10));
    c.HideNamed({
        {CpteOrigen, "AuxCpteOrigen"},
        {IdCpteOrigen, "AuxIdCpteOrigen"},
        {CodigoPercepcion, "AuxCodigoPercepcion"},
        {LoteOrigen, "Lote_Origen"},
        {LoteAduana, "Lote_Aduana"},
    });
    c.Blank(Costo, CuentaContable);
    c.Blank(UnidadBase, PideTalle);
    c.Blank(InsumosPorPorcentaje, InsumosPorPorcentaje);
    c.Blank(MotivoStock, ControladoPor);
    c.Blank(PideEquivalencia, PideEquivalencia);
    c.Set(CantBL, QStringLiteral("Bl/Pq"), c.X(5));
    c.Set(CodProveedor, QStringLiteral("Cod.Proveedor"), c.X(11));
    c.Blank(CantM3, CantM3);
    c.Blank(CantKG, UnidadLinea);
    c.Blank(IdComprobanteFuente, Libre82);
    // The timber trade sells by measures.
    if (s.isVentas() && gMaderera) {
        c.Set(Espesor, QStringLiteral("Espesor"), c.X(7));
        c.Set(Ancho, QStringLiteral("Ancho"), c.X(7));
        c.Set(Largo, QStringLiteral("Largo"), c.X(7));
        c.Set(UnidadPrecio, QStringLiteral("UD"), c.X(4));
        c.Set(ImporteUnidad, QStringLiteral("Importe"), c.X(9));
        c.Width(Importe, 0);
        c.Set(MlM2, QStringLiteral("ML/M2"), c.X(10));
    } else {
        c.Hide({Espesor, Ancho, UnidadPrecio, ImporteUnidad});
    }
    c.HideNamed({
        {PideMedidas, "PideMedidas"},
        {LargoAnt, "LargoAnt"},
        {Oferta, ""},
        {EnComodato, "EnComodato"},
        {MKBaseFamilia, "MKBaseFamilia"},
        {CodError, "CodError"},
        {Moneda, "Moneda"},
        {Cotizacion, "Cotizacion"},
        {SecuenciaOrigen, "AuxSecuenciaOrigen"},
        {RedondeoLinea, "AuxRedondeoLinea"},
        {ColorDefault, "ColorDefault"},
        {SexoDefault, "SexoDefault"},
    });
    grid.Refresh();
}

void layoutOtherConcepts(ui::FlexGrid& grid, const QWidget& form, const Settings& s)
{
    using namespace ColOtroConcepto;
    Columns c(grid, form);
    c.Reset(2, Count);
    c.Set(Detalle, QStringLiteral("Detalle"), c.X(49));
    c.Set(ImporteSinIVA, QStringLiteral("Importe S/Iva"), c.X(11));
    c.Set(Importe, QStringLiteral("Importe"), c.X(11));
    c.Set(Cuenta, QStringLiteral("Cuenta"), 0);
    c.AlignLeft(Detalle);
    if (s.ocultaImportes)
        c.Fold({ImporteSinIVA, Importe}, Detalle);
    c.Blank(Libre5, Libre5);
    c.Blank(Libre4, Libre4);
}

void layoutControlTotals(ui::FlexGrid& grid, const QWidget& form)
{
    using namespace ColTotalizador;
    Columns c(grid, form);
    c.Reset(Rows, Count);
    c.Set(Descripcion, QStringLiteral("Descripcion"), c.X(50));
    c.AlignLeft(Descripcion);
    c.Set(CantidadItems, QStringLiteral("Cantidad ITEM'S"), c.X(15));
    c.Set(Cantidad, QStringLiteral("Cantidad"), c.X(10));
}

} // namespace

void ClsCmnCptes::InicializaGrids(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                  CajaTexto* txtEdit, CajaTexto* txtEdit2, CajaTexto* txtEdit3, QWidget& obj,
                                  const QString& TC, ui::FlexGrid* MSFlexGrid4)
{
    const Settings s = readSettings(TC);
    if (MSFlexGrid1) {
        layoutTasks(*MSFlexGrid1, obj, s);
        if (txtEdit)
            txtEdit->setVisible(false);
    }
    if (MSFlexGrid2) {
        layoutArticles(*MSFlexGrid2, obj, s);
        if (txtEdit2)
            txtEdit2->setVisible(false);
    }
    if (MSFlexGrid3) {
        if (txtEdit3)
            txtEdit3->setText(QString());
        layoutOtherConcepts(*MSFlexGrid3, obj, s);
    }
    if (MSFlexGrid4)
        layoutControlTotals(*MSFlexGrid4, obj);
}
