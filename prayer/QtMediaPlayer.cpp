#include "prayer/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : QObject(parent), m_player(new QMediaPlayer(this)), m_audio(new QAudioOutput(this))
{
    m_audio->setVolume(0.5f);
    m_player->setAudioOutput(m_audio);
}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::setURL(const QString &path)
{
    m_url = path;
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtMediaPlayer::stop()
{
    m_player->stop();
}

int QtMediaPlayer::playState() const
{
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
