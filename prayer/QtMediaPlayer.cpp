#include "prayer/QtMediaPlayer.h"

#include "calendar/Clock.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int startDelayMs = 200;
// A prepared recording waits this long for its adhan minute to come.
constexpr int keepPreparedMs = 150'000;
// The fade-in: five seconds in steps of a tenth.
constexpr int fadeSteps = 50;
constexpr int fadeStepMs = 100;
// How often a paused pipeline looks whether the wall clock jumped, and
// by how much it must have moved against the steady clock.
constexpr int clockCheckMs = 1000;
constexpr qint64 clockJumpMs = 2000;

// The wall clock's lead over the steady clock: it changes only when the wall
// clock is set or jumps (a machine woken from sleep).
qint64 wallLeadMs()
{
    const Clock &clock = Clock::system();
    return clock.now().toMSecsSinceEpoch() - clock.monotonicMs();
}
} // namespace

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : QObject(parent), m_keepPrepared(new QTimer(this)), m_fade(new QTimer(this)),
      m_clockCheck(new QTimer(this))
{
    // The sound server's stream times its samples partly by the wall clock, so
    // a stream kept paused while that clock jumps plays nothing when it
    // resumes: its sink drops every sample as hours late. Such a pipeline is
    // let go, and the next adhan builds a fresh one in time.
    m_clockCheck->setObjectName(QStringLiteral("clockCheck"));
    m_clockCheck->setInterval(clockCheckMs);
    connect(m_clockCheck, &QTimer::timeout, this, [this] {
        if (clockJumped())
            release();
    });
    m_fade->setObjectName(QStringLiteral("fadeIn"));
    m_fade->setInterval(fadeStepMs);
    connect(m_fade, &QTimer::timeout, this, [this] {
        if (++m_fadeStep >= fadeSteps)
            m_fade->stop();
        applyVolume();
    });
    m_keepPrepared->setObjectName(QStringLiteral("keepPrepared"));
    m_keepPrepared->setSingleShot(true);
    m_keepPrepared->setInterval(keepPreparedMs);
    // A preparation that became the playing adhan is not let go.
    connect(m_keepPrepared, &QTimer::timeout, this, [this] {
        if (playState() == 1)
            release();
    });
}

QtMediaPlayer::~QtMediaPlayer() = default;

QMediaPlayer &QtMediaPlayer::media()
{
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_audio = new QAudioOutput(this);
        applyVolume();
        m_player->setAudioOutput(m_audio);
        connect(m_player, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState state) {
                    if (state == QMediaPlayer::PlayingState)
                        m_playedWallLeadMs = wallLeadMs();
                    if (state == QMediaPlayer::PausedState)
                        m_clockCheck->start();
                    else
                        m_clockCheck->stop();
                    Q_EMIT playStateChanged(playState());
                    // Ended or stopped, and nothing about to start: let go of the device.
                    if (state == QMediaPlayer::StoppedState && !m_startPending)
                        release();
                });
        connect(m_player, &QMediaPlayer::durationChanged, this, &QtMediaPlayer::durationChanged);
        connect(m_player, &QMediaPlayer::positionChanged, this, &QtMediaPlayer::positionChanged);
        // A file that cannot be played must not look as if it still plays:
        // that would hold back every later adhan.
        connect(m_player, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::release);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus s) {
                    if (s == QMediaPlayer::InvalidMedia)
                        release();
                });
    }
    return *m_player;
}

void QtMediaPlayer::release()
{
    if (!m_player)
        return;
    // Called from the pipeline's own signals, so it goes when they return.
    m_player->disconnect(this);
    m_player->stop();
    m_player->deleteLater();
    m_audio->deleteLater();
    m_fade->stop();
    m_clockCheck->stop();
    m_player = nullptr;
    m_audio = nullptr;
    m_loadedUrl.clear();
    Q_EMIT playStateChanged(playState());
}

bool QtMediaPlayer::clockJumped() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PausedState &&
           qAbs(wallLeadMs() - m_playedWallLeadMs) > clockJumpMs;
}

void QtMediaPlayer::load(const QString &path)
{
    QMediaPlayer &player = media();
    if (m_loadedUrl == path)
        return;
    player.setSource(QUrl::fromLocalFile(path));
    m_loadedUrl = path;
}

