#include "SyntheticVoice.h"

#include "analysis/PitchTrack.h"
#include "analysis/VoiceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

double semitonesBetween(double hz, double referenceHz)
{
    return 12 * std::log2(hz / referenceHz);
}

/// One sung vowel of the given length, pitch moving from startHz to endHz, amid silence.
Utterance vowel(double seconds, double startHz, double endHz)
{
    Utterance u;
    u.syllables = {{seconds, startHz, endHz, 600, 1400, 0, 0}};
    return u;
}

} // namespace

TEST(PitchTrackTest, ASteadyToneIsVoicedThroughoutAtItsPitchWhateverTheRate)
{
    const struct
    {
        double hz;
        int rate;
    } cases[] = {{85, 16000}, {110, 22050}, {220, 44100}, {330, 16000}, {440, 48000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hz << " Hz at " << c.rate);
        const Utterance u = vowel(1.0, c.hz, c.hz);
        const VoiceTrack track = analyseVoice(render(u, c.rate));
        // The vowel's frames, less 3 at each edge where the window straddles its ends.
        const int first = int(u.leadSeconds / kVoiceFrameSeconds) + 3;
        const int last = int((u.leadSeconds + 1.0) / kVoiceFrameSeconds) - 3;
        for (int f = first; f < last; ++f) {
            ASSERT_GT(track.pitchHz[size_t(f)], 0) << "frame " << f;
            ASSERT_NEAR(semitonesBetween(track.pitchHz[size_t(f)], c.hz), 0, 0.2) << "frame " << f;
            ASSERT_NEAR(track.semitones[size_t(f)], 0, 0.2);
        }
        EXPECT_NEAR(semitonesBetween(track.medianHz, c.hz), 0, 0.1);
        EXPECT_TRUE(std::isnan(track.semitones[size_t(first - 10)])) << "the silence is unvoiced";
    }
}

TEST(PitchTrackTest, AGlideIsFollowedAtItsSlopeAndInTime)
{
    // One octave up over a second: 12 semitones per second, so a frame late or early shows as
    // 0.12 semitones off.
    const Utterance u = vowel(1.0, 120, 240);
    const VoiceTrack track = analyseVoice(render(u, 22050));
    const int first = int(u.leadSeconds / kVoiceFrameSeconds) + 4;
    const int last = int((u.leadSeconds + 1.0) / kVoiceFrameSeconds) - 4;
    for (int f = first; f < last; ++f) {
        const double t = (f + 0.5) * kVoiceFrameSeconds - u.leadSeconds;
        const double expected = 120 * std::pow(2.0, t);
        ASSERT_GT(track.pitchHz[size_t(f)], 0) << "frame " << f;
        EXPECT_NEAR(semitonesBetween(track.pitchHz[size_t(f)], expected), 0, 0.3) << "frame " << f;
    }
    // The median sits mid-glide, so the contour runs from -6 to +6 semitones.
    EXPECT_NEAR(track.semitones[size_t(first)],
                -6 + 12 * (first + 0.5) * kVoiceFrameSeconds - 12 * u.leadSeconds, 0.4);
}

TEST(PitchTrackTest, NoiseAndSilenceAreUnvoiced)
{
    const struct
    {
        const char* what;
        VoiceSignal signal;
    } cases[] = {
        {"loud white noise", noise(1.5, -12)},
        {"quiet white noise", noise(1.5, -45, 44100)},
        {"digital silence", noise(1.0, -300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VoiceTrack track = analyseVoice(c.signal);
        int voiced = 0;
        for (float hz : track.pitchHz)
            voiced += hz > 0;
        EXPECT_LE(voiced, track.frames() / 50);
        EXPECT_EQ(track.medianHz == 0, voiced == 0);
    }
}

TEST(PitchTrackTest, OctaveSlipsArePulledBackAndFlickersDropped)
{
    // A steady 150 Hz voice whose detector slips an octave up for three frames and down for two,
    // and a two-frame flicker in a pause.
    std::vector<PitchEstimate> estimates(60, {150, 0.9f});
    for (int f : {20, 21, 22})
        estimates[size_t(f)].hz = 300;
    for (int f : {40, 41})
        estimates[size_t(f)].hz = 75;
    for (int f = 45; f < 50; ++f)
        estimates[size_t(f)] = {0, 0};
    estimates[47] = {150, 0.9f};
    const std::vector<float> levels(60, -20.0f);

    const std::vector<float> hz = voicedPitch(estimates, levels, -20);
    for (int f = 0; f < 60; ++f) {
        if (f >= 45 && f < 50)
            EXPECT_EQ(hz[size_t(f)], 0) << "frame " << f;
        else
            EXPECT_NEAR(hz[size_t(f)], 150, 0.01) << "frame " << f;
    }
}

TEST(PitchTrackTest, AnUnsureEdgeJoinsTheVowelOnlyOnItsPitch)
{
    std::vector<PitchEstimate> estimates(50, {0, 0});
    for (int f = 10; f < 12; ++f)
        estimates[size_t(f)] = {150, 0.35f}; // the vowel's soft onset
    for (int f = 12; f < 30; ++f)
        estimates[size_t(f)] = {150, 0.9f};
    for (int f = 30; f < 32; ++f)
        estimates[size_t(f)] = {190, 0.35f}; // four semitones off: not the same voice
    for (int f = 40; f < 46; ++f)
        estimates[size_t(f)] = {150, 0.35f}; // unsure all through, with no vowel beside it

    const std::vector<float> hz = voicedPitch(estimates, std::vector<float>(50, -20.0f), -20);
    for (int f = 0; f < 50; ++f)
        EXPECT_EQ(hz[size_t(f)] > 0, f >= 10 && f < 30) << "frame " << f;
}

TEST(PitchTrackTest, QuietOrUncertainFramesAreUnvoiced)
{
    const struct
    {
        const char* why;
        PitchEstimate estimate;
        float levelDb;
        bool voiced;
    } cases[] = {
        {"clear and loud", {200, 0.9f}, -20, true},
        {"unsure", {200, 0.3f}, -20, false},
        {"far below the reading's loud level", {200, 0.9f}, -55, false},
        {"below the lowest voice", {40, 0.9f}, -20, false},
        {"above the highest voice", {900, 0.9f}, -20, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<float> hz = voicedPitch(std::vector<PitchEstimate>(10, c.estimate),
                                                  std::vector<float>(10, c.levelDb), -15);
        EXPECT_EQ(hz[5] > 0, c.voiced);
    }
}
