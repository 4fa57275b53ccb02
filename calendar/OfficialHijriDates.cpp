#include "calendar/OfficialHijriDates.h"

#include "calendar/CalendarError.h"

#include <QFile>

std::vector<OfficialHijriDate> readOfficialHijriDates(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw CalendarError(QStringLiteral("Skedari i datave hixhri \"%1\" nuk hapet: %2.")
                                .arg(path, file.errorString()));
    std::vector<OfficialHijriDate> dates;
    int lineNumber = 0;
    bool headingSeen = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!headingSeen) {
            headingSeen = true; // the column names
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        OfficialHijriDate date;
        // A field that is no number reads as 0, out of range.
        date.gregorian = QDate::fromString(fields.value(0), Qt::ISODate);
        date.year = fields.value(1).toInt();
        date.month = fields.value(2).toInt();
        date.day = fields.value(3).toInt();
        date.event = fields.value(4);
        if (fields.size() != 5 || !date.gregorian.isValid() || date.year < 1 || date.month < 1 ||
            date.month > 12 || date.day < 1 || date.day > 30)
            throw CalendarError(QStringLiteral("Rreshti %1 i \"%2\" nuk është një datë hixhri.")
                                    .arg(lineNumber)
                                    .arg(path));
        dates.push_back(date);
    }
    return dates;
}
