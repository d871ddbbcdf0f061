#pragma once
// The report printer of the program: reads the report's definition from the report
// folder, reads its selection formula into a condition, runs the report's query on the
// program's open connection, keeps the rows the condition selects, and writes the report
// as a PDF file in the program folder's "reportes" folder; on a workstation it then shows
// the print preview, from which the operator prints it.
// A selection formula it cannot read is shown to the operator and nothing is printed.
#include "platform/ado/Connection.h"
#include "platform/zeltrix/ImpresorReportes.h"
#include <functional>

namespace report {

class ReportDocument;

class ReportEngine : public zeltrix::ImpresorReportes {
public:
    // The connection reports run on; asked for at each report, so the program can hand
    // the connection it holds at that moment.
    using ConnectionSource = std::function<ado::Connection*()>;
    // Shows a written report to the operator.
    using Preview = std::function<void(const ReportDocument&)>;

    explicit ReportEngine(ConnectionSource connection = {});

    void SetConnection(ConnectionSource connection);
    // Replaces the print preview; an empty function shows nothing (only the file).
    void SetPreview(Preview preview);
    // The print preview of a workstation, shown modally through the operator service as
    // the form "VistaPreviaReporte" (none on the offscreen and minimal platforms).
    static void WorkstationPreview(const ReportDocument& document);

    // The PDF file of the last report printed; empty when it printed nothing.
    QString lastFile() const { return lastFile_; }

    void PreparaImpresion(const QStringList& Parametros, qint16 Opcion) override;
    // The ODBC text is not used: the report runs on the program's own connection (the
    // text carries a password in clear). Lista and Texto1 to Texto3 are not used either.
    void ImprimeReporte(const QString& Reporte, const QStringList& Lista, const QString& Seleccion,
                        const QString& CadenaODBC, const vb::Variant& Formula1, const vb::Variant& Formula2,
                        const vb::Variant& Formula3, const vb::Variant& Formula4,
                        const vb::Variant& Formula5 = vb::Variant(), const QString& Texto1 = QString(),
                        const QString& Texto2 = QString(), const QString& Texto3 = QString()) override;
    void CierraImpresion(qint16 Opcion) override;

private:
    ConnectionSource connection_;
    Preview preview_;
    QString lastFile_;
};

} // namespace report
