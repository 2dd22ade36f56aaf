#pragma once

#include <vector>

namespace kelvaro {

/// What the pitch detector heard in one frame, before any voicing decision.
struct PitchEstimate
{
    float hz = 0;         ///< the detector's best period as a frequency; 0 for none
    float confidence = 0; ///< 0..1, how periodic the frame is
};

/// The lowest and highest pitch of a speaking voice that is tracked.
constexpr float kLowestPitchHz = 60;
constexpr float kHighestPitchHz = 500;

/// The detector's estimate for each of `frames` frames of hop samples at `rate`, its window
/// centred on the middle of the frame.
std::vector<PitchEstimate> pitchEstimates(const std::vector<float>& samples, int rate, int hop,
                                          int frames);

/// The voiced pitch per frame in Hz, 0 where unvoiced: a frame is voiced when it is periodic
/// enough, in the speaking range and loud enough against the reading's loud level (loudDb);
/// voiced runs too short to be a syllable's vowel are dropped, octave jumps are pulled back
/// toward the speaker's own level and the contour is median filtered within each voiced run.
std::vector<float> voicedPitch(const std::vector<PitchEstimate>& estimates,
                               const std::vector<float>& energyDb, float loudDb);

/// The median of the voiced (non-zero) frames; 0 when none is voiced.
float medianPitch(const std::vector<float>& hz);

/// 12 * log2(hz / referenceHz) per frame; NaN where hz is 0 (unvoiced) or there is no reference.
std::vector<float> semitonesFrom(const std::vector<float>& hz, float referenceHz);

} // namespace kelvaro
