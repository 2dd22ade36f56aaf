#pragma once

#include "AlignmentFeatures.h"

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

namespace kelvaro {

/// (row, column) pairs from (0, 0) to (rows - 1, columns - 1), each step advancing one or both.
using WarpPath = std::vector<std::pair<int, int>>;

/// The columns [low[r], high[r]) of each row r that a warp may pass through.
struct WarpWindow
{
    int columns = 0;
    std::vector<int> low;
    std::vector<int> high;

    int rows() const { return int(low.size()); }
    long long cells() const;
};

/// The cells within radius columns of the straight line from corner to corner.
WarpWindow diagonalBand(int rows, int columns, int radius);

/// The cells of a rows x columns grid within radius (rows and columns) of path, where path runs
/// on a grid factor times coarser (each of its cells covers factor x factor of these).
WarpWindow windowAround(const WarpPath& path, int factor, int rows, int columns, int radius);

/// A path through the given (row, column) points in order, straight between them: a guess to
/// search around. The points must not go backwards.
WarpPath pathThrough(const std::vector<std::pair<int, int>>& points);

/// The cheapest monotonic path of rows through columns within window under frameDistance,
/// diagonal steps counting their distance twice and a small charge on each step that holds one
/// side. Empty when cancelled; progress (0..100) now and then when given.
WarpPath warpWithin(const WarpWindow& window, const AlignmentFeatures& rows,
                    const AlignmentFeatures& columns, const std::function<void(int)>& progress,
                    const std::atomic_bool* cancel);

} // namespace kelvaro
