#pragma once

#include <QString>

namespace kelvaro {

/// A player of one sound file: the lesson recording or word recordings.
/// A missing file is silent; openError() tells why.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;
    virtual void setFile(const QString& path) = 0;
    virtual QString file() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    /// What has been heard so far, in seconds from the start of the file.
    virtual double position() const = 0;
    virtual void setPosition(double seconds) = 0;
    virtual void setVolume(int volume) = 0; ///< 0..100
    virtual bool isPlaying() const = 0;
    /// The lesson player emits nothing past this time (seconds); negative: no fence.
    virtual void setEndFence(double seconds) { (void)seconds; }
    /// The lesson player plays slower or faster at the same pitch from its next start on (1:
    /// as recorded); its position still runs over the recording's own times.
    virtual void setSpeed(double speed) { (void)speed; }
    /// Why the last setFile() left the player silent (a missing or undecodable file); empty
    /// when it opened.
    virtual QString openError() const { return {}; }
};

} // namespace kelvaro
