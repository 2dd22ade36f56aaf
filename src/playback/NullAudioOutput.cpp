#include "NullAudioOutput.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace kelvaro {

namespace {

// At real-time pace the thread keeps this much pulled ahead of the clock, as a device's
// buffer would, and pulls at most one chunk at a time.
constexpr int kAheadMs = 40;
constexpr int kChunkMs = 10;
constexpr qint64 kUnpacedChunk = 8192;

qint64 steadyMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

NullAudioOutput::NullAudioOutput(Pace pace, Clock clock)
    : m_pace(pace), m_clock(clock ? std::move(clock) : Clock(steadyMicroseconds))
{
}

NullAudioOutput::~NullAudioOutput()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void NullAudioOutput::start(const AudioFormat& format, AudioSource* source)
{
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return !m_reading; });
        ++m_session;
        m_source = source;
        m_format = format;
        m_active = true;
        m_dry = false;
        m_frozenHeard = 0;
        m_ledger.clear();
        m_ledger.addSilence(framesAt(kLeadInMs / 1000.0, format.rate));
        m_startTime = m_clock();
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_all();
}

void NullAudioOutput::stop()
{
    std::unique_lock lock(m_mutex);
    if (m_active)
        m_frozenHeard = heardLocked();
    m_active = false;
    ++m_session;
    m_idle.wait(lock, [this] { return !m_reading; });
}

void NullAudioOutput::resume()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_active || !m_dry)
            return;
        // The device played silence while the source had nothing: what comes now follows it.
        if (m_pace == Pace::RealTime)
            m_ledger.addSilence(dueFrames() - m_ledger.deviceFrames());
        m_dry = false;
    }
    m_wake.notify_all();
}

qint64 NullAudioOutput::heardFrames() const
{
    std::lock_guard lock(m_mutex);
    return m_active ? heardLocked() : m_frozenHeard;
}

void NullAudioOutput::setCapturing(bool capturing)
{
    std::lock_guard lock(m_mutex);
    m_capturing = capturing;
}

std::vector<qint16> NullAudioOutput::takeCaptured()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_captured, {});
}

bool NullAudioOutput::settle(int timeoutMs)
{
    m_wake.notify_all();
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [this] { return !m_reading && wantedFrames() == 0; });
}

qint64 NullAudioOutput::dueFrames() const
{
    return (m_clock() - m_startTime) * m_format.rate / 1000000;
}

qint64 NullAudioOutput::wantedFrames() const
{
    if (!m_active || m_dry)
        return 0;
    if (m_pace == Pace::Unpaced)
        return kUnpacedChunk;
    const qint64 target = dueFrames() + framesAt(kAheadMs / 1000.0, m_format.rate);
    return std::clamp<qint64>(target - m_ledger.deviceFrames(), 0,
                              framesAt(kChunkMs / 1000.0, m_format.rate));
}

qint64 NullAudioOutput::heardLocked() const
{
    if (m_pace == Pace::Unpaced)
        return m_ledger.sourceFrames();
    // A dry device goes on playing silence; one that is owed frames waits for them.
    const qint64 due = dueFrames();
    return m_ledger.sourceFramesWithin(m_dry ? due : std::min(due, m_ledger.deviceFrames()));
}

void NullAudioOutput::run()
{
    std::vector<qint16> buffer;
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        const qint64 want = wantedFrames();
        if (want <= 0) {
            m_idle.notify_all();
            if (m_pace == Pace::RealTime && m_active && !m_dry)
                m_wake.wait_for(lock, std::chrono::milliseconds(kChunkMs / 2));
            else
                m_wake.wait(lock);
            continue;
        }
        AudioSource* source = m_source;
        const quint64 session = m_session;
        const int channels = m_format.channels;
        buffer.resize(size_t(want * channels));
        m_reading = true;
        lock.unlock();
        const qint64 got = source->readFrames(buffer.data(), want);
        lock.lock();
        m_reading = false;
        if (session == m_session) {
            m_ledger.addSource(got);
            if (m_capturing)
                m_captured.insert(m_captured.end(), buffer.begin(),
                                  buffer.begin() + got * channels);
            if (got < want)
                m_dry = true;
        }
        m_idle.notify_all();
    }
}

} // namespace kelvaro
