#include "prayer/UserSettings.h"

#include "data/PrayerNames.h"
#include "prayer/PrayerTexts.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <memory>

namespace {

const std::array<const char *, 3> modeValues = {"ezani", "njoftimi", "asgje"};

// The keys name the times as the takvim does; the file stays readable by hand.
QString modeKey(int time)
{
    return QStringLiteral("Ezani/") + QLatin1String(PrayerNames::of(time).key);
}

QString reminderKey(int time)
{
    return QStringLiteral("Kujtesa/") + QLatin1String(PrayerNames::of(time).key);
}

const QString hijriKey = QStringLiteral("Kalendari/KorrigjimiHixhri");
const QString volumeKey = QStringLiteral("Luajtesi/Volumi");
const QString fadeInKey = QStringLiteral("Luajtesi/Zbutja");
const QString dawnRecordingKey = QStringLiteral("Luajtesi/EzaniSabahut");
const QString dailyRecordingKey = QStringLiteral("Luajtesi/EzaniDitor");
const QString chooseAdhanToldKey = QStringLiteral("Njoftimet/ZgjedhjaEEzanitThene");
const QString holyDaysKey = QStringLiteral("Njoftimet/DitetEShenjta");
const QString placeProposedKey = QStringLiteral("Njoftimet/VendiIPropozuar");

// The user's own file is the native one, ~/.config/kolvira/kolvira.conf on Linux.
std::unique_ptr<QSettings> open(const QString &path)
{
    if (path.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("kolvira"), QStringLiteral("kolvira"));
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace

SettingsStore::SettingsStore(QString path) : m_path(std::move(path)) {}

UserSettings SettingsStore::load()
{
    m_notes.clear();
    UserSettings settings;
    const auto file = open(m_path);
    const QFileInfo info(file->fileName());
    if (info.exists() && !info.isReadable()) {
        m_notes << QStringLiteral("Skedari i cilësimeve %1 nuk lexohet; vlejnë cilësimet e "
                                  "paracaktuara.")
                       .arg(file->fileName());
        return settings;
    }
    // A wrong value is named as the settings window shows it, with what it stays.
    const auto wrong = [&](const QString &title, const QString &fallback) {
        m_notes << QStringLiteral("Vlera e \"%1\" te Cilësimet nuk vlen; mbetet %2.")
                       .arg(title, fallback);
    };
    // A number in its range, else the default with a note.
    const auto number = [&](const QString &key, const QString &title, int low, int high,
                            int fallback, const QString &fallbackText) {
        if (!file->contains(key))
            return fallback;
        bool ok = false;
        const int value = file->value(key).toString().trimmed().toInt(&ok);
        if (ok && value >= low && value <= high)
            return value;
        wrong(title, fallbackText);
        return fallback;
    };
    const QString no = QStringLiteral("jo");
    for (int time : UserSettings::adhanTimes) {
        if (!file->contains(modeKey(time)))
            continue;
        const QString value = file->value(modeKey(time)).toString().trimmed();
        const auto found = std::find_if(modeValues.begin(), modeValues.end(),
                                        [&](const char *v) { return value == QLatin1String(v); });
        if (found == modeValues.end())
            wrong(QStringLiteral("Ezani i %1").arg(PrayerTexts::genitive(time)),
                  QStringLiteral("\"Ezani dhe dritarja\""));
        else
            settings.modes[std::size_t(time)] =
                UserSettings::AdhanMode(int(found - modeValues.begin()));
    }
    // A file from before Xhumaja had its own keeps Dhuhri's reminder on Fridays.
    for (int time : UserSettings::reminderTimes) {
        const int fallback =
            time == PrayerNames::xhumaja ? settings.reminders[DayTimes::Dhuhri] : 0;
        settings.reminders[std::size_t(time)] = number(
            reminderKey(time), QStringLiteral("Kujtesa para %1").arg(PrayerTexts::genitive(time)),
            0, UserSettings::longestReminder, fallback,
            fallback == 0 ? QStringLiteral("pa kujtesë")
                          : PrayerTexts::timeLeft(fallback) + QStringLiteral(" para"));
    }
    settings.hijriAdjustment =
        number(hijriKey, QStringLiteral("Korrigjimi i datës hixhri"),
               -UserSettings::largestHijriAdjustment, UserSettings::largestHijriAdjustment, 0,
               QStringLiteral("0 ditë"));
    settings.volume = number(volumeKey, QStringLiteral("Volumi i ezanit"), 0, 100, settings.volume,
                             QString::number(settings.volume));
    settings.fadeIn = number(fadeInKey, QStringLiteral("Ezani nis butë"), 0, 1, 0, no) == 1;
    settings.chooseAdhanTold =
        number(chooseAdhanToldKey, QStringLiteral("Njoftimi si zgjidhet ezani"), 0, 1, 0, no) == 1;
    settings.holyDayNotices =
        number(holyDaysKey, QStringLiteral("Njoftim për ditët dhe netët e shenjta"), 0, 1, 1,
               QStringLiteral("po")) == 1;
    settings.placeProposed =
        number(placeProposedKey, QStringLiteral("Propozimi i vendit në nisjen e parë"), 0, 1, 0,
               no) == 1;
    settings.dawnRecording = file->value(dawnRecordingKey).toString();
    settings.dailyRecording = file->value(dailyRecordingKey).toString();
    // Known once the file has been read.
    if (file->status() != QSettings::NoError)
        m_notes << QStringLiteral("Skedari i cilësimeve %1 është i dëmtuar; vlejnë cilësimet e "
                                  "paracaktuara për atë që nuk lexohet.")
                       .arg(file->fileName());
    return settings;
}

QString SettingsStore::write(const std::function<void(QSettings &)> &fill) const
{
    const auto file = open(m_path);
    fill(*file);
    file->sync();
    // A spoiled file's FormatError stays reported after it is written over.
    if (file->status() != QSettings::AccessError)
        return {};
    return QStringLiteral("Cilësimet nuk u ruajtën në %1: skedari nuk shkruhet.")
        .arg(file->fileName());
}

QString SettingsStore::save(const UserSettings &settings) const
{
    return write([&](QSettings &file) {
        for (int time : UserSettings::adhanTimes)
            file.setValue(
                modeKey(time),
                QLatin1String(modeValues[std::size_t(settings.modes[std::size_t(time)])]));
        for (int time : UserSettings::reminderTimes)
            file.setValue(reminderKey(time), settings.reminders[std::size_t(time)]);
        file.setValue(hijriKey, settings.hijriAdjustment);
        file.setValue(volumeKey, settings.volume);
        file.setValue(fadeInKey, int(settings.fadeIn));
        file.setValue(dawnRecordingKey, settings.dawnRecording);
        file.setValue(dailyRecordingKey, settings.dailyRecording);
        file.setValue(chooseAdhanToldKey, int(settings.chooseAdhanTold));
        file.setValue(holyDaysKey, int(settings.holyDayNotices));
        file.setValue(placeProposedKey, int(settings.placeProposed));
    });
}

QString SettingsStore::saveVolume(int volume) const
{
    return write([&](QSettings &file) { file.setValue(volumeKey, volume); });
}

QString SettingsStore::saveChooseAdhanTold() const
{
    return write([&](QSettings &file) { file.setValue(chooseAdhanToldKey, 1); });
}

QString SettingsStore::savePlaceProposed() const
{
    return write([&](QSettings &file) { file.setValue(placeProposedKey, 1); });
}
