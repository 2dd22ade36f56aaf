#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/SentenceDisplay.h"
#include "modes/SentenceBrowse.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class SentenceBrowseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
    }

    /// Starts on lesson 1 (replaced by records when given) at sentence 1.
    void start(const QStringList& records = {})
    {
        if (!records.isEmpty()) {
            ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        }
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        shell.lessonPlayer.clearCalls();
    }

    void showSentenceNumber(int s)
    {
        state().CurrentSentence = s;
        showSentence(context());
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    const ElementArray& words() { return state().sentence.SenWordLabel; }

    ShellFixture shell;
    Settings settings = defaultSettings();
};

// Playing the sentence already shown: its end fence was set when it was shown.
const QStringList kPlayAtStart = {"setPosition 0.1", "play"};

} // namespace

TEST_F(SentenceBrowseTest, WordLabelsShowTheDisplayPartsOnOneRowWithKeyWordsColoured)
{
    settings.keyWordColour = 0x00FF00; // green, red in the low byte
    start();
    showSentenceNumber(2); // ^The $the$^books$book$◆^ are $be$^walking$walk$^.^

    const QStringList captions = {"The ", "books", " are ", "walking", "."};
    ASSERT_EQ(words().size(), captions.size() + 1);
    int left = 450;
    for (int k = 1; k <= captions.size(); ++k) {
        SCOPED_TRACE(k);
        const ViewElement& label = words()[k];
        EXPECT_EQ(label.caption, captions[k - 1]);
        EXPECT_EQ(label.geometry,
                  (TwipRect{left, 1050, FakeTextMeasurer::widthOf(captions[k - 1]), 300}));
        EXPECT_TRUE(label.visible);
        EXPECT_EQ(label.foreground, k == 2 ? makeRgb(0, 255, 0) : kBlack);
        left += label.geometry.width;
    }
    EXPECT_EQ(state().sentence.SenChineseLabel.caption, QStringLiteral("书在走路。"));
    EXPECT_EQ(state().sentence.SenChineseLabel.geometry.top, 1350 + 135);
}

TEST_F(SentenceBrowseTest, CopiesOfTheWordsCoverWordsAndLeavePunctuationOpen)
{
    start();
    showSentenceNumber(2);
    // Each tab makes its copy when it follows the sentence: as it would on being entered.
    for (Mode mode : {Mode::Recall, Mode::DictationTest, Mode::FillIn})
        context().rooms.catchUp(context(), mode);
    const SentenceBrowseView& v = state().sentence;
    const RecallView& r = state().recall;
    const DictationView& d = state().dictation;
    const FillInView& f = state().fillIn;
    // A word is a segment that begins with a letter; " are " begins with a blank.
    const bool isWord[] = {false, true, true, false, true, false};
    for (int k = 1; k < v.SenWordLabel.size(); ++k) {
        SCOPED_TRACE(k);
        const TwipRect& g = v.SenWordLabel[k].geometry;
        const TwipRect under{g.left, g.bottom(), g.width, 15};
        for (const ElementArray* copy :
             {&r.ClickWordLabel, &d.WriteWordLabel, &f.CurrentWordSenLabel}) {
            EXPECT_EQ((*copy)[k].geometry, g);
            EXPECT_EQ((*copy)[k].caption, v.SenWordLabel[k].caption);
            // The fill-in's blank is the one label drawn as a box instead.
            EXPECT_EQ((*copy)[k].visible,
                      copy != &f.CurrentWordSenLabel || k != state().fillIn.BlankWordNumber);
        }
        for (const ElementArray* line : {&r.ClickWordLine, &d.WriteWordLine, &f.CurrentWordSenLine})
            EXPECT_EQ((*line)[k].geometry, under);

        const ElementCursor cursor = isWord[k] ? ElementCursor::Hand : ElementCursor::Arrow;
        EXPECT_EQ(v.SenWordLabel[k].cursor, cursor);
        EXPECT_EQ(r.ClickWordLabel[k].cursor, cursor);
        EXPECT_EQ(d.WriteWordLabel[k].cursor, cursor);
        EXPECT_EQ(r.ClickWordLine[k].visible, isWord[k]);
        EXPECT_EQ(d.WriteWordLine[k].visible, isWord[k]);
        if (isWord[k]) {
            EXPECT_EQ(r.ClickWordLabel[k].foreground, kCoveredWord);
            EXPECT_EQ(r.ClickWordLabel[k].background, kCoveredWord);
            EXPECT_EQ(d.WriteWordLabel[k].foreground, kPanelBackground);
        } else {
            EXPECT_EQ(r.ClickWordLabel[k].foreground, kBlack);
            EXPECT_EQ(r.ClickWordLabel[k].background, kPanelBackground);
            EXPECT_EQ(d.WriteWordLabel[k].foreground, kBlack);
        }
    }
}

