#include "astronomy/CityNames.h"

#include "astronomy/CityList.h"
#include "data/WorldPlaces.h"

#include <QFile>
#include <QHash>

#include <cmath>

namespace {

struct Town
{
    QStringList names;   // as written, the list's own first
    QStringList folded;  // the same, as a search folds them
    double latitude = 0; // from the list
    double longitude = 0;
};

// Two places farther apart than this (degrees either way, about 15 km) are
// not one town, whatever their names.
constexpr double sameTownDegrees = 0.15;

QList<Town> readTowns()
{
    QHash<QString, const Place *> listed;
    const QList<Place> cities = CityList::builtIn();
    for (const Place &city : cities)
        listed.insert(city.name, &city);
    QFile file(QStringLiteral(":/kolvira/city-names.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Town> towns;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        const Place *city = listed.value(fields.first());
        if (!city) // a town the built-in list does not hold
            continue;
        Town town{{}, {}, city->latitude, city->longitude};
        for (const QString &field : fields)
            for (const QString &name : field.split(QLatin1Char(','), Qt::SkipEmptyParts))
                if (!town.names.contains(name.trimmed())) {
                    town.names << name.trimmed();
                    town.folded << foldForSearch(name.trimmed());
                }
        towns << town;
    }
    return towns;
}

const QList<Town> &towns()
{
    static const QList<Town> read = readTowns();
    return read;
}

} // namespace

namespace CityNames {

QStringList of(const QString &listName)
{
    const QString wanted = listName.normalized(QString::NormalizationForm_C);
    for (const Town &town : towns())
        if (town.names.first() == wanted)
            return town.names;
    return {};
}

std::optional<QString> townNamed(const QString &typed)
{
    const QString folded = foldForSearch(typed.simplified());
    // A town's name in the list before another town's other name.
    for (const Town &town : towns())
        if (town.folded.first() == folded)
            return town.names.first();
    for (const Town &town : towns())
        if (town.folded.contains(folded))
            return town.names.first();
    return std::nullopt;
}

std::optional<QString> sameTown(const QStringList &placeNames, double latitude, double longitude)
{
    for (const Town &town : towns()) {
        if (std::abs(town.latitude - latitude) > sameTownDegrees ||
            std::abs(town.longitude - longitude) > sameTownDegrees)
            continue;
        for (const QString &name : placeNames)
            if (town.folded.contains(foldForSearch(name)))
                return town.names.first();
    }
    return std::nullopt;
}

} // namespace CityNames
