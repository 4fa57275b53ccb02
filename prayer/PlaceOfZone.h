#pragma once

#include "data/WorldPlaces.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

// The place a computer's time zone names, proposed on the first start: the
// list's own first city of that zone where the zone is one of the list's
// (Europe/Tirane: Tiranë, Europe/Skopje: Shkup), else the world's place the
// zone is named after (Europe/Zurich: Cyrih, America/New_York: Nju Jork).
namespace PlaceOfZone {

struct Proposal
{
    QString name;                    // as the list or the search shows it
    std::optional<qint32> cityKey;   // a city of the list
    std::optional<WorldPlace> world; // else a place of the world
};

// None for the zone of the city selected now (a computer on Kosovo's zone
// keeps Prishtinë), or a zone named after no place (UTC). The world's places
// are asked for only when the list has no city of the zone. Throws
// DatabaseError, and what loading the world's places throws.
std::optional<Proposal> find(const QSqlDatabase &db, const QByteArray &zone,
                             const std::function<WorldPlaces()> &loadWorld);

} // namespace PlaceOfZone
