// Every window key in every mode: what it does there, and that elsewhere it leaves all untouched.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/Dictation.h"
#include "app/SentenceDisplay.h"
#include "app/WordCueActions.h"
#include "modes/WordCueHints.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace kelvaro;

namespace {

// Key words (◆): Tom in sentence 1, Good and morning in 3, Children in 4; sentence 2 has none.
const QStringList kRecords = {
    lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$◆^.^"), QStringLiteral("你好，汤姆。"),
                 "0.1", "1.2"),
    lessonRecord(QStringLiteral("^The $the$^books$book$^.^"), QStringLiteral("这些书。"), "1.5",
                 "2.5"),
    lessonRecord(QStringLiteral("^Good $good$◆^morning$morning$◆^!^"), QStringLiteral("早上好！"),
                 "3", "4"),
    lessonRecord(QStringLiteral("^Children$child$◆^.^"), QStringLiteral("孩子们。"), "4.5", "5"),
};
const int kStart = 3; // every case starts on sentence 3 (in the fill-in mode: its blank "Good")

/// What a key may change, read off the state and the fakes.
struct Observed
{
    int sentence = 0;
    int keyWord = 0;
    int dictationWord = 0;
    bool ctrl = false;
    bool lessonPlays = false;
    bool wordPlays = false;
    DictationScore score;
    QString writeText, englishLine, chineseLine;
    QString blank;
    std::array<QString, 3> hints;
    bool bubble = false;
    int covered = 0;
    int messages = 0;

    bool operator==(const Observed& o) const
    {
        return sentence == o.sentence && keyWord == o.keyWord && dictationWord == o.dictationWord &&
               ctrl == o.ctrl && lessonPlays == o.lessonPlays && wordPlays == o.wordPlays &&
               score.score == o.score.score && score.wrongWords == o.score.wrongWords &&
               score.progressive == o.score.progressive &&
               score.directHints == o.score.directHints && writeText == o.writeText &&
               englishLine == o.englishLine && chineseLine == o.chineseLine && blank == o.blank &&
               hints == o.hints && bubble == o.bubble && covered == o.covered &&
               messages == o.messages;
    }
};

void PrintTo(const Observed& o, std::ostream* out)
{
    *out << "sentence " << o.sentence << ", key word " << o.keyWord << ", dictation word "
         << o.dictationWord << ", ctrl " << o.ctrl << ", plays " << o.lessonPlays << '/'
         << o.wordPlays << ", score " << o.score.score << '/' << o.score.wrongWords << '/'
         << o.score.progressive << '/' << o.score.directHints << ", typed \""
         << o.writeText.toStdString() << "\", lines \"" << o.englishLine.toStdString() << "\" \""
         << o.chineseLine.toStdString() << "\", blank \"" << o.blank.toStdString() << "\", hints \""
         << o.hints[0].toStdString() << "\" \"" << o.hints[1].toStdString() << "\" \""
         << o.hints[2].toStdString() << "\", bubble " << o.bubble << ", covered " << o.covered
         << ", messages " << o.messages;
}

