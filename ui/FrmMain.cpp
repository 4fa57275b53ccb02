#include "ui/FrmMain.h"

#include "calendar/Clock.h"
#include "calendar/ClockTimer.h"
#include "calendar/HijriCalendar.h"
#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PrayerNames.h"
#include "data/QueryHelpers.h"
#include "prayer/AdhanScheduler.h"
#include "prayer/BajramPrayer.h"
#include "prayer/CalendarYear.h"
#include "prayer/CityRows.h"
#include "prayer/CityStore.h"
#include "prayer/DBusNotifier.h"
#include "prayer/DayTimes.h"
#include "prayer/NoticeQueue.h"
#include "prayer/PlaceOfZone.h"
#include "prayer/PrayerTexts.h"
#include "prayer/QtMediaPlayer.h"
#include "prayer/Recordings.h"
#include "ui/AutoSizeLabel.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/FrmCilesimet.h"
#include "ui/FrmDitelindja.h"
#include "ui/FrmDitetEShenjta.h"
#include "ui/FrmQytetet.h"
#include "ui/FrmRrethProg.h"
#include "ui/FrmTakvimiMuajit.h"
#include "ui/FrmVendiJuaj.h"
#include "ui/LoadedWindows.h"
#include "ui/PlaceMethodFields.h"
#include "ui/PlayerStrip.h"
#include "ui/PushButton.h"
#include "ui/TrayIcon.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QSystemTrayIcon>
#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QString verdana = QStringLiteral("Verdana");
const QColor darkRed(128, 0, 0); // the adhan rows' captions

// Row tops of the seven times, and which caption label stands on each row.
constexpr std::array<int, 7> rowTops = {1920, 2400, 2880, 3360, 3840, 4320, 4800};
constexpr std::array<int, 7> captionOnRow = {0, 1, 6, 2, 3, 4, 5};

// The time each caption label names, LblFusha(0) .. LblFusha(6).
constexpr std::array<int, 7> timeOfCaption = {
    DayTimes::Imsaku,  DayTimes::Fexhri, DayTimes::Dhuhri,        DayTimes::Asri,
    DayTimes::Magribi, DayTimes::Isha,   DayTimes::LindjaEDiellit};

QPixmap renderSvg(const QString &resource, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// "Ora e Cyrihut", "Ora e Prishtinës": the clock of the place, its name
// declined where the ending tells how; "Ora në ..." for any other name.
QString placeClockCaption(const QString &place)
{
    static const QString vowels = QStringLiteral("aeiouyë");
    if (place.isEmpty() || place.contains(QLatin1Char(' ')) || place.contains(QLatin1Char('-')))
        return QStringLiteral("Ora në ") + place;
    const QChar last = place.back();
    if (last == QChar(0x00EB)) // ë
        return QStringLiteral("Ora e ") + place.chopped(1) + QStringLiteral("ës");
    if (vowels.contains(last) || last == QLatin1Char('j'))
        return QStringLiteral("Ora në ") + place;
    const bool velar = QStringLiteral("kgh").contains(last);
    return QStringLiteral("Ora e ") + place + (velar ? QStringLiteral("ut") : QStringLiteral("it"));
}

} // namespace

