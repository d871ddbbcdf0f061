#pragma once
// The access log: one Control_Acceso row per run, opened at start-up, closed at shutdown.
#include <QString>

extern qint32 gIdControlAcceso;   // ID of this run's row; 0 until one is written

// Writes the run's row; an empty Proceso stands for the executable's name.
void RegistraIngreso(const QString& Proceso);
// Gives the run's row its exit time.
void RegistraEgreso();
