#pragma once

#include <QFile>
#include <QList>
#include <QStringList>

// The rows of a table of cases: fields divided by tabs, without empty lines
// and lines starting with #. A file that cannot be read stops the test.
namespace TsvRows {

inline QList<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows << line.split(u'\t');
    return rows;
}

} // namespace TsvRows
