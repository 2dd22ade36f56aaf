#include "content/Settings.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kelvaro;

namespace {
const QString kShipped = QStringLiteral("2/1/1/0/0/0/1/1/80/1/1000/1/1000/1/1000/1/1000/1/1000/1/1/"
                                        "1/1/1/0/1/1/255/True/False/False/True/1/");
}

TEST(Settings, FirstRunFileGivesTheDefaultsAndWritesBackIdentically)
{
    bool complete = false;
    const Settings s = parseSettings(kShipped, &complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(formatSettings(s), kShipped);
    EXPECT_EQ(formatSettings(defaultSettings()), kShipped);
}

TEST(Settings, EveryValueLandsInItsPlace)
{
    const QString text = QStringLiteral(
        "17/12/4/-1234.5/567/1/0/3/85/4/2000/8/3000/20/10/0/60000/5/30000/0/1/0/1/0/1/0/1/"
        "16711680/false/TRUE/1/0/2/anything after/is ignored/");
    const Settings s = parseSettings(text);
    EXPECT_EQ(s.lessonNode, 17);
    EXPECT_EQ(s.startSentence, 12);
    EXPECT_EQ(s.modeIndex, 4);
    EXPECT_EQ(s.mainPictureTop, -1234.5);
    EXPECT_EQ(s.moveImageTop, 567);
    EXPECT_TRUE(s.windowMaximised);
    EXPECT_EQ(s.allChineseCheck, FullTextChinese::Hidden);
    EXPECT_EQ(s.translationMode, 3);
    EXPECT_EQ(s.setFraction, 85);
    EXPECT_EQ(s.sen.count, 4);
    EXPECT_EQ(s.sen.pauseMs, 2000);
    EXPECT_EQ(s.write.count, 8);
    EXPECT_EQ(s.all.count, 20);
    EXPECT_EQ(s.all.pauseMs, 10);
    EXPECT_EQ(s.click.pauseMs, 60000);
    EXPECT_EQ(s.pen.count, 5);
    EXPECT_FALSE(s.senChineseCheck);
    EXPECT_TRUE(s.playMode);
    EXPECT_TRUE(s.videoChineseCheck);
    EXPECT_EQ(s.keyWordColour, 16711680);
    EXPECT_FALSE(s.currentWordChinese);
    EXPECT_TRUE(s.currentWordPron);
    EXPECT_TRUE(s.currentWordEnglish);
    EXPECT_FALSE(s.currentWordRead);
    EXPECT_EQ(s.writeMode, WriteMode::DictationTest);
    // Written back in the table's order, flags as words, fractions with ".".
    EXPECT_EQ(
        formatSettings(s),
        QStringLiteral(
            "17/12/4/-1234.5/567/1/0/3/85/4/2000/8/3000/20/10/0/60000/5/30000/0/1/0/1/0/1/0/1/"
            "16711680/False/True/True/False/2/"));
}

TEST(Settings, IncompleteTextGivesFirstRunDefaults)
{
    for (const QString& text :
         {QString(), QStringLiteral("5/1/2/"), QStringLiteral("/") + kShipped.mid(2)}) {
        bool complete = true;
        const Settings s = parseSettings(text, &complete);
        EXPECT_FALSE(complete) << text.toStdString();
        EXPECT_EQ(formatSettings(s), kShipped);
    }
}

TEST(Settings, ValuesTheMenusDoNotOfferAreKeptAndCheckNoItem)
{
    EXPECT_EQ(checkedItem(kPassMarks, 85), -1);
    EXPECT_EQ(checkedItem(kPassMarks, 100), 0);
    EXPECT_EQ(checkedItem(kRepeatCounts, 4), -1);
    EXPECT_EQ(checkedItem(kRepeatCounts, 20), 7);
    EXPECT_EQ(checkedItem(kPausesMs, 10), 0);
    EXPECT_EQ(checkedItem(kPausesMs, 60000), 8);
}

TEST(Settings, FlagsReadTrueForAnyCaseOfTrueOrANonZeroNumber)
{
    const std::pair<const char*, bool> cases[] = {{"True", true}, {"true", true}, {"TRUE", true},
                                                  {"-1", true},   {"1", true},    {"False", false},
                                                  {"0", false},   {"", false},    {"yes", false}};
    for (auto [text, expected] : cases)
        EXPECT_EQ(readFlag(QString::fromLatin1(text)), expected) << text;
}

namespace {

// The shipped file with value k (1-based) replaced.
QString withValue(int k, const QString& value)
{
    QStringList values = cutSettingsValues(kShipped);
    values[k - 1] = value;
    return values.join(u'/') + u'/';
}

} // namespace

// Numbers beyond int were converted unchecked (undefined behaviour), and out-of-range values
// reached the window as they stood.
TEST(Settings, HostileNumbersAreClampedToTheirSaneRanges)
{
    struct Case
    {
        int k;
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {1, "1e999", kMaxSettingsIndex},
        {1, "-1e10", 0},
        {2, "1e999", kMaxSettingsIndex},
        {2, "-1e10", 1},
        {2, "1e-999", 1},
        {3, "1e999", 1},
        {3, "-1e10", 1},
        {3, "5", 1},
        {3, "0", 1},
        {3, "10", 1},
        {3, "8.7", 8},
        {3, "9", 9},
        {4, "1e999", 0},
        {4, "-1e999", -kMaxScrollTwips},
        {4, "-1234.5", -1234.5},
        {5, "-1e10", 0},
        {5, "1e999", kMaxScrollTwips},
        {10, "1e999", kMaxRepeatCount},
        {10, "-1e10", 0},
        {10, "4", 4},
        {11, "1e999", kMaxPauseMs},
        {11, "-1e10", 10},
        {11, "0", 10},
        {11, "90000", 90000},
        {19, "99999999999", kMaxPauseMs},
        // Check boxes say only zero or not.
        {20, "1e999", 1},
        {20, "-1e999", 1},
        {25, "-1e10", 1},
        {28, "1e999", kMaxColourValue},
        {28, "-1e10", 0},
        {28, "16777216", kMaxColourValue},
        {28, "255", 255},
    };
    auto field = [](const Settings& s, int k) -> double {
        switch (k) {
        case 1:
            return s.lessonNode;
        case 2:
            return s.startSentence;
        case 3:
            return s.modeIndex;
        case 4:
            return s.mainPictureTop;
        case 5:
            return s.moveImageTop;
        case 10:
            return s.sen.count;
        case 11:
            return s.sen.pauseMs;
        case 19:
            return s.pen.pauseMs;
        case 20:
            return s.senChineseCheck;
        case 25:
            return s.playMode;
        case 28:
            return s.keyWordColour;
        default:
            return -1;
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.k) + ": " + c.text);
        bool complete = false;
        const Settings s = parseSettings(withValue(c.k, QString::fromLatin1(c.text)), &complete);
        EXPECT_TRUE(complete);
        EXPECT_EQ(field(s, c.k), c.expected);
        // What is written back reads as the same value.
        EXPECT_EQ(field(parseSettings(formatSettings(s)), c.k), c.expected);
    }
}

