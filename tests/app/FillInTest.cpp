// Word fill-in: the blank, its hints and bubble, typing and its sounds, the key-word walk.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/FillInActions.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/StartUp.h"
#include "app/WordTools.h"
#include "content/TextFile.h"
#include "modes/FillIn.h"
#include "modes/WordCueHints.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Key words: Tom (cell 3), Good (6, shown as "Good " with its blank), morning (7), Children
// (14, dictionary form "child"). Sentence 3 has none; its end marker is cell 13.
const QString kHelloTom = lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$◆^.^"),
                                       QStringLiteral("你好，汤姆。"), "0.1", "1.2");
const QString kGoodMorning = lessonRecord(QStringLiteral("^Good $good$◆^morning$morning$◆^!^"),
                                          QStringLiteral("早上好！"), "1.5", "2.5");
const QString kTheBooks =
    lessonRecord(QStringLiteral("^The $the$^books$book$^.^"), QStringLiteral("这些书。"), "3", "4");
const QString kChildren =
    lessonRecord(QStringLiteral("^Children$child$◆^.^"), QStringLiteral("孩子们。"), "4.5", "5");

QString unmarked(QString record)
{
    return record.remove(kKeyWordMark);
}

class FillInTest : public ::testing::Test
{
protected:
    void start(const QStringList& records, int keyWordColour = 0x0000FF)
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::FillIn);
        settings.keyWordColour = keyWordColour;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        ASSERT_TRUE(shell.startUp());
        clearLogs();
    }
    void start() { start({kHelloTom, kGoodMorning, kTheBooks, kChildren}); }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }
    const FillInView& fillIn() { return state().fillIn; }
    bool key(WindowKey k) { return keyPressed(context(), k); }
    void show(int s)
    {
        state().CurrentSentence = s;
        showSentence(context());
        clearLogs();
    }
    void clearLogs()
    {
        shell.feedback.clear();
        shell.lessonPlayer.clearCalls();
        shell.wordPlayer.clearCalls();
    }
    /// Whether the word player started a recording once wordDelayTimer has fired.
    bool wordSpoken()
    {
        shell.clock.advance(10);
        const bool spoken = shell.wordPlayer.calls().contains(QStringLiteral("play"));
        shell.wordPlayer.clearCalls();
        return spoken;
    }
    /// Where the walk stands: sentence, blank word, "i / K".
    std::tuple<int, int, QString> where()
    {
        return {state().CurrentSentence, fillIn().BlankWordNumber, fillIn().progressCaption};
    }

    ShellFixture shell;
};

} // namespace

TEST_F(FillInTest, TheFirstKeyWordOfTheSentenceIsABlankWithItsHints)
{
    start();
    const SentenceBrowseView& v = state().sentence;
    const FillInView& f = state().fillIn;
    EXPECT_EQ(where(), std::make_tuple(1, 3, QStringLiteral("1 / 4")));
    EXPECT_EQ(fillIn().KeyWordPosition, 3);
    EXPECT_EQ(state().KeyWordCount, 4);
    EXPECT_EQ(fillIn().SentenceWord, QStringLiteral("tom"));
    for (int k = 1; k < f.CurrentWordSenLabel.size(); ++k) {
        EXPECT_EQ(f.CurrentWordSenLabel[k].visible, k != 3) << k;
        EXPECT_EQ(f.CurrentWordSenLine[k].visible, k == 3) << k;
    }
    const ViewElement& box = fillIn().CurrentWordWriteText;
    EXPECT_TRUE(box.visible);
    EXPECT_TRUE(box.caption.isEmpty());
    EXPECT_EQ(box.geometry, v.SenWordLabel[3].geometry);
    // By default only the meaning is given, 30 twips right of the blank, at the Chinese line.
    const auto& hints = fillIn().CurrentWordTextLabel;
    EXPECT_EQ(hints[0].caption, QString());
    EXPECT_EQ(hints[1].caption, QStringLiteral("n. 汤姆"));
    EXPECT_EQ(hints[2].caption, QString());
    EXPECT_EQ(hints[1].geometry.left, v.SenWordLabel[3].geometry.left + 30);
    EXPECT_EQ(hints[1].geometry.top, v.SenChineseLabel.geometry.top);
    EXPECT_FALSE(fillIn().Picture7.visible);
    EXPECT_FALSE(fillIn().Command5Enabled);
    for (bool enabled :
         {fillIn().Command1Enabled, fillIn().Command6Enabled, fillIn().Command7Enabled,
          fillIn().Command8Enabled, fillIn().Command9Enabled})
        EXPECT_TRUE(enabled);
}

