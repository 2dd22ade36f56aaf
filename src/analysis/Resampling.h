#pragma once

#include <vector>

namespace kelvaro {

/// The samples converted from fromRate to toRate by a windowed-sinc interpolator whose cut-off
/// lies a little below the lower of the two Nyquist frequencies (so downsampling does not
/// alias). The result has round(size * toRate / fromRate) samples; equal rates copy.
std::vector<float> resampled(const std::vector<float>& samples, int fromRate, int toRate);

/// The samples (at rate) without their DC offset and the rumble below about 50 Hz that cheap
/// microphones add: a second-order high-pass, run forward once.
std::vector<float> withoutRumble(std::vector<float> samples, int rate);

} // namespace kelvaro
