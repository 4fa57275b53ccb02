#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <array>

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
    struct Day
    {
        int day;
        int month;
        std::array<QString, 7> times; // Imsaku ... Isha as stored ('HH:MM:SS'); empty = null
    };

    FixtureDatabase();
    ~FixtureDatabase();
    FixtureDatabase(const FixtureDatabase &) = delete;
    FixtureDatabase &operator=(const FixtureDatabase &) = delete;

    QString folder() const { return m_dir.path(); }
    QString filePath() const;
    QString connectionText() const;

    void addCity(const City &city);
    void addDay(const Day &day);
    // Every day of a leap year with the same times.
    void addWholeYear(const std::array<QString, 7> &times);
    // Runs SQL directly on the file (setting up faults).
    void exec(const QString &sql);
    // The values of one column of a query, as texts.
    QList<QString> column(const QString &sql);
    // The ids of the flagged cities.
    QList<int> selectedCityIds();

    // The cities most tests use: Prishtinë (selected, 0), Prizren (-1), Tiranë (5), ...
    static QList<City> standardCities();

private:
    QTemporaryDir m_dir;
    QString m_connectionName;
};
