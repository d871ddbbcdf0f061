// The program-wide data-access objects.
#include "data/DB_Dll.h"

vb::AutoHolder<DB_Dll> gDBPrincipal;
vb::AutoHolder<DB_Dll> gDBEstadisticas;
vb::AutoHolder<DB_Dll> gDBConsultas;
vb::AutoHolder<DB_Dll> gDBAuxiliar;

bool gConfidencialidad = false;
