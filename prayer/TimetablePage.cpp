#include "prayer/TimetablePage.h"

#include "prayer/BajramPrayer.h"
#include "prayer/DayTimes.h"

#include "calendar/CalendarNames.h"
#include "data/PrayerNames.h"

#include <algorithm>

namespace {

QString hijriMonthText(const HijriDate &hijri)
{
    return QStringLiteral("%1 %2").arg(Module1::HijriMonthName(hijri.month)).arg(hijri.year);
}

// The Hijri months the days run through: "Sha'ban – Ramadan 1447", or with
// both years where the Hijri year changes.
QString hijriSpan(const HijriDate &first, const HijriDate &last)
{
    if (first.month == last.month && first.year == last.year)
        return hijriMonthText(first);
    const QString from =
        first.year == last.year ? Module1::HijriMonthName(first.month) : hijriMonthText(first);
    return QStringLiteral("%1 \u2013 %2").arg(from, hijriMonthText(last));
}

// The calendar's source without its note on the clock the table is kept in
// ("në orën standarde ..., pa orën verore"): a page's times carry the year's
// summer time.
QString sourceOnPage(const QString &source)
{
    QStringList clauses = source.split(QStringLiteral(", "));
    clauses.removeIf(
        [](const QString &clause) { return clause.contains(QStringLiteral("orën ")); });
    QString text = clauses.join(QStringLiteral(", "));
    return text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text;
}

// The holy days and nights on the page's days.
void markHolyDays(TimetablePage &page)
{
    if (page.rows.isEmpty())
        return;
    // A night's evening may lie in the Hijri year before its day.
    for (int year = page.rows.first().hijri.year; year <= page.rows.last().hijri.year + 1; ++year)
        for (HolyDay &holy : HolyDays::ofYear(year)) {
            const auto row = std::ranges::find(page.rows, holy.date, &TimetablePage::Row::date);
            if (row != page.rows.end())
                row->holyDays.push_back(std::move(holy));
        }
}

TimetablePage pageOf(const CityTimetable &timetable, const QDate &first, const QDate &last)
{
    TimetablePage page;
    page.cityName = timetable.cityName();
    page.minutes = timetable.minutes();
    page.source = sourceOnPage(timetable.source());
    page.timeZone = timetable.timeZone();
    for (const CityTimetable::Day &day : timetable.days(first, last)) {
        const HijriDate hijri = TimetablePages::hijriDay(day.date);
        page.rows << TimetablePage::Row{
            day.date,
            Module1::DayOfWeekName(day.date.dayOfWeek() % 7 + 1),
            hijri,
            QStringLiteral("%1 %2").arg(hijri.day).arg(Module1::HijriMonthName(hijri.month)),
            day.times,
            {},
            day.estimated};
        if (std::ranges::find(day.estimated, true) != day.estimated.end())
            page.note = QStringLiteral("≈ %1").arg(timetable.estimateNote());
    }
    markHolyDays(page);
    return page;
}

} // namespace

QString TimetablePage::cityLine() const
{
    const QString city = QStringLiteral("%1 (%2 min)")
                             .arg(cityName, (minutes > 0 ? QStringLiteral("+") : QString()) +
                                                QString::number(minutes));
    return source.isEmpty() ? city : QStringLiteral("%1 \u00B7 %2").arg(city, source);
}

QStringList TimetablePage::headers() const
{
    QStringList names{QStringLiteral("Data"), QStringLiteral("Dita"),
                      QStringLiteral("Data sipas hixhrit")};
    for (int i : order)
        names << PrayerNames::heading(i, ramadan);
    return names;
}

QString TimetablePage::holyNames(const Row &row)
{
    QStringList names;
    for (const HolyDay &holy : row.holyDays)
        names << holy.name;
    return names.join(QStringLiteral(", "));
}

QStringList TimetablePage::cells(const Row &row) const
{
    const QString holy = holyNames(row);
    QStringList texts{row.date.toString(QStringLiteral("dd.MM.yyyy")), row.weekday,
                      holy.isEmpty() ? row.hijriText
                                     : QStringLiteral("%1 \u00B7 %2").arg(row.hijriText, holy)};
    for (int i : order) {
        const QString time = DayTimes::timeText(row.times[std::size_t(i)]);
        texts << (row.estimated[std::size_t(i)] ? QStringLiteral("≈") + time : time);
    }
    return texts;
}

namespace TimetablePages {

HijriDate hijriDay(const QDate &date)
{
    return HijriCalendar::instance().fromDate(date);
}

TimetablePage month(const CityTimetable &timetable, int year, int month)
{
    const QDate first(year, month, 1);
    TimetablePage page = pageOf(timetable, first, first.addMonths(1).addDays(-1));
    page.title =
        QStringLiteral("%1 %2 \u00B7 %3")
            .arg(Module1::GregorianMonthName(month))
            .arg(year)
            .arg(page.rows.isEmpty() ? QString()
                                     : hijriSpan(page.rows.first().hijri, page.rows.last().hijri));
    return page;
}

TimetablePage ramadan(const CityTimetable &timetable, int hijriYear)
{
    const HijriCalendar &calendar = HijriCalendar::instance();
    const QDate first = calendar.toDate({hijriYear, 9, 1});
    const QDate last = first.addDays(calendar.monthLength(hijriYear, 9) - 1);
    TimetablePage page = pageOf(timetable, first, last);
    page.ramadan = true;
    page.order = {0, 5, 1, 2, 3, 4, 6};
    page.title = QStringLiteral("Ramadan %1 \u00B7 %2 %3 \u2013 %4 %5 %6")
                     .arg(hijriYear)
                     .arg(first.day())
                     .arg(Module1::GregorianMonthName(first.month()))
                     .arg(last.day())
                     .arg(Module1::GregorianMonthName(last.month()))
                     .arg(last.year());
    // The first day of Bajram follows, with its prayer where the city's
    // calendar gives one; the day's sunrise already carries the town's minutes.
    const QDate bajram = last.addDays(1);
    const QList<CityTimetable::Day> next = timetable.days(bajram, bajram);
    const QString prayer =
        next.isEmpty() ? QString()
                       : BajramPrayer::timeText(bajram, DayTimes::timeText(next.first().times[2]),
                                                0, BajramPrayer::onTakvim(timetable));
    if (!prayer.isEmpty())
        page.note = (page.note.isEmpty() ? QString() : page.note + QStringLiteral(" \u00B7 ")) +
                    QStringLiteral("Namazi i Bajramit të Fitrit: %1, %2 %3 %4, ora %5")
                        .arg(Module1::DayOfWeekName(bajram.dayOfWeek() % 7 + 1))
                        .arg(bajram.day())
                        .arg(Module1::GregorianMonthName(bajram.month()))
                        .arg(bajram.year())
                        .arg(prayer);
    return page;
}

int ramadanYearIn(int gregorianYear)
{
    const int hijriYear = hijriDay(QDate(gregorianYear, 1, 1)).year;
    const QDate start = HijriCalendar::instance().toDate({hijriYear, 9, 1});
    return start.year() < gregorianYear ? hijriYear + 1 : hijriYear;
}

QList<TimetablePage> year(const CityTimetable &timetable, int year)
{
    QList<TimetablePage> pages;
    for (int m = 1; m <= 12; ++m)
        pages << month(timetable, year, m);
    return pages;
}

} // namespace TimetablePages
