#pragma once

#include <QString>

#include <optional>

// A place on the earth: its Albanian name, geodetic position and the time
// zone whose clock its calendar uses.
struct Place
{
    QString name;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString timeZone;     // IANA name, e.g. Europe/Belgrade
    double height = 0;    // metres above sea level
    // The minutes the official calendar's note gives the town, when it names
    // them (the towns of Kosovo), or those of the town against the table of
    // its own community's calendar ("bfi").
    std::optional<int> tableMinutes = std::nullopt;
    // A calendar computed for the town itself that its mosques keep ("kmsh"),
    // the table of North Macedonia's community ("bfi"), or empty: the town
    // keeps the calendar's table with its minutes.
    QString ownCalendar = {};
};
