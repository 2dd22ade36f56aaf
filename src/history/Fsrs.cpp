#include "Fsrs.h"

#include <algorithm>
#include <cmath>

namespace kelvaro::fsrs {

namespace {

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

int grade(Rating rating)
{
    return int(rating);
}

} // namespace

double retrievability(double elapsedDays, double stability)
{
    return std::pow(1.0 + kFactor * elapsedDays / stability, kDecay);
}

double initialDifficulty(Rating rating, const Parameters& w)
{
    return w[4] - std::exp(w[5] * (grade(rating) - 1)) + 1.0;
}

double nextDifficulty(double difficulty, Rating rating, const Parameters& w)
{
    const double moved = difficulty - w[6] * (grade(rating) - 3);
    return clampDifficulty(w[7] * initialDifficulty(Rating::Easy, w) + (1.0 - w[7]) * moved);
}

double recallStability(double difficulty, double stability, double r, Rating rating,
                       const Parameters& w)
{
    const double hardPenalty = rating == Rating::Hard ? w[15] : 1.0;
    const double easyBonus = rating == Rating::Easy ? w[16] : 1.0;
    return stability * (1.0 + std::exp(w[8]) * (11.0 - difficulty) * std::pow(stability, -w[9]) *
                                  (std::exp(w[10] * (1.0 - r)) - 1.0) * hardPenalty * easyBonus);
}

double forgetStability(double difficulty, double stability, double r, const Parameters& w)
{
    return w[11] * std::pow(difficulty, -w[12]) * (std::pow(stability + 1.0, w[13]) - 1.0) *
           std::exp(w[14] * (1.0 - r));
}

double shortTermStability(double stability, Rating rating, const Parameters& w)
{
    return stability * std::exp(w[17] * (grade(rating) - 3 + w[18]));
}

int nextInterval(double stability, double retention)
{
    const double days = stability / kFactor * (std::pow(retention, 1.0 / kDecay) - 1.0);
    return int(std::clamp(std::round(days), 1.0, double(kMaximumInterval)));
}

MemoryState nextState(const std::optional<MemoryState>& previous, int elapsedDays, Rating rating,
                      const Parameters& w)
{
    if (!previous)
        return {w[grade(rating) - 1], clampDifficulty(initialDifficulty(rating, w))};
    const MemoryState& s = *previous;
    MemoryState next;
    next.difficulty = nextDifficulty(s.difficulty, rating, w);
    if (elapsedDays <= 0) {
        next.stability = shortTermStability(s.stability, rating, w);
    } else {
        const double r = retrievability(elapsedDays, s.stability);
        next.stability = rating == Rating::Again
                             ? forgetStability(s.difficulty, s.stability, r, w)
                             : recallStability(s.difficulty, s.stability, r, rating, w);
    }
    // A stability that rounds to nothing would make the card due forever.
    next.stability = std::max(next.stability, 0.01);
    return next;
}

} // namespace kelvaro::fsrs
