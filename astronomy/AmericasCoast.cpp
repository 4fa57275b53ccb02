#include "astronomy/AmericasCoast.h"

#include "astronomy/LinearTable.h"

#include <array>

namespace {

struct Point
{
    double latitude;
    double longitude;
};

// The outline, south to north: headlands and bays that set the coast's
// longitude, and the steps where the westernmost shore jumps (the tip of
// Baja California, the tip of the Alaska Peninsula).
constexpr std::array<Point, 48> outline = {{
    {-55.0, -68.0}, // Tierra del Fuego
    {-53.0, -74.5}, // Patagonian fjords
    {-46.5, -75.6}, // Taitao Peninsula
    {-41.8, -73.9}, // Chiloé channel
    {-37.0, -73.2}, // Arauco
    {-30.0, -71.4}, // Chile
    {-18.5, -70.3}, // Arica
    {-14.0, -76.3}, // Paracas
    {-10.0, -78.2}, // Peru
    {-4.7, -81.3},  // Punta Pariñas
    {-1.0, -80.9},  // Cabo San Lorenzo
    {1.8, -78.8},   // Tumaco
    {5.5, -77.5},   // Cabo Corrientes, Colombia
    {7.2, -80.9},   // Punta Mariato, Panama
    {8.4, -83.7},   // Osa
    {11.0, -85.9},  // Santa Elena, Costa Rica
    {13.3, -88.5},  // El Salvador
    {14.5, -92.3},  // Guatemala
    {15.9, -97.1},  // Puerto Escondido
    {18.0, -102.2}, // Lázaro Cárdenas
    {20.4, -105.7}, // Cabo Corrientes, Mexico
    {22.0, -105.6}, // San Blas
    {22.9, -109.9}, // Cabo San Lucas
    {24.6, -112.1}, // Bahía Magdalena
    {27.9, -115.1}, // Punta Eugenia
    {30.0, -115.8}, // Baja California
    {32.5, -117.1}, // Tijuana
    {34.5, -120.6}, // Point Conception
    {36.3, -121.9}, // Big Sur
    {38.0, -123.0}, // Point Reyes
    {40.4, -124.4}, // Cape Mendocino
    {42.8, -124.6}, // Cape Blanco
    {46.3, -124.0}, // Columbia River
    {48.4, -124.7}, // Cape Flattery
    {49.5, -124.4}, // Strait of Georgia
    {51.2, -127.8}, // Cape Caution
    {52.0, -128.2}, // central coast of British Columbia
    {54.5, -130.6}, // Prince Rupert
    {54.8, -163.4}, // tip of the Alaska Peninsula
    {56.0, -160.6}, // Port Moller
    {57.0, -158.7}, // Port Heiden
    {58.0, -157.6}, // Bristol Bay
    {58.7, -162.2}, // Cape Newenham
    {60.3, -164.5}, // Kuskokwim coast
    {61.8, -166.1}, // Cape Romanzof
    {63.0, -164.8}, // Yukon delta
    {64.5, -166.0}, // Seward Peninsula
    {65.6, -168.1}, // Cape Prince of Wales
}};

} // namespace

const std::vector<Place> &americasWestCoast()
{
    static const std::vector<Place> points = [] {
        std::vector<Place> sampled;
        for (int latitude = 65; latitude >= -55; --latitude) {
            Place point;
            point.latitude = latitude;
            point.longitude = interpolated(std::span<const Point>(outline), latitude,
                                           &Point::latitude, &Point::longitude);
            sampled.push_back(point);
        }
        return sampled;
    }();
    return points;
}
