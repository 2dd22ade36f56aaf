#pragma once

#include "AudioOutput.h"
#include "FeedLedger.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace kelvaro {

class NullAudioOutput;

/// The system's sound device through a QAudioSink that this output writes to itself: the
/// first frames go out within start(), and a short timer keeps the device's buffer full.
/// (In pull mode the sink first asks after its own 20 ms tick.) A stream that runs dry is
/// padded with silence and stopped only once all of the source has been heard (stopping
/// at once would drop what the device still holds). If the device cannot be opened, it
/// falls back to a null output at real-time pace for good. Lives on one thread with an
/// event loop; the source is pulled on that thread.
class QtAudioOutput : public QObject, public AudioOutput
{
    Q_OBJECT
public:
    /// bufferMs: how much the device holds ahead; less reacts sooner, more rides out stalls.
    QtAudioOutput(const QAudioDevice& device, int bufferMs, QObject* parent = nullptr);
    ~QtAudioOutput() override;

    void start(const AudioFormat& format, AudioSource* source) override;
    void stop() override;
    void resume() override;
    qint64 heardFrames() const override;
    void setVolume(double gain) override;

    /// True once the device failed and the null output plays instead.
    bool fellBack() const { return m_fallback != nullptr; }

private:
    /// Tops the device's buffer up; stops the sink once a dry stream has been heard.
    void pump();
    /// Fills frames frames: lead-in, then the source, then silence once it is dry.
    void fill(qint16* out, qint64 frames);
    bool startSink();
    void stopSink();
    qint64 devicePlayedFrames() const;

    const QAudioDevice m_device;
    const int m_bufferMs;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_sinkInput = nullptr; ///< owned by m_sink
    QTimer m_pumpTimer;
    QByteArray m_unwritten; ///< filled but not yet taken by the device
    std::unique_ptr<NullAudioOutput> m_fallback;
    AudioFormat m_format;
    AudioSource* m_source = nullptr;
    double m_gain = 1.0;
    bool m_active = false; ///< a stream is under way (it may be between sinks)
    bool m_sinkRunning = false;
    bool m_dry = false;
    qint64 m_leadIn = 0;      ///< silent frames still to give before the source's
    qint64 m_heardBefore = 0; ///< source frames heard by earlier sinks of this stream
    FeedLedger m_ledger;      ///< what the current sink was given
};

/// The output for a player: the default sound device, or the null output at real-time pace
/// where the system lists none.
std::unique_ptr<AudioOutput> makeAudioOutput(int bufferMs = 100);

} // namespace kelvaro
