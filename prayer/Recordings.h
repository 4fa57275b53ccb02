#pragma once

#include <QString>

// The two adhan recordings, supplied beside the program.
namespace Recordings {

inline constexpr auto dawnFileName = "Ezani i sabahut në Medine.mp3";
inline constexpr auto dailyFileName = "Ezani në Mekke - 1.mp3";

// The folder that holds the program's executable, without a trailing separator.
QString programFolder();

// The folder joined with the file name by the platform's separator.
QString dawn(const QString &folder);
QString daily(const QString &folder);

} // namespace Recordings
