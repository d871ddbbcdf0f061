#pragma once
// The suite's text files: Windows-1252 with CR LF, and fixed-length records kept
// byte for byte. File names are matched without regard to case.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vb {

QString FromCp1252(const QByteArray& bytes);
// Characters outside Windows-1252 are written as "?".
QByteArray ToCp1252(const QString& text);

// The path of `name` inside `folder` matched without regard to case; when nothing
// matches, folder + "/" + name (so the caller can create it).
QString FindFileNoCase(const QString& folder, const QString& name);
bool FileExistsNoCase(const QString& folder, const QString& name);

// Lines of a Windows-1252 file, split at CR LF, LF or CR; false when it cannot be read.
bool ReadLines(const QString& path, QStringList& lines);
// Appends one line and CR LF, creating the file; a last line left without its end
// gets CR LF first. False on failure.
bool AppendLine(const QString& path, const QString& line);
// Writes the lines, each followed by CR LF, replacing the file; false on failure.
bool WriteLines(const QString& path, const QStringList& lines);

// Fixed-length records: record n (1-based) of `size` bytes; false past the last
// whole record.
bool ReadRecord(const QString& path, int size, int number, QByteArray& record);
int RecordCount(const QString& path, int size);   // whole records only
// Writes record n (1-based), padded with blanks or cut to `size` bytes, creating the
// file; missing records before it are filled with blanks. False on failure.
bool WriteRecord(const QString& path, int size, int number, const QByteArray& record);

} // namespace vb
