#pragma once
// Configuration values: the reader Cfg (main connection), CfgQK and GrabaCfgQK
// (statistics connection), and the switches loaded once at start-up.
#include "platform/vb/Variant.h"
#include <QString>

// The configuration table; "ta_configuracion" once CargaConfiguracion has run.
extern QString gTablaConfiguracion;

// Loaded by CargaConfiguracion.
extern QString gCantidadDecimales;
extern bool gUsaStockUdKg;
extern QString gUnidadM3;
extern QString gUnidadBL;
extern QString gUnidadKG;
extern qint16 gPeriodo;
extern bool gRazonSocialPorUneg;
extern bool gMaderera;
extern QString gMadTiras;
extern bool gUtilizarFechaDia;
extern bool gAsignacionAutomaticaDeLoteING;
extern bool gAsignacionAutomaticaDeLoteINGOP;
// The logged user's business unit; three blanks and "1" when the user has none.
extern QString gUNegocio;

// VALOR of the key on the main connection: " " for a missing key, "" when the main
// connection is not open. ValorAux receives the row's ValorAux.
QString Cfg(const QString& Clave, QString& ValorAux);
QString Cfg(const QString& Clave);
// The same on the statistics connection.
QString CfgQK(const QString& Clave, QString& ValorAux);
// Creates or overwrites the key's row on the statistics connection.
void GrabaCfgQK(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortarValor);
// Loads the start-up switches and the user's business unit.
void CargaConfiguracion(const QString& CarpetaPrograma);
