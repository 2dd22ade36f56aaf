#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/SentenceDisplay.h"
#include "app/StartUp.h"
#include "modes/FullTextPage.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class FullTextLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(shell.folder.isValid()); }

    /// Starts on lesson 1 (replaced by records when given) in sentence browse.
    void start(const QString& allChinese, const QStringList& records = {})
    {
        if (!records.isEmpty()) {
            ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        }
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.keyWordColour = 0xFF0000; // blue
        ASSERT_TRUE(shell.writeSettings(settings, {{7, allChinese}}));
        ASSERT_TRUE(shell.startUp());
    }

    void showSentenceNumber(int s)
    {
        state().CurrentSentence = s;
        showSentence(shell.context());
    }

    MainState& state() { return shell.state(); }
    FullTextView& view() { return state().fullText; }
    const ViewElement& cell(int i) { return view().AllWordTextLabel[i]; }

    ShellFixture shell;
};

// Lesson 1 of the test folder has 4 + 5 segments: its end markers are cells 5 and 11.
constexpr int kMarker1 = 5;
constexpr int kMarker2 = 11;

} // namespace

TEST_F(FullTextLayoutTest, EachSentenceGivesACellPerSegmentThenItsEndMarker)
{
    start(QStringLiteral("1"));
    const QStringList captions = {
        "Hello", ", ",    "Tom",     ".", "#你好，汤姆。#0.1#1.2###",       "The ",
        "books", " are ", "walking", ".", "#书在走路。#1.5#2.9#一个注释#1#"};
    ASSERT_EQ(view().AllWordTextLabel.size(), captions.size() + 1);
    ASSERT_EQ(view().AllWordLine.size(), captions.size() + 1);
    for (int i = 1; i <= captions.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cell(i).caption, captions[i - 1]);
        EXPECT_EQ(view().cellSentence[i], i <= kMarker1 ? 1 : 2);
        const bool marker = i == kMarker1 || i == kMarker2;
        EXPECT_EQ(cell(i).visible, !marker);
        EXPECT_EQ(cell(i).geometry.width, marker ? 15 : FakeTextMeasurer::widthOf(captions[i - 1]));
        EXPECT_EQ(cell(i).foreground, i == 7 ? makeRgb(0, 0, 255) : kBlack);
        const TwipRect& g = cell(i).geometry;
        EXPECT_EQ(view().AllWordLine[i].geometry, (TwipRect{g.left, g.bottom(), g.width, 15}));
    }
}

TEST_F(FullTextLayoutTest, EnglishAndChineseLayoutPutsEachChineseLineUnderItsSentence)
{
    start(QStringLiteral("1"));
    EXPECT_FALSE(view().TipPictureVisible);
    // Sentence 1 runs on from the start position.
    int left = 405;
    for (int i = 1; i < kMarker1; ++i) {
        EXPECT_EQ(cell(i).geometry.left, left);
        EXPECT_EQ(cell(i).geometry.top, 185);
        left = cell(i).geometry.right();
    }
    const ViewElement& chinese1 = view().AllChineseLabel[1];
    EXPECT_TRUE(chinese1.visible);
    EXPECT_EQ(chinese1.caption, QStringLiteral("你好，汤姆。"));
    EXPECT_EQ(chinese1.geometry.left, 405);
    EXPECT_EQ(chinese1.geometry.top, 185 + 300 + 60);

    // Sentence 2 starts 60 under the Chinese line, its end marker moved to the line's start.
    const int top2 = chinese1.geometry.bottom() + 60;
    EXPECT_EQ(cell(kMarker1).geometry.top, top2);
    EXPECT_EQ(cell(kMarker1).geometry.left, 390);
    EXPECT_EQ(cell(kMarker1 + 1).geometry.left, 405);
    EXPECT_EQ(cell(kMarker1 + 1).geometry.top, top2);
    const ViewElement& chinese2 = view().AllChineseLabel[2];
    EXPECT_EQ(chinese2.geometry.top, top2 + 300 + 60);

    // A speaker icon at the start of each sentence.
    EXPECT_EQ(view().AllVoiceImage[1].geometry.top, 185 + 15);
    EXPECT_EQ(view().AllVoiceImage[2].geometry.top, top2 + 15);
    for (int s : {1, 2}) {
        EXPECT_TRUE(view().AllVoiceImage[s].visible);
        EXPECT_EQ(view().AllVoiceImage[s].geometry.left, 15);
    }
    EXPECT_EQ(view().scroll.page.height, chinese2.geometry.bottom() + 180);
}

