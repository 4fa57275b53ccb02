#pragma once

#include "calendar/HijriCalendar.h"

#include <QDate>
#include <QString>
#include <vector>

// A holy day or night of the Hijri year, as the takvims of the Albanian
// communities list them (names and their sources: docs/calendars.md).
struct HolyDay
{
    enum class Kind { Day, Night };

    Kind kind = Kind::Day;
    QString key;     // stable across years and adjustments: "kadri"
    QString name;    // "Nata e Kadrit"
    HijriDate hijri; // the day; for a night, the day whose night it is (27 Ramadan)
    QDate date;      // the day; for a night, the evening it begins (26 Ramadan)

    // "Nata e Kadrit: e hënë, 16 mars 2026, pas akshamit"; "Fitër Bajrami: e xhuma, 20 mars 2026".
    QString line() const;
    // "27 Ramadan 1447"
    QString hijriText() const;
    // "Sonte është Nata e Kadrit", "Sot është Fitër Bajrami".
    QString notice() const;
};

// Every date follows the program's one Hijri calendar, its adjustment included.
namespace HolyDays {

// The year's holy days and nights in the order of their dates. Throws
// CalendarError for a year the calendar does not reach.
std::vector<HolyDay> ofYear(int hijriYear);
// Those whose date is the day: the day itself, or a night beginning that evening.
std::vector<HolyDay> on(const QDate &date);

} // namespace HolyDays
