#include "prayer/PrayerTexts.h"

#include <array>

namespace {

struct Forms
{
    const char *name;   // Akshami
    const char *object; // (deri në) Akshamin
    const char *of;     // (koha e) Akshamit
};

const std::array<Forms, 7> forms = {{
    {"Imsaku", "Imsakun", "Imsakut"},
    {"Sabahu", "Sabahun", "Sabahut"},
    {"Lindja e diellit", "lindjen e diellit", "lindjes së diellit"},
    {"Dreka", "Drekën", "Drekës"},
    {"Ikindia", "Ikindinë", "Ikindisë"},
    {"Akshami", "Akshamin", "Akshamit"},
    {"Jacia", "Jacinë", "Jacisë"},
}};

const Forms &formsOf(int index)
{
    return forms.at(std::size_t(index));
}

} // namespace

namespace PrayerTexts {

QString name(int index, bool ramadan)
{
    if (ramadan && index == 0)
        return QStringLiteral("Syfyri (imsaku)");
    if (ramadan && index == 5)
        return QStringLiteral("Iftari (akshami)");
    return QString::fromUtf8(formsOf(index).name);
}

QString genitive(int index)
{
    return QString::fromUtf8(formsOf(index).of);
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
        .arg(name(index, ramadan), time, timeLeft(minutesLeft));
}

QString reminder(int index, int minutes, const QString &time)
{
    return QStringLiteral("Edhe %1 deri në %2 (%3)")
        .arg(timeLeft(minutes), QString::fromUtf8(formsOf(index).object), time);
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