// A stored check value other than "0" and "1" is neither until a lesson opens, which shows the
// Chinese lines; the file then keeps "1".
TEST_F(FullTextLayoutTest, AnOddStoredCheckValueShowsTheChineseOnceALessonOpens)
{
    start(QStringLiteral("2"));
    EXPECT_EQ(state().options.allChineseCheck, FullTextChinese::Shown);
    EXPECT_FALSE(view().TipPictureVisible);
    ASSERT_TRUE(shutDown(shell.context()).ok());
    EXPECT_EQ(cutSettingsValues(shell.folder.readText(QStringLiteral("SETTING/Set.dat")))[6],
              QStringLiteral("1"));
}

TEST_F(FullTextLayoutTest, EnglishOnlyLayoutStartsEverySentenceOnANewLine)
{
    start(QStringLiteral("0"));
    EXPECT_TRUE(view().TipPictureVisible);
    EXPECT_EQ(cell(1).geometry.left, 305);
    EXPECT_EQ(cell(1).geometry.top, 200);
    EXPECT_EQ(cell(kMarker1).geometry.top, 200);
    EXPECT_EQ(cell(kMarker1 + 1).geometry.left, 305);
    EXPECT_EQ(cell(kMarker1 + 1).geometry.top, 200 + 300 + 135);
    for (int s : {1, 2}) {
        EXPECT_FALSE(view().AllChineseLabel[s].visible);
        EXPECT_FALSE(view().AllVoiceImage[s].visible);
    }
    EXPECT_EQ(view().scroll.page.height, 635 + 880);
}

TEST_F(FullTextLayoutTest, CellsWrapOnlyWhenTheyBeginWithALetter)
{
    // Six cells of 1200 end at 305 + 7200 = 7505; ",,,,,,,," then ends at 8465, past the margin
    // (page 8940 - 300, less 300 = 8340), and stays. The next cell decides.
    const struct
    {
        QString cell;
        bool wraps;
    } cases[] = {
        {QStringLiteral("bb"), true},  {QStringLiteral("Bb"), true},  {QStringLiteral("b,"), true},
        {QStringLiteral("2b"), false}, {QStringLiteral(",b"), false}, {QStringLiteral(" b"), false},
    };
    QStringList records;
    for (const auto& c : cases) {
        QString english = QStringLiteral("^");
        for (int k = 0; k < 6; ++k)
            english += QStringLiteral("aaaaaaaaaa$a$^");
        english += QStringLiteral(",,,,,,,,^") + c.cell + QStringLiteral("^.^");
        records.append(lessonRecord(english, "中", "0", "1"));
    }
    start(QStringLiteral("0"), records);

    for (int s = 1; s <= int(std::size(cases)); ++s) {
        SCOPED_TRACE(cases[s - 1].cell.toStdString());
        const int first = (s - 1) * 10 + 1; // 9 cells and a marker per sentence
        const TwipRect& commas = cell(first + 6).geometry;
        EXPECT_EQ(commas.top, cell(first).geometry.top);
        EXPECT_EQ(commas.right(), 8465);
        const TwipRect& decisive = cell(first + 7).geometry;
        if (cases[s - 1].wraps) {
            EXPECT_EQ(decisive.left, 305);
            EXPECT_EQ(decisive.top, commas.bottom());
        } else {
            EXPECT_EQ(decisive.left, commas.right());
            EXPECT_EQ(decisive.top, commas.top);
        }
    }
}

