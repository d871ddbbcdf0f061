#pragma once
// The numbering tests' company database: db/schema.sql with several numbering books
// (letters, branches, business units, used-up and expiring books, the TA_Comprobantes
// fallback, an alias), users with default branch and letter, opened as gDBPrincipal.
#include "tests/support/TempProgramFolder.h"
#include <QList>
#include <QStringList>
#include <QVariant>

namespace numtest {

inline const QString kDb = QStringLiteral("numeracion.sqlite");

// Creates the database in the folder with the fixture rows and then `extra` (each
// statement on its own), opens the main connection and logs `user` in.
void Open(const testsupport::TempProgramFolder& folder, const QStringList& extra = {},
          const QString& user = QStringLiteral("operador"));

// The frame's program-wide values back to their state before start-up, and the
// numbering's current book to 0.
void Reset();

// Reads and writes through a connection of their own.
QList<QVariantList> Rows(const QString& sql);
QVariant Scalar(const QString& sql);
void Exec(const QString& sql);

} // namespace numtest
