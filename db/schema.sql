-- Base de datos de la empresa: tablas y vistas que usa la recepción de mutuales
-- y la biblioteca de comprobantes compartida por los programas del sistema.
--
-- Tipos: códigos y textos TEXT COLLATE NOCASE, fechas DATETIME (guardadas como
-- YYYY-MM-DD HH:MM:SS), importes NUMERIC(19,4), cantidades FLOAT, contadores
-- y marcas sí/no INTEGER (0 = no), columnas de identidad ID INTEGER PRIMARY KEY.
-- Las fechas que el sistema guarda como texto dd/mm/yy hh:mm son TEXT.
-- Los códigos se guardan con el ancho que les da AjustaLargo: los numéricos
-- alineados a la derecha con blancos, los demás a la izquierda.

------------------------------------------------------------------------------
-- Configuración, usuarios y registro
------------------------------------------------------------------------------

-- Parámetros del sistema: una fila por clave.
CREATE TABLE TA_CONFIGURACION (
    CLAVE           TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    VALOR           TEXT COLLATE NOCASE,
    VALORAUX        TEXT COLLATE NOCASE,
    GRUPO           TEXT COLLATE NOCASE,
    POLITICANEGOCIO INTEGER DEFAULT 0,
    DESCRIPCION     TEXT COLLATE NOCASE
);

-- Usuarios de la base, su marca de administrador, unidad de negocio y sucursal y letra por defecto.
CREATE TABLE ta_usuarios (
    Nombre          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    NombreCompleto  TEXT COLLATE NOCASE,
    Administrador   INTEGER DEFAULT 0,
    UNegocio        TEXT COLLATE NOCASE,
    sucot           TEXT COLLATE NOCASE,
    letot           TEXT COLLATE NOCASE,
    Email           TEXT COLLATE NOCASE,
    Activo          INTEGER DEFAULT 1
);

-- Entradas del menú general del sistema y el programa que abre cada una.
CREATE TABLE TA_MENU (
    Clave           TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Nombre          TEXT COLLATE NOCASE,
    Proceso         TEXT COLLATE NOCASE,
    Padre           TEXT COLLATE NOCASE,
    Orden           INTEGER DEFAULT 0
);

-- Tareas del menú habilitadas a cada usuario.
CREATE TABLE TA_TAREAS (
    USUARIO         TEXT COLLATE NOCASE NOT NULL,
    TAREA           TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

-- Registro de ingresos y egresos de cada ejecución de los programas (fechas como texto dd/mm/yy hh:mm).
CREATE TABLE Control_Acceso (
    ID              INTEGER PRIMARY KEY,
    Maquina         TEXT COLLATE NOCASE,
    Usuario         TEXT COLLATE NOCASE,
    Formulario      TEXT COLLATE NOCASE,
    Tarea           TEXT COLLATE NOCASE,
    Ingreso         TEXT COLLATE NOCASE,
    NombreUsuario   TEXT COLLATE NOCASE,
    EGRESO          TEXT COLLATE NOCASE
);

-- Lotes de sentencias que fallaron al grabarse, con el error del servidor (fecha como texto dd/mm/yy hh:mm).
CREATE TABLE AUX_ERR (
    ID              INTEGER PRIMARY KEY,
    Proceso         TEXT COLLATE NOCASE,
    Fecha           TEXT COLLATE NOCASE,
    Error           INTEGER,
    Descripcion     TEXT COLLATE NOCASE,
    SQL             TEXT COLLATE NOCASE,
    PC              TEXT COLLATE NOCASE,
    Usuario         TEXT COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Contabilidad
------------------------------------------------------------------------------

-- Ejercicios contables con su rango de fechas.
CREATE TABLE MV_EJERCICIOS (
    Periodo         INTEGER NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    [FECHA DESDE]   DATETIME NOT NULL,
    [FECHA HASTA]   DATETIME NOT NULL,
    Cerrado         INTEGER DEFAULT 0
);

-- Plan de cuentas: cuentas título e imputables, con su tipo de vista (CL clientes, PR proveedores, CB caja y bancos, entre otros) y los datos de contacto de clientes y proveedores.
CREATE TABLE MA_CUENTAS (
    Codigo          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    CodigoOpcional  TEXT COLLATE NOCASE,
    Descripcion     TEXT COLLATE NOCASE,
    Titulo          INTEGER DEFAULT 0,
    TipoVista       TEXT COLLATE NOCASE,
    Nivel           INTEGER DEFAULT 0,
    Contacto        TEXT COLLATE NOCASE,
    Domicilio       TEXT COLLATE NOCASE,
    Localidad       TEXT COLLATE NOCASE,
    Telefono        TEXT COLLATE NOCASE,
    CUIT            TEXT COLLATE NOCASE,
    CondicionIva    TEXT COLLATE NOCASE,
    Dada_De_Baja    INTEGER DEFAULT 0
);
CREATE INDEX IX_MA_CUENTAS_CodigoOpcional ON MA_CUENTAS (CodigoOpcional);

-- Centros de costo.
CREATE TABLE TA_CCOSTO (
    CODIGO          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    DESCRIPCION     TEXT COLLATE NOCASE
);

-- Unidades de negocio de la empresa.
CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    RazonSocial     TEXT COLLATE NOCASE,
    Domicilio       TEXT COLLATE NOCASE,
    CUIT            TEXT COLLATE NOCASE
);

-- Subdiarios contables.
CREATE TABLE MA_SUBDIARIOS (
    CODIGO          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE
);

-- Subdiario en el que se registra cada tipo de comprobante.
CREATE TABLE MA_SUBDIARIOSCOMPROBANTES (
    TC              TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Subdiario       TEXT COLLATE NOCASE
);

-- Renglones de asientos contables: uno por cuenta y lado, por comprobante y secuencia.
CREATE TABLE MV_ASIENTOS (
    ID                  INTEGER PRIMARY KEY,
    Fecha               DATETIME,
    FechaSubDiario      DATETIME,
    VENCIMIENTO         DATETIME,
    Mes_Operativo       INTEGER,
    [NUMERO ASIENTO]    INTEGER,
    Cuenta              TEXT COLLATE NOCASE,
    Secuencia           INTEGER NOT NULL,
    CabImporte          NUMERIC(19,4),
    [Debe-Haber]        TEXT COLLATE NOCASE,
    Importe             NUMERIC(19,4),
    Periodo             INTEGER,
    TC                  TEXT COLLATE NOCASE NOT NULL,
    Sucursal            TEXT COLLATE NOCASE NOT NULL,
    Numero              TEXT COLLATE NOCASE NOT NULL,
    Letra               TEXT COLLATE NOCASE NOT NULL,
    Tipo_Reg            TEXT COLLATE NOCASE,
    Detalle             TEXT COLLATE NOCASE,
    Moneda              TEXT COLLATE NOCASE,
    Cotizacion          NUMERIC(19,4),
    USUARIO_LOGEADO     TEXT COLLATE NOCASE,
    IdCajas             TEXT COLLATE NOCASE,
    Unegocio            TEXT COLLATE NOCASE,
    TC_Origen           TEXT COLLATE NOCASE,
    Cpte_Origen         TEXT COLLATE NOCASE,
    CuentaOrigen        TEXT COLLATE NOCASE,
    CABCuenta           TEXT COLLATE NOCASE,
    CABNombre           TEXT COLLATE NOCASE,
    FechaHora_Grabacion DATETIME
);
CREATE UNIQUE INDEX UX_MV_ASIENTOS_Comprobante ON MV_ASIENTOS (TC, Sucursal, Numero, Letra, Secuencia);
CREATE INDEX IX_MV_ASIENTOS_Numeracion ON MV_ASIENTOS (Mes_Operativo, Tipo_Reg, Periodo, [NUMERO ASIENTO]);
CREATE INDEX IX_MV_ASIENTOS_Origen ON MV_ASIENTOS (TC_Origen, CuentaOrigen, Cpte_Origen);

-- Renglones de asientos imputados a centros de costo.
CREATE TABLE MV_ASIENTOSCCOSTO (
    ID                  INTEGER PRIMARY KEY,
    Fecha               DATETIME,
    MES_OPERATIVO       INTEGER,
    [NUMERO ASIENTO]    INTEGER,
    TIPO_REG            TEXT COLLATE NOCASE,
    PERIODO             INTEGER,
    TC                  TEXT COLLATE NOCASE,
    SUCURSAL            TEXT COLLATE NOCASE,
    NUMERO              TEXT COLLATE NOCASE,
    LETRA               TEXT COLLATE NOCASE,
    Secuencia           INTEGER,
    Cuenta              TEXT COLLATE NOCASE,
    CCosto              TEXT COLLATE NOCASE,
    [Debe-Haber]        TEXT COLLATE NOCASE,
    Importe             NUMERIC(19,4),
    Detalle             TEXT COLLATE NOCASE
);
CREATE INDEX IX_MV_ASIENTOSCCOSTO_Numeracion ON MV_ASIENTOSCCOSTO (MES_OPERATIVO, TIPO_REG, PERIODO, [NUMERO ASIENTO]);

-- Saldos diarios acumulados por cuenta.
CREATE VIEW AC_CUENTASDIARIO AS SELECT Cuenta AS CUENTA,
       Fecha AS FECHA,
       Unegocio AS UNEGOCIO,
       SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE 0 END) AS DEBE,
       SUM(CASE WHEN [Debe-Haber] = 'H' THEN Importe ELSE 0 END) AS HABER,
       SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE -Importe END) AS SALDO
