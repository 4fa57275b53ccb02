#include "calendar/ClockChangeWatch.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimeZone>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

ClockChangeWatch::ClockChangeWatch(QObject *parent)
    : QObject(parent), m_zone(QTimeZone::systemTimeZoneId())
{
    // The link is replaced, not written: its folder tells.
    auto *zoneWatch = new QFileSystemWatcher({QStringLiteral("/etc")}, this);
    connect(zoneWatch, &QFileSystemWatcher::directoryChanged, this,
            &ClockChangeWatch::zoneFolderChanged);
#ifdef Q_OS_LINUX
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    arm();
    m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockChangeWatch::readable);
#endif
}

ClockChangeWatch::~ClockChangeWatch()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void ClockChangeWatch::arm()
{
#ifdef Q_OS_LINUX
    // An expiry far away that never comes: only the cancel wakes the program.
    itimerspec spec{};
    spec.it_value.tv_sec = INT32_MAX;
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
#endif
}

void ClockChangeWatch::readable()
{
#ifdef Q_OS_LINUX
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got < 0 && errno == ECANCELED) {
        arm(); // the cancel disarmed it
        Q_EMIT clockChanged();
    }
#endif
}

void ClockChangeWatch::zoneFolderChanged()
{
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    if (zone == m_zone)
        return;
    m_zone = zone;
    Q_EMIT clockChanged();
}
