#include "platform/zeltrix/Services.h"

vb::AutoHolder<zeltrix::Utilidades> Utilidades;
vb::AutoHolder<zeltrix::InfoEquipo> InfoEquipo;
vb::AutoHolder<zeltrix::ArchivoIni> ArchivoIni;
vb::AutoHolder<zeltrix::AyudaEdicion> AyudaEdicion;
vb::AutoHolder<zeltrix::ImpresorReportes> ImpresorReportes;
