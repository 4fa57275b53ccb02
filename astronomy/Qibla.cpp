#include "astronomy/Qibla.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

namespace Qibla {

Direction from(double latitude, double longitude)
{
    const double lon = longitude * ERFA_DD2R, lat = latitude * ERFA_DD2R;
    const double kaabaLon = kaabaLongitude * ERFA_DD2R, kaabaLat = kaabaLatitude * ERFA_DD2R;
    // The position angle of the Kaaba seen from the place is the great
    // circle's initial bearing, from -180° to 180°.
    double bearing = eraPas(lon, lat, kaabaLon, kaabaLat) * ERFA_DR2D;
    if (bearing < 0)
        bearing += 360;
    if (bearing >= 360) // -0.0 … or a value that rounds up
        bearing -= 360;
    return {bearing, eraSeps(lon, lat, kaabaLon, kaabaLat) * earthRadiusKm};
}

QString compassWord(double bearing)
{
    static const std::array<QString, 8> words = {
        QStringLiteral("veri"),      QStringLiteral("verilindje"),  QStringLiteral("lindje"),
        QStringLiteral("juglindje"), QStringLiteral("jug"),         QStringLiteral("jugperëndim"),
        QStringLiteral("perëndim"),  QStringLiteral("veriperëndim")};
    const int point = int(std::floor(std::fmod(bearing + 22.5, 360.0) / 45.0));
    return words[std::size_t(point % 8)];
}

QString text(const Direction &direction)
{
    // The thousands stand apart by a blank, as Albanian writes them.
    QString km = QString::number(qRound64(direction.distanceKm));
    for (qsizetype at = km.size() - 3; at > 0; at -= 3)
        km.insert(at, QLatin1Char(' '));
    return QStringLiteral("Kibla: %1° (%2), %3 km deri në Qabe")
        .arg(QString::number(direction.bearing, 'f', 1), compassWord(direction.bearing), km);
}

} // namespace Qibla
