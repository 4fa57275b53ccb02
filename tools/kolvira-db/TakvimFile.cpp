#include "tools/kolvira-db/TakvimFile.h"

#include "tools/kolvira-db/ToolError.h"

#include <QDate>
#include <QFile>
#include <QSet>

#include <algorithm>

namespace TakvimFile {

PerpetualCalendar parse(const QByteArray &utf8, const QString &source)
{
    PerpetualCalendar calendar;
    calendar.timeZone = QString::fromUtf8(timeZone);
    calendar.standardOffset = standardOffset;
    QSet<int> days;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('#'))) {
            if (calendar.source.isEmpty())
                calendar.source = line.mid(1).trimmed();
            continue;
        }
        if (line.isEmpty() || line.startsWith(QLatin1String("Dita")))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(source).arg(i + 1);
        const QStringList fields = line.split(QLatin1Char('\t'));
        PerpetualCalendar::Row row;
        row.day = fields.value(0).toInt();
        row.month = fields.value(1).toInt();
        bool sound = fields.size() == 9 && QDate::isValid(2000, row.month, row.day) &&
                     !days.contains(PerpetualCalendar::dayKey(row.day, row.month));
        for (int t = 0; sound && t < 7; ++t) {
            row.times[std::size_t(t)] = QTime::fromString(fields[2 + t], QStringLiteral("HH:mm"));
            sound = row.times[std::size_t(t)].isValid() &&
                    (t == 0 || row.times[std::size_t(t - 1)] < row.times[std::size_t(t)]);
        }
        if (!sound)
            throw ToolError(QStringLiteral("%1: pritet dita, muaji dhe shtatë kohë me radhë "
                                           "(hh:mm), një herë për çdo ditë.")
                                .arg(where));
        days.insert(PerpetualCalendar::dayKey(row.day, row.month));
        calendar.rows << row;
    }
    if (calendar.rows.size() != 366)
        throw ToolError(QStringLiteral("%1: pritet një rresht për secilën nga 366 ditët, jo %2.")
                            .arg(source)
                            .arg(calendar.rows.size()));
    std::sort(calendar.rows.begin(), calendar.rows.end(), [](const auto &a, const auto &b) {
        return PerpetualCalendar::dayKey(a.day, a.month) <
               PerpetualCalendar::dayKey(b.day, b.month);
    });
    return calendar;
}

PerpetualCalendar builtIn()
{
    QFile file(QStringLiteral(":/kolvira-db/kosova-takvimi.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("Takvimi i programit nuk lexohet."));
    return parse(file.readAll(), QStringLiteral("kosova-takvimi.tsv"));
}

} // namespace TakvimFile
