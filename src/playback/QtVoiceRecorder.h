#pragma once

#include "ports/VoiceRecorder.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSource;
class QAudioSink;
class QMediaDevices;

namespace kelvaro {

/// One take from the default microphone into memory (16 kHz mono, converted from whatever
/// format the device records in), played back from any point on the default output in a
/// format it takes. Without a microphone or an output nothing happens.
class QtVoiceRecorder : public VoiceRecorder
{
public:
    QtVoiceRecorder();
    ~QtVoiceRecorder() override;
    void open(const QString& path) override;
    void close() override;
    void record() override;
    void stop() override;
    void playFromStart() override;
    void playFrom(double seconds) override;
    double playbackPosition() const override;
    std::vector<short> take() const override;
    double takeSeconds() const override;
    /// Between deferDeviceCheck() and devicesReady() this answers yes without asking the system,
    /// which waits for the sound server: the window paints first and asks right after.
    bool microphoneAvailable() const override;
    /// The handler is called from devicesReady() on, when the system's audio inputs change.
    void setInputsChangedHandler(std::function<void()> handler) override;
    void deferDeviceCheck() { m_checkDeferred = true; }
    /// The system may be asked from now on; its audio inputs are watched from now on.
    void devicesReady();

private:
    void watchInputs();

    bool m_checkDeferred = false;
    std::function<void()> m_inputsChanged;
    std::unique_ptr<QMediaDevices> m_devices; ///< watches the inputs; made once it may ask
    QByteArray m_captured;                    ///< in m_captureFormat, until the stop
    QAudioFormat m_captureFormat;
    QByteArray m_take;   ///< 16 kHz mono 16-bit
    QByteArray m_played; ///< the take in the output's format
    QBuffer m_recording;
    QBuffer m_playback;
    double m_playedFrom = 0; ///< seconds into the take where the playback started
    std::unique_ptr<QAudioSource> m_source;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace kelvaro
