#pragma once

#include "ports/VoiceRecorder.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSource;
class QAudioSink;

namespace kelvaro {

/// One take from the default microphone into memory (16 kHz mono), played back from its
/// start on the default output. Without a microphone or an output nothing happens.
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

private:
    QByteArray m_take;
    QBuffer m_recording;
    QBuffer m_playback;
    std::unique_ptr<QAudioSource> m_source;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace kelvaro
