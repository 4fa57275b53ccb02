#pragma once

#include <QString>

// The two adhan recordings: the ones the user chose in the settings, copied
// into the user's data folder; else files of the fixed names beside the
// program, in the user's or the installed data folder. When there is none, a
// short alert of the desktop's sound theme is heard instead.
namespace Recordings {

inline constexpr auto dawnFileName = "Ezani i sabahut në Medine.mp3";
inline constexpr auto dailyFileName = "Ezani në Mekke - 1.mp3";

// Where each recording is found: the chosen file while it is there, else the
// one of the fixed name (its path beside the program when none has it).
QString dawn(const QString &chosen = {});
QString daily(const QString &chosen = {});
// Whether a recording is there to play.
bool exists(const QString &path);
// What an adhan plays, looked for when it comes (a file may have been deleted
// since it was chosen): the recording while it is there, else the one of the
// fixed name, else the alert.
QString atAdhan(const QString &recording, bool dawnAdhan, const QString &alert);

// The alert of the freedesktop sound theme, looked for through the XDG data
// folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS); empty when no theme has it.
QString alert();

// Copies the chosen file whole into the user's data folder, under a name of
// its own for the dawn or the daily adhan, so that moving the original loses
// nothing. Gives the copy's path in copy; returns the Albanian reason of a
// failure, or empty.
QString keep(const QString &source, bool dawnAdhan, QString &copy);

} // namespace Recordings