TEST_F(FillInTest, TheKeysWalkTheKeyWordsAcrossSentencesAndStopAtEitherEnd)
{
    for (int colour : {0x0000FF, 0x000000}) {
        // A key-word colour equal to the normal word colour hides nothing from the walk.
        SCOPED_TRACE(colour);
        shell.restart();
        start({kHelloTom, kGoodMorning, kTheBooks, kChildren}, colour);
        const struct
        {
            WindowKey key;
            bool moves;
            int sentence, word;
            const char* progress;
        } steps[] = {
            {WindowKey::PageUp, false, 1, 3, "1 / 4"},   // before the first: nothing changes
            {WindowKey::PageDown, true, 2, 1, "2 / 4"},  // on to the next sentence
            {WindowKey::PageDown, true, 2, 2, "3 / 4"},  // the second key word of the sentence
            {WindowKey::PageDown, true, 4, 1, "4 / 4"},  // over the sentence without key words
            {WindowKey::PageDown, false, 4, 1, "4 / 4"}, // past the last: nothing changes
            {WindowKey::PageUp, true, 2, 2, "3 / 4"},    {WindowKey::Home, true, 1, 3, "1 / 4"},
        };
        for (const auto& s : steps) {
            const int position = fillIn().KeyWordPosition;
            EXPECT_EQ(key(s.key), s.moves);
            EXPECT_EQ(where(),
                      std::make_tuple(s.sentence, s.word, QString::fromLatin1(s.progress)));
            if (!s.moves) {
                EXPECT_EQ(fillIn().KeyWordPosition, position);
            }
            EXPECT_TRUE(isSentenceWord(state(), fillIn().BlankWordNumber));
        }
    }
}

TEST_F(FillInTest, AStepShowsTheSentenceWaitingAtItsStartWithoutReadingIt)
{
    start();
    state().ModeIndex = Mode::FillIn;
    key(WindowKey::PageDown);
    EXPECT_EQ(shell.lessonPlayer.calls(),
              (QStringList{"setEndFence 2.5", "setPosition 1.5", "pause"}));
    EXPECT_FALSE(context().timers.ReadTimer->isEnabled());
    EXPECT_EQ(context().focus, FocusTarget::CurrentWordWriteText);
    // "提示读音" is on: the new blank's word is spoken.
    EXPECT_TRUE(wordSpoken());
    EXPECT_EQ(state().wordPopup.WordEnglishTextLabel, QStringLiteral("good"));
}

TEST_F(FillInTest, ASentenceWithoutKeyWordsShowsTheMessageAndTheHintKeysDoNothing)
{
    start();
    show(3);
    wordSpoken(); // the first blank's word, from the start
    EXPECT_FALSE(fillIn().CurrentWordWriteText.visible);
    EXPECT_TRUE(fillIn().Picture7.visible);
    EXPECT_EQ(fillIn().Picture7.caption, noKeyWordMessage());
    EXPECT_EQ(fillIn().Picture7.geometry.top, state().sentence.SenChineseLabel.geometry.top);
    EXPECT_FALSE(fillIn().Command7Enabled);
    EXPECT_FALSE(fillIn().Command9Enabled);
    EXPECT_EQ(fillIn().KeyWordPosition, 13); // the sentence's end marker
    EXPECT_EQ(fillIn().progressCaption, QStringLiteral("3 / 4"));
    for (const ViewElement& label : state().fillIn.CurrentWordSenLabel.mid(1))
        EXPECT_TRUE(label.visible);

    // Regression: these keys used to reach one past the sentence's last segment.
    for (WindowKey k : {WindowKey::F1, WindowKey::F2, WindowKey::F3, WindowKey::F4, WindowKey::F6,
                        WindowKey::F10})
        EXPECT_FALSE(key(k));
    EXPECT_FALSE(wordSpoken());
    for (const ViewElement& hint : fillIn().CurrentWordTextLabel)
        EXPECT_TRUE(hint.caption.isEmpty());
    EXPECT_TRUE(shell.feedback.played().isEmpty());

    // The walk goes on from where the sentence stands.
    EXPECT_TRUE(key(WindowKey::PageDown));
    EXPECT_EQ(where(), std::make_tuple(4, 1, QStringLiteral("4 / 4")));
    show(3);
    EXPECT_TRUE(key(WindowKey::PageUp));
    EXPECT_EQ(where(), std::make_tuple(2, 2, QStringLiteral("3 / 4")));
}

