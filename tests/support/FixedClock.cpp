// A fixed program clock for one test.
#include "tests/support/FixedClock.h"
#include "platform/vb/App.h"
#include "platform/vb/Variant.h"

namespace testsupport {

FixedClock::FixedClock(const QDateTime& now)
{
    set(now);
    vb::App::SetClock([this] { return now_; });
}

FixedClock::FixedClock(int year, int month, int day, int hour, int minute, int second)
    : FixedClock(QDateTime(QDate(year, month, day), QTime(hour, minute, second)))
{
}

FixedClock::~FixedClock()
{
    vb::App::SetClock({});
}

void FixedClock::set(const QDateTime& now)
{
    now_ = vb::NaiveDate(now);
}

void FixedClock::advance(qint64 seconds)
{
    now_ = now_.addSecs(seconds);
}

} // namespace testsupport
