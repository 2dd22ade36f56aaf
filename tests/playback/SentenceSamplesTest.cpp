// What the lesson player emits for a sentence, compared sample by sample with a decode of
// the whole recording in one pass.
#include "AudioTestFiles.h"
#include "SampleCompare.h"

#include "playback/LessonPlayer.h"
#include "playback/NullAudioOutput.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using test::ToneRecording;

// Plays start..end on a player that has played other stretches before, as the window does,
// and returns exactly what went to the output.
PcmSound readSentence(LessonPlayer& player, NullAudioOutput& output, double start, double end)
{
    player.setEndFence(end);
    player.setPosition(start);
    player.play();
    while (!player.engine().finished() && output.settle()) {
    }
    EXPECT_TRUE(player.engine().finished());
    EXPECT_GT(player.position(), end); // the window's poll sees the reading through
    player.pause();
    PcmSound sound;
    sound.format = player.engine().format();
    sound.samples = output.takeCaptured();
    return sound;
}

struct PlayerOnCapture
{
    PlayerOnCapture()
    {
        auto made = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::Unpaced);
        output = made.get();
        output->setCapturing(true);
        player = std::make_unique<LessonPlayer>(std::move(made));
    }
    NullAudioOutput* output;
    std::unique_ptr<LessonPlayer> player;
};

const std::vector<double> kBounds = {0.0, 0.5, 1.2345, 2.00004, 2.7, 3.5};

struct Case
{
    const char* name;
    ToneRecording recording;
};

const Case kCases[] = {
    {"44.1 kHz mono CBR", {44100, 1, false, kBounds}},
    {"44.1 kHz stereo VBR", {44100, 2, true, kBounds}},
    {"22.05 kHz mono VBR", {22050, 1, true, kBounds}},
    {"22.05 kHz stereo CBR", {22050, 2, false, kBounds}},
};

TEST(SentenceSamples, TouchingSentencesLoseNothingAndLeakNothing)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const QString path = test::mp3File(c.recording);
        if (path.isEmpty())
            GTEST_SKIP() << "lame is not installed: no test recordings";
        const PcmSound whole = test::decodeWhole(path);
        const int rate = c.recording.rate;
        PlayerOnCapture p;
        p.player->setFile(path);
        ASSERT_TRUE(p.player->openError().isEmpty()) << p.player->openError().toStdString();
        // Backwards, so every reading seeks away from where the last one stopped.
        for (int i = int(kBounds.size()) - 2; i >= 0; --i) {
            SCOPED_TRACE(i);
            const PcmSound got = readSentence(*p.player, *p.output, kBounds[i], kBounds[i + 1]);
            const qint64 from = framesAt(kBounds[i], rate);
            EXPECT_TRUE(test::sameFrames(got, whole, from, framesAt(kBounds[i + 1], rate) - from));
        }
        // An end past the end of the recording stops at its last sample.
        const qint64 from = framesAt(3.1, rate);
        const PcmSound tail = readSentence(*p.player, *p.output, 3.1, 9.0);
        EXPECT_TRUE(test::sameFrames(tail, whole, from, whole.frames() - from));
    }
}

TEST(SentenceSamples, ASentenceInTheMiddleOfAHalfHourRecording)
{
    // Made once (about 10 s with lame) and kept in the build tree.
    const ToneRecording recording{22050, 1, true, {0.0, 900.0, 900.123, 903.456, 1800.0}};
    const QString path = test::mp3File(recording);
    if (path.isEmpty())
        GTEST_SKIP() << "lame is not installed: no test recordings";
    const PcmSound whole = test::decodeWhole(path, framesAt(905.0, recording.rate));
    PlayerOnCapture p;
    p.player->setFile(path);
    const qint64 from = framesAt(900.123, recording.rate);
    const qint64 count = framesAt(903.456, recording.rate) - from;
    EXPECT_TRUE(
        test::sameFrames(readSentence(*p.player, *p.output, 900.123, 903.456), whole, from, count));
    // The neighbour before it, then the sentence again: seeks back and forth.
    const qint64 before = framesAt(900.0, recording.rate);
    EXPECT_TRUE(test::sameFrames(readSentence(*p.player, *p.output, 900.0, 900.123), whole, before,
                                 from - before));
    EXPECT_TRUE(
        test::sameFrames(readSentence(*p.player, *p.output, 900.123, 903.456), whole, from, count));
}

} // namespace
} // namespace kelvaro
