#pragma once
// The library's program-wide service objects, each made on first use and released at
// shutdown with reset(). They carry the objects' own names in the global namespace, as
// the program calls them: Utilidades->TextoAMoneda(…), ImpresorReportes->CarpetaReportes.
// The classes themselves are zeltrix::Utilidades, … (do not bring the namespace in with
// a using-directive where these objects are used: the names would clash).
// A test installs its own object with set(), e.g. a RecordingReportPrinter.
#include "platform/vb/Holder.h"
#include "platform/zeltrix/ArchivoIni.h"
#include "platform/zeltrix/AyudaEdicion.h"
#include "platform/zeltrix/ImpresorReportes.h"
#include "platform/zeltrix/InfoEquipo.h"
#include "platform/zeltrix/Utilidades.h"

extern vb::AutoHolder<zeltrix::Utilidades> Utilidades;
extern vb::AutoHolder<zeltrix::InfoEquipo> InfoEquipo;
extern vb::AutoHolder<zeltrix::ArchivoIni> ArchivoIni;
extern vb::AutoHolder<zeltrix::AyudaEdicion> AyudaEdicion;
extern vb::AutoHolder<zeltrix::ImpresorReportes> ImpresorReportes;
