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

    void guardRestoresOnEveryPath()
    {
        {
            const SelectorGuard outer(Hijri);
            QCOMPARE(selector(), Hijri);
            {
                const SelectorGuard inner(Gregorian);
                QCOMPARE(selector(), Gregorian);
            }
            QCOMPARE(selector(), Hijri);
            try {
                const SelectorGuard throwing(Gregorian);
                readDateText(QStringLiteral("nonsense"));
            } catch (const CalendarError &) {
            }
            QCOMPARE(selector(), Hijri);
        }
        QCOMPARE(selector(), Gregorian);
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
        row("leading zeros", Gregorian, "06/14/1975", QDate(1975, 6, 14));
        row("no leading zeros", Gregorian, "6/4/1975", QDate(1975, 6, 4));
        row("system separator", Gregorian, "06.04.1975", QDate(1975, 6, 4));
        row("hijri", Hijri, "6/4/1395", QDate(1975, 6, 14));
        row("hijri 30th of 29-day month", Hijri, "1/30/1395", QDate(1975, 2, 11));
        row("hijri 30th of 29-day year's end", Hijri, "12/30/1396", QDate(1976, 12, 21));
        row("hijri 30th of 30-day year's end", Hijri, "12/30/1395", QDate(1976, 1, 2));
        row("empty", Gregorian, "");
        row("words", Gregorian, "sot");
        row("two-digit year", Gregorian, "06/14/75");
        row("trailing part", Gregorian, "06/14/1975/1");
        row("foreign separator", Gregorian, "06-14-1975");
        row("30 february", Gregorian, "02/30/2001");
        row("hijri day 31", Hijri, "01/31/1395");
        row("hijri month 13", Hijri, "13/10/1395");
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

    void fieldsFollowTheSelector_data()
    {
        QTest::addColumn<int>("calendar");
        QTest::addColumn<QStringList>("texts"); // short text, dd, mm, yyyy
        QTest::addColumn<QList<int>>("parts");  // m, d, yyyy
        QTest::newRow("gregorian") << Gregorian << QStringList{"06/14/1975", "14", "06", "1975"}
                                   << QList<int>{6, 14, 1975};
        QTest::newRow("hijri") << Hijri << QStringList{"06/04/1395", "04", "06", "1395"}
                               << QList<int>{6, 4, 1395};
    }
    void fieldsFollowTheSelector()
    {
        QFETCH(int, calendar);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, parts);
        const QDate date(1975, 6, 14);
        const SelectorGuard guard(calendar);
        QCOMPARE(shortDateText(date), texts[0]);
        QCOMPARE(readDateText(shortDateText(date)), date);
        QCOMPARE(formatField(date, "dd"), texts[1]);
        QCOMPARE(formatField(date, "mm"), texts[2]);
        QCOMPARE(formatField(date, "yyyy"), texts[3]);
        QCOMPARE(formatField(date, "w"), QStringLiteral("7"));
        QCOMPARE((QList<int>{datePart("m", date), datePart("d", date), datePart("yyyy", date)}),
                 parts);
    }

    void yearDifferenceCountsYearNumbers_data()
    {
        QTest::addColumn<int>("calendar");
        QTest::addColumn<QDate>("earlier");
        QTest::addColumn<QDate>("later");
        QTest::addColumn<int>("years");
        // One day apart: a year boundary of one calendar is none of the other.
        QTest::newRow("same days, hijri") << Hijri << QDate(1975, 12, 31) << QDate(1976, 1, 1) << 0;
        QTest::newRow("hijri new year") << Hijri << QDate(1976, 1, 2) << QDate(1976, 1, 3) << 1;
        QTest::newRow("backwards") << Hijri << QDate(2025, 6, 14) << QDate(1975, 6, 14) << -51;
    }
    void yearDifferenceCountsYearNumbers()
    {
        QFETCH(int, calendar);
        QFETCH(QDate, earlier);
        QFETCH(QDate, later);
        const SelectorGuard guard(calendar);
        QTEST(yearDifference(QStringLiteral("yyyy"), earlier, later), "years");
    }

    void refusesUnknownNamesAndInvalidDates()
    {
        QVERIFY_THROWS_EXCEPTION(CalendarError, setSelector(2));
        QVERIFY_THROWS_EXCEPTION(CalendarError, SelectorGuard(-1));
        const QDate date(1975, 6, 14);
        QVERIFY_THROWS_EXCEPTION(CalendarError, formatField(date, QStringLiteral("MM")));
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
