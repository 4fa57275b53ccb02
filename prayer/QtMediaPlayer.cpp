#include "prayer/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int startDelayMs = 200;
}

QtMediaPlayer::QtMediaPlayer(QObject *parent) : QObject(parent) {}

QtMediaPlayer::~QtMediaPlayer() = default;

QMediaPlayer &QtMediaPlayer::media()
{
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_audio = new QAudioOutput(this);
        m_audio->setVolume(float(m_volume) / 100.0f);
        m_player->setAudioOutput(m_audio);
        connect(m_player, &QMediaPlayer::playbackStateChanged, this,
                [this] { Q_EMIT playStateChanged(playState()); });
        connect(m_player, &QMediaPlayer::durationChanged, this, &QtMediaPlayer::durationChanged);
        connect(m_player, &QMediaPlayer::positionChanged, this, &QtMediaPlayer::positionChanged);
        // A file that cannot be played must not look as if it still plays:
        // that would hold back every later adhan.
        connect(m_player, &QMediaPlayer::errorOccurred, this, [this] { m_player->stop(); });
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus s) {
                    if (s == QMediaPlayer::InvalidMedia)
                        m_player->stop();
                });
    }
    return *m_player;
}

void QtMediaPlayer::setURL(const QString &path)
{
    m_url = path;
    m_sourceLoaded = false;
    if (m_player)
        m_player->stop();
    // Playback starts by itself a moment later, unless it is stopped before:
    // building the media pipeline the first time holds the event loop for a
    // while, and the window that the adhan brings forward paints first.
    m_startPending = true;
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
    QMediaPlayer &player = media();
    if (!m_sourceLoaded) {
        player.setSource(QUrl()); // the same file again must load afresh
        player.setSource(QUrl::fromLocalFile(m_url));
        m_sourceLoaded = true;
    }
    player.play();
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
        m_player->stop();
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
    m_volume = qBound(0, volume, 100);
    if (m_audio)
        m_audio->setVolume(float(m_volume) / 100.0f);
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
