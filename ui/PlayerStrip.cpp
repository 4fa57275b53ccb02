#include "ui/PlayerStrip.h"

#include "prayer/QtMediaPlayer.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
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

    // The buttons show only icons: their names are what a screen reader says.
    setAccessibleName(QStringLiteral("Luajtësi i ezanit"));
    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setAccessibleName(QStringLiteral("Ndalo"));
    m_stop->setToolTip(m_stop->accessibleName());
    m_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_position->setObjectName(QStringLiteral("position"));
    m_position->setAccessibleName(QStringLiteral("Pozicioni"));
    m_position->setToolTip(m_position->accessibleName());
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setAccessibleName(QStringLiteral("Volumi"));
    m_volume->setToolTip(m_volume->accessibleName());
    m_volume->setRange(0, 100);
    m_volume->setValue(player.volume());
    m_volume->setFixedWidth(80);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_playPause);
    layout->addWidget(m_stop);
    layout->addWidget(m_position, 1);
    layout->addWidget(m_volume);

    connect(m_playPause, &QToolButton::clicked, this, [this] {
        if (m_player.playState() == MediaPlayer::playing)
            m_player.pause();
        else
            m_player.play();
    });
    connect(m_stop, &QToolButton::clicked, this, [this] { m_player.stop(); });
    connect(&player, &QtMediaPlayer::durationChanged, m_position,
            [this](qint64 ms) { m_position->setRange(0, int(ms / 100)); });
    connect(&player, &QtMediaPlayer::positionChanged, m_position, [this](qint64 ms) {
        if (!m_position->isSliderDown())
            m_position->setValue(int(ms / 100));
    });
    connect(m_position, &QSlider::sliderMoved, this,
            [this](int value) { m_player.setPosition(qint64(value) * 100); });
    connect(m_volume, &QSlider::valueChanged, this, [this](int value) {
        m_player.setVolume(value);
        if (!m_volume->isSliderDown())
            Q_EMIT volumeChosen(value);
    });
    // A drag is chosen when let go, not at every step.
    connect(m_volume, &QSlider::sliderReleased, this,
            [this] { Q_EMIT volumeChosen(m_volume->value()); });
    connect(&player, &QtMediaPlayer::playStateChanged, this, &PlayerStrip::updateButtons);
    // A volume set in the settings window moves the slider, without choosing it again.
    connect(&player, &QtMediaPlayer::volumeChanged, this, [this](int volume) {
        const QSignalBlocker quiet(m_volume);
        m_volume->setValue(volume);
    });
    updateButtons();
}

void PlayerStrip::updateButtons()
{
    const bool playing = m_player.playState() == MediaPlayer::playing;
    m_playPause->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    m_playPause->setAccessibleName(playing ? QStringLiteral("Pusho") : QStringLiteral("Luaj"));
    m_playPause->setToolTip(m_playPause->accessibleName());
}
