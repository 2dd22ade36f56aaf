#pragma once

#include <QString>

namespace kelvaro {

/// The read-after recorder: one take from the default microphone, kept in memory and played
/// back from its start. The file it is opened on is never written. Failures are silent; a
/// missing microphone is told by microphoneAvailable().
class VoiceRecorder
{
public:
    virtual ~VoiceRecorder() = default;
    /// Opens the device on path; a new open discards the take held so far.
    virtual void open(const QString& path) = 0;
    virtual void close() = 0;
    virtual void record() = 0;
    virtual void stop() = 0;
    /// Plays the take from its start.
    virtual void playFromStart() = 0;
    /// Whether there is a microphone to record from.
    virtual bool microphoneAvailable() const { return true; }
};

/// Short feedback sounds (clicks, right and wrong); a new sound cuts off the one playing.
class SoundEffects
{
public:
    virtual ~SoundEffects() = default;
    /// Plays the wav file at path; a missing file gives the desktop's beep.
    virtual void play(const QString& path) = 0;
};

} // namespace kelvaro
