#pragma once

#include <QSqlDatabase>
#include <QString>

namespace Schema {

// The statements that create the calendar tables (data/schema.sql).
QString sqlText();
// Runs them on an open database; throws DatabaseError on failure.
void create(QSqlDatabase &db);

} // namespace Schema
