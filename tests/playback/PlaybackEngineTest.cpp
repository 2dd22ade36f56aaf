// The fenced feeder and its position, on a sound whose every sample tells its own frame
// number, played by the null output on a clock the test moves.
#include "playback/PlaybackEngine.h"
#include "playback/NullAudioOutput.h"
#include "playback/PcmDecoder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>

namespace kelvaro {
namespace {

constexpr int kRate = 8000; // 8 frames a millisecond
constexpr qint64 kLength = 80000;
constexpr qint64 kLeadIn = 160; // 20 ms

// Sample i holds i % 30000, so the frames emitted name themselves.
std::shared_ptr<const PcmSound> ramp()
{
    auto sound = std::make_shared<PcmSound>();
    sound->format = AudioFormat{kRate, 1};
    sound->samples.resize(kLength);
    for (qint64 i = 0; i < kLength; ++i)
        sound->samples[size_t(i)] = qint16(i % 30000);
    return sound;
}

std::vector<qint16> framesOf(qint64 from, qint64 to)
{
    std::vector<qint16> frames;
    for (qint64 i = from; i < to; ++i)
        frames.push_back(qint16(i % 30000));
    return frames;
}

class PlaybackEngineTest : public ::testing::Test
{
protected:
    PlaybackEngineTest()
    {
        auto output = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::RealTime,
                                                        [this] { return m_now.load(); });
        m_output = output.get();
        m_output->setCapturing(true);
        m_engine = std::make_unique<PlaybackEngine>(std::move(output));
        m_engine->setDecoder(std::make_unique<PcmDecoder>(ramp()));
    }

    /// Moves the clock on and lets the output catch up with it.
    void advanceMs(int ms)
    {
        m_now += qint64(ms) * 1000;
        ASSERT_TRUE(m_output->settle());
    }
    std::vector<qint16> emitted() { return m_output->takeCaptured(); }

    std::atomic<qint64> m_now{5'000'000};
    NullAudioOutput* m_output;
    std::unique_ptr<PlaybackEngine> m_engine;
};

TEST_F(PlaybackEngineTest, PositionIsTheStartPlusWhatHasBeenHeard)
{
    m_engine->seek(8000);
    m_engine->play();
    ASSERT_TRUE(m_output->settle());
    struct Step
    {
        int advanceMs;
        qint64 position;
    };
    // The first 20 ms are the lead-in's silence: nothing of the sound is heard yet.
    const Step steps[] = {{0, 8000}, {10, 8000}, {10, 8000}, {1, 8008}, {3, 8032}, {1000, 16032}};
    for (const Step& step : steps) {
        advanceMs(step.advanceMs);
        EXPECT_EQ(m_engine->position(), step.position) << "after " << step.advanceMs << " ms more";
    }
    EXPECT_TRUE(m_engine->isPlaying());
}

TEST_F(PlaybackEngineTest, EmitsExactlyUpToTheFenceAndStandsOnePastItOnceHeard)
{
    m_engine->setFence(8800);
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(20 + 99); // 792 of the 800 frames heard
    EXPECT_EQ(m_engine->position(), 8792);
    EXPECT_FALSE(m_engine->finished());
    advanceMs(1);
    EXPECT_EQ(m_engine->position(), 8801); // "position > end" now holds, not before
    EXPECT_TRUE(m_engine->finished());
    advanceMs(500);
    EXPECT_EQ(m_engine->position(), 8801);
    EXPECT_EQ(emitted(), framesOf(8000, 8800));
}

TEST_F(PlaybackEngineTest, AFenceMovedLaterLetsTheReadingRunOn)
{
    m_engine->setFence(8800);
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(50);
    m_engine->setFence(9600); // a sentence shown while this one plays: its end counts
    advanceMs(200);
    EXPECT_EQ(m_engine->position(), 9601);
    EXPECT_EQ(emitted(), framesOf(8000, 9600));

    // Moved on after the end was reached and heard, before anyone paused it: it goes on
    // from the exact end, with nothing skipped.
    m_engine->setFence(10400);
    EXPECT_EQ(m_engine->position(), 9600);
    advanceMs(200);
    EXPECT_EQ(m_engine->position(), 10401);
    EXPECT_EQ(emitted(), framesOf(9600, 10400));
}

TEST_F(PlaybackEngineTest, AFenceMovedBeforeWhatWasEmittedStopsTheFeed)
{
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(30); // 80 frames heard, 40 ms more already handed over
    const std::vector<qint16> before = emitted();
    ASSERT_GT(before.size(), 200u);
    m_engine->setFence(8200);
    advanceMs(500);
    EXPECT_TRUE(emitted().empty()); // nothing more goes out
    EXPECT_GT(m_engine->position(), 8200);

    // Moved back behind what was already heard: the sound is cut at once.
    m_engine->setFence(-1);
    m_engine->seek(16000);
    m_engine->play();
    advanceMs(20 + 50); // heard up to 16400
    m_engine->setFence(16200);
    const qint64 cutAt = m_engine->position();
    EXPECT_EQ(cutAt, 16401);
    advanceMs(100);
    EXPECT_EQ(m_engine->position(), cutAt);
}

TEST_F(PlaybackEngineTest, PauseKeepsThePositionAndPlayGoesOnFromWhatWasHeard)
{
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(20 + 50);
    m_engine->pause();
    EXPECT_FALSE(m_engine->isPlaying());
    EXPECT_EQ(m_engine->position(), 8400);
    advanceMs(1000);
    EXPECT_EQ(m_engine->position(), 8400);
    const std::vector<qint16> first = emitted();
    ASSERT_GE(first.size(), 400u);
    EXPECT_EQ(std::vector<qint16>(first.begin(), first.begin() + 400), framesOf(8000, 8400));

    // What was handed over but not heard is played again: nothing is lost.
    m_engine->play();
    advanceMs(20 + 10);
    EXPECT_EQ(m_engine->position(), 8480);
    const std::vector<qint16> second = emitted();
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.front(), 8400);

