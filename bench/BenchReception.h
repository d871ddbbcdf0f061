#pragma once
// The reception form started as the suite's menu starts it, on a demo company database
// made in the bench's program folder (schema, demo rows and the bench's own statements)
// beside the suite's statistics database.
#include "BenchProgram.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "reception/frmRecepcionMutuales.h"

namespace bench {

// Makes the databases and shows the form (its load starts the program); false, with a
// line on stderr, when a file cannot be read or the program did not connect.
inline bool startReception(const Program& program, frmRecepcionMutuales& form, const QStringList& statements)
{
    if (!program.createDatabase(QStringLiteral("demo.sqlite"), {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")},
                                statements)
        || !program.createDatabase(QStringLiteral("DE_RIVAVIVUZEDI.sqlite"), {QStringLiteral("db/stats.sql")}))
        return false;
    vb::App::SetCommand(QStringLiteral("@Server=SQLITE;@DbName=demo.sqlite;@Usuario=Vandrel;@Password=;@Caja=1"));
    form.show();
    pump();
    if (!gDBPrincipal->gOpenFlag) {
        std::fprintf(stderr, "the program did not start on the database\n");
        return false;
    }
    return true;
}

} // namespace bench
