#include "QtVoiceRecorder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QMediaDevices>

namespace kelvaro {

namespace {

QAudioFormat takeFormat()
{
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

QtVoiceRecorder::QtVoiceRecorder() = default;

QtVoiceRecorder::~QtVoiceRecorder()
{
    close();
}

void QtVoiceRecorder::open(const QString&)
{
    // The recorder file is only where the device is opened; the take lives in memory.
    close();
    m_take.clear();
}

void QtVoiceRecorder::close()
{
    if (m_source)
        m_source->stop();
    if (m_sink)
        m_sink->stop();
    m_source.reset();
    m_sink.reset();
    m_recording.close();
    m_playback.close();
}

void QtVoiceRecorder::record()
{
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull())
        return;
    m_take.clear();
    m_recording.setBuffer(&m_take);
    if (!m_recording.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    m_source = std::make_unique<QAudioSource>(input, takeFormat());
    m_source->start(&m_recording);
}

void QtVoiceRecorder::stop()
{
    if (m_source)
        m_source->stop();
    m_source.reset();
    m_recording.close();
    if (m_sink)
        m_sink->stop();
}

void QtVoiceRecorder::playFromStart()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || m_take.isEmpty())
        return;
    if (m_sink)
        m_sink->stop();
    m_playback.close();
    m_playback.setBuffer(&m_take);
    if (!m_playback.open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(output, takeFormat());
    m_sink->start(&m_playback);
}

} // namespace kelvaro
