// Sentence recall: covered words, "重置" and F12, the Chinese line and entering the mode.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/StartUp.h"
#include "app/WordCueActions.h"
#include "modes/Recall.h"
#include "modes/SentenceBrowse.h"
#include "modes/WordCueHints.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Labels: 1 Hello, 2 ", ", 3 Tom, 4 "."
const QString kHelloTom = lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$^.^"),
                                       QStringLiteral("你好，汤姆。"), "0.1", "1.2");
const QString kGoodMorning = lessonRecord(QStringLiteral("^Good $good$^morning$morning$^!^"),
                                          QStringLiteral("早上好！"), "1.5", "2.5");

class RecallTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::Recall);
        settings.clickChineseCheck = chinese;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kGoodMorning})));
        ASSERT_TRUE(shell.startUp());
    }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }
    const ElementArray& labels() { return state().recall.ClickWordLabel; }

    /// Every word of the sentence covered and underlined, every other label readable.
    void expectAllCovered()
    {
        for (int k = 1; k < labels().size(); ++k) {
            const bool word = isSentenceWord(state(), k);
            EXPECT_EQ(isRecallWordCovered(state(), k), word) << k;
            EXPECT_EQ(state().recall.ClickWordLine[k].visible, word) << k;
            if (!word) {
                EXPECT_EQ(labels()[k].foreground, kBlack) << k;
                EXPECT_EQ(labels()[k].background, kPanelBackground) << k;
            }
        }
    }
    void uncoverTomAndHello()
    {
        cueFullReveal(context(), 3);
        for (int i = 0; i < 5; ++i)
            cueProgressiveHint(context(), 1);
        ASSERT_FALSE(isRecallWordCovered(state(), 1));
        ASSERT_FALSE(isRecallWordCovered(state(), 3));
    }

    double chinese = 1;
    ShellFixture shell;
};

} // namespace

TEST_F(RecallTest, EverySentenceShownStartsWithItsWordsCovered)
{
    expectAllCovered();
    uncoverTomAndHello();
    nextSentence(context());
    expectAllCovered();
    previousSentence(context());
    expectAllCovered();
    EXPECT_FALSE(state().cue.visible);
}

TEST_F(RecallTest, ResetTheF12KeyAndEnteringTheModeCoverEverythingAgain)
{
    const std::vector<std::pair<const char*, std::function<void()>>> resets = {
        {"重置", [this] { resetRecall(state()); }},
        {"F12", [this] { EXPECT_TRUE(keyPressed(context(), WindowKey::F12)); }},
        {"tab", [this] { tabClicked(context(), Mode::Recall); }},
    };
    for (const auto& [name, reset] : resets) {
        uncoverTomAndHello();
        ASSERT_TRUE(state().cue.visible);
        reset();
        SCOPED_TRACE(name);
        expectAllCovered();
        EXPECT_FALSE(state().cue.visible);
        EXPECT_EQ(state().cue.HintStage, 0);
        EXPECT_TRUE(state().cue.LastHintedWord.isEmpty());
        // The next click on the last hinted word starts again at the meaning.
        cueProgressiveHint(context(), 1);
        EXPECT_EQ(state().cue.HintStage, 1);
        resetRecall(state());
    }
}

TEST_F(RecallTest, F12OutsideRecallDoesNothing)
{
    uncoverTomAndHello();
    for (Mode mode : {Mode::FullText, Mode::SentenceBrowse, Mode::Translation, Mode::ReadAfter,
                      Mode::FreeSpelling, Mode::FillIn}) {
        state().ModeIndex = mode;
        EXPECT_FALSE(keyPressed(context(), WindowKey::F12)) << mode;
        EXPECT_FALSE(isRecallWordCovered(state(), 3)) << mode;
    }
}

TEST_F(RecallTest, TheChineseLineFollowsItsOptionAndIsFilledForEverySentence)
{
    const ViewElement& line = state().recall.ClickWordChineseLabel;
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.caption, QStringLiteral("你好，汤姆。"));
    EXPECT_EQ(line.geometry, state().sentence.SenChineseLabel.geometry);

    toggleRecallChinese(state());
    EXPECT_FALSE(line.visible);
    EXPECT_FALSE(state().options.clickChineseCheck);
    nextSentence(context());
    EXPECT_FALSE(line.visible);
    EXPECT_EQ(line.caption, QStringLiteral("早上好！"));
    toggleRecallChinese(state());
    EXPECT_TRUE(line.visible);
}

TEST_F(RecallTest, TheChineseOptionIsKeptInTheSettingsFile)
{
    toggleRecallChinese(state());
    ASSERT_TRUE(shutDown(context()).ok());
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    EXPECT_FALSE(state().options.clickChineseCheck);
    EXPECT_FALSE(state().recall.ClickWordChineseLabel.visible);
}
