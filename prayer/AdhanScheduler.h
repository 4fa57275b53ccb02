#pragma once

#include "prayer/DayTimes.h"
#include "prayer/HolyDayNotice.h"
#include "prayer/UserSettings.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class MediaPlayer;

// The rules of the clock and the adhan. The times are clock times of the
// place's zone: every instant given is told in that zone. Every tick the
// current minute is moved back by the city's offset; when it equals the dawn
// time or one of the four daily times, the matching recording starts: once
// per adhan minute, at most once a day for each time (a clock set back does
// not repeat it), and not again through a run of adhan minutes that follow
// one another. In the minute before an adhan minute the player gets its
// recording ready.
//
// The times in effect are those of the day of the shifted clock, so an Isha
// at 23:58 with an offset of 5 still sounds at 00:03 against the previous
// day's time, and the new day's times take over as soon as the shifted clock
// reaches it.
//
// The user's settings decide what each adhan time brings (the adhan, a
// notice only, nothing) and which times have a reminder some minutes before.
// An adhan time the clock passed over between two ticks (a machine that
// slept, a clock set forward) starts nothing: the tick names the latest
// passed over, of the day before too, once, so the user is told that its
// time came.
class AdhanScheduler
{
public:
    enum class Start { None, Dawn, Daily };

    struct Tick
    {
        QString clockText;     // "hh:mm:ss" of the computer's own clock
        QString gregorianDate; // "E diel, 6 Dhjetor (12), 2026"
        QString hijriDate;     // long Hijri text of today
        bool timesReloaded = false;
        Start start = Start::None;
        int prayerIndex = -1;   // index of the time whose adhan started
        int noticeIndex = -1;   // a time come, whose setting is a notice only
        int reminderIndex = -1; // a time whose reminder is due now
        int missedIndex = -1;   // the latest adhan time passed over since the last tick
        QString missedTime;     // its clock time, "hh:mm", of its own day
        bool alertOnly = false; // no recording was there: the alert plays instead
        QString holyNotice;     // of a holy night at its Magribi, of a holy day in its morning
    };

    // The next time the user waits for, and when it comes on the city's clock.
    struct Upcoming
    {
        int index = -1; // -1 when the times cannot be read
        QDate day;      // whose times it is: the day in effect or the next
        QDateTime moment;
        bool ramadan = false; // counted as the fast counts: to Imsaku, then to Magribi
    };

    using DayLoader = std::function<DayTimes::Texts(const QDate &)>;

    AdhanScheduler(MediaPlayer &player, QString dawnRecording, QString dailyRecording,
                   DayLoader loadDay);
    // How the next prayer's day is read ahead, when that differs from
    // loading the day in effect (which may renew the calendar's year).
    void setLookAhead(DayLoader lookAhead) { m_lookAhead = std::move(lookAhead); }

    // The recordings to play, and the alert heard in place of one that is
    // not there (looked for at each adhan, so a file put in place later plays).
    void setRecordings(QString dawnRecording, QString dailyRecording, QString alert = {});

    // The selected city's offset as the main window shows it.
    void setOffsetText(const QString &text);
    // The times the main window shows, and the day they belong to.
    void setTimes(const QDate &day, const DayTimes::Texts &times);
    const DayTimes::Texts &times() const { return m_times; }
    void setSettings(const UserSettings &settings);
    // Forgets the date texts, so the next tick writes them afresh (the Hijri adjustment changed).
    void refreshDateTexts() { m_lastDate = QDate(); }
    QDate timesDay() const { return m_timesDay; }

    Tick tick(const QDateTime &now);
    // The first instant after now at which a tick can do more than write the
    // clock: prepare or start an adhan, or bring in the next day's times (and
    // a second later while an adhan of this minute waits for the player).
    // Before the first activation, the next midnight.
    QDateTime nextEvent(const QDateTime &now) const;

    // The offset as a whole number of minutes; nothing when the text is no number.
    static std::optional<int> offsetMinutes(const QString &text);
    // The minute of the day of the clock moved back by the offset, wrapping
    // around midnight; the seconds are dropped, not rounded.
    static int shiftedMinuteOfDay(const QTime &now, int offset);
    // The day whose times are in effect: the date of the clock moved back by
    // the offset (the clock's own date when the offset is no number).
    QDate dayInEffect(const QDateTime &now) const;
    static QString gregorianDateText(const QDate &day);
    // Whether the day is in Ramadan by the Hijri date shown.
    static bool isRamadan(const QDate &day);
    // The next prayer after the current minute: in Ramadan Imsaku before it
    // and Magribi after it. The next day's times are loaded when needed.
    Upcoming nextPrayer(const QDateTime &now);
    // The city's clock time of a time of the day in effect, "hh:mm".
    QString momentText(int index) const;

private:
    // Index of the adhan time at this shifted minute, -1 for none; daily before dawn.
    int adhanAt(int shiftedMinute) const;
    // The recording of the adhan time, or the alert when it is not there.
    QString recordingOf(int index) const;
    void decideAdhan(const QDateTime &now, Tick &result);
    void findPassedOver(const QDate &day, int shifted, Tick &result);
    void decideReminder(const QDate &day, int shifted, qint64 minute, Tick &result);
    int reminderMinute(const QDate &day, int index) const;
    UserSettings::AdhanMode modeOf(int index) const { return m_settings.modes[std::size_t(index)]; }

    MediaPlayer &m_player;
    QString m_dawnRecording;
    QString m_dailyRecording;
    QString m_alert;
    DayLoader m_loadDay;
    DayLoader m_lookAhead;

    std::optional<int> m_offset = 0;
    DayTimes::Texts m_times;
    std::array<int, DayTimes::count> m_minutes; // minute of the day, -1 for no time
    QDate m_timesDay;
    bool m_inAdhanRun = false;   // an adhan started in this run of adhan minutes
    qint64 m_runMinute = 0;      // last minute of the clock that kept the mark
    QDate m_startedDay;          // day in effect of the starts below
    unsigned m_startedToday = 0; // bit per time index
    qint64 m_preparedMinute = 0; // minute of the clock whose adhan is prepared
    qint64 m_heldBackMinute = 0; // an adhan of this minute waits for the player
    UserSettings m_settings;
    HolyDayNotice m_holyDayNotice;
    qint64 m_remindedMinute = 0; // minute of the clock of the last reminder
    QDate m_lastTickDay;         // day in effect and shifted minute of the last tick
    int m_lastTickShifted = -1;
    QDate m_nextDay; // the day after the day in effect, and its times
    DayTimes::Texts m_nextDayTimes;

    // Texts of the last tick, so a tick in the same second or day reuses them.
    int m_lastSecond = -1;
    QDate m_lastDate;
    Tick m_last;
};
