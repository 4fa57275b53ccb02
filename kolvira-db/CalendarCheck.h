#pragma once

#include <QString>
#include <QStringList>

// Finds what would make the program misbehave in a calendar database: day
// rows missing, repeated or unreadable, times out of the order of the day,
// and a city table without exactly one selected city, with repeated names or
// offsets beyond two hours, a perpetual calendar that is not whole or whose
// year the kolvira rows do not match. Rows are read the way the program
// reads them.
class CalendarCheck
{
public:
    struct Result
    {
        QStringList problems; // one sentence each; empty when the file is sound
        int days = 0;
        int cities = 0;
    };

    // Throws DatabaseError when the file is missing, unreadable or has no
    // calendar tables.
    static Result run(const QString &path);
};
