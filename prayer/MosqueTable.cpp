#include "prayer/MosqueTable.h"

#include "data/WholeFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include <algorithm>

namespace MosqueTable {

namespace {

QDate dateOf(const QString &text)
{
    for (const QString &format :
         {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"), QStringLiteral("d.M.yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QTime timeOf(const QString &text)
{
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2})[:.](\\d{2})$"));
    const QRegularExpressionMatch match = clock.match(text);
    return match.hasMatch() ? QTime(match.captured(1).toInt(), match.captured(2).toInt()) : QTime();
}

[[noreturn]] void fail(int line, const QString &what)
{
    throw ReadError(QStringLiteral("Rreshti %1: %2").arg(line).arg(what));
}

} // namespace

QList<Day> parse(const QByteArray &bytes)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\t]"));
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QList<Day> days;
    QSet<QDate> seen;
    bool headerPassed = false;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int line = int(index) + 1;
        const QString text = lines[index].trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = text.split(separators);
        for (QString &field : fields)
            field = field.trimmed();
        const QDate date = dateOf(fields.first());
        if (!date.isValid()) {
            // A header: the first line, with no time in it.
            if (days.isEmpty() && !headerPassed &&
                std::none_of(fields.cbegin(), fields.cend(),
                             [](const QString &f) { return timeOf(f).isValid(); })) {
                headerPassed = true;
                continue;
            }
            fail(line, QStringLiteral("data \"%1\" nuk lexohet (shkruhet VVVV-MM-DD ose "
                                      "DD.MM.VVVV).")
                           .arg(fields.first()));
        }
        if (fields.size() != 7 && fields.size() != 8)
            fail(line,
                 QStringLiteral("pas datës priten 6 ose 7 kohë, jo %1.").arg(fields.size() - 1));
        Day day{date, {}};
        const int offset = fields.size() == 7 ? 1 : 0; // six times: one dawn
        for (int i = 0; i < 7; ++i) {
            const QString &field = fields[std::max(1, i + 1 - offset)];
            const QTime time = timeOf(field);
            if (!time.isValid())
                fail(line, QStringLiteral("koha \"%1\" nuk lexohet (shkruhet OO:MM).").arg(field));
            day.times[std::size_t(i)] = time;
            if (i > 0 && time < day.times[std::size_t(i - 1)])
                fail(line, QStringLiteral("koha %1 vjen para %2.")
                               .arg(field, day.times[std::size_t(i - 1)].toString(
                                               QStringLiteral("HH:mm"))));
        }
        if (seen.contains(date))
            fail(line, QStringLiteral("data %1 është edhe më lart.").arg(fields.first()));
        seen.insert(date);
        days << day;
    }
    if (days.isEmpty())
        throw ReadError(QStringLiteral("Skedari nuk ka asnjë ditë me kohë."));
    return days;
}

QList<Day> readFile(const QString &path)
{
    const auto refused = [&](const QString &why) {
        return ReadError(QStringLiteral("Tabela \"%1\" nuk u importua; asgjë nuk ndryshoi.\n%2")
                             .arg(QFileInfo(path).fileName(), why));
    };
    QByteArray bytes;
    if (const QString failed = WholeFile::read(path, bytes); !failed.isEmpty())
        throw refused(failed);
    try {
        return parse(bytes);
    } catch (const ReadError &error) {
        throw refused(error.message());
    }
}

QList<PerpetualCalendar::Row> standardRows(const QList<Day> &days, const QString &timeZone,
                                           int cityMinutes)
{
    PerpetualCalendar calendar;
    calendar.timeZone = timeZone;
    QList<PerpetualCalendar::Row> rows;
    for (const Day &day : days) {
        calendar.standardOffset =
            QTimeZone(timeZone.toUtf8()).standardTimeOffset(QDateTime(day.date, QTime(12, 0)));
        PerpetualCalendar::Row row{day.date.day(), day.date.month(), {}};
        for (std::size_t i = 0; i < row.times.size(); ++i)
            row.times[i] = calendar.standardTime(day.date, day.times[i]).addSecs(-60 * cityMinutes);
        rows << row;
    }
    return rows;
}

} // namespace MosqueTable