FROM MV_ASIENTOS
GROUP BY Cuenta, Fecha, Unegocio;

-- Saldos diarios acumulados por cuenta y centro de costo.
CREATE VIEW AC_CUENTASDIARIO_CCOSTO AS SELECT Cuenta AS CUENTA,
       CCosto AS CCOSTO,
       Fecha AS FECHA,
       SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE 0 END) AS DEBE,
       SUM(CASE WHEN [Debe-Haber] = 'H' THEN Importe ELSE 0 END) AS HABER,
       SUM(CASE WHEN [Debe-Haber] = 'D' THEN Importe ELSE -Importe END) AS SALDO
FROM MV_ASIENTOSCCOSTO
GROUP BY Cuenta, CCosto, Fecha;

------------------------------------------------------------------------------
-- Tipos de comprobante y numeración
------------------------------------------------------------------------------

-- Tipos de comprobante y sus talonarios: por cada letra el próximo número a emitir, el rango, la sucursal y el vencimiento.
CREATE TABLE V_TA_CPTE (
    CODIGO              TEXT COLLATE NOCASE NOT NULL,
    TALONARIO           INTEGER NOT NULL DEFAULT 1,
    DESCRIPCION         TEXT COLLATE NOCASE,
    LETRAS              TEXT COLLATE NOCASE,
    A_ULTIMO_NRO        INTEGER DEFAULT 0,
    A_NRO_DESDE         INTEGER DEFAULT 0,
    A_NRO_HASTA         INTEGER DEFAULT 0,
    A_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceA              DATETIME,
    B_ULTIMO_NRO        INTEGER DEFAULT 0,
    B_NRO_DESDE         INTEGER DEFAULT 0,
    B_NRO_HASTA         INTEGER DEFAULT 0,
    B_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceB              DATETIME,
    C_ULTIMO_NRO        INTEGER DEFAULT 0,
    C_NRO_DESDE         INTEGER DEFAULT 0,
    C_NRO_HASTA         INTEGER DEFAULT 0,
    C_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceC              DATETIME,
    E_ULTIMO_NRO        INTEGER DEFAULT 0,
    E_NRO_DESDE         INTEGER DEFAULT 0,
    E_NRO_HASTA         INTEGER DEFAULT 0,
    E_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceE              DATETIME,
    M_ULTIMO_NRO        INTEGER DEFAULT 0,
    M_NRO_DESDE         INTEGER DEFAULT 0,
    M_NRO_HASTA         INTEGER DEFAULT 0,
    M_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceM              DATETIME,
    R_ULTIMO_NRO        INTEGER DEFAULT 0,
    R_NRO_DESDE         INTEGER DEFAULT 0,
    R_NRO_HASTA         INTEGER DEFAULT 0,
    R_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceR              DATETIME,
    X_ULTIMO_NRO        INTEGER DEFAULT 0,
    X_NRO_DESDE         INTEGER DEFAULT 0,
    X_NRO_HASTA         INTEGER DEFAULT 0,
    X_SUC_DEFAULT       INTEGER DEFAULT 0,
    VenceX              DATETIME,
    Modificanumeracion  INTEGER DEFAULT 0,
    Externo             INTEGER,
    UNEGOCIO            TEXT COLLATE NOCASE,
    SISTEMA             TEXT COLLATE NOCASE,
    ES                  TEXT COLLATE NOCASE,
    Signo               INTEGER,
    DebeHaber           TEXT COLLATE NOCASE,
    fechahora_modificacion TEXT COLLATE NOCASE,
    PRIMARY KEY (CODIGO, TALONARIO)
);

-- Numeración anterior de comprobantes por sistema, usada cuando el tipo no tiene talonario propio.
CREATE TABLE TA_Comprobantes (
    CODIGO              TEXT COLLATE NOCASE NOT NULL,
    SISTEMA             TEXT COLLATE NOCASE NOT NULL,
    TALONARIO           INTEGER NOT NULL DEFAULT 1,
    DESCRIPCION         TEXT COLLATE NOCASE,
    A_ULTIMO_NRO        INTEGER DEFAULT 0,
    A_SUC_DEFAULT       INTEGER DEFAULT 0,
    B_ULTIMO_NRO        INTEGER DEFAULT 0,
    B_SUC_DEFAULT       INTEGER DEFAULT 0,
    C_ULTIMO_NRO        INTEGER DEFAULT 0,
    C_SUC_DEFAULT       INTEGER DEFAULT 0,
    E_ULTIMO_NRO        INTEGER DEFAULT 0,
    E_SUC_DEFAULT       INTEGER DEFAULT 0,
    M_ULTIMO_NRO        INTEGER DEFAULT 0,
    M_SUC_DEFAULT       INTEGER DEFAULT 0,
    R_ULTIMO_NRO        INTEGER DEFAULT 0,
    R_SUC_DEFAULT       INTEGER DEFAULT 0,
    X_ULTIMO_NRO        INTEGER DEFAULT 0,
    X_SUC_DEFAULT       INTEGER DEFAULT 0,
    fechahora_modificacion TEXT COLLATE NOCASE,
    PRIMARY KEY (CODIGO, SISTEMA, TALONARIO)
);

