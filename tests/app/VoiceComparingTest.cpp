#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/MainController.h"
#include "app/ModeSwitching.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

using namespace kelvaro;

namespace {

// The test lesson: sentence 1 runs from 0.1 s to 1.2 s, sentence 2 from 1.5 s to 2.9 s of
// Sound/Kelvaro/1.mp3 (silence). Mode 6 is the read-after tab.

/// A steady vowel-like tone at 16 kHz: seconds of it, after lead seconds of silence.
std::vector<short> tone(double seconds, double lead = 0.2, double hz = 180)
{
    std::vector<short> samples(size_t((lead + seconds) * kVoiceRate), 0);
    for (size_t i = size_t(lead * kVoiceRate); i < samples.size(); ++i) {
        const double t = double(i) / kVoiceRate;
        samples[i] = short(8000 * std::sin(2 * std::numbers::pi * hz * t) +
                           3000 * std::sin(2 * std::numbers::pi * 2 * hz * t));
    }
    return samples;
}

class VoiceComparingTest : public ::testing::Test
{
protected:
    void SetUp() override { start(Mode::ReadAfter); }

    void start(Mode mode)
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        ASSERT_TRUE(shell.writeSettings(settings));
        controller = std::make_unique<MainController>(shell.context());
        QObject::connect(controller.get(), &MainController::changed, [this] { ++redraws; });
        ASSERT_TRUE(controller->startUp());
        ASSERT_EQ(shell.state().CurrentSentence, 1);
        shell.lessonPlayer.clearCalls();
        shell.recorder.clearCalls();
    }

    /// A take recorded and stopped: "录音", the learner reads, "停止".
    void recordTake(std::vector<short> take)
    {
        controller->perform(Command::Record);
        shell.recorder.setTake(std::move(take));
        controller->perform(Command::StopRecording);
    }

    const ReadAfterView& view() { return shell.state().readAfter; }
    Timer* cursorTimer() { return shell.context().timers.VoiceCursorTimer; }

    ShellFixture shell;
    std::unique_ptr<MainController> controller;
    int redraws = 0;
};

} // namespace

TEST_F(VoiceComparingTest, TheSentencesReadingIsAnalysedOffTheWindowAndFollowsTheSentence)
{
    // Opening the lesson in the tab started the analysis; nothing is there until it returns.
    EXPECT_EQ(shell.background.pending(), 1);
    EXPECT_EQ(view().lessonVoice, nullptr);
    // Entering the tab again does not analyse the same sentence twice.
    tabClicked(shell.context(), Mode::ReadAfter);
    EXPECT_EQ(shell.background.pending(), 1);

    const int before = redraws;
    EXPECT_EQ(shell.background.runPending(), 1);
    ASSERT_NE(view().lessonVoice, nullptr);
    EXPECT_GT(redraws, before); // the picture appears without waiting for the next event
    // Exactly the stretch the player plays: 1.1 s of sentence 1, to the frame.
    EXPECT_NEAR(view().lessonVoice->seconds, 1.1, 0.011);
    EXPECT_NEAR(view().lessonVoice->frames(), 110, 1);

    controller->perform(Command::NextSentence);
    EXPECT_EQ(view().lessonVoice, nullptr); // sentence 1's picture is gone at once
    shell.background.runPending();
    ASSERT_NE(view().lessonVoice, nullptr);
    EXPECT_NEAR(view().lessonVoice->seconds, 1.4, 0.011);
}

TEST_F(VoiceComparingTest, AResultForASentenceLeftBeforeItCameBackIsDroppedAndTheShownOneFollows)
{
    controller->perform(Command::NextSentence); // sentence 1's analysis is still under way
    controller->perform(Command::PreviousSentence);
    controller->perform(Command::NextSentence);
    EXPECT_EQ(shell.background.pending(), 1); // one at a time, not one per sentence passed
    shell.background.runPending();
    EXPECT_EQ(view().lessonVoice, nullptr);   // sentence 1's reading is not shown on sentence 2
    EXPECT_EQ(shell.background.pending(), 1); // sentence 2's comes next
    shell.background.runPending();
    ASSERT_NE(view().lessonVoice, nullptr);
    EXPECT_NEAR(view().lessonVoice->seconds, 1.4, 0.011);
    EXPECT_EQ(shell.background.pending(), 0);
}

TEST_F(VoiceComparingTest, OnlyTheReadAfterTabAnalyses)
{
    shell.background.runPending();
    tabClicked(shell.context(), Mode::SentenceBrowse);
    controller->perform(Command::NextSentence);
    EXPECT_EQ(view().lessonVoice, nullptr); // sentence 1's reading went with it
    EXPECT_EQ(shell.background.pending(), 0);
    tabClicked(shell.context(), Mode::ReadAfter);
    EXPECT_EQ(shell.background.pending(), 1);
    shell.background.runPending();
    ASSERT_NE(view().lessonVoice, nullptr);
    EXPECT_NEAR(view().lessonVoice->seconds, 1.4, 0.011);
}

