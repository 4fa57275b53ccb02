#include "prayer/CityPosition.h"

#include "astronomy/CityList.h"
#include "data/CityCalendars.h"
#include "data/SelectedCity.h"
#include "data/UserPlaces.h"

namespace CityPosition {

std::optional<LatLon> of(const QSqlDatabase &db, qint32 cityKey)
{
    if (const auto place = UserPlaces::worldPlace(db, cityKey))
        return LatLon{place->latitude, place->longitude};
    if (const auto entry = CityCalendars::of(db, cityKey))
        return LatLon{entry->latitude, entry->longitude};
    if (const auto city = SelectedCity::withKey(db, cityKey))
        for (const Place &listed : CityList::builtIn())
            if (listed.name == city->name)
                return LatLon{listed.latitude, listed.longitude};
    return std::nullopt;
}

} // namespace CityPosition
