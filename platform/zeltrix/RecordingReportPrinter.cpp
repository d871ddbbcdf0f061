#include "platform/zeltrix/RecordingReportPrinter.h"

namespace zeltrix {

void RecordingReportPrinter::PreparaImpresion(const QStringList& Parametros, qint16 Opcion)
{
    ReportPrinterCall call;
    call.kind = ReportPrinterCall::Prepare;
    call.list = Parametros;
    call.option = Opcion;
    call.folder = CarpetaReportes;
    calls.append(call);
}

void RecordingReportPrinter::ImprimeReporte(const QString& Reporte, const QStringList& Lista,
                                            const QString& Seleccion, const QString& CadenaODBC,
                                            const vb::Variant& Formula1, const vb::Variant& Formula2,
                                            const vb::Variant& Formula3, const vb::Variant& Formula4,
                                            const vb::Variant& Formula5, const QString& Texto1,
                                            const QString& Texto2, const QString& Texto3)
{
    ReportPrinterCall call;
    call.kind = ReportPrinterCall::Print;
    call.report = Reporte;
    call.list = Lista;
    call.selection = Seleccion;
    call.odbc = CadenaODBC;
    call.formulas = {Formula1, Formula2, Formula3, Formula4, Formula5};
    call.texts = {Texto1, Texto2, Texto3};
    call.folder = CarpetaReportes;
    calls.append(call);
}

void RecordingReportPrinter::CierraImpresion(qint16 Opcion)
{
    ReportPrinterCall call;
    call.kind = ReportPrinterCall::Close;
    call.option = Opcion;
    call.folder = CarpetaReportes;
    calls.append(call);
}

} // namespace zeltrix
