#pragma once

#include "prayer/DayTimes.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class MediaPlayer;

// The rules of the clock and the adhan. Every tick the current minute is
// moved back by the city's offset; when it equals the dawn time or one of the
// four daily times, the matching recording starts, once per adhan minute.
//
// The times in effect are those of the day of the shifted clock, so an Isha
// at 23:58 with an offset of 5 still sounds at 00:03 against the previous
// day's time, and the new day's times take over as soon as the shifted clock
// reaches it.
class AdhanScheduler
{
public:
    enum class Start { None, Dawn, Daily };

    struct Tick
    {
        QString clockText;     // "hh:mm:ss"
        QString gregorianDate; // "E diel, 6 Dhjetor (12), 2026"
        QString hijriDate;     // long Hijri text of today
        bool timesReloaded = false;
        Start start = Start::None;
        int prayerIndex = -1; // index of the time whose adhan started
    };

    using DayLoader = std::function<DayTimes::Texts(const QDate &)>;

    AdhanScheduler(MediaPlayer &player, QString dawnRecording, QString dailyRecording,
                   DayLoader loadDay);

    // The selected city's offset as the main window shows it.
    void setOffsetText(const QString &text);
    // The times the main window shows, and the day they belong to.
    void setTimes(const QDate &day, const DayTimes::Texts &times);
    const DayTimes::Texts &times() const { return m_times; }
    QDate timesDay() const { return m_timesDay; }

    Tick tick(const QDateTime &now);
    bool ezaniFilloi() const { return m_ezaniFilloi; }

    // The offset as a whole number of minutes; nothing when the text is no number.
    static std::optional<int> offsetMinutes(const QString &text);
    // The minute of the day of the clock moved back by the offset, wrapping
    // around midnight; the seconds are dropped, not rounded.
    static int shiftedMinuteOfDay(const QTime &now, int offset);
    // The day whose times are in effect: the date of the clock moved back by
    // the offset (the clock's own date when the offset is no number).
    QDate dayInEffect(const QDateTime &now) const;
    static QString gregorianDateText(const QDate &day);

private:
    void startRecording(const QString &path);

    MediaPlayer &m_player;
    QString m_dawnRecording;
    QString m_dailyRecording;
    DayLoader m_loadDay;

    std::optional<int> m_offset = 0;
    DayTimes::Texts m_times;
    std::array<int, DayTimes::count> m_minutes; // minute of the day, -1 for no time
    QDate m_timesDay;
    bool m_ezaniFilloi = false;

    // Texts of the last tick, so a tick in the same second or day reuses them.
    int m_lastSecond = -1;
    QDate m_lastDate;
    Tick m_last;
};
