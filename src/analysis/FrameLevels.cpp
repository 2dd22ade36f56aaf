#include "FrameLevels.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

FrameLevels frameLevels(const std::vector<float>& samples, int hop, int frames)
{
    FrameLevels levels;
    levels.envelope.assign(size_t(frames), 0.0f);
    levels.energyDb.assign(size_t(frames), kSilenceDb);
    for (int f = 0; f < frames; ++f) {
        const size_t first = size_t(f) * size_t(hop);
        const size_t end = std::min(samples.size(), first + size_t(hop));
        double peak = 0, power = 0;
        for (size_t i = first; i < end; ++i) {
            const double x = samples[i];
            peak = std::max(peak, std::abs(x));
            power += x * x;
        }
        levels.envelope[size_t(f)] = float(std::min(1.0, peak));
        const double mean = power / hop;
        if (mean > 0)
            levels.energyDb[size_t(f)] = std::max(kSilenceDb, float(10 * std::log10(mean)));
    }
    return levels;
}

} // namespace kelvaro
