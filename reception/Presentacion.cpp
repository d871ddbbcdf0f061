// The workstation's look on the reception form: icon, toolbar style and skin.
#include "reception/frmRecepcionMutuales.h"

void frmRecepcionMutuales::AsignaIconoYEstiloForm()
{
}

void frmRecepcionMutuales::AplicaSkinForm()
{
}
