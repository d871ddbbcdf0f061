#include "frame/ArmaFiltro.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TypedNumber.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr qint16 TipoFecha = 7;
constexpr qint16 TipoDoble = 5;
constexpr qint16 TipoEnteroLargo = 20;
constexpr qint16 TipoEntero = 2;
constexpr qint16 TipoSimple = 4;
constexpr qint16 TipoMoneda = 6;
constexpr int ErrSubscriptOutOfRange = 9;

bool isNumericType(qint16 tipo)
{
    return tipo == TipoDoble || tipo == TipoEnteroLargo || tipo == TipoEntero || tipo == TipoSimple
        || tipo == TipoMoneda;
}

// A numeric bound as the operator typed it, in the workstation's format, written with
// "." as the formula writes numbers; error 13 when it is no number.
QString typedNumber(const QString& bound)
{
    vb::TypedNumber n;
    if (!vb::ReadTypedNumber(bound, n))
        vb::Raise(vb::ErrTypeMismatch);
    return n.canonical();
}

double toDouble(const QString& bound)
{
    return typedNumber(bound).toDouble();
}

// A whole number of 64 bits from a bound: digits exactly, anything else rounded half to
// the even number (6 beyond the range).
qint64 toBigInt(const QString& bound)
{
    const QString number = typedNumber(bound);
    bool ok = false;
    const qint64 exact = number.toLongLong(&ok);
    if (ok)
        return exact;
    const double d = number.toDouble();
    if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0))
        vb::Raise(vb::ErrOverflow);
    return qint64(std::nearbyint(d));
}

float toSingle(const QString& bound)
{
    const double d = toDouble(bound);
    if (std::fabs(d) > double(std::numeric_limits<float>::max()))
        vb::Raise(vb::ErrOverflow);
    return float(d);
}

vb::Currency toMoney(const QString& bound)
{
    vb::Currency c;
    vb::Currency::tryParse(typedNumber(bound), c);
    return c;
}

// Whether the lower bound is above the upper one, compared as the field's type.
// Money is compared as money and type 20 as 64-bit whole numbers: 16 bits would
// overflow above 32767 and take 2.5 and 2.4 as equal.
bool lowerAboveUpper(qint16 tipo, const QString& desde, const QString& hasta)
{
    switch (tipo) {
    case TipoDoble: return toDouble(desde) > toDouble(hasta);
    case TipoEnteroLargo: return toBigInt(desde) > toBigInt(hasta);
    case TipoEntero: return vb::CInt(vb::Variant(toDouble(desde))) > vb::CInt(vb::Variant(toDouble(hasta)));
    case TipoSimple: return toSingle(desde) > toSingle(hasta);
    case TipoMoneda: return toMoney(desde) > toMoney(hasta);
    default: return vb::Compare(vb::Variant(desde), vb::Variant(hasta), true) > 0;
    }
}

// A numeric bound as the formula writes it: a typed number with "." decimals and no
// grouping; anything else (a pattern) as it was typed.
QString formulaNumber(const QString& bound)
{
    vb::TypedNumber n;
    return vb::ReadTypedNumber(bound, n) ? n.canonical() : bound;
}

bool given(const QString& bound) { return !vb::Trim(bound).isEmpty(); }

// A bound between the formula's apostrophes: its own apostrophes doubled, as the
// formula language reads a quote inside a text.
QString quoted(const QString& bound)
{
    return QStringLiteral("'") + QString(bound).replace(QLatin1Char('\''), QStringLiteral("''")) + QStringLiteral("'");
}

// The message for the criterion's bounds, or nothing when they are sound.
std::optional<QString> checkBounds(const zeltrix::RegCriterio& c, const QString& desde, const QString& hasta)
{
    if (c.TipoDato == TipoFecha) {
        const QString d = vb::Trim(desde);
        const QString h = vb::Trim(hasta);
        if (!d.isEmpty() && !vb::IsDate(d))
            return QStringLiteral("Fecha Desde Incorrecta , Campo : ") + c.Campo;
        if (!h.isEmpty() && !vb::IsDate(h))
            return QStringLiteral("Fecha Hasta Incorrecta , Campo : ") + c.Campo;
        if (!d.isEmpty() && !h.isEmpty() && vb::CDate(h) < vb::CDate(d))
            return QStringLiteral("Fecha Desde Mayor que Hasta , Campo : ") + c.Campo;
        return std::nullopt;
    }
    if (given(desde) && given(hasta) && lowerAboveUpper(c.TipoDato, desde, hasta))
        return QStringLiteral("Desde Mayor que Hasta, Campo : ") + c.Campo;
    return std::nullopt;
}

