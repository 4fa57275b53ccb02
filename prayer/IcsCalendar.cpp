#include "prayer/IcsCalendar.h"

#include "data/PrayerNames.h"

#include <QTimeZone>
#include <QUrl>

#include <array>
#include <cstdlib>

namespace {

constexpr int lineOctets = 75;

// Lines longer than 75 octets are folded: CRLF and a blank, never inside a
// UTF-8 character.
void addLine(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    int room = lineOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while ((uchar(bytes[cut]) & 0xC0) == 0x80) // a continuation byte
            --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = lineOctets - 1;
    }
    out += bytes.mid(start) + "\r\n";
}

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char(';'), QLatin1String("\\;"))
        .replace(QLatin1Char(','), QLatin1String("\\,"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString localStamp(const QDateTime &local)
{
    return local.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The zone as each change of its offset in the years of the file (and the
// one before), so the file needs no time-zone database of its reader.
void addTimeZone(QByteArray &out, const QTimeZone &zone, int firstYear, int lastYear)
{
    addLine(out, QStringLiteral("BEGIN:VTIMEZONE"));
    addLine(out, QStringLiteral("TZID:") + QString::fromUtf8(zone.id()));
    const QDateTime from(QDate(firstYear - 1, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(lastYear + 1, 1, 1), QTime(0, 0), Qt::UTC);
    auto addRule = [&](const QTimeZone::OffsetData &change, int offsetFrom) {
        const QString kind =
            change.daylightTimeOffset > 0 ? QStringLiteral("DAYLIGHT") : QStringLiteral("STANDARD");
        addLine(out, QStringLiteral("BEGIN:") + kind);
        // The moment of the change on the clock before it.
        addLine(out,
                QStringLiteral("DTSTART:") + localStamp(change.atUtc.toUTC().addSecs(offsetFrom)));
        addLine(out, QStringLiteral("TZOFFSETFROM:") + offsetText(offsetFrom));
        addLine(out, QStringLiteral("TZOFFSETTO:") + offsetText(change.offsetFromUtc));
        if (!change.abbreviation.isEmpty())
            addLine(out, QStringLiteral("TZNAME:") + change.abbreviation);
        addLine(out, QStringLiteral("END:") + kind);
    };
    QTimeZone::OffsetData before = zone.offsetData(from);
    const QTimeZone::OffsetDataList changes = zone.transitions(from, to);
    if (changes.isEmpty()) {
        before.atUtc = from; // a zone without changes: one rule from the start
        addRule(before, before.offsetFromUtc);
    }
    int offsetFrom = before.offsetFromUtc;
    for (const QTimeZone::OffsetData &change : changes) {
        addRule(change, offsetFrom);
        offsetFrom = change.offsetFromUtc;
    }
    addLine(out, QStringLiteral("END:VTIMEZONE"));
}

void addHolyDay(QByteArray &out, const HolyDay &holy, const QString &dtstamp)
{
    const QString day = holy.date.toString(QStringLiteral("yyyyMMdd"));
    addLine(out, QStringLiteral("BEGIN:VEVENT"));
    addLine(out, QStringLiteral("UID:%1-%2@kolvira.org").arg(day, holy.key));
    addLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
    addLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + day);
    addLine(out, QStringLiteral("DTEND;VALUE=DATE:") +
                     holy.date.addDays(1).toString(QStringLiteral("yyyyMMdd")));
    addLine(out, QStringLiteral("SUMMARY:") + escaped(holy.name));
    addLine(out, QStringLiteral("DESCRIPTION:") +
                     escaped(QStringLiteral("%1 (%2)").arg(holy.line(), holy.hijriText())));
    addLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
    addLine(out, QStringLiteral("END:VEVENT"));
}

} // namespace

namespace IcsCalendar {

QByteArray write(const QList<TimetablePage> &pages, int alarmMinutes, const QDateTime &stamp,
                 bool holyDays)
{
    static const std::array<const char *, 7> keys = {"imsaku", "fexhri",  "lindja", "dhuhri",
                                                     "asri",   "magribi", "isha"};
    QByteArray out;
    if (pages.isEmpty() || pages.first().rows.isEmpty())
        return out;
    const TimetablePage &head = pages.first();
    const QTimeZone zone(head.timeZone.isEmpty() ? QTimeZone::systemTimeZoneId()
                                                 : head.timeZone.toUtf8());
    const QString tzid = QString::fromUtf8(zone.id());
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString city = QString::fromLatin1(QUrl::toPercentEncoding(head.cityName));
    addLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    addLine(out, QStringLiteral("VERSION:2.0"));
    addLine(out, QStringLiteral("PRODID:-//Kolvira//Kolvira 5.0//SQ"));
    addLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    addLine(out, QStringLiteral("METHOD:PUBLISH"));
    addLine(out, QStringLiteral("X-WR-CALNAME:") +
                     escaped(QStringLiteral("Kohët e namazit \u2013 %1").arg(head.cityName)));
    addLine(out, QStringLiteral("X-WR-TIMEZONE:") + tzid);
    addTimeZone(out, zone, head.rows.first().date.year(), pages.last().rows.last().date.year());
    for (const TimetablePage &page : pages) {
        for (const TimetablePage::Row &row : page.rows) {
            const bool ramadan = row.hijri.month == 9;
            if (holyDays)
                for (const HolyDay &holy : row.holyDays)
                    addHolyDay(out, holy, dtstamp);
            for (int i : page.order) {
                const QTime time = row.times[std::size_t(i)];
                if (i == 2 || (i == 0 && !ramadan) || !time.isValid())
                    continue; // sunrise is no prayer; Imsaku counts in Ramadan only
                const QString summary = escaped(PrayerNames::heading(i, ramadan));
                addLine(out, QStringLiteral("BEGIN:VEVENT"));
                addLine(out, QStringLiteral("UID:%1-%2-%3@kolvira.org")
                                 .arg(row.date.toString(QStringLiteral("yyyyMMdd")),
                                      QLatin1String(keys[std::size_t(i)]), city));
                addLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
                addLine(out, QStringLiteral("DTSTART;TZID=%1:%2")
                                 .arg(tzid, localStamp(QDateTime(row.date, time))));
                addLine(out, QStringLiteral("DURATION:PT15M"));
                addLine(out, QStringLiteral("SUMMARY:") + summary);
                addLine(out, QStringLiteral("LOCATION:") + escaped(page.cityName));
                addLine(out, QStringLiteral("DESCRIPTION:") + escaped(page.cityLine()));
                addLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
                if (alarmMinutes > 0) {
                    addLine(out, QStringLiteral("BEGIN:VALARM"));
                    addLine(out, QStringLiteral("ACTION:DISPLAY"));
                    addLine(out, QStringLiteral("DESCRIPTION:") + summary);
                    addLine(out, QStringLiteral("TRIGGER:-PT%1M").arg(alarmMinutes));
                    addLine(out, QStringLiteral("END:VALARM"));
                }
                addLine(out, QStringLiteral("END:VEVENT"));
            }
        }
    }
    addLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace IcsCalendar
