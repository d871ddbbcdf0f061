-- Base de estadísticas (DE_RIVAVIVUZEDI), común a todos los programas del sistema.

-- Parámetros generales de los programas: una fila por clave.
CREATE TABLE TA_CONFIGURACION (
    CLAVE           TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    VALOR           TEXT COLLATE NOCASE,
    VALORAUX        TEXT COLLATE NOCASE,
    GRUPO           TEXT COLLATE NOCASE,
    POLITICANEGOCIO INTEGER DEFAULT 0,
    DESCRIPCION     TEXT COLLATE NOCASE
);

-- Tiempo máximo de espera de las sentencias, en segundos.
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, GRUPO, POLITICANEGOCIO, DESCRIPCION)
VALUES ('TIMEOUT', '360', '', 'BaseDeDatos', 0, 'Tiempo de espera de las sentencias (segundos)');