FrmMain::FrmMain(CalendarConnection &connection, const Clock &clock, MediaPlayer *player,
                 QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_connection(connection), m_clock(clock), m_endProgram([] {
          std::fflush(nullptr);
          std::_Exit(EXIT_SUCCESS);
      })
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Kolvira"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));
    setFixedSize(Twips::toPixels(7065), Twips::toPixels(6180));
    fillBackground(this, Qt::white);
    setTextColour(this, Qt::black);
    LoadedWindows::mark(this);
    if (player) {
        m_player = player;
    } else {
        auto *qtPlayer = new QtMediaPlayer(this);
        m_player = qtPlayer;
        m_playerStrip = qtPlayer;
    }
    m_calendarYear = std::make_unique<CalendarYear>(m_connection);
    // Start goes on: the times shown are right, only the file keeps the old ones.
    m_calendarYear->setNotice([this](const QString &reason) { tell(reason, true); });
    m_scheduler = std::make_unique<AdhanScheduler>(
        *m_player, Recordings::dawn(), Recordings::daily(),
        [this](const QDate &day) { return m_calendarYear->timesOf(day); });
    m_scheduler->setLookAhead([this](const QDate &day) { return m_calendarYear->timesAhead(day); });
    setNotifier(*new DBusNotifier(this));
    m_balloons = new NoticeQueue(
        m_clock, [this](const NoticeQueue::Notice &notice) { showBalloon(notice); }, this);
    m_settings = m_settingsStore.load();
    if (m_playerStrip)
        m_playerStrip->setVolume(m_settings.volume);
    if (!m_settingsStore.notes().isEmpty()) // told once the icon is there
        QTimer::singleShot(0, this, [this, notes = m_settingsStore.notes()] {
            tell(notes.join(QLatin1Char('\n')), true);
        });
    buildControls();
    applySettings(m_settings);
    tellHowToChooseAdhan();
    setDefaultWindowOpeners();
    Form_Load();
    centreOnScreen(this);
}

FrmMain::~FrmMain() = default;

