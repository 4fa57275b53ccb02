#include "calendar/ClockInZone.h"

QDateTime ClockInZone::now() const
{
    const QDateTime instant = m_clock.now();
    return m_zone.isValid() ? instant.toTimeZone(m_zone) : instant.toLocalTime();
}

void ClockInZone::setZone(const QByteArray &ianaId)
{
    m_zone = QTimeZone(ianaId);
}
