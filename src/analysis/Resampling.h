#pragma once

#include <vector>

namespace kelvaro {

/// The samples converted from fromRate to toRate by a windowed-sinc interpolator whose cut-off
/// lies a little below the lower of the two Nyquist frequencies (so downsampling does not
/// alias). The result has round(size * toRate / fromRate) samples; equal rates copy.
std::vector<float> resampled(const std::vector<float>& samples, int fromRate, int toRate);

} // namespace kelvaro
