#pragma once

#include "AudioFormat.h"

namespace kelvaro {

/// What an output pulls its frames from.
class AudioSource
{
public:
    virtual ~AudioSource() = default;
    /// Writes up to frames frames of 16-bit interleaved PCM to out and returns how many.
    /// Fewer than asked means nothing more for now: the output asks again only after resume().
    /// Called on a thread of the output's own, or on the caller's from within start() and
    /// resume(): call those without holding a lock that readFrames() takes.
    virtual qint64 readFrames(qint16* out, qint64 frames) = 0;
};

/// A sound device (or its stand-in) that plays one stream at a time, pulled from a source.
/// Every stream begins with a short silence, so the device does not swallow the first
/// milliseconds. Its methods are called from one thread; readFrames() may run on another.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;
    /// Starts a new stream in format pulling from source; the heard count starts again at 0.
    virtual void start(const AudioFormat& format, AudioSource* source) = 0;
    /// Stops at once, dropping what is buffered; no readFrames() runs after it returns.
    /// The heard count keeps its last value.
    virtual void stop() = 0;
    /// The source has more to give after it came up short: pull again.
    virtual void resume() = 0;
    /// Frames of the source heard so far in this stream (silence does not count).
    virtual qint64 heardFrames() const = 0;
    /// Linear gain 0..1.
    virtual void setVolume(double gain) = 0;
};

/// The silence each stream begins with.
constexpr int kLeadInMs = 20;

} // namespace kelvaro
