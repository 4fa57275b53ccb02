#pragma once

#include "calendar/HijriMonthTable.h"
#include "calendar/OfficialHijriDates.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

// The months of the official Hijri calendar over a span of years: the
// crescent rule for each month, and the published first day wherever the
// published dates say otherwise (the rule is only as sharp as its inputs
// when the moon is at the edge of visibility).
namespace HijriMonthComputation {

struct Correction
{
    int year = 0;
    int month = 0;
    QDate computed;
    QDate published;
};

struct Result
{
    HijriMonthTable table;
    std::vector<Correction> corrections;

    // The table file, its comments saying where it comes from; `listName`
    // names the published list.
    QByteArray fileText(const QString &listName) const;
};

// Throws CalendarError when the published dates contradict one another, lie
// outside the years, or would make a month of other than 29 or 30 days.
Result compute(int firstYear, int lastYear, const std::vector<OfficialHijriDate> &published);

} // namespace HijriMonthComputation
