#include "prayer/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString stopKey = QStringLiteral("ndalo");
// A service that does not answer soon is taken as none: the notice must not
// hold the clock up.
constexpr int answerWaitMs = 2000;

QDBusMessage call(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, answerWaitMs);
}

} // namespace

DBusNotifier::DBusNotifier(QObject *parent) : QObject(parent)
{
    QDBusConnection::sessionBus().connect(service, path, interface, QStringLiteral("ActionInvoked"),
                                          this, SLOT(actionInvoked(uint, QString)));
}

bool DBusNotifier::serviceHasActions()
{
    if (!m_hasActions) {
        const QDBusReply<QStringList> reply = call(QStringLiteral("GetCapabilities"));
        if (!reply.isValid())
            return false; // asked again next time: the service may come later
        m_hasActions = reply.value().contains(QStringLiteral("actions"));
    }
    return *m_hasActions;
}

bool DBusNotifier::notify(const Notice &notice)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return false;
    const bool offersStop = notice.offersStop && serviceHasActions();
    const QStringList actions =
        offersStop ? QStringList{stopKey, QStringLiteral("Ndalo ezanin")} : QStringList{};
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("kolvira")}};
    const QDBusReply<uint> reply = call(
        QStringLiteral("Notify"), {QStringLiteral("Kolvira"), uint(0), QStringLiteral("kolvira"),
                                   notice.summary, notice.body, actions, hints, int(-1)});
    if (!reply.isValid())
        return false;
    if (offersStop)
        m_stopNotices.insert(reply.value());
    return true;
}

void DBusNotifier::actionInvoked(uint id, const QString &key)
{
    if (key == stopKey && m_stopNotices.remove(id))
        stopChosen();
}
