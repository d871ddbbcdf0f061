#pragma once
// Small questions to the database: does a row exist, which account a typed code means,
// which fiscal period a date falls in, what the server's clock says.
#include "platform/ado/Recordset.h"
#include <QDateTime>
#include <QString>
#include <optional>

// Rows of Tabla whose Campo equals Valor (TipoDato: 8 text, 7 date literal, 3/4/5
// numbers; none means text), or those of the condition Where when it is not empty.
// With Rs the rows stay open in it, on the first one.
bool ExisteRegistro(const QString& Tabla, const QString& Valor, const QString& Campo, ado::Recordset* Rs = nullptr,
                    std::optional<int> TipoDato = std::nullopt, const QString& Where = QString(), bool SoloLectura = false);

// Finds the account by Codigo, then by CodigoOpcional (or the other way round when
// PorCodigoOpcional); when found Codigo becomes the account's Codigo and Rs stays open
// on its row. A table the read cannot open is told by the data layer's error box and
// finds nothing (Rs is then closed).
bool ObtieneCuentaContable(QString& Codigo, ado::Recordset& Rs, bool SoloLectura, bool& PorCodigoOpcional);
bool ObtieneCuentaContable(QString& Codigo, ado::Recordset& Rs, bool SoloLectura = true, bool&& PorCodigoOpcional = false);

// The Periodo of the fiscal year holding the date (bounds included); 0 when none.
qint16 ObtienePeriodo(const QString& Fecha);
// The same, telling whether a fiscal year holds the date at all; Sentencia, when
// given, receives the query that was asked.
bool ObtienePeriodo(const QString& Fecha, qint16& Periodo, QString* Sentencia = nullptr);

// The server's date and time to the second; when it cannot be read, the configured
// operating date (UTILIZARFECHADIA on and FECHAOPERHASTA a date) or the workstation's clock.
QDateTime FechaServidor();
// What FechaServidor gives when the server cannot be read.
QDateTime LocalOperatingDate();
