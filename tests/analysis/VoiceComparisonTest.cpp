#include "SyntheticVoice.h"

#include "analysis/TimeWarp.h"
#include "analysis/VoiceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

/// The middle of syllable i in frames.
int syllableMiddle(const Utterance& u, int i)
{
    return frameAt(syllableStart(u, i) + u.syllables[size_t(i)].seconds / 2);
}

VoiceComparison compare(const Utterance& lesson, const Utterance& take)
{
    return compareVoices(analyseVoice(render(lesson, 22050), VoiceReading::Lesson),
                         analyseVoice(render(take)));
}

/// The path's steps advance one or both indices by one.
void expectSingleSteps(const std::vector<std::pair<int, int>>& path)
{
    for (size_t k = 1; k < path.size(); ++k) {
        const int di = path[k].first - path[k - 1].first;
        const int dj = path[k].second - path[k - 1].second;
        ASSERT_TRUE((di == 0 || di == 1) && (dj == 0 || dj == 1) && di + dj > 0) << "step " << k;
    }
}

} // namespace

TEST(TimeWarpTest, ThePathRunsCornerToCornerInSingleStepsWhateverTheShape)
{
    const struct
    {
        int n;
        int m;
    } cases[] = {{1, 1}, {1, 40}, {40, 1}, {3, 200}, {200, 3}, {50, 50}, {120, 300}};
    // Distances that favour neither the diagonal nor the edges.
    const auto distance = [](int i, int j) { return float((i * 7 + j * 13) % 5); };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " x " << c.m);
        for (const TimeWarp& warp :
             {timeWarp(c.n, c.m, distance), straightWarp(c.n, c.m, distance)}) {
            ASSERT_FALSE(warp.path.empty());
            EXPECT_EQ(warp.path.front(), std::make_pair(0, 0));
            EXPECT_EQ(warp.path.back(), std::make_pair(c.n - 1, c.m - 1));
            expectSingleSteps(warp.path);
        }
    }
    EXPECT_TRUE(timeWarp(0, 5, distance).path.empty());
    EXPECT_TRUE(straightWarp(5, 0, distance).path.empty());
}

TEST(TimeWarpTest, ATakeFarLongerThanTheSentenceIsJudgedWithoutWarping)
{
    // The learner read on through five sentences: not worth a warp, and no match.
    const Utterance lesson = sampleSentence();
    Utterance take = sampleSentence();
    for (int k = 0; k < 4; ++k)
        for (const Syllable& s : (k % 2 ? sampleSentence() : otherSentence()).syllables)
            take.syllables.push_back(s);
    const VoiceComparison c = compare(lesson, take);
    EXPECT_GT(c.durationRatio, 4);
    EXPECT_EQ(c.path.front(), std::make_pair(c.lesson.speechBegin, c.take.speechBegin));
    EXPECT_EQ(c.path.back(), std::make_pair(c.lesson.speechEnd - 1, c.take.speechEnd - 1));
    expectSingleSteps(c.path);
    EXPECT_NE(c.advice, VoiceAdvice::Good);
    EXPECT_LE(c.score, 70);
}

TEST(TimeWarpTest, ATimeStretchedReadingIsFollowedSyllableBySyllable)
{
    for (double factor : {0.7, 0.85, 1.0, 1.25, 1.5}) {
        SCOPED_TRACE(testing::Message() << "take stretched by " << factor);
        const Utterance lesson = sampleSentence();
        const Utterance take = stretched(lesson, factor);
        const VoiceComparison c = compare(lesson, take);

        EXPECT_NEAR(c.durationRatio, factor, 0.04);
        EXPECT_EQ(c.path.front(), std::make_pair(c.lesson.speechBegin, c.take.speechBegin));
        EXPECT_EQ(c.path.back(), std::make_pair(c.lesson.speechEnd - 1, c.take.speechEnd - 1));
        for (int i = 0; i < int(lesson.syllables.size()); ++i) {
            const int at = syllableMiddle(lesson, i);
            EXPECT_NEAR(c.takeFrameAt[size_t(at)], syllableMiddle(take, i), 3) << "syllable " << i;
        }
        EXPECT_EQ(c.takeFrameAt[size_t(c.lesson.speechBegin - 1)], -1);
        EXPECT_EQ(c.takeFrameAt[size_t(c.lesson.speechEnd)], -1);
        EXPECT_GT(c.pitchCorrelation, 0.9);
        EXPECT_GE(c.score, 80);
    }
}

TEST(TimeWarpTest, AVoiceAnOctaveAwayFollowsTheSameTune)
{
    // A man shadowing a woman and the other way round: the contours are relative to each
    // speaker's own median, so the tune matches.
    for (double factor : {0.5, 2.0}) {
        SCOPED_TRACE(testing::Message() << "take transposed by " << factor);
        // Both voices stay within the tracked range (a man around 110 Hz, a woman around 220).
        const Utterance lesson = transposed(sampleSentence(), factor < 1 ? 2 : 1);
        const VoiceComparison c = compare(lesson, stretched(transposed(lesson, factor), 1.1));
        EXPECT_NEAR(c.take.medianHz / c.lesson.medianHz, factor, factor * 0.05);
        EXPECT_GT(c.pitchCorrelation, 0.9);
        int close = 0, shared = 0;
        for (int f = 0; f < c.lesson.frames(); ++f) {
            const float warped = c.warpedTakeSemitones[size_t(f)];
            if (std::isnan(warped) || std::isnan(c.lesson.semitones[size_t(f)]))
                continue;
            ++shared;
            close += std::abs(warped - c.lesson.semitones[size_t(f)]) < 1;
        }
        EXPECT_GT(shared, 100);
        EXPECT_GE(close, shared * 9 / 10);
        EXPECT_EQ(c.advice, VoiceAdvice::Good) << voiceAdviceName(c.advice);
    }
}

