#pragma once

#include <QWidget>

class QtMediaPlayer;
class QSlider;
class QToolButton;

// The adhan player's control strip: play/pause, stop, position and volume.
class PlayerStrip : public QWidget
{
    Q_OBJECT

public:
    PlayerStrip(QtMediaPlayer &player, QWidget *parent);

Q_SIGNALS:
    // The user set the volume (a drag counts when let go).
    void volumeChosen(int volume);

private:
    void updateButtons();

    QtMediaPlayer &m_player;
    QToolButton *m_playPause;
    QToolButton *m_stop;
    QSlider *m_position;
    QSlider *m_volume;
};
