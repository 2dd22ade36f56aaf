#pragma once

#include "playback/PcmSound.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kelvaro::test {

/// got must hold exactly count frames equal to reference's frames from `from` on. A
/// difference of one step is allowed: at 22.05 kHz (MPEG-2, one granule per frame) libmpg123
/// rounds a few samples differently after a seek than in one pass from the start. A frame
/// too many, too few or shifted by one differs by far more than that.
inline ::testing::AssertionResult sameFrames(const PcmSound& got, const PcmSound& reference,
                                             qint64 from, qint64 count)
{
    if (got.format != reference.format)
        return ::testing::AssertionFailure()
               << "format " << got.format.rate << "/" << got.format.channels;
    if (got.frames() != count)
        return ::testing::AssertionFailure() << got.frames() << " frames emitted, expected "
                                             << count << " (" << got.frames() - count << ")";
    const int channels = got.format.channels;
    for (qint64 i = 0; i < count * channels; ++i) {
        const int a = got.samples[size_t(i)];
        const int b = reference.samples[size_t(from * channels + i)];
        if (std::abs(a - b) > 1)
            return ::testing::AssertionFailure() << "frame " << i / channels << " of " << count
                                                 << " is " << a << ", the recording has " << b;
    }
    return ::testing::AssertionSuccess();
}

} // namespace kelvaro::test
