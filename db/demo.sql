-- Datos de demostración: Farmacia San Martín S.R.L. (Córdoba), que recibe las
-- órdenes de las mutuales de sus afiliados y luego las factura a cada mutual.
-- Se carga después de schema.sql.

------------------------------------------------------------------------------
-- Usuarios y menú
------------------------------------------------------------------------------

INSERT INTO ta_usuarios (Nombre, NombreCompleto, Administrador, UNegocio, sucot, letot, Email, Activo) VALUES
    ('Vandrel', 'Administrador del sistema', 1, '   1', NULL, NULL, 'sistemas@farmaciasanmartin.com.ar', 1),
    ('mgomez',  'Gómez, María Laura',        0, '   2', NULL, NULL, 'mgomez@farmaciasanmartin.com.ar',  1);

INSERT INTO TA_MENU (Clave, Nombre, Proceso, Padre, Orden) VALUES
    ('CB04',   'Caja y Bancos',          NULL,                NULL,   4),
    ('CB0412', 'Recepción de Mutuales',  'RecepcionMutuales', 'CB04', 12);

INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES
    ('Vandrel', 'CB04'),
    ('Vandrel', 'CB0412'),
    ('mgomez',  'CB04'),
    ('mgomez',  'CB0412');

------------------------------------------------------------------------------
-- Configuración
------------------------------------------------------------------------------

INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO, DESCRIPCION) VALUES
    -- Empresa
    ('NOMBRE',     'Farmacia San Martín S.R.L.', '', 'Empresa', 0, 'Razón social'),
    ('CALLE',      'Av. General Paz',            '', 'Empresa', 0, 'Calle del domicilio'),
    ('NUMERO',     '1234',                       '', 'Empresa', 0, 'Número del domicilio'),
    ('PISO',       'PB',                         '', 'Empresa', 0, 'Piso y departamento'),
    ('LOCALIDAD',  'Córdoba (5000)',             '', 'Empresa', 0, 'Localidad y código postal'),
    ('CONDIVA',    '1',                          '', 'Empresa', 0, 'Condición de IVA de la empresa (1 Responsable Inscripto)'),
    -- Recepción de mutuales
    ('TCMUTUALES',              'MUT',    '', 'Caja y Bancos', 0, 'Tipo de comprobante de los asientos de recepción de mutuales'),
    ('CUENTAMUTUALESAFACTURAR', '1104',   '', 'Caja y Bancos', 0, 'Cuenta al debe: mutuales a facturar'),
    ('CUENTAMUTUALESAIMPUTAR',  'MUTIMP', '', 'Caja y Bancos', 0, 'Cuenta al haber: mutuales a imputar (código opcional)'),
    -- Generales
    ('CANTIDADDECIMALES',    '2',   '', 'General', 0, 'Decimales de los importes'),
    ('SS_CONFIDENCIALIDAD',  'NO',  '', 'General', 0, 'Restringe cuentas y asientos a los usuarios que no son administradores'),
    ('PERIODO',              '2026','', 'General', 0, 'Ejercicio contable en curso'),
    ('UTILIZARFECHADIA',     'NO',  '', 'General', 0, 'Usa la fecha operativa en lugar de la del servidor'),
    ('SEPARADORHORA',        ':',   '', 'General', 0, 'Separador de horas y minutos'),
    ('THEME',                '1',   '', 'General', 0, 'Estilo de los formularios'),
    ('RAZONSOCIALPORUNEG',   'NO',  '', 'General', 0, 'Una razón social por unidad de negocio'),
    ('MADERERA',             'NO',  '', 'General', 0, 'Maneja medidas de maderera'),
    ('MAD_TIRAS',            '',    '', 'General', 0, 'Unidad de tiras de maderera'),
    -- Consultas
    ('TOPCONSART',              '1000',     '', 'Consultas', 0, 'Máximo de filas de las consultas'),
    ('USACONSULTALIKE',         'NO',       '', 'Consultas', 0, 'Busca por contenido en lugar de por comienzo'),
    ('MOSTRARSTOCKENCONSULTAS', 'NO',       '', 'Consultas', 0, 'Colorea los artículos según su existencia'),
    ('STK_NIVEL1',              '32768',    '', 'Consultas', 0, 'Color: con stock y sin punto de pedido'),
    ('STK_NIVEL2',              '16711680', '', 'Consultas', 0, 'Color: stock sobre el punto de pedido'),
    ('STK_NIVEL3',              '255',      '', 'Consultas', 0, 'Color: stock bajo el punto de pedido'),
    ('STK_NIVEL4',              '8421504',  '', 'Consultas', 0, 'Color: sin stock'),
    ('NOM_PCLASE1',             'Público',  '', 'Consultas', 0, 'Nombre de la lista de precios 1'),
    ('NOM_PCLASE2',             'Mutuales', '', 'Consultas', 0, 'Nombre de la lista de precios 2'),
    -- Comprobantes y stock
    ('PIVA',                            '21',   '', 'Comprobantes', 0, 'Tasa general de IVA'),
    ('PIVAREC',                         '10.5', '', 'Comprobantes', 0, 'Tasa reducida de IVA'),
    ('LENDESCRIPCION',                  '60',   '', 'Comprobantes', 0, 'Largo máximo de la descripción de un renglón'),
    ('ASIENTOSXSTOCK',                  'NO',   '', 'Comprobantes', 0, 'Genera asientos por los movimientos de stock'),
    ('PRECIOSFINALES',                  'NO',   '', 'Comprobantes', 0, 'Los precios incluyen IVA'),
    ('DESCARGASTOCKREMITOS',            'NO',   '', 'Comprobantes', 0, 'Los remitos descargan stock'),
    ('ENTREGAPARCIALREMITO',            'NO',   '', 'Comprobantes', 0, 'Permite entregas parciales de pedidos'),
    ('PIDEDEPOSITOENCPTES',             'NO',   '', 'Comprobantes', 0, 'Pide el depósito en cada renglón'),
    ('CONFIRMAUDEQUIV',                 'NO',   '', 'Comprobantes', 0, 'Pide unidad equivalente en cada renglón'),
    ('NOMBREARTICULOS',                 'Código', '', 'Comprobantes', 0, 'Título de la columna del código de artículo'),
    ('NOMOSTRARIMPORTESENOT',           'NO',   '', 'Comprobantes', 0, 'Oculta los importes en las órdenes de trabajo'),
    ('V_LISTAPRECIOSPORITEMARTICULOS',  'NO',   '', 'Comprobantes', 0, 'Lista de precios por renglón en ventas'),
    ('V_DESCUENTOPORARTICULOS',         'NO',   '', 'Comprobantes', 0, 'Descuento por renglón en ventas'),
    ('COMPRASDESCUENTOPORARTICULO',     'NO',   '', 'Comprobantes', 0, 'Descuento por renglón en compras'),
    ('TRANSPORTECOMBUSTIBLES',          'NO',   '', 'Comprobantes', 0, 'Muestra el impuesto a los combustibles (ITC)'),
    ('FACTURANPPREPARADAS',             'NO',   '', 'Comprobantes', 0, 'Factura sólo lo preparado de los pedidos'),
    ('ORDENAPORCODIGO',                 'NO',   '', 'Comprobantes', 0, 'Ordena los renglones por código al copiar un comprobante'),
    ('USAREMITOCONTADO',                'NO',   '', 'Comprobantes', 0, 'Remitos de contado en la consulta de pendientes'),
    ('IR_OBLIG',                        'NO',   '', 'Comprobantes', 0, 'Informe de recepción obligatorio en compras'),
    ('MOTIVOSTOCKREMITO',               '2',    '', 'Stock', 0, 'Motivo de stock de los remitos'),
    ('CARGAINSUMOSPRODUCCION',          'NO',   '', 'Stock', 0, 'Carga los insumos de las órdenes de producción'),
    ('DESCARGAINSUMOSPRODUCCION',       'NO',   '', 'Stock', 0, 'Descarga los insumos de lo producido'),
    ('ART_FORMATOSERIEASTERISCO',       'NO',   '', 'Stock', 0, 'Series con formato de asterisco'),
    ('USA_STK_STOCK_UDKG',              'NO',   '', 'Stock', 0, 'Controla el stock en unidades y kilos'),
    ('UNIDADDEMEDIDA_M3',               'M3',   '', 'Stock', 0, 'Unidad de metros cúbicos'),
    ('UNIDADDEMEDIDA_BL',               'BL',   '', 'Stock', 0, 'Unidad de bultos'),
    ('UNIDADDEMEDIDA_KG',               'KG',   '', 'Stock', 0, 'Unidad de kilogramos'),
    ('DEPOSITODEFAULT',                 '1',    '', 'Stock', 0, 'Depósito por defecto'),
    ('MOTIVOSTOCKDEFAULT',              '1',    '', 'Stock', 0, 'Motivo de stock por defecto'),
    ('ASIGNACIONAUTOMATICADELOTEING',   'NO',   '', 'Stock', 0, 'Asigna lote automático en los ingresos'),
    ('ASIGNACIONAUTOMATICADELOTEINGOP', 'NO',   '', 'Stock', 0, 'Asigna lote automático en las órdenes de producción'),
    ('TALLESHABILITADOS',               'S,M,L,XL',             '', 'Stock', 0, 'Talles ofrecidos'),
    ('COLORESHABILITADOS',              'BLANCO,NEGRO,CELESTE', '', 'Stock', 0, 'Colores ofrecidos');

------------------------------------------------------------------------------
-- Contabilidad
------------------------------------------------------------------------------