void QtMediaPlayer::prepare(const QString &path)
{
    if (path.isEmpty() || playState() != 1)
        return; // a recording that plays or is paused stays as it is
    // The pipeline only: building it is what holds the window still; a
    // source loaded a minute early was not heard when it came to play.
    media();
    m_keepPrepared->start();
}

void QtMediaPlayer::setURL(const QString &path)
{
    m_url = path;
    // Playback starts by itself a moment later, unless it is stopped before,
    // so the window that the adhan brings forward paints first.
    m_startPending = true;
    if (clockJumped())
        release();
    else if (m_player && m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop(); // the same recording starts again from its beginning
    QTimer::singleShot(startDelayMs, this, &QtMediaPlayer::startPending);
    Q_EMIT playStateChanged(playState());
}

void QtMediaPlayer::startPending()
{
    if (m_startPending)
        play();
}

void QtMediaPlayer::play()
{
    m_startPending = false;
    if (m_url.isEmpty())
        return;
    if (clockJumped())
        release(); // a paused adhan resumes from its beginning on a fresh pipeline
    load(m_url);
    if (m_fadeIn && m_player->playbackState() == QMediaPlayer::StoppedState) {
        m_fadeStep = 0;
        m_fade->start();
        applyVolume();
    }
    m_player->play();
}

void QtMediaPlayer::pause()
{
    m_startPending = false;
    if (m_player)
        m_player->pause();
}

void QtMediaPlayer::stop()
{
    const bool wasPending = m_startPending;
    m_startPending = false;
    if (m_player)
        release();
    else if (wasPending)
        Q_EMIT playStateChanged(playState());
}

void QtMediaPlayer::setPosition(qint64 ms)
{
    if (m_player)
        m_player->setPosition(ms);
}

void QtMediaPlayer::setVolume(int volume)
{
    const int bounded = qBound(0, volume, 100);
    if (bounded == m_volume)
        return;
    m_volume = bounded;
    applyVolume();
    Q_EMIT volumeChanged(m_volume);
}

void QtMediaPlayer::applyVolume()
{
    const float fade = m_fade->isActive() ? float(m_fadeStep) / float(fadeSteps) : 1.0f;
    if (m_audio)
        m_audio->setVolume(fade * float(m_volume) / 100.0f);
}

void QtMediaPlayer::checkPlayable(const QString &path, QObject *context,
                                  std::function<void(bool)> done)
{
    auto *probe = new QMediaPlayer(context);
    auto *limit = new QTimer(probe);
    const auto answer = [probe, limit, done = std::move(done)](bool playable) {
        limit->stop();
        probe->disconnect();
        probe->deleteLater();
        done(playable);
    };
    connect(probe, &QMediaPlayer::mediaStatusChanged, probe,
            [answer](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)
                    answer(true);
                else if (status == QMediaPlayer::InvalidMedia)
                    answer(false);
            });
    connect(probe, &QMediaPlayer::errorOccurred, probe, [answer] { answer(false); });
    connect(limit, &QTimer::timeout, probe, [answer] { answer(false); });
    limit->start(15'000);
    probe->setSource(QUrl::fromLocalFile(path));
}

int QtMediaPlayer::playState() const
{
    if (m_startPending)
        return playing;
    if (!m_player)
        return 1;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return playing;
    case QMediaPlayer::PausedState:
        return 2;
    case QMediaPlayer::StoppedState:
        break;
    }
    return 1;
}

QString QtMediaPlayer::status() const
{
    if (m_startPending)
        return QStringLiteral("Opening '%1'").arg(QFileInfo(m_url).fileName());
    if (!m_player)
        return QStringLiteral("Stopped");
    if (m_player->error() != QMediaPlayer::NoError)
        return QStringLiteral("Error: ") + m_player->errorString();
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return QStringLiteral("Playing '%1'").arg(QFileInfo(m_url).fileName());
    case QMediaPlayer::PausedState:
        return QStringLiteral("Paused");
    case QMediaPlayer::StoppedState:
        break;
    }
    return QStringLiteral("Stopped");
}
