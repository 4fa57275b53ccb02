#include "calendar/CalendarService.h"

#include "calendar/HijriCalendar.h"

#include <QLocale>
#include <optional>

namespace CalendarService {
namespace {

int currentSelector = Gregorian;

// Year, month and day numbers in whichever calendar is selected.
struct Fields
{
    int year;
    int month;
    int day;
};

// The separator of the system's short date format, such as "." in
// "dd.MM.yyyy"; read once, since the clock reads a date every second.
QChar systemDateSeparator()
{
    static const QChar separator = [] {
        const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
        for (const QChar c : format) {
            if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
                return c;
        }
        return QChar(QLatin1Char('/'));
    }();
    return separator;
}

// Reads up to maxDigits (at least minDigits) decimal digits from text at pos.
std::optional<int> readNumber(QStringView text, qsizetype &pos, int minDigits, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos].isDigit() &&
           text[pos].unicode() < 128) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    if (digits < minDigits)
        return std::nullopt;
    return value;
}

// Month, day and year numbers of "m/d/yyyy", as written; no range checks.
std::optional<Fields> splitDateText(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    const auto month = readNumber(text, pos, 1, 2);
    if (!month || pos >= text.size())
        return std::nullopt;
    const QChar separator = text[pos];
    if (separator != QLatin1Char('/') && separator != systemDateSeparator())
        return std::nullopt;
    ++pos;
    const auto day = readNumber(text, pos, 1, 2);
    if (!day || pos >= text.size() || text[pos] != separator)
        return std::nullopt;
    ++pos;
    const auto year = readNumber(text, pos, 4, 4);
    if (!year || pos != text.size())
        return std::nullopt;
    return Fields{*year, *month, *day};
}

[[noreturn]] void throwNoSuchDay(const QString &text, const QString &calendarName)
{
    throw CalendarError(
        QStringLiteral("Data \"%1\" nuk ekziston në kalendarin %2.").arg(text, calendarName));
}

QDate readGregorian(const QString &text, const Fields &f)
{
    const QDate date(f.year, f.month, f.day);
    if (!date.isValid() || f.year < 1)
        throwNoSuchDay(text, QStringLiteral("gregorian"));
    return date;
}

QDate readHijri(const QString &text, const Fields &f)
{
    if (f.year < 1 || f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > 30)
        throwNoSuchDay(text, QStringLiteral("hixhri"));
    const HijriCalendar &hijri = HijriCalendar::instance();
    // A month has 29 or 30 days, varying from year to year. The 30th of a
    // 29-day month (this year's birthday of someone born on a 30th) reads as
    // the month's last day: the day stays in the month it names rather than
    // failing or rolling into the next month. No month has a 31st.
    const int day = f.day == 30 ? hijri.monthLength(f.year, f.month) : f.day;
    return hijri.toDate(HijriDate{f.year, f.month, day});
}

void requireValid(const QDate &date)
{
    if (!date.isValid())
        throw CalendarError(QStringLiteral("Data nuk është e vlefshme."));
}

Fields fieldsOf(const QDate &date)
{
    requireValid(date);
    if (currentSelector == Hijri) {
        const HijriDate h = HijriCalendar::instance().fromDate(date);
        return Fields{h.year, h.month, h.day};
    }
    return Fields{date.year(), date.month(), date.day()};
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

int selector()
{
    return currentSelector;
}

void setSelector(int calendar)
{
    if (calendar != Gregorian && calendar != Hijri)
        throw CalendarError(
            QStringLiteral("Kalendari %1 nuk njihet: 0 është gregorian, 1 hixhri.").arg(calendar));
    currentSelector = calendar;
}

QDate readDateText(const QString &text)
{
    const auto fields = splitDateText(text);
    if (!fields)
        throw CalendarError(QStringLiteral("Data \"%1\" nuk lexohet: shkruajeni si muaj/ditë/vit, "
                                           "për shembull 06/14/1975.")
                                .arg(text));
    return currentSelector == Hijri ? readHijri(text, *fields) : readGregorian(text, *fields);
}

QString shortDateText(const QDate &date)
{
    const Fields f = fieldsOf(date);
    return twoDigits(f.month) + QLatin1Char('/') + twoDigits(f.day) + QLatin1Char('/') +
           fourDigits(f.year);
}

QString formatField(const QDate &date, const QString &pattern)
{
    if (pattern == QLatin1String("w")) {
        requireValid(date);
        // Qt counts Monday = 1 .. Sunday = 7.
        return QString::number(date.dayOfWeek() % 7 + 1);
    }
    if (pattern == QLatin1String("dd"))
        return twoDigits(fieldsOf(date).day);
    if (pattern == QLatin1String("mm"))
        return twoDigits(fieldsOf(date).month);
    if (pattern == QLatin1String("yyyy"))
        return fourDigits(fieldsOf(date).year);
    throw CalendarError(QStringLiteral("Modeli i datës \"%1\" nuk njihet.").arg(pattern));
}

int datePart(const QString &interval, const QDate &date)
{
    if (interval == QLatin1String("m"))
        return fieldsOf(date).month;
    if (interval == QLatin1String("d"))
        return fieldsOf(date).day;
    if (interval == QLatin1String("yyyy"))
        return fieldsOf(date).year;
    throw CalendarError(QStringLiteral("Intervali i datës \"%1\" nuk njihet.").arg(interval));
}

int yearDifference(const QString &interval, const QDate &earlier, const QDate &later)
{
    if (interval != QLatin1String("yyyy"))
        throw CalendarError(QStringLiteral("Intervali i datës \"%1\" nuk njihet.").arg(interval));
    return fieldsOf(later).year - fieldsOf(earlier).year;
}

QDateTime now(const Clock &clock)
{
    return clock.now();
}

} // namespace CalendarService
