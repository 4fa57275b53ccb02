#include "ui/PlayerStrip.h"

#include "prayer/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QMediaPlayer>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

PlayerStrip::PlayerStrip(QtMediaPlayer &player, QWidget *parent)
    : QWidget(parent), m_player(player), m_playPause(new QToolButton(this)),
      m_stop(new QToolButton(this)), m_position(new QSlider(Qt::Horizontal, this)),
      m_volume(new QSlider(Qt::Horizontal, this))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(40, 40, 40));
    setPalette(pal);

    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_playPause->setToolTip(QStringLiteral("Luaj / Pusho"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setToolTip(QStringLiteral("Ndalo"));
    m_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_position->setObjectName(QStringLiteral("position"));
    m_position->setToolTip(QStringLiteral("Pozicioni"));
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setToolTip(QStringLiteral("Volumi"));
    m_volume->setRange(0, 100);
    m_volume->setValue(qRound(player.audioOutput()->volume() * 100));
    m_volume->setFixedWidth(80);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_playPause);
    layout->addWidget(m_stop);
    layout->addWidget(m_position, 1);
    layout->addWidget(m_volume);

    QMediaPlayer *media = player.player();
    connect(m_playPause, &QToolButton::clicked, this, [media] {
        if (media->playbackState() == QMediaPlayer::PlayingState)
            media->pause();
        else
            media->play();
    });
    connect(m_stop, &QToolButton::clicked, media, &QMediaPlayer::stop);
    connect(media, &QMediaPlayer::durationChanged, m_position,
            [this](qint64 ms) { m_position->setRange(0, int(ms / 100)); });
    connect(media, &QMediaPlayer::positionChanged, m_position, [this](qint64 ms) {
        if (!m_position->isSliderDown())
            m_position->setValue(int(ms / 100));
    });
    connect(m_position, &QSlider::sliderMoved, media,
            [media](int value) { media->setPosition(qint64(value) * 100); });
    connect(m_volume, &QSlider::valueChanged, player.audioOutput(),
            [&player](int value) { player.audioOutput()->setVolume(float(value) / 100.0f); });
    connect(media, &QMediaPlayer::playbackStateChanged, this, &PlayerStrip::updateButtons);
    updateButtons();
}

void PlayerStrip::updateButtons()
{
    const bool playing = m_player.player()->playbackState() == QMediaPlayer::PlayingState;
    m_playPause->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}
