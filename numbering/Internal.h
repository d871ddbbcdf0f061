#pragma once
// Helpers shared by the numbering module's sources; not part of its interface.
#include "data/DbTrap.h"
#include "platform/ado/Recordset.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Variant.h"
#include <QString>
#include <QStringList>
#include <functional>

namespace numbering_detail {

// The error trap of one procedure: errors go to the data layer's TratamientoErrores.
using Trap = DbTrap;

// The hint a read of numbers carries between its table and its condition: the
// statement's own (`usual`, a no-lock hint or blanks) or, while a NumberingInTransaction
// lives, lock hints that keep what was read until the caller's transaction ends.
QString Hint(const QString& usual);

// Whether the trimmed code is one of the codes given, without regard to case.
bool IsCode(const QString& code, const QStringList& codes);

// A field's value read null-safe (ValorCampo): 0 for a null number, "" for other nulls.
vb::Variant FieldValue(ado::Recordset& rs, const QString& name);
// Its text (ValorATexto of ValorCampo).
QString FieldText(ado::Recordset& rs, const QString& name);
// Its numeric value: numbers as they are, texts through TextoAMoneda.
vb::Currency FieldAmount(ado::Recordset& rs, const QString& name);
// A yes/no column: set when not null and ValorBooleano(text, True) is True.
bool FieldSet(ado::Recordset& rs, const QString& name);
// A number as SQL reads it ("." decimals, no blank).
QString SqlNumber(double value);
QString SqlNumber(vb::Currency value);

} // namespace numbering_detail
