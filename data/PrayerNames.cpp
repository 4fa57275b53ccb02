#include "data/PrayerNames.h"

namespace PrayerNames {

namespace {

constexpr int dhuhri = 3;

} // namespace

int onDay(int time, const QDate &day)
{
    return time == dhuhri && day.dayOfWeek() == Qt::Friday ? xhumaja : time;
}

QString name(int index, bool ramadan)
{
    const Forms &forms = of(index);
    return QString::fromUtf8(ramadan && forms.fastName ? forms.fastName : forms.name);
}

QString heading(int index, bool ramadan)
{
    const Forms &forms = of(index);
    return QString::fromUtf8(ramadan && forms.fastHeading ? forms.fastHeading : forms.column);
}

QString headingOf(int index)
{
    return QString::fromUtf8(of(index).columnOf);
}

} // namespace PrayerNames
