#pragma once
// Resolving what an operator typed or a scanner read into one article of V_MA_ARTICULOS.
#include "platform/ado/Recordset.h"
#include "platform/vb/Currency.h"
#include <QString>

// The text may carry a quantity in front ("3*IBU400"; not in an article master program)
// or, under either automatic-lot switch, a lot ("120A4455", or "A4455" for no lot). A
// numeric code of 13 characters beginning "-0", or of 14 beginning "-2", loses its "-".
// The code is then sought as article code and as each barcode (barcodes first with
// BuscaBarraPrimero, which is cleared for a code of 3 characters or fewer), and, when
// nothing matched and CuentaProveedor is given, as that supplier's code: through the
// purchase list ListaPrecio when given, else as CodigoArtProveedor (tried again trimmed
// when it holds a ".").
//
// On return: Codigo the article's IdArticulo when found, else the code left by the
// prefixes; Rs the recordset of the last query (on the article row when found);
// Descripcion the article's description when the last query found a row; UdBase the
// UdBase of the last row any query returned ("" when none); Cantidad and Lote what the
// prefixes gave (untouched otherwise). Importe is left as it is. SoloLectura non-zero
// opens the queries forward-only and read-only, zero dynamic and optimistic.
//
// In a sales program with RazonSocialPorUneg on, an article found whose idTipo is not
// the user's business unit (gUNegocio) is, for any voucher type but FP, NCFP and NP:
// refused with a message for ModoUNegocio 0 (false, outputs already written); accepted
// with ModoUNegocio turned into 2 for 1; accepted silently for any other mode.
//
// Returns whether an article was found and accepted. Traps nothing: a failed query is
// shown by the data layer and its error reaches the caller.
bool BuscaArticulo(QString& Codigo, ado::Recordset& Rs, qint16 SoloLectura, qint16& BuscaBarraPrimero,
                   QString& Descripcion, const QString& CuentaProveedor, QString& UdBase, const QString& ListaPrecio,
                   double& Cantidad, vb::Currency& Importe, QString& Lote, const QString& TC, qint16& ModoUNegocio);