TEST_F(SentenceBrowseTest, LongSentenceWrapsOnlyAtLabelsEndingInALetter)
{
    // The first label runs to 450 + 8400 = 8850, just inside the margin (9270 - 300 = 8970);
    // ", " then ends past it and stays, being punctuation. The third label decides.
    const QString first = QString(70, u'a') + QStringLiteral("$a$");
    const struct
    {
        QString third;
        bool wraps;
    } cases[] = {
        {QStringLiteral("bb$bb$"), true},
        {QStringLiteral("BB$bb$"), true}, // upper case ends in a letter too
        {QStringLiteral("b2$b$"), false},
        {QStringLiteral("b.$b$"), false},
        {QStringLiteral("bb $bb$"), false},
    };
    QStringList records;
    for (const auto& c : cases)
        records.append(
            lessonRecord(QStringLiteral("^%1^, ^%2^.^").arg(first, c.third), "中", "0", "1"));
    start(records);

    for (int s = 1; s <= int(std::size(cases)); ++s) {
        SCOPED_TRACE(cases[s - 1].third.toStdString());
        showSentenceNumber(s);
        ASSERT_EQ(words().size(), 5);
        EXPECT_EQ(words()[2].geometry.top, 1050);
        EXPECT_EQ(words()[2].geometry.left, 8850);
        const TwipRect& third = words()[3].geometry;
        if (cases[s - 1].wraps) {
            EXPECT_EQ(third.left, 450);
            EXPECT_EQ(third.top, 1050 + 300 + 60);
        } else {
            EXPECT_EQ(third.left, 9090);
            EXPECT_EQ(third.top, 1050);
        }
        // The full stop follows on the same row, wherever that is.
        EXPECT_EQ(words()[4].geometry.top, third.top);
        EXPECT_EQ(words()[4].geometry.left, third.right());
        EXPECT_EQ(state().sentence.SenChineseLabel.geometry.top, third.bottom() + 135);
    }
}

// Regression: labels added after the array first grew took their height from the freed
// template (shows under the sanitizer build).
TEST_F(SentenceBrowseTest, EveryLabelOfALongSentenceTakesTheTemplateLineHeight)
{
    QString english = QStringLiteral("^");
    for (int k = 0; k < 40; ++k)
        english += QStringLiteral("w$w$^");
    start({lessonRecord(english, "中", "0", "1")});
    ASSERT_EQ(words().size(), 41);
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(words()[k].geometry.height, 300) << k;
}

TEST_F(SentenceBrowseTest, CountersFollowTheSentence)
{
    start();
    EXPECT_EQ(state().sentence.positionCaption, QStringLiteral("1 / 2"));
    EXPECT_EQ(state().sentence.countCaption, QStringLiteral("本课共有2句，当前是第1句"));
    nextSentence(context());
    EXPECT_EQ(state().sentence.positionCaption, QStringLiteral("2 / 2"));
    EXPECT_EQ(state().sentence.countCaption, QStringLiteral("本课共有2句，当前是第2句"));
    EXPECT_EQ(state().StartSentence, 2);
    EXPECT_EQ(state().SentenceStart, 1.5);
    EXPECT_EQ(state().SentenceEnd, 2.9);
    EXPECT_TRUE(state().SentenceDone);
}

TEST_F(SentenceBrowseTest, NoteIsTrimmedAndThePlaceholderStandsInForAnEmptyOne)
{
    const QStringList records = {
        lessonRecord("^Hi$hi$^", "嗨", "0", "1", ""),
        lessonRecord("^Hi$hi$^", "嗨", "1", "2", "   "),
        lessonRecord("^Hi$hi$^", "嗨", "2", "3", "  a note  "),
    };
    const struct
    {
        int chinese, sentence;
        QString note;
        bool placeholder;
    } cases[] = {
        {1, 1, QString(), true},
        {1, 2, QString(), true},
        {1, 3, QStringLiteral("a note"), false},
        {0, 1, QString(), false},
        {0, 3, QStringLiteral("a note"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.chinese) + "/" + std::to_string(c.sentence));
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.senChineseCheck = c.chinese;
        settings.startSentence = c.sentence;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        ASSERT_TRUE(shell.startUp());

        const SentenceBrowseView& v = shell.state().sentence;
        EXPECT_EQ(v.SenNoteText.caption, c.note);
        EXPECT_EQ(v.NoneNotePictureVisible, c.placeholder);
        EXPECT_EQ(v.SenNoteText.visible, c.chinese == 1);
        EXPECT_EQ(v.SenChineseLabel.visible, c.chinese == 1);
    }
}