void FrmMain::buildControls()
{
    const AutoSizeLabel *caption =
        makeLabel(this, QStringLiteral("Label1_0"), QStringLiteral("Data gregoriane:"),
                  designFont(verdana, 9.75), 285, 120, 1665, 240, Qt::AlignRight);
    m_lblDataGregoriane =
        makeLabel(this, QStringLiteral("LblDataGregoriane"), QStringLiteral("XXX"),
                  designFont(verdana, 9.75, true), 2040, 120, 450, 240);
    m_lblDataGregoriane->describeBy(*caption);
    caption = makeLabel(this, QStringLiteral("Label1_1"), QStringLiteral("Data sipas hixhrit:"),
                        designFont(verdana, 9.75), 150, 360, 1800, 240, Qt::AlignRight);
    m_lblDataHixhri = makeLabel(this, QStringLiteral("LblDataHixhri"), QStringLiteral("XXX"),
                                designFont(verdana, 9.75, true), 2040, 360, 450, 240);
    m_lblDataHixhri->describeBy(*caption);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAccessibleName(QStringLiteral("Logoja e Kolvirës"));
    const QRect imageRect = Twips::rect(2400, 480, 4710, 3630);
    image->setGeometry(imageRect);
    image->setPixmap(renderSvg(QStringLiteral(":/art/logo.svg"), imageRect.size()));
    image->lower(); // the picture lies beneath the labels and buttons

    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(1);
    Twips::place(shape, 120, 1080, 1815, 255);
    caption = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Koha:"),
                        designFont(verdana, 9.75), 165, 1080, 570, 240, Qt::AlignRight);
    m_lblKoha = makeLabel(this, QStringLiteral("LblKoha"), QStringLiteral("XX:XX:XX"),
                          designFont(verdana, 9.75, true), 840, 1080, 1050, 240);
    m_lblKoha->describeBy(*caption);

    for (int row = 0; row < 7; ++row) {
        const int caption = captionOnRow[row];
        const int time = timeOfCaption[caption];
        const bool adhan = std::ranges::count(UserSettings::adhanTimes, time) > 0;
        auto *label = makeLabel(this, QStringLiteral("LblFusha_%1").arg(caption),
                                QString::fromUtf8(PrayerNames::of(time).label),
                                designFont(verdana, 9.75, adhan), 2055 - 1935, rowTops[row], 1935,
                                240, Qt::AlignRight);
        if (adhan)
            setTextColour(label, darkRed);
        m_lblFusha[caption] = label;
        m_lblKohaENamazit[row] = makeLabel(this, QStringLiteral("LblKohaENamazit_%1").arg(row),
                                           QStringLiteral("XX:XX"), designFont(verdana, 9.75, true),
                                           2100, rowTops[row], 675, 240, Qt::AlignRight);
        m_lblKohaENamazit[row]->describeBy(*label);
        m_timeCaptions[row] = m_lblKohaENamazit[row]->accessibleDescription();
    }

    caption = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Qyteti i zgjedhur:"),
                        designFont(verdana, 9.75), 4080, 3600, 1740, 240, Qt::AlignRight);
    m_lblQyteti = makeLabel(this, QStringLiteral("LblQyteti"), QStringLiteral("XXX"),
                            designFont(verdana, 9.75, true), 4080, 3840, 450, 240);
    m_lblQyteti->describeBy(*caption);
    m_lblMinuta = makeLabel(this, QStringLiteral("LblMinuta"), QStringLiteral("0"),
                            designFont(verdana, 9.75, true), 4680, 3840, 135, 240);
    m_lblMinuta->setAccessibleDescription(QStringLiteral("Minutat e qytetit"));

    m_cmdRrethProgramit = makePushButton(this, QStringLiteral("CmdRrethProgramit"),
                                         QStringLiteral("Rreth programit"), 5760, 720);
    m_cmdDitelindja = makePushButton(this, QStringLiteral("CmdDitelindja"),
                                     QStringLiteral("Ditëlindja"), 4200, 4200);
    m_cmdQyteti =
        makePushButton(this, QStringLiteral("cmdQyteti"), QStringLiteral("Qyteti..."), 5640, 4200);
    m_cmdDalje = makePushButton(this, QStringLiteral("CmdDalje"),
                                QStringLiteral("Dalje nga programi"), 5640, 4920);
    m_cmdTakvimi = makePushButton(this, QStringLiteral("CmdTakvimi"),
                                  QStringLiteral("Takvimi i muajit"), 4200, 4920);
    setTabOrder(m_cmdRrethProgramit, m_cmdDalje);
    setTabOrder(m_cmdDalje, m_cmdQyteti);
    setTabOrder(m_cmdQyteti, m_cmdDitelindja);
    setTabOrder(m_cmdDitelindja, m_cmdTakvimi);
    // Where the buttons leave room: left of the month's timetable, right of the times.
    m_cmdCilesimet = makePushButton(this, QStringLiteral("CmdCilesimet"),
                                    QStringLiteral("Cilësimet..."), 2880, 4920);
    setTabOrder(m_cmdTakvimi, m_cmdCilesimet);
    // Above it, under the picture.
    m_cmdDitetEShenjta = makePushButton(this, QStringLiteral("CmdDitetEShenjta"),
                                        QStringLiteral("Ditët e shenjta"), 2880, 4200);
    setTabOrder(m_cmdCilesimet, m_cmdDitetEShenjta);

    // Below the last row, left of the buttons; above the first row, under the clock.
    m_lblKohaMbetur = makeLabel(this, QStringLiteral("LblKohaMbetur"), QString(),
                                designFont(verdana, 9.75), 120, 5130, 2680, 390);
    m_lblKohaMbetur->setFont(designFont(verdana, 8.25, false));
    m_lblBajrami = makeLabel(this, QStringLiteral("LblBajrami"), QString(),
                             designFont(verdana, 9.75, true), 120, 1500, 2200, 240);
    setTextColour(m_lblBajrami, darkRed);
    m_lblBajrami->setAccessibleDescription(QStringLiteral("Namazi i Bajramit"));
    // Between the dates and the clock.
    m_lblOraEVendit = makeLabel(this, QStringLiteral("LblOraEVendit"), QString(),
                                designFont(verdana, 9.75), 285, 720, 2000, 240);
    m_lblOraEVendit->setAccessibleDescription(QStringLiteral("Ora e vendit"));

    auto *strip = m_playerStrip ? new PlayerStrip(*m_playerStrip, this) : nullptr;
    m_playerArea = strip ? static_cast<QWidget *>(strip) : new QWidget(this);
    if (strip) {
        connect(strip, &PlayerStrip::volumeChosen, this, [this](int volume) {
            m_settings.volume = volume;
            m_settingsStore.saveVolume(volume); // a failure keeps the volume for this run
        });
        connect(m_playerStrip, &QtMediaPlayer::playStateChanged, this, [this] { followPlayer(); });
    }
    m_playerArea->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    Twips::place(m_playerArea, 0, 5520, 7095, 675);

    connect(m_cmdDalje, &QPushButton::clicked, this, [this] { CmdDalje_Click(); });
    connect(m_cmdDitelindja, &QPushButton::clicked, this, [this] { openModal(m_openBirthday); });
    connect(m_cmdQyteti, &QPushButton::clicked, this, [this] { openModal(m_openCity); });
    connect(m_cmdRrethProgramit, &QPushButton::clicked, this, [this] { openModal(m_openAbout); });
    connect(m_cmdTakvimi, &QPushButton::clicked, this, [this] { openModal(m_openTimetable); });
    connect(m_cmdCilesimet, &QPushButton::clicked, this, [this] { openModal(m_openSettings); });
    connect(m_cmdDitetEShenjta, &QPushButton::clicked, this, [this] { openModal(m_openHolyDays); });

    m_mnuPopup = new QMenu(QStringLiteral("Menuja Popup"), this);
    m_mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    // Some hosts (GNOME's AppIndicator extension) show no tip: the menu's
    // first line, which cannot be chosen, tells the next prayer instead.
    m_mnuKohaMbetur = m_mnuPopup->addAction(QString());
    m_mnuKohaMbetur->setObjectName(QStringLiteral("mnuKohaMbetur"));
    m_mnuKohaMbetur->setEnabled(false);
    m_mnuKohaMbetur->setVisible(false);
    m_mnuPopup->addSeparator();
    m_mnuNdaloEzanin = m_mnuPopup->addAction(QStringLiteral("Ndalo ezanin"));
    m_mnuNdaloEzanin->setObjectName(QStringLiteral("mnuNdaloEzanin"));
    connect(m_mnuNdaloEzanin, &QAction::triggered, this, [this] { stopAdhan(); });
    m_mnuTakvimi = m_mnuPopup->addAction(QStringLiteral("Takvimi i muajit"));
    m_mnuTakvimi->setObjectName(QStringLiteral("mnuTakvimi"));
    connect(m_mnuTakvimi, &QAction::triggered, this, [this] { openModal(m_openTimetable); });
    m_mnuDitetEShenjta = m_mnuPopup->addAction(QStringLiteral("Ditët e shenjta"));
    m_mnuDitetEShenjta->setObjectName(QStringLiteral("mnuDitetEShenjta"));
    // Queued, so that a screen reader's press returns before the window's own loop runs.
    connect(
        m_mnuDitetEShenjta, &QAction::triggered, this, [this] { openModal(m_openHolyDays); },
        Qt::QueuedConnection);
    m_mnuCilesimet = m_mnuPopup->addAction(QStringLiteral("Cilësimet..."));
    m_mnuCilesimet->setObjectName(QStringLiteral("mnuCilesimet"));
    connect(m_mnuCilesimet, &QAction::triggered, this, [this] { openModal(m_openSettings); });
    connect(m_mnuPopup, &QMenu::aboutToShow, this, [this] {
        showNextPrayer(m_clock.now());
        followPlayer();
    });
    followPlayer();
    m_mnuDalje = m_mnuPopup->addAction(QStringLiteral("Dalje"));
    m_mnuDalje->setObjectName(QStringLiteral("mnuDalje"));
    connect(m_mnuDalje, &QAction::triggered, this, [this] { CmdDalje_Click(); });

    m_timer1 = new ClockTimer(
        m_clock, [this](const QDateTime &now) { return nextWake(now); },
        [this] { ErrorGuard::run([this] { Timer1_Timer(); }); }, this);
    m_timer1->start();
}

