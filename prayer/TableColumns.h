#pragma once

#include <QStringList>

#include <array>
#include <optional>

// Where a table's seven times stand, found by the header's names in
// Albanian, English, German, Turkish and Bosnian ("Imsaku", "Fajr", "İmsak",
// "Zora" ...). A single dawn column serves Imsaku and Fexhri alike; columns
// of another kind (the weekday, a Hijri date, Jumu'ah, a congregation's
// iqamah) are passed over.
class TableColumns
{
public:
    // The column of each time, Imsaku .. Isha.
    std::array<int, 7> times{};

    // The header's columns, when the line names three prayers or more; the
    // times it does not name are listed in missing.
    static std::optional<TableColumns> fromHeader(const QStringList &header);
    QList<int> missing;
};
