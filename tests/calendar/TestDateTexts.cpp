#include "calendar/CalendarNames.h"
#include "calendar/CalendarService.h"
#include "calendar/OfficialHijriDates.h"
#include "calendar/SelectorGuard.h"

#include <QTest>

using namespace CalendarService;
using namespace Module1;

// The date texts the program writes and reads. Runs under a German system
// locale, whose date separator is ".", so that both "/" and the system's
// separator are read, and no text follows the system's language.
class TestDateTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(selector(), Gregorian); }

    // A guard writes back the calendar it found, not the default one; the
    // outer guard's restoring is checked by cleanup().
    void guardRestoresTheSavedCalendar()
    {
        const SelectorGuard outer(Hijri);
        {
            const SelectorGuard inner(Gregorian);
        }
        QCOMPARE(selector(), Hijri);
    }

    // An invalid date: the text names no day and is refused. The 30th of a
    // 29-day Hijri month reads as its last day, not as the next month's first.
    void readsMonthFirstTexts_data()
    {
        QTest::addColumn<int>("calendar");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        const auto row = [](const char *name, int calendar, const char *text, QDate date = {}) {
            QTest::newRow(name) << calendar << text << date;
        };
        row("no leading zeros", Gregorian, "6/4/1975", QDate(1975, 6, 4));
        row("system separator", Gregorian, "06.04.1975", QDate(1975, 6, 4));
        row("hijri 30th of 29-day month", Hijri, "1/30/1395", QDate(1975, 2, 11));
        row("empty", Gregorian, "");
        row("two-digit year", Gregorian, "06/14/75");
        row("trailing part", Gregorian, "06/14/1975/1");
        row("foreign separator", Gregorian, "06-14-1975");
        row("30 february", Gregorian, "02/30/2001");
        row("hijri day 31", Hijri, "01/31/1395");
    }
    void readsMonthFirstTexts()
    {
        QFETCH(int, calendar);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const SelectorGuard guard(calendar);
        if (date.isValid())
            QCOMPARE(readDateText(text), date);
        else
            QVERIFY_THROWS_EXCEPTION(CalendarError, readDateText(text));
    }

    void refusesUnknownNamesAndInvalidDates()
    {
        QVERIFY_THROWS_EXCEPTION(CalendarError, setSelector(2));
        QVERIFY_THROWS_EXCEPTION(CalendarError, setSelector(-1));
        QVERIFY_THROWS_EXCEPTION(CalendarError,
                                 formatField(QDate(1975, 6, 14), QStringLiteral("MM")));
        QVERIFY_THROWS_EXCEPTION(CalendarError, shortDateText(QDate()));
    }

    // Day and month keep their leading zeros; the weekday is the same in both
    // texts of one day.
    void longTextsOfOneDay_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("hijriText");
        QTest::addColumn<QString>("longGregorian");
        QTest::addColumn<QString>("longHijri");
        QTest::newRow("saturday 14 june 1975") << QDate(1975, 6, 14) << "06/04/1395"
                                               << "E shtun\u00EB, 14 Qershor (06), 1975"
                                               << "E shtun\u00EB, 04 Xhumadeth-Thani (06), 1395";
        QTest::newRow("picker last day") << QDate(9999, 12, 31) << "04/03/9666"
                                         << "E xhuma, 31 Dhjetor (12), 9999"
                                         << "E xhuma, 03 Rebiuth-Thani (04), 9666";
    }
    void longTextsOfOneDay()
    {
        QFETCH(QDate, date);
        QTEST(HijriDateText(date), "hijriText");
        QTEST(LongGregorianDate(HijriDateText(date)), "longGregorian");
        // The clock writes the Hijri date every second; the test
        // BenchLongHijriDate runs this alone and prints the cost of one call.
        const QString text = date.toString(QStringLiteral("M/d/yyyy"));
        QString longHijri;
        QBENCHMARK
        {
            longHijri = LongHijriDate(text);
        }
        QTEST(longHijri, "longHijri");
    }

    // The tag is the number, looked up as a text and, when whole, as an int.
    // Out of the table or not a whole number names nothing: "Gabim", never a
    // read past the table's end.
    void namesOfNumbers_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("weekday");
        const auto row = [](const char *number, const char *month, const char *weekday) {
            QTest::newRow(number) << QString(month) << QString(weekday);
        };
        row("0", "Gabim", "Gabim");
        row("06", "Xhumadeth-Thani", "E xhuma");
        row("6.0", "Xhumadeth-Thani", "E xhuma");
        row("8", "Sha'ban", "Gabim");
        row("13", "Gabim", "Gabim");
        row("6.5", "Gabim", "Gabim");
        row("nan", "Gabim", "Gabim");
    }
    void namesOfNumbers()
    {
        const QString number = QString::fromLatin1(QTest::currentDataTag());
        QTEST(HijriMonthName(number), "month");
        QTEST(DayOfWeekName(number), "weekday");
        bool whole = false;
        if (const int n = number.toInt(&whole); whole) {
            QTEST(HijriMonthName(n), "month");
            QTEST(DayOfWeekName(n), "weekday");
        }
    }

    // Every published day of the official calendar.
    void publishedDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("hijriText");
        QTest::addColumn<QString>("longHijri");
        const auto published =
            readOfficialHijriDates(QStringLiteral(KOLVIRA_PUBLISHED_HIJRI_DATES));
        QVERIFY(published.size() >= 100);
        for (const OfficialHijriDate &p : published) {
            const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar('0')); };
            QTest::addRow("%s %s", qPrintable(p.gregorian.toString(Qt::ISODate)),
                          qPrintable(p.event))
                << p.gregorian
                << QStringLiteral("%1/%2/%3").arg(two(p.month), two(p.day)).arg(p.year)
                << QStringLiteral("%1, %2 %3 (%4), %5")
                       .arg(DayOfWeekName(p.gregorian.dayOfWeek() % 7 + 1), two(p.day),
                            HijriMonthName(p.month), two(p.month))
                       .arg(p.year);
        }
    }
    void publishedDates()
    {
        QFETCH(QDate, date);
        QTEST(HijriDateText(date), "hijriText");
        QTEST(LongHijriDate(date.toString(QStringLiteral("MM/dd/yyyy"))), "longHijri");
    }
};

int main(int argc, char *argv[])
{
    // Read by Qt on the first use of the system locale.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCoreApplication app(argc, argv);
    TestDateTexts test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestDateTexts.moc"
