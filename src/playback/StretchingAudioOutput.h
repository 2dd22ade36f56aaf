#pragma once

#include "AudioOutput.h"

#include <QtGlobal>

#include <memory>
#include <mutex>
#include <vector>

namespace soundtouch {
class SoundTouch;
}

namespace kelvaro {

/// An output that plays its source slower or faster at the same pitch, through another output.
/// At tempo 1 the source goes to the device untouched, exactly as without this output. At any
/// other tempo the source's frames are time-stretched by SoundTouch with settings for speech;
/// heardFrames() still counts frames of the source, in proportion to what the device played,
/// and reaches everything taken from the source only once the stretched tail has been heard.
/// So a player on it reports positions in the recording's own time while the sound lasts
/// 1/tempo as long. A new tempo takes effect at the next start().
class StretchingAudioOutput : public AudioOutput, private AudioSource
{
public:
    explicit StretchingAudioOutput(std::unique_ptr<AudioOutput> device);
    ~StretchingAudioOutput() override;

    /// 1 plays as recorded; 0.5 lasts twice as long. Applies from the next start() on.
    void setTempo(double tempo);
    double tempo() const { return m_tempo; }

    void start(const AudioFormat& format, AudioSource* source) override;
    void stop() override;
    void resume() override;
    qint64 heardFrames() const override;
    void setVolume(double gain) override;

    /// Keeps a copy of every source frame the stretcher takes from now on (not at tempo 1).
    void setCapturingSource(bool capturing);
    /// The source frames kept so far, handed over and forgotten.
    std::vector<qint16> takeCapturedSource();

    AudioOutput& device() { return *m_device; }

private:
    qint64 readFrames(qint16* out, qint64 frames) override;
    /// Feeds the stretcher one chunk of the source; false once the source came up short.
    bool feedStretcher(qint64 outputWanted);

    const std::unique_ptr<AudioOutput> m_device;
    const std::unique_ptr<soundtouch::SoundTouch> m_stretcher;
    double m_tempo = 1.0;
    bool m_stretching = false; ///< this stream goes through the stretcher
    AudioSource* m_source = nullptr;
    AudioFormat m_format;
    // Touched only by readFrames() (the device's pulls) and by start() while no pull runs.
    std::vector<qint16> m_pcm;
    std::vector<float> m_floats;
    bool m_flushed = false; ///< the source came up short and the stretcher's tail was pushed out

    mutable std::mutex m_mutex; ///< guards what heardFrames() reads while the device pulls
    qint64 m_sourceTaken = 0;   ///< source frames handed to the stretcher in this stream
    qint64 m_made = 0;          ///< stretched frames handed to the device in this stream
    bool m_sourceDone = false;  ///< all of the source's frames are in m_made
    bool m_resumed = false;     ///< the source has more again: the next pull feeds on
    bool m_capturing = false;
    std::vector<qint16> m_captured;
};

} // namespace kelvaro
