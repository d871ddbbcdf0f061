#pragma once
// The query-mask file consultas.qkx: fixed 1202-byte records telling the lookup which
// columns to show, and under which condition, for a bare table or view name.
#include <QByteArray>
#include <QString>

struct RegMascaraConsulta {
    QString Titulo;   // 100 bytes
    QString Vista;    // 100 bytes
    QString Campos;   // 500 bytes
    QString Extra;    // 500 bytes, then CR LF
};

constexpr int kLargoMascaraConsulta = 1202;

// The 1202 bytes of a record: each field left-aligned, blank-filled or cut, then CR LF.
QByteArray RegistroMascara(const RegMascaraConsulta& reg);
// Record n (1-based) of the file; false past the last whole record.
bool LeeRegistroMascara(const QString& Ruta, int Numero, RegMascaraConsulta& reg);

// Appends the eleven default masks to the file named by the lookup driver's settings.
void CreaMascarasConsultas();
void CreaMascarasConsultas(const QString& Ruta);

// What the lookup queries for a name that has a mask: the table, the column list ("*"
// when blank) and the condition (blank for none).
struct MascaraConsulta {
    QString Tabla;
    QString Campos;
    QString Condicion;
};
// The first record whose view is Nombre (markers and blanks ignored, any case); false
// when the file is missing or has none.
bool BuscaMascaraConsulta(const QString& Ruta, const QString& Nombre, MascaraConsulta& mascara);
