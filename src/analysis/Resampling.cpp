#include "Resampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvaro {

namespace {

constexpr int kZeroCrossings = 10;   // each side of the kernel's centre
constexpr int kTableSteps = 512;     // kernel table entries per zero crossing
constexpr double kCutOffShare = 0.9; // of the lower Nyquist frequency

/// sinc(u) * Blackman window over u in [0, kZeroCrossings], tabulated for interpolation.
std::vector<float> kernelTable()
{
    std::vector<float> table(size_t(kZeroCrossings * kTableSteps + 2), 0.0f);
    for (int k = 0; k <= kZeroCrossings * kTableSteps; ++k) {
        const double u = double(k) / kTableSteps;
        const double x = std::numbers::pi * u;
        const double sinc = k == 0 ? 1.0 : std::sin(x) / x;
        const double w = 0.42 + 0.5 * std::cos(std::numbers::pi * u / kZeroCrossings) +
                         0.08 * std::cos(2 * std::numbers::pi * u / kZeroCrossings);
        table[size_t(k)] = float(sinc * w);
    }
    return table;
}

} // namespace

std::vector<float> resampled(const std::vector<float>& samples, int fromRate, int toRate)
{
    if (fromRate <= 0 || toRate <= 0 || fromRate == toRate || samples.empty())
        return samples;
    const std::vector<float> table = kernelTable();
    const double step = double(fromRate) / toRate; // input samples per output sample
    // Kernel argument per input sample: below 1 when downsampling, so the kernel widens.
    const double scale = kCutOffShare * std::min(1.0, 1.0 / step);
    const double reach = kZeroCrossings / scale; // input samples each side
    const size_t count = size_t(std::llround(double(samples.size()) / step));
    const long last = long(samples.size()) - 1;
    std::vector<float> out(count);
    for (size_t n = 0; n < count; ++n) {
        const double t = double(n) * step;
        const long first = std::max(0L, long(std::ceil(t - reach)));
        const long end = std::min(last, long(std::floor(t + reach)));
        double sum = 0, weights = 0;
        for (long k = first; k <= end; ++k) {
            const double pos = std::abs(t - double(k)) * scale * kTableSteps;
            const size_t i = size_t(pos);
            const double frac = pos - double(i);
            const double w = table[i] + (table[i + 1] - table[i]) * frac;
            sum += w * samples[size_t(k)];
            weights += w;
        }
        // Dividing by the weights keeps a steady level exact, also near the ends.
        out[n] = weights > 1e-9 ? float(sum / weights) : 0.0f;
    }
    return out;
}

} // namespace kelvaro
