#pragma once

#include "calendar/Clock.h"

#include <QTimeZone>

// The true instant of another clock, told as the clock time of a place's own
// zone: a place's times are clock times of its zone, whatever zone the
// computer is set to. Until a zone is set it tells the computer's own.
class ClockInZone : public Clock
{
public:
    explicit ClockInZone(const Clock &clock) : m_clock(clock) {}

    QDateTime now() const override;
    qint64 monotonicMs() const override { return m_clock.monotonicMs(); }

    // An unknown zone id keeps the computer's zone.
    void setZone(const QByteArray &ianaId);
    // The place's zone; invalid while it is the computer's.
    const QTimeZone &zone() const { return m_zone; }

private:
    const Clock &m_clock;
    QTimeZone m_zone;
};
