#include "QtVoiceRecorder.h"

#include "PcmConversion.h"

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

bool QtVoiceRecorder::microphoneAvailable() const
{
    return !QMediaDevices::defaultAudioInput().isNull();
}

void QtVoiceRecorder::record()
{
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull())
        return;
    m_take.clear();
    m_captured.clear();
    m_recording.setBuffer(&m_captured);
    if (!m_recording.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    // Many devices refuse 16 kHz mono: record in what the device takes, convert at the stop.
    m_captureFormat =
        chooseDeviceFormat(takeFormat(), input.preferredFormat(),
                           [&input](const QAudioFormat& f) { return input.isFormatSupported(f); });
    m_source = std::make_unique<QAudioSource>(input, m_captureFormat);
    m_source->start(&m_recording);
}

void QtVoiceRecorder::stop()
{
    if (m_source) {
        m_source->stop();
        m_take = convertPcm(m_captured, m_captureFormat, takeFormat());
        m_captured.clear();
    }
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
    const QAudioFormat format = chooseDeviceFormat(
        takeFormat(), output.preferredFormat(),
        [&output](const QAudioFormat& f) { return output.isFormatSupported(f); });
    m_played = format == takeFormat() ? m_take : convertPcm(m_take, takeFormat(), format);
    m_playback.setBuffer(&m_played);
    if (!m_playback.open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(output, format);
    m_sink->start(&m_playback);
}

} // namespace kelvaro
