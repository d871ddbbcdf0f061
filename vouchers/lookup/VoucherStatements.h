#pragma once
// The voucher lookup's query as text: the selection names and the voucher types they
// stand for, the search condition of the two search boxes, and the one statement of each
// voucher group.
#include <QString>

namespace voucherlookup {

// What a selection name stands for: the voucher type the query lists, and whether it
// lists the pending vouchers only, the transport delivery notes, or ticks rows.
struct Seleccion {
    QString tc;                 // the plain voucher type ("RM-T" for the transport notes)
    bool pendientes = false;
    bool transporte = false;
    bool casillas = false;      // the list shows check boxes
    bool alias = false;         // tc came from a selection name
};

// The selection for a voucher type or selection name as the caller passed it (letter
// case ignored); any other text is a plain voucher type, kept as it is.
Seleccion ResuelveSeleccion(const QString& TC);

// The search condition: "AND NOMBRE LIKE '%name%' ", or "AND IDCOMPROBANTE LIKE
// '%number%' " when a number is given too; empty when neither is. A box whose text is
// empty or still its prompt gives nothing. Apostrophes typed are doubled.
QString CondicionBusqueda(const QString& nombre, const QString& numero);

// The caller's condition as it enters a statement: a leading WHERE word is dropped.
QString CondicionLlamador(const QString& Filtro);

// Everything that decides a statement.
struct Consulta {
    QString tc;                 // the plain voucher type (Seleccion::tc, "RM" for transport)
    bool pendientes = false;
    bool transporte = false;
    QString busqueda;           // CondicionBusqueda
    QString filtro;             // CondicionLlamador
    bool usaRemitoContado = false;
    bool entregaParcialRemito = false;
};

// The one statement of the voucher group; the caller's condition is joined with " AND "
// only when there is one.
QString Sentencia(const Consulta& c);

// The search boxes' prompts, which count as no search text.
inline const QString kPromptNombre = QStringLiteral("Buscar por nombre...");
inline const QString kPromptNumero = QStringLiteral("Buscar por Numero...");

} // namespace voucherlookup
