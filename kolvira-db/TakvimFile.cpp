#include "kolvira-db/TakvimFile.h"

#include "data/BfiCalendar.h"
#include "kolvira-db/ToolError.h"

#include <QDate>
#include <QFile>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace TakvimFile {

namespace {

// The takvim's clock, without days yet.
PerpetualCalendar inKosovo()
{
    PerpetualCalendar calendar;
    calendar.timeZone = QString::fromUtf8(timeZone);
    calendar.standardOffset = standardOffset;
    return calendar;
}

} // namespace

PerpetualCalendar parse(const QByteArray &utf8, const QString &source)
{
    PerpetualCalendar calendar = inKosovo();
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
            // One dawn time may serve as both Imsaku and Fexhri.
            sound = row.times[std::size_t(t)].isValid() &&
                    (t == 0 || row.times[std::size_t(t - 1)] < row.times[std::size_t(t)] ||
                     (t == 1 && row.times[0] == row.times[1]));
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

QByteArray fromPrinted(const QByteArray &utf8, const QString &source)
{
    const PerpetualCalendar zone = inKosovo();
    QMap<int, std::array<int, 7>> minutes; // by day key, of the day
    QList<QDate> summer;
    int year = 0;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].trimmed().split(QLatin1Char('\t'));
        const QDate date = QDate::fromString(fields.value(0), Qt::ISODate);
        if (!date.isValid())
            continue; // a comment or the header
        std::array<int, 7> &day = minutes[PerpetualCalendar::dayKey(date.day(), date.month())];
        for (std::size_t t = 0; t < 7; ++t) {
            const QTime local =
                QTime::fromString(fields.value(1 + int(t)), QStringLiteral("HH:mm"));
            const QTime standard = local.isValid() ? zone.standardTime(date, local) : QTime();
            day[t] = standard.msecsSinceStartOfDay() / 60000;
            // In order, as the table written must be to be read.
            if (fields.size() != 8 || !local.isValid() || (t > 0 && day[t] <= day[t - 1]))
                throw ToolError(
                    QStringLiteral("%1:%2: pritet data dhe shtatë kohë (hh:mm) me radhë.")
                        .arg(source)
                        .arg(i + 1));
            if (t == 0 && standard != local)
                summer << date;
        }
        year = date.year();
    }
    const int leapDay = PerpetualCalendar::dayKey(29, 2);
    if (!minutes.contains(leapDay) && minutes.contains(PerpetualCalendar::dayKey(28, 2)) &&
        minutes.contains(PerpetualCalendar::dayKey(1, 3)))
        for (std::size_t t = 0; t < 7; ++t)
            minutes[leapDay][t] = (minutes[PerpetualCalendar::dayKey(28, 2)][t] +
                                   minutes[PerpetualCalendar::dayKey(1, 3)][t] + 1) /
                                  2;
    if (minutes.size() != 366 || summer.isEmpty())
        throw ToolError(
            QStringLiteral("%1: pritet një vit i plotë, me orën verore të tij.").arg(source));

    QString text =
        QStringLiteral("# Takvimi i Bashkësisë Islame të Kosovës (BIK), në orën standarde të "
                       "Kosovës (UTC+1), pa orën verore.\n"
                       "# Burimi: takvimi vjetor i Bashkësisë Islame të Kosovës, botimi i vitit "
                       "%1 siç është shtypur; ora verore\n"
                       "# (nga %2 deri më %3) është hequr: çdo kohë e atyre ditëve është një orë "
                       "më herët se në takvim.\n"
                       "# Tabela është e njëjtë çdo vit pa orën verore; programi i shton çdo "
                       "viti orën verore të vet.\n"
                       "# 29 shkurti nuk është në botimin e %1: është mesi i 28 shkurtit dhe 1 "
                       "marsit, minutë për minutë,\n"
                       "# i rrumbullakuar lart kur bie në gjysmë minute.\n"
                       "# Kolonat: Imsaku, Sabahu (Fexhri), Lindja e diellit, Dreka (Dhuhri), "
                       "Ikindia (Asri), Akshami (Magribi), Jacia (Isha).\n"
                       "# Minutat e qyteteve sipas shënimit të takvimit: Prishtinë, Ferizaj, "
                       "Gjilan, Podujevë e Vushtrri -1; Preshevë -2;\n"
                       "# Sharr (Dragash) +2; qytetet e tjera të Kosovës 0.\n"
                       "Dita\tMuaji\tImsaku\tFexhri\tLindja e diellit\tDhuhri\tAsri\tMagribi"
                       "\tIsha\n")
            .arg(year)
            .arg(summer.first().toString(QStringLiteral("d.M")),
                 summer.last().toString(QStringLiteral("d.M")));
    for (auto day = minutes.cbegin(); day != minutes.cend(); ++day) {
        text += QStringLiteral("%1\t%2").arg(day.key() % 100).arg(day.key() / 100);
        for (int minute : day.value())
            text += QLatin1Char('\t') +
                    QTime(0, 0).addSecs(60 * minute).toString(QStringLiteral("HH:mm"));
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

namespace {

PerpetualCalendar builtIn(const QString &name)
{
    QFile file(QStringLiteral(":/kolvira-db/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("Takvimi i programit \"%1\" nuk lexohet.").arg(name));
    return parse(file.readAll(), name);
}

} // namespace

PerpetualCalendar builtIn()
{
    return builtIn(QStringLiteral("kosova-takvimi.tsv"));
}

PerpetualCalendar builtInBfi()
{
    PerpetualCalendar calendar = builtIn(QStringLiteral("bfi-takvimi.tsv"));
    calendar.timeZone = QLatin1String(BfiCalendar::timeZone);
    calendar.standardOffset = BfiCalendar::standardOffset;
    return calendar;
}

} // namespace TakvimFile