-- Control de números emitidos de los comprobantes contables.
CREATE TABLE V_MV_CTROL_CPTE (
    TC              TEXT COLLATE NOCASE NOT NULL,
    SUCURSAL        TEXT COLLATE NOCASE NOT NULL,
    NUMERO          TEXT COLLATE NOCASE NOT NULL,
    LETRA           TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA)
);

-- Cantidad de renglones que entran en una hoja impresa, por tipo de comprobante y letra.
CREATE TABLE TA_CONFIG_IMP_CPTE (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE NOT NULL,
    LETRA           TEXT COLLATE NOCASE,
    CANTLINEAS      INTEGER DEFAULT 0,
    Formulario      TEXT COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Recepción de mutuales
------------------------------------------------------------------------------

-- Comprobantes de mutuales recibidos: cuenta de la mutual, comprobante, importe, fecha de recepción y factura que los tomó.
CREATE TABLE V_MV_MUTUALES (
    ID                      INTEGER PRIMARY KEY,
    CUENTA                  TEXT COLLATE NOCASE NOT NULL,
    IDMUTUAL                TEXT COLLATE NOCASE NOT NULL,
    IMPORTE                 NUMERIC(19,4) DEFAULT 0,
    OBSERVACIONES           TEXT COLLATE NOCASE,
    FECHACOMPROBANTE        DATETIME,
    FECHARECEPCION          DATETIME,
    USUARIO                 TEXT COLLATE NOCASE,
    UNEGOCIO                TEXT COLLATE NOCASE,
    FACTURA                 TEXT COLLATE NOCASE,
    FECHAHORA_GRABACION     DATETIME DEFAULT (datetime('now', 'localtime')),
    FECHAHORA_MODIFICACION  TEXT COLLATE NOCASE
);
CREATE INDEX IX_V_MV_MUTUALES_Fecha ON V_MV_MUTUALES (FECHARECEPCION);
-- Una cuenta recibe cada comprobante una sola vez (mayusculas y blancos finales no cuentan).
CREATE UNIQUE INDEX UX_V_MV_MUTUALES_Cuenta ON V_MV_MUTUALES (CUENTA, IDMUTUAL);

-- Comprobantes de mutuales recibidos con la descripción de la cuenta y de la unidad de negocio, para el listado de recepción.
CREATE VIEW V_MV_MUTUALES_RECEPCION AS SELECT M.ID, M.CUENTA, M.IDMUTUAL, M.IMPORTE, M.OBSERVACIONES, M.FECHACOMPROBANTE,
       M.FECHARECEPCION, M.USUARIO, M.UNEGOCIO, M.FACTURA,
       C.Descripcion AS DESCRIPCIONCUENTA,
       U.Descripcion AS DESCRIPCIONUNEGOCIO
FROM V_MV_MUTUALES M
LEFT JOIN MA_CUENTAS C ON C.Codigo = M.CUENTA
LEFT JOIN V_TA_UNIDADNEGOCIO U ON U.Codigo = M.UNEGOCIO;

------------------------------------------------------------------------------
-- Tablas auxiliares de stock y ventas
------------------------------------------------------------------------------

-- Unidades de medida.
CREATE TABLE V_TA_UNIDAD (
    IdUnidad        TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Nombre          TEXT COLLATE NOCASE,
    Descripcion     TEXT COLLATE NOCASE
);

-- Depósitos, con la unidad de negocio a la que pertenecen.
CREATE TABLE V_TA_DEPOSITO (
    IdDeposito      TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    UnidadNegocio   TEXT COLLATE NOCASE,
    Domicilio       TEXT COLLATE NOCASE
);

-- Posiciones de almacenamiento dentro de cada depósito, con su orden de ingreso.
CREATE TABLE MA_POSICIONES (
    IdDeposito      TEXT COLLATE NOCASE NOT NULL,
    IdPosicion      TEXT COLLATE NOCASE NOT NULL,
    Descripcion     TEXT COLLATE NOCASE,
    OrdenIngreso    INTEGER DEFAULT 0,
    PRIMARY KEY (IdDeposito, IdPosicion)
);

-- Familias de artículos (el código de una subfamilia empieza con el de su familia).
CREATE TABLE V_TA_FAMILIAS (
    IdFamilia       TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE
);

-- Rubros de artículos.
CREATE TABLE V_ta_Rubros (
    IdRubro         TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE
);

-- Tipos de artículo (IdTipo y Tipo llevan el mismo código).
CREATE TABLE V_TA_TipoArticulo (
    IdTipo          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Tipo            TEXT COLLATE NOCASE,
    Descripcion     TEXT COLLATE NOCASE
);

-- Cajas, con su cuenta contable.
CREATE TABLE V_TA_CAJAS (
    IdCaja          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    UNEGOCIO        TEXT COLLATE NOCASE,
    CuentaContable  TEXT COLLATE NOCASE
);

-- Motivos de movimiento de stock, con la cuenta contrapartida del asiento de stock.
CREATE TABLE V_TA_MOTIVOSTOCK (
    IDMOTIVOSTOCK   TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    CuentaContable  TEXT COLLATE NOCASE
);

-- Motivos de venta.
CREATE TABLE V_TA_MotivoVta (
    IdMotivoVta     TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE
);

-- Imputación contable de cada motivo de venta (cuenta del costo de mercadería vendida).
CREATE TABLE V_TA_Input_Ventas (
    IdMotivoVta         TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    CUENTA_VENTAS       TEXT COLLATE NOCASE,
    COSTO_MERCADERIA    TEXT COLLATE NOCASE
);

-- Tareas y servicios que se cargan en los comprobantes.
CREATE TABLE V_TA_TAREAS (
    IdTarea         TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     TEXT COLLATE NOCASE,
    ValorHora       NUMERIC(19,4) DEFAULT 0
);

-- Vendedores.
CREATE TABLE V_TA_VENDEDORES (
    IDVENDEDOR      TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    NOMBRE          TEXT COLLATE NOCASE,
    Comision        NUMERIC(19,4) DEFAULT 0
);

-- Técnicos.
CREATE TABLE V_TA_TECNICOS (
    IDTECNICO       TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    NOMBRE          TEXT COLLATE NOCASE
);

-- Mantenimientos programados.
CREATE TABLE V_MA_MANTENIMIENTOS (
    CODIGO          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    DESCRIPCION     TEXT COLLATE NOCASE,
    Periodicidad    INTEGER DEFAULT 0
);

-- Contactos de clientes y proveedores.
CREATE TABLE MA_CONTACTOS (
    ID                  INTEGER PRIMARY KEY,
    Cuenta              TEXT COLLATE NOCASE,
    Nombre_y_Apellido   TEXT COLLATE NOCASE,
    Domicilio           TEXT COLLATE NOCASE,
    Localidad           TEXT COLLATE NOCASE,
    Telefono            TEXT COLLATE NOCASE,
    Email               TEXT COLLATE NOCASE
);

-- Clientes: cuentas imputables de tipo CL.
CREATE VIEW VT_CLIENTES AS SELECT Codigo AS CODIGO, Descripcion AS RAZON_SOCIAL, Contacto AS CONTACTO,
       Domicilio AS DOMICILIO, Localidad AS LOCALIDAD, Telefono AS TELEFONO,
       CUIT, CondicionIva AS CONDICIONIVA, Dada_De_Baja
FROM MA_CUENTAS
WHERE TipoVista = 'CL' AND Titulo = 0;

-- Proveedores: cuentas imputables de tipo PR.
CREATE VIEW VT_PROVEEDORES AS SELECT Codigo AS CODIGO, Descripcion AS RAZON_SOCIAL, Contacto AS CONTACTO,
       Domicilio AS DOMICILIO, Localidad AS LOCALIDAD, Telefono AS TELEFONO,
       CUIT, CondicionIva AS CONDICIONIVA, Dada_De_Baja
FROM MA_CUENTAS
WHERE TipoVista = 'PR' AND Titulo = 0;

------------------------------------------------------------------------------
-- Artículos y precios
------------------------------------------------------------------------------

-- Maestro de artículos: unidad de stock, códigos de barra, marcas de lote, serie y talle, costos, precios y cuentas.
CREATE TABLE V_MA_ARTICULOS (
    IDARTICULO          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    DESCRIPCION         TEXT COLLATE NOCASE,
    Descripabrev        TEXT COLLATE NOCASE,
    IDUNIDAD            TEXT COLLATE NOCASE,
    idTipo              TEXT COLLATE NOCASE,
    IdFamilia           TEXT COLLATE NOCASE,
    IdRubro             TEXT COLLATE NOCASE,
    PROCEDENCIA         TEXT COLLATE NOCASE,
    Presentacion        TEXT COLLATE NOCASE,
    Exento              INTEGER DEFAULT 0,
    TasaIVA             NUMERIC(19,4) DEFAULT 21,
    Impuestos           NUMERIC(19,4) DEFAULT 0,
    Costo               NUMERIC(19,4) DEFAULT 0,
    PRECIO1             NUMERIC(19,4) DEFAULT 0,
    PRECIO2             NUMERIC(19,4) DEFAULT 0,
    PRECIO3             NUMERIC(19,4) DEFAULT 0,
    PRECIO4             NUMERIC(19,4) DEFAULT 0,
    PRECIO5             NUMERIC(19,4) DEFAULT 0,
    PRECIO6             NUMERIC(19,4) DEFAULT 0,
    PRECIO7             NUMERIC(19,4) DEFAULT 0,
    PRECIO8             NUMERIC(19,4) DEFAULT 0,
    PUNTOPEDIDO         FLOAT DEFAULT 0,
    SUSPENDIDO          INTEGER DEFAULT 0,
    USASERIE            INTEGER DEFAULT 0,
    USALOTE             INTEGER DEFAULT 0,
    Perecedero          INTEGER DEFAULT 0,
    UsaTalle            INTEGER DEFAULT 0,
    TalleDefault        TEXT COLLATE NOCASE,
    ColorDefault        TEXT COLLATE NOCASE,
    SexoDefault         TEXT COLLATE NOCASE,
    PIDEEQUIVALENCIA    INTEGER DEFAULT 0,
    pesable             INTEGER DEFAULT 0,
    PIDEMEDIDAS         INTEGER DEFAULT 0,
    codigobarra         TEXT COLLATE NOCASE,
    CODIGOBARRADUN      TEXT COLLATE NOCASE,
    UD_TTE              TEXT COLLATE NOCASE,
    CODIGOBARRA1        TEXT COLLATE NOCASE,
    UMCB1               TEXT COLLATE NOCASE,
    CODIGOBARRA2        TEXT COLLATE NOCASE,
    UMCB2               TEXT COLLATE NOCASE,
    CODIGOBARRA3        TEXT COLLATE NOCASE,
    UMCB3               TEXT COLLATE NOCASE,
    CODIGOBARRA4        TEXT COLLATE NOCASE,
    UMCB4               TEXT COLLATE NOCASE,
    CodigoArtProveedor  TEXT COLLATE NOCASE,
    CuentaProveedor     TEXT COLLATE NOCASE,
    CuentaContable      TEXT COLLATE NOCASE,
    cuentacontableC     TEXT COLLATE NOCASE
);
-- Un código leído o tipeado se busca por código, por cada código de barras y por el código del proveedor.
CREATE INDEX IX_V_MA_ARTICULOS_Barra ON V_MA_ARTICULOS (codigobarra);
CREATE INDEX IX_V_MA_ARTICULOS_BarraDUN ON V_MA_ARTICULOS (CODIGOBARRADUN);
CREATE INDEX IX_V_MA_ARTICULOS_Barra1 ON V_MA_ARTICULOS (CODIGOBARRA1);
CREATE INDEX IX_V_MA_ARTICULOS_Barra2 ON V_MA_ARTICULOS (CODIGOBARRA2);
CREATE INDEX IX_V_MA_ARTICULOS_Barra3 ON V_MA_ARTICULOS (CODIGOBARRA3);
CREATE INDEX IX_V_MA_ARTICULOS_Barra4 ON V_MA_ARTICULOS (CODIGOBARRA4);
CREATE INDEX IX_V_MA_ARTICULOS_Proveedor ON V_MA_ARTICULOS (CodigoArtProveedor, CuentaProveedor);

-- Componentes (insumos) de los artículos que se fabrican, con su cantidad por unidad producida.
CREATE TABLE V_MA_INSUMOS (
    IDARTICULO          TEXT COLLATE NOCASE NOT NULL,
    IdArticuloInsumo    TEXT COLLATE NOCASE NOT NULL,
    IdUnidadInsumo      TEXT COLLATE NOCASE,
    Cantidad            FLOAT DEFAULT 0,
    PRIMARY KEY (IDARTICULO, IdArticuloInsumo)
);

-- Equivalencias entre dos unidades de un mismo artículo.
CREATE TABLE S_TA_EQUIV (
    IdArticulo      TEXT COLLATE NOCASE NOT NULL,
    IDUNIDAD        TEXT COLLATE NOCASE NOT NULL,
    IDUNIDAD_EQUIV  TEXT COLLATE NOCASE NOT NULL,
    Coeficiente     FLOAT DEFAULT 1,
    PRIMARY KEY (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV)
);

-- Listas de precios de venta (V) y de compra (C) por artículo, con el código del artículo en el proveedor.
CREATE TABLE V_MA_PRECIOS (
    IDLISTA             TEXT COLLATE NOCASE NOT NULL,
    TIPOLISTA           TEXT COLLATE NOCASE NOT NULL,
    IDARTICULO          TEXT COLLATE NOCASE NOT NULL,
    IDARTICULOPROVEEDOR TEXT COLLATE NOCASE,
    IDUNIDAD            TEXT COLLATE NOCASE,
    PRECIO              NUMERIC(19,4) DEFAULT 0,
    CONIVA              INTEGER DEFAULT 0,
    PRIMARY KEY (IDLISTA, TIPOLISTA, IDARTICULO)
);
CREATE INDEX IX_V_MA_PRECIOS_Proveedor ON V_MA_PRECIOS (IDARTICULOPROVEEDOR, IDLISTA, TIPOLISTA);

------------------------------------------------------------------------------
-- Stock
------------------------------------------------------------------------------

-- Movimientos de stock: un renglón por artículo, lote, serie o talle de cada comprobante.
CREATE TABLE V_MV_STOCK (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IdComprobante           TEXT COLLATE NOCASE NOT NULL,
    IdComplemento           INTEGER DEFAULT 0,
    Secuencia               FLOAT,
    Fecha                   DATETIME,
    IdCaja                  TEXT COLLATE NOCASE,
    IdDeposito              TEXT COLLATE NOCASE,
    IDDEPOSITO_DESTINO      TEXT COLLATE NOCASE,
    IdPosicion              TEXT COLLATE NOCASE,
    IdArticulo              TEXT COLLATE NOCASE,
    Descripcion             TEXT COLLATE NOCASE,
    NroLote                 TEXT COLLATE NOCASE,
    ControladoPor           TEXT COLLATE NOCASE,
    IdOrigen                TEXT COLLATE NOCASE,
    NroSerie                TEXT COLLATE NOCASE,
    IdUnidad                TEXT COLLATE NOCASE,
    Cantidad                FLOAT DEFAULT 0,
    CantidadUD              FLOAT,
    IdUnidadBase            TEXT COLLATE NOCASE,
    CuentaProveedor         TEXT COLLATE NOCASE,
    IdMotivoStock           TEXT COLLATE NOCASE,
    PrecioVenta             NUMERIC(19,4) DEFAULT 0,
    Importe_S_Iva           NUMERIC(19,4) DEFAULT 0,
    Costo                   NUMERIC(19,4) DEFAULT 0,
    Impuestos               NUMERIC(19,4) DEFAULT 0,
    DtoItem                 NUMERIC(19,4) DEFAULT 0,
    Tc_Origen               TEXT COLLATE NOCASE,
    IdComprobante_Origen    TEXT COLLATE NOCASE,
    Id_Origen               INTEGER DEFAULT 0,
    IVARI                   NUMERIC(19,4) DEFAULT 0,
    IVARNI                  NUMERIC(19,4) DEFAULT 0,
    IdTecnico               TEXT COLLATE NOCASE,
    EQUIV_UDBASE            FLOAT DEFAULT 1,
    IDINSERT                INTEGER DEFAULT 0,
    IDCOMPULSA              INTEGER DEFAULT 0,
    Oferta                  NUMERIC(19,4) DEFAULT 0,
    IdVendedor              TEXT COLLATE NOCASE,
    Importe_Ud              NUMERIC(19,4) DEFAULT 0,
    Ud_Pr                   TEXT COLLATE NOCASE,
    UNEGOCIO                TEXT COLLATE NOCASE,
    ARTMONEDA               TEXT COLLATE NOCASE,
    ARTCOTIZACION           NUMERIC(19,4) DEFAULT 1,
    EnComodato              INTEGER DEFAULT 0,
    CANT_BL                 FLOAT DEFAULT 0,
    CANT_KG                 FLOAT DEFAULT 0,
    CANT_M3                 FLOAT DEFAULT 0,
    IDVIAJE                 TEXT COLLATE NOCASE,
    Revisado                INTEGER DEFAULT 0
);
CREATE INDEX IX_V_MV_STOCK_Comprobante ON V_MV_STOCK (TC, IdComprobante, IdComplemento);
CREATE INDEX IX_V_MV_STOCK_Articulo ON V_MV_STOCK (IdArticulo, IdDeposito);
CREATE INDEX IX_V_MV_STOCK_Origen ON V_MV_STOCK (Tc_Origen, IdComprobante_Origen, IdArticulo);

-- Existencia por artículo, depósito, lote, serie y posición.
CREATE VIEW STK_SERIES_Y_LOTES AS SELECT IdArticulo AS IDARTICULO,
       IdDeposito AS IDDEPOSITO,
       NroLote,
       NroSerie,
       NULLIF(TRIM(IdPosicion), '') AS IdPosicion,
       SUM(COALESCE(CantidadUD, Cantidad)) AS CANTIDAD
FROM V_MV_STOCK
GROUP BY IdArticulo, IdDeposito, NroLote, NroSerie, NULLIF(TRIM(IdPosicion), '');

-- Existencia por artículo, depósito y unidad.
CREATE VIEW STK_SALDOS_UNIDADES AS SELECT IdArticulo AS IDARTICULO,
       IdDeposito AS IDDEPOSITO,
       COALESCE(IdUnidadBase, IdUnidad) AS EQUIVALENCIA,
       SUM(COALESCE(CantidadUD, Cantidad)) AS STOCK
FROM V_MV_STOCK
GROUP BY IdArticulo, IdDeposito, COALESCE(IdUnidadBase, IdUnidad);

-- Existencia por artículo y depósito en unidades (cuando la empresa controla unidades y kilos).
CREATE VIEW STK_STOCK_UDKG AS SELECT IdArticulo AS IDARTICULO,
       IdDeposito AS IDDEPOSITO,
       SUM(Cantidad) AS CantidadUd,
       SUM(CANT_KG) AS CantidadKg
FROM V_MV_STOCK
GROUP BY IdArticulo, IdDeposito;

-- Saldos por posición de almacenamiento y lote (las filas sin posición son el saldo del depósito).
CREATE VIEW AC_SALDOSLAYOUT AS SELECT IdDeposito AS IDDEPOSITO,
       NULLIF(TRIM(IdPosicion), '') AS IDPOSICION,
       IdArticulo AS IDARTICULO,
       NroLote AS NROLOTE,
       COALESCE(IdUnidadBase, IdUnidad) AS IDUNIDADBASE,
       SUM(COALESCE(CantidadUD, Cantidad)) AS SALDO
FROM V_MV_STOCK
GROUP BY IdDeposito, NULLIF(TRIM(IdPosicion), ''), IdArticulo, NroLote, COALESCE(IdUnidadBase, IdUnidad);

-- Artículos con su existencia total, para las consultas de artículos.
CREATE VIEW VT_MA_ARTICULOS AS SELECT A.*,
       COALESCE((SELECT SUM(S.Cantidad) FROM V_MV_STOCK S WHERE S.IdArticulo = A.IDARTICULO), 0) AS Stock
FROM V_MA_ARTICULOS A;

-- Artículos de stock con su existencia (mismo contenido que VT_MA_ARTICULOS).
CREATE VIEW STK_MA_ARTICULOS AS SELECT * FROM VT_MA_ARTICULOS;

-- Precios de artículos por lista, con la descripción del artículo.
CREATE VIEW VT_MA_PRECIOS_ARTICULOS AS SELECT P.IDLISTA, P.TIPOLISTA, P.IDARTICULO, A.DESCRIPCION, P.IDARTICULOPROVEEDOR,
       P.IDUNIDAD, P.PRECIO, P.CONIVA
FROM V_MA_PRECIOS P
LEFT JOIN V_MA_ARTICULOS A ON A.IDARTICULO = P.IDARTICULO;

-- Movimientos de stock de tropas de hacienda.
CREATE TABLE V_MV_TROPA_STOCK (
    ID                      INTEGER PRIMARY KEY,
    TROPA                   TEXT COLLATE NOCASE,
    TC                      TEXT COLLATE NOCASE,
    IdComprobante           TEXT COLLATE NOCASE,
    IdArticulo              TEXT COLLATE NOCASE,
    Cantidad                FLOAT DEFAULT 0,
    Kilos                   FLOAT DEFAULT 0,
    FECHAHORA_GRABACION     DATETIME,
    FECHAHORA_MODIFICACION  TEXT COLLATE NOCASE
);

-- Artículos que faltaron en stock al consultarlos, informados por el operador.
CREATE TABLE V_MV_FALTANTES (
    ID              INTEGER PRIMARY KEY,
    FechaHora       DATETIME,
    IdArticulo      TEXT COLLATE NOCASE,
    Descripcion     TEXT COLLATE NOCASE,
    Usuario         TEXT COLLATE NOCASE
);

-- Viajes (comprobantes de transporte).
CREATE TABLE MV_VIAJES (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE   TEXT COLLATE NOCASE NOT NULL,
    Fecha           DATETIME,
    Cuenta          TEXT COLLATE NOCASE,
    Chofer          TEXT COLLATE NOCASE,
    Observaciones   TEXT COLLATE NOCASE
);
CREATE INDEX IX_MV_VIAJES_Comprobante ON MV_VIAJES (TC, IDCOMPROBANTE);

------------------------------------------------------------------------------
-- Comprobantes de venta (V_) y de compra (C_)
------------------------------------------------------------------------------

-- Cabecera de los comprobantes de venta.
CREATE TABLE V_MV_CPTE (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE           TEXT COLLATE NOCASE NOT NULL,
    IdComplemento           INTEGER NOT NULL DEFAULT 0,
    FECHA                   DATETIME,
    CUENTA                  TEXT COLLATE NOCASE,
    Nombre                  TEXT COLLATE NOCASE,
    CondicionIva            TEXT COLLATE NOCASE,
    Importe                 NUMERIC(19,4) DEFAULT 0,
    Moneda                  TEXT COLLATE NOCASE,
    Cotizacion              NUMERIC(19,4) DEFAULT 1,
    IdReparto               INTEGER DEFAULT 0,
    EnComodato              INTEGER DEFAULT 0,
    ANULADA                 INTEGER DEFAULT 0,
    APROBADO                INTEGER DEFAULT 0,
    FINALIZADA              INTEGER DEFAULT 0,
    BLOQUEADA               INTEGER DEFAULT 0,
    COMPLEMENTARIO          INTEGER DEFAULT 0,
    OBSERVACIONES           TEXT COLLATE NOCASE,
    comentarios             TEXT COLLATE NOCASE,
    FechaPreparacion        DATETIME,
    IdPalm                  TEXT COLLATE NOCASE,
    TCORIGEN                TEXT COLLATE NOCASE,
    COMPROBANTEORIGEN       TEXT COLLATE NOCASE,
    COMPLEMENTOORIGEN       INTEGER,
    UNEGOCIO                TEXT COLLATE NOCASE,
    IdVendedor              TEXT COLLATE NOCASE,
    USUARIO                 TEXT COLLATE NOCASE,
    FechaHora_Grabacion     DATETIME,
    fechahora_modificacion  TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX UX_V_MV_CPTE ON V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento);
CREATE INDEX IX_V_MV_CPTE_Origen ON V_MV_CPTE (TCORIGEN, COMPROBANTEORIGEN);

-- Renglones de tareas de los comprobantes de venta (horas en minutos).
CREATE TABLE V_MV_CPTETAREAS (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE           TEXT COLLATE NOCASE NOT NULL,
    IdComplemento           INTEGER NOT NULL DEFAULT 0,
    IDTAREA                 TEXT COLLATE NOCASE,
    Descripcion             TEXT COLLATE NOCASE,
    Horas                   FLOAT DEFAULT 0,
    ValorHora               NUMERIC(19,4) DEFAULT 0,
    valorHora_S_Iva         NUMERIC(19,4) DEFAULT 0,
    Total                   NUMERIC(19,4) DEFAULT 0,
    descripcionadicional    TEXT COLLATE NOCASE,
    FechaEstInicio          DATETIME,
    FechaEstFin             DATETIME,
    IdTecnico               TEXT COLLATE NOCASE,
    FechaREALInicio         DATETIME,
    FechaREALFin            DATETIME,
    Prioridad               INTEGER DEFAULT 0,
    Usuario                 TEXT COLLATE NOCASE,
    FHPRESENTACION          DATETIME,
    FHEMISION               DATETIME,
    NROEXP                  TEXT COLLATE NOCASE,
    FhEntrega               DATETIME
);
CREATE INDEX IX_V_MV_CPTETAREAS ON V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IdComplemento);

