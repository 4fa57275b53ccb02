#include "data/BfiCalendar.h"

#include "data/PerpetualStore.h"
#include "data/SqlExec.h"

namespace BfiCalendar {

bool present(const QSqlDatabase &db)
{
    if (!db.tables().contains(QLatin1String(table)))
        return false;
    QSqlQuery count = Sql::exec(db, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    return count.next() && count.value(0).toInt() == 366;
}

PerpetualCalendar read(const QSqlDatabase &db)
{
    PerpetualCalendar calendar;
    calendar.source = source(QStringLiteral("Shkup"), 0);
    calendar.timeZone = QLatin1String(timeZone);
    calendar.standardOffset = standardOffset;
    calendar.rows = PerpetualStore::readDays(db, QLatin1String(table));
    return calendar;
}

void write(QSqlDatabase &db, const PerpetualCalendar &calendar)
{
    PerpetualStore::writeDays(db, QLatin1String(table), calendar.rows);
}

QList<PerpetualCalendar::Row> localRows(const QSqlDatabase &db, int townMinutes, int year)
{
    QList<PerpetualCalendar::Row> rows = read(db).localRows(year);
    for (PerpetualCalendar::Row &row : rows)
        for (QTime &time : row.times)
            if (time.isValid())
                time = time.addSecs(60 * townMinutes);
    return rows;
}

QString source(const QString &town, int townMinutes)
{
    QString text = QStringLiteral("Takvimi i Bashkësisë Fetare Islame të Maqedonisë së Veriut "
                                  "(BFI), kohët e Shkupit");
    if (townMinutes != 0)
        text += QStringLiteral(", %1 minuta për %2")
                    .arg(townMinutes > 0 ? QStringLiteral("+%1").arg(townMinutes)
                                         : QString::number(townMinutes),
                         town);
    return text;
}

} // namespace BfiCalendar
