// Slower and faster readings: made of exactly the sentence's own samples, lasting 1/speed as
// long at the same pitch, with the position still running over the recording's own times.
#include "AudioTestFiles.h"
#include "SampleCompare.h"

#include "playback/LessonPlayer.h"
#include "playback/NullAudioOutput.h"
#include "playback/PcmDecoder.h"
#include "playback/PlaybackEngine.h"
#include "playback/SegmentRenderer.h"
#include "playback/StretchingAudioOutput.h"

#include <gtest/gtest.h>

#include <atomic>

namespace kelvaro {
namespace {

using test::ToneRecording;

/// The tone's frequency in channel 0 of the middle of sound, by its zero crossings.
double toneFrequency(const PcmSound& sound)
{
    const int channels = sound.format.channels;
    const qint64 from = sound.frames() / 5;
    const qint64 to = sound.frames() - from;
    int crossings = 0;
    qint64 first = -1;
    qint64 last = -1;
    for (qint64 i = from + 1; i < to; ++i) {
        const int a = sound.samples[size_t((i - 1) * channels)];
        const int b = sound.samples[size_t(i * channels)];
        if (a < 0 && b >= 0) {
            if (first < 0)
                first = i;
            else
                ++crossings;
            last = i;
        }
    }
    return last > first ? crossings * double(sound.format.rate) / double(last - first) : 0.0;
}

PcmSound sourceOf(const PcmSound& stretched, std::vector<qint16> frames)
{
    return PcmSound{stretched.format, std::move(frames)};
}

struct Case
{
    const char* name;
    ToneRecording recording;
};

const std::vector<double> kBounds = {0.0, 0.9, 2.1234, 3.2};

const Case kCases[] = {
    {"44.1 kHz stereo VBR", {44100, 2, true, kBounds}},
    {"22.05 kHz mono CBR", {22050, 1, false, kBounds}},
};

TEST(StretchedSentence, IsMadeOfExactlyItsOwnSamplesAndLastsOneOverSpeedAtTheSamePitch)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const QString path = test::mp3File(c.recording);
        if (path.isEmpty())
            GTEST_SKIP() << "lame is not installed: no test recordings";
        const PcmSound whole = test::decodeWhole(path);
        const int rate = c.recording.rate;
        for (int s = 0; s + 1 < int(kBounds.size()); ++s) {
            const qint64 from = framesAt(kBounds[s], rate);
            const qint64 count = framesAt(kBounds[s + 1], rate) - from;
            for (double speed : {0.5, 0.7, 0.75, 1.3, 1.5}) {
                SCOPED_TRACE(testing::Message() << "sentence " << s << " at " << speed);
                std::vector<qint16> source;
                const auto stretched =
                    renderSegment(path, kBounds[s], kBounds[s + 1], speed, &source);
                ASSERT_TRUE(stretched.ok()) << stretched.error().toStdString();
                // The same fence as the reading at speed 1: nothing of a neighbour, none lost.
                EXPECT_TRUE(test::sameFrames(sourceOf(*stretched, source), whole, from, count));
                EXPECT_NEAR(double(stretched->frames()), count / speed, 0.01 * count / speed);
                EXPECT_NEAR(toneFrequency(*stretched), ToneRecording::frequency(s),
                            0.01 * ToneRecording::frequency(s));
            }
        }
    }
}

TEST(StretchedSentence, BackAtSpeedOneTheReadingIsTheSentencesOwnSamplesUntouched)
{
    const ToneRecording recording{44100, 1, false, kBounds};
    const QString path = test::mp3File(recording);
    if (path.isEmpty())
        GTEST_SKIP() << "lame is not installed: no test recordings";
    const PcmSound whole = test::decodeWhole(path);
    auto made = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::Unpaced);
    NullAudioOutput& output = *made;
    output.setCapturing(true);
    LessonPlayer player(std::move(made));
    player.setFile(path);
    auto read = [&](double speed) {
        player.setSpeed(speed);
        player.setEndFence(kBounds[2]);
        player.setPosition(kBounds[1]);
        player.play();
        while (!player.engine().finished() && output.settle()) {
        }
        EXPECT_GT(player.position(), kBounds[2]); // the window's poll sees the reading through
        player.pause();
        return PcmSound{player.engine().format(), output.takeCaptured()};
    };
    const qint64 from = framesAt(kBounds[1], 44100);
    const qint64 count = framesAt(kBounds[2], 44100) - from;
    EXPECT_GT(read(0.7).frames(), count * 1.4);
    EXPECT_TRUE(test::sameFrames(read(1.0), whole, from, count));
}

