#include "calendar/CalendarService.h"
#include "calendar/SelectorGuard.h"

#include <QTest>

using namespace CalendarService;

// Runs under a German system locale, whose date separator is ".", so that
// both "/" and the system's separator are exercised.
class TestCalendarService : public QObject
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
};

int main(int argc, char *argv[])
{
    // Read by Qt on the first use of the system locale.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCoreApplication app(argc, argv);
    TestCalendarService test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCalendarService.moc"
