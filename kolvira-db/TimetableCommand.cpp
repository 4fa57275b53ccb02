#include "kolvira-db/TimetableCommand.h"

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/WholeFile.h"
#include "prayer/IcsCalendar.h"
#include "print/TimetablePrint.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/UsageError.h"

#include <QDateTime>
#include <QFileInfo>

namespace TimetableCommand {

int run(const QStringList &words, QTextStream &out)
{
    const Arguments args(words,
                         {QStringLiteral("city"), QStringLiteral("year"), QStringLiteral("month"),
                          QStringLiteral("pdf"), QStringLiteral("ics"), QStringLiteral("alarm")});
    if (args.positional().size() != 1)
        throw UsageError(
            QStringLiteral("Komanda \"timetable\" kërkon emrin e një skedari, dhe vetëm atë."));
    if (!args.has(QStringLiteral("city")) || !args.has(QStringLiteral("year")))
        throw UsageError(QStringLiteral("Komanda \"timetable\" kërkon --city dhe --year."));
    const bool pdf = args.has(QStringLiteral("pdf"));
    if (pdf == args.has(QStringLiteral("ics")))
        throw UsageError(QStringLiteral("Jepni ose --pdf ose --ics, njërin prej tyre."));
    const int year = args.integer(QStringLiteral("year"), 0, 1900, 2100);
    const int month = args.integer(QStringLiteral("month"), 0, 1, 12);
    const int alarm = args.integer(QStringLiteral("alarm"), 0, 0, 24 * 60);
    const QString path = args.positional().first();
    if (!QFileInfo::exists(path))
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk ekziston.").arg(path));

    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    const CityTimetable timetable =
        CityTimetable::ofCity(connection, args.value(QStringLiteral("city")));
    const QList<TimetablePage> pages = month > 0
                                           ? QList{TimetablePages::month(timetable, year, month)}
                                           : TimetablePages::year(timetable, year);
    const QString target = args.value(pdf ? QStringLiteral("pdf") : QStringLiteral("ics"));
    const QString failure = WholeFile::write(
        target, pdf ? TimetablePrint::pdf(pages)
                    : IcsCalendar::write(pages, alarm, QDateTime::currentDateTimeUtc()));
    if (!failure.isEmpty())
        throw ToolError(failure);
    qsizetype days = 0;
    for (const TimetablePage &page : pages)
        days += page.rows.size();
    out << QStringLiteral("U shkrua \"%1\": %2, %3 ditë.\n")
               .arg(target, timetable.cityName())
               .arg(days);
    return 0;
}

} // namespace TimetableCommand
