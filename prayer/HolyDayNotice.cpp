#include "prayer/HolyDayNotice.h"

QString HolyDayNotice::due(const QDate &day, int shiftedMinute, int fexhri, int magribi)
{
    constexpr int minutesPerDay = 24 * 60;
    // Looked up once a day: the clock ticks every second while the window shows.
    if (day != m_day || HijriCalendar::adjustmentDays() != m_adjustment) {
        m_holyDays = HolyDays::on(day);
        m_day = day;
        m_adjustment = HijriCalendar::adjustmentDays();
    }
    for (const HolyDay &holy : m_holyDays) {
        const bool night = holy.kind == HolyDay::Kind::Night;
        const int from = night ? magribi : fexhri;
        const int until = night ? minutesPerDay : magribi;
        const QString told = holy.date.toString(Qt::ISODate) + holy.key;
        if (from < 0 || shiftedMinute < from || shiftedMinute >= until || m_told.contains(told))
            continue;
        m_told.insert(told);
        return holy.notice();
    }
    return {};
}
