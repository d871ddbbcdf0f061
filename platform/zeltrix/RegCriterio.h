#pragma once
// One criterion of a report filter: a report field with optional bounds.
#include <QString>

namespace zeltrix {

struct RegCriterio {
    QString Desde;           // lower bound, or a LIKE pattern with "*"; empty: none
    QString Hasta;           // upper bound, or a LIKE pattern with "*"; empty: none
    QString Campo;           // the field as the formula writes it: "{TABLE.FIELD}"
    qint16 TipoDato = 0;     // ADO type code of the field (7 date, 5 double, 129 text, …)
    bool SinRecorte = false; // text fields: True compares the field untrimmed
    QString Operador;        // "AND" or "OR" joining it to the criteria before; empty: AND
};

} // namespace zeltrix
