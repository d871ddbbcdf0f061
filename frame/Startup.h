#pragma once
// Start-up and shutdown of the program, and the run-state values they set.
#include "platform/vb/Variant.h"
#include <QString>
#include <QStringList>

extern QString gClaveEstacion;     // UCase(machine) & "|" & UCase(user), at most 50 characters
extern vb::Variant gEstiloBarras;  // Val of the workstation's "FlatToolbars"
extern QString gUsuarioLogeado;    // the main connection's user
extern QString gCaja;              // the command line's cash desk, "1" by default
extern qint16 gTimeOut;            // command time-out in seconds
extern QString gCadenaODBC;        // the ODBC text reports are printed over
extern QString gArchivoAyuda;      // the application's help file

// SinParametros allows the workstation INI's connection keys when there is no command
// line; LineaComando replaces the process's command line when not empty; CadenaConexion
// is an explicit connection string (empty: built from the parameters).
void InicializaSistema(bool SinParametros, const QString& LineaComando, QString& CadenaConexion, int TipoCursor);
void InicializaSistema(bool SinParametros = false, const QString& LineaComando = QString(), int TipoCursor = 3);
void FinalizaSistema();
// The host part of a server text: after the first "/", before the first ":".
QString ExtraeServidor(const QString& Servidor);
void ConectaEstadisticas();

// The tables a database must have for this program to work on it are the configuration
// and the access log, and those the program adds with RequiereTablas before start-up.
// Start-up refuses a main database that lacks any of them as a failed connection is.
void RequiereTablas(const QStringList& Tablas);
// Those required tables the open main connection's database does not have.
QStringList TablasFaltantes();

// The value of a command-line item: the text after the key (found without regard to
// case) up to the next ";", with every "=" removed, trimmed; empty when the key is absent.
QString CommandLineValue(const QString& Linea, const QString& Clave);