-- Renglones de artículos de los comprobantes de venta.
CREATE TABLE V_MV_CPTEINSUMOS (
    ID                  INTEGER PRIMARY KEY,
    TC                  TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE       TEXT COLLATE NOCASE NOT NULL,
    IdComplemento       INTEGER NOT NULL DEFAULT 0,
    Secuencia           INTEGER,
    IDARTICULO          TEXT COLLATE NOCASE,
    Descripcion         TEXT COLLATE NOCASE,
    PALLETS             INTEGER DEFAULT 0,
    Cantidad            FLOAT DEFAULT 0,
    Cantidadpreparada   FLOAT,
    CANTIDADAFACTURAR   FLOAT,
    Recepcion           INTEGER DEFAULT 0,
    IdUnidad            TEXT COLLATE NOCASE,
    IdUnidadBase        TEXT COLLATE NOCASE,
    CantidadUd          FLOAT,
    Equiv_UDBase        FLOAT DEFAULT 1,
    CANT_KG             FLOAT DEFAULT 0,
    CANT_M3             FLOAT DEFAULT 0,
    Cant_BL             FLOAT DEFAULT 0,
    Importe             NUMERIC(19,4) DEFAULT 0,
    Importe_S_IVA       NUMERIC(19,4) DEFAULT 0,
    Impuestos           NUMERIC(19,4) DEFAULT 0,
    iTC                 NUMERIC(19,4) DEFAULT 0,
    Total               NUMERIC(19,4) DEFAULT 0,
    TotalFinal          NUMERIC(19,4) DEFAULT 0,
    Costo               NUMERIC(19,4) DEFAULT 0,
    PorcDto             NUMERIC(19,4) DEFAULT 0,
    IdLista             TEXT COLLATE NOCASE,
    Precio_Lista        NUMERIC(19,4),
    IdDeposito          TEXT COLLATE NOCASE,
    Exento              INTEGER DEFAULT 0,
    AlicIVA             NUMERIC(19,4) DEFAULT 0,
    Presentacion        TEXT COLLATE NOCASE,
    Nro_Lote            TEXT COLLATE NOCASE,
    Nro_Serie           TEXT COLLATE NOCASE,
    ControladoPor       TEXT COLLATE NOCASE,
    IdOrigen            TEXT COLLATE NOCASE,
    CodigoArtProveedor  TEXT COLLATE NOCASE,
    Espesor             FLOAT DEFAULT 0,
    Ancho               FLOAT DEFAULT 0,
    Largo               FLOAT DEFAULT 0,
    Ud_Pr               TEXT COLLATE NOCASE,
    Importe_Ud          NUMERIC(19,4) DEFAULT 0
);
CREATE INDEX IX_V_MV_CPTEINSUMOS ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento);
-- Lo pedido y lo aplicado de un artículo de un comprobante se buscan por artículo.
CREATE INDEX IX_V_MV_CPTEINSUMOS_Articulo ON V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDARTICULO);

