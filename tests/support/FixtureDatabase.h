#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <array>
#include <functional>

// A calendar database in a temporary folder, made with the real schema.
class FixtureDatabase
{
public:
    struct City
    {
        int id;
        QString name;
        int minutes;
        bool selected;
    };
    // What a new database holds: nothing; the standard cities Prishtinë (1,
    // selected, 0), Prizren (2, -1), Prizreni i Ri (3, 2), Tiranë (4, 5),
    // Shkodër (5, 4); those and the days 6 December and 29 February.
    enum Content { Empty, Cities, CitiesAndDays };

    explicit FixtureDatabase(Content content = Empty);

    QString folder() const { return m_dir.path(); }
    QString filePath() const;
    QString connectionText() const;

    void addCity(const City &city);
    // The seven times Imsaku ... Isha as stored, separated by blanks.
    void addDay(int day, int month, const QString &times);
    // Every day of a leap year with the same times.
    void addWholeYear(const std::array<QString, 7> &times);
    // Every day of 2024 (a leap year) with the times the function gives for it.
    void addWholeYear(const std::function<std::array<QString, 7>(const QDate &)> &timesOf);
    // A perpetual calendar with the same standard-time times on every day,
    // and kolvira's rows written from it for the year.
    void addPerpetual(int year, const std::array<QString, 7> &standardTimes);
    // Flags exactly the cities with these ids ("1, 4"; empty: none).
    void selectCities(const QString &ids);
    // Runs SQL directly on the file (setting up faults).
    void exec(const QString &sql, const QVariantList &values = {});
    // The rows of a query, the columns of each joined by '|'.
    QList<QString> column(const QString &sql);
    // The ids of the flagged cities.
    QList<int> selectedCityIds();

private:
    QTemporaryDir m_dir;
};