INSERT INTO MV_EJERCICIOS (Periodo, Descripcion, [FECHA DESDE], [FECHA HASTA], Cerrado) VALUES
    (2026, 'Ejercicio 2026', '2026-01-01 00:00:00', '2026-12-31 00:00:00', 0),
    (2027, 'Ejercicio 2027', '2027-01-01 00:00:00', '2027-12-31 00:00:00', 0);

INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, RazonSocial, Domicilio, CUIT) VALUES
    ('   1', 'Casa Central',           'Farmacia San Martín S.R.L.', 'Av. General Paz 1234, Córdoba',  '30-71234567-9'),
    ('   2', 'Sucursal Nueva Córdoba', 'Farmacia San Martín S.R.L.', 'Bv. San Juan 845, Córdoba',      '30-71234567-9');

INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo, TipoVista, Nivel, Contacto, Domicilio, Localidad, Telefono, CUIT, CondicionIva, Dada_De_Baja) VALUES
    ('1',      NULL,     'ACTIVO',                                    1, 'CO', 1, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('11',     NULL,     'ACTIVO CORRIENTE',                          1, 'CO', 2, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1101',   'CAJA',   'Caja',                                      0, 'CB', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1102',   'BNA',    'Banco de la Nación Argentina Cta. Cte.',    0, 'CB', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1103',   NULL,     'CRÉDITOS POR VENTAS',                       1, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('110301', 'MPOL',   'Mutual Policial de Córdoba',                0, 'CL', 4, 'Sr. Ricardo Funes', 'Av. Colón 2150', 'Córdoba', '0351-4235566', '30-54678123-4', '1', 0),
    ('110302', 'AMEP',   'Asociación Mutual de Empleados Públicos',   0, 'CL', 4, 'Sra. Silvia Ledesma', 'Rivadavia 86', 'Córdoba', '0351-4221847', '30-60987456-2', '4', 0),
    ('110303', 'MDOC',   'Mutual Docente Provincial',                 0, 'CL', 4, 'Lic. Pablo Aguirre', 'Duarte Quirós 540', 'Córdoba', '0351-4119020', '30-62345871-5', '4', 0),
    ('1104',   'MUTFAC', 'Mutuales a Facturar',                       0, 'CM', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1105',   'MERC',   'Mercaderías de Reventa',                    0, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('2',      NULL,     'PASIVO',                                    1, 'CO', 1, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('21',     NULL,     'PASIVO CORRIENTE',                          1, 'CO', 2, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('2101',   NULL,     'PROVEEDORES',                               1, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('210101', 'DSUD',   'Droguería del Sud S.A.',                    0, 'PR', 4, 'Depto. Créditos', 'Ruta 9 km 695', 'Córdoba', '0351-4960100', '30-50123456-7', '1', 0),
    ('2102',   'MUTIMP', 'Mutuales a Imputar',                        0, 'CM', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('2103',   NULL,     'REMUNERACIONES A PAGAR',                    1, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('210301', 'L0012',  'Pérez, Juan Carlos (legajo 12)',            0, 'PE', 4, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('4',      NULL,     'RESULTADOS POSITIVOS',                      1, 'CO', 1, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('4101',   'VTAS',   'Ventas de Mercaderías',                     0, 'CO', 2, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('5',      NULL,     'RESULTADOS NEGATIVOS',                      1, 'CO', 1, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('5101',   'CMV',    'Costo de Mercaderías Vendidas',             0, 'CO', 2, NULL, NULL, NULL, NULL, NULL, NULL, 0);

INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES
    ('01', 'Administración'),
    ('02', 'Atención al público');

INSERT INTO MA_SUBDIARIOS (CODIGO, Descripcion) VALUES
    ('MUT ', 'Subdiario de Mutuales'),
    ('VTA ', 'Subdiario de Ventas'),
    ('STK ', 'Subdiario de Stock');

INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES
    ('MUT ', 'MUT '),
    ('FC  ', 'VTA '),
    ('NC  ', 'VTA '),
    ('CMV ', 'STK ');

------------------------------------------------------------------------------
-- Tipos de comprobante y talonarios
------------------------------------------------------------------------------

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('MUT ', 1, 'Recepción de Mutuales', 'X', 5, 1, 99999999, 1, 0, 0, NULL, 'Contable', NULL, NULL, 'D'),
    ('CMV ', 1, 'Costo de Mercaderías Vendidas', 'X', 1, 1, 99999999, 1, 0, 0, NULL, 'Contable', NULL, NULL, 'D');

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       A_ULTIMO_NRO, A_NRO_DESDE, A_NRO_HASTA, A_SUC_DEFAULT,
                       B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('FC  ', 1, 'Factura',          'AB', 126, 1, 99999999, 1, 3418, 1, 99999999, 1, 0, 0, NULL, 'VENTAS', 'S', 1,  'D'),
    ('NC  ', 1, 'Nota de Crédito',  'AB',   4, 1, 99999999, 1,   37, 1, 99999999, 1, 0, 0, NULL, 'VENTAS', 'E', -1, 'H');

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       R_ULTIMO_NRO, R_NRO_DESDE, R_NRO_HASTA, R_SUC_DEFAULT,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('RM  ', 1, 'Remito',           'RX', 58, 1, 99999999, 1, 1, 1, 99999999, 1, 0, 0, NULL, 'VENTAS', 'S', NULL, NULL),
    ('SI  ', 1, 'Stock Inicial',    'X',   0, 0, 0,        0, 2, 1, 99999999, 1, 0, 0, NULL, 'STOCK',  'E', NULL, NULL);

-- Tipos que cambian la disposición de las grillas de los comprobantes: una compra, una
-- orden de trabajo, una orden de producción, un presupuesto, una devolución a proveedor
-- (con lotes y series a la vista) y una transferencia entre depósitos.
INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('FCC ', 1, 'Factura de Compra',          'X', 0, 1, 99999999, 1, 1, 0, NULL, 'COMPRAS', 'E', 1,    'H'),
    ('OT  ', 1, 'Orden de Trabajo',           'X', 0, 1, 99999999, 1, 0, 0, NULL, 'VENTAS',  NULL, NULL, NULL),
    ('OP  ', 1, 'Orden de Producción',        'X', 0, 1, 99999999, 1, 0, 0, NULL, 'VENTAS',  'E', NULL, NULL),
    ('PR  ', 1, 'Presupuesto',                'X', 0, 1, 99999999, 1, 0, 0, NULL, 'VENTAS',  NULL, NULL, NULL),
    ('DVPE', 1, 'Devolución a Proveedor',     'X', 0, 1, 99999999, 1, 0, 0, NULL, 'COMPRAS', 'S', NULL, NULL),
    ('TR  ', 1, 'Transferencia de Depósitos', 'X', 0, 1, 99999999, 1, 0, 0, NULL, 'STOCK',   NULL, NULL, NULL);

-- Números ya emitidos de los asientos de recepción de mutuales.
INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES
    ('MUT ', '0001', '00000001', 'X'),
    ('MUT ', '0001', '00000002', 'X'),
    ('MUT ', '0001', '00000003', 'X'),
    ('MUT ', '0001', '00000004', 'X');

INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, CANTLINEAS, Formulario) VALUES
    ('FC  ', 'A', 30, 'FacturaA'),
    ('FC  ', 'B', 30, 'FacturaB');

------------------------------------------------------------------------------
-- Tablas auxiliares, artículos y stock
------------------------------------------------------------------------------

INSERT INTO V_TA_UNIDAD (IdUnidad, Nombre, Descripcion) VALUES
    ('UN  ', 'Unidad',       'Unidad'),
    ('CAJA', 'Caja',         'Caja'),
    ('KG  ', 'Kilogramo',    'Kilogramo'),
    ('BL  ', 'Bulto',        'Bulto'),
    ('M3  ', 'Metro cúbico', 'Metro cúbico');

INSERT INTO V_TA_DEPOSITO (IdDeposito, Descripcion, UnidadNegocio, Domicilio) VALUES
    ('   1', 'Depósito Casa Central',   '   1', 'Av. General Paz 1234'),
    ('   2', 'Depósito Nueva Córdoba',  '   2', 'Bv. San Juan 845');

INSERT INTO V_TA_CAJAS (IdCaja, Descripcion, UNEGOCIO, CuentaContable) VALUES
    ('   1', 'Caja Casa Central',   '   1', '1101'),
    ('   2', 'Caja Nueva Córdoba',  '   2', '1101');

INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES
    ('01',   'Medicamentos'),
    ('0101', 'Analgésicos'),
    ('0102', 'Antibióticos'),
    ('02',   'Perfumería');

INSERT INTO V_ta_Rubros (IdRubro, Descripcion) VALUES
    ('MED', 'Medicamentos'),
    ('PER', 'Perfumería');

INSERT INTO V_TA_TipoArticulo (IdTipo, Tipo, Descripcion) VALUES
    ('VL', 'VL', 'Venta libre'),
    ('BR', 'BR', 'Venta bajo receta');

INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CuentaContable) VALUES
    ('   1', 'Stock inicial',       '1105'),
    ('   2', 'Venta de mercadería', '5101');

INSERT INTO V_TA_MotivoVta (IdMotivoVta, Descripcion) VALUES
    ('   1', 'Venta mostrador');

INSERT INTO V_TA_Input_Ventas (IdMotivoVta, CUENTA_VENTAS, COSTO_MERCADERIA) VALUES
    ('   1', '4101', '5101');

INSERT INTO V_TA_VENDEDORES (IDVENDEDOR, NOMBRE, Comision) VALUES
    ('   1', 'Mostrador Casa Central', 0);

-- Codes are stored as the programs bring them to their width before they compare
-- them: a code of digits only is aligned to the right of its width (barcodes at 25
-- characters), any other code to the left.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, IdFamilia, IdRubro, idTipo,
                            Presentacion, TasaIVA, Costo, PRECIO1, PRECIO2, PUNTOPEDIDO, codigobarra,
                            CuentaContable, cuentacontableC, CodigoArtProveedor, CuentaProveedor) VALUES
    ('IBU400',  'Ibuprofeno 400 mg x 20 comprimidos',  'IBUPROF 400', 'UN  ', '0101', 'MED', 'VL', 'Caja x 20', 21, 1850,  3290, 2960, 20, '            7790001000011', '4101', '1105', 'DS10.440', '210101'),
    ('AMO500',  'Amoxicilina 500 mg x 16 comprimidos', 'AMOXI 500',   'UN  ', '0102', 'MED', 'BR', 'Caja x 16', 21, 2740,  4980, 4480, 10, '            7790001000028', '4101', '1105', NULL, NULL),
    ('ALCGEL',  'Alcohol en gel 250 ml',               'ALC GEL 250', 'UN  ', '02',   'PER', 'VL', 'Frasco',    21,  920,  1650, 1650,  0, '            7790001000035', '4101', '1105', NULL, NULL);

-- Articles with lots (a main barcode, the DUN barcode of a bulk and the barcode of a
-- box), with serials, with sizes (defaults M, BLANCO, U) and with lots and serials.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, IdFamilia, IdRubro, idTipo,
                            Presentacion, TasaIVA, Costo, PRECIO1, PRECIO2, PUNTOPEDIDO,
                            USALOTE, Perecedero, USASERIE, UsaTalle, TalleDefault, ColorDefault, SexoDefault,
                            codigobarra, CODIGOBARRADUN, UD_TTE, CODIGOBARRA1, UMCB1,
                            CuentaContable, cuentacontableC) VALUES
    ('PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'PARACET 500', 'UN  ', '0101', 'MED', 'VL', 'Caja x 10', 21,  610,  1090,  980, 50,
        1, 1, 0, 0, NULL, NULL, NULL,
        '            7790001000040', '           17790001000047', 'BL  ', '            7790001000057', 'CAJA', '4101', '1105'),
    ('TERMDIG', 'Termómetro digital',                  'TERMOM DIG',  'UN  ', '02',   'PER', 'VL', 'Unidad',    21, 5200,  8900, 8900,  5,
        0, 0, 1, 0, NULL, NULL, NULL,
        '            7790001000064', NULL, NULL, NULL, NULL, '4101', '1105'),
    ('GUANTE',  'Guantes de látex descartables',       'GUANTE LATEX','UN  ', '02',   'PER', 'VL', 'Par',       21,  180,   350,  350, 100,
        0, 0, 0, 1, 'M', 'BLANCO', 'U',
        '            7790001000071', NULL, NULL, NULL, NULL, '4101', '1105'),
    ('GLUCOM',  'Medidor de glucemia',                 'MEDIDOR GLU', 'UN  ', '02',   'PER', 'VL', 'Estuche',   21, 14500, 23900, 23900, 2,
        1, 1, 1, 0, NULL, NULL, NULL,
        '            7790001000088', NULL, NULL, NULL, NULL, '4101', '1105');

-- Unit equivalences. A row reads: one IDUNIDAD is Coeficiente IDUNIDAD_EQUIV (a box of
-- alcohol gel holds 12 bottles; a bulk of paracetamol holds 100 packs, a box 12). This is
-- the sense of ConvierteCantidadxEquiv, stock posting and the stock balances;
-- ConvierteCantidadUnidad reads the same row the other way round.
INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES
    ('ALCGEL',  'CAJA', 'UN  ', 12),
    ('PARA500', 'BL  ', 'UN  ', 100),
    ('PARA500', 'CAJA', 'UN  ', 12);

-- The purchase price list of Droguería del Sud, with its own article codes.
INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, IDARTICULOPROVEEDOR, IDUNIDAD, PRECIO, CONIVA) VALUES
    ('DSUD', 'C', 'IBU400', 'DS10.440', 'UN  ', 1850, 0),
    ('DSUD', 'C', 'AMO500', 'DS20.516', 'UN  ', 2740, 0),
    ('DSUD', 'C', 'PARA500', 'DS10.500', 'BL  ', 58000, 0);

INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, IdUnidad, Cantidad, CantidadUD, IdUnidadBase, IdMotivoStock,
                        Costo, Tc_Origen, IdComprobante_Origen, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    ('SI  ', '000100000001X', 0, 1, '2026-11-30 00:00:00', '   1', '   1', '', 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  'UN  ', 120, 120, 'UN  ', '   1', 1850, NULL, NULL, 1, '   1', '   1', 1),
    ('SI  ', '000100000001X', 0, 2, '2026-11-30 00:00:00', '   1', '   1', '', 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 'UN  ',  60,  60, 'UN  ', '   1', 2740, NULL, NULL, 1, '   1', '   1', 1),
    ('SI  ', '000100000001X', 0, 3, '2026-11-30 00:00:00', '   1', '   1', '', 'ALCGEL', 'Alcohol en gel 250 ml',               'UN  ',  45,  45, 'UN  ', '   1',  920, NULL, NULL, 1, '   1', '   1', 1);

------------------------------------------------------------------------------
-- Posiciones de almacenamiento y existencias por lote, serie, talle y posición
------------------------------------------------------------------------------

-- The shelves of the main deposit, in the order goods are put away (and taken).
INSERT INTO MA_POSICIONES (IdDeposito, IdPosicion, Descripcion, OrdenIngreso) VALUES
    ('   1', 'EST-A1', 'Estantería A, estante 1', 1),
    ('   1', 'EST-A2', 'Estantería A, estante 2', 2),
    ('   1', 'HEL-01', 'Heladera 1',              3);

-- Stock of the main deposit with its detail: paracetamol by lot at the shelves and some
-- of each lot still unshelved; thermometers by serial (TD-0004 moved from EST-A1 to the
-- fridge, TD-0005 delivered); glucose meters by lot and serial; gloves by size code.
-- Lots and serials are stored as stock posting writes them, at their width of 25, and
-- NULL where a row has none, so that these rows and posted ones net in the balances.
INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, NroLote, NroSerie, IdUnidad, Cantidad, CantidadUD, IdUnidadBase,
                        IdMotivoStock, Costo, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    ('SI  ', '000100000002X', 0, 1, '2026-11-30 00:00:00', '   1', '   1', 'EST-A1', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'L-2511                   ', NULL, 'UN  ', 4, 4, 'UN  ', '   1', 610, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 2, '2026-11-30 00:00:00', '   1', '   1', 'HEL-01', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'L-2511                   ', NULL, 'UN  ', 3, 3, 'UN  ', '   1', 610, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 3, '2026-11-30 00:00:00', '   1', '   1', '', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'L-2511                   ', NULL, 'UN  ', 2, 2, 'UN  ', '   1', 610, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 4, '2026-11-30 00:00:00', '   1', '   1', 'EST-A2', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'L-2602                   ', NULL, 'UN  ', 5, 5, 'UN  ', '   1', 610, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 5, '2026-11-30 00:00:00', '   1', '   1', '', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'L-2602                   ', NULL, 'UN  ', 6, 6, 'UN  ', '   1', 610, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 6, '2026-11-30 00:00:00', '   1', '   1', 'EST-A2', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0001                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 7, '2026-11-30 00:00:00', '   1', '   1', 'EST-A2', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0002                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 8, '2026-11-30 00:00:00', '   1', '   1', '', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0003                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 9, '2026-11-30 00:00:00', '   1', '   1', 'EST-A1', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0004                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 10, '2026-11-30 00:00:00', '   1', '   1', '', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0005                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 11, '2026-11-30 00:00:00', '   1', '   1', 'EST-A1', 'GLUCOM', 'Medidor de glucemia', 'G-24A                    ', 'GL-1001                  ', 'UN  ', 1, 1, 'UN  ', '   1', 14500, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 12, '2026-11-30 00:00:00', '   1', '   1', 'EST-A1', 'GLUCOM', 'Medidor de glucemia', 'G-24A                    ', 'GL-1002                  ', 'UN  ', 1, 1, 'UN  ', '   1', 14500, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 13, '2026-11-30 00:00:00', '   1', '   1', '', 'GLUCOM', 'Medidor de glucemia', 'G-25B                    ', 'GL-2001                  ', 'UN  ', 1, 1, 'UN  ', '   1', 14500, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 14, '2026-11-30 00:00:00', '   1', '   1', '', 'GUANTE', 'Guantes de látex descartables', 'S-BLANCO-U               ', NULL, 'UN  ', 50, 50, 'UN  ', '   1', 180, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 15, '2026-11-30 00:00:00', '   1', '   1', '', 'GUANTE', 'Guantes de látex descartables', 'M-BLANCO-U               ', NULL, 'UN  ', 80, 80, 'UN  ', '   1', 180, 1, '   1', '   1', 1),
    ('SI  ', '000100000002X', 0, 16, '2026-11-30 00:00:00', '   1', '   1', '', 'GUANTE', 'Guantes de látex descartables', 'L-CELESTE-U              ', NULL, 'UN  ', 40, 40, 'UN  ', '   1', 180, 1, '   1', '   1', 1);

-- The move of TD-0004 from a shelf to the fridge, a transfer within the main deposit.
INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IDDEPOSITO_DESTINO, IdPosicion,
                        IdArticulo, Descripcion, NroLote, NroSerie, IdUnidad, Cantidad, CantidadUD, IdUnidadBase,
                        IdMotivoStock, Costo, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    ('TR  ', '000100000001X', 0, 1, '2026-12-02 00:00:00', '   1', '   1', '   1', 'EST-A1', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0004                  ', 'UN  ', -1, -1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1),
    ('TR  ', '000100000001X', 0, 2, '2026-12-02 00:00:00', '   1', '   1', '   1', 'HEL-01', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0004                  ', 'UN  ', 1, 1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1);

INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, NroLote, NroSerie, IdUnidad, Cantidad, CantidadUD, IdUnidadBase,
                        IdMotivoStock, Costo, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    ('RM  ', '000100000001X', 0, 1, '2026-12-03 00:00:00', '   1', '   1', '', 'TERMDIG', 'Termómetro digital', NULL, 'TD-0005                  ', 'UN  ', -1, -1, 'UN  ', '   1', 5200, 1, '   1', '   1', 1);

------------------------------------------------------------------------------
-- Recepción de mutuales de diciembre de 2026
------------------------------------------------------------------------------

INSERT INTO V_MV_MUTUALES (ID, CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, FECHARECEPCION, USUARIO, UNEGOCIO, FACTURA, FECHAHORA_GRABACION) VALUES
    (1, '110301', '0001-00045872', 18540.50, 'Órdenes de farmacia noviembre - 14 recetas', '2026-12-01 00:00:00', '2026-12-01 00:00:00', 'Vandrel', '   1', '000100000125A', '2026-12-01 09:42:10'),
    (2, '110302', '0003-00012009',  7325.00, 'Recetas afiliados plan 40%',                 '2026-12-01 00:00:00', '2026-12-01 00:00:00', 'Vandrel', '   1', NULL,            '2026-12-01 09:47:55'),
    (3, '110303', 'RD-2026-11874', 12990.75, 'Orden de compra de mutual',                  '2026-12-04 00:00:00', '2026-12-04 00:00:00', 'Vandrel', '   1', NULL,            '2026-12-04 11:05:31'),
    (4, '110301', '0001-00046110',  4410.00, 'Recetas sucursal Nueva Córdoba',             '2026-12-07 00:00:00', '2026-12-07 00:00:00', 'mgomez',  '   2', NULL,            '2026-12-07 17:20:04');

-- Asientos de la recepción: mutuales a facturar contra mutuales a imputar.
INSERT INTO MV_ASIENTOS (Fecha, FechaSubDiario, VENCIMIENTO, Mes_Operativo, [NUMERO ASIENTO], Cuenta, Secuencia,
                         CabImporte, [Debe-Haber], Importe, Periodo, TC, Sucursal, Numero, Letra, Tipo_Reg, Detalle,
                         Moneda, USUARIO_LOGEADO, IdCajas, Unegocio, TC_Origen, Cpte_Origen, CuentaOrigen, FechaHora_Grabacion)
VALUES
    ('2026-12-01 00:00:00', '2026-12-01 00:00:00', '2026-12-01 00:00:00', 12, 1, '1104', 1, 18540.50, 'D', 18540.50, 2026, 'MUT', '0001', '00000001', 'X', 'MUT ', 'Órdenes de farmacia noviembre - 14 recetas', '1', 'Vandrel', '1', '   1', 'Mutl', '0001-00045872', '110301', '2026-12-01 09:42:10'),
    ('2026-12-01 00:00:00', '2026-12-01 00:00:00', '2026-12-01 00:00:00', 12, 1, '2102', 2, 18540.50, 'H', 18540.50, 2026, 'MUT', '0001', '00000001', 'X', 'MUT ', 'Órdenes de farmacia noviembre - 14 recetas', '1', 'Vandrel', '1', '   1', 'Mutl', '0001-00045872', '110301', '2026-12-01 09:42:10'),
    ('2026-12-01 00:00:00', '2026-12-01 00:00:00', '2026-12-01 00:00:00', 12, 2, '1104', 1,  7325.00, 'D',  7325.00, 2026, 'MUT', '0001', '00000002', 'X', 'MUT ', 'Recetas afiliados plan 40%', '1', 'Vandrel', '1', '   1', 'Mutl', '0003-00012009', '110302', '2026-12-01 09:47:55'),
    ('2026-12-01 00:00:00', '2026-12-01 00:00:00', '2026-12-01 00:00:00', 12, 2, '2102', 2,  7325.00, 'H',  7325.00, 2026, 'MUT', '0001', '00000002', 'X', 'MUT ', 'Recetas afiliados plan 40%', '1', 'Vandrel', '1', '   1', 'Mutl', '0003-00012009', '110302', '2026-12-01 09:47:55'),
    ('2026-12-04 00:00:00', '2026-12-04 00:00:00', '2026-12-04 00:00:00', 12, 3, '1104', 1, 12990.75, 'D', 12990.75, 2026, 'MUT', '0001', '00000003', 'X', 'MUT ', 'Orden de compra de mutual', '1', 'Vandrel', '1', '   1', 'Mutl', 'RD-2026-11874', '110303', '2026-12-04 11:05:31'),
    ('2026-12-04 00:00:00', '2026-12-04 00:00:00', '2026-12-04 00:00:00', 12, 3, '2102', 2, 12990.75, 'H', 12990.75, 2026, 'MUT', '0001', '00000003', 'X', 'MUT ', 'Orden de compra de mutual', '1', 'Vandrel', '1', '   1', 'Mutl', 'RD-2026-11874', '110303', '2026-12-04 11:05:31'),
    ('2026-12-07 00:00:00', '2026-12-07 00:00:00', '2026-12-07 00:00:00', 12, 4, '1104', 1,  4410.00, 'D',  4410.00, 2026, 'MUT', '0001', '00000004', 'X', 'MUT ', 'Recetas sucursal Nueva Córdoba', '1', 'mgomez', '2', '   2', 'Mutl', '0001-00046110', '110301', '2026-12-07 17:20:04'),
    ('2026-12-07 00:00:00', '2026-12-07 00:00:00', '2026-12-07 00:00:00', 12, 4, '2102', 2,  4410.00, 'H',  4410.00, 2026, 'MUT', '0001', '00000004', 'X', 'MUT ', 'Recetas sucursal Nueva Córdoba', '1', 'mgomez', '2', '   2', 'Mutl', '0001-00046110', '110301', '2026-12-07 17:20:04');

-- Factura a la Mutual Policial que tomó la recepción del 1 de diciembre.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, USUARIO, FechaHora_Grabacion)
VALUES
    ('FC  ', '000100000125A', 0, '2026-12-05 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 18540.50, '   1', 1,
     0, 1, 1, 'Facturación de órdenes de noviembre', '   1', 'Vandrel', '2026-12-05 10:15:00');

INSERT INTO V_MV_CPTE_Observ (TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, Observacion, Importe, Importe_S_IVA) VALUES
    ('FC  ', '000100000125A', 0, 'OC', '1104 Mutuales a Facturar - recepción 01/12/2026', 18540.50, 18540.50);

------------------------------------------------------------------------------
-- Comprobantes guardados para copiar en otros: un pedido con su remito parcial y
-- sus facturas (una anulada), un presupuesto en dólares, una orden de trabajo, una
-- factura, un remito y una orden de compra de un proveedor, un pedido de la serie
-- especial 9999 sin impuestos internos ni IVA en sus importes, y los cargos
-- aplicados a las cuentas de las mutuales. Los ID de esta sección van de 2500 en
-- adelante.
------------------------------------------------------------------------------

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('NP  ', 1, 'Nota de Pedido',     'X', 45, 1, 99999999, 1, 0, 0, NULL, 'VENTAS',  NULL, NULL, NULL),
    ('RMC ', 1, 'Remito de Compra',   'X',  0, 1, 99999999, 1, 0, 0, NULL, 'COMPRAS', 'E',  NULL, NULL),
    ('OC  ', 1, 'Orden de Compra',    'X',  0, 1, 99999999, 1, 0, 0, NULL, 'COMPRAS', NULL, NULL, NULL);

INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       A_ULTIMO_NRO, A_NRO_DESDE, A_NRO_HASTA, A_SUC_DEFAULT,
                       B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('FP  ', 1, 'Factura de Pedido', 'AB', 0, 1, 99999999, 1, 0, 1, 99999999, 1, 0, 0, NULL, 'VENTAS', 'S', 1, 'D');

-- Las facturas de pedido A entran en hojas de dos renglones de artículos.
INSERT INTO TA_CONFIG_IMP_CPTE (ID, TC, LETRA, CANTLINEAS, Formulario) VALUES
    (2500, 'FP  ', 'A', 2, 'FacturaPedidoA');

INSERT INTO V_TA_TAREAS (IdTarea, Descripcion, ValorHora) VALUES
    ('ENTDOM', 'Entrega a domicilio',          1500),
    ('APLINY', 'Aplicación de inyectable',     1200),
    ('CTRLPA', 'Control de presión arterial',   800),
    ('FLETE',  'Flete de mercadería',          5000);

INSERT INTO V_TA_TECNICOS (IDTECNICO, NOMBRE) VALUES
    ('   1', 'Funes, Diego (cadete)'),
    ('   2', 'Ledesma, Carla (enfermera)');

-- Jarabe con impuestos internos.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, IdFamilia, IdRubro, idTipo,
                            Presentacion, TasaIVA, Impuestos, Costo, PRECIO1, PRECIO2, PUNTOPEDIDO, codigobarra,
                            CuentaContable, cuentacontableC) VALUES
    ('JARAB1', 'Jarabe para la tos 120 ml', 'JARABE TOS', 'UN  ', '01', 'MED', 'VL', 'Frasco 120 ml', 21, 1.5, 60, 100, 100, 0,
     '            7790001000042', '4101', '1105');

-- Pedido 0001-00000045 de la Mutual Policial: tres artículos (el alcohol en gel por
-- caja), una entrega a domicilio y dos otros conceptos, el primero con su cuenta.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2500, 'NP  ', '000100000045X', 0, '2026-12-02 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 105235, '   1', 1,
     -1, 0, 1, 0, 'Pedido de botiquines de la sede Colón', '   1', '   1', 'Vandrel', '2026-12-02 10:20:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, PALLETS, Cantidad,
                              IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdLista,
                              IdDeposito, Exento, AlicIVA, Presentacion)
VALUES
    (2500, 'NP  ', '000100000045X', 0, 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  2, 10, 'UN  ', 'UN  ', 10, 1,
     3290, 2719.0083, 32900, '   1', '   1', 0, 21, 'Caja x 20'),
    (2501, 'NP  ', '000100000045X', 0, 2, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 1,  6, 'UN  ', 'UN  ',  6, 1,
     4980, 4115.7025, 29880, '   1', '   1', 0, 21, 'Caja x 16'),
    (2502, 'NP  ', '000100000045X', 0, 3, 'ALCGEL', 'Alcohol en gel 250 ml x 12',          3,  2, 'CAJA', 'UN  ', 24, 12,
     19800, 16363.6364, 39600, '   1', '   1', 0, 21, 'Caja x 12 frascos');

INSERT INTO V_MV_CPTETAREAS (ID, TC, IDCOMPROBANTE, IdComplemento, IDTAREA, Descripcion, Horas, ValorHora, valorHora_S_Iva, Total,
                             descripcionadicional, FechaEstInicio, FechaEstFin, IdTecnico, FechaREALInicio, FechaREALFin,
                             Prioridad, Usuario, FHPRESENTACION, FHEMISION, NROEXP, FhEntrega)
VALUES
    (2500, 'NP  ', '000100000045X', 0, 'ENTDOM', 'Entrega a domicilio   ', 90, 1500, 1239.6694, 2250,
     'Av. Colón 2150, 3er piso', '2026-12-03 09:00:00', '2026-12-03 10:30:00', '   1', NULL, NULL,
     2, 'Vandrel', NULL, NULL, 'EXP-1207  ', '2026-12-03 00:00:00');

INSERT INTO V_MV_CPTE_Observ (ID, TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, Observacion, Importe, Importe_S_IVA, NroViaje) VALUES
    (2500, 'NP  ', '000100000045X', 0, 'OB', 'Entregar por la tarde en la mesa de entradas', 0, 0, NULL),
    (2501, 'NP  ', '000100000045X', 0, 'OC', '4101 Recargo por entrega fuera de horario', 1210, 1000, NULL),
    (2502, 'NP  ', '000100000045X', 0, 'OC', '  Bonificación por pago de contado', -605, -500, NULL);

-- Remito 0001-00000057 con la entrega parcial del pedido y sus salidas de stock.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, TCORIGEN, COMPROBANTEORIGEN, COMPLEMENTOORIGEN,
                       UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2501, 'RM  ', '000100000057R', 0, '2026-12-03 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 62840, '   1', 1,
     0, 0, 1, 0, 'Entrega parcial del pedido 0001-00000045', 'NP  ', '000100000045X', 0, '   1', '   1', 'Vandrel',
     '2026-12-03 09:05:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, PALLETS, Cantidad,
                              IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdLista,
                              IdDeposito, Exento, AlicIVA, Presentacion)
VALUES
    (2503, 'RM  ', '000100000057R', 0, 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  0, 4, 'UN  ', 'UN  ',  4, 1,
     3290, 2719.0083, 13160, '   1', '   1', 0, 21, 'Caja x 20'),
    (2504, 'RM  ', '000100000057R', 0, 2, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 0, 6, 'UN  ', 'UN  ',  6, 1,
     4980, 4115.7025, 29880, '   1', '   1', 0, 21, 'Caja x 16'),
    (2505, 'RM  ', '000100000057R', 0, 3, 'ALCGEL', 'Alcohol en gel 250 ml x 12',          0, 1, 'CAJA', 'UN  ', 12, 12,
     19800, 16363.6364, 19800, '   1', '   1', 0, 21, 'Caja x 12 frascos');

INSERT INTO V_MV_STOCK (ID, TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, IdUnidad, Cantidad, CantidadUD, IdUnidadBase, IdMotivoStock,
                        Costo, Tc_Origen, IdComprobante_Origen, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    (2500, 'RM  ', '000100000057R', 0, 1, '2026-12-03 00:00:00', '   1', '   1', '', 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  'UN  ', -4,  -4, 'UN  ', '   2', 1850, 'NP  ', '000100000045X',  1, '   1', '   1', 1),
    (2501, 'RM  ', '000100000057R', 0, 2, '2026-12-03 00:00:00', '   1', '   1', '', 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 'UN  ', -6,  -6, 'UN  ', '   2', 2740, 'NP  ', '000100000045X',  1, '   1', '   1', 1),
    (2502, 'RM  ', '000100000057R', 0, 3, '2026-12-03 00:00:00', '   1', '   1', '', 'ALCGEL', 'Alcohol en gel 250 ml x 12',          'CAJA', -1, -12, 'UN  ', '   2',  920, 'NP  ', '000100000045X', 12, '   1', '   1', 1);

-- Facturas: la del remito, y una del pedido que se anuló.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, TCORIGEN, COMPROBANTEORIGEN, COMPLEMENTOORIGEN,
                       UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2502, 'FC  ', '000100000118A', 0, '2026-12-04 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 62840, '   1', 1,
     0, 0, 1, 1, 'Factura del remito 0001-00000057', 'RM  ', '000100000057R', 0, '   1', '   1', 'Vandrel',
     '2026-12-04 11:30:00'),
    (2503, 'FC  ', '000100000119A', 0, '2026-12-04 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 105235, '   1', 1,
     0, 1, 1, 0, 'Anulada: se factura por remito', 'NP  ', '000100000045X', 0, '   1', '   1', 'Vandrel',
     '2026-12-04 11:10:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, PALLETS, Cantidad,
                              IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdLista,
                              IdDeposito, Exento, AlicIVA, Presentacion)
VALUES
    (2506, 'FC  ', '000100000118A', 0, 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  0, 4, 'UN  ', 'UN  ',  4, 1,
     3290, 2719.0083, 13160, '   1', '   1', 0, 21, 'Caja x 20'),
    (2507, 'FC  ', '000100000118A', 0, 2, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 0, 6, 'UN  ', 'UN  ',  6, 1,
     4980, 4115.7025, 29880, '   1', '   1', 0, 21, 'Caja x 16'),
    (2508, 'FC  ', '000100000118A', 0, 3, 'ALCGEL', 'Alcohol en gel 250 ml x 12',          0, 1, 'CAJA', 'UN  ', 12, 12,
     19800, 16363.6364, 19800, '   1', '   1', 0, 21, 'Caja x 12 frascos');

-- Presupuesto en dólares (cotización 1050) a la mutual de empleados públicos, con una
-- aplicación de inyectables y dos otros conceptos: uno por el código opcional de su
-- cuenta y otro que empieza con una cuenta título.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2504, 'PR  ', '000100000003X', 0, '2026-12-05 00:00:00', '110302', 'Asociación Mutual de Empleados Públicos', '4', 64.5,
     '   2', 1050, 0, 0, 0, 0, 'Campaña de vacunación antigripal', '   1', '   1', 'mgomez', '2026-12-05 16:40:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, PALLETS, Cantidad,
                              IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdLista,
                              IdDeposito, Exento, AlicIVA, Presentacion)
VALUES
    (2509, 'PR  ', '000100000003X', 0, 1, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 0, 2, 'UN  ', 'UN  ', 2, 1,
     4.75, 3.9256, 9.5, '   2', '   1', 0, 21, 'Caja x 16');

INSERT INTO V_MV_CPTETAREAS (ID, TC, IDCOMPROBANTE, IdComplemento, IDTAREA, Descripcion, Horas, ValorHora, valorHora_S_Iva, Total,
                             descripcionadicional, FechaEstInicio, FechaEstFin, IdTecnico, FechaREALInicio, FechaREALFin,
                             Prioridad, Usuario, FHPRESENTACION, FHEMISION, NROEXP, FhEntrega)
VALUES
    (2501, 'PR  ', '000100000003X', 0, 'APLINY', 'Aplicación de inyectable', 150, 12, 9.9174, 30,
     'Vacuna antigripal, 40 afiliados', '2026-12-10 08:00:00', '2026-12-10 10:30:00', '   2', NULL, NULL,
     1, 'mgomez', '2026-12-05 00:00:00', '2026-12-05 00:00:00', 'PR-77', NULL);

INSERT INTO V_MV_CPTE_Observ (ID, TC, IDCOMPROBANTE, IdComplemento, TIPO_OBS, Observacion, Importe, Importe_S_IVA, NroViaje) VALUES
    (2503, 'PR  ', '000100000003X', 0, 'OC', 'VTAS Servicio de vacunación en la sede', 18.15, 15, NULL),
    (2504, 'PR  ', '000100000003X', 0, 'OC', '1103 Ajuste de saldo anterior', 6.05, 5, NULL);

-- Orden de trabajo de controles en la sede de la Mutual Policial: tres tareas.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2505, 'OT  ', '000100000007X', 0, '2026-12-07 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 3416.67, '   1', 1,
     0, 0, 1, 0, 'Jornada de controles en la sede Colón', '   1', '   1', 'mgomez', '2026-12-07 08:15:00');

