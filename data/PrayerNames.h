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
    const char *label;    // the main window's row: "Dhuhri (dreka)"
    const char *name;     // a sentence's subject: "Dreka (në 12:15)"
    const char *object;   // "(deri në) Drekën"
    const char *of;       // "(koha e) Drekës"
    const char *columnOf; // the column's name, of: "(para) Dhuhrit"
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
    {"Imsaku", "Sehuri (imsaku)", "Imsaku", "Imsakun", "Imsakut", "Imsakut", "Imsaku",
     "Syfyri (imsaku)", "Syfyri (imsaku)", "në Ramazan"},
    {"Fexhri", "Fexhri (sabahu)", "Sabahu", "Sabahun", "Sabahut", "Fexhrit", "Sabahu"},
    {"Lindja e diellit", "Lindja e diellit", "Lindja e diellit", "lindjen e diellit",
     "lindjes së diellit", "Lindjes së diellit", "LindjaEDiellit"},
    {"Dhuhri", "Dhuhri (dreka)", "Dreka", "Drekën", "Drekës", "Dhuhrit", "Dreka"},
    {"Asri", "Asri (ikindia)", "Ikindia", "Ikindinë", "Ikindisë", "Asrit", "Ikindia"},
    {"Magribi", "Magribi (akshami)", "Akshami", "Akshamin", "Akshamit", "Magribit", "Akshami",
     "Iftari (akshami)", "Iftari (Magribi)"},
    {"Isha", "Isha (jacia)", "Jacia", "Jacinë", "Jacisë", "Ishasë", "Jacia"},
    // No column of the calendar has it: its time is Dhuhri's.
    {"Xhumaja", "Xhumaja", "Xhumaja", "Xhumanë", "Xhumasë", "Xhumasë", "Xhumaja", nullptr, nullptr,
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

} // namespace PrayerNames
