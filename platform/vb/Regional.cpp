#include "platform/vb/Regional.h"
#include <QLocale>
#include <optional>

namespace vb {

namespace {
std::optional<RegionalSettings>& current()
{
    static std::optional<RegionalSettings> settings;
    return settings;
}

// Digits after the decimal point in the locale's money format (2 when the locale
// does not say otherwise).
int moneyDecimalsOf(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return 2;
    const QString text = locale.toCurrencyString(1.0);
    const QString point = locale.decimalPoint();
    const qsizetype at = text.lastIndexOf(point);
    if (at < 0)
        return text.contains(QLatin1Char('1')) ? 0 : 2;
    int digits = 0;
    for (qsizetype i = at + point.size(); i < text.size() && text.at(i).isDigit(); ++i)
        ++digits;
    return digits;
}
} // namespace

RegionalSettings RegionalSettings::fromSystemLocale()
{
    const QLocale locale = QLocale::system();
    RegionalSettings s;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!point.isEmpty())
        s.decimalSeparator = point.at(0);
    if (!group.isEmpty())
        s.thousandsSeparator = group.at(0);
    else
        s.thousandsSeparator = s.decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    s.moneyDecimals = moneyDecimalsOf(locale);
    return s;
}

RegionalSettings& Regional()
{
    auto& s = current();
    if (!s)
        s = RegionalSettings::fromSystemLocale();
    return *s;
}

void SetRegional(const RegionalSettings& settings)
{
    current() = settings;
}

} // namespace vb
