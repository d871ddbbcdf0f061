#pragma once
// The driver's pick lists over rows that do not come from the database: a check list of
// options, a single-choice menu of options and the lines of a text file, each shown in
// the list lookup.
#include "lookup/Lib_ClsCons3.h"
#include <QString>
#include <QVariantList>

// Options are texts whose first character is the starting tick ("1" ticked) and the rest
// the row. Opc holds the options one by one, or one list of them as its only element.
// Returns "": the ticked rows come back in the driver's Valores.
QString CheckOpciones(Lib_ClsCons3& driver, const QString& Titulo, const Coleccion& CmpsDevueltos,
                      const QVariantList& Opc);
// The chosen option ("" when cancelled); Opc as above, each option a whole row.
QString MenuOpciones(Lib_ClsCons3& driver, const QString& Titulo, const QVariantList& Opc);
// The chosen line of the file QueArchivo ("" when cancelled or when the file is missing).
QString ConsultaDesdeArchivo(Lib_ClsCons3& driver, const QString& Titulo, const QString& QueArchivo,
                             const QString& Separador);
