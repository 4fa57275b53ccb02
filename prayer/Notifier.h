#pragma once

#include <QString>
#include <functional>

// Where the program's notices go: the desktop's notification service in the
// program, a recorder in tests.
class Notifier
{
public:
    struct Notice
    {
        QString summary;
        QString body;
        bool offersStop = false; // the adhan's: an action that stops it
    };

    virtual ~Notifier() = default;
    // False when no service took it; the caller then tells it another way.
    virtual bool notify(const Notice &notice) = 0;

    // Runs when the user chooses the stop action of a notice that offered it.
    void setStopChosen(std::function<void()> stop) { m_stopChosen = std::move(stop); }

protected:
    void stopChosen() const
    {
        if (m_stopChosen)
            m_stopChosen();
    }

private:
    std::function<void()> m_stopChosen;
};
