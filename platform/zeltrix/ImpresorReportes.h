#pragma once
// The report printer of the suite: a named report from the report folder, printed over
// an ODBC connection text with a selection formula and report formulas. The printing
// engine derives from this class and is installed in the program-wide holder; without
// one, printing raises error 429 (the component is not there), which the caller's
// error trap shows.
#include "platform/vb/Variant.h"
#include <QString>
#include <QStringList>

namespace zeltrix {

class ImpresorReportes {
public:
    virtual ~ImpresorReportes() = default;

    // The folder the report definitions are read from; set once at start-up.
    QString CarpetaReportes;

    // Called before a report with a list of five texts (elements 1 to 5 of the caller's
    // list) and an option number.
    virtual void PreparaImpresion(const QStringList& Parametros, qint16 Opcion);
    // Prints the report. Lista holds elements 0 and 1 of the caller's list; Formula1 to
    // Formula4 are report formula assignments ("Name = 'value'"); Formula5 is Empty when
    // the caller leaves it out; Texto1 to Texto3 are passed empty by the program.
    virtual void ImprimeReporte(const QString& Reporte, const QStringList& Lista, const QString& Seleccion,
                                const QString& CadenaODBC, const vb::Variant& Formula1,
                                const vb::Variant& Formula2, const vb::Variant& Formula3,
                                const vb::Variant& Formula4, const vb::Variant& Formula5 = vb::Variant(),
                                const QString& Texto1 = QString(), const QString& Texto2 = QString(),
                                const QString& Texto3 = QString());
    // Called after the report with an option number.
    virtual void CierraImpresion(qint16 Opcion);
};

} // namespace zeltrix
