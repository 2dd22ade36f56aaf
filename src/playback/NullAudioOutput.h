#pragma once

#include "AudioOutput.h"
#include "FeedLedger.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvaro {

/// An output without a device: a thread pulls the source as a device would, so the same
/// decode, seek and fence code runs where there is no sound (CI, the segment tool, tests).
/// At real-time pace it plays by the clock; unpaced it takes everything at once and counts
/// it as heard.
class NullAudioOutput : public AudioOutput
{
public:
    enum class Pace { RealTime, Unpaced };
    /// Microseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    /// Without a clock, the system's steady clock.
    explicit NullAudioOutput(Pace pace = Pace::RealTime, Clock clock = {});
    ~NullAudioOutput() override;

    void start(const AudioFormat& format, AudioSource* source) override;
    void stop() override;
    void resume() override;
    qint64 heardFrames() const override;
    void setVolume(double) override {}

    /// Keeps a copy of every source frame pulled from now on.
    void setCapturing(bool capturing);
    /// The frames kept so far, handed over and forgotten.
    std::vector<qint16> takeCaptured();
    /// Blocks until the thread has pulled all that is due at the clock's current reading, or
    /// the source came up short, or the stream stopped; false after timeoutMs.
    bool settle(int timeoutMs = 10000);

private:
    void run();
    qint64 dueFrames() const;
    qint64 wantedFrames() const;
    qint64 heardLocked() const;

    const Pace m_pace;
    const Clock m_clock;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; ///< tells the thread there may be work
    std::condition_variable m_idle; ///< tells waiters the thread has done a step
    std::thread m_thread;
    bool m_quit = false;
    bool m_active = false;
    bool m_dry = false;
    bool m_reading = false;
    quint64 m_session = 0;
    AudioSource* m_source = nullptr;
    AudioFormat m_format;
    qint64 m_startTime = 0;
    FeedLedger m_ledger;
    qint64 m_frozenHeard = 0;
    bool m_capturing = false;
    std::vector<qint16> m_captured;
};

} // namespace kelvaro
