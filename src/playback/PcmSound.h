#pragma once

#include "AudioFormat.h"

#include <vector>

namespace kelvaro {

/// A whole sound held in memory as 16-bit signed interleaved PCM.
struct PcmSound
{
    AudioFormat format;
    std::vector<qint16> samples;

    /// Frames held (samples per channel).
    qint64 frames() const
    {
        return format.channels > 0 ? qint64(samples.size()) / format.channels : 0;
    }
};

} // namespace kelvaro
