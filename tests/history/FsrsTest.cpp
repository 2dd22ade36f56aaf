#include "history/Fsrs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace kelvaro::fsrs;

namespace {

// The weights of the reference implementation's published table (ts-fsrs 4.0 tests): the
// functions take the weights as given, so its values pin every formula.
constexpr Parameters kReferenceWeights = {0.4072, 1.1829, 3.1262, 15.4722, 7.2102, 0.5316, 1.0651,
                                          0.0234, 1.616,  0.1544, 1.0824,  1.9813, 0.0953, 0.2975,
                                          2.2042, 0.2407, 2.9466, 0.5034,  0.6567};

constexpr Rating kGrades[] = {Rating::Again, Rating::Hard, Rating::Good, Rating::Easy};

} // namespace

TEST(FsrsTest, RetrievabilityFollowsTheForgettingCurve)
{
    const struct
    {
        double days, stability, expected;
    } cases[] = {{0, 1, 1.0},        {1, 2, 0.946059}, {2, 3, 0.9299294},
                 {3, 4, 0.92216794}, {4, 4, 0.9},      {5, 2, 0.79394596}};
    for (const auto& c : cases)
        EXPECT_NEAR(retrievability(c.days, c.stability), c.expected, 1e-7) << c.days;
}

TEST(FsrsTest, DifficultyMovesWithTheGradeAndRevertsToTheEasyStart)
{
    const double expected[] = {7.04017216, 5.9999955, 4.95981884, 3.91964218};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(nextDifficulty(5.0, kGrades[i], kReferenceWeights), expected[i], 1e-6) << i;
    EXPECT_EQ(nextDifficulty(10.0, Rating::Again), 10.0); // clamped
    EXPECT_EQ(nextDifficulty(1.0, Rating::Easy), 1.0);
}

TEST(FsrsTest, StabilityAfterRecallLapseAndSameDayReviewMatchesTheReferenceTable)
{
    const double difficulty[] = {1, 2, 3, 4};
    const double r[] = {0.9, 0.8, 0.7, 0.6};
    const double recall[] = {27.43740902, 15.27687386, 65.24019626, 224.35058851};
    const double lapse[] = {1.73909651, 2.0293769, 2.43393181, 2.95208552};
    const double shortTerm[] = {2.54268521, 4.20645686, 6.95889497, 11.51235369};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(recallStability(difficulty[i], 5, r[i], kGrades[i], kReferenceWeights),
                    recall[i], 1e-6)
            << i;
        EXPECT_NEAR(forgetStability(difficulty[i], 5, r[i], kReferenceWeights), lapse[i], 1e-6)
            << i;
        EXPECT_NEAR(shortTermStability(5, kGrades[i], kReferenceWeights), shortTerm[i], 1e-6) << i;
    }
}

TEST(FsrsTest, IntervalForStabilityOneAtEachRetentionMatchesTheReference)
{
    const int expected[] = {422, 102, 43, 22, 13, 8, 4, 2, 1, 1};
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(nextInterval(1.0, i / 10.0), expected[i - 1]) << i;
    EXPECT_EQ(nextInterval(1e9), kMaximumInterval);
}

TEST(FsrsTest, ASequenceOfReviewsGrowsOnSuccessAndShrinksOnALapse)
{
    // A new card starts at the default weights' first stabilities and difficulty.
    const MemoryState good = nextState(std::nullopt, 0, Rating::Good);
    EXPECT_DOUBLE_EQ(good.stability, 3.173);
    EXPECT_NEAR(good.difficulty, 7.1949 - std::exp(0.5345 * 2) + 1, 1e-12);
    EXPECT_EQ(nextInterval(good.stability), 3);
    EXPECT_DOUBLE_EQ(nextState(std::nullopt, 0, Rating::Again).stability, 0.40255);

    // Reviewed Good on each due day, the intervals grow; a lapse drops them below the last.
    MemoryState state = good;
    int interval = nextInterval(state.stability);
    std::vector<int> intervals{interval};
    for (int review = 0; review < 4; ++review) {
        state = nextState(state, interval, Rating::Good);
        interval = nextInterval(state.stability);
        EXPECT_GT(interval, intervals.back());
        intervals.push_back(interval);
    }
    const MemoryState lapsed = nextState(state, interval, Rating::Again);
    EXPECT_LT(nextInterval(lapsed.stability), intervals.back() / 4);
    EXPECT_GT(lapsed.difficulty, state.difficulty);
    // Hard helps less than Good, and a second try the same day changes stability only a little.
    EXPECT_LT(nextState(good, 3, Rating::Hard).stability,
              nextState(good, 3, Rating::Good).stability);
    EXPECT_NEAR(nextState(good, 0, Rating::Good).stability,
                good.stability * std::exp(0.51655 * 0.6621), 1e-9);
}