TEST_F(SentenceBrowseTest, ChineseCheckHidesTheChineseLineAndTheNote)
{
    start({lessonRecord("^Hi$hi$^", "嗨", "0", "1", ""),
           lessonRecord("^Hi$hi$^", "嗨", "1", "2", "a note")});
    const SentenceBrowseView& v = state().sentence;

    toggleSentenceChinese(context());
    EXPECT_FALSE(state().options.senChineseCheck);
    EXPECT_FALSE(v.SenChineseLabel.visible);
    EXPECT_FALSE(v.SenNoteText.visible);
    EXPECT_FALSE(v.NoneNotePictureVisible);
    nextSentence(context()); // the choice outlives the sentence
    EXPECT_FALSE(v.SenChineseLabel.visible);
    EXPECT_FALSE(v.SenNoteText.visible);

    toggleSentenceChinese(context());
    EXPECT_TRUE(state().options.senChineseCheck);
    EXPECT_TRUE(v.SenChineseLabel.visible);
    EXPECT_TRUE(v.SenNoteText.visible);
    // The placeholder is not laid over the note this sentence has.
    EXPECT_FALSE(v.NoneNotePictureVisible);
    previousSentence(context());
    EXPECT_TRUE(v.NoneNotePictureVisible);
    toggleSentenceChinese(context());
    toggleSentenceChinese(context());
    EXPECT_TRUE(v.NoneNotePictureVisible);
}

TEST_F(SentenceBrowseTest, NavigationStopsAtTheEndsAndSetsTheButtonGroups)
{
    enum Action { First, Back, Next };
    const struct
    {
        int from;
        Action action;
        int to;
    } cases[] = {
        {1, Next, 2}, {2, Next, 2}, {2, Back, 1}, {1, Back, 1}, {2, First, 1}, {1, First, 1},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " action " + std::to_string(c.action));
        showSentenceNumber(c.from);
        switch (c.action) {
        case First:
            firstSentence(context());
            break;
        case Back:
            previousSentence(context());
            break;
        case Next:
            nextSentence(context());
            break;
        }
        EXPECT_EQ(state().CurrentSentence, c.to);
        EXPECT_EQ(state().backGroupEnabled, c.to > 1);
        EXPECT_EQ(state().nextGroupEnabled, c.to < 2);
    }
}

TEST_F(SentenceBrowseTest, OneSentenceLessonDisablesBothGroups)
{
    start({lessonRecord("^Hi$hi$^", "嗨", "0", "1")});
    EXPECT_FALSE(state().backGroupEnabled);
    EXPECT_FALSE(state().nextGroupEnabled);
    nextSentence(context());
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_FALSE(state().nextGroupEnabled);
}

TEST_F(SentenceBrowseTest, RememberedSentenceOutOfRangeShowsTheFirst)
{
    for (int remembered : {3, 99, 0, -4}) {
        SCOPED_TRACE(remembered);
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.startSentence = remembered;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        EXPECT_EQ(shell.state().CurrentSentence, 1);
        EXPECT_EQ(shell.state().StartSentence, 1);
        EXPECT_EQ(shell.state().sentence.positionCaption, QStringLiteral("1 / 2"));
        EXPECT_EQ(shell.state().SentenceStart, 0.1);
    }
}

TEST_F(SentenceBrowseTest, EachModePlaysTheSentenceByItsOwnRepeatCount)
{
    const struct
    {
        Mode mode;
        bool playsWithCountZero;
    } modes[] = {
        {Mode::FullText, false},      {Mode::SentenceBrowse, false}, {Mode::Translation, true},
        {Mode::DictationTest, false}, {Mode::ReadAfter, true},       {Mode::FreeSpelling, false},
        {Mode::Recall, false},        {Mode::FillIn, false},
    };
    start();
    for (const auto& m : modes) {
        for (int count : {0, 1}) {
            SCOPED_TRACE(std::to_string(modeNumber(m.mode)) + " count " + std::to_string(count));
            Settings& o = state().options;
            for (RepeatOption* option : {&o.sen, &o.write, &o.all, &o.click, &o.pen})
                option->count = count;
            state().ModeIndex = m.mode;
            state().CurrentReadCount = 3;
            context().timers.ReadTimer->setEnabled(false);
            shell.lessonPlayer.clearCalls();

            playSentenceForMode(context());
            const bool plays = m.mode != Mode::FillIn && (count > 0 || m.playsWithCountZero);
            EXPECT_EQ(shell.lessonPlayer.calls(), plays ? kPlayAtStart : QStringList());
            EXPECT_EQ(context().timers.ReadTimer->isEnabled(), plays);
            EXPECT_EQ(state().CurrentReadCount, 0);
        }
    }
}

TEST_F(SentenceBrowseTest, ReadAloudPlaysOnceEvenWithoutRepeatsAndStopsAtTheSentenceEnd)
{
    settings.sen.count = 0;
    start(); // sentence 1 runs from 0.1 s to 1.2 s
    EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());

    readAloud(context());
    EXPECT_EQ(shell.lessonPlayer.calls(), kPlayAtStart);
    Timer* readTimer = context().timers.ReadTimer;
    EXPECT_TRUE(readTimer->isEnabled());

    shell.clock.advance(1090);
    EXPECT_TRUE(shell.lessonPlayer.isPlaying());
    shell.clock.advance(20);
    EXPECT_FALSE(shell.lessonPlayer.isPlaying());
    EXPECT_FALSE(readTimer->isEnabled());
    EXPECT_NEAR(shell.lessonPlayer.position(), 1.2, 0.0101);

    shell.clock.advance(10000);
    EXPECT_EQ(shell.lessonPlayer.calls(), kPlayAtStart + QStringList{"pause"});
}
