#pragma once

#include <QDate>
#include <QString>

#include <array>

// Every form a prayer's name takes, in one table: the seven times of the day
// by their place in it (Imsaku 0 .. Isha 6), then Xhumaja, the noon prayer of
// a Friday. Whatever names a time reads it from here.
namespace PrayerNames {

struct Forms
{
    const char *column;   // the calendar's column and the timetable's heading: "Dhuhri"
    const char *columnOf; // "(Minutat e) Dhuhrit"
    const char *label;    // the main window's row: "Dhuhri (dreka)"
    const char *name;     // a sentence's subject: "Dreka (në 12:15)"
    const char *object;   // "(deri në) Drekën"
    const char *of;       // "(koha e) Drekës"
    const char *key;      // the settings file's key: "Kujtesa/Dreka"
    // Kept apart in Ramadan, in a sentence and as a heading ("Iftari (akshami)",
    // "Iftari (Magribi)"); null for the others.
    const char *fastName = nullptr;
    const char *fastHeading = nullptr;
    // When its reminder applies, as the settings window says it; null: every day.
    const char *only = nullptr;
};

inline constexpr int dayTimes = 7;
inline constexpr int xhumaja = 7;

inline constexpr std::array<Forms, 8> table = {{
    {"Imsaku", "Imsakut", "Sehuri (imsaku)", "Imsaku", "Imsakun", "Imsakut", "Imsaku",
     "Syfyri (imsaku)", "Syfyri (imsaku)", "në Ramazan"},
    {"Fexhri", "Fexhrit", "Fexhri (sabahu)", "Sabahu", "Sabahun", "Sabahut", "Sabahu"},
    {"Lindja e diellit", "Lindjes së diellit", "Lindja e diellit", "Lindja e diellit",
     "lindjen e diellit", "lindjes së diellit", "LindjaEDiellit"},
    {"Dhuhri", "Dhuhrit", "Dhuhri (dreka)", "Dreka", "Drekën", "Drekës", "Dreka"},
    {"Asri", "Asrit", "Asri (ikindia)", "Ikindia", "Ikindinë", "Ikindisë", "Ikindia"},
    {"Magribi", "Magribit", "Magribi (akshami)", "Akshami", "Akshamin", "Akshamit", "Akshami",
     "Iftari (akshami)", "Iftari (Magribi)"},
    {"Isha", "Ishasë", "Isha (jacia)", "Jacia", "Jacinë", "Jacisë", "Jacia"},
    // No column of the calendar has it: its time is Dhuhri's.
    {"Xhumaja", "Xhumasë", "Xhumaja", "Xhumaja", "Xhumanë", "Xhumasë", "Xhumaja", nullptr, nullptr,
     "të premten"},
}};

// The calendar's columns of the seven times, in the order of the day.
inline constexpr std::array<const char *, dayTimes> columns = [] {
    std::array<const char *, dayTimes> names{};
    for (int i = 0; i < dayTimes; ++i)
        names[std::size_t(i)] = table[std::size_t(i)].column;
    return names;
}();

inline const Forms &of(int index)
{
    return table.at(std::size_t(index));
}

// The row that names a time of the day: Dhuhri of a Friday is Xhumaja.
int onDay(int time, const QDate &day);

// The sentence's subject and the timetable's heading, Ramadan's where it keeps its own.
QString name(int index, bool ramadan = false);
QString heading(int index, bool ramadan = false);
// The heading as a sentence joins it to another word: "Minutat e Imsakut".
QString headingOf(int index);

} // namespace PrayerNames
