#include "platform/vb/Variant.h"
#include "platform/vb/Internal.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include <QMetaType>
#include <cmath>
#include <limits>

namespace vb {

QDateTime MakeDate(const QDate& date, const QTime& time)
{
    return QDateTime(date, time.isValid() ? time : QTime(0, 0), Qt::UTC);
}

QDateTime NaiveDate(const QDateTime& any)
{
    if (!any.isValid())
        return any.date().isValid() ? MakeDate(any.date()) : QDateTime();
    return QDateTime(any.date(), any.time(), Qt::UTC);
}

Variant::Variant(long long v)
{
    if (v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max())
        v_ = qint32(v);
    else
        v_ = double(v);
}

Variant Variant::fromQVariant(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return Null();
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return Variant(v.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return Variant(static_cast<long long>(v.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong u = v.toULongLong();
        if (u <= qulonglong(std::numeric_limits<qint32>::max()))
            return Variant(int(u));
        return Variant(double(u));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return Variant(v.toDouble());
    case QMetaType::QString:
        return Variant(v.toString());
    case QMetaType::QByteArray:
        return Variant(QString::fromLatin1(v.toByteArray()));
    case QMetaType::QDateTime:
        return Variant(NaiveDate(v.toDateTime()));
    case QMetaType::QDate:
        return Variant(MakeDate(v.toDate()));
    case QMetaType::QTime:
        return Variant(MakeDate(QDate(1899, 12, 30), v.toTime()));
    case QMetaType::QChar:
        return Variant(QString(v.toChar()));
    default:
        if (v.canConvert<QString>())
            return Variant(v.toString());
        Raise(ErrTypeMismatch);
    }
}

QVariant Variant::toQVariant() const
{
    return std::visit([](const auto& x) -> QVariant {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, EmptyTag> || std::is_same_v<T, NullTag>)
            return QVariant();
        else if constexpr (std::is_same_v<T, qint16>)
            return QVariant(int(x));
        else if constexpr (std::is_same_v<T, Currency>)
            return QVariant(x.toDouble());
        else
            return QVariant(x);
    }, v_);
}

VarType Variant::type() const
{
    switch (v_.index()) {
    case 0: return VarType::Empty;
    case 1: return VarType::Null;
    case 2: return VarType::Boolean;
    case 3: return VarType::Integer;
    case 4: return VarType::Long;
    case 5: return VarType::Double;
    case 6: return VarType::Currency;
    case 7: return VarType::Date;
    default: return VarType::String;
    }
}

bool Variant::isNumeric() const
{
    switch (type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Boolean:
        return true;
    default:
        return false;
    }
}

namespace {

// A text read as a number the way CDbl reads it: regional separators, grouping,
// optional exponent. Error 13 when it is not a number.
double textToDouble(const QString& s)
{
    const RegionalSettings& r = Regional();
    std::string normalized;
    if (!detail::scanNumber(s, r.decimalSeparator, r.thousandsSeparator, true, normalized))
        Raise(ErrTypeMismatch);
    return detail::parseCNumber(normalized);
}

// Half to even, error 6 outside [lo, hi].
qint64 roundChecked(double v, qint64 lo, qint64 hi)
{
    if (!std::isfinite(v))
        Raise(ErrOverflow);
    const double r = std::nearbyint(v);   // default rounding mode: half to even
    if (r < double(lo) || r > double(hi))
        Raise(ErrOverflow);
    return qint64(r);
}

qint64 currencyUnits(Currency c)
{
    return c.rounded(0).raw() / Currency::Scale;
}

} // namespace

QString Variant::toString() const
{
    const QChar dec = Regional().decimalSeparator;
    switch (type()) {
    case VarType::Empty: return QString();
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Boolean: return std::get<bool>(v_) ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Integer: return QString::number(std::get<qint16>(v_));
    case VarType::Long: return QString::number(std::get<qint32>(v_));
    case VarType::Double: return detail::doubleText(std::get<double>(v_), dec);
    case VarType::Currency: {
        QString s = std::get<Currency>(v_).toString();
        if (dec != QLatin1Char('.'))
            s.replace(QLatin1Char('.'), dec);
        return s;
    }
    case VarType::Date: return detail::dateText(std::get<QDateTime>(v_));
    case VarType::String: return std::get<QString>(v_);
    }
    return QString();
}

double Variant::toDouble() const
{
    switch (type()) {
    case VarType::Empty: return 0;
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Boolean: return std::get<bool>(v_) ? -1 : 0;
    case VarType::Integer: return std::get<qint16>(v_);
    case VarType::Long: return std::get<qint32>(v_);
    case VarType::Double: return std::get<double>(v_);
    case VarType::Currency: return std::get<Currency>(v_).toDouble();
    case VarType::Date: return detail::dateToSerial(std::get<QDateTime>(v_));
    case VarType::String: return textToDouble(std::get<QString>(v_));
    }
    return 0;
}

qint32 Variant::toLong() const
{
    constexpr qint64 lo = std::numeric_limits<qint32>::min(), hi = std::numeric_limits<qint32>::max();
    switch (type()) {
    case VarType::Integer: return std::get<qint16>(v_);
    case VarType::Long: return std::get<qint32>(v_);
    case VarType::Currency: {
        const qint64 u = currencyUnits(std::get<Currency>(v_));
        if (u < lo || u > hi)
            Raise(ErrOverflow);
        return qint32(u);
    }
    default:
        return qint32(roundChecked(toDouble(), lo, hi));
    }
}

qint16 Variant::toInt() const
{
    constexpr qint64 lo = std::numeric_limits<qint16>::min(), hi = std::numeric_limits<qint16>::max();
    switch (type()) {
    case VarType::Integer: return std::get<qint16>(v_);
    case VarType::Long: {
        const qint32 v = std::get<qint32>(v_);
        if (v < lo || v > hi)
            Raise(ErrOverflow);
        return qint16(v);
    }
    case VarType::Currency: {
        const qint64 u = currencyUnits(std::get<Currency>(v_));
        if (u < lo || u > hi)
            Raise(ErrOverflow);
        return qint16(u);
    }
    default:
        return qint16(roundChecked(toDouble(), lo, hi));
    }
}

Currency Variant::toCurrency() const
{
    switch (type()) {
    case VarType::Empty: return Currency();
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Boolean: return Currency::fromInt(std::get<bool>(v_) ? -1 : 0);
    case VarType::Integer: return Currency::fromInt(std::get<qint16>(v_));
    case VarType::Long: return Currency::fromInt(std::get<qint32>(v_));
    case VarType::Double: return Currency::fromDouble(std::get<double>(v_));
    case VarType::Currency: return std::get<Currency>(v_);
    case VarType::Date: return Currency::fromDouble(toDouble());
    case VarType::String: {
        const RegionalSettings& r = Regional();
        Currency c;
        if (Currency::tryParse(std::get<QString>(v_), c, r.decimalSeparator, r.thousandsSeparator))
            return c;
        return Currency::fromDouble(textToDouble(std::get<QString>(v_)));
    }
    }
    return Currency();
}

QDateTime Variant::toDate() const
{
    switch (type()) {
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Date: return std::get<QDateTime>(v_);
    case VarType::String: {
        QDateTime d;
        if (!ParseDate(std::get<QString>(v_), d))
            Raise(ErrTypeMismatch);
        return d;
    }
    default:
        return detail::serialToDate(toDouble());
    }
}

bool Variant::toBool() const
{
    switch (type()) {
    case VarType::Null: Raise(ErrInvalidUseOfNull);
    case VarType::Boolean: return std::get<bool>(v_);
    case VarType::Currency: return std::get<Currency>(v_).raw() != 0;
    case VarType::String: {
        const QString s = std::get<QString>(v_).trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
            || s.compare(QLatin1String("Verdadero"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0
            || s.compare(QLatin1String("Falso"), Qt::CaseInsensitive) == 0)
            return false;
        return textToDouble(std::get<QString>(v_)) != 0;
    }
    default:
        return toDouble() != 0;
    }
}

qint32 RoundToLong(double v)
{
    return qint32(roundChecked(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

qint16 RoundToInt(double v)
{
    return qint16(roundChecked(v, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

namespace {

template <class T> int sign3(const T& a, const T& b) { return a < b ? -1 : (b < a ? 1 : 0); }

bool isTextNumber(const QString& s, double& out)
{
    if (!IsNumeric(s))
        return false;
    out = Variant(s).toDouble();
    return true;
}

} // namespace

int Compare(const Variant& a, const Variant& b, bool textCompare)
{
    if (a.isNull() || b.isNull())
        Raise(ErrInvalidUseOfNull);
    const VarType ta = a.type(), tb = b.type();
    const bool sa = ta == VarType::String, sb = tb == VarType::String;
    const bool numA = a.isNumeric() || ta == VarType::Date, numB = b.isNumeric() || tb == VarType::Date;

    auto compareText = [&](const QString& x, const QString& y) {
        const int c = QString::compare(x, y, textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    };

    if ((sa || ta == VarType::Empty) && (sb || tb == VarType::Empty))
        return compareText(a.toString(), b.toString());
    if (sa || sb) {
        // A number against a text: as numbers when the text is numeric, else the number is smaller.
        const Variant& text = sa ? a : b;
        const Variant& number = sa ? b : a;
        const QString& str = std::get<QString>(text.v_);
        if (number.type() == VarType::Date) {
            // A date against a text that reads as a date: as dates.
            QDateTime d;
            if (ParseDate(str, d)) {
                const int c = sign3(number.toDate(), d);
                return sa ? -c : c;
            }
        }
        double t = 0;
        if (!isTextNumber(str, t))
            return sa ? 1 : -1;
        const int c = sign3(number.toDouble(), t);
        return sa ? -c : c;
    }
    // Both numeric (Empty is 0).
    if ((ta == VarType::Currency || !numA || ta == VarType::Integer || ta == VarType::Long || ta == VarType::Boolean)
        && (tb == VarType::Currency || !numB || tb == VarType::Integer || tb == VarType::Long || tb == VarType::Boolean))
        return sign3(a.toCurrency(), b.toCurrency());
    return sign3(a.toDouble(), b.toDouble());
}

} // namespace vb
