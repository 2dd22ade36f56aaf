#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/Dictation.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/StartUp.h"
#include "app/WindowModes.h"
#include "content/Lesson.h"
#include "content/TextFile.h"
#include "modes/DictationTest.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// "Hello, Tom." with its words; "Good morning." whose first segment carries its own space.
const QString kHelloTom =
    lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2");
const QString kGoodMorning =
    lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9", "a note");
const QString kNoWords = lessonRecord("^1, 2, 3!^", "一，二，三！", "3", "4");

class DictationTestModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        settings.modeIndex = modeNumber(Mode::DictationTest);
        settings.writeMode = WriteMode::DictationTest;
        settings.write.count = 0; // no reading: the player's calls stay the test's own
    }

    void start(const QStringList& records)
    {
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        shell.feedback.clear();
        shell.dialogs.clear();
    }

    /// Types text key by key as the box does: each key first, then the changed text.
    void type(const QString& text)
    {
        for (QChar c : text) {
            dictationKeyPressed(context());
            dictationTextChanged(context(), state().dictation.WriteWordText + c);
        }
    }

    QStringList storedRecords()
    {
        const auto text = readTextFile(shell.lessonPath(1));
        EXPECT_TRUE(text.ok());
        const auto lesson = parseLesson(text.value(), QStringLiteral("1.dat"));
        EXPECT_TRUE(lesson.ok());
        return lesson.value().records;
    }

    bool slotHidden(int i) { return state().dictation.WriteWordLine[i].visible; }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    const DictationScore& score() { return state().dictation.score; }

    ShellFixture shell;
    Settings settings = defaultSettings();
};

} // namespace

TEST_F(DictationTestModeTest, TypingNaturallyRevealsTheWordsPassesAndWritesOnlyTheDoneField)
{
    start({kHelloTom, kGoodMorning});
    ASSERT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_EQ(state().dictation.WriteWordTextGeometry.left,
              state().dictation.WriteWordLabel[1].geometry.left);
    EXPECT_EQ(state().dictation.WriteWordTextGeometry.width,
              state().dictation.WriteWordLabel[1].geometry.width + 15);
    EXPECT_TRUE(slotHidden(1));
    EXPECT_FALSE(slotHidden(2)); // ", " is never typed

    type("hello, ");
    EXPECT_FALSE(slotHidden(1));
    EXPECT_EQ(state().dictation.WriteWordLabel[1].foreground, kBlack);
    EXPECT_EQ(state().dictation.DictationWordIndex, 3);
    EXPECT_TRUE(state().dictation.WriteWordText.isEmpty()); // the blank after the comma: dropped
    EXPECT_EQ(score().score, 100);
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());

    type("tom.");
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].title, QStringLiteral("已过关"));
    EXPECT_EQ(shell.dialogs.messages()[0].text,
              QStringLiteral("您的得分为100分，恭喜您已完成本句听写，请按空格键进入下一句"));
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_EQ(state().DictatedCount, 1);
    EXPECT_EQ(state().progressCaption, QStringLiteral("1 / 2"));
    EXPECT_FALSE(state().dictation.WriteDoneCueVisible); // sentence 2 is not passed
    EXPECT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_EQ(storedRecords(), QStringList({lessonRecord("^Hello$hello$^, ^Tom$tom$^.^",
                                                         "你好，汤姆。", "0.1", "1.2", "", "1"),
                                            kGoodMorning}));
    EXPECT_EQ(shell.feedback.played().count("wrong.wav"), 0);
    EXPECT_EQ(shell.feedback.played().count("type.wav"), 8); // h e l l o t o m
}

