#include "../fakes/QtPrinters.h"

#include "modes/DictationRules.h"
#include "modes/DictationTest.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const char* verdictName(BoxVerdict verdict)
{
    switch (verdict) {
    case BoxVerdict::Nothing:
        return "Nothing";
    case BoxVerdict::Typed:
        return "Typed";
    case BoxVerdict::Accepted:
        return "Accepted";
    case BoxVerdict::Wrong:
        return "Wrong";
    }
    return "?";
}

} // namespace

TEST(DictationRulesTest, TheBoxJudgesAWordOnlyWhenItIsEndedAndLongEnough)
{
    const struct
    {
        const char* why;
        const char16_t* text;
        const char16_t* display;
        BoxVerdict verdict;
        const char16_t* box;
    } cases[] = {
        {"ended by a blank", u"hello ", u"Hello", BoxVerdict::Accepted, u""},
        {"case never matters", u"HELLO ", u"Hello", BoxVerdict::Accepted, u""},
        {"ended by a comma", u"hello,", u"Hello", BoxVerdict::Accepted, u""},
        {"ended by the full stop", u"world.", u"world", BoxVerdict::Accepted, u""},
        {"ended by ? and !", u"you?", u"you", BoxVerdict::Accepted, u""},
        {"still typing", u"hello", u"Hello", BoxVerdict::Typed, u"hello"},
        {"a blank before the word is long enough stays", u"hel ", u"Hello", BoxVerdict::Typed,
         u"hel "},
        {"a misspelt word ended", u"hellp ", u"Hello", BoxVerdict::Wrong, u"hellp"},
        {"a segment's own space is not typed", u"good ", u"Good ", BoxVerdict::Accepted, u""},
        {"the long-enough rule uses the trimmed word", u"good", u"Good ", BoxVerdict::Typed,
         u"good"},
        {"a blank into the empty box is dropped", u" ", u"Hello", BoxVerdict::Nothing, u""},
        {"two blanks after a word cost nothing", u"  ", u"Tom", BoxVerdict::Nothing, u""},
        {"a leading blank is dropped", u" hello ", u"Hello", BoxVerdict::Accepted, u""},
        {"Mr. is typed in full", u"mr.", u"Mr.", BoxVerdict::Typed, u"mr."},
        {"Mr. ended by a blank", u"mr. ", u"Mr.", BoxVerdict::Accepted, u""},
        {"Mr without its stop is still short", u"mr ", u"Mr.", BoxVerdict::Typed, u"mr "},
        {"I'm with the keyboard's apostrophe", u"i'm ", u"I'm", BoxVerdict::Accepted, u""},
        {"the content's curly apostrophe", u"i'm ", u"I\u2019m", BoxVerdict::Accepted, u""},
        {"hyphenated word", u"well-known ", u"well-known ", BoxVerdict::Accepted, u""},
        {"digits inside a word", u"b2 ", u"B2", BoxVerdict::Accepted, u""},
        {"a pasted word with two stops is one word", u"hello..", u"Hello", BoxVerdict::Accepted,
         u""},
        {"a pasted wrong word is judged once", u"hellp,,", u"Hello", BoxVerdict::Wrong, u"hellp"},
        {"only A-Z fold", u"\u00c9t\u00e9 ", u"\u00e9t\u00e9", BoxVerdict::Wrong, u"\u00c9t\u00e9"},
        {"two words are not one", u"hello world.", u"Hello", BoxVerdict::Wrong, u"hello world"},
        {"a comma typed first stays", u",", u"Tom", BoxVerdict::Typed, u","},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const BoxJudgement judged =
            judgeBoxText(QString::fromUtf16(c.text), QString::fromUtf16(c.display));
        EXPECT_STREQ(verdictName(judged.verdict), verdictName(c.verdict));
        EXPECT_EQ(judged.text, QString::fromUtf16(c.box));
    }
}

TEST(DictationRulesTest, FreeSpellingComparesLettersOnlyAndFindsTheFirstWrongOne)
{
    const struct
    {
        const char16_t* english;
        const char16_t* typed;
        bool passed;
        int wrongAt;
    } cases[] = {
        {u"How are you?", u"how are you", true, -1},
        {u"How are you?", u"HOWAREYOU", true, -1},
        {u"How are you?", u"how ar you", false, 7},
        {u"How are you?", u"how are", false, -1},
        {u"How are you?", u"how are you too", false, 12},
        {u"Mr. Smith's car.", u"mr smiths car", true, -1},
        {u"I have 2 cats.", u"I have cats", true, -1},
        {u"I have cats.", u"I have 2 cats", true, -1},
        {u"Caf\u00e9 au lait", u"caf au lait", true, -1},
        {u"\uff21 b", u"b", true, -1}, // full-width letters are not letters
        {u"I\u2019m fine.", u"I'm fine", true, -1},
        {u"1, 2, 3!", u"", true, -1},
        {u"Hi.", u"", false, -1},
        {u"Hi.", u"hiya", false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            (QString::fromUtf16(c.english) + " / " + QString::fromUtf16(c.typed)).toStdString());
        const SpellingCheck check =
            checkFreeSpelling(QString::fromUtf16(c.english), QString::fromUtf16(c.typed));
        EXPECT_EQ(check.passed, c.passed);
        EXPECT_EQ(check.wrongAt, c.wrongAt);
    }
}

TEST(DictationRulesTest, TheMaskHidesAsciiLettersOnly)
{
    EXPECT_EQ(maskEnglishLine(QStringLiteral("I'm fine, thanks.")),
              QStringLiteral("_'_ ____, ______."));
    EXPECT_EQ(maskEnglishLine(QString::fromUtf16(u"Caf\u00e9 No. 2")),
              QString::fromUtf16(u"___\u00e9 __. 2"));
    EXPECT_EQ(maskEnglishLine(QString()), QString());
}

TEST(DictationRulesTest, TheScoreEqualToThePassMarkPasses)
{
    const struct
    {
        int score;
        int passMark;
        bool passes;
    } cases[] = {
        {80, 80, true},  {79, 80, false}, {100, 100, true}, {99, 100, false}, // one hint at 100
        {61, 60, true},  {58, 60, false},                                     // 13 and 14 wrong
        {-2, 60, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.score << " against " << c.passMark);
        EXPECT_EQ(reachesPassMark(c.score, c.passMark), c.passes);
    }
    EXPECT_EQ(failedSentenceMessage(-2, 60),
              QStringLiteral("您的本句得分为-2分，低于设定的过关分数60分，您未能过关，"
                             "请按空格键重做当前句子"));
    EXPECT_EQ(passedSentenceMessage(97),
              QStringLiteral("您的得分为97分，恭喜您已完成本句听写，请按空格键进入下一句"));
}
