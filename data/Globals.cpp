// The program-wide data-access objects.
#include "data/DB_Dll.h"

vb::AutoHolder<DB_Dll> gDBPrincipal;
vb::AutoHolder<DB_Dll> gDBEstadisticas;
vb::AutoHolder<DB_Dll> gDBConsultas;
vb::AutoHolder<DB_Dll> gDBAuxiliar;

bool gConfidencialidad = false;

void CloseAllConnections()
{
    for (vb::AutoHolder<DB_Dll>* holder : {&gDBPrincipal, &gDBEstadisticas, &gDBConsultas, &gDBAuxiliar}) {
        if (!holder->exists())
            continue;
        DB_Dll& db = **holder;
        db.gOpenFlag = false;
        if (!db.gCnn.exists() || db.gCnn->State() == ado::adStateClosed)
            continue;
        try {
            db.gCnn->Close();
        } catch (const vb::VbError&) {
        }
    }
}
