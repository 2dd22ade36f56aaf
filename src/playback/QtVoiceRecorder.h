#pragma once

#include "ports/VoiceRecorder.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSource;
class QAudioSink;

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
    void deferDeviceCheck() { m_checkDeferred = true; }
    void devicesReady() { m_checkDeferred = false; }

private:
    bool m_checkDeferred = false;
    QByteArray m_captured; ///< in m_captureFormat, until the stop
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
