#include "AubioFrames.h"

#include <algorithm>

namespace kelvaro {

void feedCentredFrames(const std::vector<float>& samples, int windowSize, int hop, int frames,
                       const std::function<void(int, const fvec_t*)>& process)
{
    // After k blocks the window covers padded samples [k * hop - windowSize, k * hop). With
    // `delay` blocks of lead and `padding` zeros in front, block i + 1 + delay centres the
    // window on sample i * hop + hop / 2 of the signal.
    int delay = 0;
    while (hop * (1 + delay) - hop / 2 - windowSize / 2 < 0)
        ++delay;
    const int padding = hop * (1 + delay) - hop / 2 - windowSize / 2;
    AubioFvec block(new_fvec(uint_t(hop)));
    const long total = long(samples.size());
    for (int k = 0; k < frames + delay; ++k) {
        const long first = long(k) * hop - padding;
        for (int n = 0; n < hop; ++n) {
            const long at = first + n;
            block->data[n] = at >= 0 && at < total ? samples[size_t(at)] : 0.0f;
        }
        if (k >= delay)
            process(k - delay, block.get());
        else
            process(-1, block.get());
    }
}

} // namespace kelvaro
