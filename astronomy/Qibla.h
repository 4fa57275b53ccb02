#pragma once

#include <QString>

// The direction of the Qibla from a place: the initial bearing of the great
// circle to the Kaaba, in degrees from true north through east, and the
// distance along it on a sphere of the Earth's mean radius.
namespace Qibla {

inline constexpr double kaabaLatitude = 21.4225;  // degrees north
inline constexpr double kaabaLongitude = 39.8262; // degrees east
inline constexpr double earthRadiusKm = 6371.0;

struct Direction
{
    double bearing = 0; // degrees, 0 <= bearing < 360
    double distanceKm = 0;
};

Direction from(double latitude, double longitude);

// The nearest of the eight points of the compass: "veri", "verilindje", ... "veriperëndim".
QString compassWord(double bearing);

// "Kibla: 137.9° (juglindje), 2 105 km deri në Qabe"
QString text(const Direction &direction);

} // namespace Qibla
