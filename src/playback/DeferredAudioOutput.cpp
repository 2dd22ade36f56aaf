#include "DeferredAudioOutput.h"

#include <utility>

namespace kelvaro {

DeferredAudioOutput::DeferredAudioOutput(Factory factory) : m_factory(std::move(factory)) {}

DeferredAudioOutput::~DeferredAudioOutput() = default;

void DeferredAudioOutput::open()
{
    if (m_device)
        return;
    m_device = m_factory();
    if (m_gain >= 0)
        m_device->setVolume(m_gain);
    if (AudioSource* source = std::exchange(m_pendingSource, nullptr))
        m_device->start(m_pendingFormat, source);
}

void DeferredAudioOutput::start(const AudioFormat& format, AudioSource* source)
{
    if (!m_device && m_holding) {
        m_pendingFormat = format;
        m_pendingSource = source;
        return;
    }
    open();
    m_device->start(format, source);
}

void DeferredAudioOutput::stop()
{
    m_pendingSource = nullptr;
    if (m_device)
        m_device->stop();
}

void DeferredAudioOutput::resume()
{
    if (m_device)
        m_device->resume();
}

qint64 DeferredAudioOutput::heardFrames() const
{
    return m_device ? m_device->heardFrames() : 0;
}

void DeferredAudioOutput::setVolume(double gain)
{
    if (m_device)
        m_device->setVolume(gain);
    else
        m_gain = gain;
}

} // namespace kelvaro
