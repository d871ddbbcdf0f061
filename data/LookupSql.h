#pragma once
// The statements of the data-access object's single-value lookups.
#include "platform/vb/Variant.h"
#include <QString>

namespace lookupsql {

// The statement of ExisteEnTabla, or of ExisteEnTablaST when `plain` is set.
QString Exists(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo, const vb::Variant& Tipodato,
               const QString& Condicion, bool plain);
// The statement of DatosTabla.
QString Data(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo, const vb::Variant& Tipodato,
             const QString& Condicion, bool UsaTrim);

} // namespace lookupsql
