#include "prayer/PlaceOfZone.h"

#include "astronomy/CityList.h"
#include "data/SelectedCity.h"
#include "prayer/CityRows.h"

namespace PlaceOfZone {

std::optional<Proposal> find(const QSqlDatabase &db, const QByteArray &zone,
                             const std::function<WorldPlaces()> &loadWorld)
{
    const QString id = QString::fromUtf8(zone);
    if (id.isEmpty() || id == CityRows::ofSelected(db).timeZone(db))
        return std::nullopt;
    for (const Place &city : CityList::builtIn())
        if (city.timeZone == id)
            if (const auto listed = SelectedCity::named(db, city.name))
                return Proposal{listed->name, listed->key, std::nullopt};
    const qsizetype slash = id.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || id.startsWith(QLatin1String("Etc/")))
        return std::nullopt;
    const QString namesake = id.mid(slash + 1).replace(QLatin1Char('_'), QLatin1Char(' '));
    for (const WorldPlace &place : loadWorld().search(namesake, 10))
        if (place.timeZone == id)
            return Proposal{place.name, std::nullopt, place};
    return std::nullopt;
}

} // namespace PlaceOfZone
