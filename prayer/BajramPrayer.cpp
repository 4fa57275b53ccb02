#include "prayer/BajramPrayer.h"

#include "calendar/HijriCalendar.h"
#include "prayer/CityTimetable.h"

#include <QFile>
#include <QSet>
#include <QTime>

namespace {

// The first line of the takvim's description (data/kosova-takvimi.tsv).
const QString takvimSource = QStringLiteral("Takvimi i Bashkësisë Islame të Kosovës");

// The towns with minutes of the takvim's note: the fifth column of the city list.
QSet<QString> takvimTowns()
{
    QSet<QString> towns;
    QFile file(QStringLiteral(":/kolvira/cities.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return towns;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (!line.startsWith(QLatin1Char('#')) && fields.size() >= 5 &&
            !fields[4].trimmed().isEmpty())
            towns.insert(fields[0].trimmed());
    }
    return towns;
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
    return city.source().startsWith(takvimSource) && towns.contains(city.cityName());
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
