#pragma once
// Pins the program clock (App's Now) to a fixed naive date-time while it lives.
#include <QDateTime>

namespace testsupport {

class FixedClock {
public:
    explicit FixedClock(const QDateTime& now);
    FixedClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    ~FixedClock();   // back to the real clock
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(const QDateTime& now);
    void advance(qint64 seconds);
    QDateTime now() const { return now_; }

private:
    QDateTime now_;
};

} // namespace testsupport