-- Observaciones y otros conceptos (TIPO_OBS OC) de los comprobantes de venta.
CREATE TABLE V_MV_CPTE_Observ (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE   TEXT COLLATE NOCASE NOT NULL,
    IdComplemento   INTEGER NOT NULL DEFAULT 0,
    TIPO_OBS        TEXT COLLATE NOCASE,
    Observacion     TEXT COLLATE NOCASE,
    Importe         NUMERIC(19,4) DEFAULT 0,
    Importe_S_IVA   NUMERIC(19,4) DEFAULT 0,
    NroViaje        TEXT COLLATE NOCASE
);
CREATE INDEX IX_V_MV_CPTE_Observ ON V_MV_CPTE_Observ (TC, IDCOMPROBANTE, IdComplemento);

-- Cabecera de los comprobantes de compra (por proveedor).
CREATE TABLE C_MV_CPTE (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE           TEXT COLLATE NOCASE NOT NULL,
    CUENTA                  TEXT COLLATE NOCASE NOT NULL,
    SUCURSAL                TEXT COLLATE NOCASE,
    NUMERO                  TEXT COLLATE NOCASE,
    LETRA                   TEXT COLLATE NOCASE,
    IdComplemento           INTEGER DEFAULT 0,
    FECHA                   DATETIME,
    NOMBRE                  TEXT COLLATE NOCASE,
    CondicionIva            TEXT COLLATE NOCASE,
    Importe                 NUMERIC(19,4) DEFAULT 0,
    Moneda                  TEXT COLLATE NOCASE,
    Cotizacion              NUMERIC(19,4) DEFAULT 1,
    IdReparto               INTEGER DEFAULT 0,
    EnComodato              INTEGER DEFAULT 0,
    ANULADA                 INTEGER DEFAULT 0,
    APROBADO                INTEGER DEFAULT 0,
    FINALIZADO              INTEGER DEFAULT 0,
    Garantia                INTEGER DEFAULT 0,
    OBSERVACIONES           TEXT COLLATE NOCASE,
    comentarios             TEXT COLLATE NOCASE,
    FechaRecepcion          DATETIME,
    UNEGOCIO                TEXT COLLATE NOCASE,
    USUARIO                 TEXT COLLATE NOCASE,
    FechaHora_Grabacion     DATETIME,
    fechahora_modificacion  TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX UX_C_MV_CPTE ON C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA);