TEST_F(VoiceComparingTest, StopComparesTheTakeWithTheSentencesReading)
{
    shell.background.runPending();
    const auto lesson = view().lessonVoice;
    recordTake(tone(1.0));
    EXPECT_EQ(view().comparison, nullptr);
    EXPECT_EQ(shell.background.pending(), 1); // one job: the take's analysis and the comparison
    const int before = redraws;
    shell.background.runPending();
    ASSERT_NE(view().comparison, nullptr);
    EXPECT_GT(redraws, before);
    const VoiceComparison& c = *view().comparison;
    EXPECT_NEAR(c.take.seconds, 1.2, 0.011);
    EXPECT_TRUE(c.take.hasSpeech());
    // The leading silence of the take is not part of the reading.
    EXPECT_NEAR(c.take.speechBegin, 20, 3);
    // Against the reading already analysed: the same result as comparing the two directly.
    const VoiceComparison direct =
        compareVoices(*lesson, analyseVoice(voiceSignal(tone(1.0), 1, kVoiceRate)));
    EXPECT_EQ(c.lesson.frames(), lesson->frames());
    EXPECT_EQ(c.path, direct.path);
    EXPECT_EQ(c.score, direct.score);
    EXPECT_EQ(c.advice, direct.advice);
    EXPECT_EQ(view().lessonVoice, lesson);
    EXPECT_TRUE(view().UserVoiceCommandEnabled);

    // A new take clears the old comparison at once.
    controller->perform(Command::Record);
    EXPECT_EQ(view().comparison, nullptr);
}

TEST_F(VoiceComparingTest, AnEmptyTakeTellsTheLearnerNothingWasHeard)
{
    recordTake({}); // the lesson's reading is not analysed yet either: the one job does both
    EXPECT_EQ(shell.background.pending(), 2);
    shell.background.runPending();
    ASSERT_NE(view().comparison, nullptr);
    EXPECT_EQ(view().comparison->advice, VoiceAdvice::NoSpeech);
    EXPECT_FALSE(voiceAdviceText(view().comparison->advice).isEmpty());
    ASSERT_NE(view().lessonVoice, nullptr);
    EXPECT_NEAR(view().lessonVoice->seconds, 1.1, 0.011);
}

TEST_F(VoiceComparingTest, AComparisonOverTakenByANewTakeOrAnotherSentenceIsDropped)
{
    shell.background.runPending();
    recordTake(tone(1.0));
    controller->perform(Command::Record); // a new take starts before the comparison came back
    shell.background.runPending();
    EXPECT_EQ(view().comparison, nullptr);

    controller->perform(Command::StopRecording);
    controller->perform(Command::NextSentence);
    shell.background.runPending();
    EXPECT_EQ(view().comparison, nullptr);
    EXPECT_NE(view().lessonVoice, nullptr); // sentence 2's own reading is there

    // A comparison that did arrive goes with its sentence; the take itself stays playable.
    recordTake(tone(1.0));
    shell.background.runPending();
    ASSERT_NE(view().comparison, nullptr);
    controller->perform(Command::PreviousSentence);
    EXPECT_EQ(view().comparison, nullptr);
    EXPECT_TRUE(view().UserVoiceCommandEnabled);
    shell.recorder.clearCalls();
    controller->perform(Command::PlayTake);
    EXPECT_EQ(shell.recorder.calls(), QStringList{"play"});
}

