#pragma once

#include <QString>

// The Albanian sentences about the prayers between the adhans. A time is
// named by its row of PrayerNames: its place in the day (DayTimes), Imsaku 0
// .. Isha 6, or Xhumaja, by the names the takvim's users say (Sabahu, Dreka,
// Ikindia, Akshami, Jacia).
namespace PrayerTexts {
// "Akshamit", as in "Koha e Akshamit".
QString genitive(int index);
// "1 orë e 23 minuta", "2 orë", "15 minuta", "1 minutë".
QString timeLeft(qint64 minutes);
// "Akshami në 16:10 — edhe 1 orë e 23 minuta"
QString nextLine(int index, bool ramadan, const QString &time, qint64 minutesLeft);
// "Edhe 15 minuta deri në Akshamin (16:10)"
QString reminder(int index, int minutes, const QString &time);
// "Koha e Akshamit hyri në 16:10"
QString timeCame(int index, const QString &time);
// How to choose an adhan, told once when none is there: at the first start,
// or at an adhan that only the alert marked.
QString chooseAdhan(bool atAdhan);

} // namespace PrayerTexts
