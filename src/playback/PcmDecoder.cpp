#include "PcmDecoder.h"

#include <algorithm>
#include <cstring>

namespace kelvaro {

bool PcmDecoder::seek(qint64 frame)
{
    if (frame < 0 || frame > length())
        return false;
    m_position = frame;
    return true;
}

qint64 PcmDecoder::read(qint16* out, qint64 frames)
{
    const qint64 count = std::clamp<qint64>(length() - m_position, 0, frames);
    const int channels = m_sound->format.channels;
    std::memcpy(out, m_sound->samples.data() + m_position * channels,
                size_t(count * channels) * sizeof(qint16));
    m_position += count;
    return count;
}

} // namespace kelvaro