TEST_F(FillInTest, TypingSoundsAndTheBubble)
{
    start();
    const struct
    {
        int sentence, blank;
        const char* typed;
        QStringList sounds;
        const char* bubble; ///< nullptr: hidden
        bool selected;
    } cases[] = {
        {1, 3, "T", {"type.wav"}, nullptr, false},
        {1, 3, "Tom", {"WordRight.wav"}, "next", false},
        {1, 3, "tOM", {"WordRight.wav"}, "next", false},
        {1, 3, "Tomm", {"type.wav", "wrong.wav"}, nullptr, true},
        {1, 3, "", {}, nullptr, false},
        {2, 1, "good", {"WordRight.wav"}, "next", false}, // shown as "Good " with its blank
        {2, 1, "good ", {"type.wav", "wrong.wav"}, nullptr, true},
        // Regression: an accepted text is never also "too long" (no wrong.wav after the bubble).
        {4, 1, "child", {"WordRight.wav"}, "done", false},
        {4, 1, "Children", {"WordRight.wav"}, "done", false},
        {4, 1, "childrens", {"type.wav", "wrong.wav"}, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        show(c.sentence);
        ASSERT_EQ(fillIn().BlankWordNumber, c.blank);
        const int selections = fillIn().selectRequests;
        fillInTyped(context(), QString::fromUtf8(c.typed));
        EXPECT_EQ(shell.feedback.played(), c.sounds);
        EXPECT_EQ(fillIn().Picture7.visible, c.bubble != nullptr);
        if (c.bubble) {
            EXPECT_EQ(fillIn().Picture7.caption, QString::fromLatin1(c.bubble) == "next"
                                                     ? correctMessage()
                                                     : lessonDoneMessage());
        }
        EXPECT_EQ(fillIn().selectRequests != selections, c.selected);
    }
}

TEST_F(FillInTest, TheBubbleStandsBelowTheMeaningHint)
{
    start();
    fillInTyped(context(), QStringLiteral("Tom"));
    const auto& hints = fillIn().CurrentWordTextLabel;
    EXPECT_EQ(fillIn().Picture7.geometry.left, hints[0].geometry.left);
    EXPECT_EQ(fillIn().Picture7.geometry.top, hints[1].geometry.bottom() + 165);
    EXPECT_LE(fillIn().Picture7.geometry.right(), state().geometry.panel.width);
}

TEST_F(FillInTest, SpaceAfterTheRightWordMovesOnAndBackspaceStartsAgain)
{
    start();
    EXPECT_FALSE(fillInSpace(context())); // no bubble: the blank goes into the box
    fillInTyped(context(), QStringLiteral("Tom"));
    EXPECT_TRUE(key(WindowKey::Backspace));
    EXPECT_TRUE(fillIn().CurrentWordWriteText.caption.isEmpty());
    EXPECT_FALSE(fillIn().Picture7.visible);
    EXPECT_FALSE(key(WindowKey::Backspace)); // without the bubble the box keeps its own key

    fillInTyped(context(), QStringLiteral("Tom"));
    EXPECT_TRUE(fillInSpace(context()));
    EXPECT_EQ(where(), std::make_tuple(2, 1, QStringLiteral("2 / 4")));
    EXPECT_TRUE(fillIn().CurrentWordWriteText.caption.isEmpty());
    EXPECT_FALSE(fillIn().Picture7.visible);

    // On the last key word Space only empties the box; Home starts again.
    key(WindowKey::PageDown);
    key(WindowKey::PageDown);
    fillInTyped(context(), QStringLiteral("children"));
    EXPECT_EQ(fillIn().Picture7.caption, lessonDoneMessage());
    EXPECT_TRUE(fillInSpace(context()));
    EXPECT_EQ(where(), std::make_tuple(4, 1, QStringLiteral("4 / 4")));
    EXPECT_TRUE(fillIn().CurrentWordWriteText.caption.isEmpty());
    EXPECT_TRUE(key(WindowKey::Home));
    EXPECT_EQ(where(), std::make_tuple(1, 3, QStringLiteral("1 / 4")));

    state().ModeIndex = Mode::SentenceBrowse;
    fillInTyped(context(), QStringLiteral("Tom"));
    EXPECT_FALSE(key(WindowKey::Backspace)); // only the fill-in's bubble takes it
}

// Regression: the box kept the blank's width, so an over-long attempt scrolled its first
// letters out of sight ("fines" showed as "ines").
TEST_F(FillInTest, TheBoxGrowsWithWhatIsTypedUpToThePanelAndShrinksForTheNextWord)
{
    start();
    const TwipRect blank = state().sentence.SenWordLabel[3].geometry; // "Tom"
    const int room = state().geometry.panel.width - 300 - blank.left;
    const struct
    {
        QString typed;
        int width;
    } cases[] = {
        {QString(), blank.width},
        {QStringLiteral("To"), blank.width},
        {QStringLiteral("Tom"), blank.width},
        {QStringLiteral("Toms"), FakeTextMeasurer::widthOf(QStringLiteral("Toms"))},
        {QStringLiteral("Tommy and friends"),
         FakeTextMeasurer::widthOf(QStringLiteral("Tommy and friends"))},
        {QString(100, u'm'), room},
        {QStringLiteral("T"), blank.width},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        fillInTyped(context(), c.typed);
        const TwipRect& box = fillIn().CurrentWordWriteText.geometry;
        EXPECT_EQ(box.width, c.width);
        EXPECT_EQ(box.left, blank.left);
        EXPECT_EQ(box.top, blank.top);
        EXPECT_EQ(box.height, blank.height);
    }
    fillInTyped(context(), QStringLiteral("Tommy and friends"));
    key(WindowKey::PageDown);
    EXPECT_EQ(fillIn().CurrentWordWriteText.geometry,
              state().sentence.SenWordLabel[fillIn().BlankWordNumber].geometry);
}

TEST_F(FillInTest, HintKeysAndTheAnswer)
{
    start();
    wordSpoken();
    EXPECT_TRUE(key(WindowKey::F3));
    EXPECT_EQ(fillIn().CurrentWordTextLabel[2].caption, QStringLiteral("tɔm"));
    EXPECT_TRUE(key(WindowKey::F4));
    EXPECT_EQ(fillIn().CurrentWordTextLabel[0].caption, QStringLiteral("tom"));
    // The hints stay in one row, each 150 twips after the previous one.
    const auto& hints = fillIn().CurrentWordTextLabel;
    EXPECT_EQ(hints[1].geometry.left, hints[0].geometry.right() + 150);
    EXPECT_EQ(hints[2].geometry.left, hints[1].geometry.right() + 150);
    EXPECT_TRUE(key(WindowKey::F2));
    EXPECT_TRUE(wordSpoken());

    show(2);
    EXPECT_TRUE(key(WindowKey::F10));
    EXPECT_EQ(fillIn().CurrentWordWriteText.caption, QStringLiteral("Good"));
    EXPECT_EQ(shell.feedback.played(), QStringList{"WordRight.wav"});
    EXPECT_TRUE(fillIn().Picture7.visible);

    // Outside the fill-in the same keys do nothing.
    state().ModeIndex = Mode::Recall;
    show(1);
    for (WindowKey k : {WindowKey::F1, WindowKey::F2, WindowKey::F3, WindowKey::F4, WindowKey::F6,
                        WindowKey::F10})
        EXPECT_FALSE(key(k));
    EXPECT_EQ(fillIn().CurrentWordTextLabel[0].caption, QString());
}

TEST_F(FillInTest, TheOptionsFillOrEmptyTheirHintsAndAreKept)
{
    start();
    toggleFillInOption(context(), FillInOption::Word);
    EXPECT_EQ(fillIn().CurrentWordTextLabel[0].caption, QStringLiteral("tom"));
    toggleFillInOption(context(), FillInOption::Meaning);
    EXPECT_EQ(fillIn().CurrentWordTextLabel[1].caption, QString());
    toggleFillInOption(context(), FillInOption::Transcription);
    EXPECT_EQ(fillIn().CurrentWordTextLabel[2].caption, QStringLiteral("tɔm"));
    wordSpoken();
    toggleFillInOption(context(), FillInOption::Speak); // off: silent
    EXPECT_FALSE(wordSpoken());
    toggleFillInOption(context(), FillInOption::Speak); // on: the word at once
    EXPECT_TRUE(wordSpoken());

    ASSERT_TRUE(shutDown(context()).ok());
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    const Settings& o = state().options;
    EXPECT_TRUE(o.currentWordEnglish);
    EXPECT_FALSE(o.currentWordChinese);
    EXPECT_TRUE(o.currentWordPron);
    EXPECT_TRUE(o.currentWordRead);
    EXPECT_EQ(fillIn().CurrentWordTextLabel[0].caption, QStringLiteral("tom"));
}

TEST_F(FillInTest, NothingOfTheFillInIsWrittenToTheLesson)
{
    start();
    const auto before = readTextFile(shell.lessonPath(1));
    fillInTyped(context(), QStringLiteral("Tom"));
    fillInSpace(context());
    key(WindowKey::F10);
    key(WindowKey::Home);
    EXPECT_EQ(readTextFile(shell.lessonPath(1)).value(), before.value());
}

TEST_F(FillInTest, ALessonWithoutKeyWordsDisablesTheControlsAndNoKeyMisbehaves)
{
    start({unmarked(kHelloTom), unmarked(kGoodMorning), kTheBooks});
    const auto disabled = [this] {
        const FillInView& f = fillIn();
        return !f.Command1Enabled && !f.Command5Enabled && !f.Command6Enabled &&
               !f.Command7Enabled && !f.Command8Enabled && !f.Command9Enabled;
    };
    for (int s = 1; s <= 3; ++s) {
        show(s);
        EXPECT_TRUE(disabled()) << s;
        EXPECT_EQ(fillIn().Picture7.caption, noKeyWordMessage());
        EXPECT_EQ(fillIn().progressCaption, QStringLiteral("0 / 0"));
        for (WindowKey k :
             {WindowKey::PageUp, WindowKey::PageDown, WindowKey::Home, WindowKey::F1, WindowKey::F2,
              WindowKey::F3, WindowKey::F4, WindowKey::F6, WindowKey::F10, WindowKey::Backspace}) {
            const int position = fillIn().KeyWordPosition;
            EXPECT_FALSE(key(k));
            EXPECT_EQ(state().CurrentSentence, s);
            EXPECT_EQ(fillIn().KeyWordPosition, position);
        }
        EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());
    }

    // The first mark (Ctrl + click in sentence browse) brings "首词" and "读句" back.
    state().ModeIndex = Mode::SentenceBrowse;
    show(1);
    keyPressed(context(), WindowKey::Ctrl);
    sentenceWordClicked(context(), 3);
    keyReleased(context());
    EXPECT_TRUE(fillIn().Command6Enabled);
    EXPECT_TRUE(fillIn().Command8Enabled);
    EXPECT_EQ(fillIn().BlankWordNumber, 3);
    EXPECT_EQ(fillIn().progressCaption, QStringLiteral("1 / 1"));
}

