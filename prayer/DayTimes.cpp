#include "prayer/DayTimes.h"

#include "data/Recordset.h"

namespace DayTimes {

QString missingTime()
{
    return QStringLiteral("--:--");
}

QString queryText(const QDate &day)
{
    return QStringLiteral("Select * from kolvira where Dita=%1 and Muaji=%2")
        .arg(day.day())
        .arg(day.month());
}

QString timeText(const Variant &value)
{
    return timeText(value.toTime());
}

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : missingTime();
}

Texts load(const QDate &day, CalendarConnection &connection)
{
    Texts texts;
    Recordset rs;
    rs.open(queryText(day), connection, LockType::ReadOnly);
    for (int i = 0; i < count; ++i)
        texts[i] = rs.eof()
                       ? missingTime()
                       : timeText(rs.field(QString::fromUtf8(TimeColumns::names[std::size_t(i)])));
    rs.close();
    return texts;
}

} // namespace DayTimes
