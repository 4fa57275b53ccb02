#include "prayer/AdhanScheduler.h"

#include "calendar/CalendarNames.h"
#include "prayer/MediaPlayer.h"

#include <cmath>

namespace {

constexpr int minutesPerDay = 24 * 60;

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

void AdhanScheduler::setOffsetText(const QString &text)
{
    m_offset = offsetMinutes(text);
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
    const int minute = (now.hour() * 60 + now.minute() - offset) % minutesPerDay;
    return minute < 0 ? minute + minutesPerDay : minute;
}

QDate AdhanScheduler::dayInEffect(const QDateTime &now) const
{
    if (!m_offset)
        return now.date();
    const int minute = now.time().hour() * 60 + now.time().minute() - *m_offset;
    const int days =
        minute >= 0 ? minute / minutesPerDay : -((minutesPerDay - 1 - minute) / minutesPerDay);
    return now.date().addDays(days);
}

QString AdhanScheduler::gregorianDateText(const QDate &day)
{
    // Qt counts Monday = 1 .. Sunday = 7; the names count Sunday = 1.
    return Module1::DayOfWeekName(day.dayOfWeek() % 7 + 1) + QStringLiteral(", ") +
           QString::number(day.day()) + QLatin1Char(' ') +
           Module1::GregorianMonthName(day.month()) + QStringLiteral(" (") +
           QString::number(day.month()) + QStringLiteral("), ") + QString::number(day.year());
}

void AdhanScheduler::startRecording(const QString &path)
{
    m_player.setURL(path);
    m_ezaniFilloi = true;
}

AdhanScheduler::Tick AdhanScheduler::tick(const QDateTime &now)
{
    const QDate today = now.date();
    const QTime time = now.time();
    const int second = time.msecsSinceStartOfDay() / 1000;
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
            setTimes(day, m_loadDay(day));
            result.timesReloaded = true;
        }
    }

    if (!m_offset) { // no city selected: no adhan
        m_ezaniFilloi = false;
        return result;
    }
    const int shifted = shiftedMinuteOfDay(time, *m_offset);
    int daily = -1;
    for (int i = 3; i <= 6; ++i) {
        if (m_minutes[i] == shifted) {
            daily = i;
            break;
        }
    }
    if (daily >= 0) {
        if (m_player.playState() != MediaPlayer::playing && !m_ezaniFilloi) {
            startRecording(m_dailyRecording);
            result.start = Start::Daily;
            result.prayerIndex = daily;
        }
    } else if (m_minutes[1] == shifted) {
        if (!m_player.status().contains(QLatin1String("Playing")) && !m_ezaniFilloi) {
            startRecording(m_dawnRecording);
            result.start = Start::Dawn;
            result.prayerIndex = 1;
        }
    } else {
        m_ezaniFilloi = false;
    }
    return result;
}
