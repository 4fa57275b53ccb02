#include "calendar/CalendarNames.h"

#include "calendar/CalendarService.h"
#include "calendar/SelectorGuard.h"

#include <QLocale>
#include <array>
#include <cmath>

namespace Module1 {
namespace {

using CalendarService::Gregorian;
using CalendarService::Hijri;

const QString &errorName()
{
    static const QString name = QStringLiteral("Gabim");
    return name;
}

template <std::size_t N> const QString &lookup(const std::array<QString, N> &names, int number)
{
    if (number < 1 || number > int(N))
        return errorName();
    return names[std::size_t(number - 1)];
}

// Compared by numeric value: "06" and "6.0" are 6; "6.5", "x" and "" match
// no entry.
template <std::size_t N>
const QString &lookup(const std::array<QString, N> &names, const QString &number)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(number.trimmed(), &ok);
    if (!ok || !(value >= 1 && value <= double(N)) || value != std::floor(value))
        return errorName();
    return lookup(names, int(value));
}

const std::array<QString, 12> &hijriMonths()
{
    static const std::array<QString, 12> names = {
        QStringLiteral("Muharrem"),       QStringLiteral("Sefer"),
        QStringLiteral("Rebiul-Ewwel"),   QStringLiteral("Rebiuth-Thani"),
        QStringLiteral("Xhumadel-Ewwel"), QStringLiteral("Xhumadeth-Thani"),
        QStringLiteral("Rexheb"),         QStringLiteral("Sha'ban"),
        QStringLiteral("Ramadan"),        QStringLiteral("Shewwal"),
        QStringLiteral("Dhul-Ka'de"),     QStringLiteral("Dhul-Hixhxhe")};
    return names;
}

const std::array<QString, 12> &gregorianMonths()
{
    static const std::array<QString, 12> names = {
        QStringLiteral("Janar"),  QStringLiteral("Shkurt"),      QStringLiteral("Mars"),
        QStringLiteral("Prill"),  QStringLiteral("Maj"),         QStringLiteral("Qershor"),
        QStringLiteral("Korrik"), QStringLiteral("Gusht"),       QStringLiteral("Shtator"),
        QStringLiteral("Tetor"),  QStringLiteral("N\u00EBntor"), QStringLiteral("Dhjetor")};
    return names;
}

const std::array<QString, 7> &weekdays()
{
    static const std::array<QString, 7> names = {
        QStringLiteral("E diel"),       QStringLiteral("E h\u00EBn\u00EB"),
        QStringLiteral("E mart\u00EB"), QStringLiteral("E m\u00EBrkur\u00EB"),
        QStringLiteral("E enjte"),      QStringLiteral("E xhuma"),
        QStringLiteral("E shtun\u00EB")};
    return names;
}

// Reads the text in one calendar and writes the long text of that day in the
// other: weekday, ", ", day, " ", month name, " (", month, "), ", year.
QString longDate(const QString &text, int readIn, int writeIn,
                 QString (*monthName)(const QString &))
{
    const SelectorGuard guard(readIn);
    const QDate date = CalendarService::readDateText(text);
    CalendarService::setSelector(writeIn);
    const QString day = CalendarService::formatField(date, QStringLiteral("dd"));
    const QString weekday = CalendarService::formatField(date, QStringLiteral("w"));
    const QString month = CalendarService::formatField(date, QStringLiteral("mm"));
    const QString year = CalendarService::formatField(date, QStringLiteral("yyyy"));
    return DayOfWeekName(weekday) + QStringLiteral(", ") + day + QLatin1Char(' ') +
           monthName(month) + QStringLiteral(" (") + month + QStringLiteral("), ") + year;
}

} // namespace

QString HijriMonthName(int number)
{
    return lookup(hijriMonths(), number);
}

QString HijriMonthName(const QString &number)
{
    return lookup(hijriMonths(), number);
}

QString GregorianMonthName(int number)
{
    return lookup(gregorianMonths(), number);
}

QString GregorianMonthName(const QString &number)
{
    return lookup(gregorianMonths(), number);
}

QString DayOfWeekName(int number)
{
    return lookup(weekdays(), number);
}

QString DayOfWeekName(const QString &number)
{
    return lookup(weekdays(), number);
}

QString HijriDateText(const QDate &date)
{
    const SelectorGuard guard(Hijri);
    return CalendarService::shortDateText(date);
}

QString LongGregorianDate(const QString &hijriText)
{
    return longDate(hijriText, Hijri, Gregorian, &GregorianMonthName);
}

QString LongHijriDate(const QString &gregorianText)
{
    return longDate(gregorianText, Gregorian, Hijri, &HijriMonthName);
}

} // namespace Module1
