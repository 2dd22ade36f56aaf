#pragma once

#include "PcmSound.h"
#include "SampleDecoder.h"

#include <memory>

namespace kelvaro {

/// A sound already in memory, read like a decoder. The sound is shared, not copied.
class PcmDecoder : public SampleDecoder
{
public:
    explicit PcmDecoder(std::shared_ptr<const PcmSound> sound) : m_sound(std::move(sound)) {}

    AudioFormat format() const override { return m_sound->format; }
    qint64 length() const override { return m_sound->frames(); }
    bool seek(qint64 frame) override;
    qint64 tell() const override { return m_position; }
    qint64 read(qint16* out, qint64 frames) override;

private:
    std::shared_ptr<const PcmSound> m_sound;
    qint64 m_position = 0;
};

} // namespace kelvaro
