#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/FreeSpellingActions.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHowAreYou = lessonRecord("^How $how$^are $be$^you$you$^?^", "你好吗？", "0.1", "1");
const QString kFine = lessonRecord("^I'm $i'm$^fine$fine$^.^", "我很好。", "1", "2");

class FreeSpellingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        settings.modeIndex = modeNumber(Mode::FreeSpelling);
        settings.writeMode = WriteMode::FreeSpelling;
        settings.pen.count = 0;
    }

    void start(const QStringList& records = {kHowAreYou, kFine})
    {
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        shell.feedback.clear();
    }

    /// The box holds text and Enter is pressed.
    bool enter(const QString& text)
    {
        freeSpellingTextEdited(context(), text);
        return freeSpellingKeyPressed(context(), true, text);
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    const DictationView& view() { return state().dictation; }

    ShellFixture shell;
    Settings settings = defaultSettings();
};

} // namespace

TEST_F(FreeSpellingTest, EnterOnARightSentenceMovesOnAndEmptiesTheBox)
{
    start();
    EXPECT_TRUE(enter(QStringLiteral("HOWAREYOU")));
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(view().WriteText.isEmpty());
    EXPECT_EQ(view().WriteTextSelectStart, -1);
    EXPECT_TRUE(shell.feedback.played().isEmpty());
    EXPECT_EQ(context().focus, FocusTarget::WriteText);
}

TEST_F(FreeSpellingTest, EnterOnAWrongSentenceSelectsTheFirstWrongLetterWithWrongWav)
{
    start();
    const int revision = view().writeTextRevision;
    EXPECT_TRUE(enter(QStringLiteral("how ar you")));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(view().WriteText, QStringLiteral("how ar you"));
    EXPECT_EQ(view().WriteTextSelectStart, 7);
    EXPECT_GT(view().writeTextRevision, revision);
    EXPECT_EQ(shell.feedback.played(), QStringList({"wrong.wav"}));

    // A short typing: nothing selected, the caret at the end.
    enter(QStringLiteral("how are"));
    EXPECT_EQ(view().WriteTextSelectStart, -1);
    EXPECT_EQ(state().CurrentSentence, 1);
}

TEST_F(FreeSpellingTest, OnTheLastSentenceAPassedCheckOnlyEmptiesTheBox)
{
    start();
    state().CurrentSentence = 2;
    showSentence(context());
    enter(QStringLiteral("Im fine"));
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(view().WriteText.isEmpty());
}

TEST_F(FreeSpellingTest, CharacterKeysSoundAndAreLetThrough)
{
    start();
    EXPECT_FALSE(freeSpellingKeyPressed(context(), false, QString()));
    EXPECT_EQ(shell.feedback.played(), QStringList({"type.wav"}));
}

TEST_F(FreeSpellingTest, TheMaskedLineIsRevealedByF8AndHiddenByTheNextKey)
{
    settings.writeEnglishCheck = false;
    settings.writeChineseCheck = false;
    start();
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("___ ___ ___?"));
    EXPECT_EQ(view().WriteSenChineseLabel, QStringLiteral("已关闭"));

    EXPECT_TRUE(keyPressed(context(), WindowKey::F8));
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("How are you?"));
    EXPECT_EQ(view().score.score, 100); // the dictation test's score is not touched
    EXPECT_EQ(view().score.directHints, 0);
    freeSpellingKeyPressed(context(), false, QString());
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("___ ___ ___?"));

    EXPECT_TRUE(keyPressed(context(), WindowKey::F9));
    EXPECT_EQ(view().WriteSenChineseLabel, QStringLiteral("你好吗？"));
    freeSpellingKeyPressed(context(), false, QString());
    EXPECT_EQ(view().WriteSenChineseLabel, QStringLiteral("你好吗？")); // until the next sentence
}

TEST_F(FreeSpellingTest, WithTheEnglishShownTypingNeverChangesTheLine)
{
    start();
    freeSpellingKeyPressed(context(), false, QString());
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("How are you?"));
}

TEST_F(FreeSpellingTest, TheCheckBoxesAndLineClicksSwitchTheLines)
{
    start();
    toggleWriteEnglishCheck(context());
    EXPECT_FALSE(state().options.writeEnglishCheck);
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("___ ___ ___?"));
    englishLineClicked(context());
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("How are you?"));
    englishLineClicked(context());
    EXPECT_EQ(view().WriteSenEnglishLabel, QStringLiteral("___ ___ ___?"));

    toggleWriteChineseCheck(context());
    EXPECT_EQ(view().WriteSenChineseLabel, QStringLiteral("已关闭"));
    chineseLineClicked(context());
    EXPECT_EQ(view().WriteSenChineseLabel, QStringLiteral("你好吗？"));
    toggleWriteChineseCheck(context());
    EXPECT_TRUE(state().options.writeChineseCheck);
}

TEST_F(FreeSpellingTest, PageKeysEmptyTheBoxOnlyWhenTheyMove)
{
    start();
    freeSpellingTextEdited(context(), QStringLiteral("how"));
    EXPECT_FALSE(keyPressed(context(), WindowKey::PageUp)); // first sentence: nothing
    EXPECT_EQ(view().WriteText, QStringLiteral("how"));
    EXPECT_TRUE(keyPressed(context(), WindowKey::PageDown));
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(view().WriteText.isEmpty());

    freeSpellingTextEdited(context(), QStringLiteral("i'm"));
    spellingPreviousSentence(context()); // "上一句" keeps the typing
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(view().WriteText, QStringLiteral("i'm"));
    spellingNextSentence(context());
    EXPECT_TRUE(view().WriteText.isEmpty());
}
