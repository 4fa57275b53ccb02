#include "app/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

namespace {

const QString objectPath = QStringLiteral("/org/kolvira/Kolvira");

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    const QString name = QString::fromLatin1(busName);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        // The object first, so a later start that sees the name finds it.
        bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots);
        if (bus.registerService(name))
            return true;
        bus.unregisterObject(objectPath);
        QDBusMessage call =
            QDBusMessage::createMethodCall(name, objectPath, name, QStringLiteral("Activate"));
        call.setAutoStartService(false);
        bus.call(call, QDBus::Block, 10'000); // a busy first copy may answer late
        return false;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/kolvira.lock"));
    m_lock->setStaleLockTime(0); // stale only when the copy that holds it is gone
    if (m_lock->tryLock(0))
        return true;
    std::fputs("Kolvira po punon tashmë; shihni ikonën e saj në hapësirën e njoftimeve.\n", stderr);
    return false;
}

void SingleInstance::Activate()
{
    if (m_showWindow)
        m_showWindow();
}
