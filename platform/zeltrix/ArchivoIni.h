#pragma once
// Reads the suite's INI files (the workstation file TZ417qv.INI). Nothing is written.
#include <QString>

namespace zeltrix {

class ArchivoIni {
public:
    // The value of Clave in section Seccion of the file, trimmed; PorDefecto when the
    // file, the section or the key is missing. A bare file name is looked up in the
    // program folder; names of files, sections and keys ignore case.
    QString LeeIni(const QString& Archivo, const QString& Seccion, const QString& Clave,
                   const QString& PorDefecto = QString()) const;
};

} // namespace zeltrix
