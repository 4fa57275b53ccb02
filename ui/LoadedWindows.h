#pragma once

#include <QList>
#include <QWidget>

// The program's own windows that exist right now (hidden ones included),
// as opposed to menus, tool tips and the like.
namespace LoadedWindows {

void mark(QWidget *window);
QList<QWidget *> all();

} // namespace LoadedWindows
