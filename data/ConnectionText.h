#pragma once

#include <QString>

// The connection text names the calendar database file:
// "Data Source=<folder>/kolvira.db;Persist Security Info=False".
namespace ConnectionText {

inline constexpr auto databaseFileName = "kolvira.db";

// The text for one database file.
QString forFile(const QString &filePath);
// The file that a connection text names; empty when it names none.
QString dataSource(const QString &connectionText);

} // namespace ConnectionText
