#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Tells at once when the wall clock is set (by hand, by the network) or
// jumps when the machine wakes from sleep: the kernel cancels a timer armed
// with TFD_TIMER_CANCEL_ON_SET whenever the wall clock is set. Where there
// is no such timer it never tells, and the clock timer's longest wait sees
// the change instead. A change of the computer's time zone (its
// /etc/localtime replaced) counts as a clock set: the inotify watch costs
// no wake-up while nothing changes.
class ClockChangeWatch : public QObject
{
    Q_OBJECT

public:
    explicit ClockChangeWatch(QObject *parent = nullptr);
    ~ClockChangeWatch() override;

Q_SIGNALS:
    void clockChanged();

private:
    void arm();
    void readable();
    void zoneFolderChanged();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_zone; // the computer's zone when last looked at
};
