// Windows-1252 text files with CR LF, fixed-length records, file names without case.
#include "platform/vb/TextFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vb {

namespace {
// 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to the same code point.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int toByte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

bool readAll(const QString& path, QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return f.error() == QFile::NoError;
}
} // namespace

QString FromCp1252(const QByteArray& bytes)
{
    QString out;
    out.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 b = quint8(bytes.at(i));
        out[i] = QChar(b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray ToCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += '?';
            ++i;
            continue;
        }
        const int b = toByte(c.unicode());
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

QString FindFileNoCase(const QString& folder, const QString& name)
{
    const QString direct = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(direct))
        return direct;
    // Walk the name's components, matching each without regard to case.
    QString current = folder;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QString match;
        if (QFileInfo::exists(current + QLatin1Char('/') + part)) {
            match = part;
        } else {
            QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                          | QDir::NoDotAndDotDot, QDir::Name);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = e;
                    break;
                }
        }
        if (match.isEmpty())
            return direct;
        current += QLatin1Char('/') + match;
    }
    return current;
}

bool FileExistsNoCase(const QString& folder, const QString& name)
{
    return QFileInfo::exists(FindFileNoCase(folder, name));
}

bool ReadLines(const QString& path, QStringList& lines)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return false;
    lines.clear();
    const QString text = FromCp1252(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return true;
}

bool AppendLine(const QString& path, const QString& line)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray bytes = ToCp1252(line) + "\r\n";
    // A last line someone left without its end is ended first, never joined to the new one.
    if (f.size() > 0) {
        char last = 0;
        if (!f.seek(f.size() - 1) || !f.getChar(&last))
            return false;
        if (last != '\n' && last != '\r')
            bytes.prepend("\r\n");
    }
    return f.write(bytes) == bytes.size() && f.flush();
}

bool WriteLines(const QString& path, const QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToCp1252(line) + "\r\n";
    return f.write(bytes) == bytes.size() && f.flush();
}

bool ReadRecord(const QString& path, int size, int number, QByteArray& record)
{
    if (size <= 0 || number < 1)
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 offset = qint64(number - 1) * size;
    if (offset + size > f.size() || !f.seek(offset))
        return false;
    record = f.read(size);
    return record.size() == size;
}

int RecordCount(const QString& path, int size)
{
    if (size <= 0)
        return 0;
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    return int(info.size() / size);
}

bool WriteRecord(const QString& path, int size, int number, const QByteArray& record)
{
    if (size <= 0 || number < 1)
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const qint64 offset = qint64(number - 1) * size;
    // Records before this one that do not exist yet are filled with blanks.
    if (f.size() < offset) {
        if (!f.seek(f.size()))
            return false;
        const QByteArray fill(offset - f.size(), ' ');
        if (f.write(fill) != fill.size())
            return false;
    }
    QByteArray bytes = record.left(size);
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), ' '));
    return f.seek(offset) && f.write(bytes) == size && f.flush();
}

} // namespace vb
