#include "ui/FrmCilesimet.h"

#include "data/PrayerNames.h"
#include "prayer/PrayerTexts.h"
#include "prayer/QtMediaPlayer.h"
#include "prayer/Recordings.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/NameField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// What the file dialog offers; the media framework decides what plays.
const QString audioFilter =
    QStringLiteral("Regjistrime zanore (*.mp3 *.ogg *.oga *.opus *.m4a *.aac *.wav *.flac);;"
                   "Të gjithë skedarët (*)");

// The main window's caption, and when the time is kept apart: "Sehuri (imsaku), në Ramazan:".
QString rowCaption(int time)
{
    const PrayerNames::Forms &forms = PrayerNames::of(time);
    QString caption = QString::fromUtf8(forms.label);
    if (forms.only)
        caption += QStringLiteral(", ") + QString::fromUtf8(forms.only);
    return caption + QLatin1Char(':');
}

QString adhanName(bool dawnAdhan)
{
    return dawnAdhan ? QStringLiteral("Ezani i sabahut")
                     : QStringLiteral("Ezani i namazeve të tjera");
}

} // namespace

FrmCilesimet::FrmCilesimet(const UserSettings &settings, QWidget *parent)
    : QDialog(parent), m_given(settings)
{
    setObjectName(QStringLiteral("FrmCilesimet"));
    setWindowTitle(QStringLiteral("Cilësimet"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("<b>Koha</b>"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("<b>Në kohën e saj</b>"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("<b>Kujtesa para saj</b>"), this), 0, 2);
    int row = 1;
    for (int time : UserSettings::reminderTimes) {
        const std::size_t i = std::size_t(time);
        auto *caption = new QLabel(rowCaption(time), this);
        grid->addWidget(caption, row, 0);
        const bool hasAdhan = std::ranges::count(UserSettings::adhanTimes, time) > 0;
        if (hasAdhan) {
            auto *mode = new QComboBox(this);
            mode->addItems({QStringLiteral("Ezani dhe dritarja"), QStringLiteral("Vetëm njoftim"),
                            QStringLiteral("Asgjë")});
            mode->setCurrentIndex(int(settings.modes[i]));
            mode->setAccessibleName(QStringLiteral("Ezani i %1").arg(PrayerTexts::genitive(time)));
            caption->setBuddy(mode);
            grid->addWidget(mode, row, 1);
            m_modes[i] = mode;
        }
        auto *reminder = new QSpinBox(this);
        reminder->setRange(0, UserSettings::longestReminder);
        reminder->setSuffix(QStringLiteral(" minuta"));
        reminder->setSpecialValueText(QStringLiteral("Pa kujtesë"));
        reminder->setValue(settings.reminders[i]);
        reminder->setAccessibleName(
            QStringLiteral("Kujtesa para %1, në minuta").arg(PrayerTexts::genitive(time)));
        if (!hasAdhan)
            caption->setBuddy(reminder);
        grid->addWidget(reminder, row, 2);
        m_reminders[i] = reminder;
        ++row;
    }
    auto *hijriCaption = new QLabel(QStringLiteral("Korrigjimi i datës hixhri:"), this);
    m_hijriAdjustment = new QSpinBox(this);
    m_hijriAdjustment->setRange(-UserSettings::largestHijriAdjustment,
                                UserSettings::largestHijriAdjustment);
    m_hijriAdjustment->setSuffix(QStringLiteral(" ditë"));
    m_hijriAdjustment->setValue(settings.hijriAdjustment);
    m_hijriAdjustment->setAccessibleName(QStringLiteral("Korrigjimi i datës hixhri, në ditë"));
    hijriCaption->setBuddy(m_hijriAdjustment);
    grid->addWidget(hijriCaption, row, 0);
    grid->addWidget(m_hijriAdjustment, row, 1);
    m_holyDayNotices = new QCheckBox(QStringLiteral("Njoftim për ditët dhe netët e shenjta"), this);
    m_holyDayNotices->setChecked(settings.holyDayNotices);
    grid->addWidget(m_holyDayNotices, row + 1, 0, 1, 3);

    m_listening = new QtMediaPlayer(this);
    auto *sound = new QGridLayout;
    addRecordingRow(*sound, 0, true);
    addRecordingRow(*sound, 1, false);
    auto *volumeCaption = new QLabel(QStringLiteral("Volumi i ezanit:"), this);
    m_volume = new QSpinBox(this);
    m_volume->setRange(0, 100);
    m_volume->setValue(settings.volume);
    m_volume->setAccessibleName(QStringLiteral("Volumi i ezanit"));
    volumeCaption->setBuddy(m_volume);
    connect(m_volume, &QSpinBox::valueChanged, m_listening, &QtMediaPlayer::setVolume);
    m_listening->setVolume(settings.volume);
    auto *stop = new QPushButton(QStringLiteral("Ndalo"), this);
    stop->setAccessibleName(QStringLiteral("Ndalo dëgjimin"));
    connect(stop, &QPushButton::clicked, m_listening, &QtMediaPlayer::stop);
    sound->addWidget(volumeCaption, 2, 0);
    sound->addWidget(m_volume, 2, 1);
    sound->addWidget(stop, 2, 3);
    m_fadeIn =
        new QCheckBox(QStringLiteral("Ezani nis butë, duke u ngritur në pesë sekonda"), this);
    m_fadeIn->setChecked(settings.fadeIn);
    sound->addWidget(m_fadeIn, 3, 0, 1, 4);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ruaj"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Kthehu"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(sound);
    layout->addWidget(buttons);
}

void FrmCilesimet::addRecordingRow(QGridLayout &grid, int row, bool dawnAdhan)
{
    RecordingRow &recording = m_recordings[std::size_t(dawnAdhan)];
    auto *caption = new QLabel(adhanName(dawnAdhan) + QLatin1Char(':'), this);
    recording.name = new NameField(this);
    recording.name->setAccessibleName(adhanName(dawnAdhan));
    const QString none = QStringLiteral("Asnjë (vetëm një sinjal)");
    // Wide enough for that text and a usual file's name.
    recording.name->setMinimumWidth(recording.name->fontMetrics().horizontalAdvance(none) * 3 / 2);
    const QString path = recordingOf(dawnAdhan);
    recording.name->setName(Recordings::exists(path) ? QFileInfo(path).fileName() : none);
    caption->setBuddy(recording.name);
    auto *choose = new QPushButton(QStringLiteral("Zgjidh..."), this);
    choose->setAccessibleName(QStringLiteral("Zgjidh: ") + adhanName(dawnAdhan));
    connect(choose, &QPushButton::clicked, this, [this, dawnAdhan] { this->choose(dawnAdhan); });
    auto *listen = new QPushButton(QStringLiteral("Dëgjo"), this);
    listen->setAccessibleName(QStringLiteral("Dëgjo: ") + adhanName(dawnAdhan));
    connect(listen, &QPushButton::clicked, this, [this, dawnAdhan] { this->listen(dawnAdhan); });
    grid.addWidget(caption, row, 0);
    grid.addWidget(recording.name, row, 1);
    grid.addWidget(choose, row, 2);
    grid.addWidget(listen, row, 3);
}

QString FrmCilesimet::recordingOf(bool dawnAdhan) const
{
    const RecordingRow &recording = m_recordings[std::size_t(dawnAdhan)];
    if (!recording.chosen.isEmpty())
        return recording.chosen;
    return dawnAdhan ? Recordings::dawn(m_given.dawnRecording)
                     : Recordings::daily(m_given.dailyRecording);
}

void FrmCilesimet::choose(bool dawnAdhan)
{
    const QString path = FileDialog::open(this, adhanName(dawnAdhan), audioFilter);
    if (path.isEmpty())
        return;
    QtMediaPlayer::checkPlayable(path, this, [this, path, dawnAdhan](bool playable) {
        if (!playable) {
            showMessage(this, QMessageBox::Warning, QStringLiteral("Cilësimet"),
                        QStringLiteral("Skedari \"%1\" nuk është regjistrim zanor që mund të "
                                       "luhet; ezani mbetet si ishte.")
                            .arg(QFileInfo(path).fileName()));
            return;
        }
        RecordingRow &recording = m_recordings[std::size_t(dawnAdhan)];
        recording.chosen = path;
        recording.name->setName(QFileInfo(path).fileName());
    });
}

void FrmCilesimet::listen(bool dawnAdhan)
{
    const QString path = recordingOf(dawnAdhan);
    m_listening->setFadeIn(m_fadeIn->isChecked());
    m_listening->setURL(Recordings::exists(path) ? path : Recordings::alert());
}

void FrmCilesimet::accept()
{
    m_listening->stop();
    for (const bool dawnAdhan : {true, false}) {
        RecordingRow &recording = m_recordings[std::size_t(dawnAdhan)];
        if (recording.chosen.isEmpty())
            continue;
        QString copy;
        if (const QString failure = Recordings::keep(recording.chosen, dawnAdhan, copy);
            !failure.isEmpty()) {
            showMessage(this, QMessageBox::Warning, QStringLiteral("Cilësimet"), failure);
            return;
        }
        (dawnAdhan ? m_given.dawnRecording : m_given.dailyRecording) = copy;
        recording.chosen.clear();
    }
    QDialog::accept();
}

UserSettings FrmCilesimet::settings() const
{
    UserSettings chosen = m_given;
    for (int time : UserSettings::adhanTimes)
        chosen.modes[std::size_t(time)] =
            UserSettings::AdhanMode(m_modes[std::size_t(time)]->currentIndex());
    for (int time : UserSettings::reminderTimes)
        chosen.reminders[std::size_t(time)] = m_reminders[std::size_t(time)]->value();
    chosen.hijriAdjustment = m_hijriAdjustment->value();
    chosen.volume = m_volume->value();
    chosen.fadeIn = m_fadeIn->isChecked();
    chosen.holyDayNotices = m_holyDayNotices->isChecked();
    return chosen;
}