    m_engine->stop();
    EXPECT_EQ(m_engine->position(), 0);
}

TEST_F(PlaybackEngineTest, PlayAfterTheEndWithoutASeekEmitsNothingMore)
{
    m_engine->setFence(8800);
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(200);
    m_engine->pause();
    EXPECT_EQ(m_engine->position(), 8801);
    emitted();
    m_engine->play();
    advanceMs(200);
    EXPECT_EQ(m_engine->position(), 8801);
    EXPECT_TRUE(emitted().empty());
}

TEST_F(PlaybackEngineTest, EndsThatNeedNoSound)
{
    struct Case
    {
        const char* name;
        qint64 fence;
        qint64 start;
        qint64 position; ///< once all is heard
        qint64 emittedFrames;
    };
    const Case cases[] = {
        {"end equal to the start ends at once", 8000, 8000, 8001, 0},
        {"end before the start ends at once", 7000, 8000, 8001, 0},
        {"the sound ends before the fence: the fence counts as reached", 90000, 79900, 90001, 100},
        {"no fence: one past the end of the sound", -1, 79900, kLength + 1, 100},
        {"a start past the end of the sound", 100000, 85000, 100001, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_engine->setFence(c.fence);
        m_engine->seek(c.start);
        m_engine->play();
        advanceMs(100);
        EXPECT_EQ(m_engine->position(), c.position);
        EXPECT_TRUE(m_engine->finished());
        EXPECT_EQ(qint64(emitted().size()), c.emittedFrames);
        m_engine->pause();
        EXPECT_EQ(m_engine->position(), c.position);
    }
}

TEST_F(PlaybackEngineTest, ASeekWhilePlayingGoesOnFromTheNewPlace)
{
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(50);
    emitted();
    m_engine->seek(24000);
    EXPECT_EQ(m_engine->position(), 24000);
    advanceMs(20 + 100);
    EXPECT_EQ(m_engine->position(), 24800);
    const std::vector<qint16> after = emitted();
    ASSERT_GE(after.size(), 800u);
    EXPECT_EQ(std::vector<qint16>(after.begin(), after.begin() + 800), framesOf(24000, 24800));
}

TEST_F(PlaybackEngineTest, WithoutASoundNothingMoves)
{
    m_engine->setDecoder(nullptr);
    m_engine->seek(8000);
    m_engine->play();
    advanceMs(100);
    EXPECT_EQ(m_engine->position(), 0);
    EXPECT_FALSE(m_engine->isPlaying());
}

// The window's way of reading, on the real clock: a poll that pauses once the position is
// past the end. It must see every frame of the stretch and nothing after it, whatever the
// threads' timing (this is also the test the thread sanitizer runs).
TEST(PlaybackEngineRealTime, APollThatPausesPastTheEndGetsExactlyTheStretch)
{
    auto made = std::make_unique<NullAudioOutput>();
    NullAudioOutput& output = *made;
    output.setCapturing(true);
    PlaybackEngine engine(std::move(made));
    engine.setDecoder(std::make_unique<PcmDecoder>(ramp()));
    engine.setFence(9200);
    engine.seek(8000); // 150 ms
    engine.play();
    qint64 last = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (engine.position() <= 9200 && std::chrono::steady_clock::now() < deadline) {
        const qint64 position = engine.position();
        EXPECT_GE(position, last);
        last = position;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(engine.position(), 9201);
    engine.pause();
    EXPECT_EQ(output.takeCaptured(), framesOf(8000, 9200));
}

} // namespace
} // namespace kelvaro
