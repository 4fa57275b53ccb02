#include "calendar/TabularHijri.h"

#include <algorithm>

namespace TabularHijri {

qint64 monthStart(int monthIndex)
{
    const qint64 year = monthIndex / 12 + 1;
    const qint64 month = monthIndex % 12; // 0-based
    // 354 days a year and the leap days of the cycle so far; months of
    // 29.5 days on average, rounded up.
    return 354 * (year - 1) + (11 * year + 3) / 30 + (59 * month + 1) / 2;
}

int monthContaining(qint64 day)
{
    // 10631 days make 30 years. Starting a year before the estimate, the
    // search only steps forward.
    int index = std::max(int((30 * day + 10646) / 10631 - 2) * 12, 0);
    while (monthStart(index + 1) <= day)
        ++index;
    return index;
}

} // namespace TabularHijri
