#include "calendar/CalendarNames.h"
#include "calendar/CalendarService.h"
#include "calendar/OfficialHijriDates.h"
#include "calendar/SelectorGuard.h"

#include <QTest>

using namespace Module1;
using CalendarService::Gregorian;
using CalendarService::Hijri;

class TestLongDateTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(CalendarService::selector(), Gregorian); }

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
        // The clock writes the Hijri date ten times a second; the test
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
        QTest::newRow("0") << "Gabim"
                           << "Gabim";
        QTest::newRow("06") << "Xhumadeth-Thani"
                            << "E xhuma";
        QTest::newRow("6.0") << "Xhumadeth-Thani"
                             << "E xhuma";
        QTest::newRow("8") << "Sha'ban"
                           << "Gabim";
        QTest::newRow("13") << "Gabim"
                            << "Gabim";
        for (const char *text : {"6.5", "nan"})
            QTest::newRow(text) << "Gabim"
                                << "Gabim";
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

QTEST_GUILESS_MAIN(TestLongDateTexts)
#include "TestLongDateTexts.moc"
