// Text functions: Trim family, case, Left/Right/Mid, InStr family, Replace, StrConv,
// Space/String, Chr/Asc, Split/Join.
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"

namespace vb {

namespace {
constexpr QChar kBlank = QLatin1Char(' ');
Qt::CaseSensitivity cs(CompareMethod cmp) { return cmp == vbTextCompare ? Qt::CaseInsensitive : Qt::CaseSensitive; }
}

QString LTrim(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == kBlank)
        ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == kBlank)
        --n;
    return s.left(n);
}

QString Trim(const QString& s)
{
    return LTrim(RTrim(s));
}

QString UCase(const QString& s) { return s.toUpper(); }
QString LCase(const QString& s) { return s.toLower(); }
int Len(const QString& s) { return int(s.size()); }

QString Left(const QString& s, int length)
{
    if (length < 0)
        Raise(ErrInvalidCall);
    return s.left(length);
}

QString Right(const QString& s, int length)
{
    if (length < 0)
        Raise(ErrInvalidCall);
    return s.right(length);
}

QString Mid(const QString& s, int start)
{
    if (start < 1)
        Raise(ErrInvalidCall);
    return start > s.size() ? QString() : s.mid(start - 1);
}

QString Mid(const QString& s, int start, int length)
{
    if (start < 1 || length < 0)
        Raise(ErrInvalidCall);
    return start > s.size() ? QString() : s.mid(start - 1, length);
}

int InStr(const QString& s, const QString& sought, CompareMethod cmp)
{
    return InStr(1, s, sought, cmp);
}

int InStr(int start, const QString& s, const QString& sought, CompareMethod cmp)
{
    if (start < 1)
        Raise(ErrInvalidCall);
    if (start > s.size())
        return sought.isEmpty() && s.isEmpty() ? 0 : 0;
    if (sought.isEmpty())
        return start;
    return int(s.indexOf(sought, start - 1, cs(cmp))) + 1;
}

int InStrRev(const QString& s, const QString& sought, int start, CompareMethod cmp)
{
    if (start == 0 || start < -1)
        Raise(ErrInvalidCall);
    if (start == -1)
        start = int(s.size());
    if (start > s.size())
        return 0;
    if (sought.isEmpty())
        return start;
    const qsizetype from = start - sought.size();
    if (from < 0)
        return 0;
    return int(s.lastIndexOf(sought, from, cs(cmp))) + 1;
}

QString Replace(const QString& s, const QString& find, const QString& with, CompareMethod cmp)
{
    if (find.isEmpty())
        return s;
    QString out = s;
    return out.replace(find, with, cs(cmp));
}

QString StrConv(const QString& s, StrConvMode mode)
{
    switch (mode) {
    case vbUpperCase: return s.toUpper();
    case vbLowerCase: return s.toLower();
    case vbProperCase: {
        QString out = s.toLower();
        bool wordStart = true;
        for (qsizetype i = 0; i < out.size(); ++i) {
            const ushort c = out.at(i).unicode();
            const bool breaker = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v'
                                 || c == '\f' || c == 0;
            if (breaker) {
                wordStart = true;
            } else if (wordStart) {
                out[i] = out.at(i).toUpper();
                wordStart = false;
            }
        }
        return out;
    }
    }
    Raise(ErrInvalidCall);
}

QString Space(int n)
{
    if (n < 0)
        Raise(ErrInvalidCall);
    return QString(n, kBlank);
}

QString String(int n, QChar c)
{
    if (n < 0)
        Raise(ErrInvalidCall);
    return QString(n, c);
}

QString Chr(int code)
{
    if (code < 0 || code > 255)
        Raise(ErrInvalidCall);
    return FromCp1252(QByteArray(1, char(code)));
}

int Asc(const QString& s)
{
    if (s.isEmpty())
        Raise(ErrInvalidCall);
    return quint8(ToCp1252(s.left(s.at(0).isHighSurrogate() ? 2 : 1)).at(0));
}

QStringList Split(const QString& s, const QString& delimiter)
{
    if (s.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {s};
    return s.split(delimiter, Qt::KeepEmptyParts);
}

QString Join(const QStringList& parts, const QString& delimiter)
{
    return parts.join(delimiter);
}

} // namespace vb
