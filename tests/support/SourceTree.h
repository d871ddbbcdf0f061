#pragma once
// The source tree of the project, for tests that read db/schema.sql, reports, …
// CTest sets TEST_SOURCE_DIR; a test run by hand falls back to the tree it was built from.
#include <QString>

namespace testsupport {

QString SourceDir();
QString SourcePath(const QString& relativePath);

} // namespace testsupport