INSERT INTO V_MV_CPTETAREAS (ID, TC, IDCOMPROBANTE, IdComplemento, IDTAREA, Descripcion, Horas, ValorHora, valorHora_S_Iva, Total,
                             descripcionadicional, FechaEstInicio, FechaEstFin, IdTecnico, FechaREALInicio, FechaREALFin,
                             Prioridad, Usuario, FHPRESENTACION, FHEMISION, NROEXP, FhEntrega)
VALUES
    (2502, 'OT  ', '000100000007X', 0, 'CTRLPA', 'Control de presión arterial', 120, 800, 661.157, 1600,
     'Turno mañana', '2026-12-09 08:00:00', '2026-12-09 10:00:00', '   2', '2026-12-09 08:10:00', '2026-12-09 10:05:00',
     1, 'mgomez', '2026-12-07 00:00:00', '2026-12-07 00:00:00', 'OT-0007   ', '2026-12-09 00:00:00'),
    (2503, 'OT  ', '000100000007X', 0, 'APLINY', 'Aplicación de inyectable', 45, 1200, 991.7355, 900,
     NULL, '2026-12-09 10:00:00', '2026-12-09 10:45:00', '   2', NULL, NULL,
     3, 'mgomez', NULL, NULL, 'OT-0007   ', NULL),
    (2504, 'OT  ', '000100000007X', 0, 'ENTDOM', 'Entrega a domicilio', 30, 1500, 1239.6694, 750,
     'Retiro de residuos', '2026-12-09 11:00:00', '2026-12-09 11:30:00', '   1', NULL, NULL,
     NULL, 'Vandrel', NULL, NULL, NULL, NULL);

