#pragma once
// A fresh, empty program folder for one test: set as App.Path while it lives, then
// the previous folder is put back and the folder removed.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes a file (bytes as given: the suite's files are Windows-1252 with CR LF);
    // creates sub-folders of `name`. Returns the full path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // Copies a file of the source tree (path relative to it) into the folder, under
    // `name` (default: its file name). Returns the full path.
    QString copyFromSource(const QString& relativePath, const QString& name = QString()) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace testsupport
