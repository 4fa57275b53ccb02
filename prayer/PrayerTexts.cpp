#include "prayer/PrayerTexts.h"

#include "data/PrayerNames.h"

namespace PrayerTexts {

QString genitive(int index)
{
    return QString::fromUtf8(PrayerNames::of(index).of);
}

QString timeLeft(qint64 minutes)
{
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    const QString minuteText =
        rest == 1 ? QStringLiteral("1 minutë") : QStringLiteral("%1 minuta").arg(rest);
    if (hours == 0)
        return minuteText;
    const QString hourText = QStringLiteral("%1 orë").arg(hours);
    return rest == 0 ? hourText : hourText + QStringLiteral(" e ") + minuteText;
}

QString nextLine(int index, bool ramadan, const QString &time, qint64 minutesLeft)
{
    return QStringLiteral("%1 në %2 — edhe %3")
        .arg(PrayerNames::name(index, ramadan), time, timeLeft(minutesLeft));
}

QString reminder(int index, int minutes, const QString &time)
{
    return QStringLiteral("Edhe %1 deri në %2 (%3)")
        .arg(timeLeft(minutes), QString::fromUtf8(PrayerNames::of(index).object), time);
}

QString timeCame(int index, const QString &time)
{
    return QStringLiteral("Koha e %1 hyri në %2").arg(genitive(index), time);
}

QString chooseAdhan(bool atAdhan)
{
    const QString choose = QStringLiteral("Zgjidhni ezanin te Cilësimet");
    return atAdhan
               ? QStringLiteral("Asnjë regjistrim ezani nuk u gjet, u dëgjua vetëm një sinjal. ") +
                     choose + QLatin1Char('.')
               : choose + QStringLiteral(": pa të, në kohën e namazit dëgjohet vetëm një sinjal.");
}

} // namespace PrayerTexts