-- Compras a la Droguería del Sud: factura con un flete, remito y orden de compra.
INSERT INTO C_MV_CPTE (ID, TC, IDCOMPROBANTE, CUENTA, SUCURSAL, NUMERO, LETRA, IdComplemento, FECHA, NOMBRE, CondicionIva, Importe,
                       Moneda, Cotizacion, IdReparto, ANULADA, APROBADO, FINALIZADO, OBSERVACIONES, comentarios, UNEGOCIO,
                       USUARIO, FechaHora_Grabacion)
VALUES
    (2500, 'FCC ', '000100004512A', '210101', '0001', '00004512', 'A', 0, '2026-11-28 00:00:00', 'Droguería del Sud S.A.', '1',
     195870, '   1', 1, 7, 0, 1, 0, 'Reposición mensual', NULL, '   1', 'Vandrel', '2026-11-28 15:00:00'),
    (2501, 'RMC ', '000100003310R', '210101', '0001', '00003310', 'R', 0, '2026-11-28 00:00:00', 'Droguería del Sud S.A.', '1',
     0, '   1', 1, 0, 0, 1, 0, 'Entrega de la reposición mensual', NULL, '   1', 'Vandrel', '2026-11-28 14:30:00'),
    (2502, 'OC  ', '000100000021X', '210101', '0001', '00000021', 'X', 0, '2026-11-20 00:00:00', 'Droguería del Sud S.A.', '1',
     188000, '   1', 1, 0, 0, 1, 0, NULL, 'Reposición mensual', '   1', 'Vandrel', '2026-11-20 12:00:00');

