#pragma once
// The workstation's regional number settings. Dates are always day/month/year,
// whatever the locale: the suite writes and reads them day-first everywhere.
#include <QChar>

namespace vb {

struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandsSeparator = QLatin1Char(',');
    int moneyDecimals = 2;

    static RegionalSettings fromSystemLocale();
};

// The program-wide settings, read from the locale on first use; tests pin them.
RegionalSettings& Regional();
void SetRegional(const RegionalSettings& settings);

} // namespace vb
