#include "ui/FrmCilesimet.h"

#include "prayer/PrayerTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The captions of the main window's rows, by time index.
const std::array<const char *, DayTimes::count> rowCaptions = {
    "Sehuri (imsaku), në Ramazan", "Fexhri (sabahu)", "", "Dhuhri (dreka)", "Asri (ikindia)",
    "Magribi (akshami)",           "Isha (jacia)"};

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
        auto *caption = new QLabel(QString::fromUtf8(rowCaptions[i]) + QLatin1Char(':'), this);
        grid->addWidget(caption, row, 0);
        if (time != 0) {
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
        if (time == 0)
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

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ruaj"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Kthehu"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
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
    return chosen;
}
