#pragma once
// Formatting and text helpers: yes/no texts, date patterns, money texts, minutes and
// hours, text arrays, list conditions for SQL and Oracle adaptation.
#include "platform/vb/Currency.h"
#include <QString>
#include <QStringList>
#include <QVariant>

bool ValorBooleano(const QString& Texto, bool PorDefecto);

QString FormatoFechaHora();   // "dd/mm/yy hh:mm"
QString FormatoFecha();       // "dd/mm/yy"
QString FormatoHora();        // "hh:mm"

// A money text: Decimales -3 leaves Valor as it is; -1 takes gCantidadDecimales; 0 the
// workstation's decimals; -2 none; otherwise that many. Miles adds thousands separators.
QString FmtMoneda(const QString& Valor, int Decimales = -1, bool Miles = true);
// The same for an amount already read (-3 writes it as CStr does).
QString FmtMoneda(vb::Currency Valor, int Decimales = -1, bool Miles = true);

// The largest amount, either way, that the grids, the status bar and the report show
// whole: 999,999,999.99. A typed amount beyond it is refused.
inline constexpr vb::Currency ImporteMaximo = vb::Currency::fromRaw(Q_INT64_C(9999999999900));

double ConvierteAMinutos(const QString& Hora, const QString& Horas, const QString& Minutos, bool EsTexto);
QString MinutosAHoras(double Minutos, qint32& Horas, qint32& MinutosResto, bool ForzarDosPuntos);

qint32 IndiceCampoArray(const QString& Texto);
QString QuitaMarcas(const QString& Texto);
qint16 IndiceEnArray(const QStringList& Arreglo, const QString& Valor, qint16 Desde);
// Splits Texto at Separador into Partes (followed by one empty element); Texto is consumed.
void Divide(QString& Texto, const QString& Separador, QStringList& Partes);
bool ExisteArchivo(const QString& Ruta);
// Campo Operador 'v1' Conector Campo Operador 'v2' ...; "1=1" on any error.
QString ArmaCondicionLista(const QString& Campo, const QString& Operador, const QStringList& Valores, const QString& Conector,
                           const QString& Comilla, bool IncluirNulos, bool SaltarVacios);
QString AdaptaSQL(const QString& Texto);
