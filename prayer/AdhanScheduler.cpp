#include "prayer/AdhanScheduler.h"

#include "calendar/CalendarNames.h"
#include "calendar/HijriCalendar.h"
#include "prayer/MediaPlayer.h"
#include "prayer/Recordings.h"

#include <QTimeZone>
#include <cmath>

namespace {

constexpr int minutesPerDay = 24 * 60;
constexpr int dawnIndex = DayTimes::Fexhri;

// Division rounded down, also below zero (a minute shifted back over
// midnight); the divisor is positive.
template <typename T> T floorDiv(T value, T divisor)
{
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

template <typename T> T floorMod(T value, T divisor)
{
    return value - floorDiv(value, divisor) * divisor;
}

// The minute of the clock counted from the epoch: the same minute of the
// wall clock twice only when the clock was set back.
qint64 minuteCount(const QDateTime &now)
{
    return floorDiv<qint64>(now.toMSecsSinceEpoch(), 60000);
}

// "hh:mm" to the minute of the day; -1 for anything else ("XX:XX", "--:--").
int minuteOfDay(const QString &text)
{
    if (text.size() != 5 || text.at(2) != QLatin1Char(':'))
        return -1;
    for (int i : {0, 1, 3, 4})
        if (!text.at(i).isDigit())
            return -1;
    const int h = text.left(2).toInt();
    const int m = text.mid(3).toInt();
    return h < 24 && m < 60 ? h * 60 + m : -1;
}

// "hh:mm:ss" of a second of the day, without the locale machinery of
// QTime::toString: the clock writes it every second.
QString clockText(int second)
{
    const int parts[] = {second / 3600, second / 60 % 60, second % 60};
    QChar text[8];
    for (int i = 0; i < 3; ++i) {
        text[i * 3] = QLatin1Char(char('0' + parts[i] / 10));
        text[i * 3 + 1] = QLatin1Char(char('0' + parts[i] % 10));
        if (i < 2)
            text[i * 3 + 2] = QLatin1Char(':');
    }
    return QString(text, 8);
}

} // namespace

AdhanScheduler::AdhanScheduler(MediaPlayer &player, QString dawnRecording, QString dailyRecording,
                               DayLoader loadDay)
    : m_player(player), m_dawnRecording(std::move(dawnRecording)),
      m_dailyRecording(std::move(dailyRecording)), m_loadDay(std::move(loadDay))
{
    m_times.fill(QStringLiteral("XX:XX"));
    m_minutes.fill(-1);
}

void AdhanScheduler::setRecordings(QString dawnRecording, QString dailyRecording, QString alert)
{
    m_dawnRecording = std::move(dawnRecording);
    m_dailyRecording = std::move(dailyRecording);
    m_alert = std::move(alert);
}

void AdhanScheduler::setSettings(const UserSettings &settings)
{
    m_settings = settings;
}

void AdhanScheduler::setOffsetText(const QString &text)
{
    const std::optional<int> offset = offsetMinutes(text);
    if (offset != m_offset)
        m_startedToday = 0; // another city's minutes: its adhans are still to come
    m_offset = offset;
}

void AdhanScheduler::setTimes(const QDate &day, const DayTimes::Texts &times)
{
    m_timesDay = day;
    m_times = times;
    for (int i = 0; i < DayTimes::count; ++i)
        m_minutes[i] = minuteOfDay(times[i]);
}

std::optional<int> AdhanScheduler::offsetMinutes(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 100 * minutesPerDay)
        return std::nullopt;
    return int(std::lround(value));
}

int AdhanScheduler::shiftedMinuteOfDay(const QTime &now, int offset)
{
    return floorMod(now.hour() * 60 + now.minute() - offset, minutesPerDay);
}

QDate AdhanScheduler::dayInEffect(const QDateTime &now) const
{
    if (!m_offset)
        return now.date();
    const int minute = now.time().hour() * 60 + now.time().minute() - *m_offset;
    return now.date().addDays(floorDiv(minute, minutesPerDay));
}

QString AdhanScheduler::gregorianDateText(const QDate &day)
{
    // Qt counts Monday = 1 .. Sunday = 7; the names count Sunday = 1.
    return Module1::DayOfWeekName(day.dayOfWeek() % 7 + 1) + QStringLiteral(", ") +
           QString::number(day.day()) + QLatin1Char(' ') +
           Module1::GregorianMonthName(day.month()) + QStringLiteral(" (") +
           QString::number(day.month()) + QStringLiteral("), ") + QString::number(day.year());
}

bool AdhanScheduler::isRamadan(const QDate &day)
{
    constexpr int ramadan = 9;
    return HijriCalendar::instance().fromDate(day).month == ramadan;
}

