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

// Whether Open puts the main connection on an Oracle connection (the Oracle stand-in's,
// over the same database) from now on; the statements the stand-in refused meanwhile.
void SetOracle(bool oracle);
QStringList OracleRefusals();

// The numbering tests' two engines as a global data table: "SQLite" and "Oracle".
void EngineRows();
// For init(): Reset, and the engine of the global row.
void StartOnEngine();
// For cleanup(): what Oracle refused (nothing, when all went well), then Reset.
QStringList EndOnEngine();

// Reads and writes through a connection of their own.
QList<QVariantList> Rows(const QString& sql);
QVariant Scalar(const QString& sql);
void Exec(const QString& sql);

} // namespace numtest