// The criterion's text: a range test of the field, or LIKE tests for patterns.
QString criterionText(const zeltrix::RegCriterio& c, const QString& desde, const QString& hasta)
{
    QString field = c.Campo;
    if (c.TipoDato == TipoDoble)
        field = QStringLiteral("tonumber(") + c.Campo + QStringLiteral(")");
    else if (c.TipoDato != TipoFecha && !isNumericType(c.TipoDato) && !c.SinRecorte)
        field = QStringLiteral("TrimLeft(TrimRight(") + c.Campo + QStringLiteral("))");

    auto value = [&](const QString& bound) {
        if (c.TipoDato == TipoFecha)
            return Utilidades->FechaReporte(bound);
        if (isNumericType(c.TipoDato))
            return formulaNumber(bound);
        return quoted(bound);
    };

    const bool patterns = c.TipoDato != TipoFecha && c.TipoDato != TipoDoble;
    const bool lowerPattern = patterns && desde.contains(QLatin1Char('*'));
    const bool upperPattern = patterns && hasta.contains(QLatin1Char('*'));

    QString t;
    if (lowerPattern)
        t = QStringLiteral(" (") + field + QStringLiteral(" LIKE ") + quoted(desde) + QStringLiteral(" ");
    else if (given(desde))
        t = field + QStringLiteral(" >= ") + value(desde) + QStringLiteral(" ");

    if (upperPattern) {
        const QString part = field + QStringLiteral(" LIKE ") + quoted(hasta) + QStringLiteral(" ");
        if (lowerPattern)
            t += QStringLiteral(" OR ") + part;
        else if (!t.isEmpty())
            t += QStringLiteral(" AND ") + part;
        else
            t = part;
    } else if (given(hasta)) {
        const QString part = field + QStringLiteral(" <= ") + value(hasta) + QStringLiteral(" ");
        t = t.isEmpty() ? part : t + QStringLiteral(" AND ") + part;
    }

    if (lowerPattern)
        t += QStringLiteral(")");
    return t;
}

} // namespace

void ArmaFiltro(const QList<zeltrix::RegCriterio>& Criterios, QString& Formula, vb::Variant* Mensaje)
{
    if (Criterios.isEmpty())
        vb::Raise(ErrSubscriptOutOfRange);

    auto fail = [&](const QString& message) {
        if (Mensaje)
            *Mensaje = vb::Variant(message);
    };

    QString result;
    bool started = false;
    for (const zeltrix::RegCriterio& c : Criterios) {
        QString operador = vb::Trim(c.Operador);
        if (operador.isEmpty())
            operador = QStringLiteral("AND");
        if (vb::UCase(operador) != QLatin1String("AND") && vb::UCase(operador) != QLatin1String("OR")) {
            fail(QStringLiteral("Operador logico incorrecto"));
            return;
        }
        const QString connector = QStringLiteral(" ") + operador + QStringLiteral(" ");

        // A NUL typed into a date box, or kept in a long-number bound, is no character.
        QString desde = c.Desde;
        QString hasta = c.Hasta;
        const QString nul(QChar(0));
        if (c.TipoDato == TipoFecha) {
            desde = Utilidades->QuitaCaracteres(desde, nul);
            hasta = Utilidades->QuitaCaracteres(hasta, nul);
        } else if (c.TipoDato == TipoEnteroLargo) {
            hasta = Utilidades->QuitaCaracteres(hasta, nul);
        }

        if (const auto message = checkBounds(c, desde, hasta)) {
            fail(*message);
            return;
        }

        const QString t = criterionText(c, desde, hasta);
        if (vb::Trim(t).isEmpty())
            continue;
        result = started ? result + connector + t : t;
        started = true;
    }
    Formula = result;
}
