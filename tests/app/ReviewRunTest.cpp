#include "FakeHistoryStore.h"
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/Dictation.h"
#include "app/ReviewController.h"
#include "content/TextFile.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHelloTom =
    lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2", "", "1");
const QString kGoodMorning =
    lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9");
const QString kThankYou = lessonRecord("^Thank $thank$^you$you$^.^", "谢谢你。", "0.2", "1.0");

class ReviewRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.write.count = 0;
        settings.sen.count = 0;
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kGoodMorning})));
        ASSERT_TRUE(shell.writeLesson(2, lessonText({kGoodMorning, kThankYou})));
        ASSERT_TRUE(shell.writeSettings(settings));
        shell.context().history = &store;
        ASSERT_TRUE(shell.startUp());
        shell.dialogs.clear();
    }

    void type(const QString& text)
    {
        for (QChar c : text) {
            dictationKeyPressed(shell.context());
            dictationTextChanged(shell.context(), shell.state().dictation.WriteWordText + c);
        }
    }

    void due(const QString& lesson, int sentence)
    {
        store.review.due.push_back({{builtInBookName(), lesson, sentence}, {}, {}, 1});
    }

    ShellFixture shell;
    FakeHistoryStore store;
    FakeWallClock clock;
    ReviewController review{shell.context(), clock};
};

} // namespace

TEST_F(ReviewRunTest, TheRunGoesThroughTheDueSentencesEachInItsLessonScoringThemAgain)
{
    due(QStringLiteral("1"), 1); // passed before: it is scored again
    due(QStringLiteral("2"), 2);
    const QString lessonBefore = readTextFile(shell.lessonPath(1)).value();
    ASSERT_TRUE(review.startReview());
    MainState& state = shell.state();
    EXPECT_EQ(state.ModeIndex, Mode::DictationTest);
    EXPECT_EQ(state.LessonNumber, 1);
    EXPECT_EQ(state.CurrentSentence, 1);
    EXPECT_FALSE(state.SentenceDone);
    EXPECT_EQ(review.remaining(), 2);

    type("hello, tom.");
    ASSERT_FALSE(shell.dialogs.messages().isEmpty());
    EXPECT_EQ(shell.dialogs.messages().back().title, QStringLiteral("已过关"));
    EXPECT_EQ(state.LessonNumber, 2);
    EXPECT_EQ(state.CurrentSentence, 2);
    EXPECT_EQ(review.remaining(), 1);
    // The first lesson's file keeps its text: the sentence stays passed, nothing else changes.
    EXPECT_EQ(readTextFile(shell.lessonPath(1)).value(), lessonBefore);

    type("thank you.");
    EXPECT_FALSE(review.reviewing());
    EXPECT_EQ(shell.dialogs.messages().back().text, QStringLiteral("今天的复习已全部完成！"));
    EXPECT_EQ(state.LessonNumber, 2);
}

// After a long break the summary lists only the first of the due sentences: the run goes on
// with the next ones, never back to one it passed.
TEST_F(ReviewRunTest, MoreDueThanListedAreFetchedAsTheRunGoes)
{
    due(QStringLiteral("1"), 1);
    store.dueCount = 2;
    ASSERT_TRUE(review.startReview());
    EXPECT_EQ(review.summary().dueCount, 2);
    MainState& state = shell.state();
    ASSERT_EQ(state.LessonNumber, 1);

    due(QStringLiteral("2"), 2); // the next listing still names 1/1 as a store may
    type("hello, tom.");
    EXPECT_EQ(state.LessonNumber, 2);
    EXPECT_EQ(state.CurrentSentence, 2);
    EXPECT_EQ(review.remaining(), 1);

    type("thank you.");
    EXPECT_FALSE(review.reviewing());
    EXPECT_EQ(shell.dialogs.messages().back().text, QStringLiteral("今天的复习已全部完成！"));
}

TEST_F(ReviewRunTest, NothingDueSaysSoAndADueSentenceOfAGoneLessonIsSkipped)
{
    EXPECT_FALSE(review.startReview());
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].text, QStringLiteral("今天没有需要复习的句子。"));

    due(QStringLiteral("1"), 9); // no such sentence
    due(QStringLiteral("2"), 1);
    ASSERT_TRUE(review.startReview());
    EXPECT_EQ(shell.state().LessonNumber, 2);
    EXPECT_EQ(review.remaining(), 1);
}

TEST_F(ReviewRunTest, TheDrillKeepsEachTryAndKnowsRightFromWrong)
{
    clock.time = 1'770'000'000'000;
    EXPECT_TRUE(review.drillTyped(QStringLiteral("think"), QStringLiteral(" Think ")));
    EXPECT_FALSE(review.drillTyped(QStringLiteral("think"), QStringLiteral("sink")));
    ASSERT_EQ(store.drills.size(), 2u);
    EXPECT_EQ(store.drills[1].typed, "sink");
    EXPECT_EQ(store.drills[1].at, clock.time);
    review.hearWord(QStringLiteral("Think"));
    EXPECT_TRUE(shell.wordPlayer.file().endsWith(QStringLiteral("think.wav")));
}
