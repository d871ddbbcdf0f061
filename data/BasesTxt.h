#pragma once
// BASES.TXT: the workstation's list of known databases, one record a line, five fields
// separated by "," (key, database, user, coded password, server), Windows-1252, CR LF.
#include <QList>
#include <QString>

namespace data {

struct RegistroBase {
    QString Clave;      // "DATABASE / SERVER", upper-cased, server without port
    QString DbName;
    QString Usuario;
    QString Password;   // as stored: coded
    QString Servidor;   // server text with ":" and port when typed; "#" at the end for Oracle
};

// The list's path in the program folder (an existing file of that name in any case).
QString RutaBasesTxt();

// The records in file order. Lines with fewer than five fields are no records; fields
// beyond the fifth are ignored. A missing file gives no records; false only when the
// file exists and cannot be read.
bool LeeBasesTxt(QList<RegistroBase>& Registros);

// True when the text can be a field of the list (the file has no quoting).
bool EsCampoValido(const QString& Texto);
// What keeps a text from being a field, in the words told to the operator ("una coma",
// "un salto de línea"); empty when nothing does.
QString FieldProblem(const QString& Texto);

} // namespace data

// Appends one record to BASES.TXT, creating the file. EsOracle marks the server with "#".
// Raises error 5 for a field that would break the record (a "," or a line break), naming
// which, and error 75 when the file cannot be written; nothing is written then. A last
// line of the file left without its CR LF is ended first.
void RegistraBaseEnArchivo(const QString& Clave, const QString& DbName, const QString& Usuario, const QString& Password,
                           const QString& Servidor, bool EsOracle);
