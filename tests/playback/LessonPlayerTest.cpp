#include "playback/LessonPlayer.h"
#include "playback/NullAudioOutput.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

const QString kRecording =
    QStringLiteral(KELVARO_TEST_DATA "/folder/Sound/Kelvaro/1.mp3"); // 22.05 kHz

std::unique_ptr<LessonPlayer> unpacedPlayer(NullAudioOutput** output = nullptr)
{
    auto made = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::Unpaced);
    made->setCapturing(true);
    if (output != nullptr)
        *output = made.get();
    return std::make_unique<LessonPlayer>(std::move(made));
}

TEST(LessonPlayer, AMissingRecordingIsSilentAndItsPositionStays)
{
    auto player = unpacedPlayer();
    player->setEndFence(1.2);
    player->setFile(QStringLiteral("/no/such/Sound/7.mp3"));
    EXPECT_TRUE(player->openError().contains(QStringLiteral("/no/such/Sound/7.mp3")));
    EXPECT_EQ(player->file(), QStringLiteral("/no/such/Sound/7.mp3"));
    player->setPosition(0.5);
    player->play();
    EXPECT_EQ(player->position(), 0.0); // the reading never reaches its end
    EXPECT_FALSE(player->isPlaying());
}

TEST(LessonPlayer, TimesBecomeSampleNumbersOnceAndTheReadingEndsJustPastItsEnd)
{
    NullAudioOutput* output = nullptr;
    auto player = unpacedPlayer(&output);
    player->setEndFence(1.2); // set before the file: kept in seconds
    player->setFile(kRecording);
    ASSERT_TRUE(player->openError().isEmpty()) << player->openError().toStdString();
    player->setPosition(0.1);
    EXPECT_EQ(player->position(), 2205.0 / 22050);
    player->play();
    while (!player->engine().finished() && output->settle()) {
    }
    EXPECT_EQ(qint64(output->takeCaptured().size()), std::llround(1.2 * 22050) - 2205);
    EXPECT_GT(player->position(), 1.2);
    EXPECT_NEAR(player->position(), 1.2 + 1.0 / 22050, 1e-9); // one sample past it
    player->pause();
    EXPECT_GT(player->position(), 1.2);

    // The next sentence: a new end and a new start, as the window sets them.
    player->setEndFence(2.9);
    player->setPosition(1.5);
    player->play();
    while (!player->engine().finished() && output->settle()) {
    }
    EXPECT_EQ(qint64(output->takeCaptured().size()),
              std::llround(2.9 * 22050) - std::llround(1.5 * 22050));
    player->stop();
    EXPECT_EQ(player->position(), 0.0);
}

} // namespace
} // namespace kelvaro
