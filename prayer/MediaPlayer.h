#pragma once

#include <QString>

// What the adhan needs of a player: setting the source starts playback by
// itself, replacing what played before; stop ends it; the play state is 3
// while playing; the status text contains "Playing" while playing. Prepare
// gets a recording ready to start at once, silently, shortly before it plays.
class MediaPlayer
{
public:
    static constexpr int playing = 3;

    virtual ~MediaPlayer() = default;
    virtual void setURL(const QString &path) = 0;
    virtual QString URL() const = 0;
    virtual void stop() = 0;
    virtual void prepare(const QString &path) = 0;
    virtual int playState() const = 0;
    virtual QString status() const = 0;
};
