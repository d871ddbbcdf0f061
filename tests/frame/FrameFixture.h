#pragma once
// A program folder with the company and statistics databases built from db/*.sql, a
// fixed workstation, and the frame's program-wide values put back after each test.
#include "platform/zeltrix/InfoEquipo.h"
#include "tests/support/TempProgramFolder.h"
#include <QStringList>
#include <QVariant>

namespace frametest {

// The workstation every frame test runs on.
class FixedWorkstation : public zeltrix::InfoEquipo {
public:
    explicit FixedWorkstation(QString alternative = QString()) : alternative_(std::move(alternative)) {}
    QString NombreEquipo() const override { return QStringLiteral("pc-caja1"); }
    QString NombreUsuario() const override { return QStringLiteral("operador"); }
    QString CarpetaAlternativa() const override { return alternative_; }

private:
    QString alternative_;
};

// Creates `file` in the folder from the SQL files (relative to the source tree), then
// runs the extra statements, each on its own.
void CreateDatabase(const testsupport::TempProgramFolder& folder, const QString& file, const QStringList& sqlFiles,
                    const QStringList& statements = {});

// The demo company database "demo.sqlite" and the statistics database.
void CreateDemoDatabases(const testsupport::TempProgramFolder& folder, bool withStatistics = true);
inline const QString kDemoLine = QStringLiteral("@Server=SQLITE;@DbName=demo.sqlite;@Usuario=Vandrel;@Password=;@Caja=1");

// Opens gDBPrincipal on a database file of the folder as the given user, without start-up.
void OpenMain(const QString& file, const QString& user = QStringLiteral("Vandrel"));

// Rows of a query on the file, read through a connection of its own: each row a list
// of values.
QList<QVariantList> Query(const QString& file, const QString& sql);
QVariant Scalar(const QString& file, const QString& sql);
void Exec(const QString& file, const QString& sql);

// Puts the frame, the data layer and the library objects back to their state before
// start-up, with the fixed workstation installed.
void ResetProgram();

} // namespace frametest
