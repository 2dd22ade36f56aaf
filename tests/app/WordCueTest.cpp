// The word hint card: progressive stages, full reveal, hover, placement and its resets.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/SentenceDisplay.h"
#include "app/WordCueActions.h"
#include "app/WordTools.h"
#include "modes/WordCueHints.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Labels: 1 Hello, 2 ", ", 3 Tom, 4 ". ", 5 Hello, 6 "!"; then a sentence with an unknown word.
const QString kHelloTomHello =
    lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$^. ^Hello$hello$^!^"),
                 QStringLiteral("你好，汤姆。你好！"), "0.1", "1.2");
const QString kZebras =
    lessonRecord(QStringLiteral("^Zebras$zebras$^.^"), QStringLiteral("斑马。"), "3", "4");

const QString P = cuePrompt();
const QString R = cueReadCaption();
const QString kTomMeaning = QStringLiteral("n. 汤姆");
const QString kHelloMeaning = QStringLiteral("int. 你好");

class WordCueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::Recall);
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTomHello, kZebras})));
        ASSERT_TRUE(shell.startUp());
        shell.wordPlayer.clearCalls();
    }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }
    const WordCueCard& card() { return state().cue; }

    /// The five value texts, top to bottom; a prompt must be drawn as one.
    QStringList lines()
    {
        QStringList texts;
        for (const CueValue& v : card().lines) {
            EXPECT_EQ(v.prompt, v.text == P) << v.text.toStdString();
            texts.append(v.text);
        }
        return texts;
    }
    bool covered(int k) { return isRecallWordCovered(state(), k); }
    /// The recordings the word player started once wordDelayTimer has fired.
    int wordsSpoken()
    {
        shell.clock.advance(10);
        const int n = int(shell.wordPlayer.calls().count(QStringLiteral("play")));
        shell.wordPlayer.clearCalls();
        return n;
    }

    /// Runs a gesture: 'c' a single click (release), 'd' a double click (release, double click,
    /// release, as the window delivers it), 'h' the pointer moving over the word.
    void gesture(char kind, int k)
    {
        switch (kind) {
        case 'c':
            cueProgressiveHint(context(), k);
            break;
        case 'd':
            cueProgressiveHint(context(), k);
            cueFullReveal(context(), k);
            cueProgressiveHint(context(), k);
            break;
        case 'h':
            cueHover(context(), k);
            break;
        }
    }

    ShellFixture shell;
};

struct CueCase
{
    const char* name;
    std::vector<std::pair<char, int>> gestures;
    int stage;
    bool tomCovered;
    QStringList lines; ///< word, first letter, meaning, read, transcription
};

class WordCueSequenceTest : public WordCueTest, public ::testing::WithParamInterface<CueCase>
{
};

} // namespace