AdhanScheduler::Upcoming AdhanScheduler::nextPrayer(const QDateTime &now)
{
    Upcoming result;
    if (!m_timesDay.isValid())
        return result;
    const int offset = m_offset.value_or(0);
    // The first time after the minute `after` of the day; -1 for none.
    const auto pick = [](const std::array<int, DayTimes::count> &minutes, bool ramadan, int after) {
        if (ramadan)
            for (int i : {DayTimes::Imsaku, DayTimes::Magribi})
                if (minutes[std::size_t(i)] > after)
                    return i;
        for (int i : UserSettings::adhanTimes)
            if (minutes[std::size_t(i)] > after)
                return i;
        return -1;
    };
    QDate day = m_timesDay;
    std::array<int, DayTimes::count> minutes = m_minutes;
    const bool sameDay = dayInEffect(now) == day;
    int index =
        pick(minutes, isRamadan(day), sameDay ? shiftedMinuteOfDay(now.time(), offset) : -1);
    if (index < 0) {
        day = day.addDays(1);
        if (m_nextDay != day) {
            m_nextDayTimes = m_lookAhead ? m_lookAhead(day) : m_loadDay(day);
            m_nextDay = day;
        }
        for (int i = 0; i < DayTimes::count; ++i)
            minutes[std::size_t(i)] = minuteOfDay(m_nextDayTimes[std::size_t(i)]);
        index = pick(minutes, isRamadan(day), -1);
        if (index < 0)
            return result;
    }
    const int minute = minutes[std::size_t(index)];
    result.index = index;
    result.day = day;
    result.moment = QDateTime(day, QTime(minute / 60, minute % 60), now.timeZone())
                        .addSecs(qint64(offset) * 60);
    result.ramadan = isRamadan(day) && (index == DayTimes::Imsaku || index == DayTimes::Magribi);
    return result;
}

QString AdhanScheduler::momentText(int index) const
{
    const int minute = m_minutes[std::size_t(index)];
    if (minute < 0)
        return m_times[std::size_t(index)];
    return QTime(minute / 60, minute % 60)
        .addSecs(qint64(m_offset.value_or(0)) * 60)
        .toString(QStringLiteral("HH:mm"));
}

int AdhanScheduler::adhanAt(int shiftedMinute) const
{
    for (int i : {DayTimes::Dhuhri, DayTimes::Asri, DayTimes::Magribi, DayTimes::Isha})
        if (m_minutes[i] == shiftedMinute)
            return i;
    return m_minutes[dawnIndex] == shiftedMinute ? dawnIndex : -1;
}

QString AdhanScheduler::recordingOf(int index) const
{
    const QString &recording = index == dawnIndex ? m_dawnRecording : m_dailyRecording;
    return m_alert.isEmpty() ? recording
                             : Recordings::atAdhan(recording, index == dawnIndex, m_alert);
}

AdhanScheduler::Tick AdhanScheduler::tick(const QDateTime &now)
{
    const QDate today = now.date();
    // The clock the computer shows; the dates are the place's.
    const int second = now.toLocalTime().time().msecsSinceStartOfDay() / 1000;
    if (today != m_lastDate) {
        m_last.gregorianDate = gregorianDateText(today);
        m_last.hijriDate = Module1::LongHijriDate(today.toString(QStringLiteral("MM/dd/yyyy")));
        m_lastDate = today;
        m_lastSecond = -1;
    }
    if (second != m_lastSecond) {
        m_last.clockText = clockText(second);
        m_lastSecond = second;
    }
    Tick result = m_last;

    // Before the first activation there are no times to keep current.
    if (m_timesDay.isValid()) {
        const QDate day = dayInEffect(now);
        if (day != m_timesDay) {
            // A sleep over midnight passed over the rest of the old day too.
            if (m_offset && day > m_timesDay && m_lastTickDay == m_timesDay)
                findPassedOver(m_timesDay, minutesPerDay, result);
            setTimes(day, m_loadDay(day));
            result.timesReloaded = true;
        }
    }

    if (!m_offset) { // no city selected: no adhan
        m_inAdhanRun = false;
        return result;
    }
    decideAdhan(now, result);
    return result;
}

