#include "platform/zeltrix/ImpresorReportes.h"
#include "platform/vb/VbError.h"

namespace zeltrix {

namespace {
constexpr int ErrCannotCreateComponent = 429;
}

void ImpresorReportes::PreparaImpresion(const QStringList& Parametros, qint16 Opcion)
{
    Q_UNUSED(Parametros);
    Q_UNUSED(Opcion);
}

void ImpresorReportes::ImprimeReporte(const QString& Reporte, const QStringList&, const QString&, const QString&,
                                      const vb::Variant&, const vb::Variant&, const vb::Variant&,
                                      const vb::Variant&, const vb::Variant&, const QString&, const QString&,
                                      const QString&)
{
    vb::Raise(ErrCannotCreateComponent,
              QStringLiteral("No hay un impresor de reportes instalado para imprimir ") + Reporte);
}

void ImpresorReportes::CierraImpresion(qint16 Opcion)
{
    Q_UNUSED(Opcion);
}

} // namespace zeltrix