TEST_F(DictationTestModeTest, AWrongWordIsSelectedCostsThreeAndTheNextKeyStartsAfresh)
{
    start({kHelloTom, kGoodMorning});
    type("helo");
    type(" "); // too short yet: the blank stays
    EXPECT_EQ(state().dictation.WriteWordText, QStringLiteral("helo "));
    EXPECT_EQ(score().wrongWords, 0);
    type("x ");
    EXPECT_EQ(state().dictation.WriteWordText, QStringLiteral("helo x"));
    EXPECT_TRUE(state().dictation.WriteWordTextSelected);
    EXPECT_EQ(score().wrongWords, 1);
    EXPECT_EQ(score().score, 97);
    EXPECT_EQ(shell.feedback.played().back(), QStringLiteral("wrong.wav"));
    EXPECT_TRUE(slotHidden(1));

    type("h");
    EXPECT_EQ(state().dictation.WriteWordText, QStringLiteral("h"));
    EXPECT_FALSE(state().dictation.WriteWordTextSelected);
    type("ello ");
    EXPECT_EQ(state().dictation.DictationWordIndex, 3);
    EXPECT_EQ(score().score, 97);
}

TEST_F(DictationTestModeTest, APastedWordWithTwoEndingsCostsNothingOnTheNextWord)
{
    start({kHelloTom, kGoodMorning});
    dictationTextChanged(context(), QStringLiteral("hello.."));
    EXPECT_EQ(state().dictation.DictationWordIndex, 3);
    EXPECT_EQ(score().score, 100);
    EXPECT_EQ(score().wrongWords, 0);
}

TEST_F(DictationTestModeTest, ASegmentsOwnSpaceIsNotTyped)
{
    start({kGoodMorning, kHelloTom});
    type("good morning.");
    EXPECT_EQ(shell.dialogs.countMentioning(QStringLiteral("已过关")), 1);
    EXPECT_EQ(score().wrongWords, 0);
}

TEST_F(DictationTestModeTest, BelowThePassMarkTheSentenceIsResetWithItsMessage)
{
    settings.setFraction = 100;
    settings.write.count = 1;
    start({kHelloTom, kGoodMorning});
    type("hello ");
    type("tomm ");
    EXPECT_EQ(score().score, 97);
    shell.lessonPlayer.clearCalls();
    type("tom ");

    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].title, QStringLiteral("未过关"));
    EXPECT_EQ(shell.dialogs.messages()[0].text,
              QStringLiteral("您的本句得分为97分，低于设定的过关分数100分，您未能过关，"
                             "请按空格键重做当前句子"));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(score().score, 100);
    EXPECT_EQ(score().wrongWords, 0);
    EXPECT_TRUE(slotHidden(1));
    EXPECT_TRUE(slotHidden(3));
    EXPECT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_TRUE(state().dictation.WriteWordTextVisible);
    EXPECT_TRUE(shell.lessonPlayer.isPlaying()); // read again: the test's repeat count is 1
    EXPECT_EQ(storedRecords()[0], kHelloTom);
}

TEST_F(DictationTestModeTest, HintsCostOneAndFiveOnlyWithAWordAndRedoKeepsTheScore)
{
    start({kHelloTom, kGoodMorning});
    EXPECT_TRUE(keyPressed(context(), WindowKey::F5));
    EXPECT_TRUE(state().cue.visible);
    EXPECT_EQ(state().cue.HintWordIndex, 1);
    EXPECT_TRUE(keyPressed(context(), WindowKey::F6));
    // The card shows everything of the word; F6 still costs 5 when it already did.
    EXPECT_EQ(state().cue.line(CueLine::Word).text, QStringLiteral("Hello"));
    EXPECT_FALSE(state().cue.line(CueLine::FirstLetter).prompt);
    EXPECT_TRUE(keyPressed(context(), WindowKey::F6));
    EXPECT_EQ(score().progressive, 1);
    EXPECT_EQ(score().directHints, 2);
    EXPECT_EQ(score().score, 89);

    type("hello ");
    EXPECT_FALSE(state().cue.visible); // a finished word closes the card
    EXPECT_TRUE(keyPressed(context(), WindowKey::F12));
    EXPECT_TRUE(slotHidden(1));
    EXPECT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_EQ(score().score, 89);

    // Outside the test F5 and F6 do nothing.
    tabClicked(context(), Mode::SentenceBrowse);
    keyPressed(context(), WindowKey::F5);
    EXPECT_EQ(score().score, 89);
}

