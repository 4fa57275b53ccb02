#pragma once

#include "data/PrayerNames.h"
#include "prayer/DayTimes.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// What the user chose in the settings window, with its defaults. Indexed by
// the time's place in the day (DayTimes::Time), the reminders by the row of
// PrayerNames, where Xhumaja follows the times of the day.
struct UserSettings
{
    enum class AdhanMode { AdhanAndWindow, NotificationOnly, Nothing };

    static constexpr int longestReminder = 120;      // minutes
    static constexpr int largestHijriAdjustment = 2; // days either way
    // The five prayers that have an adhan, and the times that may have a
    // reminder (Imsaku only in Ramadan, Xhumaja on Fridays in place of Dhuhri's).
    static constexpr std::array<int, 5> adhanTimes = {
        DayTimes::Fexhri, DayTimes::Dhuhri, DayTimes::Asri, DayTimes::Magribi, DayTimes::Isha};
    static constexpr std::array<int, 7> reminderTimes = {
        DayTimes::Imsaku, DayTimes::Fexhri,  DayTimes::Dhuhri, PrayerNames::xhumaja,
        DayTimes::Asri,   DayTimes::Magribi, DayTimes::Isha};

    std::array<AdhanMode, DayTimes::count> modes{};         // of the adhan times; the others unused
    std::array<int, PrayerNames::table.size()> reminders{}; // minutes before; 0 none
    int hijriAdjustment = 0;
    int volume = 50;     // of the adhan player, 0 to 100
    bool fadeIn = false; // the adhan rises to its volume over a few seconds
    // The user's own recordings, copied into the user's data folder; empty
    // for none chosen (the recordings of the fixed names are looked for).
    QString dawnRecording;
    QString dailyRecording;
    // Whether the user was told once how to choose an adhan.
    bool chooseAdhanTold = false;
    // A notice at the evening of a holy night and the morning of a holy day.
    bool holyDayNotices = true;
    // Whether the first start looked for the place of the computer's time zone.
    bool placeProposed = false;

    // The minutes before a time of that day that its reminder comes; 0 none.
    int reminderBefore(int time, const QDate &day) const
    {
        return reminders[std::size_t(PrayerNames::onDay(time, day))];
    }

    bool operator==(const UserSettings &) const = default;
};

// Reads and writes the settings with QSettings: by default the user's file
// ~/.config/kolvira/kolvira.conf. Every value is checked on reading; a file
// that is missing gives the defaults, one that cannot be read or holds a
// value out of its range gives the defaults for what is wrong and a note.
class SettingsStore
{
public:
    // An empty path means the user's own file.
    explicit SettingsStore(QString path = {});

    UserSettings load();
    // What was wrong with the file at the last load, in Albanian; empty when all was well.
    const QStringList &notes() const { return m_notes; }
    // Writes all of them; QSettings replaces the file whole, so a failed write
    // leaves the old one. Returns the Albanian reason of a failure, or empty.
    QString save(const UserSettings &settings) const;
    // Keeps only the player's volume.
    QString saveVolume(int volume) const;
    // Keeps only that the user was told how to choose an adhan.
    QString saveChooseAdhanTold() const;
    // Keeps only that the place of the computer's zone was looked for.
    QString savePlaceProposed() const;

private:
    QString write(const std::function<void(class QSettings &)> &fill) const;

    QString m_path;
    QStringList m_notes;
};
