#pragma once

#include "AudioOutput.h"
#include "SampleDecoder.h"

#include <memory>
#include <mutex>

namespace kelvaro {

/// Plays a decoder's frames from a start frame up to a live end fence, through an output.
/// It emits exactly the frames before the fence and never one past it; its position is the
/// start plus the frames heard. Once the fence (or the end of the sound) has been reached
/// and all of it heard, the position stands one frame past the fence, so a watcher that
/// waits for "position > end" sees the reading through. All calls come from one thread;
/// the output pulls frames on its own.
class PlaybackEngine : private AudioSource
{
public:
    explicit PlaybackEngine(std::unique_ptr<AudioOutput> output);
    ~PlaybackEngine() override;
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    /// Stops and plays decoder from now on; nullptr makes a silent player whose position
    /// stays at 0.
    void setDecoder(std::unique_ptr<SampleDecoder> decoder);
    bool hasSound() const;
    /// The decoder's format; invalid without one.
    AudioFormat format() const;

    /// Starts from the current position (no seek): after a pause it goes on from there.
    void play();
    /// Stops the sound at once; the position stays.
    void pause();
    /// Stops the sound at once and goes back to frame 0.
    void stop();
    /// Moves to frame (negative: 0); while playing, the sound goes on from there.
    void seek(qint64 frame);
    /// No frame at or past fence is emitted; negative: no fence. It may move while playing.
    void setFence(qint64 fence);
    qint64 fence() const;
    /// Frames from the start of the sound to what has been heard.
    qint64 position() const;
    bool isPlaying() const;
    /// Playing, and everything up to the fence or the end of the sound has been heard.
    bool finished() const;
    /// 0..100.
    void setVolume(int volume);

    AudioOutput& output() { return *m_output; }

private:
    enum class Halt { None, Fence, EndOfSound };

    qint64 readFrames(qint16* out, qint64 frames) override;
    /// Starts emitting at m_resume; returns whether the output must be started.
    bool beginRunLocked();
    /// Stops the output and settles the position; the output must not be held by the lock.
    void haltOutput();
    qint64 heardLocked() const;
    qint64 positionLocked() const;

    const std::unique_ptr<AudioOutput> m_output;
    mutable std::mutex m_mutex;
    std::unique_ptr<SampleDecoder> m_decoder;
    AudioFormat m_format;
    qint64 m_fence = -1;
    bool m_playing = false;
    bool m_feeding = false; ///< readFrames() may hand out frames
    bool m_outputRunning = false;
    qint64 m_resume = 0;    ///< position while not playing
    bool m_pastEnd = false; ///< the paused position stands one frame past m_resume
    qint64 m_runStart = 0;  ///< where this run of frames began
    qint64 m_emitted = 0;   ///< frames handed to the output since m_runStart
    Halt m_halt = Halt::None;
};

} // namespace kelvaro