-- Renglones de tareas de los comprobantes de compra.
CREATE TABLE C_MV_CPTETAREAS (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE           TEXT COLLATE NOCASE NOT NULL,
    CUENTA                  TEXT COLLATE NOCASE NOT NULL,
    IDTAREA                 TEXT COLLATE NOCASE,
    Descripcion             TEXT COLLATE NOCASE,
    Horas                   FLOAT DEFAULT 0,
    ValorHora               NUMERIC(19,4) DEFAULT 0,
    valorHora_S_Iva         NUMERIC(19,4) DEFAULT 0,
    Total                   NUMERIC(19,4) DEFAULT 0,
    descripcionadicional    TEXT COLLATE NOCASE,
    FechaEstInicio          DATETIME,
    FechaEstFin             DATETIME,
    IdTecnico               TEXT COLLATE NOCASE,
    FechaREALInicio         DATETIME,
    FechaREALFin            DATETIME,
    Prioridad               INTEGER DEFAULT 0,
    Usuario                 TEXT COLLATE NOCASE,
    FHPRESENTACION          DATETIME,
    FHEMISION               DATETIME,
    NROEXP                  TEXT COLLATE NOCASE,
    FhEntrega               DATETIME
);
CREATE INDEX IX_C_MV_CPTETAREAS ON C_MV_CPTETAREAS (TC, IDCOMPROBANTE, CUENTA);

