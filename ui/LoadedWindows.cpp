#include "ui/LoadedWindows.h"

#include <QApplication>

namespace LoadedWindows {
namespace {
constexpr char property[] = "kolviraLoadedWindow";
}

void mark(QWidget *window)
{
    window->setProperty(property, true);
}

QList<QWidget *> all()
{
    QList<QWidget *> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *w : topLevels)
        if (w->property(property).toBool())
            windows << w;
    return windows;
}

} // namespace LoadedWindows
