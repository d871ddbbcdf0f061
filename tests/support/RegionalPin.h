#pragma once
// Pins the regional number settings for one test; the previous ones come back after.
#include "platform/vb/Regional.h"

namespace testsupport {

class RegionalPin {
public:
    // Default: "." decimals, "," grouping, 2 money decimals. A test that depends on
    // another workstation (e.g. "," decimals) says so.
    explicit RegionalPin(QChar decimalSeparator = QLatin1Char('.'),
                         QChar thousandsSeparator = QLatin1Char(','), int moneyDecimals = 2);
    explicit RegionalPin(const vb::RegionalSettings& settings);
    ~RegionalPin();
    RegionalPin(const RegionalPin&) = delete;
    RegionalPin& operator=(const RegionalPin&) = delete;

private:
    vb::RegionalSettings previous_;
};

} // namespace testsupport