-- Renglones de artículos de los comprobantes de compra.
CREATE TABLE C_MV_CPTEINSUMOS (
    ID                  INTEGER PRIMARY KEY,
    TC                  TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE       TEXT COLLATE NOCASE NOT NULL,
    CUENTA              TEXT COLLATE NOCASE NOT NULL,
    Secuencia           INTEGER,
    IDARTICULO          TEXT COLLATE NOCASE,
    Descripcion         TEXT COLLATE NOCASE,
    PALLETS             INTEGER DEFAULT 0,
    Cantidad            FLOAT DEFAULT 0,
    Cantidadpreparada   FLOAT,
    CANTIDADAFACTURAR   FLOAT,
    Recepcion           INTEGER DEFAULT 0,
    IdUnidad            TEXT COLLATE NOCASE,
    IdUnidadBase        TEXT COLLATE NOCASE,
    CantidadUd          FLOAT,
    Equiv_UDBase        FLOAT DEFAULT 1,
    CANT_KG             FLOAT DEFAULT 0,
    CANT_M3             FLOAT DEFAULT 0,
    Cant_BL             FLOAT DEFAULT 0,
    Importe             NUMERIC(19,4) DEFAULT 0,
    Importe_S_IVA       NUMERIC(19,4) DEFAULT 0,
    Impuestos           NUMERIC(19,4) DEFAULT 0,
    iTC                 NUMERIC(19,4) DEFAULT 0,
    Total               NUMERIC(19,4) DEFAULT 0,
    TotalFinal          NUMERIC(19,4) DEFAULT 0,
    Costo               NUMERIC(19,4) DEFAULT 0,
    PorcDto             NUMERIC(19,4) DEFAULT 0,
    IdLista             TEXT COLLATE NOCASE,
    Precio_Lista        NUMERIC(19,4),
    IdDeposito          TEXT COLLATE NOCASE,
    Exento              INTEGER DEFAULT 0,
    AlicIVA             NUMERIC(19,4) DEFAULT 0,
    Presentacion        TEXT COLLATE NOCASE,
    Nro_Lote            TEXT COLLATE NOCASE,
    Nro_Serie           TEXT COLLATE NOCASE,
    ControladoPor       TEXT COLLATE NOCASE,
    IdOrigen            TEXT COLLATE NOCASE,
    CodigoArtProveedor  TEXT COLLATE NOCASE,
    Espesor             FLOAT DEFAULT 0,
    Ancho               FLOAT DEFAULT 0,
    Largo               FLOAT DEFAULT 0,
    Ud_Pr               TEXT COLLATE NOCASE,
    Importe_Ud          NUMERIC(19,4) DEFAULT 0
);
CREATE INDEX IX_C_MV_CPTEINSUMOS ON C_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, CUENTA);

-- Observaciones y otros conceptos (TIPO_OBS OC) de los comprobantes de compra.
CREATE TABLE C_MV_CPTE_Observ (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE NOT NULL,
    IDCOMPROBANTE   TEXT COLLATE NOCASE NOT NULL,
    CUENTA          TEXT COLLATE NOCASE NOT NULL,
    TIPO_OBS        TEXT COLLATE NOCASE,
    Observacion     TEXT COLLATE NOCASE,
    Importe         NUMERIC(19,4) DEFAULT 0,
    Importe_S_IVA   NUMERIC(19,4) DEFAULT 0,
    NroViaje        TEXT COLLATE NOCASE
);
CREATE INDEX IX_C_MV_CPTE_Observ ON C_MV_CPTE_Observ (TC, IDCOMPROBANTE, CUENTA);

-- Comprobantes enviados a terceros y su fecha de envío y de recepción.
CREATE TABLE V_MV_CPTETERCEROS (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE,
    Fecha           DATETIME,
    IdComprobante   TEXT COLLATE NOCASE,
    IdComplemento   INTEGER DEFAULT 0,
    Cuenta          TEXT COLLATE NOCASE,
    FECHAENVIADO    DATETIME,
    FECHARECIBIDO   DATETIME,
    Observaciones   TEXT COLLATE NOCASE
);

