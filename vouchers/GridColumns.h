#pragma once
// Column numbers of a voucher form's four item grids. They are a contract: the layout
// names and sizes them, the cell editors bind them, and lots, stock posting and the
// voucher loader read and write the lines through them. Row 0 of every grid is its
// header; data rows start at row 1. Use these names, never bare numbers.
//
// Where a column carries two values on different paths, both names are given (the
// timber layout's measures, the stock movement's fields).

// Column 0 of the task, article and other-concept grids: the item's code, by which a row
// counts as filled and duplicates are found.
namespace ColItem {
enum : int { Codigo = 0 };
} // namespace ColItem

// Task grid (MSFlexGrid1): 24 columns.
namespace ColTarea {
enum : int {
    IdTarea = 0,             // task code
    Descripcion = 1,
    Cantidad = 2,            // hours (Horas)
    Importe = 3,             // hourly value (ValorHora)
    Total = 4,
    EsExento = 5,            // AuxEsExento
    ImporteSinIVA = 6,       // hourly value without VAT (valorHora_S_Iva)
    ObservAdic = 7,          // additional description (descripcionadicional)
    FechaInicio = 8,         // estimated start (FechaEstInicio)
    FechaFin = 9,            // estimated end (FechaEstFin)
    IdTecnico = 10,
    CodigoOriginal = 11,
    FechaRealInicio = 12,
    FechaRealFin = 13,
    CuentaContable = 14,
    Prioridad = 15,
    Usuario = 16,
    FhPresentacion = 17,
    FhEmision = 18,
    NroExp = 19,
    FhEntrega = 20,
    Libre21 = 21,            // not laid out: keeps its width
    Libre22 = 22,            // not laid out: keeps its width
    TasaIVA = 23,
    Count = 24,
};
} // namespace ColTarea

