// A lesson whose recording is missing or cannot be decoded: said once when it opens, nothing
// waits for a reading that never comes, and the rest of the lesson works.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/ContinuousReading.h"
#include "app/Dictation.h"
#include "app/LessonOpening.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/VoiceComparing.h"
#include "modes/ReadAfter.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHelloTom =
    lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2");
const QString kGoodMorning =
    lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9");

const QString kRecording = QStringLiteral("Sound/Kelvaro/1.mp3");

class MissingRecordingTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(shell.folder.isValid()); }

    /// Starts on lesson 1 in mode, its recording missing (removed) or undecodable (present).
    void start(Mode mode, bool fileThere)
    {
        if (fileThere)
            ASSERT_TRUE(shell.folder.writeBytes(kRecording, QByteArray("ID3 and no frames")));
        else
            ASSERT_TRUE(shell.folder.remove(kRecording));
        shell.lessonPlayer.refuseFile(shell.folder.path(kRecording),
                                      QStringLiteral("无法播放录音文件（no MPEG audio found）"));
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kGoodMorning})));
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        settings.writeMode = WriteMode::DictationTest;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    bool readTimerRuns() { return context().timers.ReadTimer->isEnabled(); }

    ShellFixture shell;
};

} // namespace

// Regression: such a lesson opened in silence, continuous reading said "停止朗读" for ever and
// read-after gave a take no picture, no score and no word why.
TEST_F(MissingRecordingTest, OneMessageNamesTheFileAndTheReadingButtonsStayAtRest)
{
    for (bool fileThere : {false, true}) {
        SCOPED_TRACE(fileThere ? "undecodable" : "missing");
        shell.restart();
        shell.dialogs.clear();
        start(Mode::FullText, fileThere);
        ASSERT_EQ(shell.dialogs.messages().size(), 1);
        const FakeDialogs::Message& message = shell.dialogs.messages()[0];
        EXPECT_EQ(message.kind, FakeDialogs::Kind::Warning);
        EXPECT_TRUE(message.text.startsWith(fileThere ? QStringLiteral("这一课的录音文件无法读取")
                                                      : QStringLiteral("找不到这一课的录音文件")))
            << message.text.toStdString();
        if (!fileThere)
            EXPECT_TRUE(message.text.contains(shell.folder.path(kRecording)));
        EXPECT_FALSE(readTimerRuns());

        allReadClicked(context());
        EXPECT_EQ(allReadCaption(state()), QStringLiteral("全文朗读"));
        EXPECT_FALSE(state().fullText.readingRuns);
        EXPECT_FALSE(readTimerRuns());
        for (int i = 0; i < 3; ++i) {
            nextSentence(context());
            readAloud(context());
        }
        shell.clock.advance(10000);
        EXPECT_FALSE(readTimerRuns());
        EXPECT_FALSE(shell.lessonPlayer.isPlaying());
        EXPECT_EQ(shell.dialogs.messages().size(), 1); // once per opening, not per sentence
    }
}

TEST_F(MissingRecordingTest, ReadAfterSaysWhyItCannotCompareUntilALessonWithARecording)
{
    start(Mode::ReadAfter, false);
    EXPECT_EQ(readAfterHint(state()), QStringLiteral("找不到这一课的录音文件，无法对比读音。"));
    EXPECT_TRUE(voiceCut(state()).isEmpty());
    // A take still records and plays back; there is just nothing to compare it with.
    shell.recorder.setTake(std::vector<short>(16000, 100));
    compareTake(context());
    EXPECT_EQ(shell.background.pending(), 0);

    // The next lesson's recording plays: the hint and the readings are back.
    ASSERT_TRUE(shell.writeLesson(2, lessonText({kGoodMorning})));
    shell.lessonPlayer.refuseFile(shell.folder.path(kRecording), QString());
    shell.dialogs.clear();
    treeNodeClicked(context(), 3);
    ASSERT_EQ(state().LessonNumber, 2);
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_TRUE(state().recordingProblem.isEmpty());
    EXPECT_EQ(readAfterHint(state()), QStringLiteral("先听标准读音，再录下自己的读音，对比一下。"));
    readAloud(context());
    EXPECT_TRUE(readTimerRuns());
}

TEST_F(MissingRecordingTest, DictationStillTakesTheTypedWords)
{
    start(Mode::DictationTest, false);
    ASSERT_EQ(state().dictation.DictationWordIndex, 1);
    for (QChar c : QStringLiteral("hello, ")) {
        dictationKeyPressed(context());
        dictationTextChanged(context(), state().dictation.WriteWordText + c);
    }
    EXPECT_EQ(state().dictation.DictationWordIndex, 3);
    EXPECT_FALSE(state().dictation.WriteWordLine[1].visible);
}