// Each value is read once into what the window makes of it; odd stored texts keep the meaning
// the window gave them when it compared the text ("1", "2") or the number (0) itself, and what
// is written for them reads back the same.
TEST(Settings, OddStoredValuesKeepTheirMeaningAndWriteBackStable)
{
    struct Case
    {
        int k;
        const char* stored;
        const char* written;
        bool (*means)(const Settings&);
    };
    const Case cases[] = {
        // Whole numbers: the window cut the fraction.
        {1, "3", "3", [](const Settings& s) { return s.lessonNode == 3; }},
        {1, "2.9", "2", [](const Settings& s) { return s.lessonNode == 2; }},
        {1, "12abc", "12", [](const Settings& s) { return s.lessonNode == 12; }},
        {1, "-1", "0", [](const Settings& s) { return s.lessonNode == 0; }},
        {2, "1.5", "1", [](const Settings& s) { return s.startSentence == 1; }},
        {2, "", "1", [](const Settings& s) { return s.startSentence == 1; }},
        {2, "7.99", "7", [](const Settings& s) { return s.startSentence == 7; }},
        {3, "4.5", "4", [](const Settings& s) { return s.modeIndex == 4; }},
        {3, "True", "1", [](const Settings& s) { return s.modeIndex == 1; }},
        {3, "-1", "1", [](const Settings& s) { return s.modeIndex == 1; }},
        // Only the text "1" maximised the window.
        {6, "1", "1", [](const Settings& s) { return s.windowMaximised; }},
        {6, "0", "0", [](const Settings& s) { return !s.windowMaximised; }},
        {6, "1.0", "0", [](const Settings& s) { return !s.windowMaximised; }},
        {6, "-1", "0", [](const Settings& s) { return !s.windowMaximised; }},
        {6, "True", "0", [](const Settings& s) { return !s.windowMaximised; }},
        {6, "", "0", [](const Settings& s) { return !s.windowMaximised; }},
        // "1" and "0" decide; anything else waits for a lesson to open.
        {7, "1", "1",
         [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Shown; }},
        {7, "0", "0",
         [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Hidden; }},
        {7, "1.5", "",
         [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Unset; }},
        {7, "-1", "",
         [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Unset; }},
        {7, "True", "",
         [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Unset; }},
        {7, "", "", [](const Settings& s) { return s.allChineseCheck == FullTextChinese::Unset; }},
        // The reveal mode: "2" and "3", everything else 1.
        {8, "2", "2", [](const Settings& s) { return s.translationMode == 2; }},
        {8, "3", "3", [](const Settings& s) { return s.translationMode == 3; }},
        {8, "3.0", "1", [](const Settings& s) { return s.translationMode == 1; }},
        {8, "4", "1", [](const Settings& s) { return s.translationMode == 1; }},
        {8, "-1", "1", [](const Settings& s) { return s.translationMode == 1; }},
        {8, "", "1", [](const Settings& s) { return s.translationMode == 1; }},
        // The pass mark is a number; a fraction checks no menu item.
        {9, "85", "85", [](const Settings& s) { return s.setFraction == 85; }},
        {9, "100.5", "100.5",
         [](const Settings& s) {
             return s.setFraction == 100.5 && checkedItem(kPassMarks, s.setFraction) == -1;
         }},
        {9, "80abc", "80", [](const Settings& s) { return s.setFraction == 80; }},
        {9, "-1", "-1", [](const Settings& s) { return s.setFraction == -1; }},
        {9, "True", "0", [](const Settings& s) { return s.setFraction == 0; }},
        {9, "1e999", "2147483647", [](const Settings& s) { return s.setFraction == INT_MAX; }},
        // Repeat counts keep their fraction; pauses are rounded.
        {10, "0.5", "0.5", [](const Settings& s) { return s.sen.count == 0.5; }},
        {10, "-1", "0", [](const Settings& s) { return s.sen.count == 0; }},
        {11, "1500.6", "1501", [](const Settings& s) { return s.sen.pauseMs == 1501; }},
        // Check boxes: any number other than zero is checked.
        {20, "-1", "1", [](const Settings& s) { return s.senChineseCheck; }},
        {21, "0.5", "1", [](const Settings& s) { return s.clickChineseCheck; }},
        {22, "2", "1", [](const Settings& s) { return s.wordChineseCheck; }},
        {23, "True", "0", [](const Settings& s) { return !s.writeEnglishCheck; }},
        {24, "", "0", [](const Settings& s) { return !s.writeChineseCheck; }},
        {25, "-1", "1", [](const Settings& s) { return s.playMode; }},
        {25, "0.0", "0", [](const Settings& s) { return !s.playMode; }},
        {26, "1e999", "1", [](const Settings& s) { return s.videoEnglishCheck; }},
        {27, "abc", "0", [](const Settings& s) { return !s.videoChineseCheck; }},
        {28, "255.5", "256", [](const Settings& s) { return s.keyWordColour == 256; }},
        // "True"/"False" flags.
        {29, "-1", "True", [](const Settings& s) { return s.currentWordChinese; }},
        {30, "true", "True", [](const Settings& s) { return s.currentWordPron; }},
        {31, "yes", "False", [](const Settings& s) { return !s.currentWordEnglish; }},
        {32, "", "False", [](const Settings& s) { return !s.currentWordRead; }},
        // Only the text "2" is the dictation test.
        {33, "2", "2", [](const Settings& s) { return s.writeMode == WriteMode::DictationTest; }},
        {33, "1", "1", [](const Settings& s) { return s.writeMode == WriteMode::FreeSpelling; }},
        {33, "2.0", "1", [](const Settings& s) { return s.writeMode == WriteMode::FreeSpelling; }},
        {33, "True", "1", [](const Settings& s) { return s.writeMode == WriteMode::FreeSpelling; }},
        {33, "", "1", [](const Settings& s) { return s.writeMode == WriteMode::FreeSpelling; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.k) + ": \"" + c.stored + "\"");
        bool complete = false;
        const Settings s = parseSettings(withValue(c.k, QString::fromLatin1(c.stored)), &complete);
        ASSERT_TRUE(complete);
        EXPECT_TRUE(c.means(s));
        const QString written = formatSettings(s);
        EXPECT_EQ(written, withValue(c.k, QString::fromLatin1(c.written)));
        // What the player writes, it reads as the same settings and writes again unchanged.
        const Settings reread = parseSettings(written);
        EXPECT_TRUE(c.means(reread));
        EXPECT_EQ(formatSettings(reread), written);
    }
}