void FrmMain::setDefaultWindowOpeners()
{
    // Each opening builds the window afresh and shows it modal, with no owner.
    m_openBirthday = [this] {
        FrmDitelindja window(m_clock);
        LoadedWindows::mark(&window);
        window.exec();
    };
    m_openCity = [this] { openCityWindow(false); };
    m_openAbout = [] {
        FrmRrethProg window;
        LoadedWindows::mark(&window);
        window.exec();
    };
    m_openTimetable = [this] {
        FrmTakvimiMuajit window(m_connection, m_clock);
        LoadedWindows::mark(&window);
        window.exec();
    };
    m_openHolyDays = [this] {
        FrmDitetEShenjta window(m_clock);
        LoadedWindows::mark(&window);
        window.exec();
    };
    m_openSettings = [this] {
        FrmCilesimet window(m_settings);
        LoadedWindows::mark(&window);
        if (window.exec() != QDialog::Accepted)
            return;
        const UserSettings chosen = window.settings();
        applySettings(chosen);
        // Not kept: they hold for this run, and the user is told.
        if (const QString failure = m_settingsStore.save(chosen); !failure.isEmpty())
            tell(failure, true);
    };
}

void FrmMain::openCityWindow(bool search)
{
    FrmQytetet window(m_lblQyteti->text(), m_connection);
    LoadedWindows::mark(&window);
    connect(&window, &FrmQytetet::showMainWindowRequested, this, [this] { setVisible(true); });
    connect(&window, &FrmQytetet::timesChanged, this,
            [this] { ErrorGuard::run([this] { Form_Activate(); }); });
    if (search)
        QTimer::singleShot(0, &window, [&window] { window.CmdKerko_Click(); });
    window.exec();
}

