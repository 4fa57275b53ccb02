#pragma once

#include <QDate>
#include <QString>

class CalendarConnection;
class CityTimetable;

// The time of the Bajram prayer on the first day of each Bajram (1 Shawwal,
// 10 Dhu al-Hijja, by the Hijri date shown). The Islamic Community of Kosovo
// announces it 45 minutes after the sunrise of its takvim, with each town's
// minutes: so it did in each of the seven announcements of 2014 to 2025 that
// were found (the news pages that carried them: 24-ore.com, zeri.info,
// mesazhi.com, infosot.com, llapi.info). The Skopje mufti's announcements
// keep the same rule on the table of the Islamic Religious Community of
// North Macedonia (BFI): 06:17 on 11 August 2019, 05:41 on 28 June 2023, both
// its sunrise + 45 minutes. Elsewhere the time is not known, so nothing is
// said.
namespace BajramPrayer {

bool isBajramDay(const QDate &day);
// Whether the city keeps the takvim of the Islamic Community of Kosovo (its
// calendar, CityTimetable::source, is that takvim and the city is one of the
// towns the takvim's note gives minutes to) or BFI's, whose towns' times
// already carry their minutes.
bool onTakvim(const CityTimetable &city);
bool selectedCityOnTakvim(CalendarConnection &connection);
// "hh:mm", the takvim's sunrise ("hh:mm") + 45 minutes + the town's minutes;
// empty on any other day or for a city off the takvim.
QString timeText(const QDate &day, const QString &sunrise, int townMinutes, bool onTakvim);

} // namespace BajramPrayer
