#pragma once
// The beat at which a long loop lets the window's pending events run: on its first pass
// and then about fifty times a second, rather than on every row, which would cost more
// than the rows themselves.
#include <QElapsedTimer>

namespace ui {

class EventPulse {
public:
    EventPulse() { m_clock.start(); }
    // True when the events are due; the next beat is counted from here.
    bool due()
    {
        if (m_first || m_clock.elapsed() >= 20) {
            m_first = false;
            m_clock.restart();
            return true;
        }
        return false;
    }

private:
    QElapsedTimer m_clock;
    bool m_first = true;
};

} // namespace ui