/// One mode's window, started on sentence 3 with a little state that the keys could undo.
class ModeWindow
{
public:
    explicit ModeWindow(Mode mode, int start = kStart, int count = 1)
    {
        EXPECT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        settings.writeMode =
            mode == Mode::DictationTest ? WriteMode::DictationTest : WriteMode::FreeSpelling;
        for (RepeatOption* option :
             {&settings.sen, &settings.write, &settings.all, &settings.click, &settings.pen})
            option->count = count;          // at 1 F7 plays in every mode
        settings.writeEnglishCheck = false; // the free-spelling lines start hidden for F8 and F9
        settings.writeChineseCheck = false;
        settings.currentWordChinese = false; // no fill-in hint is shown before its key
        settings.currentWordRead = false;
        EXPECT_TRUE(shell.writeSettings(settings));
        EXPECT_TRUE(shell.writeLesson(1, lessonText(kRecords)));
        EXPECT_TRUE(shell.startUp());
        MainState& state = shell.state();
        state.CurrentSentence = start;
        showSentence(shell.context());
        // Something for "重做", "重置" and the page keys of free spelling to undo.
        state.dictation.WriteText = QStringLiteral("Good");
        state.dictation.score = {90, 1, 0, 0};
        if (mode == Mode::Recall)
            cueFullReveal(shell.context(), 1);
        if (mode == Mode::DictationTest && start == kStart) {
            for (QChar c : QStringLiteral("Good ")) {
                dictationKeyPressed(shell.context());
                dictationTextChanged(shell.context(), state.dictation.WriteWordText + c);
            }
            EXPECT_EQ(state.dictation.DictationWordIndex, 2);
        }
        shell.clock.advance(10);
        shell.lessonPlayer.clearCalls();
        shell.wordPlayer.clearCalls();
        shell.dialogs.clear();
    }

    /// The window after the clock moved on by the word timer's 10 ms.
    Observed observe()
    {
        shell.clock.advance(10);
        const MainState& state = shell.state();
        Observed o;
        o.sentence = state.CurrentSentence;
        o.keyWord = state.fillIn.CurrentWordIndex;
        o.dictationWord = state.dictation.DictationWordIndex;
        o.ctrl = state.CtrlHeld;
        o.lessonPlays = shell.lessonPlayer.calls().contains(QStringLiteral("play"));
        o.wordPlays = shell.wordPlayer.calls().contains(QStringLiteral("play"));
        o.score = state.dictation.score;
        o.writeText = state.dictation.WriteText;
        o.englishLine = state.dictation.WriteSenEnglishLabel;
        o.chineseLine = state.dictation.WriteSenChineseLabel;
        o.blank = state.fillIn.CurrentWordWriteText.caption;
        for (int i = 0; i < 3; ++i)
            o.hints[i] = state.fillIn.CurrentWordTextLabel[i].caption;
        o.bubble = state.fillIn.Picture7.visible;
        for (int k = 1; k < state.recall.ClickWordLabel.size(); ++k)
            o.covered += isRecallWordCovered(state, k) ? 1 : 0;
        o.messages = shell.dialogs.messages().size();
        return o;
    }

    ShellFixture shell;
};

enum class Effect {
    Nothing,
    HoldCtrl,
    PreviousSentence,
    NextSentence,
    FirstSentence,
    PreviousKeyWord,
    NextKeyWord,
    FirstKeyWord,
    Play,
    SpeakWord,
    WordHint,
    MeaningHint,
    TranscriptionHint,
    ProgressiveHint,
    DirectHint,
    EnglishCue,
    ChineseCue,
    FillBlank,
    RedoDictation,
    ResetRecall,
};

const Mode kModes[] = {Mode::FullText,      Mode::SentenceBrowse, Mode::Translation,
                       Mode::DictationTest, Mode::ReadAfter,      Mode::FreeSpelling,
                       Mode::Recall,        Mode::FillIn};

/// The key table: a key's effect in the modes it names; in every other mode it does nothing.
struct KeyRow
{
    WindowKey key;
    const char* name;
    std::map<int, Effect> modes; // mode number -> effect; -1 = every mode not named
};

const int kOthers = -1;
constexpr int kFillIn = modeNumber(Mode::FillIn);
constexpr int kDictationTest = modeNumber(Mode::DictationTest);
constexpr int kFreeSpelling = modeNumber(Mode::FreeSpelling);
constexpr int kRecall = modeNumber(Mode::Recall);

