#include "ui/TrayIcon.h"

#include "ui/LoadedWindows.h"
#include "ui/TrayHostWatch.h"

#include <QMenu>
#include <QSystemTrayIcon>

TrayIconData &trayIconData()
{
    static TrayIconData data;
    return data;
}

namespace {

void makeTrayIcon(QWidget &form, QMenu *popup)
{
    TrayIconData &data = trayIconData();
    if (data.tip.isEmpty())
        data.tip = form.windowTitle();
    auto *icon = new QSystemTrayIcon(form.windowIcon(), &form);
    icon->setToolTip(data.tip);
    icon->setContextMenu(popup);
    QObject::connect(icon, &QSystemTrayIcon::activated, &form,
                     [&form](QSystemTrayIcon::ActivationReason reason) {
                         // A failure here ends the handler silently; windows
                         // already switched stay switched.
                         try {
                             if (reason == QSystemTrayIcon::Trigger ||
                                 reason == QSystemTrayIcon::DoubleClick)
                                 ToggleLoadedWindows(form);
                         } catch (...) {
                         }
                     });
    data.icon = icon;
    icon->show();
}

} // namespace

void AddTrayIcon(QWidget &form, QMenu *popup, std::function<void()> added)
{
    if (TrayHostWatch::hostPresent()) {
        makeTrayIcon(form, popup);
        return;
    }
    new TrayHostWatch(
        [&form, popup, added = std::move(added)] {
            makeTrayIcon(form, popup);
            if (added)
                added();
        },
        &form);
}

void RemoveTrayIcon()
{
    if (QSystemTrayIcon *icon = trayIconData().icon)
        icon->hide();
}

void ToggleLoadedWindows(QWidget &mainWindow)
{
    const bool show = !mainWindow.isVisible();
    const QList<QWidget *> windows = LoadedWindows::all();
    for (QWidget *w : windows) {
        w->setVisible(show);
        if (show && w == &mainWindow) {
            w->raise();
            w->activateWindow();
        }
    }
}

namespace {
std::optional<bool> &trayHostOverride()
{
    static std::optional<bool> value;
    return value;
}
} // namespace

void overrideTrayHostAvailable(std::optional<bool> available)
{
    trayHostOverride() = available;
}

bool TrayHostAvailable()
{
    return trayHostOverride().value_or(TrayHostWatch::hostPresent());
}
