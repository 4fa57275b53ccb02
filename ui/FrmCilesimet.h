#pragma once

#include "prayer/UserSettings.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class NameField;
class QSpinBox;
class QtMediaPlayer;

// The settings window: per prayer what its adhan time brings and a reminder
// some minutes before, the Hijri date's adjustment; the two adhan recordings
// (each chosen with a file dialog, refused when it cannot be played, heard
// with "Dëgjo"), the volume and the fade-in. "Ruaj" copies a newly chosen
// recording into the user's data folder first; a copy that fails keeps the
// window open and says why. Every control carries an
// Albanian name for screen readers; the keyboard reaches each in order.
// "Ruaj" accepts, "Kthehu" rejects; the caller stores what settings() gives.
class FrmCilesimet : public QDialog
{
    Q_OBJECT

public:
    explicit FrmCilesimet(const UserSettings &settings, QWidget *parent = nullptr);

    // The chosen settings; what the window does not show stays as given.
    UserSettings settings() const;

public Q_SLOTS:
    void accept() override;

private:
    struct RecordingRow
    {
        NameField *name = nullptr; // the file's name, or that none is chosen
        QString chosen;            // a file chosen now, not yet copied
    };
    void addRecordingRow(class QGridLayout &grid, int row, bool dawnAdhan);
    void choose(bool dawnAdhan);
    void listen(bool dawnAdhan);
    QString recordingOf(bool dawnAdhan) const;

    std::array<RecordingRow, 2> m_recordings; // daily, dawn
    QSpinBox *m_volume = nullptr;
    QCheckBox *m_fadeIn = nullptr;
    QCheckBox *m_holyDayNotices = nullptr;
    QtMediaPlayer *m_listening = nullptr;
    UserSettings m_given;
    std::array<QComboBox *, DayTimes::count> m_modes{};
    std::array<QSpinBox *, PrayerNames::table.size()> m_reminders{};
    QSpinBox *m_hijriAdjustment = nullptr;
};
