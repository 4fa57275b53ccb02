#include "calendar/HijriMonthTable.h"

#include "calendar/CalendarError.h"

#include <QList>

namespace {

const QByteArray heading = "year\tmuharram_1\tmonth_lengths";

[[noreturn]] void throwBadLine(int lineNumber)
{
    throw CalendarError(
        QStringLiteral("Tabela e muajve hixhri është e dëmtuar në rreshtin %1.").arg(lineNumber));
}

} // namespace

HijriMonthTable HijriMonthTable::read(const QByteArray &text)
{
    HijriMonthTable table;
    const QList<QByteArray> lines = text.split('\n');
    bool headingSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!headingSeen) {
            if (line != heading)
                throwBadLine(i + 1);
            headingSeen = true;
            continue;
        }
        const QList<QByteArray> fields = line.split('\t');
        bool yearOk = false;
        const int year = fields.value(0).toInt(&yearOk);
        const QDate first = QDate::fromString(QString::fromLatin1(fields.value(1)), Qt::ISODate);
        const QList<QByteArray> lengths = fields.value(2).split(' ');
        if (fields.size() != 3 || !yearOk || !first.isValid() || lengths.size() != 12)
            throwBadLine(i + 1);
        if (table.starts.empty())
            table.firstYear = year;
        else if (year != table.lastYear() + 1 || first != table.starts.back())
            throwBadLine(i + 1);
        else
            table.starts.pop_back();
        QDate start = first;
        for (const QByteArray &length : lengths) {
            const int days = length.toInt();
            if (days != 29 && days != 30)
                throwBadLine(i + 1);
            table.starts.push_back(start);
            start = start.addDays(days);
        }
        table.starts.push_back(start);
    }
    if (table.starts.empty())
        throw CalendarError(QStringLiteral("Tabela e muajve hixhri është bosh."));
    return table;
}

QByteArray HijriMonthTable::write(const QStringList &comments) const
{
    QByteArray text;
    for (const QString &comment : comments)
        text += "# " + comment.toUtf8() + '\n';
    text += heading + '\n';
    for (std::size_t month = 0; month + 12 < starts.size(); month += 12) {
        text += QByteArray::number(firstYear + int(month / 12)) + '\t' +
                starts[month].toString(Qt::ISODate).toLatin1() + '\t';
        for (std::size_t m = month; m < month + 12; ++m)
            text += QByteArray::number(starts[m].daysTo(starts[m + 1])) +
                    (m + 1 < month + 12 ? " " : "\n");
    }
    return text;
}