-- Auditoría de altas (A), modificaciones (M) y bajas (B) de comprobantes (fecha como texto dd/mm/yy hh:mm).
CREATE TABLE V_MV_CPTEACCIONES (
    ID              INTEGER PRIMARY KEY,
    TC              TEXT COLLATE NOCASE,
    IdComprobante   TEXT COLLATE NOCASE,
    IdComplemento   INTEGER DEFAULT 0,
    Tipo_accion     TEXT COLLATE NOCASE,
    FECHAHORA       TEXT COLLATE NOCASE,
    Usuario         TEXT COLLATE NOCASE,
    PC              TEXT COLLATE NOCASE,
    SYSTEMUSER      TEXT COLLATE NOCASE,
    NUMEROASIENTO   INTEGER DEFAULT 0
);

-- Aplicaciones entre comprobantes: qué comprobante se emitió desde cuál.
CREATE TABLE MV_APLICACION (
    ID                      INTEGER PRIMARY KEY,
    TC                      TEXT COLLATE NOCASE NOT NULL,
    IDComprobante           TEXT COLLATE NOCASE NOT NULL,
    IdComplemento           INTEGER DEFAULT 0,
    Tco_Origen              TEXT COLLATE NOCASE,
    IDComprobante_Origen    TEXT COLLATE NOCASE,
    IdComplemento_Origen    INTEGER DEFAULT 0,
    Fecha                   DATETIME,
    Importe                 NUMERIC(19,4) DEFAULT 0
);
CREATE INDEX IX_MV_APLICACION_Origen ON MV_APLICACION (Tco_Origen, IDComprobante_Origen);

-- Cargos aplicados a las cuentas y su saldo pendiente.
CREATE TABLE V_MV_CargosAplicados (
    ID              INTEGER PRIMARY KEY,
    CUENTA          TEXT COLLATE NOCASE NOT NULL,
    Matricula       TEXT COLLATE NOCASE,
    TC              TEXT COLLATE NOCASE,
    IDCOMPROBANTE   TEXT COLLATE NOCASE,
    Fecha           DATETIME,
    Importe         NUMERIC(19,4) DEFAULT 0,
    SALDO           NUMERIC(19,4) DEFAULT 0
);
CREATE INDEX IX_V_MV_CargosAplicados ON V_MV_CargosAplicados (CUENTA);

-- Remitos de venta no anulados ni finalizados.
CREATE VIEW V_RemitosPendientes AS SELECT * FROM V_MV_CPTE
WHERE TC = 'RM' AND ANULADA = 0 AND FINALIZADA = 0;

-- Remitos de compra no anulados ni finalizados.
CREATE VIEW C_RemitosPendientes AS SELECT * FROM C_MV_CPTE
WHERE TC = 'RMC' AND ANULADA = 0 AND FINALIZADO = 0;

-- Órdenes de trabajo no anuladas ni finalizadas.
CREATE VIEW V_OT_Pendientes AS SELECT * FROM V_MV_CPTE
WHERE TC = 'OT' AND ANULADA = 0 AND FINALIZADA = 0;

-- Presupuestos no anulados ni finalizados.
CREATE VIEW V_PR_PENDIENTES AS SELECT * FROM V_MV_CPTE
WHERE TC = 'PR' AND ANULADA = 0 AND FINALIZADA = 0;

-- Las tres vistas siguientes suman por comprobante y artículo con una subconsulta por fila
-- en lugar de GROUP BY, para que SQLite lleve las condiciones de quien las consulta
-- (comprobante y artículo) a los índices de las tablas en vez de agrupar todas sus filas.

-- Cantidad de cada artículo de un comprobante ya aplicada a comprobantes emitidos desde él.
CREATE VIEW VT_V_MV_INSUMOS_APLICACION AS SELECT DISTINCT C.TCORIGEN AS TCO_ORIGEN,
       C.COMPROBANTEORIGEN AS IDCOMPROBANTEORIGEN,
       I.IDARTICULO,
       (SELECT SUM(I2.Cantidad)
        FROM V_MV_CPTE C2
        JOIN V_MV_CPTEINSUMOS I2
          ON I2.TC = C2.TC AND I2.IDCOMPROBANTE = C2.IDCOMPROBANTE AND I2.IdComplemento = C2.IdComplemento
        WHERE C2.ANULADA = 0 AND C2.TCORIGEN = C.TCORIGEN AND C2.COMPROBANTEORIGEN = C.COMPROBANTEORIGEN
          AND I2.IDARTICULO = I.IDARTICULO) AS CantidadAplicada
FROM V_MV_CPTE C
JOIN V_MV_CPTEINSUMOS I
  ON I.TC = C.TC AND I.IDCOMPROBANTE = C.IDCOMPROBANTE AND I.IdComplemento = C.IdComplemento
WHERE C.ANULADA = 0 AND C.TCORIGEN IS NOT NULL;

-- Cantidad pedida de cada artículo de un comprobante de venta.
CREATE VIEW VT_V_MV_CPTEINSUMOS_CONS2 AS SELECT DISTINCT I.TC, I.IDCOMPROBANTE, I.IDARTICULO,
       (SELECT SUM(S.Cantidad) FROM V_MV_CPTEINSUMOS S
        WHERE S.TC = I.TC AND S.IDCOMPROBANTE = I.IDCOMPROBANTE AND S.IDARTICULO = I.IDARTICULO) AS Cantidad
FROM V_MV_CPTEINSUMOS I;

-- Cantidad de cada artículo movida en stock contra un comprobante de origen.
CREATE VIEW VT_V_MV_Stock_Cons AS SELECT DISTINCT M.Tc_Origen AS TC, M.IdComprobante_Origen AS IDCOMPROBANTE,
       M.IdArticulo AS IDARTICULO,
       (SELECT SUM(ABS(S.Cantidad)) FROM V_MV_STOCK S
        WHERE S.Tc_Origen = M.Tc_Origen AND S.IdComprobante_Origen = M.IdComprobante_Origen
          AND S.IdArticulo = M.IdArticulo) AS CANTIDAD
FROM V_MV_STOCK M
WHERE M.Tc_Origen IS NOT NULL;

------------------------------------------------------------------------------
-- Vistas restringidas para usuarios que no son administradores
-- (sin restricciones en esta base: muestran todas las filas)
------------------------------------------------------------------------------

-- Plan de cuentas visible para usuarios que no son administradores.
CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS;
-- Depósitos visibles para usuarios que no son administradores.
CREATE VIEW SS_V_TA_DEPOSITO AS SELECT * FROM V_TA_DEPOSITO;
-- Renglones de asientos visibles para usuarios que no son administradores.
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS;
-- Familias de artículos visibles para usuarios que no son administradores.
CREATE VIEW SS_V_TA_FAMILIAS AS SELECT * FROM V_TA_FAMILIAS;
-- Cajas visibles para usuarios que no son administradores.
CREATE VIEW SS_V_TA_CAJAS AS SELECT * FROM V_TA_CAJAS;
-- Saldos diarios por cuenta visibles para usuarios que no son administradores.
CREATE VIEW SS_AC_CUENTASDIARIO AS SELECT * FROM AC_CUENTASDIARIO;
-- Saldos diarios por cuenta y centro de costo visibles para usuarios que no son administradores.
CREATE VIEW SS_AC_CUENTAS_DIARIO_CCOSTO AS SELECT * FROM AC_CUENTASDIARIO_CCOSTO;
