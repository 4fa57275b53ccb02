#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QDBusServiceWatcher;

// Whether the desktop has a notification area, and the moment one comes.
// Two kinds are looked at: a StatusNotifierItem host (KDE, the AppIndicator
// extension of GNOME), known by the name org.kde.StatusNotifierWatcher on the
// session bus, and an X11 system tray, the owner of the _NET_SYSTEM_TRAY_S0
// selection. Qt decides once per run which kind its icon speaks, so the icon
// must not be made, nor Qt asked, before a host is there.
//
// Nothing is polled: the bus tells when the name gets an owner, and a new X11
// tray announces itself to the root window (the MANAGER message).
class TrayHostWatch : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // arrived runs once, when a host appears after the watch began; the
    // watch then goes.
    TrayHostWatch(std::function<void()> arrived, QObject *parent);
    ~TrayHostWatch() override;

    static bool hostPresent();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void arrive();

    std::function<void()> m_arrived;
    QDBusServiceWatcher *m_bus = nullptr;
    unsigned m_managerAtom = 0; // X11 atoms; 0 without X11
    unsigned m_trayAtom = 0;
};