TEST(VoiceComparingRecording, AMissingOrBadRecordingGivesNoPictureAndNoMessage)
{
    const QString recording = QStringLiteral("Sound/Kelvaro/1.mp3");
    struct Case
    {
        const char* what;
        std::function<bool(TestFolder&)> spoil;
    };
    const Case cases[] = {
        {"missing", [&](TestFolder& f) { return f.remove(recording); }},
        {"not audio", [&](TestFolder& f) { return f.writeBytes(recording, "ID3 but no frames"); }},
        {"cut short",
         [&](TestFolder& f) {
             QFile file(f.path(recording));
             return file.open(QIODevice::ReadOnly) && f.writeBytes(recording, file.read(400));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShellFixture shell;
        ASSERT_TRUE(c.spoil(shell.folder));
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::ReadAfter);
        ASSERT_TRUE(shell.writeSettings(settings));
        MainController controller(shell.context());
        ASSERT_TRUE(controller.startUp());
        const ReadAfterView& view = shell.state().readAfter;
        shell.background.runPending();
        EXPECT_EQ(view.lessonVoice, nullptr);
        controller.perform(Command::Record);
        shell.recorder.setTake(tone(1.0));
        controller.perform(Command::StopRecording);
        shell.background.runPending();
        EXPECT_EQ(view.comparison, nullptr);
        // The next sentence tries again, as quietly.
        controller.perform(Command::NextSentence);
        EXPECT_EQ(shell.background.runPending(), 1);
        EXPECT_EQ(view.lessonVoice, nullptr);
        EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    }
}

TEST_F(VoiceComparingTest, TheLessonCursorFollowsTheReadingInsideTheSentenceAndThenStops)
{
    controller->perform(Command::NextSentence); // sentence 2, 1.5 s to 2.9 s, starts reading
    EXPECT_TRUE(cursorTimer()->isEnabled());
    EXPECT_EQ(view().lessonCursor, -1);
    shell.clock.advance(40);
    EXPECT_NEAR(view().lessonCursor, 0.04, 1e-9);
    EXPECT_EQ(view().takeCursor, -1);
    shell.clock.advance(1000);
    EXPECT_NEAR(view().lessonCursor, 1.04, 1e-9);
    // The reading ends past 2.9 s: the cursor goes and the timer stops with it.
    shell.clock.advance(1000);
    EXPECT_EQ(view().lessonCursor, -1);
    EXPECT_FALSE(cursorTimer()->isEnabled());

    // Another tab: readings there move no cursor.
    tabClicked(shell.context(), Mode::SentenceBrowse);
    controller->perform(Command::ReadSentence);
    EXPECT_FALSE(cursorTimer()->isEnabled());
}

TEST_F(VoiceComparingTest, TheTakeCursorFollowsTheRecordersPlaybackAndLeavingTheTabStopsIt)
{
    recordTake(tone(1.0));
    shell.clock.advance(1000);
    EXPECT_FALSE(cursorTimer()->isEnabled());
    shell.recorder.setPlaybackPosition(0.25);
    controller->perform(Command::PlayTake);
    EXPECT_TRUE(cursorTimer()->isEnabled());
    shell.clock.advance(40);
    EXPECT_EQ(view().takeCursor, 0.25);
    EXPECT_EQ(view().lessonCursor, -1);
    shell.recorder.setPlaybackPosition(0.5);
    shell.clock.advance(40);
    EXPECT_EQ(view().takeCursor, 0.5);

    tabClicked(shell.context(), Mode::SentenceBrowse);
    shell.clock.advance(40);
    EXPECT_EQ(view().takeCursor, -1);
    EXPECT_FALSE(cursorTimer()->isEnabled());
}

TEST_F(VoiceComparingTest, AClickOnTheLessonsPictureReadsFromThatPointToTheSentencesEnd)
{
    controller->perform(Command::NextSentence); // 1.5 s to 2.9 s
    struct Case
    {
        double seconds;
        QString position;
    };
    const Case cases[] = {
        {0.4, "setPosition 1.9"},
        {-1, "setPosition 1.5"},
        {99, "setPosition 2.9"},
        {std::numeric_limits<double>::quiet_NaN(), "setPosition 1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        controller->perform(
            Command::StopRecording); // stands in for anything that paused the reading
        shell.lessonPlayer.clearCalls();
        controller->voiceLessonClicked(c.seconds);
        EXPECT_EQ(shell.lessonPlayer.calls(), (QStringList{"setEndFence 2.9", c.position, "play"}));
        EXPECT_TRUE(shell.context().timers.ReadTimer->isEnabled());
        EXPECT_TRUE(cursorTimer()->isEnabled());
    }

    // The reading ends at the sentence's end, once: read-after never repeats.
    controller->voiceLessonClicked(1.0);
    shell.lessonPlayer.clearCalls();
    shell.clock.advance(3000);
    EXPECT_EQ(shell.lessonPlayer.calls(), QStringList{"pause"});
    EXPECT_EQ(shell.state().CurrentReadCount, 1);
}

TEST_F(VoiceComparingTest, AClickOnTheTakesPictureHearsTheTakeFromThatPoint)
{
    controller->voiceTakeClicked(0.5);
    EXPECT_TRUE(shell.recorder.calls().isEmpty()); // no take yet

    recordTake(std::vector<short>(kVoiceRate, 0)); // one second
    struct Case
    {
        double seconds;
        QString call;
    };
    const Case cases[] = {
        {0.25, "playFrom 0.25"},
        {5, "playFrom 1"},
        {-3, "playFrom 0"},
    };
    for (const Case& c : cases) {
        shell.recorder.clearCalls();
        controller->voiceTakeClicked(c.seconds);
        EXPECT_EQ(shell.recorder.calls(), QStringList{c.call}) << c.seconds;
    }
    EXPECT_TRUE(cursorTimer()->isEnabled());
}
