#include "prayer/TableDates.h"

#include <QRegularExpression>

#include <tuple>

namespace {

struct Parts
{
    int year = 0;
    int first = 0;  // the day or the month
    int second = 0; // the other
    bool eitherOrder = false;
};

std::optional<Parts> partsOf(const QString &cell)
{
    static const QRegularExpression date(
        QStringLiteral("^(\\d{1,4})([-./])(\\d{1,2})\\2(\\d{1,4})(?:[ T].*)?$"));
    const QRegularExpressionMatch match = date.match(cell);
    if (!match.hasMatch())
        return std::nullopt;
    Parts parts;
    if (match.capturedLength(1) == 4) { // year, month, day
        parts = {match.captured(1).toInt(), match.captured(4).toInt(), match.captured(3).toInt(),
                 false};
    } else if (match.capturedLength(4) == 4) {
        parts = {match.captured(4).toInt(), match.captured(1).toInt(), match.captured(3).toInt(),
                 match.captured(2) != u"."};
    } else {
        return std::nullopt;
    }
    if (parts.year < 1900 || parts.year > 2199)
        return std::nullopt;
    return parts;
}

QDate dateOf(const Parts &parts, bool dayFirst)
{
    return dayFirst || !parts.eitherOrder ? QDate(parts.year, parts.second, parts.first)
                                          : QDate(parts.year, parts.first, parts.second);
}

} // namespace

TableDates::TableDates(const QStringList &column)
{
    // For each reading: the dates that do not exist, and the rows that follow
    // their row above by one day.
    std::array<int, 2> missing{}, steps{};
    bool either = false;
    for (const bool dayFirst : {true, false}) {
        QDate above;
        for (const QString &cell : column) {
            const std::optional<Parts> parts = partsOf(cell);
            if (!parts)
                continue;
            either = either || parts->eitherOrder;
            const QDate date = dateOf(*parts, dayFirst);
            missing[dayFirst] += !date.isValid();
            steps[dayFirst] += above.isValid() && above.daysTo(date) == 1;
            above = date;
        }
    }
    const auto dayFirst = std::make_tuple(missing[true], -steps[true]);
    const auto monthFirst = std::make_tuple(missing[false], -steps[false]);
    m_dayFirst = dayFirst <= monthFirst;
    m_decided = !either || dayFirst != monthFirst;
}

bool TableDates::isDate(const QString &cell)
{
    const std::optional<Parts> parts = partsOf(cell);
    return parts && (dateOf(*parts, true).isValid() || dateOf(*parts, false).isValid());
}

QDate TableDates::read(const QString &cell) const
{
    const std::optional<Parts> parts = partsOf(cell);
    return parts ? dateOf(*parts, m_dayFirst) : QDate();
}
