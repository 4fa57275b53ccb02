#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class Clock;
class QTimer;

// Notices shown one at a time where a new one would replace the one showing
// (the notification area's balloon): each stays readMs before the next takes
// its place, or until the user has seen it (clicked it).
class NoticeQueue : public QObject
{
    Q_OBJECT

public:
    struct Notice
    {
        QString text;
        bool warning = false;
    };
    static constexpr qint64 readMs = 10'000;

    NoticeQueue(const Clock &clock, std::function<void(const Notice &)> show,
                QObject *parent = nullptr);

    void add(const Notice &notice);
    // The user has seen the notice showing: the next may come at once.
    void seen();
    // The timer's wake-up; tests call it after moving their clock on.
    void wake();
    qsizetype waiting() const { return m_waiting.size(); }

private:
    void showNext();

    const Clock &m_clock;
    std::function<void(const Notice &)> m_show;
    QList<Notice> m_waiting;
    qint64 m_shownAt = -1; // monotonic time the showing notice came; -1: none shows
    QTimer *m_timer;
};
