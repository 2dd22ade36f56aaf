#include "PlaybackEngine.h"

#include <algorithm>
#include <utility>

namespace kelvaro {

PlaybackEngine::PlaybackEngine(std::unique_ptr<AudioOutput> output) : m_output(std::move(output)) {}

PlaybackEngine::~PlaybackEngine()
{
    // The output's thread must not pull from a half-destroyed engine.
    m_output->stop();
}

void PlaybackEngine::setDecoder(std::unique_ptr<SampleDecoder> decoder)
{
    haltOutput();
    std::lock_guard lock(m_mutex);
    m_decoder = std::move(decoder);
    m_format = m_decoder ? m_decoder->format() : AudioFormat();
    m_playing = false;
    m_resume = 0;
    m_pastEnd = false;
    m_halt = Halt::None;
    m_runStart = 0;
    m_emitted = 0;
}

bool PlaybackEngine::hasSound() const
{
    std::lock_guard lock(m_mutex);
    return m_decoder != nullptr;
}

AudioFormat PlaybackEngine::format() const
{
    std::lock_guard lock(m_mutex);
    return m_format;
}

void PlaybackEngine::play()
{
    bool start = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_decoder || m_playing)
            return;
        m_playing = true;
        start = beginRunLocked();
    }
    if (start)
        m_output->start(m_format, this);
}

void PlaybackEngine::pause()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_playing)
            return;
    }
    haltOutput();
    std::lock_guard lock(m_mutex);
    const qint64 position = positionLocked();
    // One frame past the end is kept as a flag: a later play goes on from the exact end
    // if the fence has moved on by then.
    m_pastEnd = m_halt != Halt::None && heardLocked() >= m_emitted;
    m_resume = m_pastEnd ? position - 1 : position;
    m_playing = false;
}

void PlaybackEngine::stop()
{
    haltOutput();
    std::lock_guard lock(m_mutex);
    m_playing = false;
    m_resume = 0;
    m_pastEnd = false;
    m_halt = Halt::None;
}

void PlaybackEngine::seek(qint64 frame)
{
    frame = std::max<qint64>(frame, 0);
    bool playing = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_decoder)
            return; // a silent player's position does not move
        playing = m_playing;
        // Already there and nothing heard yet (a start right after play()): nothing to redo.
        if (playing && m_halt == Halt::None && frame == m_runStart && heardLocked() == 0)
            return;
    }
    if (playing)
        haltOutput();
    bool start = false;
    {
        std::lock_guard lock(m_mutex);
        m_resume = frame;
        m_pastEnd = false;
        if (playing)
            start = beginRunLocked();
    }
    if (start)
        m_output->start(m_format, this);
}

void PlaybackEngine::setFence(qint64 fence)
{
    enum class Then { Nothing, Resume, Restart, Cut } then = Then::Nothing;
    {
        std::lock_guard lock(m_mutex);
        m_fence = fence < 0 ? -1 : fence;
        if (!m_playing || !m_decoder)
            return;
        const qint64 emittedEnd = m_runStart + m_emitted;
        if (m_halt == Halt::Fence && (m_fence < 0 || m_fence > emittedEnd)) {
            // Moved on past where the reading stopped: it runs on.
            if (m_outputRunning) {
                m_halt = Halt::None;
                then = Then::Resume;
            } else {
                m_resume = emittedEnd;
                then = beginRunLocked() ? Then::Restart : Then::Nothing;
            }
        } else if (m_fence >= 0 && m_fence < emittedEnd) {
            // Moved back before what was already emitted: nothing more goes out, and once
            // the new end has been heard the sound stops at once.
            if (m_halt == Halt::None)
                m_halt = Halt::Fence;
            if (m_outputRunning && m_runStart + heardLocked() >= m_fence)
                then = Then::Cut;
        }
    }
    switch (then) {
    case Then::Resume:
        m_output->resume();
        break;
    case Then::Restart:
        m_output->start(m_format, this);
        break;
    case Then::Cut: {
        haltOutput();
        std::lock_guard lock(m_mutex);
        m_emitted = heardLocked(); // what was heard is all that was played
        break;
    }
    case Then::Nothing:
        break;
    }
}

qint64 PlaybackEngine::fence() const
{
    std::lock_guard lock(m_mutex);
    return m_fence;
}

qint64 PlaybackEngine::position() const
{
    std::lock_guard lock(m_mutex);
    return positionLocked();
}

bool PlaybackEngine::isPlaying() const
{
    std::lock_guard lock(m_mutex);
    return m_playing;
}

bool PlaybackEngine::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_playing && m_halt != Halt::None && heardLocked() >= m_emitted;
}

void PlaybackEngine::setVolume(int volume)
{
    m_output->setVolume(std::clamp(volume, 0, 100) / 100.0);
}

qint64 PlaybackEngine::readFrames(qint16* out, qint64 frames)
{
    std::lock_guard lock(m_mutex);
    if (!m_feeding || m_halt != Halt::None)
        return 0;
    // The fence is read afresh on every pull: it may have moved since the last one.
    qint64 limit = frames;
    if (m_fence >= 0)
        limit = std::min(limit, m_fence - (m_runStart + m_emitted));
    if (limit <= 0) {
        m_halt = Halt::Fence;
        return 0;
    }
    const qint64 got = m_decoder->read(out, limit);
    m_emitted += got;
    if (got < limit)
        m_halt = Halt::EndOfSound;
    else if (m_fence >= 0 && m_runStart + m_emitted >= m_fence)
        m_halt = Halt::Fence;
    return got;
}

bool PlaybackEngine::beginRunLocked()
{
    m_runStart = m_resume;
    m_emitted = 0;
    m_halt = Halt::None;
    if (m_fence >= 0 && m_runStart >= m_fence) {
        m_halt = Halt::Fence;
        return false;
    }
    if (m_decoder->tell() != m_runStart && !m_decoder->seek(m_runStart)) {
        m_halt = Halt::EndOfSound;
        return false;
    }
    m_feeding = true;
    m_outputRunning = true;
    return true;
}

void PlaybackEngine::haltOutput()
{
    bool running = false;
    {
        std::lock_guard lock(m_mutex);
        m_feeding = false;
        running = std::exchange(m_outputRunning, false);
    }
    if (running)
        m_output->stop();
}

qint64 PlaybackEngine::heardLocked() const
{
    return std::min(m_output->heardFrames(), m_emitted);
}

qint64 PlaybackEngine::positionLocked() const
{
    if (!m_playing)
        return m_resume + (m_pastEnd ? 1 : 0);
    const qint64 heard = heardLocked();
    if (m_halt != Halt::None && heard >= m_emitted) {
        // Reached and heard: one frame past the end, so "position > end" holds. The end of
        // the sound before the fence counts as reaching the fence.
        qint64 end = m_runStart + m_emitted;
        if (m_halt == Halt::EndOfSound && m_fence > end)
            end = m_fence;
        return end + 1;
    }
    return m_runStart + heard;
}

} // namespace kelvaro
