// Where the source tree is.
#include "tests/support/SourceTree.h"

#include <QDir>

namespace testsupport {

QString SourceDir()
{
    const QString fromEnv = qEnvironmentVariable("TEST_SOURCE_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
    return QStringLiteral(TESTSUPPORT_SOURCE_DIR);
}

QString SourcePath(const QString& relativePath)
{
    return QDir(SourceDir()).filePath(relativePath);
}

} // namespace testsupport
