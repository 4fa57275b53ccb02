#pragma once

#include <QDateTime>

// Where the program reads the time. Everything that depends on the time asks
// a Clock, so tests can move time by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    // The current local date and time.
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that never jumps, for measuring waits.
    virtual qint64 monotonicMs() const = 0;

    // The clock of the running program.
    static const Clock &system();
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
};
