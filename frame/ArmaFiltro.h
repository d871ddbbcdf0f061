#pragma once
// The report filter builder: turns filter criteria into the selection formula of the
// report printer ({TABLE.FIELD} fields, quoted texts, Date(yyyy,mm,dd) dates, LIKE
// patterns with "*"). It builds no SQL and reads no database.
#include "platform/vb/Variant.h"
#include "platform/zeltrix/RegCriterio.h"
#include <QList>
#include <QString>

// Criterios are read in order. When every criterion is sound Formula receives the built
// formula (possibly empty) and Mensaje is not touched; at the first unsound one Mensaje
// (when given) receives the operator message and Formula keeps what it held. An empty
// list raises error 9; a numeric bound that does not convert to its type raises 13 or 6.
void ArmaFiltro(const QList<zeltrix::RegCriterio>& Criterios, QString& Formula, vb::Variant* Mensaje = nullptr);
