#include "WindowedWarp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kelvaro {

namespace {

// Charged on a step that holds one side: speech moves at one pace, so a path does not park on
// one frame while the other side reads a whole word.
constexpr float kHoldCharge = 0.05f;

enum Step : uint8_t { Diagonal, FromAbove, FromLeft, Start };

/// Every row reaches from the row above and the corners are inside.
void closeWindow(WarpWindow& window)
{
    const int rows = window.rows();
    if (rows == 0)
        return;
    for (int r = 0; r < rows; ++r) {
        window.low[size_t(r)] = std::clamp(window.low[size_t(r)], 0, window.columns - 1);
        window.high[size_t(r)] = std::clamp(window.high[size_t(r)], 1, window.columns);
    }
    window.low[0] = 0;
    window.high[size_t(rows - 1)] = window.columns;
    for (int r = 1; r < rows; ++r)
        window.low[size_t(r)] = std::max(window.low[size_t(r)], window.low[size_t(r - 1)]);
    for (int r = rows - 2; r >= 0; --r)
        window.high[size_t(r)] = std::min(window.high[size_t(r)], window.high[size_t(r + 1)]);
    for (int r = 1; r < rows; ++r)
        window.low[size_t(r)] = std::min(window.low[size_t(r)], window.high[size_t(r - 1)] - 1);
    for (int r = 0; r < rows; ++r)
        window.high[size_t(r)] = std::max(window.high[size_t(r)], window.low[size_t(r)] + 1);
}

} // namespace

long long WarpWindow::cells() const
{
    long long sum = 0;
    for (size_t r = 0; r < low.size(); ++r)
        sum += high[r] - low[r];
    return sum;
}

WarpWindow diagonalBand(int rows, int columns, int radius)
{
    WarpWindow window;
    window.columns = columns;
    window.low.resize(size_t(std::max(0, rows)));
    window.high.resize(window.low.size());
    for (int r = 0; r < rows; ++r) {
        const double centre = rows == 1 ? 0.0 : double(r) * (columns - 1) / (rows - 1);
        window.low[size_t(r)] = int(centre) - radius;
        window.high[size_t(r)] = int(centre) + radius + 1;
    }
    closeWindow(window);
    return window;
}

WarpWindow windowAround(const WarpPath& path, int factor, int rows, int columns, int radius)
{
    WarpWindow window;
    window.columns = columns;
    if (rows <= 0 || columns <= 0)
        return window;
    // The columns the path covers in each row of this grid.
    std::vector<int> first(size_t(rows), std::numeric_limits<int>::max()), last(size_t(rows), -1);
    for (const auto& [row, column] : path) {
        for (int r = row * factor; r < std::min(rows, (row + 1) * factor); ++r) {
            first[size_t(r)] = std::min(first[size_t(r)], column * factor);
            last[size_t(r)] = std::max(last[size_t(r)], (column + 1) * factor - 1);
        }
    }
    window.low.assign(size_t(rows), std::numeric_limits<int>::max());
    window.high.assign(size_t(rows), -1);
    for (int r = 0; r < rows; ++r) {
        if (last[size_t(r)] < 0)
            continue;
        for (int near = std::max(0, r - radius); near <= std::min(rows - 1, r + radius); ++near) {
            window.low[size_t(near)] =
                std::min(window.low[size_t(near)], first[size_t(r)] - radius);
            window.high[size_t(near)] =
                std::max(window.high[size_t(near)], last[size_t(r)] + radius + 1);
        }
    }
    // A row the path never reached (beyond its coarse grid) takes its neighbour's range.
    for (int r = 1; r < rows; ++r)
        if (window.high[size_t(r)] < 0) {
            window.low[size_t(r)] = window.low[size_t(r - 1)];
            window.high[size_t(r)] = window.high[size_t(r - 1)];
        }
    for (int r = rows - 2; r >= 0; --r)
        if (window.high[size_t(r)] < 0) {
            window.low[size_t(r)] = window.low[size_t(r + 1)];
            window.high[size_t(r)] = window.high[size_t(r + 1)];
        }
    closeWindow(window);
    return window;
}

