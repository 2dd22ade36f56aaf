#include "history/SpellingPattern.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(SpellingPatternTest, ClassifiesTheKnownPatterns)
{
    const struct
    {
        const char* typed;
        const char* right;
        SpellingPattern pattern;
    } cases[] = {
        {"walk", "walked", SpellingPattern::DroppedEnding},
        {"book", "books", SpellingPattern::DroppedEnding},
        {"box", "boxes", SpellingPattern::DroppedEnding},
        {"read", "reading", SpellingPattern::DroppedEnding},
        {"cats", "cat", SpellingPattern::AddedEnding},
        {"goed", "go", SpellingPattern::AddedEnding},
        {"walking", "walked", SpellingPattern::WrongEnding},
        {"sink", "think", SpellingPattern::Th},
        {"fink", "think", SpellingPattern::Th},
        {"dis", "this", SpellingPattern::Th},
        {"zey", "they", SpellingPattern::Th},
        {"wis", "with", SpellingPattern::Th},
        {"right", "light", SpellingPattern::LR},
        {"grass", "glass", SpellingPattern::LR},
        {"wery", "very", SpellingPattern::VW},
        {"vest", "west", SpellingPattern::VW},
        {"leter", "letter", SpellingPattern::SingleForDouble},
        {"diferent", "different", SpellingPattern::SingleForDouble},
        {"untill", "until", SpellingPattern::DoubleForSingle},
        {"welll", "well", SpellingPattern::DoubleForSingle},
        {"sheep", "ship", SpellingPattern::Vowel},
        {"reed", "read", SpellingPattern::Vowel},
        {"cot", "cut", SpellingPattern::Vowel},
        {"fro", "for", SpellingPattern::Swapped},
        {"freind", "friend", SpellingPattern::Swapped},
        {"goverment", "government", SpellingPattern::MissingLetter},
        {"wher", "where", SpellingPattern::MissingLetter},
        {"whenre", "where", SpellingPattern::ExtraLetter},
        {"elephant", "dog", SpellingPattern::Other},
        {"Light", "light", SpellingPattern::Other}, // right, only the case differs
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classifyMisspelling(QString::fromLatin1(c.typed), QString::fromLatin1(c.right)),
                  c.pattern)
            << c.typed << " for " << c.right;
    }
}

TEST(SpellingPatternTest, AlignmentNamesEachStep)
{
    // "freind" for "friend": f r match, "ie" swapped, n d match.
    const std::vector<SpellingEdit> edits =
        alignSpelling(QStringLiteral("freind"), QStringLiteral("friend"));
    ASSERT_EQ(edits.size(), 5u);
    EXPECT_EQ(edits[2].kind, SpellingEdit::Swap);
    EXPECT_EQ(edits[2].rightAt, 2);
    // "wher" for "where": the final e is missing.
    const std::vector<SpellingEdit> missing =
        alignSpelling(QStringLiteral("wher"), QStringLiteral("where"));
    ASSERT_EQ(missing.size(), 5u);
    EXPECT_EQ(missing.back().kind, SpellingEdit::Missing);
    EXPECT_EQ(missing.back().right, u'e');
}

TEST(SpellingPatternTest, EveryPatternHasChineseNameAdviceAndAKey)
{
    QStringList keys;
    for (int i = 0; i < kSpellingPatternCount; ++i) {
        const auto pattern = SpellingPattern(i);
        EXPECT_FALSE(patternName(pattern).isEmpty());
        EXPECT_TRUE(patternAdvice(pattern).contains(
            QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))));
        EXPECT_FALSE(keys.contains(patternKey(pattern)));
        keys << patternKey(pattern);
    }
}
