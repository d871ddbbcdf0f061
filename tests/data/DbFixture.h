#pragma once
// A data-access object opened on a fresh SQLite file in a temporary program folder.
#include "data/DB_Dll.h"
#include "tests/support/TempProgramFolder.h"
#include <QStringList>

namespace datatest {

// Opens gDBPrincipal on "<folder>/test.db" through the server text SQLITE and runs the
// statements given (each one on its own). Resets the program-wide objects on destruction.
class DbFixture {
public:
    explicit DbFixture(const QStringList& statements = {}, const QString& user = QStringLiteral("admin"));
    ~DbFixture();
    DB_Dll& db() { return *gDBPrincipal; }
    void exec(const QString& sql);
    // The first column of the first row of a query (Null when no row).
    vb::Variant scalar(const QString& sql);
    testsupport::TempProgramFolder folder;
};

} // namespace datatest