// Article grid (MSFlexGrid2): 101 columns.
namespace ColArticulo {
enum : int {
    IdArticulo = 0,             // article code
    Descripcion = 1,
    ListaPrecio = 2,            // price list of the line ("Lista")
    Espesor = 3,                // timber: thickness
    Ancho = 4,                  // timber: width
    Posicion = 4,               // stock: storage position (IdPosicion)
    Unidad = 5,                 // unit of the line (IdUnidad)
    Deposito = 6,               // deposit of the line
    Cantidad = 7,               // quantity in the line's unit
    Coeficiente = 8,            // AuxCoeficiente: equivalence to the base unit (EQUIV_UDBASE)
    Largo = 8,                  // timber: length
    UnidadEquiv = 9,            // equivalent (base) unit of the line
    CantidadEquiv = 10,         // quantity in the equivalent unit
    PorcDescuento = 11,         // "% Dto." (DtoItem)
    UnidadPrecio = 12,          // price unit (Ud_Pr)
    ImporteUnidad = 13,         // unit price by measure (Importe_Ud)
    Importe = 14,               // amount / unit price (PrecioVenta)
    Total = 15,                 // line total
    EsExento = 16,              // AuxEsExento: "-1" exempt
    PrecioSinIVA = 17,          // AuxPrecioSinIVA (Importe_S_Iva)
    TotalLinea = 18,            // "TOTAL": the visible total with taxes
    PideSerie = 19,             // AuxPideSerie
    PideLote = 20,              // AuxPidelote
    NroLote = 21,               // pipe list: lots, exit picks or size-colour-sex codes
    NroSerie = 22,              // pipe list: serials or quantities per entry
    RestoPorAplicar = 23,       // AuxRestoPorAplicar: pending quantity
    TipoArticulo = 24,          // AuxTipoArticulo
    RubroArticulo = 25,         // AuxRubroArticulo
    ListaConIVA = 26,           // AuxListaConIVA
    PrecioConIVA = 27,          // AuxPrecioConIVA
    CantidadInsumo = 28,        // AuxCantidadInsumo; "-1" marks a production order line
    ImporteDescuento = 29,      // AuxImporteDescuentoArticulo
    TipoCoeficiente = 30,       // AuxTipoCoeficiente
    StockDisponible = 31,       // AuxStockDisponible
    StockMinimo = 32,           // AuxStockMinimo
    IVA = 33,                   // VAT rate (AlicIVA)
    CpteOrigen = 34,            // AuxCpteOrigen: type code (1-4) and IdComprobante (5-17) of the origin
    IdCpteOrigen = 35,          // AuxIdCpteOrigen: origin line id (Id_Origen)
    LoteOrigen = 36,            // Lote_Origen: origin deposit (IdOrigen)
    LoteAduana = 37,            // Lote_Aduana: controlling code when ControladoPor is blank
    Costo = 38,                 // unit cost
    CuentaContable = 39,        // the article's accounting account
    Impuestos = 40,             // other taxes
    UnidadBase = 41,            // the article's base unit (IdUnidadBase)
    Libre42 = 42,
    Libre43 = 43,
    Libre44 = 44,
    SegundaTasaIVA = 45,        // second VAT rate
    EsPerecedero = 46,          // Auxesperecedero; "whole lot" flag of stock posting
    Libre47 = 47,
    Libre48 = 48,
    Libre49 = 49,
    Libre50 = 50,
    Libre51 = 51,
    Libre52 = 52,
    Libre53 = 53,
    Libre54 = 54,
    Libre55 = 55,
    Libre56 = 56,
    Libre57 = 57,
    Libre58 = 58,
    DescripcionTipo = 59,       // description of the article's type
    Presentacion = 60,
    PideTalle = 61,             // AuxPideTalle: the article asks for sizes
    CantM3 = 62,                // quantity in the M3 unit (CANT_M3)
    CantBL = 63,                // quantity in the BL unit (CANT_BL), "Bl/Pq"
    CantKG = 64,                // quantity in the KG unit (CANT_KG)
    Libre65 = 65,
    Libre66 = 66,
    UnidadLinea = 67,           // the line's own unit, as loaded
    InsumosPorPorcentaje = 68,  // Aux_InsumosPorPorcentaje
    IdComprobanteFuente = 69,   // IdComprobante of the voucher the line was loaded from
    Libre70 = 70,
    Libre71 = 71,
    Libre72 = 72,
    Libre73 = 73,
    CantidadUD = 74,            // quantity in the base unit
    CodigoArtProveedor = 75,    // supplier's article code
    EsPesable = 76,             // the article is weighed: column 74 is the base-unit quantity
    CodigoBarra = 77,
    PrecioUnitarioSinIVA = 78,  // unit price without VAT of the line
    PrecioLista = 79,           // list price (purchase sources)
    IdInsert = 80,              // IDINSERT
    IdCompulsa = 81,            // IDCOMPULSA
    Libre82 = 82,
    PideMedidas = 83,
    LargoAnt = 84,
    CoeficienteMoneda = 84,     // loader: the coefficient of column 8 as a money value
    Oferta = 85,
    MotivoStock = 86,
    ControladoPor = 87,
    MlM2 = 87,                  // timber: "ML/M2"
    EnComodato = 88,
    MKBaseFamilia = 89,
    CodError = 90,
    Moneda = 91,
    Cotizacion = 92,
    ITC = 93,                   // fuel tax of the line
    PideEquivalencia = 94,      // AuxPideEquivalencia: "-1" when set
    SecuenciaOrigen = 95,       // AuxSecuenciaOrigen
    RedondeoLinea = 96,         // AuxRedondeoLinea
    CodProveedor = 97,          // "Cod.Proveedor"
    ColorDefault = 98,
    SexoDefault = 99,
    CodigoPercepcion = 100,     // AuxCodigoPercepcion
    Count = 101,
};
} // namespace ColArticulo

// Other-concepts grid (MSFlexGrid3): 7 columns.
namespace ColOtroConcepto {
enum : int {
    Detalle = 0,             // concept text (Observacion)
    ImporteSinIVA = 1,       // Importe_S_IVA
    Importe = 2,
    Cuenta = 3,              // account of the concept
    Libre4 = 4,
    Libre5 = 5,
    Libre6 = 6,              // not laid out: keeps its width
    Count = 7,
};
} // namespace ColOtroConcepto

// Control-totals grid (MSFlexGrid4): 3 columns, laid out with 5 rows.
namespace ColTotalizador {
enum : int {
    Descripcion = 0,         // tab caption or group
    CantidadItems = 1,       // number of rows
    Cantidad = 2,            // total
    Count = 3,
    Rows = 5,
};
} // namespace ColTotalizador
