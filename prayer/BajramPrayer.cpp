#include "prayer/BajramPrayer.h"

#include "astronomy/CityList.h"
#include "calendar/HijriCalendar.h"
#include "data/BfiCalendar.h"
#include "prayer/CityTimetable.h"

#include <QSet>
#include <QTime>

namespace {

// The first line of the takvim's description (data/kosova-takvimi.tsv).
const QString takvimSource = QStringLiteral("Takvimi i Bashkësisë Islame të Kosovës");

// The towns the takvim's note gives minutes to.
QSet<QString> takvimTowns()
{
    QSet<QString> towns;
    for (const Place &city : CityList::builtIn())
        if (city.tableMinutes && city.ownCalendar.isEmpty())
            towns.insert(city.name);
    return towns;
}

bool onBfiTable(const CityTimetable &city)
{
    static const QString bfiSource = BfiCalendar::source({}, 0);
    return city.source().startsWith(bfiSource);
}

} // namespace

namespace BajramPrayer {

bool isBajramDay(const QDate &day)
{
    const HijriDate hijri = HijriCalendar::instance().fromDate(day);
    return (hijri.month == 10 && hijri.day == 1) || (hijri.month == 12 && hijri.day == 10);
}

bool onTakvim(const CityTimetable &city)
{
    static const QSet<QString> towns = takvimTowns();
    return (city.source().startsWith(takvimSource) && towns.contains(city.cityName())) ||
           onBfiTable(city);
}

bool selectedCityOnTakvim(CalendarConnection &connection)
{
    return onTakvim(CityTimetable::selected(connection));
}

QString timeText(const QDate &day, const QString &sunrise, int townMinutes, bool onTakvim)
{
    const QTime rise = QTime::fromString(sunrise, QStringLiteral("HH:mm"));
    if (!onTakvim || !rise.isValid() || !isBajramDay(day))
        return {};
    return rise.addSecs(qint64(45 + townMinutes) * 60).toString(QStringLiteral("HH:mm"));
}

} // namespace BajramPrayer
