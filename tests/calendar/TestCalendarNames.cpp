#include "calendar/CalendarNames.h"

#include <QTest>
#include <cmath>

using namespace Module1;

class TestCalendarNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row looks the number up as an int and as the text given; a text
    // reads as the number it is written as, or as none (0).
    void namesByNumberAndText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("hijriMonth");
        QTest::addColumn<QString>("gregorianMonth");
        QTest::addColumn<QString>("weekday");
        const auto row = [](const char *text, const char *hijri, const char *gregorian,
                            const char *weekday) {
            const double n = QString::fromLatin1(text).toDouble();
            QTest::newRow(text) << (std::trunc(n) == n ? int(n) : 0) << hijri << gregorian
                                << weekday;
        };
        row("0", "Gabim", "Gabim", "Gabim");
        row("1", "Muharrem", "Janar", "E diel");
        row("06", "Xhumadeth-Thani", "Qershor", "E xhuma");
        row("7", "Rexheb", "Korrik", "E shtunë");
        row("8", "Sha'ban", "Gusht", "Gabim");
        row("12", "Dhul-Hixhxhe", "Dhjetor", "Gabim");
        row("13", "Gabim", "Gabim", "Gabim");
        row("6.0", "Xhumadeth-Thani", "Qershor", "E xhuma");
        for (const char *text : {"Qershor", "6.5", "nan"})
            row(text, "Gabim", "Gabim", "Gabim");
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
};

QTEST_GUILESS_MAIN(TestCalendarNames)
#include "TestCalendarNames.moc"
