#include "astronomy/AmericasCoast.h"

#include <array>
#include <cmath>

namespace {

// The outline, north to south: headlands and bays that set the coast's
// longitude, and the steps where the westernmost shore jumps (the tip of the
// Alaska Peninsula, the tip of Baja California).
constexpr std::array<GroundPoint, 48> outline = {{
    {65.6, -168.1}, // Cape Prince of Wales
    {64.5, -166.0}, // Seward Peninsula
    {63.0, -164.8}, // Yukon delta
    {61.8, -166.1}, // Cape Romanzof
    {60.3, -164.5}, // Kuskokwim coast
    {58.7, -162.2}, // Cape Newenham
    {58.0, -157.6}, // Bristol Bay
    {57.0, -158.7}, // Port Heiden
    {56.0, -160.6}, // Port Moller
    {54.8, -163.4}, // tip of the Alaska Peninsula
    {54.5, -130.6}, // Prince Rupert
    {52.0, -128.2}, // central coast of British Columbia
    {51.2, -127.8}, // Cape Caution
    {49.5, -124.4}, // Strait of Georgia
    {48.4, -124.7}, // Cape Flattery
    {46.3, -124.0}, // Columbia River
    {42.8, -124.6}, // Cape Blanco
    {40.4, -124.4}, // Cape Mendocino
    {38.0, -123.0}, // Point Reyes
    {36.3, -121.9}, // Big Sur
    {34.5, -120.6}, // Point Conception
    {32.5, -117.1}, // Tijuana
    {30.0, -115.8}, // Baja California
    {27.9, -115.1}, // Punta Eugenia
    {24.6, -112.1}, // Bahía Magdalena
    {22.9, -109.9}, // Cabo San Lucas
    {22.0, -105.6}, // San Blas
    {20.4, -105.7}, // Cabo Corrientes, Mexico
    {18.0, -102.2}, // Lázaro Cárdenas
    {15.9, -97.1},  // Puerto Escondido
    {14.5, -92.3},  // Guatemala
    {13.3, -88.5},  // El Salvador
    {11.0, -85.9},  // Santa Elena, Costa Rica
    {8.4, -83.7},   // Osa
    {7.2, -80.9},   // Punta Mariato, Panama
    {5.5, -77.5},   // Cabo Corrientes, Colombia
    {1.8, -78.8},   // Tumaco
    {-1.0, -80.9},  // Cabo San Lorenzo
    {-4.7, -81.3},  // Punta Pariñas
    {-10.0, -78.2}, // Peru
    {-14.0, -76.3}, // Paracas
    {-18.5, -70.3}, // Arica
    {-30.0, -71.4}, // Chile
    {-37.0, -73.2}, // Arauco
    {-41.8, -73.9}, // Chiloé channel
    {-46.5, -75.6}, // Taitao Peninsula
    {-53.0, -74.5}, // Patagonian fjords
    {-55.0, -68.0}, // Tierra del Fuego
}};

double longitudeAt(double latitude)
{
    for (std::size_t i = 1; i < outline.size(); ++i) {
        const GroundPoint &north = outline[i - 1];
        const GroundPoint &south = outline[i];
        if (latitude >= south.latitude)
            return south.longitude + (north.longitude - south.longitude) *
                                         (latitude - south.latitude) /
                                         (north.latitude - south.latitude);
    }
    return outline.back().longitude;
}

} // namespace

const std::vector<GroundPoint> &americasWestCoast()
{
    static const std::vector<GroundPoint> points = [] {
        std::vector<GroundPoint> sampled;
        for (int latitude = 65; latitude >= -55; --latitude)
            sampled.push_back({double(latitude), longitudeAt(latitude)});
        return sampled;
    }();
    return points;
}