const KeyRow kKeyTable[] = {
    // Backspace only acts while the fill-in bubble is up; the table's start has none.
    {WindowKey::Backspace, "Backspace", {}},
    {WindowKey::Ctrl, "Ctrl", {{kOthers, Effect::HoldCtrl}}},
    {WindowKey::PageUp,
     "PageUp",
     {{kFillIn, Effect::PreviousKeyWord}, {kOthers, Effect::PreviousSentence}}},
    {WindowKey::PageDown,
     "PageDown",
     {{kFillIn, Effect::NextKeyWord}, {kOthers, Effect::NextSentence}}},
    {WindowKey::Home, "Home", {{kFillIn, Effect::FirstKeyWord}, {kOthers, Effect::FirstSentence}}},
    {WindowKey::F1, "F1", {{kFillIn, Effect::MeaningHint}}},
    {WindowKey::F2, "F2", {{kFillIn, Effect::SpeakWord}}},
    {WindowKey::F3, "F3", {{kFillIn, Effect::TranscriptionHint}}},
    {WindowKey::F4, "F4", {{kFillIn, Effect::WordHint}}},
    {WindowKey::F5, "F5", {{kDictationTest, Effect::ProgressiveHint}}},
    {WindowKey::F6, "F6", {{kDictationTest, Effect::DirectHint}, {kFillIn, Effect::WordHint}}},
    {WindowKey::F7, "F7", {{kOthers, Effect::Play}}},
    {WindowKey::F8, "F8", {{kFreeSpelling, Effect::EnglishCue}}},
    {WindowKey::F9, "F9", {{kFreeSpelling, Effect::ChineseCue}}},
    {WindowKey::F10, "F10", {{kFillIn, Effect::FillBlank}}},
    {WindowKey::F12,
     "F12",
     {{kDictationTest, Effect::RedoDictation}, {kRecall, Effect::ResetRecall}}},
};

Effect effectIn(const KeyRow& row, Mode mode)
{
    if (auto it = row.modes.find(modeNumber(mode)); it != row.modes.end())
        return it->second;
    if (auto it = row.modes.find(kOthers); it != row.modes.end())
        return it->second;
    return Effect::Nothing;
}

/// The fields the effect must change from before (b) to after (a); the rest must stay.
void expectEffect(Effect effect, Mode mode, Observed b, const Observed& a)
{
    switch (effect) {
    case Effect::Nothing:
        break;
    case Effect::HoldCtrl:
        EXPECT_TRUE(a.ctrl);
        b.ctrl = true;
        break;
    case Effect::PreviousSentence:
    case Effect::NextSentence:
    case Effect::FirstSentence:
        EXPECT_EQ(a.sentence, effect == Effect::PreviousSentence ? 2
                              : effect == Effect::NextSentence   ? 4
                                                                 : 1);
        if (mode == Mode::FreeSpelling && effect != Effect::FirstSentence) {
            EXPECT_EQ(a.writeText, QString());
        }
        // The sentence shown anew redraws its view; only the sentence is checked here.
        return;
    case Effect::PreviousKeyWord:
    case Effect::NextKeyWord:
    case Effect::FirstKeyWord:
        // Tom in sentence 1, Good (the start), morning in the same sentence 3.
        EXPECT_EQ(std::make_pair(a.keyWord, a.sentence),
                  effect == Effect::NextKeyWord ? std::make_pair(3, 3) : std::make_pair(1, 1));
        EXPECT_FALSE(a.lessonPlays); // a step waits at the sentence's start
        return;
    case Effect::Play:
        EXPECT_TRUE(a.lessonPlays);
        b.lessonPlays = true;
        break;
    case Effect::SpeakWord:
        EXPECT_TRUE(a.wordPlays);
        b.wordPlays = true;
        break;
    case Effect::WordHint:
    case Effect::MeaningHint:
    case Effect::TranscriptionHint: {
        const int i = effect == Effect::WordHint ? 0 : effect == Effect::MeaningHint ? 1 : 2;
        const QString expected[] = {QStringLiteral("good"), QStringLiteral("adj. 好的"), QString()};
        EXPECT_FALSE(a.hints[i].isEmpty());
        if (!expected[i].isEmpty()) {
            EXPECT_EQ(a.hints[i], expected[i]);
        }
        b.hints[i] = a.hints[i];
        break;
    }
    case Effect::ProgressiveHint:
        EXPECT_EQ(a.score.score, b.score.score - 1);
        EXPECT_EQ(a.score.progressive, b.score.progressive + 1);
        return; // the hint also reveals letters in the box
    case Effect::DirectHint:
        EXPECT_EQ(a.score.score, b.score.score - 5);
        EXPECT_EQ(a.score.directHints, b.score.directHints + 1);
        return;
    case Effect::EnglishCue:
        EXPECT_EQ(a.englishLine, QStringLiteral("Good morning!"));
        b.englishLine = a.englishLine;
        break;
    case Effect::ChineseCue:
        EXPECT_EQ(a.chineseLine, QStringLiteral("早上好！"));
        b.chineseLine = a.chineseLine;
        break;
    case Effect::FillBlank:
        EXPECT_EQ(a.blank, QStringLiteral("Good"));
        return; // with its sound and bubble
    case Effect::RedoDictation:
        // The box goes back to the first word; the score and its counters stay.
        EXPECT_EQ(a.dictationWord, 1);
        b.dictationWord = 1;
        break;
    case Effect::ResetRecall:
        EXPECT_EQ(a.covered, b.covered + 1);
        b.covered = a.covered;
        break;
    }
    EXPECT_EQ(a, b) << "the key changed more than its own effect";
}

} // namespace