TEST_F(DictationTestModeTest, HintsDoNothingWhenNoWordIsLeft)
{
    start({kHelloTom});
    type("hello tom."); // the last sentence passes: the lesson is complete, the box gone
    ASSERT_FALSE(state().dictation.WriteWordTextVisible);
    keyPressed(context(), WindowKey::F5);
    keyPressed(context(), WindowKey::F6);
    EXPECT_EQ(score().score, 100);
    EXPECT_EQ(score().progressive + score().directHints, 0);
}

TEST_F(DictationTestModeTest, PassingTheLastMissingSentenceCompletesTheLessonAndStays)
{
    start({kHelloTom, lessonRecord("^Hi$hi$^.^", "嗨。", "2", "3", "", "1")});
    keyPressed(context(), WindowKey::F5);
    type("hello tom.");
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(shell.dialogs.messages()[0].text, QStringLiteral("本课已听写完成！"));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(score().score, 99); // not reset
    EXPECT_TRUE(state().dictation.WriteDoneCueVisible);
    EXPECT_EQ(state().progressCaption, QStringLiteral("2 / 2"));
}

TEST_F(DictationTestModeTest, OnlyADoneFieldOfExactlyOneCountsAsPassed)
{
    // A stored "0" is not passed: typing it passes it and completes the lesson.
    start({lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2", "", "0")});
    EXPECT_FALSE(state().dictation.WriteDoneCueVisible);
    type("hello tom.");
    EXPECT_EQ(shell.dialogs.countMentioning(QStringLiteral("本课已听写完成！")), 1);
    EXPECT_EQ(storedRecords()[0],
              lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2", "", "1"));
}

TEST_F(DictationTestModeTest, APassedSentenceTypedAgainMovesOnWithoutAMessage)
{
    start({lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2", "", "1"),
           kGoodMorning});
    EXPECT_TRUE(state().dictation.WriteDoneCueVisible);
    type("hello tom.");
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_EQ(state().CurrentSentence, 2);
}

TEST_F(DictationTestModeTest, TheNoteInTheBoxGoesWithThePassAndTheTailSurvives)
{
    start({lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2", " old ") + "tail",
           kGoodMorning});
    state().sentence.SenNoteText.caption = QStringLiteral("typed just now");
    type("hello tom.");
    EXPECT_EQ(storedRecords()[0], lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2",
                                               "typed just now", "1") +
                                      "tail");
}

TEST_F(DictationTestModeTest, AnUnchangedNoteIsKeptAsStored)
{
    const QString record =
        lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2", " spaced note ");
    start({record, kGoodMorning});
    type("hello tom.");
    EXPECT_EQ(storedRecords()[0], lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好", "0.1", "1.2",
                                               " spaced note ", "1"));
}

TEST_F(DictationTestModeTest, AFailedWriteIsReportedAndThePassIsKeptForTheNextSave)
{
    start({kHelloTom, kGoodMorning});
    // The lesson file can no longer be replaced: a folder now stands at its name.
    ASSERT_TRUE(QFile::remove(shell.lessonPath(1)));
    ASSERT_TRUE(QDir().mkdir(shell.lessonPath(1)));
    type("hello tom.");
    ASSERT_GE(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(shell.dialogs.messages()[0].text.contains(QStringLiteral("1.dat")));
    EXPECT_FALSE(shell.dialogs.messages()[0].text.contains(QStringLiteral("恭喜")));
    EXPECT_TRUE(isDictated(state().record(1)));
    EXPECT_EQ(state().DictatedCount, 1);

    // The next save writes it.
    ASSERT_TRUE(QDir().rmdir(shell.lessonPath(1)));
    type("good morning.");
    EXPECT_EQ(storedRecords()[0],
              lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2", "", "1"));
}

TEST_F(DictationTestModeTest, ASentenceWithoutWordsIsScoredOnlyInTheDictationTest)
{
    settings.modeIndex = modeNumber(Mode::SentenceBrowse);
    start({kHelloTom, kNoWords, kGoodMorning});
    nextSentence(context());
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_EQ(storedRecords()[1], kNoWords);

    // Entering the test scores it at once, and it moves on.
    tabClicked(context(), Mode::DictationTest);
    EXPECT_EQ(shell.dialogs.countMentioning(QStringLiteral("已过关")), 1);
    EXPECT_EQ(state().CurrentSentence, 3);
    EXPECT_TRUE(isDictated(storedRecords()[1]));
}

TEST_F(DictationTestModeTest, EnteringTheTestHidesTheWordsAgainButKeepsTheScore)
{
    start({kHelloTom, kGoodMorning});
    keyPressed(context(), WindowKey::F5);
    type("hello ");
    tabClicked(context(), Mode::SentenceBrowse);
    tabClicked(context(), Mode::DictationTest);
    EXPECT_TRUE(slotHidden(1));
    EXPECT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_EQ(score().score, 99);
    EXPECT_EQ(context().focus, FocusTarget::WriteWordText);
}

TEST_F(DictationTestModeTest, TheSubModeSwitchChangesTheTabAndIsRememberedAfterARestart)
{
    start({kHelloTom, kGoodMorning});
    EXPECT_TRUE(state().TabVisible[Mode::DictationTest]);
    EXPECT_FALSE(state().TabVisible[Mode::FreeSpelling]);
    keyPressed(context(), WindowKey::F5);

    selectFreeSpelling(context());
    EXPECT_EQ(state().ModeIndex, Mode::FreeSpelling);
    EXPECT_FALSE(state().TabVisible[Mode::DictationTest]);
    EXPECT_TRUE(state().TabVisible[Mode::FreeSpelling]);
    EXPECT_EQ(state().options.writeMode, WriteMode::FreeSpelling);
    EXPECT_EQ(context().focus, FocusTarget::WriteText);

    // Back: the test goes on with its word and score.
    selectDictationTest(context());
    EXPECT_EQ(state().ModeIndex, Mode::DictationTest);
    EXPECT_EQ(score().score, 99);
    selectFreeSpelling(context());

    ASSERT_TRUE(shutDown(context()));
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    EXPECT_EQ(state().ModeIndex, Mode::FreeSpelling);
    EXPECT_TRUE(state().TabVisible[Mode::FreeSpelling]);
    EXPECT_FALSE(state().TabVisible[Mode::DictationTest]);
}

TEST_F(DictationTestModeTest, ThePassMarkAndTheChineseLineFollowTheMenu)
{
    start({kHelloTom, kGoodMorning});
    setPassMark(context(), 60);
    EXPECT_EQ(state().options.setFraction, 60);
    const bool shown = state().options.wordChineseCheck;
    toggleDictationChinese(context());
    EXPECT_NE(state().options.wordChineseCheck, shown);
}

TEST_F(DictationTestModeTest, TheBoxFollowsItsSlotWhenTheWindowModeChanges)
{
    // Twelve words of 1200 twips: the eighth starts the second row of a normal window only.
    QString english = QStringLiteral("^");
    for (int k = 0; k < 12; ++k)
        english += QStringLiteral("wwwwwwwwww$w$^");
    start({lessonRecord(english, "中", "0", "1"), kHelloTom});
    type(QStringLiteral("wwwwwwwwww ").repeated(7));
    ASSERT_EQ(state().dictation.DictationWordIndex, 8);
    const int secondRow = dictationBoxGeometry(state()).top;
    EXPECT_GT(secondRow, 1050);

    maximiseWindow(context());
    EXPECT_EQ(dictationBoxGeometry(state()).top, 1050);
    EXPECT_EQ(dictationBoxGeometry(state()).left,
              state().dictation.WriteWordLabel[8].geometry.left);
    restoreWindow(context());
    EXPECT_EQ(dictationBoxGeometry(state()).left, 450);
}
