#include "QtAudioOutput.h"

#include "NullAudioOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cstring>

namespace kelvaro {

namespace {

// Often enough that a 100 ms device buffer never runs low, seldom enough to cost nothing.
constexpr int kPumpMs = 5;

} // namespace

QtAudioOutput::QtAudioOutput(const QAudioDevice& device, int bufferMs, QObject* parent)
    : QObject(parent), m_device(device), m_bufferMs(bufferMs)
{
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    m_pumpTimer.setInterval(kPumpMs);
    connect(&m_pumpTimer, &QTimer::timeout, this, &QtAudioOutput::pump);
}

QtAudioOutput::~QtAudioOutput()
{
    stopSink();
}

void QtAudioOutput::start(const AudioFormat& format, AudioSource* source)
{
    if (m_fallback) {
        m_fallback->start(format, source);
        return;
    }
    stopSink();
    m_format = format;
    m_source = source;
    m_active = true;
    m_heardBefore = 0;
    if (!startSink()) {
        // No usable device after all (no sound server): play by the clock instead.
        m_active = false;
        m_fallback = std::make_unique<NullAudioOutput>();
        m_fallback->start(format, source);
    }
}

void QtAudioOutput::stop()
{
    if (m_fallback) {
        m_fallback->stop();
        return;
    }
    m_heardBefore = heardFrames();
    m_active = false;
    stopSink();
}

void QtAudioOutput::resume()
{
    if (m_fallback) {
        m_fallback->resume();
        return;
    }
    if (!m_active)
        return;
    m_dry = false;
    // A sink that was stopped after draining starts again, with its lead-in.
    if (!m_sinkRunning && !startSink())
        m_active = false;
}

qint64 QtAudioOutput::heardFrames() const
{
    if (m_fallback)
        return m_fallback->heardFrames();
    if (!m_sinkRunning)
        return m_heardBefore;
    return m_heardBefore + m_ledger.sourceFramesWithin(devicePlayedFrames());
}

void QtAudioOutput::setVolume(double gain)
{
    m_gain = gain;
    if (m_fallback)
        m_fallback->setVolume(gain);
    if (m_sink)
        m_sink->setVolume(gain);
}

bool QtAudioOutput::startSink()
{
    QAudioFormat format;
    format.setSampleRate(m_format.rate);
    format.setChannelCount(m_format.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!m_sink || m_sink->format() != format)
        m_sink = std::make_unique<QAudioSink>(m_device, format);
    m_sink->setBufferSize(format.bytesForDuration(qint64(m_bufferMs) * 1000));
    m_sink->setVolume(m_gain);
    m_ledger.clear();
    m_unwritten.clear();
    m_leadIn = framesAt(kLeadInMs / 1000.0, m_format.rate);
    m_dry = false;
    m_sinkInput = m_sink->start();
    if (m_sinkInput == nullptr || m_sink->error() != QAudio::NoError) {
        m_sinkInput = nullptr;
        m_sink.reset();
        return false;
    }
    m_sinkRunning = true;
    pump();
    m_pumpTimer.start();
    return true;
}

void QtAudioOutput::stopSink()
{
    m_pumpTimer.stop();
    if (m_sinkRunning && m_sink)
        m_sink->stop(); // drops what the device holds: stop means at once
    m_sinkRunning = false;
    m_sinkInput = nullptr;
    m_unwritten.clear();
    m_ledger.clear();
}

qint64 QtAudioOutput::devicePlayedFrames() const
{
    return m_sink ? m_sink->processedUSecs() * m_format.rate / 1000000 : 0;
}

void QtAudioOutput::pump()
{
    if (!m_sinkRunning)
        return;
    if (m_dry && devicePlayedFrames() >= m_ledger.deviceFramesToSourceEnd()) {
        // Everything the source gave has been heard: the device can go.
        m_heardBefore += m_ledger.sourceFrames();
        stopSink();
        return;
    }
    const qint64 frameBytes = qint64(sizeof(qint16)) * m_format.channels;
    qint64 room = m_sink->bytesFree();
    // What the device did not take last time goes first: the ledger already counts it.
    if (!m_unwritten.isEmpty()) {
        const qint64 written = m_sinkInput->write(m_unwritten.left(room));
        m_unwritten.remove(0, std::max<qint64>(written, 0));
        room -= std::max<qint64>(written, 0);
        if (!m_unwritten.isEmpty())
            return;
    }
    const qint64 frames = room / frameBytes;
    if (frames <= 0)
        return;
    QByteArray block(frames * frameBytes, Qt::Uninitialized);
    fill(reinterpret_cast<qint16*>(block.data()), frames);
    const qint64 written = std::max<qint64>(m_sinkInput->write(block), 0);
    if (written < block.size())
        m_unwritten = block.mid(written);
}

void QtAudioOutput::fill(qint16* out, qint64 frames)
{
    const int channels = m_format.channels;
    const size_t frameBytes = sizeof(qint16) * size_t(channels);
    qint64 done = std::min(m_leadIn, frames);
    std::memset(out, 0, size_t(done) * frameBytes);
    m_ledger.addSilence(done);
    m_leadIn -= done;
    if (done < frames && !m_dry) {
        const qint64 got = m_source->readFrames(out + done * channels, frames - done);
        m_ledger.addSource(got);
        done += got;
        m_dry = done < frames;
    }
    // The device is kept busy with silence rather than left to run dry: it goes on playing
    // what it holds, and the stream stops once all of the source has been heard.
    if (done < frames) {
        std::memset(out + done * channels, 0, size_t(frames - done) * frameBytes);
        m_ledger.addSilence(frames - done);
    }
}

std::unique_ptr<AudioOutput> makeAudioOutput(int bufferMs)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return std::make_unique<NullAudioOutput>();
    return std::make_unique<QtAudioOutput>(device, bufferMs);
}

} // namespace kelvaro
