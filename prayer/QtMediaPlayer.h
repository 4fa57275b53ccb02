#pragma once

#include "prayer/MediaPlayer.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

// The adhan player over Qt Multimedia: volume 50 of 100, plays a file once,
// never shows an error dialog (a file it cannot play just leaves it stopped).
class QtMediaPlayer : public QObject, public MediaPlayer
{
    Q_OBJECT

public:
    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void setURL(const QString &path) override;
    QString URL() const override { return m_url; }
    void stop() override;
    // 1 stopped, 2 paused, 3 playing.
    int playState() const override;
    QString status() const override;

    QMediaPlayer *player() const { return m_player; }
    QAudioOutput *audioOutput() const { return m_audio; }

private:
    QMediaPlayer *m_player;
    QAudioOutput *m_audio;
    QString m_url;
};
