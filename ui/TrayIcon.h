#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

// The notification-area icon of the main window, filled once at start and
// kept for the whole run: the exit command removes the icon with it.
struct TrayIconData
{
    QPointer<QSystemTrayIcon> icon;
    QString tip;
};

TrayIconData &trayIconData();

// Registers the icon of the main window: its window icon, its title as the
// tip, the given popup menu on a right click; a left click shows or hides
// every loaded window. When the desktop has no notification area yet (the
// session started the program before its panel), the window stays reachable
// and the icon is put there as soon as one comes; added runs when it is.
void AddTrayIcon(QWidget &form, QMenu *popup, std::function<void()> added = {});
void RemoveTrayIcon();

// Shows every loaded window when the main window is hidden, hides them all
// when it is shown. Showing the main window activates it.
void ToggleLoadedWindows(QWidget &mainWindow);

// Whether the desktop has a notification area to live in.
bool TrayHostAvailable();
// Tests decide the answer; std::nullopt asks the desktop again.
void overrideTrayHostAvailable(std::optional<bool> available);
