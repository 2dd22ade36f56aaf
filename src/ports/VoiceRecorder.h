#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace kelvaro {

/// The read-after recorder: one take from the default microphone, kept in memory and played
/// back from its start or from any point. The file it is opened on is never written. Failures are
/// silent; a missing microphone is told by microphoneAvailable().
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
    /// Plays the take from seconds into it.
    virtual void playFrom(double seconds) = 0;
    /// Seconds into the take being heard; -1 when it is not playing.
    virtual double playbackPosition() const = 0;
    /// The take as 16 kHz mono 16-bit samples; empty when there is none.
    virtual std::vector<short> take() const = 0;
    /// The take's length in seconds; 0 when there is none.
    virtual double takeSeconds() const = 0;
    /// Whether there is a microphone to record from.
    virtual bool microphoneAvailable() const { return true; }
    /// Calls handler whenever the system's audio inputs change (a microphone plugged in or
    /// pulled out); microphoneAvailable() tells what is there then. A port that cannot watch
    /// never calls it.
    virtual void setInputsChangedHandler(std::function<void()> handler) { (void)handler; }
};

} // namespace kelvaro