INSERT INTO C_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, CUENTA, Secuencia, IDARTICULO, Descripcion, Cantidad, IdUnidad, IdUnidadBase,
                              CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdDeposito, Exento, AlicIVA,
                              CodigoArtProveedor)
VALUES
    (2500, 'FCC ', '000100004512A', '210101', 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  50, 'UN  ', 'UN  ', 50, 1,
     2238.5, 1850, 111925, '   1', 0, 21, 'DS10.440'),
    (2501, 'FCC ', '000100004512A', '210101', 2, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 25, 'UN  ', 'UN  ', 25, 1,
     3315.4, 2740, 82885, '   1', 0, 21, 'DS20.516'),
    (2502, 'RMC ', '000100003310R', '210101', 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  50, 'UN  ', 'UN  ', 50, 1,
     0, 0, 0, '   1', 0, 21, 'DS10.440'),
    (2503, 'RMC ', '000100003310R', '210101', 2, 'AMO500', 'Amoxicilina 500 mg x 16 comprimidos', 25, 'UN  ', 'UN  ', 25, 1,
     0, 0, 0, '   1', 0, 21, 'DS20.516'),
    (2504, 'OC  ', '000100000021X', '210101', 1, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  50, 'UN  ', 'UN  ', 50, 1,
     2238.5, 1850, 111925, '   1', 0, 21, 'DS10.440'),
    (2505, 'OC  ', '000100000021X', '210101', 2, 'ALCGEL', 'Alcohol en gel 250 ml',               60, 'UN  ', 'UN  ', 60, 1,
     1268.45, 1048.3, 76107, '   1', 0, 21, NULL);

