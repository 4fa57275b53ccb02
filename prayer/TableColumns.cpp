#include "prayer/TableColumns.h"

#include "data/PrayerNames.h"

#include <algorithm>

namespace {

// The heading made plain for comparing: small letters without their marks
// ("Öğle" "ogle", "Yatsı" "yatsi", "Akšam" "aksam"), apostrophes left out.
QString plain(const QString &heading)
{
    QString plain;
    for (const QChar c : heading.toLower().normalized(QString::NormalizationForm_D)) {
        if (c == u'ı')
            plain += u'i';
        else if (c.isLetterOrNumber() || c == u' ')
            plain += c;
    }
    return plain.simplified();
}

// The first words of each time's names in other languages; the Albanian ones
// are the prayers' own.
constexpr std::array<const char *, 7> otherNames = {
    "imsak sehur suhur",
    "fajr fadschr fadjr sabah zora morgengebet fruhgebet",
    "sunrise shuruq shurooq gunes sonnenaufgang izlazak",
    "dhuhr zuhr duhr zohr dhuhur zuhur ogle mittag mittagsgebet podne",
    "asr ikindi ikindija nachmittag nachmittagsgebet",
    "maghrib magrib aksam abend abendgebet",
    "isha ishaa ischa yatsi nacht nachtgebet jacija",
};

// Columns that look like a prayer's but are not its time: Friday's prayer, a
// congregation's.
bool passedOver(const QString &plain)
{
    static const QStringList parts =
        QStringLiteral("jum juma cuma dzum xhuma freitag iqam jamaa jamat ikamet").split(u' ');
    return std::any_of(parts.cbegin(), parts.cend(),
                       [&](const QString &part) { return plain.contains(part); });
}

QString firstWord(const QString &text)
{
    return plain(text).section(u' ', 0, 0);
}

// The time a heading names by its first word, -1 for none.
int timeNamed(const QString &heading)
{
    const QString word = firstWord(heading);
    if (word.isEmpty() || passedOver(plain(heading)))
        return -1;
    for (int time = 0; time < PrayerNames::dayTimes; ++time) {
        const PrayerNames::Forms &forms = PrayerNames::of(time);
        if (word == firstWord(QString::fromUtf8(forms.column)) ||
            word == firstWord(QString::fromUtf8(forms.name)) ||
            QString::fromLatin1(otherNames[std::size_t(time)]).split(u' ').contains(word))
            return time;
    }
    return -1;
}

} // namespace

std::optional<TableColumns> TableColumns::fromHeader(const QStringList &header)
{
    TableColumns columns;
    columns.times.fill(-1);
    int named = 0;
    for (int column = 0; column < header.size(); ++column) {
        const int time = timeNamed(header[column]);
        if (time >= 0 && columns.times[std::size_t(time)] < 0) {
            columns.times[std::size_t(time)] = column;
            ++named;
        }
    }
    if (named < 3)
        return std::nullopt;
    // One dawn: Imsaku and Fexhri alike.
    if (columns.times[0] < 0)
        columns.times[0] = columns.times[1];
    if (columns.times[1] < 0)
        columns.times[1] = columns.times[0];
    for (int time = 0; time < PrayerNames::dayTimes; ++time)
        if (columns.times[std::size_t(time)] < 0)
            columns.missing << time;
    return columns;
}