void AdhanScheduler::decideAdhan(const QDateTime &now, Tick &result)
{
    const qint64 minute = minuteCount(now);
    // The mark holds only through adhan minutes that follow one another.
    if (minute != m_runMinute && minute != m_runMinute + 1)
        m_inAdhanRun = false;
    const QDate day = dayInEffect(now);
    if (day != m_startedDay) {
        m_startedDay = day;
        m_startedToday = 0;
    }
    const int shifted = shiftedMinuteOfDay(now.time(), *m_offset);
    findPassedOver(day, shifted, result);
    decideReminder(day, shifted, minute, result);
    if (m_settings.holyDayNotices) // at the wake-ups of Fexhri and Magribi, no timer of its own
        result.holyNotice = m_holyDayNotice.due(day, shifted, m_minutes[DayTimes::Fexhri],
                                                m_minutes[DayTimes::Magribi]);
    const int index = adhanAt(shifted);
    if (index < 0) {
        m_inAdhanRun = false;
        const int next = shifted + 1 < minutesPerDay ? adhanAt(shifted + 1) : -1;
        if (next >= 0 && modeOf(next) == UserSettings::AdhanMode::AdhanAndWindow &&
            m_preparedMinute != minute + 1 && !(m_startedToday & (1u << next)) &&
            m_player.playState() != MediaPlayer::playing) {
            m_player.prepare(recordingOf(next));
            m_preparedMinute = minute + 1;
        }
        return;
    }
    if (m_inAdhanRun) {
        m_runMinute = minute;
        return;
    }
    if (m_startedToday & (1u << index))
        return;
    if (modeOf(index) != UserSettings::AdhanMode::AdhanAndWindow) {
        m_startedToday |= 1u << index;
        if (modeOf(index) == UserSettings::AdhanMode::NotificationOnly)
            result.noticeIndex = index;
        return;
    }
    // The dawn adhan looks at the status text, the daily ones at the state.
    const bool busy = index == dawnIndex ? m_player.status().contains(QLatin1String("Playing"))
                                         : m_player.playState() == MediaPlayer::playing;
    if (busy) {
        m_heldBackMinute = minute;
        return;
    }
    const QString recording = recordingOf(index);
    m_player.setURL(recording);
    result.alertOnly = recording == m_alert;
    m_inAdhanRun = true;
    m_startedToday |= 1u << index;
    m_runMinute = minute;
    result.start = index == dawnIndex ? Start::Dawn : Start::Daily;
    result.prayerIndex = index;
}

void AdhanScheduler::findPassedOver(const QDate &day, int shifted, Tick &result)
{
    // From the minute after the last tick's, or from midnight on a new day.
    int from = minutesPerDay; // the first tick passes over nothing
    if (day == m_lastTickDay)
        from = m_lastTickShifted + 1;
    else if (m_lastTickDay.isValid() && day > m_lastTickDay)
        from = 0;
    m_lastTickDay = day;
    m_lastTickShifted = shifted;
    int latest = -1;
    for (int i : UserSettings::adhanTimes) {
        const int at = m_minutes[std::size_t(i)];
        if (at < from || at >= shifted || (m_startedToday & (1u << i)) ||
            modeOf(i) == UserSettings::AdhanMode::Nothing)
            continue;
        m_startedToday |= 1u << i;
        if (latest < 0 || at > m_minutes[std::size_t(latest)])
            latest = i;
    }
    if (latest >= 0) { // later than one found on the day before
        result.missedIndex = latest;
        result.missedTime = momentText(latest);
    }
}

int AdhanScheduler::reminderMinute(const QDate &day, int index) const
{
    const int before = m_settings.reminderBefore(index, day);
    const int at = m_minutes[std::size_t(index)];
    if (before <= 0 || at < before || (index == DayTimes::Imsaku && !isRamadan(day)))
        return -1;
    return at - before;
}

void AdhanScheduler::decideReminder(const QDate &day, int shifted, qint64 minute, Tick &result)
{
    if (minute == m_remindedMinute)
        return;
    for (int i = 0; i < DayTimes::count; ++i) {
        if (reminderMinute(day, i) == shifted) {
            result.reminderIndex = i;
            m_remindedMinute = minute;
            return;
        }
    }
}

QDateTime AdhanScheduler::nextEvent(const QDateTime &now) const
{
    const QTime time = now.time();
    const int nowMinute = time.hour() * 60 + time.minute();
    // Counted on from now, so a wall time that a change of daylight saving
    // skips or repeats still has an instant; such an instant may be an hour
    // off, which the caller's longest wait makes good.
    const auto atMinute = [&](int minuteFromMidnight) {
        return now.addMSecs(qint64(minuteFromMidnight - nowMinute) * 60000 - time.second() * 1000 -
                            time.msec());
    };
    if (!m_offset || !m_timesDay.isValid())
        return atMinute(minutesPerDay);
    if (m_heldBackMinute == minuteCount(now))
        return now.addSecs(1);
    const int shiftedNow = nowMinute - *m_offset;
    const int dayStart = shiftedNow - floorMod(shiftedNow, minutesPerDay);
    int next = dayStart + minutesPerDay; // the next day in effect
    for (int i : UserSettings::adhanTimes) {
        if (m_minutes[i] < 0)
            continue;
        const int adhan = dayStart + m_minutes[i];
        for (int event : {adhan - 1, adhan}) // its preparation, its start
            if (event > shiftedNow && event < next)
                next = event;
    }
    const QDate day = dayInEffect(now);
    for (int i = 0; i < DayTimes::count; ++i) {
        const int reminder = reminderMinute(day, i);
        if (reminder >= 0 && dayStart + reminder > shiftedNow && dayStart + reminder < next)
            next = dayStart + reminder;
    }
    return atMinute(next + *m_offset);
}