TEST_F(FullTextLayoutTest, CurrentSentenceIsUnderlinedFromTheMarkerBeforeIt)
{
    const struct
    {
        int sentence;
        int offset;
        int firstLine, lastLine;
    } cases[] = {
        {1, 0, 1, kMarker1 - 1},
        {2, kMarker1, kMarker1, kMarker2 - 1},
        {1, 0, 1, kMarker1 - 1}, // and back: the other sentence's lines go
    };
    start(QStringLiteral("1"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        showSentenceNumber(c.sentence);
        EXPECT_EQ(view().SentenceCellOffset, c.offset);
        for (int i = 1; i <= kMarker2; ++i)
            EXPECT_EQ(view().AllWordLine[i].visible, i >= c.firstLine && i <= c.lastLine) << i;
    }
}

TEST_F(FullTextLayoutTest, TranslationLinesStackWrapAndNumberTheSentences)
{
    QStringList records;
    for (int i = 1; i <= 11; ++i) {
        const QString english =
            i == 2 ? QStringLiteral("^%1$a$^").arg(QString(70, u'a')) : QStringLiteral("^Hi$hi$^");
        records.append(lessonRecord(english, QStringLiteral("第%1句").arg(i), "0", "1"));
    }
    start(QStringLiteral("1"), records);
    const TranslationView& t = state().translation;
    // Text width: page (8940 - 300) less the English column (960) less 60.
    const int available = 8640 - 960 - 60;
    ASSERT_EQ(t.EnglishTextLabel.size(), 12);

    int top = 60;
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        const ViewElement& english = t.EnglishTextLabel[i];
        const ViewElement& chinese = t.ChineseTextLabel[i];
        EXPECT_EQ(english.geometry.top, top);
        EXPECT_EQ(chinese.geometry.top, english.geometry.bottom() + 60);
        if (i == 2) {
            // 8400 twips of text: (8400 + 45) / available + 1 = 2 lines.
            EXPECT_TRUE(english.wraps);
            EXPECT_EQ(english.geometry.width, available);
            EXPECT_EQ(english.geometry.height, 600);
        } else {
            EXPECT_FALSE(english.wraps);
            EXPECT_EQ(english.geometry.height, 300);
        }
        EXPECT_EQ(t.SenNumLabel[i].caption, QString::number(i) + u'.');
        EXPECT_EQ(t.SenNumLabel[i].geometry.left, i > 9 ? 150 - 90 : 150);
        EXPECT_EQ(t.HornImage[i].geometry.top, english.geometry.top + 15);
        EXPECT_EQ(t.SenLine[i].geometry.top, english.geometry.bottom());
        EXPECT_EQ(t.ChinesePointLabel[i].geometry,
                  (TwipRect{chinese.geometry.left, chinese.geometry.top - 45,
                            chinese.geometry.width, chinese.geometry.height + 90}));
        const ViewElement& fullChinese = state().fullText.AllChineseLabel[i];
        EXPECT_EQ(fullChinese.caption, chinese.caption);
        EXPECT_EQ(fullChinese.geometry.width, chinese.geometry.width);
        EXPECT_EQ(fullChinese.geometry.height, chinese.geometry.height);
        top = chinese.geometry.bottom() + 60;
    }
    EXPECT_EQ(t.scroll.page.height, t.ChineseTextLabel[11].geometry.bottom() + 90);
    // Only the current sentence's line is marked.
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(t.SenLine[i].visible, i == 1) << i;
}

TEST_F(FullTextLayoutTest, ShowingASentenceCentresTheViewsOfTheOtherModes)
{
    QStringList records;
    for (int i = 1; i <= 30; ++i)
        records.append(
            lessonRecord("^Hi$hi$^, ^you$you$^.^", QStringLiteral("第%1句").arg(i), "0", "1"));
    start(QStringLiteral("1"), records);
    ScrollView& full = view().scroll;
    ScrollView& translation = state().translation.scroll;
    ASSERT_TRUE(full.pageTallerThanFrame());
    ASSERT_TRUE(translation.pageTallerThanFrame());

    const struct
    {
        Mode mode;
        bool centresFullText, centresTranslation;
    } cases[] = {
        {Mode::SentenceBrowse, true, true},
        {Mode::FullText, false, true}, // the page the learner is reading is not moved under him
        {Mode::Translation, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        state().ModeIndex = c.mode;
        full.page.top = -1234;
        translation.page.top = -1234;
        showSentenceNumber(15);
        const int markerTop = cell(view().SentenceCellOffset).geometry.top;
        EXPECT_EQ(full.page.top, c.centresFullText ? full.frame.height / 2 - markerTop : -1234);
        const int englishTop = state().translation.EnglishTextLabel[15].geometry.top;
        EXPECT_EQ(translation.page.top,
                  c.centresTranslation ? translation.frame.height / 2 - englishTop : -1234);
    }

    // At the ends the page stops at its top and at its bottom, the thumb at its stops.
    state().ModeIndex = Mode::SentenceBrowse;
    showSentenceNumber(1);
    EXPECT_EQ(full.page.top, 0);
    EXPECT_EQ(full.thumbTop, 255);
    showSentenceNumber(30);
    EXPECT_EQ(full.page.top, full.frame.height - full.page.height);
    EXPECT_EQ(full.thumbTop, 255 + full.thumbTravel());
    EXPECT_EQ(translation.page.top, translation.frame.height - translation.page.height);
}
