#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/MainController.h"
#include "app/ModeSwitching.h"
#include "app/WordSpeaking.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class ReadAfterAndWordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::ReadAfter);
        ASSERT_TRUE(shell.writeSettings(settings));
        controller = std::make_unique<MainController>(shell.context());
        ASSERT_TRUE(controller->startUp());
        shell.lessonPlayer.clearCalls();
    }

    const ReadAfterView& buttons() { return shell.state().readAfter; }

    ShellFixture shell;
    std::unique_ptr<MainController> controller;
};

} // namespace

TEST_F(ReadAfterAndWordsTest, RecorderIsOpenedOnTheRecorderFileAtStartUp)
{
    EXPECT_EQ(shell.recorder.calls(),
              (QStringList{"close", QStringLiteral("open ") + shell.state().folder.recorder()}));
    EXPECT_FALSE(buttons().RecordStopCommandEnabled);
    EXPECT_FALSE(buttons().UserVoiceCommandEnabled);
}

TEST_F(ReadAfterAndWordsTest, RecordStopAndPlayBackChangeTheButtonsAndStopTheLessonReading)
{
    shell.recorder.clearCalls();
    controller->perform(Command::ReadSentence); // "标准读音"
    controller->perform(Command::Record);
    controller->perform(Command::Record); // a second take discards the first
    EXPECT_TRUE(buttons().RecordStopCommandEnabled);
    const QString open = QStringLiteral("open ") + shell.state().folder.recorder();
    EXPECT_EQ(shell.recorder.calls(),
              (QStringList{"close", open, "record", "close", open, "record"}));

    shell.recorder.clearCalls();
    controller->perform(Command::StopRecording);
    EXPECT_FALSE(buttons().RecordStopCommandEnabled);
    EXPECT_TRUE(buttons().UserVoiceCommandEnabled);
    EXPECT_EQ(shell.recorder.calls(), QStringList{"stop"});
    EXPECT_EQ(shell.lessonPlayer.calls().last(), QStringLiteral("pause"));
    EXPECT_FALSE(shell.context().timers.ReadTimer->isEnabled());

    // The take survives moving to another sentence.
    controller->perform(Command::NextSentence);
    controller->perform(Command::PlayTake);
    controller->perform(Command::PlayTake);
    EXPECT_EQ(shell.recorder.calls(), (QStringList{"stop", "play", "play"}));
    EXPECT_TRUE(buttons().UserVoiceCommandEnabled);
}

TEST_F(ReadAfterAndWordsTest, ArrivingAtASentenceReadsItOnceWithoutRepeats)
{
    controller->perform(Command::NextSentence);
    EXPECT_EQ(shell.lessonPlayer.calls(),
              (QStringList{"setEndFence 2.9", "setPosition 1.5", "play"}));
    shell.clock.advance(5000);
    EXPECT_EQ(shell.lessonPlayer.calls().count(QStringLiteral("play")), 1);
    EXPECT_EQ(shell.state().CurrentReadCount, 1);
}

TEST_F(ReadAfterAndWordsTest, AWordSoundsTenMillisecondsLaterAndANewRequestReplacesIt)
{
    MainContext& context = shell.context();
    shell.wordPlayer.clearCalls();
    context.state.wordPopup.WordEnglishTextLabel = QStringLiteral("walk");
    readWord(context);
    context.state.wordPopup.WordEnglishTextLabel = QStringLiteral("book");
    readWord(context);
    shell.clock.advance(9);
    EXPECT_TRUE(shell.wordPlayer.calls().isEmpty());
    shell.clock.advance(1);
    EXPECT_EQ(shell.wordPlayer.calls(),
              (QStringList{QStringLiteral("setFile ") +
                               context.state.folder.wordRecording(QStringLiteral("book")),
                           "play", "setPosition 0"}));
    EXPECT_TRUE(context.state.folder.wordRecording(QStringLiteral("book"))
                    .endsWith(QStringLiteral("/Word/b/book.wav")));
    shell.clock.advance(100);
    EXPECT_EQ(shell.wordPlayer.calls().count(QStringLiteral("play")),
              1); // wordDelayTimer fires once
}

TEST_F(ReadAfterAndWordsTest, SpeakerIconClicksSoundAndPlayTheSentence)
{
    tabClicked(shell.context(), Mode::Translation);
    shell.lessonPlayer.clearCalls();
    const TwipRect horn = shell.state().translation.HornImage[2].geometry;
    controller->speakerPressed(2);
    EXPECT_EQ(shell.state().translation.HornImage[2].geometry.left, horn.left + 15);
    controller->speakerReleased(2);
    EXPECT_EQ(shell.state().translation.HornImage[2].geometry, horn);
    EXPECT_EQ(shell.feedback.played(), (QStringList{"MouDown.wav", "MouUp.wav"}));
    EXPECT_EQ(shell.state().CurrentSentence, 2);
    EXPECT_EQ(shell.lessonPlayer.calls(),
              (QStringList{"setEndFence 2.9", "setPosition 1.5", "play"}));
}
