#include "SyntheticVoice.h"

#include "analysis/Resampling.h"
#include "analysis/VoiceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

int frameAt(double seconds)
{
    return int(std::lround(seconds / kVoiceFrameSeconds));
}

} // namespace

TEST(SpeechBoundsTest, TheSilenceAtBothEndsIsTrimmedToWithinTwoFrames)
{
    const struct
    {
        const char* why;
        double lead;
        double trail;
        double noiseDb;   ///< background under the whole take; below -200 for none
        bool click;       ///< a 3 ms click in the middle of the leading silence
        float offset = 0; ///< a microphone's DC offset
    } cases[] = {
        {"clean, short ends", 0.1, 0.1, -300, false},
        {"clean, long ends", 0.8, 1.2, -300, false},
        {"room noise 45 dB under the voice", 0.5, 0.5, -50, false},
        {"a click before the reading", 0.6, 0.4, -300, true},
        {"a click and room noise", 0.6, 0.4, -55, true},
        {"a microphone's DC offset", 0.5, 0.5, -60, false, 0.05f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Utterance u = sampleSentence();
        u.leadSeconds = c.lead;
        u.trailSeconds = c.trail;
        VoiceSignal signal = render(u, 22050);
        signal = mixed(signal, noise(double(signal.samples.size()) / 22050, c.noiseDb, 22050));
        for (float& x : signal.samples)
            x += c.offset;
        if (c.click)
            for (int i = 0; i < 66; ++i)
                signal.samples[size_t(c.lead / 2 * 22050) + size_t(i)] += i % 2 ? 0.8f : -0.8f;
        const VoiceTrack track = analyseVoice(signal);
        const int last = int(u.syllables.size());
        EXPECT_NEAR(track.speechBegin, frameAt(c.lead), 2);
        // The last syllable ends where its pause begins.
        const double end = syllableStart(u, last) - u.syllables.back().pauseSeconds;
        EXPECT_NEAR(track.speechEnd, frameAt(end), 2);
    }
}

TEST(SpeechBoundsTest, ATakeWithoutSpeechHasAnEmptyRange)
{
    const struct
    {
        const char* what;
        VoiceSignal signal;
    } cases[] = {
        {"digital silence", noise(2, -300)},
        {"steady hiss", noise(2, -70)},
        {"nothing at all", VoiceSignal{}},
        {"a broken rate", VoiceSignal{noise(1, -10).samples, 1}},
        {"a single click", mixed(noise(1, -300), VoiceSignal{{0, 0.9f, -0.9f, 0.9f}, kVoiceRate})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VoiceTrack track = analyseVoice(c.signal);
        EXPECT_FALSE(track.hasSpeech()) << track.speechBegin << ".." << track.speechEnd;
    }
}

TEST(ResamplingTest, ToneKeepsItsFrequencyAndLevelAndAliasesAreRemoved)
{
    const struct
    {
        int from;
        double hz;
        double expectedGain; ///< output RMS / input RMS
    } cases[] = {
        {44100, 1000, 1.0},
        {22050, 3000, 1.0},
        {48000, 220, 1.0},
        // Above the new Nyquist frequency (8 kHz): would fold back to 6 and 4 kHz.
        {44100, 10000, 0.0},
        {22050, 12000 - 2050, 0.0},
        {8000, 500, 1.0},
        // An odd rate that has no short ratio to 16 kHz.
        {11127, 1000, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hz << " Hz from " << c.from);
        std::vector<float> in(size_t(c.from / 2));
        for (size_t n = 0; n < in.size(); ++n)
            in[n] = float(0.5 * std::sin(2 * std::numbers::pi * c.hz * double(n) / c.from));
        const std::vector<float> out = resampled(in, c.from, kVoiceRate);
        ASSERT_EQ(out.size(), size_t(std::llround(double(in.size()) * kVoiceRate / c.from)));
        // RMS and the projection on the tone away from the ends.
        double power = 0, re = 0, im = 0;
        const size_t from = 400, to = out.size() - 400;
        for (size_t n = from; n < to; ++n) {
            power += double(out[n]) * out[n];
            re += out[n] * std::cos(2 * std::numbers::pi * c.hz * double(n) / kVoiceRate);
            im += out[n] * std::sin(2 * std::numbers::pi * c.hz * double(n) / kVoiceRate);
        }
        const double count = double(to - from);
        const double gain = std::sqrt(power / count) / (0.5 / std::sqrt(2.0));
        EXPECT_NEAR(gain, c.expectedGain, 0.02);
        if (c.expectedGain > 0) { // all of it at the tone's own frequency
            EXPECT_NEAR(2 * std::hypot(re, im) / count, 0.5, 0.01);
        }
    }
}

TEST(VoiceSignalTest, ChannelsAreMixedToOneAtTheSignalsOwnRate)
{
    const struct
    {
        const char* what;
        std::vector<short> interleaved;
        int channels;
        std::vector<float> mono;
    } cases[] = {
        {"mono", {16384, -32768, 0}, 1, {0.5f, -1.0f, 0.0f}},
        {"stereo, the channels averaged", {16384, 0, -16384, -16384}, 2, {0.25f, -0.5f}},
        {"an odd sample left over is dropped", {32767, 32767, 100}, 2, {32767 / 32768.0f}},
        {"no channels", {1, 2, 3}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VoiceSignal signal = voiceSignal(c.interleaved, c.channels, 44100);
        EXPECT_EQ(signal.rate, 44100);
        ASSERT_EQ(signal.samples.size(), c.mono.size());
        for (size_t i = 0; i < c.mono.size(); ++i)
            EXPECT_FLOAT_EQ(signal.samples[i], c.mono[i]) << i;
    }
}
