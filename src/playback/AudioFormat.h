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

/// Frame numbers stay within this, so that a time read from a hand-edited file (1e300, "inf")
/// still converts to a number and sums of frames cannot overflow.
inline constexpr qint64 kMaxFrameNumber = qint64(1) << 52;

/// A time in seconds as a frame number at rate: rounded once, here, and nowhere else.
/// Times beyond any recording saturate instead of wrapping round; a time that is no number is 0.
inline qint64 framesAt(double seconds, int rate)
{
    const double frames = seconds * rate;
    if (std::isnan(frames))
        return 0;
    const double limit = double(kMaxFrameNumber);
    return std::llround(std::fmax(-limit, std::fmin(frames, limit)));
}

} // namespace kelvaro
