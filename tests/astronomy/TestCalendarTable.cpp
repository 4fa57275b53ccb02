#include "astronomy/CalendarTable.h"

#include <QTest>

namespace {

const Place prishtina{QStringLiteral("Prishtinë"), 42.6629, 21.1655,
                      QStringLiteral("Europe/Belgrade")};

CalendarTable tableFor(int year, const PrayerMethod &method = {})
{
    const SunTrack track(QDate(year, 1, 1), QDate(year, 12, 31));
    return CalendarTable(year, prishtina, method, track);
}

const CalendarTable::Row &rowOf(const CalendarTable &table, int day, int month)
{
    for (const auto &row : table.rows())
        if (row.day == day && row.month == month)
            return row;
    qFatal("no row %d.%d", day, month);
}

QString texts(const std::array<QTime, 7> &times)
{
    QStringList list;
    for (const QTime &t : times)
        list << t.toString(t.second() ? "HH:mm:ss" : "HH:mm"); // seconds would show
    return list.join(QLatin1Char(' '));
}

} // namespace

// The rows of a year in the local clock time of the reference place:
// daylight saving per day, the leap day, the order of the columns.
class TestCalendarTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        year2027 = std::make_unique<CalendarTable>(tableFor(2027));
        year2028 = std::make_unique<CalendarTable>(tableFor(2028));
    }

    void localTimesOfTheDay_data()
    {
        // Imsaku, Fexhri, sunrise, Dhuhri, Asri, Magribi, Isha; checked against
        // an independent low-precision solar computation.
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("times");
        QTest::newRow("last day of winter time")
            << 2027 << 27 << 3 << "03:41 03:51 05:27 11:41 15:11 17:55 19:26";
        QTest::newRow("summer time begins")
            << 2027 << 28 << 3 << "04:39 04:49 06:25 12:40 16:12 18:56 20:27";
        QTest::newRow("last day of summer time")
            << 2027 << 30 << 10 << "05:21 05:31 07:06 12:19 15:06 17:31 19:01";
        QTest::newRow("winter time begins")
            << 2027 << 31 << 10 << "04:22 04:32 06:07 11:19 14:05 16:30 18:00";
        QTest::newRow("leap day") << 2028 << 29 << 2 << "04:28 04:38 06:12 11:48 14:53 17:24 18:52";
    }
    void localTimesOfTheDay()
    {
        QFETCH(int, year);
        QFETCH(int, day);
        QFETCH(int, month);
        const CalendarTable &table = year == 2027 ? *year2027 : *year2028;
        QTEST(texts(rowOf(table, day, month).times), "times");
    }

    void everyDayOfALeapYearInCalendarOrder()
    {
        for (const CalendarTable *table : {year2027.get(), year2028.get()}) {
            QCOMPARE(table->rows().size(), 366);
            QDate expected(2000, 1, 1);
            for (const auto &row : table->rows()) {
                QCOMPARE(QDate(2000, row.month, row.day), expected);
                expected = expected.addDays(1);
            }
        }
    }

    void aCommonYearBorrowsTheNextLeapDay()
    {
        const auto &borrowed = rowOf(*year2027, 29, 2);
        QCOMPARE(borrowed.date, QDate(2028, 2, 29));
        QCOMPARE(texts(borrowed.times), texts(rowOf(*year2028, 29, 2).times));
        QCOMPARE(year2027->ownDays().size(), 365);
        QVERIFY(!year2027->ownDays().contains(QDate(2028, 2, 29)));
    }

private:
    std::unique_ptr<CalendarTable> year2027;
    std::unique_ptr<CalendarTable> year2028;
};

QTEST_GUILESS_MAIN(TestCalendarTable)
#include "TestCalendarTable.moc"
