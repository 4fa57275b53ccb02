#include "calendar/CalendarNames.h"

#include <QTest>

using namespace Module1;

class TestCalendarNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row looks the number up as an int and as the text given.
    void namesByNumberAndText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hijriMonth");
        QTest::addColumn<QString>("gregorianMonth");
        QTest::addColumn<QString>("weekday");
        QTest::newRow("0") << 0 << "0"
                           << "Gabim"
                           << "Gabim"
                           << "Gabim";
        QTest::newRow("1") << 1 << "1"
                           << "Muharrem"
                           << "Janar"
                           << "E diel";
        QTest::newRow("06") << 6 << "06"
                            << "Xhumadeth-Thani"
                            << "Qershor"
                            << "E xhuma";
        QTest::newRow("7") << 7 << "7"
                           << "Rexheb"
                           << "Korrik"
                           << "E shtun\u00EB";
        QTest::newRow("8") << 8 << "8"
                           << "Sha'ban"
                           << "Gusht"
                           << "Gabim";
        QTest::newRow("11") << 11 << "11"
                            << "Dhul-Ka'de"
                            << "N\u00EBntor"
                            << "Gabim";
        QTest::newRow("12") << 12 << "12"
                            << "Dhul-Hixhxhe"
                            << "Dhjetor"
                            << "Gabim";
        QTest::newRow("13") << 13 << "13"
                            << "Gabim"
                            << "Gabim"
                            << "Gabim";
        QTest::newRow("-1") << -1 << "-1"
                            << "Gabim"
                            << "Gabim"
                            << "Gabim";
    }
    void namesByNumberAndText()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QTEST(HijriMonthName(number), "hijriMonth");
        QTEST(HijriMonthName(text), "hijriMonth");
        QTEST(GregorianMonthName(number), "gregorianMonth");
        QTEST(GregorianMonthName(text), "gregorianMonth");
        QTEST(DayOfWeekName(number), "weekday");
        QTEST(DayOfWeekName(text), "weekday");
    }

    void textsThatAreNoWholeNumberOfTheTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("words") << "Qershor"
                               << "Gabim";
        QTest::newRow("empty") << ""
                               << "Gabim";
        QTest::newRow("fraction") << "6.5"
                                  << "Gabim";
        QTest::newRow("not a number") << "nan"
                                      << "Gabim";
        QTest::newRow("infinity") << "inf"
                                  << "Gabim";
        QTest::newRow("whole number with point") << "6.0"
                                                 << "Qershor";
        QTest::newRow("blanks around") << " 6 "
                                       << "Qershor";
    }
    void textsThatAreNoWholeNumberOfTheTable()
    {
        QFETCH(QString, text);
        QTEST(GregorianMonthName(text), "name");
    }
};

QTEST_GUILESS_MAIN(TestCalendarNames)
#include "TestCalendarNames.moc"
