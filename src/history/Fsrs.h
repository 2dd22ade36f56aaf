#pragma once

#include <array>
#include <optional>

namespace kelvaro::fsrs {

// The FSRS-5 memory model (the scheduler behind Anki's FSRS): pure functions over a card's
// stability (days until recall falls to 90%) and difficulty (1..10).

/// A review's grade: failed, passed with help, passed, passed easily.
enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

/// The 19 weights w0..w18.
using Parameters = std::array<double, 19>;

/// The published default weights of FSRS-5.
inline constexpr Parameters kDefaultParameters = {
    0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
    1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621};

inline constexpr double kDecay = -0.5;
inline constexpr double kFactor = 19.0 / 81.0; ///< 0.9^(1/kDecay) - 1
inline constexpr double kDesiredRetention = 0.9;
inline constexpr int kMaximumInterval = 36500;

/// A card's memory after its reviews so far.
struct MemoryState
{
    double stability = 0;
    double difficulty = 0;
};

/// Probability of recall after elapsedDays at stability.
double retrievability(double elapsedDays, double stability);
/// The first review's difficulty for rating, not clamped (mean reversion aims at D0(Easy)).
double initialDifficulty(Rating rating, const Parameters& w = kDefaultParameters);
/// Difficulty after a review: moved by the rating, pulled back towards D0(Easy), in 1..10.
double nextDifficulty(double difficulty, Rating rating, const Parameters& w = kDefaultParameters);
/// Stability after a successful review (Hard, Good, Easy) at retrievability r.
double recallStability(double difficulty, double stability, double r, Rating rating,
                       const Parameters& w = kDefaultParameters);
/// Stability after a lapse (Again) at retrievability r.
double forgetStability(double difficulty, double stability, double r,
                       const Parameters& w = kDefaultParameters);
/// Stability after another review on the same day.
double shortTermStability(double stability, Rating rating,
                          const Parameters& w = kDefaultParameters);
/// Days until recall falls to retention, rounded, at least 1 and at most kMaximumInterval.
int nextInterval(double stability, double retention = kDesiredRetention);

/// The memory after a review elapsedDays after the previous one (none for a new card);
/// a review on the same day as the previous one takes the short-term formula.
MemoryState nextState(const std::optional<MemoryState>& previous, int elapsedDays, Rating rating,
                      const Parameters& w = kDefaultParameters);

} // namespace kelvaro::fsrs
