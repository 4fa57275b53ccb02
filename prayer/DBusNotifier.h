#pragma once

#include "prayer/Notifier.h"

#include <QObject>
#include <QSet>
#include <optional>

// Notices through the desktop's notification service, the freedesktop
// org.freedesktop.Notifications interface on the session bus: with the
// program's name and icon, and "Ndalo ezanin" as an action where the service
// has actions.
class DBusNotifier : public QObject, public Notifier
{
    Q_OBJECT

public:
    explicit DBusNotifier(QObject *parent = nullptr);
    bool notify(const Notice &notice) override;

private Q_SLOTS:
    void actionInvoked(uint id, const QString &key);

private:
    bool serviceHasActions();

    std::optional<bool> m_hasActions; // asked once, when first needed
    QSet<uint> m_stopNotices;
};
