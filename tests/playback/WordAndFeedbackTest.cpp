// The word player and the feedback sounds: short wave files, a new one cuts off the last.
#include "playback/FeedbackSounds.h"
#include "playback/NullAudioOutput.h"
#include "playback/WavFile.h"
#include "playback/WavPlayer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

namespace kelvaro {
namespace {

constexpr int kRate = 8000;

// A 100 ms sound whose every sample is `value`: what is heard tells which sound it was.
PcmSound constant(qint16 value)
{
    return PcmSound{{kRate, 1}, std::vector<qint16>(800, value)};
}

class ShortSoundsTest : public ::testing::Test
{
protected:
    ShortSoundsTest()
    {
        EXPECT_TRUE(writeWav(path("walk"), constant(1)).ok());
        EXPECT_TRUE(writeWav(path("make"), constant(2)).ok());
    }
    QString path(const char* word) const
    {
        return m_dir.filePath(QString::fromLatin1(word) + ".wav");
    }
    std::unique_ptr<NullAudioOutput> output()
    {
        auto made = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::RealTime,
                                                      [this] { return m_now.load(); });
        made->setCapturing(true);
        m_output = made.get();
        return made;
    }
    void advanceMs(int ms)
    {
        m_now += qint64(ms) * 1000;
        ASSERT_TRUE(m_output->settle());
    }

    QTemporaryDir m_dir;
    std::atomic<qint64> m_now{1'000'000};
    NullAudioOutput* m_output = nullptr;
};

TEST_F(ShortSoundsTest, AWordStartsWhenGivenAndTheNextWordCutsItOff)
{
    WavPlayer player(output());
    player.setFile(path("walk"));
    EXPECT_TRUE(player.isPlaying());
    player.setPosition(0); // as the word timer does: no restart, nothing lost
    advanceMs(20 + 30);
    EXPECT_DOUBLE_EQ(player.position(), 0.030);
    player.setFile(path("make"));
    advanceMs(500);
    EXPECT_TRUE(player.engine().finished());
    EXPECT_DOUBLE_EQ(player.position(), 0.100 + 1.0 / kRate);
    // The first word stopped where it was cut; the second was heard whole.
    const std::vector<qint16> heard = m_output->takeCaptured();
    ASSERT_GE(heard.size(), 800u);
    EXPECT_EQ(std::vector<qint16>(heard.end() - 800, heard.end()), constant(2).samples);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), qint16(2)), 800);
    EXPECT_LT(std::count(heard.begin(), heard.end(), qint16(1)), 800);
}

TEST_F(ShortSoundsTest, AMissingWordIsSilentAndStopsTheOneBefore)
{
    WavPlayer player(output());
    player.setFile(path("walk"));
    advanceMs(40);
    player.setFile(path("nowhere"));
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.position(), 0.0);
    EXPECT_EQ(player.file(), path("nowhere"));
    player.play();
    advanceMs(200);
    EXPECT_EQ(player.position(), 0.0);
}

TEST_F(ShortSoundsTest, FeedbackSoundsCutEachOtherAndOwnUpToAMissingFile)
{
    FeedbackSounds sounds(output());
    EXPECT_TRUE(sounds.play(path("walk")));
    advanceMs(20 + 10);
    EXPECT_TRUE(sounds.play(path("make")));
    advanceMs(500);
    EXPECT_TRUE(sounds.engine().finished());
    const std::vector<qint16> heard = m_output->takeCaptured();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), qint16(2)), 800);

    // The same sound again plays from its start.
    EXPECT_TRUE(sounds.play(path("make")));
    advanceMs(500);
    EXPECT_EQ(m_output->takeCaptured(), constant(2).samples);

    EXPECT_FALSE(sounds.play(path("nowhere"))); // the caller beeps instead
    EXPECT_FALSE(sounds.engine().isPlaying());
}

} // namespace
} // namespace kelvaro
