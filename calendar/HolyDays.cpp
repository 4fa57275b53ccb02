#include "calendar/HolyDays.h"

#include "calendar/CalendarNames.h"

#include <algorithm>
#include <array>

namespace {

using Kind = HolyDay::Kind;

constexpr int rexheb = 7;
constexpr int friday = 5; // Qt's weekday numbers

struct Fixed
{
    Kind kind;
    const char *key;
    const char *name;
    int month;
    int day;
};

// By Hijri date; the Night of Regaib, which follows the weekday, is added apart.
constexpr std::array<Fixed, 11> fixedDays = {{
    {Kind::Day, "viti-i-ri", "Viti i Ri Hixhri", 1, 1},
    {Kind::Day, "ashureja", "Dita e Ashures", 1, 10},
    {Kind::Night, "mevludi", "Nata e Mevludit", 3, 12},
    {Kind::Day, "rexhebi", "Fillimi i tre muajve (Rexhebi)", rexheb, 1},
    {Kind::Night, "miraxhi", "Nata e Miraxhit", rexheb, 27},
    {Kind::Night, "berati", "Nata e Beratit", 8, 15},
    {Kind::Day, "ramazani", "Fillimi i Ramazanit", 9, 1},
    {Kind::Night, "kadri", "Nata e Kadrit", 9, 27},
    {Kind::Day, "fitri", "Fitër Bajrami", 10, 1},
    {Kind::Day, "arafati", "Dita e Arafatit", 12, 9},
    {Kind::Day, "kurbani", "Kurban Bajrami", 12, 10},
}};

// A night begins at the sunset of the day before.
QDate dateOf(Kind kind, const QDate &day)
{
    return kind == Kind::Night ? day.addDays(-1) : day;
}

// "e hënë, 16 mars 2026": the calendar's names, in lower case as inside a sentence.
QString dayText(const QDate &date)
{
    return QStringLiteral("%1, %2 %3 %4")
        .arg(Module1::DayOfWeekName(date.dayOfWeek() % 7 + 1).toLower())
        .arg(date.day())
        .arg(Module1::GregorianMonthName(date.month()).toLower())
        .arg(date.year());
}

} // namespace

QString HolyDay::line() const
{
    const QString text = name + QStringLiteral(": ") + dayText(date);
    return kind == Kind::Night ? text + QStringLiteral(", pas akshamit") : text;
}

QString HolyDay::hijriText() const
{
    return QStringLiteral("%1 %2 %3")
        .arg(hijri.day)
        .arg(Module1::HijriMonthName(hijri.month))
        .arg(hijri.year);
}

QString HolyDay::notice() const
{
    return (kind == Kind::Night ? QStringLiteral("Sonte është ") : QStringLiteral("Sot është ")) +
           name;
}

namespace HolyDays {

std::vector<HolyDay> ofYear(int hijriYear)
{
    const HijriCalendar &calendar = HijriCalendar::instance();
    std::vector<HolyDay> days;
    for (const Fixed &fixed : fixedDays) {
        const HijriDate hijri{hijriYear, fixed.month, fixed.day};
        days.push_back({fixed.kind, QLatin1String(fixed.key), QString::fromUtf8(fixed.name), hijri,
                        dateOf(fixed.kind, calendar.toDate(hijri))});
    }
    // The night before the first Friday of Rexheb.
    QDate firstFriday = calendar.toDate({hijriYear, rexheb, 1});
    firstFriday = firstFriday.addDays((friday - firstFriday.dayOfWeek() + 7) % 7);
    days.push_back({Kind::Night, QStringLiteral("regaibi"), QStringLiteral("Nata e Regaibit"),
                    calendar.fromDate(firstFriday), dateOf(Kind::Night, firstFriday)});
    std::ranges::stable_sort(days, {}, &HolyDay::date);
    return days;
}

std::vector<HolyDay> on(const QDate &date)
{
    // A night's evening may lie in the Hijri year before its day.
    const int year = HijriCalendar::instance().fromDate(date).year;
    std::vector<HolyDay> found;
    for (int y : {year, year + 1})
        for (HolyDay &day : ofYear(y))
            if (day.date == date)
                found.push_back(std::move(day));
    return found;
}

} // namespace HolyDays
