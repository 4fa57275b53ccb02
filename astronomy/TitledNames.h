#pragma once

#include <QString>
#include <QStringList>

#include <span>

// A choice the user sees by its Albanian title and the files keep by its name.
struct TitledName
{
    const char *name;
    const char *title;
};

namespace TitledNames {

inline QStringList names(std::span<const TitledName> list)
{
    QStringList names;
    for (const TitledName &t : list)
        names << QLatin1String(t.name);
    return names;
}

// The position of the name in the list, or -1.
inline int indexOf(std::span<const TitledName> list, const QString &name)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (name == QLatin1String(list[i].name))
            return int(i);
    return -1;
}

// The title of the name, or empty.
inline QString title(std::span<const TitledName> list, const QString &name)
{
    const int i = indexOf(list, name);
    return i < 0 ? QString() : QString::fromUtf8(list[std::size_t(i)].title);
}

} // namespace TitledNames
