#pragma once

#include <QSqlDatabase>
#include <QString>

namespace Schema {

// The edition of the tables a file made by the calendar tool has, kept in the
// file's user_version: a user's copy of a lower edition takes the installed
// default's tables at the next start, keeping what the user made.
inline constexpr int edition = 2;
int editionOf(const QSqlDatabase &db);

// The statements that create the calendar tables (data/schema.sql).
QString sqlText();
// Runs them on an open database; throws DatabaseError on failure.
void create(QSqlDatabase &db);
// Creates the tables and marks the file with this edition.
void createEdition(QSqlDatabase &db);

} // namespace Schema
