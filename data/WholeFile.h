#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes whole goes through here (QSaveFile): it is
// written aside and renamed over the old one only when complete, so a reader
// sees the old file or the new one, never a part.
namespace WholeFile {

// An empty text when written, else what went wrong, in Albanian.
QString write(const QString &path, const QByteArray &bytes);
// Reads the whole file into bytes: an empty text when read, else what went
// wrong, in Albanian.
QString read(const QString &path, QByteArray &bytes);

} // namespace WholeFile
