#pragma once

#include <QString>

// The two adhan recordings, supplied beside the program (or in the user's
// or the installed data folder).
namespace Recordings {

inline constexpr auto dawnFileName = "Ezani i sabahut në Medine.mp3";
inline constexpr auto dailyFileName = "Ezani në Mekke - 1.mp3";

// Where each recording is found.
QString dawn();
QString daily();

} // namespace Recordings
