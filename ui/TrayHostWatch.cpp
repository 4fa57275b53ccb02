#include "ui/TrayHostWatch.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

xcb_connection_t *x11()
{
    const auto *app =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t root(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

bool x11TrayOwned(xcb_connection_t *c)
{
    const xcb_atom_t tray = atom(c, "_NET_SYSTEM_TRAY_S0");
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&free)> reply(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, tray), nullptr), &free);
    return reply && reply->owner != XCB_NONE;
}

} // namespace

TrayHostWatch::TrayHostWatch(std::function<void()> arrived, QObject *parent)
    : QObject(parent), m_arrived(std::move(arrived))
{
    m_bus = new QDBusServiceWatcher(watcherName, QDBusConnection::sessionBus(),
                                    QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_bus, &QDBusServiceWatcher::serviceRegistered, this, &TrayHostWatch::arrive);
    if (xcb_connection_t *c = x11()) {
        m_managerAtom = atom(c, "MANAGER");
        m_trayAtom = atom(c, "_NET_SYSTEM_TRAY_S0");
        // The root window's other events stay as Qt chose them.
        const xcb_window_t window = root(c);
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr),
            &free);
        const uint32_t mask =
            (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

TrayHostWatch::~TrayHostWatch()
{
    if (m_trayAtom)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayHostWatch::hostPresent()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (bus && bus->isServiceRegistered(watcherName))
        return true;
    xcb_connection_t *c = x11();
    return c && x11TrayOwned(c);
}

bool TrayHostWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *client = static_cast<const xcb_client_message_event_t *>(message);
    if (client->type == m_managerAtom && client->data.data32[1] == m_trayAtom)
        QTimer::singleShot(0, this, &TrayHostWatch::arrive); // not inside Qt's event handling
    return false;
}

void TrayHostWatch::arrive()
{
    if (!m_arrived)
        return;
    std::exchange(m_arrived, nullptr)();
    deleteLater();
}
