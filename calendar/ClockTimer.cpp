#include "calendar/ClockTimer.h"

#include "calendar/Clock.h"
#include "calendar/ClockChangeWatch.h"

#include <QTimer>
#include <algorithm>

ClockTimer::ClockTimer(const Clock &clock, NextEvent nextEvent, std::function<void()> onWake,
                       QObject *parent)
    : QObject(parent), m_clock(clock), m_nextEvent(std::move(nextEvent)),
      m_onWake(std::move(onWake)), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    // A coarse timer may come a little early, which would show the old second.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ClockTimer::fire);
    // A clock set or a machine woken is looked at now, not after the longest wait.
    connect(new ClockChangeWatch(this), &ClockChangeWatch::clockChanged, this, [this] {
        if (isActive())
            fire();
    });
}

qint64 ClockTimer::waitMs(const QDateTime &now, const QDateTime &nextEvent, bool everySecond)
{
    const qint64 wait = everySecond ? 1000 - now.time().msec() : now.msecsTo(nextEvent);
    return std::clamp<qint64>(wait, 1, longestWaitMs);
}

void ClockTimer::start()
{
    const QDateTime now = m_clock.now();
    m_waitMs = waitMs(now, m_everySecond ? QDateTime() : m_nextEvent(now), m_everySecond);
    m_timer->start(int(m_waitMs));
}

void ClockTimer::stop()
{
    m_timer->stop();
}

bool ClockTimer::isActive() const
{
    return m_timer->isActive();
}

void ClockTimer::setEverySecond(bool everySecond)
{
    if (everySecond == m_everySecond)
        return;
    m_everySecond = everySecond;
    if (isActive())
        start();
}

void ClockTimer::fire()
{
    m_onWake();
    start();
}
