#pragma once
// A report printer that prints nothing and keeps every call, for tests of the code
// that asks for reports.
#include "platform/zeltrix/ImpresorReportes.h"
#include <QList>

namespace zeltrix {

struct ReportPrinterCall {
    enum Kind { Prepare, Print, Close } kind = Print;
    qint16 option = 0;             // Prepare, Close
    QStringList list;              // Prepare: Parametros; Print: Lista
    QString report;                // Print
    QString selection;             // Print
    QString odbc;                  // Print
    QList<vb::Variant> formulas;   // Print: Formula1 to Formula5
    QStringList texts;             // Print: Texto1 to Texto3
    QString folder;                // CarpetaReportes at the time of the call
};

class RecordingReportPrinter : public ImpresorReportes {
public:
    QList<ReportPrinterCall> calls;

    void PreparaImpresion(const QStringList& Parametros, qint16 Opcion) override;
    void ImprimeReporte(const QString& Reporte, const QStringList& Lista, const QString& Seleccion,
                        const QString& CadenaODBC, const vb::Variant& Formula1, const vb::Variant& Formula2,
                        const vb::Variant& Formula3, const vb::Variant& Formula4,
                        const vb::Variant& Formula5 = vb::Variant(), const QString& Texto1 = QString(),
                        const QString& Texto2 = QString(), const QString& Texto3 = QString()) override;
    void CierraImpresion(qint16 Opcion) override;
};

} // namespace zeltrix