void FrmMain::proposePlace()
{
    if (m_settings.placeProposed)
        return;
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    std::optional<PlaceOfZone::Proposal> proposal;
    try {
        proposal =
            PlaceOfZone::find(m_connection.database(), zone, [] { return WorldPlaces::load(); });
    } catch (const KolviraError &) {
        return; // no world's places to look in: nothing to propose, the next start looks again
    }
    m_settings.placeProposed = true;
    m_settingsStore.savePlaceProposed(); // a failure only proposes it again next start
    if (!proposal)
        return;
    FrmVendiJuaj window(proposal->name, QString::fromUtf8(zone), this);
    LoadedWindows::mark(&window);
    const int answer = window.exec();
    if (answer == FrmVendiJuaj::KerkoTjeter)
        return openModal([this] { openCityWindow(true); });
    if (answer != FrmVendiJuaj::Zgjidhe)
        return;
    // As the city window stores a choice from its search.
    ErrorGuard::run([&] {
        try {
            CityStore store(m_connection);
            if (const WorldPlace *place = proposal->world ? &*proposal->world : nullptr)
                store.addPlace(place->name,
                               {place->latitude, place->longitude, place->timeZone,
                                place->countryCode,
                                PlaceMethodFields::methodChoices().first().first, QString(), 1});
            else
                store.store(*proposal->cityKey);
        } catch (const CityStore::NotStored &refusal) {
            tell(refusal.message(), true);
        }
        if (isVisible())
            Form_Activate();
    });
}

void FrmMain::setNotifier(Notifier &notifier)
{
    m_notifier = &notifier;
    m_notifier->setStopChosen([this] { stopAdhan(); });
}

void FrmMain::applySettings(const UserSettings &settings)
{
    m_settings = settings;
    m_scheduler->setSettings(settings);
    m_scheduler->setRecordings(Recordings::dawn(settings.dawnRecording),
                               Recordings::daily(settings.dailyRecording), Recordings::alert());
    HijriCalendar::setAdjustmentDays(settings.hijriAdjustment);
    m_scheduler->refreshDateTexts();
    m_nextShownAt = -1;
    if (m_playerStrip) {
        m_playerStrip->setVolume(settings.volume);
        m_playerStrip->setFadeIn(settings.fadeIn);
    }
    if (isVisible())
        Timer1_Timer(); // the Hijri date shown anew
    if (m_timer1->isActive())
        m_timer1->start(); // the reminders may wake it at other minutes
}

