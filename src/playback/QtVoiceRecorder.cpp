#include "QtVoiceRecorder.h"

#include "AudioFormat.h"
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

void QtVoiceRecorder::setInputsChangedHandler(std::function<void()> handler)
{
    m_inputsChanged = std::move(handler);
    if (!m_checkDeferred)
        watchInputs();
}

void QtVoiceRecorder::devicesReady()
{
    m_checkDeferred = false;
    watchInputs();
}

void QtVoiceRecorder::watchInputs()
{
    // Making the watcher asks the sound server, which may keep the window waiting: only once
    // the device check is no longer deferred, and only when someone listens.
    if (m_devices || !m_inputsChanged)
        return;
    m_devices = std::make_unique<QMediaDevices>();
    QObject::connect(m_devices.get(), &QMediaDevices::audioInputsChanged, m_devices.get(), [this] {
        if (m_inputsChanged)
            m_inputsChanged();
    });
}

bool QtVoiceRecorder::microphoneAvailable() const
{
    return m_checkDeferred || !QMediaDevices::defaultAudioInput().isNull();
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
    playFrom(0);
}

void QtVoiceRecorder::playFrom(double seconds)
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
    // Whole frames of the output's format, never past the end.
    const qint64 frame = qMax(1, format.bytesPerFrame());
    const qint64 frames = m_played.size() / frame;
    const qint64 first =
        qBound<qint64>(0, framesAt(seconds, format.sampleRate()), qMax<qint64>(0, frames - 1));
    m_playback.seek(first * frame);
    m_playedFrom = double(first) / format.sampleRate();
    m_sink = std::make_unique<QAudioSink>(output, format);
    m_sink->start(&m_playback);
}

double QtVoiceRecorder::playbackPosition() const
{
    if (!m_sink || m_sink->state() != QAudio::ActiveState)
        return -1;
    return qMin(takeSeconds(), m_playedFrom + double(m_sink->processedUSecs()) / 1e6);
}

double QtVoiceRecorder::takeSeconds() const
{
    return double(m_take.size() / qsizetype(sizeof(short))) / takeFormat().sampleRate();
}

std::vector<short> QtVoiceRecorder::take() const
{
    const auto* samples = reinterpret_cast<const short*>(m_take.constData());
    return std::vector<short>(samples, samples + m_take.size() / qsizetype(sizeof(short)));
}

} // namespace kelvaro