TEST_F(FillInTest, ALessonWithOneKeyWord)
{
    start({unmarked(kHelloTom), kTheBooks, kChildren});
    show(1);
    EXPECT_EQ(fillIn().progressCaption, QStringLiteral("0 / 1"));
    EXPECT_TRUE(fillIn().Command1Enabled);
    EXPECT_FALSE(fillIn().Command5Enabled);
    EXPECT_TRUE(key(WindowKey::PageDown));
    EXPECT_EQ(where(), std::make_tuple(3, 1, QStringLiteral("1 / 1")));
    EXPECT_FALSE(fillIn().Command1Enabled);
    EXPECT_FALSE(fillIn().Command5Enabled);
    fillInTyped(context(), QStringLiteral("children"));
    EXPECT_EQ(fillIn().Picture7.caption, lessonDoneMessage());
}

TEST_F(FillInTest, EqualSentencesAreWalkedOneAfterTheOther)
{
    // Regression: finding a key word's sentence by its record's text stopped at the first of two
    // equal sentences, so the walk could never reach the second one.
    start({kHelloTom, kHelloTom, kTheBooks});
    EXPECT_TRUE(key(WindowKey::PageDown));
    EXPECT_EQ(where(), std::make_tuple(2, 3, QStringLiteral("2 / 2")));
    EXPECT_TRUE(key(WindowKey::PageUp));
    EXPECT_EQ(where(), std::make_tuple(1, 3, QStringLiteral("1 / 2")));
}
