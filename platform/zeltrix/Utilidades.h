#pragma once
// The suite's utility object: number and text conversions, null-safe values, fixed-width
// codes, the stored-password transform, the error dialog, per-form hooks and dates.
// It keeps no state, so any number of instances behave alike.
#include "platform/vb/Currency.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include <QString>
#include <QStringList>

class QWidget;

namespace ado {
class Field;
}

namespace zeltrix {

class Utilidades {
public:
    // --- Numbers from text (any text is accepted; what is not a number reads 0) ---
    // Money: reads a number as the operator types it, in the workstation's separators
    // with grouping only in threes (exactly the texts IsNumeric accepts), and a double
    // as CStr writes it with an exponent ("1E-05"). More than four decimals are rounded
    // half to even; beyond the money range raises error 6.
    vb::Currency TextoAMoneda(const QString& Texto) const;
    // The same reading, as a double; a number beyond the double range raises error 6.
    double TextoADoble(const QString& Texto) const;
    // The same reading, rounded half to even to a Long; out of range raises error 6.
    qint32 TextoAEntero(const QString& Texto) const;

    // --- Values ---
    // A field's value, never Null: a Null reads as 0 for a numeric field (in the field's
    // own number type) and as the empty text for any other. Reading a field of an empty
    // recordset raises as the field does.
    vb::Variant ValorCampo(const ado::Field& Campo) const;
    // A plain value never comes back Null: Null gives the empty text; any other value
    // comes back unchanged.
    vb::Variant ValorCampo(const vb::Variant& Valor) const;
    // The text of a value: Null and Empty give "", anything else its CStr.
    QString ValorATexto(const vb::Variant& Valor) const;

    // --- Texts ---
    // A code brought to a fixed width (default 4): see the implementation for the fill.
    QString AjustaLargo(const QString& Texto, int Largo = 4) const;
    // The text without any occurrence of the given characters (one to three).
    QString QuitaCaracteres(const QString& Texto, const QString& Caracter1,
                            const QString& Caracter2 = QString(), const QString& Caracter3 = QString()) const;
    // Every occurrence of Buscado replaced by Nuevo (exact case).
    QString Reemplaza(const QString& Texto, const QString& Buscado, const QString& Nuevo) const;
    // A statement with the table or view name Vista swapped for OtraVista wherever it
    // stands as a whole name, in any case of letters.
    QString ReemplazaTabla(const QString& Sentencia, const QString& Vista, const QString& OtraVista) const;
    // The folder ending in the path separator.
    QString CompletaRuta(const QString& Carpeta) const;
    // At most Largo characters from the left.
    QString LimitaLargo(const QString& Texto, int Largo) const;
    // The number of words (runs of characters between blanks, tabs and line breaks).
    int CuentaPalabras(const QString& Texto) const;
    // Whether the value is one of the texts of the list (case and outer blanks ignored).
    bool EstaEnLista(const QString& Valor, const QStringList& Lista) const;
    // A prepared SQL text literal ("'OC'") back to its plain, trimmed text ("OC").
    QString TextoPlano(const QString& Texto) const;

    // --- Stored passwords ---
    // A reversible transform whose result holds only letters and digits.
    QString CodificaClave(const QString& Texto) const;
    QString DecodificaClave(const QString& Texto) const;

    // --- Operator ---
    // Shows the error (style 18, Abort/Retry/Ignore), appends a line to QKERR.LOG in the
    // program folder and returns the answer (4 retry, 5 go on, else leave). Error 0
    // shows and writes nothing and returns 0. Never raises.
    int TrataError(const vb::VbError& CodErr, const QString& Rutina = QString()) const;
    // Per-form hooks called when a form loads and before the program ends.
    void PreparaFormulario(QWidget* Formulario, bool Opcion = false) const;
    void CierraFormulario(QWidget* Formulario, const QString& Opcion = QString()) const;
    // A date picked by the operator as "dd/mm/yyyy"; "" when cancelled.
    QString PideFecha() const;
    // The date literal of the report formula language for a day-first date text:
    // "Date(yyyy,mm,dd)". A text that is no date raises error 13.
    QString FechaReporte(const QString& Fecha) const;
};

} // namespace zeltrix
