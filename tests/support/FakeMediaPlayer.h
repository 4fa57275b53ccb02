#pragma once

#include "prayer/MediaPlayer.h"

#include <QStringList>

// A player that records what was asked of it; the test decides whether it
// plays and what its status says.
class FakeMediaPlayer : public MediaPlayer
{
public:
    void setURL(const QString &path) override
    {
        url = path;
        started << path;
        playing = true;
    }
    QString URL() const override { return url; }
    void stop() override { playing = false; }
    void prepare(const QString &path) override { prepared << path; }
    int playState() const override { return playing ? MediaPlayer::playing : 1; }
    QString status() const override
    {
        if (!statusOverride.isNull())
            return statusOverride;
        return playing ? QStringLiteral("Playing 'x.mp3'") : QStringLiteral("Stopped");
    }

    QString url;
    QStringList started;
    QStringList prepared;
    bool playing = false;
    QString statusOverride; // when set, the status text regardless of playing
};
