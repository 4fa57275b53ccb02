#pragma once

#include "calendar/Clock.h"

// A clock the test sets by hand. Moving the wall time also moves the
// monotonic time by the same amount, unless set on its own. A real clock is
// seldom on a whole second: tests of the clock's tick start between two.
class FakeClock : public Clock
{
public:
    explicit FakeClock(const QDateTime &start) : current(start) {}
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }

    void set(const QDateTime &t)
    {
        monotonic += current.msecsTo(t) > 0 ? current.msecsTo(t) : 0;
        current = t;
    }
    void advanceMs(qint64 ms)
    {
        current = current.addMSecs(ms);
        monotonic += ms;
    }

    QDateTime current;
    qint64 monotonic = 1'000'000;
};
