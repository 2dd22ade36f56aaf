#include "analysis/Resampling.h"
#include "analysis/VoiceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvaro;

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
