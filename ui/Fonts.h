#pragma once

#include <QFont>

// Fonts of the windows' design: family, size in points, weight.
inline QFont designFont(const QString &family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