void FrmMain::tellHowToChooseAdhan()
{
    // Said once ever at start, in a notice and never a window, when no
    // recording is there.
    if (m_settings.chooseAdhanTold ||
        Recordings::exists(Recordings::dawn(m_settings.dawnRecording)) ||
        Recordings::exists(Recordings::daily(m_settings.dailyRecording)))
        return;
    QTimer::singleShot(0, this, [this] {
        if (!tell(PrayerTexts::chooseAdhan(false), false, Hint::Yes))
            return; // no service, no icon yet: the next start tries again
        m_settings.chooseAdhanTold = true;
        m_settingsStore.saveChooseAdhanTold(); // a failure only tells it again next start
    });
}

void FrmMain::stopAdhan()
{
    m_player->stop();
    followPlayer();
}

void FrmMain::followPlayer()
{
    m_mnuNdaloEzanin->setEnabled(m_player->playState() == MediaPlayer::playing);
}

QDateTime FrmMain::nextWake(const QDateTime &now) const
{
    const QDateTime event = m_scheduler->nextEvent(now);
    if (!trayIconData().icon)
        return event;
    // The icon's tip counts the minutes left.
    const QTime time = now.time();
    return std::min(event, now.addMSecs(60'000 - time.second() * 1000 - time.msec()));
}

void FrmMain::trayIconAdded()
{
    m_nextShownAt = -1;
    showNextPrayer(m_clock.now());
    if (m_timer1->isActive())
        m_timer1->start(); // now woken at each minute for the tip
}

void FrmMain::setWindowOpeners(std::function<void()> birthday, std::function<void()> city,
                               std::function<void()> about)
{
    m_openBirthday = std::move(birthday);
    m_openCity = std::move(city);
    m_openAbout = std::move(about);
}

void FrmMain::openModal(const std::function<void()> &opener)
{
    if (!opener)
        return;
    ErrorGuard::run([&] {
        opener();
        // Control comes back to this window: it is active again.
        if (isVisible())
            Form_Activate();
    });
}

void FrmMain::Form_Activate()
{
    // The selected place's clock; a file without its calendar keeps the computer's.
    QString zone;
    try {
        const QSqlDatabase db = m_connection.database();
        zone = CityRows::ofSelected(db).timeZone(db);
    } catch (const DatabaseError &) {
    }
    if (zone.toUtf8() != m_clock.zone().id()) {
        m_clock.setZone(zone.toUtf8());
        m_nextShownAt = -1;
    }
    m_lblQyteti->setText(
        Module1::QueryFirstValue(QStringLiteral("Select Qyteti from Qytetet where ESelektuar=true"),
                                 m_connection)
            .toText());
    m_lblMinuta->setText(
        Module1::QueryFirstValue(QStringLiteral("Select Minuta from Qytetet where ESelektuar=true"),
                                 m_connection)
            .toText());
    // The offset stands 100 twips after the end of the city name.
    const float left = float(Twips::fromPixels(m_lblQyteti->x())) +
                       float(Twips::fromPixels(m_lblQyteti->width())) + 100.0f;
    m_lblMinuta->move(Twips::toPixels(left), m_lblMinuta->y());
    m_scheduler->setOffsetText(m_lblMinuta->text());
    m_onTakvim = BajramPrayer::selectedCityOnTakvim(m_connection);
    MerriKoheratEFaljes(m_scheduler->dayInEffect(m_clock.now()));
    if (!m_timer1->isActive())
        m_timer1->start();
}

void FrmMain::MerriKoheratEFaljes(const QDate &day)
{
    const DayTimes::Texts times = m_calendarYear->timesOf(day);
    showTimes(day, times);
    m_scheduler->setTimes(day, times);
    m_nextShownAt = -1;
}

void FrmMain::showTimes(const QDate &day, const DayTimes::Texts &times)
{
    const std::array<bool, DayTimes::count> estimated = m_calendarYear->estimated(day);
    for (std::size_t i = 0; i < std::size_t(DayTimes::count); ++i) {
        AutoSizeLabel *label = m_lblKohaENamazit[i];
        // A small mark fits the gap before the time without covering its caption.
        label->setTextFormat(estimated[i] ? Qt::RichText : Qt::PlainText);
        label->setText(estimated[i]
                           ? QStringLiteral("<span style=\"font-size:8pt; font-weight:normal\">≈"
                                            "</span>%1")
                                 .arg(times[i])
                           : times[i]);
        label->setAccessibleDescription(
            estimated[i]
                ? QStringLiteral("%1, %2").arg(m_timeCaptions[i], m_calendarYear->estimateNote())
                : m_timeCaptions[i]);
    }
}

void FrmMain::Form_Load()
{
    // The player holds the daily recording and stays silent.
    m_player->setURL(Recordings::daily(m_settings.dailyRecording));
    m_player->stop();
}

void FrmMain::Timer1_Timer()
{
    const AdhanScheduler::Tick tick = m_scheduler->tick(m_clock.now());
    m_lblKoha->setText(tick.clockText);
    m_lblDataGregoriane->setText(tick.gregorianDate);
    m_lblDataHixhri->setText(tick.hijriDate);
    if (tick.timesReloaded) {
        showTimes(m_scheduler->dayInEffect(m_clock.now()), m_scheduler->times());
        m_nextShownAt = -1;
    }
    if (tick.start != AdhanScheduler::Start::None) {
        setVisible(true);
        announceAdhan(tick.prayerIndex);
        if (tick.alertOnly && !m_chooseAdhanToldAtAdhan) {
            m_chooseAdhanToldAtAdhan = true;
            tell(PrayerTexts::chooseAdhan(true));
        }
    }
    tellNotices(tick);
    showNextPrayer(m_clock.now());
    followPlayer();
}

void FrmMain::tellNotices(const AdhanScheduler::Tick &tick)
{
    const QDate day = m_scheduler->timesDay(); // the day in effect, Xhumaja's on a Friday
    if (const int i = tick.reminderIndex; i >= 0)
        tell(PrayerTexts::reminder(PrayerNames::onDay(i, day), m_settings.reminderBefore(i, day),
                                   m_scheduler->momentText(i)));
    if (const int i = tick.noticeIndex; i >= 0)
        tell(PrayerTexts::timeCame(PrayerNames::onDay(i, day), m_scheduler->momentText(i)));
    if (const int i = tick.missedIndex; i >= 0)
        tell(PrayerTexts::timeCame(PrayerNames::onDay(i, day), tick.missedTime));
    if (!tick.holyNotice.isEmpty())
        tell(tick.holyNotice);
}

void FrmMain::showPlaceClock(const QDateTime &now)
{
    m_computerOffset = now.toLocalTime().offsetFromUtc();
    m_lblOraEVendit->setText(m_computerOffset == now.offsetFromUtc()
                                 ? QString()
                                 : placeClockCaption(m_lblQyteti->text()) + QStringLiteral(": ") +
                                       now.toString(QStringLiteral("HH:mm")));
}

void FrmMain::showNextPrayer(const QDateTime &now)
{
    // The minutes left change only with the minute, or the computer's zone;
    // the clock ticks each second.
    const qint64 minute = now.toSecsSinceEpoch() / 60;
    if (minute == m_nextShownAt && now.toLocalTime().offsetFromUtc() == m_computerOffset)
        return;
    m_nextShownAt = minute;
    showPlaceClock(now);
    const AdhanScheduler::Upcoming next = m_scheduler->nextPrayer(now);
    QString line;
    int row = -1;
    if (next.index >= 0) {
        const qint64 minutesLeft = (now.msecsTo(next.moment) + 59'999) / 60'000;
        line = PrayerTexts::nextLine(PrayerNames::onDay(next.index, next.day), next.ramadan,
                                     next.moment.toString(QStringLiteral("HH:mm")), minutesLeft);
        if (next.day == m_scheduler->timesDay()) // the rows show that day
            row = next.index;
    }
    const QString bajram = BajramPrayer::timeText(
        m_scheduler->timesDay(), m_scheduler->times()[2],
        AdhanScheduler::offsetMinutes(m_lblMinuta->text()).value_or(0), m_onTakvim);
    m_lblBajrami->setText(bajram.isEmpty() ? QString()
                                           : QStringLiteral("Namazi i Bajramit: ") + bajram);

    QStringList tip{windowTitle()};
    for (const QString &part : {line, m_lblBajrami->text(), m_lblDataHixhri->text()})
        if (!part.isEmpty())
            tip << part;
    TrayIconData &tray = trayIconData();
    tray.tip = tip.join(QLatin1Char('\n'));
    if (tray.icon && tray.icon->toolTip() != tray.tip)
        tray.icon->setToolTip(tray.tip);
    if (m_mnuKohaMbetur->text() != line) {
        m_mnuKohaMbetur->setText(line);
        m_mnuKohaMbetur->setVisible(!line.isEmpty());
    }
    // The line shows what the icon's tip says and tells all of it on hovering, as a
    // screen reader does (the tip is the label's description).
    m_lblKohaMbetur->setText(line.replace(QStringLiteral(" — "), QStringLiteral("\n")));
    m_lblKohaMbetur->setToolTip(tray.tip);

    if (row != m_nextRow) {
        if (m_nextRow >= 0)
            setTextColour(m_lblKohaENamazit[std::size_t(m_nextRow)], Qt::black);
        if (row >= 0)
            setTextColour(m_lblKohaENamazit[std::size_t(row)], darkRed);
        m_nextRow = row;
    }
}

bool FrmMain::tell(const QString &text, bool warning, Hint hint)
{
    if (m_notifier->notify({QStringLiteral("Kolvira"), text}))
        return true;
    if (trayIconData().icon) {
        m_balloons->add({text, warning});
        return true;
    }
    if (hint == Hint::Yes)
        return false;
    auto *box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                                QStringLiteral("Kolvira"), text, QMessageBox::NoButton, this);
    box->addButton(QStringLiteral("Në rregull"), QMessageBox::AcceptRole);
    box->setObjectName(QStringLiteral("MsgNjoftimi"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return true;
}

void FrmMain::announceAdhan(int timeIndex)
{
    // Also told as a notice, so the adhan is noticed when the sound fails (a
    // missing recording is not detected by the player); the window comes
    // forward anyway, so without a service only the icon's balloon tells it.
    // The row's caption, "Xhumaja" on a Friday.
    const QString caption = QString::fromUtf8(
        PrayerNames::of(PrayerNames::onDay(timeIndex, m_scheduler->timesDay())).label);
    const QString text =
        QStringLiteral("Ezani: %1, %2").arg(caption, m_scheduler->momentText(timeIndex));
    if (m_notifier->notify({QStringLiteral("Kolvira"), text, true}))
        return;
    if (trayIconData().icon)
        m_balloons->add({text});
}

void FrmMain::showBalloon(const NoticeQueue::Notice &notice)
{
    QSystemTrayIcon *tray = trayIconData().icon;
    if (!tray)
        return;
    // One balloon at a time: a new one would take the place of the one showing.
    connect(tray, &QSystemTrayIcon::messageClicked, m_balloons, &NoticeQueue::seen,
            Qt::UniqueConnection);
    tray->showMessage(QStringLiteral("Kolvira"), notice.text,
                      notice.warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                      60 * 1000);
}

void FrmMain::CmdDalje_Click()
{
    RemoveTrayIcon();
    m_endProgram();
}

void FrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ErrorGuard::run([this] {
        Form_Activate();
        Timer1_Timer(); // the clock and dates are current the moment they show
    });
    followVisibility();
}

void FrmMain::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    followVisibility();
}

void FrmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
}

void FrmMain::followVisibility()
{
    // The seconds are worth waking for only while someone can see them.
    const bool seen = isVisible() && !isMinimized();
    m_timer1->setEverySecond(seen);
    // Qt's cache of painted pixmaps runs a timer every 10 to 30 seconds for
    // as long as it holds one; hidden, nothing needs them.
    if (!seen)
        QPixmapCache::clear();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; the program lives on in the notification
    // area. Without one there would be no way back, so minimise instead.
    event->ignore();
    if (TrayHostAvailable())
        hide();
    else
        showMinimized();
}
