#include "prayer/MosqueTable.h"

#include "data/PrayerNames.h"
#include "data/WholeFile.h"
#include "prayer/TableColumns.h"
#include "prayer/TableDates.h"
#include "prayer/TableText.h"
#include "prayer/TableTime.h"

#include <QFileInfo>
#include <QHash>
#include <QTimeZone>

#include <algorithm>

namespace MosqueTable {

namespace {

[[noreturn]] void fail(int line, const QString &what)
{
    throw ReadError(QStringLiteral("Rreshti %1: %2").arg(line).arg(what));
}

// A cell as a message shows it: a long one cut short.
QString shown(const QString &cell)
{
    constexpr int longest = 24;
    return cell.size() > longest ? cell.left(longest) + QStringLiteral("…") : cell;
}

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

struct Line
{
    int number;
    QStringList cells;
};

// The lines that hold days, each cut into cells; before them, titles and the
// header (a line with neither a date nor a time), whose names place the
// columns. Blank lines and lines starting with '#' are passed over.
QList<Line> dayLines(const QString &text, std::optional<TableColumns> &header)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');
    std::optional<QChar> separator;
    QList<Line> days;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells =
            TableText::cells(line, separator.value_or(TableText::separatorOf(line)));
        if (days.isEmpty() && std::none_of(cells.cbegin(), cells.cend(), [](const QString &c) {
                return TableDates::isDate(c) || TableTime::read(c).isValid();
            })) {
            if (const std::optional<TableColumns> named = TableColumns::fromHeader(cells)) {
                if (!named->missing.isEmpty())
                    fail(int(index) + 1,
                         QStringLiteral("nuk gjendet kolona e %1.")
                             .arg(QString::fromUtf8(
                                 PrayerNames::of(named->missing.first()).columnOf)));
                header = named;
                separator = TableText::separatorOf(line);
            }
            continue;
        }
        separator = separator.value_or(TableText::separatorOf(line));
        days << Line{int(index) + 1, cells};
    }
    return days;
}

// The column of the dates: the first after a header that holds a date in the
// first day's line; without a header, the first.
qsizetype dateColumn(const Line &first, const std::optional<TableColumns> &header)
{
    if (!header)
        return 0;
    for (qsizetype column = 0; column < first.cells.size(); ++column)
        if (TableDates::isDate(first.cells[column]))
            return column;
    fail(first.number, QStringLiteral("asnjë kolonë nuk ka datë (shkruhet VVVV-MM-DD, "
                                      "DD.MM.VVVV ose DD/MM/VVVV)."));
}

// The day's seven cells: by the header's columns, or in the order Imsaku ..
// Isha after the date, six of them with one dawn.
QStringList timeCells(const Line &line, qsizetype date, const std::optional<TableColumns> &header)
{
    QStringList cells;
    if (header) {
        for (const int column : header->times)
            cells << line.cells.value(column);
        return cells;
    }
    const qsizetype count = line.cells.size() - date - 1;
    if (count != 6 && count != 7)
        fail(line.number, QStringLiteral("pas datës priten 6 ose 7 kohë, jo %1.").arg(count));
    cells = line.cells.mid(date + 1);
    if (count == 6)
        cells.prepend(cells.first());
    return cells;
}

} // namespace

QList<Day> parse(const QByteArray &bytes)
{
    const std::optional<QString> text = TableText::decode(bytes);
    if (!text)
        throw ReadError(QStringLiteral("Skedari nuk është tabelë me tekst (CSV ose TSV)."));
    std::optional<TableColumns> header;
    const QList<Line> lines = dayLines(*text, header);
    if (lines.isEmpty())
        throw ReadError(QStringLiteral("Skedari nuk ka asnjë ditë me kohë."));
    const qsizetype dateAt = dateColumn(lines.first(), header);
    QStringList dateCells;
    for (const Line &line : lines)
        dateCells << line.cells.value(dateAt);
    const TableDates dates(dateCells);
    if (!dates.decided())
        throw ReadError(QStringLiteral("Nga datat e tabelës (si \"%1\") nuk dallohet nëse dita "
                                       "vjen para muajit apo muaji para ditës.")
                            .arg(shown(dateCells.first())));

    QList<Day> days;
    QHash<int, QDate> seen; // by day of the year, as the table is kept
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const Line &line = lines[index];
        const QString &dateCell = dateCells[index];
        const QDate date = dates.read(dateCell);
        if (!date.isValid())
            fail(line.number, QStringLiteral("data \"%1\" nuk lexohet (shkruhet VVVV-MM-DD, "
                                             "DD.MM.VVVV ose DD/MM/VVVV).")
                                  .arg(shown(dateCell)));
        const QStringList cells = timeCells(line, dateAt, header);
        Day day{date, {}};
        for (int i = 0; i < PrayerNames::dayTimes; ++i) {
            const QTime time = TableTime::read(cells[i]);
            if (!time.isValid())
                fail(line.number,
                     QStringLiteral("koha \"%1\" e %2 nuk lexohet (shkruhet OO:MM).")
                         .arg(shown(cells[i]), QString::fromUtf8(PrayerNames::of(i).columnOf)));
            day.times[std::size_t(i)] = time;
            if (i > 0 && time < day.times[std::size_t(i - 1)])
                fail(line.number,
                     QStringLiteral("%1 %2 vjen para %3 %4.")
                         .arg(QString::fromUtf8(PrayerNames::of(i).column),
                              time.toString(QStringLiteral("HH:mm")),
                              QString::fromUtf8(PrayerNames::of(i - 1).columnOf),
                              day.times[std::size_t(i - 1)].toString(QStringLiteral("HH:mm"))));
        }
        const int dayOfYear = PerpetualCalendar::dayKey(date.day(), date.month());
        if (const QDate above = seen.value(dayOfYear); above == date)
            fail(line.number, QStringLiteral("data %1 është edhe më lart.").arg(shown(dateCell)));
        else if (above.isValid())
            fail(line.number, QStringLiteral("data %1 bie në ditën e vitit të %2 më lart: tabela "
                                             "mban një vit.")
                                  .arg(shown(dateCell), dayText(above)));
        seen.insert(dayOfYear, date);
        days << day;
    }
    std::sort(days.begin(), days.end(), [](const Day &a, const Day &b) { return a.date < b.date; });
    return days;
}

QString missingNote(const QList<Day> &days)
{
    constexpr int shownGaps = 5;
    QStringList gaps;
    for (qsizetype i = 1; i < days.size(); ++i) {
        const QDate from = days[i - 1].date.addDays(1);
        const QDate to = days[i].date.addDays(-1);
        if (from > to)
            continue;
        if (gaps.size() == shownGaps) {
            gaps << QStringLiteral("…");
            break;
        }
        gaps << (from == to ? dayText(from)
                            : QStringLiteral("%1 – %2").arg(dayText(from), dayText(to)));
    }
    if (gaps.isEmpty())
        return {};
    return QStringLiteral("Tabelës i mungojnë: %1. Këto ditë ndjekin kalendarin e vendit, si "
                          "ditët para dhe pas tabelës.")
        .arg(gaps.join(QStringLiteral(", ")));
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
