#pragma once

#include "data/ConnectionText.h"

#include <QDate>
#include <QDir>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <array>
#include <functional>

// Direct access to any SQLite file, for setting tests up and looking at what
// they left: each call opens the file and closes it again, so no lock stays.
// A statement that fails ends the test program with its message.
namespace SqlFile {
void withFile(const QString &file, const std::function<void(QSqlDatabase &)> &work);
// Runs the statement once for each list of bound values, in one transaction.
void run(const QString &file, const QString &sql, const QList<QVariantList> &rows = {{}});
// The rows a query returns, the columns of each joined by '|'.
QList<QString> rows(const QString &file, const QString &sql);
} // namespace SqlFile

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
    QString filePath() const { return m_dir.filePath(ConnectionText::databaseFileName); }
    QString connectionText() const { return ConnectionText::forFile(filePath()); }

    void addCity(const City &city);
    // The seven times Imsaku ... Isha as stored, separated by blanks.
    void addDay(int day, int month, const QString &times);
    // Every day of a leap year with the same times.
    void addWholeYear(const std::array<QString, 7> &times)
    {
        addWholeYear([times](const QDate &) { return times; });
    }
    // Every day of 2024 (a leap year) with the times the function gives for it.
    void addWholeYear(const std::function<std::array<QString, 7>(const QDate &)> &timesOf);
    // A perpetual calendar with the same standard-time times on every day,
    // and kolvira's rows written from it for the year.
    void addPerpetual(int year, const std::array<QString, 7> &standardTimes);
    // Flags exactly the cities with these ids ("1, 4"; empty: none).
    void selectCities(const QString &ids);
    // Runs SQL directly on the file (setting up faults).
    void exec(const QString &sql, const QVariantList &values = {})
    {
        SqlFile::run(filePath(), sql, {values});
    }
    // The rows of a query, the columns of each joined by '|'.
    QList<QString> column(const QString &sql) { return SqlFile::rows(filePath(), sql); }
    // The ids of the flagged cities.
    QList<int> selectedCityIds();

private:
    // Blanks and letters beyond ASCII in the path, as in a user's folder.
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/Kalendari i namazit ëç-XXXXXX")};
};
