#pragma once

#include "prayer/MediaPlayer.h"

#include <QObject>
#include <functional>

class QAudioOutput;
class QMediaPlayer;
class QTimer;

// The adhan player over Qt Multimedia: volume 50 of 100, plays a file once,
// never shows an error dialog (a file it cannot play just leaves it stopped).
//
// The media pipeline exists only around a recording: built when one is
// prepared or played, torn down when it stops, ends or fails, or when a
// prepared one is not played soon. Setting a source and stopping it at once,
// as the main window does at start, builds nothing, so the program starts
// fast, stays small and holds no sound device while it waits. A paused
// pipeline is torn down too when the wall clock jumps.
class QtMediaPlayer : public QObject, public MediaPlayer
{
    Q_OBJECT

public:
    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void setURL(const QString &path) override;
    QString URL() const override { return m_url; }
    void stop() override;
    void prepare(const QString &path) override;
    // 1 stopped, 2 paused, 3 playing (a start about to begin counts as playing).
    int playState() const override;
    QString status() const override;

    // For the control strip.
    void play();
    void pause();
    void setPosition(qint64 ms);
    int volume() const { return m_volume; }
    void setVolume(int volume);
    // Finds out whether the installed media framework plays the file: done
    // runs once, later, with the answer (false also when it takes too long).
    static void checkPlayable(const QString &path, QObject *context,
                              std::function<void(bool)> done);
    // The recording rises from silence to the volume over its first seconds.
    void setFadeIn(bool fadeIn) { m_fadeIn = fadeIn; }

Q_SIGNALS:
    void playStateChanged(int state);
    void volumeChanged(int volume);
    void durationChanged(qint64 ms);
    void positionChanged(qint64 ms);

private:
    QMediaPlayer &media();
    void load(const QString &path);
    void release();
    void startPending();
    void applyVolume();
    // Whether the pipeline is paused and the wall clock jumped since it played.
    bool clockJumped() const;

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QString m_url;
    QString m_loadedUrl;    // what the pipeline holds
    QTimer *m_keepPrepared; // lets go of a preparation not played soon
    bool m_startPending = false;
    int m_volume = 50;
    bool m_fadeIn = false;
    QTimer *m_fade = nullptr; // runs only while a start fades in
    int m_fadeStep = 0;       // of fadeSteps
    QTimer *m_clockCheck;     // runs while a pipeline is paused
    qint64 m_playedWallLeadMs = 0;
};
