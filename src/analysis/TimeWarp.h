#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace kelvaro {

/// The cheapest monotonic alignment of two sequences.
struct TimeWarp
{
    /// (index in the first, index in the second), from (0, 0) to (n - 1, m - 1), each step
    /// advancing one or both by one.
    std::vector<std::pair<int, int>> path;
    double meanDistance = 0; ///< the mean of distance(i, j) over the path's pairs
};

/// Dynamic time warping of sequences of lengths n and m under distance(i, j) >= 0, with the
/// symmetric step weights (a diagonal step counts its distance twice) and a small fixed charge
/// on each step that holds one sequence, so long holds need a real gain in distance. The path is
/// searched within a band around the straight line from corner to corner wide enough for any pause
/// or hurry within a sentence. An empty sequence gives an empty path.
TimeWarp timeWarp(int n, int m, const std::function<float(int, int)>& distance);

/// The straight line from corner to corner in the same single steps, with its mean distance:
/// for readings too unlike in length (or too long) to be worth warping.
TimeWarp straightWarp(int n, int m, const std::function<float(int, int)>& distance);

} // namespace kelvaro