// The engine on a stretching output whose device plays by a clock the test moves, on a sound
// whose every sample names its frame.
class StretchedPositionTest : public ::testing::Test
{
protected:
    static constexpr int kRate = 8000;

    StretchedPositionTest()
    {
        auto sound = std::make_shared<PcmSound>();
        sound->format = AudioFormat{kRate, 1};
        for (qint64 i = 0; i < 4 * kRate; ++i)
            sound->samples.push_back(qint16(i % 30000));
        auto device = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::RealTime,
                                                        [this] { return m_now.load(); });
        m_device = device.get();
        auto stretching = std::make_unique<StretchingAudioOutput>(std::move(device));
        m_stretching = stretching.get();
        m_stretching->setCapturingSource(true);
        m_engine = std::make_unique<PlaybackEngine>(std::move(stretching));
        m_engine->setDecoder(std::make_unique<PcmDecoder>(sound));
    }

    void advanceMs(int ms)
    {
        m_now += qint64(ms) * 1000;
        ASSERT_TRUE(m_device->settle());
    }

    std::atomic<qint64> m_now{5'000'000};
    NullAudioOutput* m_device;
    StretchingAudioOutput* m_stretching;
    std::unique_ptr<PlaybackEngine> m_engine;
};

TEST_F(StretchedPositionTest, RunsFromStartToEndWhileTheSoundLastsOneOverSpeed)
{
    // One second of the sound, 1.0 s to 2.0 s, at half speed: two seconds of sound.
    m_stretching->setTempo(0.5);
    m_engine->setFence(2 * kRate);
    m_engine->seek(kRate);
    m_engine->play();
    ASSERT_TRUE(m_device->settle());
    qint64 last = m_engine->position();
    EXPECT_EQ(last, kRate);
    for (int ms = 100; ms <= 1900; ms += 100) {
        ASSERT_NO_FATAL_FAILURE(advanceMs(100));
        const qint64 position = m_engine->position();
        EXPECT_GE(position, last) << ms;
        EXPECT_LE(position, 2 * kRate) << ms;
        // Half a frame of the sound per frame heard, give or take the stretcher's latency.
        EXPECT_NEAR(position, kRate + (ms - 20) * kRate / 1000 / 2, 0.06 * kRate) << ms;
        EXPECT_FALSE(m_engine->finished()) << ms;
        last = position;
    }
    ASSERT_NO_FATAL_FAILURE(advanceMs(300));
    EXPECT_TRUE(m_engine->finished());
    EXPECT_EQ(m_engine->position(), 2 * kRate + 1); // just past the end, as at speed 1

    std::vector<qint16> expected;
    for (qint64 i = kRate; i < 2 * kRate; ++i)
        expected.push_back(qint16(i % 30000));
    EXPECT_EQ(m_stretching->takeCapturedSource(), expected);
}

TEST_F(StretchedPositionTest, AnEndMovedOnWhileTheTailPlaysRunsOnToTheNewEnd)
{
    // The window shows the next sentence while this one plays: its end moves on, and the
    // reading, already at its old end in the stretcher, goes on to the new one.
    m_stretching->setTempo(0.5);
    m_engine->setFence(kRate + 800);
    m_engine->seek(kRate);
    m_engine->play();
    ASSERT_NO_FATAL_FAILURE(advanceMs(60));
    EXPECT_FALSE(m_engine->finished());
    m_engine->setFence(2 * kRate);
    for (int ms = 0; ms < 2200; ms += 100)
        ASSERT_NO_FATAL_FAILURE(advanceMs(100));
    EXPECT_TRUE(m_engine->finished());
    EXPECT_EQ(m_engine->position(), 2 * kRate + 1);
    std::vector<qint16> expected;
    for (qint64 i = kRate; i < 2 * kRate; ++i)
        expected.push_back(qint16(i % 30000));
    EXPECT_EQ(m_stretching->takeCapturedSource(), expected);
}

} // namespace
} // namespace kelvaro
