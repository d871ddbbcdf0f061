// Pinned regional settings for one test.
#include "tests/support/RegionalPin.h"

namespace testsupport {

namespace {
vb::RegionalSettings make(QChar decimal, QChar thousands, int moneyDecimals)
{
    vb::RegionalSettings s;
    s.decimalSeparator = decimal;
    s.thousandsSeparator = thousands;
    s.moneyDecimals = moneyDecimals;
    return s;
}
} // namespace

RegionalPin::RegionalPin(QChar decimalSeparator, QChar thousandsSeparator, int moneyDecimals)
    : RegionalPin(make(decimalSeparator, thousandsSeparator, moneyDecimals))
{
}

RegionalPin::RegionalPin(const vb::RegionalSettings& settings)
    : previous_(vb::Regional())
{
    vb::SetRegional(settings);
}

RegionalPin::~RegionalPin()
{
    vb::SetRegional(previous_);
}

} // namespace testsupport
