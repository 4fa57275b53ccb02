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
        QTest::addColumn<QString>("hijriMonth");
        QTest::addColumn<QString>("gregorianMonth");
        QTest::addColumn<QString>("weekday");
        const auto row = [](const char *text, const char *hijri, const char *gregorian,
                            const char *weekday) {
            QTest::newRow(text) << QString::fromLatin1(text).toInt() << hijri << gregorian
                                << weekday;
        };
        row("0", "Gabim", "Gabim", "Gabim");
        row("1", "Muharrem", "Janar", "E diel");
        row("06", "Xhumadeth-Thani", "Qershor", "E xhuma");
        row("7", "Rexheb", "Korrik", "E shtunë");
        row("8", "Sha'ban", "Gusht", "Gabim");
        row("12", "Dhul-Hixhxhe", "Dhjetor", "Gabim");
        row("13", "Gabim", "Gabim", "Gabim");
    }
    void namesByNumberAndText()
    {
        QFETCH(int, number);
        const QString text = QString::fromLatin1(QTest::currentDataTag());
        QTEST(HijriMonthName(number), "hijriMonth");
        QTEST(HijriMonthName(text), "hijriMonth");
        QTEST(GregorianMonthName(number), "gregorianMonth");
        QTEST(GregorianMonthName(text), "gregorianMonth");
        QTEST(DayOfWeekName(number), "weekday");
        QTEST(DayOfWeekName(text), "weekday");
    }

    // A text reads as the number it is written as, or as none (0).
    void textsThatAreNoWholeNumberOfTheTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        for (const char *text : {"Qershor", "6.5", "nan"})
            QTest::addRow("\"%s\"", text) << text << 0;
        QTest::newRow("whole number with point") << "6.0" << 6;
    }
    void textsThatAreNoWholeNumberOfTheTable()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(GregorianMonthName(text), GregorianMonthName(number));
        QCOMPARE(HijriMonthName(text), HijriMonthName(number));
        QCOMPARE(DayOfWeekName(text), DayOfWeekName(number));
    }
};

QTEST_GUILESS_MAIN(TestCalendarNames)
#include "TestCalendarNames.moc"