TEST_P(WordCueSequenceTest, StagesAndCoverFollowTheClicks)
{
    const CueCase& c = GetParam();
    for (const auto& [kind, k] : c.gestures)
        gesture(kind, k);
    EXPECT_EQ(card().HintStage, c.stage);
    EXPECT_EQ(covered(3), c.tomCovered);
    EXPECT_EQ(lines(), c.lines);
    EXPECT_TRUE(card().visible);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, WordCueSequenceTest,
    ::testing::Values(
        CueCase{"OneClickShowsTheMeaning", {{'c', 3}}, 1, true, {P, P, kTomMeaning, P, P}},
        CueCase{"TwoClicksAddTheFirstLetter",
                {{'c', 3}, {'c', 3}},
                2,
                true,
                {P, QStringLiteral("t"), kTomMeaning, P, P}},
        CueCase{"FourClicksAddTheTranscription",
                {{'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}},
                4,
                true,
                {P, QStringLiteral("t"), kTomMeaning, R, QStringLiteral("tɔm")}},
        CueCase{
            "FiveClicksUncoverTheWord",
            {{'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}},
            5,
            false,
            {QStringLiteral("Tom"), QStringLiteral("t"), kTomMeaning, R, QStringLiteral("tɔm")}},
        CueCase{"TheSixthClickCoversItAgainWithOnlyTheMeaning",
                {{'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}},
                1,
                true,
                {P, P, kTomMeaning, P, P}},
        CueCase{
            "ADoubleClickRevealsEverything",
            {{'d', 3}},
            7,
            false,
            {QStringLiteral("Tom"), QStringLiteral("t"), kTomMeaning, R, QStringLiteral("tɔm")}},
        CueCase{
            "ClicksAfterADoubleClickChangeNothing",
            {{'d', 3}, {'c', 3}, {'c', 3}},
            9,
            false,
            {QStringLiteral("Tom"), QStringLiteral("t"), kTomMeaning, R, QStringLiteral("tɔm")}},
        CueCase{"ASecondDoubleClickCoversAndShowsTheMeaning",
                {{'d', 3}, {'d', 3}},
                1,
                true,
                {P, P, kTomMeaning, P, P}},
        CueCase{
            "ADoubleClickAfterFiveClicksEndsUncovered",
            {{'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'d', 3}},
            7,
            false,
            {QStringLiteral("Tom"), QStringLiteral("t"), kTomMeaning, R, QStringLiteral("tɔm")}},
        CueCase{"AnotherWordRestartsAndTheUncoveredOneStays",
                {{'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 3}, {'c', 1}},
                1,
                false,
                {P, P, kHelloMeaning, P, P}},
        CueCase{"EqualWordsShareTheirProgress",
                {{'c', 1}, {'c', 1}, {'c', 5}},
                3,
                true,
                {P, QStringLiteral("h"), kHelloMeaning, R, P}},
        CueCase{"AnotherWordAfterADoubleClickStartsAfresh",
                {{'d', 3}, {'c', 1}},
                1,
                false,
                {P, P, kHelloMeaning, P, P}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordCueTest, TheThirdStageAndAFullRevealSpeakTheWord)
{
    gesture('c', 3);
    gesture('c', 3);
    EXPECT_EQ(wordsSpoken(), 0);
    gesture('c', 3);
    EXPECT_EQ(wordsSpoken(), 1);
    cueFullReveal(context(), 1);
    EXPECT_EQ(wordsSpoken(), 1);
}

TEST_F(WordCueTest, PunctuationResetsTheLinesButUncoversNothing)
{
    gesture('c', 3);
    gesture('c', 3);
    gesture('c', 2);
    EXPECT_EQ(card().HintStage, 0);
    EXPECT_EQ(lines(), (QStringList{P, P, QString(), P, P}));
    EXPECT_EQ(card().LastHintedWord, QStringLiteral(", "));
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(covered(k), k == 1 || k == 3 || k == 5) << k;
    cueFullReveal(context(), 2);
    EXPECT_EQ(covered(2), false);
    EXPECT_EQ(state().recall.ClickWordLabel[2].foreground, kBlack);
}

TEST_F(WordCueTest, HoverShowsTheCardOnlyOverTheLastHintedWord)
{
    gesture('c', 3);
    const TwipRect where = card().geometry;
    gesture('h', 1);
    EXPECT_FALSE(card().visible);
    gesture('h', 2); // not a word: the card stays as it is
    EXPECT_FALSE(card().visible);
    gesture('h', 3);
    EXPECT_TRUE(card().visible);
    EXPECT_EQ(card().geometry, where);
}

// Regression: the card stood right under its word, over the Chinese line the learner works
// from. Recall and the dictation test, the normal window and the maximised one, every word.
TEST_F(WordCueTest, TheCardCoversNeitherItsWordNorTheChineseLineInsideThePanel)
{
    QString english;
    for (int k = 0; k < 14; ++k)
        english += QStringLiteral("^wwwwwww$w$^ ");
    ASSERT_TRUE(shell.writeLesson(
        1, lessonText({lessonRecord(english + QStringLiteral("^"), QStringLiteral("一句很长的中文"),
                                    "0", "1")})));
    for (Mode mode : {Mode::Recall, Mode::DictationTest}) {
        for (bool maximised : {false, true}) {
            SCOPED_TRACE(std::string(mode == Mode::Recall ? "recall" : "dictation") +
                         (maximised ? ", maximised" : ", normal"));
            shell.restart();
            Settings settings = defaultSettings();
            settings.modeIndex = modeNumber(mode);
            settings.writeMode = WriteMode::DictationTest;
            settings.windowMaximised = maximised;
            ASSERT_TRUE(shell.writeSettings(settings));
            ASSERT_TRUE(shell.startUp());
            shell.clock.advance(20); // the start-up's maximise
            ASSERT_EQ(state().geometry.maximised, maximised);
            const TwipRect& panel = state().geometry.panel;
            TwipRect chinese = mode == Mode::Recall ? state().recall.ClickWordChineseLabel.geometry
                                                    : state().sentence.SenChineseLabel.geometry;
            if (mode == Mode::DictationTest)
                chinese.top += kDictationChineseDrop;
            ASSERT_GT(chinese.width, 0);
            const ElementArray& words = mode == Mode::Recall ? state().recall.ClickWordLabel
                                                             : state().dictation.WriteWordLabel;
            ASSERT_EQ(words.size(), 29);
            for (int k = 1; k < words.size(); k += 2) {
                SCOPED_TRACE(k);
                cueProgressiveHint(context(), k);
                ASSERT_TRUE(card().visible);
                // The card is placed in the window, the word and the line in the panel.
                TwipRect inPanel = card().geometry;
                inPanel.left -= panel.left;
                inPanel.top -= panel.top;
                EXPECT_GE(inPanel.left, 0);
                EXPECT_GE(inPanel.top, 0);
                EXPECT_LE(inPanel.right(), panel.width);
                EXPECT_LE(inPanel.bottom(), panel.height);
                for (const TwipRect& kept : {words[k].geometry, chinese}) {
                    EXPECT_FALSE(inPanel.left < kept.right() && kept.left < inPanel.right() &&
                                 inPanel.top < kept.bottom() && kept.top < inPanel.bottom())
                        << inPanel.left << "," << inPanel.top << " over " << kept.left << ","
                        << kept.top;
                }
            }
        }
    }
}

TEST_F(WordCueTest, AWordMissingFromTheDictionaryShowsItselfAndNotFound)
{
    state().CurrentSentence = 2;
    showSentence(context());
    gesture('d', 1);
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("Zebras"), QStringLiteral("z"),
                                    notFoundMeaning(), R, QString()}));
}

TEST_F(WordCueTest, CardLineClicksShowTheirValueWithoutChangingTheStage)
{
    gesture('c', 3);
    wordsSpoken();
    cueLineClicked(context(), CueLine::Pronunciation);
    cueLineClicked(context(), CueLine::Word);
    cueLineClicked(context(), CueLine::Meaning);
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("tom"), P, kTomMeaning, P, QStringLiteral("tɔm")}));
    cueLineClicked(context(), CueLine::Read);
    EXPECT_EQ(wordsSpoken(), 1);
    EXPECT_EQ(card().HintStage, 1);
}

TEST_F(WordCueTest, ShowingASentenceEmptiesAndHidesTheCard)
{
    gesture('c', 3);
    gesture('c', 3);
    showSentence(context());
    EXPECT_FALSE(card().visible);
    EXPECT_EQ(card().HintStage, 0);
    EXPECT_TRUE(card().LastHintedWord.isEmpty());
    EXPECT_EQ(lines(), QStringList(5, QString()));
}

TEST_F(WordCueTest, WithNoCurrentWordTheCardActionsDoNothing)
{
    // Regression: word index 0 (no word) used to reach the template label.
    for (int k : {0, -1, 7}) {
        cueProgressiveHint(context(), k);
        cueFullReveal(context(), k, true);
        cueLineClicked(context(), CueLine::Read);
        EXPECT_FALSE(card().visible) << k;
        EXPECT_EQ(card().HintStage, 0) << k;
    }
    EXPECT_EQ(wordsSpoken(), 0);
}

TEST_F(WordCueTest, TheDictationTestsFullRevealOpensTheWholeCardEvenOnAnUncoveredWord)
{
    gesture('d', 3);
    cueFullReveal(context(), 3, true);
    EXPECT_EQ(card().HintStage, 6);
    EXPECT_FALSE(covered(3));
    EXPECT_EQ(lines()[0], QStringLiteral("Tom"));
}
