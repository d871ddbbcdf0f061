// Small text operations of the utility object.
#include "platform/zeltrix/Utilidades.h"
#include "platform/vb/Strings.h"

namespace zeltrix {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString Utilidades::QuitaCaracteres(const QString& Texto, const QString& Caracter1,
                                    const QString& Caracter2, const QString& Caracter3) const
{
    QString result = Texto;
    for (const QString* c : {&Caracter1, &Caracter2, &Caracter3})
        if (!c->isEmpty())
            result.remove(*c, Qt::CaseSensitive);
    return result;
}

QString Utilidades::Reemplaza(const QString& Texto, const QString& Buscado, const QString& Nuevo) const
{
    if (Buscado.isEmpty())
        return Texto;
    QString result = Texto;
    return result.replace(Buscado, Nuevo, Qt::CaseSensitive);
}

// SQL names ignore case, and a view name must not be swapped inside a longer name
// (V_MA_ARTICULOS inside VT_MA_ARTICULOS or V_MA_ARTICULOS_X).
QString Utilidades::ReemplazaTabla(const QString& Sentencia, const QString& Vista, const QString& OtraVista) const
{
    if (Vista.isEmpty())
        return Sentencia;
    QString result;
    int from = 0;
    for (;;) {
        const int at = Sentencia.indexOf(Vista, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const int end = at + Vista.size();
        const bool startsName = at == 0 || !isNameChar(Sentencia.at(at - 1));
        const bool endsName = end >= Sentencia.size() || !isNameChar(Sentencia.at(end));
        result += Sentencia.mid(from, at - from);
        result += (startsName && endsName) ? OtraVista : Sentencia.mid(at, Vista.size());
        from = end;
    }
    result += Sentencia.mid(from);
    return result;
}

// An empty folder stays empty, so that a name appended to it stays relative rather than
// landing in the root folder.
QString Utilidades::CompletaRuta(const QString& Carpeta) const
{
    if (Carpeta.isEmpty() || Carpeta.endsWith(QLatin1Char('/')))
        return Carpeta;
    return Carpeta + QLatin1Char('/');
}

QString Utilidades::LimitaLargo(const QString& Texto, int Largo) const
{
    if (Largo <= 0)
        return QString();
    return Texto.left(Largo);
}

int Utilidades::CuentaPalabras(const QString& Texto) const
{
    int words = 0;
    bool inWord = false;
    for (QChar c : Texto) {
        const bool separator = c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r')
                            || c == QLatin1Char('\n');
        if (!separator && !inWord)
            ++words;
        inWord = !separator;
    }
    return words;
}

// Voucher-type codes arrive both trimmed and at their stored width ("RM  "), so outer
// blanks do not count, and neither does case.
bool Utilidades::EstaEnLista(const QString& Valor, const QStringList& Lista) const
{
    const QString value = vb::Trim(Valor);
    for (const QString& item : Lista)
        if (QString::compare(value, vb::Trim(item), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A prepared literal is the text between apostrophes with inner apostrophes doubled;
// anything else (NULL, a number) just loses its outer blanks.
QString Utilidades::TextoPlano(const QString& Texto) const
{
    QString s = vb::Trim(Texto);
    if (s.size() >= 2 && s.startsWith(QLatin1Char('\'')) && s.endsWith(QLatin1Char('\''))) {
        s = s.mid(1, s.size() - 2);
        s.replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    return vb::Trim(s);
}

} // namespace zeltrix
