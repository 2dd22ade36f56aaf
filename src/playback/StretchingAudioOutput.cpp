#include "StretchingAudioOutput.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kelvaro {

namespace {

// SoundTouch's settings for speech: short sequences and a narrow seek window keep syllables
// crisp where the music defaults (82/28/12 ms) smear them. Quick seek stays off: the full
// search costs little at one voice and sounds cleaner.
constexpr int kSequenceMs = 40;
constexpr int kSeekWindowMs = 15;
constexpr int kOverlapMs = 8;
// Frames taken from the source at a time: about 20 ms at 44.1 kHz.
constexpr qint64 kFeedChunk = 1024;

} // namespace

StretchingAudioOutput::StretchingAudioOutput(std::unique_ptr<AudioOutput> device)
    : m_device(std::move(device)), m_stretcher(std::make_unique<soundtouch::SoundTouch>())
{
}

StretchingAudioOutput::~StretchingAudioOutput()
{
    // The device's thread must not pull from a half-destroyed stretcher.
    m_device->stop();
}

void StretchingAudioOutput::setTempo(double tempo)
{
    m_tempo = tempo > 0 ? tempo : 1.0;
}

void StretchingAudioOutput::start(const AudioFormat& format, AudioSource* source)
{
    // A device that may still pull a stretched stream stops before the stretcher is set anew;
    // at tempo 1 the device sees exactly the calls it would see without this output.
    if (m_stretching)
        m_device->stop();
    m_stretching = m_tempo != 1.0 && format.valid();
    {
        std::lock_guard lock(m_mutex);
        m_sourceTaken = 0;
        m_made = 0;
        m_sourceDone = false;
        m_resumed = false;
    }
    if (!m_stretching) {
        m_device->start(format, source);
        return;
    }
    m_source = source;
    m_format = format;
    m_flushed = false;
    soundtouch::SoundTouch& st = *m_stretcher;
    st.clear();
    st.setSampleRate(uint(format.rate));
    st.setChannels(uint(format.channels));
    st.setPitch(1.0);
    st.setRate(1.0);
    st.setTempo(m_tempo);
    st.setSetting(SETTING_USE_QUICKSEEK, 0);
    st.setSetting(SETTING_SEQUENCE_MS, kSequenceMs);
    st.setSetting(SETTING_SEEKWINDOW_MS, kSeekWindowMs);
    st.setSetting(SETTING_OVERLAP_MS, kOverlapMs);
    m_device->start(format, this);
}

void StretchingAudioOutput::stop()
{
    m_device->stop();
}

void StretchingAudioOutput::resume()
{
    if (m_stretching) {
        std::lock_guard lock(m_mutex);
        m_resumed = true;
        m_sourceDone = false;
    }
    m_device->resume();
}

qint64 StretchingAudioOutput::heardFrames() const
{
    const qint64 played = m_device->heardFrames();
    if (!m_stretching)
        return played;
    std::lock_guard lock(m_mutex);
    if (m_sourceDone && played >= m_made)
        return m_sourceTaken;
    // Until the tail has been heard the reading is not over, whatever the proportion says.
    const qint64 proportional = std::llround(double(played) * m_tempo);
    return std::clamp<qint64>(proportional, 0, std::max<qint64>(m_sourceTaken - 1, 0));
}

void StretchingAudioOutput::setVolume(double gain)
{
    m_device->setVolume(gain);
}

void StretchingAudioOutput::setCapturingSource(bool capturing)
{
    std::lock_guard lock(m_mutex);
    m_capturing = capturing;
}

std::vector<qint16> StretchingAudioOutput::takeCapturedSource()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_captured, {});
}

bool StretchingAudioOutput::feedStretcher(qint64 outputWanted)
{
    const int channels = m_format.channels;
    const qint64 want = std::max<qint64>(kFeedChunk, std::llround(outputWanted * m_tempo));
    m_pcm.resize(size_t(want * channels));
    // No lock of ours is held here: the source's own lock is taken inside, and the source
    // asks heardFrames() under it.
    const qint64 got = std::max<qint64>(m_source->readFrames(m_pcm.data(), want), 0);
    m_floats.resize(size_t(got * channels));
    for (size_t i = 0; i < m_floats.size(); ++i)
        m_floats[i] = float(m_pcm[i]) * (1.0f / 32768.0f);
    if (got > 0)
        m_stretcher->putSamples(m_floats.data(), uint(got));
    {
        std::lock_guard lock(m_mutex);
        m_sourceTaken += got;
        if (m_capturing)
            m_captured.insert(m_captured.end(), m_pcm.begin(), m_pcm.begin() + got * channels);
    }
    if (got < want) {
        // The fence or the end of the sound: what the stretcher still holds comes out now.
        m_stretcher->flush();
        return false;
    }
    return true;
}

qint64 StretchingAudioOutput::readFrames(qint16* out, qint64 frames)
{
    {
        std::lock_guard lock(m_mutex);
        if (std::exchange(m_resumed, false))
            m_flushed = false;
    }
    const int channels = m_format.channels;
    qint64 made = 0;
    while (made < frames) {
        const qint64 ready = std::min<qint64>(m_stretcher->numSamples(), frames - made);
        if (ready > 0) {
            m_floats.resize(size_t(ready * channels));
            const qint64 got = m_stretcher->receiveSamples(m_floats.data(), uint(ready));
            qint16* to = out + made * channels;
            for (qint64 i = 0; i < got * channels; ++i)
                to[i] =
                    qint16(std::clamp(std::lrint(m_floats[size_t(i)] * 32768.0f), -32768L, 32767L));
            made += got;
            if (got > 0)
                continue;
        }
        if (m_flushed || !feedStretcher(frames - made))
            m_flushed = true;
        if (m_flushed && m_stretcher->numSamples() == 0)
            break;
    }
    std::lock_guard lock(m_mutex);
    m_made += made;
    m_sourceDone = m_flushed && m_stretcher->numSamples() == 0;
    return made;
}

} // namespace kelvaro