TEST(VoiceScoreTest, TheAdviceNamesWhatDiffersMost)
{
    Utterance flat = sampleSentence();
    for (Syllable& s : flat.syllables)
        s.startHz = s.endHz = 110;
    // The lesson stresses its third syllable; the take swallows it.
    Utterance stressed = sampleSentence();
    stressed.syllables[2].levelDb = 6;
    Utterance swallowed = sampleSentence();
    swallowed.syllables[2].levelDb = -24;
    Utterance silent = sampleSentence();
    for (Syllable& s : silent.syllables)
        s.levelDb = -200;

    const struct
    {
        const char* why;
        Utterance lesson;
        Utterance take;
        VoiceAdvice advice;
        int lowestScore;
        int highestScore;
    } cases[] = {
        {"the same reading an octave up", sampleSentence(), transposed(sampleSentence(), 2),
         VoiceAdvice::Good, 85, 100},
        {"much slower", sampleSentence(), stretched(sampleSentence(), 1.6), VoiceAdvice::TooSlow,
         60, 100},
        {"much faster", sampleSentence(), stretched(sampleSentence(), 0.6), VoiceAdvice::TooFast,
         60, 100},
        {"on one note", sampleSentence(), flat, VoiceAdvice::FlatIntonation, 40, 90},
        {"the stressed syllable swallowed", stressed, swallowed, VoiceAdvice::MissingStress, 40,
         100},
        {"nothing said", sampleSentence(), silent, VoiceAdvice::NoSpeech, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const VoiceComparison result = compare(c.lesson, c.take);
        EXPECT_STREQ(voiceAdviceName(result.advice), voiceAdviceName(c.advice))
            << "cost " << result.alignmentCost << " correlation " << result.pitchCorrelation
            << " ratio " << result.durationRatio;
        EXPECT_GE(result.score, c.lowestScore);
        EXPECT_LE(result.score, c.highestScore);
        EXPECT_FALSE(voiceAdviceText(result.advice).isEmpty());
        if (c.advice == VoiceAdvice::MissingStress) {
            EXPECT_NEAR(result.stressFrame, syllableMiddle(c.lesson, 2),
                        frameAt(c.lesson.syllables[2].seconds / 2));
        } else {
            EXPECT_EQ(result.stressFrame, -1);
        }
    }
}

TEST(VoiceScoreTest, AnotherSentenceCostsMoreAndScoresLowerThanTheSameOneReadDifferently)
{
    // Synthetic vowels lie close together, so this asks for the order, not for the espeak-ng
    // readings' absolute costs (see the calibration).
    const Utterance lesson = sampleSentence();
    const Utterance sameReadings[] = {stretched(lesson, 1.3), transposed(lesson, 2),
                                      stretched(transposed(lesson, 0.8), 0.8)};
    const VoiceComparison other = compare(lesson, otherSentence());
    for (const Utterance& take : sameReadings) {
        const VoiceComparison same = compare(lesson, take);
        EXPECT_GT(other.alignmentCost, 1.1 * same.alignmentCost);
        EXPECT_LT(other.score, same.score - 20);
    }
}

TEST(VoiceScoreTest, TracksMadeElsewhereWithOnlyAWaveformCompareWithoutHarm)
{
    // A picture's test draws tracks by hand: no levels, no pitch, no coefficients.
    VoiceTrack lesson, take;
    lesson.envelope.assign(120, 0.5f);
    lesson.speechBegin = 10;
    lesson.speechEnd = 110;
    take.envelope.assign(90, 0.5f);
    take.speechBegin = 5;
    take.speechEnd = 95; // past its frames
    const VoiceComparison c = compareVoices(lesson, take);
    ASSERT_FALSE(c.path.empty());
    EXPECT_EQ(c.path.front(), std::make_pair(10, 5));
    EXPECT_EQ(c.path.back(), std::make_pair(109, 89));
    EXPECT_EQ(c.stressFrame, -1);
    EXPECT_EQ(c.takeFrameAt.size(), size_t(120));
}

TEST(VoiceScoreTest, ConcurrentAnalysesGiveTheSameResultAsOne)
{
    const VoiceSignal lesson = render(sampleSentence(), 44100);
    const VoiceSignal take = render(stretched(transposed(sampleSentence(), 1.5), 1.2));
    const VoiceComparison alone =
        compareVoices(analyseVoice(lesson, VoiceReading::Lesson), analyseVoice(take));
    std::vector<VoiceComparison> results(4);
    std::vector<std::thread> threads;
    for (VoiceComparison& r : results)
        threads.emplace_back([&] {
            r = compareVoices(analyseVoice(lesson, VoiceReading::Lesson), analyseVoice(take));
        });
    for (std::thread& t : threads)
        t.join();
    for (const VoiceComparison& r : results) {
        EXPECT_EQ(r.path, alone.path);
        EXPECT_EQ(r.take.pitchHz, alone.take.pitchHz);
        EXPECT_EQ(r.score, alone.score);
    }
}