INSERT INTO C_MV_CPTETAREAS (ID, TC, IDCOMPROBANTE, CUENTA, IDTAREA, Descripcion, Horas, ValorHora, valorHora_S_Iva, Total,
                             descripcionadicional, FechaEstInicio, IdTecnico, Prioridad, Usuario, NROEXP)
VALUES
    (2500, 'FCC ', '000100004512A', '210101', 'FLETE', 'Flete de mercadería', 60, 1060, 876.0331, 1060,
     'Ruta 9, entrega en depósito', '2026-11-28 13:00:00', '   1', 1, 'Vandrel', 'FL-12');

INSERT INTO C_MV_CPTE_Observ (ID, TC, IDCOMPROBANTE, CUENTA, TIPO_OBS, Observacion, Importe, Importe_S_IVA, NroViaje) VALUES
    (2500, 'FCC ', '000100004512A', '210101', 'OC', '5101 Diferencia de precio acordada', -2420, -2000, NULL);

-- Pedidos de la serie especial 9999 (tomados por teléfono): sin impuestos internos y,
-- con precios finales, sin el IVA en el importe de los renglones gravados.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2506, 'NP  ', '999900000001X', 0, '2026-12-08 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 0, '   1', 1,
     0, 0, 0, 0, 'Pedido telefónico', '   1', '   1', 'mgomez', '2026-12-08 09:40:00'),
    (2507, 'NP  ', '999900000002X', 0, '2026-12-08 00:00:00', '110302', 'Asociación Mutual de Empleados Públicos', '4', 0, '   1', 1,
     0, 0, 0, 0, 'Pedido telefónico', '   1', '   1', 'mgomez', '2026-12-08 09:55:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, Cantidad, IdUnidad,
                              IdUnidadBase, Importe, Importe_S_IVA, Impuestos, Total, IdDeposito, Exento, AlicIVA)
VALUES
    (2510, 'NP  ', '999900000001X', 0, 1, 'JARAB1', 'Jarabe para la tos 120 ml',           3, 'UN  ', 'UN  ',  100,  100,     0,   300, '   1', 0, 21),
    (2511, 'NP  ', '999900000001X', 0, 2, 'ALCGEL', 'Alcohol en gel 250 ml',               2, 'UN  ', 'UN  ', 1650, 1363.6364, 0, 3300, '   1', 0, 21),
    (2512, 'NP  ', '999900000001X', 0, 3, 'IBU400', 'Ibuprofeno 400 mg x 20 comprimidos',  1, 'UN  ', 'UN  ', 3000, 3000,     0,  3000, '   1', 1, 0),
    (2513, 'NP  ', '999900000002X', 0, 1, 'JARAB1', 'Jarabe para la tos 120 ml',           2, 'UN  ', 'UN  ',  100,  100,     0,   200, '   1', 0, 21);

-- Cargos aplicados a las cuentas de las mutuales, con su saldo pendiente.
INSERT INTO V_MV_CargosAplicados (ID, CUENTA, Matricula, TC, IDCOMPROBANTE, Fecha, Importe, SALDO) VALUES
    (2500, '110301', 'MP-4410', 'FC  ', '000100000118A', '2026-12-04 00:00:00', 12050.5, 12050.5),
    (2501, '110301', 'MP-4410', 'NC  ', '000100000004A', '2026-12-06 00:00:00', -2050.5, -2050.5),
    (2502, '110302', 'AM-0173', 'FC  ', '000100003418B', '2026-11-30 00:00:00', 3200, 3200);

------------------------------------------------------------------------------
-- Stock y sus asientos: tipos de comprobante de stock, motivos con sus cuentas,
-- un botiquín armado con componentes, un artículo de elaboración propia y sus
-- insumos (con su propia cuenta de stock), y los lotes del paracetamol. Los asientos
-- de stock quedan apagados (ASIENTOSXSTOCK); las pruebas los encienden.
------------------------------------------------------------------------------

INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo, TipoVista, Nivel, Contacto, Domicilio, Localidad, Telefono, CUIT, CondicionIva, Dada_De_Baja) VALUES
    ('1106',   'MPRIM',  'Materias Primas y Envases',                 0, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1107',   'COMOD',  'Mercaderías Entregadas en Comodato',        0, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('1108',   'TRANS',  'Mercaderías en Tránsito',                   0, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('110304', 'CDIS',   'Centro de Distribución Córdoba',            0, 'CL', 4, 'Sr. Hugo Bustos', 'Ruta 19 km 7', 'Córdoba', '0351-4998877', '30-71234567-9', '1', 0),
    ('2104',   'RECEP',  'Mercaderías Recibidas a Facturar',          0, 'CO', 3, NULL, NULL, NULL, NULL, NULL, NULL, 0),
    ('5102',   'DIFINV', 'Diferencias de Inventario',                 0, 'CO', 2, NULL, NULL, NULL, NULL, NULL, NULL, 0);

-- Los comprobantes de stock se registran en el subdiario de stock.
INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES
    ('RM  ', 'STK '),
    ('RMC ', 'STK '),
    ('IR  ', 'STK '),
    ('AJP ', 'STK '),
    ('AJN ', 'STK '),
    ('TR  ', 'STK '),
    ('OP  ', 'STK '),
    ('PE  ', 'STK '),
    ('SI  ', 'STK ');

-- Sin ES: el signo de stock sale de la lista de cada tipo. PE numera los partes internos
-- con los que se descargan los insumos de lo elaborado.
INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS,
                       X_ULTIMO_NRO, X_NRO_DESDE, X_NRO_HASTA, X_SUC_DEFAULT,
                       Modificanumeracion, Externo, UNEGOCIO, SISTEMA, ES, Signo, DebeHaber)
VALUES
    ('PE  ', 1, 'Parte de Elaboración (insumos)', 'X', 0, 1, 99999999, 1, 0, 0, NULL, 'STOCK',   NULL, NULL, NULL),
    ('AJP ', 1, 'Ajuste Positivo de Stock',       'X', 0, 1, 99999999, 1, 0, 0, NULL, 'STOCK',   NULL, NULL, NULL),
    ('AJN ', 1, 'Ajuste Negativo de Stock',       'X', 0, 1, 99999999, 1, 0, 0, NULL, 'STOCK',   NULL, NULL, NULL),
    ('IR  ', 1, 'Informe de Recepción',           'X', 0, 1, 99999999, 1, 0, 0, NULL, 'COMPRAS', NULL, NULL, NULL);

-- La cuenta de cada motivo es la contrapartida del asiento de stock.
INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CuentaContable) VALUES
    ('   3', 'Entrega en comodato',                     '1107'),
    ('   4', 'Transferencia al centro de distribución', '1108'),
    ('   5', 'Recepción de órdenes de compra',          '2104'),
    ('   6', 'Ajuste de inventario',                    '5102'),
    ('   7', 'Elaboración propia',                      '1106');

INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO, DESCRIPCION) VALUES
    ('MOTIVOSTOCKCOMODATO',       '3',      '', 'Stock', 0, 'Motivo de stock de los remitos en comodato'),
    ('MOTIVOSTOCKTRANSFERENCIAS', '4',      '', 'Stock', 0, 'Motivo de stock de las transferencias al centro de distribución'),
    ('MOTIVOSTOCKRECEPCIONOC',    '5',      '', 'Stock', 0, 'Motivo de stock de la recepción de órdenes de compra'),
    ('CUENTACTRODIST',            '110304', '', 'Stock', 0, 'Cuenta del centro de distribución');

-- Un botiquín armado con tres componentes (el paracetamol tiene lotes) y un alcohol
-- fraccionado en la farmacia, con sus insumos en la cuenta de materias primas.
INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, IdFamilia, IdRubro, idTipo,
                            Presentacion, TasaIVA, Costo, PRECIO1, PRECIO2, PUNTOPEDIDO, PROCEDENCIA,
                            CuentaContable, cuentacontableC) VALUES
    ('BOTIQ',   'Botiquín de primeros auxilios',     'BOTIQUIN',    'UN  ', '02', 'PER', 'VL', 'Estuche', 21, 4200, 7900, 7900,  5, NULL,         '4101', '1105'),
    ('ALC70',   'Alcohol al 70% fraccionado 500 ml', 'ALCOHOL 70',  'UN  ', '02', 'PER', 'VL', 'Frasco',  21,  780, 1390, 1390, 10, 'PRODUCCION', '4101', '1105'),
    ('ALCETIL', 'Alcohol etílico 96° a granel',      'ALC ETILICO', 'KG  ', '02', 'PER', 'VL', 'Bidón',   21, 1500,    0,    0,  0, NULL,         '4101', '1106'),
    ('FRA500',  'Frasco PET 500 ml con tapa',        'FRASCO 500',  'UN  ', '02', 'PER', 'VL', 'Unidad',  21,  120,    0,    0,  0, NULL,         '4101', '1106');

INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES
    ('BOTIQ', 'ALCGEL',  'UN  ', 1),
    ('BOTIQ', 'GUANTE',  'UN  ', 2),
    ('BOTIQ', 'PARA500', 'UN  ', 1),
    ('ALC70', 'ALCETIL', 'KG  ', 0.4),
    ('ALC70', 'FRA500',  'UN  ', 1);

-- Stock inicial de los lotes del paracetamol y de los insumos (lotes al largo de 25).
INSERT INTO V_MV_STOCK (TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, NroLote, IdUnidad, Cantidad, CantidadUD, IdUnidadBase, IdMotivoStock,
                        Costo, Tc_Origen, IdComprobante_Origen, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA, ARTCOTIZACION)
VALUES
    ('SI  ', '000100000001X', 0, 4, '2026-11-30 00:00:00', '   1', '   1', '', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'P2611A                   ', 'UN  ',  10,  10, 'UN  ', '   1',  610, NULL, NULL, 1, '   1', '   1', 1),
    ('SI  ', '000100000001X', 0, 5, '2026-11-30 00:00:00', '   1', '   1', '', 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 'P2612B                   ', 'UN  ',   5,   5, 'UN  ', '   1',  610, NULL, NULL, 1, '   1', '   1', 1),
    ('SI  ', '000100000001X', 0, 6, '2026-11-30 00:00:00', '   1', '   1', '', 'FRA500',  'Frasco PET 500 ml con tapa',          NULL,                        'UN  ', 200, 200, 'UN  ', '   1',  120, NULL, NULL, 1, '   1', '   1', 1),
    ('SI  ', '000100000001X', 0, 7, '2026-11-30 00:00:00', '   1', '   1', '', 'ALCETIL', 'Alcohol etílico 96° a granel',        NULL,                        'KG  ',  50,  50, 'KG  ', '   1', 1500, NULL, NULL, 1, '   1', '   1', 1);

-- Comprobantes para la consulta de comprobantes: lo que cada grupo lista y los
-- comprobantes de arriba no cubren. Un pedido ya preparado y un presupuesto
-- aprobado de la Mutual Docente; una factura de pedido; dos comprobantes enviados a
-- terceros; una nota de crédito de proveedor registrada en el diario; una orden de
-- compra de termómetros con garantía, recibida en parte en el depósito de Nueva
-- Córdoba, y un remito de esos termómetros que llevó el transporte y ya se facturó.
-- Los ID de esta sección van de 2700 en adelante; sólo el termómetro tiene stock aquí.
------------------------------------------------------------------------------

INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, IdFamilia, IdRubro, idTipo,
                            Presentacion, TasaIVA, Costo, PRECIO1, PRECIO2, PUNTOPEDIDO, codigobarra,
                            CuentaContable, cuentacontableC) VALUES
    ('TERMO1', 'Termómetro digital de punta flexible', 'TERMOMETRO', 'UN  ', '02', 'PER', 'VL', 'Blíster', 21, 6200,
     11500, 10900, 5, '7790001000059', '4101', '1105');

INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, comentarios, FechaPreparacion, UNEGOCIO, IdVendedor,
                       USUARIO, FechaHora_Grabacion)
VALUES
    -- Pedido preparado en el depósito, todavía sin aprobar.
    (2700, 'NP  ', '000100000046X', 0, '2026-12-09 00:00:00', '110303', 'Mutual Docente Provincial', '4', 23000, '   1', 1,
     0, 0, 0, 'Termómetros para las escuelas de Capital', NULL, '2026-12-10 08:30:00', '   2', '   1', 'mgomez',
     '2026-12-09 17:45:00'),
    -- Presupuesto aprobado, pendiente de facturar.
    (2701, 'PR  ', '000100000004X', 0, '2026-12-06 00:00:00', '110303', 'Mutual Docente Provincial', '4', 34500, '   1', 1,
     0, 1, 0, NULL, 'Botiquines escolares, validez 15 días', NULL, '   1', '   1', 'mgomez', '2026-12-06 12:05:00'),
    -- Factura de pedido por el anticipo de la Mutual Policial.
    (2702, 'FP  ', '000100000001A', 0, '2026-12-08 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 50000, '   1', 1,
     0, 1, 0, 'Anticipo del pedido 0001-00000045', NULL, NULL, '   1', '   1', 'Vandrel', '2026-12-08 10:00:00'),
    -- Remito de termómetros que llevó el transporte, y su factura.
    (2703, 'RM  ', '000100000058R', 0, '2026-12-09 00:00:00', '110303', 'Mutual Docente Provincial', '4', 23000, '   1', 1,
     0, 1, 1, 'Entrega por transporte, escuela Alberdi', NULL, NULL, '   2', '   1', 'mgomez', '2026-12-09 15:10:00'),
    (2704, 'FC  ', '000100000120A', 0, '2026-12-10 00:00:00', '110303', 'Mutual Docente Provincial', '4', 23000, '   1', 1,
     0, 1, 0, 'Factura del remito 0001-00000058', NULL, NULL, '   2', '   1', 'mgomez', '2026-12-10 09:20:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, Cantidad,
                              IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, Importe, Importe_S_IVA, Total, IdLista,
                              IdDeposito, Exento, AlicIVA, Presentacion)
