#pragma once

#include "AudioOutput.h"

#include <functional>
#include <memory>

namespace kelvaro {

/// An output whose device is made on first use, or earlier by open(). Asking the system for its
/// sound devices waits for the sound server; the window paints first and opens the devices
/// right after, so the wait falls where nobody sees it. While it holds (holdUntilOpen()), a
/// stream started before the device is made begins when open() makes it.
class DeferredAudioOutput : public AudioOutput
{
public:
    using Factory = std::function<std::unique_ptr<AudioOutput>()>;

    explicit DeferredAudioOutput(Factory factory);
    ~DeferredAudioOutput() override;

    /// Streams started from now on wait for open() instead of making the device.
    void holdUntilOpen() { m_holding = true; }
    /// Makes the device now, if it was not made yet, and starts a stream that waits for it.
    void open();
    /// Whether the device has been made.
    bool isOpen() const { return m_device != nullptr; }

    void start(const AudioFormat& format, AudioSource* source) override;
    void stop() override;
    void resume() override;
    qint64 heardFrames() const override;
    void setVolume(double gain) override;

private:
    Factory m_factory;
    std::unique_ptr<AudioOutput> m_device;
    double m_gain = -1; ///< asked for before the device was made; < 0 for none
    bool m_holding = false;
    AudioFormat m_pendingFormat;
    AudioSource* m_pendingSource = nullptr; ///< a stream waiting for the device
};

} // namespace kelvaro
