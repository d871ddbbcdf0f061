#pragma once
// Opens gDBPrincipal on an SQLite file of the bench's program folder, as a user that is
// not an administrator, without the program's start-up.
#include "data/DB_Dll.h"

#include <QString>
#include <cstdio>

namespace bench {

// False, with a line on stderr, when the database did not open.
inline bool openMainDatabase(const QString& file)
{
    DB_Dll& db = *gDBPrincipal;
    db.gServidor = QStringLiteral("SQLITE");
    db.gDBName = file;
    db.gUsuario = QStringLiteral("bench");
    db.OpenServerADODB(false, 3, QString(), false, false);
    if (!db.gOpenFlag)
        std::fprintf(stderr, "the database did not open\n");
    return db.gOpenFlag;
}

} // namespace bench
