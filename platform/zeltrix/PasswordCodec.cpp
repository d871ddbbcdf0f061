// The reversible transform of stored passwords (BASES.TXT, the workstation INI file).
// It hides the text from a casual look; it is no encryption. The coded text is "Z"
// followed by upper-case hexadecimal digits, so it holds only letters and digits and
// sits safely in comma-separated lines and in "key=value;" texts.
#include "platform/zeltrix/Utilidades.h"
#include <QByteArray>

namespace zeltrix {

namespace {

const QChar Marker = QLatin1Char('Z');

// Each byte is mixed with a key that changes along the text, so repeated characters do
// not show as repeated digit pairs.
char keyAt(int position)
{
    return char((0x5A + 37 * position) & 0xFF);
}

QByteArray mix(const QByteArray& bytes)
{
    QByteArray out = bytes;
    for (int i = 0; i < out.size(); ++i)
        out[i] = char(out.at(i) ^ keyAt(i));
    return out;
}

bool isUpperHex(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

QString Utilidades::CodificaClave(const QString& Texto) const
{
    if (Texto.isEmpty())
        return QString();
    return Marker + QString::fromLatin1(mix(Texto.toUtf8()).toHex().toUpper());
}

// A text that is not a coded one (a password written into the INI file by hand) comes
// back as it is.
QString Utilidades::DecodificaClave(const QString& Texto) const
{
    if (Texto.size() < 3 || Texto.at(0) != Marker || (Texto.size() - 1) % 2 != 0)
        return Texto;
    for (int i = 1; i < Texto.size(); ++i)
        if (!isUpperHex(Texto.at(i)))
            return Texto;
    const QByteArray bytes = mix(QByteArray::fromHex(Texto.mid(1).toLatin1()));
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() != bytes)
        return Texto;   // not UTF-8: it was never coded by us
    return decoded;
}

} // namespace zeltrix
