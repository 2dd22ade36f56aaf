#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/ModeSwitching.h"
#include "app/ModeTable.h"
#include "app/SentenceDisplay.h"
#include "modes/SentenceBrowse.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHelloTom = lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$◆^.^"),
                                       QStringLiteral("你好，汤姆。"), "0.1", "1.2");
const QString kGoodMorning = lessonRecord(QStringLiteral("^Good $good$◆^morning$morning$^!^"),
                                          QStringLiteral("早上好！"), "1.5", "2.9");

// Only the tab shown follows the sentence; the others catch up when the learner enters them.
class ModeRoomsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.sen.count = 0;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kGoodMorning})));
        ASSERT_TRUE(shell.startUp());
    }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }

    ShellFixture shell;
};

} // namespace

TEST_F(ModeRoomsTest, ATabEnteredAfterTheSentenceMovedShowsThatSentence)
{
    performCommand(context(), Command::NextSentence); // in sentence browse
    ASSERT_EQ(state().CurrentSentence, 2);

    tabClicked(context(), Mode::Recall);
    const ElementArray& words = state().sentence.SenWordLabel;
    const RecallView& recall = state().recall;
    ASSERT_EQ(recall.ClickWordLabel.size(), words.size());
    for (int k = 1; k < words.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(recall.ClickWordLabel[k].caption, words[k].caption);
        EXPECT_EQ(recall.ClickWordLabel[k].geometry, words[k].geometry);
    }
    EXPECT_EQ(recall.ClickWordLabel[1].background, kCoveredWord); // "Good" is covered
    EXPECT_EQ(recall.ClickWordChineseLabel.caption, QStringLiteral("早上好！"));

    tabClicked(context(), Mode::FillIn);
    EXPECT_EQ(state().fillIn.BlankWordNumber, 1); // "Good", sentence 2's key word
    EXPECT_EQ(state().fillIn.SentenceWord, QStringLiteral("good"));
    ASSERT_EQ(state().fillIn.CurrentWordSenLabel.size(), words.size());
    EXPECT_FALSE(state().fillIn.CurrentWordSenLabel[1].visible);
}

TEST_F(ModeRoomsTest, ATabEnteredAgainWithoutAnotherSentenceKeepsWhatItHad)
{
    tabClicked(context(), Mode::FillIn);
    ASSERT_EQ(state().fillIn.BlankWordNumber, 3); // "Tom"
    // The learner fills the blank halfway, looks at the browse tab and comes back.
    state().fillIn.CurrentWordWriteText.caption = QStringLiteral("To");
    tabClicked(context(), Mode::SentenceBrowse);
    tabClicked(context(), Mode::FillIn);
    EXPECT_EQ(state().fillIn.BlankWordNumber, 3);
    EXPECT_EQ(state().fillIn.CurrentWordWriteText.caption, QStringLiteral("To"));
}

TEST(ModeTable, EveryModeHasOneRowAndTheTabsStandInTheirOrder)
{
    QList<int> order;
    for (const ModeRow& row : kModeTable) {
        order.append(modeNumber(row.mode));
        EXPECT_EQ(&modeRow(row.mode), &row);
        // A tab's repeat family is its own, and a mode without one reads as the row says.
        if (row.repeat)
            EXPECT_EQ(row.repeat->mode, row.mode);
    }
    EXPECT_EQ(order, (QList<int>{1, 3, 2, 8, 6, 9, 4, 7}));
    EXPECT_EQ(tabCaption(Mode::DictationTest), tabCaption(Mode::FreeSpelling));
    // The numbers the settings file stores: 5 and anything outside 1..9 is the full text.
    for (int stored : {0, 5, 10, -3})
        EXPECT_EQ(modeFromNumber(stored), Mode::FullText) << stored;
    EXPECT_EQ(modeFromNumber(8), Mode::Recall);
}
