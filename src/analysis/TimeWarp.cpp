#include "TimeWarp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kelvaro {

namespace {

constexpr double kBandShare = 0.4; // of the longer sequence, each side of the straight line
constexpr int kNarrowestBand = 20;
// Added to every step that holds one sequence while the other moves on: a syllable is spoken
// at one pace, so the path does not park on a single frame while the other reads a whole vowel.
constexpr double kHoldPenalty = 0.3;

enum Step : uint8_t { Diagonal, FromAbove, FromLeft, Start };

} // namespace

TimeWarp timeWarp(int n, int m, const std::function<float(int, int)>& distance)
{
    TimeWarp warp;
    if (n <= 0 || m <= 0)
        return warp;
    const int radius = std::max(kNarrowestBand, int(kBandShare * std::max(n, m)));
    // Row i keeps columns [low[i], high[i]); each row's range starts no later and ends no
    // earlier than a path from the row above needs.
    std::vector<int> low(size_t(n), 0), high(size_t(n), 0), offset(size_t(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        const double centre = n == 1 ? 0.0 : double(i) * (m - 1) / (n - 1);
        low[size_t(i)] = std::clamp(int(centre) - radius, 0, m - 1);
        high[size_t(i)] = std::clamp(int(centre) + radius + 1, 1, m);
    }
    high[size_t(n - 1)] = m;
    low[0] = 0;
    for (int i = 1; i < n; ++i)
        low[size_t(i)] = std::max(low[size_t(i)], low[size_t(i - 1)]);
    for (int i = n - 2; i >= 0; --i)
        high[size_t(i)] = std::min(high[size_t(i)], high[size_t(i + 1)]);
    // A steep band (one very short sequence) must still join row to row.
    for (int i = 1; i < n; ++i)
        low[size_t(i)] = std::min(low[size_t(i)], high[size_t(i - 1)] - 1);
    for (int i = 0; i < n; ++i)
        offset[size_t(i + 1)] = offset[size_t(i)] + (high[size_t(i)] - low[size_t(i)]);

    constexpr double kUnreachable = std::numeric_limits<double>::infinity();
    std::vector<double> total(size_t(offset[size_t(n)]), kUnreachable);
    std::vector<uint8_t> step(total.size(), Start);
    auto at = [&](int i, int j) -> double {
        if (i < 0 || j < low[size_t(i)] || j >= high[size_t(i)])
            return kUnreachable;
        return total[size_t(offset[size_t(i)] + j - low[size_t(i)])];
    };
    for (int i = 0; i < n; ++i) {
        for (int j = low[size_t(i)]; j < high[size_t(i)]; ++j) {
            const double d = distance(i, j);
            const size_t cell = size_t(offset[size_t(i)] + j - low[size_t(i)]);
            if (i == 0 && j == 0) {
                total[cell] = d;
                continue;
            }
            double best = at(i - 1, j - 1) + 2 * d;
            uint8_t from = Diagonal;
            if (const double up = at(i - 1, j) + d + kHoldPenalty; up < best) {
                best = up;
                from = FromAbove;
            }
            if (const double left = j > 0 ? at(i, j - 1) + d + kHoldPenalty : kUnreachable;
                left < best) {
                best = left;
                from = FromLeft;
            }
            total[cell] = best;
            step[cell] = from;
        }
    }

    double sum = 0;
    for (int i = n - 1, j = m - 1;;) {
        warp.path.emplace_back(i, j);
        sum += distance(i, j);
        const uint8_t from = step[size_t(offset[size_t(i)] + j - low[size_t(i)])];
        if (from == Start)
            break;
        if (from != FromLeft)
            --i;
        if (from != FromAbove)
            --j;
    }
    std::reverse(warp.path.begin(), warp.path.end());
    warp.meanDistance = sum / double(warp.path.size());
    return warp;
}

TimeWarp straightWarp(int n, int m, const std::function<float(int, int)>& distance)
{
    TimeWarp warp;
    if (n <= 0 || m <= 0)
        return warp;
    const int steps = std::max(n, m);
    double sum = 0;
    for (int k = 0; k < steps; ++k) {
        const double share = steps == 1 ? 0.0 : double(k) / (steps - 1);
        const int i = int(std::lround(share * (n - 1)));
        const int j = int(std::lround(share * (m - 1)));
        warp.path.emplace_back(i, j);
        sum += distance(i, j);
    }
    warp.meanDistance = sum / steps;
    return warp;
}

} // namespace kelvaro
