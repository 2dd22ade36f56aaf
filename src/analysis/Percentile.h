#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kelvaro {

/// The value below which share (0..1) of the values lie, taken at the nearest rank; ifEmpty
/// when there are none.
inline float percentile(std::vector<float> values, double share, float ifEmpty)
{
    if (values.empty())
        return ifEmpty;
    const size_t k = std::min(values.size() - 1, size_t(share * double(values.size() - 1) + 0.5));
    std::nth_element(values.begin(), values.begin() + long(k), values.end());
    return values[k];
}

} // namespace kelvaro