VALUES
    (2700, 'NP  ', '000100000046X', 0, 1, 'TERMO1', 'Termómetro digital de punta flexible', 2, 'UN  ', 'UN  ', 2, 1,
     11500, 9504.1322, 23000, '   1', '   2', 0, 21, 'Blíster'),
    (2701, 'PR  ', '000100000004X', 0, 1, 'TERMO1', 'Termómetro digital de punta flexible', 3, 'UN  ', 'UN  ', 3, 1,
     11500, 9504.1322, 34500, '   1', '   2', 0, 21, 'Blíster'),
    (2702, 'RM  ', '000100000058R', 0, 1, 'TERMO1', 'Termómetro digital de punta flexible', 2, 'UN  ', 'UN  ', 2, 1,
     11500, 9504.1322, 23000, '   1', '   2', 0, 21, 'Blíster'),
    (2703, 'FC  ', '000100000120A', 0, 1, 'TERMO1', 'Termómetro digital de punta flexible', 2, 'UN  ', 'UN  ', 2, 1,
     11500, 9504.1322, 23000, '   1', '   2', 0, 21, 'Blíster');

INSERT INTO MV_APLICACION (ID, TC, IDComprobante, IdComplemento, Tco_Origen, IDComprobante_Origen, IdComplemento_Origen,
                           Fecha, Importe) VALUES
    (2700, 'FC  ', '000100000120A', 0, 'RM  ', '000100000058R', 0, '2026-12-10 00:00:00', 23000);

-- La factura 0001-00000118 y el remito 0001-00000057, enviados a la auditoría de la mutual.
INSERT INTO V_MV_CPTETERCEROS (ID, TC, Fecha, IdComprobante, IdComplemento, Cuenta, FECHAENVIADO, FECHARECIBIDO,
                               Observaciones) VALUES
    (2700, 'FC  ', '2026-12-04 00:00:00', '000100000118A', 0, '110301', '2026-12-05 00:00:00', '2026-12-09 00:00:00',
     'Auditoría médica de la Mutual Policial'),
    (2701, 'RM  ', '2026-12-03 00:00:00', '000100000057R', 0, '110301', '2026-12-05 00:00:00', NULL,
     'Auditoría médica de la Mutual Policial');

-- Nota de crédito de la droguería por vencidos: su asiento de compras.
INSERT INTO MV_ASIENTOS (ID, Fecha, FechaSubDiario, VENCIMIENTO, Mes_Operativo, [NUMERO ASIENTO], Cuenta, Secuencia,
                         CabImporte, [Debe-Haber], Importe, Periodo, TC, Sucursal, Numero, Letra, Tipo_Reg, Detalle,
                         Moneda, USUARIO_LOGEADO, IdCajas, Unegocio, TC_Origen, Cpte_Origen, CuentaOrigen,
                         FechaHora_Grabacion)
VALUES
    (2700, '2026-12-07 00:00:00', '2026-12-07 00:00:00', '2026-12-07 00:00:00', 12, 1, '210101', 1, 12100, 'D', 12100, 2026,
     'NCPE', '0003', '00000871', 'A', 'COM ', 'Crédito por vencidos de noviembre', '1', 'Vandrel', '1', '   1',
     'NCPE', '0003-00000871', '210101', '2026-12-07 16:00:00'),
    (2701, '2026-12-07 00:00:00', '2026-12-07 00:00:00', '2026-12-07 00:00:00', 12, 1, '1105', 2, 12100, 'H', 12100, 2026,
     'NCPE', '0003', '00000871', 'A', 'COM ', 'Crédito por vencidos de noviembre', '1', 'Vandrel', '1', '   1',
     'NCPE', '0003-00000871', '210101', '2026-12-07 16:00:00');

-- Orden de compra de termómetros con garantía del fabricante.
INSERT INTO C_MV_CPTE (ID, TC, IDCOMPROBANTE, CUENTA, SUCURSAL, NUMERO, LETRA, IdComplemento, FECHA, NOMBRE, CondicionIva,
                       Importe, Moneda, Cotizacion, ANULADA, APROBADO, FINALIZADO, Garantia, comentarios, UNEGOCIO, USUARIO,
                       FechaHora_Grabacion)
VALUES
    (2700, 'OC  ', '000100000022X', '210101', '0001', '00000022', 'X', 0, '2026-12-02 00:00:00', 'Droguería del Sud S.A.',
     '1', 124000, '   1', 1, 0, 1, 0, 1, 'Termómetros con garantía de un año', '   2', 'mgomez', '2026-12-02 11:30:00');

-- Recepción de 10 de los 20 termómetros en Nueva Córdoba, y el remito por transporte de 2.
INSERT INTO V_MV_STOCK (ID, TC, IdComprobante, IdComplemento, Secuencia, Fecha, IdCaja, IdDeposito, IdPosicion,
                        IdArticulo, Descripcion, IdUnidad, Cantidad, CantidadUD, IdUnidadBase, IdMotivoStock,
                        Costo, CuentaProveedor, Tc_Origen, IdComprobante_Origen, EQUIV_UDBASE, UNEGOCIO, ARTMONEDA,
                        ARTCOTIZACION, IDVIAJE, Revisado)
VALUES
    (2700, 'IR  ', '000100000004X', 0, 1, '2026-12-08 00:00:00', '   2', '   2', '', 'TERMO1',
     'Termómetro digital de punta flexible', 'UN  ', 10, 10, 'UN  ', '   1', 6200, '210101', 'OC  ', '000100000022X', 1,
     '   2', '   1', 1, NULL, 0),
    (2701, 'RM  ', '000100000058R', 0, 1, '2026-12-09 00:00:00', '   2', '   2', '', 'TERMO1',
     'Termómetro digital de punta flexible', 'UN  ', -2, -2, 'UN  ', '   2', 6200, '110303', NULL, NULL, 1,
     '   2', '   1', 1, 'TTE', 0);

------------------------------------------------------------------------------
-- Renglones de artículos para copiar: un remito entregado en tandas, con renglones
-- repetidos de la misma pieza, lotes y series. Los ID de esta sección van de 2520 en
-- adelante.
------------------------------------------------------------------------------

-- Remito 0002-00000031 de la Mutual Policial, desde Nueva Córdoba: guantes por caja de
-- 100 en tres renglones (los dos primeros al mismo precio, el tercero en promoción),
-- paracetamol de dos lotes y un medidor de glucemia con su lote y su serie. Está
-- finalizado: no figura entre los remitos pendientes.
INSERT INTO V_MV_CPTE (ID, TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, Importe, Moneda, Cotizacion,
                       IdReparto, ANULADA, APROBADO, FINALIZADA, OBSERVACIONES, UNEGOCIO, IdVendedor, USUARIO, FechaHora_Grabacion)
VALUES
    (2520, 'RM  ', '000200000031R', 0, '2026-12-09 00:00:00', '110301', 'Mutual Policial de Córdoba', '1', 349030, '   1', 1,
     0, 0, 1, 1, 'Reposición de guantes y descartables', '   1', '   1', 'mgomez', '2026-12-09 08:30:00');

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, Cantidad, IdUnidad,
                              IdUnidadBase, CantidadUd, Equiv_UDBase, CANT_KG, CANT_M3, Cant_BL, Importe, Importe_S_IVA,
                              Impuestos, iTC, Total, TotalFinal, Costo, PorcDto, IdLista, IdDeposito, Exento, AlicIVA,
                              Presentacion, Nro_Lote, Nro_Serie, ControladoPor, IdOrigen, Ud_Pr, Importe_Ud)
VALUES
    (2520, 'RM  ', '000200000031R', 0, 1, 'GUANTE',  'Guantes de látex descartables',       2, 'CAJA', 'UN  ', 200, 100,
     1.2, 0.01, 2, 35000, 28925.6198, 0, 0, 70000, 70000, 18000, 0, '   1', '   1', 0, 21, 'Caja x 100',
     '|M-BLANCO-U|', '|2|', '', '   1', 'CAJA', 35000),
    (2521, 'RM  ', '000200000031R', 0, 2, 'PARA500', 'Paracetamol 500 mg x 10 comprimidos', 5, 'UN  ', 'UN  ',   5,   1,
     0, 0, 0, 1090, 900.8264, 0, 0, 5450, 5450, 610, 0, '   1', '   1', 0, 21, 'Caja x 10',
     '|L-2511|L-2602|', '|3|2|', 'ANMAT', '   1', 'UN', 1090),
    (2522, 'RM  ', '000200000031R', 0, 3, 'GUANTE',  'Guantes de látex descartables',       3, 'CAJA', 'UN  ', 300, 100,
     1.8, 0.015, 3, 35000, 28925.6198, 0, 0, 105000, 105000, 18600, 0, '   1', '   1', 0, 21, 'Caja x 100',
     '|L-CELESTE-U|', '|3|', '', '   1', 'CAJA', 35000),
    (2523, 'RM  ', '000200000031R', 0, 4, 'GLUCOM',  'Medidor de glucemia',                 1, 'UN  ', 'UN  ',   1,   1,
     0, 0, 0, 23900, 19752.0661, 0, 0, 23900, 23900, 14500, 0, '   1', '   1', 0, 21, 'Estuche',
     '|G-24A|', '|GL-1001|', '', '   1', 'UN', 23900),
    (2524, 'RM  ', '000200000031R', 0, 5, 'GUANTE',  'Guantes de látex descartables',       5, 'CAJA', 'UN  ', 500, 100,
     3, 0.025, 5, 28936, 23914.0496, 0, 0, 144680, 144680, 18000, 0, '   1', '   1', 0, 21, 'Caja x 100',
     '|S-BLANCO-U|', '|5|', '', '   1', 'CAJA', 28936);
