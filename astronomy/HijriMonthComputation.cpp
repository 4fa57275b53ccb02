#include "astronomy/HijriMonthComputation.h"

#include "astronomy/CrescentRule.h"
#include "calendar/CalendarError.h"

#include <map>

namespace HijriMonthComputation {
namespace {

int monthIndex(int year, int month)
{
    return 12 * (year - 1) + month - 1;
}

QString monthName(int year, int month)
{
    return QStringLiteral("%1/%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

// The first day of each published month, by month index.
std::map<int, QDate> publishedStarts(int firstYear, int lastYear,
                                     const std::vector<OfficialHijriDate> &published)
{
    std::map<int, QDate> starts;
    for (const OfficialHijriDate &date : published) {
        if (date.year < firstYear || date.year > lastYear)
            throw CalendarError(QStringLiteral("Data %1 bie jashtë viteve %2–%3.")
                                    .arg(date.gregorian.toString(Qt::ISODate))
                                    .arg(firstYear)
                                    .arg(lastYear));
        const auto [it, added] =
            starts.emplace(monthIndex(date.year, date.month), date.monthStart());
        if (!added && it->second != date.monthStart())
            throw CalendarError(QStringLiteral("Datat e publikuara të muajit %1 nuk pajtohen.")
                                    .arg(monthName(date.year, date.month)));
    }
    return starts;
}

} // namespace

Result compute(int firstYear, int lastYear, const std::vector<OfficialHijriDate> &published)
{
    const std::map<int, QDate> starts = publishedStarts(firstYear, lastYear, published);
    Result result;
    result.table.firstYear = firstYear;
    // One month more: the end of the last year.
    for (int index = monthIndex(firstYear, 1); index <= monthIndex(lastYear + 1, 1); ++index) {
        QDate first = CrescentRule::firstDay(index);
        if (const auto it = starts.find(index); it != starts.end() && it->second != first) {
            result.corrections.push_back({index / 12 + 1, index % 12 + 1, first, it->second});
            first = it->second;
        }
        if (!result.table.starts.empty()) {
            const qint64 days = result.table.starts.back().daysTo(first);
            if (days != 29 && days != 30)
                throw CalendarError(QStringLiteral("Muaji %1 do të kishte %2 ditë.")
                                        .arg(monthName((index - 1) / 12 + 1, (index - 1) % 12 + 1))
                                        .arg(days));
        }
        result.table.starts.push_back(first);
    }
    return result;
}

QByteArray Result::fileText(const QString &listName) const
{
    QStringList comments = {
        QStringLiteral("The first days of the Hijri months %1 to %2 (%3 to %4) as the")
            .arg(table.firstYear)
            .arg(table.lastYear())
            .arg(table.starts.front().toString(Qt::ISODate),
                 table.starts.back().addDays(-1).toString(Qt::ISODate)),
        QStringLiteral("Islamic communities of Kosovo, Albania and North Macedonia keep them, "
                       "those of Turkey's"),
        QStringLiteral("Presidency of Religious Affairs (Diyanet). Written by generators/hijri-months: "
                       "Diyanet's"),
        QStringLiteral("crescent rule as astronomy/CrescentRule computes it, and Diyanet's "
                       "published dates"),
        QStringLiteral("(%1) where they differ from it.").arg(listName),
        QStringLiteral("Months set by the published dates:%1")
            .arg(corrections.empty() ? QStringLiteral(" none.") : QString()),
    };
    for (const Correction &c : corrections)
        comments << QStringLiteral("  %1 begins %2, not %3 as computed.")
                        .arg(monthName(c.year, c.month), c.published.toString(Qt::ISODate),
                             c.computed.toString(Qt::ISODate));
    comments << QStringLiteral("Each row: a Hijri year, the Gregorian date of its 1 Muharram, "
                               "the days of its 12 months.");
    return table.write(comments);
}

} // namespace HijriMonthComputation
