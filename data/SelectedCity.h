#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The one reading of which city is selected, for everything that needs it;
// and of any city of the list by its key or name.
// A file that flags several rows counts the first in the table's order, the
// row the main window's lookups show; one that flags none has no city.
// Throws DatabaseError.
struct SelectedCity
{
    qint32 key = 0;
    QString name;
    int minutes = 0;

    static std::optional<SelectedCity> read(const QSqlDatabase &db);
    // The city of that key or name, selected or not; none when the list lacks it.
    static std::optional<SelectedCity> withKey(const QSqlDatabase &db, qint32 key);
    static std::optional<SelectedCity> named(const QSqlDatabase &db, const QString &name);
    // The names of every flagged row, in the table's order: what a check
    // reports of a spoiled file.
    static QStringList flaggedNames(const QSqlDatabase &db);
};
