#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class Clock;
class QTimer;

// Wakes the clock's handler only when it has something to do: at each whole
// second of the wall clock while the clock is on the screen, otherwise at the
// next event the handler's owner names. A single wait never lasts longer than
// longestWaitMs, because the timer counts time that never jumps while the
// events are on the wall clock: a clock set by hand or by the network, or a
// machine that slept, is seen within that wait, and at once where the
// kernel tells of a clock set (ClockChangeWatch).
class ClockTimer : public QObject
{
    Q_OBJECT

public:
    using NextEvent = std::function<QDateTime(const QDateTime &now)>;
    static constexpr qint64 longestWaitMs = 10'000;

    ClockTimer(const Clock &clock, NextEvent nextEvent, std::function<void()> onWake,
               QObject *parent = nullptr);

    // Plans the next wake-up from now; the timer keeps itself going from there.
    void start();
    void stop();
    bool isActive() const;
    void setEverySecond(bool everySecond);
    // The wait planned by the last start or wake-up.
    qint64 plannedWaitMs() const { return m_waitMs; }
    // One wake-up: the handler, then the next plan. The timer calls it; tests
    // call it after moving their clock on by the planned wait.
    void fire();

    // How long to wait from now for the next wake-up.
    static qint64 waitMs(const QDateTime &now, const QDateTime &nextEvent, bool everySecond);

private:
    const Clock &m_clock;
    NextEvent m_nextEvent;
    std::function<void()> m_onWake;
    QTimer *m_timer;
    bool m_everySecond = false;
    qint64 m_waitMs = 0;
};
