// A temporary program folder set as App.Path for one test.
#include "tests/support/TempProgramFolder.h"
#include "tests/support/SourceTree.h"
#include "platform/vb/App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace testsupport {

TempProgramFolder::TempProgramFolder()
    : previous_(vb::App::Path())
{
    if (!dir_.isValid())
        QTest::qFail("TempProgramFolder: cannot create a temporary folder", __FILE__, __LINE__);
    vb::App::SetPath(dir_.path());
}

TempProgramFolder::~TempProgramFolder()
{
    vb::App::SetPath(previous_);
}

QString TempProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = filePath(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("TempProgramFolder: cannot write ") + full), __FILE__, __LINE__);
    return full;
}

QString TempProgramFolder::copyFromSource(const QString& relativePath, const QString& name) const
{
    QFile source(SourcePath(relativePath));
    if (!source.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("TempProgramFolder: no source file ") + source.fileName()),
                     __FILE__, __LINE__);
        return QString();
    }
    return write(name.isEmpty() ? QFileInfo(relativePath).fileName() : name, source.readAll());
}

QByteArray TempProgramFolder::read(const QString& name) const
{
    QFile f(filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport
