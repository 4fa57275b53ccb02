#pragma once

#include "calendar/HolyDays.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <vector>

// The notice of a holy night from Magribi of its evening to the end of that
// day, and of a holy day from Fexhri to Magribi: told once each, at the
// first tick in that span (so at the adhan's own wake-up when the program
// runs then, else as soon as it starts or wakes).
class HolyDayNotice
{
public:
    // The notice due at the shifted minute of the day in effect, whose Fexhri
    // and Magribi are at those minutes (-1 when missing); empty when none is
    // due or it was told.
    QString due(const QDate &day, int shiftedMinute, int fexhri, int magribi);

private:
    QDate m_day; // whose holy days are kept, under which adjustment
    int m_adjustment = 0;
    std::vector<HolyDay> m_holyDays;
    QSet<QString> m_told; // day and key
};
