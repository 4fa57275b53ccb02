#pragma once

#include "prayer/UserSettings.h"

#include <QDialog>
#include <array>

class QComboBox;
class QSpinBox;

// The settings window: per prayer what its adhan time brings and a reminder
// some minutes before, the Hijri date's adjustment. Every control carries an
// Albanian name for screen readers; the keyboard reaches each in order.
// "Ruaj" accepts, "Kthehu" rejects; the caller stores what settings() gives.
class FrmCilesimet : public QDialog
{
    Q_OBJECT

public:
    explicit FrmCilesimet(const UserSettings &settings, QWidget *parent = nullptr);

    // The chosen settings; what the window does not show stays as given.
    UserSettings settings() const;

private:
    UserSettings m_given;
    std::array<QComboBox *, DayTimes::count> m_modes{};
    std::array<QSpinBox *, DayTimes::count> m_reminders{};
    QSpinBox *m_hijriAdjustment = nullptr;
};
