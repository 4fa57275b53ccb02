#include "prayer/NoticeQueue.h"

#include "calendar/Clock.h"

#include <QTimer>

NoticeQueue::NoticeQueue(const Clock &clock, std::function<void(const Notice &)> show,
                         QObject *parent)
    : QObject(parent), m_clock(clock), m_show(std::move(show)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &NoticeQueue::wake);
}

void NoticeQueue::add(const Notice &notice)
{
    m_waiting << notice;
    wake();
}

void NoticeQueue::seen()
{
    m_shownAt = -1;
    wake();
}

void NoticeQueue::wake()
{
    const qint64 shownFor = m_shownAt < 0 ? readMs : m_clock.monotonicMs() - m_shownAt;
    if (shownFor >= readMs) {
        m_shownAt = -1;
        if (!m_waiting.isEmpty())
            showNext();
    } else if (!m_waiting.isEmpty()) {
        m_timer->start(int(readMs - shownFor));
    }
}

void NoticeQueue::showNext()
{
    const Notice notice = m_waiting.takeFirst();
    m_shownAt = m_clock.monotonicMs();
    m_show(notice);
    if (!m_waiting.isEmpty())
        m_timer->start(int(readMs));
}
