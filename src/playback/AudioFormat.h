#pragma once

#include <QtGlobal>

#include <cmath>

namespace kelvaro {

/// The shape of 16-bit signed interleaved PCM: frames per second and samples per frame.
struct AudioFormat
{
    int rate = 0;
    int channels = 0;

    bool valid() const { return rate > 0 && channels > 0; }
    friend bool operator==(const AudioFormat&, const AudioFormat&) = default;
};

/// A time in seconds as a frame number at rate: rounded once, here, and nowhere else.
inline qint64 framesAt(double seconds, int rate)
{
    return std::llround(seconds * rate);
}

} // namespace kelvaro
