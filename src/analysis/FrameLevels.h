#pragma once

#include <vector>

namespace kelvaro {

/// The waveform and the loudness of a signal, one value per frame of hop samples.
struct FrameLevels
{
    std::vector<float> envelope; ///< peak |sample| in the frame
    std::vector<float> energyDb; ///< RMS level in dBFS, at least kSilenceDb
};

/// The level given to a frame of digital silence.
constexpr float kSilenceDb = -120.0f;

/// Levels of the first `frames` frames of samples (frame i = samples [i * hop, (i + 1) * hop)).
FrameLevels frameLevels(const std::vector<float>& samples, int hop, int frames);

} // namespace kelvaro