TEST(KeyTableTest, EveryKeyInEveryModeDoesItsOwnJobAndNothingElse)
{
    for (const KeyRow& row : kKeyTable) {
        for (Mode mode : kModes) {
            SCOPED_TRACE(std::string(row.name) + " in mode " + std::to_string(modeNumber(mode)));
            ModeWindow window(mode);
            const Observed before = window.observe();
            const Effect effect = effectIn(row, mode);
            const bool handled = keyPressed(window.shell.context(), row.key);
            EXPECT_EQ(handled, effect != Effect::Nothing);
            expectEffect(effect, mode, before, window.observe());
        }
    }
}

TEST(KeyTableTest, AnyKeyReleasedEndsTheCtrlStateInEveryMode)
{
    for (Mode mode : kModes) {
        SCOPED_TRACE(mode);
        ModeWindow window(mode);
        keyPressed(window.shell.context(), WindowKey::Ctrl);
        keyPressed(window.shell.context(), WindowKey::F7);
        EXPECT_TRUE(window.shell.state().CtrlHeld);
        keyReleased(window.shell.context());
        EXPECT_FALSE(window.shell.state().CtrlHeld);
    }
}

TEST(KeyTableTest, AtEitherEndThePageKeysDoNothingAndTheTypingStays)
{
    const struct
    {
        int start;
        WindowKey key;
    } ends[] = {{1, WindowKey::PageUp}, {4, WindowKey::PageDown}};
    for (const auto& end : ends) {
        for (Mode mode : kModes) {
            SCOPED_TRACE(std::to_string(end.start) + " in mode " +
                         std::to_string(modeNumber(mode)));
            ModeWindow window(mode, end.start);
            const Observed before = window.observe();
            EXPECT_FALSE(keyPressed(window.shell.context(), end.key));
            expectEffect(Effect::Nothing, mode, before, window.observe());
        }
    }
}

TEST(KeyTableTest, WithoutRepeatsF7PlaysOnlyWhereTheModeAlwaysReads)
{
    // Translation and read-after always read; the fill-in's F7 is its own "read" button.
    const QList<Mode> alwaysReads = {Mode::Translation, Mode::ReadAfter, Mode::FillIn};
    for (Mode mode : kModes) {
        SCOPED_TRACE(mode);
        ModeWindow window(mode, kStart, 0);
        const Observed before = window.observe();
        keyPressed(window.shell.context(), WindowKey::F7);
        expectEffect(alwaysReads.contains(mode) ? Effect::Play : Effect::Nothing, mode, before,
                     window.observe());
    }
}
