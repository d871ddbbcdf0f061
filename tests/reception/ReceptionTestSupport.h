#pragma once
// Reading the demo company database back, adding triggers to it and reading a printed
// report, as the reception tests do.
#include "tests/support/TempProgramFolder.h"
#include <QList>
#include <QString>
#include <QVariant>

namespace receptiontest {

inline const QString kDb = QStringLiteral("demo.sqlite");

// The rows of a query on the demo database, through a connection of the test's own.
QList<QVariantList> rows(const QString& sql);
// The first value of a query on the demo database; count() reads it as a number.
QVariant scalar(const QString& sql);
int count(const QString& sql);

// DDL the statement splitter of the program's provider is not meant for (trigger
// bodies), run straight on the demo database file.
void ddl(const testsupport::TempProgramFolder& folder, const QString& sql);

// The text of a PDF as pdftotext lays it out; empty if it does not finish.
QString pdfText(const QString& path);

} // namespace receptiontest
