#include "SyntheticVoice.h"

#include "analysis/VoiceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;
using namespace kelvaro::test;

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