WarpPath pathThrough(const std::vector<std::pair<int, int>>& points)
{
    WarpPath path;
    for (size_t k = 0; k < points.size(); ++k) {
        const auto [r0, c0] = k == 0 ? points[0] : points[k - 1];
        const auto [r1, c1] = points[k];
        const int steps = std::max(std::abs(r1 - r0), std::abs(c1 - c0));
        for (int s = k == 0 ? 0 : 1; s <= steps; ++s) {
            const double share = steps == 0 ? 1.0 : double(s) / steps;
            path.emplace_back(r0 + int(std::lround(share * (r1 - r0))),
                              c0 + int(std::lround(share * (c1 - c0))));
        }
    }
    return path;
}

WarpPath warpWithin(const WarpWindow& window, const AlignmentFeatures& rows,
                    const AlignmentFeatures& columns, const std::function<void(int)>& progress,
                    const std::atomic_bool* cancel)
{
    const int n = window.rows();
    if (n == 0 || window.columns == 0)
        return {};
    std::vector<long long> offset(size_t(n) + 1, 0);
    int widest = 0;
    for (int r = 0; r < n; ++r) {
        const int width = window.high[size_t(r)] - window.low[size_t(r)];
        offset[size_t(r + 1)] = offset[size_t(r)] + width;
        widest = std::max(widest, width);
    }
    std::vector<uint8_t> steps(static_cast<size_t>(offset.back()), Start);
    constexpr float kUnreachable = std::numeric_limits<float>::infinity();
    // Costs of the row above and of this row only: the steps alone are kept for the way back.
    std::vector<double> above(size_t(widest), kUnreachable), here(size_t(widest), kUnreachable);
    int aboveLow = 0, aboveHigh = 0;
    int reported = -1;
    for (int r = 0; r < n; ++r) {
        if (cancel && (r & 255) == 0 && cancel->load())
            return {};
        const int low = window.low[size_t(r)], high = window.high[size_t(r)];
        const float* x = rows.frame(r);
        uint8_t* rowSteps = steps.data() + offset[size_t(r)];
        for (int c = low; c < high; ++c) {
            const double d = frameDistance(x, columns.frame(c));
            if (r == 0 && c == 0) {
                here[0] = d;
                continue;
            }
            double best = kUnreachable;
            uint8_t from = Start;
            if (r > 0 && c - 1 >= aboveLow && c - 1 < aboveHigh) {
                best = above[size_t(c - 1 - aboveLow)] + 2 * d;
                from = Diagonal;
            }
            if (r > 0 && c >= aboveLow && c < aboveHigh) {
                const double up = above[size_t(c - aboveLow)] + d + kHoldCharge;
                if (up < best) {
                    best = up;
                    from = FromAbove;
                }
            }
            if (c > low) {
                const double left = here[size_t(c - 1 - low)] + d + kHoldCharge;
                if (left < best) {
                    best = left;
                    from = FromLeft;
                }
            }
            here[size_t(c - low)] = best;
            rowSteps[c - low] = from;
        }
        std::swap(above, here);
        aboveLow = low;
        aboveHigh = high;
        if (progress) {
            const int percent = int(offset[size_t(r + 1)] * 100 / std::max(1LL, offset[size_t(n)]));
            if (percent != reported)
                progress(reported = percent);
        }
    }

    WarpPath path;
    for (int r = n - 1, c = window.columns - 1;;) {
        path.emplace_back(r, c);
        const uint8_t from = steps[size_t(offset[size_t(r)] + c - window.low[size_t(r)])];
        if (from == Start)
            break;
        if (from != FromLeft)
            --r;
        if (from != FromAbove)
            --c;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace kelvaro
