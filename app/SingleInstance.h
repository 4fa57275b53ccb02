#pragma once

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

// One running copy per user: the first start holds the program's name on the
// session bus, as GApplication and KDBusService do; a later start finds it,
// asks it to show its window and ends. Without a session bus a lock in the
// user's runtime folder keeps the second copy from running on.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kolvira.Kolvira")

public:
    static constexpr char busName[] = "org.kolvira.Kolvira";

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True for the first copy; false when another runs (and was asked to
    // show its window when the bus allows).
    bool claim();
    // What a later start's request does in this copy.
    void setShowWindow(std::function<void()> show) { m_showWindow = std::move(show); }

public Q_SLOTS:
    // Called over the bus by a later start.
    Q_SCRIPTABLE void Activate();

private:
    std::unique_ptr<QLockFile> m_lock;
    std::function<void()> m_showWindow;
};
