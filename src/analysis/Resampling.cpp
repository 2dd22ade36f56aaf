#include "Resampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

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

/// Resampling through the tabulated kernel, one output sample at a time: for any pair of rates.
std::vector<float> resampledByTable(const std::vector<float>& samples, int fromRate, int toRate)
{
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

} // namespace

std::vector<float> resampled(const std::vector<float>& samples, int fromRate, int toRate)
{
    if (fromRate <= 0 || toRate <= 0 || fromRate == toRate || samples.empty())
        return samples;
    // The usual rates are small ratios (22050 -> 16000 is 320 / 441): every output sample then
    // falls on one of `up` positions between input samples, whose weights are computed once.
    const int common = std::gcd(fromRate, toRate);
    const long up = toRate / common, down = fromRate / common;
    if (up > 4096)
        return resampledByTable(samples, fromRate, toRate);
    const std::vector<float> table = kernelTable();
    const double scale = kCutOffShare * std::min(1.0, double(up) / double(down));
    const int reach = int(std::ceil(kZeroCrossings / scale));
    const int taps = 2 * reach;
    std::vector<float> weights(size_t(up) * size_t(taps));
    for (long phase = 0; phase < up; ++phase) {
        const double frac = double(phase) / double(up);
        float* w = weights.data() + phase * taps;
        double sum = 0;
        for (int o = 0; o < taps; ++o) {
            const double distance = std::abs(double(o - reach + 1) - frac);
            const double pos = distance * scale * kTableSteps;
            const size_t i = size_t(pos);
            w[o] = i + 1 < table.size()
                       ? float(table[i] + (table[i + 1] - table[i]) * (pos - double(i)))
                       : 0.0f;
            sum += w[o];
        }
        // A steady level comes out at its own level.
        for (int o = 0; o < taps; ++o)
            w[o] = float(w[o] / sum);
    }
    const size_t count = size_t(std::llround(double(samples.size()) * double(up) / double(down)));
    const long size = long(samples.size());
    std::vector<float> out(count);
    for (size_t n = 0; n < count; ++n) {
        const long position = long(n) * down;
        const long base = position / up - reach + 1;
        const float* w = weights.data() + (position % up) * taps;
        float sum = 0;
        if (base >= 0 && base + taps <= size) {
            const float* x = samples.data() + base;
            for (int o = 0; o < taps; ++o)
                sum += w[o] * x[o];
        } else {
            for (int o = 0; o < taps; ++o)
                if (base + o >= 0 && base + o < size)
                    sum += w[o] * samples[size_t(base + o)];
        }
        out[n] = sum;
    }
    return out;
}

std::vector<float> withoutRumble(std::vector<float> samples, int rate)
{
    if (rate <= 0 || samples.empty())
        return samples;
    // Butterworth high-pass (bilinear transform) at kRumbleHz.
    constexpr double kRumbleHz = 50;
    const double k = std::tan(std::numbers::pi * kRumbleHz / rate);
    const double q = std::numbers::sqrt2 / 2;
    const double norm = 1 / (1 + k / q + k * k);
    const double b0 = norm, b1 = -2 * norm, b2 = norm;
    const double a1 = 2 * (k * k - 1) * norm, a2 = (1 - k / q + k * k) * norm;
    // Starting from the first sample's level keeps a DC offset from ringing in at the start.
    double x1 = samples[0], x2 = samples[0], y1 = 0, y2 = 0;
    for (float& sample : samples) {
        const double x = sample;
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        sample = float(y);
    }
    return samples;
}

} // namespace kelvaro
