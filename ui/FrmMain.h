#pragma once

#include "calendar/ClockInZone.h"
#include "prayer/AdhanScheduler.h"
#include "prayer/NoticeQueue.h"
#include "prayer/UserSettings.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class AdhanScheduler;
class AutoSizeLabel;
class CalendarYear;
class MediaPlayer;
class Notifier;
class CalendarConnection;
class Clock;
class ClockTimer;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QtMediaPlayer;

// The main window: dates, clock, the selected city with its offset, the
// day's seven times, the buttons and the adhan player. The city and time
// labels are the only copy of that state; the clock reads them back.
class FrmMain : public QWidget
{
    Q_OBJECT

public:
    // Without a player of its own the window plays through Qt Multimedia and
    // shows the player's control strip.
    FrmMain(CalendarConnection &connection, const Clock &clock, MediaPlayer *player = nullptr,
            QWidget *parent = nullptr);
    ~FrmMain() override;

    // Runs whenever the window becomes active again: reads the selected city
    // and its offset, loads the day's times, keeps the timer running.
    void Form_Activate();
    // Loads the seven times of the given day into the time labels.
    void MerriKoheratEFaljes(const QDate &day);
    // The day's times in their labels, a rule's estimates marked "≈".
    void showTimes(const QDate &day, const DayTimes::Texts &times);
    // One tick of the clock: clock and date texts, the adhan. The timer runs
    // it at each second while the window shows, else only when it has work.
    void Timer1_Timer();
    const AdhanScheduler &scheduler() const { return *m_scheduler; }
    // The rows of the year in effect; start-up renews them before the first load.
    CalendarYear &calendarYear() { return *m_calendarYear; }
    // The exit command: removes the icon and ends the program at once.
    void CmdDalje_Click();

    QMenu *mnuPopup() const { return m_mnuPopup; }
    ClockTimer *timer() const { return m_timer1; }
    QAction *mnuDalje() const { return m_mnuDalje; }
    QAction *mnuKohaMbetur() const { return m_mnuKohaMbetur; }
    QAction *mnuTakvimi() const { return m_mnuTakvimi; }
    QAction *mnuNdaloEzanin() const { return m_mnuNdaloEzanin; }
    QAction *mnuCilesimet() const { return m_mnuCilesimet; }
    QAction *mnuDitetEShenjta() const { return m_mnuDitetEShenjta; }

    // Once ever, on the first start: proposes the place the computer's time
    // zone names ("Vendi juaj") when that zone is not the selected city's.
    void proposePlace();

    // The icon came after start (a late notification area): its tip and
    // menu line are kept current from now on.
    void trayIconAdded();

    // Where the notices go; by default the desktop's notification service.
    void setNotifier(Notifier &notifier);
    // Puts the settings to work at once: the adhans, the reminders, the
    // Hijri date, the volume. Storing them is the caller's.
    void applySettings(const UserSettings &settings);
    // Stops the adhan that plays, from the icon's menu or a notice's action.
    void stopAdhan();
    // Tells the user: the notification service, else the icon's balloon (after
    // those before it), else (unless it is no more than a hint) a message
    // window. False when untold.
    enum class Hint { No, Yes };
    bool tell(const QString &text, bool warning = false, Hint hint = Hint::No);

    // How the program ends on the exit command; tests record it instead.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }
    // What the three buttons open (each shows its window modal).
    void setWindowOpeners(std::function<void()> birthday, std::function<void()> city,
                          std::function<void()> about);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void setDefaultWindowOpeners();
    void announceAdhan(int timeIndex);
    void showBalloon(const NoticeQueue::Notice &notice);
    void tellHowToChooseAdhan();
    void tellNotices(const AdhanScheduler::Tick &tick);
    void showNextPrayer(const QDateTime &now);
    void followPlayer();
    QDateTime nextWake(const QDateTime &now) const;
    void followVisibility();
    void openModal(const std::function<void()> &opener);
    // The city window; with search, its place search open on it.
    void openCityWindow(bool search);

    void showPlaceClock(const QDateTime &now);

    CalendarConnection &m_connection;
    // The computer's clock told in the selected place's zone: the place's
    // times, dates and events follow it.
    ClockInZone m_clock;

    AutoSizeLabel *m_lblDataGregoriane = nullptr;
    AutoSizeLabel *m_lblDataHixhri = nullptr;
    AutoSizeLabel *m_lblKoha = nullptr;
    AutoSizeLabel *m_lblQyteti = nullptr;
    AutoSizeLabel *m_lblMinuta = nullptr;
    std::array<AutoSizeLabel *, 7> m_lblKohaENamazit{};
    std::array<QString, 7> m_timeCaptions; // what each time label is, for screen readers
    std::array<AutoSizeLabel *, 7> m_lblFusha{};
    QPushButton *m_cmdRrethProgramit = nullptr;
    QPushButton *m_cmdDitelindja = nullptr;
    QPushButton *m_cmdQyteti = nullptr;
    QPushButton *m_cmdDalje = nullptr;
    QPushButton *m_cmdTakvimi = nullptr;
    QPushButton *m_cmdCilesimet = nullptr;
    QPushButton *m_cmdDitetEShenjta = nullptr;
    AutoSizeLabel *m_lblKohaMbetur = nullptr; // the next prayer and the time left
    AutoSizeLabel *m_lblBajrami = nullptr;    // the Bajram prayer, on its days
    AutoSizeLabel *m_lblOraEVendit = nullptr; // the place's clock, when the computer's differs
    int m_computerOffset = 0;                 // from UTC, when the line was written
    int m_nextRow = -1;                       // the row that stands out
    qint64 m_nextShownAt = -1; // minute of the clock the line was written for; -1 to rewrite
    bool m_onTakvim = false;   // the city keeps the takvim of Kosovo
    QWidget *m_playerArea = nullptr;
    ClockTimer *m_timer1 = nullptr;
    MediaPlayer *m_player = nullptr;
    QtMediaPlayer *m_playerStrip = nullptr; // the real player, when the window has one
    std::unique_ptr<CalendarYear> m_calendarYear;
    std::unique_ptr<AdhanScheduler> m_scheduler;
    QMenu *m_mnuPopup = nullptr;
    QAction *m_mnuKohaMbetur = nullptr; // the next prayer: for hosts that show no tip
    QAction *m_mnuDalje = nullptr;
    QAction *m_mnuTakvimi = nullptr;
    QAction *m_mnuNdaloEzanin = nullptr;
    QAction *m_mnuCilesimet = nullptr;
    QAction *m_mnuDitetEShenjta = nullptr;
    Notifier *m_notifier = nullptr;
    NoticeQueue *m_balloons = nullptr; // the icon's, one at a time
    SettingsStore m_settingsStore;
    UserSettings m_settings;
    bool m_chooseAdhanToldAtAdhan = false; // this run

    std::function<void()> m_endProgram;
    std::function<void()> m_openBirthday;
    std::function<void()> m_openCity;
    std::function<void()> m_openAbout;
    std::function<void()> m_openTimetable;
    std::function<void()> m_openSettings;
    std::function<void()> m_openHolyDays;
};
